#include "core/ration/ration.h"

#include "core/nutrition/numbertext.h"

QStringList Ration::totalsOf(const QList<RationRow> &rows)
{
    Sums sums{};
    for (const RationRow &row : rows)
        addRow(sums, row);
    return totalsOf(sums);
}

void Ration::addRow(Sums &sums, const RationRow &row)
{
    for (int c = 1; c < ColumnCount; ++c)
        sums[c - 1] += double(NumberText::parse(row.cellView(c)));
}

QStringList Ration::totalsOf(const Sums &sums)
{
    QStringList totals;
    totals.reserve(TotalCount);
    for (const double sum : sums)
        totals.append(NumberText::format(sum));
    return totals;
}
