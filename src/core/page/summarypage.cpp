#include "core/page/summarypage.h"

#include "core/page/htmltext.h"
#include "core/page/rationpage.h"
#include "core/platform/trcontext.h"

#include <QDate>

TR_CONTEXT(SummaryPage)

namespace SummaryPage {

QString title() { return tr("Сводка рационов"); }

QString html(const RationSummary &summary, const QDate &date)
{
    QStringList lines = RationPage::headLines(title());
    lines += {QStringLiteral("<body>"),  QStringLiteral("<h2>"),
              HtmlText::escape(title()), QStringLiteral("</h2>"),
              QStringLiteral("<p>"),     tr("Дата: ") + date.toString(QStringLiteral("dd.MM.yyyy")),
              QStringLiteral("</p>")};
    if (summary.profile) {
        lines +=
            {QStringLiteral("<p>"),
             HtmlText::escape(tr("Норма: профиль «%1», весь день.").arg(summary.profile->name)),
             QStringLiteral("</p>")};
    }
    lines.append(QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
                                "width=\"100%\">"));
    const RationSummary::Table table = summary.table();
    lines += RationPage::headerRowLines(table.titles);
    // The rows after the rations: «Итого», then the norm rows.
    const qsizetype firstAfter = table.rows.size() - (summary.profile ? 3 : 1);
    for (qsizetype r = 0; r < table.rows.size(); ++r) {
        const bool after = r >= firstAfter;
        lines.append(after ? QStringLiteral("<tr bgcolor=\"Silver\">")
                           : QStringLiteral("<tr bgcolor=\"White\">"));
        for (const QString &cell : table.rows[r])
            lines += RationPage::cellLines(QStringLiteral("Black"), cell, r == firstAfter);
        lines.append(QStringLiteral("</tr>"));
    }
    lines += {QStringLiteral("</table>"),
              QStringLiteral("<p>"),
              tr("Масса, вода, белки, жиры и углеводы — в граммах (г), энергия — в "
                 "килокалориях (ккал); столбцы с «%» — доли белков, жиров и углеводов в "
                 "энергии рациона, в процентах."),
              QStringLiteral("</p>"),
              QStringLiteral("</body>"),
              QStringLiteral("</html>")};
    return RationPage::joinLines(lines);
}

} // namespace SummaryPage
