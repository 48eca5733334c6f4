#include "core/page/figuretable.h"

#include "core/nutrition/numbertext.h"
#include "core/page/csvtext.h"
#include "core/page/htmltext.h"

namespace {

QString withPoint(const QString &number, QChar decimalPoint)
{
    QString text = number;
    return text.replace(QLatin1Char('.'), decimalPoint);
}

} // namespace

QChar FigureTable::separatorOf(Dialect dialect)
{
    return dialect == Dialect::Semicolon ? QLatin1Char(';') : QLatin1Char(',');
}

QChar FigureTable::decimalPointOf(Dialect dialect)
{
    return dialect == Dialect::Semicolon ? QLatin1Char(',') : QLatin1Char('.');
}

FigureTable::Cell FigureTable::figure(const QString &text)
{
    return {text, NumberText::isNumber(text)};
}

QString FigureTable::separated(QChar separator, QChar decimalPoint, const QString &end) const
{
    QString out;
    const auto line = [&](const Row &cells) {
        for (qsizetype c = 0; c < cells.size(); ++c) {
            if (c > 0)
                out += separator;
            const Cell &cell = cells[c];
            out += cell.number ? withPoint(cell.text, decimalPoint)
                               : CsvText::field(CsvText::safeText(cell.text), separator);
        }
        out += end;
    };
    Row header;
    for (const QString &title : titles)
        header.append(text(title));
    line(header);
    for (const Row &row : rows)
        line(row);
    return out;
}

QByteArray FigureTable::csvFile(Dialect dialect) const
{
    return QByteArray(CsvText::Utf8Bom)
        + separated(separatorOf(dialect), decimalPointOf(dialect), QStringLiteral("\r\n")).toUtf8();
}

QString FigureTable::tabText(QChar decimalPoint) const
{
    return separated(QLatin1Char('\t'), decimalPoint, QStringLiteral("\n"));
}

QString FigureTable::html(QChar decimalPoint) const
{
    QString out = QStringLiteral("<html><head><meta http-equiv=\"Content-Type\" "
                                 "content=\"text/html; charset=utf-8\"></head><body>\n<table>\n");
    out += QStringLiteral("<tr>");
    for (const QString &title : titles)
        out += QStringLiteral("<th>%1</th>").arg(HtmlText::escape(title));
    out += QStringLiteral("</tr>\n");
    for (const Row &row : rows) {
        out += QStringLiteral("<tr>");
        for (const Cell &cell : row) {
            if (!cell.number) {
                // Gnumeric takes a cell's "=1+2" for a formula here too.
                out += QStringLiteral("<td>%1</td>")
                           .arg(HtmlText::escape(CsvText::safeText(cell.text)));
                continue;
            }
            // LibreOffice reads sdval (with sdnum naming its format), Excel
            // x:num; Gnumeric reads the text by the desktop's locale.
            out += QStringLiteral("<td sdval=\"%1\" sdnum=\"1033;\" x:num=\"%1\">%2</td>")
                       .arg(cell.text, withPoint(cell.text, decimalPoint));
        }
        out += QStringLiteral("</tr>\n");
    }
    out += QStringLiteral("</table>\n</body></html>\n");
    return out;
}
