// Start-up and window costs: constructing the main window with its first
// ration window, opening one more ration window (against the workspace
// opening an empty frame), and memory with ten open.

#include "benchservices.h"
#include "benchutil.h"
#include "gui/app/mainform.h"
#include "gui/dialogs/messagebox.h"
#include "gui/ration/calculateform.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

// The workspace's own share of opening a window: a bare main window of the
// same size, as many windows already open, and a new frame of a ration
// window's size holding an empty widget, shown and cascaded the same way.
double emptyFrameMs(QSize windowSize, QSize rationSize, int open, int runs)
{
    QMainWindow window;
    auto *workspace = new QMdiArea(&window);
    window.setCentralWidget(workspace);
    window.resize(windowSize);
    window.show();
    auto addFrame = [workspace, rationSize] {
        auto *content = new QWidget;
        content->setMinimumSize(rationSize);
        QMdiSubWindow *frame = workspace->addSubWindow(content);
        frame->setWindowTitle(QStringLiteral("Без имени"));
        frame->resize(frame->sizeHint());
        frame->show();
        workspace->cascadeSubWindows();
        workspace->setActiveSubWindow(frame);
        QCoreApplication::processEvents();
    };
    for (int i = 0; i < open - runs; ++i)
        addFrame();
    return bench::pacedMs(runs, addFrame);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    MessageBox::setShowBoxes(false);
    const int runs = 15;

    // Memory first, before the timing runs leave freed memory behind.
    TMainForm form(bench::services(), nullptr, "MainForm");
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
                                      TMainForm fresh(bench::services(), nullptr, "MainForm");
                                      fresh.show();
                                      QCoreApplication::processEvents();
                                  }),
                  "ms");

    const auto openOne = [&form] {
        form.pFileNewSlot();
        QCoreApplication::processEvents();
    };
    bench::report("one more ration window (median)", bench::medianMs(runs, openOne), "ms");
    // As a user opens them: the program is idle a moment between two.
    bench::report("one more ration window, a moment after the last (median)",
                  bench::pacedMs(runs, openOne), "ms");
    const int open = int(form.Workspace->subWindowList().size());
    bench::report("  an empty frame in a bare workspace, the same way (median)",
                  emptyFrameMs(form.size(),
                               form.Workspace->subWindowList().constLast()->widget()->size(), open,
                               runs),
                  "ms");
    return 0;
}
