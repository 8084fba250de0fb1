#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include "DatabaseFixture.h"
#include "ListModelCheck.h"
#include "TestSupport.h"
#include "TestWorld.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "desktop/FileDialog.h"
#include "desktop/Launcher.h"
#include "itemdialog/ItemDialog.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/funiQListViewItem.h"
#include "mainwindow/larkspanwindow.h"

// The export commands of the main window and the list: the file each one
// writes, where, what the status bar says, and which page is opened.

namespace {

struct Env : TestSupport::TestWorld
{
    Env()
        : TestWorld(OstranaEdition)
    {
        qunsetenv("AppData");
        QDir(dir.path()).mkpath(QStringLiteral("db"));
        QDir(dir.path()).mkpath(QStringLiteral("appdata"));
        database = QDir(dir.path()).filePath(QStringLiteral("db/home.inb"));
        DatabaseFixture::writeLists(QFileInfo(database).absolutePath(), DatabaseFixture::twoGroups());
        DatabaseFixture::writeDatabase(QFileInfo(database).absolutePath(), QStringLiteral("home.inb"), OstranaEdition,
            DatabaseFixture::threeItems());
    }
    ~Env()
    {
        qunsetenv("AppData");
        setDatabaseModified(false);
    }

    // The database folder stays the fixture's own, also with no start file.
    void startWith(const QString &file)
    {
        TestWorld::startWith(file);
        Settings().setValue(QStringLiteral("LastDBDir"), path(QStringLiteral("db")));
    }
    // The local files handed to the desktop, oldest first.
    QStringList opened() const
    {
        QStringList files;
        for (const Launcher::Request &request : launches.requests())
            files.append(request.url.toLocalFile());
        return files;
    }

    QString database;
};

enum Command { ShowAllAsXML, ShowAllAsHTML, ShowAllAsHTMLTable, ShowAllSpecialCasesAsHTML, SaveAsXML, SaveAsHTML };

void run(MainWindow &w, Command command)
{
    switch (command) {
    case ShowAllAsXML:
        w.ShowAllAsXML();
        break;
    case ShowAllAsHTML:
        w.ShowAllAsHTML();
        break;
    case ShowAllAsHTMLTable:
        w.ShowAllAsHTMLTable();
        break;
    case ShowAllSpecialCasesAsHTML:
        w.ShowAllSpecialCasesAsHTML();
        break;
    case SaveAsXML:
        w.SaveAsXML();
        break;
    case SaveAsHTML:
        w.SaveAsHTML();
        break;
    }
}

funiQListViewItem *rowOf(MainWindow &w, const QString &name)
{
    for (Item *item : *w.collection()) {
        if (item->name() == name)
            return w.listView()->FindListViewItem(item);
    }
    return nullptr;
}

} // namespace

class TestExportCommands : public QObject
{
    Q_OBJECT

private slots:
    void commandWritesItsFile_data();
    void commandWritesItsFile();
    void failedExportOpensNothing_data();
    void failedExportOpensNothing();
    void exportOfUnnamedDatabaseAsksForName_data();
    void exportOfUnnamedDatabaseAsksForName();
    void currentItemPage_data();
    void currentItemPage();
    void itemDialogShowsListRowAsPage();
};

void TestExportCommands::commandWritesItsFile_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("appData");
    QTest::addColumn<QString>("file"); // relative to the test folder
    QTest::addColumn<QByteArray>("contains");
    QTest::addColumn<QString>("status");

    const QString xmlStatus = QStringLiteral("^%1 gemt, antal: 3, tid: +\\d+\\.\\d\\d sec $");
    const QString htmlStatus = QStringLiteral("^%1\\.htm gemt, antal: 3, tid: +\\d+\\.\\d\\d sec $");
    for (bool appData : { false, true }) {
        const QString folder = appData ? QStringLiteral("appdata/") : QStringLiteral("db/");
        const QByteArray suffix = appData ? " (AppData)" : " (database folder)";
        QTest::newRow("ShowAllAsXML" + suffix)
            << int(ShowAllAsXML) << appData << folder + "allDBItemsAsXml.xml" << QByteArray("<Items>") << xmlStatus;
        QTest::newRow("ShowAllAsHTML" + suffix)
            << int(ShowAllAsHTML) << appData << folder + "DbItemAll.htm" << QByteArray("<h2>") << htmlStatus;
        QTest::newRow("ShowAllAsHTMLTable" + suffix)
            << int(ShowAllAsHTMLTable) << appData << folder + "DbIemTable.htm" << QByteArray("<table") << htmlStatus;
        QTest::newRow("ShowAllSpecialCasesAsHTML" + suffix)
            << int(ShowAllSpecialCasesAsHTML) << appData << folder + "DbMissingItems.htm"
            << QByteArray("<Items>\r\n</Items>") << htmlStatus;
    }
    // Saved beside the database, under its name, and not opened.
    QTest::newRow("SaveAsXML") << int(SaveAsXML) << true << QStringLiteral("db/home.inb.xml") << QByteArray("<?xml")
                               << xmlStatus;
    QTest::newRow("SaveAsHTML") << int(SaveAsHTML) << true << QStringLiteral("db/home.inb.htm") << QByteArray("<h2>")
                                << htmlStatus;
}

void TestExportCommands::commandWritesItsFile()
{
    QFETCH(int, command);
    QFETCH(bool, appData);
    QFETCH(QString, file);
    QFETCH(QByteArray, contains);
    QFETCH(QString, status);

    Env env;
    env.startWith(env.database);
    if (appData)
        qputenv("AppData", env.path(QStringLiteral("appdata")).toLocal8Bit());
    MainWindow w;
    checkListModel(*w.listView());
    QCOMPARE(w.collection()->count(), 3);

    QSignalSpy spy(&w, qOverload<const QString &, int>(&MainWindow::message));
    run(w, Command(command));

    const QString written = env.path(file);
    QVERIFY2(QFileInfo::exists(written), qPrintable(written));
    QVERIFY(TestSupport::readFile(written).contains(contains));
    const bool shown = command != SaveAsXML && command != SaveAsHTML;
    QCOMPARE(env.opened(), shown ? QStringList { written } : QStringList());

    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(1).toInt(), 10000);
    const QString shownName = command == SaveAsXML || command == ShowAllAsXML ? written : written.chopped(4);
    const QRegularExpression expected(status.arg(QRegularExpression::escape(shownName)));
    QVERIFY2(expected.match(spy.at(0).at(0).toString()).hasMatch(), qPrintable(spy.at(0).at(0).toString()));
    QCOMPARE(env.boxes.count(), 0);
}

void TestExportCommands::failedExportOpensNothing_data()
{
    QTest::addColumn<int>("command");
    for (Command command : { ShowAllAsXML, ShowAllAsHTML, ShowAllAsHTMLTable, ShowAllSpecialCasesAsHTML })
        QTest::newRow(QByteArray::number(int(command)).constData()) << int(command);
}

void TestExportCommands::failedExportOpensNothing()
{
    QFETCH(int, command);

    Env env;
    env.startWith(env.database);
    // A folder of generated pages that is not there.
    qputenv("AppData", env.path(QStringLiteral("gone")).toLocal8Bit());
    MainWindow w;
    checkListModel(*w.listView());
    QSignalSpy spy(&w, qOverload<const QString &, int>(&MainWindow::message));
    run(w, Command(command));

    QCOMPARE(env.launches.count(), 0);
    QVERIFY(!QFileInfo::exists(env.path(QStringLiteral("gone"))));
    QCOMPARE(spy.count(), 1);
    const QString text = spy.at(0).at(0).toString();
    QVERIFY2(text.contains(QLatin1String(" blev ikke gemt: ")), qPrintable(text));
    QVERIFY(!text.contains(QLatin1String(" gemt, antal")));
    // The status message goes by; the box stays until the user has read it.
    QCOMPARE(env.boxes.count(), 1);
    QCOMPARE(env.boxes.last().title, QStringLiteral("Eksporten mislykkedes"));
    const QString reason = text.mid(text.indexOf(QLatin1String(" blev ikke gemt: ")) + 17);
    const QString file = text.left(text.indexOf(QLatin1String(" blev ikke gemt: ")));
    QCOMPARE(env.boxes.last().text, QStringLiteral("%1 blev ikke gemt:\n%2").arg(file, reason));
    QVERIFY(!reason.isEmpty());
}

void TestExportCommands::exportOfUnnamedDatabaseAsksForName_data()
{
    QTest::addColumn<int>("command");
    QTest::newRow("SaveAsXML") << int(SaveAsXML);
    QTest::newRow("SaveAsHTML") << int(SaveAsHTML);
}

void TestExportCommands::exportOfUnnamedDatabaseAsksForName()
{
    QFETCH(int, command);

    Env env;
    env.startWith(QString());
    MainWindow w;
    checkListModel(*w.listView());
    QVERIFY(w.currentFileName().isEmpty());
    const QStringList before = QDir(env.path(QStringLiteral("db"))).entryList(QDir::Files);

    FileDialog::queueCancel();
    QSignalSpy spy(&w, qOverload<const QString &, int>(&MainWindow::message));
    run(w, Command(command));
    // The Save As dialog came instead, and nothing was exported.
    QCOMPARE(env.dialogs.count(), 1);
    QCOMPARE(env.dialogs.last().mode, FileDialog::AnyFile);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(QDir(env.path(QStringLiteral("db"))).entryList(QDir::Files), before);
    QCOMPARE(env.launches.count(), 0);
}

void TestExportCommands::currentItemPage_data()
{
    QTest::addColumn<QString>("row"); // "" for none, "group" for a group row
    QTest::addColumn<bool>("appData");
    QTest::addColumn<QString>("page");

    QTest::newRow("item row, AppData") << QStringLiteral("Komfur") << true << QStringLiteral("appdata/CurrentItem.htm");
    QTest::newRow("item row, database folder")
        << QStringLiteral("Gryde") << false << QStringLiteral("db/CurrentItem.htm");
    QTest::newRow("group row") << QStringLiteral("group") << true << QString();
    QTest::newRow("no row") << QString() << true << QString();
}

void TestExportCommands::currentItemPage()
{
    QFETCH(QString, row);
    QFETCH(bool, appData);
    QFETCH(QString, page);

    Env env;
    env.startWith(env.database);
    if (appData)
        qputenv("AppData", env.path(QStringLiteral("appdata")).toLocal8Bit());
    MainWindow w;
    checkListModel(*w.listView());
    if (row == QLatin1String("group"))
        w.listView()->ItemSelected(w.listView()->topLevelItem(1));
    else if (!row.isEmpty())
        w.listView()->ItemSelected(rowOf(w, row));

    w.ViewCurrentAsHTML();
    if (page.isEmpty()) {
        QCOMPARE(env.launches.count(), 0);
        QVERIFY(!QFileInfo::exists(env.path(QStringLiteral("appdata/CurrentItem.htm"))));
        return;
    }
    const QString written = env.path(page);
    QCOMPARE(env.opened(), QStringList { written });
    const QByteArray bytes = TestSupport::readFile(written);
    QCOMPARE(bytes.count("<Item>"), 1);
    QVERIFY(bytes.contains("<Name>" + row.toLatin1() + "<BR></Name>"));
    QVERIFY(!bytes.contains("<h2>"));
}

void TestExportCommands::itemDialogShowsListRowAsPage()
{
    Env env;
    env.startWith(env.database);
    qputenv("AppData", env.path(QStringLiteral("appdata")).toLocal8Bit());
    MainWindow w;
    checkListModel(*w.listView());
    funiQListViewItem *row = rowOf(w, QStringLiteral("Sofa"));
    w.listView()->ItemSelected(row);
    ItemDialog *dialog = w.listView()->openItemDialog(
        funiQListViewItem::itemOfRow(row), QStringLiteral("DATA"), false, nullptr, QString());
    auto *button = dialog->findChild<QPushButton *>(QStringLiteral("ViewCurrentAsHtmlPushButton"));
    QVERIFY(button);
    QSignalSpy listMessages(w.listView(), &ItemListView::message);

    button->click();
    const QString written = env.path(QStringLiteral("appdata/CurrentItem.htm"));
    QCOMPARE(env.opened(), QStringList { written });
    QVERIFY(TestSupport::readFile(written).contains("<Name>Sofa<BR></Name>"));

    // A page that cannot be written is not opened, and the status bar says so.
    env.launches.clear();
    QVERIFY(QFile::remove(written));
    QVERIFY(QDir().mkpath(written));
    button->click();
    QCOMPARE(env.launches.count(), 0);
    QCOMPARE(listMessages.count(), 1);
    QVERIFY(w.statusBar()->currentMessage().contains(QLatin1String(" blev ikke gemt: ")));
    QCOMPARE(env.boxes.count(), 1);
    QCOMPARE(env.boxes.last().title, QStringLiteral("Eksporten mislykkedes"));
    QVERIFY(env.boxes.last().text.startsWith(QDir::toNativeSeparators(written) + QStringLiteral(" blev ikke gemt:\n")));
    delete dialog;
}

QTEST_MAIN(TestExportCommands)
#include "tst_exportcommands.moc"
