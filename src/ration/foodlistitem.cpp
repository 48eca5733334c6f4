#include "ration/foodlistitem.h"

#include "ration/numbertext.h"

#include <QCollator>
#include <QHash>
#include <QTreeWidget>

int FoodListItem::compareNames(const QString &a, const QString &b)
{
    static const QCollator collator = [] {
        QCollator c(QLocale(QLocale::Russian, QLocale::Russia));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(true);
        return c;
    }();
    // Every window sorts the same names: their collation keys are made
    // once per process and compared cheaply after that.
    static QHash<QString, QCollatorSortKey> keys;
    auto keyOf = [](const QString &name) {
        auto found = keys.constFind(name);
        if (found == keys.cend())
            found = keys.insert(name, collator.sortKey(name));
        return *found; // a copy: a later insert may move the table
    };
    const QCollatorSortKey first = keyOf(a);
    const int byCollation = first.compare(keyOf(b));
    // Names that collate equal still get a fixed order.
    return byCollation != 0 ? byCollation : a.compare(b);
}

bool FoodListItem::operator<(const QTreeWidgetItem &other) const
{
    const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
    if (column > 0) {
        const float mine = NumberText::parse(text(column));
        const float theirs = NumberText::parse(other.text(column));
        if (mine != theirs)
            return mine < theirs;
    }
    return compareNames(text(0), other.text(0)) < 0;
}
