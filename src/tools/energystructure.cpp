#include "tools/energystructure.h"

#include "tools/energyvalue.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double Goals[EnergyStructure::NutrientCount][2] = {{10, 15}, {15, 30}, {55, 75}};
}

std::optional<EnergyStructure> EnergyStructure::of(double protein, double fat, double carbohydrates)
{
    const double parts[NutrientCount] = {std::max(0.0, protein) * EnergyValue::ProteinFactor,
                                         std::max(0.0, fat) * EnergyValue::FatFactor,
                                         std::max(0.0, carbohydrates)
                                             * EnergyValue::CarbohydratesFactor};
    const double sum = parts[Protein] + parts[Fat] + parts[Carbohydrates];
    if (!(sum > 0.0) || !std::isfinite(sum))
        return std::nullopt;
    EnergyStructure structure;
    for (int n = 0; n < NutrientCount; ++n)
        structure.percent[n] = parts[n] * 100.0 / sum;
    return structure;
}

double EnergyStructure::goalLow(Nutrient nutrient) { return Goals[nutrient][0]; }

double EnergyStructure::goalHigh(Nutrient nutrient) { return Goals[nutrient][1]; }

EnergyStructure::Range EnergyStructure::range(Nutrient nutrient) const
{
    if (percent[nutrient] < goalLow(nutrient))
        return Range::Below;
    if (percent[nutrient] > goalHigh(nutrient))
        return Range::Above;
    return Range::Within;
}
