#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QFileDevice;
class QIODevice;

// Writing a file so that it is either complete or not written at all: the
// new contents go to a temporary file in the same folder, are synced to
// the disk, and only then replace the old file. A short write, or a failed
// sync or close, cancels the write and leaves the old file as it was.
// Links are followed: the file a symbolic link points to is replaced, not
// the link. The replaced file's owner, group, mode and extended attributes
// (and so its access control list) are kept where the system allows. A
// save also clears the folder of the temporary files that saves killed
// half way left there more than an hour ago.
namespace SafeWrite {

// Writes all of data to device; false if any write fell short.
bool writeAll(QIODevice &device, const QByteArray &data);

// What stands at a path that is about to be written.
struct Target {
    QString path; // where the bytes will go: the path with links followed
    bool exists = false;
    bool regular = false;  // a plain file (only such a file may be replaced)
    qint64 links = 0;      // names of the file: more than one is a hard link
    bool ownerKept = true; // the file's owner and group survive a replacement
                           // (we are root, or own the file and are in its group)
};
Target inspect(const QString &path);

// Puts data into the temporary file; writeAll unless a caller (a test)
// passes another.
using Writer = std::function<bool(QFileDevice &file, const QByteArray &data)>;

// Replaces the file at path with data. On failure the old file, if any, is
// left as it was and error (if given) says why, in Russian.
bool writeFile(const QString &path, const QByteArray &data, QString *error = nullptr,
               const Writer &writer = {});

// The name with ".html" appended, unless it already ends in ".html".
QString withHtmlSuffix(const QString &fileName);
// The same for another suffix (".csv").
QString withSuffix(const QString &fileName, const QString &suffix);

// A file name proposed for a document of this name: "Без_имени" for an
// empty name, and a '/' (which would be taken for a folder) made '_'.
QString proposedFileName(const QString &documentName);

} // namespace SafeWrite
