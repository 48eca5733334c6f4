#include "gui/tools/ownproductsdialog.h"

#include "core/catalogue/ownproducts.h"
#include "core/catalogue/productstore.h"
#include "core/nutrition/nutrients.h"
#include "gui/tools/ownproductcommands.h"
#include "gui/widgets/recordlist.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

OwnProductsDialog::OwnProductsDialog(ProductStore &store, QWidget *parent)
    : QDialog(parent), m_store(store)
{
    setObjectName(QStringLiteral("OwnProductsDialog"));
    setWindowTitle(tr(OwnProducts::GroupTitle));
    auto *layout = new QVBoxLayout(this);

    ProductsList = new QTreeWidget(this);
    ProductsList->setObjectName(QStringLiteral("ProductsList"));
    ProductsList->setAccessibleName(tr(OwnProducts::GroupTitle));
    QStringList titles{tr("Наименование")};
    for (const Nutrients::Nutrient &nutrient : Nutrients::all())
        titles.append(tr(nutrient.columnTitle));
    RecordList::setUp(ProductsList, titles);
    layout->addWidget(ProductsList);

    auto *buttons = new QDialogButtonBox(this);
    const auto button = [buttons](const QString &text, const char *name) {
        return RecordList::actionButton(buttons, text, name);
    };
    AddButton = button(tr("Добавить продукт"), "AddButton");
    EditButton = button(tr("Изменить"), "EditButton");
    RemoveButton = button(tr("Удалить"), "RemoveButton");
    QPushButton *importButton = button(tr("Импорт…"), "ImportButton");
    QPushButton *exportButton = button(tr("Экспорт…"), "ExportButton");
    buttons->addButton(QDialogButtonBox::Close)->setText(tr("Закрыть"));
    layout->addWidget(buttons);

    connect(AddButton, &QPushButton::clicked, this,
            [this] { OwnProductCommands::add(this, m_store); });
    connect(EditButton, &QPushButton::clicked, this,
            [this] { OwnProductCommands::edit(this, m_store, currentName()); });
    connect(RemoveButton, &QPushButton::clicked, this,
            [this] { OwnProductCommands::remove(this, m_store, currentName()); });
    connect(importButton, &QPushButton::clicked, this,
            [this] { OwnProductCommands::importFile(this, m_store); });
    connect(exportButton, &QPushButton::clicked, this,
            [this] { OwnProductCommands::exportFile(this, m_store); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ProductsList, &QTreeWidget::itemDoubleClicked, EditButton, &QPushButton::click);
    connect(ProductsList, &QTreeWidget::currentItemChanged, this,
            &OwnProductsDialog::updateButtons);
    connect(&m_store, &ProductStore::changed, this, &OwnProductsDialog::refresh);
    ProductsList->setSortingEnabled(true);
    ProductsList->sortByColumn(0, Qt::AscendingOrder);
    refresh();
    resize(640, 400);
}

QString OwnProductsDialog::currentName() const
{
    const QTreeWidgetItem *item = ProductsList->currentItem();
    return item ? item->text(0) : QString();
}

void OwnProductsDialog::refresh()
{
    // The chosen product stays chosen, or the one now in its place.
    const QString current = currentName();
    const int row = ProductsList->indexOfTopLevelItem(ProductsList->currentItem());
    ProductsList->clear();
    for (const FoodTable::Product &product : m_store.products().products()) {
        auto *item = new QTreeWidgetItem(ProductsList, QStringList{product.name});
        for (int c = 0; c < Nutrients::Count; ++c) {
            item->setText(c + 1, product.values[size_t(c)]);
            item->setTextAlignment(c + 1, Qt::AlignRight | Qt::AlignVCenter);
        }
        if (product.name == current)
            ProductsList->setCurrentItem(item);
    }
    if (!ProductsList->currentItem() && row >= 0)
        ProductsList->setCurrentItem(
            ProductsList->topLevelItem(qMin(row, ProductsList->topLevelItemCount() - 1)));
    updateButtons();
}

void OwnProductsDialog::updateButtons()
{
    const bool chosen = ProductsList->currentItem() != nullptr;
    EditButton->setEnabled(chosen);
    RemoveButton->setEnabled(chosen);
}
