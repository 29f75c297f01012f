#pragma once

#include "LoadSaveList.h"

#include <algorithm>
#include <memory>
#include <vector>

// Takes every item out of a list, in list order, without freeing any; linear in the list length.
template <class T> std::vector<std::unique_ptr<T>> AllesEntnehmen(TLoadSaveList<T>& liste) {
    std::vector<std::unique_ptr<T>> items;
    items.reserve(static_cast<size_t>(liste.Count()));
    while (!liste.Leer())
        items.push_back(liste.Extract(liste.Count() - 1));
    std::reverse(items.begin(), items.end());
    return items;
}
