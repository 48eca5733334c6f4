#include "gui/app/mainform.h"

#include "core/catalogue/foodmodel.h"
#include "core/catalogue/productstore.h"
#include "core/energy/energyvalue.h"
#include "core/page/rationfile.h"
#include "core/page/rationpage.h"
#include "core/platform/manuallocator.h"
#include "core/platform/savedsettings.h"
#include "gui/app/programstyle.h"
#include "gui/app/windowtiling.h"
#include "gui/dialogs/filedialog.h"
#include "gui/dialogs/messagebox.h"
#include "gui/files/loadreport.h"
#include "gui/files/pagesaver.h"
#include "gui/files/rationprinter.h"
#include "gui/help/helpform.h"
#include "gui/images/embeddedimages.h"
#include "gui/ration/calculateform.h"
#include "gui/ration/centralwidget.h"
#include "gui/tools/energyvalueform.h"
#include "gui/tools/findform.h"
#include "gui/tools/foodsearch.h"
#include "gui/tools/ownproductcommands.h"
#include "gui/tools/ownproductsdialog.h"
#include "gui/widgets/plaintext.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <QUndoGroup>
#include <QUndoStack>

#include <algorithm>
#include <memory>

namespace {
// How long a report of what a command did stays in the status bar, in ms.
constexpr int MessageTimeout = 8000;
} // namespace

TMainForm::TMainForm(QWidget *parent, const char *name, Qt::WindowFlags fl, bool withRation)
    : QMainWindow(parent, fl), FindForm(nullptr), EnergyValueForm(nullptr), Workspace(nullptr)
{
    setObjectName(QString::fromUtf8(name ? name : "MainForm"));
    ProgramStyle::install();
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(embeddedIcon(QStringLiteral("main.xpm")));
    LanguageChangeSlot();
    CreateStatusBarSlot();
    CreateActionsSlot();
    CreateMenusSlot();
    CreateToolBarsSlot();
    createDesktopActions();

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    TimeSlot();
    connect(Timer, &QTimer::timeout, this, &TMainForm::TimeSlot);
    Timer->start(1000);
    m_spareTimer = new QTimer(this);
    m_spareTimer->setSingleShot(true);
    m_spareTimer->setInterval(300);
    connect(m_spareTimer, &QTimer::timeout, this, &TMainForm::prepareSpareForm);

    resize(QSize(600, 480).expandedTo(minimumSizeHint()));
    InitViewSlot();
    if (withRation)
        pFileNewSlot();
    else
        updateCommandStates();
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
    m_fileLabel = new QLabel(StatusBar);
    m_fileLabel->setObjectName(QStringLiteral("FileLabel"));
    m_fileLabel->setAccessibleName(tr("Файл активного рациона"));
    m_fileLabel->setTextFormat(Qt::PlainText);
    StatusBar->addPermanentWidget(m_fileLabel);
}

namespace {

// One command of the main window: where it is kept, its object name, text,
// icon, key, status-bar tip and the slot it runs.
struct ActionRow {
    QAction *TMainForm::*member;
    const char *objectName;
    const char *text;
    const char *icon;
    const char *shortcut;
    const char *statusTip;
    void (TMainForm::*slot)();
};

// A numbered entry of the window or recent-files menu; the first nine get
// their number as the key.
QString numberedEntry(qsizetype i, QString name)
{
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return (i < 9 ? QStringLiteral("&%1 %2") : QStringLiteral("%1 %2")).arg(i + 1).arg(name);
}

// The local files among what is dragged onto the window.
QStringList localFiles(const QMimeData *data)
{
    QStringList paths;
    const QList<QUrl> urls = data->urls();
    for (const QUrl &url : urls) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    return paths;
}

} // namespace

void TMainForm::CreateActionsSlot()
{
    // In menu and toolbar order.
    static const ActionRow table[] = {
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
        {&TMainForm::FileSaveAsAction, "FileSaveAsAction", QT_TR_NOOP("Сохранить как…"), nullptr,
         QT_TR_NOOP("Ctrl+Shift+S"), QT_TR_NOOP("Сохранить данные рациона в другой файл"),
         &TMainForm::FileSaveAsSlot},
        {&TMainForm::FileSaveAsProductAction, "FileSaveAsProductAction",
         QT_TR_NOOP("Сохранить как продукт…"), nullptr, nullptr,
         QT_TR_NOOP("Сохранить готовое блюдо в свои продукты"), &TMainForm::FileSaveAsProductSlot},
        {&TMainForm::FilePrintAction, "FilePrintAction", QT_TR_NOOP("Печать"), "print.png",
         QT_TR_NOOP("Ctrl+P"), QT_TR_NOOP("Напечатать данные текущего окна"),
         &TMainForm::FilePrintSlot},
        {&TMainForm::FilePrintPreviewAction, "FilePrintPreviewAction",
         QT_TR_NOOP("Предварительный просмотр"), nullptr, nullptr,
         QT_TR_NOOP("Показать, как будет напечатан рацион текущего окна"),
         &TMainForm::FilePrintPreviewSlot},
        {&TMainForm::FileCloseAction, "FileCloseAction", QT_TR_NOOP("Закрыть"), "no.png",
         QT_TR_NOOP("Ctrl+W"), QT_TR_NOOP("Закрыть активное окно"), &TMainForm::FileCloseSlot},
        {&TMainForm::FileCloseAllAction, "FileCloseAllAction", QT_TR_NOOP("Закрыть всё"), nullptr,
         QT_TR_NOOP("Ctrl+A"), QT_TR_NOOP("Закрыть все окна"), &TMainForm::FileCloseAllSlot},
        {&TMainForm::EditScaleAction, "EditScaleAction", QT_TR_NOOP("Масштабировать…"), nullptr,
         nullptr,
         QT_TR_NOOP("Умножить массы рациона на число или привести их к заданной массе, энергии, "
                    "числу порций или выходу готового блюда"),
         &TMainForm::EditScaleSlot},
        {&TMainForm::ToolsFindAction, "ToolsFindAction", QT_TR_NOOP("Найти"), "find.png",
         QT_TR_NOOP("F3"), QT_TR_NOOP("Найти продукт / группу продуктов в списке"),
         &TMainForm::ToolsFindSlot},
        {&TMainForm::ToolsEnergyValueAction, "ToolsEnergyValueAction",
         QT_TR_NOOP("Энергетическая ценность"), "yes.png", QT_TR_NOOP("F4"),
         QT_TR_NOOP("Рассчитать энергетическую ценность продукта"),
         &TMainForm::ToolsEnergyValueSlot},
        {&TMainForm::ToolsOwnProductsAction, "ToolsOwnProductsAction", QT_TR_NOOP("Мои продукты…"),
         nullptr, nullptr, QT_TR_NOOP("Добавить, изменить или удалить свои продукты"),
         &TMainForm::ToolsOwnProductsSlot},
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
        {&TMainForm::m_nextWindowAction, "WindowNextAction", QT_TR_NOOP("Следующее"), nullptr,
         QT_TR_NOOP("Ctrl+Tab"), QT_TR_NOOP("Перейти к следующему окну"),
         &TMainForm::WindowNextSlot},
        {&TMainForm::m_previousWindowAction, "WindowPreviousAction", QT_TR_NOOP("Предыдущее"),
         nullptr, QT_TR_NOOP("Ctrl+Shift+Tab"), QT_TR_NOOP("Перейти к предыдущему окну"),
         &TMainForm::WindowPreviousSlot},
        {&TMainForm::HelpContentsAction, "HelpContentsAction", QT_TR_NOOP("Разделы"), "help.png",
         QT_TR_NOOP("F1"), QT_TR_NOOP("Показать разделы справки"), &TMainForm::HelpContentsSlot},
        {&TMainForm::HelpAboutAction, "HelpAboutAction", QT_TR_NOOP("О программе"), "about.png",
         QT_TR_NOOP("F2"), QT_TR_NOOP("Показать краткую информацию об этой программе"),
         &TMainForm::HelpAboutSlot},
        {&TMainForm::HelpAboutQtAction, "HelpAboutQtAction", QT_TR_NOOP("О библиотеке Qt"),
         "Qt.png", QT_TR_NOOP("Alt+Q"), QT_TR_NOOP("Показать краткую информацию о библиотеке Qt"),
         &TMainForm::HelpAboutQtSlot},
    };
    for (const ActionRow &row : table) {
        auto *action = new QAction(tr(row.text), this);
        action->setObjectName(QString::fromLatin1(row.objectName));
        if (row.icon)
            action->setIcon(embeddedIcon(QString::fromLatin1(row.icon)));
        if (row.shortcut)
            action->setShortcut(QKeySequence(tr(row.shortcut)));
        action->setStatusTip(tr(row.statusTip));
        connect(action, &QAction::triggered, this, row.slot);
        this->*row.member = action;
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
    // Their texts name the product of the step.
    PlainText::keepToolTipPlain(EditUndoAction);
    PlainText::keepToolTipPlain(EditRedoAction);
}

void TMainForm::EditScaleSlot()
{
    if (TCalculateForm *form = activeRation())
        form->CentralWidget->ScaleSlot();
}

void TMainForm::FileExitSlot() { QApplication::closeAllWindows(); }

void TMainForm::FilePrintPreviewSlot()
{
    if (TCalculateForm *form = activeRation())
        RationPrinter::preview(this, form->CentralWidget->finishedRation());
}

void TMainForm::WindowNextSlot() { Workspace->activateNextSubWindow(); }

void TMainForm::WindowPreviousSlot() { Workspace->activatePreviousSubWindow(); }

void TMainForm::FileNewSlot() { pFileNewSlot(); }

void TMainForm::ActiveWindowSlot()
{
    TCalculateForm *form = activeRation();
    UndoGroup->setActiveStack(form ? form->CentralWidget->undoStack() : nullptr);
}

void TMainForm::CreateMenusSlot()
{
    FileMenu = new QMenu(tr("&Файл"), this);
    FileMenu->addActions(
        {FileNewAction, FileOpenAction, FileSaveAction, FileSaveAsAction, FileSaveAsProductAction});
    FileMenu->addSeparator();
    FileMenu->addActions({FileCloseAction, FileCloseAllAction});
    FileMenu->addSeparator();
    FileMenu->addActions({FilePrintAction, FilePrintPreviewAction});
    FileMenu->addSeparator();
    FileMenu->addAction(FileExitAction);

    EditMenu = new QMenu(tr("&Правка"), this);
    EditMenu->addActions({EditUndoAction, EditRedoAction});
    EditMenu->addSeparator();
    EditMenu->addAction(EditScaleAction);

    ToolsMenu = new QMenu(tr("&Сервис"), this);
    ToolsMenu->addAction(ToolsFindAction);
    ToolsMenu->addSeparator();
    ToolsMenu->addAction(ToolsEnergyValueAction);
    ToolsMenu->addSeparator();
    ToolsMenu->addAction(ToolsOwnProductsAction);

    WindowMenu = new QMenu(tr("&Окно"), this);
    WindowMenu->addActions({WindowCascadeAction, WindowTileHorizontalAction,
                            WindowTileVerticalAction, WindowTileAction});

    HelpMenu = new QMenu(tr("Сп&равка"), this);
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
    FileToolBar->setObjectName(QStringLiteral("FileToolBar"));
    addToolBar(Qt::TopToolBarArea, FileToolBar);
    FileToolBar->addAction(FileExitAction);
    FileToolBar->addSeparator();
    FileToolBar->addActions({FileNewAction, FileOpenAction, FileSaveAction});
    FileToolBar->addSeparator();
    FileToolBar->addAction(FilePrintAction);
    FileToolBar->addSeparator();
    FileToolBar->addAction(FileCloseAction);

    ToolsToolBar = new QToolBar(tr("Панель \"Сервис\""), this);
    ToolsToolBar->setObjectName(QStringLiteral("ToolsToolBar"));
    addToolBar(Qt::TopToolBarArea, ToolsToolBar);
    ToolsToolBar->addAction(ToolsFindAction);
    ToolsToolBar->addSeparator();
    ToolsToolBar->addAction(ToolsEnergyValueAction);

    HelpToolBar = new QToolBar(tr("Панель \"Справка\""), this);
    HelpToolBar->setObjectName(QStringLiteral("HelpToolBar"));
    addToolBar(Qt::TopToolBarArea, HelpToolBar);
    HelpToolBar->addActions({HelpContentsAction, HelpAboutAction});
    HelpToolBar->addSeparator();
    HelpToolBar->addAction(HelpAboutQtAction);
}

void TMainForm::InitViewSlot()
{
    Workspace = new QMdiArea(this);
    Workspace->setObjectName(QStringLiteral("Workspace"));
    Workspace->setAccessibleName(tr("Окна рационов"));
    Workspace->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    Workspace->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Workspace->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Workspace->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    setCentralWidget(Workspace);
    // Queued: the workspace also reports while the main window is being
    // destroyed, when its own members must no longer be called.
    connect(Workspace, &QMdiArea::subWindowActivated, this, &TMainForm::updateCommandStates,
            Qt::QueuedConnection);
    connect(Workspace, &QMdiArea::subWindowActivated, this, &TMainForm::ActiveWindowSlot);
}

void TMainForm::TimeSlot()
{
    DateTimeLabel->setText(
        QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy - hh:mm:ss")));
}

TCalculateForm *TMainForm::addRationWindow()
{
    const QList<QMdiSubWindow *> others = Workspace->subWindowList();
    // Beside maximized windows the new one is maximized too, rather than
    // cascading them all back to their normal size.
    const bool maximized = others.isEmpty()
        || std::any_of(others.cbegin(), others.cend(),
                       [](const QMdiSubWindow *other) { return other->isMaximized(); });
    TCalculateForm *form = takeSpareForm();
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->setCaption(tr("Без имени"));
    UndoGroup->addStack(form->CentralWidget->undoStack());
    connect(form, &TCalculateForm::fileNameChanged, this, &TMainForm::noteRecentFile);
    connect(form, &TCalculateForm::fileNameChanged, this, &TMainForm::showActiveFile);
    QMdiSubWindow *frame = Workspace->addSubWindow(form);
    // The frame's own menu would claim Ctrl+W as well, and a key claimed
    // twice does nothing: the main window's "Закрыть" keeps it.
    for (QAction *action : frame->systemMenu()->actions()) {
        QList<QKeySequence> keys = action->shortcuts();
        if (keys.removeAll(FileCloseAction->shortcut()) > 0)
            action->setShortcuts(keys);
    }
    if (maximized) {
        frame->showMaximized();
    } else {
        // At the size the cascade gives it, so that it is laid out once.
        frame->resize(frame->sizeHint().boundedTo(Workspace->viewport()->size()));
        frame->show();
        Workspace->cascadeSubWindows();
    }
    Workspace->setActiveSubWindow(frame);
    // The list is shorter only once the frame is gone.
    connect(frame, &QObject::destroyed, this, &TMainForm::updateCommandStates,
            Qt::QueuedConnection);
    updateCommandStates();
    return form;
}

TCalculateForm *TMainForm::takeSpareForm()
{
    // A run of windows (several files opened at once) waits until it ends.
    m_spareTimer->start();
    prepareSpareForm();
    return m_spareForm.release();
}

void TMainForm::prepareSpareForm()
{
    if (!m_spareForm)
        m_spareForm.reset(new TCalculateForm(nullptr, nullptr));
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
    saveWindowState();
    m_spareTimer->stop();
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

void TMainForm::FileSaveAsProductSlot()
{
    TCalculateForm *form = activeRation();
    QString saved;
    if (form
        && OwnProductCommands::addDish(this, ProductStore::user(), form->CentralWidget->ration(),
                                       &saved))
        StatusBar->showMessage(tr("Продукт «%1» сохранён в «Мои продукты».").arg(saved),
                               MessageTimeout);
}

void TMainForm::ToolsOwnProductsSlot()
{
    OwnProductsDialog dialog(ProductStore::user(), this);
    dialog.exec();
}

void TMainForm::loadOwnProducts()
{
    ProductStore &store = ProductStore::user();
    const QList<OwnProducts::Problem> problems = store.load();
    if (problems.isEmpty())
        return;
    if (problems.first().line == 0) {
        MessageBox::warning(
            this, tr("Мои продукты"),
            tr("Ваши продукты не загружены: не удалось прочитать файл «%1»: %2. "
               "Пока файл не исправлен, изменения в них не сохраняются.")
                .arg(QDir::toNativeSeparators(store.path()), problems.first().reason));
        return;
    }
    QStringList lines{tr("Не все ваши продукты удалось прочитать из файла «%1»; "
                         "прочитанные загружены, остальные пропущены:")
                          .arg(QDir::toNativeSeparators(store.path()))};
    for (const OwnProducts::Problem &problem : problems)
        lines.append(problem.line > 0 ? tr("строка %1: %2").arg(problem.line).arg(problem.reason)
                                      : problem.reason);
    lines.append(tr("Перед следующей записью файл будет сохранён как «%1.bak».")
                     .arg(QFileInfo(store.path()).fileName()));
    MessageBox::warning(this, tr("Мои продукты"), lines.join(QLatin1Char('\n')));
}

void TMainForm::FileSaveAsSlot()
{
    if (TCalculateForm *form = activeRation())
        form->saveAs();
}

void TMainForm::FileLoadDataSlot()
{
    const QString path = FileDialog::openFileName(
        this, tr("Загрузить данные"), FileDialog::lastFolder(), tr("Файл HTML (*.html)"));
    if (!path.isEmpty())
        loadFile(path, false);
}

TCalculateForm *TMainForm::loadFile(const QString &path, bool nameFile)
{
    if (TCalculateForm *open = windowOf(path)) {
        Workspace->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(open->parentWidget()));
        return open;
    }
    RationFile::LoadResult page = RationFile::load(path);
    // The file's name follows the usual message when the file was not the
    // user's choice a moment ago.
    if (nameFile && !page.failure.isEmpty())
        page.failure += QStringLiteral("\n\n") + QDir::toNativeSeparators(path);
    if (!LoadReport::accepted(this, page))
        return nullptr;
    TCalculateForm *form = addRationWindow();
    // A ration read only in part, or with damaged letters, is not saved
    // over its file without asking where to save it.
    const bool whole = page.whole();
    form->loadRation(page.ration, page.hasTitle, whole ? path : QString(), page.recoded,
                     page.stamp);
    Workspace->currentSubWindow()->showMaximized();
    LoadReport::warn(this, page);
    if (!whole)
        noteRecentFile(path);
    return form;
}

TCalculateForm *TMainForm::windowOf(const QString &path) const
{
    const QString wanted = QFileInfo(path).canonicalFilePath();
    // A file that is not there is no window's, not even one whose file has
    // gone since.
    if (wanted.isEmpty())
        return nullptr;
    const QList<QMdiSubWindow *> windows = Workspace->subWindowList();
    for (QMdiSubWindow *window : windows) {
        auto *form = qobject_cast<TCalculateForm *>(window->widget());
        if (form && !form->fileName().isEmpty()
            && QFileInfo(form->fileName()).canonicalFilePath() == wanted)
            return form;
    }
    return nullptr;
}

void TMainForm::showActiveFile()
{
    const TCalculateForm *form = activeRation();
    const QString path = form ? form->fileName() : QString();
    m_fileLabel->setText(QDir::toNativeSeparators(path));
}

void TMainForm::FilePrintSlot()
{
    if (TCalculateForm *form = activeRation())
        RationPrinter::print(this, form->CentralWidget->finishedRation());
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

namespace {

const QString GeometryKey = QStringLiteral("window/geometry");
const QString StateKey = QStringLiteral("window/state");
const QString LastFolderKey = QStringLiteral("files/lastFolder");

} // namespace

int TMainForm::openFiles(const QStringList &paths)
{
    int opened = 0;
    for (const QString &path : paths) {
        if (loadFile(path, true))
            ++opened;
    }
    return opened;
}

int TMainForm::openStartFiles(const QStringList &paths)
{
    const QList<QMdiSubWindow *> before = Workspace->subWindowList();
    const int opened = openFiles(paths);
    if (opened == 0) {
        if (Workspace->subWindowList().isEmpty())
            pFileNewSlot();
        return 0;
    }
    // An empty ration is not wanted beside the files, unless the user has
    // begun to fill it meanwhile.
    for (QMdiSubWindow *window : before) {
        if (window->widget() && !window->widget()->isWindowModified())
            window->close();
    }
    return opened;
}

void TMainForm::showAsLastTime()
{
    showAtLastPlacement();
    const QString problem = SavedSettings::problem();
    if (!problem.isEmpty())
        MessageBox::warning(this, tr("Настройки"),
                            tr("Файл настроек «%1» не прочитан: %2. Программа работает с "
                               "настройками по умолчанию и в этот раз их не сохранит.")
                                .arg(QDir::toNativeSeparators(SavedSettings::path()), problem));
}

void TMainForm::showAtLastPlacement()
{
    const std::unique_ptr<QSettings> settings = SavedSettings::open();
    if (settings && SavedSettings::usable(*settings)
        && restoreGeometry(settings->value(GeometryKey).toByteArray())) {
        // A cut-off record can be taken without complaint and give a window
        // too small to use.
        const QSize least = QSize(200, 150).expandedTo(minimumSizeHint());
        if (isMaximized() || isFullScreen()
            || (width() >= least.width() && height() >= least.height())) {
            restoreState(settings->value(StateKey).toByteArray());
            show();
            return;
        }
    }
    resize(QSize(600, 480).expandedTo(minimumSizeHint()));
    showMaximized();
}

void TMainForm::saveWindowState() const
{
    const std::unique_ptr<QSettings> settings = SavedSettings::open();
    if (!settings || !SavedSettings::writable(*settings))
        return;
    settings->setValue(GeometryKey, saveGeometry());
    settings->setValue(StateKey, saveState());
    settings->setValue(LastFolderKey, FileDialog::lastFolder());
    SavedSettings::stamp(*settings);
}

void TMainForm::bringToFront()
{
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void TMainForm::dragEnterEvent(QDragEnterEvent *event)
{
    if (!localFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent *event)
{
    const QStringList paths = localFiles(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    openFiles(paths);
}

void TMainForm::createDesktopActions()
{
    setAcceptDrops(true);

    m_recentMenu = new QMenu(tr("Недавние файлы"), this);
    m_recentMenu->setObjectName(QStringLiteral("RecentFilesMenu"));
    connect(m_recentMenu, &QMenu::triggered, this,
            [this](QAction *action) { openRecentFile(action->data().toString()); });
    FileMenu->insertMenu(FileExitAction, m_recentMenu);
    FileMenu->insertSeparator(FileExitAction);
    const std::unique_ptr<QSettings> settings = SavedSettings::open();
    if (settings && SavedSettings::usable(*settings)) {
        m_recentFiles.load(*settings);
        FileDialog::setLastFolder(settings->value(LastFolderKey).toString());
    }
    updateRecentMenu();

    WindowMenu->addSeparator();
    WindowMenu->addActions({m_nextWindowAction, m_previousWindowAction});
    m_windowListGroup = new QActionGroup(this);
    m_windowListGroup->setExclusive(true);
    connect(WindowMenu, &QMenu::aboutToShow, this, &TMainForm::updateWindowMenu);

    // The button that a toolbar too short for its buttons shows.
    for (QToolBar *bar : {FileToolBar, ToolsToolBar, HelpToolBar}) {
        if (auto *more = bar->findChild<QWidget *>(QStringLiteral("qt_toolbar_ext_button")))
            more->setAccessibleName(tr("Другие кнопки панели"));
    }
}

void TMainForm::updateWindowMenu()
{
    const QList<QAction *> old = m_windowListGroup->actions();
    for (QAction *action : old)
        delete action;
    const QList<QAction *> entries = WindowMenu->actions();
    if (entries.last()->isSeparator())
        delete entries.last();

    const QList<QMdiSubWindow *> windows = Workspace->subWindowList();
    if (windows.isEmpty())
        return;
    WindowMenu->addSeparator();
    QMdiSubWindow *current = Workspace->currentSubWindow();
    for (qsizetype i = 0; i < windows.size(); ++i) {
        auto *form = qobject_cast<TCalculateForm *>(windows[i]->widget());
        QAction *action = WindowMenu->addAction(
            numberedEntry(i, form ? form->caption() : windows[i]->windowTitle()));
        PlainText::keepToolTipPlain(action);
        action->setCheckable(true);
        action->setChecked(windows[i] == current);
        m_windowListGroup->addAction(action);
        QMdiSubWindow *window = windows[i];
        connect(action, &QAction::triggered, this,
                [this, window] { Workspace->setActiveSubWindow(window); });
    }
}

void TMainForm::updateCommandStates()
{
    const bool any = !Workspace->subWindowList().isEmpty();
    showActiveFile();
    const QList<QAction *> needRation = {
        FileSaveAction,           FileSaveAsAction,    FilePrintPreviewAction,
        FilePrintAction,          FileCloseAction,     FileCloseAllAction,
        ToolsEnergyValueAction,   WindowCascadeAction, WindowTileHorizontalAction,
        WindowTileVerticalAction, WindowTileAction,    m_nextWindowAction,
        m_previousWindowAction,   EditScaleAction,     FileSaveAsProductAction};
    for (QAction *action : needRation)
        action->setEnabled(any);
    ToolsFindAction->setEnabled(any && !(FindForm && FindForm->isVisible()));
}

void TMainForm::noteRecentFile(const QString &path)
{
    m_recentFiles.add(path);
    storeRecentFiles();
}

void TMainForm::updateRecentMenu()
{
    m_recentMenu->clear();
    const QStringList &paths = m_recentFiles.paths();
    for (qsizetype i = 0; i < paths.size(); ++i) {
        QAction *action =
            m_recentMenu->addAction(numberedEntry(i, QDir::toNativeSeparators(paths[i])));
        action->setData(paths[i]);
        PlainText::keepToolTipPlain(action);
    }
    m_recentMenu->setEnabled(!paths.isEmpty());
}

void TMainForm::openRecentFile(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        m_recentFiles.remove(path);
        storeRecentFiles();
        MessageBox::warning(this, tr("Недавние файлы"),
                            tr("Файл больше не существует и убран из списка недавних файлов:")
                                + QStringLiteral("\n\n") + QDir::toNativeSeparators(path));
        return;
    }
    loadFile(path, true);
}

void TMainForm::storeRecentFiles()
{
    const std::unique_ptr<QSettings> settings = SavedSettings::open();
    if (settings && SavedSettings::writable(*settings)) {
        m_recentFiles.save(*settings);
        SavedSettings::stamp(*settings);
    }
    updateRecentMenu();
}
