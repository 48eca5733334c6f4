#pragma once

#include <QByteArrayView>
#include <QString>

// Reading text whose encoding is not known: UTF-8 when the bytes are valid
// UTF-8, or mostly so (a letter cut at the end, a stray byte: the damaged
// places read as U+FFFD), and otherwise one of the 8-bit Russian encodings
// that older programs wrote (CP1251 on Windows, KOI8-R on older Unix
// systems), chosen by which gives the more Russian-looking text.
namespace TextEncoding {

struct Decoded {
    enum Kind {
        Utf8,
        DamagedUtf8, // UTF-8 but for a few bytes, each read as U+FFFD
        EightBit,    // decoded from the 8-bit encoding named in encoding
        Unreadable,  // fits none: decoded as UTF-8 with U+FFFD for bad bytes
    };
    Kind kind = Utf8;
    QString encoding; // "UTF-8", "CP1251" or "KOI8-R"
    QString text;
};

Decoded decode(QByteArrayView bytes);

// Whether the bytes are UTF-8 that decode() reads as valid, with nothing
// any decoder might read otherwise: no byte-order mark, no sequence of four
// bytes and no noncharacter. False does not say they are not UTF-8.
bool isPlainUtf8(QByteArrayView bytes);

// How Russian a text looks: the sum of the usual frequencies (per
// thousand letters) of its Cyrillic letters, lower-case letters counting
// in full and capitals a little less, less 100 for every character that is
// neither Cyrillic nor ASCII and for every capital right after a small
// letter.
double russianScore(QStringView text);

} // namespace TextEncoding
