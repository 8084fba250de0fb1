#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <thread>

#include "database/DatabaseIdentity.h"
#include "database/RecoveryJournal.h"

class DBItemCollection;
class QWidget;

// Keeps the open database's unsaved changes in its recovery file
// (RecoveryFile), so that a crash, a power cut or a kill costs none of them,
// and offers them again when the database is next opened.
//
// It follows the collection with a RecoveryJournal from the moment the
// database is opened. A few seconds after the last change the journal's text
// is written, on a thread of its own, so that a change costs the user only
// its own line; the file goes beside the database, or into the user's state
// folder where that cannot take it. A save empties the journal and removes
// the file; so does closing the database after the save question. A recovery
// file that cannot be written anywhere is reported once per database and
// never stops anything else.
class CrashRecovery : public QObject
{
    Q_OBJECT
public:
    // Boxes are shown over window.
    explicit CrashRecovery(QWidget *window);
    // Writes what is pending and keeps the file (an end without the save
    // question, such as a logout).
    ~CrashRecovery() override;

    // The collection now holds the database file at path as it was read, or
    // a new database for an empty path. When a recovery file for it exists it
    // is offered first: restored as one step, or discarded; one that is
    // damaged or belongs to another database or another state of its file is
    // refused and moved aside. From then on the collection's changes are
    // followed, unless the collection is read-only (another program holds
    // it). True when changes were restored.
    bool databaseOpened(DBItemCollection *collection, const QString &path);
    // The database was saved to path (its own file, perhaps under a new
    // name): the file holds every change, and the recovery goes.
    void databaseSaved(const QString &path);
    // The user gave the unsaved changes up, or the database closes: the
    // recovery goes and the collection is no longer followed.
    void databaseClosed();
    // No longer follows the collection; what is pending is written first and
    // the file stays.
    void detach();

    // Writes the pending changes now and waits until they are written; a
    // failure is reported (once) when report is true.
    void writeNow(bool report = true);
    // Whether a collection is followed.
    bool isFollowing() const { return m_collection != nullptr; }
    // Where the changes were last written; empty before the first write.
    QString writtenPath() const { return m_writtenPath; }
    const RecoveryJournal &journal() const { return m_journal; }

    // The quiet time after a change before it is written, and the longest a
    // change waits while others keep coming (a test may shorten them).
    static void setDelays(int quietMilliseconds, int longestMilliseconds);

    // How one write ended.
    struct Result
    {
        bool written = false;
        QString path;
        QString error;
    };

signals:
    // The changes were written to path.
    void written(const QString &path);

private:
    void stepRecorded();
    void startWrite();
    // Waits for the write in progress, if any; reports a failure when asked.
    void finishWrite(bool report);
    // Nothing waits to be written any more, and no write is under way.
    void settle(bool report);
    void writeEnded(quint64 serial);
    void removeFiles();
    void stopFollowing();
    bool offerRecovery(DBItemCollection &collection);
    void refuse(const QString &path, const QString &reason);

    QWidget *m_window;
    DBItemCollection *m_collection = nullptr;
    RecoveryJournal m_journal;
    // The database's absolute path (empty for a new one) and its file's
    // identity as it was read or last saved.
    QString m_database;
    DatabaseIdentity m_identity;
    QTimer m_timer;
    QElapsedTimer m_pendingSince;
    std::thread m_writer;
    std::shared_ptr<Result> m_result;
    quint64 m_serial = 0;
    bool m_writeAgain = false;
    bool m_failureReported = false;
    QString m_writtenPath;
};
