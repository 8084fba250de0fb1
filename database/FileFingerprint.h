#pragma once

#include <QDateTime>
#include <QString>
#include <QtGlobal>

// What the program knows of one version of a file: its size, its times and
// its place on the disk (the stamp, which costs one look at the folder), and
// a hash of its contents (ContentHash). A program that writes the file, in
// place or by putting a new file at its path, changes the stamp; a stamp that
// changed while the hash did not is a file touched, or written again with
// the same bytes.
//
// The database keeps the fingerprint of its file as it was read or written,
// to find out whether another program changed the file since.
class FileFingerprint
{
public:
    // How a file is now, next to a fingerprint of it.
    enum State {
        Unchanged, // the same stamp
        SameContents, // another stamp, the same bytes
        Changed, // other bytes
        Missing, // no file at the path
    };
    struct Check;

    // No file.
    FileFingerprint() = default;

    // The stamp of the file at path now, without a hash; null when there is
    // no file there.
    static FileFingerprint stampOf(const QString &path);
    // The stamp and hash of the file at path, read now; null when it cannot
    // be read. A file that changes while it is read is read again.
    static FileFingerprint ofFile(const QString &path);
    // This stamp with the hash and size of the bytes read or written under
    // it. A size other than the stamp's makes a fingerprint that no stamp of
    // the file matches: its bytes are then read at the next check.
    FileFingerprint withContents(quint64 hash, qint64 size) const;

    bool isNull() const { return !m_exists; }
    bool hasHash() const { return m_hashed; }
    qint64 size() const { return m_size; }
    QDateTime modified() const;
    quint64 hash() const { return m_hash; }

    // Whether both are of one file version by their stamps.
    bool sameStamp(const FileFingerprint &other) const;
    // Whether both are hashed and of the same bytes.
    bool sameContents(const FileFingerprint &other) const;
    // The same stamp and contents.
    bool operator==(const FileFingerprint &other) const { return sameStamp(other) && sameContents(other); }

    // The file at path now, next to this fingerprint: only its stamp is
    // looked at while that is the same, the bytes are read otherwise.
    Check check(const QString &path) const;

private:
    bool m_exists = false;
    bool m_hashed = false;
    qint64 m_size = 0;
    // Nanoseconds since the epoch where the system has them.
    qint64 m_modified = 0;
    qint64 m_changed = 0;
    quint64 m_device = 0;
    quint64 m_node = 0;
    quint64 m_hash = 0;
};

// What check() found.
struct FileFingerprint::Check
{
    State state = Missing;
    // The file as it is now, hashed unless the file is missing.
    FileFingerprint now;
};
