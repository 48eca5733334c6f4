#pragma once

#include <memory>

class QSettings;

// What the program keeps between runs (window placement, recent files)
// carries the version of its layout. Settings that could not be read, or
// that a newer program wrote in a layout this one does not know, are not
// used at all: the program starts as if there were none.
namespace SavedSettings {

constexpr int Version = 1;

// The user's settings file of the program.
std::unique_ptr<QSettings> open();

bool usable(const QSettings &settings);
// False for settings that were read but belong to a newer program, or that
// could not be read: they are left as they are.
bool writable(const QSettings &settings);
// Marks the settings as written in this program's layout.
void stamp(QSettings &settings);

} // namespace SavedSettings
