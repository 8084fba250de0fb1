#include <QtTest>

#include "ItemFixtures.h"
#include "TestSupport.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/DatabaseFile.h"
#include "database/Item.h"

#include <array>
#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

// Whether the collection deleted an item is seen where the memory goes back:
// this program's operator delete notes the addresses that a test watches.
namespace {

constexpr std::size_t watchSlots = 16;
std::array<std::atomic<const void *>, watchSlots> g_watched {};
std::array<std::atomic<bool>, watchSlots> g_freed {};

void noteFreed(const void *memory) noexcept
{
    if (!memory)
        return;
    for (std::size_t slot = 0; slot < watchSlots; ++slot) {
        const void *expected = memory;
        if (g_watched[slot].compare_exchange_strong(expected, nullptr))
            g_freed[slot].store(true);
    }
}

// Watches one item from now until the watch goes.
class Watch
{
public:
    explicit Watch(const Item *item)
    {
        for (m_slot = 0; m_slot < watchSlots; ++m_slot) {
            const void *expected = nullptr;
            if (g_watched[m_slot].compare_exchange_strong(expected, item))
                break;
        }
        Q_ASSERT(m_slot < watchSlots);
        g_freed[m_slot].store(false);
    }
    ~Watch()
    {
        g_watched[m_slot].store(nullptr);
        g_freed[m_slot].store(false);
    }
    Watch(const Watch &) = delete;
    Watch &operator=(const Watch &) = delete;
    bool deleted() const { return g_freed[m_slot].load(); }

private:
    std::size_t m_slot = 0;
};

} // namespace

void *operator new(std::size_t size)
{
    if (void *memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}

void *operator new(std::size_t size, const std::nothrow_t &) noexcept
{
    return std::malloc(size ? size : 1);
}

void operator delete(void *memory) noexcept
{
    noteFreed(memory);
    std::free(memory);
}

void operator delete(void *memory, std::size_t) noexcept
{
    noteFreed(memory);
    std::free(memory);
}

void operator delete(void *memory, const std::nothrow_t &) noexcept
{
    noteFreed(memory);
    std::free(memory);
}

using ItemFixtures::names;
using ItemFixtures::plainItem;

class tst_ItemOwnership : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestSupport::IsolatedSettings> m_settings;
    QTemporaryDir m_folder;

private slots:
    void initTestCase() { qRegisterMetaType<Item *>(); }
    void init()
    {
        m_settings = std::make_unique<TestSupport::IsolatedSettings>(OstranaEdition);
        // A database folder without lists keeps the collections' lists empty.
        Settings().setValue("LastDBDir", m_folder.path());
    }
    void cleanup()
    {
        m_settings.reset();
        setDatabaseModified(false);
    }

    // The watch itself: an item deleted by hand is seen, one alive is not.
    void watchSeesDeletion()
    {
        auto item = plainItem("Stol");
        const Watch watch(item.get());
        QVERIFY(!watch.deleted());
        item.reset();
        QVERIFY(watch.deleted());
    }

    // clear() and the destructor announce aboutToClear() while the items
    // are all there, and delete them after.
    void clearAndDestructionDeleteTheItems_data()
    {
        QTest::addColumn<bool>("destroy");
        QTest::newRow("clear") << false;
        QTest::newRow("destructor") << true;
    }
    void clearAndDestructionDeleteTheItems()
    {
        QFETCH(bool, destroy);
        auto collection = std::make_unique<DBItemCollection>(nullptr);
        std::vector<std::unique_ptr<Watch>> watches;
        for (const char *name : { "Sofa", "Stol", "Bord" })
            watches.push_back(std::make_unique<Watch>(collection->add(plainItem(name))));
        int announced = 0;
        int aliveWhenAnnounced = 0;
        QStringList namesWhenAnnounced;
        // The pointer itself is null while reset() deletes the collection.
        const DBItemCollection *announcer = collection.get();
        connect(collection.get(), &DBItemCollection::aboutToClear, this, [&] {
            ++announced;
            for (const auto &watch : watches)
                aliveWhenAnnounced += watch->deleted() ? 0 : 1;
            namesWhenAnnounced = names(*announcer);
        });

        if (destroy)
            collection.reset();
        else
            collection->clear();
        QCOMPARE(announced, 1);
        QCOMPARE(aliveWhenAnnounced, 3);
        QCOMPARE(namesWhenAnnounced, (QStringList { "Sofa", "Stol", "Bord" }));
        for (const auto &watch : watches)
            QVERIFY(watch->deleted());
        if (!destroy) {
            QCOMPARE(collection->count(), 0);
            QVERIFY(collection->items().isEmpty());
            QVERIFY(collection->begin() == collection->end());
        }
    }

    // An empty collection has nothing to announce when it goes.
    void emptyCollectionGoesQuietly()
    {
        auto collection = std::make_unique<DBItemCollection>(nullptr);
        QSignalSpy aboutToClear(collection.get(), &DBItemCollection::aboutToClear);
        collection.reset();
        QCOMPARE(aboutToClear.count(), 0);
    }

    // take() hands the item back alive and no longer in the collection; the
    // caller's pointer then decides when it goes.
    void takeHandsBackALiveItem()
    {
        DBItemCollection collection(nullptr);
        collection.add(plainItem("a"));
        Item *b = collection.add(plainItem("b"));
        collection.add(plainItem("c"));
        const Watch watch(b);
        bool inCollectionWhenAnnounced = true;
        QString nameWhenAnnounced;
        connect(&collection, &DBItemCollection::itemRemoved, this, [&](Item *item) {
            inCollectionWhenAnnounced = collection.contains(item);
            nameWhenAnnounced = item->name();
        });

        std::unique_ptr<Item> taken = collection.take(b);
        QCOMPARE(taken.get(), b);
        QVERIFY(!watch.deleted());
        QVERIFY(!inCollectionWhenAnnounced);
        QCOMPARE(nameWhenAnnounced, QStringLiteral("b"));
        QCOMPARE(names(collection), (QStringList { "a", "c" }));
        collection.clear();
        QVERIFY(!watch.deleted());
        QCOMPARE(taken->name(), QStringLiteral("b"));
        taken.reset();
        QVERIFY(watch.deleted());
    }

    // The user's delete: itemRemoved comes while the item still exists,
    // and the item is gone once deleteItem returns.
    void deleteItemAnnouncesBeforeItDeletes()
    {
        DBItemCollection collection(nullptr);
        Item *sofa = collection.add(plainItem(0, "Sofa", 2, 1500.0));
        collection.add(plainItem("Stol"));
        setDatabaseModified(false);
        const Watch watch(sofa);
        bool aliveWhenAnnounced = false;
        QString nameWhenAnnounced;
        connect(&collection, &DBItemCollection::itemRemoved, this, [&](Item *item) {
            aliveWhenAnnounced = !watch.deleted();
            nameWhenAnnounced = item->name();
        });

        collection.deleteItem(sofa);
        QVERIFY(aliveWhenAnnounced);
        QCOMPARE(nameWhenAnnounced, QStringLiteral("Sofa"));
        QVERIFY(watch.deleted());
        QVERIFY(databaseModified());
        QCOMPARE(names(collection), (QStringList { "Stol" }));

        // An item that is not the collection's is left alone.
        setDatabaseModified(false);
        auto stranger = plainItem("Fremmed");
        const Watch strangerWatch(stranger.get());
        collection.deleteItem(stranger.get());
        QVERIFY(!strangerWatch.deleted());
        QVERIFY(!databaseModified());
        QCOMPARE(collection.count(), 1);
    }

    // The reader's batch joins the items already there, unannounced, and
    // the collection owns it like any other item.
    void adoptLoadedAppendsOwnedItemsQuietly()
    {
        auto collection = std::make_unique<DBItemCollection>(nullptr);
        collection->add(plainItem("first"));
        setDatabaseModified(false);
        std::vector<std::unique_ptr<Item>> batch;
        batch.push_back(plainItem("second"));
        batch.push_back(plainItem("third"));
        const Watch second(batch.front().get());
        const Watch third(batch.back().get());
        QSignalSpy added(collection.get(), &DBItemCollection::itemAdded);

        collection->adoptLoaded(std::move(batch), 254);
        QCOMPARE(names(*collection), (QStringList { "first", "second", "third" }));
        QCOMPARE(collection->formatLevel(), 254);
        QCOMPARE(added.count(), 0);
        QVERIFY(!databaseModified());

        collection.reset();
        QVERIFY(second.deleted());
        QVERIFY(third.deleted());
    }

    // Items read from a file belong to the collection: it deletes them.
    void loadedItemsGoWithTheCollection()
    {
        const QString path = m_folder.filePath(QStringLiteral("db.txt"));
        {
            DBItemCollection source(nullptr);
            source.add(ItemFixtures::makeItem(1, QStringLiteral("Sofa"), 1));
            source.add(ItemFixtures::makeItem(2, QStringLiteral("Stol"), 2));
            QVERIFY(source.SaveToFileAsAscii(path));
        }
        auto collection = std::make_unique<DBItemCollection>(nullptr);
        QVERIFY(collection->LoadFromAsciiFile(path));
        QCOMPARE(names(*collection), (QStringList { "Sofa", "Stol" }));
        const Watch first(collection->at(0));
        const Watch second(collection->at(1));
        collection.reset();
        QVERIFY(first.deleted());
        QVERIFY(second.deleted());
    }

    // The look at the items follows the collection's order, and a sort moves
    // the items themselves.
    void itemsFollowTheOrderAndSortMovesTheItems()
    {
        DBItemCollection collection(nullptr);
        Item *c = collection.add(plainItem(3, "c"));
        Item *a = collection.add(plainItem(1, "a"));
        Item *b = collection.add(plainItem(2, "b"));
        const ItemSpan before = collection.items();
        QCOMPARE(before.size(), 3);
        QCOMPARE(before.at(0), c);
        QCOMPARE(before.indexOf(b), 2);
        QCOMPARE(before.indexOf(nullptr), -1);
        QCOMPARE(std::count_if(before.begin(), before.end(), [](const Item *item) { return item->group() > 1; }), 2);

        collection.sort(DBItemCollection::ByGroup);
        QCOMPARE(collection.at(0), a);
        QCOMPARE(collection.at(1), b);
        QCOMPARE(collection.at(2), c);

        a->setDate(QStringLiteral("01.01.2002"));
        b->setDate(QStringLiteral("01.01.2001"));
        c->setDate(QStringLiteral("01.01.2000"));
        collection.sort(DBItemCollection::ByDate);
        QCOMPARE(collection.at(0), c);
        QCOMPARE(collection.at(1), b);
        QCOMPARE(collection.at(2), a);
        QCOMPARE(collection.indexOf(a), 2);
    }
};

QTEST_GUILESS_MAIN(tst_ItemOwnership)
#include "tst_itemownership.moc"
