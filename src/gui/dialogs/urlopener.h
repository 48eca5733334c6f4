#pragma once

#include <QList>
#include <QUrl>

// Opening an address in the system's browser (or mail program). Tests
// turn the opening off and read what would have been opened.
class UrlOpener
{
public:
    // False if the system could not open it.
    static bool open(const QUrl &url);

    // Test seam: addresses are not handed to the system, only listed.
    static void setOpenInSystem(bool open);
    // Test seam: the addresses asked for, oldest first.
    static const QList<QUrl> &history();
    static void clearHistory();
};
