#include "ListModelCheck.h"
#include "TestSupport.h"

#include "core/ColumnTitles.h"
#include "core/Edition.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "mainwindow/ItemListModel.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/funiQListViewItem.h"

#include <QDate>
#include <QRandomGenerator>
#include <QPersistentModelIndex>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>

using TestSupport::IsolatedSettings;

namespace {

struct Fields
{
    int group;
    const char *name;
    const char *product;
    const char *date;
    double price;
    int count;
    int location;
};

// Equal keys in every column, names that agree on more than their first
// eight characters, texts that are beginnings of others, letters beyond
// ASCII and Latin-1, and dates that no calendar has.
const Fields fixture[] = {
    { 0, "Ting nummer 12", "Bosch", "05.11.2009", 20.0, 1, 0 },
    { 0, "Ting nummer 2", "bosch", "28.02.2008", 100.0, 2, 1 },
    { 2, "Æble", "Bosch", "", 5.0, 1, 7 },
    { 0, "Ting", "Ikea", "31.02.2001", 20.0, 1, 0 },
    { 0, "Ting nummer 12", "Ikea", "01.03.2008", 3.5, 4, 1 },
    { 2, "Zebra", "", "ukendt", 5.0, 1, 0 },
    { 0, "ting", "Bosch", "28.02.2008", 0.0, 1, 0 },
    { 0, "Ting nummer", "", "", 20.0, 1, -1 },
    { 2, "zebra", "Ikea", "1.2.2011", 5.0, 2, 1 },
    { 0, "Øl", "Ikea", "05.11.2009", 100.0, 1, 1 },
    { 2, "Æble", "Bosch", "01.01.1900", 5.0, 1, 0 },
    { 0, "Ting nummer 12", "Bosch", "ukendt", 20.0, 1, 0 },
    // Items with a character beyond Latin-1 keep their texts otherwise.
    { 0, "Ting nummer 12 \u20ac", "Bosch \u20ac", "05.11.2009", 20.0, 1, 0 },
    { 2, "\u20acuro", "Ikea", "28.02.2008", 5.0, 1, 1 },
    { 2, "\u20acuro", "Ikea", "31.02.2008", 5.0, 1, 1 },
};

struct Register
{
    // With filler items after the fixture: a large list, in groups of
    // unequal size, whose names, makes and dates repeat.
    explicit Register(int fillers = 0)
        : collection(std::make_unique<DBItemCollection>(nullptr))
    {
        collection->groups().clear();
        for (const char *group : { "Stue", "Køkken", "Kælder" })
            collection->groups().add(QString::fromUtf8(group));
        collection->locations().clear();
        collection->locations().add(QStringLiteral("Loft"));
        collection->locations().add(QStringLiteral("Garage"));
        collection->fields().clear();
        for (const Fields &fields : fixture)
            add(fields);
        // Equal to "Øl" as far as that goes: the shorter text comes first.
        add({ 0, "", "Ikea", "", 1.0, 1, 0 })->setName(QStringLiteral("Øl") + QChar(0));
        QRandomGenerator random(20261208);
        for (int i = 0; i < fillers; ++i) {
            Item *item = add({ i % 7 == 0 ? 1 : int(random.bounded(3)), "", "", "", double(random.bounded(4000)) / 4.0,
                int(random.bounded(1, 9)), int(random.bounded(-1, 4)) });
            item->setName(QStringLiteral("Ting nummer %1").arg(random.bounded(5000)));
            item->setProduct(QString(QLatin1Char(char('A' + random.bounded(5)))));
            item->setDate(QStringLiteral("%1.%2.%3")
                              .arg(1 + random.bounded(31), 2, 10, QLatin1Char('0'))
                              .arg(1 + random.bounded(12), 2, 10, QLatin1Char('0'))
                              .arg(1990 + random.bounded(30)));
        }
    }
    Item *add(const Fields &fields)
    {
        auto item = std::make_unique<Item>();
        item->setGroup(fields.group);
        item->setName(QString::fromUtf8(fields.name));
        item->setProduct(QString::fromUtf8(fields.product));
        item->setDate(QString::fromLatin1(fields.date));
        item->setPrice(fields.price);
        item->setNumberOfItems(fields.count);
        item->setLocation(fields.location);
        return collection->add(std::move(item));
    }

    std::unique_ptr<DBItemCollection> collection;
};

// The order the list must show, worked out apart from the list: texts by
// plain character code, dates by calendar day with unreadable ones first
// (and among themselves by text).
using Less = std::function<bool(const Item *, const Item *)>;

// The text of a column that sorts by its text; null for the others.
std::function<QString(const Item *)> referenceText(const DBItemCollection &collection, int column)
{
    switch (column) {
    case ItemListView::NameColumn:
        return [](const Item *item) { return item->name(); };
    case ItemListView::ProductColumn:
        return [](const Item *item) { return item->product(); };
    case ItemListView::LocationColumn:
        return [&collection](const Item *item) {
            const int location = item->location();
            return location >= 0 && location < collection.locations().size() ? collection.locations().entry(location)
                                                                             : QStringLiteral("Error");
        };
    default:
        return {};
    }
}

// The number a count or price column shows, read back from its text.
std::function<double(const Item *)> referenceNumber(int column)
{
    switch (column) {
    case ItemListView::CountColumn:
        return [](const Item *item) { return double(item->numberOfItems()); };
    case ItemListView::PriceColumn:
        return
            [](const Item *item) { return QString::number(item->numberOfItems() * item->price(), 'f', 2).toDouble(); };
    case ItemListView::PriceTodayColumn:
        return [](const Item *item) { return QString::number(item->priceToday(), 'f', 2).toDouble(); };
    default:
        return {};
    }
}

Less referenceLess(const DBItemCollection &collection, int column)
{
    if (const auto text = referenceText(collection, column))
        return [text](const Item *a, const Item *b) { return text(a) < text(b); };
    if (const auto number = referenceNumber(column))
        return [number](const Item *a, const Item *b) { return number(a) < number(b); };
    switch (column) {
    case ItemListView::DateColumn:
        return [](const Item *a, const Item *b) {
            const QDate dayA = QDate::fromString(a->date(), QStringLiteral("dd.MM.yyyy"));
            const QDate dayB = QDate::fromString(b->date(), QStringLiteral("dd.MM.yyyy"));
            if (dayA.isValid() != dayB.isValid())
                return !dayA.isValid();
            return dayA.isValid() ? dayA < dayB : a->date() < b->date();
        };
    default:
        // Columns without text in item rows leave the order alone.
        return [](const Item *, const Item *) { return false; };
    }
}

// The same order for a large list, each item's text or day taken once.
Less cachedReferenceLess(const DBItemCollection &collection, int column)
{
    auto texts = std::make_shared<QHash<const Item *, QString>>();
    auto days = std::make_shared<QHash<const Item *, QDate>>();
    const auto text = referenceText(collection, column);
    if (const auto number = referenceNumber(column)) {
        auto numbers = std::make_shared<QHash<const Item *, double>>();
        for (const Item *item : collection)
            numbers->insert(item, number(item));
        return [numbers](const Item *a, const Item *b) { return numbers->value(a) < numbers->value(b); };
    }
    for (const Item *item : collection) {
        texts->insert(item, text ? text(item) : item->date());
        if (column == ItemListView::DateColumn)
            days->insert(item, QDate::fromString(item->date(), QStringLiteral("dd.MM.yyyy")));
    }
    return [texts, days, column](const Item *a, const Item *b) {
        if (column == ItemListView::DateColumn) {
            const QDate dayA = days->value(a);
            const QDate dayB = days->value(b);
            if (dayA.isValid() != dayB.isValid())
                return !dayA.isValid();
            if (dayA.isValid())
                return dayA < dayB;
        }
        return texts->value(a) < texts->value(b);
    };
}

void referenceSort(QList<Item *> &items, const Less &less, Qt::SortOrder order)
{
    if (order == Qt::AscendingOrder)
        std::stable_sort(items.begin(), items.end(), less);
    else
        std::stable_sort(items.begin(), items.end(), [&less](const Item *a, const Item *b) { return less(b, a); });
}

QList<Item *> shownItems(const ItemListView &view, int topRow)
{
    QList<Item *> items;
    const funiQListViewItem *group = view.topLevelItem(topRow);
    for (int i = 0; i < group->childCount(); ++i)
        items.append(group->child(i)->item());
    return items;
}

QStringList shownGroups(const ItemListView &view)
{
    QStringList names;
    for (int row = 0; row < view.topLevelItemCount(); ++row)
        names.append(view.topLevelItem(row)->text(ItemListView::GroupColumn));
    return names;
}

} // namespace

class tst_ItemListSort : public QObject
{
    Q_OBJECT

private slots:
    void sortsAsTheReference_data();
    void sortsAsTheReference();
    void largeListSortsAsTheReference_data();
    void largeListSortsAsTheReference();
    void numbersAndDatesSortByValue_data();
    void numbersAndDatesSortByValue();
    void currentRowSurvivesSortsAndMoves();
    void rowsFollowTheCollectionWhileSorted_data();
    void rowsFollowTheCollectionWhileSorted();
    void changedRowLandsInItsPlace_data();
    void changedRowLandsInItsPlace();
    void persistentIndexesFollowTheirItems();
};

void tst_ItemListSort::sortsAsTheReference_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<Qt::SortOrder>("order");
    for (int column : { ItemListView::GroupColumn, ItemListView::NameColumn, ItemListView::ProductColumn,
             ItemListView::CountColumn, ItemListView::PriceColumn, ItemListView::PriceTodayColumn,
             ItemListView::PictureColumn, ItemListView::DateColumn, ItemListView::LocationColumn }) {
        QTest::addRow("column %d ascending", column) << column << Qt::AscendingOrder;
        QTest::addRow("column %d descending", column) << column << Qt::DescendingOrder;
    }
}

void tst_ItemListSort::sortsAsTheReference()
{
    QFETCH(int, column);
    QFETCH(Qt::SortOrder, order);
    IsolatedSettings settings;
    Register reg;
    ItemListView view;
    checkListModel(view);
    view.SetCollection(reg.collection.get());
    view.FillList(reg.collection.get());

    QList<QList<Item *>> expected(3);
    for (Item *item : *reg.collection)
        expected[item->group()].append(item);
    QStringList groups { QStringLiteral("Stue"), QStringLiteral("Køkken"), QStringLiteral("Kælder") };
    const Less less = referenceLess(*reg.collection, column);

    // From the order of the file, then from another sort: equal rows keep
    // the order they had.
    for (int productFirst = 0; productFirst < 2; ++productFirst) {
        if (productFirst) {
            view.sortByColumn(ItemListView::ProductColumn, Qt::AscendingOrder);
            for (QList<Item *> &items : expected)
                referenceSort(items, referenceLess(*reg.collection, ItemListView::ProductColumn), Qt::AscendingOrder);
        }
        view.sortByColumn(column, order);
        QCOMPARE(view.sortColumn(), column);
        for (QList<Item *> &items : expected)
            referenceSort(items, less, order);
        if (column == ItemListView::GroupColumn)
            std::stable_sort(groups.begin(), groups.end(),
                [order](const QString &a, const QString &b) { return order == Qt::AscendingOrder ? a < b : b < a; });

        QCOMPARE(shownGroups(view), groups);
        for (int row = 0; row < view.topLevelItemCount(); ++row) {
            funiQListViewItem *groupRow = view.topLevelItem(row);
            QCOMPARE(view.groupRow(groupRow->groupNumber()), groupRow);
            const QList<Item *> &items = expected.at(groupRow->groupNumber());
            QCOMPARE(shownItems(view, row), items);
            // The rows of the sorted list as callers see them.
            for (int i = 0; i < items.size(); ++i) {
                funiQListViewItem *itemRow = groupRow->child(i);
                QCOMPARE(view.rowForItem(items.at(i)), itemRow);
                QCOMPARE(itemRow->parent(), groupRow);
                QCOMPARE(itemRow->text(ItemListView::NameColumn), items.at(i)->name());
                QCOMPARE(itemRow->text(ItemListView::DateColumn), items.at(i)->date());
                QCOMPARE(view.model()->index(i, column, view.model()->index(row, 0)).data().toString(),
                    itemRow->text(column));
            }
        }
    }
}

// A large list's groups are sorted on two threads at once: the rows are
// still in the reference order, and the current row stays current.
void tst_ItemListSort::largeListSortsAsTheReference_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::newRow("name ascending") << int(ItemListView::NameColumn) << Qt::AscendingOrder;
    QTest::newRow("name descending") << int(ItemListView::NameColumn) << Qt::DescendingOrder;
    QTest::newRow("product descending") << int(ItemListView::ProductColumn) << Qt::DescendingOrder;
    QTest::newRow("date ascending") << int(ItemListView::DateColumn) << Qt::AscendingOrder;
    QTest::newRow("price ascending") << int(ItemListView::PriceColumn) << Qt::AscendingOrder;
    QTest::newRow("count descending") << int(ItemListView::CountColumn) << Qt::DescendingOrder;
    QTest::newRow("location descending") << int(ItemListView::LocationColumn) << Qt::DescendingOrder;
}

void tst_ItemListSort::largeListSortsAsTheReference()
{
    QFETCH(int, column);
    QFETCH(Qt::SortOrder, order);
    IsolatedSettings settings;
    Register reg(51000);
    ItemListView view;
    checkListModel(view);
    view.SetCollection(reg.collection.get());
    view.FillList(reg.collection.get());
    view.ViewAll(true);
    funiQListViewItem *current = view.FindListViewItem(reg.collection->at(reg.collection->count() - 2));
    view.ItemSelected(current);

    QList<QList<Item *>> expected(3);
    for (Item *item : *reg.collection)
        expected[item->group()].append(item);
    // After another sort, so that equal rows keep an order of its making.
    view.sortByColumn(ItemListView::ProductColumn, Qt::DescendingOrder);
    for (QList<Item *> &items : expected)
        referenceSort(items, cachedReferenceLess(*reg.collection, ItemListView::ProductColumn), Qt::DescendingOrder);
    view.sortByColumn(column, order);
    const Less less = cachedReferenceLess(*reg.collection, column);
    for (QList<Item *> &items : expected)
        referenceSort(items, less, order);

    for (int row = 0; row < view.topLevelItemCount(); ++row)
        QVERIFY(shownItems(view, row) == expected.at(view.topLevelItem(row)->groupNumber()));
    QCOMPARE(view.currentItem(), current);
    QCOMPARE(view.rowForItem(current->item()), current);

    // Filled again while sorted: sorted from the collection's order.
    QList<QList<Item *>> refilled(3);
    for (Item *item : *reg.collection)
        refilled[item->group()].append(item);
    for (QList<Item *> &items : refilled)
        referenceSort(items, less, order);
    view.FillList(reg.collection.get());
    for (int row = 0; row < view.topLevelItemCount(); ++row)
        QVERIFY(shownItems(view, row) == refilled.at(view.topLevelItem(row)->groupNumber()));
}

void tst_ItemListSort::numbersAndDatesSortByValue_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<int>("column");
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::addColumn<QString>("shown"); // the names in the order shown

    const int ostrana = OstranaEdition;
    const Qt::SortOrder up = Qt::AscendingOrder;
    const Qt::SortOrder down = Qt::DescendingOrder;
    // As text "12" would come before "2" and 14995 before 2899; D's total
    // (3 x 0.1) and E's value (0.1 + 0.2) are not 0.3 exactly but show as
    // "0.30", so they tie with E's total and D's value.
    QTest::newRow("count ascending") << ostrana << int(ItemListView::CountColumn) << up << "ABCEGDF";
    QTest::newRow("count descending") << ostrana << int(ItemListView::CountColumn) << down << "FDGABCE";
    QTest::newRow("total price ascending") << ostrana << int(ItemListView::PriceColumn) << up << "DEFAGCB";
    QTest::newRow("total price descending") << ostrana << int(ItemListView::PriceColumn) << down << "BCAGFDE";
    QTest::newRow("unit price ascending (pictures)")
        << int(VistrelEdition) << int(ItemListView::PriceColumn) << up << "DEFGACB";
    QTest::newRow("unit price descending (pictures)")
        << int(VistrelEdition) << int(ItemListView::PriceColumn) << down << "BCAGFED";
    QTest::newRow("value today ascending") << ostrana << int(ItemListView::PriceTodayColumn) << up << "DECAFBG";
    QTest::newRow("value today descending") << ostrana << int(ItemListView::PriceTodayColumn) << down << "GBFACDE";
    QTest::newRow("date ascending") << ostrana << int(ItemListView::DateColumn) << up << "EGBDCAF";
    QTest::newRow("date descending") << ostrana << int(ItemListView::DateColumn) << down << "FACBDGE";
    QTest::newRow("coins: count ascending") << int(NumivaxEdition) << int(ItemListView::CountColumn) << up << "ABCEGDF";
    QTest::newRow("stock: total price descending")
        << int(QuorvelEdition) << int(ItemListView::PriceColumn) << down << "BCAGFDE";
}

// The count, price and date columns sort by the value shown, in both
// directions; rows that show the same value keep their order. A row changed
// while sorted goes to its place by value too.
void tst_ItemListSort::numbersAndDatesSortByValue()
{
    QFETCH(int, edition);
    QFETCH(int, column);
    QFETCH(Qt::SortOrder, order);
    QFETCH(QString, shown);
    IsolatedSettings settings(edition);
    DBItemCollection collection(nullptr);
    collection.groups().clear();
    collection.groups().add(QStringLiteral("Stue"));
    struct Row
    {
        char name;
        int count;
        double price;
        double priceToday;
        const char *date;
    };
    const Row rows[] = {
        { 'A', 1, 1299.0, 100.0, "05.11.2009" },
        { 'B', 1, 14995.0, 2899.5, "28.02.2008" },
        { 'C', 1, 2899.0, 20.0, "01.03.2008" },
        { 'D', 3, 0.1, 0.3, "28.02.2008" },
        { 'E', 1, 0.3, 0.1 + 0.2, "" },
        { 'F', 12, 100.0, 1299.0, "01.02.2011" },
        { 'G', 2, 649.5, 14995.0, "31.12.1999" },
    };
    for (const Row &fields : rows) {
        auto item = std::make_unique<Item>();
        item->setName(QString(QLatin1Char(fields.name)));
        item->setNumberOfItems(fields.count);
        item->setPrice(fields.price);
        item->setPriceToday(fields.priceToday);
        item->setDate(QString::fromLatin1(fields.date));
        collection.add(std::move(item));
    }
    ItemListView view;
    checkListModel(view);
    view.SetCollection(&collection);
    view.FillList(&collection);
    view.ViewAll(true);

    // From another order first: equal rows keep the order they had.
    view.sortByColumn(ItemListView::NameColumn, Qt::AscendingOrder);
    view.sortByColumn(column, order);
    const auto names = [&view] {
        QString text;
        for (const Item *item : shownItems(view, 0))
            text += item->name();
        return text;
    };
    QCOMPARE(names(), shown);

    // What a cell shows as the value it sorts by: unreadable dates lowest.
    const auto value = [column, &view](const Item *item) {
        const QString text = view.cellData(item, column, Qt::DisplayRole).toString();
        if (column != ItemListView::DateColumn)
            return text.toDouble();
        const QDate date = QDate::fromString(text, QStringLiteral("dd.MM.yyyy"));
        return date.isValid() ? double(date.toJulianDay()) : -1.0;
    };
    Item *changed = collection.at(2);
    changed->setNumberOfItems(5);
    changed->setPrice(260.0);
    changed->setPriceToday(1299.0);
    changed->setDate(QStringLiteral("28.02.2008"));
    collection.itemWasChanged(changed);
    const QList<Item *> after = shownItems(view, 0);
    QCOMPARE(after.size(), qsizetype(std::size(rows)));
    for (qsizetype i = 1; i < after.size(); ++i) {
        const double before = value(after.at(i - 1));
        const double next = value(after.at(i));
        QVERIFY2(order == Qt::AscendingOrder ? before <= next : before >= next,
            qPrintable(QStringLiteral("%1 then %2").arg(after.at(i - 1)->name(), after.at(i)->name())));
    }
}

void tst_ItemListSort::currentRowSurvivesSortsAndMoves()
{
    IsolatedSettings settings;
    Register reg;
    ItemListView view;
    checkListModel(view);
    view.SetCollection(reg.collection.get());
    view.FillList(reg.collection.get());
    view.ViewAll(true);
    Item *zebra = reg.collection->at(5);
    funiQListViewItem *row = view.FindListViewItem(zebra);
    view.ItemSelected(row);
    QSignalSpy selections(&view, &ItemListView::rowSelected);

    const auto currentIs = [&](funiQListViewItem *expected) {
        return view.isItemSelected() == expected && view.currentItem() == expected
            && view.selectedItems() == QList<funiQListViewItem *> { expected };
    };
    for (int column : { ItemListView::NameColumn, ItemListView::DateColumn, ItemListView::PriceColumn }) {
        view.sortByColumn(column, Qt::DescendingOrder);
        QVERIFY2(currentIs(row), qPrintable(QString::number(column)));
        QVERIFY(view.isExpanded(view.model()->index(2, 0)));
    }
    QVERIFY(selections.isEmpty());

    // To another group: the same row, under its new group, still current.
    zebra->setGroup(0);
    reg.collection->itemWasChanged(zebra);
    QCOMPARE(view.rowForItem(zebra), row);
    QCOMPARE(row->parent(), view.groupRow(0));
    QVERIFY(currentIs(row));
    QCOMPARE(selections.last().at(0).value<funiQListViewItem *>(), row);
    view.sortByColumn(ItemListView::NameColumn, Qt::AscendingOrder);
    QVERIFY(currentIs(row));
    const QList<Item *> shown = shownItems(view, 0);
    QVERIFY(shown.contains(zebra));
    QVERIFY(std::is_sorted(shown.begin(), shown.end(), referenceLess(*reg.collection, ItemListView::NameColumn)));
}

void tst_ItemListSort::rowsFollowTheCollectionWhileSorted_data()
{
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::addColumn<QString>("change");
    for (const char *change : { "add", "add equal", "rename", "move", "remove", "clear" }) {
        QTest::addRow("%s ascending", change) << Qt::AscendingOrder << QString::fromLatin1(change);
        QTest::addRow("%s descending", change) << Qt::DescendingOrder << QString::fromLatin1(change);
    }
}

void tst_ItemListSort::rowsFollowTheCollectionWhileSorted()
{
    QFETCH(Qt::SortOrder, order);
    QFETCH(QString, change);
    IsolatedSettings settings;
    Register reg;
    ItemListView view;
    checkListModel(view);
    view.SetCollection(reg.collection.get());
    view.FillList(reg.collection.get());
    view.sortByColumn(ItemListView::NameColumn, order);

    Item *stueItem = reg.collection->at(1);
    if (change == QLatin1String("add")) {
        reg.add({ 0, "Lampe", "", "", 1.0, 1, 0 });
    } else if (change == QLatin1String("add equal")) {
        // Listed after the rows it equals, as if sorted with them.
        reg.add({ 0, "Ting nummer 12", "Ny", "", 1.0, 1, 0 });
    } else if (change == QLatin1String("rename")) {
        stueItem->setName(QStringLiteral("Aaa"));
        reg.collection->itemWasChanged(stueItem);
    } else if (change == QLatin1String("move")) {
        stueItem->setGroup(2);
        reg.collection->itemWasChanged(stueItem);
    } else if (change == QLatin1String("remove")) {
        reg.collection->deleteItem(stueItem);
    } else {
        reg.collection->clear();
    }

    const Less less = referenceLess(*reg.collection, ItemListView::NameColumn);
    for (int group = 0; group < 3; ++group) {
        QList<Item *> expected;
        for (Item *item : *reg.collection) {
            if (item->group() == group)
                expected.append(item);
        }
        referenceSort(expected, less, order);
        QCOMPARE(shownItems(view, view.listModel()->rowOfGroup(group)), expected);
    }
}

void tst_ItemListSort::changedRowLandsInItsPlace_data()
{
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::addColumn<QString>("item"); // the name of the item that changes
    QTest::addColumn<QString>("name"); // its new name; empty: it moves to group 1
    QTest::addColumn<QStringList>("shown"); // the names its group then shows
    QTest::addColumn<int>("place"); // the changed row's place among them

    const Qt::SortOrder up = Qt::AscendingOrder;
    const Qt::SortOrder down = Qt::DescendingOrder;
    // Group 0 holds B, D, F and H, group 1 C and E.
    QTest::newRow("one place down") << up << "B"
                                    << "E" << QStringList { "D", "E", "F", "H" } << 1;
    QTest::newRow("two places down") << up << "B"
                                     << "G" << QStringList { "D", "F", "G", "H" } << 2;
    QTest::newRow("down to the last place") << up << "B"
                                            << "Z" << QStringList { "D", "F", "H", "Z" } << 3;
    QTest::newRow("from the next to last to the last place") << up << "F"
                                                             << "I" << QStringList { "B", "D", "H", "I" } << 3;
    QTest::newRow("one place up") << up << "F"
                                  << "C" << QStringList { "B", "C", "D", "H" } << 1;
    QTest::newRow("up to the first place") << up << "H"
                                           << "A" << QStringList { "A", "B", "D", "F" } << 0;
    QTest::newRow("new name, same place") << up << "D"
                                          << "E" << QStringList { "B", "E", "F", "H" } << 1;
    QTest::newRow("equal to the row below: stays") << up << "B"
                                                   << "D" << QStringList { "D", "D", "F", "H" } << 0;
    QTest::newRow("equal to the row above: stays") << up << "D"
                                                   << "B" << QStringList { "B", "B", "F", "H" } << 1;
    QTest::newRow("one place down, descending") << down << "H"
                                                << "E" << QStringList { "F", "E", "D", "B" } << 1;
    QTest::newRow("down to the last place, descending") << down << "H"
                                                        << "A" << QStringList { "F", "D", "B", "A" } << 3;
    QTest::newRow("one place up, descending") << down << "D"
                                              << "G" << QStringList { "H", "G", "F", "B" } << 1;
    QTest::newRow("to another group, between its rows") << up << "D"
                                                        << "" << QStringList { "C", "D", "E" } << 1;
    QTest::newRow("to another group, descending") << down << "D"
                                                  << "" << QStringList { "E", "D", "C" } << 1;
    QTest::newRow("to another group, last place") << up << "H"
                                                  << "" << QStringList { "C", "E", "H" } << 2;
}

void tst_ItemListSort::changedRowLandsInItsPlace()
{
    QFETCH(Qt::SortOrder, order);
    QFETCH(QString, item);
    QFETCH(QString, name);
    QFETCH(QStringList, shown);
    QFETCH(int, place);

    IsolatedSettings settings;
    DBItemCollection collection(nullptr);
    collection.groups().clear();
    collection.groups().add(QStringLiteral("Stue"));
    collection.groups().add(QStringLiteral("Gang"));
    Item *changed = nullptr;
    for (const char *fields : { "0B", "0D", "0F", "0H", "1C", "1E" }) {
        auto row = std::make_unique<Item>();
        row->setGroup(fields[0] - '0');
        row->setName(QString::fromLatin1(fields + 1));
        if (row->name() == item)
            changed = row.get();
        collection.add(std::move(row));
    }
    ItemListView view;
    checkListModel(view);
    view.SetCollection(&collection);
    view.FillList(&collection);
    view.ViewAll(true);
    view.sortByColumn(ItemListView::NameColumn, order);
    view.show();
    funiQListViewItem *row = view.FindListViewItem(changed);
    view.ItemSelected(row);

    if (name.isEmpty())
        changed->setGroup(1);
    else
        changed->setName(name);
    collection.itemWasChanged(changed);

    const int group = changed->group();
    QStringList names;
    for (const Item *listed : view.listModel()->itemsOf(group))
        names << listed->name();
    QCOMPARE(names, shown);
    // The view shows the rows in that order, and the changed row, the one
    // the list works on, is still current and the only one selected.
    const QModelIndex groupIndex = view.listModel()->groupIndex(group);
    QStringList onScreen;
    for (QModelIndex below = view.indexBelow(groupIndex); below.isValid() && below.parent() == groupIndex;
         below = view.indexBelow(below))
        onScreen << view.listModel()->itemAt(below)->name();
    QCOMPARE(onScreen, shown);
    QCOMPARE(view.rowForItem(changed), row);
    QCOMPARE(view.listModel()->itemAt(view.currentIndex()), changed);
    QCOMPARE(view.selectedItems(), QList<funiQListViewItem *> { row });
    QCOMPARE(view.currentIndex().row(), place);
}

// What the view keeps of the rows (current row, selection, open groups) it
// keeps as persistent indexes: through sorts, moves, changes, additions and
// removals each one stays on its own row, and one whose item went is invalid.
void tst_ItemListSort::persistentIndexesFollowTheirItems()
{
    IsolatedSettings settings;
    Register reg;
    ItemListView view;
    checkListModel(view);
    view.SetCollection(reg.collection.get());
    view.FillList(reg.collection.get());
    view.ViewAll(true);
    const ItemListModel *model = view.listModel();

    struct HeldItem
    {
        QPersistentModelIndex index;
        const Item *item;
        int column;
    };
    std::vector<HeldItem> items;
    const auto hold = [&](const Item *item) {
        for (int column :
            { int(ItemListView::GroupColumn), int(ItemListView::NameColumn), int(ItemListView::DateColumn) })
            items.push_back({ QPersistentModelIndex(model->itemIndex(item, column)), item, column });
    };
    for (const Item *item : *reg.collection)
        hold(item);
    std::vector<std::pair<QPersistentModelIndex, int>> groups;
    for (int group = 0; group < model->groupCount(); ++group) {
        groups.emplace_back(model->groupIndex(group), group);
        groups.emplace_back(model->groupIndex(group, ItemListView::NameColumn), group);
    }
    QSet<const Item *> gone;

    // The first index that does not stand where its row is; empty when all do.
    const auto misplaced = [&]() -> QString {
        for (const HeldItem &held : items) {
            const QString what
                = QStringLiteral("item %1, column %2: ").arg(quintptr(held.item), 0, 16).arg(held.column);
            if (gone.contains(held.item)) {
                if (held.index.isValid())
                    return what + QStringLiteral("still valid after its item went");
                continue;
            }
            if (!held.index.isValid())
                return what + QStringLiteral("invalid");
            if (model->itemAt(held.index) != held.item)
                return what + QStringLiteral("on another item's row");
            if (held.index.column() != held.column)
                return what + QStringLiteral("in column %1").arg(held.index.column());
            if (QModelIndex(held.index) != model->itemIndex(held.item, held.column))
                return what + QStringLiteral("not the row's index");
            if (held.index.parent() != model->groupIndex(held.item->group()))
                return what + QStringLiteral("under another group");
        }
        for (const auto &[index, group] : groups) {
            if (model->groupAt(index) != group || QModelIndex(index) != model->groupIndex(group, index.column()))
                return QStringLiteral("group %1: on row %2").arg(group).arg(index.row());
        }
        return QString();
    };
    QVERIFY2(misplaced().isEmpty(), qPrintable(misplaced()));

    for (const auto &[column, order] : { std::pair(ItemListView::NameColumn, Qt::DescendingOrder),
             std::pair(ItemListView::GroupColumn, Qt::DescendingOrder),
             std::pair(ItemListView::DateColumn, Qt::AscendingOrder),
             std::pair(ItemListView::NameColumn, Qt::AscendingOrder) }) {
        view.sortByColumn(column, order);
        QVERIFY2(misplaced().isEmpty(), qPrintable(QStringLiteral("sorted by %1: ").arg(column) + misplaced()));
    }

    // To another group, and to another place among its group's rows.
    Item *zebra = reg.collection->at(5);
    zebra->setGroup(0);
    reg.collection->itemWasChanged(zebra);
    QVERIFY2(misplaced().isEmpty(), qPrintable(QStringLiteral("moved to group 0: ") + misplaced()));
    Item *renamed = reg.collection->at(1);
    const int before = model->itemIndex(renamed).row();
    renamed->setName(QStringLiteral("Aaa"));
    reg.collection->itemWasChanged(renamed);
    QCOMPARE_NE(model->itemIndex(renamed).row(), before);
    QVERIFY2(misplaced().isEmpty(), qPrintable(QStringLiteral("renamed: ") + misplaced()));

    // Rows added before and after the held ones, and rows removed.
    hold(reg.add({ 0, "Aaaa", "", "", 1.0, 1, 0 }));
    hold(reg.add({ 2, "\u00e6", "", "", 1.0, 1, 0 }));
    QVERIFY2(misplaced().isEmpty(), qPrintable(QStringLiteral("added: ") + misplaced()));
    for (Item *item : { reg.collection->at(0), zebra, renamed }) {
        gone.insert(item);
        reg.collection->deleteItem(item);
        QVERIFY2(misplaced().isEmpty(), qPrintable(QStringLiteral("removed: ") + misplaced()));
    }
    for (const Item *item : *reg.collection)
        gone.insert(item);
    reg.collection->clear();
    QVERIFY2(misplaced().isEmpty(), qPrintable(QStringLiteral("cleared: ") + misplaced()));
}

QTEST_MAIN(tst_ItemListSort)
#include "tst_itemlistsort.moc"
