#include "core/catalogue/foodtable.h"
#include "core/ration/rationmodel.h"
#include "gui/ration/calculateform.h"
#include "gui/ration/centralwidget.h"
#include "gui/ration/dishpanel.h"
#include "gui/tools/energybar.h"
#include "testservices.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

namespace {

Ration sample(bool dish)
{
    Ration ration;
    ration.name = QStringLiteral("Суп");
    for (const char *name :
         {"Колбаса полукопчёная полтавская", "Горох лущёный", "Масло сливочное"}) {
        const FoodTable::Product *product = FoodTable::builtIn().find(QString::fromUtf8(name));
        ration.rows.append(
            RationModel::productRow(product->name, QStringLiteral("999.5"), product->valueList()));
    }
    if (dish) {
        ration.yield = QStringLiteral("4000");
        ration.portions = 6;
    }
    return ration;
}

// Where a column of the table starts and how wide it is, in the editor.
QPair<int, int> column(const TCentralWidget &editor, int c)
{
    const QHeaderView *header = editor.FoodsTable->horizontalHeader();
    const int left = editor.FoodsTable->viewport()
                         ->mapTo(&editor, QPoint(header->sectionViewportPosition(c), 0))
                         .x();
    return {left, header->sectionSize(c)};
}

// The last column of the view ends inside it: every column is in view.
bool wholeInView(const QHeaderView *header)
{
    const int last = header->count() - 1;
    return header->sectionViewportPosition(0) == 0
        && header->sectionViewportPosition(last) + header->sectionSize(last)
        <= header->viewport()->width();
}

} // namespace

class TestRationLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The editor in the room a maximized window has on a screen of 1024×600
    // and of 1366×768, and at twice the scale on the latter.
    void layout_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("dish");
        QTest::addColumn<bool>("everyColumn"); // both lists show all their columns
        QTest::newRow("1024x600") << QSize(1002, 490) << false << true;
        QTest::newRow("1024x600 dish") << QSize(1002, 490) << true << true;
        QTest::newRow("1366x768 dish") << QSize(1344, 650) << true << true;
        QTest::newRow("scale 2") << QSize(661, 260) << false << false;
        QTest::newRow("scale 2 dish") << QSize(661, 260) << true << false;
    }
    void layout()
    {
        QFETCH(QSize, size);
        QFETCH(bool, dish);
        QFETCH(bool, everyColumn);
        TCentralWidget editor(testServices());
        editor.loadRation(sample(dish));
        editor.resize(size);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        const QHeaderView *header = editor.FoodsTable->horizontalHeader();
        // The table starts at its first column, and its title is whole.
        QCOMPARE(header->sectionViewportPosition(0), 0);
        QVERIFY(header->sectionSize(0)
                > header->fontMetrics().horizontalAdvance(QStringLiteral("Наименование")));
        QCOMPARE(wholeInView(header), everyColumn);
        if (everyColumn)
            QVERIFY(wholeInView(editor.FoodsList->header()));
        // The totals and the dish's rows stand under their columns.
        const QList<QLabel *> totals{editor.MassValueLabel,          editor.WaterValueLabel,
                                     editor.ProteinValueLabel,       editor.FatValueLabel,
                                     editor.CarbohydratesValueLabel, editor.CaloriesValueLabel};
        const QList<QLabel *> captions{editor.MassLabel,          editor.WaterLabel,
                                       editor.ProteinLabel,       editor.FatLabel,
                                       editor.CarbohydratesLabel, editor.CaloriesLabel};
        QCOMPARE(editor.dishPanel()->isFolded(), !dish);
        for (int c = 1; c <= 6; ++c) {
            QList<QLabel *> cells{captions[c - 1], totals[c - 1]};
            if (dish)
                cells +=
                    {editor.findChild<QLabel *>(QStringLiteral("Per100gLabel%1").arg(c - 1)),
                     editor.findChild<QLabel *>(QStringLiteral("PerPortionLabel%1").arg(c - 1))};
            for (QLabel *cell : cells) {
                const QRect shown(cell->mapTo(&editor, QPoint()), cell->size());
                QCOMPARE(qMakePair(shown.left(), shown.width()), column(editor, c));
                QVERIFY(cell->isVisible());
                QVERIFY2(cell->fontMetrics().horizontalAdvance(cell->text()) < shown.width(),
                         qPrintable(cell->text()));
            }
        }
        // The energy structure is in view without scrolling.
        const EnergyBar *energy = editor.dishPanel()->energyBar();
        QVERIFY(energy->isVisible());
        QVERIFY(energy->mapTo(&editor, QPoint(0, energy->height())).y() <= editor.height());
    }

    // The dish's rows are folded away for a ration that is not a dish, shown
    // for one that is, and as the user left them otherwise.
    void dishFolding_data()
    {
        QTest::addColumn<bool>("toggled");
        QTest::addColumn<bool>("dish"); // the ration loaded then is a dish
        QTest::addColumn<bool>("folded");
        QTest::newRow("new, no dish") << false << false << true;
        QTest::newRow("a dish loaded") << false << true << false;
        QTest::newRow("opened, no dish loaded") << true << false << false;
    }
    void dishFolding()
    {
        QFETCH(bool, toggled);
        QFETCH(bool, dish);
        QFETCH(bool, folded);
        TCentralWidget editor(testServices());
        auto *toggle = editor.findChild<QToolButton *>(QStringLiteral("DishToggle"));
        QVERIFY(!toggle->accessibleName().isEmpty());
        if (toggled)
            toggle->click();
        editor.loadRation(sample(dish));
        QCOMPARE(editor.dishPanel()->isFolded(), folded);
        QCOMPARE(toggle->isChecked(), !folded);
    }

    // A new window is wide enough for the whole food list and the ration's
    // seven columns.
    void newWindowShowsEveryColumn()
    {
        TCalculateForm window(testServices());
        window.CentralWidget->loadRation(sample(false));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(wholeInView(window.CentralWidget->FoodsTable->horizontalHeader()));
        QVERIFY(wholeInView(window.CentralWidget->FoodsList->header()));
    }
};

QTEST_MAIN(TestRationLayout)
#include "tst_rationlayout.moc"
