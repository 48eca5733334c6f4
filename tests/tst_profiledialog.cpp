#include "core/norms/profilestore.h"
#include "gui/dialogs/messagebox.h"
#include "gui/tools/profiledialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

class TestProfileDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        MessageBox::clearHistory();
        MessageBox::setShowBoxes(false);
    }

    // The need follows the choices; from 65 years the activity is not asked.
    void needFollowsTheChoices()
    {
        QTemporaryDir dir;
        ProfileStore store(dir.filePath(QStringLiteral("profiles.tsv")));
        ProfileDialog dialog(store, {});
        dialog.AgeBox->setCurrentIndex(int(Person::Age::From30To44));
        QCOMPARE(dialog.NeedLabel->text(),
                 QStringLiteral("2650 ккал; белки 86 г, жиры 88 г, углеводы 378 г"));
        QVERIFY(dialog.ActivityBox->isEnabled());
        dialog.AgeBox->setCurrentIndex(int(Person::Age::From75));
        dialog.SexBox->setCurrentIndex(int(Person::Sex::Female));
        QVERIFY(!dialog.ActivityBox->isEnabled());
        QVERIFY(dialog.NeedLabel->text().startsWith(QStringLiteral("1800 ккал")));
    }

    // A refused name is named and nothing is kept; the dialog stays open.
    void refusedNameKeepsTheDialogOpen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("said");
        QTest::newRow("empty") << "  "
                               << "Имя: имя не может быть пустым.";
        QTest::newRow("taken") << "иван"
                               << "Имя: профиль «Иван» уже есть.";
    }
    void refusedNameKeepsTheDialogOpen()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        ProfileStore store(dir.filePath(QStringLiteral("profiles.tsv")));
        QVERIFY(store.put({QStringLiteral("Иван"), {}}, {}, nullptr));
        ProfileDialog dialog(store, {});
        dialog.NameEdit->setText(name);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(MessageBox::history().size(), 1);
        QTEST(MessageBox::history().constLast().text, "said");
        QCOMPARE(store.profiles().profiles().size(), 1);

        dialog.NameEdit->setText(QStringLiteral("Мария"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(ProfileStore(store.path()).load().isEmpty());
        QCOMPARE(store.profiles().profiles().size(), 2);
    }
};

QTEST_MAIN(TestProfileDialog)
#include "tst_profiledialog.moc"
