#include <QtTest>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTimer>

#include "../mainwindow/DatabaseFixture.h"
#include "FailingDevice.h"
#include "ItemFixtures.h"
#include "ReadOnlyFolder.h"
#include "TestSupport.h"
#include "TestWorld.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/CollectionStep.h"
#include "database/DBItemCollection.h"
#include "database/DatabaseIdentity.h"
#include "database/Item.h"
#include "database/RecoveryFile.h"
#include "database/RecoveryJournal.h"
#include "desktop/FileDialog.h"
#include "mainwindow/larkspanwindow.h"
#include "recovery/CrashRecovery.h"

#include <cstdio>
#include <cstring>
#include <optional>

namespace {

const char *const childSwitch = "--crash-child";

void renameItem(DBItemCollection &collection, int index, const QString &name)
{
    Item *item = collection.at(index);
    CollectionStep step(collection, QStringLiteral("change of '%1'").arg(item->name()));
    collection.aboutToChange(item);
    item->setName(name);
    collection.itemWasChanged(item);
}

// The user's changes of the crash tests, made as the window's commands make
// them; the child program and the test make the same.
void makeChanges(DBItemCollection &collection, int scenario)
{
    switch (scenario) {
    case 0:
        collection.add(ItemFixtures::makeItem(1, QStringLiteral("Lampe på loftet"), 7));
        break;
    case 1:
        renameItem(collection, 1, QStringLiteral("Komfur, nyt"));
        collection.deleteItem(collection.at(0));
        break;
    default:
        for (int i = 0; i < 10; ++i)
            collection.add(ItemFixtures::makeItem(i % 2, QStringLiteral("Ting %1").arg(i), i));
        renameItem(collection, 4, QStringLiteral("Æske"));
        break;
    }
}

// The child program: opens the database (none: a new one) as the program
// does, makes the changes, says where they were written and waits to be
// killed.
int runChild(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 6)
        return 2;
    const QString settingsFolder = QString::fromLocal8Bit(argv[2]);
    const QString listsFolder = QString::fromLocal8Bit(argv[3]);
    const QString database = QString::fromLocal8Bit(argv[4]);
    const int scenario = std::atoi(argv[5]);
    for (QSettings::Format format : { QSettings::NativeFormat, QSettings::IniFormat }) {
        QSettings::setPath(format, QSettings::UserScope, settingsFolder);
        QSettings::setPath(format, QSettings::SystemScope, settingsFolder);
    }
    setEdition(OstranaEdition);
    Settings::applyIdentity();
    {
        Settings settings;
        settings.setValue(QStringLiteral("LastSavedDBFile"), database);
        settings.setValue(QStringLiteral("LastDBDir"), listsFolder);
    }
    MessageBox::setRecording(true);
    FileDialog::setRecording(true);
    CrashRecovery::setDelays(200, 1000);

    MainWindow window;
    int steps = -1;
    QObject::connect(window.crashRecovery(), &CrashRecovery::written, &app, [&](const QString &path) {
        if (window.crashRecovery()->journal().steps() != steps)
            return;
        std::printf("WRITTEN %s\n", path.toLocal8Bit().constData());
        std::fflush(stdout);
    });
    makeChanges(*window.collection(), scenario);
    steps = window.crashRecovery()->journal().steps();
    QTimer::singleShot(60000, &app, [] { QCoreApplication::exit(3); });
    return app.exec();
}

struct Env : TestSupport::TestWorld
{
    Env()
        : TestWorld(OstranaEdition)
    { }
    QString database(
        const QString &relativePath, const QList<DatabaseFixture::Row> &rows = DatabaseFixture::threeItems())
    {
        const QFileInfo info(path(relativePath));
        QDir().mkpath(info.absolutePath());
        DatabaseFixture::writeLists(info.absolutePath(), DatabaseFixture::twoGroups());
        return DatabaseFixture::writeDatabase(info.absolutePath(), info.fileName(), OstranaEdition, rows);
    }
};

// What a save would write after the changes, without a crash.
struct Expected
{
    QByteArray bytes;
    int steps = 0;
    int count = 0;
};

Expected expectedAfter(const QString &database, const QString &listsFolder, int scenario, const QString &savedAs)
{
    Settings().setValue(QStringLiteral("LastDBDir"), listsFolder);
    Expected expected;
    DBItemCollection reference(nullptr);
    if (!database.isEmpty())
        reference.LoadFromAsciiFile(database);
    RecoveryJournal journal;
    reference.addJournal(&journal);
    makeChanges(reference, scenario);
    reference.removeJournal(&journal);
    expected.steps = journal.steps();
    expected.count = reference.count();
    reference.SaveToFileAsAscii(savedAs);
    expected.bytes = TestSupport::readFile(savedAs);
    QFile::remove(savedAs);
    setDatabaseModified(false);
    return expected;
}

bool anyRecoveryOf(const QString &database)
{
    return QFile::exists(RecoveryFile::besidePath(database)) || QFile::exists(RecoveryFile::statePath(database));
}

} // namespace

class tst_CrashRecovery : public QObject
{
    Q_OBJECT

private slots:
    void init() { CrashRecovery::setDelays(60000, 60000); }

    // A program killed after its changes were written: the next start offers
    // exactly those changes, and restores them as a save without the crash
    // would have written them, or discards them.
    void killedProgramsChangesAreOffered_data()
    {
        QTest::addColumn<int>("scenario");
        QTest::addColumn<bool>("newDatabase");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<bool>("restore");
        QTest::newRow("new item, restored") << 0 << false << false << true;
        QTest::newRow("changed and deleted, restored") << 1 << false << false << true;
        QTest::newRow("changed and deleted, discarded") << 1 << false << false << false;
        QTest::newRow("eleven steps, restored") << 2 << false << false << true;
        QTest::newRow("read-only folder: the state folder") << 1 << false << true << true;
        QTest::newRow("new database: the state folder") << 2 << true << false << true;
        QTest::newRow("new database, discarded") << 0 << true << false << false;
    }
    void killedProgramsChangesAreOffered()
    {
        QFETCH(int, scenario);
        QFETCH(bool, newDatabase);
        QFETCH(bool, readOnly);
        QFETCH(bool, restore);
        Env env;
        const QString folder = env.path(QStringLiteral("Hjem"));
        QString database;
        if (newDatabase) {
            QVERIFY(QDir().mkpath(folder));
            DatabaseFixture::writeLists(folder, DatabaseFixture::twoGroups());
        } else {
            database = env.database(QStringLiteral("Hjem/Hjem.inb"));
        }
        const QByteArray original = TestSupport::readFile(database);
        const Expected expected = expectedAfter(database, folder, scenario, env.path(QStringLiteral("expected.inb")));

        std::optional<TestSupport::ReadOnlyFolder> locked;
        if (readOnly) {
            locked.emplace(folder);
            if (!locked->isReadOnly())
                QSKIP("the folder cannot be made read-only here");
        }

        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
            { QString::fromLatin1(childSwitch), env.path(QStringLiteral("child-settings")), folder, database,
                QString::number(scenario) });
        QVERIFY(child.waitForStarted(10000));
        QByteArray output;
        QDeadlineTimer deadline(60000);
        while (!output.contains('\n') && child.state() == QProcess::Running && !deadline.hasExpired()) {
            child.waitForReadyRead(200);
            output += child.readAllStandardOutput();
        }
        child.kill();
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QVERIFY2(output.startsWith("WRITTEN "), output.constData());

        const QString recovery
            = newDatabase || readOnly ? RecoveryFile::statePath(database) : RecoveryFile::besidePath(database);
        QCOMPARE(QString::fromLocal8Bit(output.mid(8).trimmed()), recovery);
        QVERIFY(QFile::exists(recovery));
        QCOMPARE(TestSupport::readFile(database), original);

        {
            Settings settings;
            settings.setValue(QStringLiteral("LastSavedDBFile"), database);
            settings.setValue(QStringLiteral("LastDBDir"), folder);
        }
        MessageBox::queueAnswerIndex(restore ? 0 : 1);
        MainWindow window;
        QCOMPARE(env.boxes.shown().size(), 1);
        const MessageBox::Shown box = env.boxes.shown().constFirst();
        QCOMPARE(box.kind, MessageBox::Question);
        QCOMPARE(box.title, QStringLiteral("Ikke gemte ændringer"));
        QVERIFY2(box.text.contains(QStringLiteral("\nÆndringer: %1\n").arg(expected.steps)), qPrintable(box.text));
        QVERIFY(box.text.contains(
            QRegularExpression(QStringLiteral("Seneste ændring: \\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d"))));
        QVERIFY(
            box.text.contains(newDatabase ? QStringLiteral("den nye database") : QDir::toNativeSeparators(database)));
        QCOMPARE(box.buttons, QStringList({ QStringLiteral("&Gendan"), QStringLiteral("&Kassér") }));
        QVERIFY(!QFile::exists(recovery));
        locked.reset();

        if (!restore) {
            QVERIFY(!databaseModified());
            QCOMPARE(window.collection()->count(), newDatabase ? 0 : 3);
            QCOMPARE(window.crashRecovery()->journal().steps(), 0);
            QCOMPARE(TestSupport::readFile(database), original);
            return;
        }
        QVERIFY(databaseModified());
        QCOMPARE(window.collection()->count(), expected.count);
        // The restored changes are one step, written down afresh.
        QCOMPARE(window.crashRecovery()->journal().steps(), 1);
        QString saved = database;
        if (newDatabase) {
            saved = env.path(QStringLiteral("Hjem/Ny.inb"));
            FileDialog::queueAnswer(saved);
        }
        QVERIFY(window.saveDatabase());
        QCOMPARE(TestSupport::readFile(saved), expected.bytes);
        QVERIFY(!anyRecoveryOf(saved));
        QVERIFY(!anyRecoveryOf(QString()));
        QCOMPARE(env.boxes.shown().size(), 1);
    }

    // A recovery file that is damaged, or belongs to another database or to
    // another state of this one's file, is refused with its reason and kept
    // aside; the database opens as its file has it.
    void damagedOrForeignRecoveryIsRefused_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<bool>("inStateFolder");
        QTest::addColumn<QString>("reason");
        QTest::newRow("damaged") << "body" << false << "kontrolsummen passer ikke";
        QTest::newRow("damaged, in the state folder") << "body" << true << "kontrolsummen passer ikke";
        QTest::newRow("a journal that cannot be read") << "journal" << false << "ændring nr. 1 kan ikke læses";
        QTest::newRow("another database's") << "database" << false << "en anden database";
        QTest::newRow("the file saved since") << "saved" << false << "databasefilen er ændret";
    }
    void damagedOrForeignRecoveryIsRefused()
    {
        QFETCH(QString, damage);
        QFETCH(bool, inStateFolder);
        QFETCH(QString, reason);
        Env env;
        const QString database = env.database(QStringLiteral("Hjem/Hjem.inb"));
        const QString folder = QFileInfo(database).absolutePath();
        Settings().setValue(QStringLiteral("LastDBDir"), folder);

        RecoveryJournal journal;
        {
            DBItemCollection reference(database, nullptr);
            reference.addJournal(&journal);
            makeChanges(reference, 1);
            reference.removeJournal(&journal);
        }
        RecoveryFile::Header header;
        header.edition = editionName(false);
        header.database = damage == QLatin1String("database") ? env.path(QStringLiteral("Andet/Hjem.inb"))
                                                              : QFileInfo(database).absoluteFilePath();
        header.identity = DatabaseIdentity::of(database);
        header.steps = journal.steps();
        header.lastChange = journal.lastChange();
        const QString recovery = inStateFolder ? RecoveryFile::statePath(database) : RecoveryFile::besidePath(database);
        QList<QByteArray> body = journal.blocks();
        if (damage == QLatin1String("journal"))
            body = { QByteArray("X 1\nT 0:\n") };
        QVERIFY(RecoveryFile::write(recovery, header, body, nullptr));
        if (damage == QLatin1String("body")) {
            QByteArray bytes = TestSupport::readFile(recovery);
            bytes[bytes.size() - 3] = 'Z';
            QVERIFY(TestSupport::writeFile(recovery, bytes));
        } else if (damage == QLatin1String("saved")) {
            QList<DatabaseFixture::Row> rows = DatabaseFixture::threeItems();
            DatabaseFixture::Row table;
            table.name = QStringLiteral("Bord");
            rows.append(table);
            DatabaseFixture::writeDatabase(folder, QStringLiteral("Hjem.inb"), OstranaEdition, rows);
        }
        const QByteArray refused = TestSupport::readFile(recovery);
        const int itemsInFile = damage == QLatin1String("saved") ? 4 : 3;

        env.startWith(database);
        MainWindow window;
        QCOMPARE(env.boxes.shown().size(), 1);
        const MessageBox::Shown box = env.boxes.shown().constFirst();
        QCOMPARE(box.kind, MessageBox::Warning);
        QCOMPARE(box.title, QStringLiteral("Gendannelsesfilen bruges ikke"));
        QVERIFY2(box.text.contains(reason), qPrintable(box.text));
        const QString aside = recovery + QStringLiteral(".refused");
        QVERIFY2(box.text.contains(QDir::toNativeSeparators(aside)), qPrintable(box.text));
        QVERIFY(!QFile::exists(recovery));
        QCOMPARE(TestSupport::readFile(aside), refused);
        QCOMPARE(window.collection()->count(), itemsInFile);
        QVERIFY(!databaseModified());
    }

    // A full disk for the recovery file is told once for the database, and
    // the work goes on: the save and later recovery files are written.
    void fullDiskIsReportedOnce()
    {
        Env env;
        const QString database = env.database(QStringLiteral("Hjem/Hjem.inb"));
        env.startWith(database);
        MainWindow window;
        CrashRecovery &recovery = *window.crashRecovery();
        {
            TestSupport::FailingSaves full(16);
            renameItem(*window.collection(), 0, QStringLiteral("Første"));
            recovery.writeNow();
            QCOMPARE(env.boxes.shown().size(), 1);
            const MessageBox::Shown box = env.boxes.shown().constFirst();
            QCOMPARE(box.kind, MessageBox::Warning);
            QCOMPARE(box.title, QStringLiteral("Gendannelsesfilen kunne ikke skrives"));
            QVERIFY2(box.text.contains(TestSupport::FailingDevice::reason()), qPrintable(box.text));
            renameItem(*window.collection(), 1, QStringLiteral("Anden"));
            recovery.writeNow();
            QCOMPARE(env.boxes.shown().size(), 1);
            QVERIFY(!anyRecoveryOf(database));
        }
        renameItem(*window.collection(), 2, QStringLiteral("Tredje"));
        recovery.writeNow();
        QCOMPARE(recovery.writtenPath(), RecoveryFile::besidePath(database));
        QCOMPARE(RecoveryFile::read(recovery.writtenPath(), database, DatabaseIdentity::of(database)).header.steps, 3);
        QVERIFY(window.saveDatabase());
        QVERIFY(!anyRecoveryOf(database));
        QCOMPARE(env.boxes.shown().size(), 1);
    }

    // The recovery file goes when the changes are in the file or given up,
    // and stays while they are neither.
    void recoveryGoesWithTheChanges_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("stays");
        QTest::newRow("save") << "save" << false;
        QTest::newRow("quit, saved") << "quit save" << false;
        QTest::newRow("quit, not saved") << "quit discard" << false;
        QTest::newRow("quit, cancelled") << "quit cancel" << true;
        QTest::newRow("new database, not saved") << "new discard" << false;
        QTest::newRow("another database opened, not saved") << "open discard" << false;
        QTest::newRow("saved as another file") << "save as" << false;
    }
    void recoveryGoesWithTheChanges()
    {
        QFETCH(QString, action);
        QFETCH(bool, stays);
        Env env;
        const QString database = env.database(QStringLiteral("Hjem/Hjem.inb"));
        const QByteArray original = TestSupport::readFile(database);
        env.startWith(database);
        MainWindow window;
        renameItem(*window.collection(), 0, QStringLiteral("Sofa, ny"));
        window.crashRecovery()->writeNow();
        const QString recovery = RecoveryFile::besidePath(database);
        QCOMPARE(window.crashRecovery()->writtenPath(), recovery);

        if (action == QLatin1String("save")) {
            QVERIFY(window.saveDatabase());
        } else if (action == QLatin1String("save as")) {
            const QString other = env.path(QStringLiteral("Hjem/Kopi.inb"));
            FileDialog::queueAnswer(other);
            QVERIFY(window.saveDatabaseAs());
            QVERIFY(!anyRecoveryOf(other));
            // The changes after it go beside the new file.
            renameItem(*window.collection(), 1, QStringLiteral("Komfur, nyt"));
            window.crashRecovery()->writeNow();
            QCOMPARE(window.crashRecovery()->writtenPath(), RecoveryFile::besidePath(other));
        } else if (action == QLatin1String("open discard")) {
            const QString other = env.database(QStringLiteral("Andet/Andet.inb"));
            MessageBox::queueAnswerIndex(1);
            FileDialog::queueAnswer(other);
            window.Load();
            QCOMPARE(window.currentFileName(), other);
        } else {
            const QString answer = action.section(QLatin1Char(' '), 1);
            MessageBox::queueAnswerIndex(answer == QLatin1String("save") ? 0
                    : answer == QLatin1String("discard")                 ? 1
                                                                         : 2);
            if (action.startsWith(QLatin1String("quit")))
                window.Quit();
            else
                window.FileNew();
        }
        QCOMPARE(QFile::exists(recovery), stays);
        QVERIFY(!QFile::exists(RecoveryFile::statePath(database)));
        const bool saved = action.contains(QLatin1String("save")) && action != QLatin1String("save as");
        QCOMPARE(TestSupport::readFile(database) == original, !saved);
    }

    // After a save the journal starts afresh: a crash then offers only the
    // changes made since, for the file as saved.
    void afterASaveOnlyTheLaterChangesAreOffered()
    {
        Env env;
        const QString database = env.database(QStringLiteral("Hjem/Hjem.inb"));
        env.startWith(database);
        {
            MainWindow window;
            renameItem(*window.collection(), 0, QStringLiteral("Gemt"));
            QVERIFY(window.saveDatabase());
            QCOMPARE(window.crashRecovery()->journal().steps(), 0);
            renameItem(*window.collection(), 2, QStringLiteral("Ikke gemt"));
            window.crashRecovery()->writeNow();
            // As a crash leaves it: the file stays when the window goes.
            window.crashRecovery()->detach();
        }
        QVERIFY(QFile::exists(RecoveryFile::besidePath(database)));
        QByteArray expected;
        {
            DBItemCollection reference(database, nullptr);
            renameItem(reference, 2, QStringLiteral("Ikke gemt"));
            QVERIFY(reference.SaveToFileAsAscii(env.path(QStringLiteral("expected.inb"))));
            expected = TestSupport::readFile(env.path(QStringLiteral("expected.inb")));
        }

        MessageBox::queueAnswerIndex(0);
        MainWindow window;
        QCOMPARE(env.boxes.shown().size(), 1);
        QVERIFY(env.boxes.shown().constFirst().text.contains(QStringLiteral("\nÆndringer: 1\n")));
        QVERIFY(window.saveDatabase());
        QCOMPARE(TestSupport::readFile(database), expected);
    }
};

int main(int argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], childSwitch) == 0)
        return runChild(argc, argv);
    QApplication app(argc, argv);
    tst_CrashRecovery test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_crashrecovery.moc"
