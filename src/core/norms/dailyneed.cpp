#include "core/norms/dailyneed.h"

#include <array>

namespace {

using Age = Person::Age;

// Kilocalories a day, by age group below 65 years and group of activity.
constexpr int YoungerAges = 3;
constexpr std::array<std::array<int, Person::ActivityCount>, YoungerAges> MenEnergy{
    {{2400, 2750, 3250, 3800}, {2300, 2650, 3150, 3650}, {2150, 2450, 2900, 3400}}};
constexpr std::array<std::array<int, Person::ActivityCount>, YoungerAges> WomenEnergy{
    {{1900, 2200, 2600, 3000}, {1800, 2100, 2500, 2850}, {1700, 1950, 2300, 2700}}};
// From 65 years: 65–74, then 75 and older.
constexpr std::array<int, 2> OlderMen{2400, 2300};
constexpr std::array<int, 2> OlderWomen{1900, 1800};

// Shares of energy in tenths of a per cent, so that the grams are worked
// out in whole numbers and a half rounds up the same on every machine.
constexpr std::array<int, Person::ActivityCount> ProteinShares{140, 130, 125, 120};
constexpr int OlderProteinShare = 140;
constexpr int FatShare = 300;
constexpr int Whole = 1000;

// The document's energy factors, kcal a gram.
int documentFactor(Nutrients::Id id) { return id == Nutrients::Fat ? 9 : 4; }

// numerator / denominator, a half rounded up (both positive).
int rounded(long long numerator, long long denominator)
{
    return int((2 * numerator + denominator) / (2 * denominator));
}

} // namespace

DailyNeed::DailyNeed(const Person &person) : m_person(person)
{
    const bool man = person.sex == Person::Sex::Male;
    if (person.activityCounts()) {
        const auto &table = man ? MenEnergy : WomenEnergy;
        m_energy = table[std::size_t(person.age)][std::size_t(person.activity)];
    } else {
        const std::size_t older = person.age == Age::From65To74 ? 0 : 1;
        m_energy = man ? OlderMen[older] : OlderWomen[older];
    }
}

int DailyNeed::shareTenths(Nutrients::Id id) const
{
    const int protein = m_person.activityCounts() ? ProteinShares[std::size_t(m_person.activity)]
                                                  : OlderProteinShare;
    switch (id) {
    case Nutrients::Protein: return protein;
    case Nutrients::Fat: return FatShare;
    case Nutrients::Carbohydrates: return Whole - protein - FatShare;
    default: return 0;
    }
}

double DailyNeed::sharePercent(Nutrients::Id id) const { return shareTenths(id) / 10.0; }

std::optional<int> DailyNeed::amount(Nutrients::Id id) const
{
    if (id == Nutrients::Energy)
        return m_energy;
    if (!Nutrients::of(id).givesEnergy())
        return std::nullopt;
    return rounded(static_cast<long long>(m_energy) * shareTenths(id),
                   static_cast<long long>(Whole) * documentFactor(id));
}

std::optional<int> DailyNeed::amount(Nutrients::Id id, int percent) const
{
    const std::optional<int> daily = amount(id);
    if (!daily)
        return std::nullopt;
    return rounded(static_cast<long long>(*daily) * percent, 100);
}
