#include "core/page/csvtext.h"
#include "gui/app/summarywindow.h"
#include "gui/dialogs/filedialog.h"
#include "gui/dialogs/printdialog.h"
#include "gui/ration/calculateform.h"
#include "gui/ration/centralwidget.h"
#include "mainformharness.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

namespace {
const Profile &Ivan = ivan();

// A ration whose rows have every value of the row's text.
Ration ration(const QString &name, const QStringList &rowValues)
{
    Ration made;
    made.name = name;
    for (const QString &value : rowValues)
        made.rows.append({QStringLiteral("Продукт"), value, value, value, value, value, value});
    return made;
}
} // namespace

class TestSummaryWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        MessageBox::setShowBoxes(false);
        QVERIFY(startWithIvan());
    }

    void init() { m_main.open(false); }
    void cleanup() { m_main.close(); }

    // «Итого» is the sum of the totals the three windows show, to the last
    // digit, also where each window's total is itself rounded.
    void dayToTheLastDigit_data()
    {
        QTest::addColumn<QList<QStringList>>("meals"); // each window's rows
        QTest::addColumn<QString>("day");
        QTest::newRow("whole") << QList<QStringList>{{"100"}, {"250"}, {"50"}} << "400";
        // 100.623456 shows as 100.623: the day is 301.869, not 301.870.
        QTest::newRow("rounded totals") << QList<QStringList>{{"100.5", "0.123456"},
                                                              {"100.5", "0.123456"},
                                                              {"100.5", "0.123456"}}
                                        << "301.869";
        QTest::newRow("beyond six digits")
            << QList<QStringList>{{"99999.9"}, {"99999.9"}, {"0.05"}} << "199999.85";
    }
    void dayToTheLastDigit()
    {
        QFETCH(QList<QStringList>, meals);
        QFETCH(QString, day);
        start(meals);
        QCOMPARE(sumRow(), QStringList(Ration::TotalCount, day));
    }

    // A row unchecked leaves the sum, and the table, until checked again.
    void unchecking()
    {
        start();
        item(1, 0)->setCheckState(Qt::Unchecked);
        QCOMPARE(sumRow(), QStringList(Ration::TotalCount, "200"));
        QCOMPARE(m_summary->table().rows.size(), 3);
        item(1, 0)->setCheckState(Qt::Checked);
        QCOMPARE(sumRow(), QStringList(Ration::TotalCount, "300"));
    }

    // With a profile the day is measured against its whole need.
    void normRows()
    {
        start();
        m_summary->ProfileBox->setCurrentIndex(1);
        Q_EMIT m_summary->ProfileBox->activated(1);
        QCOMPARE(m_summary->SummaryTable->rowCount(), 6);
        QCOMPARE(item(4, 6)->text(), QStringLiteral("2650"));
        QCOMPARE(item(5, 6)->text(), QStringLiteral("11 % — мало"));
        QCOMPARE(item(5, 3)->text(), QStringLiteral("349 % — много"));
    }

    // Rows follow the windows: a mass changed, a window renamed, closed or opened.
    void followsWindows()
    {
        start();
        QList<TCalculateForm *> forms = windows();
        QVERIFY(forms[0]->CentralWidget->changeMass(0, QStringLiteral("200")));
        QCOMPARE(item(0, 1)->text(), QStringLiteral("200"));
        QCOMPARE(sumRow().constFirst(), QStringLiteral("400"));
        forms[1]->setCaption(QStringLiteral("Полдник"));
        QCOMPARE(item(1, 0)->text(), QStringLiteral("Полдник"));
        item(2, 0)->setCheckState(Qt::Unchecked);
        forms[0]->setWindowModified(false);
        forms[0]->parentWidget()->close();
        QTRY_COMPARE(m_summary->SummaryTable->rowCount(), 3);
        QCOMPARE(item(0, 0)->text(), QStringLiteral("Полдник"));
        QCOMPARE(item(1, 0)->checkState(), Qt::Unchecked);
        QCOMPARE(sumRow().constFirst(), QStringLiteral("100"));
        m_main.form->pFileNewSlot();
        QCOMPARE(m_summary->SummaryTable->rowCount(), 4);
        QCOMPARE(item(2, 0)->checkState(), Qt::Checked);
    }

    // A double click brings that ration's window forward; the command
    // brings the one summary forward.
    void doubleClick()
    {
        start();
        const QList<TCalculateForm *> forms = windows();
        QCOMPARE(m_main.form->activeRation(), forms[2]);
        Q_EMIT m_summary->SummaryTable->cellDoubleClicked(0, 3);
        QCOMPARE(m_main.form->activeRation(), forms[0]);
        Q_EMIT m_summary->SummaryTable->cellDoubleClicked(3, 0); // «Итого»
        QCOMPARE(m_main.form->activeRation(), forms[0]);
        m_main.trigger("WindowSummaryAction");
        QCOMPARE(m_main.form->findChildren<SummaryWindow *>().size(), 1);
    }

    // It saves as a page and prints, without a message.
    void saveAndPrint()
    {
        start();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("день.html"));
        FileDialog::setNextFileName(path);
        m_summary->SaveButton->click();
        QFile page(path);
        QVERIFY(page.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(page.readAll()).contains(QStringLiteral("Завтрак")));
        PrintDialog::setNextAnswer(true);
        m_summary->PrintButton->click();
        QVERIFY(MessageBox::history().isEmpty());
    }

    // The summary goes to a spreadsheet as figures: on the clipboard and in
    // a CSV file, «Итого» to the last digit, in the file's dialect.
    void copyAndExport()
    {
        start({{"100.5"}, {"100.25"}, {"0.125"}});
        QGuiApplication::clipboard()->clear();
        m_summary->CopyButton->click();
        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY2(copied.contains(QStringLiteral("Итого\t200") + QLocale().decimalPoint()
                                 + QStringLiteral("875\t")),
                 qPrintable(copied));
        QTemporaryDir dir;
        FileDialog::setNextFileName(dir.filePath(QStringLiteral("день")));
        m_summary->ExportButton->click();
        QFile file(dir.filePath(QStringLiteral("день.csv")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QStringList> records =
            CsvText::read(QString::fromUtf8(file.readAll()), QLatin1Char(';'));
        QCOMPARE(records.value(4).mid(0, 3), QStringList({"Итого", "200,875", "200,875"}));
    }

private:
    // Three meals, each of one row, then the summary.
    void start(const QList<QStringList> &meals = {{"100"}, {"100"}, {"100"}})
    {
        const QStringList names{"Завтрак", "Обед", "Ужин"};
        for (int i = 0; i < meals.size(); ++i)
            m_main.form->pFileNewSlot()->loadRation(ration(names.value(i), meals[i]), true);
        m_main.trigger("WindowSummaryAction");
        m_summary = m_main.form->findChild<SummaryWindow *>();
        QVERIFY(m_summary);
    }
    QList<TCalculateForm *> windows() const
    {
        QList<TCalculateForm *> forms;
        for (QMdiSubWindow *window : m_main.form->Workspace->subWindowList())
            forms.append(qobject_cast<TCalculateForm *>(window->widget()));
        return forms;
    }
    QTableWidgetItem *item(int row, int column) const
    {
        return m_summary->SummaryTable->item(row, column);
    }
    // «Итого»'s totals.
    QStringList sumRow() const
    {
        const RationSummary::Table table = m_summary->table();
        const int row = int(table.rows.size()) - (m_summary->summary().profile ? 3 : 1);
        return table.rows[row].mid(1, Ration::TotalCount);
    }

    MainFormHarness m_main;
    SummaryWindow *m_summary = nullptr;
};

QTEST_MAIN(TestSummaryWindow)
#include "tst_summarywindow.moc"
