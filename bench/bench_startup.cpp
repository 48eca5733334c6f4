// Start-up of whole processes: the program up to its first ration window
// against a bare main window with a workspace, each started many times;
// the medians and their ratio are printed.

#include "benchutil.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

namespace {

double medianProcessMs(const QString &program)
{
    return bench::medianMs(15, [&program] {
        QProcess process;
        process.start(program, {});
        process.waitForFinished(30000);
    });
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QDir here(QCoreApplication::applicationDirPath());
    const double bare = medianProcessMs(here.filePath(QStringLiteral("bench_bare")));
    const double ours = medianProcessMs(here.filePath(QStringLiteral("bench_first_window")));
    bench::report("start-up: bare main window with workspace (median)", bare, "ms");
    bench::report("start-up: to the first ration window (median)", ours, "ms");
    bench::report("  ratio", ours / bare, "x");
    return 0;
}
