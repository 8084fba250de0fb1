#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QToolBar>
#include <QtTest>

#include "DatabaseFixture.h"
#include "ListModelCheck.h"
#include "TestSupport.h"
#include "TestWorld.h"
#include "core/Edition.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "itemdialog/ItemDialog.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/funiQListViewItem.h"
#include "mainwindow/larkspanwindow.h"

namespace {

using DatabaseFixture::Row;

struct Env : TestSupport::TestWorld
{
    explicit Env(int edition)
        : TestWorld(edition)
    { }

    // A database in the folder "db" whose groups are Stue, Køkken and
    // Køkken again: only the number tells the last two apart.
    QString database(const QList<Row> &rows)
    {
        const QString folder = path(QStringLiteral("db"));
        QDir().mkpath(folder);
        DatabaseFixture::writeLists(
            folder, { QStringLiteral("Stue"), QStringLiteral("Køkken"), QStringLiteral("Køkken") });
        return DatabaseFixture::writeDatabase(folder, QStringLiteral("home.db"), edition(), rows);
    }
};

QAction *newItemAction(const MainWindow &w)
{
    return w.findChild<QAction *>(QStringLiteral("EditNewItem"));
}

QList<ItemDialog *> openDialogs(const MainWindow &w)
{
    QList<ItemDialog *> shown;
    for (ItemDialog *dialog : w.findChildren<ItemDialog *>()) {
        if (dialog->isVisible())
            shown.append(dialog);
    }
    return shown;
}

} // namespace

class tst_NewItem : public QObject
{
    Q_OBJECT

private slots:
    void opensInTheGroupOfTheCurrentRow_data();
    void opensInTheGroupOfTheCurrentRow();
    void savedItemJoinsThatGroup();
    void unavailableWhileReadOnly();
};

void tst_NewItem::opensInTheGroupOfTheCurrentRow_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<bool>("withItems");
    QTest::addColumn<QString>("current"); // "group N", an item's name, or "" for none
    QTest::addColumn<bool>("byKey"); // Insert on the list rather than the menu entry
    QTest::addColumn<int>("group"); // the dialog's group

    const QList<std::pair<int, const char *>> editions { { OstranaEdition, "home" }, { VistrelEdition, "pictures" },
        { NumivaxEdition, "coins" }, { QuorvelEdition, "stock" } };
    for (const auto &[edition, name] : editions) {
        QTest::addRow("%s: group row", name) << edition << true << "group 2" << false << 2;
        QTest::addRow("%s: item row", name) << edition << true << "Komfur" << true << 1;
        QTest::addRow("%s: no current row", name) << edition << true << "" << true << 0;
        QTest::addRow("%s: empty list", name) << edition << false << "" << false << 0;
    }
    QTest::newRow("empty list, group row") << int(OstranaEdition) << false << "group 1" << true << 1;
    // Groups 1 and 2 share a name: the row's own group, not the first by that name.
    QTest::newRow("item row of the last group") << int(QuorvelEdition) << true << "Hylde" << false << 2;
}

void tst_NewItem::opensInTheGroupOfTheCurrentRow()
{
    QFETCH(int, edition);
    QFETCH(bool, withItems);
    QFETCH(QString, current);
    QFETCH(bool, byKey);
    QFETCH(int, group);

    Env env(edition);
    QList<Row> rows;
    if (withItems) {
        rows = DatabaseFixture::threeItems();
        Row shelf;
        shelf.group = 2;
        shelf.name = QStringLiteral("Hylde");
        rows.append(shelf);
    }
    env.startWith(env.database(rows));
    MainWindow w;
    checkListModel(*w.listView());
    QVERIFY(w.startSucceeded());
    QCOMPARE(w.collection()->count(), withItems ? 4 : 0);
    ItemListView *list = w.listView();
    list->ViewAll(true);

    if (current.startsWith(QLatin1String("group "))) {
        list->setCurrentItem(list->groupRow(current.mid(6).toInt()));
    } else if (!current.isEmpty()) {
        Item *item = nullptr;
        for (Item *candidate : *w.collection()) {
            if (candidate->name() == current)
                item = candidate;
        }
        QVERIFY(item);
        list->setCurrentItem(list->rowForItem(item));
    }
    QCOMPARE(list->isItemSelected() != nullptr, !current.isEmpty());

    QAction *action = newItemAction(w);
    QVERIFY(action);
    QVERIFY(action->isEnabled());
    if (byKey) {
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Insert);
    } else {
        action->trigger();
    }

    const QList<ItemDialog *> dialogs = openDialogs(w);
    QCOMPARE(dialogs.size(), 1);
    ItemDialog *dialog = dialogs.first();
    // A new item, not the current row's item, in that row's group.
    QVERIFY(dialog->ownsCurrentItem());
    QVERIFY(!w.collection()->contains(dialog->currentItem()));
    QCOMPARE(dialog->groupComboBox->currentIndex(), group);
    QCOMPARE(w.collection()->count(), withItems ? 4 : 0);
    dialog->close();
}

// What the dialog saves is a new item of the group shown, in its list row.
void tst_NewItem::savedItemJoinsThatGroup()
{
    Env env(OstranaEdition);
    env.startWith(env.database(DatabaseFixture::threeItems()));
    MainWindow w;
    checkListModel(*w.listView());
    ItemListView *list = w.listView();
    list->setCurrentItem(list->groupRow(1));
    newItemAction(w)->trigger();
    const QList<ItemDialog *> dialogs = openDialogs(w);
    QCOMPARE(dialogs.size(), 1);
    ItemDialog *dialog = dialogs.first();
    dialog->nameLineEdit->setText(QStringLiteral("Kaffemaskine"));
    dialog->priceLineEdit->setText(QStringLiteral("1200"));
    dialog->priceTodayLineEdit->setText(QStringLiteral("900"));
    QVERIFY(dialog->save_slot());

    QCOMPARE(w.collection()->count(), 4);
    Item *added = w.collection()->at(3);
    QCOMPARE(added->name(), QStringLiteral("Kaffemaskine"));
    QCOMPARE(added->group(), 1);
    funiQListViewItem *row = list->rowForItem(added);
    QVERIFY(row);
    QCOMPARE(row->parent(), list->groupRow(1));
    dialog->close();
}

// A register that may not be written gets no new item from the menu, the
// toolbar or the key.
void tst_NewItem::unavailableWhileReadOnly()
{
    Env env(QuorvelEdition);
    const QString file = env.database(DatabaseFixture::threeItems());
    QVERIFY(
        TestSupport::writeFile(env.path(QStringLiteral("db/LockFile")), "home.db Locked by PC: STORE1, User: anna"));
    env.startWith(file);
    MainWindow w;
    checkListModel(*w.listView());
    QVERIFY(w.collection()->isReadOnly());
    QAction *action = newItemAction(w);
    QVERIFY(action);
    QVERIFY(!action->isEnabled());
    auto *tools = w.findChild<QToolBar *>(QStringLiteral("Tools"));
    QVERIFY(tools);
    QVERIFY(tools->actions().contains(action));

    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.listView()->setFocus();
    QTest::keyClick(w.listView(), Qt::Key_Insert);
    w.NewItem();
    QVERIFY(openDialogs(w).isEmpty());
    QCOMPARE(w.collection()->count(), 3);
}

QTEST_MAIN(tst_NewItem)
#include "tst_newitem.moc"
