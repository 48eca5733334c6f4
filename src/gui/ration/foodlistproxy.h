#pragma once

#include <QSortFilterProxyModel>

class FoodModel;

// One window's view of the shared food list: sorted by the column the
// user chose (names as a Russian reader sorts them, values by their
// numbers), groups in bold, and filtered to the products whose names
// contain the search text (any case, е and ё alike) and their groups.
// While searching, a product named as searched comes first, and its group
// before the other groups, whichever column the list is sorted by.
class FoodListProxy : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit FoodListProxy(FoodModel &foods, QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    QString searchText() const { return m_search; }
    void setSearchText(const QString &text);

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    // Whether the row (a product, or a group with such a product) is named
    // exactly as searched.
    bool namedAsSearched(const QModelIndex &sourceRow) const;

    QString m_search;
    QString m_searchForm; // the search in the form names are compared in
};
