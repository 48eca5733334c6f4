#include "core/ration/massinput.h"

#include "core/nutrition/numbertext.h"
#include "core/platform/trcontext.h"

TR_CONTEXT(TMassForm)

namespace MassInput {

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

QString tooLarge()
{
    return tr("Масса должна быть не больше %1 г.").arg(QString::number(MaxMass, 'f', 0));
}

} // namespace

Reading read(const QString &typed)
{
    Reading reading;
    const QString text = typed.trimmed();
    if (text.isEmpty()) {
        reading.why = tr("Введите массу продукта в граммах.");
        return reading;
    }
    const qsizetype commas = text.count(u',');
    const qsizetype points = text.count(u'.');
    bool grouped = commas + points > 1;
    for (const QChar c : text)
        grouped = grouped || c.isSpace() || c == u'\'';
    if (grouped) {
        reading.why = tr("Масса пишется без разделителей разрядов, с одной десятичной "
                         "запятой или точкой: например, 1000 или 1,5.");
        return reading;
    }
    const QString mass = NumberText::keptText(text);
    if (!NumberText::isNumber(mass)) {
        reading.why =
            tr("«%1» — не число. Введите массу в граммах, например 150 или 1,5.").arg(typed);
        return reading;
    }
    // Too large a number, infinite for a double, is still a large one; a
    // tiny one that the ration would show as 0 is no mass.
    if (NumberText::typedValue(mass) > MaxMass) {
        reading.why = tooLarge();
        return reading;
    }
    if (!(NumberText::parse(mass) > 0.0f)) {
        reading.why = tr("Масса должна быть больше нуля.");
        return reading;
    }
    reading.ok = true;
    reading.mass = mass;
    return reading;
}

bool mayType(const QString &typed)
{
    for (const QChar c : typed) {
        if (!(isDigit(c) || c == u'.' || c == u',' || c == u'+' || c == u'-' || c == u'e'
              || c == u'E' || c == u' ' || c == QChar(0xA0) || c == u'\''))
            return false;
    }
    return true;
}

} // namespace MassInput
