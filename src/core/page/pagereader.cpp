#include "core/page/pagereader.h"

#include "core/nutrition/numbertext.h"
#include "core/page/cardrows.h"
#include "core/page/htmltext.h"
#include "core/page/wasterows.h"
#include "core/platform/trcontext.h"
#include "core/ration/dish.h"
#include "core/ration/rationnorm.h"

#include <QDate>
#include <QVarLengthArray>
#include <QtAlgorithms>

#include <algorithm>
#include <array>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

// The page's texts translate as they always have, as the page's own.
TR_CONTEXT(RationPage)

namespace {

// The line from begin to its end, without its line break.
QByteArrayView lineBetween(const char *begin, const char *end)
{
    QByteArrayView line(begin, end);
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

} // namespace

void PageReader::findEnds(int count)
{
    Q_ASSERT(count <= MostAhead);
    if (m_last - m_first >= count)
        return;
    // The ends not yet read to the front, leaving room for a block's.
    std::copy(m_ends.begin() + m_first, m_ends.begin() + m_last, m_ends.begin());
    m_last -= m_first;
    m_first = 0;
    const char *const end = m_bytes.data() + m_bytes.size();
    while (m_last < count) {
        const char *from = m_scanned;
        if (from == end) {
            // Past the page's end every line ends there.
            m_ends[m_last++] = end;
            continue;
        }
#ifdef __SSE2__
        // A page is mostly short lines of tags: the line breaks of 64 bytes
        // are found at once where the processor can.
        if (end - from >= BlockSize) {
            const __m128i lf = _mm_set1_epi8('\n');
            quint64 found = 0;
            const auto *block = reinterpret_cast<const __m128i *>(from);
            for (int k = 0; k < BlockSize / 16; ++k) {
                const __m128i bytes = _mm_loadu_si128(block + k);
                found |= quint64(uint(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, lf)))) << (16 * k);
            }
            for (; found != 0; found &= found - 1)
                m_ends[m_last++] = from + qCountTrailingZeroBits(found) + 1;
            m_scanned = from + BlockSize;
            continue;
        }
#endif
        // Less than a block is left: the rest of the page, a byte at a time.
        for (; from != end; ++from) {
            if (*from == '\n')
                m_ends[m_last++] = from + 1;
        }
        m_scanned = end;
    }
}

QByteArrayView PageReader::nextLine()
{
    findEnds(1);
    const char *begin = m_bytes.data() + m_pos;
    const char *end = m_ends[m_first++];
    m_pos = end - m_bytes.data();
    return lineBetween(begin, end);
}

QByteArrayView PageReader::lineAhead(int count)
{
    findEnds(count);
    const char *begin = count >= 2 ? m_ends[m_first + count - 2] : m_bytes.data() + m_pos;
    return lineBetween(begin, m_ends[m_first + count - 1]);
}

RationRow PageReader::readRow(Ration::Sums &sums)
{
    // Where the 20 lines after the marker end, found in one sweep; each text
    // stands on the middle line of its cell's three.
    constexpr int Lines = MostAhead;
    findEnds(Lines);
    const char *const *ends = m_ends.data() + m_first;
    std::array<QByteArrayView, Ration::ColumnCount> lines;
    qsizetype bytes = 0;
    for (int c = 0; c < Ration::ColumnCount; ++c) {
        const int line = 3 * c; // the text's line is ends[line] to ends[line + 1]
        lines[c] = lineBetween(ends[line], ends[line + 1]);
        bytes += lines[c].size();
    }
    m_pos = ends[Lines - 1] - m_bytes.data();
    m_first += Lines;
    // The row's texts one after another in one string, which no text
    // outgrows: it is no longer than its bytes.
    QString joined(bytes + PageText::Slack, Qt::Uninitialized);
    auto *const start = reinterpret_cast<char16_t *>(joined.data());
    char16_t *out = start;
    RationRow::Ends cellEnds{};
    for (int c = 0; c < Ration::ColumnCount; ++c) {
        out = m_text.textTo(lines[c], out);
        cellEnds[c] = int(out - start);
    }
    joined.truncate(out - start);
    RationRow row(std::move(joined), cellEnds);
    // A number written plainly is read from its bytes, which are its text;
    // any other text by the number rule.
    for (int c = 1; c < Ration::ColumnCount; ++c) {
        float value = 0.0f;
        if (!NumberText::parsePlain(lines[c], &value))
            value = NumberText::parse(row.cellView(c));
        sums[c - 1] += double(value);
    }
    return row;
}

void PageReader::readDish()
{
    Ration &ration = m_result.ration;
    bool entity = false;
    const QString yield = HtmlText::unescape(m_text.decoded(lineAhead(5), &entity)).trimmed();
    // Without products nothing is too small: only the number itself is checked.
    ration.yield = Dish::acceptsYield(yield) ? yield : QString();
    // An empty yield is a dish whose products are not weighed after cooking.
    if (ration.yield.isEmpty() && !yield.isEmpty())
        m_result.ignored.append(tr("выход готового блюда %1").arg(RationPage::quoted(yield)));
    bool ok = false;
    const QString portionsText = m_text.decoded(lineAhead(11), &entity);
    const int portions = portionsText.toInt(&ok);
    ration.portions = ok && portions >= 1 && portions <= Dish::MaxPortions ? portions : 1;
    if (ration.portions != portions)
        m_result.ignored.append(
            tr("число порций %1").arg(RationPage::quoted(HtmlText::unescape(portionsText))));
}

void PageReader::readProfile(QByteArrayView line)
{
    bool entity = false;
    const QStringList fields{HtmlText::unescape(m_text.decoded(lineAhead(5), &entity)).trimmed(),
                             RationPage::attribute(line, "data-sex"),
                             RationPage::attribute(line, "data-age"),
                             RationPage::attribute(line, "data-activity")};
    Ration &ration = m_result.ration;
    Profiles::Refusal refusal;
    std::optional<Profile> profile = Profiles::fromFields(fields, &refusal);
    if (profile) {
        if (const auto nameRefused = Profiles().check(profile->name))
            refusal = *nameRefused, profile.reset();
    }
    if (!profile) {
        m_result.ignored.append(
            tr("профиль %1 (%2)").arg(RationPage::quoted(fields[0]), refusal.message().chopped(1)));
        return;
    }
    ration.profile = profile;
    const QString shareText = RationPage::attribute(line, "data-share");
    bool ok = false;
    const int share = shareText.toInt(&ok);
    ration.share = ok && RationNorm::acceptsShare(share) ? share : 100;
    if (ration.share != share)
        m_result.ignored.append(tr("доля дневной нормы %1").arg(RationPage::quoted(shareText)));
}

void PageReader::readCard()
{
    CardData &card = m_result.ration.card;
    const QString number = m_text.text(lineAhead(5));
    if (CardData::numberProblem(number).isEmpty())
        card.number = number;
    else
        m_result.ignored.append(tr("номер карты %1").arg(RationPage::quoted(number)));
    const QString date = m_text.text(lineAhead(11)).trimmed();
    card.date = QDate::fromString(date, CardRows::DateFormat);
    if (!card.date.isValid() && !date.isEmpty())
        m_result.ignored.append(tr("дата карты %1").arg(RationPage::quoted(date)));
    const QString batch = m_text.text(lineAhead(17));
    const CardData::BatchReading reading = CardData::readBatch(batch);
    card.batch = reading.batch;
    if (!reading.ok)
        m_result.ignored.append(
            tr("количество порций для закладки %1").arg(RationPage::quoted(batch)));
}

void PageReader::readTechnology()
{
    static const QByteArray lineBreak = CardRows::LineBreak.toLatin1();
    // A <br> of the page is a line break; one the user typed is escaped.
    // Lines past the longest text a card keeps are not read.
    QStringList lines;
    qsizetype length = 0;
    for (QByteArrayView rest = lineAhead(5); length <= CardData::MaxTechnologyLength;) {
        const qsizetype at = rest.indexOf(lineBreak);
        lines.append(m_text.text(at < 0 ? rest : rest.first(at)));
        length += lines.constLast().size() + 1;
        if (at < 0)
            break;
        rest = rest.sliced(at + lineBreak.size());
    }
    QString text = lines.join(QLatin1Char('\n'));
    if (text.size() > CardData::MaxTechnologyLength)
        PageText::cutToLongest(text, CardData::MaxTechnologyLength, &m_result.cut);
    m_result.ration.card.technology = text;
}

RationPage::ReadResult PageReader::read()
{
    static const QByteArray titleLine = RationPage::TitleLine.toLatin1();
    static const QByteArray rowLine = RationPage::RowLine.toLatin1();
    static const QByteArray dishLine = RationPage::DishLine.toLatin1();
    static const QByteArray extraStart = RationPage::ExtraLineStart.toLatin1();
    static const QByteArray profileStart = RationPage::ProfileLineStart.toLatin1();
    static const QByteArray wasteStart = WasteRows::LineStart.toLatin1();
    static const QByteArray cardLine = CardRows::CardLine.toLatin1();
    static const QByteArray technologyLine = CardRows::TechnologyLine.toLatin1();
    static const QByteArray totalsLine = QByteArrayLiteral("<tr bgcolor=\"Grey\">");
    static const QByteArray endLine = QByteArrayLiteral("</html>");
    m_result = {};
    m_result.status = RationPage::ReadResult::Ok;
    bool hasTotals = false;
    bool hasEnd = false;
    Ration::Sums sums{};
    QList<WasteRows::Entry> wastes;
    while (m_pos < m_bytes.size()) {
        const QByteArrayView line = nextLine();
        if (line == titleLine) {
            m_result.ration.name = m_text.text(lineAhead(1));
            m_result.hasTitle = true;
        } else if (line == rowLine) {
            // A row marker among a row's lines is not another row.
            m_result.ration.rows.append(readRow(sums));
        } else if (line == totalsLine) {
            hasTotals = true;
        } else if (line == endLine) {
            hasEnd = true;
        } else if (line == dishLine) {
            readDish();
        } else if (line == cardLine) {
            readCard();
        } else if (line == technologyLine) {
            readTechnology();
        } else if (line.startsWith(extraStart)) {
            // One test passes over every other line, as it did the profile's.
            if (line.startsWith(profileStart))
                readProfile(line);
            else if (line.startsWith(wasteStart))
                wastes.append(WasteRows::entryOf(line));
        }
    }
    // The rows a waste row names may come after it.
    m_result.ignored += WasteRows::take(m_result.ration.rows, wastes);
    m_result.complete = hasTotals && hasEnd;
    m_result.cut = m_result.cut || m_text.wasCut();
    m_result.ration.totals = Ration::totalsOf(sums);
    m_result.ration.sums = sums;
    return std::move(m_result);
}
