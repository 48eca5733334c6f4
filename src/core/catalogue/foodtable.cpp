#include "core/catalogue/foodtable.h"

#include <QFile>
#include <QHash>

const FoodTable &FoodTable::builtIn()
{
    static const FoodTable table = [] {
        QFile file(QStringLiteral(":/ration/foods.tsv"));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("The built-in food table is missing from the program");
        return fromTsv(QString::fromUtf8(file.readAll()));
    }();
    return table;
}

FoodTable FoodTable::fromTsv(const QString &text, QStringList *errors)
{
    FoodTable table;
    QHash<QString, qsizetype> groupIndex;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 1; i < lines.size(); ++i) { // line 0 is the header
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty())
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() < 2 + ValueCount) {
            if (errors)
                errors->append(QStringLiteral("line %1: %2 fields").arg(i + 1).arg(fields.size()));
            continue;
        }
        auto it = groupIndex.constFind(fields[0]);
        if (it == groupIndex.cend()) {
            it = groupIndex.insert(fields[0], table.m_groups.size());
            table.m_groups.append(Group{fields[0], {}});
        }
        Product product;
        product.name = fields[1];
        for (int c = 0; c < ValueCount; ++c)
            product.values[c] = fields[2 + c];
        table.m_groups[*it].products.append(product);
    }
    return table;
}

int FoodTable::productCount() const
{
    int count = 0;
    for (const Group &g : m_groups)
        count += int(g.products.size());
    return count;
}

const FoodTable::Product *FoodTable::find(const QString &name) const
{
    for (const Group &group : m_groups)
        for (const Product &product : group.products)
            if (product.name == name)
                return &product;
    return nullptr;
}
