#include "app/mainform.h"

#include "app/windowtiling.h"
#include "dialogs/filedialog.h"
#include "dialogs/messagebox.h"
#include "files/pagesaver.h"
#include "files/rationpage.h"
#include "files/rationprinter.h"
#include "help/helpform.h"
#include "help/manuallocator.h"
#include "images/embeddedimages.h"
#include "ration/calculateform.h"
#include "ration/centralwidget.h"
#include "ration/foodmodel.h"
#include "tools/energyvalue.h"
#include "tools/energyvalueform.h"
#include "tools/findform.h"
#include "tools/foodsearch.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <QUndoGroup>
#include <QUndoStack>

TMainForm::TMainForm(QWidget *parent, const char *name, Qt::WindowFlags fl)
    : QMainWindow(parent, fl), FindForm(nullptr), EnergyValueForm(nullptr), Workspace(nullptr)
{
    setObjectName(QString::fromUtf8(name ? name : "MainForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(embeddedIcon(QStringLiteral("main.xpm")));
    LanguageChangeSlot();
    CreateStatusBarSlot();
    CreateActionsSlot();
    CreateMenusSlot();
    CreateToolBarsSlot();

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    TimeSlot();
    connect(Timer, &QTimer::timeout, this, &TMainForm::TimeSlot);
    Timer->start(1000);

    resize(QSize(600, 480).expandedTo(minimumSizeHint()));
    InitViewSlot();
    pFileNewSlot();
}

TMainForm::~TMainForm()
{
    // The workspace closes its windows as it goes down, after this window
    // has stopped being a TMainForm: no more activations reach it.
    if (Workspace)
        disconnect(Workspace, nullptr, this, nullptr);
}

void TMainForm::LanguageChangeSlot() { setWindowTitle(tr("Калькулятор калорий Korvent")); }

void TMainForm::CreateStatusBarSlot()
{
    StatusBar = statusBar();
    DateTimeLabel = new QLabel(StatusBar);
    DateTimeLabel->setObjectName(QStringLiteral("DateTimeLabel"));
    StatusBar->addWidget(DateTimeLabel, 0);
}

namespace {

// One command of the main window: where it is kept, its object name, text,
// icon, key, status-bar tip and the slot it runs.
struct ActionSpec {
    QAction *TMainForm::*member;
    const char *objectName;
    const char *text;
    const char *icon;
    const char *shortcut;
    const char *statusTip;
    void (TMainForm::*slot)();
};

} // namespace

void TMainForm::CreateActionsSlot()
{
    // In menu and toolbar order.
    static const ActionSpec specs[] = {
        {&TMainForm::FileExitAction, "FileExitAction", QT_TR_NOOP("Выход"), "exit.png",
         QT_TR_NOOP("Ctrl+Q"), QT_TR_NOOP("Завершить работу программы"), &TMainForm::FileExitSlot},
        {&TMainForm::FileNewAction, "FileNewAction", QT_TR_NOOP("Создать"), "new.png",
         QT_TR_NOOP("Ctrl+N"), QT_TR_NOOP("Создать новый рацион"), &TMainForm::FileNewSlot},
        {&TMainForm::FileOpenAction, "FileOpenAction", QT_TR_NOOP("Загрузить"), "open.png",
         QT_TR_NOOP("Ctrl+O"), QT_TR_NOOP("Загрузить данные, сохранённые в файл"),
         &TMainForm::FileLoadDataSlot},
        {&TMainForm::FileSaveAction, "FileSaveAction", QT_TR_NOOP("Сохранить"), "save.png",
         QT_TR_NOOP("Ctrl+S"), QT_TR_NOOP("Сохранить данные рациона в файл"),
         &TMainForm::FileSaveSlot},
        {&TMainForm::FilePrintAction, "FilePrintAction", QT_TR_NOOP("Печать"), "print.png",
         QT_TR_NOOP("Ctrl+P"), QT_TR_NOOP("Напечатать данные текущего окна"),
         &TMainForm::FilePrintSlot},
        {&TMainForm::FileCloseAction, "FileCloseAction", QT_TR_NOOP("Закрыть"), "no.png",
         QT_TR_NOOP("Ctrl+W"), QT_TR_NOOP("Закрыть активное окно"), &TMainForm::FileCloseSlot},
        {&TMainForm::FileCloseAllAction, "FileCloseAllAction", QT_TR_NOOP("Закрыть всё"), nullptr,
         QT_TR_NOOP("Ctrl+A"), QT_TR_NOOP("Закрыть все окна"), &TMainForm::FileCloseAllSlot},
        {&TMainForm::ToolsFindAction, "ToolsFindAction", QT_TR_NOOP("Найти"), "find.png",
         QT_TR_NOOP("F3"), QT_TR_NOOP("Найти продукт / группу продуктов в списке"),
         &TMainForm::ToolsFindSlot},
        {&TMainForm::ToolsEnergyValueAction, "ToolsEnergyValueAction",
         QT_TR_NOOP("Энергетическая ценность"), "yes.png", QT_TR_NOOP("F4"),
         QT_TR_NOOP("Рассчитать энергетическую ценность продукта"),
         &TMainForm::ToolsEnergyValueSlot},
        {&TMainForm::WindowCascadeAction, "WindowCascadeAction", QT_TR_NOOP("Каскад"), nullptr,
         QT_TR_NOOP("F5"), QT_TR_NOOP("Упорядочить окна документов каскадом"),
         &TMainForm::WindowCascadeSlot},
        {&TMainForm::WindowTileHorizontalAction, "WindowTileHorizontalAction",
         QT_TR_NOOP("Упорядочить по горизонтали"), nullptr, QT_TR_NOOP("F6"),
         QT_TR_NOOP("Упорядочить окна документов по горизонтали"),
         &TMainForm::WindowTileHorizontalSlot},
        {&TMainForm::WindowTileVerticalAction, "WindowTileVerticalAction",
         QT_TR_NOOP("Упорядочить по вертикали"), nullptr, QT_TR_NOOP("F7"),
         QT_TR_NOOP("Упорядочить окна документов по вертикали"),
         &TMainForm::WindowTileVerticalSlot},
        {&TMainForm::WindowTileAction, "WindowTileAction", QT_TR_NOOP("Замостить"), nullptr,
         QT_TR_NOOP("F8"), QT_TR_NOOP("Упорядочить окна документов"), &TMainForm::WindowTileSlot},
        {&TMainForm::HelpContentsAction, "HelpContentsAction", QT_TR_NOOP("Разделы"), "help.png",
         QT_TR_NOOP("F1"), QT_TR_NOOP("Показать разделы справки"), &TMainForm::HelpContentsSlot},
        {&TMainForm::HelpAboutAction, "HelpAboutAction", QT_TR_NOOP("О программе"), "about.png",
         QT_TR_NOOP("F2"), QT_TR_NOOP("Показать краткую информацию об этой программе"),
         &TMainForm::HelpAboutSlot},
        {&TMainForm::HelpAboutQtAction, "HelpAboutQtAction", QT_TR_NOOP("О библиотеке Qt"),
         "Qt.png", QT_TR_NOOP("Alt+Q"), QT_TR_NOOP("Показать краткую информацию о библиотеке Qt"),
         &TMainForm::HelpAboutQtSlot},
    };
    for (const ActionSpec &spec : specs) {
        auto *action = new QAction(tr(spec.text), this);
        action->setObjectName(QString::fromLatin1(spec.objectName));
        if (spec.icon)
            action->setIcon(embeddedIcon(QString::fromLatin1(spec.icon)));
        action->setShortcut(QKeySequence(tr(spec.shortcut)));
        action->setStatusTip(tr(spec.statusTip));
        connect(action, &QAction::triggered, this, spec.slot);
        this->*spec.member = action;
    }

    // Undo and redo act on the steps of the active ration window.
    UndoGroup = new QUndoGroup(this);
    UndoGroup->setObjectName(QStringLiteral("UndoGroup"));
    EditUndoAction = UndoGroup->createUndoAction(this, tr("Отменить"));
    EditUndoAction->setObjectName(QStringLiteral("EditUndoAction"));
    EditUndoAction->setShortcuts({QKeySequence(tr("Ctrl+Z"))});
    EditUndoAction->setStatusTip(tr("Отменить последнее изменение рациона"));
    EditRedoAction = UndoGroup->createRedoAction(this, tr("Повторить"));
    EditRedoAction->setObjectName(QStringLiteral("EditRedoAction"));
    EditRedoAction->setShortcuts({QKeySequence(tr("Ctrl+Shift+Z")), QKeySequence(tr("Ctrl+Y"))});
    EditRedoAction->setStatusTip(tr("Повторить отменённое изменение рациона"));
}

void TMainForm::FileExitSlot() { QApplication::closeAllWindows(); }

void TMainForm::FileNewSlot() { pFileNewSlot(); }

void TMainForm::ActiveWindowSlot()
{
    TCalculateForm *form = activeRation();
    UndoGroup->setActiveStack(form ? form->CentralWidget->undoStack() : nullptr);
}

void TMainForm::CreateMenusSlot()
{
    FileMenu = new QMenu(tr("Файл"), this);
    FileMenu->addActions({FileNewAction, FileOpenAction, FileSaveAction});
    FileMenu->addSeparator();
    FileMenu->addActions({FileCloseAction, FileCloseAllAction});
    FileMenu->addSeparator();
    FileMenu->addAction(FilePrintAction);
    FileMenu->addSeparator();
    FileMenu->addAction(FileExitAction);

    EditMenu = new QMenu(tr("Правка"), this);
    EditMenu->addActions({EditUndoAction, EditRedoAction});

    ToolsMenu = new QMenu(tr("Сервис"), this);
    ToolsMenu->addAction(ToolsFindAction);
    ToolsMenu->addSeparator();
    ToolsMenu->addAction(ToolsEnergyValueAction);

    WindowMenu = new QMenu(tr("Окно"), this);
    WindowMenu->addActions({WindowCascadeAction, WindowTileHorizontalAction,
                            WindowTileVerticalAction, WindowTileAction});

    HelpMenu = new QMenu(tr("Справка"), this);
    HelpMenu->addAction(HelpContentsAction);
    HelpMenu->addSeparator();
    HelpMenu->addActions({HelpAboutAction, HelpAboutQtAction});

    menuBar()->addMenu(FileMenu);
    menuBar()->addMenu(EditMenu);
    menuBar()->addMenu(ToolsMenu);
    menuBar()->addMenu(WindowMenu);
    menuBar()->addSeparator();
    menuBar()->addMenu(HelpMenu);
}

void TMainForm::CreateToolBarsSlot()
{
    FileToolBar = new QToolBar(tr("Панель \"Файл\""), this);
    addToolBar(Qt::TopToolBarArea, FileToolBar);
    FileToolBar->addAction(FileExitAction);
    FileToolBar->addSeparator();
    FileToolBar->addActions({FileNewAction, FileOpenAction, FileSaveAction});
    FileToolBar->addSeparator();
    FileToolBar->addAction(FilePrintAction);
    FileToolBar->addSeparator();
    FileToolBar->addAction(FileCloseAction);

    ToolsToolBar = new QToolBar(tr("Панель \"Сервис\""), this);
    addToolBar(Qt::TopToolBarArea, ToolsToolBar);
    ToolsToolBar->addAction(ToolsFindAction);
    ToolsToolBar->addSeparator();
    ToolsToolBar->addAction(ToolsEnergyValueAction);

    HelpToolBar = new QToolBar(tr("Панель \"Справка\""), this);
    addToolBar(Qt::TopToolBarArea, HelpToolBar);
    HelpToolBar->addActions({HelpContentsAction, HelpAboutAction});
    HelpToolBar->addSeparator();
    HelpToolBar->addAction(HelpAboutQtAction);
}

void TMainForm::InitViewSlot()
{
    Workspace = new QMdiArea(this);
    Workspace->setObjectName(QStringLiteral("Workspace"));
    Workspace->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    Workspace->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Workspace->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Workspace->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    setCentralWidget(Workspace);
    connect(Workspace, &QMdiArea::subWindowActivated, this, &TMainForm::ActiveWindowSlot);
}

void TMainForm::TimeSlot()
{
    DateTimeLabel->setText(
        QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy - hh:mm:ss")));
}

TCalculateForm *TMainForm::addRationWindow()
{
    const bool alone = Workspace->subWindowList().isEmpty();
    auto *form = new TCalculateForm(nullptr, nullptr);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->setCaption(tr("Без имени"));
    UndoGroup->addStack(form->CentralWidget->undoStack());
    QMdiSubWindow *frame = Workspace->addSubWindow(form);
    // The frame's own menu would claim Ctrl+W as well, and a key claimed
    // twice does nothing: the main window's "Закрыть" keeps it.
    for (QAction *action : frame->systemMenu()->actions()) {
        QList<QKeySequence> keys = action->shortcuts();
        if (keys.removeAll(FileCloseAction->shortcut()) > 0)
            action->setShortcuts(keys);
    }
    if (alone) {
        frame->showMaximized();
    } else {
        frame->show();
        Workspace->cascadeSubWindows();
    }
    Workspace->setActiveSubWindow(frame);
    return form;
}

TCalculateForm *TMainForm::pFileNewSlot() { return addRationWindow(); }

TCalculateForm *TMainForm::activeRation() const
{
    if (Workspace->subWindowList().isEmpty())
        return nullptr;
    QMdiSubWindow *current = Workspace->currentSubWindow();
    return current ? qobject_cast<TCalculateForm *>(current->widget()) : nullptr;
}

void TMainForm::FileCloseSlot()
{
    if (activeRation())
        Workspace->currentSubWindow()->close();
}

void TMainForm::FileCloseAllSlot()
{
    // Every listed window, current or not; a window whose user chose to
    // keep it stops the command.
    const QList<QMdiSubWindow *> windows = Workspace->subWindowList();
    for (QMdiSubWindow *window : windows) {
        if (!window->close())
            return;
    }
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    const QList<QMdiSubWindow *> windows = Workspace->subWindowList();
    for (QMdiSubWindow *window : windows) {
        if (!window->close()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

void TMainForm::WindowCascadeSlot() { Workspace->cascadeSubWindows(); }

void TMainForm::WindowTileSlot() { Workspace->tileSubWindows(); }

void TMainForm::WindowTileHorizontalSlot() { WindowTiling::tileStrips(Workspace, Qt::Vertical); }

void TMainForm::WindowTileVerticalSlot() { WindowTiling::tileStrips(Workspace, Qt::Horizontal); }

void TMainForm::FileSaveSlot()
{
    if (TCalculateForm *form = activeRation())
        form->save();
}

void TMainForm::FileLoadDataSlot()
{
    const QString path = FileDialog::openFileName(this, tr("Загрузить данные"), QDir::homePath(),
                                                  tr("Файл HTML (*.html)"));
    if (path.isEmpty())
        return;
    const QString caption = tr("Ошибка загрузки");
    if (!QFile::exists(path)) {
        MessageBox::critical(this, caption, tr("Файл не существует!"));
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        MessageBox::critical(this, caption, tr("Ошибка чтения файла!"));
        return;
    }
    const RationPage::ReadResult page = RationPage::read(file);
    if (page.status == RationPage::ReadResult::NotARation) {
        MessageBox::critical(this, caption,
                             tr("Эта интернет-страница не является документом Rationix!"));
        return;
    }
    TCalculateForm *form = addRationWindow();
    form->loadRation(page.ration, page.hasTitle);
    Workspace->currentSubWindow()->showMaximized();
    if (page.status == RationPage::ReadResult::ReadError)
        MessageBox::critical(this, caption, tr("Ошибка чтения файла!"));
}

void TMainForm::FilePrintSlot()
{
    if (TCalculateForm *form = activeRation())
        RationPrinter::print(this, form->CentralWidget->ration());
}

namespace {

// Keeps *slot pointing at the dialog while it lives and clears it when the
// dialog is destroyed, so that a dialog that is gone is never used. The
// slot is reached by its address, as a dialog still open goes down with
// the main window after the window's own destructor has run.
template <typename Dialog> void holdWhileAlive(QObject *owner, Dialog **slot, Dialog *dialog)
{
    *slot = dialog;
    QObject::connect(dialog, &QObject::destroyed, owner, [slot, dialog] {
        if (*slot == dialog)
            *slot = nullptr;
    });
}

QModelIndex selectedFood(const TCalculateForm *ration)
{
    return ration->CentralWidget->FoodsList->selectionModel()->selectedRows().value(0);
}

// One search of the find dialog: the first row on screen, from the top,
// that matches becomes the selected and current row and is scrolled into
// view, and the dialog closes; a miss is reported and leaves the list and
// the dialog as they were.
void findFood(TMainForm *window, const QString &text, NameMatch::Mode mode)
{
    TCalculateForm *ration = window->activeRation();
    if (!ration)
        return;
    QTreeView *list = ration->CentralWidget->FoodsList;
    ration->FoundFlag = false;
    if (const QModelIndex hit = FoodSearch::firstMatch(list, text, mode); hit.isValid()) {
        list->selectionModel()->setCurrentIndex(
            hit, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        list->scrollTo(hit);
        ration->FoundFlag = true;
        // This runs within the dialog's own signal: closing only schedules
        // its deletion.
        if (window->FindForm)
            window->FindForm->close();
        return;
    }
    if (mode == NameMatch::Mode::Part && window->FindForm) {
        window->FindForm->FindEdit->selectAll();
        window->FindForm->FindEdit->setFocus();
    }
    MessageBox::warning(window, QStringLiteral("Rationix"), TMainForm::tr("Строка не найдена!"));
}

// Columns of the food list read by the energy value.
constexpr int NameColumn = 0;
constexpr int ProteinColumn = FoodModel::columnOf(FoodTable::Protein);
constexpr int FatColumn = FoodModel::columnOf(FoodTable::Fat);
constexpr int CarbohydratesColumn = FoodModel::columnOf(FoodTable::Carbohydrates);
constexpr int CaloriesColumn = FoodModel::columnOf(FoodTable::Energy);

} // namespace

void TMainForm::ToolsFindSlot()
{
    if (!activeRation())
        return;
    auto *dialog = new TFindForm(this, "FindForm", true);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    holdWhileAlive(this, &FindForm, dialog);
    connect(dialog, &TFindForm::FindDialogClose, this, &TMainForm::ToolsEnableFindActionSlot);
    connect(dialog, &TFindForm::FindWhole, this, &TMainForm::ToolsFindWholeSlot);
    connect(dialog, &TFindForm::FindPart, this, &TMainForm::ToolsFindPartSlot);
    dialog->show();
    ToolsFindAction->setEnabled(false);
}

void TMainForm::ToolsEnableFindActionSlot() { ToolsFindAction->setEnabled(true); }

void TMainForm::ToolsFindWholeSlot(QString &sSearchString)
{
    findFood(this, sSearchString, NameMatch::Mode::Whole);
}

void TMainForm::ToolsFindPartSlot(QString &sSearchString)
{
    findFood(this, sSearchString, NameMatch::Mode::Part);
}

void TMainForm::ToolsEnergyValueSlot()
{
    const TCalculateForm *ration = activeRation();
    if (!ration)
        return;
    const QModelIndex food = selectedFood(ration);
    if (!food.isValid()) {
        MessageBox::warning(this, tr("Ошибка расчёта"),
                            tr("Чтобы рассчитать энергетическую ценность продукта, необходимо его "
                               "выбрать в списке!"));
        return;
    }
    auto *dialog = new TEnergyValueForm(this, "EnergyValueForm", true);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    holdWhileAlive(this, &EnergyValueForm, dialog);
    connect(dialog, &TEnergyValueForm::SaveEnergyValue, this, &TMainForm::ToolsEnergyValueSaveSlot);

    dialog->FoodEdit->setText(TCentralWidget::foodText(food, NameColumn));
    const EnergyValue::Shares lines = EnergyValue::resultLines(EnergyValue::shares(
        TCentralWidget::foodText(food, ProteinColumn), TCentralWidget::foodText(food, FatColumn),
        TCentralWidget::foodText(food, CarbohydratesColumn)));
    dialog->ProteinEnergyValueEdit->setText(lines.protein);
    dialog->FatEnergyValueEdit->setText(lines.fat);
    dialog->CarbohydratesEnergyValueEdit->setText(lines.carbohydrates);
    dialog->EnergyValueEdit->setText(lines.total);
    dialog->show();
}

void TMainForm::ToolsEnergyValueSaveSlot()
{
    const TCalculateForm *ration = activeRation();
    const QModelIndex food = ration ? selectedFood(ration) : QModelIndex();
    if (!food.isValid() || !EnergyValueForm)
        return;
    const EnergyValue::Product product{TCentralWidget::foodText(food, NameColumn),
                                       TCentralWidget::foodText(food, ProteinColumn),
                                       TCentralWidget::foodText(food, FatColumn),
                                       TCentralWidget::foodText(food, CarbohydratesColumn),
                                       TCentralWidget::foodText(food, CaloriesColumn)};
    const EnergyValue::Shares results{EnergyValueForm->ProteinEnergyValueEdit->text(),
                                      EnergyValueForm->FatEnergyValueEdit->text(),
                                      EnergyValueForm->CarbohydratesEnergyValueEdit->text(),
                                      EnergyValueForm->EnergyValueEdit->text()};
    PageSaver::save(this, tr("Сохранить"), product.name,
                    RationPage::joinLines(EnergyValue::reportLines(product, results)));
}

void TMainForm::HelpContentsSlot()
{
    auto *help = new THelpForm(this, "HelpForm", false);
    help->setAttribute(Qt::WA_DeleteOnClose);
    QString path = ManualLocator::find();
    if (path.isEmpty()) {
        MessageBox::warning(this, tr("Справка не найдена"),
                            tr("Не найден файл справки. \nПопытайтесь указать путь к файлу "
                               "вручную."));
        const QString chosen = FileDialog::openFileName(this, tr("Открыть справку"),
                                                        QDir::homePath(), tr("Файл HTML (*.html)"));
        if (!chosen.isEmpty() && QFileInfo(chosen).isFile())
            path = chosen;
    }
    if (!path.isEmpty())
        help->TextBrowser->setSource(QUrl::fromLocalFile(path));
    help->showMaximized();
}

void TMainForm::HelpAboutSlot()
{
    MessageBox::about(nullptr, QObject::tr("О программе"),
                      QObject::tr("<h2>Rationix 1.0</h2>"
                                  "<p align=justify>© 2026 Разработчики Rationix. "
                                  "Программа распространяется свободно."
                                  "<p align=justify>Программа для расчёта пищевой ценности блюд, "
                                  "исходя из массы входящих в них продуктов.</p>"
                                  " <p align=justify>Значки нарисованы разработчиками Rationix "
                                  "специально для этой программы.</p>"));
}

void TMainForm::HelpAboutQtSlot() { MessageBox::aboutQt(this, tr("Калькулятор калорий Korvent")); }
