#include "core/ration/ration.h"
#include "gui/dialogs/messagebox.h"
#include "gui/ration/dishpanel.h"
#include "gui/tools/energybar.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

namespace {

// 150 g of beans and 50 g of buckwheat, raw: 200 g holding 100 g of water.
const QStringList Recipe{"200", "100", "20", "10", "40", "300"};

QLineEdit *yieldEdit(DishPanel &panel) { return panel.findChild<QLineEdit *>("YieldEdit"); }
QSpinBox *portionsSpin(DishPanel &panel) { return panel.findChild<QSpinBox *>("PortionsSpin"); }

// Types a text over the yield and confirms it with Return, as a person would.
void typeYield(DishPanel &panel, const QString &text)
{
    panel.show();
    QLineEdit *edit = yieldEdit(panel);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    edit->insert(text); // keyClicks() knows no Cyrillic letters
    QTest::keyClick(edit, Qt::Key_Return);
}

} // namespace

class TestDishPanel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { MessageBox::setShowBoxes(false); }
    void init() { MessageBox::clearHistory(); }

    // A recipe boiled down from 200 g to 150 g and shared into 3 portions.
    void cookedRecipe()
    {
        DishPanel panel;
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QSignalSpy changed(&panel, &DishPanel::dishChanged);
        panel.setTotals(Recipe);
        QCOMPARE(panel.per100gTexts(),
                 QStringList({"100.0", "50.0", "10.0", "5.0", "20.0", "150"}));
        QCOMPARE(panel.perPortionTexts(),
                 QStringList({"200.0", "100.0", "20.0", "10.0", "40.0", "300"}));

        typeYield(panel, "150,0");
        QCOMPARE(panel.yieldText(), QStringLiteral("150.0"));
        QTest::keyClick(portionsSpin(panel), Qt::Key_Up);
        QTest::keyClick(portionsSpin(panel), Qt::Key_Up);
        QCOMPARE(panel.portions(), 3);
        QCOMPARE(changed.size(), 3);
        QCOMPARE(panel.per100gTexts(),
                 QStringList({"100.0", "33.3", "13.3", "6.7", "26.7", "200"}));
        QCOMPARE(panel.perPortionTexts(),
                 QStringList({"50.0", "16.7", "6.7", "3.3", "13.3", "100"}));

        EnergyBar *bar = panel.energyBar();
        QVERIFY(bar->hasBar());
        // 84 + 94 + 164 = 342 kcal: protein 24.6 %, fat 27.5 %, carbohydrates 48.0 %
        QCOMPARE(bar->text(),
                 QStringLiteral("Энергетическая структура: Белки 24.6 % (выше нормы "
                                "10–15 %), Жиры 27.5 %, Углеводы 48.0 % (ниже "
                                "нормы 55–75 %)"));
        QVERIFY(MessageBox::history().isEmpty());

        // Emptying the field goes back to the products' mass.
        typeYield(panel, "");
        QCOMPARE(panel.yieldText(), QString());
        QCOMPARE(panel.per100gTexts(),
                 QStringList({"100.0", "50.0", "10.0", "5.0", "20.0", "150"}));
        QCOMPARE(changed.size(), 4);
    }

    void refusedYields_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("reason");
        QTest::newRow("zero") << "0"
                              << "больше нуля";
        QTest::newRow("negative") << "-150"
                                  << "больше нуля";
        QTest::newRow("word") << "много"
                              << "числом";
        QTest::newRow("number and text") << "150г"
                                         << "числом";
        QTest::newRow("inf") << "inf"
                             << "числом";
        QTest::newRow("nan") << "nan"
                             << "числом";
        QTest::newRow("over a tonne") << "1000001"
                                      << "больше 1 000 000 г";
        QTest::newRow("beyond a double") << "1e400"
                                         << "больше 1 000 000 г";
        QTest::newRow("below dry matter") << "99,5"
                                          << "меньше 100.0 г";
    }
    void refusedYields()
    {
        QFETCH(QString, typed);
        QFETCH(QString, reason);
        DishPanel panel;
        panel.setTotals(Recipe);
        panel.setDish(QStringLiteral("180"), 2);
        const QStringList per100g = panel.per100gTexts();
        QSignalSpy changed(&panel, &DishPanel::dishChanged);
        typeYield(panel, typed);
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history().first().icon, QMessageBox::Warning);
        QCOMPARE(MessageBox::history().first().title, QStringLiteral("Выход готового блюда"));
        QVERIFY2(MessageBox::history().first().text.contains(reason),
                 qPrintable(MessageBox::history().first().text));
        QCOMPARE(panel.yieldText(), QStringLiteral("180"));
        QCOMPARE(yieldEdit(panel)->text(), QStringLiteral("180"));
        QCOMPARE(panel.per100gTexts(), per100g);
        QCOMPARE(changed.size(), 0);
    }

    // A yield typed without Enter is taken when the window asks for it.
    void typedYieldCommitted()
    {
        DishPanel panel;
        panel.setTotals(Recipe);
        QSignalSpy changed(&panel, &DishPanel::dishChanged);
        yieldEdit(panel)->setText(QStringLiteral("160"));
        QCOMPARE(panel.yieldText(), QString());
        panel.commitTypedYield();
        QCOMPARE(panel.yieldText(), QStringLiteral("160"));
        QCOMPARE(changed.size(), 1);
        panel.commitTypedYield();
        QCOMPARE(changed.size(), 1);
    }

    // The portions box takes whole numbers from 1 to 1000 and nothing else.
    void portions_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("portions");
        QTest::newRow("four") << "4" << 4;
        QTest::newRow("a thousand") << "1000" << 1000;
        QTest::newRow("beyond") << "1001" << 100;
        QTest::newRow("zero") << "0" << 2;
        QTest::newRow("fraction") << "2,5" << 25;
        QTest::newRow("letters") << "abc" << 2;
    }
    void portions()
    {
        QFETCH(QString, typed);
        DishPanel panel;
        panel.setTotals(Recipe);
        panel.setDish(QString(), 2);
        panel.show();
        QSpinBox *spin = portionsSpin(panel);
        spin->selectAll();
        QTest::keyClicks(spin, typed);
        QTest::keyClick(spin, Qt::Key_Return);
        QTEST(panel.portions(), "portions");
    }

    // Totals that change under a given yield: a yield that cannot hold the
    // products any more shows no numbers and says why.
    void totalsGrowPastTheYield()
    {
        DishPanel panel;
        panel.setTotals(Recipe);
        panel.setDish(QStringLiteral("120"), 1);
        QCOMPARE(panel.per100gTexts().at(1), QStringLiteral("16.7"));
        panel.setTotals({"300", "100", "50", "50", "100", "1000"});
        QCOMPARE(panel.per100gTexts(), QStringList(Ration::TotalCount, QStringLiteral("—")));
        QVERIFY(panel.findChild<QLabel *>("YieldFitLabel")->text().contains("200.0 г"));
        QCOMPARE(panel.yieldText(), QStringLiteral("120"));
    }

    // Loading: the stored dish is shown without a signal; values the panel
    // would refuse come in as none.
    void setDish_data()
    {
        QTest::addColumn<QString>("yield");
        QTest::addColumn<int>("portions");
        QTest::addColumn<QString>("yieldShown");
        QTest::addColumn<int>("portionsShown");
        QTest::newRow("as stored") << "150.5" << 3 << "150.5" << 3;
        QTest::newRow("comma") << "150,5" << 1 << "150.5" << 1;
        QTest::newRow("not a number") << "inf" << 1 << "" << 1;
        QTest::newRow("portions held") << "" << 5000 << "" << 1000;
    }
    void setDish()
    {
        QFETCH(QString, yield);
        QFETCH(int, portions);
        DishPanel panel;
        QSignalSpy changed(&panel, &DishPanel::dishChanged);
        panel.setDish(yield, portions);
        QTEST(panel.yieldText(), "yieldShown");
        QTEST(panel.portions(), "portionsShown");
        QTEST(portionsSpin(panel)->value(), "portionsShown");
        QCOMPARE(changed.size(), 0);
    }

    // No total, however odd its text, makes a shown value nan or inf, and
    // an empty ration has no bar.
    void oddTotals_data()
    {
        QTest::addColumn<QStringList>("totals");
        QTest::addColumn<bool>("bar");
        QTest::newRow("new window")
            << QStringList(Ration::TotalCount, QStringLiteral("0.00")) << false;
        QTest::newRow("nothing") << QStringList() << false;
        QTest::newRow("not numbers") << QStringList{"inf", "nan", "nan", "inf", "x", "y"} << false;
        QTest::newRow("huge") << QStringList{"1e38", "1e38", "1e38", "1e38", "1e38", "1e38"}
                              << true;
        QTest::newRow("water only") << QStringList{"100", "100", "0", "0", "0", "0"} << false;
    }
    void oddTotals()
    {
        QFETCH(QStringList, totals);
        QFETCH(bool, bar);
        DishPanel panel;
        panel.setDish(QString(), 7);
        panel.setTotals(totals);
        for (const QLabel *label : panel.findChildren<QLabel *>()) {
            QVERIFY2(!label->text().contains("nan"), qPrintable(label->text()));
            QVERIFY2(!label->text().contains("inf"), qPrintable(label->text()));
        }
        QCOMPARE(panel.energyBar()->hasBar(), bar);
        QVERIFY(!panel.energyBar()->text().contains("nan"));
    }

    // The energy text is rich only while a share is marked, and its wrapped
    // height, remembered per width, follows each new text.
    void energyTextFollowsTotals_data()
    {
        QTest::addColumn<QStringList>("totals");
        QTest::addColumn<bool>("rich");
        QTest::newRow("empty") << QStringList(Ration::TotalCount, QStringLiteral("0.00")) << false;
        QTest::newRow("within ranges") << QStringList{"100", "0", "12", "10", "65", "398"} << false;
        QTest::newRow("fat marked") << QStringList{"100", "0", "5", "60", "10", "600"} << true;
    }
    void energyTextFollowsTotals()
    {
        QFETCH(QStringList, totals);
        QFETCH(bool, rich);
        DishPanel panel;
        auto *label = panel.energyBar()->findChild<QLabel *>("EnergyTextLabel");
        label->heightForWidth(120); // remembered for the text before
        panel.setTotals(totals);
        QCOMPARE(label->textFormat() == Qt::RichText, rich);
        QLabel fresh(label->text());
        fresh.setTextFormat(label->textFormat());
        fresh.setWordWrap(true);
        fresh.setFont(label->font());
        for (const int width : {120, 200, 120})
            QCOMPARE(label->heightForWidth(width), fresh.heightForWidth(width));
    }

    // Values can be selected with the mouse once it comes over them, each
    // when it is its turn.
    void valuesSelectableOnHover()
    {
        DishPanel panel;
        const QList<QLabel *> values{panel.findChild<QLabel *>("Per100gLabel1"),
                                     panel.findChild<QLabel *>("Per100gLabel2")};
        const auto selectable = [](const QLabel *label) {
            return bool(label->textInteractionFlags() & Qt::TextSelectableByMouse);
        };
        for (qsizetype i = 0; i < values.size(); ++i) {
            QVERIFY(!selectable(values[i]));
            QEvent enter(QEvent::Enter);
            QCoreApplication::sendEvent(values[i], &enter);
            QVERIFY(selectable(values[i]));
        }
    }

    void everyControlIsNamed()
    {
        DishPanel panel;
        for (QWidget *w : panel.findChildren<QWidget *>()) {
            if (qobject_cast<QLineEdit *>(w) && qobject_cast<QSpinBox *>(w->parentWidget()))
                continue; // the spin box's own edit
            // controls, and the labels that show values
            static const QRegularExpression valueLabel("^Per.*Label\\d$");
            if (!qobject_cast<QLabel *>(w) || valueLabel.match(w->objectName()).hasMatch())
                QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
        }
        for (const char *name : {"YieldLabel", "PortionsLabel"})
            QVERIFY(panel.findChild<QLabel *>(name)->buddy());
    }
};

QTEST_MAIN(TestDishPanel)
#include "tst_dishpanel.moc"
