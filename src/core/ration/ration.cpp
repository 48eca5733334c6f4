#include "core/ration/ration.h"

#include "core/nutrition/numbertext.h"

QStringList Ration::totalsOf(const QList<QStringList> &rows)
{
    Sums sums{};
    for (const QStringList &row : rows)
        addRow(sums, row);
    return totalsOf(sums);
}

void Ration::addRow(Sums &sums, const QStringList &row)
{
    const qsizetype cells = qMin(row.size(), qsizetype(ColumnCount));
    for (qsizetype c = 1; c < cells; ++c)
        sums[c - 1] += double(NumberText::parse(row.at(c)));
    // A missing cell reads 0, and adding 0 changes no sum.
}

QStringList Ration::totalsOf(const Sums &sums)
{
    QStringList totals;
    totals.reserve(TotalCount);
    for (const double sum : sums)
        totals.append(NumberText::format(sum));
    return totals;
}
