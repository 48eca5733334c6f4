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
    // Kilocalories a gram gives; 0 for what gives no energy of its own.
    double kcalPerGram;
    Goal goal;

    bool givesEnergy() const { return kcalPerGram > 0.0; }
};

const std::array<Nutrient, Count> &all();
const Nutrient &of(Id id);

// The nutrients that give energy (protein, fat, carbohydrates), in order.
constexpr int EnergySourceCount = 3;
const std::array<Id, EnergySourceCount> &energySources();

// The one energy formula: kilocalories of these grams of each nutrient,
// indexed by Id (water and energy itself count nothing). The parts are added
// in order, (protein + fat) + carbohydrates, as every sum in the program has
// always been made, so each result stays the same to the last bit.
double energyOf(const std::array<double, Count> &grams);
// The energy of one nutrient's grams.
double energyOf(Id id, double grams);

} // namespace Nutrients
