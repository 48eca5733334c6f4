#include "core/ration/rationmodel.h"
#include "dialogs.h"
#include "gui/dialogs/messagebox.h"
#include "gui/ration/calculateform.h"
#include "gui/ration/centralwidget.h"
#include "gui/ration/dishpanel.h"
#include "gui/ration/scaledialog.h"
#include "testservices.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QUndoStack>

using RationScale::Mode;

Q_DECLARE_METATYPE(Mode)

namespace {

// A product of the food table (rescaled from its values per 100 g) and one
// of the user's own (rescaled from its row).
Ration lunch()
{
    Ration r;
    r.name = QStringLiteral("Обед");
    r.rows = {{"Бобы", "150", "124.5", "9", "0.15", "12.45", "87"},
              {"Соус домашний", "33.3", "20", "1.11", "5", "2.5", "61.7"}};
    return r;
}

QLineEdit *yieldEdit(TCentralWidget &editor)
{
    return editor.dishPanel()->findChild<QLineEdit *>(QStringLiteral("YieldEdit"));
}

QSpinBox *portionsSpin(TCentralWidget &editor)
{
    return editor.dishPanel()->findChild<QSpinBox *>(QStringLiteral("PortionsSpin"));
}

} // namespace

// The dish panel and scaling as parts of a ration window: each change is one
// step on the window's undo stack, and what is saved is what is shown.
class TestEditorDish : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { MessageBox::setShowBoxes(false); }
    void init() { MessageBox::clearHistory(); }

    void scaleUndoRedo()
    {
        TCentralWidget editor(testServices());
        Ration loaded = lunch();
        loaded.yield = QStringLiteral("150");
        editor.loadRation(loaded);
        const Ration before = editor.ration();
        QVERIFY(editor.scale(Mode::Factor, QStringLiteral("2")));
        QCOMPARE(editor.undoStack()->count(), 1);
        QCOMPARE(editor.undoStack()->undoText(), QStringLiteral("масштабирование рациона"));
        const Ration after = editor.ration();
        const QStringList beans = {"Бобы", "300", "249", "18", "0.3", "24.9", "174"};
        QCOMPARE(after.rows.at(0), beans);
        QCOMPARE(after.rows.at(1),
                 QStringList({"Соус домашний", "66.6", "40", "2.22", "10", "5", "123.4"}));
        QCOMPARE(after.yield, QStringLiteral("300"));
        QCOMPARE(editor.MassValueLabel->text(), QStringLiteral("366.6"));
        QCOMPARE(editor.dishPanel()->yieldText(), QStringLiteral("300"));

        editor.undoStack()->undo();
        QCOMPARE(editor.ration().rows, before.rows);
        QCOMPARE(editor.ration().totals, before.totals);
        QCOMPARE(editor.ration().yield, before.yield);
        QCOMPARE(yieldEdit(editor)->text(), QStringLiteral("150"));
        QVERIFY(editor.undoStack()->isClean());
        editor.undoStack()->redo();
        QCOMPARE(editor.ration().rows, after.rows);
        QCOMPARE(editor.ration().yield, after.yield);
    }

    // Portions and yield change with the masses, and come back in one undo.
    void scaleToPortionsUndoes()
    {
        TCentralWidget editor(testServices());
        Ration loaded = lunch();
        loaded.yield = QStringLiteral("150");
        loaded.portions = 2;
        editor.loadRation(loaded);
        QVERIFY(editor.scale(Mode::Portions, QStringLiteral("4")));
        QCOMPARE(editor.ration().yield, QStringLiteral("300"));
        QCOMPARE(editor.ration().portions, 4);
        QCOMPARE(portionsSpin(editor)->value(), 4);
        QCOMPARE(editor.undoStack()->count(), 1);
        editor.undoStack()->undo();
        QCOMPARE(editor.ration().yield, QStringLiteral("150"));
        QCOMPARE(editor.ration().portions, 2);
        QCOMPARE(portionsSpin(editor)->value(), 2);
    }

    // A dish cooked down to its dry matter (38.8 g) stays a dish that holds
    // its products when its masses are scaled and rounded.
    void scaledYieldStillHoldsTheProducts()
    {
        TCentralWidget editor(testServices());
        Ration loaded = lunch();
        loaded.yield = QStringLiteral("38.8");
        editor.loadRation(loaded);
        QVERIFY(editor.scale(Mode::Factor, QStringLiteral("0,3333")));
        QCOMPARE(editor.ration().rows.at(0).cell(1), QStringLiteral("50"));
        QCOMPARE(editor.ration().yield, QStringLiteral("13"));
        QVERIFY(!editor.dishPanel()->per100gTexts().contains(QStringLiteral("—")));
    }

    void refusedScaleChangesNothing_data()
    {
        QTest::addColumn<bool>("empty");
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("reason");
        QTest::newRow("zero factor") << false << Mode::Factor << "0"
                                     << "не положительное";
        QTest::newRow("not a number") << false << Mode::TotalMass << "много"
                                      << "«много»";
        QTest::newRow("masses overflow") << false << Mode::Factor << "1e37"
                                         << "больше 1000000 г";
        QTest::newRow("empty ration") << true << Mode::TotalEnergy << "100"
                                      << "нет продуктов";
    }
    void refusedScaleChangesNothing()
    {
        QFETCH(bool, empty);
        QFETCH(Mode, mode);
        QFETCH(QString, typed);
        QFETCH(QString, reason);
        TCentralWidget editor(testServices());
        if (!empty)
            editor.loadRation(lunch());
        const Ration before = editor.ration();
        QVERIFY(!editor.scale(mode, typed));
        QCOMPARE(editor.ration().rows, before.rows);
        QCOMPARE(editor.undoStack()->count(), 0);
        QCOMPARE(MessageBox::history().size(), 1);
        QVERIFY2(MessageBox::history().first().text.contains(reason),
                 qPrintable(MessageBox::history().first().text));
    }

    // A refused number keeps the dialog open with the choice made.
    void scaleThroughTheDialog()
    {
        TCentralWidget editor(testServices());
        editor.loadRation(lunch());
        auto answer = [](const QString &typed, std::function<void()> then) {
            return [typed, then](ScaleDialog *dialog) {
                dialog->findChild<QRadioButton *>(QStringLiteral("ScaleEnergyRadio"))->click();
                dialog->findChild<QLineEdit *>(QStringLiteral("ScaleValueEdit"))->setText(typed);
                if (then)
                    then();
                dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
            };
        };
        Mode modeSeen = Mode::Factor;
        whenDialogShows<ScaleDialog>(answer(QStringLiteral("0"), [&] {
            whenDialogShows<ScaleDialog>([&](ScaleDialog *dialog) {
                modeSeen = dialog->mode();
                answer(QStringLiteral("74,37"), {})(dialog);
            });
        }));
        editor.ScaleSlot();
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(modeSeen, Mode::TotalEnergy);
        // Beans 75 g and sauce 16.7 g, weighed to a tenth, give a little more.
        QCOMPARE(editor.CaloriesValueLabel->text(), QStringLiteral("74.4426"));
        QCOMPARE(editor.undoStack()->count(), 1);
    }

    void scalingAnEmptyRationAsksNothing()
    {
        TCentralWidget editor(testServices());
        editor.ScaleSlot();
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(editor.undoStack()->count(), 0);
    }

    void dishEditsAreSteps_data()
    {
        QTest::addColumn<QString>("typedYield"); // empty: portions changed instead
        QTest::addColumn<QString>("yield");
        QTest::addColumn<int>("portions");
        QTest::addColumn<QString>("undoText");
        QTest::newRow("yield, decimal comma") << "450,5"
                                              << "450.5" << 1 << "изменение выхода блюда";
        QTest::newRow("portions") << ""
                                  << "" << 4 << "изменение числа порций";
    }
    void dishEditsAreSteps()
    {
        QFETCH(QString, typedYield);
        QFETCH(QString, yield);
        QFETCH(int, portions);
        QFETCH(QString, undoText);
        TCalculateForm window(testServices());
        TCentralWidget &editor = *window.CentralWidget;
        window.loadRation(lunch(), true);
        QVERIFY(!window.isWindowModified());
        if (typedYield.isEmpty()) {
            portionsSpin(editor)->setValue(portions);
        } else {
            yieldEdit(editor)->setText(typedYield);
            QTest::keyClick(yieldEdit(editor), Qt::Key_Return);
        }
        QCOMPARE(editor.undoStack()->count(), 1);
        QCOMPARE(editor.undoStack()->undoText(), undoText);
        QVERIFY(window.isWindowModified());
        QCOMPARE(editor.ration().yield, yield);
        QCOMPARE(editor.ration().portions, portions);

        editor.undoStack()->undo();
        QVERIFY(!window.isWindowModified());
        QCOMPARE(editor.ration().yield, QString());
        QCOMPARE(editor.ration().portions, 1);
        QCOMPARE(yieldEdit(editor)->text(), QString());
        QCOMPARE(portionsSpin(editor)->value(), 1);
        editor.undoStack()->redo();
        QCOMPARE(editor.ration().yield, yield);
        QCOMPARE(portionsSpin(editor)->value(), portions);
    }

    // Portions typed digit by digit, or stepped, are one step; a yield
    // entered between them is a step of its own.
    void portionsInARowAreOneStep()
    {
        TCentralWidget editor(testServices());
        editor.loadRation(lunch());
        portionsSpin(editor)->setValue(2);
        portionsSpin(editor)->setValue(25);
        QCOMPARE(editor.undoStack()->count(), 1);
        yieldEdit(editor)->setText(QStringLiteral("180"));
        QTest::keyClick(yieldEdit(editor), Qt::Key_Return);
        portionsSpin(editor)->setValue(3);
        QCOMPARE(editor.undoStack()->count(), 3);
        editor.undoStack()->undo();
        editor.undoStack()->undo();
        QCOMPARE(editor.ration().portions, 25);
        QCOMPARE(editor.ration().yield, QString());
        editor.undoStack()->undo();
        QCOMPARE(portionsSpin(editor)->value(), 1);
        QVERIFY(editor.undoStack()->isClean());

        // Back where it started: no step at all.
        portionsSpin(editor)->setValue(4);
        portionsSpin(editor)->setValue(1);
        QCOMPARE(editor.undoStack()->count(), 0);
    }

    void loadedDishIsNoChange()
    {
        TCalculateForm window(testServices());
        TCentralWidget &editor = *window.CentralWidget;
        Ration stored = lunch();
        stored.yield = QStringLiteral("170,5");
        stored.portions = 3;
        window.loadRation(stored, true);
        QVERIFY(!window.isWindowModified());
        QCOMPARE(editor.undoStack()->count(), 0);
        QCOMPARE(editor.ration().yield, QStringLiteral("170.5"));
        QCOMPARE(editor.ration().portions, 3);
        QCOMPARE(portionsSpin(editor)->value(), 3);
        // Values per 100 g of the finished dish follow the totals shown.
        QCOMPARE(editor.dishPanel()->per100gTexts().value(5), QStringLiteral("87"));

        // A stored yield the panel would refuse is shown, and kept, as none.
        stored.yield = QStringLiteral("nan");
        TCalculateForm other(testServices());
        other.loadRation(stored, true);
        QCOMPARE(other.CentralWidget->ration().yield, QString());
        QVERIFY(!other.isWindowModified());
    }

    void typedYieldIsSaved()
    {
        TCentralWidget editor(testServices());
        editor.loadRation(lunch());
        yieldEdit(editor)->setText(QStringLiteral("200"));
        QCOMPARE(editor.ration().yield, QString());
        QCOMPARE(editor.finishedRation().yield, QStringLiteral("200"));
        QCOMPARE(editor.undoStack()->count(), 1);

        yieldEdit(editor)->setText(QStringLiteral("-5"));
        QCOMPARE(editor.finishedRation().yield, QStringLiteral("200"));
        QCOMPARE(MessageBox::history().size(), 1);
    }
};

QTEST_MAIN(TestEditorDish)
#include "tst_editordish.moc"
