#include "ration/numbertext.h"

#include <QVarLengthArray>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <system_error>

namespace NumberText {

namespace {

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// Length of the number at the start of text.mid(pos), or 0 when none.
qsizetype numberLength(const QString &text, qsizetype pos)
{
    const qsizetype n = text.size();
    qsizetype i = pos;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    qsizetype digits = 0;
    while (i < n && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-')))
            ++j;
        if (j < n && isDigit(text[j])) {
            while (j < n && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i - pos;
}

} // namespace

float parse(const QString &text)
{
    qsizetype pos = 0;
    while (pos < text.size() && text[pos].isSpace())
        ++pos;
    const qsizetype len = numberLength(text, pos);
    if (len == 0)
        return 0.0f;
    // The number is plain ASCII; from_chars reads it the same under every
    // locale and takes no '+' sign.
    QVarLengthArray<char, 64> digits;
    for (qsizetype i = pos; i < pos + len; ++i)
        digits.append(char(text[i].unicode()));
    const char *first = digits.data();
    const char *last = first + digits.size();
    if (*first == '+')
        ++first;
    double value = 0.0;
    const std::from_chars_result read = std::from_chars(first, last, value);
    if (read.ec == std::errc::result_out_of_range) {
        // Too small to hold reads as zero; too large is no number at all.
        return 0.0f;
    }
    // Out of range for a float: no number we can hold.
    if (read.ec != std::errc() || !std::isfinite(value) || std::fabs(value) > double(FLT_MAX))
        return 0.0f;
    return float(value);
}

QString format(double value) { return QString::number(value, 'g', 6); }

QString sum(const QString &total, const QString &value)
{
    return format(double(parse(total)) + double(parse(value)));
}

QString scale(const QString &mass, const QString &value)
{
    return format(double(parse(value)) * double(parse(mass)) / 100.0);
}

QString subtract(const QString &total, const QString &value)
{
    return format(double(parse(total)) - double(parse(value)));
}

} // namespace NumberText
