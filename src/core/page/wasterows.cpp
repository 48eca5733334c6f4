#include "core/page/wasterows.h"

#include "core/catalogue/waste.h"
#include "core/nutrition/numbertext.h"
#include "core/page/rationpage.h"
#include "core/platform/trcontext.h"

// The report's texts are the page's.
TR_CONTEXT(RationPage)

namespace WasteRows {

const QString LineStart = QStringLiteral("<tr bgcolor=\"Silver\" id=\"waste\"");

QStringList lines(const QList<RationRow> &rows)
{
    QStringList result;
    const QString black = QStringLiteral("Black");
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const RationRow &row = rows[r];
        if (row.wasteView().isEmpty())
            continue;
        // A waste is kept as Waste::read gives it: digits and a point.
        const QString waste = row.waste();
        result.append(
            LineStart
            + QStringLiteral(" data-row=\"%1\" data-waste=\"%2\">").arg(r + 1).arg(waste));
        result += RationPage::cellLines(black, row.cell(0));
        result += RationPage::cellLines(black, Waste::fieldName(), true);
        result += RationPage::cellLines(black, waste);
        result += RationPage::cellLines(black, Waste::grossFieldName(), true);
        result += RationPage::cellLines(
            black,
            Waste::grossText(double(NumberText::parse(row.cellView(1))), row.wastePercent()));
        result.append(QStringLiteral("</tr>"));
    }
    return result;
}

Entry entryOf(QByteArrayView line)
{
    return {RationPage::attribute(line, "data-row"), RationPage::attribute(line, "data-waste")};
}

QStringList take(QList<RationRow> &rows, const QList<Entry> &entries)
{
    QStringList ignored;
    for (const Entry &entry : entries) {
        bool ok = false;
        const int row = entry.row.toInt(&ok);
        const Waste::Reading reading = Waste::read(entry.waste);
        // The one empty row of a ration without products is no product.
        if (!ok || row < 1 || row > rows.size() || rows[row - 1].isEmpty()) {
            ignored.append(
                tr("отходы %1 строки %2")
                    .arg(RationPage::quoted(entry.waste), RationPage::quoted(entry.row)));
        } else if (!reading.ok || entry.waste.trimmed().isEmpty()) {
            ignored.append(
                tr("отходы %1 строки %2").arg(RationPage::quoted(entry.waste), entry.row));
        } else {
            // No waste is kept as none.
            rows[row - 1].setWaste(reading.percent > 0.0 ? reading.text : QString());
        }
    }
    return ignored;
}

} // namespace WasteRows
