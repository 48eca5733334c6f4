#include "core/energy/energyvalue.h"
#include "core/page/rationpage.h"
#include "filebytes.h"
#include "gui/app/mainform.h"
#include "gui/dialogs/filedialog.h"
#include "gui/dialogs/messagebox.h"
#include "gui/ration/calculateform.h"
#include "gui/ration/centralwidget.h"
#include "gui/tools/energyvalueform.h"
#include "gui/tools/findform.h"
#include "mainformharness.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <functional>

class TestTools : public QObject
{
    Q_OBJECT

    MainFormHarness main;
    TMainForm *&form = main.form;

    void trigger(const char *actionName) { main.trigger(actionName); }

    QAction *findAction() const
    {
        return form->findChild<QAction *>(QStringLiteral("ToolsFindAction"));
    }

    QTreeView *foodsList() const { return form->activeRation()->CentralWidget->FoodsList; }

    // The food list's row of that name (group or product).
    QModelIndex food(const QString &name) const
    {
        const QAbstractItemModel *model = foodsList()->model();
        return model
            ->match(model->index(0, 0), Qt::DisplayRole, name, 1,
                    Qt::MatchExactly | Qt::MatchRecursive)
            .value(0);
    }

    QList<TFindForm *> findDialogs() const { return form->findChildren<TFindForm *>(); }

    TFindForm *openFind()
    {
        trigger("ToolsFindAction");
        return form->FindForm;
    }

    // Types the text key by key (QTest::keyClicks takes Latin-1 only).
    static void type(QWidget *widget, const QString &text)
    {
        for (const QChar c : text) {
            QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
        }
    }

    // Types the text, sets the mode and presses "Поиск"; a message box is
    // answered at once.
    void search(TFindForm *dialog, const QString &text, bool whole)
    {
        dialog->WholeCheckBox->setChecked(whole);
        dialog->FindEdit->clear();
        type(dialog->FindEdit, text);
        answeringBoxes([dialog] { dialog->FindButton->click(); });
    }

    // Runs the step with any message box answered at once.
    static void answeringBoxes(const std::function<void()> &step)
    {
        MessageBox::setNextAnswer(QMessageBox::Ok);
        step();
        MessageBox::setNextAnswer(QMessageBox::NoButton);
    }

    // Data for a test run once in each mode.
    static void bothModes()
    {
        QTest::addColumn<bool>("whole");
        QTest::newRow("part") << false;
        QTest::newRow("whole") << true;
    }

    void verifyNotFoundWarning()
    {
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history().first().icon, QMessageBox::Warning);
        QCOMPARE(MessageBox::history().first().title, QStringLiteral("Rationix"));
        QCOMPARE(MessageBox::history().first().text, QStringLiteral("Строка не найдена!"));
    }

    // After a hit: the row alone is selected and current, the dialog is
    // gone and "Найти" can be used again.
    void verifyFound(QPointer<TFindForm> dialog, const QString &name)
    {
        QTreeView *list = foodsList();
        QVERIFY(list->currentIndex().isValid());
        QCOMPARE(list->currentIndex().data().toString(), name);
        QCOMPARE(list->selectionModel()->selectedRows(), QModelIndexList{list->currentIndex()});
        QVERIFY(MessageBox::history().isEmpty());
        QTRY_VERIFY(!dialog);
        QVERIFY(!form->FindForm);
        QVERIFY(findAction()->isEnabled());
    }

    bool onScreen(const QModelIndex &item) const
    {
        QTreeView *list = foodsList();
        return list->visualRect(item).intersects(list->viewport()->rect());
    }

private Q_SLOTS:
    void init() { main.open(); }
    void cleanup() { main.close(); }

    // No ration window, or none current: the tools do nothing at all.
    void nothingWithoutRation_data()
    {
        QTest::addColumn<bool>("closeAll");
        QTest::newRow("no window") << true;
        QTest::newRow("no current window") << false;
    }
    void nothingWithoutRation()
    {
        QFETCH(bool, closeAll);
        if (closeAll) {
            trigger("FileCloseAllAction");
            QTRY_VERIFY(form->Workspace->subWindowList().isEmpty());
        } else {
            form->Workspace->setActiveSubWindow(nullptr);
            QCOMPARE(form->Workspace->subWindowList().size(), 1);
        }
        QVERIFY(!form->activeRation());
        // Without any window the commands are greyed out; triggered all the
        // same, they still do nothing.
        QTRY_COMPARE(findAction()->isEnabled(), !closeAll);
        findAction()->setEnabled(true);
        trigger("ToolsFindAction");
        QVERIFY(findDialogs().isEmpty());
        QVERIFY(!form->FindForm);
        QVERIFY(findAction()->isEnabled());
        form->findChild<QAction *>(QStringLiteral("ToolsEnergyValueAction"))->setEnabled(true);
        trigger("ToolsEnergyValueAction");
        QVERIFY(form->findChildren<TEnergyValueForm *>().isEmpty());
        QVERIFY(MessageBox::history().isEmpty());
    }

    // A search started while no window is current finds nothing and says
    // nothing.
    void searchWithoutCurrentWindow()
    {
        TFindForm *dialog = openFind();
        QVERIFY(dialog);
        const QModelIndex before = foodsList()->currentIndex();
        TCalculateForm *ration = form->activeRation();
        form->Workspace->setActiveSubWindow(nullptr);
        search(dialog, QStringLiteral("Бобы"), false);
        QVERIFY(MessageBox::history().isEmpty());
        QVERIFY(dialog->isVisible());
        QCOMPARE(ration->CentralWidget->FoodsList->currentIndex(), before);
    }

    void newFindDialog()
    {
        TFindForm *dialog = openFind();
        QVERIFY(dialog);
        QCOMPARE(findDialogs(), QList<TFindForm *>{dialog});
        QCOMPARE(dialog->objectName(), QStringLiteral("FindForm"));
        QCOMPARE(dialog->parentWidget(), form);
        QVERIFY(dialog->isModal());
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(!findAction()->isEnabled());

        QCOMPARE(dialog->windowTitle(), QStringLiteral("Найти продукт / группу"));
        QCOMPARE(dialog->FindLabel->text(), QStringLiteral("Найти:"));
        QCOMPARE(dialog->WholeCheckBox->text(), QStringLiteral("Точное соответствие"));
        QCOMPARE(dialog->FindButton->text(), QStringLiteral("Поиск"));
        QCOMPARE(dialog->CloseButton->text(), QStringLiteral("Закрыть"));
        QVERIFY(dialog->FindEdit->text().isEmpty());
        QVERIFY(!dialog->WholeCheckBox->isChecked());
        QVERIFY(!dialog->FindButton->isEnabled());

        QTest::keyClick(dialog->FindEdit, Qt::Key_A);
        QVERIFY(dialog->FindButton->isEnabled());
        QTest::keyClick(dialog->FindEdit, Qt::Key_Backspace);
        QVERIFY(!dialog->FindButton->isEnabled());

        // a new dialog remembers nothing of the last one
        type(dialog->FindEdit, QStringLiteral("Икра"));
        dialog->WholeCheckBox->setChecked(true);
        QPointer<TFindForm> old = dialog;
        dialog->CloseButton->click();
        QTRY_VERIFY(!old);
        dialog = openFind();
        QVERIFY(dialog);
        QVERIFY(dialog->FindEdit->text().isEmpty());
        QVERIFY(!dialog->WholeCheckBox->isChecked());
        QVERIFY(!dialog->FindButton->isEnabled());
    }

    void findDialogLayout()
    {
        TFindForm *dialog = openFind();
        QVERIFY(dialog);
        QCOMPARE(dialog->layout(), dialog->MainLayout);
        QCOMPARE(dialog->MainLayout->contentsMargins(), QMargins(11, 11, 11, 11));
        const QList<QObject *> parts{
            dialog->MainLayout,    dialog->WorkingLayout, dialog->FindLayout,
            dialog->ButtonsLayout, dialog->FindLabel,     dialog->FindEdit,
            dialog->WholeCheckBox, dialog->FindButton,    dialog->CloseButton};
        QStringList names;
        for (QObject *part : parts)
            names << part->objectName();
        QCOMPARE(
            names,
            QStringList({"MainLayout", "WorkingLayout", "FindLayout", "ButtonsLayout", "FindLabel",
                         "FindEdit", "WholeCheckBox", "FindButton", "CloseButton"}));
        for (QLayout *l : {static_cast<QLayout *>(dialog->MainLayout),
                           static_cast<QLayout *>(dialog->WorkingLayout),
                           static_cast<QLayout *>(dialog->FindLayout),
                           static_cast<QLayout *>(dialog->ButtonsLayout)})
            QCOMPARE(l->spacing(), 5);
        QCOMPARE(dialog->MainLayout->itemAt(0)->layout(), dialog->WorkingLayout);
        QCOMPARE(dialog->MainLayout->itemAt(1)->layout(), dialog->ButtonsLayout);
        QCOMPARE(dialog->WorkingLayout->itemAt(0)->layout(), dialog->FindLayout);
        QCOMPARE(dialog->WorkingLayout->itemAt(1)->widget(), dialog->WholeCheckBox);
        QCOMPARE(dialog->FindLayout->itemAt(0)->widget(), dialog->FindLabel);
        QCOMPARE(dialog->FindLayout->itemAt(1)->widget(), dialog->FindEdit);
        QCOMPARE(dialog->ButtonsLayout->itemAt(0)->widget(), dialog->FindButton);
        QCOMPARE(dialog->ButtonsLayout->itemAt(1)->widget(), dialog->CloseButton);
    }

    // The first row on screen from the top that matches is found; an
    // empty name stands for a miss.
    void find_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("whole");
        QTest::addColumn<QString>("collapsed");
        QTest::addColumn<QString>("found");
        QTest::addColumn<QString>("filter"); // typed in the search field first
        auto row = [](const char *tag, const char *text, bool whole, const char *collapsed,
                      const char *found, const char *filter = "") {
            QTest::newRow(tag) << QString::fromUtf8(text) << whole << QString::fromUtf8(collapsed)
                               << QString::fromUtf8(found) << QString::fromUtf8(filter);
        };
        row("part in capitals", "ГОРОХ", false, "", "Горох лущёный");
        row("part сушён", "сушён", false, "", "Грибы белые сушёные");
        row("part сушён, Грибы collapsed", "сушён", false, "Грибы", "Вишня  сушёная");
        row("part сушен for сушён", "сушен", false, "", "Грибы белые сушёные");
        row("part тушен", "тушен", false, "", "Говядина тушёная");
        row("part name itself first", "говядина", false, "", "Говядина");
        row("part one blank for two", "вишня сушеная", false, "", "Вишня  сушёная");
        row("part nowhere", "ананасы в шампанском", false, "", "");
        row("whole lower case", "горох лущёный", true, "", "");
        row("whole group", "Икра", true, "", "Икра");
        row("whole one blank", "Вишня сушёная", true, "", "");
        row("whole two blanks", "Вишня  сушёная", true, "", "Вишня  сушёная");
        row("whole product of collapsed group", "Бобы", true, "Бобовые", "");
        row("part сушён, list filtered", "сушён", false, "", "Груша  сушёная", "груш");
        row("whole, product filtered away", "Бобы", true, "", "", "горох");
    }
    void find()
    {
        QFETCH(QString, text);
        QFETCH(bool, whole);
        QFETCH(QString, collapsed);
        QFETCH(QString, found);
        QFETCH(QString, filter);
        if (!collapsed.isEmpty())
            foodsList()->collapse(food(collapsed));
        form->activeRation()->CentralWidget->SearchEdit->setText(filter);
        // A row of its own is current: a miss leaves it so.
        foodsList()->setCurrentIndex(foodsList()->model()->index(0, 0));
        const QModelIndex before = foodsList()->currentIndex();
        QPointer<TFindForm> dialog = openFind();
        QVERIFY(dialog);
        search(dialog, text, whole);
        if (!found.isEmpty()) {
            verifyFound(dialog, found);
            return;
        }
        verifyNotFoundWarning();
        QCOMPARE(foodsList()->currentIndex(), before);
        QCOMPARE(foodsList()->selectionModel()->selectedRows(), QModelIndexList{before});
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->FindEdit->text(), text);
        QCOMPARE(dialog->WholeCheckBox->isChecked(), whole);
        QVERIFY(!findAction()->isEnabled());
    }

    // The search always starts at the top row, wherever the current row is.
    void findStartsAtTop()
    {
        foodsList()->setCurrentIndex(food(QStringLiteral("Яичный порошок")));
        QPointer<TFindForm> dialog = openFind();
        search(dialog, QStringLiteral("о"), false);
        verifyFound(dialog, QStringLiteral("Бобовые"));
    }

    void hitIsScrolledIntoView()
    {
        const QModelIndex target = food(QStringLiteral("Яичный порошок"));
        QVERIFY(target.isValid());
        QVERIFY(!onScreen(target));
        QPointer<TFindForm> dialog = openFind();
        search(dialog, QStringLiteral("Яичный"), false);
        verifyFound(dialog, QStringLiteral("Яичный порошок"));
        QVERIFY(onScreen(target));
    }

    // Return in the empty edit searches all the same.
    void returnInEmptyEdit_data() { bothModes(); }
    void returnInEmptyEdit()
    {
        QFETCH(bool, whole);
        QPointer<TFindForm> dialog = openFind();
        QVERIFY(dialog);
        dialog->WholeCheckBox->setChecked(whole);
        answeringBoxes([&dialog] { QTest::keyClick(dialog->FindEdit, Qt::Key_Return); });
        if (whole) {
            verifyNotFoundWarning();
            QVERIFY(dialog && dialog->isVisible());
        } else {
            verifyFound(dialog, QStringLiteral("Бобовые"));
        }
    }

    // After a miss in part mode the text is selected for retyping; in whole
    // mode the edit stays as it was.
    void missLeavesText_data() { bothModes(); }
    void missLeavesText()
    {
        QFETCH(bool, whole);
        TFindForm *dialog = openFind();
        QVERIFY(dialog);
        const QString text = QStringLiteral("Бобы белые");
        dialog->WholeCheckBox->setChecked(whole);
        type(dialog->FindEdit, text);
        dialog->CloseButton->setFocus();
        QCOMPARE(dialog->focusWidget(), dialog->CloseButton);
        answeringBoxes([dialog] { dialog->FindButton->click(); });
        verifyNotFoundWarning();
        QCOMPARE(dialog->FindEdit->text(), text);
        QCOMPARE(dialog->FindEdit->selectedText(), whole ? QString() : text);
        QCOMPARE(dialog->focusWidget(),
                 whole ? static_cast<QWidget *>(dialog->CloseButton)
                       : static_cast<QWidget *>(dialog->FindEdit));
    }

    // A miss changes nothing in the list.
    void missKeepsSelection()
    {
        const QModelIndex bean = food(QStringLiteral("Бобы"));
        foodsList()->setCurrentIndex(bean);
        TFindForm *dialog = openFind();
        search(dialog, QStringLiteral("Бобы белые"), false);
        verifyNotFoundWarning();
        QCOMPARE(foodsList()->currentIndex(), bean);
        QCOMPARE(foodsList()->selectionModel()->selectedRows(), QModelIndexList{bean});
    }

    // However the dialog is closed, "Найти" can be used again.
    void closingEnablesFind_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("Закрыть") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("window frame") << 2;
    }
    void closingEnablesFind()
    {
        QFETCH(int, way);
        QPointer<TFindForm> dialog = openFind();
        QVERIFY(dialog);
        QVERIFY(!findAction()->isEnabled());
        QSignalSpy closing(dialog.data(), &TFindForm::FindDialogClose);
        if (way == 0)
            dialog->CloseButton->click();
        else if (way == 1)
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            dialog->close();
        QCOMPARE(closing.count(), 1);
        QVERIFY(findAction()->isEnabled());
        QTRY_VERIFY(!dialog);
        QVERIFY(!form->FindForm);
        QVERIFY(openFind());
    }

    // Enter on the keypad signals returnPressed() only while "Поиск" can be
    // pressed, and starts no search by itself.
    void keypadEnter()
    {
        TFindForm *dialog = openFind();
        QVERIFY(dialog);
        QSignalSpy pressed(dialog, &TFindForm::returnPressed);
        QSignalSpy part(dialog, &TFindForm::FindPart);
        QTest::keyClick(dialog, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(pressed.count(), 0);
        type(dialog->FindEdit, QStringLiteral("Бобы"));
        QTest::keyClick(dialog, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(pressed.count(), 1);
        QTest::keyClick(dialog, Qt::Key_Return);
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(part.count(), 0);
        QVERIFY(dialog->isVisible());
    }

    void energyValueNeedsSelection()
    {
        foodsList()->clearSelection();
        answeringBoxes([this] { trigger("ToolsEnergyValueAction"); });
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history().first().icon, QMessageBox::Warning);
        QCOMPARE(MessageBox::history().first().title, QStringLiteral("Ошибка расчёта"));
        QCOMPARE(MessageBox::history().first().text,
                 QStringLiteral("Чтобы рассчитать энергетическую ценность продукта, необходимо "
                                "его выбрать в списке!"));
        QVERIFY(form->findChildren<TEnergyValueForm *>().isEmpty());
        QVERIFY(!form->EnergyValueForm);
    }

    void energyValue_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("numbers"); // protein, fat, carbohydrates, total
        QTest::newRow("Бобы") << QStringLiteral("Бобы")
                              << QStringList{"25.2", "0.94", "34.03", "60.17"};
        QTest::newRow("Соя") << QStringLiteral("Соя")
                             << QStringList{"146.58", "162.62", "108.65", "417.85"};
        QTest::newRow("group") << QStringLiteral("Бобовые") << QStringList{"0", "0", "0", "0"};
    }
    void energyValue()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, numbers);
        foodsList()->setCurrentIndex(food(name));
        trigger("ToolsEnergyValueAction");
        TEnergyValueForm *dialog = form->EnergyValueForm;
        QVERIFY(dialog);
        QCOMPARE(form->findChildren<TEnergyValueForm *>(), QList<TEnergyValueForm *>{dialog});
        QVERIFY(MessageBox::history().isEmpty());
        QCOMPARE(dialog->objectName(), QStringLiteral("EnergyValueForm"));
        QCOMPARE(dialog->parentWidget(), form);
        QVERIFY(dialog->isModal());
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Энергетическая ценность"));

        QCOMPARE(dialog->FoodEdit->text(), name);
        QCOMPARE(dialog->ProteinEnergyValueEdit->text(),
                 "Энергетическая ценность по белку: " + numbers[0] + " ККал");
        QCOMPARE(dialog->FatEnergyValueEdit->text(),
                 "Энергетическая ценность по жирам: " + numbers[1] + " ККал");
        QCOMPARE(dialog->CarbohydratesEnergyValueEdit->text(),
                 "Энергетическая ценность по углеводам: " + numbers[2] + " ККал");
        QCOMPARE(dialog->EnergyValueEdit->text(),
                 "Энергетическая ценность (всего): " + numbers[3] + " ККал");
    }

    void energyValueDialog()
    {
        TEnergyValueForm dialog;
        QCOMPARE(dialog.objectName(), QStringLiteral("EnergyValueForm"));
        QCOMPARE(dialog.size(), QSize(450, 200));
        QCOMPARE(dialog.SaveButton->text(), QStringLiteral("Сохранить"));
        QCOMPARE(dialog.CloseButton->text(), QStringLiteral("Закрыть"));
        QCOMPARE(dialog.layout(), dialog.MainLayout);
        QCOMPARE(dialog.MainLayout->contentsMargins(), QMargins(11, 11, 11, 11));
        QCOMPARE(dialog.MainLayout->spacing(), 5);
        QCOMPARE(dialog.ButtonsLayout->spacing(), 5);
        const QList<QLineEdit *> edits{dialog.FoodEdit, dialog.ProteinEnergyValueEdit,
                                       dialog.FatEnergyValueEdit,
                                       dialog.CarbohydratesEnergyValueEdit, dialog.EnergyValueEdit};
        const QStringList names{"FoodEdit", "ProteinEnergyValueEdit", "FatEnergyValueEdit",
                                "CarbohydratesEnergyValueEdit", "EnergyValueEdit"};
        for (int i = 0; i < edits.size(); ++i) {
            QCOMPARE(edits[i]->objectName(), names[i]);
            QVERIFY(edits[i]->isReadOnly());
            QCOMPARE(dialog.MainLayout->itemAt(i)->widget(), edits[i]);
        }
        QCOMPARE(dialog.MainLayout->itemAt(5)->layout(), dialog.ButtonsLayout);
        QCOMPARE(dialog.ButtonsLayout->itemAt(0)->widget(), dialog.SaveButton);
        QCOMPARE(dialog.ButtonsLayout->itemAt(1)->widget(), dialog.CloseButton);

        QSignalSpy save(&dialog, &TEnergyValueForm::SaveEnergyValue);
        dialog.SaveButton->click();
        QCOMPARE(save.count(), 1);
    }

    // The report goes where the user chose, with ".html" added only when
    // missing; the dialog stays open and can save again.
    void saveReport_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("with suffix") << QStringLiteral("x.html") << QStringLiteral("x.html");
        QTest::newRow("without suffix") << QStringLiteral("x") << QStringLiteral("x.html");
    }
    void saveReport()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QModelIndex bean = food(QStringLiteral("Бобы"));
        foodsList()->setCurrentIndex(bean);
        trigger("ToolsEnergyValueAction");
        QPointer<TEnergyValueForm> dialog = form->EnergyValueForm;
        QVERIFY(dialog);

        FileDialog::setNextFileName(dir.filePath(chosen));
        dialog->SaveButton->click();
        QVERIFY(MessageBox::history().isEmpty());
        QVERIFY(!QFile::exists(dir.filePath(written + ".html")));
        const QString text = QString::fromUtf8(contents(dir.filePath(written)));
        const EnergyValue::Product product{"Бобы", "6.0", "0.1", "8.3", "58"};
        const EnergyValue::Shares results{
            dialog->ProteinEnergyValueEdit->text(), dialog->FatEnergyValueEdit->text(),
            dialog->CarbohydratesEnergyValueEdit->text(), dialog->EnergyValueEdit->text()};
        QCOMPARE(text, RationPage::joinLines(EnergyValue::reportLines(product, results)));
        const QStringList lines = text.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 65); // 64 lines, each ended by a line feed
        QCOMPARE(lines[12], QStringLiteral("Продукт \"Бобы\"."));
        QCOMPARE(lines[15], QStringLiteral("Энергетическая ценность (всего): 60.17 ККал."));
        QCOMPARE(lines[49], QStringLiteral("6.0"));

        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(form->EnergyValueForm, dialog.data());
    }

    void closedEnergyDialogIsForgotten()
    {
        foodsList()->setCurrentIndex(food(QStringLiteral("Бобы")));
        trigger("ToolsEnergyValueAction");
        QPointer<TEnergyValueForm> dialog = form->EnergyValueForm;
        QVERIFY(dialog);
        dialog->CloseButton->click();
        QTRY_VERIFY(!dialog);
        QVERIFY(!form->EnergyValueForm);
    }
};

QTEST_MAIN(TestTools)
#include "tst_tools.moc"
