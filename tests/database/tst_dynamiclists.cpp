#include <QtTest>

#include "FailingDevice.h"
#include "TestSupport.h"
#include "core/Edition.h"
#include "core/LogXML.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "database/userItemCollection.h"

using TestSupport::readFile;
using TestSupport::writeFile;

namespace {

// Lines joined with CR LF, each one ended.
QByteArray crlfLines(const QList<QByteArray> &lines)
{
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + "\r\n";
    return bytes;
}

QByteArray numberedLines(int count, const QByteArray &prefix)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += prefix + QByteArray::number(i) + "\r\n";
    return bytes;
}

// Runs the rest of a scope with the working folder moved elsewhere, since
// the program-folder and demo fall-backs are read relative to it.
class WorkingFolder
{
public:
    explicit WorkingFolder(const QString &path)
        : m_old(QDir::currentPath())
    {
        QDir::setCurrent(path);
    }
    ~WorkingFolder() { QDir::setCurrent(m_old); }

private:
    QString m_old;
};

} // namespace

class tst_DynamicLists : public QObject
{
    Q_OBJECT

private slots:
    // --- the list class ---------------------------------------------------

    void loadReadsLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("crlf") << QByteArray("Stue\r\nKøkken\r\n") << QStringList { "Stue", "Køkken" };
        QTest::newRow("lf") << QByteArray("Stue\nKøkken\n") << QStringList { "Stue", "Køkken" };
        QTest::newRow("mixed, no final line end") << QByteArray("a\r\nb\nc") << QStringList { "a", "b", "c" };
        QTest::newRow("empty lines are entries") << QByteArray("a\r\n\r\n\nb\r\n") << QStringList { "a", "", "", "b" };
        QTest::newRow("one empty line") << QByteArray("\r\n") << QStringList { "" };
        QTest::newRow("empty file") << QByteArray() << QStringList {};
        QTest::newRow("latin-1") << QByteArray("R\xe6kke \xf8st\r\n\xc5rhus\r\n")
                                 << QStringList { QStringLiteral("Række øst"), QStringLiteral("Århus") };
        QTest::newRow("separator kept") << QByteArray("Bad; gang\r\n") << QStringList { "Bad; gang" };
        QTest::newRow("blanks kept") << QByteArray("  a  \r\n") << QStringList { "  a  " };
    }
    void loadReadsLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath("list.txt");
        // The rows are written in this file's encoding; the list files are Latin-1.
        QByteArray fileBytes = bytes;
        if (QTest::currentDataTag() != QByteArray("latin-1"))
            fileBytes = QString::fromUtf8(bytes).toLatin1();
        QVERIFY(writeFile(path, fileBytes));
        userItemCollection list;
        list.setLimit(100);
        list.add("old");
        QVERIFY(list.load(path));
        QCOMPARE(list.entries(), expected);
    }

    void loadOfMissingFileLeavesListAlone()
    {
        QTemporaryDir dir;
        userItemCollection list;
        list.add("kept");
        QVERIFY(!list.load(dir.filePath("absent.txt")));
        QCOMPARE(list.entries(), QStringList { "kept" });
    }

    void loadStopsOneAfterTheLimit_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("expected");
        QTest::newRow("default limit 15") << -1 << 40 << 16;
        QTest::newRow("below the limit") << 30 << 20 << 20;
        QTest::newRow("exactly limit + 1") << 30 << 31 << 31;
        QTest::newRow("limit 0") << 0 << 5 << 1;
    }
    void loadStopsOneAfterTheLimit()
    {
        QFETCH(int, limit);
        QFETCH(int, lines);
        QFETCH(int, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath("list.txt");
        QVERIFY(writeFile(path, numberedLines(lines, "e")));
        userItemCollection list;
        if (limit >= 0)
            list.setLimit(unsigned(limit));
        QVERIFY(list.load(path));
        QCOMPARE(list.size(), expected);
        QCOMPARE(list.entry(expected - 1), QStringLiteral("e%1").arg(expected - 1));
    }

    void saveWritesLatin1WithCrLf()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("list.txt");
        userItemCollection list;
        for (const QString &text : { QStringLiteral("Køkken"), QString(), QStringLiteral("A & B") })
            list.add(text);
        QVERIFY(list.save(path));
        QCOMPARE(readFile(path), QByteArray("K\xf8kken\r\n\r\nA & B\r\n"));

        userItemCollection back;
        back.setLimit(100);
        QVERIFY(back.load(path));
        QCOMPARE(back.entries(), list.entries());
    }

    // A name the list file cannot hold as it is (it would come back as
    // another name, as two names, or with "?" in it) is never written: the
    // old file stays and the reason names the line and the name.
    void saveRefusesNamesTheFileCannotHold_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("separator") << "Bad; gang"
                                   << "(;)";
        QTest::newRow("line feed") << "Bad\ngang"
                                   << "Linjeskift";
        QTest::newRow("carriage return") << "Bad\r"
                                         << "Linjeskift";
        QTest::newRow("euro sign") << "Pris \u20ac"
                                   << "\u20ac";
        QTest::newRow("too long") << QString(200, u'x') << "199 tegn";
    }
    void saveRefusesNamesTheFileCannotHold()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        TestSupport::RecordedMessageBoxes boxes;
        QTemporaryDir dir;
        const QString path = dir.filePath("list.txt");
        const QByteArray old("first\r\nsecond\r\n");
        QVERIFY(writeFile(path, old));
        userItemCollection list;
        list.add("Stue");
        list.add(name);

        QVERIFY(!list.save(path, false));
        QCOMPARE(boxes.count(), 0);
        QVERIFY(!list.save(path));
        QCOMPARE(readFile(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { "list.txt" });
        QVERIFY2(list.errorString().contains(QStringLiteral("linje 2")), qPrintable(list.errorString()));
        QVERIFY2(list.errorString().contains(name), qPrintable(list.errorString()));
        QVERIFY2(list.errorString().contains(reason), qPrintable(list.errorString()));
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().kind, MessageBox::Critical);
        QVERIFY(boxes.last().text.contains(QDir::toNativeSeparators(path)));
        QVERIFY(boxes.last().text.contains(list.errorString()));
    }

    void saveOfEmptyListEmptiesTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("list.txt");
        QVERIFY(writeFile(path, "old\r\n"));
        userItemCollection list;
        QVERIFY(list.save(path));
        QVERIFY(QFile::exists(path));
        QCOMPARE(readFile(path), QByteArray());
    }

    void failedSaveKeepsOldFileAndTellsTheUser()
    {
        TestSupport::RecordedMessageBoxes boxes;
        QTemporaryDir dir;
        const QString path = dir.filePath("list.txt");
        const QByteArray old("first\r\nsecond\r\n");
        QVERIFY(writeFile(path, old));

        userItemCollection list;
        for (int i = 0; i < 200; ++i)
            list.add(QStringLiteral("a rather long entry number %1").arg(i));
        bool saved = true;
        {
            TestSupport::FailingSaves limit(64);
            saved = list.save(path);
        }
        QVERIFY(!saved);
        QCOMPARE(readFile(path), old);
        QCOMPARE(list.errorString(), TestSupport::FailingDevice::reason());
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().kind, MessageBox::Critical);
        QCOMPARE(boxes.last().title, QStringLiteral("userItemCollection:SaveToFile"));
        QVERIFY(boxes.last().text.contains(QDir::toNativeSeparators(path)));
        QVERIFY(boxes.last().text.contains(list.errorString()));
        // Nothing of the attempt is left beside the old file.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { "list.txt" });
    }

    // The list is written in one piece: a disk with room for all but its last
    // byte must fail the save, one with exactly room enough must not.
    void saveAtTheDiskLimit_data()
    {
        QTest::addColumn<int>("room");
        QTest::addColumn<bool>("saved");
        QTest::newRow("one byte short") << -1 << false;
        QTest::newRow("exactly the list") << 0 << true;
        QTest::newRow("room to spare") << 10 << true;
    }
    void saveAtTheDiskLimit()
    {
        QFETCH(int, room);
        QFETCH(bool, saved);
        TestSupport::RecordedMessageBoxes boxes;
        QTemporaryDir dir;
        const QString path = dir.filePath("list.txt");
        const QByteArray old("old\r\n");
        QVERIFY(writeFile(path, old));
        userItemCollection list;
        list.add(QStringLiteral("Stue"));
        list.add(QStringLiteral("Køkken"));
        const QByteArray expected = QByteArray("Stue\r\nK\xf8kken\r\n");
        {
            TestSupport::FailingSaves disk(expected.size() + room);
            QCOMPARE(list.save(path, false), saved);
        }
        QCOMPARE(readFile(path), saved ? expected : old);
        QCOMPARE(list.errorString(), saved ? QString() : TestSupport::FailingDevice::reason());
        QCOMPARE(boxes.count(), 0);
    }

    void quietSaveLeavesTheTellingToTheCaller()
    {
        TestSupport::RecordedMessageBoxes boxes;
        QTemporaryDir dir;
        userItemCollection list;
        list.add("x");
        QVERIFY(!list.save(dir.filePath("missing/list.txt"), false));
        QVERIFY(!list.errorString().isEmpty());
        QCOMPARE(boxes.count(), 0);
    }

    void entryAndPlainEntry()
    {
        userItemCollection list;
        list.add("&Stue");
        list.add("R&&D");
        QCOMPARE(list.entry(0), QStringLiteral("&Stue"));
        QCOMPARE(list.entry(2), QString());
        QCOMPARE(list.entry(-1), QString());
        QCOMPARE(list.plainEntry(1), QStringLiteral("RD"));
        // The removal is permanent.
        QCOMPARE(list.entry(1), QStringLiteral("RD"));
        QCOMPARE(list.plainEntry(5), QString());
        QCOMPARE(list.indexOf("&Stue"), 0);
        QCOMPARE(list.indexOf("&stue"), -1);
        QVERIFY(list.contains("RD"));
        QVERIFY(!list.contains("R&&D"));
    }

    // --- loading the four lists of a collection --------------------------

    void fallBacks_data()
    {
        // Files relative to the database folder "D/", the program (working)
        // folder "P/"; each file holds one line naming itself.
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("groups");
        QTest::addColumn<QString>("locations");
        QTest::addColumn<QString>("suppliers");
        QTest::addColumn<QString>("fields");

        const QStringList all { "D/groups/groups.en.txt", "D/location/location.en.txt", "D/supplier/supplier.en.txt",
            "D/fields/fields.en.txt" };
        QTest::newRow("language files") << "en" << all << "D/groups/groups.en.txt"
                                        << "D/location/location.en.txt"
                                        << "D/supplier/supplier.en.txt"
                                        << "D/fields/fields.en.txt";
        QTest::newRow("danish fall-back is 'da'")
            << "en" << QStringList { "D/groups/groups.da.txt", "D/location/location.da.txt" }
            << "D/groups/groups.da.txt"
            << "D/location/location.da.txt"
            << ""
            << "";
        QTest::newRow("dk looks for dk first")
            << "dk" << QStringList { "D/groups/groups.dk.txt", "D/groups/groups.da.txt", "D/location/location.dk.txt" }
            << "D/groups/groups.dk.txt"
            << "D/location/location.dk.txt"
            << ""
            << "";
        QTest::newRow("no groups: program folder for both")
            << "no"
            << QStringList { "D/location/location.no.txt", "P/group/group.no.txt", "P/location/location.no.txt" }
            << "P/group/group.no.txt"
            << "P/location/location.no.txt"
            << ""
            << "";
        QTest::newRow("no locations: program folder keeps database groups")
            << "en" << QStringList { "D/groups/groups.en.txt", "P/group/group.en.txt", "P/location/location.en.txt" }
            << "D/groups/groups.en.txt"
            << "P/location/location.en.txt"
            << ""
            << "";
        QTest::newRow("program folder uses singular 'group'")
            << "en" << QStringList { "P/groups/groups.en.txt", "P/location/location.en.txt" } << ""
            << "P/location/location.en.txt"
            << ""
            << "";
        QTest::newRow("demo folder for suppliers and fields")
            << "no" << QStringList { "P/db/DemoDBStd/supplier/supplier.no.txt", "P/db/DemoDBStd/fields/fields.no.txt" }
            << ""
            << ""
            << "P/db/DemoDBStd/supplier/supplier.no.txt"
            << "P/db/DemoDBStd/fields/fields.no.txt";
        QTest::newRow("database folder beats demo")
            << "en"
            << QStringList { "D/supplier/supplier.en.txt", "P/db/DemoDBStd/supplier/supplier.en.txt",
                   "D/fields/fields.en.txt", "P/db/DemoDBStd/fields/fields.en.txt" }
            << ""
            << ""
            << "D/supplier/supplier.en.txt"
            << "D/fields/fields.en.txt";
        QTest::newRow("no danish fall-back for suppliers") << "en" << QStringList { "D/supplier/supplier.da.txt" } << ""
                                                           << ""
                                                           << ""
                                                           << "";
        QTest::newRow("nothing anywhere") << "dk" << QStringList {} << ""
                                          << ""
                                          << ""
                                          << "";
    }
    void fallBacks()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, files);
        QTemporaryDir database;
        QTemporaryDir program;
        for (const QString &file : files) {
            const QString root = file.startsWith("D/") ? database.path() : program.path();
            QVERIFY(writeFile(root + file.mid(1), file.toLatin1() + "\r\n"));
        }
        TestSupport::IsolatedSettings settings(QuorvelEdition);
        {
            Settings store;
            store.setValue("LastDBDir", database.path());
            store.setValue("Language", language);
        }
        WorkingFolder working(program.path());
        DBItemCollection collection(nullptr);

        QTEST(collection.groups().entry(0), "groups");
        QTEST(collection.locations().entry(0), "locations");
        QTEST(collection.suppliers().entry(0), "suppliers");
        QTEST(collection.fields().entry(0), "fields");
        QVERIFY(collection.groups().size() <= 1);
    }

    void reloadingEmptiesListsFirst()
    {
        QTemporaryDir database;
        QTemporaryDir program;
        QVERIFY(writeFile(database.filePath("groups/groups.dk.txt"), "Stue\r\n"));
        TestSupport::IsolatedSettings settings(OstranaEdition);
        Settings().setValue("LastDBDir", database.path());
        WorkingFolder working(program.path());
        DBItemCollection collection(nullptr);
        QCOMPARE(collection.groups().entries(), QStringList { "Stue" });
        collection.suppliers().add("left over");

        QTemporaryDir other;
        Settings().setValue("LastDBDir", other.path());
        QVERIFY(collection.MakeDynamicLists());
        QCOMPARE(collection.groups().size(), 0);
        QCOMPARE(collection.suppliers().size(), 0);
        QCOMPARE(collection.fields().entry(0), QString());
    }

    void emptyDatabaseFolderLoadsNothing()
    {
        QTemporaryDir program;
        QVERIFY(writeFile(program.filePath("group/group.dk.txt"), "x\r\n"));
        QVERIFY(writeFile(program.filePath("db/DemoDBStd/supplier/supplier.dk.txt"), "x\r\n"));
        TestSupport::IsolatedSettings settings(OstranaEdition);
        Settings().setValue("LastDBDir", QString());
        WorkingFolder working(program.path());
        DBItemCollection collection(nullptr);
        QCOMPARE(collection.groups().size(), 0);
        QCOMPARE(collection.suppliers().size(), 0);
    }

    void collectionLimits_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("expected");
        QTest::newRow("groups") << "groups/groups.dk.txt" << 12000 << 10000;
        QTest::newRow("locations") << "location/location.dk.txt" << 10001 << 10000;
        QTest::newRow("suppliers") << "supplier/supplier.dk.txt" << 9000 << 9000;
        QTest::newRow("fields") << "fields/fields.dk.txt" << 40 << 31;
    }
    void collectionLimits()
    {
        QFETCH(QString, file);
        QFETCH(int, lines);
        QFETCH(int, expected);
        QTemporaryDir database;
        QTemporaryDir program;
        // Groups and locations are both present so that no fall-back interferes.
        QVERIFY(writeFile(database.filePath("groups/groups.dk.txt"), "g\r\n"));
        QVERIFY(writeFile(database.filePath("location/location.dk.txt"), "l\r\n"));
        QVERIFY(writeFile(database.filePath(file), numberedLines(lines, "n")));
        TestSupport::IsolatedSettings settings(OstranaEdition);
        Settings().setValue("LastDBDir", database.path());
        WorkingFolder working(program.path());
        DBItemCollection collection(nullptr);
        const userItemCollection *lists[]
            = { &collection.groups(), &collection.locations(), &collection.suppliers(), &collection.fields() };
        const userItemCollection *list
            = lists[QStringList { "groups", "location", "supplier", "fields" }.indexOf(file.section('/', 0, 0))];
        QCOMPARE(list->size(), expected);
        QCOMPARE(list->entry(expected - 1), QStringLiteral("n%1").arg(expected - 1));
    }

    void loadingIsLogged()
    {
        QTemporaryDir database;
        QTemporaryDir program;
        QVERIFY(writeFile(database.filePath("groups/groups.en.txt"), "g\r\n"));
        TestSupport::IsolatedSettings settings(OstranaEdition);
        Settings().setValue("LastDBDir", database.path());
        Settings().setValue("Language", "en");
        WorkingFolder working(program.path());
        const QByteArray oldSwitch = qgetenv("DEBUGTALDRUM");
        qputenv("DEBUGTALDRUM", "1");
        const QString logPath = program.filePath("log.xml");
        {
            LogXML log(logPath, "/Ostrana/");
            DBItemCollection collection(&log);
        }
        qputenv("DEBUGTALDRUM", oldSwitch);
        const QString text = QString::fromLatin1(readFile(logPath));
        const QString folder = database.path();
        QVERIFY(text.contains("<Entry>" + folder + "</Entry>"));
        QVERIFY(text.contains("<Function>MakeDynamicLists()</Function>"));
        QVERIFY(text.contains("<Filename>DBItemCollection</Filename>"));
        QVERIFY(text.contains("<Loading>" + folder + "/groups/groups.en.txt</Loading>"));
        QVERIFY(text.contains("<Loading>" + folder + "/location/location.en.txt</Loading>"));
        QVERIFY(text.contains("<Loading>" + folder + "/supplier/supplier.en.txt</Loading>"));
        QVERIFY(text.contains("<Loading>" + folder + "/fields/fields.en.txt</Loading>"));
        // Locations, suppliers and fields are missing; groups are not.
        QCOMPARE(text.count("<WARNING>Not found</WARNING>"), 3);
        const qsizetype groupsAt = text.indexOf("groups.en.txt</Loading>");
        QVERIFY(text.indexOf("<WARNING>") > groupsAt);
    }

    // --- saving the four lists -------------------------------------------

    void saveCreatesFoldersAndWritesAllFour()
    {
        TestSupport::RecordedMessageBoxes boxes;
        QTemporaryDir database;
        QTemporaryDir program;
        TestSupport::IsolatedSettings settings(NumivaxEdition);
        Settings().setValue("LastDBDir", database.path());
        Settings().setValue("Language", "no");
        WorkingFolder working(program.path());
        DBItemCollection collection(nullptr);
        collection.groups().add("Mynter");
        collection.groups().add("Sedler, gamle");
        collection.locations().add("Skap");
        collection.suppliers().add("Bø");
        collection.fields().add("Felt 1");
        collection.fields().add(QString());

        QVERIFY(!QFileInfo::exists(database.filePath("groups")));
        QVERIFY(collection.SaveDynamicLists());
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(readFile(database.filePath("groups/groups.no.txt")), crlfLines({ "Mynter", "Sedler, gamle" }));
        QCOMPARE(readFile(database.filePath("location/location.no.txt")), crlfLines({ "Skap" }));
        QCOMPARE(readFile(database.filePath("supplier/supplier.no.txt")), crlfLines({ "B\xf8" }));
        QCOMPARE(readFile(database.filePath("fields/fields.no.txt")), crlfLines({ "Felt 1", "" }));

        // And they come back as they went.
        DBItemCollection again(nullptr);
        QCOMPARE(again.groups().entries(), collection.groups().entries());
        QCOMPARE(again.fields().entries(), collection.fields().entries());
    }

    void saveIntoWorkingFolderWhenNoDatabaseFolder()
    {
        TestSupport::RecordedMessageBoxes boxes;
        QTemporaryDir program;
        TestSupport::IsolatedSettings settings(OstranaEdition);
        Settings().setValue("LastDBDir", QString());
        WorkingFolder working(program.path());
        DBItemCollection collection(nullptr);
        collection.groups().add("Stue");
        QVERIFY(collection.SaveDynamicLists());
        QCOMPARE(readFile(program.filePath("groups/groups.dk.txt")), crlfLines({ "Stue" }));
        QVERIFY(QFileInfo::exists(program.filePath("fields/fields.dk.txt")));
    }

    void failedListIsReportedAndOthersStillSaved_data()
    {
        QTest::addColumn<QString>("blocked");
        QTest::addColumn<QString>("key");
        QTest::newRow("groups") << "groups"
                                << "Kan ikke gemme gruppe fil:";
        QTest::newRow("locations") << "location"
                                   << "Kan ikke gemme lokale fil:";
        QTest::newRow("suppliers") << "supplier"
                                   << "KAN_IKKE_GEMME_LEVERAND_FIL:";
        QTest::newRow("fields") << "fields"
                                << "KAN_IKKE_GEMME_FIELDS_FIL:";
    }
    void failedListIsReportedAndOthersStillSaved()
    {
        QFETCH(QString, blocked);
        QFETCH(QString, key);
        TestSupport::RecordedMessageBoxes boxes;
        QTemporaryDir database;
        QTemporaryDir program;
        // A plain file where the list's folder should be: it cannot be created.
        QVERIFY(writeFile(database.filePath(blocked), "not a folder"));
        TestSupport::IsolatedSettings settings(OstranaEdition);
        Settings().setValue("LastDBDir", database.path());
        WorkingFolder working(program.path());
        DBItemCollection collection(nullptr);
        collection.groups().add("g");
        collection.locations().add("l");
        collection.suppliers().add("s");
        collection.fields().add("f");

        QVERIFY(!collection.SaveDynamicLists());
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().kind, MessageBox::Critical);
        QCOMPARE(boxes.last().title, QStringLiteral("Fil fejl"));
        const QString path = database.path() + '/' + blocked + '/' + blocked + ".dk.txt";
        QVERIFY2(boxes.last().text.startsWith(key + QDir::toNativeSeparators(path)), qPrintable(boxes.last().text));
        // The reason is a text of the catalogue, naming the folder.
        QVERIFY2(boxes.last().text.contains(QStringLiteral("Kan ikke oprette mappen ")
                     + QDir::toNativeSeparators(database.path() + '/' + blocked)),
            qPrintable(boxes.last().text));
        QCOMPARE(readFile(database.filePath(blocked)), QByteArray("not a folder"));
        int written = 0;
        for (const char *name : { "groups", "location", "supplier", "fields" }) {
            const QString file = database.path() + '/' + name + '/' + name + ".dk.txt";
            written += QFileInfo(file).isFile() ? 1 : 0;
        }
        QCOMPARE(written, 3);
    }

    // A location name with a line break in it is not written; the user is
    // told which list, file and line, and the other lists are saved.
    void listWithAnUnstorableNameIsNotWritten()
    {
        TestSupport::RecordedMessageBoxes boxes;
        QTemporaryDir database;
        QTemporaryDir program;
        QVERIFY(writeFile(database.filePath("location/location.dk.txt"), "Loft\r\n"));
        TestSupport::IsolatedSettings settings(OstranaEdition);
        Settings().setValue("LastDBDir", database.path());
        WorkingFolder working(program.path());
        DBItemCollection collection(nullptr);
        collection.groups().add("Stue");
        collection.locations().add("Loft");
        collection.locations().add("Kælder\nvest");
        collection.suppliers().add("Butik");
        collection.fields().add("Gruppe");

        QVERIFY(!collection.SaveDynamicLists());
        QCOMPARE(readFile(database.filePath("location/location.dk.txt")), QByteArray("Loft\r\n"));
        QCOMPARE(readFile(database.filePath("groups/groups.dk.txt")), QByteArray("Stue\r\n"));
        QCOMPARE(readFile(database.filePath("supplier/supplier.dk.txt")), QByteArray("Butik\r\n"));
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().title, QStringLiteral("Fil fejl"));
        const QString path = database.path() + "/location/location.dk.txt";
        QVERIFY(boxes.last().text.startsWith("Kan ikke gemme lokale fil:" + QDir::toNativeSeparators(path)));
        QVERIFY2(boxes.last().text.contains(QStringLiteral("linje 2")), qPrintable(boxes.last().text));
    }

    void failedWriteKeepsTheOldListFile()
    {
        TestSupport::RecordedMessageBoxes boxes;
        QTemporaryDir database;
        QTemporaryDir program;
        const QByteArray old = crlfLines({ "Stue", "Køkken" });
        QVERIFY(writeFile(database.filePath("groups/groups.dk.txt"), old));
        QVERIFY(writeFile(database.filePath("location/location.dk.txt"), "Loft\r\n"));
        TestSupport::IsolatedSettings settings(OstranaEdition);
        Settings().setValue("LastDBDir", database.path());
        WorkingFolder working(program.path());
        DBItemCollection collection(nullptr);
        for (int i = 0; i < 500; ++i)
            collection.groups().add(QStringLiteral("Gruppe med et langt navn %1").arg(i));

        bool saved = true;
        {
            TestSupport::FailingSaves limit(256);
            saved = collection.SaveDynamicLists();
        }
        QVERIFY(!saved);
        QCOMPARE(readFile(database.filePath("groups/groups.dk.txt")), old);
        QCOMPARE(readFile(database.filePath("location/location.dk.txt")), QByteArray("Loft\r\n"));
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().title, QStringLiteral("Fil fejl"));
        const QString path = database.path() + "/groups/groups.dk.txt";
        QVERIFY(boxes.last().text.startsWith("Kan ikke gemme gruppe fil:" + QDir::toNativeSeparators(path)));
        QCOMPARE(collection.groups().errorString(), TestSupport::FailingDevice::reason());
        QVERIFY(boxes.last().text.contains(collection.groups().errorString()));
        QCOMPARE(QDir(database.filePath("groups")).entryList(QDir::Files), QStringList { "groups.dk.txt" });
    }

    // --- entries taken out of the numbered lists --------------------------

    void removeListEntryRenumbersLaterItems_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("removed");
        QTest::addColumn<QList<int>>("numbers"); // of the five items afterwards
        QTest::addColumn<bool>("due");

        // The items' numbers in the list are 0, 2, 3, 7 (past the end) and -1.
        const QList<int> before { 0, 2, 3, 7, -1 };
        const int groups = DBItemCollection::GroupList;
        const int locations = DBItemCollection::LocationList;
        QTest::newRow("unused group before used ones") << groups << 1 << true << QList<int> { 0, 1, 2, 7, -1 } << true;
        QTest::newRow("unused location before used ones")
            << locations << 1 << true << QList<int> { 0, 1, 2, 7, -1 } << true;
        QTest::newRow("unused last group") << groups << 4 << true << before << false;
        QTest::newRow("used group") << groups << 2 << false << before << false;
        QTest::newRow("used location") << locations << 0 << false << before << false;
        QTest::newRow("past the end") << groups << 5 << false << before << false;
        QTest::newRow("before the start") << groups << -1 << false << before << false;
        QTest::newRow("supplier, kept as text by the items")
            << int(DBItemCollection::SupplierList) << 0 << true << QList<int> { 3, 3, 3, 3, 3 } << false;
    }

    void removeListEntryRenumbersLaterItems()
    {
        QFETCH(int, list);
        QFETCH(int, position);
        QFETCH(bool, removed);
        QFETCH(QList<int>, numbers);
        QFETCH(bool, due);

        TestSupport::IsolatedSettings settings(OstranaEdition);
        DBItemCollection collection(nullptr);
        const QStringList names { "A", "B", "C", "D", "E" };
        for (userItemCollection *list_ : { &collection.groups(), &collection.locations(), &collection.suppliers() }) {
            list_->clear();
            for (const QString &name : names)
                list_->add(name);
        }
        const auto named = DBItemCollection::NamedList(list);
        // The other numbered list is left alone: its numbers are all 3.
        for (int number : { 0, 2, 3, 7, -1 }) {
            auto item = std::make_unique<Item>();
            item->setGroup(named == DBItemCollection::GroupList ? number : 3);
            item->setLocation(named == DBItemCollection::LocationList ? number : 3);
            collection.add(std::move(item));
        }
        setDatabaseModified(false);

        QStringList events;
        connect(&collection, &DBItemCollection::listEntryAboutToBeRemoved, this,
            [&](int which, int at) { events << QStringLiteral("about %1 %2").arg(which).arg(at); });
        connect(&collection, &DBItemCollection::itemChanged, this, [&](Item *item) {
            // Announced with the number it has now, its list already without the entry.
            events << QStringLiteral("changed %1 of %2")
                          .arg(named == DBItemCollection::LocationList ? item->location() : item->group())
                          .arg(collection.namedList(named).size());
        });
        connect(&collection, &DBItemCollection::listEntryRemoved, this,
            [&](int which, int at) { events << QStringLiteral("removed %1 %2").arg(which).arg(at); });

        QCOMPARE(collection.removeListEntry(named, position), removed);
        QStringList expectedNames = names;
        if (removed)
            expectedNames.removeAt(position);
        QCOMPARE(collection.namedList(named).entries(), expectedNames);
        QList<int> after;
        for (const Item *item : collection) {
            after << (named == DBItemCollection::LocationList ? item->location() : item->group());
            QCOMPARE(named == DBItemCollection::LocationList ? item->group() : item->location(), 3);
        }
        QCOMPARE(after, numbers);
        QCOMPARE(collection.isListDue(named), due);
        QCOMPARE(databaseModified(), due);

        QStringList expectedEvents;
        if (removed) {
            expectedEvents << QStringLiteral("about %1 %2").arg(list).arg(position);
            if (due)
                expectedEvents << QStringLiteral("changed 1 of 4") << QStringLiteral("changed 2 of 4");
            expectedEvents << QStringLiteral("removed %1 %2").arg(list).arg(position);
        }
        QCOMPARE(events, expectedEvents);
    }

    void dueListIsWrittenWithTheDatabase()
    {
        TestSupport::RecordedMessageBoxes boxes;
        QTemporaryDir database;
        TestSupport::IsolatedSettings settings(OstranaEdition);
        Settings().setValue("LastDBDir", database.path());
        DBItemCollection collection(nullptr);
        collection.groups().clear();
        for (const char *name : { "Stue", "Gang", "Loft" })
            collection.groups().add(QString::fromLatin1(name));
        auto item = std::make_unique<Item>();
        item->setGroup(2);
        collection.add(std::move(item));
        QVERIFY(collection.SaveDynamicLists());
        const QString path = DBItemCollection::listFilePath(DBItemCollection::GroupList);
        QCOMPARE(path, database.path() + "/groups/groups.dk.txt");

        QVERIFY(collection.removeListEntry(DBItemCollection::GroupList, 1));
        // The list's own save leaves the file for the database save, even
        // after another change to the list.
        collection.groups().add("Kælder");
        QVERIFY(collection.saveList(DBItemCollection::GroupList));
        QCOMPARE(readFile(path), crlfLines({ "Stue", "Gang", "Loft" }));

        QVERIFY(collection.saveDueLists());
        QCOMPARE(readFile(path), crlfLines({ "Stue", "Loft", "K\xe6lder" }));
        QVERIFY(!collection.isListDue(DBItemCollection::GroupList));
        QVERIFY(collection.saveList(DBItemCollection::GroupList));

        // Lists read again from their files wait for nothing.
        QVERIFY(collection.removeListEntry(DBItemCollection::GroupList, 0));
        QVERIFY(collection.isListDue(DBItemCollection::GroupList));
        collection.MakeDynamicLists();
        QVERIFY(!collection.isListDue(DBItemCollection::GroupList));
        QCOMPARE(boxes.count(), 0);
    }
};

QTEST_GUILESS_MAIN(tst_DynamicLists)
#include "tst_dynamiclists.moc"
