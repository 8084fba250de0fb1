#include <QtTest>

#include "ItemDialogFixture.h"
#include "TestSupport.h"
#include "barcodes/LocationUpdate.h"

// The item an open dialog shows can change or go while the user works on it:
// a scanner import, the list or another dialog. The dialog follows, and its
// OK never writes back a value it read before such a change.

using namespace ItemDialogTest;

namespace {

QString today()
{
    return QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
}

// Applies a scanner file of these lines to the register, as the main
// window's import does.
bool importLines(Register &reg, const QByteArray &lines)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Location.update.txt"));
    return TestSupport::writeFile(path, lines) && LocationUpdate::importFile(path, reg.collection);
}

} // namespace

class tst_ItemDialogFollows : public QObject
{
    Q_OBJECT

private slots:
    // The lamp (group 1, inventory number 12) has 2 pieces; the import
    // counts 3 more.
    void importWhileOpen_data()
    {
        QTest::addColumn<QString>("edited");
        QTest::addColumn<int>("answer"); // -1: no question; 0: keep my changes; 1: show the new values
        QTest::addColumn<QString>("shownName");
        QTest::addColumn<QString>("shownCount");
        QTest::addColumn<QString>("savedName");
        QTest::addColumn<int>("savedCount");

        QTest::newRow("untouched: shows the new count") << "" << -1 << "Desk Lamp"
                                                        << "5"
                                                        << "Desk Lamp" << 5;
        QTest::newRow("name edited, kept") << "name" << 0 << "Bureaulampe"
                                           << "5"
                                           << "Bureaulampe" << 5;
        QTest::newRow("name edited, new values shown") << "name" << 1 << "Desk Lamp"
                                                       << "5"
                                                       << "Desk Lamp" << 5;
        // A count typed reaches the item at once, so the import counts on
        // from it; keeping the typed count is the user's choice.
        QTest::newRow("count edited, kept") << "count" << 0 << "Desk Lamp"
                                            << "7"
                                            << "Desk Lamp" << 7;
        QTest::newRow("count edited, new values shown") << "count" << 1 << "Desk Lamp"
                                                        << "10"
                                                        << "Desk Lamp" << 10;
    }
    void importWhileOpen()
    {
        QFETCH(QString, edited);
        QFETCH(int, answer);
        QFETCH(QString, shownName);
        QFETCH(QString, shownCount);
        QFETCH(QString, savedName);
        QFETCH(int, savedCount);
        TestSupport::IsolatedSettings settings(QuorvelEdition);
        TestSupport::RecordedMessageBoxes boxes;
        Register reg;
        auto d = reg.open(reg.lamp);
        if (edited == QLatin1String("name"))
            retype(d->nameLineEdit, QStringLiteral("Bureaulampe"));
        else if (edited == QLatin1String("count"))
            retype(d->numberOfItemsLineEdit, QStringLiteral("7"));
        if (answer >= 0)
            MessageBox::queueAnswerIndex(answer);

        QVERIFY(importLines(reg, "I;1;12;3\r\n"));
        if (answer < 0) {
            QCOMPARE(boxes.count(), 0);
        } else {
            QCOMPARE(boxes.count(), 1);
            QCOMPARE(boxes.last().kind, MessageBox::Question);
            QCOMPARE(boxes.last().title, QString::fromUtf8("Varen er ændret"));
            QVERIFY2(boxes.last().text.contains(QLatin1String("\"Desk Lamp\"")), qPrintable(boxes.last().text));
            QCOMPARE(boxes.last().buttons,
                (QStringList { QString::fromUtf8("Behold mine ændringer"), QString::fromUtf8("Vis de nye værdier") }));
        }
        QCOMPARE(d->currentItem(), reg.lamp);
        QCOMPARE(d->nameLineEdit->text(), shownName);
        QCOMPARE(d->numberOfItemsLineEdit->text(), shownCount);
        QCOMPARE(d->buyQDateEdit->date(), QDate::currentDate());

        QTest::mouseClick(d->buttonOk, Qt::LeftButton);
        QVERIFY(!d->isVisible());
        QCOMPARE(boxes.count(), answer < 0 ? 0 : 1);
        QCOMPARE(reg.lamp->name(), savedName);
        QCOMPARE(reg.lamp->numberOfItems(), savedCount);
        QCOMPARE(reg.lamp->date(), today());
        QCOMPARE(reg.rowText(reg.lamp, ItemListView::CountColumn), QString::number(savedCount));
    }

    // A field the user did not touch keeps the item's own value on OK, also
    // when it changed unannounced or is shown rounded.
    void untouchedFieldsKeepTheItemsValues()
    {
        TestSupport::IsolatedSettings settings(OstranaEdition);
        TestSupport::RecordedMessageBoxes boxes;
        Register reg;
        reg.lamp->setPrice(750.5049);
        auto d = reg.open(reg.lamp);
        QCOMPARE(d->priceLineEdit->text(), QStringLiteral("750.50"));
        retype(d->productLineEdit, QStringLiteral("Poulsen"));
        reg.lamp->setNumberOfItems(9);
        reg.lamp->setDate(QStringLiteral("03.04.2021"));
        QTest::mouseClick(d->buttonOk, Qt::LeftButton);
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(reg.lamp->product(), QStringLiteral("Poulsen"));
        QCOMPARE(reg.lamp->numberOfItems(), 9);
        QCOMPARE(reg.lamp->date(), QStringLiteral("03.04.2021"));
        QCOMPARE(reg.lamp->price(), 750.5049);
        QCOMPARE(reg.lamp->name(), QStringLiteral("Desk Lamp"));
    }

    // What one dialog saves, another one on the same item shows; a dialog
    // is not asked about its own save.
    void anotherDialogsSaveIsFollowed()
    {
        TestSupport::IsolatedSettings settings(OstranaEdition);
        TestSupport::RecordedMessageBoxes boxes;
        Register reg;
        auto watching = reg.open(reg.sofa);
        auto editing = reg.open(reg.sofa);
        retype(editing->nameLineEdit, QStringLiteral("Sofa bed"));
        QTest::mouseClick(editing->savePushButton, Qt::LeftButton);
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(watching->nameLineEdit->text(), QStringLiteral("Sofa bed"));

        // Now the first one has an edit of its own, and is asked.
        retype(watching->productLineEdit, QStringLiteral("Mogens"));
        retype(editing->infoLineEdit, QStringLiteral("Blå"));
        MessageBox::queueAnswerIndex(0);
        QTest::mouseClick(editing->buttonOk, Qt::LeftButton);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(watching->productLineEdit->text(), QStringLiteral("Mogens"));
        QCOMPARE(watching->infoLineEdit->text(), QStringLiteral("Blå"));
        QTest::mouseClick(watching->buttonOk, Qt::LeftButton);
        QCOMPARE(reg.sofa->name(), QStringLiteral("Sofa bed"));
        QCOMPARE(reg.sofa->product(), QStringLiteral("Mogens"));
        QCOMPARE(reg.sofa->description(), QStringLiteral("Blå"));
        QCOMPARE(boxes.count(), 1);
    }

    // A move of all its pieces deletes the item the dialog shows: the dialog
    // lets go of it and nothing it does afterwards reaches it.
    void itemRemovedByImport_data()
    {
        QTest::addColumn<bool>("edited");
        QTest::newRow("untouched") << false;
        QTest::newRow("edited") << true;
    }
    void itemRemovedByImport()
    {
        QFETCH(bool, edited);
        TestSupport::IsolatedSettings settings(QuorvelEdition);
        TestSupport::RecordedMessageBoxes boxes;
        Register reg;
        auto d = reg.open(reg.lamp);
        if (edited)
            retype(d->nameLineEdit, QStringLiteral("Bureaulampe"));

        QVERIFY(importLines(reg, "F;1;2;12;2\r\n"));
        reg.lamp = nullptr;
        QCOMPARE(reg.collection.count(), 4);
        Item *moved = reg.collection.findByGroupAndSerial(2, QStringLiteral("12"));
        QVERIFY(moved);
        QCOMPARE(moved->numberOfItems(), 2);
        QVERIFY(!reg.collection.findByGroupAndSerial(1, QStringLiteral("12")));

        QVERIFY(!d->currentItem());
        QVERIFY(!d->buttonOk->isEnabled());
        QCOMPARE(d->nameLineEdit->text(), QString());
        if (edited) {
            QCOMPARE(boxes.count(), 1);
            QCOMPARE(boxes.last().kind, MessageBox::Information);
            QCOMPARE(boxes.last().title, QStringLiteral("Varen er fjernet"));
            QVERIFY2(boxes.last().text.contains(QLatin1String("\"Desk Lamp\"")), qPrintable(boxes.last().text));
        } else {
            QCOMPARE(boxes.count(), 0);
        }

        retype(d->nameLineEdit, QStringLiteral("Efter"));
        d->save_slot();
        d->accept();
        QCOMPARE(moved->name(), QStringLiteral("Desk Lamp"));
        QCOMPARE(reg.collection.count(), 4);
    }
};

QTEST_MAIN(tst_ItemDialogFollows)
#include "tst_itemdialogfollows.moc"
