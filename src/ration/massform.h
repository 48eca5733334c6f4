#pragma once

#include <QDialog>

class QDoubleValidator;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

// Asks for the mass in grams of the product about to be added. Only a
// positive number can be confirmed; anything else puts "0" back.
class TMassForm : public QDialog
{
    Q_OBJECT

public:
    explicit TMassForm(QWidget *parent = nullptr, const char *name = nullptr, bool modal = false,
                       Qt::WindowFlags fl = {});

    QLineEdit *MassEdit;
    QVBoxLayout *MainLayout;
    QHBoxLayout *ButtonsLayout;
    QLabel *MassLabel;
    QDoubleValidator *MassValidator;
    QPushButton *AddButton;

protected Q_SLOTS:
    void LanguageChangeSlot();
    void SubmitSlot();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
