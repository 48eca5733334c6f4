#include "core/catalogue/ownproducts.h"
#include "gui/dialogs/messagebox.h"
#include "gui/tools/productdialog.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

class TestProductDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        MessageBox::clearHistory();
        MessageBox::setShowBoxes(false);
    }

    void energyFollowsNutrientsUntilTyped()
    {
        const OwnProducts none;
        ProductDialog dialog(none, {});
        QLineEdit *energy = dialog.ValueEdits[Nutrients::Energy];
        QTest::keyClicks(dialog.ValueEdits[Nutrients::Protein], QStringLiteral("20"));
        QTest::keyClicks(dialog.ValueEdits[Nutrients::Fat], QStringLiteral("1,5"));
        QCOMPARE(energy->text(), QStringLiteral("98.1")); // 20 × 4.2 + 1.5 × 9.4
        energy->clear();
        QTest::keyClicks(energy, QStringLiteral("99"));
        QTest::keyClicks(dialog.ValueEdits[Nutrients::Carbohydrates], QStringLiteral("1"));
        QCOMPARE(energy->text(), QStringLiteral("99"));
    }

    void accept_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<int>("answer"); // to the energy question, if asked
        QTest::addColumn<QString>("said");
        QTest::addColumn<bool>("accepted");
        const int none = QMessageBox::NoButton;
        QTest::newRow("good") << "Сырники" << QStringList{"60", "20", "10", "5", "198.5"} << none
                              << "" << true;
        QTest::newRow("decimal comma")
            << "Сырники" << QStringList{"60", "20", "10", "5", "198,5"} << none << "" << true;
        QTest::newRow("name taken")
            << "ЁЖИКИ" << QStringList{"60", "20", "10", "5", "198.5"} << none
            << "Название: такой продукт уже есть среди ваших продуктов." << false;
        QTest::newRow("not a number")
            << "Сырники" << QStringList{"60", "двадцать", "10", "5", "198.5"} << none
            << "Белок: значение не является числом." << false;
        QTest::newRow("energy far off, kept")
            << "Сырники" << QStringList{"60", "20", "10", "5", "300"} << int(QMessageBox::Yes) << ""
            << true;
        QTest::newRow("energy far off, not kept")
            << "Сырники" << QStringList{"60", "20", "10", "5", "300"} << int(QMessageBox::No) << ""
            << false;
    }
    void accept()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, values);
        QFETCH(int, answer);
        QFETCH(QString, said);
        QFETCH(bool, accepted);
        OwnProducts own;
        own.put({QStringLiteral("Ежики"), {"60", "20", "10", "5", "198.5"}});
        ProductDialog dialog(own, {});
        dialog.NameEdit->setText(name);
        for (int c = 0; c < Nutrients::Count; ++c)
            dialog.ValueEdits[c]->setText(values[c]);
        if (answer != QMessageBox::NoButton)
            MessageBox::setNextAnswer(QMessageBox::StandardButton(answer));
        QSignalSpy accepts(&dialog, &QDialog::accepted);
        dialog.accept();
        QCOMPARE(accepts.size(), accepted ? 1 : 0);
        if (!said.isEmpty())
            QCOMPARE(MessageBox::history().value(0).text, said);
        QCOMPARE(MessageBox::history().size(),
                 said.isEmpty() && answer == QMessageBox::NoButton ? 0 : 1);
        if (accepted)
            QVERIFY(!dialog.product().values[Nutrients::Energy].contains(QLatin1Char(',')));
    }

    void waste_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept"); // "-": refused
        QTest::newRow("decimal comma") << "12,5"
                                       << "12.5";
        QTest::newRow("none") << "0"
                              << "";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("100 %") << "100"
                               << "-";
        QTest::newRow("not a number") << "много"
                                      << "-";
    }
    void waste()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        const OwnProducts own;
        ProductDialog dialog(own, {});
        dialog.setProduct({QStringLiteral("Клубни"), {"78", "2", "0.4", "16", "77"}, "25"});
        QCOMPARE(dialog.WasteEdit->text(), QStringLiteral("25"));
        dialog.WasteEdit->setText(typed);
        QSignalSpy accepts(&dialog, &QDialog::accepted);
        dialog.accept();
        QCOMPARE(accepts.size(), kept == "-" ? 0 : 1);
        if (kept == "-")
            QVERIFY(MessageBox::history().value(0).text.contains("«Отходы, %»"));
        else
            QCOMPARE(dialog.product().waste, kept);
    }
};

QTEST_MAIN(TestProductDialog)
#include "tst_productdialog.moc"
