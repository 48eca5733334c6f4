#pragma once

#include <QString>

struct stat;

// What a file on disk was at one moment: enough to tell whether another
// program has written, replaced or removed it since. Links are followed.
struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedNs = 0; // modification time, in nanoseconds
    quint64 inode = 0;
    quint64 device = 0;

    static FileStamp of(const QString &path);
    // The stamp of a file as fstat() or stat() described it.
    static FileStamp of(const struct stat &st);

    // Whether both stamps are of one file that exists, whatever was
    // written to it in between.
    bool sameFile(const FileStamp &other) const
    {
        return exists && other.exists && inode == other.inode && device == other.device;
    }

    friend bool operator==(const FileStamp &a, const FileStamp &b)
    {
        return a.exists == b.exists && a.size == b.size && a.modifiedNs == b.modifiedNs
            && a.inode == b.inode && a.device == b.device;
    }
    friend bool operator!=(const FileStamp &a, const FileStamp &b) { return !(a == b); }
};

// The file a window's document was last loaded from or saved to, as it was
// then. Saving to the same path again asks first if the file has changed.
struct DocumentFile {
    QString path; // empty until the document is loaded or saved
    FileStamp stamp;

    // Remembers path as it is on disk now, or as it was when read.
    void take(const QString &filePath);
    void take(const QString &filePath, const FileStamp &read);
    // True if path is this document's file and the file is no longer what
    // it was when taken.
    bool changedOnDisk(const QString &filePath) const;
};
