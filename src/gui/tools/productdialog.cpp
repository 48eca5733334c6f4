#include "gui/tools/productdialog.h"

#include "core/catalogue/ownproducts.h"
#include "core/catalogue/productstore.h"
#include "core/catalogue/waste.h"
#include "core/nutrition/figuretext.h"
#include "core/nutrition/numbertext.h"
#include "core/nutrition/nutrients.h"
#include "gui/dialogs/messagebox.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

ProductDialog::ProductDialog(const OwnProducts &products, const QString &oldName, QWidget *parent)
    : QDialog(parent), m_products(products), m_oldName(oldName)
{
    setObjectName(QStringLiteral("ProductDialog"));
    setWindowTitle(oldName.isEmpty() ? tr("Новый продукт") : tr("Изменить продукт"));
    auto *form = new QFormLayout(this);

    NameEdit = new QLineEdit(this);
    NameEdit->setObjectName(QStringLiteral("NameEdit"));
    NameEdit->setAccessibleName(tr("Название продукта"));
    NameEdit->setMaxLength(OwnProducts::MaxNameLength + 1);
    form->addRow(tr("&Название:"), NameEdit);

    for (const Nutrients::Nutrient &nutrient : Nutrients::all()) {
        const int c = nutrient.id;
        auto *edit = new QLineEdit(QStringLiteral("0"), this);
        edit->setObjectName(QStringLiteral("ValueEdit%1").arg(c));
        edit->setAccessibleName(
            tr("%1, %2 на 100 г").arg(tr(nutrient.name), tr(nutrient.unitInWords)));
        edit->setAlignment(Qt::AlignRight);
        form->addRow(tr("&%1, %2 на 100 г:").arg(tr(nutrient.name), tr(nutrient.unit)), edit);
        ValueEdits[c] = edit;
        if (nutrient.id == Nutrients::Energy) {
            connect(edit, &QLineEdit::textEdited, this, [this] { m_energyTyped = true; });
        } else {
            connect(edit, &QLineEdit::textEdited, this, &ProductDialog::fillEnergy);
        }
    }

    WasteEdit = new QLineEdit(QStringLiteral("0"), this);
    WasteEdit->setObjectName(QStringLiteral("WasteEdit"));
    WasteEdit->setAccessibleName(Waste::fieldName());
    WasteEdit->setAlignment(Qt::AlignRight);
    form->addRow(tr("&%1:").arg(Waste::fieldName()), WasteEdit);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Сохранить"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &ProductDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ProductDialog::reject);
}

ProductDialog::ProductDialog(ProductStore &store, const QString &oldName, QWidget *parent)
    : ProductDialog(store.products(), oldName, parent)
{
    m_store = &store;
}

void ProductDialog::setProduct(const FoodTable::Product &product)
{
    NameEdit->setText(product.name);
    for (int c = 0; c < Nutrients::Count; ++c)
        ValueEdits[c]->setText(product.values[size_t(c)]);
    WasteEdit->setText(product.waste.isEmpty() ? QStringLiteral("0") : product.waste);
    m_energyTyped = true;
}

FoodTable::Product ProductDialog::product() const
{
    FoodTable::Product product;
    product.name = NameEdit->text().trimmed();
    for (int c = 0; c < Nutrients::Count; ++c)
        product.values[size_t(c)] = NumberText::keptText(ValueEdits[c]->text());
    const Waste::Reading waste = Waste::read(WasteEdit->text());
    product.waste = waste.ok && waste.percent != 0.0 ? waste.text : QString();
    return product;
}

void ProductDialog::fillEnergy()
{
    if (m_energyTyped)
        return;
    ValueEdits[Nutrients::Energy]->setText(
        NumberText::format(OwnProducts::energyOf(product().valueList())));
}

void ProductDialog::accept()
{
    const FoodTable::Product typed = product();
    const QStringList values = typed.valueList();
    if (const auto refusal = m_products.check(typed.name, values, m_oldName)) {
        MessageBox::warning(this, tr("Продукт не сохранён"), refusal->message());
        return;
    }
    const Waste::Reading waste = Waste::read(WasteEdit->text());
    if (!waste.ok) {
        MessageBox::warning(this, tr("Продукт не сохранён"), waste.why);
        return;
    }
    if (OwnProducts::energyStrays(values)) {
        const QString question =
            tr("Энергия %1 ккал отличается от рассчитанной по белкам, жирам и углеводам "
               "(%2 ккал) больше чем на 15 %. Сохранить продукт с этой энергией?")
                .arg(values[Nutrients::Energy],
                     FigureText::kilocalories(OwnProducts::energyOf(values)));
        if (!MessageBox::confirm(this, QMessageBox::Question, tr("Проверьте энергию"), question))
            return;
    }
    QString error;
    if (m_store && !m_store->put(typed, m_oldName, &error)) {
        MessageBox::critical(this, tr("Продукт не сохранён"),
                             tr("Изменение не сохранено: %1").arg(error));
        return;
    }
    QDialog::accept();
}
