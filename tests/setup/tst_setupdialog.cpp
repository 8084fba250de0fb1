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
        if (m_collection)
            m_collection->deleteItems();
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
        QTest::newRow("empty name") << 1 << 9999u << "" << names << "";
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

    void deleteGuards_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("names");
        QTest::addColumn<int>("highestGroup");
        QTest::addColumn<int>("highestLocation");
        QTest::addColumn<bool>("deleted");
        QTest::addColumn<QString>("message");

        QTest::newRow("5 groups, group 4 used")
            << 1 << 5 << 4 << 0 << false
            << "Kan ikke have færre grupper end i databasen - omplacer evt. ostrana til andre grupper";
        QTest::newRow("6 groups, group 4 used") << 1 << 6 << 4 << 0 << true << "";
        QTest::newRow("5 locations, location 4 used")
            << 2 << 5 << 0 << 4 << false << "Kan ikke have færre lokaler end dem der allerede er i databasen";
        QTest::newRow("6 locations, location 4 used") << 2 << 6 << 0 << 4 << true << "";
        QTest::newRow("suppliers have no guard") << 3 << 5 << 4 << 4 << true << "";
    }

    void deleteGuards()
    {
        QFETCH(int, kind);
        QFETCH(int, names);
        QFETCH(int, highestGroup);
        QFETCH(int, highestLocation);
        QFETCH(bool, deleted);
        QFETCH(QString, message);

        QStringList entries;
        for (int n = 0; n < names; ++n)
            entries << QStringLiteral("Navn %1").arg(n);
        makeCollection(OstranaEdition, entries, highestGroup, highestLocation);
        setupdialog dialog(m_collection.get(), kind);
        // Without a current entry nothing is deleted, whatever the guard says.
        RecordedMessageBoxes boxes;
        QTest::mouseClick(dialog.DeleteButton, Qt::LeftButton);
        QCOMPARE(listBox(dialog), entries);
        boxes.clear();

        selectRow(dialog, 1);
        QTest::mouseClick(dialog.DeleteButton, Qt::LeftButton);
        if (deleted)
            entries.removeAt(1);
        QCOMPARE(listBox(dialog), entries);
        QCOMPARE(boxes.count(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QCOMPARE(boxes.last().text, message);
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
            type(dialog, QStringLiteral("Loft"));
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
            QCOMPARE(listOf(*m_collection, kind).entries(), (QStringList { "A", "Loft", "C", "D", "Loft" }));
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

        QTest::newRow("Quorvel groups") << int(QuorvelEdition) << "dk" << 1 << true << false;
        QTest::newRow("Quorvel locations") << int(QuorvelEdition) << "dk" << 2 << false << false;
        QTest::newRow("Ostrana groups") << int(OstranaEdition) << "dk" << 1 << false << true;
        QTest::newRow("Ostrana suppliers, Norwegian") << int(OstranaEdition) << "no" << 3 << false << true;
        QTest::newRow("Ostrana, English") << int(OstranaEdition) << "en" << 1 << false << false;
        QTest::newRow("Numivax groups") << int(NumivaxEdition) << "dk" << 1 << false << false;
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

    void help_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("page"); // empty: no page

        QTest::newRow("Ostrana groups") << int(OstranaEdition) << 1 << "SetupOstranaTyperDialog.htm";
        QTest::newRow("Quorvel locations") << int(QuorvelEdition) << 2 << "SetupLokalerDialog.htm";
        QTest::newRow("Ostrana suppliers") << int(OstranaEdition) << 3 << "SetupSupplierDialog.dk.htm";
        QTest::newRow("Vistrel") << int(VistrelEdition) << 1 << "";
    }

    void help()
    {
        QFETCH(int, edition);
        QFETCH(int, kind);
        QFETCH(QString, page);

        makeCollection(edition, { "A" }, 0, 0);
        QTemporaryDir run;
        QVERIFY(QDir().mkpath(run.filePath(QStringLiteral("help"))));
        if (!page.isEmpty())
            QVERIFY(writeFile(run.filePath(QStringLiteral("help/") + page), "<html></html>"));
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(run.path()));
        setupdialog dialog(m_collection.get(), kind);
        Launcher::Recording opened;
        dialog.HelpSlot();
        QDir::setCurrent(previous);
        QCOMPARE(opened.count(), page.isEmpty() ? 0 : 1);
        if (!page.isEmpty())
            QCOMPARE(opened.last().url.fileName(), page);
    }
};

QTEST_MAIN(tst_SetupDialog)
#include "tst_setupdialog.moc"
