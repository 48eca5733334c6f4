#pragma once

#include <QDialog>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QValidator;
class QVBoxLayout;

// Asks for the mass in grams of the product about to be added. Only a
// positive number (decimal point or comma) can be confirmed; anything else
// puts "0" back and says why.
class TMassForm : public QDialog
{
    Q_OBJECT

public:
    explicit TMassForm(QWidget *parent = nullptr, const char *name = nullptr, bool modal = false,
                       Qt::WindowFlags fl = {});

    // The mass confirmed, with a decimal comma made a point.
    QString mass() const { return m_mass; }

    QLineEdit *MassEdit;
    QVBoxLayout *MainLayout;
    QHBoxLayout *ButtonsLayout;
    QLabel *MassLabel;
    QLabel *ReasonLabel;
    QValidator *MassValidator;
    QPushButton *AddButton;

protected Q_SLOTS:
    void LanguageChangeSlot();
    void SubmitSlot();

private:
    QString m_mass;
};
