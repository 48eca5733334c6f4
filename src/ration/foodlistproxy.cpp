#include "ration/foodlistproxy.h"

#include "ration/foodmodel.h"
#include "ration/numbertext.h"
#include "tools/namematch.h"

#include <QFont>

FoodListProxy::FoodListProxy(QObject *parent) : QSortFilterProxyModel(parent)
{
    setRecursiveFilteringEnabled(true);
    setSourceModel(FoodModel::shared());
}

QVariant FoodListProxy::data(const QModelIndex &index, int role) const
{
    if (role == Qt::FontRole && index.column() == 0
        && QSortFilterProxyModel::data(index, FoodModel::GroupRole).toBool()) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    return QSortFilterProxyModel::data(index, role);
}

void FoodListProxy::setSearchText(const QString &text)
{
    if (text == m_search)
        return;
    m_search = text;
    invalidateFilter();
}

bool FoodListProxy::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    if (left.column() > 0) {
        const float mine = NumberText::parse(left.data().toString());
        const float theirs = NumberText::parse(right.data().toString());
        if (mine != theirs)
            return mine < theirs;
    }
    // The shared list is in name order already.
    return left.row() < right.row();
}

bool FoodListProxy::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (m_search.isEmpty())
        return true;
    // A group shows when one of its products does (recursive filtering).
    if (!sourceParent.isValid())
        return false;
    const QString name = sourceModel()->index(sourceRow, 0, sourceParent).data().toString();
    return NameMatch::matches(name, m_search, NameMatch::Mode::Part);
}
