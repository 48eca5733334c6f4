#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// The lines of a tab-separated file that a user or a spreadsheet may have
// written: a byte-order mark and Windows line ends are taken off, empty
// lines skipped, and a line too long or not in UTF-8 is a problem rather
// than a record. The first line is left out when it names the columns.
namespace TsvLines {

// A line of a file that could not be read, and why (line 0: the file).
struct Problem {
    int line = 0;
    QString reason;
};

struct Line {
    int number = 0; // from 1
    QStringList fields;
};

// isHeader tells a first line that names the columns from a record.
QList<Line> read(const QByteArray &data, int maxLineLength, bool (*isHeader)(const QStringList &),
                 QList<Problem> *problems);

} // namespace TsvLines
