#pragma once

#include "core/platform/filestamp.h"
#include "core/ration/ration.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Loading a ration page from a file, whatever the file turns out to be:
// only a plain file (links followed) of at most MaxFileSize bytes is read;
// a UTF-8 byte-order mark is skipped; text that is not UTF-8, nor UTF-8
// with a few bytes damaged, is read as the 8-bit Russian encoding it looks
// like; over-long texts are cut; and a
// page cut short is noticed. What the user should hear of it comes back as
// texts, for the window to show.
namespace RationFile {

constexpr qint64 MaxFileSize = qint64(64) * 1024 * 1024;

struct LoadResult {
    enum Status {
        Ok,
        Refused,   // nothing was loaded: failure says why
        ReadError, // the file failed part way: what was read is kept
    };
    Status status = Refused;
    QString failure;       // the message for Refused and ReadError
    bool hasTitle = false; // false: the page names no ration
    Ration ration;
    // The ration differs from the file's bytes (read from another
    // encoding): the window should count as modified, so that saving
    // writes it in UTF-8.
    bool recoded = false;
    // Some texts were too long and cut: writing the ration back over the
    // file would lose the rest of them.
    bool cut = false;
    // The file is UTF-8 with some bytes damaged, read as U+FFFD: writing
    // the ration back would put those marks in place of what was there.
    bool damaged = false;
    QStringList warnings; // things the user should know, in Russian
    FileStamp stamp;      // the file as it was when read

    // Whether the ration holds all that the file holds, so that saving it
    // over the file without asking loses nothing.
    bool whole() const { return status == Ok && !cut && !damaged; }
};

LoadResult load(const QString &path);

// The same for the file's contents.
LoadResult fromBytes(QByteArray bytes);

} // namespace RationFile
