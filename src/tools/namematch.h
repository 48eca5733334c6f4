#pragma once

#include <QString>

// Whether a name in the food list matches the text the user looks for.
//
// Whole: the name is the text, character for character (case and blanks
// count). Part: the name contains the text, letters compared by their
// lower-case forms (Cyrillic included), with ё read as е, since the two are
// often written for each other; an empty text is contained in every name.
namespace NameMatch {

enum class Mode { Whole, Part };

bool matches(const QString &name, const QString &text, Mode mode);

// The form in which part mode compares texts: lower case, ё as е.
QString partForm(const QString &text);

} // namespace NameMatch
