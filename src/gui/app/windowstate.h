#pragma once

class QMainWindow;
class QSettings;
class QSize;

// What the main window keeps between runs in the settings: its size,
// place, maximized state and toolbars, and the folder last used for files.
class WindowState
{
public:
    // The size of a window not yet placed, and of one restored from the
    // maximized state when nothing usable was kept.
    static QSize defaultSize(const QMainWindow *window);
    // Shows the window as it was left last time, or maximized when nothing
    // usable was kept; says so when the settings file is no file that can
    // be used.
    static void show(QMainWindow *window);
    // The folder last used for files, for the file dialogs.
    static void loadLastFolder(const QSettings &settings);
    // Keeps the window's placement and the folder, when the settings can
    // be written.
    static void save(const QMainWindow *window);

private:
    static void showAtLastPlacement(QMainWindow *window);
};
