// Ration files: saving and loading a large ration, how loading grows with
// the number of rows, opening one from its file name to its window painted,
// and refusing a large file of another kind. The page's reading and its
// opening are counted in instructions too, under callgrind.

#include "benchservices.h"
#include "benchutil.h"
#include "core/page/rationfile.h"
#include "core/page/rationpage.h"
#include "core/platform/safewrite.h"
#include "gui/app/mainform.h"
#include "gui/ration/calculateform.h"
#include "gui/ration/centralwidget.h"

#include <QApplication>
#include <QMdiArea>
#include <QTableView>
#include <QTemporaryDir>

namespace {

Ration ration(int rows)
{
    Ration r;
    r.name = QStringLiteral("Большой рацион");
    for (int i = 0; i < rows; ++i)
        r.rows.append({QStringLiteral("Бобы"), QString::number(100 + i % 50),
                       QStringLiteral("124.5"), QStringLiteral("9"), QStringLiteral("0.15"),
                       QStringLiteral("12.45"), QStringLiteral("87")});
    r.totals = Ration::totalsOf(r.rows);
    return r;
}

// What the user waits for after choosing a file: reading it, the ration
// window made and shown, until its table has been painted; in ms. The
// program is idle before, as it is while the user chooses, and the window
// is closed again afterwards. Under callgrind, which runs the program some
// fifty times slower, the spare ration window that the main window makes
// 300 ms after taking one is made before the paint, and counted with it.
double openToPainted(TMainForm &mainForm, const QString &path, bool count)
{
    bench::idle();
    bench::PaintWatch watch;
    const auto open = [&] {
        mainForm.openFiles({path});
        mainForm.activeRation()->CentralWidget->FoodsTable->viewport()->installEventFilter(&watch);
        watch.wait();
    };
    const double ms = bench::elapsedMs([&] { count ? bench::counted(open) : open(); });
    mainForm.Workspace->closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.html"));
    const int runs = 7;

    // Started again under callgrind: one case, counted.
    const QString counting = bench::countedCase();
    if (!counting.isEmpty()) {
        SafeWrite::writeFile(path, RationPage::fileText(ration(10000)).toUtf8());
        if (counting == QLatin1String("read")) {
            // The ration read lives on, as in its window: reading ends with it.
            RationFile::LoadResult read;
            bench::counted([&] { read = RationFile::load(path); });
        } else {
            TMainForm mainForm(bench::services(), nullptr, "MainForm", {}, false);
            mainForm.showMaximized();
            QCoreApplication::processEvents();
            // A first opening puts up what every later one finds ready.
            openToPainted(mainForm, path, false);
            openToPainted(mainForm, path, true);
        }
        return 0;
    }

    // Hostile files, first so that the peak memory is theirs: many row
    // markers, a huge name, a huge file.
    const QString markers = dir.filePath(QStringLiteral("markers.html"));
    QByteArray markerBytes = RationPage::MagicLine.toLatin1() + '\n';
    for (int i = 0; i < 500000; ++i)
        markerBytes += RationPage::RowLine.toLatin1() + '\n';
    SafeWrite::writeFile(markers, markerBytes);
    const long before = bench::statusKiB("VmHWM");
    const double markerMs = bench::elapsedMs([&] { RationFile::load(markers); });
    bench::report("load 500,000 row markers (10 MB)", markerMs, "ms");
    bench::report("  peak memory added by it", double(bench::statusKiB("VmHWM") - before) / 1024.0,
                  "MB");

    const Ration big = ration(10000);
    bench::report(
        "save 10,000 rows: page text + safe write (median)",
        bench::medianMs(runs,
                        [&] { SafeWrite::writeFile(path, RationPage::fileText(big).toUtf8()); }),
        "ms");
    bench::reportCounted("load 10,000 rows: read the page (median)",
                         bench::medianMs(runs, [&] { RationFile::load(path); }),
                         bench::millionInstructions(QStringLiteral("read")));
    bench::report("load 10,000 rows: into a ration window (median)",
                  bench::medianMs(runs,
                                  [&] {
                                      TCentralWidget editor(bench::services());
                                      editor.loadRation(RationFile::load(path).ration);
                                  }),
                  "ms");

    {
        TMainForm mainForm(bench::services(), nullptr, "MainForm", {}, false);
        mainForm.showMaximized();
        QCoreApplication::processEvents();
        openToPainted(mainForm, path, false);
        QList<double> times;
        for (int i = 0; i < runs; ++i)
            times.append(openToPainted(mainForm, path, false));
        bench::reportCounted("open a 10,000-row page: file name to window painted (median)",
                             bench::median(times),
                             bench::millionInstructions(QStringLiteral("open")));
    }

    for (int rows : {2500, 5000, 10000, 20000}) {
        const QString sized = dir.filePath(QStringLiteral("rows%1.html").arg(rows));
        SafeWrite::writeFile(sized, RationPage::fileText(ration(rows)).toUtf8());
        const double ms = bench::medianMs(3, [&] {
            TCentralWidget editor(bench::services());
            editor.loadRation(RationFile::load(sized).ration);
        });
        const QByteArray label =
            QStringLiteral("  load %1 rows into a window; per 1,000 rows").arg(rows).toUtf8();
        bench::report(label.constData(), ms * 1000.0 / rows, "ms");
    }

    const QString other = dir.filePath(QStringLiteral("other.bin"));
    SafeWrite::writeFile(other, QByteArray(qsizetype(50) * 1024 * 1024, '\x7f'));
    bench::report("refuse a 50 MB file of another kind (median)",
                  bench::medianMs(runs, [&] { RationFile::load(other); }), "ms");

    const QString longName = dir.filePath(QStringLiteral("name.html"));
    Ration named = ration(1);
    named.name = QString(qsizetype(1024) * 1024, QChar(u'ж'));
    SafeWrite::writeFile(longName, RationPage::fileText(named).toUtf8());
    bench::report("load a 1 MB name into a ration window (median)",
                  bench::medianMs(3,
                                  [&] {
                                      TCentralWidget editor(bench::services());
                                      editor.loadRation(RationFile::load(longName).ration);
                                  }),
                  "ms");

    const QString huge = dir.filePath(QStringLiteral("huge.html"));
    {
        QFile file(huge);
        file.open(QIODevice::WriteOnly);
        file.write(RationPage::MagicLine.toLatin1() + '\n');
        file.resize(qint64(3) * 1024 * 1024 * 1024); // sparse
    }
    bench::report("refuse a 3 GB ration file (median)",
                  bench::medianMs(runs, [&] { RationFile::load(huge); }), "ms");
    return 0;
}
