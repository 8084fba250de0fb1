#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTranslator>
#include <QRegularExpression>
#include <QtTest>

#include "DatabaseFixture.h"
#include "ListModelCheck.h"
#include "TestSupport.h"
#include "TestWorld.h"
#include "core/Edition.h"
#include "desktop/FileDialog.h"
#include "desktop/Launcher.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "itemdialog/ItemDialog.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/larkspanwindow.h"

using DatabaseFixture::Row;

namespace {

// One test's world: its own settings store and folder, every box and file
// dialog recorded, no outside program started.
struct Env : TestSupport::TestWorld
{
    explicit Env(int edition = OstranaEdition)
        : TestWorld(edition)
    { }

    // A database with the standard lists in the folder of relativePath.
    QString database(const QString &relativePath, const QList<Row> &rows = DatabaseFixture::threeItems(),
        const QStringList &groups = DatabaseFixture::twoGroups())
    {
        const QFileInfo info(path(relativePath));
        QDir().mkpath(info.absolutePath());
        DatabaseFixture::writeLists(info.absolutePath(), groups);
        return DatabaseFixture::writeDatabase(info.absolutePath(), info.fileName(), edition(), rows);
    }
};

QVariant setting(const QString &key)
{
    return Settings().value(key);
}

// The data lines of a database file (header lines and empty lines left out).
QStringList dataLines(const QString &file)
{
    QStringList lines;
    const QList<QByteArray> all = TestSupport::readFile(file).split('\n');
    for (QByteArray line : all) {
        line = line.trimmed();
        if (!line.isEmpty() && !line.startsWith('#'))
            lines.append(QString::fromLatin1(line));
    }
    return lines;
}

QAction *action(const MainWindow &w, const char *name)
{
    return w.findChild<QAction *>(QLatin1String(name));
}

// The texts of the recent-file entries, in menu order.
QStringList recentEntries(const MainWindow &w)
{
    QStringList texts;
    for (QAction *a : w.fileMenu()->actions()) {
        if (a->objectName().startsWith(QLatin1String("RecentFile")))
            texts.append(a->text());
    }
    return texts;
}

Item *itemNamed(const MainWindow &w, const QString &name)
{
    for (Item *item : *w.collection()) {
        if (item->name() == name)
            return item;
    }
    return nullptr;
}

// Gives the two status texts their catalogue form, with the placeholders.
class StatusCatalogue : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "MainWindow") != 0)
            return QString();
        if (qstrcmp(sourceText, "NUMBERS_OF_ITEMS_READ_FORM_DB") == 0)
            return QStringLiteral("read %1: %2 items in %3 s");
        if (qstrcmp(sourceText, "ITEMS_SAVED_DB_MESSAGE ") == 0)
            return QStringLiteral("saved %1: %2 items in %3 s");
        return QString();
    }
};

// Points the user's folders at a temporary home for the object's lifetime:
// the documents folder is then its "Documents".
class TemporaryHome
{
public:
    explicit TemporaryHome(const QString &home)
        : m_home(qgetenv("HOME"))
        , m_configHome(qgetenv("XDG_CONFIG_HOME"))
        , m_hadConfigHome(qEnvironmentVariableIsSet("XDG_CONFIG_HOME"))
    {
        QDir().mkpath(home + QStringLiteral("/Documents"));
        qputenv("HOME", QFile::encodeName(home));
        // No user-dirs file there: the documents folder is the default one.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/.config")));
    }
    ~TemporaryHome()
    {
        qputenv("HOME", m_home);
        if (m_hadConfigHome)
            qputenv("XDG_CONFIG_HOME", m_configHome);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }
    TemporaryHome(const TemporaryHome &) = delete;
    TemporaryHome &operator=(const TemporaryHome &) = delete;

private:
    QByteArray m_home;
    QByteArray m_configHome;
    bool m_hadConfigHome;
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void startOpensLastSavedDatabase_data();
    void startOpensLastSavedDatabase();
    void startWithUnreadableDatabase_data();
    void startWithUnreadableDatabase();
    void startWithUnreadableDemoDatabase();
    void openingUnreadableFileKeepsRunning();
    void startWithoutSettingsOpensDemoDatabase();
    void openAsksForFile();
    void openCancelledReadsOpenDatabaseAgain();
    void saveQuestion_data();
    void saveQuestion();
    void saveQuestionKeepsChangesWhenSaveFails();
    void saveQuestionOnNewDatabase();
    void closeWindow_data();
    void closeWindow();
    void save_data();
    void save();
    void saveOnNewDatabaseAsksForName();
    void saveAs_data();
    void saveAs();
    void saveAsCancelledWritesNothing();
    void usersDatabasesGoAmongTheirDocuments_data();
    void usersDatabasesGoAmongTheirDocuments();
    void backup_data();
    void backup();
    void backupCancelled();
    void recentFiles();
    void readSettingsKeepsStoredOrder();
    void languageChange_data();
    void languageChange();
    void lockedDatabase();
    void deleteCurrentRow();
    void showActionsFollowSelection_data();
    void showActionsFollowSelection();
    void saveSettings();
    void showAllSettingAppliedOnLoad();
    void statusMessages();
    void editOpensItemDialog();
    void eventLogInDatabaseFolder();
    void typedPathChoosesTheDatabaseFolder_data();
    void typedPathChoosesTheDatabaseFolder();
    void replacingAFileIsAsked_data();
    void replacingAFileIsAsked();
    void newAfterLockedDatabaseCanBeSaved();
};

void TestMainWindow::startOpensLastSavedDatabase_data()
{
    QTest::addColumn<int>("edition");
    QTest::newRow("Ostrana") << int(OstranaEdition);
    QTest::newRow("Vistrel") << int(VistrelEdition);
    QTest::newRow("Numivax") << int(NumivaxEdition);
    QTest::newRow("Quorvel") << int(QuorvelEdition);
}

void TestMainWindow::startOpensLastSavedDatabase()
{
    QFETCH(int, edition);
    Env env(edition);
    const QString file = env.database(QStringLiteral("a/home.db"));
    env.startWith(file);

    MainWindow w;
    checkListModel(*w.listView());
    QVERIFY(w.startSucceeded());
    QCOMPARE(env.boxes.count(), 0);
    QCOMPARE(w.objectName(), QStringLiteral("main window"));
    QCOMPARE(w.currentFileName(), file);
    QCOMPARE(w.collection()->count(), 3);
    QCOMPARE(w.listView()->topLevelItemCount(), 2);
    QCOMPARE(w.listView()->topLevelItem(1)->childCount(), 2);
    QCOMPARE(w.windowTitle(), windowCaption(file));
    QVERIFY(w.windowTitle().endsWith(QStringLiteral(" - ") + file + QStringLiteral("[*]")));
    QCOMPARE(w.recentFiles(), QStringList { file });
    QCOMPARE(setting(QStringLiteral("LastSavedDBFile")).toString(), file);
    QCOMPARE(setting(QStringLiteral("RecentFiles/NumberOfItems")).toInt(), 1);
    QCOMPARE(setting(QStringLiteral("RecentFiles/RecentFile0/")).toString(), file);
    QVERIFY(action(w, "Print")->isEnabled());
    QVERIFY(action(w, "FileSave")->isEnabled());
    QVERIFY(!w.statusBar()->currentMessage().isEmpty());
    QVERIFY(!databaseModified());
}

void TestMainWindow::startWithUnreadableDatabase_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("demoDatabase");
    QTest::addColumn<QString>("demoFolder");
    QTest::addColumn<QByteArray>("content"); // empty: no such file
    QTest::newRow("Ostrana dk, missing") << int(OstranaEdition) << "dk"
                                         << "db/DemoDBStd/OstranaStdDemoDatabase.dk.db"
                                         << "db/DemoDBStd/" << QByteArray();
    QTest::newRow("Vistrel no, missing") << int(VistrelEdition) << "no"
                                         << "db/DemoDBCinvaro/Cinvaro.no.db"
                                         << "db/DemoDBCinvaro/" << QByteArray();
    QTest::newRow("Numivax en, missing") << int(NumivaxEdition) << "en"
                                         << "db/DemoDBNumivax/DemoDBNumivax.en.txt"
                                         << "db/DemoDBNumivax/" << QByteArray();
    QTest::newRow("Quorvel dk, not a database") << int(QuorvelEdition) << "dk"
                                                << "db/DemoQuorvel/DemoQuorvel.dk.db"
                                                << "db/DemoQuorvel/" << QByteArray("no database here\r\n");
}

void TestMainWindow::startWithUnreadableDatabase()
{
    QFETCH(int, edition);
    QFETCH(QString, language);
    QFETCH(QString, demoDatabase);
    QFETCH(QString, demoFolder);
    QFETCH(QByteArray, content);
    Env env(edition);
    Settings().setValue(QStringLiteral("Language"), language);
    const QString file = env.path(QStringLiteral("stock.db"));
    if (!content.isEmpty())
        QVERIFY(TestSupport::writeFile(file, content));
    env.startWith(file);
    Settings().setValue(QStringLiteral("RecentFiles/NumberOfItems"), 1);
    Settings().setValue(QStringLiteral("RecentFiles/RecentFile0/"), file);

    MainWindow w;
    checkListModel(*w.listView());
    QVERIFY(!w.startSucceeded());
    QCOMPARE(w.demoDatabasePath(), demoDatabase);
    // A file that is not a database has first been told by the reader.
    QCOMPARE(env.boxes.count(), content.isEmpty() ? 1 : 2);
    QCOMPARE(env.boxes.last().kind, MessageBox::Critical);
    QCOMPARE(env.boxes.last().title, QStringLiteral("FileError"));
    QCOMPARE(env.boxes.last().text,
        QStringLiteral("Databasefilen %1 kan ikke åbnes eller læses, og programmet afsluttes. Filen er ikke ændret. "
                       "Næste gang programmet startes, åbner det demodatabasen %2.")
            .arg(QDir::toNativeSeparators(file), QDir::toNativeSeparators(demoDatabase)));
    QCOMPARE(env.boxes.last().buttons, QStringList { QStringLiteral("Ok") });
    // The next start opens the demo database; the file stays as it was and
    // can still be opened from the recent files.
    QCOMPARE(setting(QStringLiteral("LastSavedDBFile")).toString(), demoDatabase);
    QCOMPARE(setting(QStringLiteral("LastDBDir")).toString(), demoFolder);
    QCOMPARE(QFileInfo::exists(file), !content.isEmpty());
    if (!content.isEmpty())
        QCOMPARE(TestSupport::readFile(file), content);
    QCOMPARE(setting(QStringLiteral("RecentFiles/RecentFile0/")).toString(), file);
    QCOMPARE(w.recentFiles(), QStringList { file });
    QCOMPARE(w.listView()->topLevelItemCount(), 0);
    QCOMPARE(w.collection()->count(), 0);
    QVERIFY(!action(w, "Print")->isEnabled());
}

void TestMainWindow::startWithUnreadableDemoDatabase()
{
    // No database remembered and no demo database in the run folder: the
    // box does not promise that the next start does better.
    Env env(OstranaEdition);
    TestSupport::RunFolderCopy emptyRun({});
    QVERIFY(emptyRun.isValid());
    MainWindow w;
    checkListModel(*w.listView());
    QVERIFY(!w.startSucceeded());
    QCOMPARE(env.boxes.count(), 1);
    QCOMPARE(env.boxes.last().text,
        QStringLiteral("Demodatabasen %1 kan ikke åbnes eller læses, og programmet afsluttes.")
            .arg(QDir::toNativeSeparators(QStringLiteral("db/DemoDBStd/OstranaStdDemoDatabase.dk.db"))));
}

void TestMainWindow::openingUnreadableFileKeepsRunning()
{
    // Only a failure at start ends the program; its box is the one above.
    Env env;
    const QString first = env.database(QStringLiteral("a/first.db"));
    env.startWith(first);
    MainWindow w;
    checkListModel(*w.listView());
    QVERIFY(w.startSucceeded());

    FileDialog::queueAnswer(env.path(QStringLiteral("missing.db")));
    w.Load();
    QVERIFY(w.startSucceeded());
    QCOMPARE(env.boxes.count(), 1);
    QCOMPARE(env.boxes.last().text, QStringLiteral("ERROR_DB_FILE_CAN_NOT_BE_OPENED"));
}

void TestMainWindow::startWithoutSettingsOpensDemoDatabase()
{
    Env env(NumivaxEdition);
    // The installed demo database, in a copy: nothing is left in the run folder.
    TestSupport::RunFolderCopy run({ QStringLiteral("db/DemoDBNumivax") });
    QVERIFY(run.isValid());
    Settings().setValue(QStringLiteral("Language"), QStringLiteral("en"));
    MainWindow w;
    checkListModel(*w.listView());
    QCOMPARE(w.currentFileName(), QStringLiteral("db/DemoDBNumivax/DemoDBNumivax.en.txt"));
    QVERIFY(w.collection()->count() > 0);
    QCOMPARE(env.boxes.count(), 0);
}

void TestMainWindow::openAsksForFile()
{
    Env env;
    const QString first = env.database(QStringLiteral("a/first.db"));
    const QString second
        = env.database(QStringLiteral("b/second.db"), { Row { 2, QStringLiteral("Bil"), {}, {}, {}, {}, 0 } },
            { QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z") });
    env.startWith(first);
    MainWindow w;
    checkListModel(*w.listView());

    FileDialog::queueAnswer(second);
    w.Load();

    QCOMPARE(env.dialogs.count(), 1);
    const FileDialog::Request &request = env.dialogs.last();
    QCOMPARE(request.mode, FileDialog::ExistingFile);
    QVERIFY(request.title.isEmpty());
    QCOMPARE(request.objectName, QStringLiteral("Åben ostrana register fil"));
    QCOMPARE(request.folder, QFileInfo(first).absolutePath());
    QVERIFY(request.filters.contains(QStringLiteral("DB (*.inb *.txt *.db)")));
    QVERIFY(request.filters.contains(FileDialog::allFilesFilter()));
    QCOMPARE(request.selectedFilter, QStringLiteral("DB (*.inb *.txt *.db)"));

    QCOMPARE(w.currentFileName(), second);
    QCOMPARE(
        setting(QStringLiteral("LastDBDir")).toString(), QDir::toNativeSeparators(QFileInfo(second).absolutePath()));
    QCOMPARE(setting(QStringLiteral("LastSavedDBFile")).toString(), second);
    // The lists of the new folder were read before the database.
    QCOMPARE(w.listView()->topLevelItemCount(), 3);
    QCOMPARE(w.collection()->count(), 1);
    QCOMPARE(w.listView()->topLevelItem(2)->childCount(), 1);
    QCOMPARE(w.recentFiles(), (QStringList { second, first }));
    QCOMPARE(w.windowTitle(), windowCaption(second));
    QCOMPARE(env.boxes.count(), 0);
}

void TestMainWindow::openCancelledReadsOpenDatabaseAgain()
{
    Env env;
    const QString first = env.database(QStringLiteral("a/first.db"));
    env.startWith(first);
    MainWindow w;
    checkListModel(*w.listView());

    FileDialog::queueCancel();
    w.Load();

    QCOMPARE(env.dialogs.count(), 1);
    QCOMPARE(w.currentFileName(), first);
    QCOMPARE(w.collection()->count(), 3);
    QCOMPARE(w.listView()->topLevelItemCount(), 2);
    QCOMPARE(env.boxes.count(), 0);
}

void TestMainWindow::saveQuestion_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("linesOnDisk");
    QTest::addColumn<bool>("goesOn");
    QTest::newRow("&Gem") << 0 << 2 << true;
    QTest::newRow("Gem &ikke") << 1 << 3 << true;
    QTest::newRow("&Fortryd") << 2 << 3 << false;
}

void TestMainWindow::saveQuestion()
{
    QFETCH(int, answer);
    QFETCH(int, linesOnDisk);
    QFETCH(bool, goesOn);
    Env env;
    const QString file = env.database(QStringLiteral("a/home.db"));
    env.startWith(file);
    MainWindow w;
    checkListModel(*w.listView());
    w.listView()->FindListViewItem(itemNamed(w, QStringLiteral("Sofa")));
    w.DeleteItem();
    QVERIFY(databaseModified());

    MessageBox::queueAnswerIndex(answer);
    w.FileNew();

    QCOMPARE(env.boxes.count(), 1);
    const MessageBox::Shown &box = env.boxes.last();
    QCOMPARE(box.kind, MessageBox::Information);
    QCOMPARE(box.title, QStringLiteral("/Ostrana/"));
    QCOMPARE(box.text, QStringLiteral("SAVE_CURRENT_DB_QUESTION"));
    QCOMPARE(
        box.buttons, (QStringList { QStringLiteral("&Gem"), QStringLiteral("Gem &ikke"), QStringLiteral("&Fortryd") }));

    QCOMPARE(dataLines(file).size(), linesOnDisk);
    QCOMPARE(databaseModified(), !goesOn);
    if (goesOn) {
        QVERIFY(w.currentFileName().isEmpty());
        QCOMPARE(w.collection()->count(), 0);
        QCOMPARE(w.windowTitle(), windowCaption(QString()));
    } else {
        QCOMPARE(w.currentFileName(), file);
        QCOMPARE(w.collection()->count(), 2);
        QCOMPARE(w.windowTitle(), windowCaption(file));
    }
}

void TestMainWindow::saveQuestionKeepsChangesWhenSaveFails()
{
    Env env;
    const QString file = env.database(QStringLiteral("sub/home.db"));
    env.startWith(file);
    MainWindow w;
    checkListModel(*w.listView());
    w.show();
    w.listView()->FindListViewItem(itemNamed(w, QStringLiteral("Sofa")));
    w.DeleteItem();

    // The folder of the database is replaced by a file: nothing can be written there.
    QVERIFY(QDir(env.path(QStringLiteral("sub"))).removeRecursively());
    QVERIFY(TestSupport::writeFile(env.path(QStringLiteral("sub")), "not a folder"));

    MessageBox::queueAnswerIndex(0);
    w.FileNew();
    QVERIFY(databaseModified());
    QCOMPARE(w.currentFileName(), file);
    QCOMPARE(w.collection()->count(), 2);

    MessageBox::queueAnswerIndex(0);
    QVERIFY(!w.close());
    QVERIFY(w.collection());
    QCOMPARE(w.collection()->count(), 2);
    QVERIFY(databaseModified());
    setDatabaseModified(false);
}

void TestMainWindow::saveQuestionOnNewDatabase()
{
    Env env;
    env.startWith(QString());
    MainWindow w;
    checkListModel(*w.listView());
    auto item = std::make_unique<Item>();
    item->setName(QStringLiteral("Lampe"));
    w.collection()->add(std::move(item));
    QVERIFY(databaseModified());

    // "&Gem" on a database without a name asks for one; cancelling it keeps everything.
    MessageBox::queueAnswerIndex(0);
    FileDialog::queueCancel();
    w.Load();
    QCOMPARE(env.dialogs.count(), 1);
    QCOMPARE(env.dialogs.last().mode, FileDialog::AnyFile);
    QVERIFY(databaseModified());
    QCOMPARE(w.collection()->count(), 1);

    // Given a name, it saves there and goes on.
    const QString target = env.path(QStringLiteral("named.db"));
    MessageBox::queueAnswerIndex(0);
    FileDialog::queueAnswer(target);
    w.FileNew();
    QCOMPARE(dataLines(target).size(), 1);
    QVERIFY(!databaseModified());
    QCOMPARE(w.collection()->count(), 0);
}

void TestMainWindow::closeWindow_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::newRow("&Gem") << 0 << true;
    QTest::newRow("Gem &ikke") << 1 << true;
    QTest::newRow("&Fortryd") << 2 << false;
}

void TestMainWindow::closeWindow()
{
    QFETCH(int, answer);
    QFETCH(bool, closes);
    Env env;
    const QString file = env.database(QStringLiteral("a/home.db"));
    env.startWith(file);
    MainWindow w;
    checkListModel(*w.listView());
    w.show();
    w.listView()->FindListViewItem(itemNamed(w, QStringLiteral("Gryde")));
    w.DeleteItem();

    MessageBox::queueAnswerIndex(answer);
    QCOMPARE(w.close(), closes);
    QCOMPARE(env.boxes.count(), 1);
    if (closes) {
        QVERIFY(!w.collection());
        QVERIFY(!databaseModified());
    } else {
        QVERIFY(w.isVisible());
        QCOMPARE(w.collection()->count(), 2);
        QVERIFY(databaseModified());
        setDatabaseModified(false);
    }
    QCOMPARE(dataLines(file).size(), answer == 0 ? 2 : 3);
}

void TestMainWindow::save_data()
{
    QTest::addColumn<bool>("setCurrentFileName");
    QTest::newRow("Save(true)") << true;
    QTest::newRow("Save(false)") << false;
}

void TestMainWindow::save()
{
    QFETCH(bool, setCurrentFileName);
    Env env;
    const QString file = env.database(QStringLiteral("a/home.db"));
    env.startWith(file);
    MainWindow w;
    checkListModel(*w.listView());
    Settings().setValue(QStringLiteral("LastSavedDBFile"), QStringLiteral("elsewhere.db"));
    w.setWindowTitle(QStringLiteral("before"));
    w.listView()->FindListViewItem(itemNamed(w, QStringLiteral("Komfur")));
    w.DeleteItem();

    QSignalSpy spy(&w, qOverload<const QString &, int>(&MainWindow::message));
    w.Save(setCurrentFileName);

    QCOMPARE(dataLines(file).size(), 2);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(1).toInt(), 10000);
    QCOMPARE(databaseModified(), !setCurrentFileName);
    QCOMPARE(setting(QStringLiteral("LastSavedDBFile")).toString(),
        setCurrentFileName ? file : QStringLiteral("elsewhere.db"));
    QCOMPARE(w.windowTitle(), setCurrentFileName ? windowCaption(file) : QStringLiteral("before"));
    QCOMPARE(env.dialogs.count(), 0);
    setDatabaseModified(false);
}

void TestMainWindow::saveOnNewDatabaseAsksForName()
{
    Env env;
    env.startWith(QString());
    MainWindow w;
    checkListModel(*w.listView());
    QVERIFY(w.currentFileName().isEmpty());

    FileDialog::queueCancel();
    QSignalSpy spy(&w, qOverload<const QString &, int>(&MainWindow::message));
    w.Save();
    QCOMPARE(env.dialogs.count(), 1);
    QCOMPARE(env.dialogs.last().mode, FileDialog::AnyFile);
    QCOMPARE(env.dialogs.last().title, QStringLiteral("Åben ostrana register fil"));
    QCOMPARE(spy.count(), 0);
    QVERIFY(w.currentFileName().isEmpty());
    QCOMPARE(QDir(env.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());

    const QString target = env.path(QStringLiteral("new.db"));
    FileDialog::queueAnswer(target);
    w.Save();
    QVERIFY(QFileInfo::exists(target));
    QCOMPARE(w.currentFileName(), target);
    QCOMPARE(spy.count(), 1);
}

void TestMainWindow::saveAs_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<QString>("typed"); // in b/
    QTest::addColumn<QString>("saved"); // in b/
    QTest::newRow("no extension: the edition's") << int(OstranaEdition) << "copy"
                                                 << "copy.db";
    QTest::newRow("no extension, coins") << int(NumivaxEdition) << "copy"
                                         << "copy.txt";
    QTest::newRow("own extension kept") << int(OstranaEdition) << "copy.inb"
                                        << "copy.inb";
    QTest::newRow("other extension kept") << int(VistrelEdition) << "copy.old"
                                          << "copy.old";
}

void TestMainWindow::saveAs()
{
    QFETCH(int, edition);
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    Env env(edition);
    const QString file = env.database(QStringLiteral("a/home.db"));
    env.startWith(file);
    MainWindow w;
    checkListModel(*w.listView());
    w.listView()->FindListViewItem(itemNamed(w, QStringLiteral("Sofa")));
    w.DeleteItem();
    QDir().mkpath(env.path(QStringLiteral("b")));
    const QString target = env.path(QStringLiteral("b/") + saved);

    FileDialog::queueAnswer(env.path(QStringLiteral("b/") + typed));
    w.SaveAs();

    const FileDialog::Request &request = env.dialogs.last();
    QCOMPARE(request.mode, FileDialog::AnyFile);
    QCOMPARE(request.title, QStringLiteral("Åben ostrana register fil"));
    QCOMPARE(request.filters, QStringList { QStringLiteral("DB (*.inb *.txt *.db)") });
    QCOMPARE(request.folder, QFileInfo(file).absolutePath());
    QCOMPARE(request.defaultSuffix, QLatin1String(edition == NumivaxEdition ? "txt" : "db"));

    QCOMPARE(dataLines(target).size(), 2);
    QCOMPARE(dataLines(file).size(), 3);
    QCOMPARE(
        QDir(env.path(QStringLiteral("b"))).entryList({ QStringLiteral("copy*") }, QDir::Files), QStringList { saved });
    QCOMPARE(w.currentFileName(), target);
    QCOMPARE(setting(QStringLiteral("LastDBDir")).toString(), QDir::toNativeSeparators(env.path(QStringLiteral("b"))));
    QCOMPARE(setting(QStringLiteral("LastSavedDBFile")).toString(), target);
    QVERIFY(QFileInfo::exists(env.path(QStringLiteral("b/groups/groups.dk.txt"))));
    QCOMPARE(w.windowTitle(), windowCaption(target));
    QVERIFY(!databaseModified());
}

void TestMainWindow::saveAsCancelledWritesNothing()
{
    Env env;
    const QString file = env.database(QStringLiteral("a/home.db"));
    env.startWith(file);
    MainWindow w;
    checkListModel(*w.listView());
    w.listView()->FindListViewItem(itemNamed(w, QStringLiteral("Sofa")));
    w.DeleteItem();

    FileDialog::queueCancel();
    w.SaveAs();
    QCOMPARE(dataLines(file).size(), 3);
    QCOMPARE(w.currentFileName(), file);
    QVERIFY(databaseModified());
    setDatabaseModified(false);
}

void TestMainWindow::usersDatabasesGoAmongTheirDocuments_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("start"); // "demo", "none" (nothing stored) or "own"
    QTest::addColumn<bool>("newDatabase"); // File, New before the command
    QTest::addColumn<QString>("proposed"); // "documents" or "own" (the folder a/)
    QTest::newRow("Save As of the demo database") << "SaveAs"
                                                  << "demo" << false << "documents";
    QTest::newRow("Save As of a new database") << "SaveAs"
                                               << "own" << true << "documents";
    QTest::newRow("Save As of the user's database") << "SaveAs"
                                                    << "own" << false << "own";
    QTest::newRow("Open beside the demo database") << "Load"
                                                   << "demo" << false << "documents";
    QTest::newRow("Open with nothing stored") << "Load"
                                              << "none" << false << "documents";
    QTest::newRow("Open after the user's database") << "Load"
                                                    << "own" << false << "own";
}

void TestMainWindow::usersDatabasesGoAmongTheirDocuments()
{
    QFETCH(QString, command);
    QFETCH(QString, start);
    QFETCH(bool, newDatabase);
    QFETCH(QString, proposed);
    Env env;
    TestSupport::RunFolderCopy run({ QStringLiteral("db/DemoDBStd") });
    QVERIFY(run.isValid());
    TemporaryHome home(env.path(QStringLiteral("home")));
    const QString documents = env.path(QStringLiteral("home/Documents"));
    QCOMPARE(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), documents);
    const QString own = env.database(QStringLiteral("a/home.db"));
    if (start == QLatin1String("own")) {
        env.startWith(own);
    } else if (start == QLatin1String("demo")) {
        Settings().setValue(
            QStringLiteral("LastSavedDBFile"), QStringLiteral("db/DemoDBStd/OstranaStdDemoDatabase.dk.db"));
        Settings().setValue(QStringLiteral("LastDBDir"), QStringLiteral("db/DemoDBStd/"));
    }
    MainWindow w;
    checkListModel(*w.listView());
    QVERIFY(w.startSucceeded());
    if (newDatabase)
        w.FileNew();

    FileDialog::queueCancel();
    QVERIFY(QMetaObject::invokeMethod(&w, command.toLatin1().constData()));
    QCOMPARE(env.dialogs.count(), 1);
    QCOMPARE(env.dialogs.last().folder, proposed == QLatin1String("own") ? QFileInfo(own).absolutePath() : documents);
    // Only the dialog's proposal changes: nothing was chosen, so nothing is stored.
    QCOMPARE(QDir(documents).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void TestMainWindow::backup_data()
{
    QTest::addColumn<bool>("folderStored");
    QTest::newRow("folder stored") << true;
    QTest::newRow("no folder stored") << false;
}

void TestMainWindow::backup()
{
    QFETCH(bool, folderStored);
    Env env;
    const QString file = env.database(QStringLiteral("a/home.db"));
    env.startWith(file);
    MainWindow w;
    checkListModel(*w.listView());
    if (!folderStored)
        Settings().remove(QStringLiteral("LastDBDir"));
    const QVariant folderBefore = setting(QStringLiteral("LastDBDir"));
    const QString titleBefore = w.windowTitle();
    w.listView()->FindListViewItem(itemNamed(w, QStringLiteral("Sofa")));
    w.DeleteItem();
    QDir().mkpath(env.path(QStringLiteral("bak")));
    const QString target = env.path(QStringLiteral("bak/home.bak"));

    QSignalSpy spy(&w, qOverload<const QString &, int>(&MainWindow::message));
    FileDialog::queueAnswer(target);
    w.Backup();

    const FileDialog::Request &request = env.dialogs.last();
    QCOMPARE(request.mode, FileDialog::AnyFile);
    QCOMPARE(request.title, QStringLiteral("BackupCurrentDB"));
    QCOMPARE(request.filters, QStringList { QStringLiteral("DB (*.bak)") });
    QVERIFY(request.detailView);

    QCOMPARE(dataLines(target).size(), 2);
    QVERIFY(QFileInfo::exists(env.path(QStringLiteral("bak/groups/groups.dk.txt"))));
    QCOMPARE(spy.count(), 1);
    QVERIFY(spy.at(0).at(0).toString().contains(QStringLiteral("ITEMS_SAVED_DB_MESSAGE"))
        || spy.at(0).at(0).toString().contains(target));
    // The open database is untouched by its backup.
    QCOMPARE(dataLines(file).size(), 3);
    QCOMPARE(w.currentFileName(), file);
    QCOMPARE(w.windowTitle(), titleBefore);
    QCOMPARE(setting(QStringLiteral("LastSavedDBFile")).toString(), file);
    QCOMPARE(setting(QStringLiteral("LastDBDir")), folderBefore);
    QVERIFY(databaseModified());
    setDatabaseModified(false);
}

void TestMainWindow::backupCancelled()
{
    Env env;
    const QString file = env.database(QStringLiteral("a/home.db"));
    env.startWith(file);
    MainWindow w;
    checkListModel(*w.listView());

    FileDialog::queueCancel();
    w.Backup();
    QCOMPARE(env.boxes.count(), 1);
    QCOMPARE(env.boxes.last().kind, MessageBox::Critical);
    QCOMPARE(env.boxes.last().title, QStringLiteral("FileError"));
    QCOMPARE(env.boxes.last().text, QStringLiteral("NO_BACKUP_ERROR_NO_FILE_SAVED"));
    QCOMPARE(env.boxes.last().buttons, QStringList { QStringLiteral("Ok") });
    QCOMPARE(QDir(QFileInfo(file).absolutePath()).entryList(QDir::Files), QStringList { QStringLiteral("home.db") });
}

void TestMainWindow::recentFiles()
{
    Env env;
    QStringList files;
    for (int i = 0; i < 12; ++i)
        files.append(env.database(QStringLiteral("db/file%1.db").arg(i)));
    env.startWith(files.first());
    MainWindow w;
    checkListModel(*w.listView());
    for (int i = 1; i < files.size(); ++i) {
        FileDialog::queueAnswer(files.at(i));
        w.Load();
    }

    QStringList expected;
    for (int i = 11; i >= 2; --i)
        expected.append(files.at(i));
    QCOMPARE(w.recentFiles(), expected);
    QStringList texts;
    for (int i = 0; i < expected.size(); ++i)
        texts.append(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(expected.at(i)).fileName()));
    QCOMPARE(recentEntries(w), texts);
    QCOMPARE(setting(QStringLiteral("RecentFiles/NumberOfItems")).toInt(), 10);
    QCOMPARE(setting(QStringLiteral("RecentFiles/RecentFile0/")).toString(), files.at(11));
    QCOMPARE(setting(QStringLiteral("RecentFiles/RecentFile9/")).toString(), files.at(2));

    // The entries stand between a separator below Print and the separator above Quit.
    const QList<QAction *> entries = w.fileMenu()->actions();
    const qsizetype first = entries.indexOf(w.findChild<QAction *>(QStringLiteral("RecentFile0")));
    QVERIFY(first >= 2);
    QVERIFY(entries.at(first - 1)->isSeparator());
    QCOMPARE(entries.at(first - 2), action(w, "Print"));
    QVERIFY(entries.at(first + 10)->isSeparator());
    QCOMPARE(entries.at(first + 11)->text(), QStringLiteral("QUIT"));
    QCOMPARE(entries.size(), first + 12);

    // Opening a file of the list moves it to the top.
    const int index = int(expected.indexOf(files.at(5)));
    w.OpenRecentFile(index);
    QCOMPARE(w.currentFileName(), files.at(5));
    QCOMPARE(w.recentFiles().first(), files.at(5));
    QCOMPARE(w.recentFiles().size(), 10);
    QCOMPARE(w.recentFiles().count(files.at(5)), 1);
    QCOMPARE(recentEntries(w).first(), QStringLiteral("&1 file5.db"));
    QCOMPARE(setting(QStringLiteral("LastSavedDBFile")).toString(), files.at(5));
    QCOMPARE(setting(QStringLiteral("LastDBDir")).toString(),
        QDir::toNativeSeparators(QFileInfo(files.at(5)).absolutePath()));

    // Cancelled at the save question: nothing changes.
    w.listView()->FindListViewItem(itemNamed(w, QStringLiteral("Sofa")));
    w.DeleteItem();
    MessageBox::queueAnswerIndex(2);
    w.OpenRecentFile(1);
    QCOMPARE(w.currentFileName(), files.at(5));
    QCOMPARE(setting(QStringLiteral("LastSavedDBFile")).toString(), files.at(5));
    QCOMPARE(w.collection()->count(), 2);
    setDatabaseModified(false);
}

void TestMainWindow::readSettingsKeepsStoredOrder()
{
    Env env;
    const QString file = env.database(QStringLiteral("a/home.db"));
    env.startWith(file);
    {
        Settings s;
        s.setValue(QStringLiteral("RecentFiles/NumberOfItems"), 4);
        s.setValue(QStringLiteral("RecentFiles/RecentFile0/"), QStringLiteral("x.db"));
        s.setValue(QStringLiteral("RecentFiles/RecentFile2/"), QStringLiteral("y.db"));
        s.setValue(QStringLiteral("RecentFiles/RecentFile3/"), QStringLiteral("z.db"));
    }
    MainWindow w;
    checkListModel(*w.listView());
    QCOMPARE(w.recentFiles(),
        (QStringList { file, QStringLiteral("x.db"), QStringLiteral("y.db"), QStringLiteral("z.db") }));
    QCOMPARE(recentEntries(w).at(2), QStringLiteral("&3 y.db"));
}

void TestMainWindow::languageChange_data()
{
    QTest::addColumn<QString>("slot");
    QTest::addColumn<QString>("code");
    QTest::newRow("Danish") << "DkLanguage"
                            << "dk";
    QTest::newRow("Norwegian") << "NoLanguage"
                               << "no";
    QTest::newRow("English") << "EnLanguage"
                             << "en";
}

void TestMainWindow::languageChange()
{
    QFETCH(QString, slot);
    QFETCH(QString, code);
    Env env;
    const QString file = env.database(QStringLiteral("a/home.db"));
    env.startWith(file);
    MainWindow w;
    checkListModel(*w.listView());
    const QString title = w.windowTitle();

    QVERIFY(QMetaObject::invokeMethod(&w, slot.toLatin1().constData()));

    Settings s;
    QCOMPARE(s.value(QStringLiteral("Language")).toString(), code);
    QVERIFY(!s.contains(QStringLiteral("LastSavedDBFile")));
    QVERIFY(!s.contains(QStringLiteral("LastDBDir")));
    QCOMPARE(env.boxes.count(), 1);
    QCOMPARE(env.boxes.last().kind, MessageBox::Information);
    QCOMPARE(env.boxes.last().title, QStringLiteral("Info"));
    QCOMPARE(env.boxes.last().text, QStringLiteral("RESTART_BEFORE_LANGUAGE_CHANGED"));
    QCOMPARE(env.boxes.last().buttons, QStringList { QStringLiteral("Ok") });
    // Nothing else changes in the running program.
    QCOMPARE(w.currentFileName(), file);
    QCOMPARE(w.windowTitle(), title);
    QCOMPARE(w.collection()->count(), 3);
}

void TestMainWindow::lockedDatabase()
{
    Env env(QuorvelEdition);
    const QString file = env.database(QStringLiteral("a/stock.db"));
    const QString lockFile = env.path(QStringLiteral("a/LockFile"));
    QVERIFY(TestSupport::writeFile(lockFile, "other.db Locked by PC: STORE1, User: anna"));
    env.startWith(file);

    MainWindow w;
    checkListModel(*w.listView());
    QVERIFY(w.startSucceeded());
    QCOMPARE(w.collection()->count(), 3);
    QVERIFY(w.collection()->isReadOnly());
    QVERIFY(!action(w, "FileSave")->isEnabled());
    QVERIFY(!action(w, "UpdateLocations")->isEnabled());
    QCOMPARE(w.palette().color(QPalette::Window), QColor(Qt::red));
    QCOMPARE(w.palette().color(QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(w.listView()->palette().color(QPalette::Base), QColor(Qt::red));

    // Saving is refused, so the save question cannot let the changes go.
    w.listView()->FindListViewItem(itemNamed(w, QStringLiteral("Sofa")));
    w.DeleteItem();
    env.boxes.clear();
    MessageBox::queueAnswerIndex(0);
    w.FileNew();
    QVERIFY(databaseModified());
    QCOMPARE(w.currentFileName(), file);
    QCOMPARE(dataLines(file).size(), 3);

    // An unlocked database after a locked one is a normal one again.
    const QString other = env.database(QStringLiteral("b/other.db"));
    MessageBox::queueAnswerIndex(1);
    FileDialog::queueAnswer(other);
    w.Load();
    QCOMPARE(w.currentFileName(), other);
    QVERIFY(!w.collection()->isReadOnly());
    QVERIFY(action(w, "FileSave")->isEnabled());
    QVERIFY(action(w, "UpdateLocations")->isEnabled());
    QVERIFY(w.palette().color(QPalette::Window) != QColor(Qt::red));
    QVERIFY(w.listView()->palette().color(QPalette::Base) != QColor(Qt::red));
    QVERIFY(QFileInfo::exists(lockFile));
}

void TestMainWindow::deleteCurrentRow()
{
    Env env;
    const QString file = env.database(QStringLiteral("a/home.db"));
    env.startWith(file);
    MainWindow w;
    checkListModel(*w.listView());
    Item *komfur = itemNamed(w, QStringLiteral("Komfur"));
    QVERIFY(w.listView()->FindListViewItem(komfur));

    w.DeleteItem();
    QCOMPARE(w.collection()->count(), 2);
    QVERIFY(!itemNamed(w, QStringLiteral("Komfur")));
    QCOMPARE(w.listView()->topLevelItem(1)->childCount(), 1);
    QVERIFY(databaseModified());

    // No current row any more: a second delete does nothing.
    w.DeleteItem();
    QCOMPARE(w.collection()->count(), 2);
    QVERIFY(!action(w, "ViewCurInHTML")->isEnabled());
    setDatabaseModified(false);
}

void TestMainWindow::showActionsFollowSelection_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<bool>("html");
    QTest::addColumn<bool>("picture");
    QTest::addColumn<bool>("receipt");
    QTest::addColumn<bool>("url");
    QTest::addColumn<bool>("document");
    QTest::newRow("picture only") << "Sofa" << true << true << false << false << false;
    QTest::newRow("receipt, web link, document") << "Komfur" << true << false << true << true << true;
    QTest::newRow("no links") << "Gryde" << true << false << false << false << false;
    QTest::newRow("group row") << "" << false << false << false << false << false;
}

void TestMainWindow::showActionsFollowSelection()
{
    QFETCH(QString, row);
    QFETCH(bool, html);
    QFETCH(bool, picture);
    QFETCH(bool, receipt);
    QFETCH(bool, url);
    QFETCH(bool, document);
    Env env;
    env.startWith(env.database(QStringLiteral("a/home.db")));
    MainWindow w;
    checkListModel(*w.listView());
    for (const char *name : { "ViewCurInHTML", "ViewPicture", "ViewPicture2", "ViewUrl", "ViewDoc" })
        QVERIFY2(!action(w, name)->isEnabled(), name);

    // Select a row with everything first, so that each case must switch off too.
    w.listView()->ItemSelected(w.listView()->rowForItem(itemNamed(w, QStringLiteral("Komfur"))));
    funiQListViewItem *target
        = row.isEmpty() ? w.listView()->topLevelItem(0) : w.listView()->rowForItem(itemNamed(w, row));
    w.listView()->ItemSelected(target);

    QCOMPARE(action(w, "ViewCurInHTML")->isEnabled(), html);
    QCOMPARE(action(w, "ViewPicture")->isEnabled(), picture);
    QCOMPARE(action(w, "ViewPicture2")->isEnabled(), receipt);
    QCOMPARE(action(w, "ViewUrl")->isEnabled(), url);
    QCOMPARE(action(w, "ViewDoc")->isEnabled(), document);
}

void TestMainWindow::saveSettings()
{
    Env env;
    env.startWith(env.database(QStringLiteral("a/home.db")));
    MainWindow w;
    checkListModel(*w.listView());
    w.resize(640, 480);
    action(w, "EditRegister")->setChecked(true);
    QVERIFY(!Settings().contains(QStringLiteral("geometri/mainWinWidth")));

    action(w, "FileSaveSettings")->trigger();

    QCOMPARE(setting(QStringLiteral("geometri/mainWinWidth")).toInt(), 640);
    QCOMPARE(setting(QStringLiteral("geometri/mainWinHeight")).toInt(), 480);
    QVERIFY(Settings().contains(QStringLiteral("geometri/mainWinPosX")));
    QVERIFY(Settings().contains(QStringLiteral("geometri/mainWinPosY")));
    QCOMPARE(setting(QStringLiteral("Items/showAllItems")).toBool(), true);
    QCOMPARE(setting(QStringLiteral("RecentFiles/NumberOfItems")).toInt(), 1);
    QVERIFY(Settings().contains(QStringLiteral("ListView/GROUPCOLUMNwidth")));
}

void TestMainWindow::showAllSettingAppliedOnLoad()
{
    Env env;
    env.startWith(env.database(QStringLiteral("a/home.db")));
    Settings().setValue(QStringLiteral("Items/showAllItems"), true);
    MainWindow w;
    checkListModel(*w.listView());
    QVERIFY(action(w, "EditRegister")->isChecked());
    QVERIFY(w.listView()->topLevelItem(1)->isExpanded());

    action(w, "EditRegister")->trigger();
    QVERIFY(!action(w, "EditRegister")->isChecked());
    QVERIFY(!w.listView()->topLevelItem(1)->isExpanded());
}

void TestMainWindow::statusMessages()
{
    Env env;
    const QString file = env.database(QStringLiteral("a/sale%2.db"));
    env.startWith(file);
    StatusCatalogue catalogue;
    QCoreApplication::installTranslator(&catalogue);
    MainWindow w;
    checkListModel(*w.listView());
    const QRegularExpression read(QStringLiteral("^read (.*): 3 items in \\d+\\.\\d\\d s$"));
    const QRegularExpressionMatch readMatch = read.match(w.statusBar()->currentMessage());
    QVERIFY2(readMatch.hasMatch(), qPrintable(w.statusBar()->currentMessage()));
    QCOMPARE(readMatch.captured(1), file);

    w.listView()->FindListViewItem(itemNamed(w, QStringLiteral("Sofa")));
    w.DeleteItem();
    w.Save();
    const QRegularExpression saved(QStringLiteral("^saved (.*): 2 items in \\d+\\.\\d\\d s$"));
    const QRegularExpressionMatch savedMatch = saved.match(w.statusBar()->currentMessage());
    QVERIFY2(savedMatch.hasMatch(), qPrintable(w.statusBar()->currentMessage()));
    QCOMPARE(savedMatch.captured(1), file);
    QCoreApplication::removeTranslator(&catalogue);
}

void TestMainWindow::editOpensItemDialog()
{
    Env env;
    env.startWith(env.database(QStringLiteral("a/home.db")));
    MainWindow w;
    checkListModel(*w.listView());

    // No current row: a dialog on no item.
    action(w, "EditRecord")->trigger();
    QList<ItemDialog *> dialogs = w.findChildren<ItemDialog *>();
    QCOMPARE(dialogs.size(), 1);
    QVERIFY(dialogs.first()->isVisible());
    QVERIFY(!dialogs.first()->currentItem() || dialogs.first()->ownsCurrentItem());
    // The list, and with it the window's commands, follow the item the dialog shows.
    Item *pot = itemNamed(w, QStringLiteral("Gryde"));
    QVERIFY(!action(w, "ViewCurInHTML")->isEnabled());
    emit dialogs.first()->itemShown(pot);
    QCOMPARE(w.listView()->currentRowItem(), pot);
    QVERIFY(action(w, "ViewCurInHTML")->isEnabled());
    dialogs.first()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(w.findChildren<ItemDialog *>().isEmpty());

    // With a current row: the dialog on that row's item.
    Item *sofa = itemNamed(w, QStringLiteral("Sofa"));
    w.listView()->FindListViewItem(sofa);
    action(w, "EditRecord")->trigger();
    dialogs = w.findChildren<ItemDialog *>();
    QCOMPARE(dialogs.size(), 1);
    QCOMPARE(dialogs.first()->currentItem(), sofa);
    dialogs.first()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestMainWindow::eventLogInDatabaseFolder()
{
    Env env;
    const QString file = env.database(QStringLiteral("a/home.db"));
    env.startWith(file);
    qputenv("DEBUGTALDRUM", "1");
    MainWindow w;
    checkListModel(*w.listView());
    qputenv("DEBUGTALDRUM", "");
    const QString logPath = env.path(QStringLiteral("a/log.xml"));
    QVERIFY(QFileInfo::exists(logPath));

    w.Quit();
    QVERIFY(!w.eventLog());
    QVERIFY(!w.collection());
    const QString log = QString::fromLatin1(TestSupport::readFile(logPath));
    QVERIFY(log.contains(QStringLiteral("<AppName>/Ostrana/</AppName>")));
    const qsizetype language = log.indexOf(QStringLiteral("<Function>Language</Function>"));
    const qsizetype load = log.indexOf(QStringLiteral("<Function>LoadItemFile()</Function>"));
    QVERIFY(language > 0);
    QVERIFY(load > language);
    QVERIFY(log.contains(QStringLiteral("<Filename>larkspanwindow</Filename>")));
    QVERIFY(log.contains(QStringLiteral("<Entry>dk</Entry>")));
    QVERIFY(log.contains(QStringLiteral("<Entry>%1</Entry>").arg(file)));
    QVERIFY(log.trimmed().endsWith(QStringLiteral("</LogFile>")));
}

void TestMainWindow::typedPathChoosesTheDatabaseFolder_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("chosen"); // typed into the dialog that stands in a/
    QTest::addColumn<QString>("folderAfter"); // "LastDBDir" afterwards
    QTest::addColumn<QStringList>("groupsInB"); // the group list beside the chosen file
    QTest::newRow("Open") << "Load"
                          << "b/other.db"
                          << "b" << QStringList { "X", "Y", "Z" };
    QTest::newRow("Save As") << "SaveAs"
                             << "b/copy.db"
                             << "b" << DatabaseFixture::twoGroups();
    QTest::newRow("Backup") << "Backup"
                            << "b/home.bak"
                            << "a" << DatabaseFixture::twoGroups();
}

void TestMainWindow::typedPathChoosesTheDatabaseFolder()
{
    QFETCH(QString, command);
    QFETCH(QString, chosen);
    QFETCH(QString, folderAfter);
    QFETCH(QStringList, groupsInB);
    Env env;
    const QString file = env.database(QStringLiteral("a/home.db"));
    if (command == QLatin1String("Load"))
        env.database(chosen, { Row { 2, QStringLiteral("Bil"), {}, {}, {}, {}, 0 } }, groupsInB);
    else
        QVERIFY(QDir().mkpath(env.path(QStringLiteral("b"))));
    env.startWith(file);
    MainWindow w;
    checkListModel(*w.listView());

    // The dialog still shows a/ when it closes: the path was typed.
    const QString target = env.path(chosen);
    FileDialog::queueAnswer(target);
    QVERIFY(QMetaObject::invokeMethod(&w, command.toLatin1().constData()));
    QCOMPARE(env.dialogs.last().folder, QFileInfo(file).absolutePath());
    QCOMPARE(setting(QStringLiteral("LastDBDir")).toString(), QDir::toNativeSeparators(env.path(folderAfter)));
    QCOMPARE(env.boxes.count(), 0);

    // The database and its lists stand side by side in b/; a/ keeps its own.
    QVERIFY(QFileInfo::exists(target));
    QCOMPARE(TestSupport::readFile(env.path(QStringLiteral("b/groups/groups.dk.txt"))),
        DatabaseFixture::listFile(groupsInB));
    QCOMPARE(TestSupport::readFile(env.path(QStringLiteral("a/groups/groups.dk.txt"))),
        DatabaseFixture::listFile(DatabaseFixture::twoGroups()));

    // Opened again (typed once more), every item has its group row.
    setDatabaseModified(false);
    FileDialog::queueAnswer(target);
    w.Load();
    QCOMPARE(env.boxes.count(), 0);
    QCOMPARE(w.currentFileName(), target);
    QCOMPARE(w.listView()->topLevelItemCount(), int(groupsInB.size()));
    int rows = 0;
    for (int i = 0; i < w.listView()->topLevelItemCount(); ++i)
        rows += w.listView()->topLevelItem(i)->childCount();
    QCOMPARE(rows, w.collection()->count());
    QVERIFY(rows > 0);
}

void TestMainWindow::replacingAFileIsAsked_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("replace");
    QTest::addColumn<QString>("typed"); // in a/, beside other.db
    QTest::newRow("Save As, no") << "SaveAs" << false << "other.db";
    QTest::newRow("Save As, yes") << "SaveAs" << true << "other.db";
    // The name gets its extension before the question.
    QTest::newRow("Save As without extension, no") << "SaveAs" << false << "other";
    QTest::newRow("Save As without extension, yes") << "SaveAs" << true << "other";
    QTest::newRow("Backup, no") << "Backup" << false << "other.db";
    QTest::newRow("Backup, yes") << "Backup" << true << "other.db";
}

void TestMainWindow::replacingAFileIsAsked()
{
    QFETCH(QString, command);
    QFETCH(bool, replace);
    QFETCH(QString, typed);
    Env env;
    const QString file = env.database(QStringLiteral("a/home.db"));
    const QString other
        = env.database(QStringLiteral("a/other.db"), { Row { 0, QStringLiteral("Arvestykke"), {}, {}, {}, {}, 0 } });
    const QByteArray otherBefore = TestSupport::readFile(other);
    env.startWith(file);
    MainWindow w;
    checkListModel(*w.listView());

    if (replace) {
        FileDialog::queueAnswer(env.path(QStringLiteral("a/") + typed));
    } else {
        // "No" to the question, then the dialog is closed.
        FileDialog::queueOverwriteRefused(env.path(QStringLiteral("a/") + typed));
        FileDialog::queueCancel();
    }
    QVERIFY(QMetaObject::invokeMethod(&w, command.toLatin1().constData()));

    QVERIFY(env.dialogs.last().confirmOverwrite);
    QCOMPARE(FileDialog::overwriteQuestions(), QStringList { other });
    QCOMPARE(w.currentFileName(), replace && command == QLatin1String("SaveAs") ? other : file);
    if (replace) {
        QCOMPARE(dataLines(other).size(), 3);
    } else {
        QCOMPARE(TestSupport::readFile(other), otherBefore);
        // A backup that was not written says so.
        QCOMPARE(env.boxes.count(), command == QLatin1String("Backup") ? 1 : 0);
    }
}

void TestMainWindow::newAfterLockedDatabaseCanBeSaved()
{
    Env env(QuorvelEdition);
    const QString file = env.database(QStringLiteral("a/stock.db"));
    const QString lockFile = env.path(QStringLiteral("a/LockFile"));
    const QByteArray foreignLock = "stock.db Locked by PC: STORE1, User: anna";
    QVERIFY(TestSupport::writeFile(lockFile, foreignLock));
    env.startWith(file);
    MainWindow w;
    checkListModel(*w.listView());
    QVERIFY(w.collection()->isReadOnly());
    env.boxes.clear();

    w.FileNew();
    QVERIFY(!w.collection()->isReadOnly());
    QVERIFY(w.collection()->lockText().isEmpty());
    QVERIFY(action(w, "FileSave")->isEnabled());
    QVERIFY(action(w, "UpdateLocations")->isEnabled());
    QVERIFY(w.palette().color(QPalette::Window) != QColor(Qt::red));

    auto item = std::make_unique<Item>();
    item->setName(QStringLiteral("Hylde"));
    w.collection()->add(std::move(item));
    QVERIFY(QDir().mkpath(env.path(QStringLiteral("c"))));
    const QString target = env.path(QStringLiteral("c/new.db"));
    FileDialog::queueAnswer(target);
    w.Save();

    QCOMPARE(env.boxes.count(), 0);
    QCOMPARE(dataLines(target), QStringList { dataLines(target).value(0) });
    QVERIFY(dataLines(target).value(0).contains(QStringLiteral("Hylde")));
    QVERIFY(!databaseModified());
    // The other program's lock stays where it was.
    QCOMPARE(TestSupport::readFile(lockFile), foreignLock);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
