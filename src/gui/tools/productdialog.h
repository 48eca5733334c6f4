#pragma once

#include "core/catalogue/foodtable.h"

#include <QDialog>

class OwnProducts;
class ProductStore;
class QLineEdit;

// Asks for one of the user's own products: its name, its water, protein,
// fat and carbohydrates in grams per 100 g, and its energy in kcal per
// 100 g, which is worked out from the nutrients as they are typed until the
// user types an energy of their own, and its cold-processing waste. It is accepted only when the
// product can be kept; a refusal names the field and why, and an energy far from the worked-out one
// is confirmed first. Given a store, the dialog keeps the product there itself and stays open, with
// what was typed, when it cannot.
class ProductDialog : public QDialog
{
    Q_OBJECT

public:
    // products: the user's products as they are now, to check the name
    // against; oldName: the product being edited (empty for a new one).
    ProductDialog(const OwnProducts &products, const QString &oldName, QWidget *parent = nullptr);
    ProductDialog(ProductStore &store, const QString &oldName, QWidget *parent = nullptr);

    void setProduct(const FoodTable::Product &product);
    // The product as typed, values with a decimal point.
    FoodTable::Product product() const;

    QLineEdit *NameEdit;
    QLineEdit *ValueEdits[Nutrients::Count];
    // «Отходы, %»: the share lost to cold processing, 0 for none.
    QLineEdit *WasteEdit;

public Q_SLOTS:
    void accept() override;

private:
    void fillEnergy();

    const OwnProducts &m_products;
    ProductStore *m_store = nullptr;
    QString m_oldName;
    bool m_energyTyped = false;
};
