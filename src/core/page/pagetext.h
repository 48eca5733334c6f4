#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

// The texts of a page from its UTF-8 bytes, as the page reader takes them:
// decoded (ASCII sixteen bytes at a time, Cyrillic letters in place, the
// rest by Qt's decoder), unescaped, and cut to the longest text a page may
// give. Whether any was cut is kept for the reader's report.
class PageText
{
public:
    // The room past a text's bytes that decoding may write over: ASCII is
    // copied sixteen bytes at a time.
    static constexpr qsizetype Slack = 16;

    // The page the texts stand in; decoding never reads past its end.
    explicit PageText(QByteArrayView page) : m_page(page) { }

    // A text of the page, unescaped and cut to the longest allowed.
    QString text(QByteArrayView line);
    // The same written to out, which has room for line.size() + Slack
    // UTF-16 units; returns the end of what was written.
    char16_t *textTo(QByteArrayView line, char16_t *out);
    // The bytes' text; *entity says whether it holds an '&'.
    QString decoded(QByteArrayView bytes, bool *entity);
    // Whether a text was longer than allowed and was cut.
    bool wasCut() const { return m_cut; }

    // Cuts a text to the longest allowed, never between the halves of a
    // surrogate pair, and notes it in *cut.
    static void cutToLongest(QString &text, qsizetype longest, bool *cut);

private:
    // The same as decoded, written to out (see textTo); returns its end.
    char16_t *decodedTo(QByteArrayView bytes, char16_t *out, bool *entity);
    // The text of a line longer than the longest text's entities can take.
    QString longText(QByteArrayView line);

    QByteArrayView m_page;
    QStringDecoder m_utf8{QStringDecoder::Utf8,
                          QStringDecoder::Flag::Stateless
                              | QStringDecoder::Flag::ConvertInitialBom};
    bool m_cut = false;
};
