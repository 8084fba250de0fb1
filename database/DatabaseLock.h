#pragma once

#include <QString>

class LogXML;

// The lock of the inventory edition: the file "LockFile" in the lastDbDir
// folder, created exclusively, so of two programs taking it at the same
// moment exactly one succeeds. take() is true when this program now holds
// the lock; otherwise the database is read-only: when another program holds
// it, lockText() names the holder; when the lock could not be created at
// all, lockFailure() says why. release() removes only a lock file that this
// lock created. Nothing happens outside the inventory edition.
class DatabaseLock
{
public:
    DatabaseLock() = default;
    DatabaseLock(const DatabaseLock &) = delete;
    DatabaseLock &operator=(const DatabaseLock &) = delete;

    // The event log is optional.
    bool take(const QString &databasePath, LogXML *log);
    void release();
    // Releases the lock and ends the read-only state that another program's
    // lock gave the database.
    void reset();
    // The path of the lock file for the current database folder.
    static QString filePath();

    bool isReadOnly() const { return m_readOnly; }
    QString lockText() const { return m_lockText; }
    QString lockFailure() const { return m_lockFailure; }

private:
    bool m_readOnly = false;
    QString m_lockText;
    // Why the last take() could neither take the lock nor find its holder.
    QString m_lockFailure;
    // The lock file this lock created and has not removed yet.
    QString m_heldPath;
};
