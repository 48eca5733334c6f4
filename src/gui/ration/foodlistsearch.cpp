#include "gui/ration/foodlistsearch.h"

#include "gui/ration/foodlistproxy.h"
#include "gui/widgets/named.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>
#include <QVBoxLayout>

FoodListSearch::FoodListSearch(QLineEdit *field, QTreeView *list, FoodListProxy *foods,
                               QObject *parent)
    : QObject(parent), m_field(field), m_list(list), m_foods(foods)
{
    setObjectName(QStringLiteral("FoodListSearch"));
    // In the list's own area, where the products would be, and not a row
    // of it: nothing there can be selected or added.
    m_nothingFound =
        named(new QLabel(tr("Ничего не найдено"), list->viewport()), "NothingFoundLabel");
    m_nothingFound->setAccessibleName(tr("Ничего не найдено"));
    m_nothingFound->setAlignment(Qt::AlignCenter);
    m_nothingFound->setEnabled(false);
    auto *layout = named(new QVBoxLayout(list->viewport()), "NothingFoundLayout");
    layout->addWidget(m_nothingFound, 0, Qt::AlignTop);
    m_nothingFound->hide();
    // The user's own products can come or go while a search is shown.
    connect(foods, &QAbstractItemModel::rowsInserted, this, &FoodListSearch::showWhetherFound);
    connect(foods, &QAbstractItemModel::rowsRemoved, this, &FoodListSearch::showWhetherFound);
    field->installEventFilter(this);
    list->installEventFilter(this);
}

void FoodListSearch::filter(const QString &text)
{
    if (!text.isEmpty() && m_foods->searchText().isEmpty()) {
        m_closedBeforeSearch.clear();
        for (int g = 0; g < m_foods->rowCount(); ++g) {
            const QModelIndex group = m_foods->index(g, 0);
            if (!m_list->isExpanded(group))
                m_closedBeforeSearch.append(group.data().toString());
        }
    }
    m_foods->setSearchText(text);
    m_list->expandAll();
    showWhetherFound();
    if (!text.isEmpty())
        return;
    for (int g = 0; g < m_foods->rowCount(); ++g) {
        const QModelIndex group = m_foods->index(g, 0);
        if (m_closedBeforeSearch.contains(group.data().toString()))
            m_list->collapse(group);
    }
    m_closedBeforeSearch.clear();
}

void FoodListSearch::showWhetherFound()
{
    m_nothingFound->setVisible(!m_foods->searchText().isEmpty() && m_foods->rowCount() == 0);
}

void FoodListSearch::added()
{
    if (m_foods->searchText().isEmpty())
        return;
    m_field->setFocus(Qt::OtherFocusReason);
    m_field->selectAll();
}

QModelIndex FoodListSearch::nextProduct(const QModelIndex &from, bool down) const
{
    QModelIndex next = from;
    do
        next = down ? m_list->indexBelow(next) : m_list->indexAbove(next);
    while (next.isValid() && !next.parent().isValid());
    return next;
}

void FoodListSearch::enterList()
{
    // The first product shown, or the first group when none is.
    QModelIndex first = m_foods->index(0, 0);
    for (QModelIndex i = first; i.isValid(); i = m_list->indexBelow(i)) {
        if (i.parent().isValid()) {
            first = i;
            break;
        }
    }
    m_list->setFocus();
    if (first.isValid())
        m_list->setCurrentIndex(first);
}

bool FoodListSearch::fieldKey(int key)
{
    if (key == Qt::Key_Escape && !m_field->text().isEmpty()) {
        m_field->clear();
        return true;
    }
    if (key == Qt::Key_Down || key == Qt::Key_Return || key == Qt::Key_Enter) {
        enterList();
        return true;
    }
    return false;
}

bool FoodListSearch::listKey(int key)
{
    const QModelIndex current = m_list->currentIndex().siblingAtColumn(0);
    const bool filtered = !m_foods->searchText().isEmpty();
    if (filtered && (key == Qt::Key_Up || key == Qt::Key_Down)) {
        const QModelIndex next = nextProduct(current, key == Qt::Key_Down);
        if (next.isValid())
            m_list->setCurrentIndex(next);
        else if (key == Qt::Key_Up)
            m_field->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    if (!current.isValid() || current.parent().isValid()) {
        Q_EMIT addAsked();
    } else if (!m_list->isExpanded(current)) {
        m_list->expand(current);
    } else if (const QModelIndex first = m_foods->index(0, 0, current); first.isValid()) {
        m_list->setCurrentIndex(first);
    }
    return true;
}

bool FoodListSearch::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *press = static_cast<QKeyEvent *>(event);
        if (watched == m_field && fieldKey(press->key()))
            return true;
        if (watched == m_list && (press->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier
            && listKey(press->key()))
            return true;
    }
    return QObject::eventFilter(watched, event);
}
