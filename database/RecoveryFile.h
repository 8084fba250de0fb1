#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QtGlobal>

#include "database/DatabaseIdentity.h"

// The recovery file of a database: the changes not yet saved (the text of a
// RecoveryJournal) behind a header that says what they apply to.
//
//     LARKSPAN RECOVERY 1
//     edition <name>
//     database <absolute path, percent-encoded; empty for a new database>
//     size <bytes of the database file as loaded or last saved, -1 for none>
//     modified <its modification time, ms since the epoch, -1 for none>
//     steps <count>
//     last-change <ms since the epoch>
//     body <bytes> <SHA-256 of the body, hex>
//     <blank line, then the body>
//
// It lies beside the database as "<file name>.recovery", or in the user's
// state folder ("recovery/" in the application's local data folder) for a
// new database and where the database's folder takes no file. It is written
// as a save is (SaveTarget): a crash while it is written leaves the one
// before it whole.
class RecoveryFile
{
    Q_DECLARE_TR_FUNCTIONS(RecoveryFile)

public:
    struct Header
    {
        QString edition;
        // The database's absolute path; empty for a new database.
        QString database;
        DatabaseIdentity identity;
        int steps = 0;
        qint64 lastChange = 0;
    };

    // The recovery file beside the database; empty for a new database.
    static QString besidePath(const QString &database);
    // The recovery file in the state folder, named after the database's
    // path (a new database has one of its own).
    static QString statePath(const QString &database);

    // Writes the header and the body to path, whole or not at all; false
    // with the reason in *error. *notCreated tells a file that could not even
    // be begun (a folder that takes no file) from one that failed on the way.
    static bool write(const QString &path, const Header &header, const QList<QByteArray> &body, QString *error,
        bool *notCreated = nullptr);

    enum Status { Missing, Usable, Refused };
    struct Contents
    {
        Status status = Missing;
        Header header;
        QByteArray body;
        // Why it was refused, for the user.
        QString reason;
    };
    // Reads the recovery file at path and checks it against the database it
    // is for: the running edition, the database's absolute path (empty for a
    // new one) and the identity of its file now. Refused when damaged or when
    // it belongs to another database or another state of the file.
    static Contents read(const QString &path, const QString &database, const DatabaseIdentity &identity);

    // Moves a refused file aside, beside itself as "<name>.refused" (with a
    // number when that is taken); the new path, or empty when it stayed.
    static QString moveAside(const QString &path);

    // The header's bytes, without the body.
    static QByteArray headerBytes(const Header &header, qsizetype bodySize, const QByteArray &checksum);
};
