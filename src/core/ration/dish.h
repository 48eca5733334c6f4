#pragma once

#include "core/ration/ration.h"

#include <QStringList>

#include <array>

// A ration as a cooked dish: the raw products' totals, the weight of the
// finished dish (its yield) and the number of portions it is shared into.
// Cooking loses or gains water only, so the water of the dish is what the
// products bring plus the difference between the yield and their mass, and
// every other value is the products' total spread over the yield.
class Dish
{
public:
    static constexpr double MaxYield = 1e6;
    static constexpr int MaxPortions = 1000;

    enum class YieldCheck { Ok, NotANumber, NotPositive, TooLarge, TooSmall };

    // totals: the ration's totals (the mass, then each nutrient) as number
    // texts. A yield of 0 stands for no
    // yield given: the dish weighs what its products weigh.
    explicit Dish(const QStringList &totals, double yield = 0.0, int portions = 1);
    // The same with the yield as stored or typed; a text that is no yield
    // stands for none.
    Dish(const QStringList &totals, const QString &yieldText, int portions);

    double yield() const;
    int portions() const { return m_portions; }

    // The values (the mass, then each nutrient) of the given mass of the finished dish, as texts
    // formatted like the totals; all "0" while the dish weighs nothing, and
    // all "—" while the yield cannot hold the products (see yieldFits).
    QStringList valuesFor(double mass) const;
    QStringList per100g() const { return valuesFor(100.0); }
    QStringList perPortion() const { return valuesFor(yield() / m_portions); }
    // The same values as numbers; none while the yield cannot hold the
    // products.
    QList<double> numbersFor(double mass) const;
    // The values per 100 g and per portion as a cook reads them (FigureText).
    QStringList shownPer100g() const;
    QStringList shownPerPortion() const;

    // The least yield that needs no negative water: the products' dry matter.
    double smallestYield() const;
    // Whether a yield typed by the user can be taken.
    YieldCheck checkYield(double yield) const;
    // The same for a typed text: one number, blanks around it allowed, '.'
    // or ',' as the decimal point. The number read goes to *value.
    YieldCheck checkYieldText(const QString &text, double *value = nullptr) const;
    // Whether the yield holds at least the products' dry matter; a yield
    // that is not given always fits.
    bool yieldFits() const;
    // Whether a yield text is one that any ration could take (one positive
    // number no larger than MaxYield), as a stored yield must be.
    static bool acceptsYield(const QString &text);

    // A typed yield as a number: NaN when the text is not one number.
    static double parseYield(const QString &text);

private:
    // Whether yield holds the products' dry matter.
    bool holds(double yield) const;

    std::array<double, Ration::TotalCount> m_totals = {};
    double m_yield = 0.0;
    int m_portions = 1;
};
