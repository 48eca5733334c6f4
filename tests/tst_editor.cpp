#include "core/catalogue/foodmodel.h"
#include "core/nutrition/numbertext.h"
#include "core/ration/rationmodel.h"
#include "dialogs.h"
#include "gui/dialogs/messagebox.h"
#include "gui/ration/centralwidget.h"
#include "gui/ration/dishpanel.h"
#include "gui/ration/massform.h"

#include <QApplication>
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

namespace {

// The food list's row of that name (group or product), or an invalid index.
QModelIndex item(TCentralWidget &editor, const QString &name)
{
    const QAbstractItemModel *model = editor.FoodsList->model();
    return model
        ->match(model->index(0, 0), Qt::DisplayRole, name, 1, Qt::MatchExactly | Qt::MatchRecursive)
        .value(0);
}

QModelIndex group(TCentralWidget &editor, int g) { return editor.FoodsList->model()->index(g, 0); }

int childCount(const QModelIndex &row) { return row.model()->rowCount(row); }

QString text(const QModelIndex &row, int column)
{
    return row.sibling(row.row(), column).data().toString();
}

QStringList totals(const TCentralWidget &editor)
{
    return {editor.MassValueLabel->text(),          editor.WaterValueLabel->text(),
            editor.ProteinValueLabel->text(),       editor.FatValueLabel->text(),
            editor.CarbohydratesValueLabel->text(), editor.CaloriesValueLabel->text()};
}

QStringList row(const TCentralWidget &editor, int r)
{
    QStringList texts;
    for (int c = 0; c < 7; ++c)
        texts.append(editor.cellText(r, c));
    return texts;
}

// Selects the product and adds it with the mass typed into the dialog.
void add(TCentralWidget &editor, const QString &product, const QString &mass)
{
    editor.FoodsList->setCurrentIndex(item(editor, product));
    whenDialogShows<TMassForm>([mass](TMassForm *form) {
        form->MassEdit->setText(mass);
        form->AddButton->click();
    });
    editor.AddButton->click();
}

// Shows the editor, adds 150 g of beans and makes it the active window
// again, as it is once the mass dialog has closed.
bool showWithBeans(TCentralWidget &editor)
{
    editor.show();
    editor.activateWindow();
    if (!QTest::qWaitForWindowActive(&editor))
        return false;
    add(editor, "Бобы", "150");
    editor.activateWindow();
    return QTest::qWaitForWindowActive(&editor);
}

QStringList visibleRows(QTreeView *list)
{
    QStringList names;
    for (QModelIndex i = list->model()->index(0, 0); i.isValid(); i = list->indexBelow(i))
        names.append(i.data().toString());
    return names;
}

const QStringList zeros = {"0", "0", "0", "0", "0", "0"};
const QStringList fresh = {"0.00", "0.00", "0.00", "0.00", "0.00", "0.00"};

} // namespace

class TestEditor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newEditor()
    {
        TCentralWidget editor;
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

    void groupsInRussianOrder()
    {
        TCentralWidget editor;
        QStringList groups;
        for (int g = 0; g < 18; ++g)
            groups.append(text(group(editor, g), 0));
        const QStringList expected = {"Бобовые",
                                      "Грибы",
                                      "Жиры и масла",
                                      "Икра",
                                      "Колбаса и колбасные изделия",
                                      "Кондитерские изделия",
                                      "Крупы",
                                      "Молоко и молочные продукты",
                                      "Мясные консервы и копчёности",
                                      "Мясо, субпродукты, птица",
                                      "Овощи",
                                      "Орехи",
                                      "Рыба и морепродукты",
                                      "Сладости",
                                      "Сухофрукты",
                                      "Фрукты и ягоды",
                                      "Хлебобулочные изделия и мука",
                                      "Яйца"};
        QCOMPARE(groups, expected);

        const QModelIndex fats = group(editor, 2);
        QStringList products;
        for (int i = 0; i < childCount(fats); ++i)
            products.append(text(fats.model()->index(i, 0, fats), 0));
        QCOMPARE(products,
                 QStringList({"Жир бараний или говяжий топлёный", "Майонез",
                              "Маргарин бутербродный", "Маргарин молочный", "Масло растительное",
                              "Масло сливочное", "Масло топлёное", "Шпик свиной (без шкурки)"}));
    }

    // Ё sorts with Е, as in a Russian dictionary.
    void yoSortsWithYe()
    {
        TCentralWidget editor;
        const QStringList rows = visibleRows(editor.FoodsList);
        const auto at = [&](const char *name) {
            return rows.indexOf(QString::fromUtf8(name));
        };
        QVERIFY(at("Сельдь") >= 0);
        QVERIFY(at("Сельдь") < at("Сёмга"));
        QVERIFY(at("Сёмга") < at("Сиг"));
        QVERIFY(FoodModel::compareNames(QStringLiteral("Ёж"), QStringLiteral("Жук")) < 0);
    }

    void valueCells()
    {
        TCentralWidget editor;
        const QModelIndex first = group(editor, 0);
        for (int c = 1; c <= 5; ++c) {
            QVERIFY(text(first, c).isEmpty());
            QCOMPARE(NumberText::parse(text(first, c)), 0.0f);
        }
        QCOMPARE(text(item(editor, "Сыр плавленный"), 2), QStringLiteral("24.0 "));
        QCOMPARE(NumberText::parse(text(item(editor, "Сыр плавленный"), 2)), 24.0f);
        QCOMPARE(text(item(editor, "Горбуша"), 2), QStringLiteral("21"));
    }

    // The columns are sized without shaping every text; none may come out
    // narrower than a text it has to show.
    void foodListTextsFit()
    {
        TCentralWidget editor;
        QTreeView *list = editor.FoodsList;
        QFont bold = list->font();
        bold.setBold(true);
        const int indent = list->indentation();
        // What the item view's delegate leaves for a text, as it draws it.
        const int margins = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
        for (int g = 0; g < list->model()->rowCount(); ++g) {
            const QModelIndex groupRow = group(editor, g);
            QVERIFY2(QFontMetrics(bold).horizontalAdvance(text(groupRow, 0)) + margins
                         <= list->columnWidth(0),
                     qPrintable(text(groupRow, 0)));
            for (int p = 0; p < childCount(groupRow); ++p) {
                const QModelIndex product = list->model()->index(p, 0, groupRow);
                for (int c = 0; c < list->model()->columnCount(groupRow); ++c) {
                    const int needed = list->fontMetrics().horizontalAdvance(text(product, c))
                        + margins + (c == 0 ? indent : 0);
                    QVERIFY2(needed <= list->columnWidth(c), qPrintable(text(product, c)));
                }
            }
        }
    }

    void valueColumnsSortByNumber()
    {
        TCentralWidget editor;
        editor.FoodsList->sortByColumn(5, Qt::AscendingOrder);
        QCOMPARE(editor.FoodsList->model()->rowCount(), 18);
        for (int g = 0; g < 18; ++g) {
            const QModelIndex each = group(editor, g);
            QVERIFY(!each.parent().isValid());
            const QAbstractItemModel *model = each.model();
            for (int i = 1; i < childCount(each); ++i)
                QVERIFY2(NumberText::parse(text(model->index(i - 1, 0, each), 5))
                             <= NumberText::parse(text(model->index(i, 0, each), 5)),
                         qPrintable(text(model->index(i, 0, each), 0)));
        }
        // 99 before 897: numbers, not texts
        const QModelIndex fats = item(editor, "Жиры и масла");
        QCOMPARE(text(fats.model()->index(0, 0, fats), 0), QStringLiteral("Майонез"));
        editor.FoodsList->sortByColumn(5, Qt::DescendingOrder);
        const QModelIndex sorted = item(editor, "Жиры и масла");
        QCOMPARE(text(sorted.model()->index(childCount(sorted) - 1, 0, sorted), 0),
                 QStringLiteral("Майонез"));
    }

    // Adding 150 g and then 50 g of beans, then removing both rows.
    void addAndRemove()
    {
        TCentralWidget editor;
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
        TCentralWidget editor;
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
            TCentralWidget editor;
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
        TCentralWidget editor;
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
        TCentralWidget editor;
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
        TCentralWidget editor;
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
        TCentralWidget editor;
        add(editor, "Масло растительное", "200000");
        QCOMPARE(editor.cellText(0, 6), QStringLiteral("1.798e+06"));
        QCOMPARE(editor.CaloriesValueLabel->text(), QStringLiteral("1.798e+06"));
    }

    // Totals are the sums of the rows as shown and never drift.
    void totalsDoNotDrift()
    {
        TCentralWidget editor;
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
        TCentralWidget editor;
        add(editor, "Вишня  сушёная", "10");
        add(editor, "Крупа пшеничная \"Полтавская\"", "10");
        QCOMPARE(editor.cellText(0, 0), QStringLiteral("Вишня  сушёная"));
        QCOMPARE(editor.cellText(1, 0), QStringLiteral("Крупа пшеничная \"Полтавская\""));
    }

    void loadRationFillsBlankRowFirst()
    {
        TCentralWidget editor;
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
        TCentralWidget editor;
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
        TCentralWidget editor;
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
        TCentralWidget editor;
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

    // Each step undoes as one: several rows removed come back in place.
    void undoRedoSteps()
    {
        TCentralWidget editor;
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
        TCentralWidget editor;
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
        TCentralWidget editor;
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
            editor.SearchEdit,
            editor.FoodsList,
            editor.AddButton,
            editor.RemoveButton,
            editor.FoodsTable,
            editor.findChild<QToolButton *>(QStringLiteral("DishToggle")),
            editor.dishPanel()->findChild<QLineEdit *>(QStringLiteral("YieldEdit")),
            editor.dishPanel()->findChild<QSpinBox *>(QStringLiteral("PortionsSpin")),
            editor.RationEdit};
        QTRY_COMPARE(QApplication::focusWidget(), editor.RationEdit);
        for (QWidget *next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    // Typing in the search field leaves the matching products in view, in
    // open groups; Escape brings the whole list back as it was.
    void filter_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("е finds ё") << "курага сушен" << QStringList{"Сухофрукты", "Курага сушёная"};
        QTest::newRow("case and middle of a name")
            << "ПОЛТАВ"
            << QStringList{"Колбаса и колбасные изделия", "Колбаса полукопчёная полтавская",
                           "Крупы", "Крупа пшеничная \"Полтавская\""};
        QTest::newRow("nothing") << "щщщ" << QStringList{};
    }
    void filter()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, shown);
        TCentralWidget editor;
        editor.show();
        editor.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        const int all = visibleRows(editor.FoodsList).size();
        editor.FoodsList->collapse(group(editor, 0));
        editor.SearchEdit->setFocus();
        editor.SearchEdit->setText(typed); // as typed: the list follows each change
        QStringList visible = visibleRows(editor.FoodsList);
        QCOMPARE(visible, shown);
        if (!shown.isEmpty()) {
            QTest::keyClick(editor.SearchEdit, Qt::Key_Down);
            QCOMPARE(QApplication::focusWidget(), editor.FoodsList);
            QCOMPARE(editor.FoodsList->currentIndex().data().toString(), shown.at(1));
        }
        QTest::keyClick(editor.FoodsList, Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), editor.SearchEdit);
        QTest::keyClick(editor.SearchEdit, Qt::Key_Escape);
        QVERIFY(editor.SearchEdit->text().isEmpty());
        QVERIFY(!editor.FoodsList->isExpanded(group(editor, 0)));
        editor.FoodsList->expand(group(editor, 0));
        QCOMPARE(visibleRows(editor.FoodsList).size(), all);
    }

    // Typing a name back to what it was leaves nothing to undo.
    void nameTypedBackIsNoStep()
    {
        TCentralWidget editor;
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
        TCentralWidget editor;
        QSignalSpy modified(editor.undoStack(), &QUndoStack::indexChanged);
        QTest::keyClicks(editor.RationEdit, QStringLiteral("lunch"));
        QVERIFY(modified.count() > 0);
    }
};

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
