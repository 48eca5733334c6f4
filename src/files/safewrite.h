#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

// Writing a file so that it is either complete or not written at all: the
// new contents go to a temporary file that replaces the old one only once
// every byte has been written. A short write counts as a failure even when
// the device reports no error.
namespace SafeWrite {

// Writes all of data to device; false if any write fell short.
bool writeAll(QIODevice &device, const QByteArray &data);

// Replaces the file at path with data. On failure the old file, if any, is
// left as it was and error (if given) says why.
bool writeFile(const QString &path, const QByteArray &data, QString *error = nullptr);

// The name with ".html" appended, unless it already ends in ".html".
QString withHtmlSuffix(const QString &fileName);

// A file name proposed for a document of this name: "Без_имени" for an
// empty name, and a '/' (which would be taken for a folder) made '_'.
QString proposedFileName(const QString &documentName);

// Test seam: the next writeFile stops accepting bytes after this many, as
// a full disk does.
void limitNextWrite(qint64 bytes);

} // namespace SafeWrite
