#pragma once

#include "core/ration/rationsummary.h"

#include <QString>

class QDate;

// The summary of rations as an HTML page, to print or to keep, that a
// browser shows as a coloured table: the rations summed, «Итого» in bold,
// the norm rows of the profile, the units. It is no ration: the program
// does not read it back as one.
namespace SummaryPage {

// The page's own name: «Сводка рационов».
QString title();
QString html(const RationSummary &summary, const QDate &date);

} // namespace SummaryPage
