#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Comma-separated values as RFC 4180 has them, with the separator a
// spreadsheet chose: a field that holds the separator, a quote or a line
// break stands in quotes, a quote in it doubled; records end in CRLF (LF
// alone is read too).
//
// A text that begins with '=', '+', '-' or '@' is a formula to a
// spreadsheet, which would run it on opening the file: such a text is
// written after an apostrophe, which spreadsheets show as text, and read
// back without it.
namespace CsvText {

// The byte-order mark that tells a spreadsheet the file is UTF-8.
inline constexpr char Utf8Bom[] = "\xEF\xBB\xBF";

// One field as it stands in a record (text cells go through safeText first).
QString field(const QString &text, QChar separator);
// A text that no spreadsheet takes for a formula, and the text back.
QString safeText(const QString &text);
QString plainText(const QString &cell);

// The records of a text, each a list of fields; a byte-order mark at its
// start is skipped, a quote left open runs to the end of the text. With
// lines given, the line each record starts on (from 1) goes there.
QList<QStringList> read(QStringView text, QChar separator, QList<int> *lines = nullptr);
// The separator the text's first records use: a tab, ';' or ',' (in that
// order), the first that stands outside quotes in every one of them;
// failing that, the one found most often.
QChar separatorOf(QStringView text);

} // namespace CsvText
