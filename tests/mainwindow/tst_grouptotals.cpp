#include <QAction>
#include <QCoreApplication>
#include <QHeaderView>
#include <QtTest>

#include "DatabaseFixture.h"
#include "ListModelCheck.h"
#include "TestSupport.h"
#include "TestWorld.h"
#include "core/ColumnTitles.h"
#include "core/Edition.h"
#include "core/Parallel.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "itemdialog/ItemDialog.h"
#include "mainwindow/ItemListModel.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/funiQListViewItem.h"
#include "mainwindow/larkspanwindow.h"

#include <algorithm>
#include <memory>

using namespace ListColumns;
using namespace TestSupport;

namespace {

struct Line
{
    int group;
    const char *name;
    int count;
    const char *price;
    const char *priceToday;
};

// Amounts with cents, among them some whose products are no exact binary
// fractions (3 x 0.10, 3 x 0.05); the cellar holds nothing.
const Line home[] = {
    { 0, "Sofa", 2, "1499.950000", "1000.100000" },
    { 0, "Bord", 3, "0.100000", "0.050000" },
    { 0, "Lampe", 1, "0.010000", "0.000000" },
    { 1, "Komfur", 1, "4999.500000", "2500.250000" },
};

QByteArray databaseBytes(int edition)
{
    QByteArray bytes = DatabaseFixture::headerLine(edition) + "\r\n";
    for (const Line &line : home) {
        bytes += QByteArray::number(line.group) + ';' + line.name + ";Make;" + line.price + ';' + line.priceToday
            + ";01.02.2003;Shop;S1;;;;" + QByteArray::number(line.count) + ";0;;;;Model;\r\n";
    }
    return bytes;
}

// A main window on the home database of the edition, in the test's folder.
struct TotalsWindow : TestWorld
{
    explicit TotalsWindow(int edition)
        : TestWorld(edition)
    {
        DatabaseFixture::writeLists(
            dir.path(), { QStringLiteral("Stue"), QStringLiteral("Køkken"), QStringLiteral("Kælder") });
        const QString database = path(QStringLiteral("home.db"));
        writeFile(database, databaseBytes(edition));
        startWith(database);
        window = std::make_unique<MainWindow>();
        checkListModel(*window->listView());
    }
    ~TotalsWindow()
    {
        for (ItemDialog *dialog : window->findChildren<ItemDialog *>())
            delete dialog;
        setDatabaseModified(false);
        window.reset();
    }

    DBItemCollection *collection() const { return window->collection(); }
    ItemListView *list() const { return window->listView(); }
    Item *item(const char *name) const
    {
        for (Item *item : *collection()) {
            if (item->name() == QLatin1String(name))
                return item;
        }
        return nullptr;
    }
    template <typename Change> void change(const char *name, Change change)
    {
        Item *changed = item(name);
        QVERIFY(changed);
        collection()->aboutToChange(changed);
        change(*changed);
        collection()->itemWasChanged(changed);
    }
    void trigger(const char *action)
    {
        QAction *found = window->findChild<QAction *>(QString::fromLatin1(action));
        QVERIFY(found);
        QVERIFY(found->isEnabled());
        found->trigger();
    }

    std::unique_ptr<MainWindow> window;
};

// What the group rows show in the group, count, price and value-today
// columns, one group a line, by group number.
QStringList shownTotals(const ItemListView &list)
{
    QStringList shown;
    const ItemListModel *model = list.listModel();
    for (int group = 0; group < model->groupCount(); ++group) {
        QStringList cells;
        for (int column : { GroupColumn, CountColumn, PriceColumn, PriceTodayColumn })
            cells << model->groupIndex(group, column).data().toString();
        shown << cells.join(QLatin1Char('|'));
    }
    return shown;
}

void makeStep(TotalsWindow &w, const QString &step)
{
    const QStringList parts = step.split(QStringLiteral(", "));
    for (const QString &part : parts) {
        if (part == QLatin1String("fill"))
            continue;
        if (part == QLatin1String("add")) {
            auto item = std::make_unique<Item>();
            item->setGroup(1);
            item->setName(QStringLiteral("Kedel"));
            item->setNumberOfItems(2);
            item->setPrice(150.25);
            item->setPriceToday(99.99);
            w.collection()->add(std::move(item));
        } else if (part == QLatin1String("price")) {
            w.change("Sofa", [](Item &item) { item.setPrice(1500.0); });
        } else if (part == QLatin1String("count")) {
            w.change("Bord", [](Item &item) { item.setNumberOfItems(10); });
        } else if (part == QLatin1String("move")) {
            w.change("Sofa", [](Item &item) { item.setGroup(2); });
        } else if (part == QLatin1String("delete")) {
            w.collection()->deleteItem(w.item("Komfur"));
        } else if (part == QLatin1String("delete two")) {
            w.list()->DeleteItems({ w.item("Bord"), w.item("Lampe") });
        } else if (part == QLatin1String("dialog")) {
            // The price as the user types it, in the item dialog.
            w.list()->FindListViewItem(w.item("Sofa"));
            w.window->EditItem();
            const QList<ItemDialog *> dialogs = w.window->findChildren<ItemDialog *>();
            QVERIFY(!dialogs.isEmpty());
            dialogs.last()->priceLineEdit->setText(QStringLiteral("1500"));
            QVERIFY(dialogs.last()->save_slot());
        } else if (part == QLatin1String("undo")) {
            w.trigger("EditUndo");
        } else if (part == QLatin1String("redo")) {
            w.trigger("EditRedo");
        } else if (part == QLatin1String("rebuild")) {
            w.list()->RebuildList();
        } else {
            QFAIL(qPrintable(QStringLiteral("no step ") + part));
        }
    }
}

struct Expected
{
    const char *step;
    // The three groups as the count editions show them, and as the picture
    // edition does (sums of the prices themselves, no count total).
    const char *byCount[3];
    const char *byPicture[3];
};

const Expected expectations[] = {
    { "fill", { "Stue (3)|6|3000.21|1000.15", "Køkken (1)|1|4999.50|2500.25", "Kælder (0)|0|0.00|0.00" },
        { "Stue (3)||1500.06|1000.15", "Køkken (1)||4999.50|2500.25", "Kælder (0)||0.00|0.00" } },
    { "add", { "Stue (3)|6|3000.21|1000.15", "Køkken (2)|3|5300.00|2600.24", "Kælder (0)|0|0.00|0.00" },
        { "Stue (3)||1500.06|1000.15", "Køkken (2)||5149.75|2600.24", "Kælder (0)||0.00|0.00" } },
    { "price", { "Stue (3)|6|3000.31|1000.15", "Køkken (1)|1|4999.50|2500.25", "Kælder (0)|0|0.00|0.00" },
        { "Stue (3)||1500.11|1000.15", "Køkken (1)||4999.50|2500.25", "Kælder (0)||0.00|0.00" } },
    { "count", { "Stue (3)|13|3000.91|1000.15", "Køkken (1)|1|4999.50|2500.25", "Kælder (0)|0|0.00|0.00" },
        { "Stue (3)||1500.06|1000.15", "Køkken (1)||4999.50|2500.25", "Kælder (0)||0.00|0.00" } },
    { "move", { "Stue (2)|4|0.31|0.05", "Køkken (1)|1|4999.50|2500.25", "Kælder (1)|2|2999.90|1000.10" },
        { "Stue (2)||0.11|0.05", "Køkken (1)||4999.50|2500.25", "Kælder (1)||1499.95|1000.10" } },
    { "delete", { "Stue (3)|6|3000.21|1000.15", "Køkken (0)|0|0.00|0.00", "Kælder (0)|0|0.00|0.00" },
        { "Stue (3)||1500.06|1000.15", "Køkken (0)||0.00|0.00", "Kælder (0)||0.00|0.00" } },
    { "delete two", { "Stue (1)|2|2999.90|1000.10", "Køkken (1)|1|4999.50|2500.25", "Kælder (0)|0|0.00|0.00" },
        { "Stue (1)||1499.95|1000.10", "Køkken (1)||4999.50|2500.25", "Kælder (0)||0.00|0.00" } },
};

const char *editionLabel(int edition)
{
    switch (edition) {
    case VistrelEdition:
        return "Vistrel";
    case NumivaxEdition:
        return "Numivax";
    case QuorvelEdition:
        return "Quorvel";
    default:
        return "Ostrana";
    }
}

const Expected *expectationOf(const char *step)
{
    for (const Expected &expected : expectations) {
        if (qstrcmp(expected.step, step) == 0)
            return &expected;
    }
    return nullptr;
}

} // namespace

class tst_GroupTotals : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<Item *>(); }
    void cleanup()
    {
        Parallel::setMinimumWork(-1);
        Parallel::setNoThreads(false);
    }

    void totalsFollowEachChange_data();
    void totalsFollowEachChange();
    void fillSumsEveryGroupInTheCollectionsOrder_data();
    void fillSumsEveryGroupInTheCollectionsOrder();
    void oneItemTotalsWhatItsRowShows_data();
    void oneItemTotalsWhatItsRowShows();
    void groupRowsSortByTheirNames_data();
    void groupRowsSortByTheirNames();
};

void tst_GroupTotals::totalsFollowEachChange_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QStringList>("expected");
    // Each step, and what the groups show after it (named by the step whose
    // outcome it has).
    const struct
    {
        const char *step;
        const char *outcome;
    } steps[] = {
        { "fill", "fill" },
        { "add", "add" },
        { "price", "price" },
        { "count", "count" },
        { "move", "move" },
        { "delete", "delete" },
        { "delete two", "delete two" },
        { "price, undo", "fill" },
        { "price, undo, redo", "price" },
        { "move, undo", "fill" },
        { "move, undo, redo", "move" },
        { "add, undo", "fill" },
        { "delete, undo", "fill" },
        { "delete two, undo", "fill" },
        { "delete two, undo, redo", "delete two" },
        { "price, rebuild", "price" },
        { "dialog", "price" },
    };
    for (int edition : { OstranaEdition, VistrelEdition, NumivaxEdition, QuorvelEdition }) {
        for (const auto &step : steps) {
            const Expected *expected = expectationOf(step.outcome);
            QStringList texts;
            for (int group = 0; group < 3; ++group) {
                texts << QString::fromUtf8(
                    edition == VistrelEdition ? expected->byPicture[group] : expected->byCount[group]);
            }
            QTest::addRow("%s, %s", editionLabel(edition), step.step)
                << edition << QString::fromLatin1(step.step) << texts;
        }
    }
}

void tst_GroupTotals::totalsFollowEachChange()
{
    QFETCH(int, edition);
    QFETCH(QString, step);
    QFETCH(QStringList, expected);
    TotalsWindow w(edition);
    QVERIFY(w.window->startSucceeded());
    QCOMPARE(w.collection()->count(), 4);

    makeStep(w, step);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(shownTotals(*w.list()), expected);
    // What the list followed is what it sums from scratch.
    w.list()->RebuildList();
    QCOMPARE(shownTotals(*w.list()), expected);
    QCOMPARE(w.boxes.count(), 0);
}

void tst_GroupTotals::fillSumsEveryGroupInTheCollectionsOrder_data()
{
    QTest::addColumn<bool>("twoThreads");
    QTest::newRow("one thread") << false;
    QTest::newRow("two threads") << true;
}

// A register filled in one pass or in two halves at once: every group holds
// its items in the collection's order and totals them, the items of groups
// without a row are told of once per group, in the order first met.
void tst_GroupTotals::fillSumsEveryGroupInTheCollectionsOrder()
{
    QFETCH(bool, twoThreads);
    IsolatedSettings settings(OstranaEdition);
    RecordedMessageBoxes boxes;
    if (twoThreads)
        Parallel::setMinimumWork(1);
    else
        Parallel::setNoThreads(true);

    DBItemCollection collection(nullptr);
    collection.groups().clear();
    for (const char *group : { "Stue", "Køkken", "Kælder", "Loft" })
        collection.groups().add(QString::fromUtf8(group));
    constexpr int itemCount = 3001;
    // Whole cents by group: the reference sums, in integers.
    qint64 pieces[4] = {};
    qint64 priceCents[4] = {};
    qint64 todayCents[4] = {};
    std::vector<std::vector<const Item *>> order(4);
    std::vector<std::unique_ptr<Item>> items;
    for (int i = 0; i < itemCount; ++i) {
        auto item = std::make_unique<Item>();
        // Groups without a row near both ends of the register; the loft
        // has no items.
        const int group = i == 10 || i == 2900 ? 7 : (i == 2950 ? 5 : (i == 2990 ? 7 : i % 3));
        const int count = 1 + i % 5;
        const qint64 price = (qint64(i) * 7919) % 1000000;
        const qint64 today = (qint64(i) * 104729) % 100000;
        item->setGroup(group);
        item->setName(QStringLiteral("Ting %1").arg(i));
        item->setNumberOfItems(count);
        item->setPrice(double(price) / 100.0);
        item->setPriceToday(double(today) / 100.0);
        if (group < 4) {
            pieces[group] += count;
            priceCents[group] += count * price;
            todayCents[group] += today; // the entry's value, for all its pieces
            order[size_t(group)].push_back(item.get());
        }
        items.push_back(std::move(item));
    }
    collection.adoptLoaded(std::move(items), 255);

    ItemListView list;
    checkListModel(list);
    list.SetCollection(&collection);
    list.FillList(&collection);

    const auto amount = [](qint64 cents) {
        return QStringLiteral("%1.%2").arg(cents / 100).arg(cents % 100, 2, 10, QLatin1Char('0'));
    };
    QStringList expected;
    for (int group = 0; group < 4; ++group) {
        expected << QStringLiteral("%1 (%2)|%3|%4|%5")
                        .arg(collection.groups().entry(group))
                        .arg(order[size_t(group)].size())
                        .arg(pieces[group])
                        .arg(amount(priceCents[group]), amount(todayCents[group]));
        const std::vector<Item *> &listed = list.listModel()->itemsOf(group);
        QVERIFY(std::equal(listed.begin(), listed.end(), order[size_t(group)].begin(), order[size_t(group)].end()));
    }
    QCOMPARE(shownTotals(list), expected);

    const QList<MessageBox::Shown> told = boxes.shown();
    QCOMPARE(told.size(), 2);
    const QString limit = QCoreApplication::translate("ItemListView", "MAX_LIMIT_ERROR");
    QCOMPARE(told.at(0).text, limit.arg(7).arg(4));
    QCOMPARE(told.at(1).text, limit.arg(5).arg(4));
}

void tst_GroupTotals::oneItemTotalsWhatItsRowShows_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("price");
    // Halves of a cent, exactly and nearly, amounts beyond a double's cents
    // for some products, and below zero.
    const struct
    {
        int count;
        double price;
    } amounts[] = {
        { 1, 0.125 },
        { 1, 0.135 },
        { 3, 0.335 },
        { 1, 0.005 },
        { 2, 0.0049999 },
        { 7, 1234567.891 },
        { 100000, 9999999.0 },
        { 1, -0.5 },
        { 3, -2.675 },
        { 1, 0.0 },
    };
    for (int edition : { OstranaEdition, VistrelEdition }) {
        for (const auto &amount : amounts) {
            QTest::addRow("%s, %d x %.7g", editionLabel(edition), amount.count, amount.price)
                << edition << amount.count << amount.price;
        }
    }
}

// A group of one item totals, in the price column, what the item's row
// shows there; in the value-today column, with a count of one, what the
// item's row shows.
void tst_GroupTotals::oneItemTotalsWhatItsRowShows()
{
    QFETCH(int, edition);
    QFETCH(int, count);
    QFETCH(double, price);
    IsolatedSettings settings(edition);
    DBItemCollection collection(nullptr);
    collection.groups().clear();
    collection.groups().add(QStringLiteral("Stue"));
    collection.groups().add(QStringLiteral("Køkken"));
    ItemListView list;
    checkListModel(list);
    list.SetCollection(&collection);
    list.FillList(&collection);

    for (int group : { 0, 1 }) {
        auto item = std::make_unique<Item>();
        item->setGroup(group);
        item->setNumberOfItems(group == 0 ? count : 1);
        item->setPrice(price);
        item->setPriceToday(price);
        collection.add(std::move(item));
    }
    const ItemListModel *model = list.listModel();
    for (int group : { 0, 1 }) {
        const funiQListViewItem *row = list.rowForItem(model->itemsOf(group).front());
        QCOMPARE(model->groupIndex(group, PriceColumn).data().toString(), row->text(PriceColumn));
    }
    QCOMPARE(model->groupIndex(1, PriceTodayColumn).data().toString(),
        list.rowForItem(model->itemsOf(1).front())->text(PriceTodayColumn));
    // Summed afresh, the same.
    const QString shown = model->groupIndex(0, PriceColumn).data().toString();
    list.RebuildList();
    QCOMPARE(list.listModel()->groupIndex(0, PriceColumn).data().toString(), shown);
}

void tst_GroupTotals::groupRowsSortByTheirNames_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("descending");
    QTest::addColumn<QStringList>("expected");
    // Caption order would put "Kasse (10)" first and the third group in the
    // middle; names that are equal keep their order.
    const QStringList byName { QStringLiteral("Kasse (9)"), QStringLiteral("Kasse (10)"),
        QStringLiteral("Kasse (2) x (1)") };
    const QStringList byNameDown { QStringLiteral("Kasse (2) x (1)"), QStringLiteral("Kasse (9)"),
        QStringLiteral("Kasse (10)") };
    QTest::newRow("group column up") << int(GroupColumn) << false << byName;
    QTest::newRow("group column down") << int(GroupColumn) << true << byNameDown;
    // The other columns sort the item rows only: the groups stay in the
    // order of the group list.
    QTest::newRow("count column up") << int(CountColumn) << false << byName;
    QTest::newRow("price column down") << int(PriceColumn) << true << byName;
    QTest::newRow("value column up") << int(PriceTodayColumn) << false << byName;
}

void tst_GroupTotals::groupRowsSortByTheirNames()
{
    QFETCH(int, column);
    QFETCH(bool, descending);
    QFETCH(QStringList, expected);
    IsolatedSettings settings(OstranaEdition);
    DBItemCollection collection(nullptr);
    collection.groups().clear();
    for (const char *group : { "Kasse", "Kasse", "Kasse (2) x" })
        collection.groups().add(QString::fromLatin1(group));
    const int sizes[] = { 9, 10, 1 };
    std::vector<std::unique_ptr<Item>> items;
    for (int group = 0; group < 3; ++group) {
        for (int i = 0; i < sizes[group]; ++i) {
            auto item = std::make_unique<Item>();
            item->setGroup(group);
            item->setNumberOfItems(1 + i % 3);
            item->setPrice(10.0 * (i + 1));
            item->setPriceToday(double(i));
            items.push_back(std::move(item));
        }
    }
    collection.adoptLoaded(std::move(items), 255);
    ItemListView list;
    checkListModel(list);
    list.SetCollection(&collection);
    list.FillList(&collection);
    list.ViewAll(true);
    const QStringList before = shownTotals(list);

    list.sortItems(column, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    QStringList captions;
    for (int row = 0; row < list.topLevelItemCount(); ++row)
        captions << list.model()->index(row, GroupColumn).data().toString();
    QCOMPARE(captions, expected);
    // The totals stay with their groups.
    QCOMPARE(shownTotals(list), before);

    // Whoever asks a group row for its name gets the name, and renaming it
    // keeps the count in the caption.
    funiQListViewItem *row = list.groupRow(2);
    QCOMPARE(row->text(GroupColumn), QStringLiteral("Kasse (2) x"));
    QCOMPARE(list.listModel()->groupIndex(2).data(Qt::EditRole).toString(), QStringLiteral("Kasse (2) x"));
    list.UpdateGroupItemName(2, QStringLiteral("Arkiv"));
    QCOMPARE(row->text(GroupColumn), QStringLiteral("Arkiv"));
    QCOMPARE(list.listModel()->groupIndex(2).data().toString(), QStringLiteral("Arkiv (1)"));
}

QTEST_MAIN(tst_GroupTotals)
#include "tst_grouptotals.moc"
