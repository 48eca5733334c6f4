#pragma once

#include <QString>

#include <memory>

class QSettings;

// What the program keeps between runs (window placement, recent files)
// carries the version of its layout. Settings that could not be read, or
// that a newer program wrote in a layout this one does not know, are not
// used at all: the program starts as if there were none.
namespace SavedSettings {

constexpr int Version = 1;
// Far more than a window's placement and a few paths take.
constexpr qint64 MaxFileSize = qint64(1024) * 1024;

// The user's settings file: Rationix/Rationix.ini in the configuration folder.
QString path();
// Why the settings file cannot be used (it is no regular file, it is too
// large or cannot be read), in Russian; empty when it can, or is missing.
QString problem();

// The user's settings file of the program; null when problem() is not
// empty, so that nothing waits on or writes over what stands there.
std::unique_ptr<QSettings> open();

bool usable(const QSettings &settings);
// False for settings that were read but belong to a newer program, or that
// could not be read: they are left as they are.
bool writable(const QSettings &settings);
// Marks the settings as written in this program's layout.
void stamp(QSettings &settings);

} // namespace SavedSettings
