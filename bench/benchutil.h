#pragma once

// Small helpers for the benchmarks: medians of repeated timings and the
// process's memory figures.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#define BENCH_CALLGRIND 1
#endif

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

// Lets the program be idle 400 ms, handling its events.
inline void idle()
{
    QElapsedTimer idle;
    idle.start();
    while (idle.elapsed() < 400)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

// Runs fn `runs` times, each after the program has been idle 400 ms, as a
// user does things a moment apart; returns the median in milliseconds.
inline double pacedMs(int runs, const std::function<void()> &fn)
{
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        idle();
        times.append(elapsedMs(fn));
    }
    return median(times);
}

// Notes when the widgets it watches have been painted.
class PaintWatch : public QObject
{
public:
    bool painted = false;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
    // Handles events until a paint has been seen.
    void wait() const
    {
        while (!painted)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
};

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

// Counting instructions: a benchmark started again under callgrind with
// "--count CASE" sets up that one case and runs counted() once; callgrind
// counts only what the function does, not the set-up nor the start.
inline void counted(const std::function<void()> &fn)
{
#ifdef BENCH_CALLGRIND
    CALLGRIND_TOGGLE_COLLECT;
    fn();
    CALLGRIND_TOGGLE_COLLECT;
#else
    fn();
#endif
}

// The case named after "--count" on the command line, or an empty text.
inline QString countedCase()
{
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype at = arguments.indexOf(QStringLiteral("--count"));
    return at >= 0 ? arguments.value(at + 1) : QString();
}

// Millions of instructions that the case runs in counted(), from this
// program started again under callgrind; -1 without valgrind.
inline double millionInstructions(const QString &name)
{
#ifdef BENCH_CALLGRIND
    const QString valgrind = QStandardPaths::findExecutable(QStringLiteral("valgrind"));
    QTemporaryDir dir;
    if (valgrind.isEmpty() || !dir.isValid())
        return -1;
    const QString out = dir.filePath(QStringLiteral("callgrind.out"));
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(valgrind,
                  {QStringLiteral("--tool=callgrind"), QStringLiteral("-q"),
                   QStringLiteral("--collect-atstart=no"),
                   QStringLiteral("--callgrind-out-file=") + out,
                   QCoreApplication::applicationFilePath(), QStringLiteral("--count"), name});
    if (!process.waitForFinished(600000) || process.exitCode() != 0)
        return -1;
    QFile file(out);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith("totals:") || line.startsWith("summary:"))
            return line.mid(line.indexOf(':') + 1).trimmed().split(' ').first().toDouble() / 1e6;
    }
#else
    Q_UNUSED(name)
#endif
    return -1;
}

// A timing with the instructions callgrind counted for the same work.
inline void reportCounted(const char *what, double ms, double millions)
{
    if (millions < 0)
        std::printf("%-58s %10.2f ms  (no callgrind count)\n", what, ms);
    else
        std::printf("%-58s %10.2f ms %8.1f M instructions\n", what, ms, millions);
    std::fflush(stdout);
}

} // namespace bench
