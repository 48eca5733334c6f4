#include "core/nutrition/figuretext.h"

#include "core/nutrition/nutrients.h"

#include <algorithm>
#include <cmath>

namespace FigureText {

namespace {

constexpr int ValueCount = Nutrients::WithMassCount;

QString noValue() { return QStringLiteral("—"); }

// value, already rounded to the given number of decimals, as text
QString fixed(double value, int decimals)
{
    if (!std::isfinite(value))
        return noValue();
    // -0.04 rounds to -0.0: a cook reads it as nothing, not as a loss
    if (value == 0.0)
        value = 0.0;
    return QString::number(value, 'f', decimals);
}

double tenths(double value) { return std::round(value * 10.0) / 10.0; }

} // namespace

QString grams(double value) { return fixed(tenths(value), 1); }

QString kilocalories(double value) { return fixed(std::round(value), 0); }

QString gramsAtLeast(double value)
{
    // A value a hair above a tenth, from the arithmetic that made it, is
    // taken as that tenth rather than lifted by a whole step.
    const double scaled = value * 10.0;
    const double up = std::ceil(scaled - 1e-9 * std::max(1.0, std::fabs(scaled)));
    return fixed(up / 10.0, 1);
}

QStringList values(const QList<double> &massFirst)
{
    if (massFirst.size() != ValueCount)
        return QStringList(ValueCount, noValue());
    QStringList texts{grams(massFirst.first())};
    for (const Nutrients::Nutrient &nutrient : Nutrients::all()) {
        const double value = massFirst[Nutrients::afterMass(nutrient.id)];
        texts.append(nutrient.inGrams() ? grams(value) : kilocalories(value));
    }
    return texts;
}

} // namespace FigureText
