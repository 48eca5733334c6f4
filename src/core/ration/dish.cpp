#include "core/ration/dish.h"

#include "core/nutrition/figuretext.h"
#include "core/nutrition/numbertext.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int Mass = 0;
constexpr int Water = Nutrients::afterMass(Nutrients::Water);

// The smallest yield is shown with six significant digits; a yield typed
// as shown must pass although it may lie a rounding step below.
constexpr double RoundingSlack = 1e-6;
} // namespace

Dish::Dish(const QStringList &totals, double yield, int portions)
    : m_yield(std::isfinite(yield) && yield > 0.0 ? yield : 0.0),
      m_portions(std::clamp(portions, 1, MaxPortions))
{
    for (int i = 0; i < Ration::TotalCount; ++i)
        m_totals[std::size_t(i)] = double(NumberText::parse(totals.value(i)));
}

Dish::Dish(const QStringList &totals, const QString &yieldText, int portions)
    : Dish(totals, parseYield(yieldText), portions)
{ }

double Dish::yield() const { return m_yield > 0.0 ? m_yield : m_totals[Mass]; }

QList<double> Dish::numbersFor(double mass) const
{
    if (!yieldFits())
        return {};
    const double whole = yield();
    QList<double> values{mass};
    for (int i = Mass + 1; i < Ration::TotalCount; ++i) {
        double total = m_totals[std::size_t(i)];
        if (i == Water)
            total = std::max(0.0, total + whole - m_totals[Mass]);
        const double value = whole > 0.0 ? total * mass / whole : 0.0;
        values.append(std::isfinite(value) ? value : 0.0);
    }
    return values;
}

QStringList Dish::valuesFor(double mass) const
{
    const QList<double> numbers = numbersFor(mass);
    if (numbers.isEmpty())
        return QStringList(Ration::TotalCount, QStringLiteral("—"));
    QStringList values;
    for (const double value : numbers)
        values.append(NumberText::format(value));
    return values;
}

QStringList Dish::shownPer100g() const { return FigureText::values(numbersFor(100.0)); }

QStringList Dish::shownPerPortion() const
{
    return FigureText::values(numbersFor(yield() / m_portions));
}

double Dish::smallestYield() const { return std::max(0.0, m_totals[Mass] - m_totals[Water]); }

Dish::YieldCheck Dish::checkYield(double yield) const
{
    if (std::isnan(yield))
        return YieldCheck::NotANumber;
    if (yield <= 0.0)
        return YieldCheck::NotPositive;
    if (yield > MaxYield) // infinity too
        return YieldCheck::TooLarge;
    if (!holds(yield))
        return YieldCheck::TooSmall;
    return YieldCheck::Ok;
}

Dish::YieldCheck Dish::checkYieldText(const QString &text, double *value) const
{
    const double yield = parseYield(text);
    if (value)
        *value = yield;
    return checkYield(yield);
}

bool Dish::holds(double yield) const { return yield >= smallestYield() * (1.0 - RoundingSlack); }

bool Dish::yieldFits() const { return m_yield == 0.0 || holds(m_yield); }

bool Dish::acceptsYield(const QString &text)
{
    return Dish({}).checkYieldText(text) == YieldCheck::Ok;
}

double Dish::parseYield(const QString &text) { return NumberText::typedValue(text); }
