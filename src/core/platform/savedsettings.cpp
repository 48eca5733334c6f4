#include "core/platform/savedsettings.h"

#include "core/platform/plainfile.h"

#include <QSettings>
#include <QStandardPaths>

QString SavedSettings::path()
{
    // Where QSettings keeps the user's file of organisation and program
    // "Rationix" in the INI format, named here so that it can be checked
    // before QSettings opens it.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/Rationix/Rationix.ini");
}

QString SavedSettings::problem()
{
    const PlainFile::Read file = PlainFile::check(path(), MaxFileSize);
    return file.status == PlainFile::Read::Refused ? file.reason : QString();
}

std::unique_ptr<QSettings> SavedSettings::open()
{
    if (!problem().isEmpty())
        return nullptr;
    return std::make_unique<QSettings>(path(), QSettings::IniFormat);
}

namespace {
const QString VersionKey = QStringLiteral("settingsVersion");
} // namespace

bool SavedSettings::usable(const QSettings &settings)
{
    if (settings.status() != QSettings::NoError)
        return false;
    if (!settings.contains(VersionKey))
        return false;
    bool ok = false;
    const int version = settings.value(VersionKey).toInt(&ok);
    return ok && version >= 1 && version <= Version;
}

void SavedSettings::stamp(QSettings &settings) { settings.setValue(VersionKey, Version); }

bool SavedSettings::writable(const QSettings &settings)
{
    if (settings.status() != QSettings::NoError)
        return false;
    return !settings.contains(VersionKey) || usable(settings);
}
