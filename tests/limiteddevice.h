#pragma once

// A device that passes on a few bytes and then stops accepting more,
// reporting no error, as a full disk may. The bytes go to another device
// when one is given, and are kept in data otherwise.

#include <QByteArray>
#include <QIODevice>

class LimitedDevice : public QIODevice
{
public:
    explicit LimitedDevice(qint64 capacity, QIODevice *next = nullptr)
        : m_capacity(capacity), m_next(next)
    {
        open(WriteOnly);
    }
    QByteArray data;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *bytes, qint64 size) override
    {
        const qint64 n = qMin(size, m_capacity - m_taken);
        if (n <= 0)
            return 0;
        const qint64 written = m_next ? m_next->write(bytes, n) : n;
        if (written > 0) {
            if (!m_next)
                data.append(bytes, written);
            m_taken += written;
        }
        return written;
    }

private:
    qint64 m_capacity;
    QIODevice *m_next;
    qint64 m_taken = 0;
};
