#include "ration/foodmodel.h"

#include "ration/foodtable.h"

#include <QCollator>
#include <QCoreApplication>

#include <algorithm>

FoodModel::FoodModel(const FoodTable &table, QObject *parent) : QAbstractItemModel(parent)
{
    for (const FoodTable::Group &group : table.groups()) {
        Group g{group.name, {}};
        for (const FoodTable::Product &product : group.products) {
            QStringList texts{product.name};
            for (const QString &value : product.values)
                texts.append(value);
            g.products.append(Product{texts});
        }
        std::stable_sort(g.products.begin(), g.products.end(),
                         [](const Product &a, const Product &b) {
                             return compareNames(a.texts.first(), b.texts.first()) < 0;
                         });
        m_groups.append(g);
    }
    std::stable_sort(m_groups.begin(), m_groups.end(), [](const Group &a, const Group &b) {
        return compareNames(a.name, b.name) < 0;
    });
}

FoodModel *FoodModel::shared()
{
    static FoodModel *model = nullptr;
    if (!model) {
        model = new FoodModel(FoodTable::builtIn(), QCoreApplication::instance());
        model->setObjectName(QStringLiteral("FoodModel"));
        QObject::connect(model, &QObject::destroyed, [] { model = nullptr; });
    }
    return model;
}

int FoodModel::compareNames(const QString &a, const QString &b)
{
    static const QCollator collator = [] {
        QCollator c(QLocale(QLocale::Russian, QLocale::Russia));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(true);
        return c;
    }();
    const int byCollation = collator.compare(a, b);
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
    return createIndex(row, column, quintptr(parent.row()) + 1);
}

QModelIndex FoodModel::parent(const QModelIndex &child) const
{
    if (!child.isValid() || child.internalId() == 0)
        return {};
    return createIndex(int(child.internalId() - 1), 0, quintptr(0));
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
    return m_groups[int(index.internalId() - 1)].products[index.row()].texts.value(index.column());
}

QVariant FoodModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char *const titles[ColumnCount] = {"Группа", "Вода",     "Белок",
                                                    "Жиры",   "Углеводы", "ККал"};
    if (section < 0 || section >= ColumnCount)
        return {};
    return QCoreApplication::translate("TCentralWidget", titles[section]);
}
