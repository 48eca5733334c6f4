#pragma once

#include "core/page/figuretable.h"
#include "core/ration/rationsummary.h"

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QSet>

class ProfileStore;
class QComboBox;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class RationWindows;
class Services;
class TCalculateForm;

// «Сводка рационов»: every open ration window as a row, with its totals and
// energy structure and a check box, «Итого» of the rows checked, and with a
// profile chosen the day's «Норма» and «% нормы». It follows the windows as
// they change, open, close and are renamed; a double click on a row brings
// its window forward. It stays open beside the main window, one for each.
class SummaryWindow : public QDialog
{
    Q_OBJECT

public:
    SummaryWindow(Services &services, RationWindows *windows, QWidget *parent);

    // Shows the main window's summary, made when it has none yet, and
    // brings it forward.
    static SummaryWindow *showFor(QWidget *mainWindow, Services &services, RationWindows *windows);

    const RationSummary &summary() const { return m_summary; }
    // What the summary says, as column titles and rows of texts.
    RationSummary::Table table() const { return m_summary.table(); }
    // The same as figures for a spreadsheet.
    FigureTable figures() const;

    QComboBox *ProfileBox;
    QTableWidget *SummaryTable;
    QPushButton *PrintButton;
    QPushButton *PreviewButton;
    QPushButton *SaveButton;
    QPushButton *CopyButton;
    QPushButton *ExportButton;

public Q_SLOTS:
    // Reads the windows again: which there are, their captions and totals.
    void refresh();
    void print();
    void preview();
    void save();
    // The summary for a spreadsheet: on the clipboard, or as a CSV file.
    void copy();
    void exportCsv();

private Q_SLOTS:
    void fillProfiles();
    void takeProfile();
    void takeCheck(QTableWidgetItem *item);
    void bringForward(int row);

private:
    void showSummary();
    QTableWidgetItem *itemAt(int row, int column);

    ProfileStore &m_profiles;
    RationWindows *m_windows;
    RationSummary m_summary;
    // The windows of the rows, in order.
    QList<QPointer<TCalculateForm>> m_forms;
    QSet<const TCalculateForm *> m_unchecked;
    bool m_filling = false;
};
