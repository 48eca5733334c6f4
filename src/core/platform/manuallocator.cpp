#include "core/platform/manuallocator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {
std::optional<QStringList> testDirectories;

const QLatin1String indexPage("index.html");

// Whether two paths name the same directory: the same text once cleaned,
// or the same directory reached through a symbolic link.
bool sameDirectory(const QString &a, const QString &b)
{
    if (QDir::cleanPath(a) == QDir::cleanPath(b))
        return true;
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}
} // namespace

QStringList ManualLocator::candidates(const QString &currentDir, const QString &homeDir,
                                      const QStringList &searchDirectories)
{
    QStringList pages;
    if (!currentDir.isEmpty()) {
        const QString base = sameDirectory(currentDir, homeDir)
            ? QDir(homeDir).filePath(QStringLiteral("Rationix/doc"))
            : QDir(currentDir).filePath(QStringLiteral("doc"));
        pages.append(QDir::cleanPath(QDir(base).filePath(indexPage)));
    }
    for (const QString &directory : searchDirectories) {
        if (directory.isEmpty())
            continue;
        const QString page = QDir::cleanPath(QDir(directory).filePath(indexPage));
        if (!pages.contains(page))
            pages.append(page);
    }
    return pages;
}

QString ManualLocator::find(const QString &currentDir, const QString &homeDir,
                            const QStringList &searchDirectories)
{
    const QStringList pages = candidates(currentDir, homeDir, searchDirectories);
    for (const QString &page : pages) {
        if (QFileInfo(page).isFile())
            return page;
    }
    return QString();
}

QStringList ManualLocator::candidates()
{
    return candidates(QDir::currentPath(), QDir::homePath(), searchDirectories());
}

QString ManualLocator::find()
{
    return find(QDir::currentPath(), QDir::homePath(), searchDirectories());
}

QStringList ManualLocator::searchDirectories()
{
    if (testDirectories)
        return *testDirectories;
    QStringList directories;
#ifdef RATIONIX_DATADIR
    directories.append(QStringLiteral(RATIONIX_DATADIR "/doc"));
#endif
    if (QCoreApplication::instance())
        directories.append(QDir::cleanPath(QCoreApplication::applicationDirPath()
                                           + QStringLiteral("/../share/rationix/doc")));
#if defined(RATIONIX_SOURCE_DOC) && defined(RATIONIX_BUILD_DIR)
    // The manual beside the sources serves a program run from its build
    // tree; an installed program never looks there.
    if (!QCoreApplication::instance()
        || QCoreApplication::applicationDirPath().startsWith(
            QStringLiteral(RATIONIX_BUILD_DIR "/")))
        directories.append(QStringLiteral(RATIONIX_SOURCE_DOC));
#endif
    return directories;
}

void ManualLocator::setSearchDirectoriesForTesting(const QStringList &directories)
{
    testDirectories = directories;
}

void ManualLocator::restoreSearchDirectories() { testDirectories.reset(); }
