#include "core/nutrition/nutrients.h"

#include <QtGlobal>

namespace Nutrients {

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
            if (nutrient.givesEnergy())
                found[next++] = nutrient.id;
        }
        return found;
    }();
    return sources;
}

double energyOf(Id id, double grams) { return grams * of(id).kcalPerGram; }

double energyOf(const std::array<double, Count> &grams)
{
    // Started from the first part, not from 0: 0 + (-0) would turn a sum
    // of parts that are all -0 into +0.
    const std::array<Id, EnergySourceCount> &sources = energySources();
    double sum = energyOf(sources[0], grams[std::size_t(sources[0])]);
    for (std::size_t i = 1; i < sources.size(); ++i)
        sum += energyOf(sources[i], grams[std::size_t(sources[i])]);
    return sum;
}

} // namespace Nutrients
