#include <QtTest>

#include <QGuiApplication>
#include <QTemporaryDir>

#include "FailingDevice.h"
#include "ItemFixtures.h"
#include "ReadOnlyFolder.h"
#include "TestSupport.h"
#include "core/Edition.h"
#include "core/LogXML.h"
#include "core/MemoryShortage.h"
#include "core/Parallel.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"

using ItemFixtures::Collection;
using ItemFixtures::makeItem;

// Files that cannot be written or read whole: a save that fails names none
// of its items in the event log, and running out of memory while a file is
// read or saved is a file that could not be read or saved, never a crash.
class tst_FileFailures : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    static void fill(DBItemCollection &collection, int count)
    {
        for (int i = 0; i < count; ++i)
            collection.add(makeItem(i % 7, QStringLiteral("Ting %1").arg(i), i));
    }

    // Both ways a large register's work can go: on two threads, and on the
    // one when no other can be had.
    static void addThreadColumns()
    {
        QTest::addColumn<int>("items");
        QTest::addColumn<bool>("noThreads");
    }

private slots:
    void init() { QVERIFY(m_dir.isValid()); }
    void cleanup()
    {
        MemoryShortage::setPlace(MemoryShortage::Nowhere);
        Parallel::setNoThreads(false);
        Parallel::setMinimumWork(-1);
    }

    void failedSaveNamesNoItemsInTheLog_data()
    {
        QTest::addColumn<int>("items");
        QTest::addColumn<QString>("how");
        QTest::newRow("full at once") << 3 << "full at 10 bytes";
        QTest::newRow("full at the last byte") << 3 << "full at the last byte";
        QTest::newRow("large register, full half way") << 60000 << "full half way";
        QTest::newRow("large register, full at the last byte") << 60000 << "full at the last byte";
        QTest::newRow("folder takes no files") << 3 << "read-only folder";
    }
    void failedSaveNamesNoItemsInTheLog()
    {
        QFETCH(int, items);
        QFETCH(QString, how);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        TestSupport::RecordedMessageBoxes boxes;
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("saved.inb"));
        const QString logPath = m_dir.filePath(QStringLiteral("log-%1.xml").arg(QTest::currentDataTag()));
        qputenv("DEBUGTALDRUM", "1");
        bool saved = true;
        {
            LogXML log(logPath, QStringLiteral("/Ostrana/"));
            qunsetenv("DEBUGTALDRUM");
            QVERIFY(log.isEnabled());
            DBItemCollection c(&log);
            fill(c, items);

            // The file the whole register makes, to fail at a share of it.
            const QString whole = m_dir.filePath(QStringLiteral("whole.inb"));
            {
                DBItemCollection unlogged(nullptr);
                fill(unlogged, items);
                QVERIFY(unlogged.SaveToFileAsAscii(whole));
                unlogged.clear();
            }
            const qint64 size = QFileInfo(whole).size();
            if (how == QLatin1String("read-only folder")) {
                TestSupport::ReadOnlyFolder readOnly(folder.path());
                if (!readOnly.isReadOnly())
                    QSKIP("the folder cannot be made read-only here");
                saved = c.SaveToFileAsAscii(path);
            } else {
                const qint64 limit = how == QLatin1String("full at 10 bytes") ? 10
                    : how == QLatin1String("full half way")                   ? size / 2
                                                                              : size - 1;
                TestSupport::FailingSaves full(limit);
                saved = c.SaveToFileAsAscii(path);
            }
            QCOMPARE(log.depth(), 1);
            c.clear();
        }
        QVERIFY(!saved);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().kind, MessageBox::Critical);
        const QByteArray xml = TestSupport::readFile(logPath);
        QVERIFY(xml.contains("SaveToFileAsAscii()"));
        QCOMPARE(xml.count("<Item>"), 0);
        QVERIFY(!QFileInfo::exists(path));
    }

    void outOfMemoryWhileReading_data()
    {
        QTest::addColumn<int>("place");
        QTest::addColumn<bool>("noThreads");
        QTest::newRow("bytes, two threads") << int(MemoryShortage::FileBytes) << false;
        QTest::newRow("bytes, one thread") << int(MemoryShortage::FileBytes) << true;
        QTest::newRow("lines, two threads") << int(MemoryShortage::FileLines) << false;
        QTest::newRow("lines, one thread") << int(MemoryShortage::FileLines) << true;
    }
    void outOfMemoryWhileReading()
    {
        QFETCH(int, place);
        QFETCH(bool, noThreads);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        TestSupport::RecordedMessageBoxes boxes;
        const QString path = m_dir.filePath(QStringLiteral("read.inb"));
        {
            Collection c;
            fill(c.db, 2000);
            QVERIFY(c.db.SaveToFileAsAscii(path));
        }
        Parallel::setMinimumWork(0);
        Parallel::setNoThreads(noThreads);
        MemoryShortage::setPlace(MemoryShortage::Place(place));
        Collection c;
        // A file that could not be read: the caller tells the user, as for
        // a file that cannot be opened.
        QVERIFY(!c.db.LoadFromAsciiFile(path));
        QCOMPARE(boxes.count(), 0);
        QVERIFY(!QGuiApplication::overrideCursor());

        MemoryShortage::setPlace(MemoryShortage::Nowhere);
        Collection again;
        QVERIFY(again.db.LoadFromAsciiFile(path));
        QCOMPARE(again.db.count(), 2000);
    }

    void outOfMemoryWhileSaving_data()
    {
        addThreadColumns();
        QTest::newRow("small register") << 5 << false;
        QTest::newRow("large register, two threads") << 60000 << false;
        QTest::newRow("large register, one thread") << 60000 << true;
    }
    void outOfMemoryWhileSaving()
    {
        QFETCH(int, items);
        QFETCH(bool, noThreads);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        TestSupport::RecordedMessageBoxes boxes;
        const QString path = m_dir.filePath(QStringLiteral("kept.inb"));
        const QByteArray old = ItemFixtures::ostranaHeader + "\n1;Gammel;x;1.000000;1.000000;;;;;;;1;0;;;;;\n";
        QVERIFY(TestSupport::writeFile(path, old));
        Collection c;
        fill(c.db, items);
        Parallel::setNoThreads(noThreads);
        MemoryShortage::setPlace(MemoryShortage::SaveLines);
        QVERIFY(!c.db.SaveToFileAsAscii(path));
        MemoryShortage::setPlace(MemoryShortage::Nowhere);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().kind, MessageBox::Critical);
        QCOMPARE(boxes.last().title, QStringLiteral("Databasen blev ikke gemt"));
        QVERIFY2(boxes.last().text.contains(QDir::toNativeSeparators(path)), qPrintable(boxes.last().text));
        QVERIFY2(
            boxes.last().text.endsWith(QStringLiteral("\nFilen kunne ikke skrives.")), qPrintable(boxes.last().text));
        QCOMPARE(TestSupport::readFile(path), old);
        QCOMPARE(QDir(m_dir.path()).entryList({ QStringLiteral("kept*") }, QDir::Files | QDir::Hidden),
            QStringList { "kept.inb" });
        QVERIFY(!QGuiApplication::overrideCursor());
    }
};

QTEST_MAIN(tst_FileFailures)
#include "tst_filefailures.moc"
