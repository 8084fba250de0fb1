#include <QtTest>

#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <QWidget>

#include "TestSupport.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "app/Startup.h"

#ifdef Q_OS_UNIX
#include <csignal>
#endif

namespace {

// Every file below folder, relative to it, sorted.
QStringList filesBelow(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(folder).relativeFilePath(it.next()));
    files.sort();
    return files;
}

// A private home for a child program: its settings and caches go here.
QProcessEnvironment childEnvironment(const QString &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/cache"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("default.debug=true"));
    env.insert(QStringLiteral("DEBUGTALDRUM"), QStringLiteral("1"));
    return env;
}

// A link (or, where links are not available, a copy) to the built program.
bool placeProgram(const QString &as)
{
    const QString program = QFileInfo(TestSupport::programPath()).absoluteFilePath();
    return QFile::link(program, as) || QFile::copy(program, as);
}

} // namespace

class tst_Startup : public QObject
{
    Q_OBJECT

private slots:
    void programUnderAForeignNameEndsAtOnce_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("register") << "register";
        QTest::newRow("register.exe") << "register.exe";
        QTest::newRow("near miss") << "ostran-quorve";
    }
    void programUnderAForeignNameEndsAtOnce()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        const QString program = dir.filePath(QStringLiteral("bin/") + name);
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("bin"))));
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("home/config"))));
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("work"))));
        QCOMPARE(editionFromProgramPath(program), int(NoEdition));
        QVERIFY(placeProgram(program));

        QProcess child;
        child.setProcessEnvironment(childEnvironment(dir.filePath(QStringLiteral("home"))));
        child.setWorkingDirectory(dir.filePath(QStringLiteral("work")));
        child.start(program, QStringList());
        QVERIFY(child.waitForStarted(10000));
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 1);
        // No message, no settings, no log, nothing at all.
        QCOMPARE(child.readAllStandardError(), QByteArray());
        QCOMPARE(child.readAllStandardOutput(), QByteArray());
        QCOMPARE(filesBelow(dir.filePath(QStringLiteral("home"))), QStringList());
        QCOMPARE(filesBelow(dir.filePath(QStringLiteral("work"))), QStringList());
    }

    void upperCaseQuorvelRunsTheInventoryEdition()
    {
        QTemporaryDir dir;
        const QString home = dir.filePath(QStringLiteral("home"));
        const QString work = dir.filePath(QStringLiteral("work"));
        const QString program = dir.filePath(QStringLiteral("QUORVEL"));
        QVERIFY(QDir().mkpath(work));
        QVERIFY(placeProgram(program));

        // The run folder's catalogues, so that no catalogue box can appear;
        // the program's demo data and lock go to this private copy.
        const QDir run(TestSupport::runDir());
        for (const QString &catalogue : run.entryList({ QStringLiteral("*.qm") }, QDir::Files))
            QVERIFY(QFile::copy(run.filePath(catalogue), QDir(work).filePath(catalogue)));
        QVERIFY(QDir().mkpath(work + QStringLiteral("/db/DemoQuorvel")));

        // Each edition's tree names another language: the debug line at start
        // tells which tree the program read.
        const QString trees = home + QStringLiteral("/config/Taldrum/");
        QVERIFY(TestSupport::writeFile(trees + QStringLiteral("Quorvel.conf"), "[General]\nLanguage=no\n"));
        for (const char *other : { "Ostrana", "Vistrel", "Numivax", "Larkspan" }) {
            QVERIFY(TestSupport::writeFile(
                trees + QLatin1String(other) + QStringLiteral(".conf"), "[General]\nLanguage=en\n"));
        }
        const QStringList seeded = filesBelow(home + QStringLiteral("/config"));

        QProcess child;
        QProcessEnvironment env = childEnvironment(home);
        env.insert(QStringLiteral("DEBUGTALDRUM"), QString());
        child.setProcessEnvironment(env);
        child.setWorkingDirectory(work);
        child.start(program, QStringList());
        QVERIFY(child.waitForStarted(10000));

        QByteArray errors;
        QDeadlineTimer deadline(30000);
        while (!errors.contains("Language is: qt_") && child.state() == QProcess::Running && !deadline.hasExpired()) {
            child.waitForReadyRead(200);
            errors += child.readAllStandardError();
        }
        // Give the window time to come up, then end the child unless it ended
        // by itself (a start database that cannot be read ends it with 0).
        child.waitForFinished(2000);
        const bool stillRunning = child.state() == QProcess::Running;
        if (stillRunning) {
            child.kill();
            child.waitForFinished(10000);
        } else {
            QCOMPARE(child.exitStatus(), QProcess::NormalExit);
            QCOMPARE(child.exitCode(), 0);
        }
        errors += child.readAllStandardError();

        QVERIFY2(errors.contains("Language is: qt_no"), errors.constData());
        QVERIFY(!errors.contains("Language is: qt_en"));
        // Whatever the program stored went into the Quorvel tree: no other file appeared.
        QStringList configFiles = filesBelow(home + QStringLiteral("/config"));
        QCOMPARE(configFiles, seeded);
    }

    void toolkitCatalogueMissing_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("box");
        QTest::newRow("dk") << "dk" << true;
        QTest::newRow("no") << "no" << true;
        QTest::newRow("en never looks") << "en" << false;
    }
    void toolkitCatalogueMissing()
    {
        QFETCH(QString, language);
        QFETCH(bool, box);
        TestSupport::RecordedMessageBoxes boxes;
        QTemporaryDir empty;
        QTranslator translator;
        QWidget window;

        QCOMPARE(Startup::installToolkitTranslator(&translator, language, &window, empty.path()), !box);
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(boxes.count(), box ? 1 : 0);
        if (box) {
            QCOMPARE(boxes.last().kind, MessageBox::Critical);
            QCOMPARE(boxes.last().title, QStringLiteral("Error loding"));
            QCOMPARE(boxes.last().text, QStringLiteral("qt_") + language);
            QCOMPARE(boxes.last().buttons, QStringList { QStringLiteral("Ok") });
        }
    }

    void installedToolkitCataloguesLoad_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("dk") << "dk";
        QTest::newRow("no") << "no";
    }
    void installedToolkitCataloguesLoad()
    {
        QFETCH(QString, language);
        TestSupport::RecordedMessageBoxes boxes;
        // Tests run in the run folder, which is the installation: "." as at start.
        QCOMPARE(QDir::current().canonicalPath(), QDir(TestSupport::runDir()).canonicalPath());
        QTranslator translator;
        QVERIFY(Startup::installToolkitTranslator(&translator, language, nullptr));
        QCoreApplication::removeTranslator(&translator);
        QVERIFY(!translator.isEmpty());
        QCOMPARE(boxes.count(), 0);
    }

    void missingProgramCatalogueIsNotReported()
    {
        TestSupport::RecordedMessageBoxes boxes;
        QTemporaryDir empty;
        QTranslator translator;
        QVERIFY(!Startup::installProgramTranslator(&translator, QStringLiteral("dk"), empty.path()));
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(boxes.count(), 0);
    }

#ifdef Q_OS_UNIX
    // A logout, a shutdown or Ctrl+C ends the inventory edition like Quit:
    // its lock goes, and nothing is saved.
    void signalReleasesTheLock_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::addColumn<int>("settleMs"); // time the program gets to sit idle first
        QTest::addColumn<bool>("ignoredAtStart"); // as under nohup: the signal does nothing
        QTest::newRow("SIGTERM while starting") << int(SIGTERM) << 0 << false;
        QTest::newRow("SIGTERM while idle") << int(SIGTERM) << 1000 << false;
        QTest::newRow("SIGHUP") << int(SIGHUP) << 0 << false;
        QTest::newRow("SIGINT") << int(SIGINT) << 300 << false;
        QTest::newRow("SIGHUP under nohup, then SIGTERM") << int(SIGHUP) << 300 << true;
    }
    void signalReleasesTheLock()
    {
        QFETCH(int, signalNumber);
        QFETCH(int, settleMs);
        QFETCH(bool, ignoredAtStart);
        QTemporaryDir dir;
        const QString home = dir.filePath(QStringLiteral("home"));
        const QString work = dir.filePath(QStringLiteral("work"));
        const QString program = dir.filePath(QStringLiteral("quorvel"));
        QVERIFY(QDir().mkpath(home + QStringLiteral("/config")));
        QVERIFY(placeProgram(program));
        // The installation's catalogues and a copy of its inventory demo
        // database: the run folder itself is never locked.
        const QDir run(TestSupport::runDir());
        QVERIFY(TestSupport::copyFolder(
            run.filePath(QStringLiteral("db/DemoQuorvel")), work + QStringLiteral("/db/DemoQuorvel")));
        for (const QString &catalogue : run.entryList({ QStringLiteral("*.qm") }, QDir::Files))
            QVERIFY(QFile::copy(run.filePath(catalogue), QDir(work).filePath(catalogue)));
        const QString database = work + QStringLiteral("/db/DemoQuorvel/DemoQuorvel.dk.db");
        const QByteArray databaseBefore = TestSupport::readFile(database);
        const QString lock = work + QStringLiteral("/db/DemoQuorvel/LockFile");

        QProcess child;
        QProcessEnvironment env = childEnvironment(home);
        env.insert(QStringLiteral("DEBUGTALDRUM"), QString());
        child.setProcessEnvironment(env);
        child.setWorkingDirectory(work);
        // Whatever this test program inherited (it may run under nohup itself).
        child.setChildProcessModifier(
            [signalNumber, ignoredAtStart] { ::signal(signalNumber, ignoredAtStart ? SIG_IGN : SIG_DFL); });
        child.start(program, QStringList());
        QVERIFY(child.waitForStarted(10000));
        QByteArray errors;
        const auto output = [&] {
            errors += child.readAllStandardError();
            return errors.constData();
        };
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(lock) || child.state() != QProcess::Running, 30000);
        QVERIFY2(QFileInfo::exists(lock), output());
        QTest::qWait(settleMs);
        QCOMPARE(child.state(), QProcess::Running);

        QCOMPARE(::kill(pid_t(child.processId()), signalNumber), 0);
        if (ignoredAtStart) {
            QVERIFY(!child.waitForFinished(500));
            QVERIFY(QFileInfo::exists(lock));
            signalNumber = SIGTERM;
            QCOMPARE(::kill(pid_t(child.processId()), signalNumber), 0);
        }
        const bool ended = child.waitForFinished(20000);
        if (!ended) {
            child.kill();
            child.waitForFinished(10000);
        }
        QVERIFY2(ended, output());
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QVERIFY2(
            QByteArray(output()).contains("Ending on signal " + QByteArray::number(signalNumber)), errors.constData());
        QVERIFY(!QFileInfo::exists(lock));
        QCOMPARE(TestSupport::readFile(database), databaseBefore);
    }
#endif

    void windowGeometry_data()
    {
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("defaults") << false << QRect(0, 0, 800, 600);
        QTest::newRow("stored") << true << QRect(30, 45, 1024, 700);
    }
    void windowGeometry()
    {
        QFETCH(bool, stored);
        QFETCH(QRect, expected);
        TestSupport::IsolatedSettings settings(NumivaxEdition);
        if (stored) {
            Settings s;
            s.setValue(QStringLiteral("geometri/mainWinWidth"), expected.width());
            s.setValue(QStringLiteral("geometri/mainWinHeight"), expected.height());
            s.setValue(QStringLiteral("geometri/mainWinPosX"), expected.x());
            s.setValue(QStringLiteral("geometri/mainWinPosY"), expected.y());
        }
        QWidget window;
        window.move(300, 300);
        Startup::restoreWindowGeometry(&window);
        QCOMPARE(window.size(), expected.size());
        QCOMPARE(window.pos(), expected.topLeft());
    }
};

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
