#include <QtTest>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "TestSupport.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "desktop/Launcher.h"
#include "help/HelpTopics.h"

namespace {

enum Command { Help, Tutorial, ErrorHandling, Links, Releases };

const QStringList languages { QStringLiteral("dk"), QStringLiteral("no"), QStringLiteral("en") };
const QList<int> editions { OstranaEdition, VistrelEdition, NumivaxEdition, QuorvelEdition };

void setLanguage(const QString &language)
{
    Settings settings;
    settings.setValue(QStringLiteral("Language"), language);
}

// Written out by hand rather than built like the code builds them, so that a
// wrong pattern in the code cannot agree with itself.
QString expectedPage(Command command, int edition, const QString &language)
{
    const QString l = language;
    switch (command) {
    case Help:
        return edition == VistrelEdition ? QStringLiteral("Help.htm")
            : edition == NumivaxEdition  ? QStringLiteral("HelpNumivax.") + l + QStringLiteral(".htm")
                                         : QStringLiteral("index.") + l + QStringLiteral(".htm");
    case Tutorial:
        return edition == OstranaEdition
            ? QStringLiteral("GettingStarted.") + l + QStringLiteral(".htm")
            : QStringLiteral("GettingStarted.") + editionName() + QLatin1Char('.') + l + QStringLiteral(".htm");
    case ErrorHandling:
        return QStringLiteral("ErrorHandling.") + l + QStringLiteral(".htm");
    case Links:
        return edition == VistrelEdition ? QStringLiteral("Vistrellinks.") + l + QStringLiteral(".htm")
            : edition == NumivaxEdition  ? QStringLiteral("Numivaxlinks.") + l + QStringLiteral(".htm")
                                         : QStringLiteral("OstranaLinksAndReferences.") + l + QStringLiteral(".htm");
    case Releases:
        break;
    }
    return QString();
}

bool offered(Command command, int edition, const QString &language)
{
    switch (command) {
    case Help:
        return (edition == OstranaEdition && language != QLatin1String("en"))
            || ((edition == VistrelEdition || edition == NumivaxEdition) && language == QLatin1String("dk"));
    case Tutorial:
        return edition != QuorvelEdition || language == QLatin1String("dk");
    default:
        return true;
    }
}

QString helpFolder()
{
    return QDir(TestSupport::runDir()).absoluteFilePath(QStringLiteral("help"));
}

} // namespace

class tst_HelpTopics : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QDir::setCurrent(TestSupport::runDir()); }

    // Every help command of every edition and language opens an installed page.
    void commandsOpenInstalledPages_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("command");
        static const char *const names[] = { "Help", "Tutorial", "ErrorHandling", "Links" };
        for (int edition : editions) {
            for (const QString &language : languages) {
                for (int command = Help; command <= Links; ++command) {
                    QTest::addRow("%d %s %s", edition, qPrintable(language), names[command])
                        << edition << language << command;
                }
            }
        }
    }
    void commandsOpenInstalledPages()
    {
        QFETCH(int, edition);
        QFETCH(QString, language);
        QFETCH(int, command);
        TestSupport::IsolatedSettings settings(edition);
        setLanguage(language);
        const auto topic = HelpTopics::Topic(command);
        QCOMPARE(HelpTopics::isOffered(topic, edition, language), offered(Command(command), edition, language));
        if (!offered(Command(command), edition, language))
            return;

        const QString page = expectedPage(Command(command), edition, language);
        QCOMPARE(HelpTopics::pageName(topic, edition, language), page);
        TestSupport::RecordedMessageBoxes boxes;
        Launcher::Recording launched;
        QVERIFY(HelpTopics::open(topic));
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(launched.count(), 1);
        QCOMPARE(launched.last().kind, Launcher::Request::OpenUrl);
        const QString opened = launched.last().url.toLocalFile();
        QCOMPARE(QFileInfo(opened).absoluteFilePath(), QDir(helpFolder()).absoluteFilePath(page));
        QVERIFY2(QFileInfo(opened).isFile(), qPrintable(opened));
    }

    // Release notes: HTML in the browser for some languages, a text file in
    // the text viewer for the others, and always an installed file.
    void releaseNotes_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("html");
        QTest::addColumn<QString>("name");
        QTest::newRow("Ostrana dk") << 1 << "dk" << true << "releasenotes.Ostrana.dk.htm";
        QTest::newRow("Ostrana no") << 1 << "no" << true << "releasenotes.Ostrana.no.htm";
        QTest::newRow("Ostrana en") << 1 << "en" << false << "releasenotes.en.txt";
        QTest::newRow("Vistrel dk") << 2 << "dk" << false << "releasenotes.Vistrel.dk.txt";
        QTest::newRow("Vistrel no") << 2 << "no" << false << "releasenotes.Vistrel.no.txt";
        QTest::newRow("Vistrel en") << 2 << "en" << false << "releasenotes.Vistrel.en.txt";
        QTest::newRow("Numivax dk") << 3 << "dk" << true << "releasenotes.Numivax.dk.htm";
        QTest::newRow("Numivax no") << 3 << "no" << false << "releasenotes.Numivax.no.txt";
        QTest::newRow("Numivax en") << 3 << "en" << false << "releasenotes.Numivax.en.txt";
        QTest::newRow("Quorvel dk") << 5 << "dk" << true << "releasenotes.Quorvel.dk.htm";
        QTest::newRow("Quorvel no") << 5 << "no" << false << "releasenotes.Quorvel.no.txt";
        QTest::newRow("Quorvel en") << 5 << "en" << false << "releasenotes.Quorvel.en.txt";
        QTest::newRow("unknown language is Danish") << 1 << "da" << true << "releasenotes.Ostrana.dk.htm";
    }
    void releaseNotes()
    {
        QFETCH(int, edition);
        QFETCH(QString, language);
        QFETCH(bool, html);
        QFETCH(QString, name);
        TestSupport::IsolatedSettings settings(edition);
        setLanguage(language);
        const HelpTopics::ReleaseNotes notes = HelpTopics::releaseNotes(edition, currentLanguage());
        QCOMPARE(notes.html, html);
        QCOMPARE(notes.name, name);

        TestSupport::RecordedMessageBoxes boxes;
        Launcher::Recording launched;
        QVERIFY(HelpTopics::openReleaseNotes(nullptr));
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(launched.count(), 1);
        QCOMPARE(launched.last().kind, Launcher::Request::OpenUrl);
        const QFileInfo opened(launched.last().url.toLocalFile());
        QCOMPARE(opened.absoluteFilePath(), QDir(helpFolder()).absoluteFilePath(name));
        QVERIFY2(opened.isFile(), qPrintable(opened.filePath()));
        if (!html) {
            // Plain text the viewer shows as it is: no markup.
            const QByteArray text = TestSupport::readFile(opened.filePath());
            QVERIFY(!text.isEmpty());
            QVERIFY(!text.contains("<html"));
        }
    }

    // The dialogs' help buttons: where they can be pressed, their page is there.
    void dialogPages_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("pages");
        QTest::newRow("Ostrana dk") << 1 << "dk"
                                    << QStringList { "InventoryDialog.dk.htm", "printSetupDialog.dk.htm",
                                           "SetupOstranaTyperDialog.htm", "SetupLokalerDialog.htm",
                                           "SetupSupplierDialog.dk.htm", "CommonSetupDialog.dk.htm" };
        QTest::newRow("Ostrana no") << 1 << "no"
                                    << QStringList { "InventoryDialog.no.htm", "printSetupDialog.no.htm",
                                           "SetupOstranaTyperDialog.htm", "SetupLokalerDialog.htm",
                                           "SetupSupplierDialog.dk.htm", "CommonSetupDialog.no.htm" };
        QTest::newRow("Ostrana en") << 1 << "en" << QStringList {};
        QTest::newRow("Vistrel dk") << 2 << "dk" << QStringList { "VistrelDialog.dk.htm", "CommonSetupDialog.dk.htm" };
        QTest::newRow("Vistrel no") << 2 << "no" << QStringList { "CommonSetupDialog.no.htm" };
        QTest::newRow("Vistrel en") << 2 << "en" << QStringList {};
        QTest::newRow("Numivax dk") << 3 << "dk"
                                    << QStringList { "NumivaxDialog.dk.htm", "printSetupNumivax.dk.htm",
                                           "CommonSetupDialog.Numivax.dk.htm" };
        QTest::newRow("Numivax no") << 3 << "no" << QStringList { "CommonSetupDialog.Numivax.no.htm" };
        QTest::newRow("Quorvel dk") << 5 << "dk"
                                    << QStringList { "InventoryDialog.dk.htm", "CommonSetupDialog.dk.htm" };
        QTest::newRow("Quorvel no") << 5 << "no"
                                    << QStringList { "InventoryDialog.no.htm", "CommonSetupDialog.no.htm" };
        QTest::newRow("Quorvel en") << 5 << "en" << QStringList {};
    }
    void dialogPages()
    {
        QFETCH(int, edition);
        QFETCH(QString, language);
        QFETCH(QStringList, pages);
        QStringList dialogPages;
        if (HelpTopics::itemDialogHelpEnabled(edition, language))
            dialogPages << HelpTopics::itemDialogPage(edition, language);
        if (HelpTopics::printSetupHelpEnabled(edition, language))
            dialogPages << HelpTopics::printSetupPage(edition, language);
        if (HelpTopics::listSetupHelpShown(edition, language)) {
            for (int kind = 1; kind <= 3; ++kind)
                dialogPages << HelpTopics::listSetupPage(edition, kind);
        }
        if (HelpTopics::commonSetupHelpEnabled(edition, language))
            dialogPages << HelpTopics::commonSetupPage(edition, language);
        QCOMPARE(dialogPages, pages);
        for (const QString &page : pages)
            QVERIFY2(HelpTopics::pagesUsed(edition, language).contains(page), qPrintable(page));
    }

    // What an installation must hold: every page any command or button opens.
    void everyUsedPageIsInstalled_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("language");
        for (int edition : editions) {
            for (const QString &language : languages)
                QTest::addRow("%d %s", edition, qPrintable(language)) << edition << language;
        }
    }
    void everyUsedPageIsInstalled()
    {
        QFETCH(int, edition);
        QFETCH(QString, language);
        const QStringList pages = HelpTopics::pagesUsed(edition, language);
        QVERIFY(pages.size() >= 3);
        for (const QString &page : pages)
            QVERIFY2(QFileInfo(QDir(helpFolder()).filePath(page)).isFile(), qPrintable(page));
    }

    // Failures reach the user: a missing page, a missing text file, and a
    // text viewer that cannot be started.
    void failuresAreReported_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("viewerStarts");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("textStart");
        QTest::addColumn<int>("launches");
        QTest::newRow("HTML notes missing") << 1 << "dk" << false << true << "HTML-fejl"
                                            << "Could not display help (" << 0;
        QTest::newRow("text notes missing") << 1 << "en" << false << true << "HTML error"
                                            << "Could not display help (" << 0;
        QTest::newRow("no text viewer") << 2 << "en" << true << false << "Error"
                                        << "NOTEPAD_NOT_FOUND" << 1;
    }
    void failuresAreReported()
    {
        QFETCH(int, edition);
        QFETCH(QString, language);
        QFETCH(bool, installed);
        QFETCH(bool, viewerStarts);
        QFETCH(QString, title);
        QFETCH(QString, textStart);
        QFETCH(int, launches);
        TestSupport::IsolatedSettings settings(edition);
        setLanguage(language);
        // The catalogue of the language, so titles come out translated.
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral("larkspan_") + language, TestSupport::runDir()));
        QCoreApplication::installTranslator(&translator);

        QTemporaryDir elsewhere;
        QVERIFY(elsewhere.isValid());
        if (!installed)
            QVERIFY(QDir::setCurrent(elsewhere.path()));
        TestSupport::RecordedMessageBoxes boxes;
        Launcher::Recording launched;
        if (!viewerStarts)
            Launcher::queueResult(false);
        QVERIFY(!HelpTopics::openReleaseNotes(nullptr));
        QDir::setCurrent(TestSupport::runDir());
        QCoreApplication::removeTranslator(&translator);

        QCOMPARE(launched.count(), launches);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().kind, MessageBox::Critical);
        QCOMPARE(boxes.last().title, title);
        if (textStart == QLatin1String("NOTEPAD_NOT_FOUND")) {
            // The catalogue's text, not its key.
            QVERIFY(!boxes.last().text.isEmpty());
            QVERIFY(boxes.last().text != textStart);
            QCOMPARE(boxes.last().buttons, QStringList { QStringLiteral("OK") });
        } else {
            QVERIFY2(boxes.last().text.startsWith(textStart + elsewhere.path()), qPrintable(boxes.last().text));
            QVERIFY(boxes.last().text.contains(QLatin1String("was not found")));
        }
    }
};

QTEST_MAIN(tst_HelpTopics)
#include "tst_helptopics.moc"
