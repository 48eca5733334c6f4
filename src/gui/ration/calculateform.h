#pragma once

#include "core/platform/filestamp.h"

#include <QMainWindow>

class TCentralWidget;
struct Ration;

// One ration window of the workspace: a frame around the ration editor
// that owns the ration as a document. It saves it, knows whether it has
// unsaved changes (the editor's undo stack is not at the state saved or
// loaded) and asks before they are lost.
class TCalculateForm : public QMainWindow
{
    Q_OBJECT

public:
    explicit TCalculateForm(QWidget *parent = nullptr, const char *name = nullptr,
                            Qt::WindowFlags fl = {});

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

    // The window icon: "new.png" from the working directory when there is
    // one, else the program's own.
    static QIcon rationIcon();

    TCentralWidget *CentralWidget;
    bool FoundFlag;

Q_SIGNALS:
    // The ration was loaded from or saved to a file.
    void fileNameChanged(const QString &path);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    bool maybeSave();
    // Writes the ration to path, or to a file the user chooses when path is
    // empty.
    bool write(const QString &path);

    DocumentFile m_file;
};
