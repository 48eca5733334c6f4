#include "core/ration/rationscale.h"

#include "core/nutrition/numbertext.h"
#include "core/platform/trcontext.h"
#include "core/ration/dish.h"
#include "core/ration/massinput.h"
#include "core/ration/ration.h"

#include <algorithm>
#include <cmath>

TR_CONTEXT(RationScale)

namespace RationScale {

namespace {

constexpr int MassColumn = 1;
constexpr int EnergyColumn = Ration::columnOf(Nutrients::Energy);

QString askFor(Mode mode)
{
    switch (mode) {
    case Mode::TotalMass: return tr("Введите массу рациона в граммах, например 500 или 450,5.");
    case Mode::TotalEnergy:
        return tr("Введите энергию рациона в килокалориях, например 2000 или 1800,5.");
    case Mode::Portions:
        return tr("Введите число порций: целое, от 1 до %1.").arg(Dish::MaxPortions);
    case Mode::Yield: return tr("Введите выход готового блюда в граммах, например 1000 или 850,5.");
    default: return tr("Введите множитель, например 2 или 0,5.");
    }
}

bool isBlank(const QList<RationRow> &rows)
{
    return std::all_of(rows.cbegin(), rows.cend(),
                       [](const RationRow &row) { return row.isEmpty(); });
}

Plan refused(const QString &why)
{
    Plan p;
    p.why = why;
    return p;
}

// The step a mass of these grams is weighed to.
double stepFor(double grams) { return grams < 100.0 ? 0.1 : 1.0; }

// The factor that takes the ration to the typed target, or NaN with the
// reason in *why. number is positive and finite.
double factorFor(const QList<RationRow> &rows, const QString &yield, Mode mode, double number,
                 int portions, QString *why)
{
    switch (mode) {
    case Mode::Factor: return number;
    case Mode::Portions:
        if (number != std::floor(number) || number > Dish::MaxPortions) {
            *why = tr("Число порций — целое число от 1 до %1.").arg(Dish::MaxPortions);
            return std::nan("");
        }
        return number / portions;
    case Mode::Yield: {
        if (number > Dish::MaxYield) {
            *why = tr("Выход готового блюда не может быть больше 1 000 000 г.");
            return std::nan("");
        }
        const double now = Dish(Ration::totalsOf(rows), yield, portions).yield();
        if (!(now > 0.0)) {
            *why = tr("Выход блюда равен нулю: привести его к заданному нельзя.");
            return std::nan("");
        }
        return number / now;
    }
    default: break;
    }
    const QStringList totals = Ration::totalsOf(rows);
    const int column = mode == Mode::TotalMass ? MassColumn : EnergyColumn;
    const double total = double(NumberText::parse(totals.value(column - 1)));
    if (!(total > 0.0)) {
        *why = mode == Mode::TotalMass
            ? tr("Масса рациона равна нулю: привести её к заданной нельзя.")
            : tr("Энергия рациона равна нулю: привести её к заданной нельзя.");
        return std::nan("");
    }
    return number / total;
}

} // namespace

double roundedMass(double grams)
{
    const double step = stepFor(grams);
    const double rounded = std::round(grams / step) * step;
    // 99.96 g rounds to 100 g, which is weighed to the gram: the same 100.
    return step < 1.0 ? std::round(rounded * 10.0) / 10.0 : rounded;
}

QString fittedYield(const QList<RationRow> &scaledRows, const QString &yield)
{
    if (yield.isEmpty())
        return yield;
    const Dish dish(Ration::totalsOf(scaledRows), yield, 1);
    if (dish.yieldFits())
        return yield;
    const double least = dish.smallestYield();
    const double step = stepFor(least);
    return NumberText::format(std::ceil(least / step) * step);
}

QString nothingToScale() { return tr("В рационе нет продуктов: масштабировать нечего."); }

Plan plan(const QList<RationRow> &rows, const QString &yield, Mode mode, const QString &typed,
          int portions)
{
    if (isBlank(rows))
        return refused(nothingToScale());
    // A factor or target is no mass: it may well be over the largest mass,
    // and the masses it gives are checked one by one.
    const double number = NumberText::typedValue(typed);
    if (!(number > 0.0)) {
        const QString shown = typed.trimmed();
        return refused(shown.isEmpty()
                           ? askFor(mode)
                           : tr("«%1» — не положительное число. %2").arg(shown, askFor(mode)));
    }
    portions = std::clamp(portions, 1, Dish::MaxPortions);
    QString why;
    const double factor = factorFor(rows, yield, mode, number, portions, &why);
    if (!why.isEmpty())
        return refused(why);
    if (!(factor > 0.0) || !std::isfinite(factor))
        return refused(tr("Такой множитель не записать числом. %1").arg(askFor(mode)));

    Plan p;
    p.portions = mode == Mode::Portions ? int(number) : portions;
    // A factor of one leaves every mass as it is, unrounded.
    const auto scaled = [factor](double grams) {
        return factor == 1.0 ? grams : roundedMass(grams * factor);
    };
    for (const RationRow &row : rows) {
        const double mass = scaled(double(NumberText::parse(row.cellView(MassColumn))));
        const QString text = factor == 1.0 ? row.cell(MassColumn) : NumberText::format(mass);
        if (!std::isfinite(mass) || !MassInput::read(text).ok) {
            const QString name = row.cell(0);
            return refused(mass >= 1.0 ? tr("Масса «%1» стала бы больше %2 г.")
                                             .arg(name, QString::number(MassInput::MaxMass, 'f', 0))
                                       : tr("Масса «%1» стала бы нулевой или слишком малой: её не "
                                            "записать.")
                                             .arg(name));
        }
        p.masses.append(text);
    }
    if (!yield.isEmpty()) {
        // The weight asked for is taken as typed, not rounded.
        const double newYield = mode == Mode::Yield ? number : scaled(Dish::parseYield(yield));
        p.yield = factor == 1.0       ? yield
            : std::isfinite(newYield) ? NumberText::format(newYield)
                                      : QString();
        if (!Dish::acceptsYield(p.yield))
            return refused(tr("Выход готового блюда стал бы %1: он должен быть больше нуля и не "
                              "больше 1 000 000 г.")
                               .arg(newYield > 1.0 ? tr("слишком большим") : tr("слишком малым")));
    }
    p.ok = true;
    return p;
}

} // namespace RationScale
