#pragma once

#include "core/catalogue/namematch.h"

#include <QMainWindow>

#include <memory>

class QAction;
class Services;
class QLabel;
class QMdiArea;
class QMenu;
class QStatusBar;
class QTimer;
class QToolBar;
class QUndoGroup;
class TCalculateForm;
class TEnergyValueForm;
class TFindForm;
class RationWindows;
class RecentFilesMenu;

// The main window: menus, toolbars, the status-bar clock and the workspace
// holding the ration windows. Every command of the program is one of its
// actions and slots, which pass the command on: to the active ration
// window, to the windows of the workspace, or to a tool's dialog.
class TMainForm : public QMainWindow
{
    Q_OBJECT
    // Builds the actions from its table, which names the slots.
    friend class ActionTable;
    friend class MainActions;

public:
    // withRation: opens with an empty ration window, as a start without
    // files does.
    explicit TMainForm(Services &services, QWidget *parent = nullptr, const char *name = nullptr,
                       Qt::WindowFlags fl = {}, bool withRation = true);
    ~TMainForm() override;

    // The ration window that commands work on: the workspace's current
    // window, or null when the workspace lists none or none is current.
    TCalculateForm *activeRation() const;

    // Opens each file in a ration window of its own, as "Загрузить" does; a
    // file that cannot be opened is reported by name and the others still
    // open. Returns how many were opened. The command line, files dropped
    // on the window, a later start of the program and the recent files all
    // come here.
    int openFiles(const QStringList &paths);
    // The same at start-up: when any file opened, an empty ration window
    // still untouched is closed; when none did and no window is open, an
    // empty ration is opened.
    int openStartFiles(const QStringList &paths);
    // Reads the user's own products, saying once which lines were damaged.
    void loadUserData();
    // Shows the window as it was left last time (size, place, maximized,
    // toolbars), or maximized when nothing usable was kept; says so when the
    // settings file is no file that can be used.
    void showAsLastTime();
    // Brings the window to the front, out of the minimized state.
    void bringToFront();

    TFindForm *FindForm;
    TEnergyValueForm *EnergyValueForm;
    QMdiArea *Workspace;
    QTimer *Timer;
    QLabel *DateTimeLabel;
    QStatusBar *StatusBar;

    QAction *FileExitAction;
    QAction *FileNewAction;
    QAction *FileOpenAction;
    QAction *FileSaveAction;
    QAction *FileSaveAsAction;
    QAction *FileSaveAsProductAction;
    QAction *ToolsOwnProductsAction;
    QAction *ToolsProfilesAction;
    QAction *FilePrintAction;
    QAction *FilePrintPreviewAction;
    QAction *FileTechCardAction;
    QAction *FileCloseAction;
    QAction *FileCloseAllAction;
    QAction *ToolsFindAction;
    QAction *ToolsEnergyValueAction;
    QAction *WindowCascadeAction;
    QAction *WindowTileHorizontalAction;
    QAction *WindowTileVerticalAction;
    QAction *WindowTileAction;
    QAction *WindowSummaryAction;
    QAction *HelpContentsAction;
    QAction *HelpAboutAction;
    QAction *HelpAboutQtAction;
    QAction *EditUndoAction;
    QAction *EditRedoAction;
    QAction *EditScaleAction;
    QAction *EditCopyAction;
    QAction *FileExportCsvAction;
    QAction *FileImportCsvAction;
    QUndoGroup *UndoGroup;

    QMenu *FileMenu;
    QMenu *EditMenu;
    QMenu *ToolsMenu;
    QMenu *WindowMenu;
    QMenu *HelpMenu;
    QToolBar *FileToolBar;
    QToolBar *ToolsToolBar;
    QToolBar *HelpToolBar;

protected Q_SLOTS:
    void LanguageChangeSlot();
    void CreateStatusBarSlot();
    void CreateActionsSlot();
    void CreateMenusSlot();
    void CreateToolBarsSlot();

public Q_SLOTS:
    // Opens a new, empty ration window and returns it.
    TCalculateForm *pFileNewSlot();

private Q_SLOTS:
    void InitViewSlot();
    void FileExitSlot();
    void ActiveWindowSlot();
    void TimeSlot();
    void FileLoadDataSlot();
    void FileSaveSlot();
    void FileSaveAsSlot();
    void FileSaveAsProductSlot();
    void ToolsOwnProductsSlot();
    void ToolsProfilesSlot();
    void FilePrintSlot();
    void FilePrintPreviewSlot();
    void FileCloseSlot();
    void FileCloseAllSlot();
    void ToolsFindSlot();
    void ToolsEnableFindActionSlot();
    void ToolsFindWholeSlot(const QString &text);
    void ToolsFindPartSlot(const QString &text);
    void ToolsEnergyValueSlot();
    void ToolsEnergyValueSaveSlot();
    void WindowCascadeSlot();
    void WindowTileHorizontalSlot();
    void WindowTileVerticalSlot();
    void WindowTileSlot();
    void WindowNextSlot();
    void WindowPreviousSlot();
    void WindowSummarySlot();
    void HelpContentsSlot();
    void HelpAboutSlot();
    void HelpAboutQtSlot();
    void EditScaleSlot();

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // The caption of the main window, also that of Qt's About box.
    static QString programTitle();
    // One search of the find dialog in the active ration window: a hit
    // closes the dialog, a miss is reported and leaves it open.
    void findFood(const QString &text, NameMatch::Mode mode);

    void createDesktopActions();
    // Commands that need a ration window are enabled only while one is open.
    void updateCommandStates();
    // The active ration window's file, in the status bar.
    void showActiveFile();

    Services &m_services;
    RationWindows *m_windows = nullptr;
    std::unique_ptr<RecentFilesMenu> m_recentFiles;
    QAction *m_nextWindowAction = nullptr;
    QAction *m_previousWindowAction = nullptr;
    QLabel *m_fileLabel = nullptr;
};
