#include "gui/dialogs/messagebox.h"

#include "core/platform/trcontext.h"

#include <QPushButton>

TR_CONTEXT(MessageBox)

namespace {
QList<MessageBox::Button> nextAnswers;
QList<MessageBox::Shown> shownBoxes;
bool showBoxes = true;

QMessageBox::ButtonRole roleOf(MessageBox::Button answer)
{
    switch (answer) {
    case QMessageBox::Yes: return QMessageBox::YesRole;
    case QMessageBox::No: return QMessageBox::NoRole;
    case QMessageBox::Discard: return QMessageBox::DestructiveRole;
    case QMessageBox::Cancel: return QMessageBox::RejectRole;
    default: return QMessageBox::AcceptRole;
    }
}

// Notes the box; true when it is not to be shown, with *answer set to the
// answer a test queued, if any.
bool answeredUnseen(const MessageBox::Shown &box, MessageBox::Button *answer = nullptr)
{
    shownBoxes.append(box);
    if (!nextAnswers.isEmpty()) {
        const MessageBox::Button queued = nextAnswers.takeFirst();
        if (answer)
            *answer = queued;
        return true;
    }
    return !showBoxes;
}
} // namespace

void MessageBox::critical(QWidget *parent, const QString &title, const QString &text)
{
    ask(parent, QMessageBox::Critical, title, text, {}, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBox::warning(QWidget *parent, const QString &title, const QString &text)
{
    ask(parent, QMessageBox::Warning, title, text, {}, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBox::information(QWidget *parent, const QString &title, const QString &text)
{
    ask(parent, QMessageBox::Information, title, text, {}, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBox::about(QWidget *parent, const QString &title, const QString &text)
{
    if (!answeredUnseen({QMessageBox::Information, title, text, parent}))
        QMessageBox::about(parent, title, text);
}

void MessageBox::aboutQt(QWidget *parent, const QString &title)
{
    if (!answeredUnseen({QMessageBox::Information, title, QString(), parent}))
        QMessageBox::aboutQt(parent, title);
}

void MessageBox::setNextAnswer(Button answer)
{
    if (answer == QMessageBox::NoButton)
        nextAnswers.clear();
    else
        nextAnswers.append(answer);
}

bool MessageBox::confirm(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                         const QString &text)
{
    return ask(parent, icon, title, text,
               {{QMessageBox::Yes, tr("&Да")}, {QMessageBox::No, tr("&Нет")}}, QMessageBox::No,
               QMessageBox::No)
        == QMessageBox::Yes;
}

void MessageBox::setShowBoxes(bool show) { showBoxes = show; }

const QList<MessageBox::Shown> &MessageBox::history() { return shownBoxes; }

void MessageBox::clearHistory() { shownBoxes.clear(); }

MessageBox::Button MessageBox::ask(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                                   const QString &text, const QList<Choice> &choices,
                                   Button defaultAnswer, Button escapeAnswer)
{
    Button answer = choices.isEmpty() ? QMessageBox::Ok : defaultAnswer;
    if (answeredUnseen({icon, title, text, parent}, &answer))
        return answer;

    QMessageBox box(icon, title, QString(), QMessageBox::NoButton, parent);
    // Texts often hold names read from files or typed by the user: they are
    // shown as they are, never taken for markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    if (choices.isEmpty()) {
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return QMessageBox::Ok;
    }
    QList<QPair<QAbstractButton *, Button>> buttons;
    for (const Choice &choice : choices) {
        QPushButton *button = box.addButton(choice.second, roleOf(choice.first));
        buttons.append({button, choice.first});
        if (choice.first == defaultAnswer)
            box.setDefaultButton(button);
    }
    box.exec();
    for (const auto &b : buttons) {
        if (box.clickedButton() == b.first)
            return b.second;
    }
    return escapeAnswer;
}
