// Ration files: saving and loading a large ration, how loading grows with
// the number of rows, and refusing a large file of another kind.

#include "benchutil.h"
#include "core/page/rationfile.h"
#include "core/page/rationpage.h"
#include "core/platform/safewrite.h"
#include "gui/ration/centralwidget.h"

#include <QApplication>
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

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.html"));
    const int runs = 7;

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
    bench::report("load 10,000 rows: read the page (median)",
                  bench::medianMs(runs, [&] { RationFile::load(path); }), "ms");
    bench::report("load 10,000 rows: into a ration window (median)",
                  bench::medianMs(runs,
                                  [&] {
                                      TCentralWidget editor;
                                      editor.loadRation(RationFile::load(path).ration);
                                  }),
                  "ms");

    for (int rows : {2500, 5000, 10000, 20000}) {
        const QString sized = dir.filePath(QStringLiteral("rows%1.html").arg(rows));
        SafeWrite::writeFile(sized, RationPage::fileText(ration(rows)).toUtf8());
        const double ms = bench::medianMs(3, [&] {
            TCentralWidget editor;
            editor.loadRation(RationFile::load(sized).ration);
        });
        const QByteArray label =
            QStringLiteral("  load %1 rows into a window; per 1,000 rows").arg(rows).toUtf8();
        bench::report(label.constData(), ms * 1000.0 / rows, "ms");
    }

    const QString other = dir.filePath(QStringLiteral("other.bin"));
    SafeWrite::writeFile(other, QByteArray(50 * 1024 * 1024, '\x7f'));
    bench::report("refuse a 50 MB file of another kind (median)",
                  bench::medianMs(runs, [&] { RationFile::load(other); }), "ms");

    const QString longName = dir.filePath(QStringLiteral("name.html"));
    Ration named = ration(1);
    named.name = QString(1024 * 1024, QChar(u'ж'));
    SafeWrite::writeFile(longName, RationPage::fileText(named).toUtf8());
    bench::report("load a 1 MB name into a ration window (median)",
                  bench::medianMs(3,
                                  [&] {
                                      TCentralWidget editor;
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
