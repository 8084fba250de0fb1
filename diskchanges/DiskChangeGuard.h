#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

#include "database/FileFingerprint.h"

class DBItemCollection;

// Keeps the open database from being saved over a file that another program
// (a second copy of this one, a sync client, another computer on a shared
// folder) changed since it was read here. It follows the database file with
// a file system watcher and checks it again just before every save; when the
// file changed, the user chooses: read it again (the unsaved changes are
// first kept as a version in the versions folder), keep their own and save
// over it, or save their own under another name.
//
// The window tells it which file is open and as what (follow(), with the
// fingerprint of the load or the save), holds it while it reads or saves
// the file (Hold), and asks it before each save (beforeSave()). The watcher's
// events wait while it is held, while a question is open and while another
// modal window is up; however many came, one question is asked.
class DiskChangeGuard : public QObject
{
    Q_OBJECT
public:
    // What the window does for it.
    struct Actions
    {
        std::function<DBItemCollection *()> collection;
        // Reads the open database's file again, as it is now; the unsaved
        // changes are given up (databaseModified() is cleared before).
        std::function<void()> reload;
        // Saves the open database over its file.
        std::function<bool()> save;
        // Saves the open database under a name the user gives (Save As).
        std::function<bool()> saveElsewhere;
    };

    DiskChangeGuard(QWidget *window, Actions actions);

    // The open database is the file at path, read or written as fingerprint
    // says. A null fingerprint (a file not read whole) is a file that only
    // a change of its stamp makes ask.
    void follow(const QString &path, const FileFingerprint &fingerprint);
    // No file is open (a new database).
    void stop();
    QString path() const { return m_path; }
    const FileFingerprint &fingerprint() const { return m_fingerprint; }

    // What a save of the open database does after beforeSave().
    enum Decision {
        SaveOver, // save as asked
        SaveElsewhere, // save under another name instead (the caller asks for it)
        DontSave, // nothing is saved (cancelled, or the file was read again)
    };
    // Just before the open database is saved over path: when the file there
    // changed since it was read or written here, the user is asked first.
    // A file that is gone is simply written again.
    Decision beforeSave(const QString &path);

    // While one lives, the watcher's events wait: the window reads or writes
    // the file.
    class Hold
    {
    public:
        explicit Hold(DiskChangeGuard &guard);
        ~Hold();
        Hold(const Hold &) = delete;
        Hold &operator=(const Hold &) = delete;

    private:
        QPointer<DiskChangeGuard> m_guard;
    };

    // How long the watcher's events gather before the file is looked at.
    static constexpr int settleMilliseconds = 200;

signals:
    // A status-bar text, as the window shows it.
    void message(const QString &text, int milliseconds);

private:
    void watchEvent();
    void checkNow();
    void rearm();
    void hold();
    void release();
    bool isFollowed(const QString &path) const;

    void askAfterChange(const FileFingerprint &now);
    void tellMissing();
    // The user chose to read the file again.
    void reload();
    // Writes the unsaved changes as a version: its path, or "" (the user
    // was told) when they could not be written.
    QString keepUnsavedAsVersion();

    QString changedText() const;
    QString choicesText() const;

    QWidget *m_window;
    Actions m_actions;
    // Children, so that the window's tests can find the watcher.
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    QString m_path;
    FileFingerprint m_fingerprint;
    // The other program's file the user was last asked about: it is not
    // asked about again by the watcher, but before a save it is.
    FileFingerprint m_answered;
    bool m_toldMissing = false;
    // Set while the user's choice to save over the file is carried out.
    bool m_overwriteChosen = false;
    int m_holds = 0;
    bool m_pending = false;
};
