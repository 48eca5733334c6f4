#pragma once

// The services the windows of a test share: the products and profiles files
// in the data folder that ctest gives each suite, and the food list they
// feed. A test that needs stores of its own makes a Services of its own.

#include "gui/ration/services.h"

#include "core/norms/profilestore.h"

#include <QCoreApplication>
#include <QFile>

inline Services &testServices()
{
    static Services *services = new Services(QCoreApplication::instance());
    return *services;
}

// «Иван»: a man of 30-44 in activity group II, 2650 kcal a day.
inline const Profile &ivan()
{
    static const Profile profile{
        QStringLiteral("Иван"), {Person::Sex::Male, Person::Age::From30To44, Person::Activity::II}};
    return profile;
}

// The suite's data folder outlives a run: the shared profiles start anew,
// holding Ivan alone. Returns whether he was stored.
inline bool startWithIvan()
{
    ProfileStore &store = testServices().profiles();
    QFile::remove(store.path());
    store.load();
    return store.put(ivan(), {}, nullptr);
}
