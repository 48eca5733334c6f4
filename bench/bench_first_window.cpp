// The program's start-up up to its first ration window, shown, and the
// process ends: what bench_startup measures against bench_bare.

#include "app/mainform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    auto *mainForm = new TMainForm(nullptr, "MainForm");
    mainForm->showMaximized();
    QCoreApplication::processEvents();
    delete mainForm;
    return 0;
}
