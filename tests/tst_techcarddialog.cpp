#include "core/catalogue/foodtable.h"
#include "core/ration/rationmodel.h"
#include "gui/dialogs/messagebox.h"
#include "gui/ration/rationeditor.h"
#include "gui/ration/techcarddialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBrowser>
#include <QUndoStack>

class TestTechCardDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { MessageBox::setShowBoxes(false); }

    // Data that cannot be taken is refused naming its field, and the dialog
    // stays open with the ration's card as it was; data taken is one step.
    void apply_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("batch");
        QTest::addColumn<QString>("technology");
        QTest::addColumn<QString>("field"); // empty: taken
        QTest::newRow("taken") << "12-а"
                               << " 100 "
                               << "Очистить\nВарить"
                               << "";
        QTest::newRow("longest number") << QString(50, u'7') << "10000"
                                        << ""
                                        << "";
        QTest::newRow("number over 50") << QString(51, u'7') << "1"
                                        << ""
                                        << "«Номер карты»";
        QTest::newRow("batch 0") << "1"
                                 << "0"
                                 << ""
                                 << "«Количество порций для закладки»";
        QTest::newRow("batch 10001") << "1"
                                     << "10001"
                                     << ""
                                     << "«Количество порций для закладки»";
        QTest::newRow("batch no number") << "1"
                                         << "сто"
                                         << ""
                                         << "«Количество порций для закладки»";
        QTest::newRow("technology too long")
            << "1"
            << "1" << QString(CardData::MaxTechnologyLength + 1, u'x')
            << "«Технология приготовления»";
    }
    void apply()
    {
        QFETCH(QString, number);
        QFETCH(QString, batch);
        QFETCH(QString, technology);
        QFETCH(QString, field);
        RationEditor editor;
        TechCardDialog dialog(&editor);
        dialog.show();
        MessageBox::clearHistory();
        dialog.NumberEdit->setText(number);
        dialog.BatchEdit->setText(batch);
        dialog.TechnologyEdit->setPlainText(technology);
        dialog.accept();
        QCOMPARE(dialog.isVisible(), !field.isEmpty());
        if (!field.isEmpty()) {
            QCOMPARE(MessageBox::history().size(), 1);
            QVERIFY2(MessageBox::history().first().text.contains(field),
                     qPrintable(MessageBox::history().first().text));
            QVERIFY(editor.model()->card().isEmpty());
            QCOMPARE(editor.undoStack()->count(), 0);
            return;
        }
        QCOMPARE(MessageBox::history().size(), 0);
        const CardData &card = editor.model()->card();
        QCOMPARE(card.number, number);
        QCOMPARE(card.batch, batch.trimmed().toInt());
        QCOMPARE(card.technology, technology);
        QVERIFY(!editor.undoStack()->isClean());
        // the same data again is no new step
        QVERIFY(dialog.apply());
        QCOMPARE(editor.undoStack()->count(), 1);
        editor.undoStack()->undo();
        QVERIFY(editor.model()->card().isEmpty());
        QCOMPARE(dialog.NumberEdit->text(), QString());
        QCOMPARE(dialog.BatchEdit->text(), QStringLiteral("1"));
    }

    // The card follows the ration's rows, masses and portions, and the
    // batch as typed.
    void followsRation()
    {
        RationEditor editor;
        TechCardDialog dialog(&editor);
        dialog.show();
        const auto shown = [&dialog] {
            return dialog.CardView->toPlainText();
        };
        const QString potato = QStringLiteral("Картофель");
        editor.addProduct(potato, QStringLiteral("412"),
                          FoodTable::builtIn().find(potato)->valueList());
        QTRY_VERIFY(shown().contains(potato));
        QVERIFY(shown().contains(QStringLiteral("412.0")));
        editor.changeDish(QString(), 4);
        QTRY_VERIFY(shown().contains(QStringLiteral("103.0")));
        dialog.BatchEdit->setText(QStringLiteral("100"));
        QTRY_VERIFY(shown().contains(QStringLiteral("10300.0")));
        QVERIFY(editor.changeMass(0, QStringLiteral("824")));
        QTRY_VERIFY(shown().contains(QStringLiteral("20600.0")));
        editor.undoStack()->undo();
        editor.undoStack()->undo();
        editor.undoStack()->undo();
        QTRY_VERIFY(!shown().contains(potato));
    }
};

QTEST_MAIN(TestTechCardDialog)
#include "tst_techcarddialog.moc"
