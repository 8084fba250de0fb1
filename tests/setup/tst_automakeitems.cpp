#include <QtTest>

#include "TestSupport.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "setup/AutomakeItems.h"

#include <memory>

using namespace TestSupport;

class tst_AutomakeItems : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<IsolatedSettings> m_settings;
    std::unique_ptr<DBItemCollection> m_collection;

private slots:
    void init()
    {
        m_settings = std::make_unique<IsolatedSettings>(QuorvelEdition);
        m_collection = std::make_unique<DBItemCollection>(nullptr);
        setDatabaseModified(false);
    }

    void cleanup()
    {
        m_collection.reset();
        m_settings.reset();
    }

    void batches_data()
    {
        QTest::addColumn<QString>("countText");
        QTest::addColumn<int>("warnings");
        QTest::addColumn<int>("made");
        QTest::addColumn<QString>("existingSerial"); // empty: the collection starts empty
        QTest::addColumn<int>("firstSerial");

        QTest::newRow("three after serial 41") << "3" << 0 << 3 << "41" << 42;
        QTest::newRow("empty collection starts after the start number") << "2" << 0 << 2 << "" << 501;
        QTest::newRow("1000 passes") << "1000" << 0 << 1000 << "7" << 8;
        // Each key press is read: "1", "10", "100", "1000", "1001".
        QTest::newRow("1001 is refused") << "1001" << 1 << 0 << "7" << 0;
        QTest::newRow("0 is refused") << "0" << 1 << 0 << "7" << 0;
        QTest::newRow("not a number") << "x" << 1 << 0 << "7" << 0;
        QTest::newRow("minus") << "-" << 1 << 0 << "7" << 0;
    }

    void batches()
    {
        QFETCH(QString, countText);
        QFETCH(int, warnings);
        QFETCH(int, made);
        QFETCH(QString, existingSerial);
        QFETCH(int, firstSerial);

        Settings().setValue(QStringLiteral("Setup/StartSerialNumber"), 500);
        if (!existingSerial.isEmpty()) {
            auto item = std::make_unique<Item>();
            item->setGroup(2);
            item->setSerialno(existingSerial);
            m_collection->add(std::move(item));
        }
        const int before = m_collection->count();
        QSignalSpy added(m_collection.get(), &DBItemCollection::itemAdded);

        AutomakeItems dialog;
        dialog.setCollection(m_collection.get());
        RecordedMessageBoxes boxes;
        QTest::keyClicks(dialog.findChild<QLineEdit *>(QStringLiteral("nameLineEdit")), QStringLiteral("Bolt M6"));
        QTest::keyClicks(dialog.findChild<QLineEdit *>(QStringLiteral("lineEdit")), countText);
        QCOMPARE(boxes.count(), warnings);
        if (warnings) {
            QCOMPARE(boxes.last().kind, MessageBox::Warning);
            QCOMPARE(boxes.last().text, QStringLiteral("Number of items must be:\nGreater than 0 and less than 1000"));
        }
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("pushButtonMakeItems")), Qt::LeftButton);

        QCOMPARE(m_collection->count() - before, made);
        QCOMPARE(added.count(), made);
        QCOMPARE(databaseModified(), made > 0 || !existingSerial.isEmpty());
        const QString today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
        for (int n = 0; n < made; ++n) {
            const Item *item = m_collection->at(before + n);
            QCOMPARE(item->serialno(), QString::number(firstSerial + n));
            QCOMPARE(item->name(), QStringLiteral("Bolt M6"));
            QCOMPARE(item->date(), today);
            QCOMPARE(item->group(), 0);
            QCOMPARE(item->numberOfItems(), 1);
        }
    }

    // Serial numbers above the highest one that numbering reads would read as
    // 0: a batch that would need one is not made at all.
    void serialNumbersRunOut_data()
    {
        QTest::addColumn<QString>("highest");
        QTest::addColumn<QString>("countText");
        QTest::addColumn<int>("made");
        QTest::newRow("the last number") << "2147483646"
                                         << "1" << 1;
        QTest::newRow("one past the last number") << "2147483646"
                                                  << "2" << 0;
        QTest::newRow("none left") << "2147483647"
                                   << "1" << 0;
    }
    void serialNumbersRunOut()
    {
        QFETCH(QString, highest);
        QFETCH(QString, countText);
        QFETCH(int, made);
        auto item = std::make_unique<Item>();
        item->setSerialno(highest);
        m_collection->add(std::move(item));

        AutomakeItems dialog;
        dialog.setCollection(m_collection.get());
        RecordedMessageBoxes boxes;
        QTest::keyClicks(dialog.findChild<QLineEdit *>(QStringLiteral("lineEdit")), countText);
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("pushButtonMakeItems")), Qt::LeftButton);

        QCOMPARE(m_collection->count(), 1 + made);
        if (made) {
            QCOMPARE(boxes.count(), 0);
            QCOMPARE(m_collection->at(1)->serialno(), QStringLiteral("2147483647"));
            return;
        }
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().kind, MessageBox::Critical);
        QCOMPARE(boxes.last().text,
            QString::fromUtf8("%1 nye varer kan ikke få hvert sit serienummer: det højeste serienummer er %2, og der "
                              "kan højst tælles til 2147483647. Ingen varer er oprettet.")
                .arg(countText, highest));
    }

    void secondBatchContinues()
    {
        AutomakeItems dialog;
        dialog.setCollection(m_collection.get());
        dialog.show();
        QTest::keyClicks(dialog.findChild<QLineEdit *>(QStringLiteral("lineEdit")), QStringLiteral("2"));
        QPushButton *make = dialog.findChild<QPushButton *>(QStringLiteral("pushButtonMakeItems"));
        QTest::mouseClick(make, Qt::LeftButton);
        QTest::mouseClick(make, Qt::LeftButton);
        QStringList serials;
        for (const Item *item : *m_collection)
            serials << item->serialno();
        QCOMPARE(serials, (QStringList { "1", "2", "3", "4" }));

        // Emptying the field warns and makes the next press do nothing.
        RecordedMessageBoxes boxes;
        dialog.findChild<QLineEdit *>(QStringLiteral("lineEdit"))->clear();
        QCOMPARE(boxes.count(), 1);
        QTest::mouseClick(make, Qt::LeftButton);
        QCOMPARE(m_collection->count(), 4);

        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("pushButtonClose")), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
    }

    void namesTheFileCannotHold()
    {
        AutomakeItems dialog;
        dialog.setCollection(m_collection.get());
        QLineEdit *name = dialog.findChild<QLineEdit *>(QStringLiteral("nameLineEdit"));
        QTest::keyClicks(name, QStringLiteral("Bolt;M6"));
        QCOMPARE(name->text(), QStringLiteral("BoltM6"));
        // A pasted or programmatic text passes no validator: checked on use.
        name->setText(QStringLiteral("Bolt\nM6"));
        QTest::keyClicks(dialog.findChild<QLineEdit *>(QStringLiteral("lineEdit")), QStringLiteral("2"));
        RecordedMessageBoxes boxes;
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("pushButtonMakeItems")), Qt::LeftButton);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(m_collection->count(), 0);
    }
};

QTEST_MAIN(tst_AutomakeItems)
#include "tst_automakeitems.moc"
