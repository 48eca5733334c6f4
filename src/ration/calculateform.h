#pragma once

#include <QMainWindow>

#include <functional>

class TCentralWidget;

// One ration window of the workspace: a frame around the ration editor.
// It knows whether its ration has unsaved changes and asks before they are
// lost.
class TCalculateForm : public QMainWindow
{
    Q_OBJECT

public:
    explicit TCalculateForm(QWidget *parent = nullptr, const char *name = nullptr,
                            Qt::WindowFlags fl = {});

    // Saves this ration when the user asks for it on closing; returns
    // whether it was saved.
    using SaveHandler = std::function<bool(TCalculateForm *)>;
    void setSaveHandler(SaveHandler handler) { m_saveHandler = std::move(handler); }

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

    SaveHandler m_saveHandler;
};
