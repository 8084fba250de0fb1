#pragma once

#include <QString>
#include <QtGlobal>

// Which state of a database file a set of changes applies to: the file's size
// and modification time as it was loaded or last saved. A file saved over or
// put in its place since then has another identity. A new database, with no
// file yet, has the identity of a missing file.
struct DatabaseIdentity
{
    qint64 size = -1;
    // Milliseconds since the epoch, UTC.
    qint64 modified = -1;

    // The identity of the file at path now; that of a missing file for an
    // empty path or no file.
    static DatabaseIdentity of(const QString &path);

    bool operator==(const DatabaseIdentity &) const = default;
};
