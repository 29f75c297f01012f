#pragma once

#include <algorithm>
#include <memory>
#include <vector>

// An ordered list that owns its items. Items are reached as plain pointers; removing an item frees it.
template <class T> class TLoadSaveList {
public:
    TLoadSaveList() = default;
    TLoadSaveList(const TLoadSaveList&) = delete;
    TLoadSaveList& operator=(const TLoadSaveList&) = delete;
    virtual ~TLoadSaveList() = default;

    int Count() const { return static_cast<int>(Eintraege.size()); }
    bool Leer() const { return Eintraege.empty(); }
    T* operator[](int index) const { return Eintraege[static_cast<size_t>(index)].get(); }
    T* Erstes() const { return Eintraege.empty() ? nullptr : Eintraege.front().get(); }
    T* Letztes() const { return Eintraege.empty() ? nullptr : Eintraege.back().get(); }

    T* Add(std::unique_ptr<T> eintrag) {
        Eintraege.push_back(std::move(eintrag));
        return Eintraege.back().get();
    }
    void Insert(int index, std::unique_ptr<T> eintrag) {
        Eintraege.insert(Eintraege.begin() + index, std::move(eintrag));
    }

    int IndexOf(const T* eintrag) const {
        for (size_t i = 0; i < Eintraege.size(); ++i)
            if (Eintraege[i].get() == eintrag) return static_cast<int>(i);
        return -1;
    }

    // Takes an item out without freeing it.
    std::unique_ptr<T> Extract(int index) {
        auto eintrag = std::move(Eintraege[static_cast<size_t>(index)]);
        Eintraege.erase(Eintraege.begin() + index);
        return eintrag;
    }

    virtual void Delete(int index) { Extract(index).reset(); }

    virtual void Clear() {
        // Items are freed front to back after the list is empty, so their destructors see a consistent list.
        auto alt = std::move(Eintraege);
        Eintraege.clear();
        for (auto& e : alt)
            e.reset();
    }

    template <class Vor> void Sortieren(Vor vor) {
        std::stable_sort(
            Eintraege.begin(), Eintraege.end(),
            [&](const std::unique_ptr<T>& a, const std::unique_ptr<T>& b) { return vor(*a, *b); });
    }

    auto begin() const { return Eintraege.begin(); }
    auto end() const { return Eintraege.end(); }

protected:
    std::vector<std::unique_ptr<T>> Eintraege;
};
