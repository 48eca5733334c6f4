#include "files/filecheck.h"

#include <QFile>
#include <QFileInfo>

FileCheck::Problem FileCheck::problemOf(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return Problem::Missing;
    if (info.isDir())
        return Problem::Directory;
    if (!info.isFile())
        return Problem::NotRegular;
    // Only a regular file gets here, so opening it cannot block.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Problem::Unreadable;
    return Problem::None;
}
