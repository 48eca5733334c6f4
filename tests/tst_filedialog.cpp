#include "dialogs.h"
#include "gui/dialogs/filedialog.h"

#include <QFileDialog>
#include <QTest>

// The dialogs the user really sees, as the program asks for them: tests of
// other windows answer them through the seam instead.
class TestFileDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void asksAsTold_data()
    {
        QTest::addColumn<bool>("save");
        QTest::newRow("open") << false;
        QTest::newRow("save") << true;
    }
    void asksAsTold()
    {
        QFETCH(bool, save);
        QWidget parent;
        const QString dir = QDir::tempPath();
        const QString filters = QStringLiteral("Файл HTML (*.html);;Все файлы (*)");
        bool seen = false;
        QPointer<QTimer> watch = whenDialogShows<QFileDialog>([&](QFileDialog *dialog) {
            seen = true;
            QCOMPARE(dialog->parentWidget(), &parent);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Вопрос"));
            QCOMPARE(dialog->acceptMode(),
                     save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
            QCOMPARE(dialog->fileMode(), save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
            // The program asks itself about the file it really writes.
            QCOMPARE(dialog->testOption(QFileDialog::DontConfirmOverwrite), save);
            QCOMPARE(dialog->nameFilters(), filters.split(QStringLiteral(";;")));
            QCOMPARE(QFileInfo(dialog->directory().path()).canonicalFilePath(),
                     QFileInfo(dir).canonicalFilePath());
            dialog->reject();
        });
        FileDialog::clearHistory();
        const QString chosen = save
            ? FileDialog::saveFileName(&parent, QStringLiteral("Вопрос"), dir,
                                       QStringLiteral("рацион"), filters)
            : FileDialog::openFileName(&parent, QStringLiteral("Вопрос"), dir, filters);
        delete watch;
        QVERIFY(seen);
        QVERIFY(chosen.isEmpty());
        QCOMPARE(FileDialog::history().size(), 1);
        QCOMPARE(FileDialog::history().first().save, save);
    }
};

QTEST_MAIN(TestFileDialog)
#include "tst_filedialog.moc"
