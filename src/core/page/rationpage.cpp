#include "core/page/rationpage.h"

#include "core/platform/trcontext.h"

#include "core/nutrition/energystructure.h"
#include "core/nutrition/figuretext.h"
#include "core/nutrition/nutrients.h"
#include "core/page/cardrows.h"
#include "core/page/htmltext.h"
#include "core/page/pagereader.h"
#include "core/page/wasterows.h"
#include "core/ration/dish.h"
#include "core/ration/rationnorm.h"

#include <QDate>
#include <QFileDevice>

#include <algorithm>

namespace RationPage {

const QString MagicLine = QStringLiteral("<!--Rationix_doc-->");
const QString TitleLine = QStringLiteral("<title>");
const QString RowLine = QStringLiteral("<tr bgcolor=\"White\">");
const QString DishLine = QStringLiteral("<tr bgcolor=\"Silver\" id=\"dish\">");
const QString ProfileLineStart = QStringLiteral("<tr bgcolor=\"Silver\" id=\"profile\"");
const QString ExtraLineStart = QStringLiteral("<tr bgcolor=\"Silver\" id=\"");

TR_CONTEXT(RationPage)

namespace {

// A text stands on one line of the page.
QString oneLine(const QString &text)
{
    QString line = HtmlText::escape(text);
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

// Appends a cell's text as oneLine() writes it; most cells need no change
// and are copied as they stand.
void appendOneLine(QString &text, QStringView cell)
{
    const bool plain = std::none_of(cell.begin(), cell.end(), [](QChar c) {
        return c == u'<' || c == u'>' || c == u'&' || c == u'"' || c == u'\r' || c == u'\n';
    });
    if (plain)
        text += cell;
    else
        text += oneLine(cell.toString());
}

} // namespace

QStringList columnTitles()
{
    QStringList titles{tr("Наименование"), tr("Масса")};
    for (const Nutrients::Nutrient &nutrient : Nutrients::all())
        titles.append(tr(nutrient.columnTitle));
    return titles;
}

RowCaptions rowCaptions()
{
    return {
        tr("ВСЕГО:"),  tr("Выход готового блюда, г"), tr("Порций"), tr("На 100 г"), tr("На порцию"),
        tr("Профиль"), tr("Доля дневной нормы, %"),   tr("Норма")};
}

QStringList headLines(const QString &title)
{
    return {
        QStringLiteral("<html>"),
        QStringLiteral("<head>"),
        QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"),
        QStringLiteral("<meta name=\"Generator\" content=\"Rationix 1.0\">"),
        tr("<meta name=\"author\" content=\"Rationix\">"),
        QStringLiteral("<meta content=\"Copyright (c) 2026 the Rationix developers\" "
                       "name=\"Copyright\">"),
        TitleLine,
        oneLine(title),
        QStringLiteral("</title>"),
        QStringLiteral("</head>")};
}

QStringList cellLines(const QString &color, const QString &text, bool bold)
{
    const QString open = QStringLiteral("<td><font color=\"%1\">").arg(color);
    if (bold)
        return {open + QStringLiteral("<b>"), oneLine(text), QStringLiteral("</b></font></td>")};
    return {open, oneLine(text), QStringLiteral("</font></td>")};
}

QStringList headerRowLines(const QStringList &titles)
{
    QStringList lines{QStringLiteral("<tr bgcolor=\"Blue\">")};
    for (const QString &title : titles)
        lines += cellLines(QStringLiteral("White"), title);
    lines.append(QStringLiteral("</tr>"));
    return lines;
}

namespace {

void appendLines(QString &text, const QStringList &lines)
{
    for (const QString &line : lines) {
        text += line;
        text += QLatin1Char('\n');
    }
}

// The lines of a text that ends in LF.
QStringList splitLines(const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    lines.removeLast();
    return lines;
}

// How a table is laid out: in the file, where every figure is kept as the
// ration has it, or on paper, where the dish's figures are shown as a cook
// reads them and every number stands to the right of its cell.
struct TableLook {
    QString tableTag;
    QString totalsColor;
    bool printed = false;

    // A cell holding a number.
    QStringList numberCell(const QString &color, const QString &text, bool bold = false) const
    {
        QStringList lines = cellLines(color, text, bold);
        if (printed)
            lines.first().replace(QStringLiteral("<td>"), QStringLiteral("<td align=\"right\">"));
        return lines;
    }
};

// The ration's rows, 23 lines each, straight into the text: a long ration
// is written without a list of its lines.
void appendRows(QString &text, const QList<RationRow> &rows, const TableLook &look)
{
    const QString black = QStringLiteral("Black");
    const QString placeholder = QStringLiteral("%1");
    const QStringList nameCell = cellLines(black, placeholder);
    const QStringList valueCell = look.numberCell(black, placeholder);
    const QString close = QLatin1Char('\n') + nameCell[2] + QLatin1Char('\n');
    const QString end = QStringLiteral("</tr>\n");
    for (const RationRow &row : rows) {
        text += RowLine;
        text += QLatin1Char('\n');
        for (int c = 0; c < Ration::ColumnCount; ++c) {
            text += (c == 0 ? nameCell : valueCell)[0];
            text += QLatin1Char('\n');
            appendOneLine(text, row.cellView(c));
            text += close;
        }
        text += end;
    }
}

// Below the totals of a dish: the yield and portions row, then the values
// per 100 g and per portion (60 lines); nothing when the ration has no dish
// data.
QStringList dishLines(const Ration &ration, const TableLook &look)
{
    if (!ration.hasDish())
        return {};
    const QString black = QStringLiteral("Black");
    const RowCaptions captions = rowCaptions();
    const Dish dish(ration.totals, ration.yield, ration.portions);
    QStringList lines{DishLine};
    lines += cellLines(black, captions.yield, true);
    lines += look.numberCell(black, look.printed ? FigureText::grams(dish.yield()) : ration.yield);
    lines += cellLines(black, captions.portions, true);
    QStringList portions = look.numberCell(black, QString::number(ration.portions));
    if (look.printed) {
        // On paper the number stands next to its caption, not at the row's end.
        portions.append(QStringLiteral("<td colspan=\"3\"></td>"));
    } else {
        portions.first().replace(QStringLiteral("<td>"), QStringLiteral("<td colspan=\"4\">"));
    }
    lines += portions;
    lines.append(QStringLiteral("</tr>"));
    const QStringList values[] = {look.printed ? dish.shownPer100g() : dish.per100g(),
                                  look.printed ? dish.shownPerPortion() : dish.perPortion()};
    const QString titles[] = {captions.per100g, captions.perPortion};
    for (int i = 0; i < 2; ++i) {
        lines.append(QStringLiteral("<tr bgcolor=\"Silver\">"));
        lines += cellLines(black, titles[i], true);
        for (const QString &value : values[i])
            lines += look.numberCell(black, value);
        lines.append(QStringLiteral("</tr>"));
    }
    return lines;
}

// Below the totals and the dish of a ration measured against a person: the
// profile's row, whose first line keeps the person's groups and the share
// for the reader, then the rows «Норма» and «% нормы» for the eye (worked out
// again when read); nothing when the ration has no profile.
QStringList normLines(const Ration &ration, const TableLook &look)
{
    const std::optional<RationNorm> norm = RationNorm::of(ration);
    if (!norm)
        return {};
    const QString black = QStringLiteral("Black");
    const RowCaptions captions = rowCaptions();
    const QStringList fields = Profiles::fieldsOf(*ration.profile);
    QStringList lines{ProfileLineStart
                      + QStringLiteral(" data-sex=\"%1\" data-age=\"%2\" data-activity=\"%3\" "
                                       "data-share=\"%4\">")
                            .arg(fields[1], fields[2], fields[3])
                            .arg(ration.share)};
    lines += cellLines(black, captions.profile, true);
    lines += cellLines(black, ration.profile->name, true);
    lines[lines.size() - 3].replace(QStringLiteral("<td>"), QStringLiteral("<td colspan=\"3\">"));
    lines += cellLines(black, captions.share, true);
    lines += look.numberCell(black, QString::number(ration.share));
    lines.last().append(QStringLiteral("<td></td>"));
    lines.append(QStringLiteral("</tr>"));
    const QString titles[] = {captions.norm, norm->percentTitle()};
    for (int i = 0; i < 2; ++i) {
        lines.append(QStringLiteral("<tr bgcolor=\"Silver\">"));
        lines += cellLines(black, titles[i], true);
        lines += look.numberCell(black, QString());
        for (const Nutrients::Nutrient &nutrient : Nutrients::all()) {
            const RationNorm::Value &value = norm->value(nutrient.id);
            lines +=
                look.numberCell(black,
                                i == 0 ? (value.norm ? QString::number(*value.norm) : QString())
                                       : RationNorm::percentText(value));
        }
        lines.append(QStringLiteral("</tr>"));
    }
    return lines;
}

// The totals row: "ВСЕГО:" and the totals, bold in the look's colour.
QStringList totalsRowLines(const QStringList &totals, const TableLook &look)
{
    QStringList lines{QStringLiteral("<tr bgcolor=\"Grey\">")};
    lines += cellLines(look.totalsColor, rowCaptions().totals, true);
    for (int c = 0; c < Ration::TotalCount; ++c)
        lines += look.numberCell(look.totalsColor, totals.value(c), true);
    lines.append(QStringLiteral("</tr>"));
    return lines;
}

void appendTable(QString &text, const Ration &ration, const TableLook &look)
{
    appendLines(text, QStringList{look.tableTag} + headerRowLines(columnTitles()));
    appendRows(text, ration.rows, look);
    appendLines(text, totalsRowLines(ration.totals, look));
    appendLines(text, dishLines(ration, look));
    appendLines(text, normLines(ration, look));
    // The card prints on a page of its own.
    if (!look.printed) {
        appendLines(text, CardRows::lines(ration.card));
        appendLines(text, WasteRows::lines(ration.rows));
    }
    appendLines(text, {QStringLiteral("</table>")});
}

} // namespace

QStringList fileLines(const Ration &ration) { return splitLines(fileText(ration)); }

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

QString quoted(QStringView text)
{
    constexpr qsizetype Shown = 40;
    QString shown = text.left(Shown).toString();
    if (text.size() > Shown)
        shown.replace(Shown - 1, 1, QChar(0x2026));
    return QChar(0x00ab) + shown + QChar(0x00bb);
}

QString joinLines(const QStringList &lines)
{
    QString text;
    appendLines(text, lines);
    return text;
}

QString fileText(const Ration &ration)
{
    QString text;
    // About 25 characters a line; a little more is cheaper than growing.
    text.reserve((62 + 23 * ration.rows.size()) * 28);
    appendLines(text, QStringList{MagicLine} + headLines(ration.name));
    appendLines(text, {QStringLiteral("<body>")});
    appendTable(text, ration,
                {QStringLiteral("<table border=\"2\">"), QStringLiteral("Yellow"), false});
    appendLines(text, {QStringLiteral("</body>"), QStringLiteral("</html>")});
    return text;
}

namespace {

// The energy structure under a printed table, each share off its goal in bold.
QStringList energyStructureLines(const Ration &ration)
{
    const auto structure = EnergyStructure::ofTotals(ration.totals);
    if (!structure)
        return {};
    // "22.6 %" and "10–15 %" stay on one line
    const QString text = structure->summary(QStringLiteral("%1 (<b>%2</b>)"))
                             .replace(QStringLiteral(" %"), QStringLiteral("&nbsp;%"));
    QStringList lines{QStringLiteral("<p>"),
                      tr("Энергетическая структура: ") + text + QLatin1Char('.'),
                      QStringLiteral("</p>"),
                      QStringLiteral("<p>"),
                      tr("Рекомендации ВОЗ: %1 энергии.").arg(EnergyStructure::goalsText()),
                      QStringLiteral("</p>")};
    if (ration.profile) {
        lines += {QStringLiteral("<p>"), oneLine(RationNorm::sharesText(*ration.profile)),
                  QStringLiteral("</p>")};
    }
    return lines;
}

} // namespace

QString printText(const Ration &ration, const QDate &date)
{
    QString text;
    appendLines(text,
                {QStringLiteral("<html>"), QStringLiteral("<head>"),
                 QStringLiteral("<meta http-equiv=\"Content-Type\" "
                                "content=\"text/html; charset=utf-8\">"),
                 QStringLiteral("</head>"), QStringLiteral("<body>"), QStringLiteral("<h2>"),
                 oneLine(ration.name), QStringLiteral("</h2>"), QStringLiteral("<p>"),
                 tr("Дата: ") + date.toString(QStringLiteral("dd.MM.yyyy")),
                 QStringLiteral("</p>")});
    QString table;
    appendTable(table, ration,
                {QStringLiteral("<table border=\"1\" cellspacing=\"0\" "
                                "cellpadding=\"3\" width=\"100%\">"),
                 QStringLiteral("Black"), true});
    // A number such as "5.15476" is not broken after its point.
    text += table.replace(QLatin1Char('.'), QStringLiteral(".\u2060"));
    appendLines(text,
                {QStringLiteral("<p>"),
                 tr("Масса, вода, белки, жиры и углеводы — в граммах (г), энергия — в "
                    "килокалориях (ккал)."),
                 QStringLiteral("</p>")});
    appendLines(text, energyStructureLines(ration));
    appendLines(text, {QStringLiteral("</body>"), QStringLiteral("</html>")});
    return text;
}

ReadResult read(QIODevice &device)
{
    // The first line decides, before the rest of the file is read: a page
    // of another kind, or a large binary file, is refused at once.
    QByteArray first = device.readLine(MagicLine.size() + 3);
    if (first.endsWith('\n'))
        first.chop(1);
    if (first.endsWith('\r'))
        first.chop(1);
    if (first != MagicLine.toLatin1())
        return ReadResult();

    const QByteArray rest = device.readAll();
    ReadResult result = readBody(QString::fromUtf8(rest));
    const auto *file = qobject_cast<const QFileDevice *>(&device);
    if (!device.atEnd() || (file && file->error() != QFileDevice::NoError))
        result.status = ReadResult::ReadError;
    return result;
}

ReadResult readBody(QStringView text) { return readUtf8Body(text.toUtf8()); }

ReadResult readUtf8Body(QByteArrayView utf8) { return PageReader(utf8).read(); }

} // namespace RationPage
