#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

// Several test classes share one executable per subsystem; each registers itself with VEL_TEST.
std::vector<std::function<std::unique_ptr<QObject>()>>& TestKlassen();

template <class T> struct TTestRegistrierung {
    TTestRegistrierung() {
        TestKlassen().push_back([] { return std::make_unique<T>(); });
    }
};

#define VEL_TEST(Klasse) static TTestRegistrierung<Klasse> registrierung##Klasse;
