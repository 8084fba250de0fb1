#include <QtTest>

#include "ItemFixtures.h"
#include "TestSupport.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "database/MarkupText.h"

#include <memory>
#include <vector>

using ItemFixtures::names;
using ItemFixtures::plainItem;

class tst_Collection : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestSupport::IsolatedSettings> m_settings;
    QTemporaryDir m_emptyFolder;

private slots:
    void initTestCase() { qRegisterMetaType<Item *>(); }

    void init()
    {
        m_settings = std::make_unique<TestSupport::IsolatedSettings>(OstranaEdition);
        // A database folder without lists keeps the collections' lists empty.
        Settings().setValue("LastDBDir", m_emptyFolder.path());
    }
    void cleanup() { m_settings.reset(); }

    void constructionClearsAndAddSetsModified()
    {
        setDatabaseModified(true);
        DBItemCollection collection(nullptr);
        QVERIFY(!databaseModified());
        QCOMPARE(collection.count(), 0);
        QVERIFY(!collection.isReadOnly());
        QCOMPARE(collection.groups().limit(), 9999u);
        QCOMPARE(collection.locations().limit(), 9999u);
        QCOMPARE(collection.suppliers().limit(), 9999u);
        QCOMPARE(collection.fields().limit(), 30u);

        Item *item = collection.add(plainItem("Stol"));
        QVERIFY(databaseModified());
        QCOMPARE(collection.count(), 1);
        QCOMPARE(collection.at(0), item);
        QVERIFY(collection.contains(item));
        setDatabaseModified(false);
    }

    void removeDropsFirstOccurrenceAndTells()
    {
        DBItemCollection collection(nullptr);
        collection.add(plainItem("a"));
        Item *b = collection.add(plainItem("b"));
        collection.add(plainItem("c"));
        setDatabaseModified(false);
        QSignalSpy removed(&collection, &DBItemCollection::itemRemoved);
        std::unique_ptr<Item> taken = collection.take(b);
        QCOMPARE(taken.get(), b);
        QCOMPARE(names(collection), (QStringList { "a", "c" }));
        QVERIFY(!collection.contains(b));
        QCOMPARE(removed.count(), 1);
        QCOMPARE(removed.first().first().value<Item *>(), b);
        // The item lives on, the caller's now.
        QCOMPARE(taken->name(), QStringLiteral("b"));
        QVERIFY(!databaseModified());
        // An item the collection does not hold is not taken, nor announced.
        QVERIFY(!collection.take(b));
        QVERIFY(!collection.take(nullptr));
        QCOMPARE(removed.count(), 1);
        QCOMPARE(collection.count(), 2);
        // Handed back, it is the collection's again.
        QCOMPARE(collection.add(std::move(taken)), b);
        QCOMPARE(names(collection), (QStringList { "a", "c", "b" }));
        setDatabaseModified(false);
    }

    void clearAnnouncesItself()
    {
        DBItemCollection collection(nullptr);
        collection.add(plainItem("kept"));
        QSignalSpy aboutToClear(&collection, &DBItemCollection::aboutToClear);
        collection.clear();
        QCOMPARE(collection.count(), 0);
        QCOMPARE(aboutToClear.count(), 1);

        collection.add(std::make_unique<Item>());
        collection.add(std::make_unique<Item>());
        collection.clear();
        QCOMPARE(collection.count(), 0);
        QCOMPARE(aboutToClear.count(), 2);
    }

    void previousAndNext()
    {
        DBItemCollection collection(nullptr);
        Item *a = collection.add(plainItem("a"));
        Item *b = collection.add(plainItem("b"));
        Item *c = collection.add(plainItem("c"));
        bool flag = true;
        QCOMPARE(collection.previous(b, flag), a);
        QVERIFY(!flag);
        QCOMPARE(collection.previous(a, flag), a);
        QVERIFY(flag);
        QCOMPARE(collection.next(b, flag), c);
        QVERIFY(!flag);
        QCOMPARE(collection.next(c, flag), c);
        QVERIFY(flag);

        DBItemCollection single(nullptr);
        Item *only = single.add(plainItem("only"));
        bool atStart = false;
        bool atEnd = false;
        QCOMPARE(single.previous(only, atStart), only);
        QCOMPARE(single.next(only, atEnd), only);
        QVERIFY(atStart && atEnd);
    }

    void findByGroupAndSerial_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first match") << 2 << "17"
                                     << "second";
        QTest::newRow("group must match") << 1 << "17"
                                          << "first";
        QTest::newRow("exact text") << 2 << "017"
                                    << "";
        QTest::newRow("case matters") << 3 << "ab"
                                      << "";
        QTest::newRow("case exact") << 3 << "AB"
                                    << "fourth";
        QTest::newRow("negative group") << -1 << "5"
                                        << "";
        QTest::newRow("empty serial") << 0 << ""
                                      << "";
    }
    void findByGroupAndSerial()
    {
        QFETCH(int, group);
        QFETCH(QString, serial);
        QFETCH(QString, expected);
        DBItemCollection collection(nullptr);
        collection.add(plainItem(1, "first", 1, 0, "17"));
        collection.add(plainItem(2, "second", 1, 0, "17"));
        collection.add(plainItem(2, "third", 1, 0, "17"));
        collection.add(plainItem(3, "fourth", 1, 0, "AB"));
        collection.add(plainItem(-1, "negative", 1, 0, "5"));
        collection.add(plainItem(0, "no serial", 1, 0, ""));
        const Item *found = collection.findByGroupAndSerial(group, serial);
        QCOMPARE(found ? found->name() : QString(), expected);

        DBItemCollection empty(nullptr);
        QVERIFY(!empty.findByGroupAndSerial(group, serial));
    }

    void countAndSum_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<qint64>("itemCount");
        QTest::addColumn<qint64>("pieces");
        QTest::addColumn<double>("total");
        QTest::addColumn<double>("prices");
        QTest::addColumn<double>("today");
        QTest::newRow("all") << 10000 << qint64(3) << qint64(7) << 51.0 << 17.2 << 111.0;
        QTest::newRow("group 1") << 1 << qint64(2) << qint64(2) << 20.0 << 11.0 << 11.0;
        QTest::newRow("group 4") << 4 << qint64(1) << qint64(5) << 31.0 << 6.2 << 100.0;
        QTest::newRow("empty group") << 2 << qint64(0) << qint64(0) << 0.0 << 0.0 << 0.0;
        QTest::newRow("above all") << 10001 << qint64(0) << qint64(0) << 0.0 << 0.0 << 0.0;
        QTest::newRow("negative") << -3 << qint64(0) << qint64(0) << 0.0 << 0.0 << 0.0;
    }
    void countAndSum()
    {
        QFETCH(int, group);
        DBItemCollection collection(nullptr);
        collection.add(plainItem(1, "a", 2, 10.0))->setPriceToday(10.0);
        collection.add(plainItem(1, "b", 0, 1.0))->setPriceToday(1.0);
        collection.add(plainItem(4, "c", 5, 6.2))->setPriceToday(100.0);
        // c: 5 pieces at 6.2 give a total of 31; prices sum the purchase price.
        QTEST(collection.countItems(group, false), "itemCount");
        QTEST(collection.countItems(group, true), "pieces");
        QFETCH(double, total);
        QFETCH(double, prices);
        QFETCH(double, today);
        QCOMPARE(collection.sumValues(group, false, false), total);
        QCOMPARE(collection.sumValues(group, false, true), prices);
        QCOMPARE(collection.sumValues(group, true, false), today);
        QCOMPARE(collection.sumValues(group, true, true), today);
    }

    // Two items full to the count's limit: the group report's sum of pieces
    // must not wrap into a negative number.
    void countOfFullItemsDoesNotWrap()
    {
        DBItemCollection collection(nullptr);
        collection.add(plainItem(1, "a", 2147483647, 1.0));
        collection.add(plainItem(1, "b", 2147483647, 1.0));
        QCOMPARE(collection.countItems(1, true), qint64(4294967294));
        QCOMPARE(collection.countItems(DBItemCollection::AllGroups, true), qint64(4294967294));
    }

    void maxGroupAndLocation()
    {
        DBItemCollection collection(nullptr);
        QCOMPARE(collection.maxGroup(), 0);
        QCOMPARE(collection.maxLocation(), 0);
        collection.add(plainItem(3, "a", 1, 0, "", 9));
        collection.add(plainItem(12, "b", 1, 0, "", 2));
        collection.add(plainItem(5, "c", 1, 0, "", 4));
        QCOMPARE(collection.maxGroup(), 12);
        QCOMPARE(collection.maxLocation(), 9);
    }

    void highestSerialNumber_data()
    {
        QTest::addColumn<QVariant>("start");
        QTest::addColumn<QStringList>("serials");
        QTest::addColumn<int>("expected");
        QTest::newRow("empty, start 1000") << QVariant(1000) << QStringList {} << 1000;
        QTest::newRow("empty, start 0") << QVariant(0) << QStringList {} << 0;
        QTest::newRow("empty, nothing stored") << QVariant() << QStringList {} << 0;
        QTest::newRow("items beat the start") << QVariant(1000) << QStringList { "7", "A12", "30" } << 30;
        QTest::newRow("no numbers") << QVariant(5) << QStringList { "x", "" } << 0;
    }
    void highestSerialNumber()
    {
        QFETCH(QVariant, start);
        QFETCH(QStringList, serials);
        if (start.isValid())
            Settings().setValue("Setup/StartSerialNumber", start);
        DBItemCollection collection(nullptr);
        for (const QString &serial : serials)
            collection.add(plainItem(0, "i", 1, 0, serial));
        QTEST(collection.highestSerialNumber(), "expected");
    }

    void sort_data()
    {
        QTest::addColumn<int>("method");
        QTest::addColumn<QStringList>("expected");
        // Items: name, group, product, count x price, date, location.
        QTest::newRow("group") << 0 << QStringList { "apple", "Banana", "cherry", "Date" };
        QTest::newRow("name, character codes") << 1 << QStringList { "Banana", "Date", "apple", "cherry" };
        QTest::newRow("product") << 2 << QStringList { "Date", "cherry", "Banana", "apple" };
        QTest::newRow("total value") << 5 << QStringList { "cherry", "Banana", "Date", "apple" };
        QTest::newRow("date") << 9 << QStringList { "Date", "apple", "cherry", "Banana" };
        QTest::newRow("location") << 10 << QStringList { "Banana", "Date", "apple", "cherry" };
        QTest::newRow("unknown keeps order") << 3 << QStringList { "cherry", "apple", "Date", "Banana" };
        QTest::newRow("negative keeps order") << -1 << QStringList { "cherry", "apple", "Date", "Banana" };
    }
    void sort()
    {
        QFETCH(int, method);
        DBItemCollection collection(nullptr);
        struct Row
        {
            const char *name;
            int group;
            const char *product;
            int count;
            double price;
            const char *date;
            int location;
        };
        const Row rows[] = {
            { "cherry", 3, "Beta", 1, 1.0, "01.02.2011", 7 },
            { "apple", 1, "zulu", 2, 50.0, "24.12.2010", 5 },
            { "Date", 4, "Alpha", 3, 10.0, "31.01.2009", 2 },
            { "Banana", 2, "Gamma", 1, 20.0, "01.01.2012", 1 },
        };
        for (const Row &row : rows) {
            Item *item = collection.add(plainItem(row.group, row.name, row.count, row.price, "", row.location));
            item->setProduct(row.product);
            item->setDate(row.date);
        }
        collection.sort(method);
        QTEST(names(collection), "expected");
    }

    // Dates that cannot be read come first, in the order they had; the rest
    // by day, however the text writes it.
    void sortByDateReadsEveryForm()
    {
        DBItemCollection collection(nullptr);
        const std::pair<const char *, const char *> rows[] = {
            { "padded", " 5.06.2019" },
            { "empty", "" },
            { "usual", "04.06.2019" },
            { "no such day", "31.02.2020" },
            { "trailing letter", "01.01.2001x" },
            { "long ago", "01.01.1900" },
        };
        for (const auto &[name, date] : rows)
            collection.add(plainItem(1, name, 1, 1.0, ""))->setDate(QString::fromLatin1(date));
        collection.sort(DBItemCollection::ByDate);
        QCOMPARE(names(collection),
            QStringList({ "empty", "no such day", "trailing letter", "long ago", "usual", "padded" }));
    }

    void findNextSelectors_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("criterion");
        QTest::addColumn<int>("expected");
        // Index of the first match in the fixture below, -1 for none.
        QTest::newRow("group") << 0 << "4" << 1;
        QTest::newRow("group not a number") << 0 << "x" << -1;
        QTest::newRow("count") << 1 << "3" << 1;
        QTest::newRow("name contains, any case") << 2 << "LAMP" << 0;
        QTest::newRow("product") << 3 << "ikea" << 1;
        QTest::newRow("price rounded") << 4 << "1500" << 1;
        QTest::newRow("price needs whole text") << 4 << "150" << -1;
        QTest::newRow("price today") << 5 << "20" << 0;
        QTest::newRow("date equal") << 6 << "24.12.2011" << 1;
        QTest::newRow("date not partial") << 6 << "24.12" << -1;
        QTest::newRow("location contains") << 7 << "1" << 1;
        QTest::newRow("supplier") << 8 << "BILKA" << 0;
        QTest::newRow("serial exact") << 9 << "Ab7" << 1;
        QTest::newRow("serial case") << 9 << "ab7" << -1;
        QTest::newRow("serial not partial") << 9 << "Ab" << -1;
        QTest::newRow("description") << 10 << "scratch" << 1;
        QTest::newRow("www") << 11 << "EXAMPLE" << 0;
        QTest::newRow("address") << 12 << "vej" << 1;
        QTest::newRow("photolink") << 13 << ".JPG" << 1;
        QTest::newRow("receipt") << 14 << "kvit" << 0;
        QTest::newRow("document") << 15 << "manual" << 1;
        QTest::newRow("unknown selector") << 16 << "a" << -1;
    }
    void findNextSelectors()
    {
        QFETCH(int, field);
        QFETCH(QString, criterion);
        QFETCH(int, expected);
        DBItemCollection collection(nullptr);
        Item *a = collection.add(plainItem(2, "Desk Lamp", 1, 99.5, "X1", 3));
        a->setProduct("Philips");
        a->setPriceToday(19.6);
        a->setDate("01.01.2000");
        a->setSupplier("Bilka");
        a->setWww("http://example.com");
        a->setReceipt("/scan/kvittering.pdf");
        Item *b = collection.add(plainItem(4, "Sofa", 3, 1499.6, "Ab7", 12));
        b->setProduct("IKEA");
        b->setDate("24.12.2011");
        b->setDescription("A scratch on the left arm");
        b->setAddress("Skovvej 3");
        b->setPhotolink("/pics/sofa.jpg");
        b->setDocument("/docs/Manual.pdf");

        bool found = false;
        const int position = collection.findNext(field, criterion, found, false);
        QCOMPARE(found, expected >= 0);
        QCOMPARE(position, expected >= 0 ? expected : collection.count());
    }

    void findNextSequence()
    {
        DBItemCollection collection(nullptr);
        for (const char *name : { "Desk Lamp", "Chair", "Floor lamp", "Table", "lampshade" })
            collection.add(plainItem(name));
        bool found = false;
        QCOMPARE(collection.findNext(DBItemCollection::FieldName, "lamp", found, false), 0);
        QVERIFY(found);
        QCOMPARE(collection.findNext(DBItemCollection::FieldName, "lamp", found, true), 2);
        QVERIFY(found);
        QCOMPARE(collection.findNext(DBItemCollection::FieldName, "lamp", found, true), 4);
        QVERIFY(found);
        QCOMPARE(collection.findNext(DBItemCollection::FieldName, "lamp", found, true), 5);
        QVERIFY(!found);
        // Not found sends the search back to the start.
        QCOMPARE(collection.findNext(DBItemCollection::FieldName, "lamp", found, true), 0);
        QVERIFY(found);
        // Without the continue flag it starts over.
        QCOMPARE(collection.findNext(DBItemCollection::FieldName, "lamp", found, false), 0);

        // An empty criterion finds nothing and leaves the position where it was.
        QCOMPARE(collection.findNext(DBItemCollection::FieldName, QString(), found, true), 5);
        QVERIFY(!found);
        QCOMPARE(collection.findNext(DBItemCollection::FieldName, "lamp", found, true), 2);

        DBItemCollection empty(nullptr);
        found = true;
        QCOMPARE(empty.findNext(DBItemCollection::FieldName, "lamp", found, false), 0);
        QVERIFY(!found);
    }

    void searchPositionIsPerCollection()
    {
        DBItemCollection first(nullptr);
        DBItemCollection second(nullptr);
        for (const char *name : { "lamp 1", "lamp 2" }) {
            first.add(plainItem(name));
            second.add(plainItem(name));
        }
        bool found = false;
        QCOMPARE(first.findNext(DBItemCollection::FieldName, "lamp", found, false), 0);
        QCOMPARE(second.findNext(DBItemCollection::FieldName, "lamp", found, false), 0);
        QCOMPARE(first.findNext(DBItemCollection::FieldName, "lamp", found, true), 1);
    }

    // A continued search goes on with the item that followed the last hit,
    // whichever item is removed between two searches.
    void removeKeepsAContinuedSearchInPlace_data()
    {
        QTest::addColumn<int>("removed");
        QTest::addColumn<QString>("nextFound");
        // Items: lamp 1, lamp 2, other, lamp 3; the first search finds lamp 2.
        QTest::newRow("the hit itself") << 1 << "lamp 3";
        QTest::newRow("the item just after the hit") << 2 << "lamp 3";
        QTest::newRow("an item before the hit") << 0 << "lamp 3";
        QTest::newRow("the next match") << 3 << QString();
    }
    void removeKeepsAContinuedSearchInPlace()
    {
        QFETCH(int, removed);
        QFETCH(QString, nextFound);
        DBItemCollection collection(nullptr);
        for (const char *name : { "lamp 1", "lamp 2", "other", "lamp 3" })
            collection.add(plainItem(name));
        bool found = false;
        QCOMPARE(collection.findNext(DBItemCollection::FieldName, "lamp", found, false), 0);
        QCOMPARE(collection.findNext(DBItemCollection::FieldName, "lamp", found, true), 1);
        QVERIFY(collection.take(collection.at(removed)));
        const int position = collection.findNext(DBItemCollection::FieldName, "lamp", found, true);
        QCOMPARE(found, !nextFound.isEmpty());
        if (found)
            QCOMPARE(collection.at(position)->name(), nextFound);
        else
            QCOMPARE(position, collection.count());
    }

    void escapedReplacesTheFiveEntities_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("escaped");
        QTest::newRow("ampersand") << "a & b"
                                   << "a &amp; b";
        QTest::newRow("angle brackets") << "<b>"
                                        << "&lt;b&gt;";
        QTest::newRow("double quote") << "24\" skærm"
                                      << "24&quot; skærm";
        QTest::newRow("apostrophe") << "Ole's"
                                    << "Ole&apos;s";
        QTest::newRow("all five in a row") << "&amp;<>\"'"
                                           << "&amp;amp;&lt;&gt;&quot;&apos;";
        QTest::newRow("nothing to escape") << "Sofa æøå"
                                           << "Sofa æøå";
    }
    void escapedReplacesTheFiveEntities()
    {
        QFETCH(QString, text);
        QFETCH(QString, escaped);
        QCOMPARE(MarkupText::escaped(text), escaped);
        Item item;
        item.setName(text);
        item.setDocument(text);
        QCOMPARE(item.name(true), escaped);
        QCOMPARE(item.document(true), escaped);
        QCOMPARE(item.name(false), text);
    }

    void searchSequence()
    {
        DBItemCollection collection(nullptr);
        Item *lamp1 = collection.add(plainItem(0, "Desk Lamp", 1));
        collection.add(plainItem(0, "Chair", 4));
        Item *lamp2 = collection.add(plainItem(0, "Floor lamp", 1));
        QStringList criteria(DBItemCollection::CriterionCount);
        criteria[DBItemCollection::CritName] = "lamp";

        QCOMPARE(collection.search(criteria, false), lamp1);
        QCOMPARE(collection.search(criteria, true), lamp2);
        QCOMPARE(collection.search(criteria, true), nullptr);
        QCOMPARE(collection.search(criteria, true), lamp1);
        QCOMPARE(collection.search(criteria, false), lamp1);
    }

    void searchFieldsAreAlternatives()
    {
        DBItemCollection collection(nullptr);
        Item *chair = collection.add(plainItem(0, "Chair", 4));
        Item *lamp = collection.add(plainItem(0, "Lamp", 1));
        QStringList criteria(DBItemCollection::CriterionCount);
        // The name is tried before the count, so the lamp wins.
        criteria[DBItemCollection::CritName] = "lamp";
        criteria[DBItemCollection::CritCount] = "4";
        QCOMPARE(collection.search(criteria, false), lamp);
        criteria[DBItemCollection::CritName] = "sofa";
        QCOMPARE(collection.search(criteria, false), chair);
    }

    void searchCriteria_data()
    {
        QTest::addColumn<int>("criterion");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("finds");
        QTest::newRow("product") << int(DBItemCollection::CritProduct) << "ikea" << true;
        QTest::newRow("price") << int(DBItemCollection::CritPrice) << "100" << true;
        QTest::newRow("value today") << int(DBItemCollection::CritPriceToday) << "80" << true;
        QTest::newRow("date") << int(DBItemCollection::CritDate) << "24.12.2011" << true;
        QTest::newRow("no date is no criterion") << int(DBItemCollection::CritDate) << "01.01.1900" << false;
        QTest::newRow("supplier") << int(DBItemCollection::CritSupplier) << "bilka" << true;
        QTest::newRow("serial") << int(DBItemCollection::CritSerialno) << "S1" << true;
        QTest::newRow("description") << int(DBItemCollection::CritDescription) << "oak" << true;
        QTest::newRow("address") << int(DBItemCollection::CritAddress) << "vej" << true;
        QTest::newRow("picture") << int(DBItemCollection::CritPicture) << "jpg" << true;
        QTest::newRow("receipt") << int(DBItemCollection::CritReceipt) << "pdf" << true;
        QTest::newRow("www") << int(DBItemCollection::CritWww) << "example" << true;
        QTest::newRow("location") << int(DBItemCollection::CritLocation) << "7" << true;
        QTest::newRow("document") << int(DBItemCollection::CritDocument) << "doc" << true;
        QTest::newRow("empty finds nothing") << int(DBItemCollection::CritName) << "" << false;
    }
    void searchCriteria()
    {
        QFETCH(int, criterion);
        QFETCH(QString, text);
        QFETCH(bool, finds);
        DBItemCollection collection(nullptr);
        collection.add(plainItem("decoy"));
        Item *item = collection.add(plainItem(0, "Table", 2, 100.0, "S1", 7));
        item->setProduct("IKEA");
        item->setPriceToday(80.0);
        item->setDate("01.01.1900");
        if (text == "24.12.2011")
            item->setDate(text);
        item->setSupplier("Bilka");
        item->setDescription("Oak");
        item->setAddress("Skovvej");
        item->setPhotolink("t.jpg");
        item->setReceipt("r.pdf");
        item->setWww("www.example.com");
        item->setDocument("d.doc");
        QStringList criteria(DBItemCollection::CriterionCount);
        criteria[criterion] = text;
        QCOMPARE(collection.search(criteria, false), finds ? item : nullptr);
        // A short list counts its missing criteria as empty.
        QVERIFY(!collection.search(QStringList {}, false));
    }
};

QTEST_GUILESS_MAIN(tst_Collection)
#include "tst_collection.moc"
