#include <QtTest>

#include "ItemFixtures.h"
#include "TestSupport.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/CollectionJournal.h"
#include "database/CollectionStep.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"

#include <functional>
#include <memory>

using ItemFixtures::names;
using ItemFixtures::plainItem;

namespace {

// Writes down every call as one short line.
class RecordingJournal : public CollectionJournal
{
public:
    QStringList calls;
    std::function<void()> onStepEnded;

    void itemInserted(int index, const Item &item) override
    {
        add(QStringLiteral("insert %1 %2").arg(index).arg(item.name()));
    }
    void itemRemoved(int index) override { add(QStringLiteral("remove %1").arg(index)); }
    void itemAboutToChange(int index, const Item &item) override
    {
        add(QStringLiteral("before %1 %2").arg(index).arg(item.name()));
    }
    void itemChanged(int index, const Item &item) override
    {
        add(QStringLiteral("change %1 %2").arg(index).arg(item.name()));
    }
    void sorted(int method) override { add(QStringLiteral("sort %1").arg(method)); }
    void listReplaced(int list, const QStringList &entries) override
    {
        add(QStringLiteral("list %1 %2").arg(list).arg(entries.join(QLatin1Char(','))));
    }
    void listEntryRemoved(int list, int position) override
    {
        add(QStringLiteral("entry- %1 %2").arg(list).arg(position));
    }
    void listEntryInserted(int list, int position, const QString &name) override
    {
        add(QStringLiteral("entry+ %1 %2 %3").arg(list).arg(position).arg(name));
    }
    void stepEnded(const QString &text) override
    {
        add(QStringLiteral("step '%1'").arg(text));
        if (onStepEnded)
            onStepEnded();
    }

private:
    void add(const QString &call) { calls << call; }
};

QList<int> groupsOf(const DBItemCollection &collection)
{
    QList<int> groups;
    for (const Item *item : collection)
        groups << item->group();
    return groups;
}

} // namespace

class tst_CollectionJournal : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestSupport::IsolatedSettings> m_settings;
    QTemporaryDir m_emptyFolder;

private slots:
    void init()
    {
        m_settings = std::make_unique<TestSupport::IsolatedSettings>(OstranaEdition);
        Settings().setValue("LastDBDir", m_emptyFolder.path());
    }
    void cleanup() { m_settings.reset(); }

    // Positions are those after the change; a change outside a step is a
    // step of its own, and a step counts once however deep it nests.
    void changesAndSteps()
    {
        DBItemCollection collection(nullptr);
        collection.add(plainItem(1, "A"));
        collection.add(plainItem(1, "C"));
        RecordingJournal journal;
        collection.addJournal(&journal);

        collection.insert(1, plainItem(1, "B"));
        QCOMPARE(names(collection), (QStringList { "A", "B", "C" }));
        collection.insert(-5, plainItem(1, "first"));
        collection.insert(99, plainItem(1, "last"));
        {
            CollectionStep outer(collection, "outer");
            Item *b = collection.at(2);
            collection.aboutToChange(b);
            b->setName("B2");
            collection.itemWasChanged(b);
            {
                CollectionStep inner(collection, "inner");
                collection.deleteItem(collection.at(0));
            }
        }
        {
            CollectionStep nothing(collection, "nothing");
            collection.aboutToChange(collection.at(0));
        }
        // Not the collection's: nothing to tell.
        Item stranger;
        collection.aboutToChange(&stranger);
        collection.itemWasChanged(&stranger);
        QVERIFY(!collection.take(&stranger));

        QCOMPARE(journal.calls,
            (QStringList { "insert 1 B", "step ''", "insert 0 first", "step ''", "insert 4 last", "step ''",
                "before 2 B", "change 2 B2", "remove 0", "step 'outer'", "before 0 A" }));
        QCOMPARE(names(collection), (QStringList { "A", "B2", "C", "last" }));

        collection.removeJournal(&journal);
        collection.add(plainItem(1, "unseen"));
        QCOMPARE(journal.calls.size(), 11);
    }

    // A sort is told when it moved items; one that found them in order
    // changed nothing.
    void sortsThatMoveItems()
    {
        DBItemCollection collection(nullptr);
        collection.add(plainItem(2, "x"));
        collection.add(plainItem(1, "y"));
        RecordingJournal journal;
        collection.addJournal(&journal);
        collection.sort(DBItemCollection::ByGroup);
        collection.sort(DBItemCollection::ByGroup);
        collection.sort(DBItemCollection::ByDate);
        QCOMPARE(journal.calls,
            (QStringList { QString("sort %1").arg(int(DBItemCollection::ByGroup)),
                QString("sort %1").arg(int(DBItemCollection::ByDate)) }));
    }

    // Taking an entry out renumbers the later items; putting it back is the
    // exact reverse, a number past the end included. A list that waits for
    // the database save is the database's change; one written by itself is
    // not.
    void listEntriesOutAndBack()
    {
        DBItemCollection collection(nullptr);
        collection.setListEntries(DBItemCollection::GroupList, { "G0", "G1", "G2", "G3" });
        const QList<int> before { 0, 2, 3, 3, 7, 0 };
        for (int group : before)
            collection.add(plainItem(group, QString("in %1").arg(group)));
        setDatabaseModified(false);
        RecordingJournal journal;
        collection.addJournal(&journal);

        // Not due yet: a rename is the list file's own business.
        collection.setListEntries(DBItemCollection::GroupList, { "G0", "G1 renamed", "G2", "G3" });
        QVERIFY(journal.calls.isEmpty());

        QVERIFY(!collection.removeListEntry(DBItemCollection::GroupList, 2)); // in use
        QVERIFY(collection.removeListEntry(DBItemCollection::GroupList, 1));
        QCOMPARE(groupsOf(collection), (QList<int> { 0, 1, 2, 2, 7, 0 }));
        QVERIFY(collection.isListDue(DBItemCollection::GroupList));
        collection.setListEntries(DBItemCollection::GroupList, { "G0", "G2", "G3 renamed" });

        QVERIFY(collection.insertListEntry(DBItemCollection::GroupList, 1, "G1 renamed"));
        QCOMPARE(groupsOf(collection), before);
        QCOMPARE(collection.groups().entries(), (QStringList { "G0", "G1 renamed", "G2", "G3 renamed" }));
        QVERIFY(databaseModified());
        QVERIFY(!collection.insertListEntry(DBItemCollection::GroupList, 9, "far"));

        const int groups = int(DBItemCollection::GroupList);
        QCOMPARE(journal.calls,
            (QStringList { QString("entry- %1 1").arg(groups), "step ''",
                QString("list %1 G0,G2,G3 renamed").arg(groups), "step ''",
                QString("entry+ %1 1 G1 renamed").arg(groups), "step ''" }));

        // The last entry goes without renumbering anyone: no change of the
        // database.
        journal.calls.clear();
        DBItemCollection unused(nullptr);
        unused.setListEntries(DBItemCollection::LocationList, { "L0", "L1" });
        unused.addJournal(&journal);
        QVERIFY(unused.removeListEntry(DBItemCollection::LocationList, 1));
        QVERIFY(journal.calls.isEmpty());
    }

    // Names added at the end in one go: each is an entry put in at its
    // position for the journals, the views hear of one insertion, no item
    // moves (one numbered past the end keeps its number and now names the
    // new entry there).
    void appendedEntriesAreOneChange()
    {
        DBItemCollection collection(nullptr);
        collection.setListEntries(DBItemCollection::LocationList, { "L0", "L1" });
        const QList<int> locations { 0, 1, 3 };
        for (int location : locations) {
            auto item = plainItem(0, QString("at %1").arg(location));
            item->setLocation(location);
            collection.add(std::move(item));
        }
        setDatabaseModified(false);
        RecordingJournal journal;
        collection.addJournal(&journal);
        QSignalSpy before(&collection, &DBItemCollection::listEntryAboutToBeInserted);
        QSignalSpy after(&collection, &DBItemCollection::listEntryInserted);

        QVERIFY(collection.appendListEntries(DBItemCollection::LocationList, { "L2", "L3", "L4" }));
        QCOMPARE(collection.locations().entries(), (QStringList { "L0", "L1", "L2", "L3", "L4" }));
        QCOMPARE(before.count(), 1);
        QCOMPARE(after.count(), 1);
        QCOMPARE(after.first().at(1).toInt(), 2);
        QVERIFY(databaseModified());
        QVERIFY(collection.isListDue(DBItemCollection::LocationList));
        QList<int> now;
        for (const Item *item : collection)
            now << item->location();
        QCOMPARE(now, locations);
        const int list = int(DBItemCollection::LocationList);
        QCOMPARE(journal.calls,
            (QStringList { QString("entry+ %1 2 L2").arg(list), QString("entry+ %1 3 L3").arg(list),
                QString("entry+ %1 4 L4").arg(list), "step ''" }));

        journal.calls.clear();
        QVERIFY(collection.appendListEntries(DBItemCollection::LocationList, {}));
        QVERIFY(journal.calls.isEmpty());
        QCOMPARE(after.count(), 1);
        // The item numbered past the old end now has its entry, in use.
        QVERIFY(collection.removeListEntry(DBItemCollection::LocationList, 4));
        QVERIFY(!collection.removeListEntry(DBItemCollection::LocationList, 3));
        QCOMPARE(collection.locations().entries(), (QStringList { "L0", "L1", "L2", "L3" }));
    }

    // A journal may leave while it is told, and the next one is still told.
    void journalLeavingWhileTold()
    {
        DBItemCollection collection(nullptr);
        RecordingJournal leaving;
        RecordingJournal staying;
        leaving.onStepEnded = [&] { collection.removeJournal(&leaving); };
        collection.addJournal(&leaving);
        collection.addJournal(&staying);
        collection.addJournal(&staying);
        collection.add(plainItem(1, "a"));
        collection.add(plainItem(1, "b"));
        QCOMPARE(leaving.calls, (QStringList { "insert 0 a", "step ''" }));
        QCOMPARE(staying.calls, (QStringList { "insert 0 a", "step ''", "insert 1 b", "step ''" }));
    }
};

QTEST_GUILESS_MAIN(tst_CollectionJournal)
#include "tst_collectionjournal.moc"
