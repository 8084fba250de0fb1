#include "database/SaveTarget.h"

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
    return m_file.commit();
}

void SaveTarget::setFrontDevice(FrontDevice front)
{
    frontDevice() = std::move(front);
}
