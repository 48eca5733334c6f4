#pragma once

#include "ration/foodtable.h"

#include <QTreeWidgetItem>

// A row of the food list: a group (top level, a name only) or a product
// (a child of its group, name and five value texts). Sorting compares names
// as a Russian reader does (Ё with Е) and value columns by their numbers.
class FoodListItem : public QTreeWidgetItem
{
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    bool isProduct() const { return parent() != nullptr; }

    // The list's column of a value: the name comes first.
    static constexpr int columnOf(FoodTable::Column value) { return 1 + int(value); }

    bool operator<(const QTreeWidgetItem &other) const override;

    // Negative, zero or positive as a sorts before, with or after b.
    static int compareNames(const QString &a, const QString &b);
};
