#include <QtTest>

#include <QLoggingCategory>

#include "TestSupport.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "core/SystemNames.h"
#include "database/DBItemCollection.h"

#include <atomic>
#include <memory>
#include <thread>

using TestSupport::readFile;
using TestSupport::writeFile;

namespace {

// A small database of the inventory edition.
const QByteArray quorvelDatabase = "#2.5.4 (INV)- Format: type;name;model;price;priceToday;date;supplier;"
                                   "serialno;description;address;photolink;number_of_items;location;www;"
                                   "receipt;document;;\n"
                                   "0;Skrue;M4;1.000000;1.000000;01.01.2011;;1;;;;10;0;;;;;\n";

} // namespace

class tst_LockFile : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestSupport::IsolatedSettings> m_settings;
    std::unique_ptr<QTemporaryDir> m_folder;

    QString lockPath() const { return m_folder->path() + "/LockFile"; }
    QString expectedText(const QString &database) const
    {
        return database + " Locked by PC: " + SystemNames::computerName() + ", User: " + SystemNames::userName();
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        m_settings = std::make_unique<TestSupport::IsolatedSettings>(QuorvelEdition);
        Settings().setValue("LastDBDir", m_folder->path());
    }
    void cleanup()
    {
        m_settings.reset();
        m_folder.reset();
    }

    void systemNamesAreNeverEmpty()
    {
        QVERIFY(!SystemNames::computerName().isEmpty());
        QVERIFY(!SystemNames::userName().isEmpty());
    }

    void lockIsTakenWithItsText()
    {
        DBItemCollection collection(nullptr);
        QCOMPARE(DBItemCollection::lockFilePath(), lockPath());
        const QString database = m_folder->path() + "/stock.db";
        QVERIFY(collection.LockDB(database));
        QVERIFY(!collection.isReadOnly());
        // One line, no line end, 8-bit.
        QCOMPARE(readFile(lockPath()), expectedText(database).toLatin1());

        collection.releaseLock();
        QVERIFY(!QFileInfo::exists(lockPath()));
    }

    void lockIsInTheLastDatabaseFolder()
    {
        // Not beside the file named, but in the folder of the last database.
        QTemporaryDir elsewhere;
        DBItemCollection collection(nullptr);
        QVERIFY(collection.LockDB(elsewhere.filePath("stock.db")));
        QVERIFY(QFileInfo::exists(lockPath()));
        QVERIFY(!QFileInfo::exists(elsewhere.filePath("LockFile")));
    }

    void foreignLockMakesReadOnly_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("text");
        QTest::newRow("usual") << QByteArray("C:\\Data\\stock.db Locked by PC: STORE1, User: anna")
                               << "C:\\Data\\stock.db Locked by PC: STORE1, User: anna";
        QTest::newRow("first line only") << QByteArray("one\r\ntwo\r\n") << "one";
        QTest::newRow("empty first line") << QByteArray("\nsecond") << "";
        QTest::newRow("empty file") << QByteArray() << "";
        QTest::newRow("latin-1") << QByteArray("s\xf8ren") << QStringLiteral("søren");
        QTest::newRow("349 bytes at most") << QByteArray(400, 'x') << QString(349, 'x');
    }
    void foreignLockMakesReadOnly()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, text);
        QVERIFY(writeFile(lockPath(), content));
        {
            DBItemCollection collection(nullptr);
            QVERIFY(!collection.LockDB("/data/stock.db"));
            QVERIFY(collection.isReadOnly());
            QCOMPARE(collection.lockText(), text);
            // Neither release, clear nor the end of the collection touch it;
            // clearing ends the read-only state of the database it guarded.
            collection.releaseLock();
            collection.clear();
            QVERIFY(!collection.isReadOnly());
        }
        QCOMPARE(readFile(lockPath()), content);
    }

    void secondLockBySameCollectionTurnsReadOnly()
    {
        DBItemCollection collection(nullptr);
        QVERIFY(collection.LockDB("/data/stock.db"));
        QVERIFY(!collection.LockDB("/data/stock.db"));
        QVERIFY(collection.isReadOnly());
        QCOMPARE(collection.lockText(), expectedText("/data/stock.db"));
        // The lock it created itself is still its own to remove.
        collection.clear();
        QVERIFY(!QFileInfo::exists(lockPath()));
        QVERIFY(!collection.isReadOnly());
    }

    void secondLoadTurnsReadOnly()
    {
        TestSupport::RecordedMessageBoxes boxes;
        const QString database = m_folder->path() + "/stock.db";
        QVERIFY(writeFile(database, quorvelDatabase));
        DBItemCollection collection(nullptr);
        QVERIFY(collection.LoadFromAsciiFile(database));
        QVERIFY(!collection.isReadOnly());
        QCOMPARE(readFile(lockPath()), expectedText(database).toLatin1());
        QCOMPARE(boxes.count(), 0);

        QVERIFY(collection.LoadFromAsciiFile(database));
        QVERIFY(collection.isReadOnly());
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().kind, MessageBox::Critical);
        // The holder, then the lock file's full path for a user who knows
        // that holder is gone.
        const QString text = boxes.last().text;
        QVERIFY2(text.contains(expectedText(database) + QLatin1Char('\n')), qPrintable(text));
        QVERIFY2(text.contains(QDir::toNativeSeparators(QFileInfo(lockPath()).absoluteFilePath())), qPrintable(text));
    }

    void otherCollectionSeesTheLock()
    {
        DBItemCollection holder(nullptr);
        DBItemCollection other(nullptr);
        QVERIFY(holder.LockDB("/a.db"));
        QVERIFY(!other.LockDB("/b.db"));
        QVERIFY(other.isReadOnly());
        QCOMPARE(other.lockText(), expectedText("/a.db"));
        other.clear();
        QVERIFY(QFileInfo::exists(lockPath()));
        holder.clear();
        QVERIFY(!QFileInfo::exists(lockPath()));
        // Once it is gone, a new lock is granted and clears read-only.
        QVERIFY(other.LockDB("/b.db"));
        QVERIFY(!other.isReadOnly());
    }

    void lockInAnotherFolderDropsTheOldOne()
    {
        QTemporaryDir next;
        DBItemCollection collection(nullptr);
        QVERIFY(collection.LockDB("/a.db"));
        Settings().setValue("LastDBDir", next.path());
        QVERIFY(collection.LockDB("/b.db"));
        QVERIFY(!QFileInfo::exists(lockPath()));
        QCOMPARE(readFile(next.filePath("LockFile")), expectedText("/b.db").toLatin1());
        collection.clear();
        QVERIFY(!QFileInfo::exists(next.filePath("LockFile")));
    }

    void destructionReleases()
    {
        {
            DBItemCollection collection(nullptr);
            QVERIFY(collection.LockDB("/a.db"));
            QVERIFY(QFileInfo::exists(lockPath()));
        }
        QVERIFY(!QFileInfo::exists(lockPath()));
    }

    void releaseWithoutLockLeavesAnyFileAlone()
    {
        // A collection that never took the lock does not remove one.
        QVERIFY(writeFile(lockPath(), "someone else"));
        DBItemCollection collection(nullptr);
        collection.releaseLock();
        collection.clear();
        QCOMPARE(readFile(lockPath()), QByteArray("someone else"));
    }

    // A lock that cannot be taken, with no holder to name, leaves the
    // database read-only: without the lock another program could write it
    // at the same time. The reason is kept for the user.
    void lockThatCannotBeCreatedMakesReadOnly_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("missing folder") << QStringLiteral("/missing");
        QTest::newRow("folder that takes no files") << QStringLiteral("/closed");
    }
    void lockThatCannotBeCreatedMakesReadOnly()
    {
        QFETCH(QString, folder);
        const QString lockFolder = m_folder->path() + folder;
        if (folder == QLatin1String("/closed")) {
            QVERIFY(QDir().mkpath(lockFolder));
            QVERIFY(QFile::setPermissions(lockFolder, QFile::ReadOwner | QFile::ExeOwner));
            if (QFile probe(lockFolder + "/probe"); probe.open(QIODevice::WriteOnly)) {
                probe.remove();
                QSKIP("This user writes into any folder (root).");
            }
        }
        Settings().setValue("LastDBDir", lockFolder);
        DBItemCollection collection(nullptr);
        QVERIFY(!collection.LockDB("/a.db"));
        QVERIFY(collection.isReadOnly());
        QCOMPARE(collection.lockText(), QString());
        QVERIFY(!collection.lockFailure().isEmpty());
        QVERIFY(!QFileInfo::exists(lockFolder + "/LockFile"));
        // A new start ends it; a lock that can be taken then is taken.
        collection.clear();
        QVERIFY(!collection.isReadOnly());
        QVERIFY(collection.lockFailure().isEmpty());
        Settings().setValue("LastDBDir", m_folder->path());
        QVERIFY(collection.LockDB("/a.db"));
        QVERIFY(collection.lockFailure().isEmpty());
        collection.clear();
        QFile::setPermissions(lockFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void loadWithoutALockIsReadOnly()
    {
        TestSupport::RecordedMessageBoxes boxes;
        const QString database = m_folder->path() + "/stock.db";
        QVERIFY(writeFile(database, quorvelDatabase));
        Settings().setValue("LastDBDir", m_folder->path() + "/missing");
        DBItemCollection collection(nullptr);
        QVERIFY(collection.LoadFromAsciiFile(database));
        QCOMPARE(collection.count(), 1);
        QVERIFY(collection.isReadOnly());
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().kind, MessageBox::Critical);
        QCOMPARE(boxes.last().title, QStringLiteral("Databasen kunne ikke låses"));
        // The lock file's place and why it could not be made, not a holder.
        const QString text = boxes.last().text;
        QVERIFY2(text.contains(QDir::toNativeSeparators(m_folder->path() + "/missing/LockFile")), qPrintable(text));
        QVERIFY2(text.contains(collection.lockFailure()), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("skrivebeskyttet")), qPrintable(text));

        QVERIFY(!collection.SaveToFileAsAscii(database));
        QCOMPARE(boxes.last().title, QStringLiteral("READ ONLY"));
        QCOMPARE(readFile(database), quorvelDatabase);
    }

#ifdef Q_OS_UNIX
    // A lock that is there to the creation and gone to the reading, every
    // time (a link to nowhere), is never taken: the database is read-only,
    // and the user is told that no lock could be made.
    void lockThereYetNotThereMakesReadOnly()
    {
        TestSupport::RecordedMessageBoxes boxes;
        QVERIFY(QFile::link(m_folder->path() + "/gone", lockPath()));
        const QString database = m_folder->path() + "/stock.db";
        QVERIFY(writeFile(database, quorvelDatabase));
        DBItemCollection collection(nullptr);
        QVERIFY(collection.LoadFromAsciiFile(database));
        QVERIFY(collection.isReadOnly());
        QVERIFY(!collection.lockFailure().isEmpty());
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().title, QStringLiteral("Databasen kunne ikke låses"));
        QVERIFY(!collection.SaveToFileAsAscii(database));
        QCOMPARE(readFile(database), quorvelDatabase);
        collection.clear();
        // Nothing of the link was touched.
        QCOMPARE(QFileInfo(lockPath()).symLinkTarget(), m_folder->path() + "/gone");
        QVERIFY(QFile::remove(lockPath()));
    }
#endif

    // A program that takes the lock just as its holder quits either gets
    // it or finds it held: it is never without the lock and yet writable,
    // and never holds it at the same time as another. The holder here takes
    // and drops the lock over and over while the other tries.
    void lockTakenAsItsHolderQuits()
    {
        // The lock names its path in the debug output at every try.
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        DBItemCollection holder(nullptr);
        DBItemCollection other(nullptr);
        std::atomic<bool> stop { false };
        std::thread flapping([&] {
            while (!stop.load()) {
                if (holder.LockDB("/holder.db"))
                    holder.releaseLock();
                holder.clear();
            }
        });
        constexpr int tries = 3000;
        int taken = 0;
        int writableWithoutLock = 0;
        for (int i = 0; i < tries; ++i) {
            const bool locked = other.LockDB("/other.db");
            if (locked != !other.isReadOnly())
                ++writableWithoutLock;
            if (locked) {
                ++taken;
                // Nobody else took it meanwhile.
                if (readFile(lockPath()) != expectedText("/other.db").toLatin1())
                    ++writableWithoutLock;
            }
            other.clear();
        }
        stop = true;
        flapping.join();
        holder.clear();
        QLoggingCategory::setFilterRules(QString());
        QCOMPARE(writableWithoutLock, 0);
        QVERIFY(!QFileInfo::exists(lockPath()));
        qDebug("lock taken in %d of %d tries", taken, tries);
    }

    void racingCollectionsExactlyOneHoldsTheLock()
    {
        constexpr int rounds = 100;
        for (int round = 0; round < rounds; ++round) {
            DBItemCollection first(nullptr);
            DBItemCollection second(nullptr);
            std::atomic<int> ready { 0 };
            bool firstLocked = false;
            bool secondLocked = false;
            auto take = [&ready](DBItemCollection *collection, const QString &name, bool *locked) {
                ++ready;
                while (ready.load() < 2) { }
                *locked = collection->LockDB(name);
            };
            std::thread a(take, &first, QStringLiteral("/first.db"), &firstLocked);
            std::thread b(take, &second, QStringLiteral("/second.db"), &secondLocked);
            a.join();
            b.join();
            QCOMPARE(int(firstLocked) + int(secondLocked), 1);
            QCOMPARE(first.isReadOnly(), !firstLocked);
            QCOMPARE(second.isReadOnly(), !secondLocked);
            const QString holder = firstLocked ? "/first.db" : "/second.db";
            QCOMPARE(readFile(lockPath()), expectedText(holder).toLatin1());
            // The loser names the winner, unless it read the file before its
            // line was written.
            DBItemCollection &loser = firstLocked ? second : first;
            QVERIFY(loser.lockText().isEmpty() || loser.lockText() == expectedText(holder));
            first.clear();
            second.clear();
            QVERIFY(!QFileInfo::exists(lockPath()));
        }
    }

    void noLockInOtherEditions_data()
    {
        QTest::addColumn<int>("edition");
        QTest::newRow("Ostrana") << int(OstranaEdition);
        QTest::newRow("Vistrel") << int(VistrelEdition);
        QTest::newRow("Numivax") << int(NumivaxEdition);
    }
    void noLockInOtherEditions()
    {
        QFETCH(int, edition);
        m_settings->setEdition(edition);
        Settings().setValue("LastDBDir", m_folder->path());
        {
            // Nothing created.
            DBItemCollection collection(nullptr);
            QVERIFY(!collection.LockDB("/a.db"));
            QVERIFY(!QFileInfo::exists(lockPath()));
            QVERIFY(!collection.isReadOnly());
        }
        QVERIFY(writeFile(lockPath(), "foreign"));
        {
            // Nothing read or deleted.
            DBItemCollection collection(nullptr);
            QVERIFY(!collection.LockDB("/a.db"));
            QVERIFY(!collection.isReadOnly());
            QCOMPARE(collection.lockText(), QString());
            collection.releaseLock();
            collection.clear();
        }
        QCOMPARE(readFile(lockPath()), QByteArray("foreign"));
    }

    void loadingInOtherEditionsTakesNoLock()
    {
        TestSupport::RecordedMessageBoxes boxes;
        m_settings->setEdition(OstranaEdition);
        Settings().setValue("LastDBDir", m_folder->path());
        const QString database = m_folder->path() + "/home.inb";
        QVERIFY(writeFile(database, "0;Stol;;1.000000;1.000000;;;;;;;1;\n"));
        DBItemCollection collection(nullptr);
        collection.LoadFromAsciiFile(database);
        collection.LoadFromAsciiFile(database);
        QVERIFY(!collection.isReadOnly());
        QVERIFY(!QFileInfo::exists(lockPath()));
        collection.clear();
    }
};

QTEST_GUILESS_MAIN(tst_LockFile)
#include "tst_lockfile.moc"
