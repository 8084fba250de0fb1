#include <QtTest>

#include <QTemporaryDir>

#include <memory>

#include "FailingDevice.h"
#include "ItemFixtures.h"
#include "ReadOnlyFolder.h"
#include "TestSupport.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/DatabaseVersions.h"
#include "database/Item.h"
#include "database/ReplacedVersion.h"

using ItemFixtures::Collection;
using ItemFixtures::makeItem;

// The versions a save keeps of the file it replaces: how many, which bytes,
// which files go, and what happens when a version cannot be made or the save
// itself fails.
class tst_DatabaseVersions : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

    QString databasePath() const { return m_dir->filePath(QStringLiteral("Hjem.inb")); }
    QString versionsFolder() const { return m_dir->filePath(QStringLiteral("versions")); }

    // The versions' contents, newest first.
    QList<QByteArray> versionBytes() const
    {
        QList<QByteArray> bytes;
        for (const DatabaseVersions::Version &version : DatabaseVersions(databasePath()).versions())
            bytes.append(TestSupport::readFile(version.path));
        return bytes;
    }

    // Adds an item and saves as the user's save does; the bytes the save replaced.
    static QByteArray changeAndSave(DBItemCollection &collection, const QString &path, bool *saved = nullptr)
    {
        const int n = collection.count();
        collection.add(makeItem(n % 3, QStringLiteral("Ting %1").arg(n), n));
        const QByteArray before = TestSupport::readFile(path);
        const bool ok = collection.SaveToFileAsAscii(path, true);
        if (saved)
            *saved = ok;
        return before;
    }

    static QList<MessageBox::Shown> versionNotices(const TestSupport::RecordedMessageBoxes &boxes)
    {
        QList<MessageBox::Shown> found;
        for (const MessageBox::Shown &box : boxes.shown()) {
            if (box.title == QLatin1String("Ingen tidligere version gemt"))
                found.append(box);
        }
        return found;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }
    void cleanup()
    {
        ReplacedVersion::setLinkOperation({});
        ReplacedVersion::setRenameOperation({});
        ReplacedVersion::setAfterKeep({});
        SaveTarget::setFrontDevice({});
        m_dir.reset();
    }

    void savesKeepTheNewestVersions_data()
    {
        QTest::addColumn<QVariant>("setting");
        QTest::addColumn<int>("kept");
        QTest::newRow("not set") << QVariant() << 10;
        QTest::newRow("none") << QVariant(0) << 0;
        QTest::newRow("three") << QVariant(3) << 3;
        QTest::newRow("not a number") << QVariant(QStringLiteral("many")) << 10;
    }
    void savesKeepTheNewestVersions()
    {
        QFETCH(QVariant, setting);
        QFETCH(int, kept);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        TestSupport::RecordedMessageBoxes boxes;
        if (setting.isValid())
            Settings().setValue(DatabaseVersions::keepKey(), setting);
        // Files of others in the folder: never listed, never removed.
        const QDir versions(versionsFolder());
        QVERIFY(QDir().mkpath(versions.path()));
        const QStringList others { QStringLiteral("Hjem.inb"), QStringLiteral("Hjemme 2020-01-01 10.00.00.inb"),
            QStringLiteral("Hjem 2020-01-01 10.00.00.txt"), QStringLiteral("noter.txt") };
        for (const QString &other : others)
            QVERIFY(TestSupport::writeFile(versions.filePath(other), "not a version"));

        Collection c;
        bool saved = false;
        changeAndSave(c.db, databasePath(), &saved);
        QVERIFY(saved);
        // A save that makes the file replaces nothing.
        QCOMPARE(versionBytes().size(), 0);

        // Ten saves that replace the file, then an eleventh.
        QList<QByteArray> replaced;
        for (int i = 0; i < 11; ++i) {
            replaced.prepend(changeAndSave(c.db, databasePath(), &saved));
            QVERIFY(saved);
            QCOMPARE(versionBytes(), replaced.mid(0, std::min<qsizetype>(kept, replaced.size())));
        }
        QCOMPARE(versionBytes().size(), kept);
        for (const QString &other : others)
            QCOMPARE(TestSupport::readFile(versions.filePath(other)), QByteArray("not a version"));
        QCOMPARE(boxes.count(), 0);
    }

    void onlySavesOfTheDatabaseKeepVersions()
    {
        TestSupport::IsolatedSettings settings(OstranaEdition);
        Collection c;
        c.db.add(makeItem(1, QStringLiteral("Sofa"), 1));
        // A backup, or any other copy, is written without versions.
        QVERIFY(c.db.SaveToFileAsAscii(databasePath()));
        QVERIFY(c.db.SaveToFileAsAscii(databasePath()));
        QVERIFY(!QFileInfo::exists(versionsFolder()));
        // With keep none, the folder is not even made.
        Settings().setValue(DatabaseVersions::keepKey(), 0);
        QVERIFY(c.db.SaveToFileAsAscii(databasePath(), true));
        QVERIFY(!QFileInfo::exists(versionsFolder()));
    }

    void versionsAreListedNewestFirst()
    {
        const QDir versions(versionsFolder());
        QVERIFY(QDir().mkpath(versions.path()));
        const QStringList names { QStringLiteral("Hjem 2026-12-09 17.03.12 (9).inb"),
            QStringLiteral("Hjem 2025-01-31 23.59.59.inb"), QStringLiteral("Hjem 2026-12-09 17.03.12 (10).inb"),
            QStringLiteral("Hjem 2026-12-09 17.03.12.inb"), QStringLiteral("Hjem 2026-12-09 17.03.11 (2).inb") };
        for (const QString &name : names)
            QVERIFY(TestSupport::writeFile(versions.filePath(name), "x"));
        QStringList listed;
        for (const DatabaseVersions::Version &version : DatabaseVersions(databasePath()).versions())
            listed.append(QFileInfo(version.path).fileName());
        QCOMPARE(listed, (QStringList { names.at(2), names.at(0), names.at(3), names.at(4), names.at(1) }));

        // A version held (being restored) stays however few are kept.
        DatabaseVersions::hold(versions.filePath(names.at(1)));
        DatabaseVersions(databasePath()).removeBeyond(2);
        DatabaseVersions::release(versions.filePath(names.at(1)));
        QCOMPARE(versions.entryList(QDir::Files, QDir::Name), (QStringList { names.at(1), names.at(2), names.at(0) }));
    }

    void numbersCountOnPastGaps()
    {
        const QDir versions(versionsFolder());
        QVERIFY(QDir().mkpath(versions.path()));
        const QDateTime when
            = QDateTime::fromString(QStringLiteral("2026-12-09 17.03.12"), QStringLiteral("yyyy-MM-dd HH.mm.ss"));
        const DatabaseVersions database(databasePath());
        QCOMPARE(QFileInfo(database.newVersionPath(when)).fileName(), QStringLiteral("Hjem 2026-12-09 17.03.12.inb"));
        QVERIFY(TestSupport::writeFile(versions.filePath(QStringLiteral("Hjem 2026-12-09 17.03.12.inb")), "x"));
        QCOMPARE(
            QFileInfo(database.newVersionPath(when)).fileName(), QStringLiteral("Hjem 2026-12-09 17.03.12 (2).inb"));
        // The oldest ones of that second were removed: the next is still the newest.
        QVERIFY(QFile::remove(versions.filePath(QStringLiteral("Hjem 2026-12-09 17.03.12.inb"))));
        QVERIFY(TestSupport::writeFile(versions.filePath(QStringLiteral("Hjem 2026-12-09 17.03.12 (3).inb")), "x"));
        QCOMPARE(
            QFileInfo(database.newVersionPath(when)).fileName(), QStringLiteral("Hjem 2026-12-09 17.03.12 (4).inb"));
    }

    void dataLinesAreCounted_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("lines");
        const QByteArray header = ItemFixtures::ostranaHeader;
        QTest::newRow("empty file") << QByteArray() << qint64(0);
        QTest::newRow("header only") << header + "\r\n" << qint64(0);
        QTest::newRow("three lines") << header + "\r\na;\r\nb;\r\nc;\r\n" << qint64(3);
        QTest::newRow("no line end at the end") << header + "\na;\nb;" << qint64(2);
        QTest::newRow("blank lines and a second header") << header + "\r\n\r\na;\r\n\n" + header + "\r\nb;\r\n\r\n"
                                                         << qint64(2);
        QByteArray large = header + "\r\n";
        const QByteArray line = QByteArray(150, 'x') + ";\r\n";
        for (int i = 0; i < 60000; ++i)
            large += line; // 9 MB: lines across the reader's blocks
        QTest::newRow("large file") << large << qint64(60000);
    }
    void dataLinesAreCounted()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, lines);
        const QString path = m_dir->filePath(QStringLiteral("counted.inb"));
        QVERIFY(TestSupport::writeFile(path, bytes));
        QCOMPARE(DatabaseVersions::countDataLines(path), lines);
        const std::atomic<bool> stop { true };
        QCOMPARE(DatabaseVersions::countDataLines(path, &stop), qint64(-1));
        QCOMPARE(DatabaseVersions::countDataLines(m_dir->filePath(QStringLiteral("missing.inb"))), qint64(-1));
    }

    void countMatchesTheItemsSaved()
    {
        TestSupport::IsolatedSettings settings(OstranaEdition);
        Collection c;
        for (int i = 0; i < 25; ++i)
            c.db.add(makeItem(i % 4, QStringLiteral("Ting %1").arg(i), i));
        QVERIFY(c.db.SaveToFileAsAscii(databasePath()));
        QCOMPARE(DatabaseVersions::countDataLines(databasePath()), qint64(25));
    }

    void folderThatTakesNoVersions_data()
    {
        QTest::addColumn<QString>("readOnly");
        QTest::addColumn<bool>("saves");
        QTest::newRow("versions folder read-only") << "versions" << true;
        QTest::newRow("database folder read-only") << "" << false;
    }
    void folderThatTakesNoVersions()
    {
        QFETCH(QString, readOnly);
        QFETCH(bool, saves);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        TestSupport::RecordedMessageBoxes boxes;
        Collection c;
        changeAndSave(c.db, databasePath());
        QVERIFY(QDir().mkpath(versionsFolder()));
        TestSupport::ReadOnlyFolder folder(m_dir->filePath(readOnly));
        if (!folder.isReadOnly())
            QSKIP("the folder cannot be made read-only here");

        for (int save = 0; save < 2; ++save) {
            bool saved = false;
            const QByteArray before = changeAndSave(c.db, databasePath(), &saved);
            QCOMPARE(saved, saves);
            if (!saves)
                QCOMPARE(TestSupport::readFile(databasePath()), before);
        }
        QCOMPARE(QDir(versionsFolder()).entryList(QDir::Files | QDir::Hidden), QStringList());
        if (saves) {
            // Told once, not at every save.
            QCOMPARE(boxes.count(), 1);
            QCOMPARE(boxes.last().kind, MessageBox::Warning);
            QCOMPARE(versionNotices(boxes).size(), 1);
            QVERIFY2(
                boxes.last().text.contains(QDir::toNativeSeparators(versionsFolder())), qPrintable(boxes.last().text));
        } else {
            // The save itself fails as it always has; no word of versions.
            QCOMPARE(boxes.count(), 2);
            QCOMPARE(versionNotices(boxes).size(), 0);
        }
    }

    void linkThatFails_data()
    {
        QTest::addColumn<bool>("leavesFile");
        QTest::addColumn<bool>("renames");
        QTest::newRow("no links here: the old file moves") << false << true;
        QTest::newRow("link and move fail") << false << false;
        QTest::newRow("link fails half made, move fails") << true << false;
    }
    void linkThatFails()
    {
        QFETCH(bool, leavesFile);
        QFETCH(bool, renames);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        TestSupport::RecordedMessageBoxes boxes;
        Collection c;
        changeAndSave(c.db, databasePath());
        int links = 0;
        ReplacedVersion::setLinkOperation([&](const QString &, const QString &to) {
            ++links;
            if (leavesFile)
                TestSupport::writeFile(to, "part");
            return false;
        });
        if (!renames)
            ReplacedVersion::setRenameOperation([](const QString &, const QString &) { return false; });

        QList<QByteArray> replaced;
        for (int save = 0; save < 2; ++save) {
            bool saved = false;
            replaced.prepend(changeAndSave(c.db, databasePath(), &saved));
            QVERIFY(saved);
        }
        QCOMPARE(links, 2);
        QCOMPARE(versionBytes(), renames ? replaced : QList<QByteArray>());
        QCOMPARE(QDir(versionsFolder()).entryList(QDir::Files | QDir::Hidden).size(), renames ? 2 : 0);
        QCOMPARE(versionNotices(boxes).size(), renames ? 0 : 1);
        QCOMPARE(boxes.count(), renames ? 0 : 1);
        // What the last save wrote is the database.
        Collection again;
        QVERIFY(again.db.LoadFromAsciiFile(databasePath()));
        QCOMPARE(again.db.count(), c.db.count());
    }

    void commitThatFailsTakesTheVersionAway()
    {
        TestSupport::IsolatedSettings settings(OstranaEdition);
        TestSupport::RecordedMessageBoxes boxes;
        Collection c;
        changeAndSave(c.db, databasePath());
        const QByteArray first = changeAndSave(c.db, databasePath());
        const QByteArray before = TestSupport::readFile(databasePath());
        // Once the version is made, the folder takes no new file: the new
        // file cannot take the database's name.
        std::unique_ptr<TestSupport::ReadOnlyFolder> folder;
        bool versionSeen = false;
        ReplacedVersion::setAfterKeep([&] {
            versionSeen = versionBytes().size() == 2;
            folder = std::make_unique<TestSupport::ReadOnlyFolder>(m_dir->path());
        });
        bool saved = true;
        changeAndSave(c.db, databasePath(), &saved);
        const bool wasReadOnly = folder && folder->isReadOnly();
        folder.reset();
        if (!wasReadOnly)
            QSKIP("the folder cannot be made read-only here");
        QVERIFY(versionSeen);
        QVERIFY(!saved);
        QCOMPARE(TestSupport::readFile(databasePath()), before);
        QCOMPARE(versionBytes(), QList<QByteArray> { first });
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().title, QStringLiteral("Databasen blev ikke gemt"));
    }

    void failedWriteLeavesDatabaseAndVersions_data()
    {
        QTest::addColumn<qint64>("limit");
        QTest::newRow("full at once") << qint64(10);
        QTest::newRow("full at the last byte") << qint64(-1);
    }
    void failedWriteLeavesDatabaseAndVersions()
    {
        QFETCH(qint64, limit);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        TestSupport::RecordedMessageBoxes boxes;
        Collection c;
        changeAndSave(c.db, databasePath());
        changeAndSave(c.db, databasePath());
        changeAndSave(c.db, databasePath());
        const QByteArray before = TestSupport::readFile(databasePath());
        const QList<QByteArray> versions = versionBytes();
        const QStringList files = QDir(versionsFolder()).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(versions.size(), 2);
        {
            // The file the save would write has one more item than before.
            TestSupport::FailingSaves full(limit < 0 ? before.size() + 100 : limit);
            bool saved = true;
            changeAndSave(c.db, databasePath(), &saved);
            QVERIFY(!saved);
        }
        QCOMPARE(TestSupport::readFile(databasePath()), before);
        QCOMPARE(versionBytes(), versions);
        QCOMPARE(QDir(versionsFolder()).entryList(QDir::Files | QDir::Hidden), files);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().kind, MessageBox::Critical);
    }
};

QTEST_MAIN(tst_DatabaseVersions)
#include "tst_databaseversions.moc"
