#include "dialogs.h"
#include "gui/ration/centralwidget.h"
#include "gui/ration/massform.h"
#include "testservices.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

namespace {

QString current(const TCentralWidget &editor)
{
    return editor.FoodsList->currentIndex().siblingAtColumn(0).data().toString();
}

} // namespace

// Searching the food list from the keyboard: what is shown, where the keys
// go, and where the focus is left.
class TestFoodListSearch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Keys pressed one after another from the search field after typing;
    // the row they end on (empty: the field has the focus).
    void keys_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("byKcal"); // the list sorted by energy, highest first
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("ends");
        auto row = [](const char *tag, const char *typed, bool byKcal, const QList<int> &keys,
                      const char *ends) {
            QTest::newRow(tag) << QString::fromUtf8(typed) << byKcal << keys
                               << QString::fromUtf8(ends);
        };
        const int down = Qt::Key_Down;
        const int up = Qt::Key_Up;
        row("name itself first", "говядина", false, {down}, "Говядина");
        row("name itself first, by kcal", "ГОВЯДИНА", true, {down}, "Говядина");
        row("blank runs as one", "яблоки сушёные", false, {down}, "Яблоки  сушёные");
        row("down passes a group", "груш", false, {down, down}, "Груши");
        row("down stays on the last", "груш", false, {down, down, down}, "Груши");
        row("up passes a group", "груш", false, {down, down, up}, "Груша  сушёная");
        row("up from the first to the field", "груш", false, {down, up}, "");
        row("return goes into the list", "горох", false, {Qt::Key_Return}, "Горох лущёный");
        row("return on a group goes to its first product", "груш", false,
            {down, Qt::Key_Home, Qt::Key_Return}, "Груша  сушёная");
    }
    void keys()
    {
        QFETCH(QString, typed);
        QFETCH(bool, byKcal);
        QFETCH(QList<int>, keys);
        QFETCH(QString, ends);
        TCentralWidget editor(testServices());
        editor.show();
        editor.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        if (byKcal)
            editor.FoodsList->sortByColumn(5, Qt::DescendingOrder);
        editor.SearchEdit->setFocus();
        editor.SearchEdit->setText(typed);
        for (const int key : keys)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        if (ends.isEmpty()) {
            QCOMPARE(QApplication::focusWidget(), editor.SearchEdit);
        } else {
            QCOMPARE(QApplication::focusWidget(), editor.FoodsList);
            QCOMPARE(current(editor), ends);
            // Return never closes a group away.
            QTest::keyClick(editor.FoodsList, Qt::Key_Home);
            QTest::keyClick(editor.FoodsList, Qt::Key_Return);
            QVERIFY(editor.FoodsList->isExpanded(editor.FoodsList->currentIndex().parent()));
        }
    }

    // A search with no match says so where the list would be.
    void nothingFound_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("said");
        QTest::newRow("no match") << "щщщ" << true;
        QTest::newRow("a match") << "щи" << false;
        QTest::newRow("cleared") << "" << false;
    }
    void nothingFound()
    {
        QFETCH(QString, typed);
        QFETCH(bool, said);
        TCentralWidget editor(testServices());
        editor.show();
        editor.SearchEdit->setText(QStringLiteral("щщщ"));
        editor.SearchEdit->setText(typed);
        const auto *label =
            editor.FoodsList->viewport()->findChild<QLabel *>(QStringLiteral("NothingFoundLabel"));
        QVERIFY(label);
        QCOMPARE(label->isVisible(), said);
        QCOMPARE(label->text(), QStringLiteral("Ничего не найдено"));
        QCOMPARE(editor.FoodsList->model()->rowCount() == 0, said);
    }

    // Return on a found product adds it; the field then has the focus
    // with its text selected, and the next name replaces it.
    void addFromSearch()
    {
        TCentralWidget editor(testServices());
        editor.show();
        editor.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        editor.SearchEdit->setFocus();
        editor.SearchEdit->setText(QStringLiteral("бобы"));
        QTest::keyClick(editor.SearchEdit, Qt::Key_Down);
        whenDialogShows<TMassForm>([](TMassForm *form) {
            form->MassEdit->setText(QStringLiteral("150"));
            form->AddButton->click();
        });
        QTest::keyClick(editor.FoodsList, Qt::Key_Return);
        QCOMPARE(editor.cellText(0, 0), QStringLiteral("Бобы"));
        // The window takes the focus back once the dialog has gone.
        editor.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        QCOMPARE(QApplication::focusWidget(), editor.SearchEdit);
        QCOMPARE(editor.SearchEdit->selectedText(), QStringLiteral("бобы"));
    }
};

QTEST_MAIN(TestFoodListSearch)
#include "tst_foodlistsearch.moc"
