#include "core/catalogue/foodmodel.h"
#include "core/nutrition/numbertext.h"
#include "editorharness.h"
#include "testservices.h"

#include <QApplication>
#include <QHeaderView>

// The food list of a ration window: its groups and products in order, its
// columns wide enough and sorted by number, its search.
class TestFoodList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void groupsInRussianOrder()
    {
        TCentralWidget editor(testServices());
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
        TCentralWidget editor(testServices());
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
        TCentralWidget editor(testServices());
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
        TCentralWidget editor(testServices());
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
        TCentralWidget editor(testServices());
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
        TCentralWidget editor(testServices());
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
};

QTEST_MAIN(TestFoodList)
#include "tst_foodlist.moc"
