#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QUndoStack>
#include <QtTest>

#include "../mainwindow/DatabaseFixture.h"
#include "../mainwindow/ListModelCheck.h"
#include "ItemFixtures.h"
#include "TestSupport.h"
#include "TestWorld.h"
#include "bulkedit/BulkEditDialog.h"
#include "database/BulkChange.h"
#include "core/Edition.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "desktop/MessageBox.h"
#include "desktop/ProcessRunner.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/UndoHistory.h"
#include "mainwindow/funiQListViewItem.h"
#include "mainwindow/larkspanwindow.h"

#include <algorithm>
#include <memory>

// Many items at once on the real main window: the extended selection with
// the mouse, the keys and the Edit menu, Change selected on its dialog's
// widgets, the one question before many items are deleted, the selection
// through sorting, and the commands of a register that may not be written.
// Each change is one undo step, and undo gives the saved file's bytes back.

using namespace TestSupport;
using DatabaseFixture::Row;
using ItemFixtures::fieldsOf;

namespace {

Row row(int group, const char *name)
{
    Row row;
    row.group = group;
    row.name = QString::fromUtf8(name);
    return row;
}

// Seven items in three groups (Stue, Køkken, Kælder), each with location 0,
// supplier "Shop", date 01.02.2003 and value today 80, opened by the main
// window with every group open.
struct Window : TestWorld
{
    explicit Window(int edition = OstranaEdition, bool locked = false, QList<Row> rows = {})
        : TestWorld(edition)
        , run({ QStringLiteral("Setup"), QStringLiteral("Work") })
    {
        DatabaseFixture::writeLists(
            dir.path(), { QStringLiteral("Stue"), QStringLiteral("Køkken"), QStringLiteral("Kælder") });
        if (rows.isEmpty())
            rows = { row(0, "Sofa"), row(0, "Bord"), row(0, "Lampe"), row(1, "Komfur"), row(1, "Gryde"),
                row(2, "Cykel"), row(2, "Ski") };
        database = DatabaseFixture::writeDatabase(dir.path(), QStringLiteral("home.db"), edition, rows);
        if (locked)
            writeFile(path(QStringLiteral("LockFile")), "home.db Locked by PC: STORE1, User: anna");
        startWith(database);
        setDatabaseModified(false);
        window = std::make_unique<MainWindow>();
        checkListModel(*list());
        list()->ViewAll(true);
    }
    ~Window()
    {
        setDatabaseModified(false);
        window.reset();
    }

    ItemListView *list() const { return window->listView(); }
    QAction *action(const char *name) const { return window->findChild<QAction *>(QLatin1String(name)); }
    Item *item(const QString &name) const
    {
        for (Item *item : *window->collection()) {
            if (item->name() == name)
                return item;
        }
        return nullptr;
    }
    funiQListViewItem *rowOf(const QString &name) const
    {
        for (int group = 0; group < list()->topLevelItemCount(); ++group) {
            if (list()->topLevelItem(group)->text(ItemListView::GroupColumn) == name)
                return list()->topLevelItem(group);
        }
        return list()->rowForItem(item(name));
    }
    void select(const QStringList &names) const
    {
        list()->clearSelection();
        for (const QString &name : names)
            list()->setSelected(rowOf(name), true);
    }
    QStringList selectedNames() const
    {
        QStringList names;
        for (const Item *item : list()->selectedListItems())
            names << item->name();
        names.sort();
        return names;
    }
    void show() const
    {
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    // Clicks the row's name cell, with the modifiers.
    void click(const QString &name, Qt::KeyboardModifiers modifiers = {}, Qt::MouseButton button = Qt::LeftButton) const
    {
        const QRect rect = list()->visualItemRect(rowOf(name));
        const int column = rowOf(name)->isGroupRow() ? ItemListView::GroupColumn : ItemListView::NameColumn;
        const int x = list()->header()->sectionViewportPosition(column) + list()->columnWidth(column) / 2;
        QTest::mouseClick(list()->viewport(), button, modifiers, QPoint(x, rect.center().y()));
    }
    QList<QStringList> allFields() const
    {
        QList<QStringList> all;
        for (const Item *item : *window->collection())
            all << fieldsOf(item);
        return all;
    }
    QByteArray save()
    {
        if (!window->saveDatabase())
            return "not saved";
        return readFile(database);
    }
    BulkEditDialog *openChange() const
    {
        action("EditChangeSelected")->trigger();
        return window->findChild<BulkEditDialog *>();
    }

    ProcessRunner::Recording runs;
    RunFolderCopy run;
    QString database;
    std::unique_ptr<MainWindow> window;
};

QStringList sorted(QStringList names)
{
    names.sort();
    return names;
}

const QStringList allNames { "Bord", "Cykel", "Gryde", "Komfur", "Lampe", "Ski", "Sofa" };

// Field numbers of ItemFixtures::fieldsOf.
enum FieldOf { GroupOf = 0, PriceTodayOf = 4, DateOf = 5, SupplierOf = 6, LocationOf = 12 };

} // namespace

class tst_BulkEdit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<Item *>(); }

    void mouseSelectsMany_data()
    {
        QTest::addColumn<QStringList>("clicks"); // a name, with "ctrl:" or "shift:" before it
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<QString>("current");

        QTest::newRow("one") << QStringList { "Sofa", "Komfur" } << QStringList { "Komfur" } << "Komfur";
        QTest::newRow("ctrl across groups")
            << QStringList { "Sofa", "ctrl:Komfur", "ctrl:Ski" } << QStringList { "Komfur", "Ski", "Sofa" } << "Ski";
        QTest::newRow("shift within a group")
            << QStringList { "Sofa", "shift:Lampe" } << QStringList { "Bord", "Lampe", "Sofa" } << "Lampe";
        QTest::newRow("shift across groups")
            << QStringList { "Lampe", "shift:Gryde" } << QStringList { "Gryde", "Komfur", "Lampe" } << "Gryde";
        QTest::newRow("ctrl takes one out") << QStringList { "Sofa", "ctrl:Bord", "ctrl:Cykel", "ctrl:Sofa" }
                                            << QStringList { "Bord", "Cykel" } << "Sofa";
        QTest::newRow("a right click keeps the selection")
            << QStringList { "Sofa", "ctrl:Komfur", "right:Sofa" } << QStringList { "Komfur", "Sofa" } << "Sofa";
        QTest::newRow("a right click elsewhere selects that row")
            << QStringList { "Sofa", "ctrl:Komfur", "right:Ski" } << QStringList { "Ski" } << "Ski";
        QTest::newRow("a plain click starts again")
            << QStringList { "Sofa", "ctrl:Bord", "Gryde" } << QStringList { "Gryde" } << "Gryde";
    }

    void mouseSelectsMany()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, selected);
        QFETCH(QString, current);

        Window w;
        w.show();
        for (QString click : clicks) {
            Qt::KeyboardModifiers modifiers;
            Qt::MouseButton button = Qt::LeftButton;
            if (click.startsWith(QLatin1String("ctrl:")))
                modifiers = Qt::ControlModifier;
            else if (click.startsWith(QLatin1String("shift:")))
                modifiers = Qt::ShiftModifier;
            else if (click.startsWith(QLatin1String("right:")))
                button = Qt::RightButton;
            click.remove(0, click.indexOf(QLatin1Char(':')) + 1);
            w.click(click, modifiers, button);
        }
        QCOMPARE(w.selectedNames(), selected);
        QVERIFY(w.list()->isItemSelected());
        QCOMPARE(w.list()->isItemSelected()->text(ItemListView::NameColumn), current);
        QCOMPARE(w.action("EditChangeSelected")->isEnabled(), true);
        QVERIFY(w.boxes.shown().isEmpty());
    }

    void selectCommands_data()
    {
        QTest::addColumn<QStringList>("clicks"); // as above
        QTest::addColumn<QString>("command"); // an action's name, or "key:" and a key sequence
        QTest::addColumn<QStringList>("selected");

        QTest::newRow("select all") << QStringList { "Sofa" } << "EditSelectAll" << allNames;
        QTest::newRow("select all by key") << QStringList { "Sofa" } << "key:Ctrl+Shift+A" << allNames;
        QTest::newRow("the group of an item row")
            << QStringList { "Sofa", "ctrl:Komfur" } << "EditSelectGroup" << QStringList { "Gryde", "Komfur", "Sofa" };
        QTest::newRow("the group of a group row")
            << QStringList { "Sofa", "ctrl:Kælder" } << "EditSelectGroup" << QStringList { "Cykel", "Ski", "Sofa" };
        QTest::newRow("the group by key")
            << QStringList { "Gryde" } << "key:Ctrl+Shift+G" << QStringList { "Gryde", "Komfur" };
        // Ctrl+A stays the View menu's show all.
        QTest::newRow("ctrl+a shows all") << QStringList { "Sofa" } << "key:Ctrl+A" << QStringList { "Sofa" };
    }

    void selectCommands()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, command);
        QFETCH(QStringList, selected);

        Window w;
        w.show();
        for (QString click : clicks) {
            const bool ctrl = click.startsWith(QLatin1String("ctrl:"));
            click.remove(QStringLiteral("ctrl:"));
            w.click(click, ctrl ? Qt::ControlModifier : Qt::NoModifier);
        }
        QAction *showAll = w.action("EditRegister");
        const bool showAllBefore = showAll->isChecked();
        if (command.startsWith(QLatin1String("key:"))) {
            const QKeySequence keys(command.mid(4));
            w.list()->setFocus();
            QTest::keySequence(w.window.get(), keys);
        } else {
            w.action(command.toLatin1().constData())->trigger();
        }
        QCOMPARE(w.selectedNames(), selected);
        QCOMPARE(showAll->isChecked() != showAllBefore, command == QLatin1String("key:Ctrl+A"));
    }

    void changeSelected_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("fieldOf");
        QTest::addColumn<QString>("expected");

        QTest::newRow("group") << "group" << int(GroupOf) << "2";
        QTest::newRow("location") << "location" << int(LocationOf) << "1";
        QTest::newRow("supplier") << "supplier" << int(SupplierOf) << "Jensens Møbler";
        QTest::newRow("date") << "date" << int(DateOf) << "15.06.2021";
        QTest::newRow("value today") << "value" << int(PriceTodayOf) << "55.5";
        QTest::newRow("value today by a percentage") << "percent" << int(PriceTodayOf) << "90";
    }

    void changeSelected()
    {
        QFETCH(QString, field);
        QFETCH(int, fieldOf);
        QFETCH(QString, expected);

        Window w;
        const QByteArray before = w.save();
        const QList<QStringList> fieldsBefore = w.allFields();
        QVERIFY(!w.action("EditChangeSelected")->isEnabled());
        const QStringList chosen { "Komfur", "Ski", "Sofa" };
        w.select(chosen);
        QVERIFY(w.action("EditChangeSelected")->isEnabled());

        QPointer<BulkEditDialog> dialog = w.openChange();
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("summaryLabel"))->text(),
            QStringLiteral("Ændringen gælder 3 valgte inventar."));
        QPushButton *ok
            = dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok);
        QVERIFY(!ok->isEnabled());
        const auto tick = [&](const char *name) {
            auto *box = dialog->findChild<QCheckBox *>(QLatin1String(name));
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
            QVERIFY(box->isChecked());
        };
        if (field == QLatin1String("group")) {
            tick("groupCheckBox");
            dialog->findChild<QComboBox *>(QStringLiteral("groupComboBox"))->setCurrentIndex(2);
        } else if (field == QLatin1String("location")) {
            tick("locationCheckBox");
            dialog->findChild<QComboBox *>(QStringLiteral("locationComboBox"))->setCurrentIndex(1);
        } else if (field == QLatin1String("supplier")) {
            tick("supplierCheckBox");
            QLineEdit *edit = dialog->findChild<QComboBox *>(QStringLiteral("supplierComboBox"))->lineEdit();
            edit->selectAll();
            QTest::keyClicks(edit, QStringLiteral("Jensens Møbler"));
        } else if (field == QLatin1String("date")) {
            tick("dateCheckBox");
            dialog->findChild<QDateEdit *>(QStringLiteral("dateEdit"))->setDate(QDate(2021, 6, 15));
        } else if (field == QLatin1String("value")) {
            tick("valueCheckBox");
            auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("valueLineEdit"));
            QVERIFY(edit->isEnabled());
            edit->selectAll();
            QTest::keyClicks(edit, QStringLiteral("55.5"));
        } else {
            tick("valueCheckBox");
            QTest::mouseClick(dialog->findChild<QRadioButton *>(QStringLiteral("scaleValueButton")), Qt::LeftButton);
            auto *spin = dialog->findChild<QDoubleSpinBox *>(QStringLiteral("percentSpinBox"));
            QVERIFY(spin->isEnabled());
            QVERIFY(!dialog->findChild<QLineEdit *>(QStringLiteral("valueLineEdit"))->isEnabled());
            spin->setValue(12.5);
        }
        QVERIFY(ok->isEnabled());
        QTest::mouseClick(ok, Qt::LeftButton);
        QTRY_VERIFY(!dialog);
        QVERIFY(w.boxes.shown().isEmpty());

        // The chosen items have the new value and nothing else changed.
        for (int index = 0; index < w.window->collection()->count(); ++index) {
            const Item *item = w.window->collection()->at(index);
            QStringList fields = fieldsBefore.at(index);
            if (chosen.contains(item->name()))
                fields[fieldOf] = expected;
            QCOMPARE(fieldsOf(item), fields);
        }
        // The rows are still the ones selected, in their new group too.
        QCOMPARE(w.selectedNames(), chosen);
        if (field == QLatin1String("group")) {
            for (const QString &name : chosen)
                QCOMPARE(w.list()->rowForItem(w.item(name))->parent(), w.list()->groupRow(2));
        }

        // One undo step, back to the very bytes and forth again.
        QCOMPARE(w.window->undoHistory()->stack()->count(), 1);
        QCOMPARE(w.action("EditUndo")->text(), QStringLiteral("Fortryd ændring af 3 varer"));
        const QByteArray after = w.save();
        QVERIFY(after != before);
        w.action("EditUndo")->trigger();
        QCOMPARE(w.save(), before);
        QList<QStringList> undone = w.allFields();
        QList<QStringList> expectedBack = fieldsBefore;
        std::sort(undone.begin(), undone.end());
        std::sort(expectedBack.begin(), expectedBack.end());
        QCOMPARE(undone, expectedBack);
        w.action("EditRedo")->trigger();
        QCOMPARE(w.save(), after);
    }

    void failingCheckChangesNothing_data()
    {
        QTest::addColumn<QString>("change"); // "percent" or "amount"
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("named"); // a name the box holds
        QTest::addColumn<QString>("notNamed"); // one it must not

        QTest::newRow("percentage past the highest price") << "percent"
                                                           << "Fejl"
                                                           << "Ski"
                                                           << "Sofa";
        QTest::newRow("amount past the highest price") << "amount"
                                                       << "Felt grænseværdi fejl"
                                                       << "9999999"
                                                       << "Sofa";
    }

    void failingCheckChangesNothing()
    {
        QFETCH(QString, change);
        QFETCH(QString, title);
        QFETCH(QString, named);
        QFETCH(QString, notNamed);

        Window w;
        // As it came from the file: an estimate near the top.
        w.item(QStringLiteral("Ski"))->setPriceToday(9000000);
        const QList<QStringList> fieldsBefore = w.allFields();
        w.select({ "Sofa", "Ski" });
        QPointer<BulkEditDialog> dialog = w.openChange();
        QVERIFY(dialog);
        dialog->findChild<QCheckBox *>(QStringLiteral("valueCheckBox"))->setChecked(true);
        if (change == QLatin1String("percent")) {
            dialog->findChild<QRadioButton *>(QStringLiteral("scaleValueButton"))->setChecked(true);
            dialog->findChild<QDoubleSpinBox *>(QStringLiteral("percentSpinBox"))->setValue(20);
        } else {
            // Past what the field takes, as a paste can bring it.
            dialog->findChild<QLineEdit *>(QStringLiteral("valueLineEdit"))->setText(QStringLiteral("99999999"));
        }
        QTest::mouseClick(
            dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok),
            Qt::LeftButton);

        QCOMPARE(w.boxes.shown().size(), 1);
        const MessageBox::Shown box = w.boxes.shown().first();
        QCOMPARE(box.kind, MessageBox::Critical);
        QCOMPARE(box.title, title);
        QVERIFY2(box.text.contains(named), qPrintable(box.text));
        QVERIFY2(!box.text.contains(notNamed), qPrintable(box.text));
        // Nothing changed, no step, and the dialog waits for another try.
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(w.allFields(), fieldsBefore);
        QCOMPARE(w.window->undoHistory()->stack()->count(), 0);
        dialog->reject();
    }

    void deleteAsksOnceForAll_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("question"); // empty: no box
        QTest::addColumn<QStringList>("left");

        const QStringList three { "Bord", "Gryde", "Ski" };
        const QStringList rest { "Cykel", "Komfur", "Lampe", "Sofa" };
        QTest::newRow("home contents") << int(OstranaEdition) << three << true << "Slet 3 inventar?" << rest;
        QTest::newRow("answered no") << int(OstranaEdition) << three << false << "Slet 3 inventar?" << allNames;
        QTest::newRow("pictures") << int(VistrelEdition) << three << true << "Slet 3 billeder?" << rest;
        QTest::newRow("coins") << int(NumivaxEdition) << three << true << "Slet 3 mønter?" << rest;
        QTest::newRow("stock") << int(QuorvelEdition) << three << true << "Slet 3 varer?" << rest;
        QTest::newRow("group rows count for nothing")
            << int(OstranaEdition) << QStringList { "Stue", "Gryde", "Ski" } << true << "Slet 2 inventar?"
            << QStringList { "Bord", "Cykel", "Komfur", "Lampe", "Sofa" };
        QTest::newRow("one item, no question") << int(OstranaEdition) << QStringList { "Gryde" } << true << QString()
                                               << QStringList { "Bord", "Cykel", "Komfur", "Lampe", "Ski", "Sofa" };
    }

    void deleteAsksOnceForAll()
    {
        QFETCH(int, edition);
        QFETCH(QStringList, chosen);
        QFETCH(bool, yes);
        QFETCH(QString, question);
        QFETCH(QStringList, left);

        Window w(edition);
        const QByteArray before = w.save();
        w.list()->FindListViewItem(w.item(QStringLiteral("Gryde")));
        w.select(chosen);
        MessageBox::queueAnswer(yes ? QMessageBox::Yes : QMessageBox::No);
        w.action("EditDelete")->trigger();

        QCOMPARE(w.boxes.shown().size(), question.isEmpty() ? 0 : 1);
        if (!question.isEmpty()) {
            const MessageBox::Shown box = w.boxes.shown().first();
            QCOMPARE(box.kind, MessageBox::Question);
            QCOMPARE(box.text, question);
            QCOMPARE(box.buttons, (QStringList { "Yes", "No" }));
        }
        QStringList names;
        for (const Item *item : *w.window->collection())
            names << item->name();
        QCOMPARE(sorted(names), left);
        QCOMPARE(w.window->undoHistory()->stack()->count(), yes ? 1 : 0);
        if (yes) {
            w.action("EditUndo")->trigger();
            QCOMPARE(w.window->collection()->count(), 7);
            QCOMPARE(w.save(), before);
        }
    }

    void selectionSurvivesSorting_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("order");
        for (int column :
            { int(ItemListView::NameColumn), int(ItemListView::PriceTodayColumn), int(ItemListView::GroupColumn) }) {
            QTest::addRow("column %d ascending", column) << column << int(Qt::AscendingOrder);
            QTest::addRow("column %d descending", column) << column << int(Qt::DescendingOrder);
        }
    }

    void selectionSurvivesSorting()
    {
        QFETCH(int, column);
        QFETCH(int, order);

        Window w;
        // Values that sort differently from the names.
        w.item(QStringLiteral("Gryde"))->setPriceToday(5);
        w.item(QStringLiteral("Ski"))->setPriceToday(500);
        const QStringList chosen { "Gryde", "Lampe", "Ski" };
        w.select(chosen);
        w.list()->sortItems(column, Qt::SortOrder(order));
        QCOMPARE(w.selectedNames(), chosen);
        w.list()->sortItems(column, order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder);
        QCOMPARE(w.selectedNames(), chosen);
        QCOMPARE(w.list()->selectedItems().size(), 3);
    }

    // A change of more rows than the list moves one at a time: the rows are
    // made again at once, in their groups and sorted place, and the same
    // rows stay selected, after the change and after its undo.
    void manyRowsChangedAtOnce_data()
    {
        QTest::addColumn<int>("sortColumn"); // -1: not sorted
        QTest::addColumn<int>("order");
        QTest::newRow("not sorted") << -1 << int(Qt::AscendingOrder);
        QTest::newRow("by name, descending") << int(ItemListView::NameColumn) << int(Qt::DescendingOrder);
        QTest::newRow("by name, ascending") << int(ItemListView::NameColumn) << int(Qt::AscendingOrder);
    }

    void manyRowsChangedAtOnce()
    {
        QFETCH(int, sortColumn);
        QFETCH(int, order);

        QList<Row> rows;
        for (int i = 0; i < 150; ++i)
            rows << row(i % 3, qPrintable(QStringLiteral("Ting %1").arg(i, 3, 10, QLatin1Char('0'))));
        Window w(OstranaEdition, false, rows);
        if (sortColumn >= 0)
            w.list()->sortItems(sortColumn, Qt::SortOrder(order));
        const QByteArray before = w.save();
        // Group 0 whole and every other item of group 1.
        QStringList chosen;
        for (const Item *item : *w.window->collection()) {
            const int number = item->name().mid(5).toInt();
            if (item->group() == 0 || (item->group() == 1 && number % 2 == 0))
                chosen << item->name();
        }
        QCOMPARE(chosen.size(), 75);
        w.select(chosen);
        QCOMPARE(w.list()->selectedListItems().size(), 75);

        BulkChange change;
        change.group = 2;
        const BulkChange::Outcome outcome
            = change.apply(*w.window->collection(), w.list()->selectedListItems(), BulkChange::stepText(75));
        QVERIFY(outcome.ok());
        QCOMPARE(outcome.changed, 75);

        const auto rowsFollowTheItems = [&] {
            for (Item *item : *w.window->collection()) {
                funiQListViewItem *shown = w.list()->rowForItem(item);
                if (!shown || shown->parent() != w.list()->groupRow(item->group()))
                    return false;
            }
            return true;
        };
        QVERIFY(rowsFollowTheItems());
        QCOMPARE(w.list()->groupRow(0)->childCount(), 0);
        QCOMPARE(w.list()->groupRow(1)->childCount(), 25);
        QCOMPARE(w.list()->groupRow(2)->childCount(), 125);
        QVERIFY(w.list()->isExpanded(w.list()->groupRow(2)->index()));
        QCOMPARE(w.selectedNames(), sorted(chosen));
        if (sortColumn >= 0) {
            QStringList shown;
            for (int i = 0; i < w.list()->groupRow(2)->childCount(); ++i)
                shown << w.list()->groupRow(2)->child(i)->text(ItemListView::NameColumn);
            QStringList expected = sorted(shown);
            if (order == Qt::DescendingOrder)
                std::reverse(expected.begin(), expected.end());
            QCOMPARE(shown, expected);
        }

        w.action("EditUndo")->trigger();
        QVERIFY(rowsFollowTheItems());
        QCOMPARE(w.list()->groupRow(0)->childCount(), 50);
        QCOMPARE(w.selectedNames(), sorted(chosen));
        QCOMPARE(w.save(), before);
    }

    // A register another program holds: nothing changes from the menu, the
    // keys or the slots, and there is no question.
    void readOnlyRegisterRefusesTheCommands()
    {
        Window w(QuorvelEdition, true);
        QVERIFY(w.window->collection()->isReadOnly());
        w.select({ "Sofa", "Gryde" });
        QVERIFY(!w.action("EditChangeSelected")->isEnabled());
        const qsizetype boxesBefore = w.boxes.shown().size();
        w.window->ChangeSelected();
        QVERIFY(!w.window->findChild<BulkEditDialog *>());
        w.window->DeleteItem();
        QCOMPARE(w.boxes.shown().size(), boxesBefore);
        QCOMPARE(w.window->collection()->count(), 7);
        // Selecting stays possible.
        w.action("EditSelectAll")->trigger();
        QCOMPARE(w.selectedNames(), allNames);
    }
};

QTEST_MAIN(tst_BulkEdit)
#include "tst_bulkedit.moc"
