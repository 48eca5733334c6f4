#include "core/ration/rationnorm.h"

#include "core/norms/dailyneed.h"
#include "core/nutrition/numbertext.h"

#include <cmath>

const std::array<RationNorm::Meal, 4> &RationNorm::meals()
{
    static const std::array<Meal, 4> offered{{{QT_TR_NOOP("завтрак"), 25},
                                              {QT_TR_NOOP("обед"), 35},
                                              {QT_TR_NOOP("полдник"), 15},
                                              {QT_TR_NOOP("ужин"), 25}}};
    return offered;
}

std::optional<RationNorm> RationNorm::of(const Ration &ration)
{
    if (!ration.profile)
        return std::nullopt;
    const DailyNeed need(ration.profile->person);
    RationNorm result;
    const int portions = std::max(1, ration.portions);
    result.m_perPortion = portions > 1;
    for (const Nutrients::Nutrient &nutrient : Nutrients::all()) {
        Value &value = result.m_values[std::size_t(nutrient.id)];
        value.norm = need.amount(nutrient.id, ration.share);
        if (!value.norm || *value.norm <= 0)
            continue;
        const double given =
            double(NumberText::parse(ration.totals.value(Nutrients::afterMass(nutrient.id))))
            / portions;
        const double percent = std::round(given * 100.0 / *value.norm);
        if (!std::isfinite(percent) || std::fabs(percent) > 1e9)
            continue;
        value.percent = int(percent);
        value.mark = *value.percent < LowPercent ? Mark::Below
            : *value.percent > HighPercent       ? Mark::Above
                                                 : Mark::Within;
    }
    return result;
}

QString RationNorm::percentText(const Value &value)
{
    if (!value.percent)
        return {};
    const QString text = QStringLiteral("%1 %").arg(*value.percent);
    switch (value.mark) {
    case Mark::Below: return tr("%1 — мало").arg(text);
    case Mark::Above: return tr("%1 — много").arg(text);
    default: return text;
    }
}

QString RationNorm::percentTitle() const
{
    return m_perPortion ? tr("% нормы на порцию") : tr("% нормы");
}
