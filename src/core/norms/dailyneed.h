#pragma once

#include "core/norms/person.h"
#include "core/nutrition/nutrients.h"

#include <optional>

// A person's daily need for energy, protein, fat and carbohydrates by the
// Russian norms of physiological needs, МР 2.3.1.0253-21, for adults.
//
// The energy comes from the document's table by sex, age and group of
// activity. The grams follow from it by the document's shares of energy:
// protein 14, 13, 12.5 and 12 % for groups I to IV (14 % from 65 years), fat
// 30 %, carbohydrates the rest, at 4 kcal a gram of protein and of
// carbohydrates and 9 a gram of fat (the document's factors, not the energy
// value's), rounded to whole grams.
class DailyNeed
{
public:
    explicit DailyNeed(const Person &person);

    // Kilocalories a day.
    int energy() const { return m_energy; }
    // Whole grams (or kilocalories, for energy) a day; none for water, for
    // which the norms give no figure.
    std::optional<int> amount(Nutrients::Id id) const;
    // The same for a part of the day, in per cent (a meal's share):
    // the daily figure times the share, rounded.
    std::optional<int> amount(Nutrients::Id id, int percent) const;

    // The recommended share of energy of an energy source, in per cent.
    double sharePercent(Nutrients::Id id) const;

private:
    int shareTenths(Nutrients::Id id) const;

    Person m_person;
    int m_energy = 0;
};
