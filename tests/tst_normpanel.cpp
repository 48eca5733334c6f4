#include "testservices.h"

#include "core/ration/rationmodel.h"
#include "gui/dialogs/messagebox.h"
#include "gui/ration/centralwidget.h"
#include "gui/ration/dishpanel.h"
#include "gui/ration/normpanel.h"
#include "gui/tools/energybar.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QUndoStack>

namespace {
const Profile &Ivan = ivan();

// A ration of 1325 kcal: half of Ivan's day.
Ration halfADay()
{
    Ration ration;
    ration.name = QStringLiteral("Обед");
    ration.rows = {{"Суп", "500", "400", "43", "44", "189", "1325"}};
    return ration;
}
} // namespace

class TestNormPanel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        MessageBox::setShowBoxes(false);
        QVERIFY(startWithIvan());
    }

    // Choosing a profile and a share shows the norm and what the ration
    // gives of it; each choice is a step that undo takes back.
    void normFollowsProfileAndShare()
    {
        TCentralWidget editor(testServices());
        editor.loadRation(halfADay());
        auto *panel = editor.findChild<NormPanel *>(QStringLiteral("NormPanel"));
        QVERIFY(panel);
        QVERIFY(!panel->ShareBox->isEnabled());
        QVERIFY(panel->normTexts().join(QString()).isEmpty());

        QCOMPARE(panel->ProfileBox->itemText(1), Ivan.name);
        panel->ProfileBox->setCurrentIndex(1);
        Q_EMIT panel->ProfileBox->activated(1);
        QCOMPARE(editor.ration().profile, Ivan);
        QCOMPARE(panel->normTexts(), QStringList({"", "", "86", "88", "378", "2650"}));
        QCOMPARE(panel->percentTexts().constLast(), QStringLiteral("50 % — мало"));
        QVERIFY(editor.dishPanel()->energyBar()->note().contains(QStringLiteral("белки 13 %")));

        panel->ShareBox->setEditText(QStringLiteral("50 %"));
        QVERIFY(panel->commitTypedShare());
        QCOMPARE(editor.ration().share, 50);
        QCOMPARE(panel->normTexts().constLast(), QStringLiteral("1325"));
        QCOMPARE(panel->percentTexts().constLast(), QStringLiteral("100 %"));

        editor.undoStack()->undo();
        QCOMPARE(editor.ration().share, 100);
        QCOMPARE(panel->percentTexts().constLast(), QStringLiteral("50 % — мало"));
        editor.undoStack()->undo();
        QVERIFY(!editor.ration().profile);
        QVERIFY(editor.undoStack()->isClean());
    }

    // A share that is no whole number of 1 to 100 is refused, by name.
    void badShareRefused_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("zero") << "0";
        QTest::newRow("over 100") << "101";
        QTest::newRow("fraction") << "12,5";
        QTest::newRow("word") << "обед";
    }
    void badShareRefused()
    {
        QFETCH(QString, typed);
        TCentralWidget editor(testServices());
        editor.loadRation(halfADay());
        auto *panel = editor.findChild<NormPanel *>(QStringLiteral("NormPanel"));
        panel->ProfileBox->setCurrentIndex(1);
        Q_EMIT panel->ProfileBox->activated(1);
        MessageBox::clearHistory();
        panel->ShareBox->setEditText(typed);
        QVERIFY(!panel->commitTypedShare());
        QCOMPARE(MessageBox::history().size(), 1);
        QVERIFY(MessageBox::history().constFirst().text.startsWith(
            QStringLiteral("Доля дневной нормы, %:")));
        QCOMPARE(panel->ShareBox->currentText(), QStringLiteral("100"));
        QCOMPARE(editor.ration().share, 100);
    }
};

QTEST_MAIN(TestNormPanel)
#include "tst_normpanel.moc"
