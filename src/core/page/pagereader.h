#pragma once

#include "core/page/rationpage.h"

#include <QStringView>

// Reads the page that follows the magic line in one pass over its text:
// every line is looked at once, where it stands, and each row's values are
// added to the totals as the row is read. RationPage describes the page.
class PageReader
{
public:
    explicit PageReader(QStringView text) : m_text(text) { }

    RationPage::ReadResult read();

private:
    // The next line, without its line break, and the position after it; an
    // empty line past the end.
    QStringView nextLine();
    // Passes over count lines.
    void skipLines(int count);
    // The line count lines after the one last read, without moving on.
    QStringView lineAhead(int count) const;

    // A row whose marker was just read: its seven texts, the last one 20
    // lines below the marker, where reading goes on.
    QStringList readRow();
    // The yield and portions of the dish row whose marker was just read.
    void readDish();

    QStringView m_text;
    qsizetype m_pos = 0;
    RationPage::ReadResult m_result;
};
