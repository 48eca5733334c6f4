#pragma once

#include "core/ration/carddata.h"

#include <QStringList>

// The rows a ration page keeps the dish's technological card in, below the
// dish and the profile: a row led by CardLine with the card's number, date
// (yyyy-MM-dd) and batch 5, 11 and 17 lines below it, and a row led by
// TechnologyLine with the technology 5 lines below it, its line breaks
// written as <br> (a <br> the user typed is escaped like any markup). A
// reader that knows only the ration's rows passes over both; a ration
// without card data has neither.
namespace CardRows {

extern const QString CardLine;       // <tr bgcolor="Silver" id="card">
extern const QString TechnologyLine; // <tr bgcolor="Silver" id="technology">
extern const QString LineBreak;      // <br>

// The rows' lines; none for a card with nothing to keep.
QStringList lines(const CardData &card);

// The date as the card row writes it.
extern const QString DateFormat; // yyyy-MM-dd

} // namespace CardRows
