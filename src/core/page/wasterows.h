#pragma once

#include "core/ration/rationrow.h"

#include <QByteArrayView>
#include <QList>
#include <QStringList>

// The rows a ration page keeps the products' waste in, after every other
// row below the totals: one for each product row that loses a share to cold
// processing, its line starting with LineStart and holding the product's
// row (counted from 1) and the waste as attributes,
// data-row="2" data-waste="35">, then the product's name, «Отходы, %» and
// the waste, «Брутто, г» and the gross mass, for the eye. A reader that knows
// only the ration's rows passes over them; a ration without waste has none.
namespace WasteRows {

extern const QString LineStart; // <tr bgcolor="Silver" id="waste"

// The rows' lines; none when no row has a waste.
QStringList lines(const QList<RationRow> &rows);

// A waste row as the page gives it, not yet checked.
struct Entry {
    QString row;
    QString waste;
};
Entry entryOf(QByteArrayView line);

// Gives the rows named the waste of their entry; returns what is not taken
// (a waste that is no waste, a row that is not there), each as the load
// report names it.
QStringList take(QList<RationRow> &rows, const QList<Entry> &entries);

} // namespace WasteRows
