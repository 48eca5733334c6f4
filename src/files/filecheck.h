#pragma once

#include <QString>

// Tells before a file is opened why it could not be read as a ration, so that
// a folder, a pipe or a device named on the command line gets a message
// instead of an empty window or a program that waits forever for a writer.
namespace FileCheck {

enum class Problem {
    None,
    Missing,    // nothing at that path
    Directory,  // a folder
    NotRegular, // a pipe, a device or a socket
    Unreadable, // no permission to read
};

Problem problemOf(const QString &path);

} // namespace FileCheck
