#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTranslator>
#include <QtTest>

#include <QRandomGenerator>
#include <QScopeGuard>

#include <memory>

#include "DatabaseFixture.h"
#include "ListModelCheck.h"
#include "TestSupport.h"
#include "TestWorld.h"
#include "core/Edition.h"
#include "core/Parallel.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "database/ItemFilter.h"
#include "itemdialog/ItemDialog.h"
#include "mainwindow/ItemFilterField.h"
#include "mainwindow/ItemListModel.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/funiQListViewItem.h"
#include "mainwindow/larkspanwindow.h"

namespace {

using DatabaseFixture::Row;

// Three groups of items whose names hold the Latin-1 letters that fold, a
// picture link and a web address; the rest of each item is the fixture's
// ("Make", "Model", "Shop", 100.00, 80.00 ...).
QList<Row> rows()
{
    QList<Row> rows {
        Row { 0, QStringLiteral("Sofa"), QStringLiteral("stol.jpg"), QString(), QString(), QString(), 0 },
        Row { 0, QStringLiteral("Sofabord"), QString(), QString(), QString(), QString(), 1 },
        Row { 0, QStringLiteral("Lænestol"), QString(), QString(), QString(), QString(), 0 },
        Row { 1, QStringLiteral("Æbleskiveplade"), QString(), QString(), QString(), QString(), 1 },
        Row { 1, QStringLiteral("Crème brûlée-sæt"), QString(), QString(), QString(), QString(), 0 },
        Row { 1, QStringLiteral("Kaffemaskine"), QString(), QString(), QStringLiteral("www.kaffe.dk"), QString(), 0 },
        Row { 2, QStringLiteral("Spejl"), QString(), QString(), QString(), QString(), 0 },
        Row { 2, QStringLiteral("Handtuch Straße"), QString(), QString(), QString(), QString(), 0 },
    };
    return rows;
}

struct Env : TestSupport::TestWorld
{
    explicit Env(int edition = OstranaEdition)
        : TestWorld(edition)
    {
        const QString folder = path(QStringLiteral("db"));
        QDir().mkpath(folder);
        DatabaseFixture::writeLists(
            folder, { QStringLiteral("Stue"), QStringLiteral("Køkken"), QStringLiteral("Bad") });
        startWith(DatabaseFixture::writeDatabase(folder, QStringLiteral("home.db"), edition, rows()));
    }
};

// The window on the fixture, every group open.
struct Window
{
    Window()
    {
        checkListModel(*w.listView());
        w.listView()->ViewAll(true);
    }
    ItemListView *list() const { return w.listView(); }
    ItemFilterField *field() const { return w.filterField(); }
    const ItemListModel *model() const { return w.listView()->listModel(); }
    DBItemCollection *collection() const { return w.collection(); }

    Item *item(const QString &name) const
    {
        for (Item *item : *w.collection()) {
            if (item->name() == name)
                return item;
        }
        return nullptr;
    }

    // The names of the item rows shown, group by group in the order shown.
    QStringList shown() const
    {
        QStringList names;
        for (int row = 0; row < model()->rowCount(); ++row) {
            for (const Item *item : model()->itemsOf(model()->groupAtRow(row)))
                names << item->name();
        }
        return names;
    }

    QStringList captions() const
    {
        QStringList texts;
        for (int row = 0; row < model()->rowCount(); ++row)
            texts << model()->index(row, 0).data().toString();
        return texts;
    }

    // The status bar's count; empty while it is not shown.
    QString count() const
    {
        auto *label = w.statusBar()->findChild<QLabel *>(QStringLiteral("filterCount"));
        return label && !label->isHidden() ? label->text() : QString();
    }

    void type(const QString &text) const
    {
        field()->clear();
        QTest::keyClicks(field(), text);
    }

    Env env;
    MainWindow w;
};

// Types the text a key at a time, characters beyond Latin-1 too.
void typeKeys(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// The program's catalogue of the language, installed for the object's lifetime.
struct Catalogue
{
    explicit Catalogue(const QString &language)
    {
        loaded = translator.load(QStringLiteral("larkspan_") + language, TestSupport::runDir());
        if (loaded)
            QCoreApplication::installTranslator(&translator);
    }
    ~Catalogue() { QCoreApplication::removeTranslator(&translator); }
    QTranslator translator;
    bool loaded = false;
};

const QStringList allNames { QStringLiteral("Sofa"), QStringLiteral("Sofabord"), QStringLiteral("Lænestol"),
    QStringLiteral("Æbleskiveplade"), QStringLiteral("Crème brûlée-sæt"), QStringLiteral("Kaffemaskine"),
    QStringLiteral("Spejl"), QStringLiteral("Handtuch Straße") };

} // namespace

class tst_ListFilter : public QObject
{
    Q_OBJECT

private slots:
    void showsTheItemsWithEveryWord_data();
    void showsTheItemsWithEveryWord();
    void typingAgreesWithThePlainTest_data();
    void typingAgreesWithThePlainTest();
    void groupRowsToldOnlyOfWhatChanged();
    void keysFocusAndClear();
    void countTexts_data();
    void countTexts();
    void sortsWhileFiltered_data();
    void sortsWhileFiltered();
    void followsChangesWhileFiltered_data();
    void followsChangesWhileFiltered();
    void selectionStaysWithItsRow();
    void searchDialogFindsHiddenItems();
};

void tst_ListFilter::showsTheItemsWithEveryWord_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("captions");

    const auto captions = [](int stue, int kitchen, int bath) {
        return QStringList { QStringLiteral("Stue (%1 af 3)").arg(stue),
            QStringLiteral("Køkken (%1 af 3)").arg(kitchen), QStringLiteral("Bad (%1 af 2)").arg(bath) };
    };
    QTest::newRow("one word") << "sofa" << QStringList { "Sofa", "Sofabord" } << captions(2, 0, 0);
    QTest::newRow("every word, in any order") << "BORD sofa" << QStringList { "Sofabord" } << captions(1, 0, 0);
    QTest::newRow("blanks around and between") << "  sofa   bord " << QStringList { "Sofabord" } << captions(1, 0, 0);
    QTest::newRow("æ and Æ") << "ÆBLE" << QStringList { "Æbleskiveplade" } << captions(0, 1, 0);
    QTest::newRow("æ inside a word") << "lÆnE" << QStringList { "Lænestol" } << captions(1, 0, 0);
    QTest::newRow("é and É, û and Û") << "BRÛLÉE crÈme" << QStringList { "Crème brûlée-sæt" } << captions(0, 1, 0);
    QTest::newRow("ß as itself") << "straße" << QStringList { "Handtuch Straße" } << captions(0, 0, 1);
    QTest::newRow("capital ẞ folds to ß") << "STRAẞE" << QStringList { "Handtuch Straße" } << captions(0, 0, 1);
    QTest::newRow("ss is no ß") << "strasse" << QStringList() << captions(0, 0, 0);
    QTest::newRow("the location's name") << "kÆLDER" << QStringList { "Sofabord", "Æbleskiveplade" }
                                         << captions(1, 1, 0);
    QTest::newRow("a web address") << "kaffe.dk" << QStringList { "Kaffemaskine" } << captions(0, 1, 0);
    QTest::newRow("a number as the column shows it")
        << "100.00 sofa" << QStringList { "Sofa", "Sofabord" } << captions(2, 0, 0);
    QTest::newRow("the value today") << "80.0" << allNames << captions(3, 3, 2);
    // The texts one after the other would read "SofaMake".
    QTest::newRow("no word across two columns") << "famak" << QStringList() << captions(0, 0, 0);
    // The picture column shows an icon, not the link.
    QTest::newRow("not the picture link") << "stol.jpg" << QStringList() << captions(0, 0, 0);
    QTest::newRow("nothing matches") << "sofa xyz" << QStringList() << captions(0, 0, 0);
}

void tst_ListFilter::showsTheItemsWithEveryWord()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, captions);

    Window win;
    QCOMPARE(win.shown(), allNames);
    QCOMPARE(win.count(), QString());
    // Typed a key at a time: each key narrows what the one before left.
    typeKeys(win.field(), typed);
    QCOMPARE(win.field()->text(), typed);
    QCOMPARE(win.shown(), shown);
    QCOMPARE(win.captions(), captions);
    QCOMPARE(win.count(), QStringLiteral("%1 af 8 genstande").arg(shown.size()));
    // The same at once, from a field that held something else.
    win.field()->setText(QStringLiteral("spejl"));
    win.field()->setText(typed);
    QCOMPARE(win.shown(), shown);

    win.field()->clear();
    QCOMPARE(win.shown(), allNames);
    QCOMPARE(win.captions(), QStringList({ "Stue (3)", "Køkken (3)", "Bad (2)" }));
    QCOMPARE(win.count(), QString());
}

void tst_ListFilter::typingAgreesWithThePlainTest_data()
{
    QTest::addColumn<bool>("sorted");
    QTest::addColumn<bool>("twoThreads");
    // Every item tested in the order the items lie, the rows then reading
    // the marks left: the way of a large list.
    QTest::addColumn<bool>("marked");
    QTest::newRow("unsorted") << false << false << false;
    QTest::newRow("sorted") << true << false << false;
    QTest::newRow("unsorted, on two threads") << false << true << false;
    QTest::newRow("sorted, on two threads") << true << true << false;
    QTest::newRow("unsorted, marked") << false << false << true;
    QTest::newRow("sorted, marked") << true << false << true;
    QTest::newRow("sorted, marked on two threads") << true << true << true;
}

// Typed on, taken back, pasted over and cleared, on a list of a few hundred
// items: whatever the filter starts from (the rows shown, a filter typed
// before, every item), it shows the items the plain test finds, in the
// list's order.
void tst_ListFilter::typingAgreesWithThePlainTest()
{
    QFETCH(bool, sorted);
    QFETCH(bool, twoThreads);
    QFETCH(bool, marked);

    TestSupport::IsolatedSettings settings(OstranaEdition);
    DBItemCollection collection(nullptr);
    collection.groups().clear();
    for (const char *group : { "Stue", "Køkken", "Kælder" })
        collection.groups().add(QString::fromUtf8(group));
    collection.locations().clear();
    collection.locations().add(QStringLiteral("Loft"));
    collection.locations().add(QStringLiteral("Garage"));
    QRandomGenerator random(20261210);
    std::vector<std::unique_ptr<Item>> items;
    for (int i = 0; i < 400; ++i) {
        auto item = std::make_unique<Item>();
        // The middle group is empty: the halves of the work cross it.
        item->setGroup(random.bounded(2) * 2);
        item->setName(QStringLiteral("Ting nummer %1").arg(random.bounded(300)));
        item->setProduct(i % 3 ? QStringLiteral("Æske") : QStringLiteral("æblE"));
        item->setPrice(double(random.bounded(4000)) / 8.0);
        item->setNumberOfItems(int(random.bounded(1, 5)));
        item->setLocation(int(random.bounded(-1, 3)));
        items.push_back(std::move(item));
    }
    collection.adoptLoaded(std::move(items), 255);

    ItemListView list;
    checkListModel(list);
    list.SetCollection(&collection);
    list.FillList(&collection);
    if (sorted)
        list.sortItems(ItemListView::NameColumn, Qt::DescendingOrder);
    const ItemListModel *model = list.listModel();
    std::vector<std::vector<Item *>> unfiltered;
    for (int group = 0; group < model->groupCount(); ++group)
        unfiltered.push_back(model->itemsOf(group));

    Parallel::setMinimumWork(twoThreads ? 0 : -1);
    ItemListModel::setMarkedPassMinimum(marked ? 0 : -1);
    // A failed comparison returns early: the next tests get the defaults.
    const auto defaults = qScopeGuard([] {
        Parallel::setMinimumWork(-1);
        ItemListModel::setMarkedPassMinimum(-1);
    });
    const QStringList texts { "t", "ti", "tin", "ting", "ting ", "ting 1", "ting 12", "ting 1", "ting ", "ting", "tin",
        "TING 2 loft", "ting 2 lof", "2 lof", "", "garage 3", "garage", "gar", "æ", "Æsk", "æ", "ÆBLE 1", "", "error",
        "nummer 1 2 3", "nummer 1 2", "nummer 1", "12.50", "2.5", "2", "" };
    for (const QString &text : texts) {
        list.setFilterText(text);
        const QStringList words = ItemFilter::wordsOf(text);
        for (int group = 0; group < model->groupCount(); ++group) {
            std::vector<Item *> expected;
            for (Item *item : unfiltered[size_t(group)]) {
                if (ItemFilter::matchesPlainly(*item, words, &collection.locations()))
                    expected.push_back(item);
            }
            QVERIFY2(model->itemsOf(group) == expected,
                qPrintable(QStringLiteral("\"%1\", group %2: %3 rows, %4 expected")
                               .arg(text)
                               .arg(group)
                               .arg(model->itemsOf(group).size())
                               .arg(expected.size())));
        }
    }
    list.ClearList();
}

void tst_ListFilter::groupRowsToldOnlyOfWhatChanged()
{
    // The views are told of a group row's new caption, and only of it: a
    // change told across every row makes a list of a million rows look at
    // each of them.
    Window win;
    const ItemListModel *model = win.model();
    QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
    QSignalSpy layout(model, &QAbstractItemModel::layoutChanged);
    const auto toldRows = [&] {
        QList<int> rows;
        for (const QList<QVariant> &signal : std::as_const(changed)) {
            const auto from = signal.at(0).value<QModelIndex>();
            const auto to = signal.at(1).value<QModelIndex>();
            if (from.row() != to.row() || from.parent().isValid() || to.parent().isValid())
                return QList<int>({ -1 });
            rows << from.row();
        }
        changed.clear();
        return rows;
    };

    // Every item is made by "Make": the rows stay, each caption changes.
    typeKeys(win.field(), QStringLiteral("m"));
    QCOMPARE(toldRows(), QList<int>({ 0, 1, 2 }));
    QCOMPARE(layout.size(), 0);
    QCOMPARE(win.captions(), QStringList({ "Stue (3 af 3)", "Køkken (3 af 3)", "Bad (2 af 2)" }));
    // Typed on, nothing changes.
    typeKeys(win.field(), QStringLiteral("ake"));
    QCOMPARE(toldRows(), QList<int>());
    QCOMPARE(layout.size(), 0);
    // Fewer rows: one change of the layout, which repaints the captions.
    typeKeys(win.field(), QStringLiteral(" sofa"));
    QCOMPARE(layout.size(), 1);
    QCOMPARE(win.captions(), QStringList({ "Stue (2 af 3)", "Køkken (0 af 3)", "Bad (0 af 2)" }));
    // Every row back: the captions lose their counts of shown rows.
    layout.clear();
    changed.clear();
    win.field()->setText(QStringLiteral("make"));
    QCOMPARE(layout.size(), 1);
    win.field()->clear();
    QCOMPARE(toldRows(), QList<int>({ 0, 1, 2 }));
    QCOMPARE(win.captions(), QStringList({ "Stue (3)", "Køkken (3)", "Bad (2)" }));
}

void tst_ListFilter::keysFocusAndClear()
{
    Window win;
    win.w.show();
    QVERIFY(QTest::qWaitForWindowActive(&win.w));

    // "/" in the list goes to the field and types nothing there.
    win.list()->setFocus();
    QTest::keyClick(win.list(), Qt::Key_Slash);
    QVERIFY(win.field()->hasFocus());
    QCOMPARE(win.field()->text(), QString());
    QTest::keyClicks(win.field(), QStringLiteral("sofa"));
    QCOMPARE(win.shown(), QStringList({ "Sofa", "Sofabord" }));

    // Escape in the field clears it.
    QTest::keyClick(win.field(), Qt::Key_Escape);
    QCOMPARE(win.field()->text(), QString());
    QCOMPARE(win.shown(), allNames);
    QCOMPARE(win.count(), QString());

    // Ctrl+L from the list, with the text there selected to be typed over.
    QTest::keyClicks(win.field(), QStringLiteral("spejl"));
    QTest::keyClick(win.field(), Qt::Key_Return);
    QVERIFY(win.list()->hasFocus());
    QTest::keyClick(win.list(), Qt::Key_L, Qt::ControlModifier);
    QVERIFY(win.field()->hasFocus());
    QCOMPARE(win.field()->selectedText(), QStringLiteral("spejl"));
    QTest::keyClicks(win.field(), QStringLiteral("sofa"));
    QCOMPARE(win.field()->text(), QStringLiteral("sofa"));

    // Escape in the filtered list clears the filter as well.
    QTest::keyClick(win.field(), Qt::Key_Down);
    QVERIFY(win.list()->hasFocus());
    QTest::keyClick(win.list(), Qt::Key_Escape);
    QCOMPARE(win.field()->text(), QString());
    QCOMPARE(win.shown(), allNames);
}

void tst_ListFilter::countTexts_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("threeOfTwelve");
    QTest::addColumn<QString>("noneOfOne");
    QTest::addColumn<QString>("caption");

    QTest::newRow("home, Danish") << int(OstranaEdition) << "dk"
                                  << "3 af 12 genstande"
                                  << "0 af 1 genstand"
                                  << "Stue (3 af 12)";
    QTest::newRow("home, Norwegian") << int(OstranaEdition) << "no"
                                     << "3 av 12 gjenstander"
                                     << "0 av 1 gjenstand"
                                     << "Stue (3 av 12)";
    QTest::newRow("home, English") << int(OstranaEdition) << "en"
                                   << "3 of 12 items"
                                   << "0 of 1 item"
                                   << "Stue (3 of 12)";
    QTest::newRow("pictures, Danish") << int(VistrelEdition) << "dk"
                                      << "3 af 12 billeder"
                                      << "0 af 1 billede"
                                      << "Stue (3 af 12)";
    QTest::newRow("pictures, Norwegian") << int(VistrelEdition) << "no"
                                         << "3 av 12 bilder"
                                         << "0 av 1 bilde"
                                         << "Stue (3 av 12)";
    QTest::newRow("pictures, English") << int(VistrelEdition) << "en"
                                       << "3 of 12 pictures"
                                       << "0 of 1 picture"
                                       << "Stue (3 of 12)";
    QTest::newRow("coins, Danish") << int(NumivaxEdition) << "dk"
                                   << "3 af 12 mønter"
                                   << "0 af 1 mønt"
                                   << "Stue (3 af 12)";
    QTest::newRow("coins, Norwegian") << int(NumivaxEdition) << "no"
                                      << "3 av 12 mynter"
                                      << "0 av 1 mynt"
                                      << "Stue (3 av 12)";
    QTest::newRow("coins, English") << int(NumivaxEdition) << "en"
                                    << "3 of 12 coins"
                                    << "0 of 1 coin"
                                    << "Stue (3 of 12)";
    QTest::newRow("stock, Danish") << int(QuorvelEdition) << "dk"
                                   << "3 af 12 varer"
                                   << "0 af 1 vare"
                                   << "Stue (3 af 12)";
    QTest::newRow("stock, Norwegian") << int(QuorvelEdition) << "no"
                                      << "3 av 12 varer"
                                      << "0 av 1 vare"
                                      << "Stue (3 av 12)";
    QTest::newRow("stock, English") << int(QuorvelEdition) << "en"
                                    << "3 of 12 stock items"
                                    << "0 of 1 stock item"
                                    << "Stue (3 of 12)";
}

void tst_ListFilter::countTexts()
{
    QFETCH(int, edition);
    QFETCH(QString, language);
    QFETCH(QString, threeOfTwelve);
    QFETCH(QString, noneOfOne);
    QFETCH(QString, caption);

    TestSupport::IsolatedSettings settings(edition);
    Catalogue catalogue(language);
    QVERIFY(catalogue.loaded);
    QCOMPARE(filterCountText(3, 12), threeOfTwelve);
    QCOMPARE(filterCountText(0, 1), noneOfOne);

    // The group row's count, on a list of twelve items of which three match.
    DBItemCollection collection(nullptr);
    ItemListView list;
    list.SetCollection(&collection);
    list.listModel()->setGroups({ QStringLiteral("Stue") });
    std::vector<std::unique_ptr<Item>> items;
    std::vector<std::vector<Item *>> rows(1);
    for (int i = 0; i < 12; ++i) {
        items.push_back(std::make_unique<Item>());
        items.back()->setName(i < 3 ? QStringLiteral("Stol %1").arg(i) : QStringLiteral("Bord %1").arg(i));
        rows[0].push_back(items.back().get());
    }
    list.listModel()->setItems(rows);
    list.setFilterText(QStringLiteral("stol"));
    QCOMPARE(list.listModel()->groupCaption(0), caption);
    QCOMPARE(list.listModel()->index(0, 0).data().toString(), caption);
    list.ClearList();
}

void tst_ListFilter::sortsWhileFiltered_data()
{
    QTest::addColumn<int>("order");
    QTest::addColumn<QStringList>("filtered"); // by "b"
    QTest::addColumn<QStringList>("unfiltered");

    QTest::newRow("ascending") << int(Qt::AscendingOrder)
                               << QStringList { "Sofabord", "Crème brûlée-sæt", "Æbleskiveplade" }
                               << QStringList { "Lænestol", "Sofa", "Sofabord", "Crème brûlée-sæt", "Kaffemaskine",
                                      "Æbleskiveplade", "Handtuch Straße", "Spejl" };
    QTest::newRow("descending") << int(Qt::DescendingOrder)
                                << QStringList { "Sofabord", "Æbleskiveplade", "Crème brûlée-sæt" }
                                << QStringList { "Sofabord", "Sofa", "Lænestol", "Æbleskiveplade", "Kaffemaskine",
                                       "Crème brûlée-sæt", "Spejl", "Handtuch Straße" };
}

void tst_ListFilter::sortsWhileFiltered()
{
    QFETCH(int, order);
    QFETCH(QStringList, filtered);
    QFETCH(QStringList, unfiltered);

    Window win;
    win.type(QStringLiteral("b"));
    QCOMPARE(win.shown(), QStringList({ "Sofabord", "Æbleskiveplade", "Crème brûlée-sæt" }));
    win.list()->sortItems(ItemListView::NameColumn, Qt::SortOrder(order));
    QCOMPARE(win.shown(), filtered);
    // Narrowed and widened again, the rows keep the sorted order.
    QTest::keyClick(win.field(), Qt::Key_L);
    QCOMPARE(win.shown(), QStringList({ "Æbleskiveplade" }));
    QTest::keyClick(win.field(), Qt::Key_Backspace);
    QCOMPARE(win.shown(), filtered);
    // A new item that matches goes to its sorted place.
    auto item = std::make_unique<Item>();
    item->setGroup(1);
    item->setName(QStringLiteral("Brødkniv"));
    win.collection()->add(std::move(item));
    QStringList withKnife = filtered;
    withKnife.insert(order == Qt::AscendingOrder ? 1 : 3, QStringLiteral("Brødkniv"));
    QCOMPARE(win.shown(), withKnife);

    win.field()->clear();
    QStringList all = unfiltered;
    all.insert(order == Qt::AscendingOrder ? 3 : 6, QStringLiteral("Brødkniv"));
    QCOMPARE(win.shown(), all);
    win.type(QStringLiteral("b"));
    QCOMPARE(win.shown(), withKnife);
}

void tst_ListFilter::followsChangesWhileFiltered_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("shown"); // right after the change
    QTest::addColumn<QString>("count");
    QTest::addColumn<QStringList>("refiltered"); // after the filter changed and changed back

    const QStringList sofas { "Sofa", "Sofabord" };
    QTest::newRow("new item that matches") << "add Sofapude" << QStringList { "Sofa", "Sofabord", "Sofapude" }
                                           << "3 af 9 genstande" << QStringList { "Sofa", "Sofabord", "Sofapude" };
    // The item just made stays in sight until the filter changes.
    QTest::newRow("new item that does not match")
        << "add Taburet" << QStringList { "Sofa", "Sofabord", "Taburet" } << "3 af 9 genstande" << sofas;
    QTest::newRow("shown item changed not to match") << "rename Sofa Divan" << QStringList { "Divan", "Sofabord" }
                                                     << "2 af 8 genstande" << QStringList { "Sofabord" };
    QTest::newRow("hidden item changed to match")
        << "rename Spejl Sofaspejl" << QStringList { "Sofa", "Sofabord", "Sofaspejl" } << "3 af 8 genstande"
        << QStringList { "Sofa", "Sofabord", "Sofaspejl" };
    QTest::newRow("hidden item changed, still hidden")
        << "rename Spejl Spejlskab" << sofas << "2 af 8 genstande" << sofas;
    QTest::newRow("shown item moved to another group")
        << "move Sofabord 2" << QStringList { "Sofa", "Sofabord" } << "2 af 8 genstande" << sofas;
    QTest::newRow("hidden item moved") << "move Kaffemaskine 0" << sofas << "2 af 8 genstande" << sofas;
    QTest::newRow("shown item deleted") << "delete Sofa" << QStringList { "Sofabord" } << "1 af 7 genstande"
                                        << QStringList { "Sofabord" };
    QTest::newRow("hidden item deleted") << "delete Spejl" << sofas << "2 af 7 genstande" << sofas;
    // The item put back gets its row again, after the rows of its group.
    QTest::newRow("undo of a deletion") << "delete Sofa, undo" << QStringList { "Sofabord", "Sofa" }
                                        << "2 af 8 genstande" << QStringList { "Sofabord", "Sofa" };
}

void tst_ListFilter::followsChangesWhileFiltered()
{
    QFETCH(QString, change);
    QFETCH(QStringList, shown);
    QFETCH(QString, count);
    QFETCH(QStringList, refiltered);

    Window win;
    win.type(QStringLiteral("sofa"));
    QCOMPARE(win.shown(), QStringList({ "Sofa", "Sofabord" }));
    const QStringList words = change.split(QLatin1Char(' '));
    DBItemCollection *collection = win.collection();
    if (words[0] == QLatin1String("add")) {
        auto item = std::make_unique<Item>();
        item->setName(words[1]);
        collection->add(std::move(item));
    } else if (words[0] == QLatin1String("rename") || words[0] == QLatin1String("move")) {
        Item *item = win.item(words[1]);
        QVERIFY(item);
        collection->aboutToChange(item);
        if (words[0] == QLatin1String("rename"))
            item->setName(words[2]);
        else
            item->setGroup(words[2].toInt());
        collection->itemWasChanged(item);
    } else {
        Item *item = win.item(words[1].chopped(words[1].endsWith(QLatin1Char(',')) ? 1 : 0));
        QVERIFY(item);
        win.list()->DeleteItems({ item });
        if (change.endsWith(QLatin1String("undo"))) {
            auto *undo = win.w.findChild<QAction *>(QStringLiteral("EditUndo"));
            QVERIFY(undo);
            undo->trigger();
        }
    }
    QCOMPARE(win.shown(), shown);
    QCOMPARE(win.count(), count);
    // Each shown item under its own group's row.
    for (int group = 0; group < win.model()->groupCount(); ++group) {
        for (const Item *item : win.model()->itemsOf(group))
            QCOMPARE(item->group(), group);
    }
    QTest::keyClick(win.field(), Qt::Key_Backspace);
    QTest::keyClicks(win.field(), QStringLiteral("a"));
    QCOMPARE(win.shown(), refiltered);
    win.field()->clear();
    QCOMPARE(win.shown().size(), collection->count());
}

void tst_ListFilter::selectionStaysWithItsRow()
{
    Window win;
    ItemListView *list = win.list();
    Item *sofabord = win.item(QStringLiteral("Sofabord"));
    Item *spejl = win.item(QStringLiteral("Spejl"));
    list->setCurrentItem(list->rowForItem(sofabord));
    QCOMPARE(list->currentRowItem(), sofabord);

    // Narrowed, widened, sorted and cleared: the row stays current and selected.
    for (const char *typed : { "so", "sofab", "bord", "o" }) {
        win.type(QString::fromLatin1(typed));
        QCOMPARE(list->currentRowItem(), sofabord);
        QCOMPARE(list->currentItem(), list->rowForItem(sofabord));
        QVERIFY(list->rowForItem(sofabord)->isSelected());
        QCOMPARE(list->selectedItems().size(), 1);
    }
    win.field()->clear();
    QCOMPARE(list->currentRowItem(), sofabord);
    QVERIFY(list->rowForItem(sofabord)->isSelected());

    // Hidden, the row is no longer the current one: Delete takes nothing.
    list->setCurrentItem(list->rowForItem(spejl));
    QCOMPARE(list->currentRowItem(), spejl);
    win.type(QStringLiteral("sofa"));
    QCOMPARE(list->currentRowItem(), nullptr);
    QCOMPARE(list->currentItem(), nullptr);
    QVERIFY(list->selectedItems().isEmpty());
    win.w.DeleteItem();
    QCOMPARE(win.collection()->count(), 8);
    auto *showAsHtml = win.w.findChild<QAction *>(QStringLiteral("ViewCurInHTML"));
    QVERIFY(showAsHtml);
    QVERIFY(!showAsHtml->isEnabled());
}

void tst_ListFilter::searchDialogFindsHiddenItems()
{
    Window win;
    win.type(QStringLiteral("sofa"));
    win.w.SearchRecord();
    // The search dialog has no parent.
    ItemDialog *dialog = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (auto *candidate = qobject_cast<ItemDialog *>(top); candidate && candidate->isVisible())
            dialog = candidate;
    }
    QVERIFY(dialog);

    // The search looks at the whole register; its hit is shown and current.
    QTest::keyClicks(dialog->nameLineEdit, QStringLiteral("e"));
    dialog->seach_slot();
    Item *found = dialog->currentItem();
    QCOMPARE(found, win.item(QStringLiteral("Lænestol")));
    QCOMPARE(win.list()->currentRowItem(), found);
    QCOMPARE(win.shown(), QStringList({ "Sofa", "Sofabord", "Lænestol" }));

    // Search again goes on to the next, which is shown as well.
    dialog->SearchAgainSlot();
    QCOMPARE(dialog->currentItem(), win.item(QStringLiteral("Æbleskiveplade")));
    QCOMPARE(win.list()->currentRowItem(), dialog->currentItem());
    QCOMPARE(win.shown(), QStringList({ "Sofa", "Sofabord", "Lænestol", "Æbleskiveplade" }));
    QCOMPARE(win.count(), QStringLiteral("4 af 8 genstande"));

    // Until the filter changes.
    win.type(QStringLiteral("sof"));
    QCOMPARE(win.shown(), QStringList({ "Sofa", "Sofabord" }));
    QCOMPARE(win.env.boxes.count(), 0);
    dialog->close();
}

QTEST_MAIN(tst_ListFilter)
#include "tst_listfilter.moc"
