#include <QtTest>

#include <QDir>
#include <QTemporaryDir>

#include "TestSupport.h"
#include "core/Edition.h"
#include "desktop/ExternalViewers.h"
#include "desktop/FileDialog.h"
#include "desktop/Launcher.h"
#include "core/Settings.h"

namespace {

const QString noProgramTitle = QStringLiteral("Taldrum program error");

QString notFoundText(const QString &program, const QString &target)
{
    return QStringLiteral("Program (") + program
        + QStringLiteral(") ikke fundet.\nHint: Vælg ønsket program til at vise aktuelle fil type,\n"
                         "via Opsætning menu.\nKalder istedet program associeret med filen ")
        + target;
}

} // namespace

class tst_ExternalViewers : public QObject
{
    Q_OBJECT

private slots:
    void pictureNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("picture");
        QTest::newRow("jpg") << "photo.jpg" << true;
        QTest::newRow("JPEG capitals") << "C:/Billeder/SOFA.JPEG" << true;
        QTest::newRow("mixed case Jpg") << "/home/a/stol.Jpg" << true;
        QTest::newRow("png") << "a.png" << true;
        QTest::newRow("bmp") << "a.bmp" << true;
        QTest::newRow("xbm") << "a.xbm" << true;
        QTest::newRow("xpm") << "a.xpm" << true;
        QTest::newRow("pnm") << "a.pnm" << true;
        QTest::newRow("mng") << "a.mng" << true;
        QTest::newRow("gif") << "a.gif" << true;
        QTest::newRow("pdf") << "kvittering.pdf" << false;
        QTest::newRow("htm") << "side.htm" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("folder name counts") << "/data/jpg-scans/receipt.pdf" << true;
        QTest::newRow("letters inside a word") << "giffel.doc" << true;
        QTest::newRow("no extension") << "README" << false;
    }
    void pictureNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, picture);
        QCOMPARE(isPictureFile(name), picture);
    }

    void shellOpenHandsTargetsToTheDesktop_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QUrl>("url");
        QTest::newRow("https") << "https://example.com/sofa?x=1&y=2" << QUrl("https://example.com/sofa?x=1&y=2");
        QTest::newRow("www without scheme") << "www.example.com/a" << QUrl("http://www.example.com/a");
        QTest::newRow("mailto") << "mailto:salg@example.com" << QUrl("mailto:salg@example.com");
    }
    void shellOpenHandsTargetsToTheDesktop()
    {
        QFETCH(QString, target);
        QFETCH(QUrl, url);
        TestSupport::RecordedMessageBoxes boxes;
        Launcher::Recording launcher;
        QVERIFY(shellOpen(target));
        QCOMPARE(launcher.count(), 1);
        QCOMPARE(launcher.last().kind, Launcher::Request::OpenUrl);
        QCOMPARE(launcher.last().url, url);
        QCOMPARE(boxes.count(), 0);
    }

    void shellOpenOfAnExistingFile()
    {
        TestSupport::RecordedMessageBoxes boxes;
        Launcher::Recording launcher;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kvittering #1.pdf"));
        QVERIFY(TestSupport::writeFile(path, "%PDF"));
        QVERIFY(shellOpen(path));
        QCOMPARE(launcher.count(), 1);
        QVERIFY(launcher.last().url.isLocalFile());
        QCOMPARE(launcher.last().url.toLocalFile(), path);
        QCOMPARE(boxes.count(), 0);
    }

    void shellOpenOfNothingDoesNothing()
    {
        TestSupport::RecordedMessageBoxes boxes;
        Launcher::Recording launcher;
        QVERIFY(!shellOpen(QString()));
        QCOMPARE(launcher.count(), 0);
        QCOMPARE(boxes.count(), 0);
    }

    void shellOpenFailureShowsTheNoProgramBox_data()
    {
        QTest::addColumn<bool>("fileExists");
        QTest::newRow("desktop refuses") << true;
        QTest::newRow("file missing") << false;
    }
    void shellOpenFailureShowsTheNoProgramBox()
    {
        QFETCH(bool, fileExists);
        TestSupport::RecordedMessageBoxes boxes;
        Launcher::Recording launcher;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plan.xyz"));
        if (fileExists)
            QVERIFY(TestSupport::writeFile(path, "x"));
        Launcher::queueResult(false);

        QVERIFY(!shellOpen(path));
        // A missing file is not handed to the desktop at all.
        QCOMPARE(launcher.count(), fileExists ? 1 : 0);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().kind, MessageBox::NoIcon);
        QCOMPARE(boxes.last().title, noProgramTitle);
        QCOMPARE(boxes.last().text, QStringLiteral("Ingen program associeret med filer af denne type ") + path);
        QCOMPARE(boxes.last().buttons, QStringList { QStringLiteral("Yes") });
    }

    void chosenProgramGetsTheTargetAsOneArgument_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("argument");
        QTest::newRow("plain") << "/home/a/sofa.pdf"
                               << "/home/a/sofa.pdf";
        QTest::newRow("blanks and shell characters") << "/tmp/a b; rm -rf ~ $(touch x) `y` | z & %1.jpg"
                                                     << "/tmp/a b; rm -rf ~ $(touch x) `y` | z & %1.jpg";
        QTest::newRow("web address") << "https://example.com/?a=1&b=2"
                                     << "https://example.com/?a=1&b=2";
        QTest::newRow("name like an option") << "-rf.png"
                                             << "./-rf.png";
        QTest::newRow("surrounding blanks kept") << " a.png "
                                                 << " a.png ";
    }
    void chosenProgramGetsTheTargetAsOneArgument()
    {
        QFETCH(QString, target);
        QFETCH(QString, argument);
        TestSupport::RecordedMessageBoxes boxes;
        Launcher::Recording launcher;
        QVERIFY(openWithProgram(QStringLiteral("/usr/bin/viewer"), target, nullptr));
        QCOMPARE(launcher.count(), 1);
        QCOMPARE(launcher.last().kind, Launcher::Request::StartProgram);
        QCOMPARE(launcher.last().program, QStringLiteral("/usr/bin/viewer"));
        QCOMPARE(launcher.last().arguments, QStringList { argument });
        QCOMPARE(boxes.count(), 0);
    }

    void missingProgramFallsBackToTheDesktop()
    {
        TestSupport::RecordedMessageBoxes boxes;
        Launcher::Recording launcher;
        const QString program = QStringLiteral("C:\\Programmer\\Viewer\\gone.exe");
        const QString target = QStringLiteral("https://example.com/%2/sofa");
        Launcher::queueResult(false); // the program
        Launcher::queueResult(true); // the desktop

        QVERIFY(openWithProgram(program, target, nullptr));
        QCOMPARE(launcher.count(), 2);
        QCOMPARE(launcher.requests().at(0).kind, Launcher::Request::StartProgram);
        QCOMPARE(launcher.requests().at(1).kind, Launcher::Request::OpenUrl);
        QCOMPARE(launcher.requests().at(1).url, QUrl(target));
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().kind, MessageBox::Critical);
        QCOMPARE(boxes.last().title, QStringLiteral("Fejl"));
        QCOMPARE(boxes.last().text, notFoundText(program, target));
        QCOMPARE(boxes.last().buttons, QStringList { QStringLiteral("&Ok") });
    }

    void bothFailingGiveBothBoxes()
    {
        TestSupport::RecordedMessageBoxes boxes;
        Launcher::Recording launcher;
        Launcher::queueResult(false);
        Launcher::queueResult(false);
        QVERIFY(!openWithProgram(QStringLiteral("gone"), QStringLiteral("https://example.com"), nullptr));
        QCOMPARE(boxes.count(), 2);
        QCOMPARE(boxes.shown().at(0).title, QStringLiteral("Fejl"));
        QCOMPARE(boxes.shown().at(1).title, noProgramTitle);
    }

    void noChosenProgramGoesStraightToTheDesktop()
    {
        TestSupport::RecordedMessageBoxes boxes;
        Launcher::Recording launcher;
        QVERIFY(openWithProgram(QString(), QStringLiteral("www.example.com"), nullptr));
        QCOMPARE(launcher.count(), 1);
        QCOMPARE(launcher.last().kind, Launcher::Request::OpenUrl);
        QCOMPARE(launcher.last().url, QUrl(QStringLiteral("http://www.example.com")));
        QCOMPARE(boxes.count(), 0);
    }

    void defaultPictureViewerOnlyOnWindows()
    {
        TestSupport::IsolatedSettings settings(OstranaEdition);
#ifdef Q_OS_WIN
        QCOMPARE(defaultPictureViewer(), QStringLiteral("mspaint.exe"));
#else
        QCOMPARE(defaultPictureViewer(), QString());
#endif
        QCOMPARE(pictureViewerProgram(defaultPictureViewer()), defaultPictureViewer());
        QCOMPARE(pictureViewerProgram(), QString());
        QCOMPARE(webProgram(), QString());
        // A stored empty value means that no program was chosen; it is not
        // replaced by the default.
        Settings().setValue(QStringLiteral("PictureViewerProgram"), QString());
        QCOMPARE(pictureViewerProgram(QStringLiteral("mspaint.exe")), QString());
    }

    void htmlPageIsOpenedFromTheHelpFolderOrAsGiven()
    {
        TestSupport::RecordedMessageBoxes boxes;
        Launcher::Recording launcher;
        QTemporaryDir dir;
        const QString page = dir.filePath(QStringLiteral("CurrentItem.htm"));
        QVERIFY(TestSupport::writeFile(page, "<html/>"));
        QVERIFY(openHtmlPage(dir.path() + QLatin1Char('/'), QStringLiteral("CurrentItem.htm"), true));
        QCOMPARE(launcher.last().url, QUrl::fromLocalFile(page));

        const QString oldCurrent = QDir::currentPath();
        QVERIFY(TestSupport::writeFile(dir.filePath(QStringLiteral("help/InventoryDialog.dk.htm")), "<html/>"));
        QVERIFY(QDir::setCurrent(dir.path()));
        const bool opened = openHtmlPage(QStringLiteral("InventoryDialog."), QStringLiteral("dk.htm"), false);
        QDir::setCurrent(oldCurrent);
        QVERIFY(opened);
        QCOMPARE(launcher.last().url.toLocalFile(),
            QFileInfo(dir.filePath(QStringLiteral("help/InventoryDialog.dk.htm"))).absoluteFilePath());
        QCOMPARE(boxes.count(), 0);
    }

    void longPagePathIsNeitherCutNorRefused()
    {
        TestSupport::RecordedMessageBoxes boxes;
        Launcher::Recording launcher;
        QTemporaryDir dir;
        QString folder = dir.path();
        for (int i = 0; i < 8; ++i)
            folder += QLatin1Char('/') + QString(40, QChar(u'a' + i));
        const QString page = folder + QStringLiteral("/export.htm");
        QVERIFY(page.size() > 300);
        QVERIFY(TestSupport::writeFile(page, "<html/>"));
        QVERIFY(openHtmlPage(page, QString(), true));
        QCOMPARE(launcher.last().url.toLocalFile(), page);
        QCOMPARE(boxes.count(), 0);
    }

    void htmlPageFailures_data()
    {
        QTest::addColumn<bool>("fileExists");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing page") << false << "The specified file was not found (please, check write permissions).";
        QTest::newRow("no program for pages")
            << true
            << "There is no application associated with the given file name extension. This error will also be "
               "returned if you attempt to print a file that is not printable.";
    }
    void htmlPageFailures()
    {
        QFETCH(bool, fileExists);
        QFETCH(QString, reason);
        TestSupport::RecordedMessageBoxes boxes;
        Launcher::Recording launcher;
        QTemporaryDir dir;
        const QString page = dir.filePath(QStringLiteral("Export.htm"));
        if (fileExists)
            QVERIFY(TestSupport::writeFile(page, "<html/>"));
        Launcher::queueResult(false);

        QVERIFY(!openHtmlPage(page, QString(), true));
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().kind, MessageBox::Critical);
        QCOMPARE(boxes.last().title, QStringLiteral("HTML fejl"));
        QCOMPARE(boxes.last().text, QStringLiteral("Could not display help (%1), error: %2").arg(page, reason));
        QCOMPARE(boxes.last().buttons, QStringList { QStringLiteral("Ok") });
    }

    void htmlPageErrorTexts_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "The operating system is out of memory or resources.";
        QTest::newRow("3") << 3 << "The specified path was not found.";
        QTest::newRow("26") << 26 << "A sharing violation occurred.";
        QTest::newRow("27") << 27 << "The file name association is incomplete or invalid.";
        QTest::newRow("32") << 32 << "The specified DLL was not found.";
        QTest::newRow("5 unknown") << 5 << "";
        QTest::newRow("33 unknown") << 33 << "";
    }
    void htmlPageErrorTexts()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(htmlPageErrorText(code), text);
    }

    void choosingAProgramStoresItWithNativeSeparators_data()
    {
        QTest::addColumn<bool>("picture");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("filter");
        QTest::newRow("picture viewer") << true << "PictureViewerProgram"
                                        << "Vælg eget billedvisnings program"
                                        << "Billede visnings program (*.exe)";
        QTest::newRow("web program") << false << "wwwProgram"
                                     << "Vælg internet (www) program"
                                     << "Internet (www) program (*.exe)";
    }
    void choosingAProgramStoresItWithNativeSeparators()
    {
        QFETCH(bool, picture);
        QFETCH(QString, key);
        QFETCH(QString, title);
        QFETCH(QString, filter);
        TestSupport::IsolatedSettings settings(VistrelEdition);
        FileDialog::Recording dialogs;
        const QString chosen = QStringLiteral("/opt/some programs/viewer");
        FileDialog::queueAnswer(chosen);

        QVERIFY(picture ? choosePictureViewer(nullptr) : chooseWebProgram(nullptr));
        QCOMPARE(Settings().value(key).toString(), QDir::toNativeSeparators(chosen));
        QCOMPARE(dialogs.count(), 1);
        QCOMPARE(dialogs.last().mode, FileDialog::AnyFile);
        QCOMPARE(dialogs.last().title, title);
        QCOMPARE(dialogs.last().folder, QString());
        QCOMPARE(dialogs.last().filters.value(0), filter);

        // A cancelled dialog changes nothing.
        FileDialog::queueCancel();
        QVERIFY(!(picture ? choosePictureViewer(nullptr) : chooseWebProgram(nullptr)));
        QCOMPARE(Settings().value(key).toString(), QDir::toNativeSeparators(chosen));
        QCOMPARE(picture ? pictureViewerProgram() : webProgram(), QDir::toNativeSeparators(chosen));
    }

    void cancelledChoiceStoresNothing()
    {
        TestSupport::IsolatedSettings settings(NumivaxEdition);
        FileDialog::Recording dialogs;
        QVERIFY(!choosePictureViewer(nullptr)); // nothing queued: cancelled
        QVERIFY(!chooseWebProgram(nullptr));
        QVERIFY(!Settings().contains(QStringLiteral("PictureViewerProgram")));
        QVERIFY(!Settings().contains(QStringLiteral("wwwProgram")));
    }
};

QTEST_MAIN(tst_ExternalViewers)
#include "tst_externalviewers.moc"
