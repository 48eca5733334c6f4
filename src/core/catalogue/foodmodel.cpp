#include "core/catalogue/foodmodel.h"

#include "core/catalogue/foodtable.h"
#include "core/catalogue/ownproducts.h"
#include "core/catalogue/productstore.h"

#include <QCollator>
#include <QCoreApplication>
#include <QSet>

#include <algorithm>

namespace {

// The Russian collation of names, case aside.
const QCollator &collator()
{
    static const QCollator russian = [] {
        QCollator c(QLocale(QLocale::Russian, QLocale::Russia));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(true);
        return c;
    }();
    return russian;
}

} // namespace

FoodModel::FoodModel(const FoodTable &table, QObject *parent) : QAbstractItemModel(parent)
{
    for (const FoodTable::Group &group : table.groups())
        m_groups.append(Group{group.name, sorted(group.products), 0});
    std::stable_sort(m_groups.begin(), m_groups.end(), [](const Group &a, const Group &b) {
        return compareNames(a.name, b.name) < 0;
    });
    for (qsizetype g = 0; g < m_groups.size(); ++g)
        m_groups[g].id = OwnGroupId + 1 + quintptr(g);
}

QList<FoodModel::Product> FoodModel::sorted(const QList<FoodTable::Product> &products)
{
    // Each name's collation key is made once: comparing keys is much cheaper
    // than collating two names for every comparison of the sort.
    struct Keyed {
        QCollatorSortKey key;
        Product product;
    };
    QList<Keyed> keyed;
    keyed.reserve(products.size());
    for (const FoodTable::Product &product : products) {
        QStringList texts{product.name};
        for (const QString &value : product.values)
            texts.append(value);
        keyed.append(Keyed{collator().sortKey(product.name), Product{texts}});
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed &a, const Keyed &b) {
        const int order = a.key.compare(b.key);
        return order != 0 ? order < 0 : a.product.texts.first() < b.product.texts.first();
    });
    QList<Product> rows;
    rows.reserve(keyed.size());
    for (Keyed &k : keyed)
        rows.append(std::move(k.product));
    return rows;
}

int FoodModel::rowOf(quintptr groupId) const
{
    // The own group, when there is one, is first and moves the others down.
    const int shift = hasOwnGroup() ? 1 : 0;
    return groupId == OwnGroupId ? 0 : int(groupId - OwnGroupId - 1) + shift;
}

void FoodModel::setOwnProducts(const OwnProducts &products)
{
    QList<Product> rows = sorted(products.products());
    if (!hasOwnGroup()) {
        if (rows.isEmpty())
            return;
        beginInsertRows({}, 0, 0);
        m_groups.prepend(Group{OwnProducts::groupName(), rows, OwnGroupId});
        endInsertRows();
        return;
    }
    if (rows.isEmpty()) {
        beginRemoveRows({}, 0, 0);
        m_groups.removeFirst();
        endRemoveRows();
        return;
    }
    // Only the products that changed leave or come, so that a view keeps
    // its place and one edit costs one row in every window. Both lists are in
    // the same order, so what stays is in order among what comes.
    const QModelIndex group = index(0, 0);
    QList<Product> &shown = m_groups.first().products;
    QSet<QStringList> wanted;
    for (const Product &p : std::as_const(rows))
        wanted.insert(p.texts);
    for (int last = int(shown.size()) - 1; last >= 0;) {
        if (wanted.contains(shown[last].texts)) {
            --last;
            continue;
        }
        int first = last;
        while (first > 0 && !wanted.contains(shown[first - 1].texts))
            --first;
        beginRemoveRows(group, first, last);
        shown.remove(first, last - first + 1);
        endRemoveRows();
        last = first - 1;
    }
    for (int i = 0; i < rows.size();) {
        if (i < shown.size() && shown[i].texts == rows[i].texts) {
            ++i;
            continue;
        }
        // The rows that come before the next one that stays, all at once.
        const bool keptAfter = i < shown.size();
        const QStringList next = keptAfter ? shown[i].texts : QStringList();
        int end = i;
        while (end + 1 < rows.size() && (!keptAfter || rows[end + 1].texts != next))
            ++end;
        beginInsertRows(group, i, end);
        for (int k = i; k <= end; ++k)
            shown.insert(k, rows[k]);
        endInsertRows();
        i = end + 1;
    }
}

int FoodModel::compareNames(const QString &a, const QString &b)
{
    const int byCollation = collator().compare(a, b);
    return byCollation != 0 ? byCollation : a.compare(b);
}

QModelIndex FoodModel::index(int row, int column, const QModelIndex &parent) const
{
    if (column < 0 || column >= ColumnCount || row < 0)
        return {};
    if (!parent.isValid())
        return row < m_groups.size() ? createIndex(row, column, quintptr(0)) : QModelIndex();
    if (parent.internalId() != 0 || parent.row() >= m_groups.size())
        return {};
    if (row >= m_groups[parent.row()].products.size())
        return {};
    return createIndex(row, column, m_groups[parent.row()].id);
}

QModelIndex FoodModel::parent(const QModelIndex &child) const
{
    if (!child.isValid() || child.internalId() == 0)
        return {};
    return createIndex(rowOf(child.internalId()), 0, quintptr(0));
}

int FoodModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return int(m_groups.size());
    if (parent.internalId() != 0 || parent.column() != 0)
        return 0;
    return int(m_groups[parent.row()].products.size());
}

int FoodModel::columnCount(const QModelIndex &) const { return ColumnCount; }

QVariant FoodModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const bool group = index.internalId() == 0;
    if (role == GroupRole)
        return group;
    if (role == Qt::TextAlignmentRole && index.column() > 0)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    if (group)
        return index.column() == 0 ? m_groups[index.row()].name : QString();
    return m_groups[rowOf(index.internalId())].products[index.row()].texts.value(index.column());
}

QVariant FoodModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (section < 0 || section >= ColumnCount)
        return {};
    const char *title =
        section == 0 ? "Группа" : Nutrients::all()[std::size_t(section - 1)].columnTitle;
    return QCoreApplication::translate("TCentralWidget", title);
}
