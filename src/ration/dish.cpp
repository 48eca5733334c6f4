#include "ration/dish.h"

#include "ration/numbertext.h"

#include <algorithm>
#include <cmath>

namespace {
enum { Mass, Water };
}

Dish::Dish(const QStringList &totals, double yield, int portions)
    : m_yield(std::isfinite(yield) && yield > 0.0 ? yield : 0.0),
      m_portions(std::clamp(portions, 1, MaxPortions))
{
    for (int i = 0; i < 6; ++i)
        m_totals[i] = double(NumberText::parse(totals.value(i)));
}

double Dish::yield() const { return m_yield > 0.0 ? m_yield : m_totals[Mass]; }

QStringList Dish::valuesFor(double mass) const
{
    const double whole = yield();
    QStringList values{NumberText::format(mass)};
    for (int i = Water; i < 6; ++i) {
        double total = m_totals[i];
        if (i == Water)
            total += whole - m_totals[Mass];
        const double value = whole > 0.0 ? total * mass / whole : 0.0;
        values.append(NumberText::format(std::isfinite(value) ? value : 0.0));
    }
    return values;
}

double Dish::smallestYield() const { return std::max(0.0, m_totals[Mass] - m_totals[Water]); }

Dish::YieldCheck Dish::checkYield(double yield) const
{
    if (!std::isfinite(yield) || yield <= 0.0)
        return YieldCheck::NotPositive;
    if (yield > MaxYield)
        return YieldCheck::TooLarge;
    if (yield < smallestYield())
        return YieldCheck::TooSmall;
    return YieldCheck::Ok;
}
