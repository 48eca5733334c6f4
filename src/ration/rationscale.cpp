#include "ration/rationscale.h"

#include "ration/dish.h"
#include "ration/massinput.h"
#include "ration/numbertext.h"
#include "ration/ration.h"
#include "trcontext.h"

#include <algorithm>
#include <cmath>

TR_CONTEXT(RationScale)

namespace RationScale {

namespace {

constexpr int MassColumn = 1;
constexpr int EnergyColumn = 6;

QString askFor(Mode mode)
{
    switch (mode) {
    case Mode::TotalMass: return tr("Введите массу рациона в граммах, например 500 или 450,5.");
    case Mode::TotalEnergy:
        return tr("Введите энергию рациона в килокалориях, например 2000 или 1800,5.");
    default: return tr("Введите множитель, например 2 или 0,5.");
    }
}

bool isBlank(const QList<QStringList> &rows)
{
    return std::all_of(rows.cbegin(), rows.cend(), [](const QStringList &row) {
        return std::all_of(row.cbegin(), row.cend(), [](const QString &t) { return t.isEmpty(); });
    });
}

Plan refused(const QString &why)
{
    Plan p;
    p.why = why;
    return p;
}

} // namespace

QString nothingToScale() { return tr("В рационе нет продуктов: масштабировать нечего."); }

Plan plan(const QList<QStringList> &rows, const QString &yield, Mode mode, const QString &typed)
{
    if (isBlank(rows))
        return refused(nothingToScale());
    // A factor or target is no mass: it may well be over the largest mass,
    // and the masses it gives are checked one by one.
    const double number = NumberText::typed(typed);
    if (!(number > 0.0)) {
        const QString shown = typed.trimmed();
        return refused(shown.isEmpty()
                           ? askFor(mode)
                           : tr("«%1» — не положительное число. %2").arg(shown, askFor(mode)));
    }
    double factor = number;
    if (mode != Mode::Factor) {
        const QStringList totals = Ration::totalsOf(rows);
        const int column = mode == Mode::TotalMass ? MassColumn : EnergyColumn;
        const double total = double(NumberText::parse(totals.value(column - 1)));
        if (!(total > 0.0))
            return refused(mode == Mode::TotalMass
                               ? tr("Масса рациона равна нулю: привести её к заданной нельзя.")
                               : tr("Энергия рациона равна нулю: привести её к заданной нельзя."));
        factor = number / total;
    }
    if (!(factor > 0.0) || !std::isfinite(factor))
        return refused(tr("Такой множитель не записать числом. %1").arg(askFor(mode)));

    Plan p;
    for (const QStringList &row : rows) {
        const double mass = double(NumberText::parse(row.value(MassColumn))) * factor;
        const QString text = NumberText::format(mass);
        if (!std::isfinite(mass) || !MassInput::read(text).ok) {
            const QString name = row.value(0);
            return refused(mass >= 1.0 ? tr("Масса «%1» стала бы больше %2 г.")
                                             .arg(name, QString::number(MassInput::MaxMass, 'f', 0))
                                       : tr("Масса «%1» стала бы нулевой или слишком малой: её не "
                                            "записать.")
                                             .arg(name));
        }
        p.masses.append(text);
    }
    if (!yield.isEmpty()) {
        const double scaled = Dish::parseYield(yield) * factor;
        p.yield = std::isfinite(scaled) ? NumberText::format(scaled) : QString();
        if (!Dish::acceptsYield(p.yield))
            return refused(tr("Выход готового блюда стал бы %1: он должен быть больше нуля и не "
                              "больше 1 000 000 г.")
                               .arg(scaled > 1.0 ? tr("слишком большим") : tr("слишком малым")));
    }
    p.ok = true;
    return p;
}

} // namespace RationScale
