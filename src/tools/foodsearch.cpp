#include "tools/foodsearch.h"

#include <QTreeView>

namespace FoodSearch {

QModelIndex firstMatch(const QTreeView *list, const QString &text, NameMatch::Mode mode)
{
    for (QModelIndex row = list->model()->index(0, 0); row.isValid(); row = list->indexBelow(row)) {
        if (NameMatch::matches(row.data().toString(), text, mode))
            return row;
    }
    return {};
}

} // namespace FoodSearch
