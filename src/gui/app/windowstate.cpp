#include "gui/app/windowstate.h"

#include "core/platform/savedsettings.h"
#include "core/platform/trcontext.h"
#include "gui/dialogs/filedialog.h"
#include "gui/dialogs/messagebox.h"

#include <QDir>
#include <QMainWindow>
#include <QSettings>

#include <memory>

// The main window's texts.
TR_CONTEXT(TMainForm)

namespace {

const QString GeometryKey = QStringLiteral("window/geometry");
const QString StateKey = QStringLiteral("window/state");
const QString LastFolderKey = QStringLiteral("files/lastFolder");

} // namespace

QSize WindowState::defaultSize(const QMainWindow *window)
{
    return QSize(600, 480).expandedTo(window->minimumSizeHint());
}

void WindowState::show(QMainWindow *window)
{
    showAtLastPlacement(window);
    const QString problem = SavedSettings::problem();
    if (!problem.isEmpty())
        MessageBox::warning(window, tr("Настройки"),
                            tr("Файл настроек «%1» не прочитан: %2. Программа работает с "
                               "настройками по умолчанию и в этот раз их не сохранит.")
                                .arg(QDir::toNativeSeparators(SavedSettings::path()), problem));
}

void WindowState::showAtLastPlacement(QMainWindow *window)
{
    const std::unique_ptr<QSettings> settings = SavedSettings::open();
    if (settings && SavedSettings::usable(*settings)
        && window->restoreGeometry(settings->value(GeometryKey).toByteArray())) {
        // A cut-off record can be taken without complaint and give a window
        // too small to use.
        const QSize least = QSize(200, 150).expandedTo(window->minimumSizeHint());
        if (window->isMaximized() || window->isFullScreen()
            || (window->width() >= least.width() && window->height() >= least.height())) {
            window->restoreState(settings->value(StateKey).toByteArray());
            window->show();
            return;
        }
    }
    window->resize(defaultSize(window));
    window->showMaximized();
}

void WindowState::loadLastFolder(const QSettings &settings)
{
    FileDialog::setLastFolder(settings.value(LastFolderKey).toString());
}

void WindowState::save(const QMainWindow *window)
{
    const std::unique_ptr<QSettings> settings = SavedSettings::open();
    if (!settings || !SavedSettings::writable(*settings))
        return;
    settings->setValue(GeometryKey, window->saveGeometry());
    settings->setValue(StateKey, window->saveState());
    settings->setValue(LastFolderKey, FileDialog::lastFolder());
    SavedSettings::stamp(*settings);
}
