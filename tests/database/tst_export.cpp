#include <QtTest>

#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include "FailingDevice.h"
#include "TestSupport.h"
#include "core/ColumnTitles.h"
#include "core/PrintSettings.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/DatabaseFile.h"
#include "database/Item.h"
#include "database/ItemExport.h"

// The exported XML file and HTML pages of a small fixed register, byte for
// byte. The expected files hold "@FOLDER@" where the page names the folder
// it was written in (the heading, and pictures given by relative links,
// which are resolved against the current folder).
//
// With LARKSPAN_WRITE_EXPECTED=1 a differing page is written over its
// expected file instead of failing (to review with git diff).

namespace {

enum Page { Xml, List, ListWithoutHeading, SpecialCases, Table, SingleItem };

QString fixtureFolder()
{
    return TestSupport::testDataPath(QStringLiteral("export/register"));
}

QString expectedPath(const QString &name)
{
    return TestSupport::testDataPath(QStringLiteral("export/expected/") + name);
}

// Loads the fixture register with its group and location lists.
void loadFixture(DBItemCollection &collection)
{
    Settings().setValue(QStringLiteral("LastDBDir"), fixtureFolder());
    collection.MakeDynamicLists();
    QVERIFY(collection.LoadFromAsciiFile(fixtureFolder() + QStringLiteral("/register.inb")));
    QCOMPARE(collection.count(), 6);
    QCOMPARE(collection.groups().size(), 3);
    QCOMPARE(collection.locations().size(), 5);
}

bool writePage(DBItemCollection &collection, Page page, const QString &path, QString *error = nullptr)
{
    switch (page) {
    case Xml:
        return collection.SaveAsXmlFile(path, error);
    case List:
        return collection.SaveAsHtmlFile(path, true, nullptr, false, false, error);
    case ListWithoutHeading:
        return collection.SaveAsHtmlFile(path, false, nullptr, false, false, error);
    case SpecialCases:
        return collection.SaveAsHtmlFile(path, true, nullptr, true, false, error);
    case Table:
        return collection.SaveAsHtmlFile(path, false, nullptr, false, true, error);
    case SingleItem: {
        Item *item = nullptr;
        for (Item *candidate : collection)
            if (candidate->name().startsWith(QStringLiteral("Lænestol")))
                item = candidate;
        return item && collection.SaveAsHtmlFile(path, false, item, false, false, error);
    }
    }
    return false;
}

QByteArray crlf(const char *text)
{
    return QByteArray(text).replace("\n", "\r\n");
}

} // namespace

class tst_Export : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void pages_data();
    void pages();
    void smallCases_data();
    void smallCases();
    void controlCharactersNeverReachTheXml_data();
    void controlCharactersNeverReachTheXml();
    void titlesAndFileNameAreEscaped_data();
    void titlesAndFileNameAreEscaped();
    void exportSortsTheCollection_data();
    void exportSortsTheCollection();
    void failedExportWritesNothing_data();
    void failedExportWritesNothing();
    void fullDiskKeepsTheOlderExport_data();
    void fullDiskKeepsTheOlderExport();
    void exportOverwrites();
    void outputFilePath_data();
    void outputFilePath();

private:
    std::unique_ptr<TestSupport::IsolatedSettings> m_settings;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_previousFolder;
    QTranslator m_translator;
};

void tst_Export::initTestCase()
{
    // The pages as a Danish user gets them: titles and texts from the catalogue.
    QVERIFY(m_translator.load(TestSupport::runDir() + QStringLiteral("/larkspan_dk.qm")));
    QCoreApplication::installTranslator(&m_translator);
}

void tst_Export::init()
{
    m_settings = std::make_unique<TestSupport::IsolatedSettings>(1);
    resetColumnTitles();
    qunsetenv("AppData");
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    // Relative picture links resolve against the current folder.
    m_previousFolder = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir->path()));
}

void tst_Export::cleanup()
{
    QDir::setCurrent(m_previousFolder);
    m_dir.reset();
    m_settings.reset();
    qunsetenv("AppData");
}

void tst_Export::pages_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QVariantMap>("print");
    QTest::addColumn<QString>("expected");

    const QString p = QStringLiteral("Print/");
    auto key = [&p](const char *name) { return p + QLatin1String(name); };

    QTest::newRow("xml") << int(Xml) << QVariantMap() << QStringLiteral("register.xml");
    QTest::newRow("list") << int(List) << QVariantMap() << QStringLiteral("list.htm");
    QTest::newRow("list without heading")
        << int(ListWithoutHeading) << QVariantMap() << QStringLiteral("list-noheading.htm");
    QTest::newRow("special cases") << int(SpecialCases) << QVariantMap() << QStringLiteral("special.htm");
    QTest::newRow("one item") << int(SingleItem) << QVariantMap() << QStringLiteral("item.htm");
    QTest::newRow("table, default columns") << int(Table) << QVariantMap() << QStringLiteral("table-default.htm");

    // Every column, only group 1, sorted by name: the numbers are positions
    // among all items, so they have gaps.
    QVariantMap all;
    for (const char *flag : { "printItemCount", "printGroupField", "printNameField", "printModelField",
             "printProductTypeField", "printCountField", "printPriceField", "printPriceTodayField", "printPictureField",
             "printDateField", "printLocationField", "printDescribeField", "printSupplierField", "printAddressField",
             "printSerialNumberField", "printWwwField", "printReceiptField", "printDocumentField" })
        all.insert(key(flag), true);
    QVariantMap groupByName = all;
    groupByName.insert(key("printGroupOnly"), true);
    groupByName.insert(key("GroupToPrint"), 1);
    groupByName.insert(key("sortMethod"), 1);
    QTest::newRow("table, group 1 by name") << int(Table) << groupByName << QStringLiteral("table-group-name.htm");

    QVariantMap allByDate = all;
    allByDate.insert(key("sortMethod"), 9);
    QTest::newRow("table, every column by date") << int(Table) << allByDate << QStringLiteral("table-all-date.htm");

    // Only location 0, no group filter (a group number is not a location).
    QVariantMap location;
    location.insert(key("printItemCount"), true);
    location.insert(key("printLocationField"), true);
    location.insert(key("printLocationOnly"), true);
    location.insert(key("LocationToPrint"), 0);
    location.insert(key("GroupToPrint"), 1);
    QTest::newRow("table, location 0") << int(Table) << location << QStringLiteral("table-location.htm");

    // Both filters: an item of the group or of the location is shown.
    QVariantMap both = location;
    both.insert(key("printGroupOnly"), true);
    both.insert(key("sortMethod"), 10);
    both.insert(key("printGroupField"), true);
    QTest::newRow("table, group 1 or location 0") << int(Table) << both << QStringLiteral("table-both.htm");
}

void tst_Export::pages()
{
    QFETCH(int, page);
    QFETCH(QVariantMap, print);
    QFETCH(QString, expected);

    Settings settings;
    for (auto it = print.cbegin(); it != print.cend(); ++it)
        settings.setValue(it.key(), it.value());
    settings.sync();

    DBItemCollection collection(nullptr);
    loadFixture(collection);
    const QString path = m_dir->filePath(QStringLiteral("page.out"));
    QString error;
    QVERIFY(writePage(collection, Page(page), path, &error));
    QVERIFY2(error.isEmpty(), qPrintable(error));

    const QByteArray actual = TestSupport::readFile(path);
    const QByteArray wanted
        = TestSupport::readFile(expectedPath(expected)).replace("@FOLDER@", m_dir->path().toLatin1());
    if (actual != wanted && qEnvironmentVariableIntValue("LARKSPAN_WRITE_EXPECTED") == 1) {
        QVERIFY(TestSupport::writeFile(
            expectedPath(expected), QByteArray(actual).replace(m_dir->path().toLatin1(), "@FOLDER@")));
        QSKIP("expected file written");
    }
    // Line by line first, for a readable failure.
    const QList<QByteArray> actualLines = actual.split('\n');
    const QList<QByteArray> wantedLines = wanted.split('\n');
    for (qsizetype i = 0; i < std::min(actualLines.size(), wantedLines.size()); ++i)
        QCOMPARE(QString::fromLatin1(actualLines.at(i)), QString::fromLatin1(wantedLines.at(i)));
    QCOMPARE(actual, wanted);
}

void tst_Export::smallCases_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("empty xml") << int(Xml) << QString()
                               << crlf("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<Items>\n</Items>\n");
    QTest::newRow("empty list") << int(ListWithoutHeading) << QString()
                                << crlf("<html xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\">\n"
                                        "<head><meta http-equiv=\"Content-Type\" content=\"text/html; "
                                        "charset=iso-8859-1\" /><title>Ostrana</title></head>\n<body>\n"
                                        "<Items>\n</Items>\n"
                                        "</body>\n</html>\n");
    // A character Latin-1 cannot hold is one "?", also one outside the basic plane.
    QTest::newRow("not latin-1") << int(Xml) << QStringLiteral("Ω\u20ac€x\U0001F600é")
                                 << crlf("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<Items>\n<Item>\n"
                                         "<Group>0</Group>\n<Name>???x?\xe9</Name>\n");
    // A line break held in memory still ends as CR LF.
    QTest::newRow("line break in a text") << int(Xml) << QStringLiteral("a\nb")
                                          << crlf("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<Items>\n"
                                                  "<Item>\n<Group>0</Group>\n<Name>a\nb</Name>\n");
}

void tst_Export::smallCases()
{
    QFETCH(int, page);
    QFETCH(QString, name);
    QFETCH(QByteArray, expected);

    // No lists: group 0 is outside the (empty) group list and shows as the number.
    Settings().setValue(QStringLiteral("LastDBDir"), m_dir->path());
    DBItemCollection collection(nullptr);
    if (!name.isNull()) {
        auto item = std::make_unique<Item>();
        item->setName(name);
        collection.add(std::move(item));
    }
    const QString path = m_dir->filePath(QStringLiteral("small.out"));
    QVERIFY(writePage(collection, Page(page), path));
    const QByteArray actual = TestSupport::readFile(path);
    QCOMPARE(actual.left(expected.size()), expected);
    if (name.isNull())
        QCOMPARE(actual.size(), expected.size());
}

// A database may hold control characters (a VT or ESC pasted by an older
// program, say) that the file keeps but XML 1.0 cannot carry in any form:
// each is written as "?", and the file reads back without an error, whether
// the item came from a file (Latin-1 bytes), holds a character beyond
// Latin-1 or a text longer than the writer's pieces.
void tst_Export::controlCharactersNeverReachTheXml_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("read from a file") << QStringLiteral("file");
    QTest::newRow("beyond Latin-1") << QStringLiteral("wide");
    QTest::newRow("long text") << QStringLiteral("long");
}

void tst_Export::controlCharactersNeverReachTheXml()
{
    QFETCH(QString, kind);

    // Every control character the database file holds: all below U+0020 but
    // the line break and the zero (where the reader ends a text).
    QByteArray controls;
    QString expected;
    for (char c = 1; c < 0x20; ++c) {
        if (c == '\n' || c == '\r')
            continue;
        controls += c;
        expected += c == '\t' ? QLatin1Char('\t') : QLatin1Char('?');
    }
    const QByteArray name = "A" + controls + "&<\x7f\xe6Z";
    expected = QLatin1Char('A') + expected + QStringLiteral("&<\x7f\u00e6Z");

    Settings().setValue(QStringLiteral("LastDBDir"), m_dir->path());
    const QString database = m_dir->filePath(QStringLiteral("controls.inb"));
    QVERIFY(TestSupport::writeFile(database,
        DatabaseFile::headerLine() + "\r\n0;" + name + ";P;1.000000;1.000000;01.02.2003;S" + controls
            + ";1;D;A;;1;1;;;;;\r\n"));
    DBItemCollection collection(nullptr);
    QVERIFY(collection.LoadFromAsciiFile(database));
    collection.groups().clear();
    collection.groups().add(QStringLiteral("Stue\x1b"));
    collection.locations().clear();
    collection.locations().add(QStringLiteral("Loft"));
    collection.locations().add(QStringLiteral("K\x0b") + QStringLiteral("der"));
    QCOMPARE(collection.count(), 1);
    Item *item = collection.at(0);
    QCOMPARE(item->name(), QString::fromLatin1(name));
    if (kind == QLatin1String("wide")) {
        item->setName(item->name() + QStringLiteral("\u20ac"));
        expected += QLatin1Char('?');
        QVERIFY(!item->textsAreLatin1());
    } else if (kind == QLatin1String("long")) {
        const QString longText = QString::fromLatin1(name).repeated(300);
        item->setName(longText);
        expected = expected.repeated(300);
    }

    const QString path = m_dir->filePath(QStringLiteral("controls.xml"));
    QVERIFY(collection.SaveAsXmlFile(path));
    const QByteArray xml = TestSupport::readFile(path);
    for (const char c : xml)
        QVERIFY2(static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\r' || c == '\n', xml.constData());

    QXmlStreamReader reader(xml);
    QMap<QString, QString> values;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() != QLatin1String("Items")
            && reader.name() != QLatin1String("Item")) {
            const QString element = reader.name().toString();
            values.insert(element, reader.readElementText());
        }
    }
    QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
    QCOMPARE(values.value(QStringLiteral("Name")), expected);
    QCOMPARE(values.value(QStringLiteral("Supplier")), QStringLiteral("S") + expected.mid(1, controls.size()));
    QCOMPARE(values.value(QStringLiteral("Group")), QStringLiteral("Stue?"));
    QCOMPARE(values.value(QStringLiteral("Location")), QStringLiteral("K?der"));
    // The register itself keeps them.
    QCOMPARE(collection.at(0)->supplier(), QStringLiteral("S") + QString::fromLatin1(controls));
}

// Column titles come from the database's field-names list, the heading's
// file name from the user: neither reaches a page as markup, on any page.
void tst_Export::titlesAndFileNameAreEscaped_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("escapedTitles");
    QTest::newRow("list") << int(List) << 17;
    QTest::newRow("list without heading") << int(ListWithoutHeading) << 0;
    QTest::newRow("special cases") << int(SpecialCases) << 0;
    // 17 headings and the ALT texts of the fixture's two pictures and one receipt.
    QTest::newRow("table") << int(Table) << 17 + 3;
    // 17 labels.
    QTest::newRow("one item") << int(SingleItem) << 17;
}

void tst_Export::titlesAndFileNameAreEscaped()
{
    QFETCH(int, page);
    QFETCH(int, escapedTitles);

    // Every column of the table.
    Settings settings;
    for (int i = 0; i < PrintFields::FieldCount; ++i)
        settings.setValue(PrintFields::flagKey(PrintFields::Field(i)), true);
    DBItemCollection collection(nullptr);
    loadFixture(collection);
    const QString title = QStringLiteral("<script>alert(\"t\")</script>");
    for (int column = 0; column < ListColumnCount; ++column)
        setColumnTitle(column, title);

    const QString path = m_dir->filePath(QStringLiteral("<i>Side & mere<b>.htm"));
    QVERIFY(writePage(collection, Page(page), path));
    const QByteArray html = TestSupport::readFile(path);
    QVERIFY2(!html.contains("<script") && !html.contains("<i>Side"), html.constData());
    // The fixture's own "<script>" item is escaped as well.
    QCOMPARE(int(html.count("&lt;script&gt;alert(&quot;t&quot;)&lt;/script&gt;")), escapedTitles);
    QCOMPARE(html.contains("&lt;i&gt;Side &amp; mere&lt;b&gt;.htm</h2>"), page == List);
    QVERIFY(html.contains("<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\" />"));
}

void tst_Export::exportSortsTheCollection_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("sortMethod");
    QTest::addColumn<QStringList>("names");

    const QStringList byGroup
        = { QStringLiteral("Lænestol \"Ægget\""), QStringLiteral("Sofa"), QStringLiteral("Kaffemaskine"),
              QStringLiteral("Bordlampe"), QStringLiteral("<script>alert(1)</script>"), QStringLiteral("Vinterjakke") };
    QTest::newRow("xml by group") << int(Xml) << 1 << byGroup;
    QTest::newRow("list by group") << int(List) << 1 << byGroup;
    QTest::newRow("table by name") << int(Table) << 1
                                   << QStringList { QStringLiteral("<script>alert(1)</script>"),
                                          QStringLiteral("Bordlampe"), QStringLiteral("Kaffemaskine"),
                                          QStringLiteral("Lænestol \"Ægget\""), QStringLiteral("Sofa"),
                                          QStringLiteral("Vinterjakke") };
    QTest::newRow("table, unknown sort keeps group order") << int(Table) << 4 << byGroup;
}

void tst_Export::exportSortsTheCollection()
{
    QFETCH(int, page);
    QFETCH(int, sortMethod);
    QFETCH(QStringList, names);

    Settings().setValue(QStringLiteral("Print/sortMethod"), sortMethod);
    DBItemCollection collection(nullptr);
    loadFixture(collection);
    QVERIFY(writePage(collection, Page(page), m_dir->filePath(QStringLiteral("sorted.out"))));
    QStringList order;
    for (const Item *item : collection)
        order << item->name();
    QCOMPARE(order, names);
}

void tst_Export::failedExportWritesNothing_data()
{
    QTest::addColumn<int>("page");
    for (Page page : { Xml, List, SpecialCases, Table, SingleItem })
        QTest::newRow(QByteArray::number(int(page)).constData()) << int(page);
}

void tst_Export::failedExportWritesNothing()
{
    QFETCH(int, page);

    DBItemCollection collection(nullptr);
    loadFixture(collection);
    // A folder that is not there.
    const QString missing = m_dir->filePath(QStringLiteral("missing/page.htm"));
    QString error;
    QVERIFY(!writePage(collection, Page(page), missing, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFileInfo::exists(missing));
    QVERIFY(!QFileInfo::exists(m_dir->filePath(QStringLiteral("missing"))));

    // A folder where the file should be: the export fails and the folder stays.
    const QString folder = m_dir->filePath(QStringLiteral("taken"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(!writePage(collection, Page(page), folder, &error));
    QVERIFY(QFileInfo(folder).isDir());
}

void tst_Export::fullDiskKeepsTheOlderExport_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<qint64>("room");
    for (Page page : { Xml, List, SpecialCases, Table, SingleItem }) {
        for (const qint64 room : { 0, 1, 100 }) {
            QTest::addRow("page %d, %lld bytes of room", int(page), room) << int(page) << room;
        }
    }
}

// A disk that fills up during an export: the export fails with the disk's
// reason, the older export of that name stays as it was, and nothing else
// is left in the folder.
void tst_Export::fullDiskKeepsTheOlderExport()
{
    QFETCH(int, page);
    QFETCH(qint64, room);

    DBItemCollection collection(nullptr);
    loadFixture(collection);
    QDir folder(m_dir->filePath(QStringLiteral("out")));
    QVERIFY(folder.mkpath(QStringLiteral(".")));
    const QString path = folder.filePath(QStringLiteral("page.out"));
    QVERIFY(writePage(collection, Page(page), path));
    const QByteArray older = TestSupport::readFile(path);
    QVERIFY(older.size() > room);

    QString error;
    {
        TestSupport::FailingSaves full(room);
        QVERIFY(!writePage(collection, Page(page), path, &error));
    }
    QCOMPARE(error, TestSupport::FailingDevice::reason());
    QCOMPARE(TestSupport::readFile(path), older);
    QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList { QStringLiteral("page.out") });

    // With room again the export replaces it.
    for (Item *item : collection)
        item->setName(item->name() + QStringLiteral(" Zq9"));
    QVERIFY(writePage(collection, Page(page), path));
    QVERIFY(TestSupport::readFile(path).contains(" Zq9"));
}

void tst_Export::exportOverwrites()
{
    DBItemCollection collection(nullptr);
    loadFixture(collection);
    const QString path = m_dir->filePath(QStringLiteral("twice.xml"));
    QVERIFY(TestSupport::writeFile(path, QByteArray(100000, 'x')));
    QVERIFY(collection.SaveAsXmlFile(path));
    const QByteArray first = TestSupport::readFile(path);
    QVERIFY(first.startsWith("<?xml"));
    QVERIFY(!first.contains('x' + QByteArray(10, 'x')));

    collection.deleteItem(collection.at(0));
    QVERIFY(collection.SaveAsXmlFile(path));
    const QByteArray second = TestSupport::readFile(path);
    QCOMPARE(second.count("<Item>"), 5);
    QVERIFY(second.size() < first.size());
}

void tst_Export::outputFilePath_data()
{
    QTest::addColumn<QString>("appData");
    QTest::addColumn<QString>("lastDbDir");
    QTest::addColumn<QString>("expected");

    QTest::newRow("AppData") << QStringLiteral("@/appdata") << QStringLiteral("@/db")
                             << QStringLiteral("@/appdata/DbItemAll.htm");
    QTest::newRow("AppData with a trailing slash")
        << QStringLiteral("@/appdata/") << QStringLiteral("@/db") << QStringLiteral("@/appdata/DbItemAll.htm");
    QTest::newRow("no AppData: the database folder")
        << QString() << QStringLiteral("@/db/") << QStringLiteral("@/db/DbItemAll.htm");
    QTest::newRow("relative database folder")
        << QString() << QStringLiteral("db/DemoDBStd/") << QStringLiteral("@/db/DemoDBStd/DbItemAll.htm");
}

void tst_Export::outputFilePath()
{
    QFETCH(QString, appData);
    QFETCH(QString, lastDbDir);
    QFETCH(QString, expected);

    const QString root = m_dir->path();
    if (!appData.isNull())
        qputenv("AppData", appData.replace(QLatin1Char('@'), root).toLocal8Bit());
    Settings().setValue(QStringLiteral("LastDBDir"), lastDbDir.replace(QLatin1Char('@'), root));
    QCOMPARE(ItemExport::outputFilePath(QStringLiteral("DbItemAll"), QStringLiteral(".htm")),
        expected.replace(QLatin1Char('@'), root));
}

QTEST_GUILESS_MAIN(tst_Export)
#include "tst_export.moc"
