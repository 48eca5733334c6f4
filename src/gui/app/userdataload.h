#pragma once

class QWidget;
class Services;

// Reading the user's own products and profiles at start-up.
class UserDataLoad
{
public:
    // Reads each store, saying once for each file which lines were damaged,
    // or that it could not be read at all.
    static void load(QWidget *parent, Services &services);
};
