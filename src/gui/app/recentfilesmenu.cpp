#include "gui/app/recentfilesmenu.h"

#include "core/platform/savedsettings.h"
#include "core/platform/trcontext.h"
#include "gui/app/windowlistmenu.h"
#include "gui/dialogs/messagebox.h"
#include "gui/widgets/plaintext.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include <memory>
#include <utility>

// Texts of the main window's menu.
TR_CONTEXT(TMainForm)

RecentFilesMenu::RecentFilesMenu(QMenu *fileMenu, QAction *before, Opener open)
    : m_menu(new QMenu(tr("Недавние файлы"), fileMenu->parentWidget())), m_open(std::move(open))
{
    m_menu->setObjectName(QStringLiteral("RecentFilesMenu"));
    QObject::connect(m_menu, &QMenu::triggered, m_menu,
                     [this](QAction *action) { choose(action->data().toString()); });
    fileMenu->insertMenu(before, m_menu);
    fileMenu->insertSeparator(before);
    update();
}

void RecentFilesMenu::load(const QSettings &settings)
{
    m_files.load(settings);
    update();
}

void RecentFilesMenu::note(const QString &path)
{
    m_files.add(path);
    store();
}

void RecentFilesMenu::choose(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        m_files.remove(path);
        store();
        MessageBox::warning(m_menu->parentWidget(), tr("Недавние файлы"),
                            tr("Файл больше не существует и убран из списка недавних файлов:")
                                + QStringLiteral("\n\n") + QDir::toNativeSeparators(path));
        return;
    }
    m_open(path);
}

void RecentFilesMenu::store()
{
    const std::unique_ptr<QSettings> settings = SavedSettings::open();
    if (settings && SavedSettings::writable(*settings)) {
        m_files.save(*settings);
        SavedSettings::stamp(*settings);
    }
    update();
}

void RecentFilesMenu::update()
{
    m_menu->clear();
    const QStringList &paths = m_files.paths();
    for (qsizetype i = 0; i < paths.size(); ++i) {
        QAction *action =
            m_menu->addAction(WindowListMenu::numberedEntry(i, QDir::toNativeSeparators(paths[i])));
        action->setData(paths[i]);
        PlainText::keepToolTipPlain(action);
    }
    m_menu->setEnabled(!paths.isEmpty());
}
