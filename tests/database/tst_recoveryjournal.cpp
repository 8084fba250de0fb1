#include <QtTest>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "FailingDevice.h"
#include "ItemFixtures.h"
#include "TestSupport.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/CollectionStep.h"
#include "database/DBItemCollection.h"
#include "database/DatabaseIdentity.h"
#include "database/Item.h"
#include "database/RecoveryFile.h"
#include "database/RecoveryJournal.h"
#include "database/RecoveryReplay.h"

#include <functional>
#include <memory>

namespace {

using Changes = std::function<void(DBItemCollection &)>;

void changeItem(DBItemCollection &collection, int index, const QString &name)
{
    Item *item = collection.at(index);
    CollectionStep step(collection, QStringLiteral("change of '%1'").arg(item->name()));
    collection.aboutToChange(item);
    item->setName(name);
    item->setPrice(item->price() + 0.1);
    item->setDescription(QStringLiteral("ændret: æøå ÆØÅ é"));
    collection.itemWasChanged(item);
}

// The changes of each kind, as the window's commands make them.
const QList<QPair<const char *, Changes>> &scenarios()
{
    static const QList<QPair<const char *, Changes>> all = {
        { "new item at the end",
            [](DBItemCollection &c) { c.add(ItemFixtures::makeItem(1, QStringLiteral("Lampe"), 40)); } },
        { "new item in the middle",
            [](DBItemCollection &c) { c.insert(2, ItemFixtures::makeItem(0, QStringLiteral("Stol"), 41)); } },
        { "changed item", [](DBItemCollection &c) { changeItem(c, 3, QStringLiteral("Sofa med æ")); } },
        { "deleted item", [](DBItemCollection &c) { c.deleteItem(c.at(0)); } },
        { "several steps, one of three changes",
            [](DBItemCollection &c) {
                c.add(ItemFixtures::makeItem(2, QStringLiteral("Ny"), 42));
                changeItem(c, 1, QStringLiteral("Anden"));
                CollectionStep step(c, QStringLiteral("delete of 2 items"));
                c.deleteItem(c.at(4));
                c.deleteItem(c.at(0));
                changeItem(c, 0, QStringLiteral("Tredje"));
            } },
        { "sorted by name, then changed",
            [](DBItemCollection &c) {
                c.sort(DBItemCollection::ByName);
                changeItem(c, 0, QStringLiteral("Først"));
            } },
        { "taken out and put back elsewhere",
            [](DBItemCollection &c) {
                CollectionStep step(c, QStringLiteral("move"));
                std::unique_ptr<Item> taken = c.take(c.at(1));
                c.insert(4, std::move(taken));
            } },
        { "list entry removed, items renumbered, list renamed",
            [](DBItemCollection &c) {
                QVERIFY(c.removeListEntry(DBItemCollection::GroupList, 2));
                c.setListEntries(DBItemCollection::GroupList,
                    { QStringLiteral("Stue"), QStringLiteral("Køkken"), QStringLiteral("Loftet") });
            } },
        { "list entry inserted",
            [](DBItemCollection &c) {
                QVERIFY(c.insertListEntry(DBItemCollection::LocationList, 1, QStringLiteral("Skur")));
            } },
        { "export's sort between two changes",
            [](DBItemCollection &c) {
                changeItem(c, 2, QStringLiteral("Før"));
                c.sort(DBItemCollection::ByDate);
                c.sort(DBItemCollection::ByProduct);
                changeItem(c, 2, QStringLiteral("Efter"));
            } },
    };
    return all;
}

QByteArray joined(const QList<QByteArray> &blocks)
{
    QByteArray bytes;
    for (const QByteArray &block : blocks)
        bytes += block;
    return bytes;
}

QStringList entries(const DBItemCollection &collection, DBItemCollection::NamedList list)
{
    QStringList names;
    for (int i = 0; i < collection.namedList(list).size(); ++i)
        names << collection.namedList(list).entry(i);
    return names;
}

} // namespace

class tst_RecoveryJournal : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestSupport::IsolatedSettings> m_settings;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_database;

    QString path(const QString &name) const { return m_dir->filePath(name); }

    QByteArray savedBytes(DBItemCollection &collection, const QString &name)
    {
        if (!collection.SaveToFileAsAscii(path(name)))
            return QByteArray();
        return TestSupport::readFile(path(name));
    }

private slots:
    void init()
    {
        m_settings = std::make_unique<TestSupport::IsolatedSettings>(OstranaEdition);
        m_dir = std::make_unique<QTemporaryDir>();
        Settings().setValue(QStringLiteral("LastDBDir"), m_dir->path());
        TestSupport::writeFile(path(QStringLiteral("groups/groups.dk.txt")), "Stue\r\nKøkken\r\nKælder\r\nLoft\r\n");
        TestSupport::writeFile(path(QStringLiteral("location/location.dk.txt")), "Loft\r\nKælder\r\nGarage\r\n");
        DBItemCollection collection(nullptr);
        const int groups[] = { 0, 1, 3, 1, 0, 3 };
        for (int i = 0; i < 6; ++i)
            collection.add(ItemFixtures::makeItem(groups[i], QStringLiteral("Ting %1").arg(5 - i), i));
        m_database = path(QStringLiteral("Hjem.inb"));
        QVERIFY(collection.SaveToFileAsAscii(m_database));
        setDatabaseModified(false);
    }
    void cleanup()
    {
        m_dir.reset();
        m_settings.reset();
    }

    // The changes written down and made again on the file as it was loaded
    // give the database the save writes without the crash; the restored step
    // is written down in turn, and gives the same again.
    void replayedChangesSaveAsTheOriginal_data()
    {
        QTest::addColumn<int>("scenario");
        for (int i = 0; i < scenarios().size(); ++i)
            QTest::newRow(scenarios()[i].first) << i;
    }
    void replayedChangesSaveAsTheOriginal()
    {
        QFETCH(int, scenario);
        DBItemCollection original(m_database, nullptr);
        RecoveryJournal journal;
        original.addJournal(&journal);
        scenarios()[scenario].second(original);
        original.removeJournal(&journal);
        QVERIFY(journal.steps() > 0);
        const QByteArray expected = savedBytes(original, QStringLiteral("expected.inb"));
        QVERIFY(!expected.isEmpty());

        DBItemCollection restored(m_database, nullptr);
        QVERIFY(!databaseModified());
        RecoveryJournal again;
        restored.addJournal(&again);
        RecoveryReplay replay;
        QString error;
        QVERIFY2(replay.read(joined(journal.blocks()), &error), qPrintable(error));
        QCOMPARE(replay.steps(), journal.steps());
        QVERIFY2(replay.apply(restored, QStringLiteral("gendannelse"), &error), qPrintable(error));
        restored.removeJournal(&again);
        QVERIFY(databaseModified());
        QCOMPARE(again.steps(), 1);
        for (auto list : { DBItemCollection::GroupList, DBItemCollection::LocationList })
            QCOMPARE(entries(restored, list), entries(original, list));
        QCOMPARE(savedBytes(restored, QStringLiteral("restored.inb")), expected);

        DBItemCollection third(m_database, nullptr);
        RecoveryReplay replayAgain;
        QVERIFY2(replayAgain.read(joined(again.blocks()), &error), qPrintable(error));
        QCOMPARE(replayAgain.steps(), 1);
        QVERIFY2(replayAgain.apply(third, QStringLiteral("gendannelse"), &error), qPrintable(error));
        QCOMPARE(savedBytes(third, QStringLiteral("third.inb")), expected);
    }

    // A change is written down from the change alone: the same change at
    // ten items and at twenty thousand gives the same text.
    void oneChangeIsOneLineWhateverTheSize()
    {
        QByteArray texts[2];
        const int sizes[] = { 10, 20000 };
        for (int round = 0; round < 2; ++round) {
            DBItemCollection collection(nullptr);
            for (int i = 0; i < sizes[round]; ++i)
                collection.add(ItemFixtures::plainItem(i % 3, QStringLiteral("Ting %1").arg(i)));
            RecoveryJournal journal;
            collection.addJournal(&journal);
            changeItem(collection, 7, QStringLiteral("Ændret"));
            collection.removeJournal(&journal);
            QCOMPARE(journal.blocks().size(), 1);
            texts[round] = journal.blocks().constFirst();
        }
        QCOMPARE(texts[1], texts[0]);
        const QList<QByteArray> lines = texts[0].split('\n');
        QCOMPARE(lines.size(), 3); // the change, the step's end, nothing after the last line end
        QVERIFY(lines[0].startsWith("C 7 "));
        QCOMPARE(lines[1], QByteArray("T 18:change of 'Ting 7'"));
    }

    // An item's line is the one the database file holds for it.
    void itemLineIsTheFilesLine()
    {
        DBItemCollection collection(m_database, nullptr);
        const QList<QByteArray> fileLines = TestSupport::readFile(m_database).split('\n');
        QCOMPARE(fileLines.size(), collection.count() + 2);
        for (int i = 0; i < collection.count(); ++i)
            QCOMPARE(RecoveryJournal::itemLine(*collection.at(i)), fileLines[i + 1]);
    }

    // Only complete steps are in the text; a sort between steps is kept, but
    // is no step; a restart forgets everything.
    void stepsAndSorts()
    {
        DBItemCollection collection(m_database, nullptr);
        RecoveryJournal journal;
        int told = 0;
        journal.setStepListener([&told] { ++told; });
        collection.addJournal(&journal);

        collection.beginStep(QStringLiteral("import"));
        collection.add(ItemFixtures::plainItem(QStringLiteral("Halv")));
        QCOMPARE(journal.blocks().size(), 0);
        QCOMPARE(journal.steps(), 0);
        collection.endStep();
        QCOMPARE(journal.blocks().size(), 1);
        QCOMPARE(journal.steps(), 1);
        QCOMPARE(told, 1);
        QVERIFY(journal.lastChange() > 0);

        collection.sort(DBItemCollection::ByName);
        QCOMPARE(journal.blocks().size(), 2);
        QCOMPARE(journal.blocks().last(), QByteArray("S 1\n"));
        QCOMPARE(journal.steps(), 1);
        QCOMPARE(told, 1);

        journal.restart();
        QCOMPARE(journal.blocks().size(), 0);
        QCOMPARE(journal.steps(), 0);
        QCOMPARE(journal.lastChange(), 0);
        collection.removeJournal(&journal);
    }

    // Text that is not a journal's is refused before anything is changed;
    // changes that do not fit the database change nothing either.
    void unreadableOrUnfittingChangesChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("readable");
        const QByteArray line = RecoveryJournal::itemLine(*ItemFixtures::makeItem(1, QStringLiteral("X"), 1));
        const QByteArray item = QByteArray::number(line.size()) + ':' + line;
        QTest::newRow("unknown kind") << QByteArray("Q 1\nT 0:\n") << false;
        QTest::newRow("no line end") << QByteArray("R 1\nT 0:") << false;
        QTest::newRow("length past the end") << QByteArray("I 0 500:abc\nT 0:\n") << false;
        QTest::newRow("not a number") << QByteArray("R x\nT 0:\n") << false;
        QTest::newRow("item line not an item") << QByteArray("I 0 3:abc\nT 0:\n") << false;
        QTest::newRow("item line with a line break")
            << QByteArray("C 0 " + item.left(item.size() - 1) + "\n\nT 0:\n") << false;
        QTest::newRow("insert past the end") << QByteArray("I 7 " + item + "\nT 0:\n") << true;
        QTest::newRow("change past the end, after a removal")
            << QByteArray("R 0\nT 0:\nC 5 " + item + "\nT 0:\n") << true;
        QTest::newRow("entry past the list's end") << QByteArray("E 2 9\nT 0:\n") << true;
        QTest::newRow("no such list") << QByteArray("E 7 0\nT 0:\n") << true;
    }
    void unreadableOrUnfittingChangesChangeNothing()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, readable);
        DBItemCollection collection(m_database, nullptr);
        const QStringList before = ItemFixtures::names(collection);
        RecoveryReplay replay;
        QString error;
        QCOMPARE(replay.read(text, &error), readable);
        if (readable) {
            QVERIFY(!replay.apply(collection, QStringLiteral("gendannelse"), &error));
            QVERIFY(error.contains(QStringLiteral("passer ikke")));
        } else {
            QVERIFY(error.contains(QStringLiteral("kan ikke læses")));
        }
        QCOMPARE(ItemFixtures::names(collection), before);
        QVERIFY(!databaseModified());
    }

    // The recovery file is used only whole, for this database and this state
    // of its file; anything else is refused with its reason.
    void recoveryFileIsCheckedAgainstItsDatabase_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("reason"); // empty: usable
        QTest::newRow("intact") << ""
                                << "";
        QTest::newRow("a byte of the body changed") << "body"
                                                    << "kontrolsummen passer ikke";
        QTest::newRow("cut short") << "cut"
                                   << "kontrolsummen passer ikke";
        QTest::newRow("not a recovery file") << "magic"
                                             << "beskadiget";
        QTest::newRow("header line missing") << "header"
                                             << "beskadiget";
        QTest::newRow("another database") << "database"
                                          << "en anden database";
        QTest::newRow("a new database's") << "new"
                                          << "en ny database";
        QTest::newRow("the database saved since") << "identity"
                                                  << "databasefilen er ændret";
        QTest::newRow("another edition") << "edition"
                                         << "programmet Numivax";
    }
    void recoveryFileIsCheckedAgainstItsDatabase()
    {
        QFETCH(QString, damage);
        QFETCH(QString, reason);
        DBItemCollection collection(m_database, nullptr);
        RecoveryJournal journal;
        collection.addJournal(&journal);
        changeItem(collection, 1, QStringLiteral("Ændret"));
        collection.deleteItem(collection.at(0));
        collection.removeJournal(&journal);

        RecoveryFile::Header header;
        header.edition = damage == QLatin1String("edition") ? QStringLiteral("Numivax") : editionName(false);
        header.database = damage == QLatin1String("database") ? path(QStringLiteral("Andet.inb"))
            : damage == QLatin1String("new")                  ? QString()
                                                              : QFileInfo(m_database).absoluteFilePath();
        header.identity = DatabaseIdentity::of(m_database);
        if (damage == QLatin1String("identity"))
            header.identity.size += 1;
        header.steps = journal.steps();
        header.lastChange = journal.lastChange();
        const QString file = RecoveryFile::besidePath(m_database);
        QCOMPARE(file, QFileInfo(m_database).absoluteFilePath() + QStringLiteral(".recovery"));
        QString error;
        QVERIFY2(RecoveryFile::write(file, header, journal.blocks(), &error), qPrintable(error));

        QByteArray bytes = TestSupport::readFile(file);
        if (damage == QLatin1String("body"))
            bytes[bytes.size() - 5] = bytes[bytes.size() - 5] ^ 0x20;
        else if (damage == QLatin1String("cut"))
            bytes.chop(3);
        else if (damage == QLatin1String("magic"))
            bytes.replace(0, 8, "LARKSPAM");
        else if (damage == QLatin1String("header"))
            bytes.replace(bytes.indexOf("steps "),
                bytes.indexOf('\n', bytes.indexOf("steps ")) - bytes.indexOf("steps ") + 1, "");
        QVERIFY(TestSupport::writeFile(file, bytes));

        const RecoveryFile::Contents contents = RecoveryFile::read(file, m_database, DatabaseIdentity::of(m_database));
        if (reason.isEmpty()) {
            QCOMPARE(contents.status, RecoveryFile::Usable);
            QCOMPARE(contents.body, joined(journal.blocks()));
            QCOMPARE(contents.header.steps, 2);
            QCOMPARE(contents.header.lastChange, journal.lastChange());
        } else {
            QCOMPARE(contents.status, RecoveryFile::Refused);
            QVERIFY2(contents.reason.contains(reason), qPrintable(contents.reason));
            QVERIFY(contents.body.isEmpty() || damage != QLatin1String("body"));
        }
        QCOMPARE(
            RecoveryFile::read(path(QStringLiteral("none.recovery")), m_database, {}).status, RecoveryFile::Missing);
    }

    // A full disk leaves the recovery file written before as it was.
    void fullDiskKeepsThePreviousFile()
    {
        RecoveryFile::Header header;
        header.edition = editionName(false);
        header.steps = 1;
        const QString file = path(QStringLiteral("new.recovery"));
        QString error;
        QVERIFY(RecoveryFile::write(file, header, { QByteArray("T 0:\n") }, &error));
        const QByteArray before = TestSupport::readFile(file);
        {
            TestSupport::FailingSaves full(40);
            bool notCreated = true;
            QVERIFY(!RecoveryFile::write(file, header, { QByteArray(1000, 'x') }, &error, &notCreated));
            QCOMPARE(error, TestSupport::FailingDevice::reason());
            QVERIFY(!notCreated);
        }
        QCOMPARE(TestSupport::readFile(file), before);
        QCOMPARE(QDir(m_dir->path()).entryList({ QStringLiteral("new.recovery*") }, QDir::Files | QDir::Hidden),
            QStringList { QStringLiteral("new.recovery") });
    }

    // A refused file goes aside under a name of its own each time; the state
    // folder keeps databases of one name apart.
    void refusedFilesGoAsideAndNamesStayApart()
    {
        const QString file = path(QStringLiteral("Hjem.inb.recovery"));
        QVERIFY(TestSupport::writeFile(file, "first"));
        QCOMPARE(RecoveryFile::moveAside(file), file + QStringLiteral(".refused"));
        QVERIFY(TestSupport::writeFile(file, "second"));
        QCOMPARE(RecoveryFile::moveAside(file), file + QStringLiteral(".refused-2"));
        QVERIFY(!QFile::exists(file));
        QCOMPARE(TestSupport::readFile(file + QStringLiteral(".refused")), QByteArray("first"));

        const QString one = RecoveryFile::statePath(path(QStringLiteral("a/Hjem.inb")));
        const QString two = RecoveryFile::statePath(path(QStringLiteral("b/Hjem.inb")));
        QVERIFY(one != two);
        QVERIFY(QFileInfo(one).fileName().startsWith(QStringLiteral("Hjem.inb-")));
        QCOMPARE(RecoveryFile::statePath(path(QStringLiteral("a/../a/Hjem.inb"))), one);
        QVERIFY(RecoveryFile::statePath(QString()) != one);
        QVERIFY(RecoveryFile::besidePath(QString()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_RecoveryJournal)
#include "tst_recoveryjournal.moc"
