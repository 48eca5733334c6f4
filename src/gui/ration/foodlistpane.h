#pragma once

#include <QWidget>

class FoodListProxy;
class Services;
class FoodListSearch;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QTreeView;
class QVBoxLayout;

// The left side of a ration window: the food list with its search field
// above it and the transfer buttons under it. The list's columns are as wide
// as their texts (worked out once per process: every window shows the same
// list), its names as wide as the room leaves them. Its menu adds the user's
// own products and changes or deletes them.
class FoodListPane : public QWidget
{
    Q_OBJECT

public:
    explicit FoodListPane(Services &services, QWidget *parent = nullptr);

    QVBoxLayout *productsLayout() const { return m_layout; }
    QVBoxLayout *transferLayout() const { return m_transferLayout; }
    QLabel *productsLabel() const { return m_label; }
    QLineEdit *searchEdit() const { return m_searchEdit; }
    QTreeView *foodsList() const { return m_list; }
    QPushButton *addButton() const { return m_addButton; }
    QPushButton *removeButton() const { return m_removeButton; }

    // The product selected (its name cell), or an invalid index (nothing or
    // a group).
    QModelIndex selectedProduct() const;
    void retranslate();
    void focusSearch();
    // A product was added: a search goes on where it was.
    void productAdded();

    // Width of the whole list with every column whole.
    int wholeWidth() const;
    // Width of the list without its names.
    int valuesWidth() const;
    // Width of the longest name.
    int namesWidth() const { return m_nameWidth; }
    // The names as wide as the list leaves them, the values whole.
    void fitNames();

Q_SIGNALS:
    // A product was double-clicked, or Return pressed on it.
    void addAsked();
    void selectionChanged();

private Q_SLOTS:
    void showMenu(const QPoint &position);

private:
    void buildList();

    Services &m_services;
    QList<int> columnWidths(const QFont &groupFont) const;
    int chrome() const;

    QVBoxLayout *m_layout;
    QLabel *m_label;
    QLineEdit *m_searchEdit;
    QTreeView *m_list;
    QVBoxLayout *m_transferLayout = nullptr;
    QPushButton *m_addButton = nullptr;
    QPushButton *m_removeButton = nullptr;
    FoodListProxy *m_foods = nullptr;
    FoodListSearch *m_search = nullptr;
    // Width the list needs to show every column whole, and of that its
    // names.
    int m_listWidth = 0;
    int m_nameWidth = 0;
};
