#include "gui/dialogs/urlopener.h"

#include <QDesktopServices>

namespace {
bool openInSystem = true;
QList<QUrl> opened;
} // namespace

bool UrlOpener::open(const QUrl &url)
{
    opened.append(url);
    return !openInSystem || QDesktopServices::openUrl(url);
}

void UrlOpener::setOpenInSystem(bool open) { openInSystem = open; }

const QList<QUrl> &UrlOpener::history() { return opened; }

void UrlOpener::clearHistory() { opened.clear(); }
