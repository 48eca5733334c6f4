// Own products: how much a thousand of them add to start-up, and how long
// one change takes to reach ten open ration windows.

#include "benchservices.h"
#include "benchutil.h"
#include "core/catalogue/foodmodel.h"
#include "core/catalogue/productstore.h"
#include "gui/app/mainform.h"
#include "gui/ration/calculateform.h"
#include "gui/ration/centralwidget.h"

#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTreeView>

namespace {

void writeProducts(const QString &path, int count)
{
    OwnProducts own;
    for (int i = 0; i < count; ++i)
        own.put({QStringLiteral("Продукт %1").arg(i), {"60", "20", "10", "5", "198"}});
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(own.toTsv());
}

// Start-up as far as the program goes before its event loop: the main
// window with its first ration window, and the products read.
double startUpMs(int runs)
{
    return bench::medianMs(runs, [] {
        auto *form = new TMainForm(bench::services(), nullptr, "MainForm");
        form->loadUserData();
        form->show();
        QApplication::processEvents();
        for (QMdiSubWindow *w : form->Workspace->subWindowList())
            w->widget()->setWindowModified(false);
        delete form;
    });
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", data.path().toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rationix"));
    QApplication::setOrganizationName(QStringLiteral("Rationix"));
    ProductStore &store = bench::services().products();
    QDir().mkpath(QFileInfo(store.path()).absolutePath());
    bench::services();
    startUpMs(3); // warm-up: fonts, styles, the food list

    QFile::remove(store.path());
    const double without = startUpMs(15);
    writeProducts(store.path(), 1000);
    const double with = startUpMs(15);
    QFile file(store.path());
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    const double parse = bench::medianMs(15, [&] { OwnProducts::fromTsv(bytes); });
    const OwnProducts thousand = OwnProducts::fromTsv(bytes);
    FoodModel model(FoodTable::builtIn());
    const double show = bench::medianMs(15, [&] {
        model.setOwnProducts(thousand);
        model.setOwnProducts(OwnProducts());
    });
    bench::report("read 1,000 own products from their file", parse, "ms");
    bench::report("put 1,000 own products into the food list and out", show, "ms");
    bench::report("in-process start-up, no own products", without, "ms");
    bench::report("in-process start-up, 1,000 own products", with, "ms");
    bench::report("  difference", (with - without) * 100.0 / without, "%");

    auto *form = new TMainForm(bench::services(), nullptr, "MainForm");
    form->loadUserData();
    form->show();
    for (int i = 1; i < 10; ++i)
        form->pFileNewSlot();
    QApplication::processEvents();
    OwnProducts plusOne = store.products();
    plusOne.put({QStringLiteral("Ещё один"), {"60", "20", "10", "5", "198"}});
    OwnProducts renamed = store.products();
    renamed.put({QStringLiteral("Переименован"), {"60", "20", "10", "5", "198"}},
                QStringLiteral("Продукт 500"));
    FoodModel *shared = &bench::services().foods();
    const double shownAdd = bench::medianMs(15, [&] {
        shared->setOwnProducts(plusOne);
        QApplication::processEvents();
        shared->setOwnProducts(store.products());
        QApplication::processEvents();
    });
    const double shownRename = bench::medianMs(15, [&] {
        shared->setOwnProducts(renamed);
        QApplication::processEvents();
        shared->setOwnProducts(store.products());
        QApplication::processEvents();
    });
    const double modelOnly = bench::medianMs(15, [&] {
        shared->setOwnProducts(plusOne);
        shared->setOwnProducts(store.products());
    });
    bench::report("one product added, 10 windows' lists updated (not painted)", modelOnly / 2,
                  "ms");
    bench::report("one product added, shown in 10 windows", shownAdd / 2, "ms");
    bench::report("one product renamed, shown in 10 windows", shownRename / 2, "ms");
    int n = 0;
    const double add = bench::medianMs(15, [&] {
        store.put({QStringLiteral("Новый %1").arg(n++), {"60", "20", "10", "5", "198"}}, {},
                  nullptr);
    });
    bench::report("add one own product, 10 windows open (file written)", add, "ms");
    int m = 0;
    const double rename = bench::medianMs(15, [&] {
        const QString old = QStringLiteral("Новый %1").arg(m);
        store.put({QStringLiteral("Переименован %1").arg(m++), {"60", "20", "10", "5", "198"}}, old,
                  nullptr);
    });
    bench::report("rename one own product, 10 windows open (file written)", rename, "ms");
    for (QMdiSubWindow *w : form->Workspace->subWindowList())
        w->widget()->setWindowModified(false);
    delete form;
    return 0;
}
