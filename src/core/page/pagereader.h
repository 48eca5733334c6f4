#pragma once

#include "core/page/rationpage.h"

#include <QByteArrayView>
#include <QStringDecoder>

// Reads the page that follows the magic line in one pass over its UTF-8
// bytes: every line is looked at once, where it stands, only the texts
// taken are decoded, and each row's values are added to the totals as the
// row is read. RationPage describes the page.
class PageReader
{
public:
    // The bytes must be valid UTF-8; they are read as they are, a
    // byte-order mark included.
    explicit PageReader(QByteArrayView utf8) : m_bytes(utf8) { }

    RationPage::ReadResult read();

private:
    // The next line, without its line break; an empty line past the end.
    QByteArrayView nextLine();
    // The line count lines after the one last read, without moving on.
    QByteArrayView lineAhead(int count) const;

    // A text of the page, unescaped and cut to the longest allowed.
    QString pageText(QByteArrayView line);
    // The bytes' text; *entity says whether it holds an '&'.
    QString decoded(QByteArrayView bytes, bool *entity);
    // A row whose marker was just read: its seven texts, the last one 20
    // lines below the marker, where reading goes on.
    QStringList readRow();
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
    QStringDecoder m_utf8{QStringDecoder::Utf8,
                          QStringDecoder::Flag::Stateless
                              | QStringDecoder::Flag::ConvertInitialBom};
    RationPage::ReadResult m_result;
};
