#pragma once

// Small helpers for the benchmarks: medians of repeated timings and the
// process's memory figures.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace bench {

inline double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Runs fn once; returns the time it took in milliseconds.
inline double elapsedMs(const std::function<void()> &fn)
{
    QElapsedTimer timer;
    timer.start();
    fn();
    return timer.nsecsElapsed() / 1e6;
}

// Runs fn `runs` times; returns the median in milliseconds.
inline double medianMs(int runs, const std::function<void()> &fn)
{
    QList<double> times;
    for (int i = 0; i < runs; ++i)
        times.append(elapsedMs(fn));
    return median(times);
}

// Runs fn `runs` times, each after the program has been idle 400 ms, as a
// user does things a moment apart; returns the median in milliseconds.
inline double pacedMs(int runs, const std::function<void()> &fn)
{
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer idle;
        idle.start();
        while (idle.elapsed() < 400)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        times.append(elapsedMs(fn));
    }
    return median(times);
}

// A figure of /proc/self/status in KiB ("VmRSS", "VmHWM"), or -1.
inline long statusKiB(const char *key)
{
    QFile file(QStringLiteral("/proc/self/status"));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(key) + ':';
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').first().toLong();
    }
    return -1;
}

inline void report(const char *what, double value, const char *unit)
{
    std::printf("%-58s %10.2f %s\n", what, value, unit);
    std::fflush(stdout);
}

} // namespace bench
