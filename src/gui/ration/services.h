#pragma once

#include "core/catalogue/foodmodel.h"
#include "core/catalogue/productstore.h"
#include "core/norms/profilestore.h"

#include <QObject>

// What the windows need from the process: the user's own products and
// profiles, each in its file, and the food catalogue (the built-in table
// with the own products at the top) that every ration window shows. Made
// once, in main, and handed to the windows; a test makes its own, with files
// of its own.
class Services : public QObject
{
    Q_OBJECT

public:
    // The stores of these files, not yet read (load them).
    Services(const QString &productsPath, const QString &profilesPath, QObject *parent = nullptr);
    // The stores of this user's files, in the program's data folder.
    explicit Services(QObject *parent = nullptr);

    ProductStore &products() { return m_products; }
    ProfileStore &profiles() { return m_profiles; }
    FoodModel &foods() { return m_foods; }

private:
    ProductStore m_products;
    ProfileStore m_profiles;
    FoodModel m_foods;
};
