#include "core/catalogue/foodmodel.h"
#include "core/nutrition/numbertext.h"
#include "core/ration/rationmodel.h"
#include "dialogs.h"
#include "editorharness.h"
#include "gui/dialogs/messagebox.h"
#include "gui/ration/centralwidget.h"
#include "gui/ration/dishpanel.h"
#include "gui/ration/massform.h"
#include "testservices.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <QUndoStack>

class TestEditor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newEditor()
    {
        TCentralWidget editor(testServices());
        QCOMPARE(editor.FoodsList->model()->rowCount(), 18);
        int products = 0;
        for (int g = 0; g < 18; ++g)
            products += childCount(group(editor, g));
        QCOMPARE(products, 284);
        QCOMPARE(visibleRows(editor.FoodsList).size(), 302);
        QCOMPARE(editor.FoodsTable->model()->rowCount(), 1);
        QCOMPARE(editor.FoodsTable->model()->columnCount(), 7);
        QCOMPARE(totals(editor), fresh);
        QCOMPARE(editor.RationEdit->text(), QStringLiteral("Без имени"));
        QCOMPARE(editor.RationEdit->selectedText(), QStringLiteral("Без имени"));
        QVERIFY(!editor.AddButton->isEnabled());
        QVERIFY(editor.RemoveButton->isEnabled());
        QCOMPARE(editor.FoodsTable->model()->headerData(6, Qt::Horizontal).toString(),
                 QStringLiteral("Ккал"));
        QCOMPARE(editor.FoodsList->model()->headerData(5, Qt::Horizontal).toString(),
                 QStringLiteral("ККал"));
        QCOMPARE(editor.CaloriesLabel->text(), QStringLiteral("ККал"));
    }

    // Adding 150 g and then 50 g of beans, then removing both rows.
    void addAndRemove()
    {
        TCentralWidget editor(testServices());
        QSignalSpy modified(editor.undoStack(), &QUndoStack::indexChanged);
        add(editor, "Бобы", "150");
        QCOMPARE(editor.FoodsTable->model()->rowCount(), 1);
        QCOMPARE(row(editor, 0), QStringList({"Бобы", "150", "124.5", "9", "0.15", "12.45", "87"}));
        QCOMPARE(totals(editor), QStringList({"150", "124.5", "9", "0.15", "12.45", "87"}));

        add(editor, "Бобы", "50");
        QCOMPARE(editor.FoodsTable->model()->rowCount(), 2);
        QCOMPARE(row(editor, 1), QStringList({"Бобы", "50", "41.5", "3", "0.05", "4.15", "29"}));
        QCOMPARE(totals(editor), QStringList({"200", "166", "12", "0.2", "16.6", "116"}));
        QCOMPARE(modified.count(), 2);

        // select row 0 by clicking its header
        QHeaderView *header = editor.FoodsTable->verticalHeader();
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->width() / 2, header->sectionViewportPosition(0) + 2));
        editor.RemoveButton->click();
        QCOMPARE(editor.FoodsTable->model()->rowCount(), 1);
        QCOMPARE(row(editor, 0).at(1), QStringLiteral("50"));
        QCOMPARE(totals(editor), QStringList({"50", "41.5", "3", "0.05", "4.15", "29"}));

        editor.FoodsTable->selectRow(0);
        editor.RemoveButton->click();
        QCOMPARE(editor.FoodsTable->model()->rowCount(), 1);
        QCOMPARE(row(editor, 0), QStringList(7, QString()));
        QCOMPARE(totals(editor), zeros);
        QCOMPARE(modified.count(), 4);
    }

    void removeBlankRow()
    {
        TCentralWidget editor(testServices());
        QSignalSpy modified(editor.undoStack(), &QUndoStack::indexChanged);
        editor.FoodsTable->selectRow(0);
        editor.RemoveButton->click();
        QCOMPARE(editor.FoodsTable->model()->rowCount(), 1);
        QCOMPARE(totals(editor), zeros);
        QCOMPARE(modified.count(), 0); // nothing of the ration was lost
    }

    // «<< Удалить» removes the row of every selected cell; with nothing
    // selected it removes nothing.
    void removeSelectedRows_data()
    {
        QTest::addColumn<QList<QPoint>>("cells"); // (column, row) of each selected cell
        QTest::addColumn<QStringList>("massesLeft");
        QTest::addColumn<QString>("massTotal");
        QTest::newRow("nothing") << QList<QPoint>{} << QStringList{"10", "20", "30"} << "60";
        QTest::newRow("one cell") << QList<QPoint>{{2, 1}} << QStringList{"10", "30"} << "40";
        QTest::newRow("two cells of one row")
            << QList<QPoint>{{0, 2}, {5, 2}} << QStringList{"10", "20"} << "30";
        QTest::newRow("cells of two rows")
            << QList<QPoint>{{1, 0}, {6, 2}} << QStringList{"20"} << "20";
        QTest::newRow("every row")
            << QList<QPoint>{{0, 0}, {0, 1}, {0, 2}} << QStringList{""} << "0";
    }
    void removeSelectedRows()
    {
        QFETCH(QList<QPoint>, cells);
        QFETCH(QStringList, massesLeft);
        QFETCH(QString, massTotal);
        for (const bool byKey : {false, true}) {
            TCentralWidget editor(testServices());
            add(editor, "Бобы", "10");
            add(editor, "Бобы", "20");
            add(editor, "Бобы", "30");
            QItemSelectionModel *selection = editor.FoodsTable->selectionModel();
            selection->clearSelection();
            for (const QPoint &cell : cells)
                selection->select(editor.model()->index(cell.y(), cell.x()),
                                  QItemSelectionModel::Select);
            if (byKey)
                QTest::keyClick(editor.FoodsTable, Qt::Key_Delete);
            else
                editor.RemoveButton->click();
            QStringList masses;
            for (int r = 0; r < editor.FoodsTable->model()->rowCount(); ++r)
                masses.append(editor.cellText(r, 1));
            QCOMPARE(masses, massesLeft);
            QCOMPARE(totals(editor).at(0), massTotal);
        }
    }

    void cancelledMassAddsNothing()
    {
        TCentralWidget editor(testServices());
        QSignalSpy modified(editor.undoStack(), &QUndoStack::indexChanged);
        editor.FoodsList->setCurrentIndex(item(editor, "Бобы"));
        QString named; // the dialog says which product it asks about
        whenDialogShows<TMassForm>([&named](TMassForm *form) {
            named = form->ProductLabel->text();
            form->reject();
        });
        editor.AddButton->click();
        QVERIFY2(named.contains(QStringLiteral("Бобы")), qPrintable(named));
        QCOMPARE(editor.FoodsTable->model()->rowCount(), 1);
        QVERIFY(editor.cellText(0, 1).isEmpty());
        QCOMPARE(totals(editor), fresh);
        QCOMPARE(modified.count(), 0);
    }

    // Only a product can be added; with a group or nothing selected the
    // command shows no dialog.
    void onlyProductsAreAdded_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::newRow("first group") << "Бобовые";
        QTest::newRow("other group") << "Крупы";
        QTest::newRow("nothing") << "";
    }
    void onlyProductsAreAdded()
    {
        QFETCH(QString, selected);
        TCentralWidget editor(testServices());
        editor.FoodsList->clearSelection();
        if (!selected.isEmpty())
            editor.FoodsList->setCurrentIndex(item(editor, selected));
        QVERIFY(!editor.AddButton->isEnabled());
        bool dialogShown = false;
        QPointer<QTimer> watch = whenDialogShows<TMassForm>([&dialogShown](TMassForm *form) {
            dialogShown = true;
            form->reject();
        });
        QMetaObject::invokeMethod(&editor, "AddSlot");
        delete watch;
        QVERIFY(!dialogShown);
        QVERIFY(editor.cellText(0, 0).isEmpty());
        QCOMPARE(totals(editor), fresh);
    }

    void addButtonFollowsSelection()
    {
        TCentralWidget editor(testServices());
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        editor.FoodsList->setFocus();
        editor.FoodsList->setCurrentIndex(group(editor, 0));
        QVERIFY(!editor.AddButton->isEnabled());
        QTest::keyClick(editor.FoodsList, Qt::Key_Down); // to "Бобы" by keyboard
        QCOMPARE(editor.FoodsList->currentIndex().data().toString(), QStringLiteral("Бобы"));
        QVERIFY(editor.AddButton->isEnabled());
        QTest::keyClick(editor.FoodsList, Qt::Key_Up);
        QVERIFY(!editor.AddButton->isEnabled());

        // Return opens a closed group, and never closes an open one: it
        // goes to its first product
        QTest::keyClick(editor.FoodsList, Qt::Key_Left);
        QVERIFY(!editor.FoodsList->isExpanded(group(editor, 0)));
        QTest::keyClick(editor.FoodsList, Qt::Key_Return);
        QVERIFY(editor.FoodsList->isExpanded(group(editor, 0)));
        QVERIFY(!editor.AddButton->isEnabled());
        QTest::keyClick(editor.FoodsList, Qt::Key_Return);
        QVERIFY(editor.FoodsList->isExpanded(group(editor, 0)));

        // Return on a product adds it
        whenDialogShows<TMassForm>([](TMassForm *form) {
            form->MassEdit->setText(QStringLiteral("100"));
            form->AddButton->click();
        });
        QTest::keyClick(editor.FoodsList, Qt::Key_Return);
        QCOMPARE(row(editor, 0).mid(0, 2), QStringList({"Бобы", "100"}));
    }

    void largeValuesUseExponent()
    {
        TCentralWidget editor(testServices());
        add(editor, "Масло растительное", "200000");
        QCOMPARE(editor.cellText(0, 6), QStringLiteral("1.798e+06"));
        QCOMPARE(editor.CaloriesValueLabel->text(), QStringLiteral("1.798e+06"));
    }

    // Totals are the sums of the rows as shown and never drift.
    void totalsDoNotDrift()
    {
        TCentralWidget editor(testServices());
        add(editor, "Бобы", "999.25");
        add(editor, "Бобы", "1.125");
        QCOMPARE(editor.MassValueLabel->text(), QStringLiteral("1000.38"));
        editor.FoodsTable->selectRow(1);
        editor.RemoveButton->click();
        QCOMPARE(editor.MassValueLabel->text(), QStringLiteral("999.25"));
        editor.FoodsTable->selectRow(0);
        editor.RemoveButton->click();
        QCOMPARE(totals(editor), zeros);
    }

    void namesKeptExactly()
    {
        TCentralWidget editor(testServices());
        add(editor, "Вишня  сушёная", "10");
        add(editor, "Крупа пшеничная \"Полтавская\"", "10");
        QCOMPARE(editor.cellText(0, 0), QStringLiteral("Вишня  сушёная"));
        QCOMPARE(editor.cellText(1, 0), QStringLiteral("Крупа пшеничная \"Полтавская\""));
    }

    void loadRationFillsBlankRowFirst()
    {
        TCentralWidget editor(testServices());
        Ration ration;
        ration.name = QStringLiteral("Обед");
        ration.rows = {{"Суп", "", "1", "2", "3", "4", "5"},
                       {"Хлеб", "50", "1", "1", "1", "1", "100"}};
        editor.loadRation(ration);
        QCOMPARE(editor.FoodsTable->model()->rowCount(), 2);
        QCOMPARE(row(editor, 0).at(0), QStringLiteral("Суп"));
        QCOMPARE(row(editor, 1).at(0), QStringLiteral("Хлеб"));
        QCOMPARE(totals(editor), QStringList({"50", "2", "3", "4", "5", "105"}));
        QCOMPARE(editor.ration().rows, ration.rows);
    }

    // Each step undoes as one: several rows removed come back in place.
    void undoRedoSteps()
    {
        TCentralWidget editor(testServices());
        add(editor, "Бобы", "10");
        add(editor, "Бобы", "20");
        add(editor, "Бобы", "30");
        QItemSelectionModel *selection = editor.FoodsTable->selectionModel();
        selection->select(editor.model()->index(0, 4), QItemSelectionModel::Select);
        selection->select(editor.model()->index(2, 0), QItemSelectionModel::Select);
        editor.RemoveButton->click();
        QCOMPARE(editor.undoStack()->count(), 4);
        QCOMPARE(editor.undoStack()->undoText(), QStringLiteral("удаление строк (2)"));
        QCOMPARE(totals(editor).at(0), QStringLiteral("20"));
        editor.undoStack()->undo();
        QCOMPARE(editor.ration().rows.size(), 3);
        QCOMPARE(row(editor, 0).at(1), QStringLiteral("10"));
        QCOMPARE(row(editor, 2).at(1), QStringLiteral("30"));
        QCOMPARE(totals(editor).at(0), QStringLiteral("60"));
        editor.undoStack()->undo();
        editor.undoStack()->undo();
        editor.undoStack()->undo();
        QCOMPARE(editor.model()->isBlank(), true);
        QCOMPARE(totals(editor), zeros);
        QCOMPARE(editor.undoStack()->redoText(), QStringLiteral("добавление «Бобы»"));
        editor.undoStack()->redo();
        QCOMPARE(row(editor, 0).at(1), QStringLiteral("10"));
        QCOMPARE(totals(editor).at(0), QStringLiteral("10"));
    }

    void loadingStartsACleanStack()
    {
        TCentralWidget editor(testServices());
        add(editor, "Бобы", "10");
        QVERIFY(editor.undoStack()->canUndo());
        Ration ration;
        ration.name = QStringLiteral("Обед");
        ration.rows = {{"Хлеб", "50", "1", "1", "1", "1", "100"}};
        editor.loadRation(ration);
        QVERIFY(!editor.undoStack()->canUndo());
        QVERIFY(editor.undoStack()->isClean());
        QCOMPARE(editor.ration().rows.size(), 2);
    }

    // Tab goes from control to control and out of the table again.
    void tabOrder()
    {
        TCentralWidget editor(testServices());
        editor.show();
        editor.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        add(editor, "Бобы", "10");
        editor.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        editor.FoodsList->setCurrentIndex(item(editor, "Бобы"));
        editor.findChild<QToolButton *>(QStringLiteral("DishToggle"))->click(); // the dish shown
        editor.RationEdit->setFocus();
        const QList<QWidget *> expected{
            editor.SearchEdit, editor.FoodsList, editor.AddButton, editor.RemoveButton,
            editor.FoodsTable, editor.findChild<QToolButton *>(QStringLiteral("DishToggle")),
            // The share of the day waits for a profile.
            editor.findChild<QComboBox *>(QStringLiteral("ProfileBox")),
            editor.dishPanel()->findChild<QLineEdit *>(QStringLiteral("YieldEdit")),
            editor.dishPanel()->findChild<QSpinBox *>(QStringLiteral("PortionsSpin")),
            editor.dishPanel()->findChild<QCheckBox *>(QStringLiteral("WasteCheck")),
            editor.RationEdit};
        QTRY_COMPARE(QApplication::focusWidget(), editor.RationEdit);
        for (QWidget *next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    // Typing a name back to what it was leaves nothing to undo.
    void nameTypedBackIsNoStep()
    {
        TCentralWidget editor(testServices());
        editor.RationEdit->end(false);
        QTest::keyClicks(editor.RationEdit, QStringLiteral("ab"));
        QCOMPARE(editor.undoStack()->count(), 1);
        QVERIFY(!editor.undoStack()->isClean());
        QTest::keyClick(editor.RationEdit, Qt::Key_Backspace);
        QTest::keyClick(editor.RationEdit, Qt::Key_Backspace);
        QCOMPARE(editor.RationEdit->text(), QStringLiteral("Без имени"));
        QCOMPARE(editor.undoStack()->count(), 0);
        QVERIFY(editor.undoStack()->isClean());
    }

    void editingTheNameModifies()
    {
        TCentralWidget editor(testServices());
        QSignalSpy modified(editor.undoStack(), &QUndoStack::indexChanged);
        QTest::keyClicks(editor.RationEdit, QStringLiteral("lunch"));
        QVERIFY(modified.count() > 0);
    }
};

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
