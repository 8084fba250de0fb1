#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtTest>

#include "DatabaseFixture.h"
#include "TestWorld.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "mainwindow/ItemFilterField.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/larkspanwindow.h"

// The main window's list filtered by typing into its filter field, with rows
// selected, for the dialogs that offer the rows the filter shows. The
// register holds five items of two groups; "sofa" leaves three, which the
// register holds as Sofa, Sofapude, Sofabord and the list shows group by
// group (Sofa, Sofabord under Stue, Sofapude under Køkken).
namespace FilteredWindow {

inline QList<DatabaseFixture::Row> rows()
{
    using DatabaseFixture::Row;
    return {
        Row { 0, QStringLiteral("Sofa"), QString(), QString(), QString(), QString(), 0 },
        Row { 1, QStringLiteral("Komfur"), QString(), QString(), QString(), QString(), 1 },
        Row { 1, QStringLiteral("Sofapude"), QString(), QString(), QString(), QString(), 0 },
        Row { 1, QStringLiteral("Gryde"), QString(), QString(), QString(), QString(), 0 },
        Row { 0, QStringLiteral("Sofabord"), QString(), QString(), QString(), QString(), 1 },
    };
}

inline QStringList allNames()
{
    QStringList names;
    for (const DatabaseFixture::Row &row : rows())
        names << row.name;
    return names;
}

inline QStringList names(const QList<const Item *> &items)
{
    QStringList result;
    for (const Item *item : items)
        result << item->name();
    return result;
}

// The cases: the filter typed, an item of the rows shown renamed so that the
// filter no longer matches it ("old=new"), the items whose rows are selected,
// the items of the rows shown in the register's order (empty: the choice is
// not offered), and whether that choice is the one the dialog opens on.
inline void addCases()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("renamed");
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<bool>("shownChosen");
    const QStringList sofas { "Sofa", "Sofapude", "Sofabord" };
    QTest::newRow("unfiltered, nothing selected") << ""
                                                  << "" << QStringList() << QStringList() << false;
    QTest::newRow("unfiltered, one row selected") << ""
                                                  << "" << QStringList { "Gryde" } << QStringList() << false;
    QTest::newRow("filtered, nothing selected") << "sofa"
                                                << "" << QStringList() << sofas << true;
    QTest::newRow("filtered, one row selected") << "sofa"
                                                << "" << QStringList { "Sofabord" } << sofas << true;
    QTest::newRow("filtered, two rows selected") << "sofa"
                                                 << "" << QStringList { "Sofapude", "Sofabord" } << sofas << false;
    QTest::newRow("a row shown that no longer matches")
        << "sofa"
        << "Sofapude=Pude" << QStringList() << QStringList { "Sofa", "Pude", "Sofabord" } << true;
    QTest::newRow("a filter that shows nothing") << "xyz"
                                                 << "" << QStringList() << QStringList() << false;
}

// Writes the register and its lists into the world's folder and has the
// next window open it.
inline void startWorld(TestSupport::TestWorld &world, int edition)
{
    Settings().setValue(QStringLiteral("Language"), QStringLiteral("dk"));
    DatabaseFixture::writeLists(world.dir.path(), DatabaseFixture::twoGroups(), currentLanguage());
    world.startWith(DatabaseFixture::writeDatabase(world.dir.path(), QStringLiteral("home.db"), edition, rows()));
}

inline Item *itemNamed(const MainWindow &w, const QString &name)
{
    for (Item *item : *w.collection()) {
        if (item->name() == name)
            return item;
    }
    return nullptr;
}

// Types the filter, renames the item and selects the rows of the named items.
inline void prepare(MainWindow &w, const QString &filter, const QString &renamed, const QStringList &selected)
{
    QTest::keyClicks(w.filterField(), filter);
    if (!renamed.isEmpty()) {
        Item *item = itemNamed(w, renamed.section(QLatin1Char('='), 0, 0));
        QVERIFY(item);
        // As the item dialog changes an item.
        w.collection()->aboutToChange(item);
        item->setName(renamed.section(QLatin1Char('='), 1));
        w.collection()->itemWasChanged(item);
    }
    ItemListView *list = w.listView();
    list->clearSelection();
    for (const QString &name : selected) {
        funiQListViewItem *row = list->rowForItem(itemNamed(w, name));
        QVERIFY(row);
        list->setSelected(row, true);
    }
    QCOMPARE(names(list->selectedItemsToRead()).size(), selected.size());
}

} // namespace FilteredWindow
