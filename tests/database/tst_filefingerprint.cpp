#include <QtTest>

#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <cstdio>

#include "FailingDevice.h"
#include "ItemFixtures.h"
#include "TestSupport.h"
#include "core/Edition.h"
#include "core/Parallel.h"
#include "database/ContentHash.h"
#include "database/DBItemCollection.h"
#include "database/FileFingerprint.h"

using ItemFixtures::Collection;
using ItemFixtures::makeItem;

// The fingerprint of the database file: its hash is the same however the
// bytes come, and the fingerprint a load or a save leaves with the
// collection is that of the file on disk.

namespace {

QByteArray someBytes(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    quint32 state = 12345;
    for (qsizetype i = 0; i < size; ++i) {
        state = state * 1103515245 + 12345;
        bytes[i] = char(state >> 24);
    }
    return bytes;
}

constexpr qsizetype block = ContentHash::blockSize;

} // namespace

class tst_FileFingerprint : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.isValid()); }
    void cleanup() { Parallel::setMinimumWork(-1); }

    void hashIsTheSameInAnyPieces_data()
    {
        QTest::addColumn<qsizetype>("size");
        QTest::addColumn<qsizetype>("piece");
        QTest::newRow("empty") << qsizetype(0) << qsizetype(1);
        QTest::newRow("one byte") << qsizetype(1) << qsizetype(1);
        QTest::newRow("short, in bytes") << qsizetype(1000) << qsizetype(1);
        QTest::newRow("one block less one, odd pieces") << block - 1 << qsizetype(4093);
        QTest::newRow("one block, whole") << block << block;
        QTest::newRow("one block and one byte") << block + 1 << block;
        QTest::newRow("blocks, in pieces across them") << 3 * block + 17 << block / 3 + 1;
        QTest::newRow("blocks, in larger pieces") << 5 * block + 1 << 2 * block + 5;
        QTest::newRow("blocks, in pieces of whole blocks") << 4 * block << 2 * block;
        QTest::newRow("pieces of many blocks, ends inside a block") << 9 * block + 3 << 3 * block + 1000;
    }
    void hashIsTheSameInAnyPieces()
    {
        QFETCH(qsizetype, size);
        QFETCH(qsizetype, piece);
        const QByteArray bytes = someBytes(size);
        ContentHash pieces;
        for (qsizetype at = 0; at < size; at += piece)
            pieces.add(bytes.constData() + at, std::min(piece, size - at));
        QCOMPARE(pieces.size(), qint64(size));
        QCOMPARE(pieces.result(), ContentHash::of(bytes));
        // The whole blocks of each piece hashed first, last piece first, as
        // a writer's other threads do, then the pieces taken in order.
        std::vector<ContentHash::WholeBlocks> whole;
        for (qsizetype at = (size - 1) / piece * piece; at >= 0; at -= piece)
            whole.insert(
                whole.begin(), ContentHash::wholeBlocks(bytes.constData() + at, std::min(piece, size - at), at));
        ContentHash hashedApart;
        for (qsizetype at = 0, i = 0; at < size; at += piece, ++i)
            hashedApart.add(bytes.constData() + at, std::min(piece, size - at), whole[std::size_t(i)]);
        QCOMPARE(hashedApart.size(), qint64(size));
        QCOMPARE(hashedApart.result(), ContentHash::of(bytes));
        // Hashes made for another place in the file are not taken.
        if (size > piece && !whole.front().hashes.empty()) {
            ContentHash misplaced;
            misplaced.add(bytes.constData(), 1);
            misplaced.add(
                bytes.constData() + 1, piece - 1, ContentHash::wholeBlocks(bytes.constData() + 1, piece - 1, 0));
            misplaced.add(bytes.constData() + piece, size - piece);
            QCOMPARE(misplaced.result(), ContentHash::of(bytes));
        }
        // A large file's blocks hashed in two halves at once give the same.
        Parallel::setMinimumWork(1);
        QCOMPARE(ContentHash::of(bytes), pieces.result());
    }

    void hashTellsBytesApart_data()
    {
        QTest::addColumn<qsizetype>("position");
        QTest::newRow("first") << qsizetype(0);
        QTest::newRow("last of the first block") << block - 1;
        QTest::newRow("first of the second block") << block;
        QTest::newRow("last") << 2 * block + 99;
    }
    void hashTellsBytesApart()
    {
        QFETCH(qsizetype, position);
        const QByteArray bytes = someBytes(2 * block + 100);
        QByteArray other = bytes;
        other[position] = char(other[position] ^ 1);
        QVERIFY(ContentHash::of(other) != ContentHash::of(bytes));
        // Blocks that trade places are other contents too.
        const QByteArray swapped = bytes.mid(block, block) + bytes.left(block) + bytes.mid(2 * block);
        QVERIFY(ContentHash::of(swapped) != ContentHash::of(bytes));
        QVERIFY(ContentHash::of(bytes + '\0') != ContentHash::of(bytes));
    }

    // The fingerprint that a load and a save leave with the collection is
    // that of the file as it is on disk, read again from scratch; a large
    // register's save writes it from several threads.
    void loadAndSaveLeaveTheFilesFingerprint_data()
    {
        QTest::addColumn<int>("items");
        QTest::addColumn<bool>("threads");
        QTest::newRow("three items") << 3 << true;
        QTest::newRow("several blocks") << 12000 << true;
        // Steps of lines made, hashed and written on three threads at once.
        QTest::newRow("several steps") << 30000 << true;
        QTest::newRow("several steps, one thread") << 30000 << false;
    }
    void loadAndSaveLeaveTheFilesFingerprint()
    {
        QFETCH(int, items);
        QFETCH(bool, threads);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        TestSupport::RecordedMessageBoxes boxes;
        Parallel::setMinimumWork(1);
        Parallel::setNoThreads(!threads);
        const auto threadsBack = qScopeGuard([] { Parallel::setNoThreads(false); });
        const QString first = m_dir.filePath(QStringLiteral("first.inb"));
        const QString second = m_dir.filePath(QStringLiteral("second.inb"));
        {
            Collection c;
            for (int i = 0; i < items; ++i)
                c.db.add(makeItem(i % 5, QStringLiteral("Ting %1").arg(i), i));
            QVERIFY(c.db.fileFingerprint().isNull());
            QVERIFY(c.db.SaveToFileAsAscii(first));
            const FileFingerprint saved = c.db.fileFingerprint();
            QVERIFY(saved.hasHash());
            QCOMPARE(saved, FileFingerprint::ofFile(first));
            QCOMPARE(saved.size(), QFileInfo(first).size());
            QCOMPARE(saved.modified(), QFileInfo(first).lastModified());
            QCOMPARE(saved.check(first).state, FileFingerprint::Unchanged);
        }
        if (items > 3)
            QVERIFY(QFileInfo(first).size() > 2 * block);
        {
            Collection c;
            QVERIFY(c.db.LoadFromAsciiFile(first));
            const FileFingerprint loaded = c.db.fileFingerprint();
            QCOMPARE(loaded, FileFingerprint::ofFile(first));
            QVERIFY(c.db.SaveToFileAsAscii(second));
            // The same bytes under another stamp.
            QVERIFY(c.db.fileFingerprint().sameContents(loaded));
            QVERIFY(!c.db.fileFingerprint().sameStamp(loaded));
            QCOMPARE(c.db.fileFingerprint(), FileFingerprint::ofFile(second));
        }
        QVERIFY(boxes.shown().isEmpty());
    }

    // A save that fails leaves the fingerprint of the file as it was.
    void failedSaveKeepsTheFingerprint()
    {
        TestSupport::IsolatedSettings settings(OstranaEdition);
        TestSupport::RecordedMessageBoxes boxes;
        const QString file = m_dir.filePath(QStringLiteral("home.inb"));
        Collection c;
        c.db.add(makeItem(1, QStringLiteral("Sofa"), 1));
        QVERIFY(c.db.SaveToFileAsAscii(file));
        const FileFingerprint saved = c.db.fileFingerprint();
        c.db.add(makeItem(1, QStringLiteral("Stol"), 2));
        {
            const TestSupport::FailingSaves full(100);
            QVERIFY(!c.db.SaveToFileAsAscii(file));
        }
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(c.db.fileFingerprint(), saved);
        QCOMPARE(saved.check(file).state, FileFingerprint::Unchanged);
    }

    // What another program may do to the file, and what the check makes of it.
    void checkTellsWhatHappened_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("state");
        QTest::newRow("nothing") << "nothing" << int(FileFingerprint::Unchanged);
        QTest::newRow("touched") << "touch" << int(FileFingerprint::SameContents);
        QTest::newRow("same bytes written again") << "rewrite" << int(FileFingerprint::SameContents);
        QTest::newRow("same bytes put in its place") << "rename same" << int(FileFingerprint::SameContents);
        QTest::newRow("a line added") << "append" << int(FileFingerprint::Changed);
        QTest::newRow("same size, other bytes") << "other bytes" << int(FileFingerprint::Changed);
        QTest::newRow("other file put in its place") << "rename other" << int(FileFingerprint::Changed);
        QTest::newRow("deleted") << "delete" << int(FileFingerprint::Missing);
    }
    void checkTellsWhatHappened()
    {
        QFETCH(QString, change);
        QFETCH(int, state);
        const QString file = m_dir.filePath(QStringLiteral("home.inb"));
        const QString beside = m_dir.filePath(QStringLiteral("beside.inb"));
        const QByteArray bytes = someBytes(3000);
        QVERIFY(TestSupport::writeFile(file, bytes));
        const FileFingerprint before = FileFingerprint::ofFile(file);
        QVERIFY(before.hasHash());
        QCOMPARE(before.hash(), ContentHash::of(bytes));

        QByteArray other = bytes;
        other[1500] = char(other[1500] ^ 0x20);
        QFile opened(file);
        if (change == QLatin1String("touch")) {
            QVERIFY(opened.open(QIODevice::ReadWrite));
            QVERIFY(opened.setFileTime(before.modified().addSecs(5), QFileDevice::FileModificationTime));
            opened.close();
        } else if (change == QLatin1String("rewrite")) {
            QTest::qWait(5);
            QVERIFY(TestSupport::writeFile(file, bytes));
        } else if (change.startsWith(QLatin1String("rename"))) {
            QVERIFY(TestSupport::writeFile(beside, change.endsWith(QLatin1String("same")) ? bytes : other));
            QVERIFY(std::rename(QFile::encodeName(beside).constData(), QFile::encodeName(file).constData()) == 0);
        } else if (change == QLatin1String("append")) {
            QVERIFY(opened.open(QIODevice::Append));
            QVERIFY(opened.write("1;Stol;;") == 8);
            opened.close();
        } else if (change == QLatin1String("other bytes")) {
            QVERIFY(TestSupport::writeFile(file, other));
        } else if (change == QLatin1String("delete")) {
            QVERIFY(QFile::remove(file));
        }

        const FileFingerprint::Check check = before.check(file);
        QCOMPARE(int(check.state), state);
        if (state == FileFingerprint::Missing) {
            QVERIFY(check.now.isNull());
        } else {
            QCOMPARE(check.now, FileFingerprint::ofFile(file));
            QCOMPARE(check.now.sameContents(before), state != FileFingerprint::Changed);
        }
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(tst_FileFingerprint)
#include "tst_filefingerprint.moc"
