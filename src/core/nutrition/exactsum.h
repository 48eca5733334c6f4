#pragma once

#include <QString>

#include <string>

// Adds number texts as the decimals they show, so that a sum of totals is
// what a reader gets adding them by hand, to the last digit: "100.623"
// three times is "301.869", where adding the doubles and writing six
// significant digits could give "301.87". Each text is read as NumberText
// reads it (the number at its start; a text it reads as 0 adds nothing).
class ExactSum
{
public:
    void add(const QString &text);
    // The sum the way NumberText writes numbers ("4.5e+06", "301.869") when
    // that loses no digit of it, else written plainly with every digit
    // ("199999.8", "1798005").
    QString text() const;

private:
    // A decimal as digits with m_scale of them after the point; the
    // positive and negative terms are kept apart and met only at the end.
    static void addDigits(std::string &to, const std::string &digits);
    void rescale(int scale);

    std::string m_positive = "0";
    std::string m_negative = "0";
    int m_scale = 0;
};
