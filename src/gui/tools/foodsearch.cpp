#include "gui/tools/foodsearch.h"

#include <QTreeView>

namespace FoodSearch {

QModelIndex firstMatch(const QTreeView *list, const QString &text, NameMatch::Mode mode)
{
    QModelIndex first;
    for (QModelIndex row = list->model()->index(0, 0); row.isValid(); row = list->indexBelow(row)) {
        const QString name = row.data().toString();
        if (!NameMatch::matches(name, text, mode))
            continue;
        if (mode == NameMatch::Mode::Whole || NameMatch::sameName(name, text))
            return row;
        if (!first.isValid())
            first = row;
    }
    return first;
}

} // namespace FoodSearch
