#pragma once

#include "core/ration/rationrow.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>

class FigureTable;
class OwnProducts;
class QWidget;
struct Ration;

// A ration's figures to and from CSV files: exporting asks where to save
// and in which dialect (';' and the decimal comma of a Russian desktop by
// default, or ',' and the decimal point) and saves safely, as rations are
// saved; importing asks for a file, reads the products and masses in it and
// lists in one message the lines it could not take.
class CsvFiles
{
    Q_DECLARE_TR_FUNCTIONS(CsvFiles)

public:
    // A file larger than this is no list of products and masses.
    static constexpr qint64 MaxFileSize = qint64(10) * 1024 * 1024;

    // Returns whether the file was written.
    static bool exportRation(QWidget *parent, const Ration &ration);
    // The same for any table of figures; name: the file name proposed.
    static bool exportTable(QWidget *parent, const FigureTable &table, const QString &name);

    struct Import {
        QString path;
        QList<RationRow> rows; // the ration's rows to add
        QStringList problems;  // the lines not taken, each with why
    };
    // Asks for a file and reads it; a file that cannot be read, or is no
    // text, is reported here and gives no rows.
    static Import read(QWidget *parent, const OwnProducts &own);
    // Says what was not taken, or that the file held nothing to take.
    static void report(QWidget *parent, const Import &import);
};
