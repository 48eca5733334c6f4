#include "core/energy/energyvalue.h"

#include "core/platform/trcontext.h"

#include "core/nutrition/numbertext.h"
#include "core/page/htmltext.h"
#include "core/page/rationpage.h"

namespace EnergyValue {

const double ProteinFactor = 4.2;
const double FatFactor = 9.4;
const double CarbohydratesFactor = 4.1;

TR_CONTEXT(EnergyValue)

namespace {

// A share is shown as the single-precision number it rounds to.
QString shareText(double share) { return NumberText::format(double(float(share))); }

QString sentence(const QString &text) { return HtmlText::escape(text + QLatin1Char('.')); }

} // namespace

Shares shares(const QString &protein, const QString &fat, const QString &carbohydrates)
{
    const double p = double(NumberText::parse(protein)) * ProteinFactor;
    const double f = double(NumberText::parse(fat)) * FatFactor;
    const double c = double(NumberText::parse(carbohydrates)) * CarbohydratesFactor;
    return {shareText(p), shareText(f), shareText(c), shareText(c + (f + p))};
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

    // The ration page's columns without mass and water.
    const QStringList titles = RationPage::columnTitles();
    lines.append(QStringLiteral("<table border=\"2\">"));
    lines += RationPage::headerRowLines({titles[0], titles[3], titles[4], titles[5], titles[6]});
    lines.append(RationPage::RowLine);
    for (const QString &value :
         {product.name, product.protein, product.fat, product.carbohydrates, product.calories})
        lines += RationPage::cellLines(QStringLiteral("Black"), value);
    lines += {QStringLiteral("</tr>"), QStringLiteral("</table>"), QStringLiteral("</body>"),
              QStringLiteral("</html>")};
    return lines;
}

} // namespace EnergyValue
