#include "core/ration/rationnorm.h"

#include "core/norms/dailyneed.h"
#include "core/nutrition/numbertext.h"

#include <QLocale>
#include <QRegularExpression>

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

std::optional<int> RationNorm::readShare(const QString &text, QString *why)
{
    static const QRegularExpression form(QStringLiteral("^\\s*([0-9]{1,9})\\s*%?\\s*(?:—.*)?$"));
    const QRegularExpressionMatch match = form.match(text);
    const int percent = match.hasMatch() ? match.captured(1).toInt() : 0;
    if (match.hasMatch() && acceptsShare(percent))
        return percent;
    if (why)
        *why = tr("Доля дневной нормы, %: введите целое число от 1 до 100, например 100 "
                  "для всего дня или 35 для обеда.");
    return std::nullopt;
}

QString RationNorm::shareItem(int percent, const char *meal)
{
    return QStringLiteral("%1 — %2").arg(percent).arg(tr(meal));
}

QString RationNorm::sharesText(const Profile &profile)
{
    const DailyNeed need(profile.person);
    QStringList shares;
    for (const Nutrients::Id id : Nutrients::energySources()) {
        shares.append(tr("%1 %2 %")
                          .arg(QString::fromUtf8(Nutrients::of(id).shareName).toLower())
                          .arg(QLocale(QLocale::Russian).toString(need.sharePercent(id))));
    }
    return tr("Рекомендации МР 2.3.1.0253-21 для профиля «%1»: %2 энергии.")
        .arg(profile.name, shares.join(QStringLiteral(", ")));
}

QString RationNorm::markText(Mark mark)
{
    switch (mark) {
    case Mark::Below: return tr("мало");
    case Mark::Above: return tr("много");
    default: return {};
    }
}

QString RationNorm::percentText(const Value &value)
{
    if (!value.percent)
        return {};
    const QString text = QStringLiteral("%1 %").arg(*value.percent);
    const QString mark = markText(value.mark);
    return mark.isEmpty() ? text : tr("%1 — %2").arg(text, mark);
}

QString RationNorm::percentTitle() const
{
    return m_perPortion ? tr("% нормы на порцию") : tr("% нормы");
}
