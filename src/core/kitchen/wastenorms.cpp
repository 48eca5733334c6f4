#include "core/kitchen/wastenorms.h"

#include <QDate>

namespace WasteNorms {

namespace {

constexpr int dayKey(int month, int day) { return month * 100 + day; }

bool inSeason(const Norm &norm, int key)
{
    const int from = dayKey(norm.fromMonth, norm.fromDay);
    const int to = dayKey(norm.toMonth, norm.toDay);
    if (from <= to)
        return from <= key && key <= to;
    return key >= from || key <= to; // over the new year
}

} // namespace

std::optional<double> percentFor(const QString &product, const QDate &date)
{
    if (!date.isValid())
        return std::nullopt;
    const int key = dayKey(date.month(), date.day());
    for (const Norm &norm : Table) {
        if (product == QString::fromUtf8(norm.product) && inSeason(norm, key))
            return norm.percent;
    }
    return std::nullopt;
}

} // namespace WasteNorms
