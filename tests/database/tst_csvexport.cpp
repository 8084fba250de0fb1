#include <QtTest>

#include <QBuffer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "FailingDevice.h"
#include "ItemFixtures.h"
#include "TestSupport.h"
#include "core/ColumnTitles.h"
#include "database/CsvColumns.h"
#include "database/CsvExport.h"
#include "database/CsvReader.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"

#include <array>
#include <cmath>
#include <cstring>

// The spreadsheet export: the bytes of its rows (quoting, numbers, dates,
// list names and numbers), its encodings and separators, the titles of
// renamed columns, what it does when the file cannot be written, and every
// field read back by the reader as it was.

namespace {

// Two groups and three locations.
void fillLists(DBItemCollection &collection)
{
    collection.groups().clear();
    collection.locations().clear();
    collection.groups().add(QStringLiteral("Stue"));
    collection.groups().add(QStringLiteral("Køkken"));
    for (const char *location : { "Kælder", "Loft", "Garage", "Skur" })
        collection.locations().add(QString::fromUtf8(location));
}

std::unique_ptr<Item> baseItem()
{
    auto item = std::make_unique<Item>();
    item->setGroup(1);
    item->setName(QStringLiteral("Stol"));
    item->setProduct(QStringLiteral("Fritz"));
    item->setProductModel(QStringLiteral("M7"));
    item->setNumberOfItems(4);
    item->setPrice(1250);
    item->setPriceToday(999.95);
    item->setPhotolink(QStringLiteral("foto.jpg"));
    item->setReceipt(QStringLiteral("kvit.pdf"));
    item->setDate(QStringLiteral("24.12.2011"));
    item->setLocation(2);
    item->setDescription(QStringLiteral("Blå"));
    item->setSupplier(QStringLiteral("Ilva"));
    item->setAddress(QStringLiteral("Vej 1"));
    item->setSerialno(QStringLiteral("S-1"));
    item->setWww(QStringLiteral("http://x.dk"));
    item->setDocument(QStringLiteral("manual.doc"));
    return item;
}

// The row of baseItem() with comma separators, in UTF-8.
const QByteArray baseRow = "Køkken,Stol,Fritz,M7,4,1250,999.95,foto.jpg,kvit.pdf,24.12.2011,Garage,Blå,Ilva,Vej 1,"
                           "S-1,http://x.dk,manual.doc,1,2,2011-12-24\r\n";

QByteArray exported(DBItemCollection &collection, const CsvFormat &format, QString *error = nullptr)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.csv"));
    CsvExport exporter(collection);
    if (!exporter.writeAll(path, format)) {
        if (error)
            *error = exporter.errorString();
        return QByteArray();
    }
    return TestSupport::readFile(path);
}

CsvFormat format(CsvFormat::Encoding encoding, char16_t separator, bool header = true)
{
    CsvFormat result;
    result.encoding = encoding;
    result.separator = separator;
    result.firstRowHoldsNames = header;
    return result;
}

using Change = void (*)(Item &);

} // namespace

Q_DECLARE_METATYPE(Change)

class tst_CsvExport : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetColumnTitles(); }
    void row_data();
    void row();
    void encodings_data();
    void encodings();
    void header();
    void selectedItems();
    void shortestNumbers();
    void readBack_data();
    void readBack();
    void failedWrite();
    void unwritableFormat();

private:
    TestSupport::IsolatedSettings m_settings;
};

void tst_CsvExport::row_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("every field") << Change([](Item &) {}) << "," << baseRow;
    QTest::newRow("semicolon") << Change([](Item &) {}) << ";" << QByteArray(baseRow).replace(',', ';');
    QTest::newRow("tab") << Change([](Item &) {}) << "\t" << QByteArray(baseRow).replace(',', '\t');
    QTest::newRow("separator in a text is quoted")
        << Change([](Item &item) { item.setName(QStringLiteral("Stol, rød")); }) << ","
        << QByteArray(baseRow).replace(",Stol,", ",\"Stol, rød\",");
    QTest::newRow("comma is plain with semicolons")
        << Change([](Item &item) { item.setName(QStringLiteral("Stol, rød")); }) << ";"
        << QByteArray(baseRow).replace(',', ';').replace(";Stol;", ";Stol, rød;");
    QTest::newRow("semicolon in a text is quoted")
        << Change([](Item &item) { item.setDescription(QStringLiteral("a;b")); }) << ";"
        << QByteArray(baseRow).replace(',', ';').replace(";Blå;", ";\"a;b\";");
    QTest::newRow("tab in a text is quoted")
        << Change([](Item &item) { item.setDescription(QStringLiteral("a\tb")); }) << "\t"
        << QByteArray(baseRow).replace(',', '\t').replace("\tBlå\t", "\t\"a\tb\"\t");
    QTest::newRow("quotes doubled") << Change([](Item &item) { item.setName(QStringLiteral("5\" \"tv\"")); }) << ","
                                    << QByteArray(baseRow).replace(",Stol,", ",\"5\"\" \"\"tv\"\"\",");
    QTest::newRow("line breaks quoted") << Change([](Item &item) { item.setAddress(QStringLiteral("Vej 1\r\nBy\n")); })
                                        << "," << QByteArray(baseRow).replace(",Vej 1,", ",\"Vej 1\r\nBy\n\",");
    QTest::newRow("blanks at the ends quoted") << Change([](Item &item) {
        item.setName(QStringLiteral(" Stol"));
        item.setProduct(QStringLiteral("Fritz "));
        item.setProductModel(QStringLiteral("M 7"));
    }) << "," << QByteArray(baseRow).replace(",Stol,Fritz,M7,", ",\" Stol\",\"Fritz \",M 7,");
    QTest::newRow("beyond Latin-1, quoted") << Change([](Item &item) { item.setName(QStringLiteral("中,😀")); }) << ","
                                            << QByteArray(baseRow).replace(",Stol,", ",\"中,😀\",");
    QTest::newRow("empty texts") << Change([](Item &item) {
        for (int text = 0; text < Item::TextCount; ++text)
            item.setText(Item::Text(text), QString());
    }) << "," << QByteArray("Køkken,,,,4,1250,999.95,,,,Garage,,,,,,,1,2,\r\n");
    QTest::newRow("numbers beyond the lists") << Change([](Item &item) {
        item.setGroup(7);
        item.setLocation(-1);
    }) << "," << QByteArray(baseRow).replace("Køkken,", ",").replace(",Garage,", ",,").replace(",1,2,", ",7,-1,");
    QTest::newRow("no date") << Change([](Item &item) { item.setDate(QStringLiteral("ukendt")); }) << ","
                             << QByteArray(baseRow).replace("24.12.2011", "ukendt").replace("2011-12-24", "");
    QTest::newRow("no such day") << Change([](Item &item) { item.setDate(QStringLiteral("30.02.2011")); }) << ","
                                 << QByteArray(baseRow).replace("24.12.2011", "30.02.2011").replace("2011-12-24", "");
    QTest::newRow("date as the register reads it")
        << Change([](Item &item) { item.setDate(QStringLiteral("05.03.12012")); }) << ","
        << QByteArray(baseRow).replace("24.12.2011", "05.03.12012").replace("2011-12-24", "2012-03-05");
    QTest::newRow("date of another item beyond Latin-1") << Change([](Item &item) {
        item.setDate(QStringLiteral("01.02.2003"));
        item.setName(QStringLiteral("中"));
    }) << ","
                                                         << QByteArray(baseRow)
                                                                .replace("24.12.2011", "01.02.2003")
                                                                .replace("2011-12-24", "2003-02-01")
                                                                .replace(",Stol,", ",中,");
    QTest::newRow("prices") << Change([](Item &item) {
        item.setPrice(0.1 + 0.2);
        item.setPriceToday(-1e21);
    }) << "," << QByteArray(baseRow).replace(",1250,999.95,", ",0.30000000000000004,-1000000000000000000000,");
    // Three decimals after one to three digits would read as thousands.
    QTest::newRow("prices that could read as thousands") << Change([](Item &item) {
        item.setPrice(1.25);
        item.setPriceToday(-999.125);
    }) << "," << QByteArray(baseRow).replace(",1250,999.95,", ",1.25,-999.1250,");
    QTest::newRow("three decimals that cannot") << Change([](Item &item) {
        item.setPrice(1234.125);
        item.setPriceToday(0.125);
    }) << "," << QByteArray(baseRow).replace(",1250,999.95,", ",1234.125,0.125,");
    QTest::newRow("small price and count") << Change([](Item &item) {
        item.setPrice(0.000125);
        item.setPriceToday(0);
        item.setNumberOfItems(-2147483647 - 1);
    }) << "," << QByteArray(baseRow).replace(",4,1250,999.95,", ",-2147483648,0.000125,0,");
}

void tst_CsvExport::row()
{
    QFETCH(Change, change);
    QFETCH(QString, separator);
    QFETCH(QByteArray, expected);

    DBItemCollection collection(nullptr);
    fillLists(collection);
    auto item = baseItem();
    change(*item);
    collection.add(std::move(item));
    const QByteArray bytes = exported(collection, format(CsvFormat::Utf8, separator.at(0).unicode(), false));
    QCOMPARE(bytes, expected);
}

void tst_CsvExport::encodings_data()
{
    QTest::addColumn<int>("encoding");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("UTF-8, Latin-1 texts")
        << int(CsvFormat::Utf8) << "Lænestol ÿ" << QByteArray("L\xC3\xA6nestol \xC3\xBF");
    QTest::newRow("UTF-8, wider texts") << int(CsvFormat::Utf8) << "æ中😀€"
                                        << QByteArray("\xC3\xA6\xE4\xB8\xAD\xF0\x9F\x98\x80\xE2\x82\xAC");
    QTest::newRow("UTF-8, a lone surrogate") << int(CsvFormat::Utf8) << QString(QChar(0xD800)) + u'a'
                                             << QByteArray("\xEF\xBF\xBD"
                                                           "a");
    QTest::newRow("UTF-8 with BOM") << int(CsvFormat::Utf8WithBom) << "Lænestol" << QByteArray("L\xC3\xA6nestol");
    QTest::newRow("Latin-1") << int(CsvFormat::Latin1) << "Lænestol ÿ" << QByteArray("L\xE6nestol \xFF");
    QTest::newRow("Latin-1, what it cannot hold") << int(CsvFormat::Latin1) << "æ中😀€" << QByteArray("\xE6???");
}

void tst_CsvExport::encodings()
{
    QFETCH(int, encoding);
    QFETCH(QString, name);
    QFETCH(QByteArray, expected);

    DBItemCollection collection(nullptr);
    fillLists(collection);
    collection.add(ItemFixtures::plainItem(0, name, 1, 2.5));
    const QByteArray bytes = exported(collection, format(CsvFormat::Encoding(encoding), u';'));
    const bool bom = encoding == CsvFormat::Utf8WithBom;
    QCOMPARE(bytes.startsWith("\xEF\xBB\xBF"), bom);
    const QList<QByteArray> lines = bytes.mid(bom ? 3 : 0).split('\n');
    QCOMPARE(lines.size(), 3); // header, row, nothing after the last CR LF
    QVERIFY(lines.at(2).isEmpty());
    QVERIFY(lines.at(1).startsWith("Stue;" + expected + ";;;1;2.5;0;"));
    // The header in the same encoding ("Kælder" is a location, not a title:
    // "Dato (ISO 8601)" and the Latin-1 "ø" of "Leverandør" are).
    const QByteArray supplier = encoding == CsvFormat::Latin1 ? "Leverand\xF8r" : "Leverand\xC3\xB8r";
    QVERIFY(lines.at(0).contains(";" + supplier + ";"));
}

void tst_CsvExport::header()
{
    setColumnTitle(ListColumns::ProductColumn, QStringLiteral("Mærke, type"));
    setColumnTitle(ListColumns::LocationColumn, QStringLiteral("Værelse"));
    setColumnTitle(ListColumns::DateColumn, QStringLiteral("Købt"));
    DBItemCollection collection(nullptr);
    const QByteArray bytes = exported(collection, format(CsvFormat::Utf8, u','));
    QCOMPARE(bytes,
        QByteArray("Gruppe,Navn,\"Mærke, type\",Produkt model,Antal,Pris,Vurd.,Billede,Kvitt.,Købt,Værelse,"
                   "Beskrivelse,Leverandør,Adresse,Serie no.,Www,Dok.,Gruppe nr.,Værelse nr.,Købt (ISO 8601)\r\n"));
    QCOMPARE(CsvColumns::titles().size(), int(CsvColumns::ColumnCount));
    QCOMPARE(CsvColumns::title(CsvColumns::ColumnCount), QString());
    QCOMPARE(CsvColumns::title(-1), QString());
}

void tst_CsvExport::selectedItems()
{
    DBItemCollection collection(nullptr);
    fillLists(collection);
    for (const char *name : { "a", "b", "c", "d" })
        collection.add(ItemFixtures::plainItem(QString::fromLatin1(name)));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("some.csv"));
    CsvExport exporter(collection);
    // In the order given, which need not be the collection's.
    QVERIFY(exporter.write(path, { collection.at(3), collection.at(1) }, format(CsvFormat::Latin1, u',', false)));
    const QList<QByteArray> lines = TestSupport::readFile(path).split('\n');
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines.at(0).startsWith("Stue,d,"));
    QVERIFY(lines.at(1).startsWith("Stue,b,"));
}

void tst_CsvExport::shortestNumbers()
{
    // Random doubles of every size: each price text reads back as the same
    // number and is the shortest that does, in fixed notation with ".".
    QRandomGenerator random(1252);
    DBItemCollection collection(nullptr);
    fillLists(collection);
    QList<double> prices;
    for (int i = 0; i < 3000; ++i) {
        double value = 0;
        do {
            const quint64 bits = random.generate64();
            std::memcpy(&value, &bits, sizeof value);
        } while (!std::isfinite(value));
        if (i % 3 == 0)
            value = double(random.bounded(1000000)) / 100.0;
        if (i < 8)
            value = std::array { 0.0, -0.0, 1.0, 1e16, 123456789012345678.0, 5e-324, 1e-7, -2.5 }[i];
        prices.append(value);
        collection.add(ItemFixtures::plainItem(0, QStringLiteral("x"), 1, value));
    }
    const QByteArray bytes = exported(collection, format(CsvFormat::Utf8, u';', false));
    const QList<QByteArray> lines = bytes.split('\n');
    QCOMPARE(lines.size(), prices.size() + 1);
    for (qsizetype i = 0; i < prices.size(); ++i) {
        const QByteArray text = lines.at(i).split(';').at(ListColumns::PriceColumn);
        // Qt writes no sign for a negative zero; here it stays, so that the
        // number read back is the one written.
        const QString shortest = std::signbit(prices.at(i)) && prices.at(i) == 0.0
            ? QStringLiteral("-0")
            : QString::number(prices.at(i), 'f', QLocale::FloatingPointShortest);
        QCOMPARE(QString::fromLatin1(text), shortest);
        QCOMPARE(std::signbit(text.toDouble()), std::signbit(prices.at(i)));
        bool ok = false;
        QCOMPARE(text.toDouble(&ok), prices.at(i));
        QVERIFY(ok);
    }
}

void tst_CsvExport::readBack_data()
{
    QTest::addColumn<int>("encoding");
    QTest::addColumn<QString>("separator");

    for (const auto encoding : { CsvFormat::Utf8, CsvFormat::Utf8WithBom, CsvFormat::Latin1 })
        for (const char *separator : { ",", ";", "\t" })
            QTest::addRow(
                "%s %s", qPrintable(CsvFormat::encodingName(encoding)), separator[0] == '\t' ? "tab" : separator)
                << int(encoding) << QString::fromLatin1(separator);
}

void tst_CsvExport::readBack()
{
    QFETCH(int, encoding);
    QFETCH(QString, separator);

    DBItemCollection collection(nullptr);
    fillLists(collection);
    for (int seed = 0; seed < 6; ++seed)
        collection.add(ItemFixtures::makeItem(seed % 2, QStringLiteral("Ting \"%1\", nr; %1\t").arg(seed), seed));
    collection.at(2)->setDate(QString());
    collection.at(3)->setPrice(1.0 / 3.0);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("all.csv"));
    CsvExport exporter(collection);
    const CsvFormat written = format(CsvFormat::Encoding(encoding), separator.at(0).unicode());
    QVERIFY2(exporter.writeAll(path, written), qPrintable(exporter.errorString()));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray head = CsvReader::head(file);
    const auto detected = CsvReader::detectEncoding(head);
    QCOMPARE(detected, encoding == CsvFormat::Latin1 ? CsvFormat::Windows1252 : CsvFormat::Encoding(encoding));
    QCOMPARE(CsvReader::detectSeparator(CsvReader::decoded(head, detected)), separator.at(0).unicode());

    CsvReader reader(file, detected, separator.at(0).unicode());
    reader.setBlockSize(13);
    CsvRow row;
    QCOMPARE(reader.readRow(row), CsvReader::RowRead);
    QCOMPARE(row.cells, CsvColumns::titles());
    for (const Item *item : collection) {
        QCOMPARE(reader.readRow(row), CsvReader::RowRead);
        QCOMPARE(row.cells.size(), int(CsvColumns::ColumnCount));
        const QStringList &cells = row.cells;
        QCOMPARE(cells.at(ListColumns::GroupColumn), collection.groups().entry(item->group()));
        QCOMPARE(cells.at(ListColumns::NameColumn), item->name());
        QCOMPARE(cells.at(ListColumns::ProductColumn), item->product());
        QCOMPARE(cells.at(ListColumns::ModelColumn), item->productModel());
        QCOMPARE(cells.at(ListColumns::CountColumn).toInt(), item->numberOfItems());
        QCOMPARE(cells.at(ListColumns::PriceColumn).toDouble(), item->price());
        QCOMPARE(cells.at(ListColumns::PriceTodayColumn).toDouble(), item->priceToday());
        QCOMPARE(cells.at(ListColumns::PictureColumn), item->photolink());
        QCOMPARE(cells.at(ListColumns::ReceiptColumn), item->receipt());
        QCOMPARE(cells.at(ListColumns::DateColumn), item->date());
        QCOMPARE(cells.at(ListColumns::LocationColumn), collection.locations().entry(item->location()));
        QCOMPARE(cells.at(ListColumns::DescriptionColumn), item->description());
        QCOMPARE(cells.at(ListColumns::SupplierColumn), item->supplier());
        QCOMPARE(cells.at(ListColumns::AddressColumn), item->address());
        QCOMPARE(cells.at(ListColumns::SerialnoColumn), item->serialno());
        QCOMPARE(cells.at(ListColumns::WwwColumn), item->www());
        QCOMPARE(cells.at(ListColumns::DocumentColumn), item->document());
        QCOMPARE(cells.at(CsvColumns::GroupNumberColumn).toInt(), item->group());
        QCOMPARE(cells.at(CsvColumns::LocationNumberColumn).toInt(), item->location());
        QCOMPARE(QDate::fromString(cells.at(CsvColumns::IsoDateColumn), Qt::ISODate), item->dateValue());
    }
    QCOMPARE(reader.readRow(row), CsvReader::AtEnd);
    QVERIFY(!reader.hadInvalidBytes());
}

void tst_CsvExport::failedWrite()
{
    QTemporaryDir dir;
    DBItemCollection collection(nullptr);
    fillLists(collection);
    for (int seed = 0; seed < 2000; ++seed)
        collection.add(ItemFixtures::makeItem(0, QStringLiteral("Ting"), seed));
    CsvExport exporter(collection);

    // A folder that does not exist.
    const QString missing = dir.filePath(QStringLiteral("nowhere/out.csv"));
    QVERIFY(!exporter.writeAll(missing, format(CsvFormat::Utf8, u',')));
    QVERIFY(!exporter.errorString().isEmpty());
    QVERIFY(!QFile::exists(missing));

    // A disk that fills up half way: the older file stays as it was.
    const QString path = dir.filePath(QStringLiteral("out.csv"));
    QVERIFY(TestSupport::writeFile(path, "older"));
    {
        TestSupport::FailingSaves full(100000);
        QVERIFY(!exporter.writeAll(path, format(CsvFormat::Utf8, u',')));
    }
    QVERIFY2(exporter.errorString().contains(TestSupport::FailingDevice::reason()), qPrintable(exporter.errorString()));
    QCOMPARE(TestSupport::readFile(path), QByteArray("older"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { QStringLiteral("out.csv") });

    // And the next export, with room, is whole.
    QVERIFY(exporter.writeAll(path, format(CsvFormat::Utf8, u',')));
    QVERIFY(exporter.errorString().isEmpty());
    QCOMPARE(TestSupport::readFile(path).count('\n'), qsizetype(2001));
}

void tst_CsvExport::unwritableFormat()
{
    QTemporaryDir dir;
    DBItemCollection collection(nullptr);
    CsvExport exporter(collection);
    const QString path = dir.filePath(QStringLiteral("out.csv"));
    for (const auto encoding : { CsvFormat::Utf16LE, CsvFormat::Utf16BE, CsvFormat::Windows1252 }) {
        QVERIFY(!exporter.writeAll(path, format(encoding, u',')));
        QVERIFY(exporter.errorString().contains(CsvFormat::encodingName(encoding)));
    }
    QVERIFY(!exporter.writeAll(path, format(CsvFormat::Utf8, u'|')));
    QVERIFY(!exporter.errorString().isEmpty());
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(tst_CsvExport)
#include "tst_csvexport.moc"
