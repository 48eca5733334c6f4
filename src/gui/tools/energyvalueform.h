#pragma once

#include "core/energy/energyvalue.h"

#include <QDialog>

class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

// Shows a product's energy value split by protein, fat and carbohydrates.
// Every edit is read-only and carries its own caption; saving is left to
// whoever listens to SaveEnergyValue().
class TEnergyValueForm : public QDialog
{
    Q_OBJECT

public:
    explicit TEnergyValueForm(QWidget *parent = nullptr, const char *name = nullptr,
                              bool modal = false, Qt::WindowFlags fl = {});

    // Shows the product's name and its energy value split by nutrient.
    void showProduct(const EnergyValue::Product &product);
    // The result lines as shown.
    EnergyValue::Shares shares() const;

    QVBoxLayout *MainLayout;
    QHBoxLayout *ButtonsLayout;
    QLineEdit *FoodEdit;
    QLineEdit *ProteinEnergyValueEdit;
    QLineEdit *FatEnergyValueEdit;
    QLineEdit *CarbohydratesEnergyValueEdit;
    QLineEdit *EnergyValueEdit;
    QPushButton *SaveButton;
    QPushButton *CloseButton;

Q_SIGNALS:
    void SaveEnergyValue();

protected Q_SLOTS:
    void LanguageChangeSlot();
    void SaveSlot();
};
