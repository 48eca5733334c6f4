#pragma once

#include <QByteArray>
#include <QString>

// Reading a file that the program opens by itself (its products, its
// settings, a page of the manual): whatever stands at the path, the read
// returns at once. The file is opened without waiting, so that a FIFO or a
// device put in its place cannot block the program, and only a regular file
// (links followed) of at most maxSize bytes is read.
namespace PlainFile {

struct Read {
    enum Status {
        Ok,
        Missing, // nothing at the path
        Refused, // something is there but was not read: reason says why
    };
    Status status = Missing;
    QByteArray bytes;
    QString reason; // in Russian, to follow "не удалось прочитать файл …:"
};

Read read(const QString &path, qint64 maxSize);
// What read() would say of the path, without reading the bytes: for a file
// another reader (QSettings) opens once it is known to be safe.
Read check(const QString &path, qint64 maxSize);

// "10 МБ", "64 КБ", "100 байт": a size limit in words.
QString sizeText(qint64 bytes);

} // namespace PlainFile
