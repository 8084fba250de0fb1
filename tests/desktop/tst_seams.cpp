#include <QtTest>

#include <QDir>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <functional>
#include <memory>

#include "TestSupport.h"
#include "desktop/FileDialog.h"
#include "desktop/Launcher.h"
#include "desktop/MessageBox.h"
#include "desktop/Recorder.h"

namespace {

// One seam as the tests below drive it: two answers that differ from what the
// seam answers on its own, and one request whose answer comes back as text.
struct SeamDriver
{
    std::function<void()> queueFirst;
    std::function<void()> queueSecond;
    std::function<QString()> ask;
    std::function<bool()> isRecording;
    std::function<bool()> isStrict;
    std::function<int()> recorded;
    std::function<std::shared_ptr<void>()> startRecording;
};

template <typename Guard> std::shared_ptr<void> guard()
{
    return std::make_shared<Guard>();
}

SeamDriver seamDriver(const QString &seam)
{
    if (seam == QLatin1String("message box")) {
        return {
            [] { MessageBox::queueAnswer(QMessageBox::Yes); },
            [] { MessageBox::queueAnswerText(QStringLiteral("No")); },
            [] {
                return MessageBox::standardButtonName(
                    MessageBox::question(nullptr, QStringLiteral("Slet?"), QStringLiteral("DELETE_QUESTION"),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel));
            },
            &MessageBox::isRecording,
            &MessageBox::isStrict,
            [] { return int(MessageBox::shown().size()); },
            &guard<MessageBox::Recording>,
        };
    }
    if (seam == QLatin1String("file dialog")) {
        return {
            [] { FileDialog::queueAnswer(QStringLiteral("/a/one.db")); },
            [] { FileDialog::queueAnswer(QStringLiteral("/b/two.db")); },
            [] { return FileDialog::getOpenFileName(nullptr, QStringLiteral("Åben")); },
            &FileDialog::isRecording,
            &FileDialog::isStrict,
            [] { return int(FileDialog::asked().size()); },
            &guard<FileDialog::Recording>,
        };
    }
    return {
        [] { Launcher::queueResult(true); },
        [] { Launcher::queueResult(false); },
        [] { return QVariant(Launcher::openTarget(QStringLiteral("https://example.com"))).toString(); },
        &Launcher::isRecording,
        &Launcher::isStrict,
        [] { return int(Launcher::requests().size()); },
        &guard<Launcher::Recording>,
    };
}

} // namespace

// The recording seams (message boxes, file dialogs, outside programs) that
// every other test leans on.
class tst_Seams : public QObject
{
    Q_OBJECT

    static void addSeamRows()
    {
        QTest::addColumn<QString>("seam");
        // The answers to three requests: the two queued, then the seam's own.
        QTest::addColumn<QStringList>("answers");
        QTest::newRow("message box") << "message box" << QStringList { "Yes", "No", "Cancel" };
        QTest::newRow("file dialog") << "file dialog" << QStringList { "/a/one.db", "/b/two.db", "" };
        QTest::newRow("launcher") << "launcher" << QStringList { "true", "false", "true" };
    }

private slots:
    void answersOldestFirstThenTheSeamsOwn_data() { addSeamRows(); }
    void answersOldestFirstThenTheSeamsOwn()
    {
        QFETCH(QString, seam);
        QFETCH(QStringList, answers);
        const SeamDriver driver = seamDriver(seam);
        const auto recording = driver.startRecording();
        driver.queueFirst();
        driver.queueSecond();
        QStringList given;
        for (int i = 0; i < answers.size(); ++i)
            given << driver.ask();
        QCOMPARE(given, answers);
        QCOMPARE(driver.recorded(), int(answers.size()));
    }

    // What one test queued or recorded never reaches the next, and the test
    // programs stay strict once a recording ends.
    void recordingGuardLeavesNothingBehind_data() { addSeamRows(); }
    void recordingGuardLeavesNothingBehind()
    {
        QFETCH(QString, seam);
        QFETCH(QStringList, answers);
        const SeamDriver driver = seamDriver(seam);
        QVERIFY(driver.isStrict());
        {
            const auto recording = driver.startRecording();
            QVERIFY(driver.isRecording());
            driver.queueFirst();
            driver.queueSecond();
            QCOMPARE(driver.ask(), answers.at(0));
        }
        QVERIFY(!driver.isRecording());
        QVERIFY(driver.isStrict());
        const auto again = driver.startRecording();
        QCOMPARE(driver.recorded(), 0);
        QCOMPARE(driver.ask(), answers.last());
    }

    void recorderForgetsWithEveryStartAndEnd()
    {
        using Log = Recorder<QString, int, QStringList>;
        Log log;
        QVERIFY(!log.isRecording() && !log.isStrict());
        {
            Log::Recording recording(log);
            QVERIFY(log.isRecording());
            log.record(QStringLiteral("first"));
            log.record(QStringLiteral("second"));
            log.queue(1);
            log.queue(2);
            log.extra().append(QStringLiteral("aside"));
            QCOMPARE(recording.count(), 2);
            QCOMPARE(recording.last(), QStringLiteral("second"));
            // Forgetting what was asked keeps what is still to be answered.
            recording.clear();
            QCOMPARE(recording.count(), 0);
            QCOMPARE(log.queued(), 2);
            QCOMPARE(log.takeAnswer(), std::optional<int>(1));
            QCOMPARE(log.takeAnswerOr(7), 2);
            QCOMPARE(log.takeAnswer(), std::optional<int>());
            QCOMPARE(log.takeAnswerOr(7), 7);
            log.queue(3);
        }
        QVERIFY(!log.isRecording());
        QCOMPARE(log.queued(), 0);
        QVERIFY(log.extra().isEmpty());
        log.setStrict(true);
        log.setRecording(true);
        QVERIFY(log.isStrict());
    }

    // How a queued answer of each kind answers a box.
    void messageBoxAnswers_data()
    {
        QTest::addColumn<bool>("custom"); // else Yes / No / Cancel
        QTest::addColumn<QString>("queued"); // "button:", "index:" or "text:" and its value; "" = nothing
        QTest::addColumn<int>("expected"); // a standard button, or a button index
        QTest::newRow("button") << false << "button:No" << int(QMessageBox::No);
        QTest::newRow("a standard button by name") << false << "text:Cancel" << int(QMessageBox::Cancel);
        QTest::newRow("a name not offered") << false << "text:Save" << int(QMessageBox::NoButton);
        QTest::newRow("nothing: the default button") << false << "" << int(QMessageBox::No);
        QTest::newRow("custom by index") << true << "index:1" << 1;
        QTest::newRow("custom by text") << true << "text:Annuller" << 2;
        QTest::newRow("custom by unknown text") << true << "text:Ja" << -1;
        QTest::newRow("custom, nothing: the default") << true << "" << 2;
    }
    void messageBoxAnswers()
    {
        QFETCH(bool, custom);
        QFETCH(QString, queued);
        QFETCH(int, expected);
        TestSupport::RecordedMessageBoxes boxes;
        const QString value = queued.section(QLatin1Char(':'), 1);
        if (queued.startsWith(QLatin1String("button:")))
            MessageBox::queueAnswer(value == QLatin1String("No") ? QMessageBox::No : QMessageBox::Yes);
        else if (queued.startsWith(QLatin1String("index:")))
            MessageBox::queueAnswerIndex(value.toInt());
        else if (queued.startsWith(QLatin1String("text:")))
            MessageBox::queueAnswerText(value);

        const QString title = QStringLiteral("Gem?");
        const QString text = QStringLiteral("SAVE_CURRENT_DB_QUESTION");
        const int answer = custom
            ? MessageBox::showCustom(MessageBox::Question, nullptr, title, text,
                { QStringLiteral("&Gem"), QStringLiteral("Gem &ikke"), QStringLiteral("Annuller") }, 2, 2)
            : int(MessageBox::question(
                nullptr, title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No));
        QCOMPARE(answer, expected);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().kind, MessageBox::Question);
        QCOMPARE(boxes.last().buttons.size(), 3);
    }

    void fileDialogRecordsWhatWasAsked()
    {
        FileDialog::Recording dialogs;
        FileDialog::Request request;
        request.mode = FileDialog::AnyFile;
        request.title = QStringLiteral("BackupCurrentDB");
        request.folder = QStringLiteral("db/DemoDBStd/");
        request.filters = { QStringLiteral("DB (*.bak)") };
        request.detailView = true;
        FileDialog::queueAnswer(QStringLiteral("/data/backup/home.bak"));

        const FileDialog::Answer answer = FileDialog::ask(nullptr, request);
        QVERIFY(answer.accepted());
        QCOMPARE(answer.path, QStringLiteral("/data/backup/home.bak"));
        // A full path typed into the dialog does not move the dialog.
        QCOMPARE(answer.folder, QDir(QStringLiteral("db/DemoDBStd")).absolutePath());
        QCOMPARE(answer.selectedFilter, QStringLiteral("DB (*.bak)"));
        QCOMPARE(dialogs.count(), 1);
        QCOMPARE(dialogs.last().mode, FileDialog::AnyFile);
        QCOMPARE(dialogs.last().title, QStringLiteral("BackupCurrentDB"));
        QCOMPARE(dialogs.last().folder, QStringLiteral("db/DemoDBStd/"));
        QCOMPARE(dialogs.last().filters, QStringList { QStringLiteral("DB (*.bak)") });
        QVERIFY(dialogs.last().detailView);
    }

    void fileDialogAnswersInOrderAndCancelsWhenNothingIsQueued()
    {
        FileDialog::Recording dialogs;
        FileDialog::queueAnswer(QStringLiteral("/a/one.db"));
        FileDialog::queueCancel();
        FileDialog::queueAnswer(QStringLiteral("/b/three.db"), QStringLiteral("/elsewhere"));
        QCOMPARE(FileDialog::queuedAnswers(), 3);

        QString folder = QStringLiteral("unchanged");
        QCOMPARE(FileDialog::getOpenFileName(nullptr, QString(), QString(), {}, &folder), QStringLiteral("/a/one.db"));
        QCOMPARE(folder, QDir::currentPath());
        folder = QStringLiteral("unchanged");
        QCOMPARE(FileDialog::getSaveFileName(nullptr, QString(), QString(), {}, &folder), QString());
        QCOMPARE(folder, QStringLiteral("unchanged"));
        QCOMPARE(
            FileDialog::getOpenFileName(nullptr, QString(), QString(), {}, &folder), QStringLiteral("/b/three.db"));
        QCOMPARE(folder, QStringLiteral("/elsewhere"));
        // Nothing left: a cancel, not a blocked test.
        QCOMPARE(FileDialog::getOpenFileName(nullptr, QStringLiteral("t")), QString());
        QCOMPARE(dialogs.count(), 4);
        QCOMPARE(dialogs.asked().at(0).mode, FileDialog::ExistingFile);
        QCOMPARE(dialogs.asked().at(1).mode, FileDialog::AnyFile);
    }

    void fileDialogFolderAnswers()
    {
        FileDialog::Recording dialogs;
        QTemporaryDir dir;
        FileDialog::queueAnswer(dir.path());
        QCOMPARE(
            FileDialog::getExistingDirectory(nullptr, QStringLiteral("Vælg"), QStringLiteral("/start")), dir.path());
        QCOMPARE(dialogs.last().mode, FileDialog::Directory);
        QCOMPARE(dialogs.last().folder, QStringLiteral("/start"));

        FileDialog::Request request;
        request.mode = FileDialog::Directory;
        FileDialog::queueAnswer(dir.path());
        const FileDialog::Answer answer = FileDialog::ask(nullptr, request);
        QCOMPARE(answer.path, dir.path());
        QCOMPARE(answer.folder, QDir::currentPath());
    }

    // Save dialogs ask before an existing file is chosen; a "no" keeps the
    // dialog open for the next choice.
    void fileDialogOverwriteQuestion_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("refuse"); // answer "no" to the first choice
        QTest::addColumn<bool>("thenCancel"); // after the "no": cancel, else choose new.db
        QTest::addColumn<QString>("chosen"); // "" = cancelled
        QTest::addColumn<int>("questions");
        QTest::newRow("yes replaces") << true << int(FileDialog::AnyFile) << false << false << "old.db" << 1;
        QTest::newRow("no, then cancel") << true << int(FileDialog::AnyFile) << true << true << "" << 1;
        QTest::newRow("no, then another name") << true << int(FileDialog::AnyFile) << true << false << "new.db" << 1;
        QTest::newRow("not asked without confirm")
            << false << int(FileDialog::AnyFile) << true << true << "old.db" << 0;
        QTest::newRow("open dialogs never ask")
            << true << int(FileDialog::ExistingFile) << true << true << "old.db" << 0;
    }
    void fileDialogOverwriteQuestion()
    {
        QFETCH(bool, confirm);
        QFETCH(int, mode);
        QFETCH(bool, refuse);
        QFETCH(bool, thenCancel);
        QFETCH(QString, chosen);
        QFETCH(int, questions);
        QTemporaryDir dir;
        const QDir root(dir.path());
        const QString existing = root.filePath(QStringLiteral("old.db"));
        QVERIFY(TestSupport::writeFile(existing, "keep"));

        FileDialog::Recording dialogs;
        FileDialog::Request request;
        request.mode = FileDialog::Mode(mode);
        request.folder = dir.path();
        request.confirmOverwrite = confirm;
        if (refuse)
            FileDialog::queueOverwriteRefused(existing);
        else
            FileDialog::queueAnswer(existing);
        if (thenCancel)
            FileDialog::queueCancel();
        else
            FileDialog::queueAnswer(root.filePath(QStringLiteral("new.db")));

        const FileDialog::Answer answer = FileDialog::ask(nullptr, request);
        QCOMPARE(answer.path, chosen.isEmpty() ? QString() : root.filePath(chosen));
        QCOMPARE(int(FileDialog::overwriteQuestions().size()), questions);
        if (questions)
            QCOMPARE(FileDialog::overwriteQuestions().first(), existing);
        QCOMPARE(dialogs.count(), 1);
        QCOMPARE(dialogs.last().confirmOverwrite, confirm);
    }

    // A save dialog with a default suffix gives a name typed without an
    // extension that suffix, and asks about that file: not about the typed
    // name, which may be another file or none.
    void fileDialogDefaultSuffix_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("refuse"); // answer "no" should the question come
        QTest::addColumn<QString>("chosen"); // "" = cancelled
        QTest::addColumn<QStringList>("questions");
        QTest::newRow("added") << int(FileDialog::AnyFile) << "new" << false << "new.db" << QStringList();
        QTest::newRow("own extension kept")
            << int(FileDialog::AnyFile) << "new.inb" << false << "new.inb" << QStringList();
        QTest::newRow("trailing dot") << int(FileDialog::AnyFile) << "new." << false << "new.db" << QStringList();
        QTest::newRow("extended name exists, yes")
            << int(FileDialog::AnyFile) << "old" << false << "old.db" << QStringList { "old.db" };
        QTest::newRow("extended name exists, no")
            << int(FileDialog::AnyFile) << "old" << true << "" << QStringList { "old.db" };
        QTest::newRow("typed name exists, extended not")
            << int(FileDialog::AnyFile) << "plain" << true << "plain.db" << QStringList();
        QTest::newRow("open dialogs add nothing")
            << int(FileDialog::ExistingFile) << "plain" << false << "plain" << QStringList();
    }
    void fileDialogDefaultSuffix()
    {
        QFETCH(int, mode);
        QFETCH(QString, typed);
        QFETCH(bool, refuse);
        QFETCH(QString, chosen);
        QFETCH(QStringList, questions);
        QTemporaryDir dir;
        const QDir root(dir.path());
        QVERIFY(TestSupport::writeFile(root.filePath(QStringLiteral("old.db")), "keep"));
        QVERIFY(TestSupport::writeFile(root.filePath(QStringLiteral("plain")), "keep"));

        FileDialog::Recording dialogs;
        FileDialog::Request request;
        request.mode = FileDialog::Mode(mode);
        request.folder = dir.path();
        request.confirmOverwrite = true;
        request.defaultSuffix = QStringLiteral("db");
        if (refuse)
            FileDialog::queueOverwriteRefused(root.filePath(typed));
        else
            FileDialog::queueAnswer(root.filePath(typed));

        const FileDialog::Answer answer = FileDialog::ask(nullptr, request);
        QCOMPARE(answer.path, chosen.isEmpty() ? QString() : root.filePath(chosen));
        QStringList asked;
        for (const QString &name : questions)
            asked.append(root.filePath(name));
        QCOMPARE(FileDialog::overwriteQuestions(), asked);
        QCOMPARE(dialogs.last().defaultSuffix, QStringLiteral("db"));
    }

    // A box, dialog or launch that no test expected ends the test program at
    // once and names itself, rather than waiting for the test's timeout.
    void unexpectedModalEndsTheTestProgram_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QByteArray>("named");
        QTest::newRow("message box") << "box" << QByteArray("\"Ulykke\": \"Noget gik galt\"");
        QTest::newRow("custom box") << "custom" << QByteArray("\"Gem?\": \"SAVE_CURRENT_DB_QUESTION\"");
        QTest::newRow("file dialog") << "dialog" << QByteArray("\"Åben fil\"");
        QTest::newRow("program") << "program" << QByteArray("\"viewer\" a.jpg");
        QTest::newRow("address") << "address" << QByteArray("https://example.com");
    }
    void unexpectedModalEndsTheTestProgram()
    {
        QFETCH(QString, what);
        QFETCH(QByteArray, named);
        QVERIFY(MessageBox::isStrict() && FileDialog::isStrict() && Launcher::isStrict());

        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LARKSPAN_SEAMS_UNEXPECTED"), what);
        env.insert(QStringLiteral("QTEST_DISABLE_STACK_DUMP"), QStringLiteral("1"));
        env.insert(QStringLiteral("QTEST_DISABLE_CORE_DUMP"), QStringLiteral("1"));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), { QStringLiteral("showUnexpected") });
        QVERIFY(child.waitForStarted(10000));
        QVERIFY(child.waitForFinished(20000));
        const QByteArray output = child.readAllStandardOutput() + child.readAllStandardError();
        QVERIFY2(child.exitStatus() == QProcess::CrashExit || child.exitCode() != 0, output.constData());
        QVERIFY2(output.contains(named), output.constData());
        QVERIFY2(!output.contains("still running"), output.constData());
    }

    // Run only by the test above, in a child test program.
    void showUnexpected()
    {
        const QString what = qEnvironmentVariable("LARKSPAN_SEAMS_UNEXPECTED");
        if (what.isEmpty())
            QSKIP("runs only as the child of unexpectedModalEndsTheTestProgram");
        if (what == QLatin1String("box"))
            MessageBox::critical(nullptr, QStringLiteral("Ulykke"), QStringLiteral("Noget gik galt"));
        else if (what == QLatin1String("custom"))
            MessageBox::showCustom(MessageBox::Information, nullptr, QStringLiteral("Gem?"),
                QStringLiteral("SAVE_CURRENT_DB_QUESTION"), { QStringLiteral("&Gem") });
        else if (what == QLatin1String("dialog"))
            FileDialog::getOpenFileName(nullptr, QStringLiteral("Åben fil"));
        else if (what == QLatin1String("program"))
            Launcher::startDetached(QStringLiteral("viewer"), { QStringLiteral("a.jpg") });
        else
            Launcher::openUrl(QUrl(QStringLiteral("https://example.com")));
        qInfo("still running");
    }

    void fileDialogSelectedFilter()
    {
        FileDialog::Recording dialogs;
        FileDialog::Request request;
        request.filters = { QStringLiteral("DB (*.inb *.txt *.db)"), FileDialog::allFilesFilter() };
        request.selectedFilter = FileDialog::allFilesFilter();
        FileDialog::queueAnswer(QStringLiteral("/x/y.db"));
        QCOMPARE(FileDialog::ask(nullptr, request).selectedFilter, FileDialog::allFilesFilter());
        QVERIFY(FileDialog::allFilesFilter().contains(QLatin1Char('*')));
    }

    void recordingEndsWithTheScope()
    {
        {
            FileDialog::Recording dialogs;
            Launcher::Recording launcher;
            FileDialog::queueAnswer(QStringLiteral("/left/over"));
            Launcher::queueResult(false);
            QVERIFY(FileDialog::isRecording() && Launcher::isRecording());
        }
        QVERIFY(!FileDialog::isRecording());
        QVERIFY(!Launcher::isRecording());
        QCOMPARE(FileDialog::queuedAnswers(), 0);
        FileDialog::Recording again;
        QCOMPARE(again.count(), 0);
        QCOMPARE(FileDialog::getOpenFileName(nullptr, QString()), QString());
    }

    void launcherRecordsAndAnswersAsQueued()
    {
        Launcher::Recording launcher;
        Launcher::queueResult(false);
        QVERIFY(!Launcher::startDetached(
            QStringLiteral("lp"), { QStringLiteral("-d"), QStringLiteral("label") }, QStringLiteral("/work")));
        QVERIFY(Launcher::openUrl(QUrl(QStringLiteral("https://example.com"))));
        QCOMPARE(launcher.count(), 2);
        const Launcher::Request &start = launcher.requests().at(0);
        QCOMPARE(start.kind, Launcher::Request::StartProgram);
        QCOMPARE(start.program, QStringLiteral("lp"));
        QCOMPARE(start.arguments, (QStringList { QStringLiteral("-d"), QStringLiteral("label") }));
        QCOMPARE(start.workingDirectory, QStringLiteral("/work"));
        QCOMPARE(launcher.last().kind, Launcher::Request::OpenUrl);
    }

    void launcherReportsAProgramThatCannotStart()
    {
        // Nothing is started: the program does not exist.
        Launcher::setStrict(false);
        const auto strictAgain = qScopeGuard([] { Launcher::setStrict(true); });
        QVERIFY(!Launcher::isRecording());
        QVERIFY(!Launcher::startDetached(QStringLiteral("/no/such/folder/viewer"), { QStringLiteral("a.jpg") }));
        QVERIFY(!Launcher::startDetached(QString(), { QStringLiteral("a.jpg") }));
        QVERIFY(!Launcher::openUrl(QUrl()));
    }

    void urlsForTargets_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("expected"); // "file:" + absolute path for local files
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("https") << "https://example.com/a b"
                               << "https://example.com/a%20b";
        QTest::newRow("www") << "www.taldrum.dk"
                             << "http://www.taldrum.dk";
        QTest::newRow("WWW capitals") << "WWW.taldrum.dk"
                                      << "http://www.taldrum.dk";
        QTest::newRow("file url") << "file:///tmp/x.htm"
                                  << "file:///tmp/x.htm";
        QTest::newRow("absolute path") << "/no/such/x.pdf"
                                       << "file:/no/such/x.pdf";
        QTest::newRow("drive letter is no scheme") << "C:/Dokumenter/x.pdf"
                                                   << "file:C:/Dokumenter/x.pdf";
        QTest::newRow("relative path") << "Work/label.txt"
                                       << "file:Work/label.txt";
    }
    void urlsForTargets()
    {
        QFETCH(QString, target);
        QFETCH(QString, expected);
        const QUrl url = Launcher::urlForTarget(target);
        if (expected.startsWith(QLatin1String("file:")) && !expected.startsWith(QLatin1String("file://"))) {
            QVERIFY(url.isLocalFile());
            QCOMPARE(url.toLocalFile(), QFileInfo(expected.mid(5)).absoluteFilePath());
        } else {
            QCOMPARE(url.toString(QUrl::FullyEncoded), expected);
        }
    }

    void existingFileWinsOverAScheme()
    {
        QTemporaryDir dir;
        const QString old = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        QVERIFY(TestSupport::writeFile(QStringLiteral("notes:today.txt"), "x"));
        const QUrl url = Launcher::urlForTarget(QStringLiteral("notes:today.txt"));
        QDir::setCurrent(old);
        QVERIFY(url.isLocalFile());
        QCOMPARE(url.toLocalFile(), dir.filePath(QStringLiteral("notes:today.txt")));
    }
};

QTEST_GUILESS_MAIN(tst_Seams)
#include "tst_seams.moc"
