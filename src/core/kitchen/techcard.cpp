#include "core/kitchen/techcard.h"

#include "core/kitchen/waste.h"
#include "core/nutrition/numbertext.h"
#include "core/ration/dish.h"

#include <QLocale>

#include <algorithm>

namespace {

QString batchField() { return TechCard::tr("Количество порций для закладки"); }

QString batchRange()
{
    return TechCard::tr("«%1»: целое число от 1 до %2.")
        .arg(batchField(), QLocale(QLocale::Russian).toString(TechCard::MaxBatch));
}

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

bool TechCard::isEmpty() const
{
    return number.isEmpty() && date.isNull() && batch == 1 && technology.isEmpty();
}

QStringList TechCard::problems() const
{
    // A date is a day or none: QDate holds no other.
    QStringList found{numberProblem(number), batchProblem(batch)};
    found.removeAll(QString());
    return found;
}

QString TechCard::numberProblem(const QString &text)
{
    if (text.size() > MaxNumberLength)
        return tr("«Номер карты»: не длиннее %1 знаков.").arg(MaxNumberLength);
    return {};
}

QString TechCard::batchProblem(int portions)
{
    return portions >= 1 && portions <= MaxBatch ? QString() : batchRange();
}

TechCard::BatchReading TechCard::readBatch(const QString &typed)
{
    BatchReading reading;
    const QString text = typed.trimmed();
    bool number = false;
    const int value = text.toInt(&number);
    // toInt() takes a sign, which no count of portions has
    const bool digits =
        std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!number || !digits) {
        reading.why = text.isEmpty() ? batchRange()
                                     : tr("«%1»: «%2» — не целое число.").arg(batchField(), typed);
        return reading;
    }
    reading.why = batchProblem(value);
    reading.ok = reading.why.isEmpty();
    if (reading.ok)
        reading.batch = value;
    return reading;
}

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
