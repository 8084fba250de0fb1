#pragma once

#include <QDir>
#include <QFile>
#include <QString>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace TestSupport {

// Makes a folder read-only for the object's lifetime: its write permissions
// go, and where permissions are not enforced (a test run as root) it is made
// immutable too, which binds root as well. isReadOnly() says whether nothing
// can be created in it any more; the test skips when it cannot be made so.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString &path)
        : m_path(path)
        , m_permissions(QFile::permissions(path))
    {
        QFile::setPermissions(path,
            m_permissions
                & ~(QFileDevice::WriteOwner | QFileDevice::WriteUser | QFileDevice::WriteGroup
                    | QFileDevice::WriteOther));
        if (!refusesNewFiles())
            setImmutable(true);
        m_readOnly = refusesNewFiles();
    }
    ~ReadOnlyFolder()
    {
        if (m_immutable)
            setImmutable(false);
        QFile::setPermissions(m_path, m_permissions);
    }
    ReadOnlyFolder(const ReadOnlyFolder &) = delete;
    ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;

    bool isReadOnly() const { return m_readOnly; }

private:
    bool refusesNewFiles() const
    {
        QFile probe(QDir(m_path).filePath(QStringLiteral(".write-probe")));
        if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return true;
        probe.close();
        probe.remove();
        return false;
    }

    void setImmutable(bool on)
    {
#ifdef Q_OS_LINUX
        const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_DIRECTORY);
        if (fd < 0)
            return;
        int flags = 0;
        if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            if (::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0)
                m_immutable = on;
        }
        ::close(fd);
#else
        Q_UNUSED(on);
#endif
    }

    QString m_path;
    QFileDevice::Permissions m_permissions;
    bool m_immutable = false;
    bool m_readOnly = false;
};

} // namespace TestSupport
