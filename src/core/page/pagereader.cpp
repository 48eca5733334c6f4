#include "core/page/pagereader.h"

#include "core/page/htmltext.h"
#include "core/platform/trcontext.h"
#include "core/ration/dish.h"

#include <QtAlgorithms>

#include <algorithm>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

// The page's texts translate as they always have, as the page's own.
TR_CONTEXT(RationPage)

namespace {

// A text read from the page: unescaped, and cut to the longest allowed
// (never between the halves of a surrogate pair).
QString pageText(QStringView line, bool *cut)
{
    // An entity stands for one character in at most six.
    const qsizetype window = RationPage::MaxTextLength * 6;
    const QStringView head = line.left(window);
    // Most texts hold no entity: they are copied once.
    QString text = std::find(head.begin(), head.end(), QLatin1Char('&')) == head.end()
        ? head.toString()
        : HtmlText::unescape(head.toString());
    if (text.size() > RationPage::MaxTextLength || line.size() > window) {
        qsizetype length = qMin(text.size(), RationPage::MaxTextLength);
        if (length > 0 && text[length - 1].isHighSurrogate())
            --length;
        text.truncate(length);
        *cut = true;
    }
    return text;
}

// Just after the count-th LF from `from` on, or `end` when there are
// fewer. A page is mostly short lines of tags: eight characters are looked
// at a time where the processor can, all the line breaks among them at once.
const QChar *afterLines(const QChar *from, const QChar *end, int count)
{
    if (count <= 0)
        return from;
#ifdef __SSE2__
    const __m128i lf = _mm_set1_epi16('\n');
    for (; end - from >= 8; from += 8) {
        const __m128i chars = _mm_loadu_si128(reinterpret_cast<const __m128i *>(from));
        // Two bits for each character; the low one says whether it is an LF.
        auto found = uint(_mm_movemask_epi8(_mm_cmpeq_epi16(chars, lf))) & 0x5555U;
        for (; found != 0; found &= found - 1) {
            if (--count == 0)
                return from + qCountTrailingZeroBits(found) / 2 + 1;
        }
    }
#endif
    for (; from != end; ++from) {
        if (*from == QLatin1Char('\n') && --count == 0)
            return from + 1;
    }
    return end;
}

// A text the page gave that was not taken, as the user is told of it: in
// quotes, and a long one shortened.
QString quoted(QStringView text)
{
    constexpr qsizetype Shown = 40;
    QString shown = text.left(Shown).toString();
    if (text.size() > Shown)
        shown.replace(Shown - 1, 1, QChar(0x2026));
    return QChar(0x00ab) + shown + QChar(0x00bb);
}

} // namespace

QStringView PageReader::nextLine()
{
    const QChar *begin = m_text.data() + m_pos;
    const QChar *end = m_text.data() + m_text.size();
    const QChar *next = afterLines(begin, end, 1);
    m_pos = next - m_text.data();
    QStringView line(begin, next);
    if (line.endsWith(QLatin1Char('\n')))
        line.chop(1);
    if (line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    return line;
}

void PageReader::skipLines(int count)
{
    const QChar *begin = m_text.data() + m_pos;
    m_pos = afterLines(begin, m_text.data() + m_text.size(), count) - m_text.data();
}

QStringView PageReader::lineAhead(int count) const
{
    PageReader ahead(m_text);
    ahead.m_pos = m_pos;
    ahead.skipLines(count - 1);
    return ahead.nextLine();
}

QStringList PageReader::readRow()
{
    QStringList row;
    row.reserve(Ration::ColumnCount);
    // Each text stands on the middle line of its cell's three.
    for (int c = 0; c < Ration::ColumnCount; ++c) {
        skipLines(c == 0 ? 1 : 2);
        row.append(pageText(nextLine(), &m_result.cut));
    }
    return row;
}

void PageReader::readDish()
{
    Ration &ration = m_result.ration;
    const QString yield = HtmlText::unescape(lineAhead(5).toString()).trimmed();
    // Without products nothing is too small: only the number itself is checked.
    ration.yield = Dish::acceptsYield(yield) ? yield : QString();
    // An empty yield is a dish whose products are not weighed after cooking.
    if (ration.yield.isEmpty() && !yield.isEmpty())
        m_result.ignored.append(tr("выход готового блюда %1").arg(quoted(yield)));
    bool ok = false;
    const QStringView portionsText = lineAhead(11);
    const int portions = portionsText.toInt(&ok);
    ration.portions = ok && portions >= 1 && portions <= Dish::MaxPortions ? portions : 1;
    if (ration.portions != portions)
        m_result.ignored.append(
            tr("число порций %1").arg(quoted(HtmlText::unescape(portionsText.toString()))));
}

RationPage::ReadResult PageReader::read()
{
    static const QString totalsLine = QStringLiteral("<tr bgcolor=\"Grey\">");
    static const QString endLine = QStringLiteral("</html>");
    m_result = {};
    m_result.status = RationPage::ReadResult::Ok;
    bool hasTotals = false;
    bool hasEnd = false;
    Ration::Sums sums{};
    while (m_pos < m_text.size()) {
        const QStringView line = nextLine();
        if (line == RationPage::TitleLine) {
            m_result.ration.name = pageText(lineAhead(1), &m_result.cut);
            m_result.hasTitle = true;
        } else if (line == RationPage::RowLine) {
            // A row marker among a row's lines is not another row.
            QStringList row = readRow();
            Ration::addRow(sums, row);
            m_result.ration.rows.append(std::move(row));
        } else if (line == totalsLine) {
            hasTotals = true;
        } else if (line == endLine) {
            hasEnd = true;
        } else if (line == RationPage::DishLine) {
            readDish();
        }
    }
    m_result.complete = hasTotals && hasEnd;
    m_result.ration.totals = Ration::totalsOf(sums);
    m_result.ration.sums = sums;
    return std::move(m_result);
}
