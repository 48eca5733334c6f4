#include "core/page/pagetext.h"

#include "core/page/htmltext.h"
#include "core/page/rationpage.h"

#include <algorithm>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

// Cuts a text to the longest allowed, never between the halves of a
// surrogate pair.
void PageText::cutToLongest(QString &text, qsizetype longest, bool *cut)
{
    qsizetype length = qMin(text.size(), longest);
    if (length > 0 && text[length - 1].isHighSurrogate())
        --length;
    text.truncate(length);
    *cut = true;
}

char16_t *PageText::decodedTo(QByteArrayView bytes, char16_t *out, bool *entity)
{
    // Numbers and tags are ASCII, copied as they are while looking for an
    // entity; other texts go through the UTF-8 decoder.
    const char *c = bytes.data();
    const char *const end = c + bytes.size();
    char16_t *const start = out;
    bool ascii = true;
    bool ampersand = false;
#ifdef __SSE2__
    // Sixteen bytes at a time while the page has them, those past the text
    // left out of the test: most texts are shorter than that.
    const char *const pageEnd = m_page.data() + m_page.size();
    const __m128i zero = _mm_setzero_si128();
    const __m128i amp = _mm_set1_epi8('&');
    while (c < end && pageEnd - c >= 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(c));
        const uint taken = end - c >= 16 ? 0xffffu : (1u << (end - c)) - 1;
        if ((uint(_mm_movemask_epi8(chunk)) & taken) != 0) {
            ascii = false;
            break;
        }
        ampersand = ampersand || (uint(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, amp))) & taken) != 0;
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out), _mm_unpacklo_epi8(chunk, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + 8), _mm_unpackhi_epi8(chunk, zero));
        const qsizetype step = qMin(qsizetype(16), qsizetype(end - c));
        c += step;
        out += step;
    }
#endif
    for (; ascii && c != end; ++c) {
        if (uchar(*c) >= 0x80) {
            ascii = false;
            break;
        }
        ampersand = ampersand || *c == '&';
        *out++ = char16_t(*c);
    }
    *entity = ampersand;
    if (ascii)
        return out;
    // An '&' is the same byte whatever stands around it.
    *entity = bytes.contains('&');
    // Letters of two bytes (Cyrillic) and signs of three are decoded here,
    // as the decoder would; anything else goes to the decoder, the text
    // from its start. UTF-8 takes no more UTF-16 units than bytes.
    const auto continues = [](char b) {
        return (uchar(b) & 0xc0) == 0x80;
    };
    while (c != end) {
        const auto lead = uchar(*c);
        if (lead < 0x80) {
            *out++ = lead;
            ++c;
        } else if (lead >= 0xc2 && lead <= 0xdf && end - c >= 2 && continues(c[1])) {
            *out++ = char16_t((lead & 0x1f) << 6 | (uchar(c[1]) & 0x3f));
            c += 2;
        } else if (lead >= 0xe0 && lead <= 0xef && end - c >= 3 && continues(c[1])
                   && continues(c[2])) {
            const auto unit =
                char16_t((lead & 0x0f) << 12 | (uchar(c[1]) & 0x3f) << 6 | (uchar(c[2]) & 0x3f));
            // Overlong forms and surrogates are the decoder's to replace.
            if (unit < 0x800 || (unit >= 0xd800 && unit <= 0xdfff))
                break;
            *out++ = unit;
            c += 3;
        } else {
            break;
        }
    }
    if (c == end)
        return out;
    return reinterpret_cast<char16_t *>(
        m_utf8.appendToBuffer(reinterpret_cast<QChar *>(start), bytes));
}

QString PageText::decoded(QByteArrayView bytes, bool *entity)
{
    QString text(bytes.size() + Slack, Qt::Uninitialized);
    auto *start = reinterpret_cast<char16_t *>(text.data());
    text.truncate(decodedTo(bytes, start, entity) - start);
    return text;
}

QString PageText::longText(QByteArrayView line)
{
    // The window's characters come from at most three bytes each; a line
    // longer than those bytes and a character has more characters than
    // the window, and is cut whatever they are.
    const qsizetype window = RationPage::MaxTextLength * 6;
    const qsizetype prefix = 3 * window + 3;
    bool entity = false;
    const QString head = decoded(line.first(qMin(line.size(), prefix)), &entity);
    QString text = HtmlText::unescape(head.left(window));
    if (text.size() > RationPage::MaxTextLength || head.size() > window || line.size() > prefix)
        cutToLongest(text, RationPage::MaxTextLength, &m_cut);
    return text;
}

char16_t *PageText::textTo(QByteArrayView line, char16_t *out)
{
    // An entity stands for one character in at most six; a line of no more
    // bytes than that window holds no more characters.
    const qsizetype window = RationPage::MaxTextLength * 6;
    QString text;
    if (line.size() > window) {
        text = longText(line);
    } else {
        bool entity = false;
        char16_t *const end = decodedTo(line, out, &entity);
        if (!entity && end - out <= RationPage::MaxTextLength)
            return end;
        text = QStringView(out, end).toString();
        if (entity)
            text = HtmlText::unescape(text);
        if (text.size() > RationPage::MaxTextLength)
            cutToLongest(text, RationPage::MaxTextLength, &m_cut);
    }
    // Unescaping and cutting only shorten a text: it fits where it was.
    std::copy_n(reinterpret_cast<const char16_t *>(text.constData()), text.size(), out);
    return out + text.size();
}

QString PageText::text(QByteArrayView line)
{
    if (line.size() > RationPage::MaxTextLength * 6)
        return longText(line);
    QString text(line.size() + Slack, Qt::Uninitialized);
    auto *start = reinterpret_cast<char16_t *>(text.data());
    text.truncate(textTo(line, start) - start);
    return text;
}
