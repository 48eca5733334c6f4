#include "core/platform/recentfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {
const QString Key = QStringLiteral("recentFiles");
} // namespace

QString RecentFiles::normalized(const QString &path)
{
    if (path.isEmpty())
        return QString();
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

void RecentFiles::add(const QString &path)
{
    const QString clean = normalized(path);
    if (clean.isEmpty())
        return;
    m_paths.removeAll(clean);
    m_paths.prepend(clean);
    while (m_paths.size() > Limit)
        m_paths.removeLast();
}

void RecentFiles::remove(const QString &path) { m_paths.removeAll(normalized(path)); }

void RecentFiles::load(const QSettings &settings)
{
    m_paths.clear();
    const QVariant value = settings.value(Key);
    if (value.typeId() != QMetaType::QStringList && value.typeId() != QMetaType::QString)
        return;
    const QStringList stored = value.toStringList();
    // Oldest first, so that the most recent ends up in front.
    for (auto it = stored.crbegin(); it != stored.crend(); ++it)
        add(*it);
}

void RecentFiles::save(QSettings &settings) const { settings.setValue(Key, m_paths); }
