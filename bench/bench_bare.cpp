// The yardstick for start-up: a bare main window with a workspace, shown
// maximized as the program shows its own on a first start, and the process
// ends. bench_startup times it against the program's own
// first window.

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QMdiArea(&window));
    window.showMaximized();
    QCoreApplication::processEvents();
    return 0;
}
