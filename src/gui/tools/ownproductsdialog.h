#pragma once

#include <QDialog>

class ProductStore;
class QPushButton;
class QTreeWidget;

// The «Мои продукты» window: the user's own products with their values, and
// buttons to add, change, delete, import and export them. It shows the store
// as it is, whoever changes it.
class OwnProductsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit OwnProductsDialog(ProductStore &store, QWidget *parent = nullptr);

    QTreeWidget *ProductsList;
    QPushButton *AddButton;
    QPushButton *EditButton;
    QPushButton *RemoveButton;

private Q_SLOTS:
    void refresh();
    void updateButtons();

private:
    QString currentName() const;

    ProductStore &m_store;
};
