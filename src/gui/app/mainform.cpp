#include "gui/app/mainform.h"

#include "core/platform/savedsettings.h"
#include "core/ration/ration.h"
#include "gui/app/actiontable.h"
#include "gui/app/energyvaluecommands.h"
#include "gui/app/helpcommands.h"
#include "gui/app/programstyle.h"
#include "gui/app/rationwindows.h"
#include "gui/app/recentfilesmenu.h"
#include "gui/app/summarywindow.h"
#include "gui/app/userdataload.h"
#include "gui/app/windowlistmenu.h"
#include "gui/app/windowstate.h"
#include "gui/app/windowtiling.h"
#include "gui/dialogs/filedialog.h"
#include "gui/dialogs/messagebox.h"
#include "gui/files/pagesaver.h"
#include "gui/images/embeddedimages.h"
#include "gui/ration/calculateform.h"
#include "gui/ration/services.h"
#include "gui/tools/energyvalueform.h"
#include "gui/tools/findform.h"
#include "gui/tools/ownproductcommands.h"
#include "gui/tools/ownproductsdialog.h"
#include "gui/tools/profilesdialog.h"
#include "gui/widgets/dialogslot.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUndoGroup>

namespace {

// How long a report of what a command did stays in the status bar, in ms.
constexpr int MessageTimeout = 8000;

// A command of the ration window, run on the window when there is one.
template <typename Result> void runOn(TCalculateForm *form, Result (TCalculateForm::*command)())
{
    if (form)
        (form->*command)();
}

} // namespace

TMainForm::TMainForm(Services &services, QWidget *parent, const char *name, Qt::WindowFlags fl,
                     bool withRation)
    : QMainWindow(parent, fl), FindForm(nullptr), EnergyValueForm(nullptr), Workspace(nullptr),
      m_services(services)
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

    resize(WindowState::defaultSize(this));
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

QString TMainForm::programTitle() { return tr("Калькулятор калорий Korvent"); }

void TMainForm::LanguageChangeSlot() { setWindowTitle(programTitle()); }

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

void TMainForm::CreateActionsSlot()
{
    UndoGroup = new QUndoGroup(this);
    UndoGroup->setObjectName(QStringLiteral("UndoGroup"));
    ActionTable::createActions(this);
}

void TMainForm::EditScaleSlot() { runOn(activeRation(), &TCalculateForm::scale); }

void TMainForm::FileExitSlot() { QApplication::closeAllWindows(); }

void TMainForm::FilePrintPreviewSlot() { runOn(activeRation(), &TCalculateForm::previewPrint); }

void TMainForm::WindowNextSlot() { Workspace->activateNextSubWindow(); }

void TMainForm::WindowPreviousSlot() { Workspace->activatePreviousSubWindow(); }

void TMainForm::WindowSummarySlot() { SummaryWindow::showFor(this, m_services, m_windows); }

void TMainForm::ActiveWindowSlot()
{
    TCalculateForm *form = activeRation();
    UndoGroup->setActiveStack(form ? form->undoStack() : nullptr);
}

void TMainForm::CreateMenusSlot()
{
    using Place = ActionTable::Place;
    const auto menu = [this](const char *title, Place place) {
        auto *made = new QMenu(tr(title), this);
        ActionTable::fill(this, made, place);
        return made;
    };
    FileMenu = menu(QT_TR_NOOP("&Файл"), Place::FileMenu);
    EditMenu = menu(QT_TR_NOOP("&Правка"), Place::EditMenu);
    ToolsMenu = menu(QT_TR_NOOP("&Сервис"), Place::ToolsMenu);
    WindowMenu = menu(QT_TR_NOOP("&Окно"), Place::WindowMenu);
    HelpMenu = menu(QT_TR_NOOP("Сп&равка"), Place::HelpMenu);
    for (QMenu *each : {FileMenu, EditMenu, ToolsMenu, WindowMenu})
        menuBar()->addMenu(each);
    menuBar()->addSeparator();
    menuBar()->addMenu(HelpMenu);
}

void TMainForm::CreateToolBarsSlot()
{
    using Place = ActionTable::Place;
    const auto toolBar = [this](const char *title, const char *name, Place place) {
        auto *bar = new QToolBar(tr(title), this);
        bar->setObjectName(QString::fromLatin1(name));
        addToolBar(Qt::TopToolBarArea, bar);
        ActionTable::fill(this, bar, place);
        return bar;
    };
    FileToolBar = toolBar(QT_TR_NOOP("Панель \"Файл\""), "FileToolBar", Place::FileBar);
    ToolsToolBar = toolBar(QT_TR_NOOP("Панель \"Сервис\""), "ToolsToolBar", Place::ToolsBar);
    HelpToolBar = toolBar(QT_TR_NOOP("Панель \"Справка\""), "HelpToolBar", Place::HelpBar);
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
    m_windows = new RationWindows(m_services, Workspace, FileCloseAction->shortcut(), this);
    connect(m_windows, &RationWindows::created, this, [this](TCalculateForm *form) {
        UndoGroup->addStack(form->undoStack());
        connect(form, &TCalculateForm::fileNameChanged, this,
                [this](const QString &path) { m_recentFiles->note(path); });
        connect(form, &TCalculateForm::fileNameChanged, this, &TMainForm::showActiveFile);
    });
    connect(m_windows, &RationWindows::listChanged, this, &TMainForm::updateCommandStates);
    connect(m_windows, &RationWindows::partlyRead, this,
            [this](const QString &path) { m_recentFiles->note(path); });
    new WindowListMenu(WindowMenu, Workspace);
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

TCalculateForm *TMainForm::pFileNewSlot() { return m_windows->add(); }

TCalculateForm *TMainForm::activeRation() const { return m_windows->active(); }

void TMainForm::FileCloseSlot() { m_windows->closeActive(); }

void TMainForm::FileCloseAllSlot() { m_windows->closeAll(); }

void TMainForm::closeEvent(QCloseEvent *event)
{
    if (!m_windows->closeAll()) {
        event->ignore();
        return;
    }
    WindowState::save(this);
    m_windows->stopPreparing();
    event->accept();
}

void TMainForm::WindowCascadeSlot() { Workspace->cascadeSubWindows(); }

void TMainForm::WindowTileSlot() { Workspace->tileSubWindows(); }

void TMainForm::WindowTileHorizontalSlot() { WindowTiling::tileStrips(Workspace, Qt::Vertical); }

void TMainForm::WindowTileVerticalSlot() { WindowTiling::tileStrips(Workspace, Qt::Horizontal); }

void TMainForm::FileSaveSlot() { runOn(activeRation(), &TCalculateForm::save); }

void TMainForm::FileSaveAsProductSlot()
{
    TCalculateForm *form = activeRation();
    QString saved;
    if (form && OwnProductCommands::addDish(this, m_services.products(), form->ration(), &saved))
        StatusBar->showMessage(
            tr("Продукт «%1» сохранён в «%2».").arg(saved, tr(OwnProducts::GroupTitle)),
            MessageTimeout);
}

void TMainForm::ToolsOwnProductsSlot() { OwnProductsDialog(m_services.products(), this).exec(); }

void TMainForm::ToolsProfilesSlot() { ProfilesDialog(m_services.profiles(), this).exec(); }

void TMainForm::loadUserData() { UserDataLoad::load(this, m_services); }

void TMainForm::FileSaveAsSlot() { runOn(activeRation(), &TCalculateForm::saveAs); }

void TMainForm::FileLoadDataSlot()
{
    const QString path = FileDialog::openFileName(
        this, tr("Загрузить данные"), FileDialog::lastFolder(), tr(PageSaver::FileFilter));
    if (!path.isEmpty())
        m_windows->open(path, false);
}

void TMainForm::showActiveFile()
{
    const TCalculateForm *form = activeRation();
    const QString path = form ? form->fileName() : QString();
    m_fileLabel->setText(QDir::toNativeSeparators(path));
}

void TMainForm::FilePrintSlot() { runOn(activeRation(), &TCalculateForm::print); }

void TMainForm::ToolsFindSlot()
{
    if (!activeRation())
        return;
    auto *dialog = new TFindForm(this, "FindForm", true);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    DialogSlot::hold(this, &FindForm, dialog);
    connect(dialog, &TFindForm::FindDialogClose, this, &TMainForm::ToolsEnableFindActionSlot);
    connect(dialog, &TFindForm::FindWhole, this, &TMainForm::ToolsFindWholeSlot);
    connect(dialog, &TFindForm::FindPart, this, &TMainForm::ToolsFindPartSlot);
    dialog->show();
    ToolsFindAction->setEnabled(false);
}

void TMainForm::ToolsEnableFindActionSlot() { ToolsFindAction->setEnabled(true); }

void TMainForm::ToolsFindWholeSlot(const QString &text) { findFood(text, NameMatch::Mode::Whole); }

void TMainForm::ToolsFindPartSlot(const QString &text) { findFood(text, NameMatch::Mode::Part); }

void TMainForm::findFood(const QString &text, NameMatch::Mode mode)
{
    TCalculateForm *ration = activeRation();
    if (!ration)
        return;
    if (ration->showFood(text, mode)) {
        // This runs within the dialog's own signal: closing only schedules
        // its deletion.
        if (FindForm)
            FindForm->close();
        return;
    }
    if (mode == NameMatch::Mode::Part && FindForm)
        FindForm->selectText();
    MessageBox::warning(this, QStringLiteral("Rationix"), tr("Строка не найдена!"));
}

void TMainForm::ToolsEnergyValueSlot()
{
    if (auto *dialog = EnergyValueCommands::open(this, activeRation())) {
        DialogSlot::hold(this, &EnergyValueForm, dialog);
        connect(dialog, &TEnergyValueForm::SaveEnergyValue, this,
                &TMainForm::ToolsEnergyValueSaveSlot);
    }
}

void TMainForm::ToolsEnergyValueSaveSlot()
{
    EnergyValueCommands::save(this, activeRation(), EnergyValueForm);
}

void TMainForm::HelpContentsSlot() { HelpCommands::showManual(this); }

void TMainForm::HelpAboutSlot() { HelpCommands::showAbout(); }

void TMainForm::HelpAboutQtSlot() { MessageBox::aboutQt(this, programTitle()); }

int TMainForm::openFiles(const QStringList &paths) { return m_windows->openAll(paths); }

int TMainForm::openStartFiles(const QStringList &paths) { return m_windows->openAtStart(paths); }

void TMainForm::showAsLastTime() { WindowState::show(this); }

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
    if (!RationWindows::localFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent *event)
{
    const QStringList paths = RationWindows::localFiles(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    openFiles(paths);
}

void TMainForm::createDesktopActions()
{
    setAcceptDrops(true);

    m_recentFiles = std::make_unique<RecentFilesMenu>(
        FileMenu, FileExitAction, [this](const QString &path) { m_windows->open(path, true); });
    const std::unique_ptr<QSettings> settings = SavedSettings::open();
    if (settings && SavedSettings::usable(*settings)) {
        m_recentFiles->load(*settings);
        WindowState::loadLastFolder(*settings);
    }
    // The button that a toolbar too short for its buttons shows.
    for (QToolBar *bar : {FileToolBar, ToolsToolBar, HelpToolBar}) {
        if (auto *more = bar->findChild<QWidget *>(QStringLiteral("qt_toolbar_ext_button")))
            more->setAccessibleName(tr("Другие кнопки панели"));
    }
}

void TMainForm::updateCommandStates()
{
    const bool any = !m_windows->isEmpty();
    showActiveFile();
    for (QAction *action : ActionTable::needingRation(this))
        action->setEnabled(any);
    ToolsFindAction->setEnabled(any && !(FindForm && FindForm->isVisible()));
}
