#include "core/nutrition/numbertext.h"

#include <QVarLengthArray>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <system_error>
#include <type_traits>

namespace NumberText {

namespace {

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// Length of the number at the start of text.mid(pos), or 0 when none.
qsizetype numberLength(QStringView text, qsizetype pos)
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

namespace {

// The number from c to end when it is written plainly: a sign, digits
// and a point, at most 15 digits (a double holds them exactly, and so it
// does 10 to the power of those after the point). One division, correctly
// rounded, then gives what from_chars gives, at a fraction of its cost: a
// long ration's page has tens of thousands. Char is a byte or a UTF-16 unit.
template <typename Char> bool plainValue(const Char *c, const Char *const end, double *value)
{
    static constexpr double Powers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    if (c == end)
        return false;
    const bool negative = *c == Char('-');
    if (negative || *c == Char('+'))
        ++c;
    const Char *const first = c;
    const Char *point = nullptr;
    quint64 mantissa = 0;
    for (; c != end; ++c) {
        const auto digit = unsigned(std::make_unsigned_t<Char>(*c)) - unsigned('0');
        if (digit < 10) {
            // Past 15 digits the number is refused below, overflow and all.
            mantissa = mantissa * 10 + digit;
        } else if (*c == Char('.') && point == nullptr) {
            point = c;
        } else {
            return false;
        }
    }
    const qsizetype decimals = point ? end - point - 1 : 0;
    const qsizetype digits = (end - first) - (point ? 1 : 0);
    if (digits == 0 || digits > 15)
        return false;
    const double magnitude = double(mantissa) / Powers[decimals];
    *value = negative ? -magnitude : magnitude;
    return true;
}

bool plainValueAt(QStringView text, qsizetype pos, qsizetype len, double *value)
{
    const char16_t *from = text.utf16() + pos;
    return plainValue(from, from + len, value);
}

// The number of len characters at pos, which numberLength() found. A number
// too small to hold reads 0; one too large reads as infinite.
double valueAt(QStringView text, qsizetype pos, qsizetype len)
{
    double plain = 0.0;
    if (plainValueAt(text, pos, len, &plain))
        return plain;
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
        // from_chars leaves the value alone: tell tiny from huge by the exponent.
        const qsizetype e = text.mid(pos, len).indexOf(QLatin1Char('e'), 0, Qt::CaseInsensitive);
        const bool tiny = e >= 0 && text[e + pos + 1] == QLatin1Char('-');
        const double sign = *first == '-' ? -1.0 : 1.0;
        return tiny ? 0.0 : sign * HUGE_VAL;
    }
    return read.ec == std::errc() ? value : 0.0;
}

} // namespace

bool parsePlain(QByteArrayView text, float *value)
{
    double plain = 0.0;
    if (!plainValue(text.data(), text.data() + text.size(), &plain))
        return false;
    *value = float(plain);
    return true;
}

float parse(QStringView text)
{
    // A cell is mostly a plain number and nothing else: read in one pass.
    double plain = 0.0;
    if (plainValue(text.utf16(), text.utf16() + text.size(), &plain))
        return float(plain);
    qsizetype pos = 0;
    while (pos < text.size() && text[pos].isSpace())
        ++pos;
    const qsizetype len = numberLength(text, pos);
    if (len == 0)
        return 0.0f;
    const double value = valueAt(text, pos, len);
    // Out of range for a float: no number we can hold.
    if (!std::isfinite(value) || std::fabs(value) > double(FLT_MAX))
        return 0.0f;
    return float(value);
}

bool isNumber(const QString &text)
{
    return !text.isEmpty() && numberLength(text, 0) == text.size();
}

QString keptText(const QString &typed)
{
    return typed.trimmed().replace(QLatin1Char(','), QLatin1Char('.'));
}

double typedValue(const QString &typed, bool exponent)
{
    const QString number = keptText(typed);
    if (!isNumber(number) || (!exponent && number.contains(QLatin1Char('e'), Qt::CaseInsensitive)))
        return std::nan("");
    return valueAt(number, 0, number.size());
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
