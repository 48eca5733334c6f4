#pragma once

#include <QDialog>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QValidator;
class QVBoxLayout;

// Asks for the mass in grams of the product about to be added, naming the
// product. The field starts empty. Only a positive number (decimal point or
// comma) up to the largest mass can be confirmed; anything else stays in
// the field, selected to be typed over or mended, and the dialog says why.
class TMassForm : public QDialog
{
    Q_OBJECT

public:
    explicit TMassForm(QWidget *parent = nullptr, const char *name = nullptr, bool modal = false,
                       Qt::WindowFlags fl = {});

    // The mass confirmed, with a decimal comma made a point.
    QString mass() const { return m_mass; }
    // The product the mass is for, shown above the prompt.
    void setProduct(const QString &name);

    QLineEdit *MassEdit;
    QVBoxLayout *MainLayout;
    QHBoxLayout *ButtonsLayout;
    QLabel *MassLabel;
    QLabel *ReasonLabel;
    QLabel *ProductLabel;
    QValidator *MassValidator;
    QPushButton *AddButton;

protected Q_SLOTS:
    void LanguageChangeSlot();
    void SubmitSlot();

private:
    QString m_mass;
    QString m_product;
};
