#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

// The file a save is about to replace, kept as a version of the database
// (see DatabaseVersions) without copying a byte of it: just before the new
// file takes the database's name, the old file gets a second name in the
// versions folder (a hard link). Where the file system has no such names,
// the old file itself moves there instead, and comes back should the new
// one fail to take its place. A commit that fails takes the version made for
// it away again, so the database and its versions stay as they were.
//
// A version that cannot be made (a folder that takes no new files, a full
// disk) never stops the save: the user is told once per database and run,
// and the save goes on as it would without versions.
class ReplacedVersion
{
    Q_DECLARE_TR_FUNCTIONS(ReplacedVersion)
public:
    // keep: how many versions the database keeps; with 0 none is made.
    ReplacedVersion(const QString &databasePath, int keep);
    ReplacedVersion(const ReplacedVersion &) = delete;
    ReplacedVersion &operator=(const ReplacedVersion &) = delete;

    // Just before the commit: keeps the file now at the database's path, if
    // there is one.
    void keep();
    // After the commit: the versions beyond the number kept go.
    void committed();
    // After a commit that failed: the version made for it goes again, and a
    // file moved away comes back.
    void commitFailed();

    // The version that keep() made; empty when none was.
    const QString &path() const { return m_versionPath; }

    // Test seams: a file-system operation that makes to a new name of from
    // and says whether it succeeded; an empty function is the system's own.
    // Any file the link leaves at to when it fails is taken away again.
    using Operation = std::function<bool(const QString &from, const QString &to)>;
    static void setLinkOperation(Operation link);
    static void setRenameOperation(Operation rename);
    // Runs right after keep() made a version, before the commit (a test makes
    // the commit fail there).
    static void setAfterKeep(std::function<void()> hook);

private:
    enum Method { None, Linked, Moved };

    void tellOnce(const QString &reason) const;

    QString m_databasePath;
    // The file the database's name leads to (a symbolic link's target).
    QString m_filePath;
    int m_keep;
    QString m_versionPath;
    Method m_method = None;
    // Why keep() made no version, told after the commit.
    QString m_failure;
};
