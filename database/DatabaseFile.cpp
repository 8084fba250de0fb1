#include "database/DatabaseFile.h"

#include "core/Edition.h"
#include "core/LogXML.h"
#include "core/MemoryShortage.h"
#include "core/Notices.h"
#include "core/Parallel.h"
#include "core/ProgressScope.h"
#include "database/DBItemCollection.h"
#include "database/DatabaseReader.h"
#include "database/ContentHash.h"
#include "database/DatabaseVersions.h"
#include "database/DatabaseWriter.h"
#include "database/FileFingerprint.h"
#include "database/Item.h"
#include "database/ReplacedVersion.h"
#include "database/SaveTarget.h"
#include "database/StorageCheck.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <algorithm>
#include <functional>
#include <limits>
#include <memory>
#include <new>
#include <system_error>
#include <vector>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <unistd.h>
#endif

// The per-line trace of loading. Off unless switched on with
// QT_LOGGING_RULES="larkspan.database.file.debug=true": building it for every
// line would cost more than the load itself.
Q_LOGGING_CATEGORY(lcDatabaseFile, "larkspan.database.file", QtInfoMsg)

namespace {

const QString sourceName = QStringLiteral("DBItemCollection");
const QString loadFunction = QStringLiteral("LoadFromAsciiFile()");
const QString loadedFunction = QStringLiteral("LoadFromAsciiFile() - loaded");
const QString saveFunction = QStringLiteral("SaveToFileAsAscii()");
const QString errorTitle = QStringLiteral("Database error");

bool logging(const LogXML *log)
{
    return log && log->isEnabled();
}

// What a load tells the event log: the file, each header line as an open
// entry with the items after it, and the end of a load that succeeded.
class LoadLog
{
public:
    LoadLog(LogXML *log, const QString &path)
        : m_log(log)
        , m_path(path)
    {
        if (m_log)
            m_log->logItem(m_path, sourceName, loadFunction);
    }
    void header(const QString &text)
    {
        if (m_log && m_log->beginItem(text, sourceName, loadFunction))
            ++m_open;
    }
    void item(int lineCount, const Item &item)
    {
        if (!logging(m_log) && !lcDatabaseFile().isDebugEnabled())
            return;
        const QString dump = item.dump();
        if (m_log)
            m_log->element(QStringLiteral("Item"), dump);
        qCDebug(lcDatabaseFile).noquote() << lineCount << ", " << dump;
    }
    void close()
    {
        if (!m_log)
            return;
        for (; m_open > 0; --m_open)
            m_log->endItem();
    }
    void loaded()
    {
        close();
        if (m_log)
            m_log->logItem(m_path, sourceName, loadedFunction);
    }

private:
    LogXML *m_log;
    QString m_path;
    int m_open = 0;
};

QString nativeLockPath()
{
    return QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(DBItemCollection::lockFilePath()).absoluteFilePath()));
}

// Another program holds the inventory edition's lock: the database opens
// read-only. A program that was killed leaves its lock behind: the user
// needs the file's place to remove it, and its text to know whose it is.
void tellLockedByAnother(const QString &lockText)
{
    const QString lockPath = nativeLockPath();
    Notices::critical(QCoreApplication::translate("DBItemCollection", "FILE_ALLREADY_OPEN_WARNING"),
        QCoreApplication::translate("DBItemCollection", "DB_OPEN_BY_ANOTHER_USER") + lockText + QStringLiteral("\n\n")
            + QCoreApplication::translate("DBItemCollection",
                "Låsefil: %1\nKører programmet, der har låst databasen, ikke "
                "længere (fx efter et nedbrud), kan låsefilen slettes.")
                  .arg(lockPath));
}

// The lock could not be taken, and no other program holds it (a folder that
// takes no new files, for instance): without it another program could write
// the database at the same time, so it opens read-only.
void tellLockNotTaken(const QString &reason)
{
    Notices::critical(QCoreApplication::translate("DBItemCollection", "Databasen kunne ikke låses"),
        QCoreApplication::translate("DBItemCollection",
            "Låsefilen %1 kunne ikke oprettes:\n%2\n\nDatabasen åbnes derfor skrivebeskyttet: "
            "ændringer kan ikke gemmes.")
            .arg(nativeLockPath(), reason));
}

// The work of reading a file is counted in lines of about this many bytes.
constexpr qint64 bytesPerLine = 128;

std::function<void()> &betweenHalvesPause()
{
    static std::function<void()> pause;
    return pause;
}

#ifdef Q_OS_UNIX
// Reads size bytes at offset of the open file into to, without moving the
// file's position, so that two threads can read the one open file at once;
// false unless all of them came.
bool readAt(int handle, qint64 offset, char *to, qint64 size)
{
    while (size > 0) {
        const ssize_t got = ::pread(handle, to, std::size_t(std::min<qint64>(size, qint64(1) << 30)), off_t(offset));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        to += got;
        offset += got;
        size -= got;
    }
    return true;
}

// Reads [from, to) of the open file into bytes in pieces of a few hash blocks,
// hashing each block into blocks while it is still in the processor's cache;
// from is the start of a block.
bool readAndHash(int handle, QByteArray &bytes, qint64 from, qint64 to, std::vector<quint64> &blocks)
{
    constexpr qint64 piece = 4 * ContentHash::blockSize;
    for (qint64 at = from; at < to; at += piece) {
        const qint64 size = std::min(piece, to - at);
        if (!readAt(handle, at, bytes.data() + at, size))
            return false;
        for (qint64 block = at; block < at + size; block += ContentHash::blockSize) {
            blocks[std::size_t(block / ContentHash::blockSize)] = ContentHash::ofBlock(bytes.constData() + block,
                qsizetype(std::min<qint64>(ContentHash::blockSize, to - block)),
                qsizetype(block / ContentHash::blockSize));
        }
    }
    return true;
}

// A large file is read in two halves at once: the system's copying of the
// bytes is a good part of a load's time. Both halves come from the one open
// file, so a file put in its place meanwhile is never half read; each half
// hashes its blocks as they come (ContentHash).
// False when it was not read that way (the caller reads it the usual way).
bool readInTwoHalves(QFile &file, qint64 size, QByteArray &bytes, quint64 &hash)
{
    const int handle = file.handle();
    if (handle < 0)
        return false;
    bytes = QByteArray(qsizetype(size), Qt::Uninitialized);
    const qint64 blockCount = (size + ContentHash::blockSize - 1) / ContentHash::blockSize;
    std::vector<quint64> blocks(std::size_t(blockCount), 0);
    // The halves part at the start of a block.
    const qint64 half = blockCount / 2 * ContentHash::blockSize;
    bool firstRead = false;
    bool secondRead = false;
    Parallel::run(
        qsizetype(size / bytesPerLine), [&] { firstRead = readAndHash(handle, bytes, 0, half, blocks); },
        [&] {
            if (betweenHalvesPause())
                betweenHalvesPause()();
            MemoryShortage::pass(MemoryShortage::FileBytes);
            secondRead = readAndHash(handle, bytes, half, size, blocks);
        });
    // A file that grew meanwhile has more to read than the halves took.
    char more;
    if (!firstRead || !secondRead || ::pread(handle, &more, 1, off_t(size)) != 0)
        return false;
    hash = ContentHash::combine(blocks, size);
    return true;
}
#endif

// The whole file of one version, to be parsed from memory, and its hash.
bool readOneVersion(const QString &path, QByteArray &bytes, quint64 &hash)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
#ifdef Q_OS_UNIX
    const qint64 size = file.size();
    if (size < std::numeric_limits<qsizetype>::max() && readInTwoHalves(file, size, bytes, hash))
        return true;
    if (!file.seek(0))
        return false;
#endif
    bytes = file.readAll();
    hash = ContentHash::of(bytes);
    return file.error() == QFileDevice::NoError;
}

// The whole file, as one version of it, and that version's fingerprint: a
// file that another program saved over while it was read (in place, or by
// putting a new file at its path) is read again, so the register is never
// part one version and part the next.
bool readWholeFile(const QString &path, QByteArray &bytes, FileFingerprint &fingerprint)
{
    constexpr int attempts = 5;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        const FileFingerprint stamp = FileFingerprint::stampOf(path);
        quint64 hash = 0;
        if (!readOneVersion(path, bytes, hash))
            return false;
        fingerprint = stamp.withContents(hash, bytes.size());
        if (FileFingerprint::stampOf(path).sameStamp(stamp))
            return true;
    }
    // A file that changes all the time has no version to read.
    bytes.clear();
    return false;
}

QString saveFailedTitle()
{
    return QCoreApplication::translate("DBItemCollection", "Databasen blev ikke gemt");
}

void tellSaveFailed(const QString &path, const QString &reason)
{
    Notices::critical(saveFailedTitle(),
        QCoreApplication::translate("DBItemCollection", "Databasen kunne ikke gemmes i %1:\n%2")
            .arg(QDir::toNativeSeparators(path), reason));
}

bool refusedAsReadOnly(const DBItemCollection &collection)
{
    if (collection.count() == 0 || !collection.isReadOnly())
        return false;
    Notices::warning(QCoreApplication::translate("DBItemCollection", "READ ONLY"),
        QCoreApplication::translate("DBItemCollection", "READ ONLY MODE - No Save"));
    return true;
}

// The place of the first item the file cannot hold, or -1. Every save looks
// at every item: a large register is looked at in two halves at once.
qsizetype firstUnstorableItem(const ItemSpan &items)
{
    const auto scan = [&items](qsizetype from, qsizetype to) -> qsizetype {
        for (qsizetype i = from; i < to; ++i) {
            Item::prefetchAhead(items, i);
            if (!StorageCheck::itemProblem(*items.at(i)).isNull())
                return i;
        }
        return -1;
    };
    const qsizetype half = items.size() / 2;
    qsizetype first = -1;
    qsizetype second = -1;
    Parallel::run(
        items.size(), [&] { first = scan(0, half); }, [&] { second = scan(half, items.size()); });
    return first >= 0 ? first : second;
}

// Names the first item that the file cannot hold as it is, and why, so that
// the user can find it in the list (its group, then its place in the group)
// and correct the field. False when every item can be stored.
bool tellUnstorableItem(const DBItemCollection &collection)
{
    const ItemSpan items = collection.items();
    const qsizetype first = firstUnstorableItem(items);
    for (qsizetype i = std::max<qsizetype>(first, 0); first >= 0 && i < items.size(); ++i) {
        const Item *item = items.at(i);
        const StorageCheck::ItemProblem problem = StorageCheck::itemProblem(*item);
        if (problem.isNull())
            continue;
        // Saving keeps the order within a group, so this is its place there.
        const auto sameGroup = [item](const Item *other) { return other->group() == item->group(); };
        const qsizetype place = std::count_if(items.cbegin(), items.cbegin() + i, sameGroup) + 1;
        QString group = QString::number(item->group());
        const QString groupName = collection.groups().entry(item->group());
        if (!groupName.isEmpty())
            group = groupName + QStringLiteral(" (") + group + QLatin1Char(')');
        const QString name
            = item->name().isEmpty() ? QCoreApplication::translate("DBItemCollection", "(uden navn)") : item->name();
        Notices::critical(saveFailedTitle(),
            QCoreApplication::translate("DBItemCollection",
                "En vare kan ikke gemmes i databasefilen, som den er. Intet er gemt, "
                "og filen er uændret.\n\nVare: %1\nGruppe: %2, nr. %3 i gruppen\n"
                "Felt: %4\n%5")
                .arg(name, group, QString::number(place), StorageCheck::fieldTitle(collection.fields(), problem.field),
                    problem.reason));
        return true;
    }
    return false;
}

} // namespace

QByteArray DatabaseFile::headerLine()
{
    if (isQuorvel())
        return QByteArrayLiteral("#2.5.4 (INV)- Format: "
                                 "type;name;model;price;priceToday;date;supplier;serialno;description;address;"
                                 "photolink;number_of_items;location;www;receipt;document;;");
    if (isNumivax())
        return QByteArrayLiteral("#2.5.4 (COI)- Format: "
                                 "type;year;mat;price;priceToday;date;catalog;catalogNo;description;quality;"
                                 "picture1;count;crown;www;picture2;document;;");
    if (isVistrel())
        return QByteArrayLiteral("#2.5.4 (IMA)- Format: "
                                 "type;name;model;price;priceToday;date;supplier;serialno;description;address;"
                                 "photolink;number_of_items;location;www;receipt;document;;");
    return QByteArrayLiteral("#2.5.5 (INB)- Format: "
                             "group;name;product;price;priceToday;date;supplier;serialno;description;address;"
                             "photolink;number_of_items;location;www;receipt;document;producttype;;");
}

void DatabaseFile::setBetweenHalvesPause(std::function<void()> pause)
{
    betweenHalvesPause() = std::move(pause);
}

bool DatabaseFile::load(DBItemCollection &collection, const QString &path)
{
    // The items read and the file's format level go to the collection
    // however the load ends: a file that fails part way keeps the items
    // before the line that failed.
    int formatLevel = DatabaseReader::levelNoHeader;
    std::vector<std::unique_ptr<Item>> items;
    const auto finish = [&](bool loaded) {
        collection.adoptLoaded(std::move(items), formatLevel);
        return loaded;
    };
    LoadLog log(collection.log(), path);

    if (isQuorvel() && !collection.LockDB(path)) {
        if (!collection.lockFailure().isEmpty())
            tellLockNotTaken(collection.lockFailure());
        else
            tellLockedByAnother(collection.lockText());
    }

    try {
        QByteArray bytes;
        FileFingerprint fingerprint;
        if (!readWholeFile(path, bytes, fingerprint))
            return finish(false);
        // What the file was when it was read, to tell later whether another
        // program changed it since.
        collection.setFileFingerprint(fingerprint);
        DatabaseReader reader(bytes);
        items.reserve(std::size_t(reader.lineCountEstimate()));
        ProgressScope progress(QCoreApplication::translate("DBItemCollection", "Indlæser databasen"), bytes.size());

        int lineCount = 0;
        const auto take = [&](std::unique_ptr<Item> item) {
            qCDebug(lcDatabaseFile, "\r\nlinecount:%d", lineCount);
            log.item(lineCount, *item);
            // Loading is no change to the database: the items go in unannounced.
            items.push_back(std::move(item));
            progress.advance(reader.position());
            ++lineCount;
        };
        bool plainLinesRead = false;
        while (!reader.atEnd()) {
            if (reader.atHeader()) {
                const DatabaseReader::Header header = reader.readHeader();
                log.header(header.text);
                qCDebug(lcDatabaseFile).noquote() << header.text;
                if (reader.formatLevel() != formatLevel) {
                    formatLevel = reader.formatLevel();
                    setDatabaseFormatLevel(reader.formatLevel());
                }
                if (!header.accepted) {
                    log.close();
                    collection.releaseLock();
                    return finish(false);
                }
                continue;
            }

            if (!plainLinesRead) {
                // Most lines at once, a large file's two halves together.
                plainLinesRead = true;
                reader.readPlainItems(take);
                continue;
            }
            std::unique_ptr<Item> item = reader.readItem();
            if (!item) {
                if (!reader.failed())
                    break; // only blanks after the last line end
                log.close();
                Notices::critical(errorTitle, reader.failureMessage());
                return finish(false);
            }
            take(std::move(item));
        }
        log.loaded();
        return finish(true);
    } catch (const std::bad_alloc &) {
        // No memory for the file or its items: it could not be read, as a
        // file that cannot be opened (the caller tells the user). The items
        // read so far go, to give the memory back.
        log.close();
        items.clear();
        return finish(false);
    }
}

bool DatabaseFile::save(DBItemCollection &collection, const QString &path, bool keepReplaced, int keepAtLeast)
{
    if (refusedAsReadOnly(collection))
        return false;
    LogXML *log = collection.log();
    bool logOpen = false;
    const auto closeLog = [&] {
        if (logOpen)
            log->endItem();
        logOpen = false;
    };
    try {
        // What would not read back as the same item is never written.
        if (tellUnstorableItem(collection))
            return false;

        SaveTarget target(path);
        const bool opened = target.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Unbuffered);

        logOpen = log && log->logItem(path, sourceName, saveFunction) && log->beginItem();
        if (!opened) {
            closeLog();
            tellSaveFailed(path, target.errorString());
            return false;
        }

        collection.sort(DBItemCollection::ByGroup);
        ProgressScope progress(QCoreApplication::translate("DBItemCollection", "Gemmer databasen"), collection.count());
        qint64 itemsWritten = 0;
        const auto itemWritten = [&](const Item &) { progress.advance(++itemsWritten); };
        // The bytes are hashed as they are written, never read back.
        ContentHash hash;
        DatabaseWriter writer(target.device());
        writer.setContentHash(&hash);
        const bool written = writer.write(headerLine(), collection.items(), itemWritten);

        if (!written) {
            closeLog();
            const QString reason
                = target.writeFailure(QCoreApplication::translate("DBItemCollection", "Filen kunne ikke skrives."));
            target.cancel();
            tellSaveFailed(path, reason);
            return false;
        }
        // The file replaced stays as a version, made just before the commit.
        ReplacedVersion replaced(path, keepReplaced ? std::max(DatabaseVersions::keepSetting(), keepAtLeast) : -1);
        replaced.keep();
        if (!target.commit()) {
            replaced.commitFailed();
            closeLog();
            tellSaveFailed(path, target.errorString());
            return false;
        }
        collection.setFileFingerprint(FileFingerprint::stampOf(path).withContents(hash.result(), hash.size()));
        replaced.committed();
        // The log names the items of a save that is in the file, and only those.
        if (logging(log)) {
            for (const Item *item : collection.items())
                log->element(QStringLiteral("Item"), item->dump());
        }
        closeLog();
        return true;
    } catch (const std::bad_alloc &) {
        // No memory for the lines: the new file goes unfinished with its
        // target, and the old one stays as it was.
        closeLog();
        tellSaveFailed(path, QCoreApplication::translate("DBItemCollection", "Filen kunne ikke skrives."));
        return false;
    }
}
