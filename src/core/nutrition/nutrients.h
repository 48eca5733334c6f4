#pragma once

#include <array>

// The nutrients a product and a ration are measured in, in the order every
// table, file, dialog and sum shows them. Each place reads this table rather
// than typing its own list; adding a nutrient is one entry here plus its data.
//
// Captions are untranslated source texts: each place translates them in its
// own context (QCoreApplication::translate), so a window's column titles stay
// in the window's context.
namespace Nutrients {

enum Id { Water, Protein, Fat, Carbohydrates, Energy, Count };

// The WHO population goal for a nutrient's share of a ration's energy, in per
// cent (protein 10–15 %, fat 15–30 %, carbohydrates 55–75 %).
struct Goal {
    double low;
    double high;
};

struct Nutrient {
    Id id;
    // "Вода" ... "ККал": the column title of the food list, the totals, the
    // dish panel, the own products list and the saved page.
    const char *columnTitle;
    // The ration table's header spells energy "Ккал".
    const char *rationTableTitle;
    // "Вода" ... "Энергия": the value's name in a sentence or a form.
    const char *name;
    // "Белки": the name of a share of energy (empty for what gives none).
    const char *shareName;
    // "г" / "ккал", and in words, "граммов" / "килокалорий", per 100 g.
    const char *unit;
    const char *unitInWords;
    // The column's name in the header of an own products file ("water").
    const char *fileKey;
    // Kilocalories a gram gives; 0 for what gives no energy of its own.
    double kcalPerGram;
    Goal goal;
    // The colour (0xRRGGBB) of its share of energy where the share is drawn.
    unsigned shareColor;

    constexpr bool givesEnergy() const { return kcalPerGram > 0.0; }
    // Whether it is weighed in grams (all but the energy).
    constexpr bool inGrams() const { return id != Energy; }
};

inline constexpr std::array<Nutrient, Count> Table{{
    {Water, "Вода", "Вода", "Вода", "", "г", "граммов", "water", 0.0, {0, 0}, 0},
    {Protein,
     "Белок",
     "Белок",
     "Белок",
     "Белки",
     "г",
     "граммов",
     "protein",
     4.2,
     {10, 15},
     0x6a9cd8},
    {Fat, "Жиры", "Жиры", "Жиры", "Жиры", "г", "граммов", "fat", 9.4, {15, 30}, 0xf0c050},
    {Carbohydrates,
     "Углеводы",
     "Углеводы",
     "Углеводы",
     "Углеводы",
     "г",
     "граммов",
     "carbohydrates",
     4.1,
     {55, 75},
     0x8cc87a},
    {Energy, "ККал", "Ккал", "Энергия", "", "ккал", "килокалорий", "kcal", 0.0, {0, 0}, 0},
}};

constexpr const std::array<Nutrient, Count> &all() { return Table; }
const Nutrient &of(Id id);

namespace Detail {
constexpr bool inOrder()
{
    for (int i = 0; i < Count; ++i) {
        if (Table[std::size_t(i)].id != Id(i))
            return false;
    }
    return true;
}
constexpr int energySourceCount()
{
    int count = 0;
    for (const Nutrient &nutrient : Table)
        count += nutrient.givesEnergy() ? 1 : 0;
    return count;
}
} // namespace Detail
static_assert(Detail::inOrder(), "each nutrient stands at the place of its id");

// The nutrients that give energy (protein, fat, carbohydrates), in order.
constexpr int EnergySourceCount = Detail::energySourceCount();
const std::array<Id, EnergySourceCount> &energySources();

// Lists that carry a mass before the nutrients (a ration's totals, a dish's
// values) hold a nutrient at this place.
constexpr int WithMassCount = 1 + Count;
constexpr int afterMass(Id id) { return 1 + int(id); }

// The one energy formula: kilocalories of these grams of each nutrient,
// indexed by Id (water and energy itself count nothing). The parts are added
// in order, (protein + fat) + carbohydrates, as every sum in the program has
// always been made, so each result stays the same to the last bit (a sum of
// parts that are all -0 included).
double energyOf(const std::array<double, Count> &grams);
// The energy of one nutrient's grams.
double energyOf(Id id, double grams);

} // namespace Nutrients
