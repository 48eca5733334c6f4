#include "core/ration/ration.h"

#include "core/nutrition/numbertext.h"

QStringList Ration::totalsOf(const QList<QStringList> &rows)
{
    QStringList totals;
    for (int c = 1; c < ColumnCount; ++c) {
        double sum = 0.0;
        for (const QStringList &row : rows)
            sum += double(NumberText::parse(row.value(c)));
        totals.append(NumberText::format(sum));
    }
    return totals;
}
