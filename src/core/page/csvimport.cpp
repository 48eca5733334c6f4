#include "core/page/csvimport.h"

#include "core/catalogue/namematch.h"
#include "core/catalogue/ownproducts.h"
#include "core/nutrition/numbertext.h"
#include "core/page/csvtext.h"
#include "core/page/rationpage.h"
#include "core/ration/massinput.h"

#include <QHash>

namespace {

// The products of the table and the user's by the form names are
// compared in.
class Products
{
public:
    // The table's products come first: where an own product has the name
    // of one, the table's is the one a later change of the mass rescales from.
    Products(const FoodTable &table, const OwnProducts &own)
    {
        for (const FoodTable::Group &group : table.groups()) {
            for (const FoodTable::Product &product : group.products)
                take(product);
        }
        for (const FoodTable::Product &product : own.products())
            take(product);
    }
    const FoodTable::Product *find(const QString &name) const
    {
        return m_byName.value(NameMatch::partForm(name.trimmed()));
    }

private:
    void take(const FoodTable::Product &product)
    {
        const QString key = NameMatch::partForm(product.name);
        if (!m_byName.contains(key))
            m_byName.insert(key, &product);
    }

    QHash<QString, const FoodTable::Product *> m_byName;
};

} // namespace

CsvImport::Result CsvImport::read(QStringView text, const FoodTable &table, const OwnProducts &own)
{
    const Products products(table, own);
    QList<int> lines;
    const QList<QStringList> records = CsvText::read(text, CsvText::separatorOf(text), &lines);
    const QString totals = NameMatch::partForm(RationPage::rowCaptions().totals);
    Result result;
    bool first = true;
    for (qsizetype r = 0; r < records.size(); ++r) {
        const QString name = CsvText::plainText(records[r].value(0)).trimmed();
        const QString massText = records[r].value(1).trimmed();
        if (name.isEmpty() && massText.isEmpty())
            continue;
        if (NameMatch::partForm(name) == totals)
            break;
        const FoodTable::Product *product = products.find(name);
        const MassInput::Reading mass = MassInput::read(massText);
        const bool header =
            first && !product && !NumberText::isNumber(NumberText::keptText(massText));
        first = false;
        if (header)
            continue;
        const QString where = tr("строка %1: ").arg(lines.value(r));
        if (name.isEmpty())
            result.problems.append(where + tr("нет названия продукта"));
        else if (!product)
            result.problems.append(where + tr("«%1» — такого продукта нет").arg(name));
        else if (!mass.ok)
            result.problems.append(where + tr("«%1» — %2").arg(name, mass.why));
        else
            result.rows.append({product->name, mass.mass, product->valueList(), product->waste});
    }
    return result;
}
