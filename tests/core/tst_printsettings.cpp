#include <QTest>

#include "TestSupport.h"
#include "core/PrintSettings.h"
#include "core/Settings.h"

// The print settings' keys and defaults, as every print and table export and
// the print setup dialog read and write them.
class tst_PrintSettings : public QObject
{
    Q_OBJECT

    // Every key of the print settings.
    static QStringList allKeys()
    {
        QStringList keys;
        for (int i = 0; i < PrintFields::FieldCount; ++i) {
            const auto field = PrintFields::Field(i);
            keys << PrintFields::flagKey(field);
            if (PrintFields::hasLength(field))
                keys << PrintFields::lengthKey(field);
        }
        keys << QStringLiteral("Print/printSeparator") << QStringLiteral("Print/sortMethod")
             << QStringLiteral("Print/printGroupOnly") << QStringLiteral("Print/GroupToPrint")
             << QStringLiteral("Print/printLocationOnly") << QStringLiteral("Print/LocationToPrint");
        return keys;
    }

    // The values read for the keys, by key.
    static QVariantMap valuesOf(const PrintSettingsSnapshot &values, const QStringList &keys)
    {
        QVariantMap result;
        for (int i = 0; i < PrintFields::FieldCount; ++i) {
            const auto field = PrintFields::Field(i);
            result.insert(PrintFields::flagKey(field), values.prints(field));
            if (PrintFields::hasLength(field))
                result.insert(PrintFields::lengthKey(field), values.length(field));
        }
        result.insert(QStringLiteral("Print/printSeparator"), values.separator);
        result.insert(QStringLiteral("Print/sortMethod"), values.sortMethod);
        result.insert(QStringLiteral("Print/printGroupOnly"), values.printGroupOnly);
        result.insert(QStringLiteral("Print/GroupToPrint"), values.groupToPrint);
        result.insert(QStringLiteral("Print/printLocationOnly"), values.printLocationOnly);
        result.insert(QStringLiteral("Print/LocationToPrint"), values.locationToPrint);
        for (auto it = result.begin(); it != result.end();) {
            if (keys.contains(it.key()))
                ++it;
            else
                it = result.erase(it);
        }
        return result;
    }

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

        // What is stored is read back, by a snapshot and by the current
        // values; the longest length the print setup takes among it.
        Settings().setValue(flagKey, !flag);
        if (length)
            Settings().setValue(PrintFields::lengthKey(f), maxLength);
        const PrintSettingsSnapshot stored;
        QCOMPARE(stored.prints(f), !flag);
        QCOMPARE(stored.length(f), maxLength);
        PrintSettings::current().Load();
        QCOMPARE(PrintSettings::current().prints(f), !flag);
    }

    // Whatever the store holds, what is read is a value the print setup
    // could have stored, and storing it puts a sound value back: an absurd
    // value gives the key's default, whichever key holds it. Values come as
    // the store gives them back from its file (texts) and as written in this
    // run (typed).
    void absurdValuesGiveTheDefaults_data()
    {
        QTest::addColumn<QVariant>("value");
        for (const QVariant &value : { QVariant(2147483647), QVariant(-5), QVariant(0), QVariant(QStringLiteral("abc")),
                 QVariant(QStringLiteral("2147483647")), QVariant(QStringLiteral("-5")), QVariant(QStringLiteral("0")),
                 QVariant(QString()), QVariant(1.5), QVariant(QStringLiteral("15x")),
                 QVariant(QStringLiteral("99999999999")), QVariant(9999),
                 QVariant(QStringList { QStringLiteral("15") }) })
            QTest::newRow(qPrintable(value.toString())) << value;
    }
    void absurdValuesGiveTheDefaults()
    {
        QFETCH(QVariant, value);
        TestSupport::IsolatedSettings settings;
        const QStringList keys = allKeys();
        const QVariantMap defaults = valuesOf(PrintSettingsSnapshot(), keys);
        {
            Settings store;
            for (const QString &key : keys)
                store.setValue(key, value);
        }
        const QVariantMap read = valuesOf(PrintSettingsSnapshot(), keys);
        for (const QString &key : keys)
            QCOMPARE(read.value(key), defaults.value(key));
    }

    // The edges of what is sound, read as stored, and stored again as read.
    void soundValues_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QVariant>("expected");
        const auto row = [](const char *name, const char *key, const QVariant &value, const QVariant &expected) {
            QTest::newRow(name) << QString::fromLatin1(key) << value << expected;
        };
        row("shortest name", "Print/printNameFieldLength", 1, 1);
        row("longest name", "Print/printNameFieldLength", QStringLiteral("200"), 200);
        row("name too long", "Print/printNameFieldLength", 201, 15);
        row("longest count", "Print/printCountFieldLength", 20, 20);
        row("count too long", "Print/printCountFieldLength", 21, 3);
        row("longest price", "Print/printPriceFieldLength", QStringLiteral("12"), 12);
        row("price too long", "Print/printPriceTodayFieldLength", 13, 9);
        row("flag as text", "Print/printNameField", QStringLiteral("false"), false);
        row("flag typed", "Print/printDocumentField", true, true);
        row("flag as 1 is no flag", "Print/printDocumentField", QStringLiteral("1"), false);
        row("sort by location", "Print/sortMethod", QStringLiteral("10"), 10);
        row("sort by date", "Print/sortMethod", 9, 9);
        row("no sort 4", "Print/sortMethod", 4, 0);
        row("separator I", "Print/printSeparator", QStringLiteral("I"), QStringLiteral("I"));
        row("separator of two", "Print/printSeparator", QStringLiteral("||"), QStringLiteral("|"));
        row("group filter on", "Print/printGroupOnly", QStringLiteral("true"), true);
        row("last group", "Print/GroupToPrint", QStringLiteral("9998"), 9998);
        row("beyond the last group", "Print/GroupToPrint", 9999, 0);
        row("a location", "Print/LocationToPrint", 3, 3);
        row("a negative location", "Print/LocationToPrint", QStringLiteral("-1"), 0);
    }
    void soundValues()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        QFETCH(QVariant, expected);
        TestSupport::IsolatedSettings settings;
        Settings().setValue(key, value);
        QCOMPARE(valuesOf(PrintSettingsSnapshot(), { key }).value(key), expected);
        PrintSettings::current().Load();
        QCOMPARE(valuesOf(PrintSettings::current(), { key }).value(key), expected);
        // Stored again, the store holds what was read.
        PrintSettings::current().store();
        QCOMPARE(Settings().value(key), expected);
    }

    // An absurd value is not written back: the current values, loaded and
    // stored, put the defaults into the store.
    void absurdValuesAreNotWrittenBack()
    {
        TestSupport::IsolatedSettings settings;
        const QStringList keys = allKeys();
        const QVariantMap defaults = valuesOf(PrintSettingsSnapshot(), keys);
        {
            Settings store;
            for (const QString &key : keys)
                store.setValue(key, QStringLiteral("abc"));
            store.setValue(QStringLiteral("Print/printGroupFieldLength"), 2147483647);
        }
        PrintSettings::current().Load();
        PrintSettings::current().store();
        const Settings store;
        for (const QString &key : keys)
            QCOMPARE(store.value(key), defaults.value(key));
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
