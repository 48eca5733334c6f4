#pragma once

#include "core/catalogue/foodtable.h"

class OwnProducts;

#include <QAbstractItemModel>
#include <QList>

// The food list as a two-level table model: groups, each holding its
// products, with the name and a column for each nutrient. Groups and products are
// in Russian collation order (Ё with Е). Built once per process
// and shown by every ration window through a proxy of its own.
// The user's own products, when there are any, are a group of their own at
// the top, «Мои продукты», which changes with them.
class FoodModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    enum { ColumnCount = 1 + Nutrients::Count };
    // True for a group row, false for a product.
    static constexpr int GroupRole = Qt::UserRole + 1;

    // The list's column of a value: the name comes first.
    static constexpr int columnOf(Nutrients::Id value) { return 1 + int(value); }

    explicit FoodModel(const FoodTable &table, QObject *parent = nullptr);

    // Shows these products as the group «Мои продукты» at the top (none:
    // no such group). Views keep their state: only that group changes.
    void setOwnProducts(const OwnProducts &products);

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Negative, zero or positive as a sorts before, with or after b, as a
    // Russian reader sorts names (case aside, Ё with Е); names that
    // collate equal still get a fixed order.
    static int compareNames(const QString &a, const QString &b);

private:
    struct Product {
        QStringList texts; // the name, then each nutrient
    };
    struct Group {
        QString name;
        QList<Product> products;
        // Stands for the group in its products' indexes: rows of groups
        // move when the own group comes or goes, ids do not.
        quintptr id = 0;
    };
    static QList<Product> sorted(const QList<FoodTable::Product> &products);
    int rowOf(quintptr groupId) const;
    bool hasOwnGroup() const { return !m_groups.isEmpty() && m_groups.first().id == OwnGroupId; }

    static constexpr quintptr OwnGroupId = 1;
    QList<Group> m_groups;
};
