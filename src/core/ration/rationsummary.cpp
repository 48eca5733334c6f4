#include "core/ration/rationsummary.h"

#include "core/nutrition/energystructure.h"
#include "core/nutrition/exactsum.h"

namespace {

// The caption, the totals, then the shares of energy ("12.3"), empty when
// the totals give no energy.
QStringList rowCells(const QString &caption, const QStringList &totals)
{
    QStringList cells{caption};
    for (int c = 0; c < Ration::TotalCount; ++c)
        cells.append(totals.value(c));
    const std::optional<EnergyStructure> structure = EnergyStructure::ofTotals(totals);
    for (int s = 0; s < EnergyStructure::NutrientCount; ++s)
        cells.append(structure ? QString::number(structure->percent[std::size_t(s)], 'f', 1)
                               : QString());
    return cells;
}

} // namespace

QStringList RationSummary::sum() const
{
    QStringList totals;
    for (int c = 0; c < Ration::TotalCount; ++c) {
        ExactSum sum;
        for (const Entry &entry : entries) {
            if (entry.checked)
                sum.add(entry.totals.value(c));
        }
        totals.append(sum.text());
    }
    return totals;
}

std::optional<RationNorm> RationSummary::norm() const
{
    if (!profile)
        return std::nullopt;
    Ration day;
    day.profile = profile;
    day.share = 100;
    day.totals = sum();
    return RationNorm::of(day);
}

QStringList RationSummary::titles()
{
    QStringList titles{tr("Рацион"), tr("Масса")};
    for (const Nutrients::Nutrient &nutrient : Nutrients::all())
        titles.append(tr(nutrient.columnTitle));
    for (const Nutrients::Id id : Nutrients::energySources())
        titles.append(tr("%1, %").arg(tr(Nutrients::of(id).shareName)));
    return titles;
}

QList<RationSummary::Row> RationSummary::rows() const
{
    QList<Row> rows;
    for (const Entry &entry : entries)
        rows.append({Kind::Entry, rowCells(entry.caption, entry.totals)});
    rows.append({Kind::Sum, rowCells(tr("Итого"), sum())});
    const std::optional<RationNorm> day = norm();
    if (!day)
        return rows;
    Row norms{Kind::Norm, {tr("Норма")}};
    Row percents{Kind::Percent, {day->percentTitle()}};
    norms.cells.append(QString()); // the mass has no norm
    percents.cells.append(QString());
    for (const Nutrients::Nutrient &nutrient : Nutrients::all()) {
        const RationNorm::Value &value = day->value(nutrient.id);
        norms.cells.append(value.norm ? QString::number(*value.norm) : QString());
        percents.cells.append(RationNorm::percentText(value));
    }
    for (Row *row : {&norms, &percents}) {
        while (row->cells.size() < ColumnCount)
            row->cells.append(QString());
    }
    rows += {norms, percents};
    return rows;
}

RationSummary::Table RationSummary::table() const
{
    Table table{titles(), {}};
    const QList<Row> all = rows();
    for (int r = 0; r < all.size(); ++r) {
        if (r < entries.size() && !entries[r].checked)
            continue;
        table.rows.append(all[r].cells);
    }
    return table;
}
