#pragma once

#include <QString>

// Whether a name in the food list matches the text the user looks for.
//
// Whole: the name is the text, character for character (case and blanks
// count). Part: the name contains the text, letters compared by their
// lower-case forms (Cyrillic included), with ё read as е, since the two are
// often written for each other, and a run of blanks read as one blank,
// since the table has names typed with two; an empty text is contained in
// every name.
namespace NameMatch {

enum class Mode { Whole, Part };

bool matches(const QString &name, const QString &text, Mode mode);

// Whether the name is the text itself as part mode compares them: what a
// search puts before the names that only contain the text.
bool sameName(const QString &name, const QString &text);

// The form in which part mode compares texts: lower case, ё as е, one
// blank for a run of them.
QString partForm(const QString &text);

} // namespace NameMatch
