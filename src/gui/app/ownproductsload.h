#pragma once

class ProductStore;
class QWidget;

// Reading the user's own products at start-up.
class OwnProductsLoad
{
public:
    // Reads the store, saying once which lines were damaged, or that the
    // file could not be read at all.
    static void load(QWidget *parent, ProductStore &store);
};
