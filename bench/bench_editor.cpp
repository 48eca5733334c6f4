// Start-up and window costs: constructing the main window with its first
// ration window, opening one more ration window, and memory with ten open.

#include "app/mainform.h"
#include "benchutil.h"
#include "dialogs/messagebox.h"
#include "ration/calculateform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QMdiSubWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    MessageBox::setShowBoxes(false);
    const int runs = 15;

    // Memory first, before the timing runs leave freed memory behind.
    TMainForm form(nullptr, "MainForm");
    form.show();
    QCoreApplication::processEvents();
    const long before = bench::statusKiB("VmRSS");
    for (int i = 1; i < 10; ++i)
        form.pFileNewSlot();
    QCoreApplication::processEvents();
    const long after = bench::statusKiB("VmRSS");
    bench::report("resident memory with 10 ration windows", after / 1024.0, "MiB");
    bench::report("  of which ration windows 2 to 10", (after - before) / 1024.0, "MiB");
    bench::report("peak memory of the process", bench::statusKiB("VmHWM") / 1024.0, "MiB");
    bench::report("main window with first ration window (median)",
                  bench::medianMs(runs,
                                  [] {
                                      TMainForm fresh(nullptr, "MainForm");
                                      fresh.show();
                                      QCoreApplication::processEvents();
                                  }),
                  "ms");

    bench::report("one more ration window (median)",
                  bench::medianMs(runs,
                                  [&form] {
                                      form.pFileNewSlot();
                                      QCoreApplication::processEvents();
                                  }),
                  "ms");

    // As a user opens them: the program is idle a moment between two.
    QList<double> paced;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer idle;
        idle.start();
        while (idle.elapsed() < 400)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        paced.append(bench::medianMs(1, [&form] {
            form.pFileNewSlot();
            QCoreApplication::processEvents();
        }));
    }
    bench::report("one more ration window, a moment after the last (median)", bench::median(paced),
                  "ms");
    return 0;
}
