// The program's start-up up to its first ration window, shown, and the
// process ends: what bench_startup measures against bench_bare.

#include "gui/app/mainform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rationix"));
    QApplication::setOrganizationName(QStringLiteral("Rationix"));
    auto *mainForm = new TMainForm(nullptr, "MainForm");
    mainForm->showMaximized();
    mainForm->loadUserData();
    QCoreApplication::processEvents();
    delete mainForm;
    return 0;
}
