#include "core/page/textencoding.h"

#include <QStringDecoder>
#include <QtAlgorithms>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace TextEncoding {

namespace {

// Frequency of each letter а..я in Russian text, per thousand letters.
constexpr double Frequencies[32] = {
    80, 16, 45, 17, 30, 85, 9, 16, 74, 12, 35, 44, 32, 67, 110, 28,
    47, 55, 63, 26, 3,  10, 5, 14, 7,  4,  1,  19, 17, 3,  6,   20,
};
constexpr double CapitalWeight = 0.8;
constexpr double StrangePenalty = 100;
// A capital right after a small letter ("нАЕД") is rare in Russian and
// usual in text read in the other encoding, which swaps the cases.
constexpr double CaseFlipPenalty = 100;

bool isCyrillic(QChar c) { return c.unicode() >= 0x0400 && c.unicode() <= 0x04ff; }

// The text in the named 8-bit encoding, or an empty text when this Qt has
// no decoder for it or some byte stands for no character.
QString decodedAs(const char *name, QByteArrayView bytes, bool *ok)
{
    QStringDecoder decoder(name, QStringDecoder::Flag::Stateless);
    *ok = decoder.isValid();
    if (!*ok)
        return QString();
    QString text = decoder(bytes);
    *ok = !decoder.hasError() && !text.contains(QChar::ReplacementCharacter);
    return text;
}

// Whether most of the bytes above ASCII form UTF-8 sequences (overlong
// forms and surrogates do not). A text in an 8-bit encoding seldom has
// even one: its letters would have to pair up exactly as UTF-8's do.
bool mostlyUtf8(QByteArrayView bytes)
{
    qsizetype good = 0;
    qsizetype bad = 0;
    for (qsizetype i = 0; i < bytes.size();) {
        const auto lead = uchar(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        // The length of the sequence and the range of its second byte.
        qsizetype length = 0;
        uchar low = 0x80;
        uchar high = 0xbf;
        if (lead >= 0xc2 && lead <= 0xdf) {
            length = 2;
        } else if (lead >= 0xe0 && lead <= 0xef) {
            length = 3;
            low = lead == 0xe0 ? 0xa0 : low;
            high = lead == 0xed ? 0x9f : high;
        } else if (lead >= 0xf0 && lead <= 0xf4) {
            length = 4;
            low = lead == 0xf0 ? 0x90 : low;
            high = lead == 0xf4 ? 0x8f : high;
        }
        qsizetype k = 1;
        for (; k < length && i + k < bytes.size(); ++k) {
            const auto next = uchar(bytes[i + k]);
            if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xbf))
                break;
        }
        if (length > 0 && k == length) {
            good += length;
            i += length;
        } else {
            ++bad;
            ++i;
        }
    }
    return good >= bad;
}

} // namespace

double russianScore(QStringView text)
{
    double score = 0;
    bool afterSmall = false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool small = (u >= 0x0430 && u <= 0x044f) || u == 0x0451;
        const bool capital = (u >= 0x0410 && u <= 0x042f) || u == 0x0401;
        if (capital && afterSmall)
            score -= CaseFlipPenalty;
        afterSmall = small;
        // ё and Ё count as е and Е
        if (small)
            score += Frequencies[u == 0x0451 ? 5 : u - 0x0430];
        else if (capital)
            score += Frequencies[u == 0x0401 ? 5 : u - 0x0410] * CapitalWeight;
        else if (u >= 0x80 && !isCyrillic(c) && u != 0x00a0 && u != 0x00ab && u != 0x00bb
                 && u != 0x2116 && (u < 0x2010 || u > 0x2026))
            score -= StrangePenalty; // not a letter or sign usual in Russian text
    }
    return score;
}

bool isPlainUtf8(QByteArrayView bytes)
{
    const auto *c = reinterpret_cast<const uchar *>(bytes.data());
    const uchar *end = c + bytes.size();
    const auto continues = [](uchar b) {
        return (b & 0xc0) == 0x80;
    };
    while (c != end) {
        // Sixty-four bytes of ASCII at a time where the processor can, as
        // most of a page is, then sixteen.
#ifdef __SSE2__
        if (end - c >= 64) {
            const auto *block = reinterpret_cast<const __m128i *>(c);
            const __m128i any =
                _mm_or_si128(_mm_or_si128(_mm_loadu_si128(block), _mm_loadu_si128(block + 1)),
                             _mm_or_si128(_mm_loadu_si128(block + 2), _mm_loadu_si128(block + 3)));
            if (_mm_movemask_epi8(any) == 0) {
                c += 64;
                continue;
            }
        }
        if (end - c >= 16) {
            const auto high =
                uint(_mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i *>(c))));
            if (high == 0) {
                c += 16;
                continue;
            }
            c += qCountTrailingZeroBits(high); // to the first byte above ASCII
        }
#endif
        // A run of bytes above ASCII (a word in Cyrillic) is checked a
        // sequence at a time, without looking for blocks of ASCII in it.
        do {
            const uchar lead = *c;
            if (lead < 0x80) {
                ++c;
            } else if (lead >= 0xc2 && lead <= 0xdf) {
                if (end - c < 2 || !continues(c[1]))
                    return false;
                c += 2;
            } else if (lead >= 0xe0 && lead <= 0xef) {
                if (end - c < 3 || !continues(c[1]) || !continues(c[2]))
                    return false;
                const uint code =
                    uint(lead & 0x0f) << 12 | uint(c[1] & 0x3f) << 6 | uint(c[2] & 0x3f);
                // Overlong, a surrogate, a noncharacter or the byte-order mark.
                if (code < 0x800 || (code >= 0xd800 && code <= 0xdfff)
                    || (code >= 0xfdd0 && code <= 0xfdef) || code >= 0xfffe || code == 0xfeff)
                    return false;
                c += 3;
            } else {
                return false;
            }
        } while (c != end && *c >= 0x80);
    }
    return true;
}

Decoded decode(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    Decoded result;
    result.encoding = QStringLiteral("UTF-8");
    result.text = utf8(bytes);
    if (!utf8.hasError())
        return result;
    if (mostlyUtf8(bytes)) {
        result.kind = Decoded::DamagedUtf8;
        return result;
    }

    const struct {
        const char *name;
        QString shown;
    } candidates[] = {{"windows-1251", QStringLiteral("CP1251")},
                      {"KOI8-R", QStringLiteral("KOI8-R")}};
    double best = 0;
    for (const auto &candidate : candidates) {
        bool ok = false;
        QString text = decodedAs(candidate.name, bytes, &ok);
        const double score = ok ? russianScore(text) : 0;
        if (ok && score > best) {
            best = score;
            result.kind = Decoded::EightBit;
            result.encoding = candidate.shown;
            result.text = std::move(text);
        }
    }
    if (result.kind != Decoded::EightBit)
        result.kind = Decoded::Unreadable;
    return result;
}

} // namespace TextEncoding
