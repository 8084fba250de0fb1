#include "ListModelCheck.h"
#include "TestSupport.h"

#include "core/Edition.h"
#include "desktop/ExternalViewers.h"
#include "desktop/Launcher.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "itemdialog/ItemDialog.h"
#include "core/ColumnTitles.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/funiQListViewItem.h"

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <memory>

using TestSupport::IsolatedSettings;
using TestSupport::RecordedMessageBoxes;

namespace {

// A collection built in memory with its own group, location and field lists.
// The collection deletes its items.
struct Register
{
    explicit Register(
        const QStringList &groups = { QStringLiteral("Stue"), QStringLiteral("Køkken"), QStringLiteral("Kælder") })
        : collection(std::make_unique<DBItemCollection>(nullptr))
    {
        collection->groups().clear();
        for (const QString &group : groups)
            collection->groups().add(group);
        collection->locations().clear();
        collection->locations().add(QStringLiteral("Loft"));
        collection->locations().add(QStringLiteral("Garage"));
        collection->fields().clear();
        collection->suppliers().clear();
    }
    Item *add(int group, const QString &name, const QString &date = QString())
    {
        auto item = std::make_unique<Item>();
        item->setGroup(group);
        item->setName(name);
        item->setDate(date);
        item->setNumberOfItems(1);
        return collection->add(std::move(item));
    }

    std::unique_ptr<DBItemCollection> collection;
};

QImage iconImage(const QIcon &icon)
{
    return icon.isNull() ? QImage() : icon.pixmap(QSize(16, 16)).toImage();
}

QStringList childNames(funiQListViewItem *groupRow)
{
    QStringList names;
    for (int i = 0; i < groupRow->childCount(); ++i)
        names << groupRow->child(i)->text(ItemListView::NameColumn);
    return names;
}

QPoint cellCentre(ItemListView &view, funiQListViewItem *row, int column)
{
    const QRect rowRect = view.visualItemRect(row);
    const int x = view.header()->sectionViewportPosition(column) + view.columnWidth(column) / 2;
    return QPoint(x, rowRect.center().y());
}

// A folder for link targets whose path names no picture type by accident
// (the picture test looks at the whole path).
std::unique_ptr<QTemporaryDir> linkFolder()
{
    auto dir = std::make_unique<QTemporaryDir>();
    while (isPictureFile(dir->path()))
        dir = std::make_unique<QTemporaryDir>();
    return dir;
}

// The item dialogs now open, top-level or inside the list.
QList<ItemDialog *> openDialogs()
{
    QList<ItemDialog *> dialogs;
    for (QWidget *widget : QApplication::allWidgets()) {
        if (auto *dialog = qobject_cast<ItemDialog *>(widget))
            dialogs.append(dialog);
    }
    return dialogs;
}

void closeDialogs()
{
    qDeleteAll(openDialogs());
}

// A double click as a desktop sends it: press, release, double-click, release.
void doubleClick(ItemListView &view, funiQListViewItem *row, int column)
{
    const QPoint pos = cellCentre(view, row, column);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, pos);
    QMouseEvent press(QEvent::MouseButtonDblClick, pos, view.viewport()->mapToGlobal(pos), Qt::LeftButton,
        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &press);
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, pos);
}

void show(ItemListView &view)
{
    view.resize(2600, 600);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
}

} // namespace

class tst_ItemListView : public QObject
{
    Q_OBJECT

private slots:
    void rowsPerGroup();
    void cellContents_data();
    void cellContents();
    void receiptIconByEdition_data();
    void receiptIconByEdition();
    void emptyGroupListShowsNoRows();
    void addItemAtLimit();
    void columnTitlesFromFieldList_data();
    void columnTitlesFromFieldList();
    void viewAllOpensAndClosesGroups();
    void dateColumnSortsByDate();
    void priceColumnSortsByValue();
    void refreshRowAfterEdit();
    void refreshRowMovesToNewGroup();
    void refreshRowWithMismatchingGroupTextEnds();
    void rowsFollowTheGroupNumber_data();
    void rowsFollowTheGroupNumber();
    void dateColumnShowsWholeDate_data();
    void dateColumnShowsWholeDate();
    void deleteCurrentRow();
    void deleteOnGroupRowDoesNothing();
    void collectionRemovalsDropRows();
    void rowsFollowTheCollection_data();
    void rowsFollowTheCollection();
    void deleteLeavesForeignItemAlone();
    void dialogShowingAnItemSelectsItsRow();
    void findListViewItem();
    void clickSelectsAndReports();
    void showCommands_data();
    void showCommands();
    void pressOnLinkColumns();
    void doubleClickAndReturnOpenItemDialog();
    void contextMenu();
    void columnWidthsSavedAndRestored();
    void fillManyItemsQuickly();
};

void tst_ItemListView::rowsPerGroup()
{
    IsolatedSettings settings;
    Register reg;
    reg.add(0, QStringLiteral("Sofa"));
    reg.add(2, QStringLiteral("Boremaskine"));
    reg.add(0, QStringLiteral("Lampe"));

    ItemListView view;
    checkListModel(view);
    view.SetCollection(reg.collection.get());
    view.FillList(reg.collection.get());

    QCOMPARE(view.topLevelItemCount(), 3);
    QCOMPARE(view.GetNumberOfGroups(), 3);
    const QStringList groupTexts { view.topLevelItem(0)->text(0), view.topLevelItem(1)->text(0),
        view.topLevelItem(2)->text(0) };
    QCOMPARE(groupTexts, (QStringList { QStringLiteral("Stue"), QStringLiteral("Køkken"), QStringLiteral("Kælder") }));
    QCOMPARE(childNames(view.topLevelItem(0)), (QStringList { QStringLiteral("Sofa"), QStringLiteral("Lampe") }));
    QCOMPARE(childNames(view.topLevelItem(1)), QStringList());
    QCOMPARE(childNames(view.topLevelItem(2)), QStringList { QStringLiteral("Boremaskine") });

    funiQListViewItem *groupRow = view.topLevelItem(0);
    funiQListViewItem *itemRow = groupRow->child(0);
    QVERIFY(groupRow->isGroupRow());
    QVERIFY(!groupRow->item());
    QVERIFY(!itemRow->isGroupRow());
    QCOMPARE(itemRow->item(), reg.collection->at(0));
    QCOMPARE(itemRow->text(ItemListView::GroupColumn), QString());

    view.ClearList();
    QCOMPARE(view.topLevelItemCount(), 0);
    QCOMPARE(view.GetNumberOfGroups(), 0);
    QVERIFY(!view.isItemSelected());
}

void tst_ItemListView::cellContents_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<int>("location");
    QTest::addColumn<QString>("photo");
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("priceText");
    QTest::addColumn<QString>("locationText");
    QTest::addColumn<bool>("pictureIcon");
    QTest::addColumn<bool>("documentIcon");

    QTest::newRow("ostrana total price") << 1 << 1 << "c:\\fotos\\SOFA.JPG"
                                         << " "
                                         << "31.50"
                                         << "Garage" << true << false;
    QTest::newRow("quorvel total price") << 5 << 0 << "sofa.pdf"
                                         << "manual.pdf"
                                         << "31.50"
                                         << "Loft" << false << true;
    QTest::newRow("vistrel unit price") << 2 << 2 << "  "
                                        << ""
                                        << "10.50"
                                        << "Error" << false << false;
    QTest::newRow("numivax negative location") << 3 << -1 << "a.gif "
                                               << "x"
                                               << "31.50"
                                               << "Error" << true << true;
}

void tst_ItemListView::cellContents()
{
    QFETCH(int, edition);
    QFETCH(int, location);
    QFETCH(QString, photo);
    QFETCH(QString, document);
    QFETCH(QString, priceText);
    QFETCH(QString, locationText);
    QFETCH(bool, pictureIcon);
    QFETCH(bool, documentIcon);

    IsolatedSettings settings(edition);
    Register reg;
    Item *item = reg.add(1, QStringLiteral("Sofa"), QStringLiteral("24.12.2011"));
    item->setProduct(QStringLiteral("Ikea"));
    item->setProductModel(QStringLiteral("Ektorp"));
    item->setNumberOfItems(3);
    item->setPrice(10.5);
    item->setPriceToday(7.25);
    item->setLocation(location);
    item->setDescription(QStringLiteral("Grå"));
    item->setSupplier(QStringLiteral("Ikea Taastrup"));
    item->setAddress(QStringLiteral("Vej 1"));
    item->setSerialno(QStringLiteral("42"));
    item->setWww(QStringLiteral("www.ikea.dk"));
    item->setPhotolink(photo);
    item->setDocument(document);

    ItemListView view;
    checkListModel(view);
    view.SetCollection(reg.collection.get());
    view.FillList(reg.collection.get());
    funiQListViewItem *row = view.topLevelItem(1)->child(0);
    QVERIFY(row);

    const QStringList expected { QString(), QStringLiteral("Sofa"), QStringLiteral("Ikea"), QStringLiteral("Ektorp"),
        QStringLiteral("3"), priceText, QStringLiteral("7.25"), QString(), QString(), QStringLiteral("24.12.2011"),
        locationText, QStringLiteral("Grå"), QStringLiteral("Ikea Taastrup"), QStringLiteral("Vej 1"),
        QStringLiteral("42"), QStringLiteral("www.ikea.dk"), QString() };
    for (int column = 0; column < ListColumnCount; ++column)
        QCOMPARE(row->text(column), expected.at(column));
    QCOMPARE(!row->icon(ItemListView::PictureColumn).isNull(), pictureIcon);
    QCOMPARE(!row->icon(ItemListView::DocumentColumn).isNull(), documentIcon);
    QVERIFY(row->icon(ItemListView::ReceiptColumn).isNull());
    QCOMPARE(row->textAlignment(ItemListView::PriceColumn) & Qt::AlignHorizontal_Mask, int(Qt::AlignRight));
    QCOMPARE(row->textAlignment(ItemListView::PictureColumn) & Qt::AlignHorizontal_Mask, int(Qt::AlignHCenter));
    QCOMPARE(row->textAlignment(ItemListView::NameColumn) & Qt::AlignHorizontal_Mask, int(Qt::AlignLeft));
}

void tst_ItemListView::receiptIconByEdition_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<QString>("receipt");
    QTest::addColumn<QString>("expectedIcon"); // "", "picture" or "receipt"
    QTest::addColumn<bool>("hasReceipt");

    QTest::newRow("ostrana picture receipt") << 1 << "bon.png"
                                             << "receipt" << true;
    QTest::newRow("vistrel second picture") << 2 << "back.png"
                                            << "picture" << true;
    QTest::newRow("quorvel picture receipt") << 5 << " scan.bmp "
                                             << "picture" << true;
    QTest::newRow("pdf receipt shows no icon") << 1 << "bon.pdf"
                                               << "" << true;
    QTest::newRow("no receipt") << 1 << ""
                                << "" << false;
}

void tst_ItemListView::receiptIconByEdition()
{
    QFETCH(int, edition);
    QFETCH(QString, receipt);
    QFETCH(QString, expectedIcon);
    QFETCH(bool, hasReceipt);

    IsolatedSettings settings(edition);
    Register reg;
    Item *item = reg.add(0, QStringLiteral("Sofa"));
    item->setReceipt(receipt);
    item->setPhotolink(QStringLiteral("photo.png"));

    ItemListView view;
    checkListModel(view);
    view.SetCollection(reg.collection.get());
    view.FillList(reg.collection.get());
    funiQListViewItem *row = view.topLevelItem(0)->child(0);

    const QImage picture = iconImage(row->icon(ItemListView::PictureColumn));
    const QImage receiptIcon = iconImage(row->icon(ItemListView::ReceiptColumn));
    if (expectedIcon.isEmpty())
        QVERIFY(receiptIcon.isNull());
    else if (expectedIcon == QLatin1String("picture"))
        QCOMPARE(receiptIcon, picture);
    else
        QVERIFY(!receiptIcon.isNull() && receiptIcon != picture);

    view.FindListViewItem(item);
    QCOMPARE(view.HasReceipt(row), hasReceipt);
    QVERIFY(!view.HasReceipt(view.topLevelItem(0)));
}

void tst_ItemListView::emptyGroupListShowsNoRows()
{
    IsolatedSettings settings;
    RecordedMessageBoxes boxes;
    Register reg(QStringList {});
    reg.add(0, QStringLiteral("a"));
    reg.add(0, QStringLiteral("b"));
    reg.add(3, QStringLiteral("c"));
    reg.add(0, QStringLiteral("d"));

    // One box for each group without a row, however many items it has.
    ItemListView view;
    checkListModel(view);
    view.SetCollection(reg.collection.get());
    view.FillList(reg.collection.get());
    QCOMPARE(view.topLevelItemCount(), 0);
    QCOMPARE(boxes.count(), 2);
    for (const MessageBox::Shown &box : boxes.shown()) {
        QCOMPARE(box.kind, MessageBox::Critical);
        QCOMPARE(box.title, QStringLiteral("Fejl - type"));
        QVERIFY(box.text.startsWith(QStringLiteral("MAX_LIMIT_ERROR")));
    }
    // Every fill tells again.
    view.FillList(reg.collection.get());
    QCOMPARE(boxes.count(), 4);
    QCOMPARE(reg.collection->count(), 4);
}

void tst_ItemListView::addItemAtLimit()
{
    IsolatedSettings settings;
    RecordedMessageBoxes boxes;
    Register reg;
    reg.add(0, QStringLiteral("first"));
    reg.add(3, QStringLiteral("beyond"));
    reg.add(-1, QStringLiteral("negative"));
    reg.add(2, QStringLiteral("last group"));

    ItemListView view;
    checkListModel(view);
    view.SetCollection(reg.collection.get());
    view.FillList(reg.collection.get());
    // The others are still listed; each bad one gets its box.
    QCOMPARE(boxes.count(), 2);
    QCOMPARE(childNames(view.topLevelItem(0)), QStringList { QStringLiteral("first") });
    QCOMPARE(childNames(view.topLevelItem(2)), QStringList { QStringLiteral("last group") });

    // The item reaches the list directly here, not through the collection.
    boxes.clear();
    auto extra = std::make_unique<Item>();
    extra->setGroup(3);
    QVERIFY(!view.AddItem(extra.get(), true));
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().title, QStringLiteral("Fejl - type"));
    QCOMPARE(boxes.last().buttons, QStringList { QStringLiteral("Ok") });

    extra->setGroup(2);
    funiQListViewItem *row = view.AddItem(extra.get(), true);
    QVERIFY(row);
    QCOMPARE(row->parent(), view.topLevelItem(2));
    QCOMPARE(view.isItemSelected(), row);
    QCOMPARE(view.selectedItems(), QList<funiQListViewItem *> { row });
    QCOMPARE(boxes.count(), 1);

    // Handed to the collection afterwards, it keeps its one row.
    Item *added = reg.collection->add(std::move(extra));
    QCOMPARE(view.rowForItem(added), row);
    QCOMPARE(view.topLevelItem(2)->childCount(), 2);
    QCOMPARE(boxes.count(), 1);
}

void tst_ItemListView::columnTitlesFromFieldList_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("entry15");
    QTest::addColumn<QString>("entry16");
    QTest::addColumn<QString>("documentTitle");
    QTest::addColumn<QString>("modelTitle");

    QTest::newRow("old level keeps both") << 252 << "Manual"
                                          << "Type"
                                          << "Dok."
                                          << "Produkt model";
    QTest::newRow("253 names the document") << 253 << "Manual"
                                            << "Type"
                                            << "Manual"
                                            << "Produkt model";
    QTest::newRow("255 names both") << 255 << "Manual"
                                    << "Type"
                                    << "Manual"
                                    << "Type";
    QTest::newRow("COLUMN keeps document title") << 255 << "DOC_column"
                                                 << "Type"
                                                 << "Dok."
                                                 << "Type";
    QTest::newRow("FIELD keeps model title") << 255 << "Manual"
                                             << "model_Field"
                                             << "Manual"
                                             << "Produkt model";
    QTest::newRow("empty entries blank") << 255 << ""
                                         << ""
                                         << ""
                                         << "";
}

void tst_ItemListView::columnTitlesFromFieldList()
{
    QFETCH(int, level);
    QFETCH(QString, entry15);
    QFETCH(QString, entry16);
    QFETCH(QString, documentTitle);
    QFETCH(QString, modelTitle);

    IsolatedSettings settings;
    Register reg;
    const QStringList fields { "&Rum", "Na&vn", "Mærke", "Stk", "Pris kr", "Værdi", "Foto", "Købt", "Sted", "Om",
        "Forhandler", "Info", "Serienr", "Web", "Bon" };
    for (const QString &field : fields)
        reg.collection->fields().add(field);
    // An empty entry leaves its column's title alone.
    reg.collection->fields().add(entry15);
    if (!entry16.isEmpty() || level == 255)
        reg.collection->fields().add(entry16);
    const int oldLevel = databaseFormatLevel();
    setDatabaseFormatLevel(level);

    ItemListView view;
    checkListModel(view);
    view.SetCollection(reg.collection.get());
    view.FillList(reg.collection.get());
    view.ViewAll(true);
    setDatabaseFormatLevel(oldLevel);

    const QStringList expected { "Rum", "Navn", "Mærke", modelTitle, "Stk", "Pris kr", "Værdi", "Foto", "Bon", "Købt",
        "Sted", "Om", "Forhandler", "Info", "Serienr", "Web", documentTitle };
    QCOMPARE(columnTitles(), expected);
    for (int column = 0; column < ListColumnCount; ++column)
        QCOMPARE(view.model()->headerData(column, Qt::Horizontal).toString(), expected.at(column));
    // The "&" is gone from the stored list entry too.
    QCOMPARE(reg.collection->fields().entry(0), QStringLiteral("Rum"));
}

void tst_ItemListView::viewAllOpensAndClosesGroups()
{
    IsolatedSettings settings;
    Register reg;
    reg.add(0, QStringLiteral("a"));
    reg.add(1, QStringLiteral("b"));
    reg.collection->fields().add(QStringLiteral("Type"));

    ItemListView view;
    checkListModel(view);
    // With no rows at all nothing happens, not even the titles.
    view.ViewAll(true);
    QCOMPARE(columnTitle(0), QStringLiteral("Gruppe"));

    view.SetCollection(reg.collection.get());
    view.FillList(reg.collection.get());
    for (int i = 0; i < view.topLevelItemCount(); ++i)
        QVERIFY(!view.topLevelItem(i)->isExpanded());
    view.ViewAll(true);
    QCOMPARE(columnTitle(0), QStringLiteral("Type"));
    for (int i = 0; i < view.topLevelItemCount(); ++i)
        QVERIFY(view.topLevelItem(i)->isExpanded());
    view.ViewAll(false);
    for (int i = 0; i < view.topLevelItemCount(); ++i)
        QVERIFY(!view.topLevelItem(i)->isExpanded());
}

void tst_ItemListView::dateColumnSortsByDate()
{
    IsolatedSettings settings;
    Register reg;
    reg.add(0, QStringLiteral("late"), QStringLiteral("05.11.2009"));
    reg.add(0, QStringLiteral("early"), QStringLiteral("28.02.2008"));
    reg.add(0, QStringLiteral("undated"), QString());
    reg.add(0, QStringLiteral("middle"), QStringLiteral("01.03.2008"));
    reg.add(1, QStringLiteral("other group"), QStringLiteral("01.01.2000"));

    ItemListView view;
    checkListModel(view);
    view.SetCollection(reg.collection.get());
    view.FillList(reg.collection.get());
    view.ViewAll(true);
    show(view);

    // Clicking the date heading sorts by date; a second click turns the order.
    const int x = view.header()->sectionViewportPosition(ItemListView::DateColumn) + 10;
    QTest::mouseClick(view.header()->viewport(), Qt::LeftButton, {}, QPoint(x, view.header()->height() / 2));
    QCOMPARE(view.sortColumn(), int(ItemListView::DateColumn));
    QStringList names = childNames(view.topLevelItem(0));
    if (view.header()->sortIndicatorOrder() == Qt::DescendingOrder)
        std::reverse(names.begin(), names.end());
    QCOMPARE(names, (QStringList { "undated", "early", "middle", "late" }));
    QCOMPARE(childNames(view.topLevelItem(1)), QStringList { "other group" });

    view.sortItems(ItemListView::DateColumn, Qt::DescendingOrder);
    QCOMPARE(childNames(view.topLevelItem(0)), (QStringList { "late", "middle", "early", "undated" }));

    QVERIFY(funiQListViewItem::compareDates(QStringLiteral("05.11.2009"), QStringLiteral("28.02.2008")) > 0);
    QCOMPARE(funiQListViewItem::compareDates(QStringLiteral("05.11.2009"), QStringLiteral("05.11.2009")), 0);
    QVERIFY(funiQListViewItem::compareDates(QStringLiteral("1.2.2011"), QStringLiteral("01.01.1900")) < 0);
}

void tst_ItemListView::priceColumnSortsByValue()
{
    IsolatedSettings settings;
    Register reg;
    reg.add(0, QStringLiteral("twenty"))->setPrice(20);
    reg.add(0, QStringLiteral("hundred"))->setPrice(100);

    ItemListView view;
    checkListModel(view);
    view.SetCollection(reg.collection.get());
    view.FillList(reg.collection.get());
    view.sortItems(ItemListView::PriceColumn, Qt::AscendingOrder);
    QCOMPARE(childNames(view.topLevelItem(0)), (QStringList { "twenty", "hundred" }));
}

void tst_ItemListView::refreshRowAfterEdit()
{
    IsolatedSettings settings;
    Register reg;
    Item *item = reg.add(1, QStringLiteral("Sofa"));
    item->setWww(QStringLiteral("www.a.dk"));
    item->setPhotolink(QStringLiteral("sofa.jpg"));

    ItemListView view;
    checkListModel(view);
    view.SetCollection(reg.collection.get());
    view.FillList(reg.collection.get());
    funiQListViewItem *row = view.topLevelItem(1)->child(0);

    item->setName(QStringLiteral("Stol"));
    item->setPrice(99.5);
    item->setWww(QString());
    item->setPhotolink(QString());
    QCOMPARE(view.RefreshRow(row, item), row);
    QCOMPARE(row->text(ItemListView::NameColumn), QStringLiteral("Stol"));
    QCOMPARE(row->text(ItemListView::PriceColumn), QStringLiteral("99.50"));
    QCOMPARE(row->text(ItemListView::WwwColumn), QString());
    // A link that became empty takes its icon with it.
    QVERIFY(row->icon(ItemListView::PictureColumn).isNull());
    view.RebuildList();
    QCOMPARE(view.topLevelItem(1)->child(0)->text(ItemListView::NameColumn), QStringLiteral("Stol"));
    QVERIFY(view.topLevelItem(1)->isExpanded());

    // Group rows and missing arguments are left alone.
    QVERIFY(!view.RefreshRow(view.topLevelItem(0), item));
    QVERIFY(!view.RefreshRow(nullptr, item));
    QCOMPARE(view.topLevelItem(0)->text(0), QStringLiteral("Stue"));
}

void tst_ItemListView::refreshRowMovesToNewGroup()
{
    IsolatedSettings settings;
    Register reg;
    Item *item = reg.add(0, QStringLiteral("Sofa"));
    reg.add(0, QStringLiteral("Stol"));

    ItemListView view;
    checkListModel(view);
    view.SetCollection(reg.collection.get());
    view.FillList(reg.collection.get());
    QSignalSpy selections(&view, &ItemListView::rowSelected);
    funiQListViewItem *row = view.FindListViewItem(item);
    QVERIFY(row);

    item->setGroup(2);
    funiQListViewItem *moved = view.RefreshRow(row, item);
    QVERIFY(moved);
    QCOMPARE(moved->parent(), view.topLevelItem(2));
    QCOMPARE(moved->item(), item);
    QCOMPARE(childNames(view.topLevelItem(0)), QStringList { "Stol" });
    QCOMPARE(view.isItemSelected(), moved);
    QCOMPARE(view.currentRowItem(), item);
    QVERIFY(!selections.isEmpty());
    QCOMPARE(selections.last().at(0).value<funiQListViewItem *>(), moved);
}

void tst_ItemListView::refreshRowWithMismatchingGroupTextEnds()
{
    IsolatedSettings settings;
    RecordedMessageBoxes boxes;
    Register reg;
    Item *item = reg.add(1, QStringLiteral("Sofa"));

    ItemListView view;
    checkListModel(view);
    view.SetCollection(reg.collection.get());
    view.FillList(reg.collection.get());
    // The group row no longer carries the group list's name.
    view.UpdateGroupItemName(1, QStringLiteral("Renamed"));
    QCOMPARE(view.topLevelItem(1)->text(0), QStringLiteral("Renamed"));

    funiQListViewItem *row = view.topLevelItem(1)->child(0);
    item->setName(QStringLiteral("Chaiselong"));
    funiQListViewItem *refreshed = view.RefreshRow(row, item);
    QVERIFY(refreshed);
    QCOMPARE(refreshed->parent(), view.topLevelItem(1));
    QCOMPARE(refreshed->text(ItemListView::NameColumn), QStringLiteral("Chaiselong"));
    QCOMPARE(view.topLevelItem(1)->childCount(), 1);

    auto owned = std::make_unique<Item>();
    owned->setGroup(1);
    Item *other = reg.collection->add(std::move(owned));
    QVERIFY(view.AddItem(other, false));
    QCOMPARE(view.topLevelItem(1)->childCount(), 2);
    QCOMPARE(boxes.count(), 0);
}

void tst_ItemListView::rowsFollowTheGroupNumber_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("to the second Stue") << 0 << 2;
    QTest::newRow("back to the first Stue") << 2 << 0;
    QTest::newRow("to Køkken") << 0 << 1;
    QTest::newRow("stays in the first Stue") << 0 << 0;
    QTest::newRow("stays in the second Stue") << 2 << 2;
}

void tst_ItemListView::rowsFollowTheGroupNumber()
{
    QFETCH(int, from);
    QFETCH(int, to);
    IsolatedSettings settings;
    RecordedMessageBoxes boxes;
    // Two groups of the same name.
    Register reg({ QStringLiteral("Stue"), QStringLiteral("Køkken"), QStringLiteral("Stue") });
    Item *item = reg.add(from, QStringLiteral("Sofa"));
    reg.add(from, QStringLiteral("Stol"));

    ItemListView view;
    checkListModel(view);
    view.SetCollection(reg.collection.get());
    view.FillList(reg.collection.get());
    funiQListViewItem *row = view.FindListViewItem(item);
    QCOMPARE(row->parent(), view.topLevelItem(from));

    item->setGroup(to);
    funiQListViewItem *refreshed = view.RefreshRow(row, item);
    QVERIFY(refreshed);
    QCOMPARE(refreshed->parent(), view.topLevelItem(to));
    QCOMPARE(refreshed->item(), item);
    if (from == to)
        QCOMPARE(refreshed, row);
    // One row for the item, in its group only.
    int rowsOfItem = 0;
    for (int g = 0; g < view.topLevelItemCount(); ++g)
        rowsOfItem += int(childNames(view.topLevelItem(g)).count(QStringLiteral("Sofa")));
    QCOMPARE(rowsOfItem, 1);
    QCOMPARE(childNames(view.topLevelItem(from)).contains(QStringLiteral("Stol")), true);
    QCOMPARE(boxes.count(), 0);
}

void tst_ItemListView::dateColumnShowsWholeDate_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<QString>("language");
    const QList<QPair<int, QString>> editions { { OstranaEdition, QStringLiteral("Ostrana") },
        { VistrelEdition, QStringLiteral("Vistrel") }, { NumivaxEdition, QStringLiteral("Numivax") },
        { QuorvelEdition, QStringLiteral("Quorvel") } };
    for (const auto &edition : editions) {
        for (const char *language : { "dk", "no", "en" })
            QTest::addRow("%s %s", qPrintable(edition.second), language)
                << edition.first << QString::fromLatin1(language);
    }
}

void tst_ItemListView::dateColumnShowsWholeDate()
{
    QFETCH(int, edition);
    QFETCH(QString, language);
    IsolatedSettings settings(edition);
    Settings().setValue(QStringLiteral("Language"), language);
    Register reg;
    // Dates with wide and narrow digits in every place.
    for (const char *date : { "28.08.2008", "30.09.1999", "11.11.1111", "04.07.2046" })
        reg.add(0, QStringLiteral("Ting"), QString::fromLatin1(date));

    ItemListView view;
    checkListModel(view);
    view.SetCollection(reg.collection.get());
    view.FillList(reg.collection.get());
    view.ViewAll(true);
    show(view);
    const QModelIndex group = view.model()->index(0, 0);
    QCOMPARE(view.model()->rowCount(group), 4);
    for (int row = 0; row < 4; ++row) {
        const QModelIndex cell = view.model()->index(row, ItemListView::DateColumn, group);
        const int needed = view.sizeHintForIndex(cell).width();
        QVERIFY2(view.columnWidth(ItemListView::DateColumn) >= needed,
            qPrintable(QStringLiteral("%1: %2 < %3")
                           .arg(cell.data().toString())
                           .arg(view.columnWidth(ItemListView::DateColumn))
                           .arg(needed)));
    }
}

void tst_ItemListView::deleteCurrentRow()
{
    IsolatedSettings settings;
    Register reg;
    Item *sofa = reg.add(0, QStringLiteral("Sofa"));
    reg.add(0, QStringLiteral("Stol"));

    ItemListView view;
    checkListModel(view);
    view.SetCollection(reg.collection.get());
    view.FillList(reg.collection.get());
    view.ViewAll(true);
    show(view);

    funiQListViewItem *row = view.topLevelItem(0)->child(0);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cellCentre(view, row, ItemListView::NameColumn));
    QCOMPARE(view.isItemSelected(), row);
    QCOMPARE(view.currentRowItem(), sofa);

    setDatabaseModified(false);
    QSignalSpy selections(&view, &ItemListView::rowSelected);
    view.DeleteItem();
    QCOMPARE(reg.collection->count(), 1);
    QVERIFY(!reg.collection->contains(sofa));
    QCOMPARE(childNames(view.topLevelItem(0)), QStringList { "Stol" });
    QVERIFY(!view.isItemSelected());
    QVERIFY(databaseModified());
    QVERIFY(!selections.isEmpty());
    QVERIFY(!selections.last().at(0).value<funiQListViewItem *>());

    // The second command finds no current row.
    view.DeleteItem();
    QCOMPARE(reg.collection->count(), 1);
    QCOMPARE(view.topLevelItem(0)->childCount(), 1);
}

void tst_ItemListView::deleteOnGroupRowDoesNothing()
{
    IsolatedSettings settings;
    Register reg;
    reg.add(0, QStringLiteral("Sofa"));

    ItemListView view;
    checkListModel(view);
    view.SetCollection(reg.collection.get());
    view.FillList(reg.collection.get());
    setDatabaseModified(false);
    view.ItemSelected(view.topLevelItem(0));
    view.DeleteItem();
    QCOMPARE(reg.collection->count(), 1);
    QCOMPARE(view.topLevelItem(0)->childCount(), 1);
    QVERIFY(!databaseModified());
}

void tst_ItemListView::collectionRemovalsDropRows()
{
    IsolatedSettings settings;
    Register reg;
    Item *sofa = reg.add(0, QStringLiteral("Sofa"));
    reg.add(1, QStringLiteral("Gryde"));

    ItemListView view;
    checkListModel(view);
    view.SetCollection(reg.collection.get());
    view.FillList(reg.collection.get());
    view.FindListViewItem(sofa);

    reg.collection->deleteItem(sofa);
    QCOMPARE(view.topLevelItem(0)->childCount(), 0);
    QVERIFY(!view.isItemSelected());
    QCOMPARE(view.topLevelItem(1)->childCount(), 1);

    reg.collection->clear();
    QCOMPARE(view.topLevelItemCount(), 3);
    QCOMPARE(view.topLevelItem(1)->childCount(), 0);
}

void tst_ItemListView::rowsFollowTheCollection_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("group0");
    QTest::addColumn<QStringList>("group1");
    QTest::addColumn<QString>("selected");

    // The list starts with Sofa in group 0 and Gryde in group 1.
    QTest::newRow("added") << "add" << QStringList { "Sofa", "Lampe" } << QStringList { "Gryde" } << "Lampe";
    QTest::newRow("added and listed by its maker")
        << "add and AddItem" << QStringList { "Sofa", "Lampe" } << QStringList { "Gryde" } << "Lampe";
    QTest::newRow("added beyond the groups")
        << "add to group 7" << QStringList { "Sofa" } << QStringList { "Gryde" } << "";
    QTest::newRow("changed") << "rename" << QStringList { "Chaiselong" } << QStringList { "Gryde" } << "";
    QTest::newRow("changed group") << "move" << QStringList {} << QStringList { "Gryde", "Sofa" } << "Sofa";
    QTest::newRow("changed without a row")
        << "change unlisted" << QStringList { "Sofa" } << QStringList { "Gryde", "Pande" } << "Pande";
    QTest::newRow("change of an item elsewhere")
        << "change foreign" << QStringList { "Sofa" } << QStringList { "Gryde" } << "";
    QTest::newRow("deleted") << "deleteItem" << QStringList {} << QStringList { "Gryde" } << "";
}

void tst_ItemListView::rowsFollowTheCollection()
{
    QFETCH(QString, change);
    QFETCH(QStringList, group0);
    QFETCH(QStringList, group1);
    QFETCH(QString, selected);
    IsolatedSettings settings;
    RecordedMessageBoxes boxes;
    Register reg;
    Item *sofa = reg.add(0, QStringLiteral("Sofa"));
    reg.add(1, QStringLiteral("Gryde"));
    ItemListView view;
    checkListModel(view);
    view.SetCollection(reg.collection.get());
    view.FillList(reg.collection.get());
    // An item the collection gained without announcing it has no row.
    Item *unlisted = nullptr;
    if (change == QLatin1String("change unlisted")) {
        const QSignalBlocker quiet(reg.collection.get());
        unlisted = reg.add(1, QStringLiteral("Pande"));
        QVERIFY(!view.rowForItem(unlisted));
        QCOMPARE(childNames(view.topLevelItem(1)), QStringList { "Gryde" });
    }
    setDatabaseModified(false);

    const auto newItem = [](int group, const QString &name) {
        auto item = std::make_unique<Item>();
        item->setGroup(group);
        item->setName(name);
        return item;
    };
    int expectBoxes = 0;
    DBItemCollection other(nullptr);
    if (change == QLatin1String("add")) {
        reg.collection->add(newItem(0, QStringLiteral("Lampe")));
    } else if (change == QLatin1String("add and AddItem")) {
        Item *lamp = reg.collection->add(newItem(0, QStringLiteral("Lampe")));
        QCOMPARE(view.AddItem(lamp, true), view.rowForItem(lamp));
    } else if (change == QLatin1String("add to group 7")) {
        reg.collection->add(newItem(7, QStringLiteral("Fjern")));
        expectBoxes = 1;
    } else if (change == QLatin1String("rename")) {
        sofa->setName(QStringLiteral("Chaiselong"));
        reg.collection->itemWasChanged(sofa);
    } else if (change == QLatin1String("move")) {
        sofa->setGroup(1);
        reg.collection->itemWasChanged(sofa);
    } else if (change == QLatin1String("change unlisted")) {
        reg.collection->itemWasChanged(unlisted);
    } else if (change == QLatin1String("change foreign")) {
        // Another collection's announcements are not this list's business.
        Item *elsewhere = other.add(newItem(0, QStringLiteral("Fremmed")));
        other.itemWasChanged(elsewhere);
        other.deleteItem(elsewhere);
    } else if (change == QLatin1String("deleteItem")) {
        reg.collection->deleteItem(sofa);
    }

    QCOMPARE(childNames(view.topLevelItem(0)), group0);
    QCOMPARE(childNames(view.topLevelItem(1)), group1);
    QCOMPARE(view.topLevelItem(2)->childCount(), 0);
    const funiQListViewItem *current = view.isItemSelected();
    QCOMPARE(current ? current->text(ItemListView::NameColumn) : QString(), selected);
    if (current)
        QCOMPARE(view.selectedItems(), QList<funiQListViewItem *> { view.isItemSelected() });
    QVERIFY(databaseModified());
    QCOMPARE(boxes.count(), expectBoxes);
    if (expectBoxes)
        QVERIFY(boxes.last().text.startsWith(QStringLiteral("MAX_LIMIT_ERROR")));
}

void tst_ItemListView::deleteLeavesForeignItemAlone()
{
    IsolatedSettings settings;
    Register reg;
    reg.add(0, QStringLiteral("Sofa"));

    ItemListView view;
    checkListModel(view);
    view.SetCollection(reg.collection.get());
    view.FillList(reg.collection.get());
    // A row for an item that is not the collection's: the list may drop the
    // row, but the item is its owner's to delete.
    auto foreign = std::make_unique<Item>();
    foreign->setGroup(1);
    funiQListViewItem *row = view.AddItem(foreign.get(), true);
    QVERIFY(row);
    setDatabaseModified(false);
    view.DeleteItem();
    QVERIFY(!view.rowForItem(foreign.get()));
    QVERIFY(!view.isItemSelected());
    QCOMPARE(reg.collection->count(), 1);
    QVERIFY(!databaseModified());
    // foreign deletes the item at the end: had the list deleted it too, the
    // test would end in a double delete.
}

void tst_ItemListView::dialogShowingAnItemSelectsItsRow()
{
    IsolatedSettings settings;
    RecordedMessageBoxes boxes;
    Register reg;
    reg.add(0, QStringLiteral("Sofa"));
    Item *pot = reg.add(1, QStringLiteral("Gryde"));

    ItemListView view;
    checkListModel(view);
    view.SetCollection(reg.collection.get());
    view.FillList(reg.collection.get());
    view.ItemSelected(view.topLevelItem(0)->child(0));

    ItemDialog *dialog = view.openItemDialog(nullptr, QStringLiteral("DATA"), true, nullptr, QString());
    QVERIFY(dialog);
    QCOMPARE(openDialogs(), QList<ItemDialog *> { dialog });
    QVERIFY(dialog->testAttribute(Qt::WA_DeleteOnClose));
    emit dialog->itemShown(pot);
    QCOMPARE(view.isItemSelected(), view.rowForItem(pot));
    QCOMPARE(view.selectedItems(), QList<funiQListViewItem *> { view.rowForItem(pot) });

    // An item without a row leaves the selection as it was.
    Item stranger;
    emit dialog->itemShown(&stranger);
    QCOMPARE(view.isItemSelected(), view.rowForItem(pot));
    closeDialogs();
}

void tst_ItemListView::findListViewItem()
{
    IsolatedSettings settings;
    Register reg;
    reg.add(0, QStringLiteral("a"));
    Item *b = reg.add(2, QStringLiteral("b"));

    ItemListView view;
    checkListModel(view);
    view.SetCollection(reg.collection.get());
    view.FillList(reg.collection.get());
    funiQListViewItem *row = view.FindListViewItem(b);
    QVERIFY(row);
    QCOMPARE(row->item(), b);
    QCOMPARE(view.isItemSelected(), row);

    // An item no row holds gives none and leaves the current row alone.
    Item stranger;
    QVERIFY(!view.FindListViewItem(&stranger));
    QCOMPARE(view.isItemSelected(), row);
}

void tst_ItemListView::clickSelectsAndReports()
{
    IsolatedSettings settings;
    Register reg;
    Item *a = reg.add(0, QStringLiteral("a"));
    a->setPhotolink(QStringLiteral("a.pdf"));
    a->setDocument(QStringLiteral("d.pdf"));
    reg.add(0, QStringLiteral("b"));

    ItemListView view;
    checkListModel(view);
    view.SetCollection(reg.collection.get());
    view.FillList(reg.collection.get());
    view.ViewAll(true);
    show(view);
    QSignalSpy selections(&view, &ItemListView::rowSelected);

    funiQListViewItem *rowA = view.topLevelItem(0)->child(0);
    funiQListViewItem *rowB = view.topLevelItem(0)->child(1);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cellCentre(view, rowA, 1));
    QVERIFY(!selections.isEmpty());
    QCOMPARE(selections.last().at(0).value<funiQListViewItem *>(), rowA);
    QVERIFY(view.HasPictureLink(rowA));
    QVERIFY(view.HasDocument(rowA));
    QVERIFY(!view.HasUrl(rowA));
    QVERIFY(!view.HasReceipt(rowA));

    // Ctrl adds the row to the selection; the row clicked is the current one.
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::ControlModifier, cellCentre(view, rowB, 1));
    QList<funiQListViewItem *> both = view.selectedItems();
    std::sort(both.begin(), both.end(),
        [](funiQListViewItem *x, funiQListViewItem *y) { return x->item()->name() < y->item()->name(); });
    QCOMPARE(both, (QList<funiQListViewItem *> { rowA, rowB }));
    QCOMPARE(view.isItemSelected(), rowB);
    QVERIFY(!view.HasPictureLink(rowB));

    // The keyboard moves the current row too.
    QTest::keyClick(&view, Qt::Key_Up);
    QCOMPARE(view.isItemSelected(), rowA);
    QCOMPARE(view.selectedItems(), QList<funiQListViewItem *> { rowA });
}

void tst_ItemListView::showCommands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("viewer"); // stored program setting; "-" for none
    QTest::addColumn<QString>("expected"); // "", "open", "start:PROGRAM", "box" or "dialog:PAGE"

    QTest::newRow("picture empty") << "picture"
                                   << ""
                                   << "-"
                                   << "";
    QTest::newRow("picture pdf, no viewer") << "picture"
                                            << "scan.pdf"
                                            << "-"
                                            << "open";
    QTest::newRow("picture pdf, chosen viewer") << "picture"
                                                << "scan.pdf"
                                                << "/opt/view"
                                                << "start:/opt/view";
    QTest::newRow("picture file goes to the dialog") << "picture"
                                                     << "foto.JPEG"
                                                     << "/opt/view"
                                                     << "dialog:PICTURE";
    QTest::newRow("receipt empty") << "receipt"
                                   << ""
                                   << "-"
                                   << "";
    QTest::newRow("receipt pdf") << "receipt"
                                 << "bon.pdf"
                                 << "/opt/view"
                                 << "open";
    QTest::newRow("receipt picture goes to the dialog") << "receipt"
                                                        << "bon.png"
                                                        << "-"
                                                        << "dialog:RECEIPT";
    QTest::newRow("web empty") << "www"
                               << ""
                               << "-"
                               << "box";
    QTest::newRow("web, no program") << "www"
                                     << "https://example.org"
                                     << "-"
                                     << "open";
    QTest::newRow("web, chosen program") << "www"
                                         << "https://example.org"
                                         << "/opt/web"
                                         << "start:/opt/web";
    QTest::newRow("document empty") << "document"
                                    << ""
                                    << "-"
                                    << "";
    QTest::newRow("document") << "document"
                              << "manual.pdf"
                              << "-"
                              << "open";
}

void tst_ItemListView::showCommands()
{
    QFETCH(QString, command);
    QFETCH(QString, link);
    QFETCH(QString, viewer);
    QFETCH(QString, expected);

    IsolatedSettings settings;
    RecordedMessageBoxes boxes;
    Launcher::Recording launches;
    if (viewer != QLatin1String("-")) {
        Settings store;
        store.setValue(
            command == QLatin1String("www") ? QStringLiteral("wwwProgram") : QStringLiteral("PictureViewerProgram"),
            viewer);
    }
    // Files must exist to be opened; addresses are handed over as they are.
    const auto folder = linkFolder();
    if (!link.isEmpty() && command != QLatin1String("www")) {
        link = folder->filePath(link);
        QVERIFY(TestSupport::writeFile(link, "x"));
    }
    Register reg;
    Item *item = reg.add(0, QStringLiteral("x"));
    if (command == QLatin1String("picture"))
        item->setPhotolink(link);
    else if (command == QLatin1String("receipt"))
        item->setReceipt(link);
    else if (command == QLatin1String("www"))
        item->setWww(link);
    else
        item->setDocument(link);

    ItemListView view;
    checkListModel(view);
    view.SetCollection(reg.collection.get());
    view.FillList(reg.collection.get());
    auto run = [&] {
        if (command == QLatin1String("picture"))
            view.ShowPicture1();
        else if (command == QLatin1String("receipt"))
            view.ShowImage2();
        else if (command == QLatin1String("www"))
            view.ShowUrl();
        else
            view.ShowDocument();
    };

    // No current row, then a group row: nothing at all.
    run();
    view.ItemSelected(view.topLevelItem(0));
    run();
    QCOMPARE(launches.count(), 0);
    QCOMPARE(boxes.count(), 0);

    view.FindListViewItem(item);
    run();
    if (expected.startsWith(QLatin1String("dialog:"))) {
        QCOMPARE(launches.count(), 0);
        const QList<ItemDialog *> dialogs = openDialogs();
        QCOMPARE(dialogs.size(), 1);
        ItemDialog *dialog = dialogs.first();
        QVERIFY(!dialog->parentWidget());
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->currentItem(), item);
        QCOMPARE(dialog->primaryTabWidget->currentWidget(),
            expected == QLatin1String("dialog:PICTURE") ? dialog->picturePage : dialog->receiptPage);
        closeDialogs();
    } else if (expected.isEmpty()) {
        QCOMPARE(launches.count(), 0);
        QCOMPARE(boxes.count(), 0);
    } else if (expected == QLatin1String("box")) {
        QCOMPARE(launches.count(), 0);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().kind, MessageBox::Critical);
        QCOMPARE(boxes.last().title, QStringLiteral("NB!"));
        QCOMPARE(boxes.last().text, QStringLiteral("Ingen URL tilknyttet valgte inventar"));
        QCOMPARE(boxes.last().buttons, QStringList { QStringLiteral("Ok") });
    } else if (expected == QLatin1String("open")) {
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(launches.count(), 1);
        QCOMPARE(launches.last().kind, Launcher::Request::OpenUrl);
        QCOMPARE(launches.last().url, Launcher::urlForTarget(link));
    } else {
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(launches.count(), 1);
        QCOMPARE(launches.last().kind, Launcher::Request::StartProgram);
        QCOMPARE(launches.last().program, expected.mid(6));
        QCOMPARE(launches.last().arguments, QStringList { link });
    }
    QVERIFY(openDialogs().isEmpty());
}

void tst_ItemListView::pressOnLinkColumns()
{
    IsolatedSettings settings;
    RecordedMessageBoxes boxes;
    Launcher::Recording launches;
    const auto folder = linkFolder();
    const QString manual = folder->filePath(QStringLiteral("manual.pdf"));
    QVERIFY(TestSupport::writeFile(manual, "x"));
    Register reg;
    Item *item = reg.add(0, QStringLiteral("x"));
    item->setWww(QStringLiteral("https://example.org"));
    item->setDocument(manual);

    ItemListView view;
    checkListModel(view);
    view.SetCollection(reg.collection.get());
    view.FillList(reg.collection.get());
    view.ViewAll(true);
    show(view);
    funiQListViewItem *row = view.topLevelItem(0)->child(0);

    // A press in an ordinary column only selects.
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cellCentre(view, row, ItemListView::NameColumn));
    QCOMPARE(launches.count(), 0);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cellCentre(view, row, ItemListView::WwwColumn));
    QCOMPARE(launches.count(), 1);
    QCOMPARE(launches.last().url, Launcher::urlForTarget(QStringLiteral("https://example.org")));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cellCentre(view, row, ItemListView::DocumentColumn));
    QCOMPARE(launches.count(), 2);
    QCOMPARE(launches.last().url, Launcher::urlForTarget(manual));
    // The right button does not open anything.
    QTest::mouseClick(view.viewport(), Qt::RightButton, {}, cellCentre(view, row, ItemListView::WwwColumn));
    QCOMPARE(launches.count(), 2);
    QCOMPARE(boxes.count(), 0);
    view.contextMenu()->hide();
}

void tst_ItemListView::doubleClickAndReturnOpenItemDialog()
{
    IsolatedSettings settings;
    RecordedMessageBoxes boxes;
    Register reg;
    Item *item = reg.add(1, QStringLiteral("Gryde"));

    ItemListView view;
    checkListModel(view);
    view.SetCollection(reg.collection.get());
    view.FillList(reg.collection.get());
    view.ViewAll(true);
    // Without a current row the edit command does nothing.
    view.EditItem();
    QVERIFY(openDialogs().isEmpty());
    show(view);

    funiQListViewItem *row = view.topLevelItem(1)->child(0);
    doubleClick(view, row, ItemListView::NameColumn);
    QList<ItemDialog *> dialogs = openDialogs();
    QCOMPARE(dialogs.size(), 1);
    QCOMPARE(dialogs.first()->parentWidget(), &view);
    QCOMPARE(dialogs.first()->currentItem(), item);
    QCOMPARE(dialogs.first()->primaryTabWidget->currentWidget(), dialogs.first()->basicPage);
    closeDialogs();

    // Return on a group row starts a new item in that group.
    view.setCurrentItem(view.topLevelItem(2));
    QTest::keyClick(&view, Qt::Key_Return);
    dialogs = openDialogs();
    QCOMPARE(dialogs.size(), 1);
    QCOMPARE(dialogs.first()->objectName(), QStringLiteral("Kælder"));
    QVERIFY(dialogs.first()->currentItem() != item);
    closeDialogs();

    view.SeachItem();
    dialogs = openDialogs();
    QCOMPARE(dialogs.size(), 1);
    QVERIFY(!dialogs.first()->parentWidget());
    closeDialogs();
    QCOMPARE(reg.collection->count(), 1);
}

void tst_ItemListView::contextMenu()
{
    IsolatedSettings settings;
    Register reg;
    reg.add(0, QStringLiteral("x"));

    ItemListView view;
    checkListModel(view);
    QAction print(QStringLiteral("print"));
    QAction edit(QStringLiteral("edit"));
    view.addToContextMenu(&print);
    view.addToContextMenu(nullptr);
    view.addToContextMenu(&edit);
    const QList<QAction *> actions = view.contextMenu()->actions();
    QCOMPARE(actions.size(), 3);
    QCOMPARE(actions.at(0), &print);
    QVERIFY(actions.at(1)->isSeparator());
    QCOMPARE(actions.at(2), &edit);

    view.SetCollection(reg.collection.get());
    view.FillList(reg.collection.get());
    view.ShowContextMenu(nullptr);
    QVERIFY(!view.contextMenu()->isVisible());
    view.ShowContextMenu(view.topLevelItem(0));
    QVERIFY(view.contextMenu()->isVisible());
    view.contextMenu()->hide();
}

void tst_ItemListView::columnWidthsSavedAndRestored()
{
    IsolatedSettings settings;
    Register reg;
    {
        ItemListView view;
        checkListModel(view);
        // The defaults, widened where the heading needs more.
        QVERIFY(view.columnWidth(ItemListView::CountColumn) >= 36);
        QCOMPARE(view.columnWidth(ItemListView::NameColumn), 120);
        QVERIFY(view.columnWidth(ItemListView::DateColumn) >= 66);
        view.SetCollection(reg.collection.get());
        view.setColumnWidth(ItemListView::WwwColumn, 211);
        view.setColumnWidth(ItemListView::ReceiptColumn, 33);
        view.setColumnWidth(ItemListView::ModelColumn, 77);
        view.SaveColumnWidths();
    }
    Settings store;
    QCOMPARE(store.value(QStringLiteral("ListView/WWWCOLUMNwidth")).toInt(), 211);
    QCOMPARE(store.value(QStringLiteral("ListView/RECEIPTCOLUMNwidth")).toInt(), 33);
    QCOMPARE(store.value(QStringLiteral("ListView/PRODUCTTYPECOLUMNwidth")).toInt(), 77);
    QCOMPARE(store.value(QStringLiteral("ListView/Colums")).toInt(), ListColumnCount);
    QCOMPARE(store.value(QStringLiteral("ListView/childCount")).toInt(), 3);

    ItemListView restored;
    checkListModel(restored);
    QCOMPARE(restored.columnWidth(ItemListView::WwwColumn), 211);
    QCOMPARE(restored.columnWidth(ItemListView::ReceiptColumn), 33);
    QCOMPARE(restored.columnWidth(ItemListView::ModelColumn), 77);
    QCOMPARE(restored.columnWidth(ItemListView::NameColumn), 120);
}

void tst_ItemListView::fillManyItemsQuickly()
{
    IsolatedSettings settings;
    Register reg;
    constexpr int count = 100000;
    for (int i = 0; i < count; ++i) {
        Item *item = reg.add(i % 3, QStringLiteral("Item %1").arg(i), QStringLiteral("01.02.2003"));
        item->setPrice(i);
        item->setPhotolink(i % 2 ? QStringLiteral("p.jpg") : QString());
        item->setDescription(QStringLiteral("Beskrivelse"));
    }

    ItemListView view;
    show(view);
    QElapsedTimer timer;
    timer.start();
    view.SetCollection(reg.collection.get());
    view.FillList(reg.collection.get());
    view.ViewAll(true);
    QCoreApplication::processEvents();
    const qint64 elapsed = timer.elapsed();
    qInfo("filled %d rows in %lld ms", count, elapsed);
    int rows = 0;
    for (int i = 0; i < view.topLevelItemCount(); ++i)
        rows += view.topLevelItem(i)->childCount();
    QCOMPARE(rows, count);
    QVERIFY2(elapsed < 2000, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));

    timer.restart();
    view.ClearList();
    qInfo("cleared in %lld ms", timer.elapsed());
}

QTEST_MAIN(tst_ItemListView)
#include "tst_itemlistview.moc"
