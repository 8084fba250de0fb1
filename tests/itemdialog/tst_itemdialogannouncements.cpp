#include <QtTest>

#include <QImage>
#include <QLabel>

#include <functional>

#include "ItemDialogFixture.h"
#include "TestSupport.h"
#include "core/Settings.h"
#include "itemdialog/ItemPicturePreviews.h"

// The item dialog works on the collection alone: what it saves and deletes
// reaches the views only through the collection's announcements, and where
// it moves to only through its own. None of these dialogs is connected to
// the list view.

using namespace ItemDialogTest;

namespace {

std::unique_ptr<ItemDialog> openAlone(Register &reg, Item *item, bool search = false)
{
    return std::make_unique<ItemDialog>(&reg.collection, search ? nullptr : item, QStringLiteral("DATA"), search);
}

// What a user sees of the edition's look, for every field and button. The
// product model is left out: it is offered for an item that has one.
QStringList look(const ItemDialog &d)
{
    QStringList result { d.windowTitle(), QString::number(d.helpPushButton->isEnabled()) };
    for (const QWidget *widget : d.findChildren<QWidget *>()) {
        if (widget->objectName().isEmpty() || widget->objectName().startsWith(QLatin1String("qt_"))
            || widget == d.productBrandLineEdit || widget == d.ManufacturerTextLabel)
            continue;
        result << QStringLiteral("%1 hidden=%2 tip=%3 what=%4")
                      .arg(widget->objectName())
                      .arg(widget->isHidden())
                      .arg(widget->toolTip(), widget->whatsThis());
    }
    return result;
}

QString writePicture(const QTemporaryDir &dir, const QString &name, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    const QString path = dir.filePath(name);
    if (!image.save(path, "PNG"))
        qWarning("could not write %s", qPrintable(path));
    return path;
}

} // namespace

class tst_ItemDialogAnnouncements : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<Item *>(); }

    void announcesTheItemItMovesTo_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("announced");
        QTest::newRow("next") << "next"
                              << "Lamp shade";
        QTest::newRow("previous") << "previous"
                                  << "Sofa";
        QTest::newRow("search hit") << "search"
                                    << "Chair";
        QTest::newRow("search again") << "again"
                                      << "Desk Lamp";
        QTest::newRow("search miss") << "miss"
                                     << "";
        QTest::newRow("new item") << "new"
                                  << "";
        QTest::newRow("copy") << "copy"
                              << "";
        QTest::newRow("next from a copy") << "copy next"
                                          << "";
        QTest::newRow("reset") << "reset"
                               << "";
    }
    void announcesTheItemItMovesTo()
    {
        QFETCH(QString, operation);
        QFETCH(QString, announced);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        TestSupport::RecordedMessageBoxes boxes;
        Register reg;
        auto d = openAlone(reg, reg.lamp);

        // A view answers at once, and may read the dialog while it does: the
        // item is current and shown by then.
        QStringList heard;
        QObject::connect(d.get(), &ItemDialog::itemShown, d.get(), [&heard, &d](Item *item) {
            QCOMPARE(d->currentItem(), item);
            QCOMPARE(d->nameLineEdit->text(), item->name());
            heard << item->name();
        });

        if (operation == QLatin1String("next")) {
            d->NextSlot();
        } else if (operation == QLatin1String("previous")) {
            d->PreviousSlot();
        } else if (operation == QLatin1String("search") || operation == QLatin1String("miss")) {
            d->ResetSlot();
            d->nameLineEdit->setText(
                operation == QLatin1String("search") ? QStringLiteral("Chair") : QStringLiteral("Piano"));
            d->seach_slot();
        } else if (operation == QLatin1String("again")) {
            d->ResetSlot();
            d->nameLineEdit->setText(QStringLiteral("Lamp"));
            d->seach_slot();
            heard.clear();
            d->ResetSlot();
            d->nameLineEdit->setText(QStringLiteral("Lamp"));
            d->seach_slot();
        } else if (operation == QLatin1String("new")) {
            d->newItem_slot();
        } else if (operation.startsWith(QLatin1String("copy"))) {
            d->copy_slot();
            if (operation.endsWith(QLatin1String("next")))
                d->NextSlot();
        } else {
            d->ResetSlot();
        }
        QCOMPARE(heard, announced.isEmpty() ? QStringList() : QStringList { announced });
    }

    void savesThroughTheCollection_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("added");
        QTest::addColumn<int>("changed");
        QTest::addColumn<bool>("modified");
        QTest::newRow("new item") << "new" << 1 << 0 << true;
        QTest::newRow("copy") << "copy" << 1 << 0 << true;
        QTest::newRow("shown item") << "shown" << 0 << 1 << true;
        QTest::newRow("refused input") << "refused" << 0 << 0 << false;
        QTest::newRow("search mode") << "search" << 0 << 0 << false;
    }
    void savesThroughTheCollection()
    {
        QFETCH(QString, what);
        QFETCH(int, added);
        QFETCH(int, changed);
        QFETCH(bool, modified);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        TestSupport::RecordedMessageBoxes boxes;
        Register reg;
        auto d = openAlone(reg, reg.sofa, what == QLatin1String("search"));
        if (what == QLatin1String("new")) {
            d->newItem_slot();
            d->nameLineEdit->setText(QStringLiteral("Hylde"));
            d->priceLineEdit->setText(QStringLiteral("10"));
        } else if (what == QLatin1String("copy")) {
            d->copy_slot();
        } else if (what == QLatin1String("refused")) {
            d->priceLineEdit->clear();
        }
        setDatabaseModified(false);
        Item *item = d->currentItem();

        // The dialog has let go of a new item before anyone hears of it, so
        // a listener may close the dialog without taking the item along.
        QList<Item *> addedItems;
        QList<bool> ownedWhenAdded;
        QList<Item *> changedItems;
        QObject::connect(&reg.collection, &DBItemCollection::itemAdded, d.get(), [&](Item *it) {
            addedItems << it;
            ownedWhenAdded << d->ownsCurrentItem();
        });
        QObject::connect(
            &reg.collection, &DBItemCollection::itemChanged, d.get(), [&](Item *it) { changedItems << it; });

        d->save_slot();
        QCOMPARE(addedItems.size(), added);
        QCOMPARE(changedItems.size(), changed);
        for (Item *it : addedItems + changedItems)
            QCOMPARE(it, item);
        QCOMPARE(ownedWhenAdded, QList<bool>(added, false));
        QCOMPARE(reg.collection.count(), 4 + added);
        QCOMPARE(databaseModified(), modified);
        QVERIFY(!d->ownsCurrentItem());
        if (added) {
            QCOMPARE(reg.collection.at(4), item);
            // Saving again changes the item, now one of the collection.
            d->save_slot();
            QCOMPARE(addedItems.size(), 1);
            QCOMPARE(changedItems, QList<Item *> { item });
        }
    }

    void deletesThroughTheCollection_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<bool>("deleted");
        QTest::newRow("shown item") << "shown" << true;
        QTest::newRow("unsaved new item") << "new" << false;
        QTest::newRow("unsaved copy") << "copy" << false;
        QTest::newRow("search mode") << "search" << false;
    }
    void deletesThroughTheCollection()
    {
        QFETCH(QString, what);
        QFETCH(bool, deleted);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        Register reg;
        auto d = openAlone(reg, reg.shade, what == QLatin1String("search"));
        if (what == QLatin1String("new"))
            d->newItem_slot();
        else if (what == QLatin1String("copy"))
            d->copy_slot();
        setDatabaseModified(false);
        Item *before = d->currentItem();
        QSignalSpy removed(&reg.collection, &DBItemCollection::itemRemoved);

        d->delete_slot();
        QCOMPARE(removed.count(), deleted ? 1 : 0);
        QCOMPARE(reg.collection.count(), deleted ? 3 : 4);
        QCOMPARE(databaseModified(), deleted);
        if (deleted) {
            reg.shade = nullptr;
            QVERIFY(!d->currentItem());
            QCOMPARE(d->nameLineEdit->text(), QString());
        } else {
            QCOMPARE(d->currentItem(), before);
            QCOMPARE(d->ownsCurrentItem(), what != QLatin1String("search"));
        }
    }

    void htmlRequestNamesTheCurrentItem_data()
    {
        QTest::addColumn<QString>("what");
        QTest::newRow("shown item") << "shown";
        QTest::newRow("unsaved new item") << "new";
        QTest::newRow("search mode") << "search";
    }
    void htmlRequestNamesTheCurrentItem()
    {
        QFETCH(QString, what);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        Register reg;
        auto d = openAlone(reg, reg.chair, what == QLatin1String("search"));
        if (what == QLatin1String("new"))
            d->newItem_slot();
        QSignalSpy requests(d.get(), &ItemDialog::viewAsHtmlRequested);
        QTest::mouseClick(d->ViewCurrentAsHtmlPushButton, Qt::LeftButton);
        QCOMPARE(requests.count(), 1);
        QCOMPARE(requests.first().first().value<Item *>(), d->currentItem());
        QCOMPARE(d->currentItem() == reg.chair, what == QLatin1String("shown"));
    }

    // The edition's look is set once; nothing the user does afterwards may
    // undo a hidden field, a tooltip or the title.
    void editionLookStaysThroughEveryMode_data()
    {
        QTest::addColumn<int>("edition");
        QTest::newRow("Ostrana") << int(OstranaEdition);
        QTest::newRow("Vistrel") << int(VistrelEdition);
        QTest::newRow("Numivax") << int(NumivaxEdition);
        QTest::newRow("Quorvel") << int(QuorvelEdition);
    }
    void editionLookStaysThroughEveryMode()
    {
        QFETCH(int, edition);
        TestSupport::IsolatedSettings settings(edition);
        Settings().setValue(QStringLiteral("Language"), QStringLiteral("no"));
        TestSupport::RecordedMessageBoxes boxes;
        Register reg;
        auto d = openAlone(reg, reg.sofa);
        const QStringList atStart = look(*d);

        const QList<std::pair<const char *, std::function<void()>>> steps = {
            { "new", [&] { d->newItem_slot(); } },
            { "reset", [&] { d->ResetSlot(); } },
            { "search hit",
                [&] {
                    d->nameLineEdit->setText(QStringLiteral("Lamp"));
                    d->seach_slot();
                } },
            { "next", [&] { d->NextSlot(); } },
            { "copy", [&] { d->copy_slot(); } },
            { "show item", [&] { d->showItem(reg.chair); } },
        };
        for (const auto &[name, step] : steps) {
            step();
            const QStringList now = look(*d);
            for (qsizetype i = 0; i < atStart.size(); ++i)
                QVERIFY2(now.value(i) == atStart.at(i),
                    qPrintable(QStringLiteral("after %1: %2 became %3")
                                   .arg(QLatin1String(name), atStart.at(i), now.value(i))));
        }
    }

    // The database's field names may change while the dialog is open; they
    // are taken afresh when the dialog starts afresh, and only then.
    void fieldTitlesAreTakenAfreshOnlyForAFreshStart_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<bool>("retitled");
        QTest::newRow("new item") << "new" << true;
        QTest::newRow("search hit") << "search" << true;
        QTest::newRow("search miss") << "miss" << false;
        QTest::newRow("next") << "next" << false;
        QTest::newRow("copy") << "copy" << false;
        QTest::newRow("reset") << "reset" << false;
    }
    void fieldTitlesAreTakenAfreshOnlyForAFreshStart()
    {
        QFETCH(QString, operation);
        QFETCH(bool, retitled);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        TestSupport::RecordedMessageBoxes boxes;
        Register reg;
        reg.collection.fields().add(QStringLiteral("Kategori"));
        auto d = openAlone(reg, reg.sofa);
        QCOMPARE(d->TypeTextLabel->text(), QStringLiteral("Kategori"));

        reg.collection.fields().clear();
        reg.collection.fields().add(QStringLiteral("Slags"));
        reg.collection.groups().add(QStringLiteral("Loft"));
        if (operation == QLatin1String("new")) {
            d->newItem_slot();
        } else if (operation == QLatin1String("search") || operation == QLatin1String("miss")) {
            d->ResetSlot();
            d->nameLineEdit->setText(
                operation == QLatin1String("search") ? QStringLiteral("Chair") : QStringLiteral("Piano"));
            d->seach_slot();
        } else if (operation == QLatin1String("next")) {
            d->NextSlot();
        } else if (operation == QLatin1String("copy")) {
            d->copy_slot();
        } else {
            d->ResetSlot();
        }
        QCOMPARE(d->TypeTextLabel->text(), retitled ? QStringLiteral("Slags") : QStringLiteral("Kategori"));
        QCOMPARE(d->groupComboBox->count(), retitled ? 4 : 3);
    }

    void previewsFitTheirLabels_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("label");
        QTest::addColumn<QSize>("shown");
        QTest::newRow("larger, same shape") << QSize(1600, 1200) << QSize(400, 300) << QSize(400, 300);
        QTest::newRow("wide") << QSize(400, 100) << QSize(200, 200) << QSize(200, 50);
        QTest::newRow("tall") << QSize(100, 400) << QSize(200, 200) << QSize(50, 200);
        QTest::newRow("smaller") << QSize(40, 30) << QSize(400, 300) << QSize(40, 30);
        QTest::newRow("one side at the edge") << QSize(200, 100) << QSize(200, 200) << QSize(200, 100);
    }
    void previewsFitTheirLabels()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, label);
        QFETCH(QSize, shown);
        QTemporaryDir dir;
        const QString file = writePicture(dir, QStringLiteral("p.png"), picture);
        // Shown, so that a resize reaches the labels at once.
        QWidget window;
        window.resize(label * 3);
        QLabel icon(&window), page(&window), receipt(&window);
        for (QLabel *l : { &icon, &page, &receipt })
            l->resize(label);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        ItemPicturePreviews previews(&icon, &page, &receipt, nullptr);

        previews.showPicture(file);
        QCOMPARE(page.pixmap().size(), shown);
        previews.showReceipt(file);
        QCOMPARE(receipt.pixmap().size(), shown);
        previews.showIcon(file);
        QCOMPARE(icon.pixmap().size(), shown);

        // A picture just chosen is shown whole until its label is resized.
        previews.showPictureAsIs(file);
        QCOMPARE(page.pixmap().size(), picture);
        page.resize(label * 2);
        QVERIFY(page.pixmap().width() <= page.width() && page.pixmap().height() <= page.height());
        QVERIFY(!page.pixmap().isNull());

        // A receipt that cannot be read leaves what was shown.
        previews.showReceipt(dir.filePath(QStringLiteral("missing.png")));
        QCOMPARE(receipt.pixmap().size(), shown);
        // A forgotten picture does not come back when its label is resized.
        previews.forgetIcon();
        QVERIFY(icon.pixmap().isNull());
        icon.resize(label * 2);
        QVERIFY(icon.pixmap().isNull());
    }
};

QTEST_MAIN(tst_ItemDialogAnnouncements)
#include "tst_itemdialogannouncements.moc"
