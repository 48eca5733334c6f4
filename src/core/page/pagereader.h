#pragma once

#include "core/page/pagetext.h"
#include "core/page/rationpage.h"

#include <QByteArrayView>

#include <array>

// Reads the page that follows the magic line in one pass over its UTF-8
// bytes: every line is looked at once, where it stands, only the texts
// taken are decoded, and each row's values are added to the totals as the
// row is read. RationPage describes the page.
class PageReader
{
public:
    // The bytes must be valid UTF-8; they are read as they are, a
    // byte-order mark included.
    explicit PageReader(QByteArrayView utf8) : m_bytes(utf8), m_scanned(utf8.data()), m_text(utf8)
    { }

    RationPage::ReadResult read();

private:
    // The next line, without its line break; an empty line past the end.
    QByteArrayView nextLine();
    // The line count lines after the one last read, without moving on.
    QByteArrayView lineAhead(int count);
    // Makes the ends of the next count lines known (at most MostAhead):
    // the page is looked at a block at a time, each byte once, and the
    // ends of its lines kept until they are read.
    void findEnds(int count);

    // A row whose marker was just read: its seven texts, the last one 20
    // lines below the marker, where reading goes on. Its numbers are
    // added to sums as they are read.
    RationRow readRow(Ration::Sums &sums);

    // The yield and portions of the dish row whose marker was just read.
    void readDish();
    // The profile and share of the profile row whose first line was just
    // read; what the row holds amiss is named in the report and not taken.
    void readProfile(QByteArrayView line);
    // The card's number, date and batch of the card row whose marker was
    // just read, and its technology; what a row holds amiss is named in the
    // report and not taken.
    void readCard();
    void readTechnology();

    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
    // The most lines looked ahead: a row's lines after its marker.
    static constexpr int MostAhead = 3 * Ration::ColumnCount - 1;
    // The bytes looked at a time for line ends.
    static constexpr int BlockSize = 64;
    // The ends of the lines from m_pos on that are known: just after their
    // LF, or at the page's end; m_ends[m_first] ends the next line.
    std::array<const char *, MostAhead + BlockSize> m_ends{};
    int m_first = 0;
    int m_last = 0;
    // How far the page has been looked at for line ends.
    const char *m_scanned;
    PageText m_text;
    RationPage::ReadResult m_result;
};
