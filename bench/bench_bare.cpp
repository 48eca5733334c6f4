// The yardstick for start-up: a bare main window with a workspace, shown,
// and the process ends. bench_startup times it against the program's own
// first window.

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QMdiArea(&window));
    window.resize(600, 480);
    window.show();
    QCoreApplication::processEvents();
    return 0;
}
