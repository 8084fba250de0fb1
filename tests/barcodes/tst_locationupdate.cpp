#include <QtTest>

#include <QRandomGenerator>

#include "TestSupport.h"
#include "barcodes/LocationUpdate.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"

#include <algorithm>
#include <limits>
#include <memory>

using namespace TestSupport;

namespace {

const QDateTime importTime(QDate(2026, 3, 14), QTime(9, 26, 53));

QDateTime fixedTime()
{
    return importTime;
}

QString today()
{
    return QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
}

void addItem(DBItemCollection &collection, int group, const QString &serial, int count, const QString &name)
{
    auto item = std::make_unique<Item>();
    item->setGroup(group);
    item->setSerialno(serial);
    item->setNumberOfItems(count);
    item->setName(name);
    item->setDate(QStringLiteral("01.02.2020"));
    collection.add(std::move(item));
}

// Every item as "group:serial:count:name:date", the date written as "today"
// when it is today's; sorted, so that the order of the collection does not count.
QStringList state(const DBItemCollection &collection)
{
    QStringList result;
    for (const Item *item : collection) {
        const QString date = item->date() == today() ? QStringLiteral("today") : item->date();
        result << QStringLiteral("%1:%2:%3:%4:%5")
                      .arg(item->group())
                      .arg(item->serialno())
                      .arg(item->numberOfItems())
                      .arg(item->name(), date);
    }
    std::sort(result.begin(), result.end());
    return result;
}

QStringList texts(const RecordedMessageBoxes &boxes)
{
    QStringList result;
    for (const MessageBox::Shown &shown : boxes.shown())
        result << shown.title + QStringLiteral(" | ") + shown.text;
    return result;
}

// A clock one minute on at every reading, so that every import has its own
// backup name.
int g_minutes = 0;
QDateTime tickingTime()
{
    return importTime.addSecs(60 * g_minutes++);
}

QString quorvel(const QString &text)
{
    return QStringLiteral("Quorvel | ") + text;
}

} // namespace

class tst_LocationUpdate : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<IsolatedSettings> m_settings;
    QTemporaryDir m_folder;
    std::unique_ptr<DBItemCollection> m_collection;

    QString importPath() const { return m_folder.filePath(QStringLiteral("Location.update.txt")); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        LocationUpdate::setClock(&fixedTime);
    }

    void init()
    {
        m_settings = std::make_unique<IsolatedSettings>(QuorvelEdition);
        // The lock and the lists of the database belong to the test's folder.
        Settings().setValue(QStringLiteral("LastDBDir"), m_folder.path());
        m_collection = std::make_unique<DBItemCollection>(nullptr);
        m_collection->groups().clear();
        for (const char *name : { "Lager", "Butik", "Hylde", "Kælder" })
            m_collection->groups().add(QString::fromUtf8(name));
        addItem(*m_collection, 2, QStringLiteral("123"), 5, QStringLiteral("Hammer"));
        addItem(*m_collection, 0, QStringLiteral("200"), 3, QStringLiteral("Sav"));
        addItem(*m_collection, 1, QStringLiteral("200"), 2, QStringLiteral("Sav"));
        setDatabaseModified(false);
        for (const QString &name : QDir(m_folder.path()).entryList(QDir::Files))
            QFile::remove(m_folder.filePath(name));
    }

    void cleanup()
    {
        m_collection.reset();
        m_settings.reset();
    }

    void records_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QStringList>("expectedItems");
        QTest::addColumn<QStringList>("expectedMessages");

        QTest::newRow("I records")
            << "count.txt" << QStringList { "0:200:5:Sav:today", "1:200:2:Sav:01.02.2020", "2:123:4:Hammer:today" }
            << QStringList {
                   quorvel("Update (I) failed, to few items: 4 in record: 123 - can not subtract (-6)"),
                   quorvel("Update failed for location: 2, inventory_id: 000123, items: -6"),
                   quorvel("Move failed, location1: 7 not found, max groups: 4"),
                   quorvel("Update failed for location: 7, inventory_id: 123, items: 1"),
                   quorvel("Update failed for location: 1, inventory_id: 123, items: 1"),
                   quorvel("Update failed for location: 2, inventory_id: 12x, items: 1"),
               };
        QTest::newRow("F records")
            << "move.txt" << QStringList { "0:200:2:Sav:today", "1:200:3:Sav:today", "3:123:5:Hammer:today" }
            << QStringList {
                   quorvel("Move failed, location2: 9 not found, max groups: 4"),
                   quorvel("Move failed, to few items: 2 in record: 200 - can not subtract (7)"),
                   quorvel("Move failed, ItemId: 999 - not found at location: 1"),
                   quorvel("Move failed, ItemId: 200 - the number of items to move must be at least 1: 0"),
               };
        QTest::newRow("S records") << "place.txt"
                                   << QStringList { "0:200:3:Sav:01.02.2020", "1:200:2:Sav:01.02.2020",
                                          "1:201:2:Hammer:today", "3:123:5:Hammer:01.02.2020" }
                                   << QStringList {
                                          quorvel("Move failed, location1: 9 not found, max groups: 4"),
                                          quorvel("Update failed for location: 9, inventory_id: 123, items: "),
                                          quorvel("Move failed, location1: 9 not found, max groups: 4"),
                                          quorvel("Update failed for location: 9, inventory_id: 123, items: 2"),
                                          quorvel("Update failed for location: 1, inventory_id: 555, items: "),
                                          quorvel("Update failed for location: 1, inventory_id: 123, items: 0"),
                                      };
    }

    void records()
    {
        QFETCH(QString, fixture);
        QFETCH(QStringList, expectedItems);
        QFETCH(QStringList, expectedMessages);

        const QByteArray bytes = readFile(testDataPath(QStringLiteral("locationupdate/") + fixture));
        QVERIFY(!bytes.isEmpty());
        QVERIFY(writeFile(importPath(), bytes));

        RecordedMessageBoxes boxes;
        QVERIFY(LocationUpdate::importFile(importPath(), *m_collection));

        QCOMPARE(texts(boxes), expectedMessages);
        QCOMPARE(state(*m_collection), expectedItems);
        QVERIFY(databaseModified());
        // The file is gone; its backup, named with the minute, holds it whole.
        QVERIFY(!QFile::exists(importPath()));
        QCOMPARE(readFile(importPath() + QStringLiteral(".14.03.2026.09.26")), bytes);

        // What was applied is what the database file keeps.
        const QString database = m_folder.filePath(QStringLiteral("stock.db"));
        QVERIFY(m_collection->SaveToFileAsAscii(database));
        DBItemCollection reread(nullptr);
        QVERIFY(reread.LoadFromAsciiFile(database));
        QCOMPARE(state(reread), expectedItems);
        reread.releaseLock();
        QFile::remove(DBItemCollection::lockFilePath());
    }

    // The edges of what a record may do, one small file each: the last group
    // and one past it, a count brought down to exactly zero and one more,
    // and counts at the top and bottom of what an item can hold.
    void edges_data()
    {
        QTest::addColumn<QString>("lines");
        QTest::addColumn<int>("hammerCount"); // the Hammer at 2, serial 123
        QTest::addColumn<int>("sawCount"); // the Sav at 1, serial 200
        QTest::addColumn<QString>("extraSerial"); // a Mutter at 0 with this serial
        QTest::addColumn<QStringList>("expectedItems");
        QTest::addColumn<QStringList>("expectedMessages");

        const QString saws[] = { QStringLiteral("0:200:3:Sav:01.02.2020"), QStringLiteral("1:200:2:Sav:01.02.2020") };
        const QString hammer = QStringLiteral("2:123:5:Hammer:01.02.2020");
        const QStringList unchanged { saws[0], saws[1], hammer };
        const QString top = QString::number(std::numeric_limits<int>::max());
        const QString bottom = QString::number(std::numeric_limits<int>::min());
        const auto beyond = [&](const char *kind, const char *count) {
            return quorvel(
                QString::fromUtf8("Post %1 for vare 123 mislykkedes: antallet %2 ligger uden for det, en vare kan "
                                  "have (%3 til %4)")
                    .arg(QLatin1String(kind), QLatin1String(count), bottom, top));
        };
        const int full = std::numeric_limits<int>::max();

        QTest::newRow("I at the last group")
            << "S;3;123\nI;3;123;1" << 5 << 2 << "" << QStringList { saws[0], saws[1], "3:123:6:Hammer:today" }
            << QStringList();
        QTest::newRow("I one past the group list")
            << "I;4;123;1" << 5 << 2 << "" << unchanged
            << QStringList { quorvel("Move failed, location1: 4 not found, max groups: 4"),
                   quorvel("Update failed for location: 4, inventory_id: 123, items: 1") };
        QTest::newRow("I before the group list")
            << "I;-1;123;1" << 5 << 2 << "" << unchanged
            << QStringList { quorvel("Move failed, location1: -1 not found, max groups: 4"),
                   quorvel("Update failed for location: -1, inventory_id: 123, items: 1") };
        QTest::newRow("F to the last group")
            << "F;2;3;123;1" << 5 << 2 << ""
            << QStringList { saws[0], saws[1], "2:123:4:Hammer:today", "3:123:1:Hammer:today" } << QStringList();
        QTest::newRow("F to one past the group list")
            << "F;2;4;123;1" << 5 << 2 << "" << unchanged
            << QStringList { quorvel("Move failed, location2: 4 not found, max groups: 4") };
        QTest::newRow("F from the last group")
            << "S;3;123\nF;3;2;123;2" << 5 << 2 << ""
            << QStringList { saws[0], saws[1], "2:123:2:Hammer:today", "3:123:3:Hammer:today" } << QStringList();
        QTest::newRow("F from one past the group list")
            << "F;4;2;123;1" << 5 << 2 << "" << unchanged
            << QStringList { quorvel("Move failed, location1: 4 not found, max groups: 4") };
        QTest::newRow("S to the last group")
            << "S;3;123" << 5 << 2 << "" << QStringList { saws[0], saws[1], "3:123:5:Hammer:01.02.2020" }
            << QStringList();
        QTest::newRow("S to one past the group list")
            << "S;4;123" << 5 << 2 << "" << unchanged
            << QStringList { quorvel("Move failed, location1: 4 not found, max groups: 4"),
                   quorvel("Update failed for location: 4, inventory_id: 123, items: ") };
        QTest::newRow("S copy to the last group")
            << "S;3;123;2" << 5 << 2 << "" << QStringList { saws[0], saws[1], hammer, "3:201:2:Hammer:today" }
            << QStringList();
        QTest::newRow("S copy to one past the group list")
            << "S;4;123;2" << 5 << 2 << "" << unchanged
            << QStringList { quorvel("Move failed, location1: 4 not found, max groups: 4"),
                   quorvel("Update failed for location: 4, inventory_id: 123, items: 2") };

        QTest::newRow("I down to exactly zero keeps the item")
            << "I;2;123;-5" << 5 << 2 << "" << QStringList { saws[0], saws[1], "2:123:0:Hammer:today" }
            << QStringList();
        QTest::newRow("I one below zero")
            << "I;2;123;-6" << 5 << 2 << "" << unchanged
            << QStringList { quorvel("Update (I) failed, to few items: 5 in record: 123 - can not subtract (-6)"),
                   quorvel("Update failed for location: 2, inventory_id: 123, items: -6") };
        QTest::newRow("F of all pieces deletes the source")
            << "F;2;3;123;5" << 5 << 2 << "" << QStringList { saws[0], saws[1], "3:123:5:Hammer:today" }
            << QStringList();
        QTest::newRow("F of all pieces onto an item there")
            << "F;0;1;200;3" << 5 << 2 << "" << QStringList { "1:200:5:Sav:today", hammer } << QStringList();
        QTest::newRow("F of one more than there are")
            << "F;2;3;123;6" << 5 << 2 << "" << unchanged
            << QStringList { quorvel("Move failed, to few items: 5 in record: 123 - can not subtract (6)") };

        QTest::newRow("I up to the top") << "I;2;123;1" << full - 1 << 2 << ""
                                         << QStringList { saws[0], saws[1], "2:123:" + top + ":Hammer:today" }
                                         << QStringList();
        QTest::newRow("I past the top") << "I;2;123;1" << full << 2 << ""
                                        << QStringList { saws[0], saws[1], "2:123:" + top + ":Hammer:01.02.2020" }
                                        << QStringList { quorvel(QString::fromUtf8(
                                                             "Optælling (I) mislykkedes for vare 123: 2147483647 + 1 "
                                                             "stykker er flere, end en vare kan have (2147483647)")),
                                               quorvel("Update failed for location: 2, inventory_id: 123, items: 1") };
        QTest::newRow("F onto a full item changes neither")
            << "F;0;1;200;1" << 5 << full << "" << QStringList { saws[0], "1:200:" + top + ":Sav:01.02.2020", hammer }
            << QStringList { quorvel(QString::fromUtf8("Flytning mislykkedes for vare 200: 2147483647 + 1 stykker "
                                                       "på lokation 1 er flere, end en vare kan have (2147483647)")) };
        QTest::newRow("F of a full item to a new place")
            << "F;2;3;123;" + top << full << 2 << ""
            << QStringList { saws[0], saws[1], "3:123:" + top + ":Hammer:today" } << QStringList();
        QTest::newRow("I count past an int")
            << "I;2;123;2147483648" << 5 << 2 << "" << unchanged
            << QStringList { beyond("I", "2147483648"),
                   quorvel("Update failed for location: 2, inventory_id: 123, items: 2147483648") };
        QTest::newRow("I count below an int")
            << "I;2;123;-2147483649" << 5 << 2 << "" << unchanged
            << QStringList { beyond("I", "-2147483649"),
                   quorvel("Update failed for location: 2, inventory_id: 123, items: -2147483649") };
        QTest::newRow("F count past an int")
            << "F;2;3;123;2147483648" << 5 << 2 << "" << unchanged << QStringList { beyond("F", "2147483648") };
        QTest::newRow("S count past even 64 bits")
            << "S;1;123;99999999999999999999" << 5 << 2 << "" << unchanged
            << QStringList { beyond("S", "99999999999999999999"),
                   quorvel("Update failed for location: 1, inventory_id: 123, items: 99999999999999999999") };
        QTest::newRow("I count at the bottom of an int")
            << "I;2;123;" + bottom << 5 << 2 << "" << unchanged
            << QStringList { quorvel("Update (I) failed, to few items: 5 in record: 123 - can not subtract (" + bottom
                                 + ")"),
                   quorvel("Update failed for location: 2, inventory_id: 123, items: " + bottom) };
        QTest::newRow("F count at the bottom of an int")
            << "F;2;3;123;" + bottom << 5 << 2 << "" << unchanged
            << QStringList { quorvel(
                   "Move failed, ItemId: 123 - the number of items to move must be at least 1: " + bottom) };
        QTest::newRow("S copy takes the last serial number")
            << "S;1;123;2" << 5 << 2 << QString::number(full - 1)
            << QStringList { saws[0], saws[1], hammer, "0:" + QString::number(full - 1) + ":1:Mutter:01.02.2020",
                   "1:" + top + ":2:Hammer:today" }
            << QStringList();
        QTest::newRow("S copy when the serial numbers are used up")
            << "S;1;123;2" << 5 << 2 << top
            << QStringList { saws[0], saws[1], hammer, "0:" + top + ":1:Mutter:01.02.2020" }
            << QStringList { quorvel(QString::fromUtf8("Placering (S) mislykkedes for vare 123: der er intet "
                                                       "varenummer efter 2147483647 til den nye vare")),
                   quorvel("Update failed for location: 1, inventory_id: 123, items: 2") };
    }

    void edges()
    {
        QFETCH(QString, lines);
        QFETCH(int, hammerCount);
        QFETCH(int, sawCount);
        QFETCH(QString, extraSerial);
        QFETCH(QStringList, expectedItems);
        QFETCH(QStringList, expectedMessages);

        m_collection->findByGroupAndSerial(2, QStringLiteral("123"))->setNumberOfItems(hammerCount);
        m_collection->findByGroupAndSerial(1, QStringLiteral("200"))->setNumberOfItems(sawCount);
        if (!extraSerial.isEmpty())
            addItem(*m_collection, 0, extraSerial, 1, QStringLiteral("Mutter"));
        QVERIFY(writeFile(importPath(), lines.toLatin1() + "\r\n"));

        RecordedMessageBoxes boxes;
        QVERIFY(LocationUpdate::importFile(importPath(), *m_collection));
        QCOMPARE(texts(boxes), expectedMessages);
        std::sort(expectedItems.begin(), expectedItems.end());
        QCOMPARE(state(*m_collection), expectedItems);
    }

    // The records of one import look their items up in one index made for
    // the import: items that records add, move and delete on the way are
    // found as when every record is imported on its own.
    void manyRecordsAsOneImportOrEach()
    {
        DBItemCollection each(nullptr);
        each.groups().clear();
        for (int g = 0; g < 4; ++g)
            each.groups().add(m_collection->groups().entry(g));
        // The three items every test starts with, then many more.
        addItem(each, 2, QStringLiteral("123"), 5, QStringLiteral("Hammer"));
        addItem(each, 0, QStringLiteral("200"), 3, QStringLiteral("Sav"));
        addItem(each, 1, QStringLiteral("200"), 2, QStringLiteral("Sav"));
        for (DBItemCollection *collection : { m_collection.get(), &each }) {
            for (int serial = 1; serial <= 3000; ++serial)
                addItem(*collection, serial % 4, QString::number(serial), 1 + serial % 3, QStringLiteral("Ting"));
        }
        QRandomGenerator random(20260314);
        QStringList lines;
        for (int i = 0; i < 400; ++i) {
            const int serial = 1 + int(random.bounded(3000 + i / 4));
            const int group = int(random.bounded(4));
            const int other = int(random.bounded(4));
            const int count = 1 + int(random.bounded(3));
            switch (random.bounded(4)) {
            case 0:
                lines << QStringLiteral("I;%1;%2;%3").arg(group).arg(serial).arg(count - 2);
                break;
            case 1:
                lines << QStringLiteral("F;%1;%2;%3;%4").arg(group).arg(other).arg(serial).arg(count);
                break;
            case 2:
                lines << QStringLiteral("S;%1;%2").arg(group).arg(serial);
                break;
            default:
                lines << QStringLiteral("S;%1;%2;%3").arg(group).arg(serial).arg(count);
            }
        }

        g_minutes = 0;
        LocationUpdate::setClock(&tickingTime);
        RecordedMessageBoxes boxes;
        QVERIFY(writeFile(importPath(), lines.join(QStringLiteral("\r\n")).toLatin1() + "\r\n"));
        QVERIFY(LocationUpdate::importFile(importPath(), *m_collection));
        const QStringList together = texts(boxes);
        for (const QString &line : std::as_const(lines)) {
            QVERIFY(writeFile(importPath(), line.toLatin1() + "\r\n"));
            QVERIFY(LocationUpdate::importFile(importPath(), each));
        }
        LocationUpdate::setClock(&fixedTime);
        QCOMPARE(texts(boxes).mid(together.size()), together);
        QVERIFY(m_collection->count() > 3000);
        QCOMPARE(m_collection->highestSerialNumber(), each.highestSerialNumber());
        QVERIFY(m_collection->highestSerialNumber() > 3000);
        QCOMPARE(state(*m_collection), state(each));
        // The same order as well: later lookups take the first item found.
        QCOMPARE(m_collection->count(), each.count());
        for (int i = 0; i < each.count(); ++i)
            QCOMPARE(m_collection->at(i)->serialno(), each.at(i)->serialno());
        each.clear();
    }

    void sameMinuteRefused()
    {
        const QByteArray first = "I;2;123;-1\r\n";
        const QByteArray second = "I;2;123;-2\r\n";
        QVERIFY(writeFile(importPath(), first));
        {
            RecordedMessageBoxes boxes;
            QVERIFY(LocationUpdate::importFile(importPath(), *m_collection));
            QCOMPARE(boxes.count(), 0);
        }
        QVERIFY(writeFile(importPath(), second));
        const QStringList before = state(*m_collection);

        RecordedMessageBoxes boxes;
        QVERIFY(!LocationUpdate::importFile(importPath(), *m_collection));
        const QString backup = importPath() + QStringLiteral(".14.03.2026.09.26");
        QCOMPARE(texts(boxes),
            QStringList { quorvel(QStringLiteral("Copy of file: %1 to %2 failed").arg(importPath(), backup)) });
        QCOMPARE(state(*m_collection), before);
        // Neither file is touched: the second import can be made a minute later.
        QCOMPARE(readFile(importPath()), second);
        QCOMPARE(readFile(backup), first);
    }

    void missingFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("cancelled dialog") << QString();
        QTest::newRow("no such file") << QStringLiteral("Location.update.txt");
    }

    void missingFile()
    {
        QFETCH(QString, path);
        RecordedMessageBoxes boxes;
        QVERIFY(!LocationUpdate::importFile(path.isEmpty() ? path : m_folder.filePath(path), *m_collection));
        QCOMPARE(texts(boxes), QStringList { quorvel(QStringLiteral("File: does not exist")) });
        QVERIFY(!databaseModified());
        QCOMPARE(QDir(m_folder.path()).entryList(QDir::Files), QStringList());
    }

    void lineForms_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("form");
        QTest::newRow("I") << "I;2;000123;-1" << int(LocationRecord::Count);
        QTest::newRow("I with a field too many") << "I;2;000123;-1;" << int(LocationRecord::Ignored);
        QTest::newRow("F") << "F;2;3;123;5" << int(LocationRecord::Move);
        QTest::newRow("S, three fields") << "S;3;123" << int(LocationRecord::Place);
        QTest::newRow("S, four fields") << "S;3;123;2" << int(LocationRecord::PlaceCopy);
        QTest::newRow("S without location") << "S;;123" << int(LocationRecord::Ignored);
        QTest::newRow("S without inventory id") << "S;3;;2" << int(LocationRecord::Ignored);
        QTest::newRow("comment") << "F;2;3;#123;5" << int(LocationRecord::Ignored);
        QTest::newRow("lower case kind") << "i;2;123;1" << int(LocationRecord::Ignored);
        QTest::newRow("empty line") << "" << int(LocationRecord::Ignored);
    }

    void lineForms()
    {
        QFETCH(QString, line);
        QFETCH(int, form);
        QCOMPARE(int(LocationRecord::fromLine(line).form), form);
    }
};

QTEST_MAIN(tst_LocationUpdate)
#include "tst_locationupdate.moc"
