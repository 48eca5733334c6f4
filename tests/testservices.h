#pragma once

// The services the windows of a test share: the products and profiles files
// in the data folder that ctest gives each suite, and the food list they
// feed. A test that needs stores of its own makes a Services of its own.

#include "gui/ration/services.h"

#include <QCoreApplication>

inline Services &testServices()
{
    static Services *services = new Services(QCoreApplication::instance());
    return *services;
}
