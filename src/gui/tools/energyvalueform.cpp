#include "gui/tools/energyvalueform.h"

#include "gui/widgets/named.h"

#include <QLayout>
#include <QLineEdit>
#include <QPushButton>

TEnergyValueForm::TEnergyValueForm(QWidget *parent, const char *name, bool modal,
                                   Qt::WindowFlags fl)
    : QDialog(parent, fl)
{
    setObjectName(QString::fromUtf8(name ? name : "EnergyValueForm"));
    setModal(modal);

    MainLayout = named(new QVBoxLayout(this), "MainLayout");
    MainLayout->setContentsMargins(11, 11, 11, 11);
    MainLayout->setSpacing(5);

    auto readOnlyEdit = [this](const char *objectName) {
        auto *edit = named(new QLineEdit(this), objectName);
        edit->setReadOnly(true);
        MainLayout->addWidget(edit);
        return edit;
    };
    FoodEdit = readOnlyEdit("FoodEdit");
    ProteinEnergyValueEdit = readOnlyEdit("ProteinEnergyValueEdit");
    FatEnergyValueEdit = readOnlyEdit("FatEnergyValueEdit");
    CarbohydratesEnergyValueEdit = readOnlyEdit("CarbohydratesEnergyValueEdit");
    EnergyValueEdit = readOnlyEdit("EnergyValueEdit");

    ButtonsLayout = named(new QHBoxLayout(), "ButtonsLayout");
    ButtonsLayout->setSpacing(5);
    MainLayout->addLayout(ButtonsLayout);
    SaveButton = named(new QPushButton(this), "SaveButton");
    ButtonsLayout->addWidget(SaveButton);
    CloseButton = named(new QPushButton(this), "CloseButton");
    ButtonsLayout->addWidget(CloseButton);

    LanguageChangeSlot();
    resize(450, 200);

    connect(CloseButton, &QPushButton::clicked, this, &TEnergyValueForm::close);
    connect(SaveButton, &QPushButton::clicked, this, &TEnergyValueForm::SaveSlot);
}

void TEnergyValueForm::LanguageChangeSlot()
{
    setWindowTitle(tr("Энергетическая ценность"));
    // The edits have no labels: each one's text carries its own caption,
    // which a screen reader needs as a name.
    FoodEdit->setAccessibleName(tr("Продукт"));
    ProteinEnergyValueEdit->setAccessibleName(tr("Энергетическая ценность по белку"));
    FatEnergyValueEdit->setAccessibleName(tr("Энергетическая ценность по жирам"));
    CarbohydratesEnergyValueEdit->setAccessibleName(tr("Энергетическая ценность по углеводам"));
    EnergyValueEdit->setAccessibleName(tr("Энергетическая ценность (всего)"));
    SaveButton->setText(tr("Сохранить"));
    CloseButton->setText(tr("Закрыть"));
}

void TEnergyValueForm::SaveSlot() { Q_EMIT SaveEnergyValue(); }

void TEnergyValueForm::showProduct(const EnergyValue::Product &product)
{
    FoodEdit->setText(product.name);
    const EnergyValue::Shares lines = EnergyValue::resultLines(
        EnergyValue::shares(product.protein, product.fat, product.carbohydrates));
    ProteinEnergyValueEdit->setText(lines.protein);
    FatEnergyValueEdit->setText(lines.fat);
    CarbohydratesEnergyValueEdit->setText(lines.carbohydrates);
    EnergyValueEdit->setText(lines.total);
}

EnergyValue::Shares TEnergyValueForm::shares() const
{
    return {ProteinEnergyValueEdit->text(), FatEnergyValueEdit->text(),
            CarbohydratesEnergyValueEdit->text(), EnergyValueEdit->text()};
}
