#include "core/page/pagereader.h"

#include "core/page/cardrows.h"
#include "core/page/htmltext.h"
#include "core/platform/trcontext.h"
#include "core/ration/dish.h"
#include "core/ration/rationnorm.h"

#include <QDate>
#include <QVarLengthArray>
#include <QtAlgorithms>

#include <algorithm>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

// The page's texts translate as they always have, as the page's own.
TR_CONTEXT(RationPage)

namespace {

// Cuts a text to the longest allowed, never between the halves of a
// surrogate pair.
void cutToLongest(QString &text, qsizetype longest, bool *cut)
{
    qsizetype length = qMin(text.size(), longest);
    if (length > 0 && text[length - 1].isHighSurrogate())
        --length;
    text.truncate(length);
    *cut = true;
}

// Where each of the next count lines from `from` on ends: just after its
// LF, or at `end`. A page is mostly short lines of tags: sixteen bytes are
// looked at a time where the processor can, all the line breaks among them
// at once.
void lineEnds(const char *from, const char *end, int count, const char **ends)
{
    int n = 0;
#ifdef __SSE2__
    const __m128i lf = _mm_set1_epi8('\n');
    for (; n < count && end - from >= 16; from += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(from));
        for (auto found = uint(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, lf)));
             found != 0 && n < count; found &= found - 1)
            ends[n++] = from + qCountTrailingZeroBits(found) + 1;
    }
#endif
    for (; n < count && from != end; ++from) {
        if (*from == '\n')
            ends[n++] = from + 1;
    }
    while (n < count)
        ends[n++] = end;
}

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

QByteArrayView PageReader::nextLine()
{
    const char *begin = m_bytes.data() + m_pos;
    const char *end = nullptr;
    lineEnds(begin, m_bytes.data() + m_bytes.size(), 1, &end);
    m_pos = end - m_bytes.data();
    return lineBetween(begin, end);
}

QByteArrayView PageReader::lineAhead(int count) const
{
    QVarLengthArray<const char *, 12> ends(count);
    const char *begin = m_bytes.data() + m_pos;
    lineEnds(begin, m_bytes.data() + m_bytes.size(), count, ends.data());
    return lineBetween(count >= 2 ? ends[count - 2] : begin, ends[count - 1]);
}

QString PageReader::decoded(QByteArrayView bytes, bool *entity)
{
    // Numbers and tags are ASCII, copied as they are while looking for an
    // entity; other texts go through the UTF-8 decoder.
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    bool ampersand = false;
    for (const char c : bytes) {
        if (uchar(c) >= 0x80) {
            // UTF-8 takes no more UTF-16 units than bytes.
            text.truncate(m_utf8.appendToBuffer(text.data(), bytes) - text.constData());
            *entity = text.contains(QLatin1Char('&'));
            return text;
        }
        ampersand = ampersand || c == '&';
        *out++ = char16_t(c);
    }
    *entity = ampersand;
    return text;
}

QString PageReader::pageText(QByteArrayView line)
{
    // An entity stands for one character in at most six; a line of no more
    // bytes than that window holds no more characters.
    const qsizetype window = RationPage::MaxTextLength * 6;
    bool entity = false;
    if (line.size() > window) {
        // The window's characters come from at most three bytes each; a
        // line longer than those bytes and a character has more characters
        // than the window, and is cut whatever they are.
        const qsizetype prefix = 3 * window + 3;
        const QString head = decoded(line.first(qMin(line.size(), prefix)), &entity);
        QString text = HtmlText::unescape(head.left(window));
        if (text.size() > RationPage::MaxTextLength || head.size() > window || line.size() > prefix)
            cutToLongest(text, RationPage::MaxTextLength, &m_result.cut);
        return text;
    }
    QString text = decoded(line, &entity);
    if (entity)
        text = HtmlText::unescape(text);
    if (text.size() > RationPage::MaxTextLength)
        cutToLongest(text, RationPage::MaxTextLength, &m_result.cut);
    return text;
}

QStringList PageReader::readRow()
{
    // Where the 20 lines after the marker end, found in one sweep; each text
    // stands on the middle line of its cell's three.
    constexpr int Lines = 3 * Ration::ColumnCount - 1;
    const char *ends[Lines];
    lineEnds(m_bytes.data() + m_pos, m_bytes.data() + m_bytes.size(), Lines, ends);
    QStringList row(Ration::ColumnCount);
    for (int c = 0; c < Ration::ColumnCount; ++c) {
        const int line = 3 * c; // the text's line is ends[line] to ends[line + 1]
        row[c] = pageText(lineBetween(ends[line], ends[line + 1]));
    }
    m_pos = ends[Lines - 1] - m_bytes.data();
    return row;
}

void PageReader::readDish()
{
    Ration &ration = m_result.ration;
    bool entity = false;
    const QString yield = HtmlText::unescape(decoded(lineAhead(5), &entity)).trimmed();
    // Without products nothing is too small: only the number itself is checked.
    ration.yield = Dish::acceptsYield(yield) ? yield : QString();
    // An empty yield is a dish whose products are not weighed after cooking.
    if (ration.yield.isEmpty() && !yield.isEmpty())
        m_result.ignored.append(tr("выход готового блюда %1").arg(quoted(yield)));
    bool ok = false;
    const QString portionsText = decoded(lineAhead(11), &entity);
    const int portions = portionsText.toInt(&ok);
    ration.portions = ok && portions >= 1 && portions <= Dish::MaxPortions ? portions : 1;
    if (ration.portions != portions)
        m_result.ignored.append(
            tr("число порций %1").arg(quoted(HtmlText::unescape(portionsText))));
}

namespace {
// The value of an attribute of a tag line: data-age="30-44" gives 30-44.
QString attribute(QByteArrayView line, QByteArrayView name)
{
    const QByteArray key = name.toByteArray() + "=\"";
    const qsizetype at = line.indexOf(key);
    if (at < 0)
        return {};
    const qsizetype from = at + key.size();
    const qsizetype to = line.indexOf('"', from);
    return to < 0 ? QString() : QString::fromUtf8(line.sliced(from, to - from));
}
} // namespace

void PageReader::readProfile(QByteArrayView line)
{
    bool entity = false;
    const QStringList fields{HtmlText::unescape(decoded(lineAhead(5), &entity)).trimmed(),
                             attribute(line, "data-sex"), attribute(line, "data-age"),
                             attribute(line, "data-activity")};
    Ration &ration = m_result.ration;
    Profiles::Refusal refusal;
    std::optional<Profile> profile = Profiles::fromFields(fields, &refusal);
    if (profile) {
        if (const auto nameRefused = Profiles().check(profile->name))
            refusal = *nameRefused, profile.reset();
    }
    if (!profile) {
        m_result.ignored.append(
            tr("профиль %1 (%2)").arg(quoted(fields[0]), refusal.message().chopped(1)));
        return;
    }
    ration.profile = profile;
    const QString shareText = attribute(line, "data-share");
    bool ok = false;
    const int share = shareText.toInt(&ok);
    ration.share = ok && RationNorm::acceptsShare(share) ? share : 100;
    if (ration.share != share)
        m_result.ignored.append(tr("доля дневной нормы %1").arg(quoted(shareText)));
}

void PageReader::readCard()
{
    CardData &card = m_result.ration.card;
    const QString number = pageText(lineAhead(5));
    if (CardData::numberProblem(number).isEmpty())
        card.number = number;
    else
        m_result.ignored.append(tr("номер карты %1").arg(quoted(number)));
    const QString date = pageText(lineAhead(11)).trimmed();
    card.date = QDate::fromString(date, CardRows::DateFormat);
    if (!card.date.isValid() && !date.isEmpty())
        m_result.ignored.append(tr("дата карты %1").arg(quoted(date)));
    const QString batch = pageText(lineAhead(17));
    const CardData::BatchReading reading = CardData::readBatch(batch);
    card.batch = reading.batch;
    if (!reading.ok)
        m_result.ignored.append(tr("количество порций для закладки %1").arg(quoted(batch)));
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
        lines.append(pageText(at < 0 ? rest : rest.first(at)));
        length += lines.constLast().size() + 1;
        if (at < 0)
            break;
        rest = rest.sliced(at + lineBreak.size());
    }
    QString text = lines.join(QLatin1Char('\n'));
    if (text.size() > CardData::MaxTechnologyLength)
        cutToLongest(text, CardData::MaxTechnologyLength, &m_result.cut);
    m_result.ration.card.technology = text;
}

RationPage::ReadResult PageReader::read()
{
    static const QByteArray titleLine = RationPage::TitleLine.toLatin1();
    static const QByteArray rowLine = RationPage::RowLine.toLatin1();
    static const QByteArray dishLine = RationPage::DishLine.toLatin1();
    static const QByteArray profileStart = RationPage::ProfileLineStart.toLatin1();
    static const QByteArray cardLine = CardRows::CardLine.toLatin1();
    static const QByteArray technologyLine = CardRows::TechnologyLine.toLatin1();
    static const QByteArray totalsLine = QByteArrayLiteral("<tr bgcolor=\"Grey\">");
    static const QByteArray endLine = QByteArrayLiteral("</html>");
    m_result = {};
    m_result.status = RationPage::ReadResult::Ok;
    bool hasTotals = false;
    bool hasEnd = false;
    Ration::Sums sums{};
    while (m_pos < m_bytes.size()) {
        const QByteArrayView line = nextLine();
        if (line == titleLine) {
            m_result.ration.name = pageText(lineAhead(1));
            m_result.hasTitle = true;
        } else if (line == rowLine) {
            // A row marker among a row's lines is not another row.
            QStringList row = readRow();
            Ration::addRow(sums, row);
            m_result.ration.rows.append(std::move(row));
        } else if (line == totalsLine) {
            hasTotals = true;
        } else if (line == endLine) {
            hasEnd = true;
        } else if (line == dishLine) {
            readDish();
        } else if (line.startsWith(profileStart)) {
            readProfile(line);
        } else if (line == cardLine) {
            readCard();
        } else if (line == technologyLine) {
            readTechnology();
        }
    }
    m_result.complete = hasTotals && hasEnd;
    m_result.ration.totals = Ration::totalsOf(sums);
    m_result.ration.sums = sums;
    return std::move(m_result);
}
