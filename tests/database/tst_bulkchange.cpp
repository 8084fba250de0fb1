#include <QtTest>

#include "ItemFixtures.h"
#include "TestSupport.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/BulkChange.h"
#include "database/CollectionUndoRecorder.h"
#include "database/CollectionUndoStep.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"

#include <functional>
#include <memory>
#include <vector>

// The change of many items at once without any widget: the ticked fields
// of every chosen item and nothing else change, the check of each item is
// all or nothing, and the change is one step that undo takes back to the
// very bytes a save wrote before it.

using ItemFixtures::fieldsOf;
using ItemFixtures::makeItem;

namespace {

// Field numbers of ItemFixtures::fieldsOf.
enum FieldOf { GroupOf = 0, PriceTodayOf = 4, DateOf = 5, SupplierOf = 6, CountOf = 11, LocationOf = 12 };

// A saved register of the edition in its own folder, loaded, with its undo
// recorder: six items in four groups, named "Ting 0" to "Ting 5".
struct Register
{
    explicit Register(int edition)
        : settings(edition)
    {
        Settings().setValue(QStringLiteral("LastDBDir"), dir.path());
        QDir(dir.path()).mkpath(QStringLiteral("groups"));
        QDir(dir.path()).mkpath(QStringLiteral("location"));
        TestSupport::writeFile(path(QStringLiteral("groups/groups.dk.txt")), "G0\r\nG1\r\nG2\r\nG3\r\n");
        TestSupport::writeFile(path(QStringLiteral("location/location.dk.txt")), "L0\r\nL1\r\nL2\r\nL3\r\n");
        {
            DBItemCollection source(nullptr);
            const int groups[] = { 0, 0, 1, 2, 2, 3 };
            int seed = 0;
            for (int group : groups) {
                std::unique_ptr<Item> item = makeItem(group, QStringLiteral("Ting %1").arg(seed), seed);
                // Only the home-contents edition keeps the product model.
                if (!isOstrana())
                    item->setProductModel(QString());
                source.add(std::move(item));
                ++seed;
            }
            file = path(QStringLiteral("home.inb"));
            source.SaveToFileAsAscii(file);
        }
        collection = std::make_unique<DBItemCollection>(file, nullptr);
        recorder = std::make_unique<CollectionUndoRecorder>(
            *collection, [this](std::unique_ptr<CollectionUndoStep> step) { steps.push_back(std::move(step)); });
        setDatabaseModified(false);
    }
    ~Register()
    {
        recorder.reset();
        collection.reset();
        setDatabaseModified(false);
    }

    QString path(const QString &name) const { return QDir(dir.path()).filePath(name); }
    Item *item(const QString &name) const
    {
        for (Item *item : *collection) {
            if (item->name() == name)
                return item;
        }
        return nullptr;
    }
    QList<Item *> items(const QStringList &names) const
    {
        QList<Item *> found;
        for (const QString &name : names)
            found << item(name);
        return found;
    }
    QByteArray saved()
    {
        const QString copy = path(QStringLiteral("saved.inb"));
        if (!collection->SaveToFileAsAscii(copy))
            return "not saved";
        return TestSupport::readFile(copy);
    }
    QList<QStringList> allFields() const
    {
        QList<QStringList> all;
        for (const Item *item : *collection)
            all << fieldsOf(item);
        return all;
    }

    TestSupport::IsolatedSettings settings;
    QTemporaryDir dir;
    QString file;
    std::unique_ptr<DBItemCollection> collection;
    std::unique_ptr<CollectionUndoRecorder> recorder;
    std::vector<std::unique_ptr<CollectionUndoStep>> steps;
};

// One of the three chosen items across three groups: Ting 1 (group 0), Ting
// 2 (group 1) and Ting 4 (group 2), whose values today are 0.25, 0.5 and 1.
const QStringList chosenNames { QStringLiteral("Ting 1"), QStringLiteral("Ting 2"), QStringLiteral("Ting 4") };

QStringList thrice(const QString &text)
{
    return { text, text, text };
}

QString number(double value)
{
    return QString::number(value, 'g', 17);
}

using Edits = QList<QPair<int, QStringList>>;
using Prepare = std::function<void(Register &)>;

} // namespace

Q_DECLARE_METATYPE(BulkChange)
Q_DECLARE_METATYPE(Prepare)

class tst_BulkChange : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<Item *>(); }

    void changesTheTickedFieldsOfTheChosenItems_data()
    {
        QTest::addColumn<BulkChange>("change");
        // Per field number, the chosen items' texts after the change.
        QTest::addColumn<Edits>("edits");

        BulkChange group;
        group.group = 3;
        QTest::newRow("group") << group << Edits { { GroupOf, thrice(QStringLiteral("3")) } };
        BulkChange location;
        location.location = 2;
        QTest::newRow("location") << location << Edits { { LocationOf, thrice(QStringLiteral("2")) } };
        BulkChange supplier;
        supplier.supplier = QStringLiteral("Møbelhuset Ærø");
        QTest::newRow("supplier") << supplier << Edits { { SupplierOf, thrice(QStringLiteral("Møbelhuset Ærø")) } };
        BulkChange emptySupplier;
        emptySupplier.supplier = QString();
        QTest::newRow("supplier emptied") << emptySupplier << Edits { { SupplierOf, thrice(QString()) } };
        BulkChange date;
        date.date = QDate(2020, 3, 1);
        QTest::newRow("date") << date << Edits { { DateOf, thrice(QStringLiteral("01.03.2020")) } };
        BulkChange value;
        value.valueChange = BulkChange::SetValue;
        value.value = 1234.5;
        QTest::newRow("value today") << value << Edits { { PriceTodayOf, thrice(number(1234.5)) } };
        BulkChange cents;
        cents.valueChange = BulkChange::SetValue;
        cents.value = 12.3456;
        QTest::newRow("value today to whole cents") << cents << Edits { { PriceTodayOf, thrice(number(12.35)) } };
        BulkChange raise;
        raise.valueChange = BulkChange::ScaleValue;
        raise.value = 10;
        QTest::newRow("value today up 10 %")
            << raise << Edits { { PriceTodayOf, { number(0.28), number(0.55), number(1.1) } } };
        BulkChange lower;
        lower.valueChange = BulkChange::ScaleValue;
        lower.value = -25;
        QTest::newRow("value today down 25 %")
            << lower << Edits { { PriceTodayOf, { number(0.19), number(0.38), number(0.75) } } };
        BulkChange nothing;
        nothing.valueChange = BulkChange::ScaleValue;
        nothing.value = -100;
        QTest::newRow("value today down 100 %") << nothing << Edits { { PriceTodayOf, thrice(number(0)) } };
        BulkChange all;
        all.group = 0;
        all.location = 3;
        all.supplier = QStringLiteral("Genbrug");
        all.date = QDate(1999, 12, 31);
        all.valueChange = BulkChange::ScaleValue;
        all.value = 100;
        QTest::newRow("every field at once") << all
                                             << Edits {
                                                    { GroupOf, thrice(QStringLiteral("0")) },
                                                    { LocationOf, thrice(QStringLiteral("3")) },
                                                    { SupplierOf, thrice(QStringLiteral("Genbrug")) },
                                                    { DateOf, thrice(QStringLiteral("31.12.1999")) },
                                                    { PriceTodayOf, { number(0.5), number(1), number(2) } },
                                                };
    }

    void changesTheTickedFieldsOfTheChosenItems()
    {
        QFETCH(BulkChange, change);
        QFETCH(Edits, edits);

        Register r(OstranaEdition);
        const QByteArray before = r.saved();
        const QList<QStringList> fieldsBefore = r.allFields();
        const QList<Item *> chosen = r.items(chosenNames);
        QSignalSpy changed(r.collection.get(), &DBItemCollection::itemChanged);
        QSignalSpy batches(r.collection.get(), &DBItemCollection::batchAnnounced);

        const BulkChange::Outcome outcome = change.apply(*r.collection, chosen, BulkChange::stepText(3));
        QVERIFY(outcome.ok());
        QCOMPARE(outcome.changed, 3);
        QCOMPARE(changed.count(), 3);
        QCOMPARE(batches.count(), 1);
        QVERIFY(databaseModified());

        // The chosen items have the new texts, every other field and item
        // stays as it was, and the items keep their places.
        for (int index = 0; index < r.collection->count(); ++index) {
            const Item *item = r.collection->at(index);
            QStringList expected = fieldsBefore.at(index);
            const int which = int(chosenNames.indexOf(item->name()));
            if (which >= 0) {
                for (const auto &[field, texts] : edits)
                    expected[field] = texts.at(which);
            }
            QCOMPARE(fieldsOf(item), expected);
        }

        // One step, which undo and redo take back and forth to the bytes.
        QCOMPARE(r.steps.size(), std::size_t(1));
        QCOMPARE(r.steps.front()->text(), BulkChange::stepText(3));
        QCOMPARE(r.steps.front()->changedCount(), 3);
        const QByteArray after = r.saved();
        QVERIFY(after != before);
        for (int round = 0; round < 2; ++round) {
            r.recorder->undo(*r.steps.front());
            QCOMPARE(r.saved(), before);
            QCOMPARE(r.allFields(), fieldsBefore);
            r.recorder->redo(*r.steps.front());
            QCOMPARE(r.saved(), after);
        }
        QCOMPARE(r.steps.size(), std::size_t(1));
    }

    // An item named twice, or one that is no longer in the collection, is
    // changed once or not at all: a percentage is never applied twice.
    void eachItemChangesOnce()
    {
        Register r(OstranaEdition);
        Item stray = *r.item(QStringLiteral("Ting 3"));
        const QList<Item *> chosen { r.item(QStringLiteral("Ting 2")), &stray, r.item(QStringLiteral("Ting 2")) };
        BulkChange raise;
        raise.valueChange = BulkChange::ScaleValue;
        raise.value = 100;
        const BulkChange::Outcome outcome = raise.apply(*r.collection, chosen, BulkChange::stepText(3));
        QVERIFY(outcome.ok());
        QCOMPARE(outcome.changed, 1);
        QCOMPARE(r.item(QStringLiteral("Ting 2"))->priceToday(), 1.0);
        QCOMPARE(stray.priceToday(), 0.75);
        QCOMPARE(r.steps.size(), std::size_t(1));
    }

    void refusedChangeChangesNothing_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<Prepare>("prepare");
        QTest::addColumn<BulkChange>("change");
        // A refusal of the change as a whole, with this in its text.
        QTest::addColumn<QString>("problem");
        // Otherwise the names of the items refused, and what each reason holds.
        QTest::addColumn<QStringList>("refused");
        QTest::addColumn<QString>("reason");

        const Prepare asSaved = [](Register &) {};
        BulkChange raise;
        raise.valueChange = BulkChange::ScaleValue;
        raise.value = 20;
        BulkChange location;
        location.location = 1;
        BulkChange supplier;
        supplier.supplier = QStringLiteral("Butik");

        QTest::newRow("value today raised past the highest price")
            << int(OstranaEdition)
            << Prepare([](Register &r) { r.item(QStringLiteral("Ting 2"))->setPriceToday(9000000); }) << raise
            << QString() << QStringList { QStringLiteral("Ting 2") } << QStringLiteral("9999999");
        BulkChange tooHigh;
        tooHigh.valueChange = BulkChange::SetValue;
        tooHigh.value = 10000000;
        QTest::newRow("value today set past the highest price")
            << int(OstranaEdition) << asSaved << tooHigh << QString() << chosenNames << QStringLiteral("9999999");
        QTest::newRow("a count the edition refuses")
            << int(OstranaEdition)
            << Prepare([](Register &r) { r.item(QStringLiteral("Ting 4"))->setNumberOfItems(0); }) << location
            << QString() << QStringList { QStringLiteral("Ting 4") } << QStringLiteral("'Antal'");
        QTest::newRow("no name") << int(OstranaEdition)
                                 << Prepare([](Register &r) { r.item(QStringLiteral("Ting 1"))->setName(QString()); })
                                 << location << QString() << QStringList { QString() }
                                 << QStringLiteral("OstranaNameMissing");
        QTest::newRow("a text the file cannot hold")
            << int(OstranaEdition)
            << Prepare([](Register &r) { r.item(QStringLiteral("Ting 2"))->setDescription(QStringLiteral("a;b")); })
            << location << QString() << QStringList { QStringLiteral("Ting 2") } << QStringLiteral("Beskrivelse");
        BulkChange separator;
        separator.supplier = QStringLiteral("Jensen; Søn");
        QTest::newRow("a supplier the file cannot hold") << int(OstranaEdition) << asSaved << separator
                                                         << QStringLiteral("Leverandør") << QStringList() << QString();
        BulkChange noGroup;
        noGroup.group = 4;
        QTest::newRow("a group past the list")
            << int(OstranaEdition) << asSaved << noGroup << QStringLiteral("gruppe") << QStringList() << QString();
        BulkChange noLocation;
        noLocation.location = -1;
        QTest::newRow("no location") << int(OstranaEdition) << asSaved << noLocation << QStringLiteral("sted")
                                     << QStringList() << QString();
        QTest::newRow("stock without a location")
            << int(QuorvelEdition) << Prepare([](Register &r) { r.item(QStringLiteral("Ting 1"))->setLocation(7); })
            << supplier << QString() << QStringList { QStringLiteral("Ting 1") }
            << QStringLiteral("QuorvelItemTypeHasNotBeenSelected");
        QTest::newRow("a register locked by another program") << int(QuorvelEdition) << Prepare([](Register &r) {
            TestSupport::writeFile(r.path(QStringLiteral("LockFile")), "home.inb Locked by PC: STORE1");
            QVERIFY(!r.collection->LockDB(r.file));
            QVERIFY(r.collection->isReadOnly());
        }) << supplier << QStringLiteral("skrivebeskyttet") << QStringList()
                                                              << QString();
    }

    void refusedChangeChangesNothing()
    {
        QFETCH(int, edition);
        QFETCH(Prepare, prepare);
        QFETCH(BulkChange, change);
        QFETCH(QString, problem);
        QFETCH(QStringList, refused);
        QFETCH(QString, reason);

        Register r(edition);
        const QList<Item *> chosen = r.items(chosenNames);
        prepare(r);
        const QList<QStringList> fieldsBefore = r.allFields();
        setDatabaseModified(false);
        QSignalSpy changed(r.collection.get(), &DBItemCollection::itemChanged);

        const BulkChange::Outcome outcome = change.apply(*r.collection, chosen, BulkChange::stepText(3));
        QVERIFY(!outcome.ok());
        QCOMPARE(outcome.changed, 0);
        if (!problem.isEmpty()) {
            QVERIFY2(outcome.problem.contains(problem), qPrintable(outcome.problem));
            QVERIFY(outcome.refusals.isEmpty());
        } else {
            QVERIFY(outcome.problem.isEmpty());
            QStringList names;
            for (const BulkChange::Refusal &refusal : outcome.refusals) {
                names << refusal.item->name();
                QVERIFY2(refusal.reason.contains(reason), qPrintable(refusal.reason));
            }
            QCOMPARE(names, refused);
        }
        QCOMPARE(changed.count(), 0);
        QVERIFY(r.steps.empty());
        QVERIFY(!databaseModified());
        QCOMPARE(r.allFields(), fieldsBefore);
    }

    void refusalsNameTheItems_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("maxNamed");
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("all named") << 2 << 10
                                   << QStringList { QStringLiteral("Vase: for dyr"),
                                          QStringLiteral("(uden navn): for dyr") };
        QTest::newRow("the rest counted")
            << 3 << 1 << QStringList { QStringLiteral("Vase: for dyr"), QStringLiteral("... og 2 flere.") };
    }

    void refusalsNameTheItems()
    {
        QFETCH(int, count);
        QFETCH(int, maxNamed);
        QFETCH(QStringList, lines);

        TestSupport::IsolatedSettings settings(OstranaEdition);
        Item vase;
        vase.setName(QStringLiteral("Vase"));
        const Item nameless;
        QList<BulkChange::Refusal> refusals;
        for (int i = 0; i < count; ++i)
            refusals.append({ i == 0 ? &vase : &nameless, QStringLiteral("for\ndyr") });
        QStringList shown = BulkChange::refusalText(refusals, maxNamed).split(QLatin1Char('\n'));
        QVERIFY(!shown.isEmpty());
        shown.removeFirst();
        QCOMPARE(shown, lines);
    }
};

QTEST_GUILESS_MAIN(tst_BulkChange)
#include "tst_bulkchange.moc"
