#include "database/DatabaseLock.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/Edition.h"
#include "core/LogXML.h"
#include "core/Notices.h"
#include "core/SystemNames.h"

namespace {

// The lock line is 8-bit text, read up to this many bytes.
constexpr qint64 maxLockLineBytes = 349;

} // namespace

QString DatabaseLock::filePath()
{
    QString folder = lastDbDir();
    // An empty folder would put the lock at the file system's root.
    if (folder.isEmpty())
        folder = QDir::currentPath();
    return folder + QStringLiteral("/LockFile");
}

bool DatabaseLock::take(const QString &databasePath, LogXML *log)
{
    if (!isQuorvel())
        return false;

    const QString path = filePath();
    qDebug().noquote() << path;
    // A lock still held in another folder is this program's own: it goes
    // when the database moves on, rather than being left behind for good.
    if (!m_heldPath.isEmpty() && m_heldPath != path)
        release();
    m_lockText.clear();
    m_lockFailure.clear();

    // A holder that quits between a failed creation here and the reading of
    // its lock leaves the place free: the lock is tried again. Whatever else
    // keeps it from being taken makes the database read-only, so that no
    // program writes a database it has not locked.
    constexpr int attempts = 50;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        // Created exclusively: the test for an existing lock and its
        // creation are one step, so two programs cannot both take it.
        QFile lock(path);
        if (lock.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            const QString content = databasePath + QStringLiteral(" Locked by PC: ") + SystemNames::computerName()
                + QStringLiteral(", User: ") + SystemNames::userName();
            const QByteArray bytes = content.toLatin1();
            if (lock.write(bytes) != bytes.size()) {
                m_lockFailure = lock.errorString();
                lock.close();
                lock.remove();
                break;
            }
            lock.close();
            if (log)
                log->logItem(
                    path + QStringLiteral(" Created"), QStringLiteral("DBItemCollection"), QStringLiteral("LockDB()"));
            m_heldPath = path;
            m_readOnly = false;
            return true;
        }
        m_lockFailure = lock.errorString();

        QFile existing(path);
        if (existing.open(QIODevice::ReadOnly)) {
            QByteArray line = existing.readLine(maxLockLineBytes + 1);
            while (line.endsWith('\n') || line.endsWith('\r'))
                line.chop(1);
            m_lockText = QString::fromLatin1(line);
            m_lockFailure.clear();
            m_readOnly = true;
            return false;
        }
        // There, but not to be read: held all the same.
        if (QFileInfo::exists(path)) {
            m_lockFailure.clear();
            m_readOnly = true;
            return false;
        }
    }

    if (log)
        log->logItem(
            path + QStringLiteral(" ErrorCreate"), QStringLiteral("DBItemCollection"), QStringLiteral("LockDB()"));
    if (m_lockFailure.isEmpty())
        m_lockFailure = QCoreApplication::translate("DBItemCollection", "Filen kunne ikke skrives.");
    m_readOnly = true;
    return false;
}

void DatabaseLock::release()
{
    if (!isQuorvel() || m_heldPath.isEmpty())
        return;
    const QString path = m_heldPath;
    m_heldPath.clear();
    if (QFile::exists(path) && !QFile::remove(path)) {
        Notices::critical(QStringLiteral("ERROR"),
            QCoreApplication::translate("DBItemCollection", "CAN_NOT_DELETE_LOCK_FILE:") + path);
    }
}

void DatabaseLock::reset()
{
    // Only a lock this program took is removed; another program's lock made
    // the database it guards read-only, not whatever comes next.
    release();
    m_readOnly = false;
    m_lockText.clear();
    m_lockFailure.clear();
}
