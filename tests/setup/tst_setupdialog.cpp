#include <QtTest>

#include "TestSupport.h"
#include "barcodes/handlebarcodes.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "desktop/Launcher.h"
#include "desktop/ProcessRunner.h"
#include "setup/setupdialog.h"

#include <memory>

using namespace TestSupport;

namespace {

QStringList listBox(const setupdialog &dialog)
{
    QStringList names;
    for (int row = 0; row < dialog.listLineEdit->count(); ++row)
        names << dialog.listLineEdit->item(row)->text();
    return names;
}

userItemCollection &listOf(DBItemCollection &collection, int kind)
{
    if (kind == setupdialog::Locations)
        return collection.locations();
    if (kind == setupdialog::Suppliers)
        return collection.suppliers();
    return collection.groups();
}

// The name every item shows for the list: its group's or its location's.
QStringList itemNames(const DBItemCollection &collection, int kind)
{
    QStringList names;
    for (const Item *item : collection) {
        const int number = kind == setupdialog::Locations ? item->location() : item->group();
        names << item->name() + QLatin1Char('=')
                + (kind == setupdialog::Locations ? collection.locations() : collection.groups()).entry(number);
    }
    return names;
}

QStringList fileEntries(const QString &path)
{
    QStringList entries = QString::fromLatin1(readFile(path)).split(QStringLiteral("\r\n"));
    if (!entries.isEmpty() && entries.last().isEmpty())
        entries.removeLast();
    return entries;
}

} // namespace

class tst_SetupDialog : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<IsolatedSettings> m_settings;
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<DBItemCollection> m_collection;

    void makeCollection(int edition, const QStringList &names, int highestGroup, int highestLocation)
    {
        m_settings = std::make_unique<IsolatedSettings>(edition);
        m_folder = std::make_unique<QTemporaryDir>();
        Settings().setValue(QStringLiteral("LastDBDir"), m_folder->path());
        m_collection = std::make_unique<DBItemCollection>(nullptr);
        for (userItemCollection *list :
            { &m_collection->groups(), &m_collection->locations(), &m_collection->suppliers() }) {
            list->clear();
            for (const QString &name : names)
                list->add(name);
        }
        auto item = std::make_unique<Item>();
        item->setGroup(highestGroup);
        item->setLocation(highestLocation);
        m_collection->add(std::move(item));
    }

    // Five names in every list, with items in groups 0, 1, 1 and 3 and at
    // locations 3, 1, 1 and 0: in both lists the entries 2 and 4 are unused.
    // The list files are on disk as well.
    void makeUsedCollection(int edition, int names = 5)
    {
        const QStringList entries = QStringList { "A", "B", "C", "D", "E" }.mid(0, names);
        makeCollection(edition, entries, 0, 3);
        m_collection->clear();
        const struct
        {
            const char *name;
            int group;
            int location;
        } items[] = { { "Sofa", 0, 3 }, { "Bord", 1, 1 }, { "Stol", 1, 1 }, { "Lampe", 3, 0 } };
        for (const auto &fields : items) {
            auto item = std::make_unique<Item>();
            item->setName(QString::fromLatin1(fields.name));
            item->setGroup(fields.group);
            item->setLocation(fields.location);
            m_collection->add(std::move(item));
        }
        QVERIFY(m_collection->SaveDynamicLists());
        setDatabaseModified(false);
    }

    void selectRow(setupdialog &dialog, int row)
    {
        const QRect rect = dialog.listLineEdit->visualItemRect(dialog.listLineEdit->item(row));
        QTest::mouseClick(dialog.listLineEdit->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(dialog.listLineEdit->currentRow(), row);
    }

    void type(setupdialog &dialog, const QString &text)
    {
        dialog.selectedItemLineEdit->clear();
        QTest::keyClicks(dialog.selectedItemLineEdit, text);
    }

private slots:
    void cleanup()
    {
        m_collection.reset();
        m_folder.reset();
        m_settings.reset();
    }

    void add_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<unsigned>("limit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("message");

        const QStringList names { "Køkken", "Stue", "Kælder" };
        QTest::newRow("new group") << 1 << 9999u << "Loft" << QStringList { "Køkken", "Stue", "Kælder", "Loft" } << "";
        QTest::newRow("new supplier") << 3 << 9999u << "Bilka" << QStringList { "Køkken", "Stue", "Kælder", "Bilka" }
                                      << "";
        QTest::newRow("name present") << 2 << 9999u << "Stue" << names << "Dette navn er allerede anvendt";
        QTest::newRow("first letters of a name, other case")
            << 1 << 9999u << "kØK" << names << "Dette navn er allerede anvendt";
        QTest::newRow("empty name") << 1 << 9999u << "" << names << "Skriv et navn i feltet først.";
        QTest::newRow("list full") << 1 << 3u << "Loft" << names << "SETUP_MAX_LIMIT_REACHED";
        QTest::newRow("separator cannot be typed")
            << 3 << 9999u << "Lo;ft" << QStringList { "Køkken", "Stue", "Kælder", "Loft" } << "";
    }

    void add()
    {
        QFETCH(int, kind);
        QFETCH(unsigned, limit);
        QFETCH(QString, typed);
        QFETCH(QStringList, expected);
        QFETCH(QString, message);

        const QStringList names { "Køkken", "Stue", "Kælder" };
        makeCollection(OstranaEdition, names, 0, 0);
        listOf(*m_collection, kind).setLimit(limit);
        setupdialog dialog(m_collection.get(), kind);
        type(dialog, typed);

        RecordedMessageBoxes boxes;
        QTest::mouseClick(dialog.addButton, Qt::LeftButton);
        QCOMPARE(listBox(dialog), expected);
        QCOMPARE(boxes.count(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QCOMPARE(boxes.last().text, message);
        // Nothing reaches the collection or a file before a save.
        QCOMPARE(listOf(*m_collection, kind).entries(), names);
        QVERIFY(!QFile::exists(setupdialog::listFilePath(kind)));
    }

    void deleteEntry_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("names");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("question");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("renumbered");

        const QStringList all { "A", "B", "C", "D", "E" };
        const int ostrana = OstranaEdition;
        const int quorvel = QuorvelEdition;
        QTest::newRow("group used by two items")
            << ostrana << 1 << 5 << 1
            << "Gruppen \"B\" kan ikke slettes, fordi databasens genstande bruger den (2 i alt). Flyt dem først til "
               "en anden gruppe."
            << "" << false << all << false;
        QTest::newRow("location used by one item")
            << ostrana << 2 << 5 << 0
            << "Lokalet \"A\" kan ikke slettes, fordi databasens genstande bruger det (1 i alt). Flyt dem først til "
               "et andet lokale."
            << "" << false << all << false;
        QTest::newRow("unused group before used ones") << ostrana << 1 << 5 << 2 << ""
                                                       << "" << false << QStringList { "A", "B", "D", "E" } << true;
        QTest::newRow("unused location before used ones") << ostrana << 2 << 5 << 2 << ""
                                                          << "" << false << QStringList { "A", "B", "D", "E" } << true;
        QTest::newRow("unused last group") << ostrana << 1 << 5 << 4 << ""
                                           << "" << false << QStringList { "A", "B", "C", "D" } << false;
        QTest::newRow("suppliers are names only") << ostrana << 3 << 5 << 1 << ""
                                                  << "" << false << QStringList { "A", "C", "D", "E" } << false;
        QTest::newRow("stock location in use")
            << quorvel << 1 << 5 << 3
            << "Lokationen \"D\" kan ikke slettes, fordi der ligger varer på den (1 i alt). Flyt dem først til en "
               "anden lokation."
            << "" << false << all << false;
        QTest::newRow("category in use")
            << quorvel << 2 << 5 << 1
            << "Navnet \"B\" kan ikke slettes, fordi varer i databasen bruger det (2 i alt). Flyt dem først til et "
               "andet navn i listen."
            << "" << false << all << false;
        const QString shift = "Sletter du \"C\", får lokationerne efter den nye numre, og etiketterne for lokation "
                              "000002 til 000003 skal udskrives igen.\n\nSlet \"C\"?";
        QTest::newRow("stock location, labels to print again, kept")
            << quorvel << 1 << 5 << 2 << "" << shift << false << all << false;
        QTest::newRow("stock location, labels to print again, deleted")
            << quorvel << 1 << 5 << 2 << "" << shift << true << QStringList { "A", "B", "D", "E" } << true;
        QTest::newRow("stock location, one label to print again")
            << quorvel << 1 << 4 << 2 << ""
            << "Sletter du \"C\", får lokationen efter den et nyt nummer, og etiketten for lokation 000002 skal "
               "udskrives igen.\n\nSlet \"C\"?"
            << true << QStringList { "A", "B", "D" } << true;
        QTest::newRow("last stock location, no labels to print")
            << quorvel << 1 << 5 << 4 << ""
            << "" << false << QStringList { "A", "B", "C", "D" } << false;
    }

    void deleteEntry()
    {
        QFETCH(int, edition);
        QFETCH(int, kind);
        QFETCH(int, names);
        QFETCH(int, row);
        QFETCH(QString, refusal);
        QFETCH(QString, question);
        QFETCH(bool, yes);
        QFETCH(QStringList, expected);
        QFETCH(bool, renumbered);

        makeUsedCollection(edition, names);
        const QStringList before = listOf(*m_collection, kind).entries();
        const QStringList groupNames = itemNames(*m_collection, setupdialog::Groups);
        const QStringList locationNames = itemNames(*m_collection, setupdialog::Locations);
        const QString path = setupdialog::listFilePath(kind);
        setupdialog dialog(m_collection.get(), kind);
        QSignalSpy changed(m_collection.get(), &DBItemCollection::itemChanged);

        RecordedMessageBoxes boxes;
        selectRow(dialog, row);
        if (!question.isEmpty())
            MessageBox::queueAnswer(yes ? QMessageBox::Yes : QMessageBox::No);
        QTest::mouseClick(dialog.DeleteButton, Qt::LeftButton);
        QCOMPARE(boxes.count(), refusal.isEmpty() && question.isEmpty() ? 0 : 1);
        if (!refusal.isEmpty()) {
            QCOMPARE(boxes.last().kind, MessageBox::Critical);
            QCOMPARE(boxes.last().text, refusal);
        }
        if (!question.isEmpty()) {
            QCOMPARE(boxes.last().kind, MessageBox::Question);
            QCOMPARE(boxes.last().text, question);
        }
        QCOMPARE(listBox(dialog), expected);
        // Nothing reaches the collection before the save.
        QCOMPARE(listOf(*m_collection, kind).entries(), before);

        QTest::mouseClick(dialog.saveButton, Qt::LeftButton);
        QCOMPARE(boxes.count(), refusal.isEmpty() && question.isEmpty() ? 0 : 1);
        QCOMPARE(listOf(*m_collection, kind).entries(), expected);
        // Every item keeps its group and its location name.
        QCOMPARE(itemNames(*m_collection, setupdialog::Groups), groupNames);
        QCOMPARE(itemNames(*m_collection, setupdialog::Locations), locationNames);
        QCOMPARE(changed.count(), renumbered ? 1 : 0);
        QCOMPARE(databaseModified(), renumbered);
        // A list whose entries renumbered items is written with the database
        // file; any other is written at once.
        QCOMPARE(m_collection->isListDue(DBItemCollection::NamedList(kind)), renumbered);
        QCOMPARE(fileEntries(path), renumbered ? before : expected);
    }

    void deletionSurvivesSaveAndReload_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("groups") << 1;
        QTest::newRow("locations") << 2;
    }

    void deletionSurvivesSaveAndReload()
    {
        QFETCH(int, kind);
        makeUsedCollection(OstranaEdition);
        const QStringList groupNames = itemNames(*m_collection, setupdialog::Groups);
        const QStringList locationNames = itemNames(*m_collection, setupdialog::Locations);
        const QString database = m_folder->filePath(QStringLiteral("register.db"));
        {
            setupdialog dialog(m_collection.get(), kind);
            selectRow(dialog, 2);
            QTest::mouseClick(dialog.DeleteButton, Qt::LeftButton);
            // An added entry after the deleted one goes with the same list file.
            type(dialog, QStringLiteral("Loft"));
            QTest::mouseClick(dialog.addButton, Qt::LeftButton);
            QTest::mouseClick(dialog.buttonOk, Qt::LeftButton);
        }
        const QStringList expected { "A", "B", "D", "E", "Loft" };
        QCOMPARE(fileEntries(setupdialog::listFilePath(kind)), (QStringList { "A", "B", "C", "D", "E" }));

        QVERIFY(m_collection->SaveToFileAsAscii(database));
        QVERIFY(m_collection->saveDueLists());
        QCOMPARE(fileEntries(setupdialog::listFilePath(kind)), expected);
        QVERIFY(!m_collection->isListDue(DBItemCollection::NamedList(kind)));

        DBItemCollection reloaded(nullptr);
        QVERIFY(reloaded.LoadFromAsciiFile(database));
        QCOMPARE(listOf(reloaded, kind).entries(), expected);
        QCOMPARE(itemNames(reloaded, setupdialog::Groups).size(), groupNames.size());
        for (const QString &name : groupNames)
            QVERIFY2(itemNames(reloaded, setupdialog::Groups).contains(name), qPrintable(name));
        for (const QString &name : locationNames)
            QVERIFY2(itemNames(reloaded, setupdialog::Locations).contains(name), qPrintable(name));
    }

    void readOnlyCollectionWritesNoList()
    {
        makeUsedCollection(QuorvelEdition);
        QVERIFY(writeFile(DBItemCollection::lockFilePath(), "other.db Locked by PC: STORE1, User: anna"));
        QVERIFY(!m_collection->LockDB(m_folder->filePath(QStringLiteral("stock.db"))));
        QVERIFY(m_collection->isReadOnly());
        QVERIFY(QDir(m_folder->path()).removeRecursively() && QDir().mkpath(m_folder->path()));
        QVERIFY(writeFile(DBItemCollection::lockFilePath(), "other.db Locked by PC: STORE1, User: anna"));

        setupdialog dialog(m_collection.get(), setupdialog::Groups);
        QVERIFY(!dialog.addButton->isEnabled());
        QVERIFY(!dialog.DeleteButton->isEnabled());
        QVERIFY(!dialog.saveButton->isEnabled());
        QVERIFY(dialog.selectedItemLineEdit->isReadOnly());
        QVERIFY(dialog.buttonOk->isEnabled());
        QVERIFY(dialog.printButton->isEnabled());

        // The slots refuse as well, whoever calls them.
        RecordedMessageBoxes boxes;
        selectRow(dialog, 2);
        dialog.selectedItemLineEdit->setText(QStringLiteral("Loft"));
        dialog.AddSlot();
        dialog.SaveSlot();
        dialog.DeleteSlot();
        QTest::mouseClick(dialog.buttonOk, Qt::LeftButton);
        QCOMPARE(listBox(dialog), (QStringList { "A", "B", "C", "D", "E" }));
        QCOMPARE(m_collection->groups().entries(), (QStringList { "A", "B", "C", "D", "E" }));
        QCOMPARE(boxes.count(), 0);

        // Nor does the collection write a list for anyone else.
        QVERIFY(!m_collection->removeListEntry(DBItemCollection::GroupList, 2));
        QVERIFY(!m_collection->saveList(DBItemCollection::GroupList));
        QVERIFY(!m_collection->SaveDynamicLists());
        QCOMPARE(QDir(m_folder->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList { QStringLiteral("LockFile") });
    }

    void opensWithNothingChosen()
    {
        makeUsedCollection(QuorvelEdition);
        RunFolderCopy run({ QStringLiteral("Setup"), QStringLiteral("Work") });
        QVERIFY(run.isValid());
        const QString path = setupdialog::listFilePath(setupdialog::Groups);
        QVERIFY(QFile::remove(path));
        setupdialog dialog(m_collection.get(), setupdialog::Groups);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        // The list box takes the focus and makes its first row current: no choice.
        dialog.listLineEdit->setFocus(Qt::TabFocusReason);
        QCOMPARE(dialog.listLineEdit->currentRow(), 0);
        QCOMPARE(dialog.chosenRow(), -1);
        QVERIFY(dialog.selectedItemLineEdit->text().isEmpty());

        ProcessRunner::Recording runs;
        RecordedMessageBoxes boxes;
        QTest::mouseClick(dialog.DeleteButton, Qt::LeftButton);
        QTest::mouseClick(dialog.saveButton, Qt::LeftButton);
        QCOMPARE(listBox(dialog), (QStringList { "A", "B", "C", "D", "E" }));
        QVERIFY(!QFile::exists(path));
        QCOMPARE(boxes.count(), 0);
        QTest::mouseClick(dialog.printButton, Qt::LeftButton);
        QCOMPARE(runs.count(), 0);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().text, QStringLiteral("NO_ITEM_SELECTED"));

        // A deletion leaves nothing chosen either: the next one is the user's choice.
        selectRow(dialog, 4);
        QTest::mouseClick(dialog.DeleteButton, Qt::LeftButton);
        QCOMPARE(dialog.chosenRow(), -1);
        QTest::mouseClick(dialog.DeleteButton, Qt::LeftButton);
        QCOMPARE(listBox(dialog), (QStringList { "A", "B", "C", "D" }));
    }

    void renameRefused_data()
    {
        QTest::addColumn<QString>("typed"); // "-": emptied
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << "-"
                               << "Skriv et navn i feltet først.";
        QTest::newRow("another entry's name") << "D"
                                              << "Dette navn er allerede anvendt";
        QTest::newRow("first letters of another, other case") << "c"
                                                              << "Dette navn er allerede anvendt";
    }

    void renameRefused()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        makeUsedCollection(OstranaEdition);
        const QString path = setupdialog::listFilePath(setupdialog::Groups);
        QVERIFY(QFile::remove(path));
        setupdialog dialog(m_collection.get(), setupdialog::Groups);
        QSignalSpy renamed(&dialog, &setupdialog::groupRenamed);
        selectRow(dialog, 1);
        if (typed == QLatin1String("-"))
            dialog.selectedItemLineEdit->clear();
        else
            type(dialog, typed);

        RecordedMessageBoxes boxes;
        QTest::mouseClick(dialog.saveButton, Qt::LeftButton);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().text, message);
        QCOMPARE(listBox(dialog), (QStringList { "A", "B", "C", "D", "E" }));
        QCOMPARE(m_collection->groups().entries(), listBox(dialog));
        QVERIFY(!QFile::exists(path));
        QCOMPARE(renamed.count(), 0);

        // Its own name is no duplicate: the save goes ahead.
        type(dialog, QStringLiteral("B"));
        QTest::mouseClick(dialog.saveButton, Qt::LeftButton);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(fileEntries(path), listBox(dialog));
    }

    void save_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("action"); // rename, add, delete
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("renamedSignals");
        QTest::addColumn<int>("rebuiltSignals");

        QTest::newRow("rename a group") << 1 << "rename" << QStringList { "A", "Loft", "C", "D" } << 1 << 0;
        QTest::newRow("rename a location") << 2 << "rename" << QStringList { "A", "Loft", "C", "D" } << 0 << 0;
        QTest::newRow("add a group") << 1 << "add" << QStringList { "A", "B", "C", "D", "Loft" } << 0 << 1;
        QTest::newRow("delete a supplier") << 3 << "delete" << QStringList { "A", "C", "D" } << 0 << 1;
        // After an add, the typed text renames nothing until the next save.
        QTest::newRow("add, then the rename waits")
            << 1 << "add+rename" << QStringList { "A", "B", "C", "D", "Loft" } << 0 << 1;
        QTest::newRow("delete an unused group") << 1 << "delete" << QStringList { "A", "C", "D" } << 0 << 1;
    }

    void save()
    {
        QFETCH(int, kind);
        QFETCH(QString, action);
        QFETCH(QStringList, expected);
        QFETCH(int, renamedSignals);
        QFETCH(int, rebuiltSignals);

        makeCollection(OstranaEdition, { "A", "B", "C", "D" }, 0, 0);
        setupdialog dialog(m_collection.get(), kind);
        QSignalSpy renamed(&dialog, &setupdialog::groupRenamed);
        QSignalSpy rebuilt(&dialog, &setupdialog::listRebuilt);

        if (action.startsWith(QLatin1String("add"))) {
            type(dialog, QStringLiteral("Loft"));
            QTest::mouseClick(dialog.addButton, Qt::LeftButton);
        }
        if (action == QLatin1String("delete")) {
            selectRow(dialog, 1);
            QTest::mouseClick(dialog.DeleteButton, Qt::LeftButton);
        }
        if (action.endsWith(QLatin1String("rename"))) {
            selectRow(dialog, 1);
            type(dialog, action == QLatin1String("rename") ? QStringLiteral("Loft") : QStringLiteral("Vind"));
        }
        QTest::mouseClick(dialog.saveButton, Qt::LeftButton);

        QCOMPARE(listOf(*m_collection, kind).entries(), expected);
        QCOMPARE(fileEntries(setupdialog::listFilePath(kind)), expected);
        QCOMPARE(renamed.count(), renamedSignals);
        if (renamedSignals)
            QCOMPARE(renamed.first(), (QVariantList { 1, QStringLiteral("Loft") }));
        QCOMPARE(rebuilt.count(), rebuiltSignals);

        if (action == QLatin1String("add+rename")) {
            // The next save takes the rename.
            QTest::mouseClick(dialog.saveButton, Qt::LeftButton);
            QCOMPARE(listOf(*m_collection, kind).entries(), (QStringList { "A", "Vind", "C", "D", "Loft" }));
            QCOMPARE(rebuilt.count(), 1);
        }
    }

    void okAndCancel_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK saves") << true;
        QTest::newRow("Cancel drops the changes") << false;
    }

    void okAndCancel()
    {
        QFETCH(bool, ok);
        makeCollection(OstranaEdition, { "A", "B" }, 0, 0);
        setupdialog dialog(m_collection.get(), setupdialog::Groups);
        dialog.show();
        type(dialog, QStringLiteral("Loft"));
        QTest::mouseClick(dialog.addButton, Qt::LeftButton);
        QTest::mouseClick(ok ? dialog.buttonOk : dialog.buttonCancel, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), ok ? int(QDialog::Accepted) : int(QDialog::Rejected));
        const QStringList expected = ok ? QStringList { "A", "B", "Loft" } : QStringList { "A", "B" };
        QCOMPARE(m_collection->groups().entries(), expected);
        QCOMPARE(QFile::exists(setupdialog::listFilePath(setupdialog::Groups)), ok);
    }

    void buttonsByEdition_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("print");
        QTest::addColumn<bool>("help");

        QTest::newRow("Quorvel groups") << int(QuorvelEdition) << "dk" << 1 << true << true;
        QTest::newRow("Quorvel locations") << int(QuorvelEdition) << "dk" << 2 << false << true;
        QTest::newRow("Ostrana groups") << int(OstranaEdition) << "dk" << 1 << false << true;
        QTest::newRow("Ostrana suppliers, Norwegian") << int(OstranaEdition) << "no" << 3 << false << true;
        QTest::newRow("Ostrana, English") << int(OstranaEdition) << "en" << 1 << false << true;
        QTest::newRow("Numivax groups") << int(NumivaxEdition) << "dk" << 1 << false << true;
    }

    void buttonsByEdition()
    {
        QFETCH(int, edition);
        QFETCH(QString, language);
        QFETCH(int, kind);
        QFETCH(bool, print);
        QFETCH(bool, help);

        makeCollection(edition, { "A" }, 0, 0);
        Settings().setValue(QStringLiteral("Language"), language);
        setupdialog dialog(m_collection.get(), kind);
        QCOMPARE(dialog.printButton->isVisibleTo(&dialog), print);
        QCOMPARE(dialog.buttonHelp->isVisibleTo(&dialog), help);
        if (print)
            QCOMPARE(dialog.printButton->text(), QStringLiteral("PRINT_BARCODE"));
    }

    void locationLabel_data()
    {
        QTest::addColumn<int>("row"); // -1: none chosen
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("printed");

        QTest::newRow("third group") << 2 << "" << true;
        QTest::newRow("nothing chosen") << -1 << "Hylde" << false;
        QTest::newRow("name field emptied") << 2 << "-" << false;
    }

    void locationLabel()
    {
        QFETCH(int, row);
        QFETCH(QString, name);
        QFETCH(bool, printed);

        makeCollection(QuorvelEdition, { "Lager", "Butik", "Hylde" }, 0, 0);
        RunFolderCopy run({ QStringLiteral("Setup"), QStringLiteral("Work") });
        QVERIFY(run.isValid());
        setupdialog dialog(m_collection.get(), setupdialog::Groups);
        if (row >= 0)
            selectRow(dialog, row);
        if (name == QLatin1String("-"))
            dialog.selectedItemLineEdit->clear();
        else if (!name.isEmpty())
            type(dialog, name);

        ProcessRunner::Recording runs;
        RecordedMessageBoxes boxes;
        QTest::mouseClick(dialog.printButton, Qt::LeftButton);
        QCOMPARE(runs.count(), printed ? 1 : 0);
        QCOMPARE(boxes.count(), printed ? 0 : 1);
        if (printed) {
            QCOMPARE(readFile(HandlerBarcodesC::workFile()),
                readFile(testDataPath(QStringLiteral("barcodes/expected/location_000002.txt"))));
        } else {
            QCOMPARE(boxes.last().title, QStringLiteral("SETUP_ERROR"));
            QCOMPARE(boxes.last().text, QStringLiteral("NO_ITEM_SELECTED"));
        }
    }

    void labelsPrintFromTheSavedList_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("printedBeforeSave");
        QTest::addColumn<QString>("nameAfterSave");
        QTest::newRow("unsaved add") << "add" << false << "Hylde";
        QTest::newRow("unsaved delete") << "delete" << false << "Hylde";
        QTest::newRow("unsaved rename") << "rename" << true << "Reol";
    }

    void labelsPrintFromTheSavedList()
    {
        QFETCH(QString, change);
        QFETCH(bool, printedBeforeSave);
        QFETCH(QString, nameAfterSave);

        makeCollection(QuorvelEdition, { "Lager", "Butik", "Hylde", "Kasse" }, 0, 0);
        Settings().setValue(QStringLiteral("EnableLocationNameOnLabels"), true);
        RunFolderCopy run({ QStringLiteral("Setup"), QStringLiteral("Work") });
        QVERIFY(run.isValid());
        setupdialog dialog(m_collection.get(), setupdialog::Groups);
        if (change == QLatin1String("add")) {
            type(dialog, QStringLiteral("Loft"));
            QTest::mouseClick(dialog.addButton, Qt::LeftButton);
        } else if (change == QLatin1String("delete")) {
            selectRow(dialog, 3);
            QTest::mouseClick(dialog.DeleteButton, Qt::LeftButton);
        }
        selectRow(dialog, 2);
        if (change == QLatin1String("rename"))
            type(dialog, QStringLiteral("Reol"));

        ProcessRunner::Recording runs;
        RecordedMessageBoxes boxes;
        QTest::mouseClick(dialog.printButton, Qt::LeftButton);
        QCOMPARE(runs.count(), printedBeforeSave ? 1 : 0);
        if (printedBeforeSave) {
            // The label names the location as saved, not as typed.
            QVERIFY(readFile(HandlerBarcodesC::workFile()).contains("^FDLOC:Hylde^FS"));
            QCOMPARE(boxes.count(), 0);
        } else {
            QCOMPARE(boxes.count(), 1);
            QCOMPARE(boxes.last().text,
                QStringLiteral("Listen har ændringer, der ikke er gemt. Gem listen først, så etiketten får "
                               "lokationens gemte nummer."));
        }

        QTest::mouseClick(dialog.saveButton, Qt::LeftButton);
        selectRow(dialog, 2);
        QTest::mouseClick(dialog.printButton, Qt::LeftButton);
        QCOMPARE(runs.count(), printedBeforeSave ? 2 : 1);
        const QByteArray label = readFile(HandlerBarcodesC::workFile());
        QVERIFY(label.contains("^FD000002^FS"));
        QVERIFY2(label.contains("^FDLOC:" + nameAfterSave.toLatin1() + "^FS"), label.constData());
    }

    void help_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("page");

        QTest::newRow("Ostrana groups") << int(OstranaEdition) << 1 << "SetupOstranaTyperDialog.htm";
        QTest::newRow("Quorvel locations") << int(QuorvelEdition) << 2 << "SetupLokalerDialog.htm";
        QTest::newRow("Ostrana suppliers") << int(OstranaEdition) << 3 << "SetupSupplierDialog.dk.htm";
        QTest::newRow("Vistrel groups") << int(VistrelEdition) << 1 << "SetupOstranaTyperDialog.htm";
    }

    void help()
    {
        QFETCH(int, edition);
        QFETCH(int, kind);
        QFETCH(QString, page);

        makeCollection(edition, { "A" }, 0, 0);
        QTemporaryDir run;
        QVERIFY(QDir().mkpath(run.filePath(QStringLiteral("help"))));
        QVERIFY(writeFile(run.filePath(QStringLiteral("help/") + page), "<html></html>"));
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(run.path()));
        setupdialog dialog(m_collection.get(), kind);
        Launcher::Recording opened;
        dialog.HelpSlot();
        QDir::setCurrent(previous);
        QCOMPARE(opened.count(), 1);
        QCOMPARE(opened.last().url.fileName(), page);
    }
};

QTEST_MAIN(tst_SetupDialog)
#include "tst_setupdialog.moc"
