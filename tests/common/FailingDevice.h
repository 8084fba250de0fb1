#pragma once

#include <QIODevice>
#include <QString>

#include <algorithm>
#include <memory>

#include "database/SaveTarget.h"

namespace TestSupport {

// A device that takes limit bytes and then refuses, as a full disk does:
// the write that crosses the limit is taken in part, every later one fails
// with reason(). What it takes goes on to the target device, if any.
class FailingDevice : public QIODevice
{
public:
    explicit FailingDevice(qint64 limit, QIODevice *target = nullptr)
        : m_limit(limit)
        , m_target(target)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

    static QString reason() { return QStringLiteral("No space left on device (test)"); }
    qint64 taken() const { return m_taken; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        if (m_taken >= m_limit) {
            setErrorString(reason());
            return -1;
        }
        const qint64 part = std::min(size, m_limit - m_taken);
        if (m_target && m_target->write(data, part) != part) {
            setErrorString(m_target->errorString());
            return -1;
        }
        m_taken += part;
        // A disk that fills up says so with the write it takes in part.
        if (part < size)
            setErrorString(reason());
        return part;
    }

private:
    qint64 m_limit;
    QIODevice *m_target;
    qint64 m_taken = 0;
};

// For the object's lifetime every file the register saves accepts limit
// bytes and then fails, each file on its own, like a limit on file size.
class FailingSaves
{
public:
    explicit FailingSaves(qint64 limit)
    {
        SaveTarget::setFrontDevice([limit](QIODevice &file) { return std::make_unique<FailingDevice>(limit, &file); });
    }
    ~FailingSaves() { SaveTarget::setFrontDevice({}); }
    FailingSaves(const FailingSaves &) = delete;
    FailingSaves &operator=(const FailingSaves &) = delete;
};

} // namespace TestSupport
