#pragma once

#include "core/catalogue/namematch.h"
#include "core/energy/energyvalue.h"
#include "core/platform/filestamp.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <optional>

class QUndoStack;
class Services;
class TCentralWidget;
class TechCardDialog;
struct Ration;

// One ration window of the workspace: a frame around the ration editor
// that owns the ration as a document. It saves it, knows whether it has
// unsaved changes (the editor's undo stack is not at the state saved or
// loaded) and asks before they are lost. The main window's commands on a
// ration (print, scale, find, energy value) come through here.
class TCalculateForm : public QMainWindow
{
    Q_OBJECT

public:
    explicit TCalculateForm(Services &services, QWidget *parent = nullptr,
                            const char *name = nullptr, Qt::WindowFlags fl = {});

    // Writes the ration to its file without asking, or asks where to save
    // it when it has none yet; returns whether it was written.
    bool save();
    // Always asks where to save the ration (proposing its name).
    bool saveAs();
    // Shows a ration read from the file at path, as saved: named as in the
    // file, or keeping the window's own name when the file gives none. A
    // ration recoded from another encoding counts as changed, so that
    // saving writes it anew.
    // stamp: the file as it was read; without one, the file as it is now.
    void loadRation(const Ration &ration, bool hasName, const QString &path = QString(),
                    bool recoded = false, const FileStamp &stamp = FileStamp());
    // The file the ration was loaded from or last saved to; empty before.
    QString fileName() const { return m_file.path; }

    // The caption shown in the window's title bar (a "*" follows it while
    // the ration has unsaved changes).
    void setCaption(const QString &caption);
    QString caption() const;

    // The ration as shown: name, rows and totals.
    Ration ration() const;
    // Its totals alone, as shown.
    QStringList totals() const;
    // The editor's changes, as steps that can be undone.
    QUndoStack *undoStack() const;

    // Prints the ration, or shows how it would be printed; the dialogs
    // open over the main window.
    void print();
    void previewPrint();
    // Asks how to scale the ration and scales it.
    void scale();
    // Shows the ration's technological card, in a window of its own that
    // follows the ration.
    void techCard();
    // Copies for a spreadsheet: in the food list the product selected, else
    // the ration's rows selected, or all its rows and what stands under them
    // when none is. A line edit with the focus copies its own text.
    void copy();
    // Saves the ration as CSV; adds the products and masses of a CSV file
    // as one step.
    void exportCsv();
    void importCsv();
    // Selects the first row of the food list on screen, from the top, whose
    // name matches and scrolls to it; returns false, leaving the list as it
    // was, when none does.
    bool showFood(const QString &text, NameMatch::Mode mode);
    // The row selected in the food list (a product, or a group with its
    // values empty) as the energy value reads it; none when no row is
    // selected.
    std::optional<EnergyValue::Product> selectedFood() const;

    // The window icon: "new.png" from the working directory when there is
    // one, else the program's own.
    static QIcon rationIcon();

    TCentralWidget *CentralWidget;

Q_SIGNALS:
    // The ration was loaded from or saved to a file.
    void fileNameChanged(const QString &path);
    // The totals shown changed.
    void totalsChanged();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    bool maybeSave();
    // Writes the ration to path, or to a file the user chooses when path is
    // empty.
    bool write(const QString &path);

    Services &m_services;
    DocumentFile m_file;
    QPointer<TechCardDialog> m_techCard;
};
