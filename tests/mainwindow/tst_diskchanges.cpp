#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QProcess>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include "DatabaseFixture.h"
#include "TestSupport.h"
#include "TestWorld.h"
#include "core/Edition.h"
#include "core/ProgressScope.h"
#include "database/DBItemCollection.h"
#include "database/DatabaseVersions.h"
#include "database/FileFingerprint.h"
#include "database/Item.h"
#include "desktop/FileDialog.h"
#include "diskchanges/DiskChangeGuard.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/larkspanwindow.h"

// A database file that another program changes, replaces or deletes while
// the window has it open, and the window's own saves, which never ask.

namespace {

struct Env : TestSupport::TestWorld
{
    Env()
        : TestWorld(OstranaEdition)
    { }

    // home.db in folder a, with three items, opened by the next window.
    QString openedDatabase()
    {
        const QString folder = path(QStringLiteral("a"));
        QDir().mkpath(folder);
        DatabaseFixture::writeLists(folder, DatabaseFixture::twoGroups());
        const QString file = DatabaseFixture::writeDatabase(
            folder, QStringLiteral("home.db"), OstranaEdition, DatabaseFixture::threeItems());
        startWith(file);
        return file;
    }
};

// The line another program adds: an item named Klaver.
const QByteArray theirLine = "1;Klaver;Make;100.000000;80.000000;01.02.2003;Shop;S1;Description;Address;;1;0;;;;Model;";

// Runs a shell command as another program would, and waits for its end.
void runShell(const QString &command)
{
    QProcess shell;
    shell.start(QStringLiteral("/bin/sh"), { QStringLiteral("-c"), command });
    QVERIFY(shell.waitForFinished(10000));
    QCOMPARE(shell.exitStatus(), QProcess::NormalExit);
    QVERIFY2(shell.exitCode() == 0, shell.readAllStandardError().constData());
}

QString quoted(const QString &path)
{
    return QLatin1Char('\'') + path + QLatin1Char('\'');
}

// Another program adds its line to the file.
void addTheirLine(const QString &file)
{
    runShell(QStringLiteral("printf '%s\\r\\n' '%1' >> %2").arg(QString::fromLatin1(theirLine), quoted(file)));
}

QStringList dataLines(const QString &file)
{
    QStringList lines;
    for (QByteArray line : TestSupport::readFile(file).split('\n')) {
        line = line.trimmed();
        if (!line.isEmpty() && !line.startsWith('#'))
            lines.append(QString::fromLatin1(line));
    }
    return lines;
}

QStringList names(const DBItemCollection &collection)
{
    QStringList all;
    for (const Item *item : collection)
        all.append(item->name());
    all.sort();
    return all;
}

QStringList namesIn(const QString &file)
{
    QStringList all;
    for (const QString &line : dataLines(file))
        all.append(line.section(QLatin1Char(';'), 1, 1));
    all.sort();
    return all;
}

Item *itemNamed(const MainWindow &w, const QString &name)
{
    for (Item *item : *w.collection()) {
        if (item->name() == name)
            return item;
    }
    return nullptr;
}

// An unsaved change: Sofa is deleted.
void deleteSofa(MainWindow &w)
{
    w.listView()->FindListViewItem(itemNamed(w, QStringLiteral("Sofa")));
    w.DeleteItem();
    QVERIFY(databaseModified());
}

QFileSystemWatcher *watcherOf(const MainWindow &w)
{
    return w.findChild<QFileSystemWatcher *>();
}

// Time for the watcher's events to come and be looked at.
void settle()
{
    QTest::qWait(4 * DiskChangeGuard::settleMilliseconds);
}

QStringList versionsOf(const QString &file)
{
    return QDir(DatabaseVersions(file).folder()).entryList(QDir::Files);
}

const QString changedTitle = QStringLiteral("Databasefilen er ændret");

QString changedStart(const QString &file)
{
    return QStringLiteral("Databasefilen %1 er ændret af et andet program, siden den blev læst her.")
        .arg(QDir::toNativeSeparators(file));
}

QString choices(const QString &file)
{
    return QStringLiteral("Indlæs igen: filen læses igen med det andet programs ændringer. Dine ændringer gemmes "
                          "først som en version i mappen %1.\n"
                          "Behold mine og overskriv: dine ændringer gemmes i filen i stedet for det andet "
                          "programs.\n"
                          "Gem mine under andet navn: dine ændringer gemmes i en ny fil, og den ændrede fil "
                          "bliver, som den er.")
        .arg(QDir::toNativeSeparators(DatabaseVersions(file).folder()));
}

const QStringList threeChoices = { QStringLiteral("&Indlæs igen"), QStringLiteral("&Behold mine og overskriv"),
    QStringLiteral("Gem mine under &andet navn...") };

enum Answer { Reload, Overwrite, SaveElsewhere, Cancel };

} // namespace

class TestDiskChanges : public QObject
{
    Q_OBJECT

private slots:
    void changedWithUnsavedChanges_data();
    void changedWithUnsavedChanges();
    void changedWithoutChanges_data();
    void changedWithoutChanges();
    void checkBeforeSave_data();
    void checkBeforeSave();
    void sameContentsAsksNothing_data();
    void sameContentsAsksNothing();
    void ownSavesNeverAsk();
    void deletedFile();
    void eventsWhileHeldGiveOneQuestion();
    void fingerprintOfLoadAndSave();
};

// The three answers when the watcher finds the file changed while there are
// unsaved changes.
void TestDiskChanges::changedWithUnsavedChanges_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("reload") << int(Reload);
    QTest::newRow("keep mine and overwrite") << int(Overwrite);
    QTest::newRow("save mine under another name") << int(SaveElsewhere);
}

void TestDiskChanges::changedWithUnsavedChanges()
{
    QFETCH(int, answer);
    Env env;
    const QString file = env.openedDatabase();
    const QString elsewhere = env.path(QStringLiteral("b/mine.db"));
    QDir().mkpath(env.path(QStringLiteral("b")));
    MainWindow w;
    QCOMPARE(w.currentFileName(), file);
    deleteSofa(w);

    MessageBox::queueAnswerIndex(answer);
    if (answer == SaveElsewhere)
        FileDialog::queueAnswer(elsewhere);
    addTheirLine(file);
    QTRY_COMPARE(env.boxes.shown().size(), 1);
    const MessageBox::Shown box = env.boxes.shown().first();
    QCOMPARE(box.kind, MessageBox::Warning);
    QCOMPARE(box.title, changedTitle);
    QCOMPARE(box.text, changedStart(file) + QStringLiteral(" Du har ændringer, der ikke er gemt.\n\n") + choices(file));
    QCOMPARE(box.buttons, threeChoices);

    const QStringList ours = { QStringLiteral("Gryde"), QStringLiteral("Komfur") };
    const QStringList theirs
        = { QStringLiteral("Gryde"), QStringLiteral("Klaver"), QStringLiteral("Komfur"), QStringLiteral("Sofa") };
    switch (answer) {
    case Reload: {
        QCOMPARE(names(*w.collection()), theirs);
        QVERIFY(!databaseModified());
        QCOMPARE(namesIn(file), theirs);
        const QStringList versions = versionsOf(file);
        QCOMPARE(versions.size(), 1);
        const QString version = QDir(DatabaseVersions(file).folder()).filePath(versions.first());
        QVERIFY(DatabaseVersions(file).isVersionName(versions.first()));
        QCOMPARE(namesIn(version), ours);
        QCOMPARE(w.statusBar()->currentMessage(),
            QStringLiteral("Dine ændringer, der ikke var gemt, er gemt som %1").arg(QDir::toNativeSeparators(version)));
        break;
    }
    case Overwrite:
        QCOMPARE(namesIn(file), ours);
        QCOMPARE(names(*w.collection()), ours);
        QVERIFY(!databaseModified());
        // What the other program wrote is kept as the version the save made.
        QCOMPARE(versionsOf(file).size(), 1);
        QCOMPARE(namesIn(QDir(DatabaseVersions(file).folder()).filePath(versionsOf(file).first())), theirs);
        break;
    case SaveElsewhere:
        QCOMPARE(namesIn(elsewhere), ours);
        QCOMPARE(namesIn(file), theirs);
        QCOMPARE(w.currentFileName(), elsewhere);
        QVERIFY(!databaseModified());
        break;
    }
    // However many events the change and the answer made, one question.
    settle();
    QCOMPARE(env.boxes.shown().size(), 1);
    QCOMPARE(w.currentFileName(), answer == SaveElsewhere ? elsewhere : file);
}

// Without unsaved changes the question is whether to show the file anew.
void TestDiskChanges::changedWithoutChanges_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("reload") << 0;
    QTest::newRow("keep what is shown") << 1;
}

void TestDiskChanges::changedWithoutChanges()
{
    QFETCH(int, answer);
    Env env;
    const QString file = env.openedDatabase();
    MainWindow w;

    MessageBox::queueAnswerIndex(answer);
    addTheirLine(file);
    QTRY_COMPARE(env.boxes.shown().size(), 1);
    const MessageBox::Shown box = env.boxes.shown().first();
    QCOMPARE(box.kind, MessageBox::Question);
    QCOMPARE(box.title, changedTitle);
    QCOMPARE(box.text,
        changedStart(file)
            + QStringLiteral("\n\nVil du indlæse den igen og se ændringerne? Beholder du det viste, er filen "
                             "uændret, og du bliver spurgt igen, før du gemmer oven i den."));
    QCOMPARE(box.buttons, (QStringList { QStringLiteral("&Indlæs igen"), QStringLiteral("Behold det &viste") }));
    QCOMPARE(w.collection()->count(), answer == 0 ? 4 : 3);
    QVERIFY(versionsOf(file).isEmpty());
    settle();
    QCOMPARE(env.boxes.shown().size(), 1);

    if (answer == 1) {
        // What is shown is not the file: a save of it asks first.
        deleteSofa(w);
        MessageBox::queueAnswerIndex(Cancel);
        QVERIFY(!w.saveDatabase());
        QCOMPARE(env.boxes.shown().size(), 2);
        QCOMPARE(env.boxes.shown().last().buttons.size(), 4);
        QCOMPARE(dataLines(file).size(), 4);
    }
}

// The file changed and no event of the watcher has come yet: the save
// itself finds out.
void TestDiskChanges::checkBeforeSave_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("reload") << int(Reload);
    QTest::newRow("keep mine and overwrite") << int(Overwrite);
    QTest::newRow("save mine under another name") << int(SaveElsewhere);
    QTest::newRow("cancel") << int(Cancel);
}

void TestDiskChanges::checkBeforeSave()
{
    QFETCH(int, answer);
    Env env;
    const QString file = env.openedDatabase();
    const QString elsewhere = env.path(QStringLiteral("mine.db"));
    MainWindow w;
    deleteSofa(w);
    // Their file is a copy put over ours, as a sync client does.
    const QString theirs
        = DatabaseFixture::writeDatabase(env.path(QStringLiteral(".")), QStringLiteral("theirs.db"), OstranaEdition,
            { DatabaseFixture::Row { 1, QStringLiteral("Klaver"), QString(), QString(), QString(), QString(), 0 } });
    runShell(QStringLiteral("cp %1 %2").arg(quoted(theirs), quoted(file)));

    MessageBox::queueAnswerIndex(answer);
    if (answer == SaveElsewhere)
        FileDialog::queueAnswer(elsewhere);
    const bool saved = w.saveDatabase();
    QCOMPARE(env.boxes.shown().size(), 1);
    const MessageBox::Shown box = env.boxes.shown().first();
    QCOMPARE(box.kind, MessageBox::Warning);
    QCOMPARE(box.title, changedTitle);
    QCOMPARE(box.text,
        changedStart(file) + QStringLiteral(" Gemmer du nu, erstattes det andet programs ændringer af dine.\n\n")
            + choices(file) + QStringLiteral("\nFortryd: intet gemmes."));
    QCOMPARE(box.buttons, threeChoices + QStringList { QStringLiteral("&Fortryd") });

    const QStringList ours = { QStringLiteral("Gryde"), QStringLiteral("Komfur") };
    QCOMPARE(saved, answer == Overwrite || answer == SaveElsewhere);
    QCOMPARE(namesIn(file), answer == Overwrite ? ours : QStringList { QStringLiteral("Klaver") });
    QCOMPARE(databaseModified(), answer == Cancel);
    switch (answer) {
    case Reload:
        QCOMPARE(names(*w.collection()), QStringList { QStringLiteral("Klaver") });
        QCOMPARE(versionsOf(file).size(), 1);
        break;
    case SaveElsewhere:
        QCOMPARE(namesIn(elsewhere), ours);
        QCOMPARE(w.currentFileName(), elsewhere);
        break;
    case Cancel:
        QCOMPARE(names(*w.collection()), ours);
        break;
    }
    // Reload keeps ours as a version, overwrite keeps theirs; the others
    // replace nothing.
    if (answer == Overwrite)
        QCOMPARE(namesIn(QDir(DatabaseVersions(file).folder()).filePath(versionsOf(file).first())),
            QStringList { QStringLiteral("Klaver") });
    if (answer != Reload && answer != Overwrite)
        QVERIFY(versionsOf(file).isEmpty());
    // The watcher's events of the change come later: the user answered.
    settle();
    QCOMPARE(env.boxes.shown().size(), 1);
}

// A file touched, or written again with the same bytes, is not changed.
void TestDiskChanges::sameContentsAsksNothing_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("touch") << QStringLiteral("touch %1");
    QTest::newRow("copy of the same bytes put in its place")
        << QStringLiteral("cp %1 %1.new && sleep 0.01 && mv %1.new %1");
    QTest::newRow("same bytes written in place") << QStringLiteral("cp %1 %1.same && sleep 0.01 && cat %1.same > %1");
}

void TestDiskChanges::sameContentsAsksNothing()
{
    QFETCH(QString, command);
    Env env;
    const QString file = env.openedDatabase();
    MainWindow w;
    QSignalSpy fileEvents(watcherOf(w), &QFileSystemWatcher::fileChanged);
    QSignalSpy folderEvents(watcherOf(w), &QFileSystemWatcher::directoryChanged);
    runShell(command.arg(quoted(file)));
    QTRY_VERIFY(fileEvents.count() + folderEvents.count() > 0);
    settle();
    QVERIFY(env.boxes.shown().isEmpty());

    // Nor does a save ask.
    deleteSofa(w);
    QVERIFY(w.saveDatabase());
    QVERIFY(env.boxes.shown().isEmpty());
    QCOMPARE(namesIn(file), (QStringList { QStringLiteral("Gryde"), QStringLiteral("Komfur") }));
}

// A save replaces the file by a rename: the watch follows the new file, and
// its own events never ask; another program's change after them still does.
void TestDiskChanges::ownSavesNeverAsk()
{
    Env env;
    const QString file = env.openedDatabase();
    MainWindow w;
    QFileSystemWatcher *watcher = watcherOf(w);
    QVERIFY(watcher);
    QSignalSpy fileEvents(watcher, &QFileSystemWatcher::fileChanged);
    // The folder sees each rename; the replaced file itself may live on as
    // a version, so it need not tell anything.
    QSignalSpy folderEvents(watcher, &QFileSystemWatcher::directoryChanged);
    for (int save = 0; save < 3; ++save) {
        w.collection()->add(std::make_unique<Item>())->setName(QStringLiteral("Ny %1").arg(save));
        QVERIFY(databaseModified());
        QVERIFY(w.saveDatabase());
        settle();
        QVERIFY(watcher->files().contains(QDir::cleanPath(QFileInfo(file).absoluteFilePath())));
    }
    QVERIFY(fileEvents.count() + folderEvents.count() > 0);
    QVERIFY(env.boxes.shown().isEmpty());
    QCOMPARE(dataLines(file).size(), 6);

    MessageBox::queueAnswerIndex(1);
    addTheirLine(file);
    QTRY_COMPARE(env.boxes.shown().size(), 1);
    QCOMPARE(env.boxes.shown().first().kind, MessageBox::Question);
}

// A file that is gone is told once, differently, and the next save writes it.
void TestDiskChanges::deletedFile()
{
    Env env;
    const QString file = env.openedDatabase();
    MainWindow w;
    runShell(QStringLiteral("rm %1").arg(quoted(file)));
    QTRY_COMPARE(env.boxes.shown().size(), 1);
    const MessageBox::Shown box = env.boxes.shown().first();
    QCOMPARE(box.kind, MessageBox::Warning);
    QCOMPARE(box.title, QStringLiteral("Databasefilen findes ikke"));
    QCOMPARE(box.text,
        QStringLiteral("Databasefilen %1 findes ikke længere: den er slettet eller flyttet af et andet program.\n\n"
                       "Det viste er uændret. Når du gemmer, skrives filen igen under samme navn.")
            .arg(QDir::toNativeSeparators(file)));
    QCOMPARE(box.buttons, QStringList { QStringLiteral("Ok") });
    QCOMPARE(w.collection()->count(), 3);

    // More in the folder is not told again.
    runShell(QStringLiteral("touch %1").arg(quoted(env.path(QStringLiteral("a/other.txt")))));
    settle();
    QCOMPARE(env.boxes.shown().size(), 1);

    deleteSofa(w);
    QVERIFY(w.saveDatabase());
    QCOMPARE(env.boxes.shown().size(), 1);
    QCOMPARE(namesIn(file), (QStringList { QStringLiteral("Gryde"), QStringLiteral("Komfur") }));
    settle();
    QCOMPARE(env.boxes.shown().size(), 1);
}

// While the file is read or saved (or a question is open), the watcher's
// events wait; however many came, one question follows.
void TestDiskChanges::eventsWhileHeldGiveOneQuestion()
{
    TestSupport::TestWorld world(OstranaEdition);
    const QString file = DatabaseFixture::writeDatabase(
        world.path(QStringLiteral(".")), QStringLiteral("home.db"), OstranaEdition, DatabaseFixture::threeItems());
    QWidget window;
    int reloads = 0;
    DiskChangeGuard::Actions actions;
    actions.reload = [&] { ++reloads; };
    actions.save = [] { return false; };
    actions.saveElsewhere = [] { return false; };
    DiskChangeGuard guard(&window, actions);
    guard.follow(file, FileFingerprint::ofFile(file));
    QSignalSpy fileEvents(window.findChild<QFileSystemWatcher *>(), &QFileSystemWatcher::fileChanged);
    {
        const DiskChangeGuard::Hold hold(guard);
        for (int change = 0; change < 3; ++change) {
            addTheirLine(file);
            QTRY_VERIFY(fileEvents.count() > change);
            settle();
        }
        QVERIFY(world.boxes.shown().isEmpty());
    }
    MessageBox::queueAnswerIndex(0);
    QTRY_COMPARE(world.boxes.shown().size(), 1);
    QCOMPARE(reloads, 1);
    settle();
    QCOMPARE(world.boxes.shown().size(), 1);

    // Work that shows its progress lets events through; the question waits
    // for its end.
    guard.follow(file, FileFingerprint::ofFile(file));
    {
        const ProgressScope work(QStringLiteral("Eksporterer"), 100);
        addTheirLine(file);
        QTRY_VERIFY(fileEvents.count() > 3);
        settle();
        QCOMPARE(world.boxes.shown().size(), 1);
    }
    MessageBox::queueAnswerIndex(1);
    QTRY_COMPARE(world.boxes.shown().size(), 2);
    QCOMPARE(reloads, 1);
}

// The window's fingerprint of its file, at load and at each save, is that of
// the file on disk.
void TestDiskChanges::fingerprintOfLoadAndSave()
{
    Env env;
    const QString file = env.openedDatabase();
    MainWindow w;
    DiskChangeGuard *guard = w.findChild<DiskChangeGuard *>();
    QVERIFY(guard);
    QCOMPARE(guard->path(), QDir::cleanPath(QFileInfo(file).absoluteFilePath()));
    QCOMPARE(guard->fingerprint(), FileFingerprint::ofFile(file));
    const FileFingerprint loaded = guard->fingerprint();
    deleteSofa(w);
    QVERIFY(w.saveDatabase());
    QCOMPARE(guard->fingerprint(), FileFingerprint::ofFile(file));
    QVERIFY(!guard->fingerprint().sameContents(loaded));
    // A backup is another file: the database's fingerprint stays.
    const FileFingerprint saved = guard->fingerprint();
    FileDialog::queueAnswer(env.path(QStringLiteral("copy.bak")));
    w.Backup();
    QCOMPARE(guard->fingerprint(), saved);
    QVERIFY(env.boxes.shown().isEmpty());
}

QTEST_MAIN(TestDiskChanges)
#include "tst_diskchanges.moc"
