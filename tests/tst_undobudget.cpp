#include "core/ration/rationmodel.h"
#include "gui/ration/rationcommands.h"
#include "gui/ration/undobudget.h"

#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>

namespace {

// Three rows whose every text tells the step that wrote it, trailing zeros
// and all, so that a state restored is known by its texts.
QList<RationRow> rowsOfStep(int step)
{
    QList<RationRow> rows;
    for (int r = 0; r < 3; ++r) {
        QStringList row{QStringLiteral("Продукт %1").arg(r)};
        for (int c = 1; c < RationModel::ColumnCount; ++c)
            row.append(QStringLiteral("%1.%2%30").arg(step).arg(r).arg(c));
        rows.append(row);
    }
    return rows;
}

QString yieldOfStep(int step) { return step == 0 ? QString() : QString::number(100 + step); }

} // namespace

class TestUndoBudget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Five scalings of three rows, each step keeping six rows.
    void oldestStepsGo_data()
    {
        QTest::addColumn<int>("budget");
        QTest::addColumn<int>("savedAt"); // the step after which it was saved; -1: never
        QTest::addColumn<int>("kept");
        QTest::addColumn<bool>("savedKept");
        QTest::newRow("all fit") << 30 << 2 << 5 << true;
        QTest::newRow("three fit") << 20 << 3 << 3 << true;
        QTest::newRow("saved state dropped") << 20 << 1 << 3 << false;
        QTest::newRow("saved at the first kept") << 20 << 2 << 3 << true;
        QTest::newRow("not even one fits: the last stays") << 5 << -1 << 1 << false;
    }
    void oldestStepsGo()
    {
        QFETCH(int, budget);
        QFETCH(int, savedAt);
        QFETCH(int, kept);
        QFETCH(bool, savedKept);
        const int steps = 5;
        RationModel model;
        model.setRows(rowsOfStep(0));
        QUndoStack stack;
        UndoBudget history(&stack, budget);
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        for (int step = 1; step <= steps; ++step) {
            history.push(new ScaleCommand(&model, rowsOfStep(step), yieldOfStep(step), 1,
                                          stack.command(stack.index() - 1)));
            if (step == savedAt)
                stack.setClean();
        }
        // Dropping steps touched no row: one reset for each step done.
        QCOMPARE(resets.count(), steps);
        QCOMPARE(stack.count(), kept);
        QVERIFY(history.storedRows() <= std::max(budget, 6));

        for (int step = steps - 1; step >= steps - kept; --step) {
            stack.undo();
            QCOMPARE(model.rows(), rowsOfStep(step));
            QCOMPARE(model.yield(), yieldOfStep(step));
            QCOMPARE(stack.isClean(), step == savedAt && savedKept);
        }
        QVERIFY(!stack.canUndo());
        while (stack.canRedo())
            stack.redo();
        QCOMPARE(model.rows(), rowsOfStep(steps));
        QCOMPARE(model.yield(), yieldOfStep(steps));
    }

    // Steps of every kind count what they keep, and the oldest of a mixed
    // history go the same way.
    void mixedSteps()
    {
        RationModel model;
        QUndoStack stack;
        UndoBudget history(&stack, 4);
        history.push(new AddRowCommand(&model, rowsOfStep(1).at(0)));
        history.push(new AddRowCommand(&model, rowsOfStep(1).at(1)));
        history.push(new RenameCommand(&model, QString(), QStringLiteral("Обед")));
        history.push(new ChangeRowCommand(&model, 0, rowsOfStep(2).at(0)));
        QCOMPARE(stack.count(), 3);
        QCOMPARE(history.storedRows(), 4);
        history.push(new RemoveRowsCommand(&model, {0, 1}));
        QCOMPARE(stack.count(), 2);
        QVERIFY(model.isBlank());
        stack.undo();
        QCOMPARE(model.rows(), (QList<RationRow>{rowsOfStep(2).at(0), rowsOfStep(1).at(1)}));
        stack.undo();
        QCOMPARE(model.rows(), rowsOfStep(1).mid(0, 2));
        QCOMPARE(model.name(), QStringLiteral("Обед"));
        QVERIFY(!stack.canUndo());
    }
};

QTEST_MAIN(TestUndoBudget)
#include "tst_undobudget.moc"
