#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// How the program shows the figures it works out beyond the ration's own
// rows and totals (a dish's values per 100 g and per portion, its yield,
// the totals a dialog quotes): grams to one decimal, kilocalories whole,
// as a cook reads them. The rows and totals of a ration, and the ration
// file, keep the six significant digits of NumberText.
//
// Rounding is half away from zero and a value that rounds to nothing is
// shown without a sign ("0.0", not "-0.0"); a value that is no number is
// shown as "—".
namespace FigureText {

QString grams(double value);
QString kilocalories(double value);

// The grams rounded up to the step they are shown with: a least amount
// that is quoted to the user, who may type it back and must not fall short.
QString gramsAtLeast(double value);

// Values in the order of a ration's totals (the mass, then each nutrient):
// grams, and the energy in kilocalories. Values of another count (none at
// all) are each shown as "—".
QStringList values(const QList<double> &massFirst);

} // namespace FigureText
