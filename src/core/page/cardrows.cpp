#include "core/page/cardrows.h"

#include "core/page/htmltext.h"
#include "core/page/rationpage.h"

#include <QRegularExpression>

namespace CardRows {

const QString CardLine = QStringLiteral("<tr bgcolor=\"Silver\" id=\"card\">");
const QString TechnologyLine = QStringLiteral("<tr bgcolor=\"Silver\" id=\"technology\">");
const QString LineBreak = QStringLiteral("<br>");

const QString DateFormat = QStringLiteral("yyyy-MM-dd");

namespace {

// A caption and its value: two cells, the caption bold.
QStringList pair(const QString &caption, const QString &value)
{
    const QString black = QStringLiteral("Black");
    return RationPage::cellLines(black, caption, true) + RationPage::cellLines(black, value);
}

// The technology on one line, each line break as LineBreak.
QString technologyLine(const QString &text)
{
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    QStringList parts = text.split(breaks);
    for (QString &part : parts)
        part = HtmlText::escape(part);
    return parts.join(LineBreak);
}

} // namespace

QStringList lines(const CardData &card)
{
    if (card.isEmpty())
        return {};
    QStringList result{CardLine};
    result += pair(CardData::numberField(), card.number);
    result[1].replace(QStringLiteral("<td>"), QStringLiteral("<td colspan=\"2\">"));
    result += pair(CardData::dateField(), card.date.toString(DateFormat));
    result += pair(CardData::batchField(), QString::number(card.batch));
    result.append(QStringLiteral("</tr>"));
    if (!card.technology.isEmpty()) {
        result.append(TechnologyLine);
        result += pair(CardData::technologyField(), QString());
        result[result.size() - 3].replace(QStringLiteral("<td>"),
                                          QStringLiteral("<td colspan=\"6\">"));
        result[result.size() - 2] = technologyLine(card.technology);
        result.append(QStringLiteral("</tr>"));
    }
    return result;
}

} // namespace CardRows
