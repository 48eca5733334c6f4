#include "core/catalogue/waste.h"

#include "core/nutrition/figuretext.h"
#include "core/nutrition/numbertext.h"
#include "core/platform/trcontext.h"

#include <cmath>

TR_CONTEXT(Waste)

namespace Waste {

QString fieldName() { return tr("Отходы, %"); }

QString grossFieldName() { return tr("Брутто, г"); }

Reading read(const QString &typed)
{
    Reading reading;
    const QString text = typed.trimmed();
    if (text.isEmpty()) {
        reading.ok = true;
        reading.text = QStringLiteral("0");
        return reading;
    }
    const double percent = NumberText::typedValue(text, false);
    if (std::isnan(percent)) {
        reading.why = tr("«%1»: «%2» — не число. Введите отходы в процентах, например 25 или 12,5.")
                          .arg(fieldName(), typed);
    } else if (percent < 0.0) {
        reading.why = tr("«%1»: отходы не могут быть меньше нуля.").arg(fieldName());
    } else if (percent >= Limit) {
        reading.why = tr("«%1»: отходы должны быть меньше 100 % — иначе от продукта ничего "
                         "не остаётся.")
                          .arg(fieldName());
    } else {
        reading.ok = true;
        // "-0" is no waste, and is kept as such
        reading.percent = percent == 0.0 ? 0.0 : percent;
        reading.text = percent == 0.0 ? QStringLiteral("0") : NumberText::keptText(text);
    }
    return reading;
}

bool accepts(double percent) { return percent >= 0.0 && percent < Limit; }

double gross(double net, double percent)
{
    if (!accepts(percent))
        return std::nan("");
    return net * Limit / (Limit - percent);
}

QString grossText(double net, double percent) { return FigureText::grams(gross(net, percent)); }

} // namespace Waste
