#pragma once

#include "core/ration/ration.h"

#include <QByteArrayView>
#include <QStringList>

class QDate;
class QIODevice;

// The ration page: an HTML page, one tag or one text per line, that a
// browser shows as a coloured table and that the program reads back.
//
// Reading looks only at whole lines: the first line must be the magic line;
// a line "<title>" is followed by the ration's name; a line
// '<tr bgcolor="White">' starts a row whose seven texts stand 2, 5, 8, 11,
// 14, 17 and 20 lines below it (a row marker among those lines is not
// another row). Everything else is decoration, and the totals are worked
// out again from the rows. A dish's yield and portions stand in a row of
// their own below the totals, led by a line '<tr bgcolor="Silver" id="dish">',
// 5 and 11 lines below it; the rows of values per 100 g and per portion
// follow it and are worked out again too. So does the row of the profile a
// ration is measured against (ProfileLineStart), with its norm rows, and
// the rows of the dish's technological card (CardRows).
namespace RationPage {

extern const QString MagicLine; // <!--Rationix_doc-->
extern const QString TitleLine; // <title>
extern const QString RowLine;   // <tr bgcolor="White">
extern const QString DishLine;  // <tr bgcolor="Silver" id="dish">
// The row of the profile a ration is measured against: the line starts so,
// and holds the person's groups and the share of the day as attributes,
// data-sex="male" data-age="30-44" data-activity="2" data-share="100">;
// the profile's name stands 5 lines below it.
extern const QString ProfileLineStart; // <tr bgcolor="Silver" id="profile"
// How every row line with attributes of its own starts (the profile's, the
// waste's).
extern const QString ExtraLineStart; // <tr bgcolor="Silver" id="

// Column titles of the page's header row.
QStringList columnTitles();
// Captions of the rows under a ration's own rows, wherever its table goes.
struct RowCaptions {
    QString totals, yield, portions, per100g, perPortion, profile, share, norm;
};
RowCaptions rowCaptions();

// The head block: <html> ... </head>, with the page title (10 lines).
QStringList headLines(const QString &title);
// One cell: the opening tag line, the escaped text, the closing tag line.
QStringList cellLines(const QString &color, const QString &text, bool bold = false);
// The header row: the titles in white on blue.
QStringList headerRowLines(const QStringList &titles);

// The whole file, 62 + 23n lines for n rows.
QStringList fileLines(const Ration &ration);
// The file's text: UTF-8 encoding is the caller's; every line ends in LF.
QString fileText(const Ration &ration);
// The page that printing lays out: the name and the given date, the table
// across the page, the units, and the energy structure when there is any.
QString printText(const Ration &ration, const QDate &date);

// The value of an attribute of a tag line: data-age="30-44" gives 30-44;
// empty when the line has none.
QString attribute(QByteArrayView line, QByteArrayView name);
// A text the page gave that was not taken, as the load report names it: in
// quotes, and a long one shortened.
QString quoted(QStringView text);

// Joins lines into text, every line followed by LF.
QString joinLines(const QStringList &lines);

struct ReadResult {
    enum Status {
        Ok,
        NotARation, // empty, or the first line is not the magic line
        ReadError,  // the device failed part way: what was read is kept
    };
    Status status = NotARation;
    bool hasTitle = false; // false: the page names no ration
    bool cut = false;      // a text was longer than MaxTextLength and was cut
    bool complete = false; // the page has its totals row and its end
    // Values of the dish row that were not taken, each as "число порций «0»".
    QStringList ignored;
    Ration ration;
};

// The longest name or cell text read; longer ones are cut to it.
constexpr qsizetype MaxTextLength = 4096;

// Reads a page from UTF-8 text. The magic line is checked before anything
// else is read, so a large file of another kind is refused at once.
ReadResult read(QIODevice &device);

// Reads the page that follows the magic line, from its decoded text.
ReadResult readBody(QStringView text);
// The same from its bytes, which must be valid UTF-8 (a byte-order mark
// at their start is read as a character): the bytes of a file need not be
// decoded whole before the page is read.
ReadResult readUtf8Body(QByteArrayView utf8);

} // namespace RationPage
