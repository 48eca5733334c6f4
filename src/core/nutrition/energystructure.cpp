#include "core/nutrition/energystructure.h"

#include "core/nutrition/numbertext.h"
#include "core/nutrition/nutrients.h"

#include <algorithm>
#include <cmath>

namespace {
Nutrients::Id sourceId(EnergyStructure::Nutrient nutrient)
{
    return Nutrients::energySources()[std::size_t(nutrient)];
}
} // namespace

const Nutrients::Nutrient &EnergyStructure::source(Nutrient nutrient)
{
    return Nutrients::of(sourceId(nutrient));
}

std::optional<EnergyStructure> EnergyStructure::of(const std::array<double, NutrientCount> &grams)
{
    std::array<double, Nutrients::Count> all{};
    for (int n = 0; n < NutrientCount; ++n)
        all[std::size_t(sourceId(n))] = std::max(0.0, grams[std::size_t(n)]);
    const double sum = Nutrients::energyOf(all);
    if (!(sum > 0.0) || !std::isfinite(sum))
        return std::nullopt;
    EnergyStructure structure;
    for (int n = 0; n < NutrientCount; ++n) {
        const Nutrients::Id id = sourceId(n);
        structure.percent[std::size_t(n)] =
            Nutrients::energyOf(id, all[std::size_t(id)]) * 100.0 / sum;
    }
    return structure;
}

std::optional<EnergyStructure> EnergyStructure::ofTotals(const QStringList &totals)
{
    std::array<double, NutrientCount> grams{};
    for (int n = 0; n < NutrientCount; ++n)
        grams[std::size_t(n)] =
            double(NumberText::parse(totals.value(Nutrients::afterMass(sourceId(n)))));
    return of(grams);
}

double EnergyStructure::goalLow(Nutrient nutrient) { return source(nutrient).goal.low; }

double EnergyStructure::goalHigh(Nutrient nutrient) { return source(nutrient).goal.high; }

EnergyStructure::Range EnergyStructure::range(Nutrient nutrient) const
{
    // Judged as shown, to a tenth of a per cent: "15.0 %" is within 10–15 %.
    const double shown = std::round(percent[std::size_t(nutrient)] * 10.0) / 10.0;
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
    return name(nutrient) + QLatin1Char(' ') + percentText(percent[std::size_t(nutrient)]);
}

QString EnergyStructure::rangeText(Nutrient nutrient) const
{
    const Range where = range(nutrient);
    if (where == Range::Within)
        return {};
    const QString goal = goalText(nutrient);
    return where == Range::Above ? tr("выше нормы %1").arg(goal) : tr("ниже нормы %1").arg(goal);
}

QString EnergyStructure::goalText(Nutrient nutrient)
{
    return QStringLiteral("%1–%2 %").arg(goalLow(nutrient)).arg(goalHigh(nutrient));
}

QString EnergyStructure::goalsText()
{
    QStringList goals;
    for (int n = 0; n < NutrientCount; ++n)
        goals.append(name(n).toLower() + QLatin1Char(' ') + goalText(n));
    return goals.join(QStringLiteral(", "));
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
