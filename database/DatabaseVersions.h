#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <atomic>

// The earlier versions of one database file: a save keeps the file it
// replaces in the folder "versions" beside the database, named after the
// database and the time of the save, "Hjem 2026-12-09 17.03.12.inb" for
// "Hjem.inb" (" (2)" and on before the suffix when that name is taken).
// How a save makes one is in ReplacedVersion.
class DatabaseVersions
{
public:
    // One version in the folder: its file, the time in its name, and its
    // number among versions of the same second (1 without " (n)").
    struct Version
    {
        QString path;
        QDateTime made;
        int number = 1;
    };

    // The setting of how many versions a save keeps (0 keeps none), and the
    // number kept while it is not set.
    static QString keepKey() { return QStringLiteral("Versions/Keep"); }
    static constexpr int defaultKeep = 10;
    static constexpr int maximumKeep = 999;
    static int keepSetting();

    explicit DatabaseVersions(const QString &databasePath);

    const QString &databasePath() const { return m_databasePath; }
    // The folder of the versions, beside the database.
    QString folder() const;
    // A name in folder() for a version made at when that no file has yet.
    QString newVersionPath(const QDateTime &when) const;
    // The same after making folder(); "" when the folder could not be made.
    QString preparedVersionPath(const QDateTime &when) const;
    // Whether fileName (without folder) names a version of this database,
    // when it was made and its number among those of the same second.
    bool isVersionName(const QString &fileName, QDateTime *when = nullptr, int *number = nullptr) const;

    // This database's versions in folder(), newest first. Other files there
    // (versions of other databases, the user's own) are never listed.
    QList<Version> versions() const;
    // Removes the versions beyond the newest keep, except one that is held.
    void removeBeyond(int keep) const;

    // While a version is held (the one being restored), removeBeyond leaves
    // it, so that the save question before a restore cannot take it away.
    static void hold(const QString &versionPath);
    static void release(const QString &versionPath);

    // The data lines of a database file (neither empty nor header lines),
    // counted from its bytes without reading any item: -1 when the file
    // cannot be read, or once *stop turns true.
    static qint64 countDataLines(const QString &path, const std::atomic<bool> *stop = nullptr);

private:
    QString m_databasePath;
};
