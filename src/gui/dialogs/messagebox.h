#pragma once

#include <QList>
#include <QMessageBox>
#include <QPair>
#include <QPointer>
#include <QString>

// Every message box of the program goes through here, so that tests can
// answer a box without showing it (setNextAnswer) and read what it said.
class MessageBox
{
public:
    using Button = QMessageBox::StandardButton;
    // A button: the answer it stands for and its text ("&Да", "Отмена", ...).
    using Choice = QPair<Button, QString>;

    static void critical(QWidget *parent, const QString &title, const QString &text);
    static void warning(QWidget *parent, const QString &title, const QString &text);
    static void information(QWidget *parent, const QString &title, const QString &text);

    // The program's About box (rich text) and Qt's own.
    static void about(QWidget *parent, const QString &title, const QString &text);
    static void aboutQt(QWidget *parent, const QString &title);

    // A question with buttons of our own texts; returns the answer of the
    // button pressed, or escapeAnswer when the box is closed otherwise.
    static Button ask(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                      const QString &text, const QList<Choice> &choices, Button defaultAnswer,
                      Button escapeAnswer);

    // A yes-or-no question whose safe answer, and the default, is no; true
    // when the answer is yes.
    static bool confirm(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                        const QString &text);

    // Test seam: the next box returns this answer at once, without showing;
    // answers given in a row go to the boxes that follow, in turn, and
    // NoButton drops those not yet used.
    static void setNextAnswer(Button answer);
    // Test seam: boxes are not shown; each returns its default answer
    // unless setNextAnswer said otherwise.
    static void setShowBoxes(bool show);

    // Test seam: what the boxes said, oldest first.
    struct Shown {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        // The window the box stands over; none for a box of its own.
        QPointer<QWidget> parent;
    };
    static const QList<Shown> &history();
    static void clearHistory();
};
