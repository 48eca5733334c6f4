// The program's start-up up to its first ration window, shown, and the
// process ends: what bench_startup measures against bench_bare. Given a
// file, it starts as `rationix FILE` does and ends once the file's ration
// table has been painted.

#include "benchservices.h"
#include "benchutil.h"
#include "gui/app/mainform.h"
#include "gui/ration/calculateform.h"
#include "gui/ration/centralwidget.h"

#include <QApplication>
#include <QFileInfo>
#include <QTableView>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rationix"));
    QApplication::setOrganizationName(QStringLiteral("Rationix"));
    QStringList files;
    const QStringList arguments = QApplication::arguments().mid(1);
    for (const QString &argument : arguments)
        files.append(QFileInfo(argument).absoluteFilePath());
    auto *mainForm = new TMainForm(bench::services(), nullptr, "MainForm", {}, files.isEmpty());
    mainForm->showMaximized();
    mainForm->loadUserData();
    if (files.isEmpty()) {
        QCoreApplication::processEvents();
    } else {
        mainForm->openStartFiles(files);
        bench::PaintWatch watch;
        if (TCalculateForm *form = mainForm->activeRation()) {
            form->CentralWidget->FoodsTable->viewport()->installEventFilter(&watch);
            watch.wait();
        }
    }
    delete mainForm;
    return 0;
}
