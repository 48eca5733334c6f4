#pragma once

#include <QObject>
#include <QStringList>

class FoodListProxy;
class QLabel;
class QLineEdit;
class QModelIndex;
class QTreeView;

// The search field of the food list and the keys that go with it. Typing
// filters the list (groups opened for it close again when the search is
// cleared); a search that finds nothing says so in the list. Down or Return
// in the field goes to the first product shown; in a filtered list Up and
// Down go from product to product, passing over the groups, and Up from the
// first product goes back to the field. Return on a product asks to add it;
// on a group it opens the group or goes to its first product, never
// closing it.
class FoodListSearch : public QObject
{
    Q_OBJECT

public:
    FoodListSearch(QLineEdit *field, QTreeView *list, FoodListProxy *foods, QObject *parent);

    // Filters the list to the products whose names contain the text.
    void filter(const QString &text);
    // A product was added: after an add from a search the field takes the
    // focus again with its text selected, ready for the next product.
    void added();

Q_SIGNALS:
    // Return was pressed on a product of the list.
    void addAsked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool fieldKey(int key);
    bool listKey(int key);
    void enterList();
    // The next product above or below the row on screen; invalid past the
    // first or the last one.
    QModelIndex nextProduct(const QModelIndex &from, bool down) const;
    void showWhetherFound();

    QLineEdit *m_field;
    QTreeView *m_list;
    FoodListProxy *m_foods;
    QLabel *m_nothingFound;
    // Groups closed before a search opened them all; they close again when
    // the search is cleared.
    QStringList m_closedBeforeSearch;
};
