#pragma once

#include <QObject>
#include <QString>

// Gives a new widget, layout or other object of a form its object name and
// returns it, so that a form names each part where it makes it:
//     FindEdit = named(new QLineEdit(this), "FindEdit");
template <typename T> T *named(T *object, const char *objectName)
{
    object->setObjectName(QString::fromLatin1(objectName));
    return object;
}
