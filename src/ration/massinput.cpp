#include "ration/massinput.h"

#include "ration/numbertext.h"

#include <QCoreApplication>

namespace MassInput {

namespace {

QString tr(const char *text) { return QCoreApplication::translate("TMassForm", text); }

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The whole text is one number: digits with one optional decimal point,
// an optional exponent.
bool isPlainNumber(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < n && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            ++i;
        if (i == n || !isDigit(text[i]))
            return false;
        while (i < n && isDigit(text[i]))
            ++i;
    }
    return i == n;
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
    QString mass = text;
    mass.replace(u',', u'.');
    if (!isPlainNumber(mass)) {
        reading.why =
            tr("«%1» — не число. Введите массу в граммах, например 150 или 1,5.").arg(typed);
        return reading;
    }
    // parse() reads a number too large for single precision as 0, so only
    // finite positive masses pass.
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
