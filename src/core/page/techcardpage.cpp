#include "core/page/techcardpage.h"

#include "core/nutrition/figuretext.h"
#include "core/page/htmltext.h"
#include "core/platform/trcontext.h"

TR_CONTEXT(TechCardPage)

namespace TechCardPage {

namespace {

const QString Table = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">");

// A user's text as page text: markup escaped, each line kept.
QString shown(const QString &text)
{
    return HtmlText::escape(text).replace(QLatin1Char('\n'), QStringLiteral("<br>\n"));
}

QString cells(const QStringList &texts, const QString &tag = QStringLiteral("td"))
{
    QString row = QStringLiteral("<tr>");
    for (const QString &text : texts)
        row += QStringLiteral("<%1>%2</%1>").arg(tag, text);
    return row + QStringLiteral("</tr>\n");
}

QString section(int number, const QString &title)
{
    return QStringLiteral("<h3>%1. %2</h3>\n").arg(QString::number(number), title);
}

QString paragraph(const QString &text) { return QStringLiteral("<p>%1</p>\n").arg(text); }

QString bold(const QString &text) { return QStringLiteral("<b>%1</b>").arg(text); }

QStringList massCells(const TechCard::Masses &masses)
{
    return {FigureText::grams(masses.grossPortion), FigureText::grams(masses.netPortion),
            FigureText::grams(masses.grossBatch), FigureText::grams(masses.netBatch)};
}

QString recipe(const TechCard::Figures &figures)
{
    const QString batch = QString::number(figures.batch);
    QString text = Table + QStringLiteral("\n");
    text += cells({tr("Наименование сырья"), tr("Отходы, %"), tr("Брутто на 1 порцию, г"),
                   tr("Нетто на 1 порцию, г"), tr("Брутто на %1 порц., г").arg(batch),
                   tr("Нетто на %1 порц., г").arg(batch)},
                  QStringLiteral("th"));
    for (const TechCard::Ingredient &ingredient : figures.ingredients) {
        text += cells(QStringList{HtmlText::escape(ingredient.name),
                                  QString::number(ingredient.waste, 'g', 4)}
                      + massCells(ingredient.masses));
    }
    text += cells(QStringList{bold(tr("Итого")), QString()} + massCells(figures.total));
    text += cells({bold(tr("Выход")), QString(), QString(), FigureText::grams(figures.portionYield),
                   QString(), FigureText::grams(figures.batchYield)});
    return text + QStringLiteral("</table>\n");
}

QString nutrition(const TechCard::Figures &figures)
{
    QStringList titles{QString()};
    for (const Nutrients::Id id : TechCard::nutrients()) {
        const Nutrients::Nutrient &nutrient = Nutrients::of(id);
        titles.append(tr("%1, %2").arg(tr(nutrient.name), tr(nutrient.unit)));
    }
    QString text = Table + QStringLiteral("\n") + cells(titles, QStringLiteral("th"));
    const auto row = [&](const QString &title, const QList<double> &values) {
        const QStringList figureTexts = FigureText::values(values);
        QStringList texts{title};
        for (const Nutrients::Id id : TechCard::nutrients())
            texts.append(figureTexts.value(Nutrients::afterMass(id)));
        text += cells(texts);
    };
    row(tr("В 1 порции (%1 г)").arg(FigureText::grams(figures.portionYield)), figures.perPortion);
    row(tr("В 100 г"), figures.per100g);
    return text + QStringLiteral("</table>\n");
}

} // namespace

QString html(const Ration &ration, const TechCard &card, const QList<double> &wastes)
{
    const TechCard::Figures figures = card.figuresFor(ration, wastes);
    const QString name = HtmlText::escape(ration.name);
    QString text = QStringLiteral("<html>\n<head>\n"
                                  "<meta http-equiv=\"Content-Type\" "
                                  "content=\"text/html; charset=utf-8\">\n<title>")
        + name + QStringLiteral("</title>\n</head>\n<body>\n");
    text += QStringLiteral("<h2>%1</h2>\n")
                .arg(tr("Технико-технологическая карта № %1").arg(HtmlText::escape(card.number)));
    text += paragraph(tr("Наименование блюда: %1").arg(name));
    if (card.date.isValid())
        text += paragraph(tr("Дата: %1").arg(card.date.toString(QStringLiteral("dd.MM.yyyy"))));

    text += section(1, tr("Область применения"));
    text += paragraph(tr("Настоящая технико-технологическая карта распространяется на блюдо "
                         "«%1», изготовляемое и реализуемое предприятием общественного питания.")
                          .arg(name));
    text += section(2, tr("Перечень сырья"));
    text += paragraph(tr("Для приготовления блюда используют следующее сырьё:"));
    text += QStringLiteral("<ul>\n");
    for (const TechCard::Ingredient &ingredient : figures.ingredients)
        text += QStringLiteral("<li>%1</li>\n").arg(HtmlText::escape(ingredient.name));
    text += QStringLiteral("</ul>\n");
    text += section(3, tr("Требования к сырью"));
    text += paragraph(tr("Продовольственное сырьё и пищевые продукты, используемые для "
                         "приготовления блюда, должны соответствовать требованиям нормативных "
                         "и технических документов и иметь документы, подтверждающие их "
                         "безопасность и качество."));
    text += section(4, tr("Рецептура"));
    text += recipe(figures);
    text += section(5, tr("Технологический процесс"));
    if (!card.technology.trimmed().isEmpty())
        text += paragraph(shown(card.technology));
    text += section(6, tr("Оформление, подача"));
    text += paragraph(
        tr("Блюдо подают порциями по %1 г.").arg(FigureText::grams(figures.portionYield)));
    text += section(7, tr("Показатели качества и безопасности"));
    text += paragraph(tr("Органолептические, физико-химические и микробиологические показатели "
                         "блюда должны соответствовать требованиям, установленным для "
                         "пищевой продукции."));
    text += section(8, tr("Пищевая ценность"));
    text += nutrition(figures);
    return text + QStringLiteral("</body>\n</html>\n");
}

} // namespace TechCardPage
