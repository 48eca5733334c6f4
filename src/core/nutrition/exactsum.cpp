#include "core/nutrition/exactsum.h"

#include "core/nutrition/numbertext.h"

#include <QRegularExpression>

#include <optional>

namespace {

struct Decimal {
    bool negative = false;
    std::string digits; // no leading zeros; "0" for nothing
    int scale = 0;      // digits after the point, none of them a trailing zero
};

std::string withoutLeadingZeros(std::string digits)
{
    const std::size_t first = digits.find_first_not_of('0');
    digits.erase(0, first == std::string::npos ? digits.size() - 1 : first);
    return digits;
}

Decimal normalized(Decimal number)
{
    while (number.scale > 0 && number.digits.size() > 1 && number.digits.back() == '0') {
        number.digits.pop_back();
        --number.scale;
    }
    number.digits = withoutLeadingZeros(number.digits);
    if (number.digits == "0") {
        number.negative = false;
        number.scale = 0;
    }
    return number;
}

// The number at the start of the text as an exact decimal, as NumberText
// reads it; nothing where NumberText reads 0 (no number, or one a float
// cannot hold, whose exponent could also ask for any count of digits).
std::optional<Decimal> read(const QString &text)
{
    if (NumberText::parse(text) == 0.0F)
        return std::nullopt;
    static const QRegularExpression form(
        QStringLiteral("^\\s*([+-]?)([0-9]*)(?:\\.([0-9]*))?(?:[eE]([+-]?[0-9]+))?"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QString fraction = match.captured(3);
    Decimal number;
    number.negative = match.captured(1) == QStringLiteral("-");
    number.digits = (match.captured(2) + fraction).toStdString();
    // A float is no larger than 3.5e38 and no nearer to 0 than 1.4e-45, so
    // the exponent is small.
    const int exponent = match.captured(4).toInt();
    number.scale = int(fraction.size()) - exponent;
    if (number.scale < 0) {
        number.digits.append(std::size_t(-number.scale), '0');
        number.scale = 0;
    }
    return normalized(number);
}

QString written(const Decimal &number)
{
    std::string digits = number.digits;
    if (number.scale > 0) {
        if (int(digits.size()) <= number.scale)
            digits.insert(0, std::size_t(number.scale) - digits.size() + 1, '0');
        digits.insert(digits.size() - std::size_t(number.scale), 1, '.');
    }
    return QString::fromStdString((number.negative ? "-" : "") + digits);
}

// Compares magnitudes of digits with the same scale.
bool less(const std::string &a, const std::string &b)
{
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

// a - b for a no less than b.
std::string difference(std::string a, const std::string &b)
{
    int borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const std::size_t at = a.size() - 1 - i;
        int digit = (a[at] - '0') - borrow - (i < b.size() ? b[b.size() - 1 - i] - '0' : 0);
        borrow = digit < 0 ? 1 : 0;
        a[at] = char('0' + digit + borrow * 10);
    }
    return withoutLeadingZeros(a);
}

} // namespace

void ExactSum::addDigits(std::string &to, const std::string &digits)
{
    if (to.size() < digits.size())
        to.insert(0, digits.size() - to.size(), '0');
    int carry = 0;
    for (std::size_t i = 0; i < to.size(); ++i) {
        const std::size_t at = to.size() - 1 - i;
        const int digit =
            (to[at] - '0') + carry + (i < digits.size() ? digits[digits.size() - 1 - i] - '0' : 0);
        carry = digit / 10;
        to[at] = char('0' + digit % 10);
    }
    if (carry)
        to.insert(0, 1, '1');
}

void ExactSum::rescale(int scale)
{
    if (scale <= m_scale)
        return;
    m_positive.append(std::size_t(scale - m_scale), '0');
    m_negative.append(std::size_t(scale - m_scale), '0');
    m_scale = scale;
}

void ExactSum::add(const QString &text)
{
    const std::optional<Decimal> number = read(text);
    if (!number)
        return;
    rescale(number->scale);
    const std::string digits =
        number->digits + std::string(std::size_t(m_scale - number->scale), '0');
    addDigits(number->negative ? m_negative : m_positive, digits);
}

QString ExactSum::text() const
{
    const std::string positive = withoutLeadingZeros(m_positive);
    const std::string negative = withoutLeadingZeros(m_negative);
    const bool below = less(positive, negative);
    const Decimal sum = normalized(
        {below, below ? difference(negative, positive) : difference(positive, negative), m_scale});
    const QString plain = written(sum);
    const QString usual = NumberText::format(plain.toDouble());
    const std::optional<Decimal> back = read(usual);
    const bool same = back
        ? back->negative == sum.negative && back->digits == sum.digits && back->scale == sum.scale
        : sum.digits == "0";
    return same ? usual : plain;
}
