#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Figures on their way to a spreadsheet: column titles and rows of cells,
// each a text or a number written as the program shows it ("12.45",
// "1.798e+06"). A number leaves with the decimal separator its reader
// expects, a text as it is, so that a spreadsheet takes the one for a
// number and the other for a text.
class FigureTable
{
public:
    struct Cell {
        QString text;
        bool number = false;
    };
    using Row = QList<Cell>;

    // The two ways spreadsheets read CSV: a Russian desktop's, and the
    // English one.
    enum class Dialect { Semicolon, Comma };
    static QChar separatorOf(Dialect dialect);
    static QChar decimalPointOf(Dialect dialect);

    static Cell text(const QString &text) { return {text, false}; }
    // A figure as the program writes it; one that is no number ("—", "")
    // is a text.
    static Cell figure(const QString &text);

    QStringList titles;
    QList<Row> rows;

    // A CSV file: UTF-8 with a byte-order mark, the titles first.
    QByteArray csvFile(Dialect dialect) const;
    // Tab-separated text for the clipboard, numbers with the given decimal
    // point (the desktop's), fields quoted as in CSV where they must be.
    QString tabText(QChar decimalPoint) const;
    // An HTML table for the clipboard: each number shown with the given
    // decimal point and also given without any locale in the attributes
    // that spreadsheets read a cell's value from.
    QString html(QChar decimalPoint) const;

private:
    // The table as lines of separated fields, each line ending in end.
    QString separated(QChar separator, QChar decimalPoint, const QString &end) const;
};
