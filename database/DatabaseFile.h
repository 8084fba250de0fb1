#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class DBItemCollection;

// Reads and writes the database text file for a collection: one header line
// naming the format level and the edition, then one item per line, 17 fields
// each followed by ";", Latin-1.
class DatabaseFile
{
public:
    // Appends the file's items to the collection. True when the file was read
    // to its end; false when it could not be opened, belongs to another
    // edition, or a line could not be read (the user is told). A file that
    // another program saves over while it is read is read again: the items
    // are always those of one version of the file.
    static bool load(DBItemCollection &collection, const QString &path);
    // Writes the whole collection, sorted by group. The old file stays whole
    // until the new one is complete; false when refused or not written (the
    // user is told why). With keepReplaced, the file the save replaces stays
    // as a version of the database (see ReplacedVersion), as many as the
    // setting keeps, and never fewer than keepAtLeast.
    static bool save(DBItemCollection &collection, const QString &path, bool keepReplaced = false, int keepAtLeast = 0);

    // The header line the running edition writes, without its line end.
    static QByteArray headerLine();

    // Test seam: a large file is read in two halves at once, and pause (when
    // set) runs on the second half's thread just before that half is read.
    static void setBetweenHalvesPause(std::function<void()> pause);
};
