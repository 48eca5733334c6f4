// libFuzzer target for the ration page reader: any bytes must read without
// a crash or sanitizer report, and whatever reads as a ration must survive
// being written and read again.

#include "files/rationpage.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

namespace {

// The writer puts every text on one line, turning a carriage return inside
// a text into a blank.
QString oneLine(QString text) { return text.replace(QLatin1Char('\r'), QLatin1Char(' ')); }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const RationPage::ReadResult first = RationPage::read(buffer);
    if (first.status != RationPage::ReadResult::Ok)
        return 0;

    QByteArray written = RationPage::fileText(first.ration).toUtf8();
    QBuffer again(&written);
    again.open(QIODevice::ReadOnly);
    const RationPage::ReadResult second = RationPage::read(again);
    if (second.status != RationPage::ReadResult::Ok
        || second.ration.name != oneLine(first.ration.name)
        || second.ration.rows.size() != first.ration.rows.size()
        || second.ration.totals != first.ration.totals)
        std::abort();
    for (qsizetype r = 0; r < first.ration.rows.size(); ++r) {
        for (int c = 0; c < Ration::ColumnCount; ++c) {
            if (second.ration.rows[r][c] != oneLine(first.ration.rows[r][c]))
                std::abort();
        }
    }
    return 0;
}
