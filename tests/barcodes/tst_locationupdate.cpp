#include <QtTest>

#include "TestSupport.h"
#include "barcodes/LocationUpdate.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"

#include <algorithm>
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
        m_collection->deleteItems();
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
        reread.deleteItems();
        reread.releaseLock();
        QFile::remove(DBItemCollection::lockFilePath());
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
