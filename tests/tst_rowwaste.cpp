#include "core/catalogue/foodtable.h"
#include "core/kitchen/wastenorms.h"
#include "core/ration/rationmodel.h"
#include "gui/ration/rationeditor.h"

#include <QDate>
#include <QTest>
#include <QUndoStack>

namespace {

const QString potato = QStringLiteral("Картофель");

// A ration of one potato row of 103 g that loses the waste given.
void addPotato(RationEditor &editor, const QString &waste)
{
    editor.addProduct(potato, QStringLiteral("103"), FoodTable::builtIn().find(potato)->valueList(),
                      waste);
}

QString shown(const RationEditor &editor, int column)
{
    return editor.model()->index(0, column).data().toString();
}

} // namespace

// A row's waste: edited as one step, refused naming its field, kept through
// every other change of the row, and the waste a product added starts with.
class TestRowWaste : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void changeWaste_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("waste"); // empty: refused
        QTest::addColumn<QString>("gross");
        QTest::newRow("25") << "25"
                            << "25"
                            << "137.3";
        QTest::newRow("comma") << " 12,5 "
                               << "12.5"
                               << "117.7";
        QTest::newRow("the same") << "35"
                                  << "35"
                                  << "158.5";
        QTest::newRow("0 is none") << "0"
                                   << "0"
                                   << "103.0";
        QTest::newRow("empty is none") << ""
                                       << "0"
                                       << "103.0";
        QTest::newRow("just under 100") << "99.9"
                                        << "99.9"
                                        << "103000.0";
        QTest::newRow("100") << "100"
                             << ""
                             << "158.5";
        QTest::newRow("negative") << "-1"
                                  << ""
                                  << "158.5";
        QTest::newRow("no number") << "треть"
                                   << ""
                                   << "158.5";
    }
    void changeWaste()
    {
        QFETCH(QString, typed);
        QFETCH(QString, waste);
        RationEditor editor;
        editor.model()->setShowsWaste(true);
        addPotato(editor, "35");
        editor.undoStack()->setClean();
        QString why;
        QCOMPARE(editor.changeWaste(0, typed, &why), !waste.isEmpty());
        QCOMPARE(why.contains(QStringLiteral("«Отходы, %»")), waste.isEmpty());
        QCOMPARE(shown(editor, RationModel::WasteColumn), waste.isEmpty() ? "35" : waste);
        QTEST(shown(editor, RationModel::GrossColumn), "gross");
        QCOMPARE(editor.wastes(), QList<double>{waste.isEmpty() ? 35.0 : waste.toDouble()});
        const bool changed = !waste.isEmpty() && waste != "35";
        QCOMPARE(editor.undoStack()->isClean(), !changed);
        if (!changed)
            return;
        // none is written as none: the row is the one added without waste
        QCOMPARE(editor.model()->row(0).wasteView().isEmpty(), waste == "0");
        QCOMPARE(editor.undoStack()->undoText(), "изменение отходов «Картофель»");
        editor.undoStack()->undo();
        QCOMPARE(shown(editor, RationModel::WasteColumn), "35");
        QCOMPARE(editor.model()->row(0).waste(), "35");
    }

    // The norm by the card's date (today without one), an own product's
    // waste first; nothing while the waste is not shown; for a product added
    // alone and for rows added at once.
    void wasteFor_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("own");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("waste");
        QTest::newRow("potato, January") << potato << QDate(2027, 1, 15) << "" << true << "35";
        QTest::newRow("potato, 29 February") << potato << QDate(2028, 2, 29) << "" << true << "35";
        QTest::newRow("potato, 1 March") << potato << QDate(2027, 3, 1) << "" << true << "40";
        QTest::newRow("potato, October") << potato << QDate(2027, 10, 31) << "" << true << "25";
        QTest::newRow("potato, December") << potato << QDate(2027, 12, 31) << "" << true << "30";
        QTest::newRow("carrot, January")
            << "Морковь красная" << QDate(2027, 1, 1) << "" << true << "25";
        QTest::newRow("onion") << "Лук репчатый" << QDate(2027, 6, 1) << "" << true << "16";
        QTest::newRow("no norm") << "Бобы" << QDate(2027, 1, 15) << "" << true << "";
        QTest::newRow("columns off") << potato << QDate(2027, 1, 15) << "" << false << "";
        QTest::newRow("own product") << "Мой суп" << QDate(2027, 1, 15) << "12.5" << true << "12.5";
        QTest::newRow("own waste before the norm")
            << potato << QDate(2027, 1, 15) << "10" << true << "10";
        QTest::newRow("own product without waste")
            << "Мой суп" << QDate(2027, 1, 15) << "" << true << "";
    }
    void wasteFor()
    {
        QFETCH(QString, product);
        QFETCH(QDate, date);
        QFETCH(QString, own);
        QFETCH(bool, shown);
        RationEditor editor;
        CardData card;
        card.date = date;
        editor.takeLoadedCard(card);
        editor.model()->setShowsWaste(shown);
        QFETCH(QString, waste);
        QCOMPARE(editor.wasteFor(product, own), waste);
        // Rows added at once (from a CSV file) take it the same way.
        RationRow row = RationModel::productRow(product, QStringLiteral("100"), {});
        row.setWaste(own);
        editor.addRows({row});
        QCOMPARE(editor.model()->row(0).waste(), waste);
    }

    void todayWithoutCardDate()
    {
        RationEditor editor;
        editor.model()->setShowsWaste(true);
        const double today = *WasteNorms::percentFor(potato, QDate::currentDate());
        QCOMPARE(editor.wasteFor(potato), QString::number(today));
    }

    // A mass change, a scaling and their undoing, a removal undone and a
    // copy of the rows keep the waste; the gross mass follows the mass.
    void keptThroughSteps_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("gross");
        QTest::newRow("mass") << "mass"
                              << "316.9";
        QTest::newRow("scaled twice") << "scale"
                                      << "316.9";
        QTest::newRow("scaling undone") << "scale, undo"
                                        << "158.5";
        QTest::newRow("removal undone") << "remove, undo"
                                        << "158.5";
        QTest::newRow("loaded copy") << "load"
                                     << "158.5";
    }
    void keptThroughSteps()
    {
        QFETCH(QString, step);
        RationEditor editor;
        editor.model()->setShowsWaste(true);
        addPotato(editor, "35");
        if (step == "mass")
            QVERIFY(editor.changeMass(0, "206"));
        if (step.startsWith("scale"))
            QVERIFY(editor.scale(RationScale::Mode::Factor, "2"));
        if (step.startsWith("remove"))
            QVERIFY(editor.removeRows({0}));
        if (step.endsWith("undo"))
            editor.undoStack()->undo();
        RationEditor copy;
        copy.model()->setShowsWaste(true);
        if (step == "load")
            copy.load(editor.model()->ration());
        const RationEditor &shownEditor = step == "load" ? copy : editor;
        QCOMPARE(shownEditor.model()->row(0).waste(), "35");
        QTEST(shown(shownEditor, RationModel::GrossColumn), "gross");
    }
};

QTEST_MAIN(TestRowWaste)
#include "tst_rowwaste.moc"
