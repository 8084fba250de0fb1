#include <QtTest>

#include "ItemFixtures.h"
#include "TestSupport.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/CollectionJournal.h"
#include "database/CollectionStep.h"
#include "database/CollectionUndoRecorder.h"
#include "database/CollectionUndoStep.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"

#include <functional>
#include <memory>
#include <vector>

using ItemFixtures::makeItem;

namespace {

// Follows the collection through the journal calls alone, as the recovery
// file does: after every step its copy of the order must be the collection's.
class MirrorJournal : public CollectionJournal
{
public:
    explicit MirrorJournal(DBItemCollection &collection)
        : m_collection(collection)
    {
        for (const Item *item : collection)
            order.push_back(item);
        m_collection.addJournal(this);
    }
    ~MirrorJournal() override { m_collection.removeJournal(this); }

    void itemInserted(int index, const Item &item) override
    {
        order.insert(order.begin() + index, &item);
        ok = ok && m_collection.contains(&item);
    }
    void itemRemoved(int index) override
    {
        ok = ok && index >= 0 && index < int(order.size());
        if (ok)
            order.erase(order.begin() + index);
    }
    void itemChanged(int index, const Item &item) override { ok = ok && order.at(std::size_t(index)) == &item; }
    void sorted(int) override
    {
        order.clear();
        for (const Item *item : m_collection)
            order.push_back(item);
    }
    void listReplaced(int, const QStringList &) override { }
    void listEntryRemoved(int, int) override { }
    void listEntryInserted(int, int, const QString &) override { }
    void stepEnded(const QString &text) override
    {
        steps << text;
        std::vector<const Item *> now;
        for (const Item *item : m_collection)
            now.push_back(item);
        ok = ok && now == order;
    }

    std::vector<const Item *> order;
    QStringList steps;
    bool ok = true;

private:
    DBItemCollection &m_collection;
};

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

using Change = std::function<void(DBItemCollection &)>;

Item *named(DBItemCollection &collection, const QString &name)
{
    for (Item *item : collection) {
        if (item->name() == name)
            return item;
    }
    return nullptr;
}

void changeInPlace(DBItemCollection &collection, const QString &name, const std::function<void(Item &)> &edit)
{
    Item *item = named(collection, name);
    collection.aboutToChange(item);
    edit(*item);
    collection.itemWasChanged(item);
}

} // namespace

Q_DECLARE_METATYPE(Change)

class tst_UndoRecorder : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestSupport::IsolatedSettings> m_settings;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_file;

    QString path(const QString &name) const { return QDir(m_dir->path()).filePath(name); }

    QByteArray saved(DBItemCollection &collection)
    {
        const QString file = path(QStringLiteral("saved.inb"));
        if (!collection.SaveToFileAsAscii(file))
            return QByteArray("not saved");
        return readAll(file);
    }

private slots:
    void initTestCase() { qRegisterMetaType<Item *>(); }

    void init()
    {
        m_settings = std::make_unique<TestSupport::IsolatedSettings>(OstranaEdition);
        m_dir = std::make_unique<QTemporaryDir>();
        Settings().setValue("LastDBDir", m_dir->path());
        QDir(m_dir->path()).mkpath("groups");
        QDir(m_dir->path()).mkpath("location");
        TestSupport::writeFile(path("groups/groups.dk.txt"), "G0\r\nG1\r\nUbrugt\r\nG3\r\nG4\r\n");
        TestSupport::writeFile(path("location/location.dk.txt"), "L0\r\nL1\r\nL2\r\nL3\r\n");
        // A file as a save writes it: by group, and in each group in the
        // order the items came.
        DBItemCollection source(nullptr);
        const int groups[] = { 0, 0, 0, 1, 1, 3, 3, 3, 3, 4, 4, 4 };
        int seed = 0;
        for (int group : groups) {
            source.add(makeItem(group, QStringLiteral("Ting %1").arg(seed), seed));
            ++seed;
        }
        m_file = path("home.inb");
        QVERIFY(source.SaveToFileAsAscii(m_file));
        setDatabaseModified(false);
    }
    void cleanup()
    {
        m_settings.reset();
        m_dir.reset();
        setDatabaseModified(false);
    }

    void undoAndRedoSaveTheSameBytes_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<bool>("saveBetween");
        const QList<QPair<const char *, Change>> changes {
            { "change",
                [](DBItemCollection &c) {
                    changeInPlace(c, "Ting 4", [](Item &item) {
                        item.setName("Sofa");
                        item.setPrice(12.5);
                    });
                } },
            { "move to another group",
                [](DBItemCollection &c) { changeInPlace(c, "Ting 1", [](Item &item) { item.setGroup(3); }); } },
            { "move to another group and back",
                [](DBItemCollection &c) {
                    changeInPlace(c, "Ting 6", [](Item &item) { item.setGroup(0); });
                    changeInPlace(c, "Ting 6", [](Item &item) { item.setGroup(3); });
                } },
            { "new item at the end", [](DBItemCollection &c) { c.add(makeItem(1, "Ny", 40)); } },
            { "new item inside", [](DBItemCollection &c) { c.insert(7, makeItem(3, "Ny", 41)); } },
            { "delete", [](DBItemCollection &c) { c.deleteItem(named(c, "Ting 6")); } },
            { "delete the last of a group", [](DBItemCollection &c) { c.deleteItem(named(c, "Ting 4")); } },
            { "delete many",
                [](DBItemCollection &c) {
                    c.deleteItems({ named(c, "Ting 0"), named(c, "Ting 1"), named(c, "Ting 7"), named(c, "Ting 11"),
                        named(c, "Ting 5") });
                } },
            { "pre-creation",
                [](DBItemCollection &c) {
                    for (int i = 0; i < 6; ++i)
                        c.add(makeItem(i % 2 ? 4 : 0, QStringLiteral("Auto %1").arg(i), 50 + i));
                } },
            { "import",
                [](DBItemCollection &c) {
                    changeInPlace(c, "Ting 3", [](Item &item) { item.setNumberOfItems(2); });
                    auto copy = std::make_unique<Item>(*named(c, "Ting 3"));
                    copy->setGroup(0);
                    c.add(std::move(copy));
                    c.deleteItem(named(c, "Ting 9"));
                    changeInPlace(c, "Ting 10", [](Item &item) { item.setGroup(1); });
                } },
            { "list entry out, renumbering",
                [](DBItemCollection &c) {
                    QVERIFY(c.removeListEntry(DBItemCollection::GroupList, 2));
                    c.setListEntries(DBItemCollection::GroupList, { "G0", "G1", "G3 ny", "G4", "G5" });
                } },
        };
        for (const auto &[name, change] : changes) {
            QTest::addRow("%s", name) << change << false;
            QTest::addRow("%s, saved between", name) << change << true;
        }
    }

    void undoAndRedoSaveTheSameBytes()
    {
        QFETCH(Change, change);
        QFETCH(bool, saveBetween);

        // The same change, unrecorded, gives the bytes after it.
        QByteArray after;
        QStringList groupsAfter;
        {
            DBItemCollection reference(m_file, nullptr);
            change(reference);
            after = saved(reference);
            for (int i = 0; i < reference.groups().size(); ++i)
                groupsAfter << reference.groups().entry(i);
        }
        TestSupport::writeFile(path("groups/groups.dk.txt"), "G0\r\nG1\r\nUbrugt\r\nG3\r\nG4\r\n");

        DBItemCollection collection(m_file, nullptr);
        QStringList groupsBefore;
        for (int i = 0; i < collection.groups().size(); ++i)
            groupsBefore << collection.groups().entry(i);
        std::vector<std::unique_ptr<CollectionUndoStep>> steps;
        int lost = 0;
        CollectionUndoRecorder recorder(collection, [&](std::unique_ptr<CollectionUndoStep> step) {
            if (step)
                steps.push_back(std::move(step));
            else
                ++lost;
        });
        MirrorJournal mirror(collection);
        const QByteArray before = saved(collection);

        {
            const CollectionStep step(collection, QStringLiteral("the change"));
            change(collection);
        }
        QCOMPARE(lost, 0);
        QCOMPARE(steps.size(), std::size_t(1));
        QCOMPARE(steps.front()->text(), QStringLiteral("the change"));
        const std::vector<const Item *> itemsAfter = mirror.order;
        if (saveBetween)
            QCOMPARE(saved(collection), after);

        for (int round = 0; round < 2; ++round) {
            recorder.undo(*steps.front());
            QVERIFY(mirror.ok);
            QCOMPARE(saved(collection), before);
            QStringList groups;
            for (int i = 0; i < collection.groups().size(); ++i)
                groups << collection.groups().entry(i);
            QCOMPARE(groups, groupsBefore);

            recorder.redo(*steps.front());
            QVERIFY(mirror.ok);
            QCOMPARE(saved(collection), after);
            groups.clear();
            for (int i = 0; i < collection.groups().size(); ++i)
                groups << collection.groups().entry(i);
            QCOMPARE(groups, groupsAfter);
        }
        // Undo and redo are no steps of the history, but are steps for the
        // other journals, under the step's name; the items are the same
        // objects throughout.
        QCOMPARE(steps.size(), std::size_t(1));
        QCOMPARE(mirror.steps.size(), 5);
        QCOMPARE(mirror.steps.last(), QStringLiteral("the change"));
        std::vector<const Item *> now(collection.begin(), collection.end());
        std::sort(now.begin(), now.end());
        std::vector<const Item *> expected = itemsAfter;
        std::sort(expected.begin(), expected.end());
        QCOMPARE(now, expected);
    }

    void stepOfOneItemKeepsOneItem()
    {
        DBItemCollection collection(m_file, nullptr);
        std::vector<std::unique_ptr<CollectionUndoStep>> steps;
        CollectionUndoRecorder recorder(
            collection, [&](std::unique_ptr<CollectionUndoStep> step) { steps.push_back(std::move(step)); });
        Item *item = collection.at(3);
        changeInPlace(collection, item->name(), [](Item &changed) { changed.setName("Sofa"); });
        QCOMPARE(steps.size(), std::size_t(1));
        QCOMPARE(steps[0]->changeCount(), std::size_t(1));
        QVERIFY(steps[0]->change(0).kept);
        QCOMPARE(steps[0]->change(0).item, item);
        // A change outside any step is a step with no name.
        QVERIFY(steps[0]->text().isEmpty());

        collection.deleteItem(item);
        QCOMPARE(steps.size(), std::size_t(2));
        QCOMPARE(steps[1]->changeCount(), std::size_t(1));
        QCOMPARE(steps[1]->change(0).kept.get(), item);
        recorder.undo(*steps[1]);
        QCOMPARE(collection.at(3), item);
        QVERIFY(!steps[1]->change(0).kept);
        recorder.undo(*steps[0]);
        QCOMPARE(collection.at(3), item);
        QCOMPARE(item->name(), QStringLiteral("Ting 3"));
    }

    void changeWithoutItsOldFieldsIsLost()
    {
        DBItemCollection collection(m_file, nullptr);
        std::vector<std::unique_ptr<CollectionUndoStep>> steps;
        CollectionUndoRecorder recorder(
            collection, [&](std::unique_ptr<CollectionUndoStep> step) { steps.push_back(std::move(step)); });
        collection.at(2)->setName("Uanmeldt");
        collection.itemWasChanged(collection.at(2));
        QCOMPARE(steps.size(), std::size_t(1));
        QVERIFY(!steps[0]);
        // An item taken out and kept by its taker cannot be put back either.
        std::unique_ptr<Item> taken = collection.take(collection.at(0));
        QCOMPARE(steps.size(), std::size_t(2));
        QVERIFY(!steps[1]);
    }

    void batches_data()
    {
        QTest::addColumn<std::vector<int>>("positions");
        QTest::newRow("first") << std::vector<int> { 0 };
        QTest::newRow("last") << std::vector<int> { 11 };
        QTest::newRow("runs") << std::vector<int> { 0, 1, 2, 5, 9, 10, 11 };
        QTest::newRow("every other") << std::vector<int> { 1, 3, 5, 7, 9, 11 };
        QTest::newRow("all") << std::vector<int> { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 };
    }

    void batches()
    {
        QFETCH(std::vector<int>, positions);
        DBItemCollection collection(m_file, nullptr);
        MirrorJournal mirror(collection);
        const std::vector<const Item *> before(collection.begin(), collection.end());
        QSignalSpy removed(&collection, &DBItemCollection::itemRemoved);
        QSignalSpy added(&collection, &DBItemCollection::itemAdded);

        std::vector<std::unique_ptr<Item>> taken = collection.takeAt(positions);
        QCOMPARE(taken.size(), positions.size());
        for (std::size_t i = 0; i < positions.size(); ++i)
            QCOMPARE(taken[i].get(), before[std::size_t(positions[i])]);
        QCOMPARE(removed.count(), int(positions.size()));
        QCOMPARE(collection.count(), 12 - int(positions.size()));
        QVERIFY(mirror.ok);
        QCOMPARE(mirror.steps.size(), 1);

        collection.insertAt(positions, std::move(taken));
        QCOMPARE(added.count(), int(positions.size()));
        QCOMPARE(std::vector<const Item *>(collection.begin(), collection.end()), before);
        QVERIFY(mirror.ok);
        QCOMPARE(mirror.steps.size(), 2);
        QVERIFY(databaseModified());

        // Positions out of order or outside change nothing.
        QVERIFY(collection.takeAt({ 3, 2 }).empty());
        QVERIFY(collection.takeAt({ 12 }).empty());
        QVERIFY(collection.takeAt({ -1 }).empty());
        QCOMPARE(collection.count(), 12);

        collection.moveItem(0, 11);
        QCOMPARE(collection.at(11), before[0]);
        collection.moveItem(11, 0);
        QCOMPARE(std::vector<const Item *>(collection.begin(), collection.end()), before);
        QVERIFY(mirror.ok);
    }
};

QTEST_GUILESS_MAIN(tst_UndoRecorder)
#include "tst_undorecorder.moc"
