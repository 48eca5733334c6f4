#pragma once

#include <QMainWindow>

class QAction;
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
    explicit TMainForm(QWidget *parent = nullptr, const char *name = nullptr,
                       Qt::WindowFlags fl = {});
    ~TMainForm() override;

    // The ration window that commands work on: the workspace's current
    // window, or null when the workspace lists none or none is current.
    TCalculateForm *activeRation() const;

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
    QAction *FilePrintAction;
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
    void FilePrintSlot();
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
    void HelpContentsSlot();
    void HelpAboutSlot();
    void HelpAboutQtSlot();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // A new, empty ration window in the workspace, shown maximized when it
    // is the only one and cascaded with the others otherwise.
    TCalculateForm *addRationWindow();
};
