#include "gui/app/sparewindow.h"

#include "gui/ration/calculateform.h"

#include <QTimer>

SpareWindow::SpareWindow(Services &services, QObject *parent)
    : QObject(parent), m_services(services), m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    m_timer->setInterval(300);
    connect(m_timer, &QTimer::timeout, this, &SpareWindow::prepare);
}

SpareWindow::~SpareWindow() = default;

TCalculateForm *SpareWindow::take()
{
    // A run of windows (several files opened at once) waits until it ends.
    m_timer->start();
    prepare();
    return m_form.release();
}

void SpareWindow::stop() { m_timer->stop(); }

void SpareWindow::prepare()
{
    if (!m_form)
        m_form = std::make_unique<TCalculateForm>(m_services, nullptr, nullptr);
}
