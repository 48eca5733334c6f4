#include "core/nutrition/energystructure.h"

#include "core/nutrition/numbertext.h"
#include "core/nutrition/nutrients.h"

#include <algorithm>
#include <cmath>

namespace {
static_assert(EnergyStructure::NutrientCount == Nutrients::EnergySourceCount);

const Nutrients::Nutrient &source(EnergyStructure::Nutrient nutrient)
{
    return Nutrients::of(Nutrients::energySources()[std::size_t(nutrient)]);
}
} // namespace

std::optional<EnergyStructure> EnergyStructure::of(double protein, double fat, double carbohydrates)
{
    const double parts[NutrientCount] = {
        Nutrients::energyOf(Nutrients::Protein, std::max(0.0, protein)),
        Nutrients::energyOf(Nutrients::Fat, std::max(0.0, fat)),
        Nutrients::energyOf(Nutrients::Carbohydrates, std::max(0.0, carbohydrates))};
    const double sum = parts[Protein] + parts[Fat] + parts[Carbohydrates];
    if (!(sum > 0.0) || !std::isfinite(sum))
        return std::nullopt;
    EnergyStructure structure;
    for (int n = 0; n < NutrientCount; ++n)
        structure.percent[n] = parts[n] * 100.0 / sum;
    return structure;
}

std::optional<EnergyStructure> EnergyStructure::ofTotals(const QStringList &sixTotals)
{
    return of(double(NumberText::parse(sixTotals.value(2))),
              double(NumberText::parse(sixTotals.value(3))),
              double(NumberText::parse(sixTotals.value(4))));
}

double EnergyStructure::goalLow(Nutrient nutrient) { return source(nutrient).goal.low; }

double EnergyStructure::goalHigh(Nutrient nutrient) { return source(nutrient).goal.high; }

EnergyStructure::Range EnergyStructure::range(Nutrient nutrient) const
{
    // Judged as shown, to a tenth of a per cent: "15.0 %" is within 10–15 %.
    const double shown = std::round(percent[nutrient] * 10.0) / 10.0;
    if (shown < goalLow(nutrient))
        return Range::Below;
    if (shown > goalHigh(nutrient))
        return Range::Above;
    return Range::Within;
}

QString EnergyStructure::name(Nutrient nutrient) { return tr(source(nutrient).shareName); }

QString EnergyStructure::percentText(double value)
{
    return QString::number(value, 'f', 1) + QStringLiteral(" %");
}

QString EnergyStructure::shareText(Nutrient nutrient) const
{
    return name(nutrient) + QLatin1Char(' ') + percentText(percent[nutrient]);
}

QString EnergyStructure::rangeText(Nutrient nutrient) const
{
    const Range where = range(nutrient);
    if (where == Range::Within)
        return {};
    const QString goal = QStringLiteral("%1–%2 %").arg(goalLow(nutrient)).arg(goalHigh(nutrient));
    return where == Range::Above ? tr("выше нормы %1").arg(goal) : tr("ниже нормы %1").arg(goal);
}

QString EnergyStructure::summary(const QString &markedShare) const
{
    QStringList parts;
    for (int n = 0; n < NutrientCount; ++n) {
        const auto nutrient = Nutrient(n);
        const QString mark = rangeText(nutrient);
        parts.append(mark.isEmpty() ? shareText(nutrient)
                                    : markedShare.arg(shareText(nutrient), mark));
    }
    return parts.join(QStringLiteral(", "));
}
