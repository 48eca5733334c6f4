#include "app/savedsettings.h"

#include <QSettings>

std::unique_ptr<QSettings> SavedSettings::open()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Rationix"), QStringLiteral("Rationix"));
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
