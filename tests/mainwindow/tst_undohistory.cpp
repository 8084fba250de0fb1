#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QUndoStack>
#include <QtTest>

#include "DatabaseFixture.h"
#include "TestSupport.h"
#include "TestWorld.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "desktop/FileDialog.h"
#include "desktop/MessageBox.h"
#include "desktop/ProcessRunner.h"
#include "itemdialog/ItemDialog.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/UndoHistory.h"
#include "mainwindow/larkspanwindow.h"
#include "setup/AutomakeItems.h"
#include "setup/setupdialog.h"

#include <memory>

using namespace TestSupport;
using DatabaseFixture::Row;

namespace {

Row row(int group, const char *name)
{
    Row row;
    row.group = group;
    row.name = QString::fromUtf8(name);
    return row;
}

// A database of the edition in a temporary folder, opened by a main window.
// Home contents: seven items in three groups; stock: a bolt, a nut and a
// screw, in three groups of which the middle one is empty.
struct UndoWindow : TestWorld
{
    explicit UndoWindow(int edition = OstranaEdition)
        : TestWorld(edition)
        , run({ QStringLiteral("Setup"), QStringLiteral("Work") })
    {
        if (edition == QuorvelEdition) {
            DatabaseFixture::writeLists(
                dir.path(), { QStringLiteral("Lager"), QStringLiteral("Tom"), QStringLiteral("Butik") });
            QByteArray bytes = DatabaseFixture::headerLine(QuorvelEdition) + "\r\n";
            bytes += "0;Bolt;Make;1.000000;1.000000;01.02.2020;Shop;7;;;;1;0;;;;\r\n";
            bytes += "0;Skrue;Make;1.000000;1.000000;01.02.2020;Shop;9;;;;5;0;;;;\r\n";
            bytes += "2;Nut;Make;1.000000;1.000000;01.02.2020;Shop;8;;;;4;0;;;;\r\n";
            database = QDir(dir.path()).filePath(QStringLiteral("stock.db"));
            writeFile(database, bytes);
        } else {
            DatabaseFixture::writeLists(
                dir.path(), { QStringLiteral("Stue"), QStringLiteral("Køkken"), QStringLiteral("Kælder") });
            database = DatabaseFixture::writeDatabase(dir.path(), QStringLiteral("home.db"), edition,
                {
                    row(0, "Sofa"),
                    row(0, "Bord"),
                    row(0, "Lampe"),
                    row(1, "Komfur"),
                    row(1, "Gryde"),
                    row(2, "Cykel"),
                    row(2, "Ski"),
                });
        }
        startWith(database);
        setDatabaseModified(false);
        window = std::make_unique<MainWindow>();
    }
    ~UndoWindow()
    {
        for (ItemDialog *dialog : window->findChildren<ItemDialog *>())
            delete dialog;
        setDatabaseModified(false);
        window.reset();
    }

    Item *item(const QString &name) const
    {
        for (Item *item : *window->collection()) {
            if (item->name() == name)
                return item;
        }
        return nullptr;
    }
    QAction *undoAction() const { return window->findChild<QAction *>(QStringLiteral("EditUndo")); }
    QAction *redoAction() const { return window->findChild<QAction *>(QStringLiteral("EditRedo")); }
    QByteArray save()
    {
        if (!window->saveDatabase())
            return "not saved";
        return readFile(database);
    }
    ItemDialog *dialogOn(const QString &name)
    {
        if (!name.isEmpty())
            window->listView()->FindListViewItem(item(name));
        window->EditItem();
        const QList<ItemDialog *> dialogs = window->findChildren<ItemDialog *>();
        return dialogs.isEmpty() ? nullptr : dialogs.last();
    }

    ProcessRunner::Recording runs;
    RunFolderCopy run;
    QString database;
    std::unique_ptr<MainWindow> window;
};

// The change of each kind, made as the user makes it.
void makeStep(UndoWindow &w, const QString &step)
{
    if (step == QLatin1String("change")) {
        ItemDialog *d = w.dialogOn(QStringLiteral("Bord"));
        d->nameLineEdit->setText(QStringLiteral("Spisebord"));
        d->priceLineEdit->setText(QStringLiteral("2500"));
        QVERIFY(d->save_slot());
    } else if (step == QLatin1String("move to another group")) {
        ItemDialog *d = w.dialogOn(QStringLiteral("Bord"));
        d->groupComboBox->setCurrentIndex(2);
        QVERIFY(d->save_slot());
    } else if (step == QLatin1String("new")) {
        ItemDialog *d = w.dialogOn(QString());
        d->newItem_slot();
        d->groupComboBox->setCurrentIndex(1);
        d->nameLineEdit->setText(QStringLiteral("Kedel"));
        d->priceLineEdit->setText(QStringLiteral("300"));
        d->priceTodayLineEdit->setText(QStringLiteral("200"));
        QVERIFY(d->save_slot());
    } else if (step == QLatin1String("copy")) {
        ItemDialog *d = w.dialogOn(QStringLiteral("Komfur"));
        QTest::mouseClick(d->CopyPushButton, Qt::LeftButton);
        d->nameLineEdit->setText(QStringLiteral("Komfur 2"));
        QVERIFY(d->save_slot());
    } else if (step == QLatin1String("delete in the list")) {
        w.window->listView()->FindListViewItem(w.item(QStringLiteral("Bord")));
        w.window->DeleteItem();
    } else if (step == QLatin1String("delete in the item dialog")) {
        ItemDialog *d = w.dialogOn(QStringLiteral("Gryde"));
        d->delete_slot();
    } else if (step == QLatin1String("delete of many")) {
        w.window->listView()->DeleteItems(
            { w.item(QStringLiteral("Sofa")), w.item(QStringLiteral("Lampe")), w.item(QStringLiteral("Ski")) });
    } else if (step == QLatin1String("import")) {
        const QString file = QDir(w.dir.path()).filePath(QStringLiteral("Location.update.txt"));
        // A count, a move of the whole nut (deleted at its place, a copy at
        // the other) and a move of part of the screws.
        writeFile(file, "I;0;000007;2\r\nF;2;0;8;4\r\nF;0;2;9;2\r\n");
        FileDialog::queueAnswer(file);
        w.window->UpdateLocations();
    } else if (step == QLatin1String("pre-creation")) {
        w.window->AutoMakeItems();
        auto *make = w.window->findChild<AutomakeItems *>();
        QTest::keyClicks(make->findChild<QLineEdit *>(QStringLiteral("lineEdit")), QStringLiteral("3"));
        QTest::mouseClick(make->findChild<QPushButton *>(QStringLiteral("pushButtonMakeItems")), Qt::LeftButton);
        make->close();
    } else if (step == QLatin1String("list entry out")) {
        w.window->SetupGroups();
        auto *dialog = w.window->findChild<setupdialog *>(QStringLiteral("Setup Groups"));
        dialog->listLineEdit->setCurrentRow(1);
        MessageBox::queueAnswer(QMessageBox::Yes);
        QTest::mouseClick(dialog->DeleteButton, Qt::LeftButton);
        QTest::mouseClick(dialog->buttonOk, Qt::LeftButton);
    }
}

// Whether the list shows every item of the collection, and no other.
bool listShowsTheCollection(const UndoWindow &w)
{
    ItemListView *list = w.window->listView();
    int rows = 0;
    for (int group = 0; group < list->topLevelItemCount(); ++group)
        rows += list->topLevelItem(group)->childCount();
    for (Item *item : *w.window->collection()) {
        if (!list->rowForItem(item))
            return false;
    }
    return rows == w.window->collection()->count();
}

QStringList names(const DBItemCollection &collection)
{
    QStringList all;
    for (const Item *item : collection)
        all << item->name();
    all.sort();
    return all;
}

// The title as the window system shows it, with the mark of unsaved changes
// put in or left out.
QString shownTitle(const UndoWindow &w)
{
    w.window->winId();
    return w.window->windowHandle()->title();
}

} // namespace

class tst_UndoHistory : public QObject
{
    Q_OBJECT

private:
    // The file after each kind of step, from its run with a save in between.
    QHash<QString, QByteArray> m_after;

private slots:
    void initTestCase() { qRegisterMetaType<Item *>(); }

    void eachStepUndoneAndRedone_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("undoText");
        QTest::addColumn<bool>("saveBetween");
        const struct
        {
            int edition;
            const char *step;
            const char *undoText;
        } steps[] = {
            { OstranaEdition, "change", "Fortryd ændring af 'Bord'" },
            { OstranaEdition, "move to another group", "Fortryd ændring af 'Bord'" },
            { OstranaEdition, "new", "Fortryd tilføjelse af 'Kedel'" },
            { OstranaEdition, "copy", "Fortryd kopi af 'Komfur'" },
            { OstranaEdition, "delete in the list", "Fortryd sletning af 'Bord'" },
            { OstranaEdition, "delete in the item dialog", "Fortryd sletning af 'Gryde'" },
            { OstranaEdition, "delete of many", "Fortryd sletning af 3 varer" },
            { QuorvelEdition, "import", "Fortryd import" },
            { QuorvelEdition, "pre-creation", "Fortryd oprettelse af 3 varer" },
            { QuorvelEdition, "list entry out", "Fortryd ændring af listen" },
        };
        // With a save in between first: its file after the step is the one
        // the other run's redo must give.
        for (const auto &step : steps) {
            for (bool saveBetween : { true, false }) {
                QTest::addRow("%s%s", step.step, saveBetween ? ", saved in between" : "")
                    << step.edition << QString::fromUtf8(step.step) << QString::fromUtf8(step.undoText) << saveBetween;
            }
        }
    }

    void eachStepUndoneAndRedone()
    {
        QFETCH(int, edition);
        QFETCH(QString, step);
        QFETCH(QString, undoText);
        QFETCH(bool, saveBetween);
        UndoWindow w(edition);
        const QByteArray groupsBefore = readFile(QDir(w.dir.path()).filePath(QStringLiteral("groups/groups.dk.txt")));
        const QByteArray before = w.save();
        QVERIFY(!w.undoAction()->isEnabled());

        makeStep(w, step);
        QCOMPARE(w.window->undoHistory()->stack()->count(), 1);
        QCOMPARE(w.undoAction()->text(), undoText);
        QVERIFY(w.undoAction()->isEnabled());
        QVERIFY(!w.redoAction()->isEnabled());
        // The import saves by itself.
        if (saveBetween || step == QLatin1String("import")) {
            const QByteArray after = w.save();
            QVERIFY(after != before);
            m_after.insert(step, after);
        }

        w.undoAction()->trigger();
        QCOMPARE(
            w.redoAction()->text(), QString(undoText).replace(QStringLiteral("Fortryd"), QStringLiteral("Gentag")));
        QVERIFY(!w.undoAction()->isEnabled());
        QCOMPARE(w.save(), before);
        QCOMPARE(readFile(QDir(w.dir.path()).filePath(QStringLiteral("groups/groups.dk.txt"))), groupsBefore);

        w.redoAction()->trigger();
        QVERIFY(listShowsTheCollection(w));
        const QByteArray after = w.save();
        QCOMPARE(after, m_after.value(step));

        // Both ways once more, now after saves that sorted the register.
        w.undoAction()->trigger();
        QVERIFY(listShowsTheCollection(w));
        QCOMPARE(w.save(), before);
        w.redoAction()->trigger();
        QVERIFY(listShowsTheCollection(w));
        QCOMPARE(w.save(), after);
        QCOMPARE(w.boxes.count(), edition == QuorvelEdition && step == QLatin1String("list entry out") ? 1 : 0);
    }

    void menuTextsAndState()
    {
        UndoWindow w;
        QCOMPARE(w.undoAction()->text(), QStringLiteral("Fortryd"));
        QCOMPARE(w.redoAction()->text(), QStringLiteral("Gentag"));
        QCOMPARE(w.undoAction()->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
        QCOMPARE(w.redoAction()->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
        QVERIFY(!w.undoAction()->isEnabled());
        QVERIFY(!w.redoAction()->isEnabled());

        makeStep(w, QStringLiteral("change"));
        makeStep(w, QStringLiteral("delete of many"));
        QCOMPARE(w.undoAction()->text(), QStringLiteral("Fortryd sletning af 3 varer"));
        w.undoAction()->trigger();
        QCOMPARE(w.undoAction()->text(), QStringLiteral("Fortryd ændring af 'Bord'"));
        QCOMPARE(w.redoAction()->text(), QStringLiteral("Gentag sletning af 3 varer"));
        QVERIFY(w.redoAction()->isEnabled());
        // The keys reach the actions.
        w.window->show();
        w.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        QTest::keyClick(w.window.get(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!w.undoAction()->isEnabled());
        QVERIFY(w.item(QStringLiteral("Bord")));
        QTest::keyClick(w.window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(w.item(QStringLiteral("Spisebord")));

        // A new step after an undo drops what could be redone.
        makeStep(w, QStringLiteral("delete in the list"));
        QVERIFY(!w.redoAction()->isEnabled());
        QCOMPARE(w.window->undoHistory()->stack()->count(), 2);
    }

    void savedStateFollowsUndoAndRedo()
    {
        UndoWindow w;
        QVERIFY(!databaseModified());
        makeStep(w, QStringLiteral("change"));
        QVERIFY(databaseModified());
        const QByteArray saved = w.save();
        QVERIFY(!databaseModified());

        // The save kept the history; an undo leaves the saved state, the
        // redo comes back to it.
        w.undoAction()->trigger();
        QVERIFY(databaseModified());
        w.redoAction()->trigger();
        QVERIFY(!databaseModified());
        QCOMPARE(readFile(w.database), saved);

        // Undone back to the state the file was opened in: nothing to save.
        w.undoAction()->trigger();
        makeStep(w, QStringLiteral("delete in the list"));
        w.undoAction()->trigger();
        QVERIFY(databaseModified());
        // The file holds the change; here it is undone.
        QVERIFY(w.item(QStringLiteral("Bord")));
    }

    void undoOfTheItemInAnOpenDialog()
    {
        UndoWindow w;
        Item *table = w.item(QStringLiteral("Bord"));
        ItemDialog *d = w.dialogOn(QStringLiteral("Bord"));
        d->nameLineEdit->setText(QStringLiteral("Spisebord"));
        QVERIFY(d->save_slot());
        QCOMPARE(w.window->listView()->rowForItem(table)->text(ItemListView::NameColumn), QStringLiteral("Spisebord"));

        w.undoAction()->trigger();
        // The same item, in the dialog and in its row, with its old fields.
        QCOMPARE(d->currentItem(), table);
        QCOMPARE(table->name(), QStringLiteral("Bord"));
        QCOMPARE(d->nameLineEdit->text(), QStringLiteral("Bord"));
        QCOMPARE(w.window->listView()->rowForItem(table)->text(ItemListView::NameColumn), QStringLiteral("Bord"));
        w.redoAction()->trigger();
        QCOMPARE(d->nameLineEdit->text(), QStringLiteral("Spisebord"));

        // Undoing a new item that the dialog saved takes it away; the dialog
        // lets go of it.
        d->newItem_slot();
        d->nameLineEdit->setText(QStringLiteral("Kedel"));
        d->priceLineEdit->setText(QStringLiteral("300"));
        d->priceTodayLineEdit->setText(QStringLiteral("200"));
        QVERIFY(d->save_slot());
        Item *kettle = d->currentItem();
        QVERIFY(w.window->collection()->contains(kettle));
        w.undoAction()->trigger();
        QVERIFY(!w.window->collection()->contains(kettle));
        QVERIFY(d->currentItem() != kettle);
        QVERIFY(!w.window->listView()->rowForItem(kettle));
        w.redoAction()->trigger();
        QVERIFY(w.window->collection()->contains(kettle));
        QVERIFY(w.window->listView()->rowForItem(kettle));
        QCOMPARE(w.boxes.count(), 0);
    }

    void historyLastsUntilTheDatabaseCloses_data()
    {
        QTest::addColumn<QString>("close");
        QTest::newRow("new") << "new";
        QTest::newRow("open") << "open";
        QTest::newRow("recent file") << "recent";
    }

    void historyLastsUntilTheDatabaseCloses()
    {
        QFETCH(QString, close);
        UndoWindow w;
        makeStep(w, QStringLiteral("change"));
        w.save();
        QVERIFY(w.undoAction()->isEnabled());
        if (close == QLatin1String("new")) {
            w.window->FileNew();
        } else if (close == QLatin1String("open")) {
            FileDialog::queueAnswer(w.database);
            w.window->Load();
        } else {
            w.window->OpenRecentFile(0);
        }
        QCOMPARE(w.window->undoHistory()->stack()->count(), 0);
        QVERIFY(!w.undoAction()->isEnabled());
        QCOMPARE(w.undoAction()->text(), QStringLiteral("Fortryd"));
        QVERIFY(!databaseModified());
        QCOMPARE(w.boxes.count(), 0);
    }

    void readOnlyDatabaseHasNoUndo()
    {
        UndoWindow w;
        makeStep(w, QStringLiteral("change"));
        QVERIFY(w.undoAction()->isEnabled());
        w.window->undoHistory()->setWritable(false);
        QVERIFY(!w.undoAction()->isEnabled());
        w.window->undoHistory()->undo();
        QVERIFY(w.item(QStringLiteral("Spisebord")));
        w.window->undoHistory()->setWritable(true);
        QVERIFY(w.undoAction()->isEnabled());
    }

    void changeTheHistoryCannotFollowEndsIt()
    {
        UndoWindow w;
        makeStep(w, QStringLiteral("change"));
        w.save();
        // Changed without aboutToChange: there is no way back from here.
        Item *sofa = w.item(QStringLiteral("Sofa"));
        sofa->setName(QStringLiteral("Chaiselong"));
        w.window->collection()->itemWasChanged(sofa);
        QCOMPARE(w.window->undoHistory()->stack()->count(), 0);
        QVERIFY(!w.undoAction()->isEnabled());
        QVERIFY(databaseModified());
        // Nor is the saved state one an undo can reach any more.
        makeStep(w, QStringLiteral("delete in the list"));
        w.undoAction()->trigger();
        QVERIFY(databaseModified());
    }

    void listEditThatRenumbersNothingIsNoStep()
    {
        UndoWindow w;
        w.window->SetupGroups();
        auto *dialog = w.window->findChild<setupdialog *>(QStringLiteral("Setup Groups"));
        QVERIFY(dialog);
        dialog->listLineEdit->setCurrentRow(0);
        dialog->selectedItemLineEdit->setText(QStringLiteral("Dagligstue"));
        QTest::mouseClick(dialog->saveButton, Qt::LeftButton);
        QCOMPARE(w.window->undoHistory()->stack()->count(), 0);
        QVERIFY(!w.undoAction()->isEnabled());
        QCOMPARE(w.window->collection()->groups().entry(0), QStringLiteral("Dagligstue"));
        dialog->close();
        QCOMPARE(names(*w.window->collection()).size(), 7);
    }

    void titleMarksUnsavedChanges_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("step");
        QTest::newRow("change") << int(OstranaEdition) << QStringLiteral("change");
        QTest::newRow("new") << int(OstranaEdition) << QStringLiteral("new");
        QTest::newRow("delete of many") << int(OstranaEdition) << QStringLiteral("delete of many");
        QTest::newRow("pre-creation") << int(QuorvelEdition) << QStringLiteral("pre-creation");
        QTest::newRow("list entry out") << int(QuorvelEdition) << QStringLiteral("list entry out");
    }

    void titleMarksUnsavedChanges()
    {
        QFETCH(int, edition);
        QFETCH(QString, step);
        UndoWindow w(edition);
        const QString saved = shownTitle(w);
        QVERIFY2(saved.endsWith(QStringLiteral(" - ") + w.database), qPrintable(saved));
        QVERIFY(!w.window->isWindowModified());

        makeStep(w, step);
        QVERIFY(w.window->isWindowModified());
        QCOMPARE(shownTitle(w), saved + QLatin1Char('*'));
        // Undone back to the file as it is: no mark; redone: the mark again.
        w.undoAction()->trigger();
        QCOMPARE(shownTitle(w), saved);
        w.redoAction()->trigger();
        QCOMPARE(shownTitle(w), saved + QLatin1Char('*'));
        QVERIFY(w.save() != "not saved");
        QCOMPARE(shownTitle(w), saved);
        // Away from the saved state and back by undo.
        w.undoAction()->trigger();
        QCOMPARE(shownTitle(w), saved + QLatin1Char('*'));
        w.redoAction()->trigger();
        QCOMPARE(shownTitle(w), saved);
        // Changes given up with the database: a new one has no mark.
        w.undoAction()->trigger();
        QVERIFY(w.window->isWindowModified());
        MessageBox::queueAnswerIndex(1);
        w.window->FileNew();
        QVERIFY(!w.window->isWindowModified());
        QVERIFY(!shownTitle(w).endsWith(QLatin1Char('*')));
    }

    void aFileNameWithTheMarkShowsAsItIs()
    {
        UndoWindow w;
        const QString odd = QDir(w.dir.path()).filePath(QStringLiteral("hjem[*]2.db"));
        QVERIFY(QFile::copy(w.database, odd));
        FileDialog::queueAnswer(odd);
        w.window->Load(true);
        QCOMPARE(w.window->currentFileName(), odd);
        QVERIFY2(shownTitle(w).endsWith(QStringLiteral(" - ") + odd), qPrintable(shownTitle(w)));
        w.window->listView()->FindListViewItem(w.item(QStringLiteral("Bord")));
        w.window->DeleteItem();
        QVERIFY2(shownTitle(w).endsWith(QStringLiteral(" - ") + odd + QLatin1Char('*')), qPrintable(shownTitle(w)));
    }
};

QTEST_MAIN(tst_UndoHistory)
#include "tst_undohistory.moc"
