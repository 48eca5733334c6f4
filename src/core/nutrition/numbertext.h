#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Numbers in a ration live only as texts: in food list cells, ration table
// cells and total labels. These functions are the one place that turns such
// texts into numbers and back.
//
// Reading: the number at the start of the text (after leading blanks): an
// optional sign, digits with an optional '.' and fraction, an optional
// exponent. Anything after it is ignored ("24.0 " reads 24, "150abc" reads
// 150). A text that does not begin with a number reads 0, and so does a
// number that single precision cannot hold: the result is never inf or nan.
//
// Writing: six significant digits, 'g' style ("12.45", "1.798e+06", "0").
namespace NumberText {

float parse(QStringView text);
// The same for a number written plainly in ASCII bytes (a sign, digits and
// a point, at most 15 digits), as a saved page has them; false, and no
// value, for any other text.
bool parsePlain(QByteArrayView text, float *value);
QString format(double value);

// Whether the whole text is one number as parse() reads them.
bool isNumber(const QString &text);
// The text a typed number is kept as: the blanks around it gone and a
// decimal comma written as a point ("1,5" becomes "1.5").
QString keptText(const QString &typed);
// The value of a number the user typed: the whole text, blanks around it
// aside, is one number written with a decimal point or a decimal comma
// ("1,5"), with an exponent only when exponent is true. NaN for any other
// text (grouping such as "1 000" included); a number too large for a double
// is infinite.
double typedValue(const QString &typed, bool exponent = true);

// total + value
QString sum(const QString &total, const QString &value);
// value * mass / 100 (per-100-g value scaled to a mass in grams)
QString scale(const QString &mass, const QString &value);
// total - value
QString subtract(const QString &total, const QString &value);

} // namespace NumberText
