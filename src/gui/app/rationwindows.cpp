#include "gui/app/rationwindows.h"

#include "core/page/rationfile.h"
#include "gui/app/sparewindow.h"
#include "gui/files/loadreport.h"
#include "gui/ration/calculateform.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include <algorithm>

RationWindows::RationWindows(Services &services, QMdiArea *workspace, const QKeySequence &closeKey,
                             QObject *parent)
    : QObject(parent), m_workspace(workspace), m_closeKey(closeKey),
      m_spare(new SpareWindow(services, this))
{ }

TCalculateForm *RationWindows::add()
{
    const QList<QMdiSubWindow *> others = m_workspace->subWindowList();
    // Beside maximized windows the new one is maximized too, rather than
    // cascading them all back to their normal size.
    const bool maximized = others.isEmpty()
        || std::any_of(others.cbegin(), others.cend(),
                       [](const QMdiSubWindow *other) { return other->isMaximized(); });
    TCalculateForm *form = m_spare->take();
    form->setAttribute(Qt::WA_DeleteOnClose);
    Q_EMIT created(form);
    QMdiSubWindow *frame = m_workspace->addSubWindow(form);
    for (QAction *action : frame->systemMenu()->actions()) {
        QList<QKeySequence> keys = action->shortcuts();
        if (keys.removeAll(m_closeKey) > 0)
            action->setShortcuts(keys);
    }
    if (maximized) {
        frame->showMaximized();
    } else {
        // At the size the cascade gives it, so that it is laid out once.
        frame->resize(frame->sizeHint().boundedTo(m_workspace->viewport()->size()));
        frame->show();
        m_workspace->cascadeSubWindows();
    }
    m_workspace->setActiveSubWindow(frame);
    // The list is shorter only once the frame is gone.
    connect(frame, &QObject::destroyed, this, &RationWindows::listChanged, Qt::QueuedConnection);
    Q_EMIT listChanged();
    return form;
}

TCalculateForm *RationWindows::open(const QString &path, bool nameFile)
{
    if (TCalculateForm *open = windowOf(path)) {
        m_workspace->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(open->parentWidget()));
        return open;
    }
    RationFile::LoadResult page = RationFile::load(path);
    // The file's name follows the usual message when the file was not the
    // user's choice a moment ago.
    if (nameFile && !page.failure.isEmpty())
        page.failure += QStringLiteral("\n\n") + QDir::toNativeSeparators(path);
    if (!LoadReport::accepted(m_workspace->window(), page))
        return nullptr;
    TCalculateForm *form = add();
    // A ration read only in part, or with damaged letters, is not saved
    // over its file without asking where to save it.
    const bool whole = page.whole();
    form->loadRation(page.ration, page.hasTitle, whole ? path : QString(), page.recoded,
                     page.stamp);
    m_workspace->currentSubWindow()->showMaximized();
    LoadReport::warn(m_workspace->window(), page);
    if (!whole)
        Q_EMIT partlyRead(path);
    return form;
}

int RationWindows::openAll(const QStringList &paths)
{
    int opened = 0;
    for (const QString &path : paths) {
        if (open(path, true))
            ++opened;
    }
    return opened;
}

int RationWindows::openAtStart(const QStringList &paths)
{
    const QList<QMdiSubWindow *> before = m_workspace->subWindowList();
    const int opened = openAll(paths);
    if (opened == 0) {
        if (isEmpty())
            add();
        return 0;
    }
    // An empty ration is not wanted beside the files, unless the user has
    // begun to fill it meanwhile.
    for (QMdiSubWindow *window : before) {
        if (window->widget() && !window->widget()->isWindowModified())
            window->close();
    }
    return opened;
}

QStringList RationWindows::localFiles(const QMimeData *data)
{
    QStringList paths;
    const QList<QUrl> urls = data->urls();
    for (const QUrl &url : urls) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    return paths;
}

TCalculateForm *RationWindows::active() const
{
    if (m_workspace->subWindowList().isEmpty())
        return nullptr;
    QMdiSubWindow *current = m_workspace->currentSubWindow();
    return current ? qobject_cast<TCalculateForm *>(current->widget()) : nullptr;
}

TCalculateForm *RationWindows::windowOf(const QString &path) const
{
    const QString wanted = QFileInfo(path).canonicalFilePath();
    // A file that is not there is no window's, not even one whose file has
    // gone since.
    if (wanted.isEmpty())
        return nullptr;
    const QList<QMdiSubWindow *> windows = m_workspace->subWindowList();
    for (QMdiSubWindow *window : windows) {
        auto *form = qobject_cast<TCalculateForm *>(window->widget());
        if (form && !form->fileName().isEmpty()
            && QFileInfo(form->fileName()).canonicalFilePath() == wanted)
            return form;
    }
    return nullptr;
}

bool RationWindows::isEmpty() const { return m_workspace->subWindowList().isEmpty(); }

QList<TCalculateForm *> RationWindows::forms() const
{
    QList<TCalculateForm *> forms;
    const QList<QMdiSubWindow *> windows = m_workspace->subWindowList();
    for (QMdiSubWindow *window : windows) {
        // A window being closed is no longer a ration window.
        if (auto *form = qobject_cast<TCalculateForm *>(window->widget()))
            forms.append(form);
    }
    return forms;
}

void RationWindows::bringForward(TCalculateForm *form)
{
    auto *frame = qobject_cast<QMdiSubWindow *>(form->parentWidget());
    if (!frame)
        return;
    QWidget *main = m_workspace->window();
    if (main->isMinimized())
        main->setWindowState(main->windowState() & ~Qt::WindowMinimized);
    main->raise();
    main->activateWindow();
    if (frame->isMinimized())
        frame->showNormal();
    m_workspace->setActiveSubWindow(frame);
}

void RationWindows::closeActive()
{
    if (active())
        m_workspace->currentSubWindow()->close();
}

bool RationWindows::closeAll()
{
    const QList<QMdiSubWindow *> windows = m_workspace->subWindowList();
    return std::all_of(windows.cbegin(), windows.cend(),
                       [](QMdiSubWindow *window) { return window->close(); });
}

void RationWindows::stopPreparing() { m_spare->stop(); }
