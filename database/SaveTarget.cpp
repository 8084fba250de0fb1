#include "database/SaveTarget.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#endif

namespace {

SaveTarget::FrontDevice &frontDevice()
{
    static SaveTarget::FrontDevice front;
    return front;
}

} // namespace

SaveTarget::SaveTarget(const QString &path)
    : m_file(path)
{ }

SaveTarget::~SaveTarget() = default;

bool SaveTarget::open(QIODevice::OpenMode mode)
{
    if (!m_file.open(mode))
        return false;
    if (frontDevice())
        m_front = frontDevice()(m_file);
    return true;
}

QIODevice &SaveTarget::device()
{
    if (m_front)
        return *m_front;
    return m_file;
}

QString SaveTarget::writeFailure(const QString &fallback) const
{
    if (m_front)
        return m_front->errorString();
    // Taken before cancelling, which puts its own text in its place.
    const QString reason = m_file.errorString();
    if (m_file.error() == QFileDevice::NoError || reason.isEmpty())
        return fallback;
    return reason;
}

void SaveTarget::cancel()
{
    m_front.reset();
    m_file.cancelWriting();
}

bool SaveTarget::commit()
{
    m_front.reset();
#ifdef Q_OS_UNIX
    // Replacing a file frees the old one's blocks while the caller waits:
    // tens of milliseconds for a register of a million items. Held open over
    // the replacement, the old file is freed when it is closed, on a thread
    // of its own.
    const int oldFile = ::open(QFile::encodeName(m_file.fileName()).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    const bool committed = m_file.commit();
    if (oldFile >= 0) {
        try {
            std::thread([oldFile] { ::close(oldFile); }).detach();
        } catch (const std::system_error &) {
            ::close(oldFile);
        }
    }
    return committed;
#else
    return m_file.commit();
#endif
}

void SaveTarget::setFrontDevice(FrontDevice front)
{
    frontDevice() = std::move(front);
}
