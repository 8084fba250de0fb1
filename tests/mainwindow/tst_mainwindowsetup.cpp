#include <QtTest>

#include "DatabaseFixture.h"
#include "TestSupport.h"
#include "TestWorld.h"
#include "barcodes/LabelPrinterDialog.h"
#include "barcodes/handlebarcodes.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "desktop/FileDialog.h"
#include "desktop/Launcher.h"
#include "desktop/ProcessRunner.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/larkspanwindow.h"
#include "setup/AutomakeItems.h"
#include "setup/CommonSetup.h"
#include "setup/setupdialog.h"

#include <memory>

using namespace TestSupport;

namespace {

// A stock database in a temporary folder, opened by a Quorvel window that
// works in a copy of the run folder's label files.
struct StockWindow : TestWorld
{
    // The bolt lies at the first location, the nut at the last; with
    // lockedByAnother another program holds the database's lock.
    explicit StockWindow(
        const QStringList &groups = { QStringLiteral("Lager"), QStringLiteral("Butik") }, bool lockedByAnother = false)
        : TestWorld(QuorvelEdition)
        , run({ QStringLiteral("Setup"), QStringLiteral("Work") })
    {
        DatabaseFixture::writeLists(dir.path(), groups);
        QByteArray bytes = DatabaseFixture::headerLine(QuorvelEdition) + "\r\n";
        bytes += "0;Bolt;Make;1.000000;1.000000;01.02.2020;Shop;7;;;;1;0;;;;\r\n";
        bytes += QByteArray::number(groups.size() - 1) + ";Nut;Make;1.000000;1.000000;01.02.2020;Shop;8;;;;4;0;;;;\r\n";
        database = QDir(dir.path()).filePath(QStringLiteral("stock.db"));
        writeFile(database, bytes);
        Settings s;
        s.setValue(QStringLiteral("LastSavedDBFile"), database);
        s.setValue(QStringLiteral("LastDBDir"), dir.path());
        if (lockedByAnother)
            writeFile(DBItemCollection::lockFilePath(), "stock.db Locked by PC: STORE1, User: anna");
        setDatabaseModified(false);
        window = std::make_unique<MainWindow>();
    }

    QString groupsFile() const { return QDir(dir.path()).filePath(QStringLiteral("groups/groups.dk.txt")); }
    ~StockWindow()
    {
        window.reset();
        QFile::remove(DBItemCollection::lockFilePath());
    }

    Item *item(const QString &serial) const
    {
        for (Item *item : *window->collection()) {
            if (item->serialno() == serial)
                return item;
        }
        return nullptr;
    }

    ProcessRunner::Recording runs;
    RunFolderCopy run;
    QString database;
    std::unique_ptr<MainWindow> window;
};

} // namespace

class tst_MainWindowSetup : public QObject
{
    Q_OBJECT

private slots:
    void listSetup_data()
    {
        QTest::addColumn<QString>("slot");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::newRow("groups") << "SetupGroups"
                                << "Setup Groups" << int(setupdialog::Groups);
        QTest::newRow("locations") << "SetupLocation"
                                   << "Setup Location" << int(setupdialog::Locations);
        QTest::newRow("suppliers") << "SetupSupplier"
                                   << "Setup Suppliers" << int(setupdialog::Suppliers);
    }

    void listSetup()
    {
        QFETCH(QString, slot);
        QFETCH(QString, name);
        QFETCH(int, kind);
        StockWindow w;
        QVERIFY(QMetaObject::invokeMethod(w.window.get(), slot.toLatin1().constData()));
        auto *dialog = w.window->findChild<setupdialog *>(name);
        QVERIFY(dialog);
        QCOMPARE(dialog->kind(), kind);
        QVERIFY(dialog->isVisible());
        dialog->close();
    }

    void groupRenameAndRebuild()
    {
        StockWindow w;
        ItemListView *list = w.window->listView();
        w.window->SetupGroups();
        auto *dialog = w.window->findChild<setupdialog *>(QStringLiteral("Setup Groups"));
        QVERIFY(dialog);

        dialog->listLineEdit->setCurrentRow(0);
        dialog->selectedItemLineEdit->setText(QStringLiteral("Værksted"));
        QTest::mouseClick(dialog->saveButton, Qt::LeftButton);
        QCOMPARE(list->groupRow(0)->text(ItemListView::GroupColumn), QStringLiteral("Værksted"));
        QCOMPARE(list->GetNumberOfGroups(), 2);

        dialog->selectedItemLineEdit->setText(QStringLiteral("Kælder"));
        QTest::mouseClick(dialog->addButton, Qt::LeftButton);
        QTest::mouseClick(dialog->buttonOk, Qt::LeftButton);
        QCOMPARE(list->GetNumberOfGroups(), 3);
        QCOMPARE(list->groupRow(2)->text(ItemListView::GroupColumn), QStringLiteral("Kælder"));
        // Every item still has its row after the rebuild.
        QVERIFY(list->rowForItem(w.item(QStringLiteral("7"))));
        QVERIFY(list->rowForItem(w.item(QStringLiteral("8"))));
    }

    void deletedLocationGoesWithTheDatabaseSave_data()
    {
        QTest::addColumn<bool>("saved");
        QTest::newRow("database saved") << true;
        QTest::newRow("database not saved") << false;
    }

    void deletedLocationGoesWithTheDatabaseSave()
    {
        QFETCH(bool, saved);
        StockWindow w({ QStringLiteral("Lager"), QStringLiteral("Tom"), QStringLiteral("Butik") });
        ItemListView *list = w.window->listView();
        const QByteArray groupsBefore = readFile(w.groupsFile());
        const QByteArray databaseBefore = readFile(w.database);
        w.window->SetupGroups();
        auto *dialog = w.window->findChild<setupdialog *>(QStringLiteral("Setup Groups"));
        QVERIFY(dialog);

        dialog->listLineEdit->setCurrentRow(1);
        MessageBox::queueAnswer(QMessageBox::Yes);
        QTest::mouseClick(dialog->DeleteButton, Qt::LeftButton);
        QCOMPARE(w.boxes.count(), 1);
        QVERIFY(w.boxes.last().text.contains(QStringLiteral("etiketten for lokation 000001 skal udskrives igen")));
        QTest::mouseClick(dialog->buttonOk, Qt::LeftButton);

        // The nut is still at "Butik", now number 1, and the list shows it there.
        Item *nut = w.item(QStringLiteral("8"));
        QCOMPARE(nut->group(), 1);
        QCOMPARE(list->GetNumberOfGroups(), 2);
        QCOMPARE(list->rowForItem(nut)->parent(), list->groupRow(1));
        QCOMPARE(list->groupRow(1)->text(ItemListView::GroupColumn), QStringLiteral("Butik"));
        QVERIFY(databaseModified());
        // Neither file has changed yet: they change together.
        QCOMPARE(readFile(w.groupsFile()), groupsBefore);
        QCOMPARE(readFile(w.database), databaseBefore);

        if (saved) {
            w.window->Save();
            QVERIFY(!databaseModified());
            QCOMPARE(readFile(w.groupsFile()), QByteArray("Lager\r\nButik\r\n"));
            QVERIFY(readFile(w.database).contains("\n1;Nut;"));
        } else {
            MessageBox::queueAnswerIndex(1);
            w.window->FileNew();
            QCOMPARE(readFile(w.groupsFile()), groupsBefore);
            QCOMPARE(readFile(w.database), databaseBefore);
        }
    }

    void lockedOutWindowWritesNoList()
    {
        StockWindow w({ QStringLiteral("Lager"), QStringLiteral("Butik") }, true);
        QVERIFY(w.window->collection()->isReadOnly());
        const QByteArray groupsBefore = readFile(w.groupsFile());
        w.window->SetupGroups();
        auto *dialog = w.window->findChild<setupdialog *>(QStringLiteral("Setup Groups"));
        QVERIFY(dialog);
        QVERIFY(!dialog->addButton->isEnabled());
        QVERIFY(!dialog->DeleteButton->isEnabled());
        QVERIFY(!dialog->saveButton->isEnabled());
        QTest::keyClicks(dialog->selectedItemLineEdit, QStringLiteral("Kælder"));
        QTest::mouseClick(dialog->addButton, Qt::LeftButton);
        QTest::mouseClick(dialog->buttonOk, Qt::LeftButton);
        QCOMPARE(w.window->collection()->groups().size(), 2);
        QCOMPARE(readFile(w.groupsFile()), groupsBefore);

        // Save As writes neither the database nor its lists elsewhere.
        const QString other = QDir(w.dir.path()).filePath(QStringLiteral("other/stock.db"));
        QVERIFY(QDir().mkpath(QFileInfo(other).absolutePath()));
        FileDialog::queueAnswer(other);
        w.window->SaveAs();
        QVERIFY(!QFileInfo::exists(QFileInfo(other).absolutePath() + QStringLiteral("/groups")));
    }

    void otherDialogs()
    {
        StockWindow w;
        w.window->SetupCommon();
        QVERIFY(w.window->findChild<CommonSetup *>());

        w.window->AutoMakeItems();
        auto *make = w.window->findChild<AutomakeItems *>();
        QVERIFY(make);
        QTest::keyClicks(make->findChild<QLineEdit *>(QStringLiteral("lineEdit")), QStringLiteral("2"));
        QTest::mouseClick(make->findChild<QPushButton *>(QStringLiteral("pushButtonMakeItems")), Qt::LeftButton);
        // The list shows what the collection announced.
        QVERIFY(w.window->listView()->rowForItem(w.item(QStringLiteral("9"))));
        QVERIFY(w.window->listView()->rowForItem(w.item(QStringLiteral("10"))));
    }

    void printBarcode_data()
    {
        QTest::addColumn<QString>("current"); // "item", "group" or "none"
        QTest::addColumn<int>("labels");
        QTest::newRow("one item") << "item" << 1;
        QTest::newRow("group of the item") << "group" << 1;
        QTest::newRow("nothing current") << "none" << 0;
    }

    void printBarcode()
    {
        QFETCH(QString, current);
        QFETCH(int, labels);
        StockWindow w;
        ItemListView *list = w.window->listView();
        writeFile(HandlerBarcodesC::workFile(), "old job");
        if (current == QLatin1String("item"))
            list->FindListViewItem(w.item(QStringLiteral("8")));
        else if (current == QLatin1String("group"))
            list->setCurrentItem(list->groupRow(1));
        QCOMPARE(list->isItemSelected() != nullptr, current != QLatin1String("none"));

        w.window->PrintBarcode();
        QCOMPARE(w.runs.count(), labels ? 1 : 0);
        QCOMPARE(QFile::exists(HandlerBarcodesC::workFile()), labels > 0);
        if (labels)
            QVERIFY(readFile(HandlerBarcodesC::workFile()).contains("^FDID:000008^FS"));
        QCOMPARE(w.boxes.count(), 0);
    }

    // The label printer's picture shows the labels of the current row.
    void labelPrinter_data()
    {
        QTest::addColumn<QString>("current"); // "item", "group" or "none"
        QTest::addColumn<QString>("itemText");
        QTest::addColumn<QString>("locationText");
        QTest::newRow("one item") << "item"
                                  << "^FDID:000008^FS"
                                  << "^FDLOC:Butik^FS";
        QTest::newRow("group: its first item") << "group"
                                               << "^FDID:000007^FS"
                                               << "^FDLOC:Lager^FS";
        QTest::newRow("nothing current: the first item") << "none"
                                                         << "^FDID:000007^FS"
                                                         << "^FDLOC:Lager^FS";
    }

    void labelPrinter()
    {
        QFETCH(QString, current);
        QFETCH(QString, itemText);
        QFETCH(QString, locationText);
        StockWindow w;
        Settings().setValue(QStringLiteral("EnableLocationNameOnLabels"), true);
        ItemListView *list = w.window->listView();
        if (current == QLatin1String("item"))
            list->FindListViewItem(w.item(QStringLiteral("8")));
        else if (current == QLatin1String("group"))
            list->setCurrentItem(list->groupRow(0));

        QString shownItem;
        QString shownLocation;
        QTimer::singleShot(0, w.window.get(), [&]() {
            auto *dialog = w.window->findChild<LabelPrinterDialog *>(QStringLiteral("labelPrinterDialog"));
            QVERIFY(dialog);
            shownItem = dialog->labelText();
            auto *kind = dialog->findChild<QComboBox *>(QStringLiteral("kindBox"));
            kind->setCurrentIndex(kind->findData(int(LabelPrinterDialog::LocationLabel)));
            shownLocation = dialog->labelText();
            dialog->reject();
        });
        w.window->findChild<QAction *>(QStringLiteral("SetupLabelPrinter"))->trigger();
        QVERIFY2(shownItem.contains(itemText), qPrintable(shownItem));
        QVERIFY2(shownLocation.contains(locationText), qPrintable(shownLocation));
        QCOMPARE(w.runs.count(), 0);
        QCOMPARE(w.boxes.count(), 0);
    }

    void updateLocations()
    {
        StockWindow w;
        const QString file = QDir(w.dir.path()).filePath(QStringLiteral("Location.update.txt"));
        writeFile(file, "I;0;000007;2\r\nF;1;0;8;4\r\n");
        FileDialog::queueAnswer(file);

        w.window->UpdateLocations();

        QCOMPARE(w.dialogs.count(), 1);
        QCOMPARE(w.dialogs.last().folder, w.dir.path() + QStringLiteral("/Location.update.txt"));
        QCOMPARE(w.boxes.count(), 0);
        QVERIFY(!QFile::exists(file));
        QCOMPARE(QDir(w.dir.path()).entryList({ QStringLiteral("Location.update.txt.*") }).size(), 1);
        // Saved at once: the file holds the counts, and nothing is left unsaved.
        QVERIFY(!databaseModified());
        const QByteArray saved = readFile(w.database);
        QVERIFY(saved.contains(";Shop;7;;;;3;0;"));
        QVERIFY(saved.contains("0;Nut;") && saved.contains(";Shop;8;;;;4;0;"));
        QCOMPARE(w.window->collection()->count(), 2);
        QCOMPARE(w.item(QStringLiteral("7"))->numberOfItems(), 3);
        QCOMPARE(w.item(QStringLiteral("8"))->group(), 0);
        QCOMPARE(w.item(QStringLiteral("8"))->numberOfItems(), 4);
        QVERIFY(w.window->listView()->rowForItem(w.item(QStringLiteral("8"))));
    }
};

QTEST_MAIN(tst_MainWindowSetup)
#include "tst_mainwindowsetup.moc"
