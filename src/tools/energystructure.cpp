#include "tools/energystructure.h"

#include "ration/numbertext.h"
#include "tools/energyvalue.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double Goals[EnergyStructure::NutrientCount][2] = {{10, 15}, {15, 30}, {55, 75}};
}

std::optional<EnergyStructure> EnergyStructure::of(double protein, double fat, double carbohydrates)
{
    const double parts[NutrientCount] = {std::max(0.0, protein) * EnergyValue::ProteinFactor,
                                         std::max(0.0, fat) * EnergyValue::FatFactor,
                                         std::max(0.0, carbohydrates)
                                             * EnergyValue::CarbohydratesFactor};
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

double EnergyStructure::goalLow(Nutrient nutrient) { return Goals[nutrient][0]; }

double EnergyStructure::goalHigh(Nutrient nutrient) { return Goals[nutrient][1]; }

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

QString EnergyStructure::name(Nutrient nutrient)
{
    switch (nutrient) {
    case Protein: return tr("Белки");
    case Fat: return tr("Жиры");
    default: return tr("Углеводы");
    }
}

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
