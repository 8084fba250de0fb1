#pragma once

#include <QDateTime>
#include <QString>

// The earlier versions of one database file: a save keeps the file it
// replaces in the folder "versions" beside the database, named after the
// database and the time of the save, "Hjem 2026-12-09 17.03.12.inb" for
// "Hjem.inb" (" (2)" and on before the suffix when that name is taken).
class DatabaseVersions
{
public:
    explicit DatabaseVersions(const QString &databasePath);

    const QString &databasePath() const { return m_databasePath; }
    // The folder of the versions, beside the database.
    QString folder() const;
    // A name in folder() for a version made at when that no file has yet.
    QString newVersionPath(const QDateTime &when) const;
    // Whether fileName (without folder) names a version of this database,
    // and when it was made.
    bool isVersionName(const QString &fileName, QDateTime *when = nullptr) const;

private:
    QString m_databasePath;
};
