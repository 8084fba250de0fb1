#include <QtTest>

#include <QDirIterator>
#include <QTemporaryDir>

#include "../mainwindow/DatabaseFixture.h"
#include "TestSupport.h"
#include "TestWorld.h"
#include "app/Startup.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/funiQListViewItem.h"
#include "mainwindow/larkspanwindow.h"

namespace {

QVariant setting(const QString &key)
{
    return Settings().value(key);
}

// Every file below folder with its bytes, to tell that nothing there changed.
QMap<QString, QByteArray> filesWithBytes(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        files.insert(QDir(folder).relativeFilePath(file), TestSupport::readFile(file));
    }
    return files;
}

// A database of the edition with its lists, the groups named as given.
QString writeRegister(const QString &file, int edition, const QStringList &groups)
{
    const QFileInfo info(file);
    QDir().mkpath(info.absolutePath());
    DatabaseFixture::writeLists(info.absolutePath(), groups);
    return DatabaseFixture::writeDatabase(info.absolutePath(), info.fileName(), edition, DatabaseFixture::threeItems());
}

QStringList groupRows(const MainWindow &w)
{
    QStringList groups;
    for (int i = 0; i < w.listView()->topLevelItemCount(); ++i)
        groups.append(w.listView()->topLevelItem(i)->text(ItemListView::GroupColumn));
    return groups;
}

} // namespace

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void databaseArgument_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        const QString folder = QStringLiteral("/home/user/Documents");
        QTest::newRow("no file") << QStringList { "ostrana" } << QString();
        QTest::newRow("no arguments at all") << QStringList() << QString();
        QTest::newRow("relative") << QStringList { "ostrana", "stock.db" } << folder + "/stock.db";
        QTest::newRow("relative upwards")
            << QStringList { "vistrel", "../Art/works.inb" } << QStringLiteral("/home/user/Art/works.inb");
        QTest::newRow("absolute") << QStringList { "numivax", "/srv/coins.txt" } << QStringLiteral("/srv/coins.txt");
        QTest::newRow("after an option") << QStringList { "quorvel", "-reverse", "stock.db" } << folder + "/stock.db";
        QTest::newRow("only options") << QStringList { "ostrana", "--verbose", "-x" } << QString();
        QTest::newRow("after --") << QStringList { "ostrana", "--", "-odd name.db" } << folder + "/-odd name.db";
        QTest::newRow("the first of two") << QStringList { "ostrana", "a.db", "b.db" } << folder + "/a.db";
        QTest::newRow("an empty argument") << QStringList { "ostrana", "", "a.db" } << folder + "/a.db";
    }
    void databaseArgument()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        QCOMPARE(Startup::databaseArgument(arguments, QStringLiteral("/home/user/Documents")), expected);
    }

    void startFolderComesFromTheLauncher()
    {
        const QByteArray before = qgetenv("LARKSPAN_START_FOLDER");
        qputenv("LARKSPAN_START_FOLDER", "/home/user/Documents");
        QCOMPARE(Startup::startFolder(), QStringLiteral("/home/user/Documents"));
        qunsetenv("LARKSPAN_START_FOLDER");
        QCOMPARE(Startup::startFolder(), QDir::currentPath());
        if (!before.isEmpty())
            qputenv("LARKSPAN_START_FOLDER", before);
    }

    void namedDatabaseOpensInPlaceOfTheLast_data()
    {
        QTest::addColumn<int>("edition");
        QTest::newRow("Ostrana") << int(OstranaEdition);
        QTest::newRow("Vistrel") << int(VistrelEdition);
        QTest::newRow("Numivax") << int(NumivaxEdition);
        QTest::newRow("Quorvel") << int(QuorvelEdition);
    }
    void namedDatabaseOpensInPlaceOfTheLast()
    {
        QFETCH(int, edition);
        TestSupport::TestWorld world(edition);
        const QString last = writeRegister(world.path(QStringLiteral("last/home.db")), edition, { "Stue", "Køkken" });
        const QString named
            = writeRegister(world.path(QStringLiteral("named/other.db")), edition, { "Garage", "Loft" });
        world.startWith(last);

        MainWindow w(named);
        QVERIFY(w.startSucceeded());
        QCOMPARE(world.boxes.count(), 0);
        QCOMPARE(w.currentFileName(), named);
        QCOMPARE(w.collection()->count(), 3);
        // The lists beside the named file, not those of the last database.
        QCOMPARE(groupRows(w), QStringList({ "Garage", "Loft" }));
        QCOMPARE(w.windowTitle(), windowCaption(named));
        QCOMPARE(w.recentFiles(), QStringList { named });
        // The next start opens it again, as one chosen with Open.
        QCOMPARE(setting(QStringLiteral("LastSavedDBFile")).toString(), named);
        QCOMPARE(
            setting(QStringLiteral("LastDBDir")).toString(), QDir::toNativeSeparators(QFileInfo(named).absolutePath()));
    }

    void unreadableNamedDatabaseLeavesAllAsItWas_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("boxes"); // a file that is no database is told by the reader first
        QTest::newRow("Ostrana, missing") << int(OstranaEdition) << "missing" << 1;
        QTest::newRow("Numivax, a folder") << int(NumivaxEdition) << "folder" << 1;
        QTest::newRow("Vistrel, not a database") << int(VistrelEdition) << "text" << 2;
        QTest::newRow("Quorvel, not a database") << int(QuorvelEdition) << "text" << 2;
        QTest::newRow("Quorvel, missing") << int(QuorvelEdition) << "missing" << 1;
        QTest::newRow("Ostrana, another edition's database") << int(OstranaEdition) << "other edition" << 1;
        QTest::newRow("Quorvel, another edition's database") << int(QuorvelEdition) << "other edition" << 1;
    }
    void unreadableNamedDatabaseLeavesAllAsItWas()
    {
        QFETCH(int, edition);
        QFETCH(QString, kind);
        QFETCH(int, boxes);
        TestSupport::TestWorld world(edition);
        const QString last = writeRegister(world.path(QStringLiteral("last/home.db")), edition, { "Stue", "Køkken" });
        world.startWith(last);
        const QString lastFolder = setting(QStringLiteral("LastDBDir")).toString();

        const QString folder = world.path(QStringLiteral("named"));
        QVERIFY(QDir().mkpath(folder));
        QString named = folder + QStringLiteral("/stock.db");
        if (kind == QLatin1String("folder")) {
            named = folder + QStringLiteral("/register.db");
            QVERIFY(QDir().mkpath(named));
        } else if (kind == QLatin1String("text")) {
            QVERIFY(TestSupport::writeFile(named, "Shopping list\r\nmilk;bread\r\n"));
        } else if (kind == QLatin1String("other edition")) {
            writeRegister(named, edition == OstranaEdition ? NumivaxEdition : OstranaEdition, { "Stue" });
        }
        const QMap<QString, QByteArray> before = filesWithBytes(folder);

        MainWindow w(named);
        // The usual start database instead, with its own lists.
        QVERIFY(w.startSucceeded());
        QCOMPARE(w.currentFileName(), last);
        QCOMPARE(w.collection()->count(), 3);
        QCOMPARE(groupRows(w), QStringList({ "Stue", "Køkken" }));

        QCOMPARE(world.boxes.count(), boxes);
        QCOMPARE(world.boxes.last().kind, MessageBox::Critical);
        QCOMPARE(world.boxes.last().title, QStringLiteral("FileError"));
        const QString shown = QDir::toNativeSeparators(named);
        const QString expected = kind == QLatin1String("missing") || kind == QLatin1String("folder")
            ? QStringLiteral("Databasefilen %1 findes ikke eller kan ikke læses. "
                             "Programmet åbner i stedet den database, det plejer at starte med.")
                  .arg(shown)
            : QStringLiteral("Filen %1 kan ikke åbnes som en %2-database. Filen er ikke ændret. "
                             "Programmet åbner i stedet den database, det plejer at starte med.")
                  .arg(shown, editionName());
        QCOMPARE(world.boxes.last().text, expected);
        QCOMPARE(world.boxes.last().buttons, QStringList { QStringLiteral("Ok") });

        // Nothing damaged: the named file and its folder (no lock file left
        // there), the start settings and the recent files.
        QCOMPARE(filesWithBytes(folder), before);
        QCOMPARE(QFileInfo::exists(named), kind != QLatin1String("missing"));
        QCOMPARE(setting(QStringLiteral("LastSavedDBFile")).toString(), last);
        QCOMPARE(setting(QStringLiteral("LastDBDir")).toString(), lastFolder);
        QCOMPARE(w.recentFiles(), QStringList { last });
    }
};

QTEST_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
