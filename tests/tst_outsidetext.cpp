// Paths and names from outside shown by the main window: whatever markup
// they hold is shown as text, never rendered.

#include "core/page/rationpage.h"
#include "filebytes.h"
#include "gui/app/mainform.h"
#include "gui/dialogs/filedialog.h"
#include "gui/ration/calculateform.h"
#include "gui/ration/centralwidget.h"
#include "mainformharness.h"

#include <QApplication>
#include <QDir>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

class TestOutsideText : public QObject
{
    Q_OBJECT

    MainFormHarness main;
    TMainForm *&form = main.form;
    QTemporaryDir dir;

    // Where a text holding one of the outside texts would be rendered as
    // markup: a label in rich or automatic mode, a widget's or an action's
    // tooltip.
    QStringList renderedAsMarkup(const QStringList &outside) const
    {
        const auto rich = [&](const QString &text) {
            if (!Qt::mightBeRichText(text))
                return false;
            // Held as it is rather than escaped.
            for (const QString &o : outside) {
                if (text.contains(o) && o != o.toHtmlEscaped())
                    return true;
            }
            return false;
        };
        QStringList found;
        const QList<QWidget *> widgets = QApplication::allWidgets();
        for (QWidget *w : widgets) {
            const auto *label = qobject_cast<QLabel *>(w);
            if (label && label->textFormat() != Qt::PlainText && rich(label->text()))
                found.append("label " + label->objectName() + ": " + label->text());
            if (rich(w->toolTip()))
                found.append("tooltip of " + w->objectName() + ": " + w->toolTip());
        }
        const QList<QAction *> actions = form->findChildren<QAction *>();
        for (QAction *a : actions) {
            if (rich(a->toolTip()))
                found.append("tooltip of action " + a->text() + ": " + a->toolTip());
        }
        return found;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        MessageBox::setShowBoxes(false);
    }
    void init() { main.openAfresh(); }
    void cleanup() { main.close(); }

    void markupShownAsText_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("how");
        QTest::newRow("image, load") << "x"
                                     << "<img src=/dev/zero>.html"
                                     << "load";
        QTest::newRow("bold folder, command line") << "<b>bold</b>"
                                                   << "a.html"
                                                   << "command line";
        QTest::newRow("both, recent files") << "<b>bold</b>"
                                            << "<img src=/dev/zero>.html"
                                            << "recent";
    }
    void markupShownAsText()
    {
        QFETCH(QString, folder);
        QFETCH(QString, file);
        QFETCH(QString, how);
        Ration ration;
        ration.name = QStringLiteral("<i>Обед</i>");
        ration.rows = {{"<u>Бобы</u>", "150", "124.5", "9", "0.15", "12.45", "87"},
                       {"Вишня", "10", "1.8", "0.15", "0", "7.3", "29.2"}};
        ration.totals = Ration::totalsOf(ration.rows);
        // "/" in the markup makes folders of its own.
        const QString path = dir.filePath(folder + '/' + file);
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QVERIFY(writeBytes(path, RationPage::fileText(ration).toUtf8()));

        if (how == "load") {
            FileDialog::setNextFileName(path);
            main.trigger("FileOpenAction");
        } else {
            form->openFiles({path});
            if (how == "recent") {
                form->activeRation()->parentWidget()->close();
                QTRY_COMPARE(form->Workspace->subWindowList().size(), 1);
                form->findChild<QMenu *>("RecentFilesMenu")->actions().value(0)->trigger();
            }
        }
        TCalculateForm *opened = form->activeRation();
        QVERIFY(opened);
        QCOMPARE(opened->caption(), ration.name);
        // A step that names the product, in the undo command's text.
        TCentralWidget *editor = opened->CentralWidget;
        editor->FoodsTable->selectionModel()->select(editor->FoodsTable->model()->index(0, 0),
                                                     QItemSelectionModel::Select);
        editor->RemoveButton->click();
        QVERIFY(form->EditUndoAction->text().contains(ration.rows[0].cell(0)));
        Q_EMIT form->WindowMenu->aboutToShow();
        QCoreApplication::processEvents();

        const QStringList outside = {QDir::toNativeSeparators(path), folder, file, ration.name,
                                     ration.rows[0].cell(0)};
        const QStringList found = renderedAsMarkup(outside);
        QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
        // The status bar shows the path as it is, and the window draws.
        QCOMPARE(form->findChild<QLabel *>("FileLabel")->text(), QDir::toNativeSeparators(path));
        QVERIFY(!form->grab().isNull());
    }
};

QTEST_MAIN(TestOutsideText)
#include "tst_outsidetext.moc"
