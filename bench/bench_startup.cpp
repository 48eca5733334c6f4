// Start-up of whole processes: the program up to its first ration window
// against a bare main window with a workspace, and the program started with
// a 10,000-row page until it is shown against Gnumeric's ssconvert
// converting the same page; each started many times in turn, the medians
// and the ratios of runs side by side are printed.

#include "benchutil.h"

#include "core/catalogue/ownproducts.h"
#include "core/page/rationpage.h"
#include "core/platform/safewrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

struct Run {
    QString program;
    QString dataHome; // the user's data folder the program sees (own products)
    QStringList arguments = {};
};

// Each program started `rounds` times, taking turns, so that a slow spell
// of the machine falls on all of them alike: the times of each round, in
// milliseconds, one list per program.
QList<QList<double>> processMs(const QList<Run> &runs, int rounds = 25)
{
    QList<QProcessEnvironment> environments;
    for (const Run &run : runs) {
        environments.append(QProcessEnvironment::systemEnvironment());
        environments.last().insert(QStringLiteral("XDG_DATA_HOME"), run.dataHome);
    }
    QList<QList<double>> times(runs.size());
    for (int round = 0; round < rounds; ++round) {
        for (qsizetype r = 0; r < runs.size(); ++r) {
            times[r].append(bench::elapsedMs([&] {
                QProcess process;
                process.setProcessEnvironment(environments[r]);
                process.start(runs[r].program, runs[r].arguments);
                process.waitForFinished(30000);
            }));
        }
    }
    return times;
}

// The median of the ratios of runs taken side by side: a slow spell that
// falls on one round changes both of its runs alike.
double pairedRatio(const QList<double> &ours, const QList<double> &theirs)
{
    QList<double> ratios;
    for (qsizetype i = 0; i < ours.size(); ++i)
        ratios.append(ours[i] / theirs[i]);
    return bench::median(ratios);
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

// A saved ration of that many rows.
QString page(const QTemporaryDir &dir, int rows)
{
    Ration ration;
    ration.name = QStringLiteral("Большой рацион");
    for (int i = 0; i < rows; ++i)
        ration.rows.append({QStringLiteral("Бобы"), QString::number(100 + i % 50),
                            QStringLiteral("124.5"), QStringLiteral("9"), QStringLiteral("0.15"),
                            QStringLiteral("12.45"), QStringLiteral("87")});
    ration.totals = Ration::totalsOf(ration.rows);
    QString path = dir.filePath(QStringLiteral("big.html"));
    SafeWrite::writeFile(path, RationPage::fileText(ration).toUtf8());
    return path;
}

// The program started with a 10,000-row page, until its table is painted
// and it quits, against ssconvert turning the same page into CSV.
void pageAgainstSsconvert(const QString &first, const QString &dataHome)
{
    const QString ssconvert = QStandardPaths::findExecutable(QStringLiteral("ssconvert"));
    if (ssconvert.isEmpty()) {
        std::printf("ssconvert not found (Debian package gnumeric): no page start-up figures\n");
        return;
    }
    const QTemporaryDir dir;
    const QString path = page(dir, 10000);
    const QList<QList<double>> times =
        processMs({{first, dataHome, {path}},
                   {ssconvert, dataHome, {path, dir.filePath(QStringLiteral("big.csv"))}}},
                  7);
    bench::report("start, 10,000-row page shown, quit (median)", bench::median(times[0]), "ms");
    bench::report("ssconvert: the same page to CSV (median)", bench::median(times[1]), "ms");
    bench::report("  ratio, runs side by side (median)", pairedRatio(times[0], times[1]), "x");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QDir here(QCoreApplication::applicationDirPath());
    const QTemporaryDir none, thousand;
    const QString first = here.filePath(QStringLiteral("bench_first_window"));
    const QList<QList<double>> times =
        processMs({{here.filePath(QStringLiteral("bench_bare")), none.path()},
                   {first, none.path()},
                   {first, dataWithProducts(thousand, 1000)}});
    const double bare = bench::median(times[0]), ours = bench::median(times[1]),
                 withOwn = bench::median(times[2]);
    bench::report("start-up: bare main window with workspace (median)", bare, "ms");
    bench::report("start-up: to the first ration window (median)", ours, "ms");
    bench::report("  ratio, runs side by side (median)", pairedRatio(times[1], times[0]), "x");
    bench::report("start-up: the same with 1,000 own products (median)", withOwn, "ms");
    bench::report("  more than without, runs side by side (median)",
                  (pairedRatio(times[2], times[1]) - 1) * 100.0, "%");
    pageAgainstSsconvert(first, none.path());
    return 0;
}
