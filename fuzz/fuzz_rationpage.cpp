// libFuzzer target for the ration page reader and the file loader: any
// bytes must read without a crash or sanitizer report, and whatever reads
// as a ration must survive being written and read again. The loader's path
// takes bytes that are not UTF-8 through the 8-bit encodings, and what it
// reads must then write back as UTF-8 that reads the same.

#include "core/page/rationfile.h"
#include "core/page/rationpage.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

namespace {

// The writer puts every text on one line, turning a carriage return inside
// a text into a blank.
QString oneLine(QString text) { return text.replace(QLatin1Char('\r'), QLatin1Char(' ')); }

void requireSame(const Ration &first, const Ration &second)
{
    if (second.name != oneLine(first.name) || second.rows.size() != first.rows.size()
        || second.totals != first.totals)
        std::abort();
    for (qsizetype r = 0; r < first.rows.size(); ++r) {
        for (int c = 0; c < Ration::ColumnCount; ++c) {
            if (second.rows[r].cell(c) != oneLine(first.rows[r].cell(c)))
                std::abort();
        }
    }
}

void pageRoundTrip(const QByteArray &bytes)
{
    QByteArray input = bytes;
    QBuffer buffer(&input);
    buffer.open(QIODevice::ReadOnly);
    const RationPage::ReadResult first = RationPage::read(buffer);
    if (first.status != RationPage::ReadResult::Ok)
        return;
    QByteArray written = RationPage::fileText(first.ration).toUtf8();
    QBuffer again(&written);
    again.open(QIODevice::ReadOnly);
    const RationPage::ReadResult second = RationPage::read(again);
    if (second.status != RationPage::ReadResult::Ok || !second.complete)
        std::abort();
    requireSame(first.ration, second.ration);
}

void fileRoundTrip(const QByteArray &bytes)
{
    const RationFile::LoadResult first = RationFile::fromBytes(bytes);
    if (first.status != RationFile::LoadResult::Ok)
        return;
    const RationFile::LoadResult second =
        RationFile::fromBytes(RationPage::fileText(first.ration).toUtf8());
    // Written by us: UTF-8, complete, no text over the limit.
    if (second.status != RationFile::LoadResult::Ok || second.recoded || !second.warnings.isEmpty())
        std::abort();
    requireSame(first.ration, second.ration);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    pageRoundTrip(bytes);
    fileRoundTrip(bytes);
    return 0;
}
