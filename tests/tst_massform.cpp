#include "gui/ration/massform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class TestMassForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initialState()
    {
        TMassForm form(nullptr, nullptr, true);
        QCOMPARE(form.objectName(), QStringLiteral("MassForm"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Ввод массы"));
        QVERIFY(form.MassEdit->text().isEmpty());
        QCOMPARE(form.AddButton->text(), QStringLiteral("Ввод"));
        QVERIFY(!form.ProductLabel->isVisibleTo(&form));
    }

    // The product is named as it is, markup and all.
    void namesTheProduct()
    {
        const QString name = QStringLiteral("Сыр <b>российский</b>");
        TMassForm form(nullptr, nullptr, true);
        form.setProduct(name);
        QVERIFY(form.ProductLabel->isVisibleTo(&form));
        QVERIFY(form.ProductLabel->text().contains(name));
        QCOMPARE(form.ProductLabel->textFormat(), Qt::PlainText);
        QCOMPARE(form.MassEdit->accessibleDescription(), name);
    }

    void submit_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("mass"); // as stored, when accepted
        QTest::newRow("whole") << "150" << true << "150";
        QTest::newRow("half") << "0.5" << true << "0.5";
        QTest::newRow("trailing zeros kept") << "150.00" << true << "150.00";
        QTest::newRow("exponent") << "1e3" << true << "1e3";
        QTest::newRow("decimal comma") << "1,5" << true << "1.5";
        QTest::newRow("three decimals after comma") << "12,345" << true << "12.345";
        QTest::newRow("zero") << "0" << false << "";
        QTest::newRow("empty") << "" << false << "";
        QTest::newRow("negative") << "-5" << false << "";
        QTest::newRow("overflows single precision") << "1e39" << false << "";
        QTest::newRow("overflows double") << "1e999" << false << "";
        QTest::newRow("over the largest mass") << "1e38" << false << "";
        QTest::newRow("grouped with blank") << "1 000" << false << "";
        QTest::newRow("grouped with comma") << "1,234.5" << false << "";
    }
    void submit()
    {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(QString, mass);
        for (const bool byReturn : {false, true}) {
            TMassForm form(nullptr, nullptr, true);
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            form.MassEdit->setFocus();
            form.MassEdit->setText(typed);
            QSignalSpy accepts(&form, &QDialog::accepted);
            if (byReturn)
                QTest::keyClick(form.MassEdit, Qt::Key_Return);
            else
                form.AddButton->click();
            QCOMPARE(accepts.count(), accepted ? 1 : 0);
            if (accepted) {
                QCOMPARE(form.result(), int(QDialog::Accepted));
                QCOMPARE(form.MassEdit->text(), typed);
                QCOMPARE(form.mass(), mass);
                QVERIFY(form.ReasonLabel->isHidden());
            } else {
                QVERIFY(form.ReasonLabel->isVisible());
                QVERIFY(!form.ReasonLabel->text().isEmpty());
                // The whole reason shows, however many lines it wraps to.
                QTRY_VERIFY(form.ReasonLabel->height()
                            >= form.ReasonLabel->heightForWidth(form.ReasonLabel->width()));
                QVERIFY(form.isVisible());
                // Kept to be mended, and selected to be typed over.
                QCOMPARE(form.MassEdit->text(), typed);
                QCOMPARE(form.MassEdit->selectedText(), typed);
            }
        }
    }

    // '.' is the decimal point under any locale.
    void pointUnderRussianLocale()
    {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        TMassForm form(nullptr, nullptr, true);
        QLocale::setDefault(QLocale::c());
        form.MassEdit->clear();
        QTest::keyClicks(form.MassEdit, QStringLiteral("1.5"));
        QCOMPARE(form.MassEdit->text(), QStringLiteral("1.5"));
        QVERIFY(form.MassEdit->hasAcceptableInput());
    }

    void escapeRejects()
    {
        TMassForm form(nullptr, nullptr, true);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QSignalSpy rejects(&form, &QDialog::rejected);
        QTest::keyClick(&form, Qt::Key_Escape);
        QCOMPARE(rejects.count(), 1);
    }
};

QTEST_MAIN(TestMassForm)
#include "tst_massform.moc"
