#pragma once

#include <QString>
#include <QStringList>

// Finds the program's manual, the page "index.html" of a folder "doc".
//
// Places, in the order they are tried:
//   1. "doc/index.html" below the working directory; when the program runs
//      in the home directory, "Rationix/doc/index.html" below it instead
//      (a "doc" folder directly in the home directory is never used);
//   2. the installed data directory, <prefix>/share/rationix/doc, and the
//      same directory next to the executable of a relocated install;
//   3. the "doc" folder of the source tree the program was built from.
class ManualLocator
{
public:
    // The pages to try, in order. searchDirectories are folders that hold
    // an "index.html" (places 2 and 3).
    static QStringList candidates(const QString &currentDir, const QString &homeDir,
                                  const QStringList &searchDirectories);
    // The first of the candidates that is a file, or an empty text.
    static QString find(const QString &currentDir, const QString &homeDir,
                        const QStringList &searchDirectories);

    // The same for this process: its working directory, the user's home
    // directory and searchDirectories().
    static QStringList candidates();
    static QString find();

    // The folders of places 2 and 3 for this program.
    static QStringList searchDirectories();

    // Test seam: searchDirectories() returns these folders instead, until
    // restoreSearchDirectories() is called.
    static void setSearchDirectoriesForTesting(const QStringList &directories);
    static void restoreSearchDirectories();
};
