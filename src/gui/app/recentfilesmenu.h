#pragma once

#include "core/platform/recentfiles.h"

#include <functional>

class QAction;
class QMenu;
class QSettings;

// «Недавние файлы» in the file menu: the files last opened or saved, kept
// in the settings for the next start. A chosen file that is gone is taken
// off the list with a message; any other is handed on to be opened.
class RecentFilesMenu
{
public:
    using Opener = std::function<void(const QString &path)>;

    // Puts the menu into fileMenu before the action given, with a
    // separator after it.
    RecentFilesMenu(QMenu *fileMenu, QAction *before, Opener open);

    // Takes the list kept last time.
    void load(const QSettings &settings);
    // A file was opened or saved: it goes first.
    void note(const QString &path);

private:
    void choose(const QString &path);
    // Keeps the list for the next start and shows it in the menu.
    void store();
    void update();

    RecentFiles m_files;
    QMenu *m_menu;
    Opener m_open;
};
