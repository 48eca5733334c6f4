#include "core/catalogue/foodtable.h"
#include "core/ration/ration.h"
#include "core/ration/rationmodel.h"
#include "gui/ration/centralwidget.h"
#include "gui/ration/rationeditor.h"
#include "testservices.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QUndoStack>

namespace {

const QStringList fresh(6, QStringLiteral("0.00"));
const QStringList zeros(6, QStringLiteral("0"));
const QStringList beans150{"150", "124.5", "9", "0.15", "12.45", "87"};

void addBeans(RationEditor &editor, const QString &mass)
{
    editor.addProduct(QStringLiteral("Бобы"), mass,
                      FoodTable::builtIn().find(QStringLiteral("Бобы"))->valueList());
}

} // namespace

class TestRationEditor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void totals_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QStringList>("totals");
        QTest::newRow("new ration") << "" << fresh;
        QTest::newRow("nothing selected removed") << "remove none" << fresh;
        QTest::newRow("blank row removed") << "remove blank" << zeros;
        QTest::newRow("product added") << "add" << beans150;
        QTest::newRow("add undone") << "add, undo" << zeros;
    }
    void totals()
    {
        QFETCH(QString, step);
        RationEditor editor;
        if (step == "remove none")
            QVERIFY(!editor.removeRows({}));
        if (step == "remove blank")
            QVERIFY(!editor.removeRows({0}));
        if (step.startsWith("add"))
            addBeans(editor, "150");
        if (step.endsWith("undo"))
            editor.undoStack()->undo();
        QTEST(editor.totals(), "totals");
        QCOMPARE(editor.undoStack()->count(), step.startsWith("add") ? 1 : 0);
    }

    void changeMass_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<bool>("saysWhy");
        QTest::addColumn<QStringList>("rowAfter");
        QTest::addColumn<int>("steps");
        const QStringList beans{"Бобы", "150", "124.5", "9", "0.15", "12.45", "87"};
        const QStringList own{"Мой суп", "200", "100", "10", "4", "20", "150"};
        QTest::newRow("row not there") << 2 << "100" << false << false << own << 0;
        QTest::newRow("no mass") << 0 << "сто" << false << true << beans << 0;
        QTest::newRow("same mass") << 0 << "150" << true << false << beans << 0;
        QTest::newRow("product of the table")
            << 0 << "100,0" << true << false
            << QStringList{"Бобы", "100.0", "83", "6", "0.1", "8.3", "58"} << 1;
        QTest::newRow("own row scaled")
            << 1 << "50" << true << false
            << QStringList{"Мой суп", "50", "25", "2.5", "1", "5", "37.5"} << 1;
    }
    void changeMass()
    {
        QFETCH(int, row);
        QFETCH(QString, typed);
        QFETCH(QStringList, rowAfter);
        RationEditor editor;
        Ration loaded;
        loaded.rows = {{"Бобы", "150", "124.5", "9", "0.15", "12.45", "87"},
                       {"Мой суп", "200", "100", "10", "4", "20", "150"}};
        editor.load(loaded);
        QString why;
        QTEST(editor.changeMass(row, typed, &why), "taken");
        QTEST(!why.isEmpty(), "saysWhy");
        QCOMPARE(editor.model()->row(std::min(row, 1)), rowAfter);
        QTEST(editor.undoStack()->count(), "steps");
    }

    // A loaded ration comes after the rows there, with its name, as the
    // state the history starts from.
    void load()
    {
        RationEditor editor;
        addBeans(editor, "150");
        Ration ration;
        ration.name = QStringLiteral("Обед");
        ration.rows = {{"Бобы", "50", "41.5", "3", "0.05", "4.15", "29"}};
        editor.load(ration);
        QCOMPARE(editor.model()->size(), 2);
        QCOMPARE(editor.model()->name(), QStringLiteral("Обед"));
        QCOMPARE(editor.totals(), (QStringList{"200", "166", "12", "0.2", "16.6", "116"}));
        QCOMPARE(editor.undoStack()->count(), 0);
    }

    void scaleRefused()
    {
        RationEditor editor;
        addBeans(editor, "150");
        QString why;
        QVERIFY(!editor.scale(RationScale::Mode::Factor, QStringLiteral("сто"), &why));
        QVERIFY(!why.isEmpty());
        QCOMPARE(editor.undoStack()->count(), 1);
    }

    // The labels only show the totals: what is saved comes from the ration.
    void savedTotalsFromRation()
    {
        TCentralWidget window(testServices());
        QCOMPARE(window.ration().totals, fresh);
        window.MassValueLabel->setText(QStringLiteral("999"));
        window.CaloriesValueLabel->clear();
        QCOMPARE(window.ration().totals, fresh);
        Ration ration;
        ration.rows = {{"Бобы", "150", "124.5", "9", "0.15", "12.45", "87"}};
        window.loadRation(ration);
        QCOMPARE(window.ration().totals, beans150);
        QCOMPARE(window.MassValueLabel->text(), QStringLiteral("150"));
    }
};

QTEST_MAIN(TestRationEditor)
#include "tst_rationeditor.moc"
