#include "core/energy/energyvalue.h"

#include "core/platform/trcontext.h"

#include "core/nutrition/numbertext.h"
#include "core/nutrition/nutrients.h"
#include "core/page/htmltext.h"
#include "core/page/rationpage.h"

namespace EnergyValue {

TR_CONTEXT(EnergyValue)

namespace {

// A share is shown as the single-precision number it rounds to.
QString shareText(double share) { return NumberText::format(double(float(share))); }

QString sentence(const QString &text) { return HtmlText::escape(text + QLatin1Char('.')); }

} // namespace

Shares shares(const QString &protein, const QString &fat, const QString &carbohydrates)
{
    std::array<double, Nutrients::Count> grams{};
    grams[Nutrients::Protein] = double(NumberText::parse(protein));
    grams[Nutrients::Fat] = double(NumberText::parse(fat));
    grams[Nutrients::Carbohydrates] = double(NumberText::parse(carbohydrates));
    const auto part = [&grams](Nutrients::Id id) {
        return shareText(Nutrients::energyOf(id, grams[std::size_t(id)]));
    };
    return {part(Nutrients::Protein), part(Nutrients::Fat), part(Nutrients::Carbohydrates),
            shareText(Nutrients::energyOf(grams))};
}

Shares resultLines(const Shares &numbers)
{
    const QString unit = tr(" ККал");
    return {tr("Энергетическая ценность по белку: ") + numbers.protein + unit,
            tr("Энергетическая ценность по жирам: ") + numbers.fat + unit,
            tr("Энергетическая ценность по углеводам: ") + numbers.carbohydrates + unit,
            tr("Энергетическая ценность (всего): ") + numbers.total + unit};
}

QStringList reportLines(const Product &product, const Shares &results)
{
    QStringList lines = RationPage::headLines(product.name);
    lines += {QStringLiteral("<body>"),
              QStringLiteral("<h2>"),
              tr("Продукт \"%1\".").arg(HtmlText::escape(product.name)),
              QStringLiteral("</h2>"),
              QStringLiteral("<h3>"),
              sentence(results.total),
              QStringLiteral("</h3>")};
    for (const QString &result : {results.protein, results.fat, results.carbohydrates})
        lines += {QStringLiteral("<p>"), sentence(result), QStringLiteral("</p>")};

    // The ration page's columns of the name, the energy sources and the energy.
    const QStringList pageTitles = RationPage::columnTitles();
    QStringList titles{pageTitles.first()};
    for (const Nutrients::Id id : Nutrients::energySources())
        titles.append(pageTitles[Ration::columnOf(id)]);
    titles.append(pageTitles[Ration::columnOf(Nutrients::Energy)]);
    lines.append(QStringLiteral("<table border=\"2\">"));
    lines += RationPage::headerRowLines(titles);
    lines.append(RationPage::RowLine);
    for (const QString &value :
         {product.name, product.protein, product.fat, product.carbohydrates, product.calories})
        lines += RationPage::cellLines(QStringLiteral("Black"), value);
    lines += {QStringLiteral("</tr>"), QStringLiteral("</table>"), QStringLiteral("</body>"),
              QStringLiteral("</html>")};
    return lines;
}

} // namespace EnergyValue
