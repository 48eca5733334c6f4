#include "core/kitchen/techcard.h"

#include "core/catalogue/waste.h"
#include "core/nutrition/numbertext.h"
#include "core/ration/dish.h"

#include <algorithm>

namespace {

TechCard::Masses massesOf(double mass, double waste, int portions, int batch)
{
    const double gross = Waste::gross(mass, waste);
    return {gross / portions, mass / portions, gross * batch / portions, mass * batch / portions};
}

void add(TechCard::Masses &total, const TechCard::Masses &masses)
{
    total.grossPortion += masses.grossPortion;
    total.netPortion += masses.netPortion;
    total.grossBatch += masses.grossBatch;
    total.netBatch += masses.netBatch;
}

} // namespace

TechCard::Figures TechCard::figuresFor(const Ration &ration, const QList<double> &wastes) const
{
    const Dish dish(ration.totals, ration.yield, ration.portions);
    Figures figures;
    figures.portions = dish.portions();
    figures.batch = std::clamp(batch, 1, MaxBatch);
    for (qsizetype i = 0; i < ration.rows.size(); ++i) {
        const RationRow &row = ration.rows.at(i);
        Ingredient ingredient{row.cell(0), wastes.value(i, 0.0), {}};
        ingredient.masses = massesOf(double(NumberText::parse(row.cellView(1))), ingredient.waste,
                                     figures.portions, figures.batch);
        add(figures.total, ingredient.masses);
        figures.ingredients.append(ingredient);
    }
    figures.yield = dish.yield();
    figures.portionYield = figures.yield / figures.portions;
    figures.batchYield = figures.yield * figures.batch / figures.portions;
    figures.per100g = dish.numbersFor(100.0);
    figures.perPortion = dish.numbersFor(figures.portionYield);
    return figures;
}

QList<Nutrients::Id> TechCard::nutrients()
{
    QList<Nutrients::Id> ids;
    for (const Nutrients::Nutrient &nutrient : Nutrients::all()) {
        if (nutrient.givesEnergy() || nutrient.id == Nutrients::Energy)
            ids.append(nutrient.id);
    }
    return ids;
}
