#include "core/catalogue/productstore.h"
#include "dialogs.h"
#include "filebytes.h"
#include "gui/ration/calculateform.h"
#include "gui/ration/centralwidget.h"
#include "gui/ration/massform.h"
#include "gui/tools/productdialog.h"
#include "mainformharness.h"
#include "testservices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeView>

// The user's own products as every ration window sees them.
class TestOwnProductWindows : public QObject
{
    Q_OBJECT

    static TCalculateForm *madeInAdvance()
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *form = qobject_cast<TCalculateForm *>(w); form && form->isHidden())
                return form;
        }
        return nullptr;
    }

private Q_SLOTS:
    void init()
    {
        QFile::remove(testServices().products().path());
        QFile::remove(testServices().products().path() + QStringLiteral(".bak"));
        testServices().products().load();
        MessageBox::setShowBoxes(false);
        h.open();
    }
    void cleanup() { h.close(); }

    void everyWindowShowsThemAndRationsKeepTheirValues()
    {
        h.trigger("FileNewAction");
        QVERIFY(testServices().products().put(cheesecakes(), {}, nullptr));
        const QList<QMdiSubWindow *> windows = h.form->Workspace->subWindowList();
        QCOMPARE(windows.size(), 2);
        for (QMdiSubWindow *window : windows) {
            const QTreeView *list = editorOf(window)->FoodsList;
            const QModelIndex group = list->model()->index(0, 0);
            QCOMPARE(group.data().toString(), QStringLiteral("Мои продукты"));
            QCOMPARE(list->model()->index(0, 0, group).data().toString(), cheesecakes().name);
            QVERIFY(list->isExpanded(group));
        }

        TCentralWidget *editor = editorOf(windows.first());
        editor->SearchEdit->setText(QStringLiteral("сЫрники"));
        const QModelIndex found =
            editor->FoodsList->model()->index(0, 0, editor->FoodsList->model()->index(0, 0));
        QCOMPARE(found.data().toString(), cheesecakes().name);
        editor->FoodsList->setCurrentIndex(found);
        whenDialogShows<TMassForm>([](TMassForm *form) {
            form->MassEdit->setText(QStringLiteral("200"));
            form->AddButton->click();
        });
        editor->AddButton->click();
        QCOMPARE(editor->cellText(0, 6), QStringLiteral("396"));

        // Changing or deleting the product leaves the ration as it is; a new
        // mass is worked out from the row's own values.
        FoodTable::Product changed = cheesecakes();
        changed.values[Nutrients::Energy] = QStringLiteral("150");
        QVERIFY(testServices().products().put(changed, cheesecakes().name, nullptr));
        QCOMPARE(editor->cellText(0, 6), QStringLiteral("396"));
        QVERIFY(testServices().products().remove(cheesecakes().name, nullptr));
        QCOMPARE(editor->FoodsList->model()->index(0, 0).data().toString() == "Мои продукты",
                 false);
        QVERIFY(editor->changeMass(0, QStringLiteral("100")));
        QCOMPARE(editor->cellText(0, 6), QStringLiteral("198"));
    }

    // The ration window made in advance while the program was idle shows
    // the products added since, once it is opened.
    void windowMadeInAdvanceShowsLaterProducts()
    {
        TCalculateForm *made = nullptr;
        QTRY_VERIFY((made = madeInAdvance()) != nullptr);
        QVERIFY(testServices().products().put(cheesecakes(), {}, nullptr));
        h.trigger("FileNewAction");
        QCOMPARE(h.form->activeRation(), made);
        const QTreeView *list = made->CentralWidget->FoodsList;
        const QModelIndex group = list->model()->index(0, 0);
        QCOMPARE(group.data().toString(), QStringLiteral("Мои продукты"));
        QCOMPARE(list->model()->index(0, 0, group).data().toString(), cheesecakes().name);
        QVERIFY(list->isExpanded(group));
        QCOMPARE(made->caption(), QStringLiteral("Без имени"));
    }

    void cookedDishBecomesAProduct()
    {
        TCalculateForm *form = h.form->activeRation();
        Ration soup;
        soup.name = QStringLiteral("Суп");
        soup.rows = {{"Вода", "300", "300", "0", "0", "0", "0"},
                     {"Крупа", "100", "10", "12", "3", "70", "340"}};
        soup.yield = QStringLiteral("200");
        form->loadRation(soup, true);
        FoodTable::Product offered;
        whenDialogShows<ProductDialog>([&offered](ProductDialog *dialog) {
            offered = dialog->product();
            dialog->accept();
        });
        h.trigger("FileSaveAsProductAction");
        // 400 g of products cooked down to 200 g: 110 g of water are left.
        const FoodTable::Product expected{QStringLiteral("Суп"), {"55", "6", "1.5", "35", "170"}};
        QCOMPARE(offered.name, expected.name);
        QCOMPARE(offered.valueList(), expected.valueList());
        QVERIFY(testServices().products().products().find(QStringLiteral("суп")));
        QCOMPARE(h.form->statusBar()->currentMessage(),
                 QStringLiteral("Продукт «Суп» сохранён в «Мои продукты»."));
    }

    // A trace of a nutrient is offered written out, as the dialog takes it.
    void traceIsOfferedAsADecimal()
    {
        Ration tea;
        tea.name = QStringLiteral("Чай");
        tea.rows = {{"Чай", "200", "199.99", "0.00002", "0", "0", "0.00008"}};
        h.form->activeRation()->loadRation(tea, true);
        FoodTable::Product offered;
        whenDialogShows<ProductDialog>([&offered](ProductDialog *dialog) {
            offered = dialog->product();
            dialog->accept();
        });
        h.trigger("FileSaveAsProductAction");
        QCOMPARE(offered.valueList().mid(1, 2), QStringList({"0.00001", "0"}));
        QVERIFY(testServices().products().products().find(QStringLiteral("чай")));
    }

    void damagedFileIsReportedOnce()
    {
        QVERIFY(writeBytes(testServices().products().path(),
                           OwnProducts().toTsv()
                               + "Мои продукты\tСырники\t60\t20\t10\t5\t198\nсломано\n"));
        MessageBox::clearHistory();
        h.form->loadUserData();
        QCOMPARE(MessageBox::history().size(), 1);
        QVERIFY(MessageBox::history().first().text.contains(QStringLiteral("строка 3")));
        QCOMPARE(testServices().products().products().products().size(), 1);
    }

    // A file too large to read loads nothing, and the message says so.
    void fileTooLargeIsReportedAsNotLoaded()
    {
        QFile file(testServices().products().path());
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write(OwnProducts().toTsv() + "Мои продукты\tСырники\t60\t20\t10\t5\t198\n"));
        QVERIFY(file.resize(OwnProducts::MaxFileSize + 1));
        file.close();
        MessageBox::clearHistory();
        h.form->loadUserData();
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history().first().text,
                 QStringLiteral("Ваши продукты не загружены: не удалось прочитать файл «%1»: файл "
                                "больше 10 МБ. Пока файл не исправлен, изменения в них не "
                                "сохраняются.")
                     .arg(QDir::toNativeSeparators(file.fileName())));
        QVERIFY(testServices().products().products().isEmpty());
        QVERIFY(file.remove());
    }

private:
    static FoodTable::Product cheesecakes()
    {
        return {QStringLiteral("Сырники домашние"), {"60", "20", "10", "5", "198"}};
    }
    static TCentralWidget *editorOf(QMdiSubWindow *window)
    {
        return qobject_cast<TCalculateForm *>(window->widget())->CentralWidget;
    }
    MainFormHarness h;
};

QTEST_MAIN(TestOwnProductWindows)
#include "tst_ownproductwindows.moc"
