#include "core/catalogue/productstore.h"
#include "dialogs.h"
#include "filebytes.h"
#include "gui/dialogs/filedialog.h"
#include "gui/dialogs/messagebox.h"
#include "gui/tools/ownproductcommands.h"
#include "gui/tools/ownproductsdialog.h"
#include "gui/tools/productdialog.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

class TestOwnProductCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QFile::remove(path());
        MessageBox::clearHistory();
        MessageBox::setShowBoxes(false);
    }

    void addEditRemoveThroughTheWindow()
    {
        ProductStore store(path());
        OwnProductsDialog window(store);
        whenDialogShows<ProductDialog>([](ProductDialog *dialog) {
            dialog->NameEdit->setText(QStringLiteral("Сырники"));
            dialog->ValueEdits[Nutrients::Protein]->setText(QStringLiteral("20"));
            dialog->ValueEdits[Nutrients::Energy]->setText(QStringLiteral("84"));
            dialog->accept();
        });
        window.AddButton->click();
        QCOMPARE(window.ProductsList->topLevelItemCount(), 1);
        window.ProductsList->setCurrentItem(window.ProductsList->topLevelItem(0));

        whenDialogShows<ProductDialog>([](ProductDialog *dialog) {
            QCOMPARE(dialog->ValueEdits[Nutrients::Protein]->text(), QStringLiteral("20"));
            dialog->NameEdit->setText(QStringLiteral("Сырники с изюмом"));
            dialog->accept();
        });
        window.EditButton->click();
        QCOMPARE(window.ProductsList->topLevelItem(0)->text(0), QStringLiteral("Сырники с изюмом"));
        QCOMPARE(ProductStore(path()).load().size(), 0);

        MessageBox::setNextAnswer(QMessageBox::No);
        window.RemoveButton->click();
        QCOMPARE(window.ProductsList->topLevelItemCount(), 1);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        window.RemoveButton->click();
        QCOMPARE(window.ProductsList->topLevelItemCount(), 0);
        QVERIFY(!window.EditButton->isEnabled());
    }

    void importReportsWhatWasSkipped()
    {
        ProductStore store(path());
        QVERIFY(
            store.put({QStringLiteral("Сырники"), {"60", "20", "10", "5", "198"}}, {}, nullptr));
        const QString other = m_dir.filePath(QStringLiteral("other.tsv"));
        QVERIFY(writeBytes(other,
                           OwnProducts().toTsv() + "Мои продукты\tсырники\t1\t1\t1\t1\t1\n"
                               + "Мои продукты\tОладьи\t1\t1\t1\t1\t1\nМои продукты\tПлохие\n"));
        FileDialog::setNextFileName(other);
        QVERIFY(OwnProductCommands::importFile(nullptr, store));
        QCOMPARE(store.products().products().size(), 2);
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history()[0].text,
                 QStringLiteral("Добавлено продуктов: 1.\nПропущены, потому что такие названия "
                                "уже есть: сырники.\nСтрока 4: 2 полей вместо 7"));

        const QString exported = m_dir.filePath(QStringLiteral("exported.tsv"));
        FileDialog::setNextFileName(exported);
        OwnProductCommands::exportFile(nullptr, store);
        QCOMPARE(contents(exported), store.products().toTsv());
        QCOMPARE(MessageBox::history().size(), 2);
        QCOMPARE(MessageBox::history()[1].text,
                 QStringLiteral("Сохранено продуктов: 2, в файл «%1».")
                     .arg(QDir::toNativeSeparators(exported)));
        // A file there stays unless the user agrees to replace it.
        QVERIFY(writeBytes(exported, "kept"));
        MessageBox::setNextAnswer(QMessageBox::No);
        FileDialog::setNextFileName(exported);
        OwnProductCommands::exportFile(nullptr, store);
        QCOMPARE(contents(exported), QByteArray("kept"));
    }

    // A product that cannot be written stays in its dialog, as typed.
    void unwrittenProductStaysTyped()
    {
        const QString blocker = m_dir.filePath(QStringLiteral("blocker"));
        QVERIFY(writeBytes(blocker, {}));
        ProductStore store(blocker + QStringLiteral("/products.tsv"));
        bool stayed = false;
        whenDialogShows<ProductDialog>([&](ProductDialog *dialog) {
            dialog->NameEdit->setText(QStringLiteral("Сырники"));
            dialog->ValueEdits[Nutrients::Energy]->setText(QStringLiteral("0"));
            dialog->accept();
            stayed = dialog->isVisible() && dialog->NameEdit->text() == QStringLiteral("Сырники");
            dialog->reject();
        });
        QVERIFY(!OwnProductCommands::add(nullptr, store));
        QVERIFY(stayed);
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history()[0].text,
                 QStringLiteral("Изменение не сохранено: не удалось создать папку «%1»: часть "
                                "пути не является папкой")
                     .arg(QDir::toNativeSeparators(blocker)));
    }

private:
    QString path() const { return m_dir.filePath(QStringLiteral("products.tsv")); }
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestOwnProductCommands)
#include "tst_ownproductcommands.moc"
