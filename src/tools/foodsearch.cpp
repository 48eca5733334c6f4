#include "tools/foodsearch.h"

#include <QTreeWidget>

namespace FoodSearch {

QTreeWidgetItem *firstMatch(const QTreeWidget *list, const QString &text, NameMatch::Mode mode)
{
    for (QTreeWidgetItem *row = list->topLevelItem(0); row; row = list->itemBelow(row)) {
        if (NameMatch::matches(row->text(0), text, mode))
            return row;
    }
    return nullptr;
}

} // namespace FoodSearch
