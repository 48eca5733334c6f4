#pragma once

#include <QStringList>

class QSettings;

// The files the user opened or saved last, most recent first, as the
// «Недавние файлы» menu shows them. Paths are kept absolute and clean, so
// that one file reached by two spellings is listed once.
class RecentFiles
{
public:
    static constexpr int Limit = 8;

    const QStringList &paths() const { return m_paths; }

    // Puts the file first, dropping an older entry for it and the oldest
    // entries beyond the limit.
    void add(const QString &path);
    void remove(const QString &path);

    // Reads the list kept in the settings; anything that is not a list of
    // texts reads as an empty list, and empty or repeated entries are
    // dropped.
    void load(const QSettings &settings);
    void save(QSettings &settings) const;

    static QString normalized(const QString &path);

private:
    QStringList m_paths;
};
