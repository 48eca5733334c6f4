// Start-up of whole processes: the program up to its first ration window
// against a bare main window with a workspace, each started many times;
// the medians and their ratio are printed. The runs take turns.

#include "benchutil.h"

#include "ration/ownproducts.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace {

struct Run {
    QString program;
    QString dataHome; // the user's data folder the program sees (own products)
};

// Each program started 15 times, taking turns, so that a slow spell of the
// machine falls on all of them alike; the median of each, in milliseconds.
QList<double> medianProcessMs(const QList<Run> &runs)
{
    QList<QList<double>> times(runs.size());
    for (int round = 0; round < 15; ++round) {
        for (qsizetype r = 0; r < runs.size(); ++r) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("XDG_DATA_HOME"), runs[r].dataHome);
            times[r].append(bench::medianMs(1, [&] {
                QProcess process;
                process.setProcessEnvironment(environment);
                process.start(runs[r].program, {});
                process.waitForFinished(30000);
            }));
        }
    }
    QList<double> medians;
    for (QList<double> &list : times) {
        std::sort(list.begin(), list.end());
        medians.append(list[list.size() / 2]);
    }
    return medians;
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
    const QList<double> medians =
        medianProcessMs({{here.filePath(QStringLiteral("bench_bare")), none.path()},
                         {first, none.path()},
                         {first, dataWithProducts(thousand, 1000)}});
    const double bare = medians[0], ours = medians[1], withOwn = medians[2];
    bench::report("start-up: bare main window with workspace (median)", bare, "ms");
    bench::report("start-up: to the first ration window (median)", ours, "ms");
    bench::report("  ratio", ours / bare, "x");
    bench::report("start-up: the same with 1,000 own products (median)", withOwn, "ms");
    bench::report("  more than without", (withOwn - ours) * 100.0 / ours, "%");
    return 0;
}
