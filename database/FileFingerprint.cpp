#include "database/FileFingerprint.h"

#include "database/ContentHash.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

#ifdef Q_OS_UNIX
qint64 nanoseconds(const struct timespec &time)
{
    return qint64(time.tv_sec) * 1000000000 + qint64(time.tv_nsec);
}
#endif

// A file that changes all the time is read this many times at most.
constexpr int readAttempts = 5;

} // namespace

FileFingerprint FileFingerprint::stampOf(const QString &path)
{
    FileFingerprint stamp;
#ifdef Q_OS_UNIX
    struct stat status;
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return stamp;
    stamp.m_size = qint64(status.st_size);
#ifdef Q_OS_DARWIN
    stamp.m_modified = nanoseconds(status.st_mtimespec);
    stamp.m_changed = nanoseconds(status.st_ctimespec);
#else
    stamp.m_modified = nanoseconds(status.st_mtim);
    stamp.m_changed = nanoseconds(status.st_ctim);
#endif
    stamp.m_device = quint64(status.st_dev);
    stamp.m_node = quint64(status.st_ino);
#else
    QFileInfo info(path);
    info.setCaching(false);
    if (path.isEmpty() || !info.isFile())
        return stamp;
    stamp.m_size = info.size();
    stamp.m_modified = info.lastModified().toMSecsSinceEpoch() * 1000000;
    stamp.m_changed = info.metadataChangeTime().toMSecsSinceEpoch() * 1000000;
#endif
    stamp.m_exists = true;
    return stamp;
}

FileFingerprint FileFingerprint::ofFile(const QString &path)
{
    FileFingerprint read;
    for (int attempt = 0; attempt < readAttempts; ++attempt) {
        const FileFingerprint before = stampOf(path);
        QFile file(path);
        if (before.isNull() || !file.open(QIODevice::ReadOnly))
            return {};
        ContentHash hash;
        QByteArray block(16 * ContentHash::blockSize, Qt::Uninitialized);
        for (;;) {
            const qint64 got = file.read(block.data(), block.size());
            if (got < 0)
                return {};
            if (got == 0)
                break;
            hash.add(block.constData(), qsizetype(got));
        }
        read = before.withContents(hash.result(), hash.size());
        if (stampOf(path).sameStamp(before) && hash.size() == before.size())
            break;
    }
    return read;
}

FileFingerprint FileFingerprint::withContents(quint64 hash, qint64 size) const
{
    FileFingerprint hashed = *this;
    hashed.m_hashed = m_exists;
    hashed.m_hash = hash;
    hashed.m_size = size;
    return hashed;
}

QDateTime FileFingerprint::modified() const
{
    return m_exists ? QDateTime::fromMSecsSinceEpoch(m_modified / 1000000) : QDateTime();
}

bool FileFingerprint::sameStamp(const FileFingerprint &other) const
{
    if (!m_exists || !other.m_exists)
        return m_exists == other.m_exists;
    return m_size == other.m_size && m_modified == other.m_modified && m_changed == other.m_changed
        && m_device == other.m_device && m_node == other.m_node;
}

bool FileFingerprint::sameContents(const FileFingerprint &other) const
{
    if (!m_exists || !other.m_exists)
        return m_exists == other.m_exists;
    return m_hashed && other.m_hashed && m_size == other.m_size && m_hash == other.m_hash;
}

FileFingerprint::Check FileFingerprint::check(const QString &path) const
{
    Check check;
    const FileFingerprint stamp = stampOf(path);
    if (stamp.isNull())
        return check;
    if (m_exists && stamp.sameStamp(*this)) {
        check.state = Unchanged;
        check.now = *this;
        return check;
    }
    check.now = ofFile(path);
    if (check.now.isNull()) {
        // There, but not to be read: not the file that was.
        check.state = Changed;
        check.now = stamp;
        return check;
    }
    check.state = sameContents(check.now) ? SameContents : Changed;
    return check;
}
