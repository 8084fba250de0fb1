#include <QTest>

#include "PrintKeyRows.h"
#include "TestSupport.h"
#include "core/PrintSettings.h"
#include "core/Settings.h"

// The print settings' keys and defaults, as every print and table export and
// the print setup dialog read and write them.
class tst_PrintSettings : public QObject
{
    Q_OBJECT

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
    void keysAndDefaults_data() { PrintKeyRows::add(); }
    void keysAndDefaults()
    {
        QFETCH(int, field);
        QFETCH(QString, flagKey);
        QFETCH(bool, flag);
        QFETCH(QString, lengthKey);
        QFETCH(int, length);
        QFETCH(int, maxLength);
        TestSupport::IsolatedSettings settings;
        const auto f = PrintFields::Field(field);
        QCOMPARE(PrintFields::flagKey(f), flagKey);
        QCOMPARE(PrintFields::defaultFlag(f), flag);
        QCOMPARE(PrintFields::hasLength(f), !lengthKey.isEmpty());
        QCOMPARE(PrintFields::lengthKey(f), lengthKey);
        QCOMPARE(PrintFields::defaultLength(f), length);
        QCOMPARE(PrintFields::maxLength(f), maxLength);

        const PrintSettingsSnapshot fresh;
        QCOMPARE(fresh.prints(f), flag);
        QCOMPARE(fresh.length(f), length);

        // What is stored is read back, by a snapshot and by the current
        // values; the longest length the print setup takes among it.
        Settings().setValue(flagKey, !flag);
        if (length)
            Settings().setValue(lengthKey, maxLength);
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
        const QStringList keys = PrintKeyRows::allKeys();
        const QVariantMap defaults = valuesOf(PrintSettingsSnapshot(), keys);
        // The program keeps its values under exactly these keys.
        QStringList sorted = keys;
        sorted.sort();
        QCOMPARE(defaults.keys(), sorted);
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
        const QStringList keys = PrintKeyRows::allKeys();
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

    // Which items a print or table shows: every item, only one group's,
    // only one location's, or with both the group's and the location's.
    void filter_data()
    {
        QTest::addColumn<bool>("groupOnly");
        QTest::addColumn<bool>("locationOnly");
        QTest::addColumn<int>("group"); // the item's
        QTest::addColumn<int>("location"); // the item's
        QTest::addColumn<bool>("shown");
        // The filter's group is 2 and its location 1 throughout.
        QTest::newRow("no filter") << false << false << 0 << 0 << true;
        QTest::newRow("group: of it") << true << false << 2 << 0 << true;
        QTest::newRow("group: of another") << true << false << 1 << 1 << false;
        QTest::newRow("location: there") << false << true << 0 << 1 << true;
        QTest::newRow("location: elsewhere") << false << true << 2 << 0 << false;
        QTest::newRow("both: of the group") << true << true << 2 << 0 << true;
        QTest::newRow("both: at the location") << true << true << 0 << 1 << true;
        QTest::newRow("both: of both") << true << true << 2 << 1 << true;
        QTest::newRow("both: of neither") << true << true << 1 << 2 << false;
    }
    void filter()
    {
        QFETCH(bool, groupOnly);
        QFETCH(bool, locationOnly);
        QFETCH(int, group);
        QFETCH(int, location);
        QFETCH(bool, shown);
        TestSupport::IsolatedSettings settings;
        PrintSettingsSnapshot values;
        values.printGroupOnly = groupOnly;
        values.groupToPrint = 2;
        values.printLocationOnly = locationOnly;
        values.locationToPrint = 1;
        QCOMPARE(values.shows(group, location), shown);
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
