#pragma once

// Answering modal dialogs in tests: the answer runs from the event loop as
// soon as a visible dialog of the given class shows up.

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

// Returns the watcher; deleting it stops the watch.
template <typename Dialog>
QPointer<QTimer> whenDialogShows(std::function<void(Dialog *)> answer, int timeoutMs = 5000)
{
    auto *timer = new QTimer;
    auto waited = std::make_shared<int>(0);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, answer, waited, timeoutMs] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *dialog = qobject_cast<Dialog *>(w);
            if (dialog && dialog->isVisible()) {
                timer->stop();
                timer->deleteLater();
                answer(dialog);
                return;
            }
        }
        *waited += timer->interval();
        if (*waited > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
    return timer;
}
