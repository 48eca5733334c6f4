#pragma once

#include <QDialog>

class QCheckBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

// Asks for the name, or part of a name, of a product or group to find in
// the food list. It only collects the text and the mode and reports them:
// the search itself is the main window's.
class TFindForm : public QDialog
{
    Q_OBJECT

public:
    explicit TFindForm(QWidget *parent = nullptr, const char *name = nullptr, bool modal = false,
                       Qt::WindowFlags fl = {});

    QLineEdit *FindEdit;
    QHBoxLayout *MainLayout;
    QVBoxLayout *WorkingLayout;
    QHBoxLayout *FindLayout;
    QVBoxLayout *ButtonsLayout;
    QLabel *FindLabel;
    QCheckBox *WholeCheckBox;
    QPushButton *FindButton;
    QPushButton *CloseButton;

    // Selects the text typed and gives it the focus, for another try.
    void selectText();

Q_SIGNALS:
    // The dialog is closing, however it was closed.
    void FindDialogClose();
    // The text to find as a whole name, or as a part of one.
    void FindWhole(const QString &text);
    void FindPart(const QString &text);
    // Enter on the keypad while a search can be started.
    void returnPressed();

protected Q_SLOTS:
    void LanguageChangeSlot();
    void FindSlot();
    void EnableFindButtonSlot(const QString &text);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
