#include <QtTest>

#include <QBuffer>
#include <QDir>
#include <QFile>

#include "ItemFixtures.h"
#include "TestSupport.h"
#include "core/ColumnTitles.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/CollectionUndoRecorder.h"
#include "database/CollectionUndoStep.h"
#include "database/CsvColumnMapping.h"
#include "database/CsvColumns.h"
#include "database/CsvExport.h"
#include "database/CsvImporter.h"
#include "database/CsvReader.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "database/StorageCheck.h"

#include <memory>
#include <vector>

using namespace ListColumns;

namespace {

// Field numbers and the column each is expected in, as "field=column".
using Expected = QList<QPair<int, int>>;

QStringList split(const char *cells)
{
    return QString::fromUtf8(cells).split(QLatin1Char('|'));
}

// The dry run of a UTF-8 file with ";" between cells and a header row.
CsvImportPlan dryRun(const DBItemCollection &db, const QByteArray &file, bool substitute = false,
    CsvColumnMapping mapping = CsvColumnMapping())
{
    QByteArray bytes = file;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CsvFormat format;
    format.separator = u';';
    if (mapping.isEmpty()) {
        const QStringList header = QString::fromUtf8(file.left(file.indexOf('\n'))).trimmed().split(QLatin1Char(';'));
        mapping = CsvColumnMapping::guess(header, db.fields());
    }
    CsvImporter importer(db, mapping, CsvImporter::Options { substitute });
    return importer.check(buffer, format);
}

QString errorsText(const CsvImportPlan &plan)
{
    QStringList lines;
    for (const CsvRowError &error : plan.errors)
        lines << QStringLiteral("%1 [%2] %3").arg(error.line).arg(error.field).arg(error.reason);
    return lines.join(QLatin1String(" | "));
}

void writeList(const QString &folder, const char *list, const QByteArray &lines)
{
    QDir(folder).mkpath(QString::fromLatin1(list));
    TestSupport::writeFile(QStringLiteral("%1/%2/%2.dk.txt").arg(folder, QLatin1String(list)), lines);
}

const QByteArray ostranaHeader = "Gruppe;Navn;Antal;Pris;Vurd.;Dato;Rum;Leverandør\n";

} // namespace

class tst_CsvImport : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestSupport::IsolatedSettings> m_settings;
    std::unique_ptr<QTemporaryDir> m_dir;

    // A database folder of the edition with small lists: groups G0..G2,
    // locations L0..L1, one supplier.
    void makeWorld(int editionNumber)
    {
        m_settings = std::make_unique<TestSupport::IsolatedSettings>(editionNumber);
        m_dir = std::make_unique<QTemporaryDir>();
        Settings().setValue(QStringLiteral("LastDBDir"), m_dir->path());
        writeList(m_dir->path(), "groups", "G0\r\nG1\r\nG2\r\n");
        writeList(m_dir->path(), "location", "L0\r\nL1\r\n");
        writeList(m_dir->path(), "supplier", "Butik\r\n");
        resetColumnTitles();
    }

private slots:
    void cleanup()
    {
        m_dir.reset();
        m_settings.reset();
        resetColumnTitles();
    }

    void guessedMapping_data()
    {
        QTest::addColumn<int>("editionNumber");
        QTest::addColumn<QStringList>("header");
        QTest::addColumn<Expected>("expected");

        QTest::newRow("danish titles") << int(OstranaEdition)
                                       << split("Gruppe|Navn|Fabrikat|Antal|Pris|Vurd.|Dato|Rum|Serie no.")
                                       << Expected { { GroupColumn, 0 }, { NameColumn, 1 }, { ProductColumn, 2 },
                                              { CountColumn, 3 }, { PriceColumn, 4 }, { PriceTodayColumn, 5 },
                                              { DateColumn, 6 }, { LocationColumn, 7 }, { SerialnoColumn, 8 } };
        QTest::newRow("norwegian titles, other order")
            << int(OstranaEdition) << split("Rom|Takst|Antall|Navn|Serienr.|Produktmodell")
            << Expected { { LocationColumn, 0 }, { PriceTodayColumn, 1 }, { CountColumn, 2 }, { NameColumn, 3 },
                   { SerialnoColumn, 4 }, { ModelColumn, 5 } };
        QTest::newRow("english titles, any case and blanks")
            << int(OstranaEdition) << split(" group |NAME|Make|count|Price|value|Room|Serial No.|Receipt|Doc.")
            << Expected { { GroupColumn, 0 }, { NameColumn, 1 }, { ProductColumn, 2 }, { CountColumn, 3 },
                   { PriceColumn, 4 }, { PriceTodayColumn, 5 }, { LocationColumn, 6 }, { SerialnoColumn, 7 },
                   { ReceiptColumn, 8 }, { DocumentColumn, 9 } };
        QTest::newRow("common spreadsheet names")
            << int(OstranaEdition)
            << split("Item name|Serial number|Purchase date|Quantity|Purchase price|Current value|Vendor|Notes|URL")
            << Expected { { NameColumn, 0 }, { SerialnoColumn, 1 }, { DateColumn, 2 }, { CountColumn, 3 },
                   { PriceColumn, 4 }, { PriceTodayColumn, 5 }, { SupplierColumn, 6 }, { DescriptionColumn, 7 },
                   { WwwColumn, 8 } };
        QTest::newRow("extra columns of the export")
            << int(OstranaEdition) << split("Gruppe|Gruppe nr.|Rum|Rum nr.|Dato|Dato (ISO 8601)")
            << Expected { { GroupColumn, 0 }, { CsvColumns::GroupNumberColumn, 1 }, { LocationColumn, 2 },
                   { CsvColumns::LocationNumberColumn, 3 }, { DateColumn, 4 }, { CsvColumns::IsoDateColumn, 5 } };
        QTest::newRow("english extra columns")
            << int(OstranaEdition) << split("Group no.|Room number|Date (ISO 8601)")
            << Expected { { CsvColumns::GroupNumberColumn, 0 }, { CsvColumns::LocationNumberColumn, 1 },
                   { CsvColumns::IsoDateColumn, 2 } };
        // The inventory edition's own titles come before common names: its
        // "Category" is the location field.
        QTest::newRow("inventory titles in three languages")
            << int(QuorvelEdition) << split("Lagerplass|Item|Category|Varenr.|Kostpris|Retail price")
            << Expected { { GroupColumn, 0 }, { NameColumn, 1 }, { LocationColumn, 2 }, { SerialnoColumn, 3 },
                   { PriceColumn, 4 }, { PriceTodayColumn, 5 } };
        QTest::newRow("pictures titles") << int(VistrelEdition) << split("Tittel|Artist|Billede 2|Erhvervet")
                                         << Expected { { NameColumn, 0 }, { ProductColumn, 1 }, { ReceiptColumn, 2 },
                                                { DateColumn, 3 } };
        QTest::newRow("coins titles") << int(NumivaxEdition) << split("Year|Pålydende|Kvalitet|Land/konge")
                                      << Expected { { NameColumn, 0 }, { GroupColumn, 1 }, { AddressColumn, 2 },
                                             { LocationColumn, 3 } };
        // Home-contents names go to the field of the same meaning, or to
        // none: a coin list's "Name" is no year, a picture list's "Quantity"
        // no register number, and the inventory's rooms are its storage
        // places.
        QTest::newRow("coins, home-contents names")
            << int(NumivaxEdition)
            << split("Name|Item name|Quantity|Purchase price|Value|Room|Vendor|Purchase date|Serial number")
            << Expected { { CountColumn, 2 }, { PriceColumn, 3 }, { PriceTodayColumn, 4 }, { DateColumn, 7 } };
        QTest::newRow("pictures, home-contents names")
            << int(VistrelEdition) << split("Name|Quantity|Make|Estimated value|Room|Notes|Dealer|Serial no.")
            << Expected { { NameColumn, 0 }, { PriceColumn, 3 }, { LocationColumn, 4 }, { DescriptionColumn, 5 },
                   { SupplierColumn, 6 } };
        QTest::newRow("inventory, home-contents names")
            << int(QuorvelEdition) << split("Room|Group|Room nr.|Group no.|Value|Purchase date|Brand|Invoice")
            << Expected { { GroupColumn, 0 }, { LocationColumn, 1 }, { CsvColumns::GroupNumberColumn, 2 },
                   { CsvColumns::LocationNumberColumn, 3 }, { ProductColumn, 6 }, { ReceiptColumn, 7 } };
        // A second column of one name goes to no field; unknown names neither.
        QTest::newRow("a field once, unknown names left") << int(OstranaEdition) << split("Navn|Navn|Farve||Pris")
                                                          << Expected { { NameColumn, 0 }, { PriceColumn, 4 } };
    }
    void guessedMapping()
    {
        QFETCH(int, editionNumber);
        QFETCH(QStringList, header);
        QFETCH(Expected, expected);
        makeWorld(editionNumber);
        ItemFixtures::Collection collection;
        const CsvColumnMapping mapping = CsvColumnMapping::guess(header, collection.db.fields());
        CsvColumnMapping wanted;
        for (const auto &[field, column] : expected)
            wanted.setColumn(field, column);
        for (int field = 0; field < CsvColumns::ColumnCount; ++field)
            QVERIFY2(mapping.column(field) == wanted.column(field),
                qPrintable(QStringLiteral("field %1: column %2, expected %3")
                               .arg(field)
                               .arg(mapping.column(field))
                               .arg(wanted.column(field))));
    }

    // The database's own field-names list names fields too, and a renamed
    // column of the list is found under its new title.
    void fieldNamesAndRenamedTitles()
    {
        makeWorld(OstranaEdition);
        ItemFixtures::Collection collection;
        collection.db.fields().clear();
        for (const char *title : { "Kasse", "Ting", "Mærke", "Stk", "Kostede", "Værd", "Foto", "Købt", "Sted", "Om",
                 "Hvor", "Gade", "Nummer", "Net", "Bon", "Papir", "Type" })
            collection.db.fields().add(QString::fromUtf8(title));
        setColumnTitle(DescriptionColumn, QStringLiteral("Noter om tingen"));
        const CsvColumnMapping mapping
            = CsvColumnMapping::guess(split("Ting|Kostede|Sted|Nummer|Noter om tingen"), collection.db.fields());
        QCOMPARE(mapping.column(NameColumn), 0);
        QCOMPARE(mapping.column(PriceColumn), 1);
        QCOMPARE(mapping.column(LocationColumn), 2);
        QCOMPARE(mapping.column(SerialnoColumn), 3);
        QCOMPARE(mapping.column(DescriptionColumn), 4);
    }

    void rememberedMapping()
    {
        makeWorld(OstranaEdition);
        ItemFixtures::Collection collection;
        const QStringList header = split("Navn|Pris|Farve");
        CsvColumnMapping chosen = CsvColumnMapping::guess(header, collection.db.fields());
        QCOMPARE(chosen.column(NameColumn), 0);
        chosen.setColumn(DescriptionColumn, 2);
        chosen.setColumn(PriceColumn, CsvColumnMapping::NotPresent);
        chosen.remember(header);
        QVERIFY(CsvColumnMapping::remembered(header, collection.db.fields()) == chosen);
        // Another header, even one differing in case only, is guessed.
        const QStringList other = split("navn|Pris|Farve");
        QVERIFY(CsvColumnMapping::remembered(other, collection.db.fields())
            == CsvColumnMapping::guess(other, collection.db.fields()));
        // A kept mapping that does not fit its header is not used.
        Settings settings;
        for (const QString &key : settings.allKeys()) {
            if (key.startsWith(QLatin1String("Csv/Mappings/")))
                settings.setValue(key, QStringLiteral("0,7,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1"));
        }
        QVERIFY(CsvColumnMapping::remembered(header, collection.db.fields())
            == CsvColumnMapping::guess(header, collection.db.fields()));
    }

    void rowErrors_data()
    {
        QTest::addColumn<int>("editionNumber");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<qint64>("line");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("reason");

        const auto row
            = [](const char *cells) { return ostranaHeader + "G0;Sofa;1;100;;01.02.2020;L0;Butik\n" + cells; };
        QTest::newRow("semicolon in a quoted cell")
            << int(OstranaEdition) << row("G0;\"Stol; rød\";1;100;;;L0;\n") << qint64(3) << int(NameColumn)
            << QStringLiteral("Navn: Semikolon (;)");
        QTest::newRow("line break in a quoted cell, line of the row's start")
            << int(OstranaEdition) << row("G0;Sofa;1;100;;;L0;\nG0;\"Stol\nrød\";1;100;;;L0;\n") << qint64(4)
            << int(NameColumn) << QStringLiteral("Navn: Linjeskift");
        QTest::newRow("chinese") << int(OstranaEdition) << row("G0;沙发;1;100;;;L0;\n") << qint64(3) << int(NameColumn)
                                 << QStringLiteral("沙 发");
        QTest::newRow("too long") << int(OstranaEdition) << row("G0;" + QByteArray(200, 'x') + ";1;100;;;L0;\n")
                                  << qint64(3) << int(NameColumn) << QStringLiteral("199");
        QTest::newRow("price not a number") << int(OstranaEdition) << row("G0;Stol;1;12a;;;L0;\n") << qint64(3)
                                            << int(PriceColumn) << QStringLiteral("Pris: \"12a\"");
        QTest::newRow("price with thousands or decimals")
            << int(OstranaEdition) << row("G0;Stol;1;1,500;;;L0;\n") << qint64(3) << int(PriceColumn)
            << QStringLiteral("to måder");
        QTest::newRow("price with a point, thousands or decimals")
            << int(OstranaEdition) << row("G0;Stol;1;1.250;;;L0;\n") << qint64(3) << int(PriceColumn)
            << QStringLiteral("to måder");
        QTest::newRow("negative price, thousands or decimals")
            << int(OstranaEdition) << row("G0;Stol;1;5;-12.500;;L0;\n") << qint64(3) << int(PriceTodayColumn)
            << QStringLiteral("to måder");
        QTest::newRow("price out of range") << int(OstranaEdition) << row("G0;Stol;1;10000000;;;L0;\n") << qint64(3)
                                            << int(PriceColumn) << QStringLiteral("9999999");
        QTest::newRow("negative estimate") << int(OstranaEdition) << row("G0;Stol;1;5;-1;;L0;\n") << qint64(3)
                                           << int(PriceTodayColumn) << QStringLiteral("Vurd.:");
        QTest::newRow("infinite price") << int(VistrelEdition) << row("G0;Stol;1;inf;;;L0;\n") << qint64(3)
                                        << int(PriceColumn) << QStringLiteral("Pris: ");
        QTest::newRow("missing price") << int(OstranaEdition) << row("G0;Stol;1;;;;L0;\n") << qint64(3)
                                       << int(PriceColumn) << QStringLiteral("Der skal være en pris");
        QTest::newRow("bad date") << int(OstranaEdition) << row("G0;Stol;1;5;;31.02.2020;L0;\n") << qint64(3)
                                  << int(DateColumn) << QStringLiteral("Dato: \"31.02.2020\" er ingen dato");
        QTest::newRow("count zero") << int(OstranaEdition) << row("G0;Stol;0;5;;;L0;\n") << qint64(3)
                                    << int(CountColumn) << QStringLiteral("1 til 100000");
        QTest::newRow("count over the limit") << int(QuorvelEdition) << row("G0;Stol;100001;5;;;L0;\n") << qint64(3)
                                              << int(CountColumn) << QStringLiteral("1 til 100000");
        QTest::newRow("count beyond the file") << int(NumivaxEdition) << row("G0;Stol;2147483648;5;;;L0;\n")
                                               << qint64(3) << int(CountColumn) << QStringLiteral("2147483647");
        QTest::newRow("missing name") << int(OstranaEdition) << row("G0;;1;5;;;L0;\n") << qint64(3) << int(NameColumn)
                                      << QStringLiteral("Navn: ");
        QTest::newRow("inventory without location") << int(QuorvelEdition) << row("G0;Stol;1;5;;;;\n") << qint64(3)
                                                    << int(LocationColumn) << QStringLiteral("Rum: ");
        QTest::newRow("more cells than columns")
            << int(OstranaEdition) << row("G0;Stol;1;5;;;L0;;x\n") << qint64(3) << -1 << QStringLiteral("9 celler");
        QTest::newRow("group name not storable") << int(OstranaEdition) << row("G\x01\xe2\x82\xac;Stol;1;5;;;L0;\n")
                                                 << qint64(3) << int(GroupColumn) << QStringLiteral("Gruppe: ");
        QTest::newRow("model where the edition keeps none")
            << int(VistrelEdition) << QByteArray("Navn;Produkt model\nStol;X\n") << qint64(2) << int(ModelColumn)
            << QStringLiteral("gå tabt");
    }
    // Each bad row is refused with the line it starts on, its cell's field
    // and the reason naming the column; the good row before it is taken.
    void rowErrors()
    {
        QFETCH(int, editionNumber);
        QFETCH(QByteArray, file);
        QFETCH(qint64, line);
        QFETCH(int, field);
        QFETCH(QString, reason);
        makeWorld(editionNumber);
        ItemFixtures::Collection collection;
        const CsvImportPlan plan = dryRun(collection.db, file);
        QVERIFY2(plan.failure.isEmpty(), qPrintable(plan.failure));
        QCOMPARE(plan.errors.size(), 1);
        QCOMPARE(plan.errors.first().line, line);
        QCOMPARE(plan.errors.first().field, field);
        QVERIFY2(plan.errors.first().reason.contains(reason), qPrintable(errorsText(plan)));
        QCOMPARE(plan.items.size() + 1, std::size_t(plan.rows));
        for (const auto &item : plan.items)
            QVERIFY(StorageCheck::itemProblem(*item).isNull());
    }

    void cellsAsStored_data()
    {
        QTest::addColumn<int>("editionNumber");
        QTest::addColumn<QByteArray>("row");
        QTest::addColumn<QStringList>("fields");

        // group, name, count, price, estimate, date, location, supplier
        QTest::newRow("home contents: estimate takes the price")
            << int(OstranaEdition) << QByteArray("G1;Stol;2;1499.5;;24.12.2011;L1;Butik")
            << split("1|Stol|2|1499.5|1499.5|24.12.2011|1|Butik");
        QTest::newRow("decimal comma") << int(OstranaEdition) << QByteArray("G1;Stol;2;1499,5;12,25;;L1;")
                                       << split("1|Stol|2|1499.5|12.25||1|");
        QTest::newRow("three decimals that read one way only")
            << int(OstranaEdition) << QByteArray("G1;Stol;2;1.2500;0.375;;L1;") << split("1|Stol|2|1.25|0.375||1|");
        QTest::newRow("pictures: empty numbers are 0")
            << int(VistrelEdition) << QByteArray(";Maleri;;;;;;") << split("0|Maleri|0|0|0||0|");
        QTest::newRow("coins: a count above the typing limit")
            << int(NumivaxEdition) << QByteArray("G2;Mønt;250000;0.125;3;;L0;") << split("2|Mønt|250000|0.125|3||0|");
        QTest::newRow("ISO date in the date column")
            << int(OstranaEdition) << QByteArray("G0;Stol;1;5;6;2020-02-29;L0;") << split("0|Stol|1|5|6|29.02.2020|0|");
        QTest::newRow("texts kept exactly: blanks, quotes, tab")
            << int(OstranaEdition) << QByteArray("G0;\" Stol \"\"Æ\"\"\t\";1;5;6;;L0;")
            << split("0| Stol \"Æ\"\t|1|5|6||0|");
    }
    void cellsAsStored()
    {
        QFETCH(int, editionNumber);
        QFETCH(QByteArray, row);
        QFETCH(QStringList, fields);
        makeWorld(editionNumber);
        ItemFixtures::Collection collection;
        const CsvImportPlan plan = dryRun(collection.db, ostranaHeader + row + "\n");
        QVERIFY2(plan.errors.isEmpty(), qPrintable(errorsText(plan)));
        QCOMPARE(plan.items.size(), std::size_t(1));
        const Item &item = *plan.items.front();
        const QStringList got = { QString::number(item.group()), item.name(), QString::number(item.numberOfItems()),
            QString::number(item.price()), QString::number(item.priceToday()), item.date(),
            QString::number(item.location()), item.supplier() };
        QCOMPARE(got, fields);
        QVERIFY(plan.newGroups.isEmpty());
        QVERIFY(plan.newLocations.isEmpty());
    }

    // The ISO column gives the date only when the register's column is
    // absent or empty; a bad ISO date then refuses the row.
    void isoDateColumn()
    {
        makeWorld(OstranaEdition);
        ItemFixtures::Collection collection;
        const CsvImportPlan plan = dryRun(collection.db,
            "Navn;Pris;Dato;Dato (ISO 8601)\nA;1;;2021-03-04\nB;1;05.06.2007;2021-03-04\nC;1;;2021-13-01\n");
        QCOMPARE(plan.items.size(), std::size_t(2));
        QCOMPARE(plan.items[0]->date(), QStringLiteral("04.03.2021"));
        QCOMPARE(plan.items[1]->date(), QStringLiteral("05.06.2007"));
        QCOMPARE(plan.errors.size(), 1);
        QCOMPARE(plan.errors[0].line, 4);
        QCOMPARE(plan.errors[0].field, int(CsvColumns::IsoDateColumn));
    }

    void substitutes()
    {
        makeWorld(OstranaEdition);
        ItemFixtures::Collection collection;
        const QByteArray file = ostranaHeader + "G0;\"Stol; rød\";1;5;;;L0;\"Butik\r\npå hjørnet\"\n";
        QCOMPARE(dryRun(collection.db, file).errors.size(), 1);
        const CsvImportPlan plan = dryRun(collection.db, file, true);
        QVERIFY2(plan.errors.isEmpty(), qPrintable(errorsText(plan)));
        QCOMPARE(plan.substitutedCells, 2);
        QCOMPARE(plan.items.front()->name(), QStringLiteral("Stol, rød"));
        QCOMPARE(plan.items.front()->supplier(), QStringLiteral("Butik på hjørnet"));
        QCOMPARE(plan.newSuppliers, QStringList { QStringLiteral("Butik på hjørnet") });

        const CsvImporter importer(
            collection.db, CsvColumnMapping::inExportOrder(CsvColumns::ColumnCount), CsvImporter::Options { true });
        QVERIFY(importer.cellProblem(NameColumn, QStringLiteral("a;b\nc")).isEmpty());
        QVERIFY(!importer.cellProblem(NameColumn, QStringLiteral("沙发")).isEmpty());
        QVERIFY(!importer.cellProblem(NameColumn, QStringLiteral("bad \uFFFD byte")).isEmpty());
    }

    // Names the lists lack are collected once each, in the order the file
    // uses them, and numbered after the list; the number columns decide
    // when they name the entry the name column gives.
    void newNamesAndNumbers()
    {
        makeWorld(OstranaEdition);
        ItemFixtures::Collection collection;
        const CsvImportPlan plan = dryRun(collection.db,
            "Gruppe;Gruppe nr.;Navn;Pris;Rum;Rum nr.;Leverandør\n"
            "Ny;;A;1;L1;1;Butik\n"
            "G2;2;B;1;Kælder;;Ny butik\n"
            "Ny;;C;1;Loft;0;Ny butik\n"
            ";1;D;1;L0;7;\n"
            "G0;5;E;1;;1;\n"
            "Anden;;F;1;Kælder;;Tredje\n"
            ";9;G;1;;;\n");
        QCOMPARE(plan.newGroups, split("Ny|Anden"));
        QCOMPARE(plan.newLocations, split("Kælder|Loft"));
        QCOMPARE(plan.newSuppliers, split("Ny butik|Tredje"));
        QStringList numbers;
        for (const auto &item : plan.items)
            numbers << QStringLiteral("%1/%2").arg(item->group()).arg(item->location());
        // D's location number 7 names nothing, so its name L0 decides.
        QCOMPARE(numbers, split("3/1|2/2|3/3|1/0|0/1|4/2"));
        QCOMPARE(plan.errors.size(), 1);
        QCOMPARE(plan.errors[0].line, 8);
        QCOMPARE(plan.errors[0].field, int(CsvColumns::GroupNumberColumn));
        // A name a refused row would have added is not among them.
        const CsvImportPlan refused = dryRun(collection.db, ostranaHeader + "Skur;;1;1;;;L0;\n");
        QVERIFY(refused.newGroups.isEmpty());
        QCOMPARE(refused.errors.size(), 1);
    }

    void inventoryNumbers()
    {
        makeWorld(QuorvelEdition);
        ItemFixtures::Collection collection;
        collection.db.add(ItemFixtures::plainItem(0, QStringLiteral("Hjelm"), 1, 10.0, QStringLiteral("7")));
        collection.db.add(ItemFixtures::plainItem(1, QStringLiteral("Lygte"), 1, 10.0, QStringLiteral("3")));
        const CsvImportPlan plan = dryRun(collection.db,
            "Gruppe;Navn;Antal;Rum;Serie no.\n"
            "G0;A;1;L0;12\n" // given and free
            "G0;B;1;L0;7\n" // taken by an item
            "G0;C;1;L0;\n" // missing
            "G0;D;1;L0;12\n" // taken by a row before
            "G0;E;1;L0;X-1\n" // no number
            "G0;F;1;L0;20\n"
            "G1;G;1;L0;7\n"); // free in its own storage place
        QVERIFY2(plan.errors.isEmpty(), qPrintable(errorsText(plan)));
        QStringList serials;
        for (const auto &item : plan.items)
            serials << item->serialno();
        QCOMPARE(serials, split("12|21|22|23|24|20|7"));
        QCOMPARE(plan.numberedLines, (QList<qint64> { 3, 4, 5, 6 }));
        QCOMPARE(plan.givenNumbers, (QList<int> { 21, 22, 23, 24 }));
    }

    void badFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("failed");
        QTest::addColumn<qint64>("rows");
        QTest::newRow("empty") << QByteArray() << true << qint64(0);
        QTest::newRow("only a header") << QByteArray("Navn;Pris\r\n") << false << qint64(0);
        QTest::newRow("unterminated quote") << QByteArray("Navn;Pris\nA;1\n\"B;2\n") << true << qint64(-1);
        QTest::newRow("zero byte") << QByteArray("Navn;Pris\nA;1\nB\0;2\n", 19) << true << qint64(-1);
        QTest::newRow("garbage") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe\xfd", 20) << true << qint64(-1);
    }
    // A file that cannot be read to its end gives a reason and a plan that
    // is not applied; nothing in the collection changes.
    void badFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, failed);
        QFETCH(qint64, rows);
        makeWorld(OstranaEdition);
        ItemFixtures::Collection collection;
        CsvImportPlan plan = dryRun(collection.db, file, false, CsvColumnMapping::inExportOrder(2));
        QCOMPARE(!plan.failure.isEmpty(), failed);
        // A reader may stop at a bad byte before the rows ahead of it.
        if (rows >= 0)
            QCOMPARE(plan.rows, rows);
        QVERIFY(!plan.canApply());
        QVERIFY(!CsvImporter::apply(collection.db, plan));
        QCOMPARE(collection.db.count(), 0);
        QCOMPARE(collection.db.groups().size(), 3);
    }

    // The import is one step named "import"; its undo takes the items and
    // the list entries away, and the saved file is the one before, byte for
    // byte.
    void applyAndUndo()
    {
        makeWorld(OstranaEdition);
        const QString file = QDir(m_dir->path()).filePath(QStringLiteral("home.inb"));
        {
            ItemFixtures::Collection source;
            for (int seed = 0; seed < 5; ++seed) {
                auto item = ItemFixtures::makeItem(seed % 3, QStringLiteral("Ting %1").arg(seed), seed);
                item->setLocation(seed % 2);
                source.db.add(std::move(item));
            }
            QVERIFY(source.db.SaveToFileAsAscii(file));
        }
        const QByteArray before = TestSupport::readFile(file);
        const QByteArray groupsBefore = TestSupport::readFile(m_dir->path() + QStringLiteral("/groups/groups.dk.txt"));

        DBItemCollection collection(file, nullptr);
        std::vector<std::unique_ptr<CollectionUndoStep>> steps;
        CollectionUndoRecorder recorder(
            collection, [&](std::unique_ptr<CollectionUndoStep> step) { steps.push_back(std::move(step)); });
        CsvImportPlan plan = dryRun(collection, ostranaHeader + "Ny;A;1;5;;;Kælder;Ny butik\nG1;B;2;6;;;L1;\n");
        QVERIFY(plan.canApply());
        QVERIFY(CsvImporter::apply(collection, plan));
        QCOMPARE(steps.size(), std::size_t(1));
        QCOMPARE(steps.front()->text(), QStringLiteral("import"));
        QCOMPARE(collection.count(), 7);
        QCOMPARE(collection.groups().entry(3), QStringLiteral("Ny"));
        QCOMPARE(collection.locations().entry(2), QStringLiteral("Kælder"));
        QCOMPARE(collection.at(5)->group(), 3);
        QCOMPARE(collection.at(5)->location(), 2);
        QVERIFY(collection.suppliers().contains(QStringLiteral("Ny butik")));
        // A plan is applied once.
        QVERIFY(!CsvImporter::apply(collection, plan));

        recorder.undo(*steps.front());
        QCOMPARE(collection.count(), 5);
        QCOMPARE(collection.groups().size(), 3);
        QCOMPARE(collection.locations().size(), 2);
        QVERIFY(!collection.suppliers().contains(QStringLiteral("Ny butik")));
        QVERIFY(collection.SaveToFileAsAscii(file));
        QVERIFY(collection.saveDueLists());
        QCOMPARE(TestSupport::readFile(file), before);
        QCOMPARE(TestSupport::readFile(m_dir->path() + QStringLiteral("/groups/groups.dk.txt")), groupsBefore);
    }

    // A plan made for lists that changed since changes nothing.
    void stalePlan()
    {
        makeWorld(OstranaEdition);
        ItemFixtures::Collection collection;
        CsvImportPlan plan = dryRun(collection.db, ostranaHeader + "Ny;A;1;5;;;L0;\n");
        QVERIFY(plan.canApply());
        collection.db.setListEntries(DBItemCollection::GroupList, split("G0|G1|G2|G3"));
        QVERIFY(!CsvImporter::apply(collection.db, plan));
        QCOMPARE(collection.db.count(), 0);
        QCOMPARE(collection.db.groups().size(), 4);
    }

    void roundTrip_data()
    {
        QTest::addColumn<int>("editionNumber");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("fileName");
        const struct
        {
            int edition;
            const char *tag;
            const char *file;
        } demos[] = {
            { OstranaEdition, "ostrana", "OstranaStdDemoDatabase.%1.db" },
            { VistrelEdition, "vistrel", "Cinvaro.%1.db" },
            { NumivaxEdition, "numivax", "DemoDBNumivax.%1.txt" },
            { QuorvelEdition, "quorvel", "DemoQuorvel.%1.db" },
        };
        for (const auto &demo : demos) {
            for (const char *language : { "dk", "no", "en" }) {
                QTest::addRow("%s %s", demo.tag, language)
                    << demo.edition << QString::fromLatin1(language) << QString::fromLatin1(demo.file).arg(language);
            }
        }
    }
    // The demo database exported and imported into an empty database of its
    // edition and language saves to the same bytes as the database itself.
    void roundTrip()
    {
        QFETCH(int, editionNumber);
        QFETCH(QString, language);
        QFETCH(QString, fileName);
        TestSupport::IsolatedSettings isolated(editionNumber);
        TestSupport::RecordedMessageBoxes boxes;
        QTemporaryDir dir;
        QVERIFY(
            TestSupport::copyFolder(TestSupport::runDir() + QLatin1Char('/') + demoFolder(editionNumber), dir.path()));
        QFile::remove(dir.filePath(QStringLiteral("LockFile")));
        {
            Settings settings;
            settings.setValue(QStringLiteral("Language"), language);
            settings.setValue(QStringLiteral("LastDBDir"), dir.path());
        }
        const QString csv = dir.filePath(QStringLiteral("export.csv"));
        QByteArray original;
        for (const bool withBom : { false, true }) {
            CsvFormat format;
            format.encoding = withBom ? CsvFormat::Utf8WithBom : CsvFormat::Latin1;
            format.separator = withBom ? u';' : u',';
            {
                DBItemCollection collection(dir.filePath(fileName), nullptr);
                QVERIFY(collection.count() > 0);
                collection.releaseLock();
                QVERIFY(collection.SaveToFileAsAscii(dir.filePath(QStringLiteral("original.db"))));
                original = TestSupport::readFile(dir.filePath(QStringLiteral("original.db")));
                CsvExport exporter(collection);
                QVERIFY2(exporter.writeAll(csv, format), qPrintable(exporter.errorString()));
            }
            DBItemCollection empty(nullptr);
            QFile file(csv);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QStringList header;
            {
                CsvReader reader(file, format.encoding, format.separator);
                CsvRow row;
                QCOMPARE(reader.readRow(row), CsvReader::RowRead);
                header = row.cells;
            }
            QVERIFY(file.seek(0));
            const CsvColumnMapping mapping = CsvColumnMapping::guess(header, empty.fields());
            QVERIFY(mapping == CsvColumnMapping::inExportOrder(CsvColumns::ColumnCount));
            CsvImporter importer(empty, mapping, {});
            CsvImportPlan plan = importer.check(file, format);
            QVERIFY2(plan.failure.isEmpty(), qPrintable(plan.failure));
            QVERIFY2(plan.errors.isEmpty(), qPrintable(errorsText(plan)));
            QVERIFY(plan.newGroups.isEmpty() && plan.newLocations.isEmpty() && plan.newSuppliers.isEmpty());
            QVERIFY(plan.numberedLines.isEmpty());
            QVERIFY(CsvImporter::apply(empty, plan));
            QVERIFY(empty.SaveToFileAsAscii(dir.filePath(QStringLiteral("imported.db"))));
            QCOMPARE(TestSupport::readFile(dir.filePath(QStringLiteral("imported.db"))), original);
        }
        QCOMPARE(boxes.count(), 0);
    }
};

QTEST_MAIN(tst_CsvImport)

#include "tst_csvimport.moc"
