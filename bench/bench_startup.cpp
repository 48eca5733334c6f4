// Start-up of whole processes: the program up to its first ration window
// against a bare main window with a workspace, each started many times;
// the medians and their ratio are printed.

#include "benchutil.h"

#include "ration/ownproducts.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace {

// dataHome: the user's data folder the program sees (its own products).
double medianProcessMs(const QString &program, const QString &dataHome)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    return bench::medianMs(15, [&] {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, {});
        process.waitForFinished(30000);
    });
}

// A data folder holding that many own products.
QString dataWithProducts(const QTemporaryDir &dir, int count)
{
    const QString folder = dir.filePath(QStringLiteral("Rationix/Rationix"));
    QDir().mkpath(folder);
    OwnProducts own;
    for (int i = 0; i < count; ++i)
        own.put({QStringLiteral("Продукт %1").arg(i), {"60", "20", "10", "5", "198"}});
    QFile file(folder + QStringLiteral("/products.tsv"));
    if (file.open(QIODevice::WriteOnly))
        file.write(own.toTsv());
    return dir.path();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QDir here(QCoreApplication::applicationDirPath());
    const QTemporaryDir none, thousand;
    const QString first = here.filePath(QStringLiteral("bench_first_window"));
    const double bare = medianProcessMs(here.filePath(QStringLiteral("bench_bare")), none.path());
    const double ours = medianProcessMs(first, none.path());
    const double withOwn = medianProcessMs(first, dataWithProducts(thousand, 1000));
    bench::report("start-up: bare main window with workspace (median)", bare, "ms");
    bench::report("start-up: to the first ration window (median)", ours, "ms");
    bench::report("  ratio", ours / bare, "x");
    bench::report("start-up: the same with 1,000 own products (median)", withOwn, "ms");
    bench::report("  more than without", (withOwn - ours) * 100.0 / ours, "%");
    return 0;
}
