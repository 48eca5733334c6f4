#pragma once

#include "core/catalogue/namematch.h"

class QModelIndex;
class QTreeView;

namespace FoodSearch {

// The first row of the list, in display order from the top row, whose name
// (column 0) matches the text; in part mode a row whose name is the text
// itself comes before the rows that only contain it. An invalid index when
// none matches. Only the rows on screen take part: the products of a
// collapsed group are passed over.
QModelIndex firstMatch(const QTreeView *list, const QString &text, NameMatch::Mode mode);

} // namespace FoodSearch
