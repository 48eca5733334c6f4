#pragma once

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

    // Asks where to save the ration (proposing its name) and writes it;
    // returns whether it was written.
    bool save();
    // Shows a ration read from a file, as saved: named as in the file, or
    // keeping the window's own name when the file gives none.
    void loadRation(const Ration &ration, bool hasName);

    // The caption shown in the window's title bar (a "*" follows it while
    // the ration has unsaved changes).
    void setCaption(const QString &caption);
    QString caption() const;

    // The window icon: "new.png" from the working directory when there is
    // one, else the program's own.
    static QIcon rationIcon();

    TCentralWidget *CentralWidget;
    bool FoundFlag;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    bool maybeSave();
};
