#include "gui/ration/foodlistproxy.h"

#include "core/catalogue/foodmodel.h"
#include "core/catalogue/namematch.h"
#include "core/nutrition/numbertext.h"

#include <QFont>

FoodListProxy::FoodListProxy(FoodModel &foods, QObject *parent) : QSortFilterProxyModel(parent)
{
    setRecursiveFilteringEnabled(true);
    setSourceModel(&foods);
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
    m_searchForm = NameMatch::partForm(text);
    // The order depends on the search as well as what is shown.
    invalidate();
}

bool FoodListProxy::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    if (!m_search.isEmpty()) {
        const bool mine = namedAsSearched(left);
        if (mine != namedAsSearched(right))
            return mine == (sortOrder() == Qt::AscendingOrder);
    }
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

bool FoodListProxy::namedAsSearched(const QModelIndex &sourceRow) const
{
    const QModelIndex name = sourceRow.siblingAtColumn(0);
    if (name.parent().isValid())
        return NameMatch::partForm(name.data().toString()) == m_searchForm;
    const int products = sourceModel()->rowCount(name);
    for (int p = 0; p < products; ++p) {
        if (namedAsSearched(sourceModel()->index(p, 0, name)))
            return true;
    }
    return false;
}
