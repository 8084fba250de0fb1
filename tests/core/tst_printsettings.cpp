#include <QTest>

#include "TestSupport.h"
#include "core/PrintSettings.h"
#include "core/Settings.h"

// The print settings' keys and defaults, as every print and table export and
// the print setup dialog read and write them.
class tst_PrintSettings : public QObject
{
    Q_OBJECT

private slots:
    void keysAndDefaults_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("flagKey");
        QTest::addColumn<bool>("flag");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("maxLength");
        using namespace PrintFields;
        const auto row = [](Field field, const char *key, bool flag, int length, int max) {
            QTest::newRow(key) << int(field) << QString::fromLatin1(key) << flag << length << max;
        };
        row(ItemCount, "Print/printItemCount", false, 0, 0);
        row(Group, "Print/printGroupField", true, 15, 200);
        row(Name, "Print/printNameField", true, 15, 200);
        row(Model, "Print/printModelField", true, 15, 200);
        row(ProductType, "Print/printProductTypeField", false, 15, 200);
        row(Count, "Print/printCountField", false, 3, 20);
        row(Price, "Print/printPriceField", true, 9, 12);
        row(PriceToday, "Print/printPriceTodayField", true, 9, 12);
        row(Picture, "Print/printPictureField", false, 15, 200);
        row(Date, "Print/printDateField", true, 0, 0);
        row(Location, "Print/printLocationField", false, 15, 200);
        row(Describe, "Print/printDescribeField", false, 15, 200);
        row(Supplier, "Print/printSupplierField", false, 15, 200);
        row(Address, "Print/printAddressField", false, 15, 200);
        row(SerialNumber, "Print/printSerialNumberField", false, 15, 200);
        row(Www, "Print/printWwwField", false, 15, 200);
        row(Receipt, "Print/printReceiptField", false, 15, 200);
        row(Document, "Print/printDocumentField", false, 15, 200);
    }
    void keysAndDefaults()
    {
        QFETCH(int, field);
        QFETCH(QString, flagKey);
        QFETCH(bool, flag);
        QFETCH(int, length);
        QFETCH(int, maxLength);
        TestSupport::IsolatedSettings settings;
        const auto f = PrintFields::Field(field);
        QCOMPARE(PrintFields::flagKey(f), flagKey);
        QCOMPARE(PrintFields::lengthKey(f), length ? flagKey + QStringLiteral("Length") : QString());
        QCOMPARE(PrintFields::maxLength(f), maxLength);

        const PrintSettingsSnapshot fresh;
        QCOMPARE(fresh.prints(f), flag);
        QCOMPARE(fresh.length(f), length);

        // What is stored is read back, by a snapshot and by the current values.
        Settings().setValue(flagKey, !flag);
        if (length)
            Settings().setValue(PrintFields::lengthKey(f), length + 7);
        const PrintSettingsSnapshot stored;
        QCOMPARE(stored.prints(f), !flag);
        QCOMPARE(stored.length(f), length ? length + 7 : 0);
        PrintSettings::current().Load();
        QCOMPARE(PrintSettings::current().prints(f), !flag);
    }

    void otherValues()
    {
        TestSupport::IsolatedSettings settings;
        const PrintSettingsSnapshot fresh;
        QCOMPARE(fresh.separator, QStringLiteral("|"));
        QCOMPARE(fresh.sortMethod, 0);
        QVERIFY(!fresh.printGroupOnly);
        QCOMPARE(fresh.groupToPrint, 0);
        QVERIFY(!fresh.printLocationOnly);
        QCOMPARE(fresh.locationToPrint, 0);
        QCOMPARE(PrintSettingsSnapshot::separatorChoices(), QStringList({ "|", ";", ":", "+", "#", "!", "I" }));

        PrintSettings changed;
        changed.separator = QStringLiteral("#");
        changed.sortMethod = 9;
        changed.printGroupOnly = true;
        changed.groupToPrint = 3;
        changed.printLocationOnly = true;
        changed.locationToPrint = 2;
        changed.flags[PrintFields::Date] = false;
        changed.lengths[PrintFields::Name] = 40;
        changed.store();

        const PrintSettingsSnapshot back;
        QCOMPARE(back.separator, QStringLiteral("#"));
        QCOMPARE(back.sortMethod, 9);
        QVERIFY(back.printGroupOnly);
        QCOMPARE(back.groupToPrint, 3);
        QVERIFY(back.printLocationOnly);
        QCOMPARE(back.locationToPrint, 2);
        QVERIFY(!back.prints(PrintFields::Date));
        QCOMPARE(back.length(PrintFields::Name), 40);
        QCOMPARE(PrintSettings::current().separator, QStringLiteral("#"));
        QCOMPARE(Settings().value(QStringLiteral("Print/sortMethod")).toInt(), 9);
    }
};

QTEST_GUILESS_MAIN(tst_PrintSettings)
#include "tst_printsettings.moc"
