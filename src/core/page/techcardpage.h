#pragma once

#include "core/kitchen/techcard.h"
#include "core/ration/ration.h"

#include <QList>
#include <QString>

// A dish's technological card as an HTML page, to print or to keep, that a
// browser shows: laid out in the sections of a technical and technological
// card of ГОСТ 31987-2012, from its scope to the nutrition of a portion.
// The ration is the whole dish; wastes are its rows' waste, in per cent.
namespace TechCardPage {

QString html(const Ration &ration, const TechCard &card, const QList<double> &wastes);

} // namespace TechCardPage
