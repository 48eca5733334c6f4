#pragma once

#include "core/nutrition/nutrients.h"
#include "core/ration/ration.h"

#include <QCoreApplication>

#include <array>
#include <optional>

// A ration against the daily need of the person it is for: for each
// nutrient the norm (the need times the ration's share of the day, in whole
// grams and kilocalories) and what the ration gives as a whole percentage of
// that norm as shown; for a dish of several portions, what one portion gives.
class RationNorm
{
    Q_DECLARE_TR_FUNCTIONS(RationNorm)

public:
    // Below LowPercent or above HighPercent of its norm a value is off it.
    static constexpr int LowPercent = 90;
    static constexpr int HighPercent = 110;
    // The shares of the day offered for a meal, in per cent.
    struct Meal {
        const char *name;
        int percent;
    };
    static const std::array<Meal, 4> &meals();
    static bool acceptsShare(int percent) { return percent >= 1 && percent <= 100; }
    // A share as typed or chosen: a whole number of per cent, 1 to 100,
    // blanks, a "%" and an offered meal's name after it aside ("25 — обед").
    // None, with the reason, for anything else.
    static std::optional<int> readShare(const QString &text, QString *why = nullptr);
    // How an offered share reads in the list: «35 — обед», «100 — весь день».
    static QString shareItem(int percent, const char *meal);
    // The profile's recommended shares of energy, for the energy structure:
    // «Рекомендации МР 2.3.1.0253-21 для профиля «Иван»: белки 13 %, …».
    static QString sharesText(const Profile &profile);

    enum class Mark { None, Below, Within, Above };
    struct Value {
        std::optional<int> norm;    // none where the norms give none (water)
        std::optional<int> percent; // of the norm as shown
        Mark mark = Mark::None;
    };

    // None when the ration has no profile.
    static std::optional<RationNorm> of(const Ration &ration);

    const Value &value(Nutrients::Id id) const { return m_values[std::size_t(id)]; }
    bool perPortion() const { return m_perPortion; }

    // «50 %», and for a value off its norm «50 % — мало» / «130 % — много».
    static QString percentText(const Value &value);
    // The word alone: «мало», «много», or nothing within the norm.
    static QString markText(Mark mark);
    // What the «% нормы» row compares: «% нормы» or «% нормы на порцию».
    QString percentTitle() const;

private:
    std::array<Value, Nutrients::Count> m_values{};
    bool m_perPortion = false;
};
