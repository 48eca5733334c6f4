#pragma once

#include <QCoreApplication>

class ProductStore;
class QWidget;
struct Ration;

// What the user can do with their own products, from the «Мои продукты»
// window and from the food list's context menu alike: each command asks
// what it needs, changes the store and reports a failure in a message box.
class OwnProductCommands
{
    Q_DECLARE_TR_FUNCTIONS(OwnProductCommands)

public:
    // Each returns whether the products changed.
    static bool add(QWidget *parent, ProductStore &store);
    // A cooked dish as a product: the ration's values per 100 g of the
    // finished dish, named after the ration (the user may change both).
    // The name it is kept under goes to *savedName.
    static bool addDish(QWidget *parent, ProductStore &store, const Ration &ration,
                        QString *savedName = nullptr);
    static bool edit(QWidget *parent, ProductStore &store, const QString &name);
    static bool remove(QWidget *parent, ProductStore &store, const QString &name);
    static bool importFile(QWidget *parent, ProductStore &store);
    static void exportFile(QWidget *parent, const ProductStore &store);
};
