#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

// The program's own images, compiled in with the resource system and found
// by their exact, case-sensitive names ("main.xpm", "new.png", "Qt.png"...).
// An image is decoded on its first request and kept for later ones.
QImage findEmbeddedImage(const QString &name);

// The image of that name as an icon, decoded when the icon is first drawn
// or measured; a null icon when there is none.
QIcon embeddedIcon(const QString &name);

// How many images have been decoded so far (each at most once).
int embeddedImagesDecoded();
