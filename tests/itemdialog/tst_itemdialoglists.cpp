#include <QtTest>

#include "ItemDialogFixture.h"
#include "TestSupport.h"
#include "core/Settings.h"
#include "setup/setupdialog.h"

// The list setup can add, rename and delete groups, locations and suppliers
// while an item dialog is open: the dialog's combo boxes follow, each keeps
// its entry, and OK saves the entry of the name the user sees.

using namespace ItemDialogTest;

namespace {

// Groups and locations each: 0 used, 1 unused, 2 used (by the shade), 3 unused.
void useFourEntries(Register &reg)
{
    reg.collection.groups().add(QStringLiteral("Loft"));
    reg.collection.locations().add(QStringLiteral("Rum3"));
    reg.collection.locations().add(QStringLiteral("Rum4"));
    reg.lamp->setGroup(2);
    for (Item *item : { reg.sofa, reg.shade, reg.chair })
        item->setLocation(2);
    reg.list->RebuildList();
}

QComboBox *comboOf(ItemDialog &d, int kind)
{
    return kind == setupdialog::Groups ? d.groupComboBox
                                       : (kind == setupdialog::Locations ? d.locationComboBox : d.supplierComboBox);
}

QStringList entries(const QComboBox *combo)
{
    QStringList result;
    for (int i = 0; i < combo->count(); ++i)
        result << combo->itemText(i);
    return result;
}

// Picks the entry with the keyboard, as a user does.
void pick(QComboBox *combo, const QString &name)
{
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < combo->count() && combo->currentText() != name; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(combo->currentText(), name);
}

// The name the item has in the list.
QString nameIn(const DBItemCollection &collection, const Item *item, int kind)
{
    if (kind == setupdialog::Suppliers)
        return item->supplier();
    return kind == setupdialog::Groups ? collection.groups().entry(item->group())
                                       : collection.locations().entry(item->location());
}

// Works the list setup with clicks: picks the row, types the name, presses
// the button, then Save.
void useListSetup(Register &reg, int kind, int row, QPushButton *setupdialog::*button, const QString &typed)
{
    setupdialog setup(&reg.collection, kind);
    // As the main window does.
    QObject::connect(&setup, &setupdialog::listRebuilt, reg.list.get(), &ItemListView::RebuildList);
    setup.show();
    QVERIFY(QTest::qWaitForWindowExposed(&setup));
    if (row >= 0) {
        const QRect rect = setup.listLineEdit->visualItemRect(setup.listLineEdit->item(row));
        QTest::mouseClick(setup.listLineEdit->viewport(), Qt::LeftButton, {}, rect.center());
    }
    if (!typed.isEmpty()) {
        setup.selectedItemLineEdit->clear();
        QTest::keyClicks(setup.selectedItemLineEdit, typed);
    }
    if (button != &setupdialog::saveButton)
        QTest::mouseClick(setup.*button, Qt::LeftButton);
    QTest::mouseClick(setup.saveButton, Qt::LeftButton);
}

} // namespace

class tst_ItemDialogLists : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestSupport::IsolatedSettings> m_settings;
    std::unique_ptr<QTemporaryDir> m_folder;

private slots:
    void init()
    {
        m_settings = std::make_unique<TestSupport::IsolatedSettings>(OstranaEdition);
        m_folder = std::make_unique<QTemporaryDir>();
    }
    void cleanup()
    {
        m_folder.reset();
        m_settings.reset();
    }

    // Entry 1 of the list is deleted; the dialog shows the shade (at entry
    // 2), a new item, a copy of the shade or nothing (search).
    void deletion_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("viaSetup");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("before"); // picked before the deletion
        QTest::addColumn<QString>("shown"); // after it; "" none: OK refuses
        QTest::addColumn<QString>("after"); // picked after it
        QTest::addColumn<QString>("saved");

        const int groups = setupdialog::Groups;
        const int locations = setupdialog::Locations;
        QTest::newRow("group, untouched") << groups << false << "edit"
                                          << ""
                                          << "Kontor"
                                          << ""
                                          << "Kontor";
        QTest::newRow("group, untouched, list setup") << groups << true << "edit"
                                                      << ""
                                                      << "Kontor"
                                                      << ""
                                                      << "Kontor";
        QTest::newRow("group, later picked before") << groups << false << "edit"
                                                    << "Loft"
                                                    << "Loft"
                                                    << ""
                                                    << "Loft";
        QTest::newRow("group, earlier picked before, list setup") << groups << true << "edit"
                                                                  << "Stue"
                                                                  << "Stue"
                                                                  << ""
                                                                  << "Stue";
        QTest::newRow("group, later picked after, list setup") << groups << true << "edit"
                                                               << ""
                                                               << "Kontor"
                                                               << "Loft"
                                                               << "Loft";
        QTest::newRow("group, deleted one picked, list setup")
            << groups << true << "edit" << QString::fromUtf8("Køkken") << ""
            << "Stue"
            << "Stue";
        QTest::newRow("location, untouched, list setup") << locations << true << "edit"
                                                         << ""
                                                         << "Rum3"
                                                         << ""
                                                         << "Rum3";
        QTest::newRow("location, later picked before") << locations << false << "edit"
                                                       << "Rum4"
                                                       << "Rum4"
                                                       << ""
                                                       << "Rum4";
        QTest::newRow("location, later picked after") << locations << false << "edit"
                                                      << ""
                                                      << "Rum3"
                                                      << "Rum4"
                                                      << "Rum4";
        QTest::newRow("location, deleted one picked") << locations << false << "edit"
                                                      << "Rum2"
                                                      << ""
                                                      << "Rum4"
                                                      << "Rum4";
        QTest::newRow("new item, later picked before") << groups << false << "new"
                                                       << "Loft"
                                                       << "Loft"
                                                       << ""
                                                       << "Loft";
        QTest::newRow("new item, deleted one picked, list setup")
            << groups << true << "new" << QString::fromUtf8("Køkken") << ""
            << "Kontor"
            << "Kontor";
        QTest::newRow("copy, untouched") << groups << false << "copy"
                                         << ""
                                         << "Kontor"
                                         << ""
                                         << "Kontor";
        QTest::newRow("search") << groups << true << "search"
                                << ""
                                << ""
                                << ""
                                << "";
    }
    void deletion()
    {
        QFETCH(int, kind);
        QFETCH(bool, viaSetup);
        QFETCH(QString, mode);
        QFETCH(QString, before);
        QFETCH(QString, shown);
        QFETCH(QString, after);
        QFETCH(QString, saved);
        TestSupport::RecordedMessageBoxes boxes;
        Register reg;
        useFourEntries(reg);
        Settings().setValue(QStringLiteral("LastDBDir"), m_folder->path());
        auto d = reg.open(mode == QLatin1String("edit") || mode == QLatin1String("copy") ? reg.shade : nullptr,
            QStringLiteral("DATA"), mode == QLatin1String("search"));
        if (mode == QLatin1String("copy"))
            QTest::mouseClick(d->CopyPushButton, Qt::LeftButton);
        QComboBox *combo = comboOf(*d, kind);
        if (!before.isEmpty())
            pick(combo, before);

        if (viaSetup)
            useListSetup(reg, kind, 1, &setupdialog::DeleteButton, QString());
        else
            QVERIFY(reg.collection.removeListEntry(DBItemCollection::NamedList(kind), 1));
        QCOMPARE(entries(combo), reg.collection.namedList(DBItemCollection::NamedList(kind)).entries());
        QCOMPARE(combo->currentText(), shown);
        QCOMPARE(boxes.count(), 0);
        if (mode == QLatin1String("search")) {
            QCOMPARE(combo->currentIndex(), -1);
            return;
        }

        if (mode == QLatin1String("new")) {
            retype(d->nameLineEdit, QStringLiteral("Ny"));
            retype(d->priceLineEdit, QStringLiteral("10"));
        }
        if (shown.isEmpty()) {
            QTest::mouseClick(d->buttonOk, Qt::LeftButton);
            QVERIFY(d->isVisible());
            QCOMPARE(boxes.count(), 1);
            QVERIFY2(boxes.last().text.contains(QLatin1Char('"') + before + QLatin1Char('"')),
                qPrintable(boxes.last().text));
        }
        if (!after.isEmpty())
            pick(combo, after);
        QTest::mouseClick(d->buttonOk, Qt::LeftButton);
        QVERIFY(!d->isVisible());
        QCOMPARE(boxes.count(), shown.isEmpty() ? 1 : 0);
        const Item *item = mode == QLatin1String("edit") ? reg.shade : reg.collection.at(reg.collection.count() - 1);
        QCOMPARE(reg.collection.count(), mode == QLatin1String("edit") ? 4 : 5);
        QCOMPARE(nameIn(reg.collection, item, kind), saved);
        QCOMPARE(item->name(), mode == QLatin1String("new") ? QStringLiteral("Ny") : QStringLiteral("Lamp shade"));
    }

    // An entry added or renamed through the list setup, while the dialog
    // shows the shade.
    void addAndRename_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("renamed"); // row; -1 adds
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("picked");

        QTest::newRow("group added, picked") << 1 << -1 << "Have"
                                             << "Kontor"
                                             << "Have";
        QTest::newRow("group of the item renamed") << 1 << 2 << "Arbejdsrum"
                                                   << "Arbejdsrum"
                                                   << "";
        QTest::newRow("other group renamed, picked") << 1 << 3 << "Hems"
                                                     << "Kontor"
                                                     << "Hems";
        QTest::newRow("location added, picked") << 2 << -1 << "Rum5"
                                                << "Rum3"
                                                << "Rum5";
        QTest::newRow("location of the item renamed") << 2 << 2 << "Gang"
                                                      << "Gang"
                                                      << "";
        QTest::newRow("supplier added, picked") << 3 << -1 << "Silvan"
                                                << "Bauhaus"
                                                << "Silvan";
    }
    void addAndRename()
    {
        QFETCH(int, kind);
        QFETCH(int, renamed);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, picked);
        TestSupport::RecordedMessageBoxes boxes;
        Register reg;
        useFourEntries(reg);
        Settings().setValue(QStringLiteral("LastDBDir"), m_folder->path());
        auto d = reg.open(reg.shade);
        QComboBox *combo = comboOf(*d, kind);

        useListSetup(reg, kind, renamed, renamed < 0 ? &setupdialog::addButton : &setupdialog::saveButton, typed);
        QCOMPARE(entries(combo), reg.collection.namedList(DBItemCollection::NamedList(kind)).entries());
        QVERIFY(entries(combo).contains(typed));
        QCOMPARE(combo->currentText(), shown);
        if (!picked.isEmpty())
            pick(combo, picked);
        QTest::mouseClick(d->buttonOk, Qt::LeftButton);
        QVERIFY(!d->isVisible());
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(nameIn(reg.collection, reg.shade, kind), picked.isEmpty() ? shown : picked);
    }
};

QTEST_MAIN(tst_ItemDialogLists)
#include "tst_itemdialoglists.moc"
