#include "core/ration/rationmodel.h"
#include "editorharness.h"
#include "gui/dialogs/messagebox.h"
#include "testservices.h"

#include <QApplication>

// The ration table of a ration window: masses edited in place, the other
// cells read-only.
class TestRationTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A mass cell is edited in place; the row is scaled anew, a refused
    // text keeps the old mass and says why.
    void changeMassInPlace_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("refusal"); // a word of the reason, or empty
        const QStringList before{"Бобы", "150", "124.5", "9", "0.15", "12.45", "87"};
        QTest::newRow("whole") << "50"
                               << QStringList{"Бобы", "50", "41.5", "3", "0.05", "4.15", "29"}
                               << "";
        QTest::newRow("decimal comma")
            << "1,5" << QStringList{"Бобы", "1.5", "1.245", "0.09", "0.0015", "0.1245", "0.87"}
            << "";
        QTest::newRow("grouped") << "1 000" << before << "разрядов";
        QTest::newRow("zero") << "0" << before << "нуля";
        QTest::newRow("over the largest") << "1e38" << before << "не больше 1000000 г";
        QTest::newRow("empty") << "" << before << "Введите";
    }
    void changeMassInPlace()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, expected);
        QFETCH(QString, refusal);
        MessageBox::setShowBoxes(false);
        MessageBox::clearHistory();
        TCentralWidget editor(testServices());
        QVERIFY(showWithBeans(editor));
        editor.FoodsTable->setFocus();
        editor.FoodsTable->setCurrentIndex(editor.model()->index(0, RationModel::Mass));
        QTest::keyClick(editor.FoodsTable, Qt::Key_Return);
        auto *cell = editor.FoodsTable->findChild<QLineEdit *>(QStringLiteral("MassCellEdit"));
        QVERIFY(cell);
        QTRY_VERIFY(cell->hasFocus());
        cell->setText(typed);
        QTest::keyClick(cell, Qt::Key_Return);
        QTRY_COMPARE(row(editor, 0), expected);
        QCOMPARE(totals(editor), expected.mid(1));
        QTRY_COMPARE(MessageBox::history().size(), refusal.isEmpty() ? 0 : 1);
        if (!refusal.isEmpty())
            QVERIFY(MessageBox::history().first().text.contains(refusal));
        MessageBox::setShowBoxes(true);
    }

    // A digit typed on a selected mass cell starts a new mass there; other
    // keys and other cells start nothing.
    void typingStartsMassEdit_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("mass"); // after Return, when an editor opened
        QTest::newRow("digit") << int(RationModel::Mass) << "75" << 0 << "75";
        QTest::newRow("keypad digit")
            << int(RationModel::Mass) << "8" << int(Qt::KeypadModifier) << "8";
        QTest::newRow("decimal comma") << int(RationModel::Mass) << ",5" << 0 << ".5";
        QTest::newRow("letter") << int(RationModel::Mass) << "a" << 0 << "";
        QTest::newRow("digit with Ctrl")
            << int(RationModel::Mass) << "5" << int(Qt::ControlModifier) << "";
        QTest::newRow("digit on a value")
            << int(RationModel::columnOf(Nutrients::Water)) << "5" << 0 << "";
    }
    void typingStartsMassEdit()
    {
        QFETCH(int, column);
        QFETCH(QString, keys);
        QFETCH(int, modifiers);
        QFETCH(QString, mass);
        TCentralWidget editor(testServices());
        QVERIFY(showWithBeans(editor));
        editor.FoodsTable->setFocus();
        editor.FoodsTable->setCurrentIndex(editor.model()->index(0, column));
        QTest::keyClick(editor.FoodsTable, keys.at(0).toLatin1(), Qt::KeyboardModifiers(modifiers));
        auto *cell = editor.FoodsTable->findChild<QLineEdit *>(QStringLiteral("MassCellEdit"));
        QCOMPARE(cell != nullptr, !mass.isEmpty());
        if (cell) {
            QTRY_VERIFY(cell->hasFocus());
            QTest::keyClicks(cell, keys.mid(1));
            QCOMPARE(cell->text(), keys);
            QTest::keyClick(cell, Qt::Key_Return);
        }
        QTRY_COMPARE(editor.cellText(0, RationModel::Mass), mass.isEmpty() ? "150" : mass);
    }

    // Other cells stay read-only, however they are reached.
    void onlyMassIsEditable()
    {
        TCentralWidget editor(testServices());
        QVERIFY(showWithBeans(editor));
        for (int c = 0; c < 7; ++c) {
            const QModelIndex index = editor.model()->index(0, c);
            editor.FoodsTable->setCurrentIndex(index);
            editor.FoodsTable->setFocus();
            QTest::keyClick(editor.FoodsTable, Qt::Key_Return);
            auto *cell = editor.FoodsTable->findChild<QLineEdit *>(QStringLiteral("MassCellEdit"));
            QCOMPARE(cell != nullptr, c == RationModel::Mass);
            if (cell)
                QTest::keyClick(cell, Qt::Key_Escape);
            QTRY_VERIFY(!editor.FoodsTable->findChild<QLineEdit *>(QStringLiteral("MassCellEdit")));
        }
        QCOMPARE(row(editor, 0).at(1), QStringLiteral("150"));
    }
};

QTEST_MAIN(TestRationTable)
#include "tst_rationtable.moc"
