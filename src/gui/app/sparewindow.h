#pragma once

#include <QObject>

#include <memory>

class QTimer;
class Services;
class TCalculateForm;

// A ration window made in advance, 300 ms after the last one was taken (or
// after the last of a run of them), so that opening the next one only has
// to show it: building one takes a third of opening it.
class SpareWindow : public QObject
{
    Q_OBJECT

public:
    explicit SpareWindow(Services &services, QObject *parent = nullptr);
    ~SpareWindow() override;

    // The spare window, made now if none is ready; the caller owns it.
    TCalculateForm *take();
    // No more windows are made in advance (the program is closing).
    void stop();

private:
    void prepare();

    Services &m_services;
    std::unique_ptr<TCalculateForm> m_form;
    QTimer *m_timer;
};
