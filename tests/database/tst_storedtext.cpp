#include <QTest>

#include "core/ColumnTitles.h"
#include "database/StorageCheck.h"
#include "database/StoredText.h"
#include "database/userItemCollection.h"

// What the database file can hold, checked before anything is written.
class tst_StoredText : public QObject
{
    Q_OBJECT

private slots:
    void check_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("problem");

        QTest::newRow("empty") << QString() << int(StoredText::None);
        QTest::newRow("plain Danish") << QStringLiteral("Sofabord i eg, ærø") << int(StoredText::None);
        QTest::newRow("199 bytes") << QString(199, u'x') << int(StoredText::None);
        QTest::newRow("199 Latin-1 letters") << QString(199, u'ø') << int(StoredText::None);
        QTest::newRow("200 bytes") << QString(200, u'x') << int(StoredText::TooLong);
        QTest::newRow("separator") << QStringLiteral("a;b") << int(StoredText::Separator);
        QTest::newRow("line feed") << QStringLiteral("a\nb") << int(StoredText::LineBreak);
        QTest::newRow("carriage return") << QStringLiteral("a\rb") << int(StoredText::LineBreak);
        QTest::newRow("zero character") << (QStringLiteral("12") + QChar(0) + QStringLiteral("3"))
                                        << int(StoredText::ZeroCharacter);
        QTest::newRow("euro") << QStringLiteral("Pris 100 \u20ac") << int(StoredText::NotLatin1);
        QTest::newRow("Polish") << QStringLiteral("\u0141\u00f3d\u017a") << int(StoredText::NotLatin1);
        QTest::newRow("separator before line break") << QStringLiteral("a\n;") << int(StoredText::Separator);
        QTest::newRow("230-byte path with separator")
            << (QString(220, u'p') + QStringLiteral("/a;b.jpg")) << int(StoredText::Separator);
    }
    void check()
    {
        QFETCH(QString, text);
        QFETCH(int, problem);
        QCOMPARE(int(StoredText::check(text)), problem);
    }

    void unencodableCharacters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");

        QTest::newRow("Latin-1 only") << QStringLiteral("æøå ÆØÅ ü") << QString();
        QTest::newRow("euro twice") << QStringLiteral("\u20ac 5 \u20ac") << QStringLiteral("\u20ac");
        QTest::newRow("in order of appearance")
            << QStringLiteral("\u4e2d\u6587 \u0141") << QStringLiteral("\u4e2d\u6587\u0141");
        QTest::newRow("camera emoji stays whole")
            << QStringLiteral("foto \U0001F4F7 \U0001F4F7") << QStringLiteral("\U0001F4F7");
    }
    void unencodableCharacters()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(StoredText::unencodableCharacters(text), expected);
    }

    void numbers()
    {
        QVERIFY(StoredText::isStorableNumber(0.0));
        QVERIFY(StoredText::isStorableNumber(9999999.0));
        QVERIFY(StoredText::isStorableNumber(-1.5));
        QVERIFY(!StoredText::isStorableNumber(qInf()));
        QVERIFY(!StoredText::isStorableNumber(-qInf()));
        QVERIFY(!StoredText::isStorableNumber(qQNaN()));
    }

    // A count as the scanner's records and the item dialog give it: the
    // range is the reader's, a signed 32-bit integer.
    void counts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("reading");
        QTest::addColumn<int>("value");
        const int read = StorageCheck::CountRead, beyond = StorageCheck::CountBeyondRange,
                  none = StorageCheck::NotACount;
        QTest::newRow("plain") << "12" << read << 12;
        QTest::newRow("blanks around") << " 12 " << read << 12;
        QTest::newRow("plus") << "+5" << read << 5;
        QTest::newRow("top") << "2147483647" << read << 2147483647;
        QTest::newRow("bottom") << "-2147483648" << read << int(-2147483647 - 1);
        QTest::newRow("one past the top") << "2147483648" << beyond << 0;
        QTest::newRow("one below the bottom") << "-2147483649" << beyond << 0;
        QTest::newRow("past 64 bits") << "123456789012345678901234567890" << beyond << 0;
        QTest::newRow("empty") << "" << none << 0;
        QTest::newRow("sign alone") << "-" << none << 0;
        QTest::newRow("two signs") << "+-5" << none << 0;
        QTest::newRow("letters") << "12x" << none << 0;
        QTest::newRow("decimal") << "1.5" << none << 0;
    }
    void counts()
    {
        QFETCH(QString, text);
        QFETCH(int, reading);
        QFETCH(int, value);
        int count = 0;
        QCOMPARE(int(StorageCheck::readCount(text, &count)), reading);
        QCOMPARE(count, value);
    }

    void countChanges()
    {
        const int top = StorageCheck::maxCount, bottom = StorageCheck::minCount;
        QVERIFY(StorageCheck::countChangeFits(top - 1, 1));
        QVERIFY(!StorageCheck::countChangeFits(top, 1));
        QVERIFY(StorageCheck::countChangeFits(top, -qint64(top)));
        QVERIFY(!StorageCheck::countChangeFits(0, -qint64(bottom)));
        QVERIFY(StorageCheck::countChangeFits(bottom, 0));
        QVERIFY(!StorageCheck::countChangeFits(bottom, -1));
        QVERIFY(StorageCheck::countChangeFits(bottom, top));
    }

    // The title a refusal names a field by: the database's own from its
    // field-names list, else the list's initial heading for that field,
    // whatever the list shows at the moment.
    void fieldTitle_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("entry"); // of the field-names list
        const struct
        {
            StorageCheck::FileField field;
            const char *heading;
            int entry;
        } rows[] = {
            { StorageCheck::GroupField, "Gruppe", 0 },
            { StorageCheck::NameField, "Navn", 1 },
            { StorageCheck::ProductField, "Fabrikat", 2 },
            { StorageCheck::CountField, "Antal", 3 },
            { StorageCheck::PriceField, "Pris", 4 },
            { StorageCheck::PriceTodayField, "Vurd.", 5 },
            { StorageCheck::PhotolinkField, "Billede", 6 },
            { StorageCheck::DateField, "Dato", 7 },
            { StorageCheck::LocationField, "Rum", 8 },
            { StorageCheck::DescriptionField, "Beskrivelse", 9 },
            { StorageCheck::SupplierField, "Leverandør", 10 },
            { StorageCheck::AddressField, "Adresse", 11 },
            { StorageCheck::SerialnoField, "Serie no.", 12 },
            { StorageCheck::WwwField, "Www", 13 },
            { StorageCheck::ReceiptField, "Kvitt.", 14 },
            { StorageCheck::DocumentField, "Dok.", 15 },
            { StorageCheck::ProductModelField, "Produkt model", 16 },
        };
        for (const auto &row : rows)
            QTest::addRow("%s", row.heading) << int(row.field) << QString::fromUtf8(row.heading) << row.entry;
        QTest::newRow("no field") << int(StorageCheck::NoField) << QString() << -1;
    }
    void fieldTitle()
    {
        QFETCH(int, field);
        QFETCH(QString, expected);
        QFETCH(int, entry);
        const auto fileField = StorageCheck::FileField(field);
        userItemCollection none;
        // A database that renamed the list's columns does not rename the fallback.
        for (int column = 0; column < ListColumnCount; ++column)
            setColumnTitle(column, QStringLiteral("Kolonne %1").arg(column));
        QCOMPARE(StorageCheck::fieldTitle(none, fileField), expected);
        resetColumnTitles();

        // The database's own titles, in the field-names list's order.
        userItemCollection named;
        named.setLimit(30);
        for (int i = 0; i < 17; ++i)
            named.add(QStringLiteral("T&itel %1").arg(i));
        QCOMPARE(
            StorageCheck::fieldTitle(named, fileField), entry < 0 ? QString() : QStringLiteral("Titel %1").arg(entry));
    }

    void markedEntriesGiveWayToTheHeading_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("expected");
        QTest::newRow("document titled") << int(StorageCheck::DocumentField) << "Manual"
                                         << "Manual";
        QTest::newRow("document marked") << int(StorageCheck::DocumentField) << "NO_COLUMN"
                                         << "Dok.";
        QTest::newRow("model titled") << int(StorageCheck::ProductModelField) << "Type"
                                      << "Type";
        QTest::newRow("model marked") << int(StorageCheck::ProductModelField) << "no field"
                                      << "Produkt model";
        QTest::newRow("model blank") << int(StorageCheck::ProductModelField) << "  "
                                     << "Produkt model";
    }
    void markedEntriesGiveWayToTheHeading()
    {
        QFETCH(int, field);
        QFETCH(QString, entry);
        QFETCH(QString, expected);
        userItemCollection names;
        names.setLimit(30);
        for (int i = 0; i < 17; ++i)
            names.add(i == (field == StorageCheck::DocumentField ? 15 : 16) ? entry : QStringLiteral("x"));
        QCOMPARE(StorageCheck::fieldTitle(names, StorageCheck::FileField(field)), expected);
    }
};

QTEST_GUILESS_MAIN(tst_StoredText)
#include "tst_storedtext.moc"
