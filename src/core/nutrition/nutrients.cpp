#include "core/nutrition/nutrients.h"

#include <QtGlobal>

namespace Nutrients {

const std::array<Nutrient, Count> &all()
{
    static const std::array<Nutrient, Count> table{{
        {Water, "Вода", "Вода", "Вода", "", "г", "граммов", 0.0, {0, 0}},
        {Protein, "Белок", "Белок", "Белок", "Белки", "г", "граммов", 4.2, {10, 15}},
        {Fat, "Жиры", "Жиры", "Жиры", "Жиры", "г", "граммов", 9.4, {15, 30}},
        {Carbohydrates, "Углеводы", "Углеводы", "Углеводы", "Углеводы", "г", "граммов", 4.1,
         {55, 75}},
        {Energy, "ККал", "Ккал", "Энергия", "", "ккал", "килокалорий", 0.0, {0, 0}},
    }};
    return table;
}

const Nutrient &of(Id id)
{
    Q_ASSERT(id >= 0 && id < Count);
    return all()[std::size_t(id)];
}

const std::array<Id, EnergySourceCount> &energySources()
{
    static const std::array<Id, EnergySourceCount> sources = [] {
        std::array<Id, EnergySourceCount> found{};
        std::size_t next = 0;
        for (const Nutrient &nutrient : all()) {
            if (nutrient.givesEnergy()) {
                Q_ASSERT(next < found.size());
                found[next++] = nutrient.id;
            }
        }
        Q_ASSERT(next == found.size());
        return found;
    }();
    return sources;
}

double energyOf(Id id, double grams) { return grams * of(id).kcalPerGram; }

double energyOf(const std::array<double, Count> &grams)
{
    double sum = 0.0;
    for (const Id id : energySources())
        sum += energyOf(id, grams[std::size_t(id)]);
    return sum;
}

} // namespace Nutrients
