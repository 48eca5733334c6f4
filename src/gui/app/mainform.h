#pragma once

#include "core/platform/recentfiles.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QActionGroup;
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

// The main window: menus, toolbars, the status-bar clock and the workspace
// holding the ration windows. Every command of the program is one of its
// actions and slots.
class TMainForm : public QMainWindow
{
    Q_OBJECT

public:
    // withRation: opens with an empty ration window, as a start without
    // files does.
    explicit TMainForm(QWidget *parent = nullptr, const char *name = nullptr,
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
    void loadOwnProducts();
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
    QAction *FilePrintAction;
    QAction *FilePrintPreviewAction;
    QAction *FileCloseAction;
    QAction *FileCloseAllAction;
    QAction *ToolsFindAction;
    QAction *ToolsEnergyValueAction;
    QAction *WindowCascadeAction;
    QAction *WindowTileHorizontalAction;
    QAction *WindowTileVerticalAction;
    QAction *WindowTileAction;
    QAction *HelpContentsAction;
    QAction *HelpAboutAction;
    QAction *HelpAboutQtAction;
    QAction *EditUndoAction;
    QAction *EditRedoAction;
    QAction *EditScaleAction;
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
    TCalculateForm *pFileNewSlot();

private Q_SLOTS:
    void InitViewSlot();
    void FileExitSlot();
    void FileNewSlot();
    void ActiveWindowSlot();
    void TimeSlot();
    void FileLoadDataSlot();
    void FileSaveSlot();
    void FileSaveAsSlot();
    void FileSaveAsProductSlot();
    void ToolsOwnProductsSlot();
    void FilePrintSlot();
    void FilePrintPreviewSlot();
    void FileCloseSlot();
    void FileCloseAllSlot();
    void ToolsFindSlot();
    void ToolsEnableFindActionSlot();
    void ToolsFindWholeSlot(QString &sSearchString);
    void ToolsFindPartSlot(QString &sSearchString);
    void ToolsEnergyValueSlot();
    void ToolsEnergyValueSaveSlot();
    void WindowCascadeSlot();
    void WindowTileHorizontalSlot();
    void WindowTileVerticalSlot();
    void WindowTileSlot();
    void WindowNextSlot();
    void WindowPreviousSlot();
    void HelpContentsSlot();
    void HelpAboutSlot();
    void HelpAboutQtSlot();
    void EditScaleSlot();

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // A new, empty ration window in the workspace, shown maximized when it
    // is the only one and cascaded with the others otherwise.
    TCalculateForm *addRationWindow();
    // A ration window is made in advance, 300 ms after the last one opened
    // (or after the last of a run of them), so that the next one only has
    // to be shown: building one takes a third of opening it.
    TCalculateForm *takeSpareForm();
    void prepareSpareForm();
    // Loads one ration file into a new window; with nameFile the messages
    // say which file failed. Returns the window, or null after a message.
    TCalculateForm *loadFile(const QString &path, bool nameFile);

    void createDesktopActions();
    // «Окно»: the arrangement commands, next and previous, and the list of
    // open ration windows, the active one checked.
    void updateWindowMenu();
    // Commands that need a ration window are enabled only while one is open.
    void updateCommandStates();
    void updateRecentMenu();
    void openRecentFile(const QString &path);
    void noteRecentFile(const QString &path);
    // Keeps the list for the next start and shows it in the menu.
    void storeRecentFiles();
    void showAtLastPlacement();
    void saveWindowState() const;
    // The active ration window's file, in the status bar.
    void showActiveFile();
    // The open ration window of that file, if any.
    TCalculateForm *windowOf(const QString &path) const;

    RecentFiles m_recentFiles;
    QMenu *m_recentMenu = nullptr;
    QAction *m_nextWindowAction = nullptr;
    QAction *m_previousWindowAction = nullptr;
    QActionGroup *m_windowListGroup = nullptr;
    QLabel *m_fileLabel = nullptr;
    std::unique_ptr<TCalculateForm> m_spareForm;
    QTimer *m_spareTimer = nullptr;
};
