#include "gui/ration/foodlistpane.h"

#include "core/catalogue/foodmodel.h"
#include "core/catalogue/foodtable.h"
#include "core/catalogue/ownproducts.h"
#include "core/catalogue/productstore.h"
#include "gui/ration/centralwidget.h"
#include "gui/ration/foodlistproxy.h"
#include "gui/ration/foodlistsearch.h"
#include "gui/ration/services.h"
#include "gui/tools/ownproductcommands.h"
#include "gui/widgets/focusframe.h"
#include "gui/widgets/named.h"

#include <QFontMetricsF>
#include <QHash>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <QtMath>

#include <algorithm>

FoodListPane::FoodListPane(Services &services, QWidget *parent)
    : QWidget(parent), m_services(services),
      m_layout(named(new QVBoxLayout(this), "ProductsLayout")),
      m_label(named(new QLabel(this), "ProductsLabel")),
      m_searchEdit(named(new QLineEdit(this), "SearchEdit")),
      m_list(named(new QTreeView(this), "FoodsList"))
{
    setObjectName(QStringLiteral("ProductsPane"));
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(5);
    m_layout->addWidget(m_label);
    m_searchEdit->setClearButtonEnabled(true);
    const QList<QToolButton *> clearButtons = m_searchEdit->findChildren<QToolButton *>();
    for (QToolButton *button : clearButtons)
        button->setAccessibleName(TCentralWidget::tr("Очистить поиск"));
    m_layout->addWidget(m_searchEdit);
    buildList();
    m_layout->addWidget(m_list);

    // The transfer buttons in a row under the list rather than in a column
    // of their own: the width goes to the list's values and the ration's.
    m_transferLayout = named(new QVBoxLayout(), "TransferLayout");
    m_transferLayout->setDirection(QBoxLayout::LeftToRight);
    m_transferLayout->setSpacing(5);
    m_transferLayout->addStretch(1);
    m_layout->addLayout(m_transferLayout);
    m_addButton = named(new QPushButton(this), "AddButton");
    m_addButton->setFlat(true);
    FocusFrame::showOn(m_addButton);
    m_addButton->setEnabled(false);
    m_transferLayout->addWidget(m_addButton);
    m_removeButton = named(new QPushButton(this), "RemoveButton");
    m_removeButton->setFlat(true);
    FocusFrame::showOn(m_removeButton);
    m_transferLayout->addWidget(m_removeButton);

    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &FoodListPane::selectionChanged);
    connect(m_list, &QTreeView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.parent().isValid())
            Q_EMIT addAsked();
    });
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this, &FoodListPane::showMenu);
    m_search = new FoodListSearch(m_searchEdit, m_list, m_foods, this);
    connect(m_search, &FoodListSearch::addAsked, this, &FoodListPane::addAsked);
    connect(m_searchEdit, &QLineEdit::textChanged, m_search, &FoodListSearch::filter);
}

void FoodListPane::buildList()
{
    m_foods = new FoodListProxy(m_services.foods(), this);
    m_foods->setObjectName(QStringLiteral("FoodListProxy"));
    m_list->setModel(m_foods);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSortingEnabled(true);
    m_list->sortByColumn(0, Qt::AscendingOrder);
    m_list->expandAll();
    // A group that comes later (the user's own products) opens like the rest.
    connect(m_foods, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &parent, int first, int last) {
                for (int row = first; !parent.isValid() && row <= last; ++row)
                    m_list->expand(m_foods->index(row, 0));
            });

    QFont groupFont = m_list->font();
    groupFont.setBold(true);
    const QList<int> widths = columnWidths(groupFont);
    QHeaderView *header = m_list->header();
    header->setStretchLastSection(false);
    for (int c = 0; c < widths.size(); ++c)
        m_list->setColumnWidth(c, widths[c]);
    header->setMinimumSectionSize(40);
    m_listWidth = 0;
    for (const int w : std::as_const(widths))
        m_listWidth += w;
    m_nameWidth = widths.value(0);
}

namespace {

// The width of a line of text as the sum of its characters' advances, each
// character measured once: the hundreds of names and numbers of the food
// list cost a few dozen measurements instead of one shaping each. Where two
// letters kern the sum is a pixel wider than the shaped text, never narrower.
class AdvanceSum
{
public:
    explicit AdvanceSum(const QFont &font) : m_metrics(font) { }

    int width(const QString &text)
    {
        qreal sum = 0;
        for (const QChar c : text) {
            auto found = m_advances.constFind(c.unicode());
            if (found == m_advances.cend())
                found = m_advances.insert(c.unicode(), m_metrics.horizontalAdvance(c));
            sum += *found;
        }
        return qCeil(sum);
    }

private:
    QFontMetricsF m_metrics;
    QHash<char16_t, qreal> m_advances;
};

} // namespace

QList<int> FoodListPane::columnWidths(const QFont &groupFont) const
{
    // Columns as wide as their longest text, worked out from the table
    // rather than by asking every row of the view, and once per process
    // for the same fonts: every window shows the same list.
    static QHash<QString, QList<int>> known;
    const int margin = 2 * m_list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 12;
    const int indent = m_list->indentation();
    const QString key = m_list->font().key() + QLatin1Char('|') + groupFont.key() + QLatin1Char('|')
        + m_list->header()->font().key() + QLatin1Char('|') + QString::number(margin)
        + QLatin1Char('|') + QString::number(indent);
    if (const auto found = known.constFind(key); found != known.cend())
        return *found;
    AdvanceSum plain(m_list->font());
    AdvanceSum bold(groupFont);
    const QFontMetrics titles = m_list->header()->fontMetrics();
    QList<int> widths(1 + Nutrients::Count, 0);
    for (int c = 0; c < widths.size(); ++c)
        widths[c] = titles.horizontalAdvance(m_foods->headerData(c, Qt::Horizontal).toString())
            + margin + 8;
    for (const FoodTable::Group &group : FoodTable::builtIn().groups()) {
        widths[0] = std::max(widths[0], bold.width(group.name) + margin);
        for (const FoodTable::Product &product : group.products) {
            widths[0] = std::max(widths[0], plain.width(product.name) + indent + margin);
            for (int c = 0; c < Nutrients::Count; ++c) {
                const int column = FoodModel::columnOf(Nutrients::Id(c));
                widths[column] = std::max(widths[column], plain.width(product.values[c]) + margin);
            }
        }
    }
    known.insert(key, widths);
    return widths;
}

void FoodListPane::retranslate()
{
    // The window's own texts, translated where they always were.
    m_label->setText(TCentralWidget::tr("<p><b>Продукты</b></p>"));
    m_searchEdit->setPlaceholderText(TCentralWidget::tr("Поиск продукта"));
    m_searchEdit->setAccessibleName(TCentralWidget::tr("Поиск продукта"));
    m_addButton->setText(TCentralWidget::tr("Добавить >>"));
    m_addButton->setToolTip(QObject::tr("Добавить продукт в рацион"));
    m_removeButton->setText(TCentralWidget::tr("<< Удалить"));
    m_removeButton->setToolTip(QObject::tr("Удалить продукт из рациона"));
    m_list->setAccessibleName(TCentralWidget::tr("Продукты"));
}

QModelIndex FoodListPane::selectedProduct() const
{
    const QModelIndex row = m_list->selectionModel()->selectedRows().value(0);
    return row.parent().isValid() ? row : QModelIndex();
}

void FoodListPane::focusSearch()
{
    m_searchEdit->setFocus(Qt::ShortcutFocusReason);
    m_searchEdit->selectAll();
}

void FoodListPane::productAdded() { m_search->added(); }

int FoodListPane::chrome() const
{
    return 2 * m_list->frameWidth() + m_list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

int FoodListPane::wholeWidth() const { return m_listWidth + chrome(); }

int FoodListPane::valuesWidth() const { return chrome() + 4 + m_listWidth - m_nameWidth; }

void FoodListPane::fitNames()
{
    const int room = m_list->width() - chrome() - 4 - (m_listWidth - m_nameWidth);
    const int least = 10 * m_list->fontMetrics().averageCharWidth();
    m_list->setColumnWidth(0, std::clamp(room, least, std::max(least, m_nameWidth)));
}

void FoodListPane::showMenu(const QPoint &position)
{
    const QModelIndex row = m_list->indexAt(position).siblingAtColumn(0);
    const bool own =
        row.parent().isValid() && row.parent().data().toString() == OwnProducts::groupName();
    const QString name = own ? row.data().toString() : QString();
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("FoodsMenu"));
    QAction *add = menu.addAction(TCentralWidget::tr("Добавить продукт"));
    QAction *edit = menu.addAction(TCentralWidget::tr("Изменить"));
    QAction *remove = menu.addAction(TCentralWidget::tr("Удалить"));
    edit->setEnabled(own);
    remove->setEnabled(own);
    ProductStore &store = m_services.products();
    const QAction *chosen = menu.exec(m_list->viewport()->mapToGlobal(position));
    if (chosen == add)
        OwnProductCommands::add(this, store);
    else if (chosen == edit)
        OwnProductCommands::edit(this, store, name);
    else if (chosen == remove)
        OwnProductCommands::remove(this, store, name);
}
