#include "filebytes.h"
#include "gui/app/mainform.h"
#include "gui/images/embeddedimages.h"
#include "gui/ration/calculateform.h"
#include "testservices.h"

#include <QAction>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>

namespace {
QImage argb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The icon drawn at the image's own size, as an image to compare.
QImage drawn(const QIcon &icon, const QSize &size) { return argb(icon.pixmap(size).toImage()); }
} // namespace

class TestImages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Runs first: nothing has been asked for yet.
    void decodedOnFirstRequestOnly()
    {
        const int before = embeddedImagesDecoded();
        const QImage first = findEmbeddedImage(QStringLiteral("find.png"));
        QVERIFY(!first.isNull());
        QCOMPARE(embeddedImagesDecoded(), before + 1);
        const QImage second = findEmbeddedImage(QStringLiteral("find.png"));
        QCOMPARE(embeddedImagesDecoded(), before + 1);
        QCOMPARE(second.cacheKey(), first.cacheKey());
        // an icon of an image already decoded does not decode it again
        QVERIFY(!embeddedIcon(QStringLiteral("find.png")).isNull());
        QCOMPARE(embeddedImagesDecoded(), before + 1);
    }

    // Runs second: an icon decodes its image when first drawn, not when made.
    void iconDecodedWhenDrawn()
    {
        const int before = embeddedImagesDecoded();
        const QIcon icon = embeddedIcon(QStringLiteral("print.png"));
        QVERIFY(!icon.isNull());
        QCOMPARE(embeddedImagesDecoded(), before);
        QCOMPARE(icon.pixmap(24).size(), QSize(24, 24));
        QCOMPARE(embeddedImagesDecoded(), before + 1);
    }

    void images_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        // Every image the program carries: the toolbar's icons are 48 pixels.
        const QStringList names = QDir(QStringLiteral(":/images")).entryList(QDir::Files);
        QVERIFY(names.contains(QStringLiteral("main.xpm")));
        for (const QString &name : names) {
            const QSize size = name == QStringLiteral("main.xpm") ? QSize(32, 32)
                : name == QStringLiteral("Qt.png")                ? QSize(128, 128)
                                                                  : QSize(48, 48);
            QTest::newRow(qPrintable(name)) << name << size;
        }
    }
    void images()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QImage image = findEmbeddedImage(name);
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), size);
        QVERIFY(image.hasAlphaChannel());
        // some of it is drawn, some of it is see-through
        const QImage pixels = argb(image);
        int opaque = 0, clear = 0;
        for (int y = 0; y < pixels.height(); ++y) {
            for (int x = 0; x < pixels.width(); ++x) {
                const int alpha = qAlpha(pixels.pixel(x, y));
                opaque += alpha == 255;
                clear += alpha == 0;
            }
        }
        QVERIFY(opaque > 0);
        QVERIFY(clear > 0);

        const int decoded = embeddedImagesDecoded();
        QCOMPARE(findEmbeddedImage(name).cacheKey(), image.cacheKey());
        QCOMPARE(embeddedImagesDecoded(), decoded);

        const QIcon icon = embeddedIcon(name);
        QVERIFY(!icon.isNull());
        QCOMPARE(drawn(icon, size), pixels);
    }

    void mainIconHasTransparentMargin()
    {
        const QImage image = argb(findEmbeddedImage(QStringLiteral("main.xpm")));
        QCOMPARE(image.size(), QSize(32, 32));
        for (int i = 0; i < 32; ++i) {
            QCOMPARE(qAlpha(image.pixel(i, 0)), 0);
            QCOMPARE(qAlpha(image.pixel(i, 31)), 0);
            QCOMPARE(qAlpha(image.pixel(0, i)), 0);
            QCOMPARE(qAlpha(image.pixel(31, i)), 0);
        }
        // the window inside it is drawn
        QCOMPARE(qAlpha(image.pixel(16, 16)), 255);
    }

    void unknownNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("qt.png") << "qt.png";
        QTest::newRow("Main.xpm") << "Main.xpm";
        QTest::newRow("NEW.PNG") << "NEW.PNG";
        QTest::newRow("new") << "new";
        QTest::newRow("path") << "icons/new.png";
        QTest::newRow("empty") << "";
        QTest::newRow("null") << QString();
    }
    void unknownNames()
    {
        QFETCH(QString, name);
        // the right names are already decoded: a wrong one must not hit them
        QVERIFY(!findEmbeddedImage(QStringLiteral("Qt.png")).isNull());
        QVERIFY(!findEmbeddedImage(QStringLiteral("main.xpm")).isNull());
        QVERIFY(!findEmbeddedImage(QStringLiteral("new.png")).isNull());
        const int decoded = embeddedImagesDecoded();
        QVERIFY(findEmbeddedImage(name).isNull());
        QVERIFY(findEmbeddedImage(name).isNull());
        QVERIFY(embeddedIcon(name).isNull());
        QCOMPARE(embeddedImagesDecoded(), decoded);
    }

    // Each action shows its own image; the window commands and "close all"
    // have none.
    void actionIcons_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("image");
        QTest::newRow("FileExitAction") << "FileExitAction"
                                        << "exit.png";
        QTest::newRow("FileNewAction") << "FileNewAction"
                                       << "new.png";
        QTest::newRow("FileOpenAction") << "FileOpenAction"
                                        << "open.png";
        QTest::newRow("FileSaveAction") << "FileSaveAction"
                                        << "save.png";
        QTest::newRow("FilePrintAction") << "FilePrintAction"
                                         << "print.png";
        QTest::newRow("FileCloseAction") << "FileCloseAction"
                                         << "no.png";
        QTest::newRow("FileCloseAllAction") << "FileCloseAllAction" << QString();
        QTest::newRow("ToolsFindAction") << "ToolsFindAction"
                                         << "find.png";
        QTest::newRow("ToolsEnergyValueAction") << "ToolsEnergyValueAction"
                                                << "yes.png";
        QTest::newRow("WindowCascadeAction") << "WindowCascadeAction" << QString();
        QTest::newRow("WindowTileHorizontalAction") << "WindowTileHorizontalAction" << QString();
        QTest::newRow("WindowTileVerticalAction") << "WindowTileVerticalAction" << QString();
        QTest::newRow("WindowTileAction") << "WindowTileAction" << QString();
        QTest::newRow("HelpContentsAction") << "HelpContentsAction"
                                            << "help.png";
        QTest::newRow("HelpAboutAction") << "HelpAboutAction"
                                         << "about.png";
        QTest::newRow("HelpAboutQtAction") << "HelpAboutQtAction"
                                           << "Qt.png";
    }
    void actionIcons()
    {
        QFETCH(QString, action);
        QFETCH(QString, image);
        TMainForm form(testServices(), nullptr, "MainForm");
        auto *a = form.findChild<QAction *>(action);
        QVERIFY(a);
        if (image.isEmpty()) {
            QVERIFY(a->icon().isNull());
            return;
        }
        QVERIFY(!a->icon().isNull());
        const QImage expected = argb(findEmbeddedImage(image));
        QCOMPARE(drawn(a->icon(), expected.size()), expected);
    }

    void mainWindowIcon()
    {
        TMainForm form(testServices(), nullptr, "MainForm");
        const QImage expected = argb(findEmbeddedImage(QStringLiteral("main.xpm")));
        QCOMPARE(drawn(form.windowIcon(), QSize(32, 32)), expected);
    }

    // A ration window takes "new.png" from the working directory when it
    // holds a readable image of that name, else the program's own.
    void rationIcon_data()
    {
        QTest::addColumn<QString>("local");
        QTest::addColumn<bool>("fromFile");
        QTest::newRow("image in working directory") << "png" << true;
        QTest::newRow("no file") << "" << false;
        QTest::newRow("folder named new.png") << "folder" << false;
        QTest::newRow("file that is no image") << "junk" << false;
    }
    void rationIcon()
    {
        QFETCH(QString, local);
        QFETCH(bool, fromFile);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString saved = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        const QColor mark(0x12, 0xe4, 0x56);
        if (local == QLatin1String("png")) {
            QImage image(16, 16, QImage::Format_ARGB32);
            image.fill(mark);
            QVERIFY(image.save(dir.filePath("new.png"), "PNG"));
        } else if (local == QLatin1String("folder")) {
            QVERIFY(QDir(dir.path()).mkdir("new.png"));
        } else if (local == QLatin1String("junk")) {
            QVERIFY(writeBytes(dir.filePath("new.png"), "not a picture"));
        }

        TMainForm form(testServices(), nullptr, "MainForm");
        QDir::setCurrent(saved);
        const auto windows = form.Workspace->subWindowList();
        QCOMPARE(windows.size(), 1);
        auto *ration = qobject_cast<TCalculateForm *>(windows.first()->widget());
        QVERIFY(ration);
        const QIcon icon = ration->windowIcon();
        QVERIFY(!icon.isNull());
        if (fromFile) {
            const QImage shown = drawn(icon, QSize(16, 16));
            QCOMPARE(shown.size(), QSize(16, 16));
            QCOMPARE(shown.pixel(8, 8), mark.rgba());
            QCOMPARE(shown.pixel(0, 15), mark.rgba());
        } else {
            const QImage expected = argb(findEmbeddedImage(QStringLiteral("new.png")));
            QCOMPARE(drawn(icon, QSize(48, 48)), expected);
        }
    }
};

QTEST_MAIN(TestImages)
#include "tst_images.moc"
