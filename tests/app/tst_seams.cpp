#include <QtTest>

#include <QDir>
#include <QTemporaryDir>

#include "TestSupport.h"
#include "app/FileDialog.h"
#include "app/Launcher.h"

// The file-dialog and launcher seams that every other test leans on.
class tst_Seams : public QObject
{
    Q_OBJECT

private slots:
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
        QCOMPARE(answer.folder, QStringLiteral("/data/backup"));
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
        QCOMPARE(folder, QStringLiteral("/a"));
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
        QCOMPARE(FileDialog::ask(nullptr, request).folder, dir.path());
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
