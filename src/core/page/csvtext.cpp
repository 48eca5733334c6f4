#include "core/page/csvtext.h"

#include <array>
#include <utility>

namespace CsvText {

namespace {

bool isFormulaStart(QChar c) { return c == u'=' || c == u'+' || c == u'-' || c == u'@'; }

// The records the separator is guessed from: enough to see a pattern, few
// enough that a long file costs nothing.
constexpr int SampleRecords = 20;

// A formula, or one that safeText has put apostrophes before already: a
// name that begins so keeps its own apostrophes when it is read back.
bool looksLikeFormula(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u'\'')
        ++i;
    return i < text.size() && isFormulaStart(text[i]);
}

} // namespace

QString field(const QString &text, QChar separator)
{
    bool quoted = false;
    for (const QChar c : text)
        quoted = quoted || c == separator || c == u'"' || c == u'\r' || c == u'\n';
    if (!quoted)
        return text;
    QString doubled = text;
    doubled.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QString safeText(const QString &text)
{
    return looksLikeFormula(text) ? QLatin1Char('\'') + text : text;
}

QString plainText(const QString &cell)
{
    return cell.startsWith(QLatin1Char('\'')) && looksLikeFormula(cell.mid(1)) ? cell.mid(1) : cell;
}

QList<QStringList> read(QStringView text, QChar separator, QList<int> *lines)
{
    if (text.startsWith(QChar(0xFEFF)))
        text = text.mid(1);
    QList<QStringList> records;
    QStringList record;
    QString current;
    bool inQuotes = false;
    int line = 1;
    int recordLine = 1;
    const auto endRecord = [&] {
        record.append(std::exchange(current, QString()));
        records.append(std::exchange(record, QStringList()));
        if (lines)
            lines->append(recordLine);
        recordLine = line;
    };
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (inQuotes) {
            // A line break inside quotes is the field's; the lines still count.
            if (c == u'\n' || (c == u'\r' && (i + 1 == size || text[i + 1] != u'\n')))
                ++line;
            if (c != u'"')
                current += c;
            else if (i + 1 < size && text[i + 1] == u'"')
                current += text[++i];
            else
                inQuotes = false;
        } else if (c == u'"') {
            inQuotes = true;
        } else if (c == separator) {
            record.append(std::exchange(current, QString()));
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n')
                ++i;
            ++line;
            endRecord();
        } else {
            current += c;
        }
    }
    if (!current.isEmpty() || !record.isEmpty())
        endRecord();
    return records;
}

QChar separatorOf(QStringView text)
{
    static constexpr std::array<char16_t, 3> candidates{u'\t', u';', u','};
    std::array<int, 3> total{};
    std::array<int, 3> recordsHolding{};
    std::array<int, 3> inRecord{};
    int records = 0;
    bool inQuotes = false;
    const auto endRecord = [&] {
        if (inRecord == std::array<int, 3>{})
            return;
        ++records;
        for (std::size_t k = 0; k < candidates.size(); ++k) {
            total[k] += inRecord[k];
            recordsHolding[k] += inRecord[k] > 0 ? 1 : 0;
        }
        inRecord = {};
    };
    for (qsizetype i = 0; i < text.size() && records < SampleRecords; ++i) {
        const QChar c = text[i];
        if (c == u'"')
            inQuotes = !inQuotes;
        else if (!inQuotes && (c == u'\n' || c == u'\r'))
            endRecord();
        for (std::size_t k = 0; k < candidates.size(); ++k)
            inRecord[k] += !inQuotes && c == candidates[k] ? 1 : 0;
    }
    endRecord();
    for (std::size_t k = 0; k < candidates.size(); ++k) {
        if (records > 0 && recordsHolding[k] == records)
            return candidates[k];
    }
    std::size_t best = 1;
    for (std::size_t k = 0; k < candidates.size(); ++k) {
        if (total[k] > total[best])
            best = k;
    }
    return candidates[best];
}

} // namespace CsvText
