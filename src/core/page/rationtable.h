#pragma once

#include "core/page/figuretable.h"
#include "core/ration/ration.h"

#include <QList>

// A ration as a table of figures for a spreadsheet, with the page's column
// titles: its rows (the name a text, the mass and the values numbers), its
// totals, and the rows of the dish and of the norm where it has them, with
// the figures the window shows there, and its technological card's data
// where it has any. When any row has a waste, every row has two more
// columns: its waste and its gross mass. A row that is all blank (the one of a
// ration without products) is left out.
namespace RationTable {

FigureTable of(const Ration &ration);
// The ration's rows at these positions alone, in their order.
FigureTable rowsOf(const Ration &ration, const QList<int> &positions);
// Any table of texts whose first column names its rows and whose other
// columns hold figures (the summary of rations).
FigureTable ofTexts(const QStringList &titles, const QList<QStringList> &rows);

} // namespace RationTable
