#include "dialogs.h"
#include "gui/dialogs/messagebox.h"
#include "gui/ration/calculateform.h"
#include "gui/ration/centralwidget.h"
#include "testservices.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

namespace {

struct Seen {
    bool shown = false;
    Qt::TextFormat format = Qt::AutoText;
    QString text;
    QString label; // what the box's text label holds
};

// Reads the first message box that shows up, then closes it with the
// button of that text.
QPointer<QTimer> readBox(Seen *seen, const QString &button)
{
    return whenDialogShows<QMessageBox>([seen, button](QMessageBox *box) {
        seen->shown = true;
        seen->format = box->textFormat();
        seen->text = box->text();
        if (auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
            seen->label = label->text() + (label->textFormat() == Qt::PlainText ? "" : "<rich>");
        for (QAbstractButton *b : box->buttons()) {
            if (b->text() == button) {
                b->click();
                return;
            }
        }
        box->reject();
    });
}

} // namespace

class TestMessageBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        MessageBox::setShowBoxes(true);
        MessageBox::clearHistory();
    }
    void cleanup() { MessageBox::setShowBoxes(false); }

    // Texts from files and users are shown as they are: markup in them is
    // neither laid out nor followed (an image of /dev/zero would be read
    // for good).
    void textsArePlain_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("question");
        const QStringList texts = {"<b>жирный</b>", "<img src=\"/dev/zero\">",
                                   "<a href=\"http://example.org\">ссылка</a>", "Обед & <ужин>"};
        for (const QString &text : texts) {
            QTest::addRow("%s, message", qPrintable(text)) << text << false;
            QTest::addRow("%s, question", qPrintable(text)) << text << true;
        }
    }
    void textsArePlain()
    {
        QFETCH(QString, text);
        QFETCH(bool, question);
        Seen seen;
        QPointer<QTimer> watch = readBox(&seen, QStringLiteral("&Нет"));
        if (question) {
            const MessageBox::Button answer =
                MessageBox::ask(nullptr, QMessageBox::Warning, QStringLiteral("Вопрос"), text,
                                {{QMessageBox::Yes, QStringLiteral("&Да")},
                                 {QMessageBox::No, QStringLiteral("&Нет")}},
                                QMessageBox::Yes, QMessageBox::Yes);
            QCOMPARE(answer, QMessageBox::No);
        } else {
            MessageBox::critical(nullptr, QStringLiteral("Ошибка"), text);
        }
        delete watch;
        QVERIFY(seen.shown);
        QCOMPARE(seen.format, Qt::PlainText);
        QCOMPARE(seen.text, text);
        QCOMPARE(seen.label, text);
        QCOMPARE(MessageBox::history().last().text, text);
    }

    // The question before a changed ration is closed names it as typed.
    void closingQuestionShowsNameAsTyped()
    {
        const QString name = QStringLiteral("<img src=\"/dev/zero\"><b>Обед</b>");
        auto *form = new TCalculateForm(testServices(), nullptr, nullptr);
        form->CentralWidget->RationEdit->setText(name);
        form->setWindowModified(true);
        form->show();
        Seen seen;
        QPointer<QTimer> watch = readBox(&seen, QStringLiteral("Отмена"));
        QVERIFY(!form->close());
        delete watch;
        QCOMPARE(seen.format, Qt::PlainText);
        QCOMPARE(seen.text, QStringLiteral("Сохранить изменения в рационе «%1»?").arg(name));
        form->setWindowModified(false);
        delete form;
    }
};

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
