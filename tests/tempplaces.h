#pragma once

// A temporary folder holding "home", made the user's home directory, and
// "work", made the working directory, for tests of where the program looks
// for its files. The process's own home and working directory come back
// when it is destroyed.

#include "filebytes.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

class TemporaryPlaces
{
public:
    TemporaryPlaces() : m_savedHome(qgetenv("HOME")), m_savedCurrent(QDir::currentPath())
    {
        if (!m_root.isValid() || !QDir().mkpath(at("home")) || !QDir().mkpath(at("work")))
            return;
        qputenv("HOME", at("home").toLocal8Bit());
        m_valid = QDir::homePath() == at("home") && QDir::setCurrent(at("work"));
    }
    ~TemporaryPlaces()
    {
        QDir::setCurrent(m_savedCurrent);
        qputenv("HOME", m_savedHome);
    }
    TemporaryPlaces(const TemporaryPlaces &) = delete;
    TemporaryPlaces &operator=(const TemporaryPlaces &) = delete;

    bool isValid() const { return m_valid; }

    // The path of a name relative to the folder; empty for an empty name.
    QString at(const QString &relative) const
    {
        return relative.isEmpty() ? QString() : m_root.filePath(relative);
    }

    // Writes the file, making the folders on its way, or makes a folder
    // when the name ends in "/".
    bool write(const QString &relative, const QByteArray &bytes = "<html></html>") const
    {
        const QString path = at(relative);
        if (relative.endsWith(QLatin1Char('/')))
            return QDir().mkpath(path);
        return QDir().mkpath(QFileInfo(path).path()) && writeBytes(path, bytes);
    }

private:
    QTemporaryDir m_root;
    QByteArray m_savedHome;
    QString m_savedCurrent;
    bool m_valid = false;
};
