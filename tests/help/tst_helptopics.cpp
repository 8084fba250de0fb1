#include <QtTest>

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <functional>
#include <memory>

#include "TestSupport.h"
#include "barcodes/LabelPrinterDialog.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "desktop/Launcher.h"
#include "help/HelpTopics.h"
#include "itemdialog/ItemDialog.h"
#include "labels/LabelSheetDialog.h"
#include "output/ValueReportDialog.h"
#include "output/printSelectDataDialog.h"
#include "setup/CommonSetup.h"
#include "setup/setupdialog.h"
#include "statistics/StatisticsDialog.h"

namespace {

void setLanguage(const QString &language)
{
    Settings settings;
    settings.setValue(QStringLiteral("Language"), language);
}

// The pages of each edition and language, written out whole so that a wrong
// rule for a name cannot agree with itself. The help commands' pages are
// Help, Tutorial, ErrorHandling and Links; the dialogs' are item dialog,
// print setup, list setup of groups, locations and suppliers, default folders,
// and the value report and the statistics, which have one page per language.
void addPageRows()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("commandPages");
    QTest::addColumn<QStringList>("dialogPages");
    const auto row = [](const char *name, int edition, const char *language, const QStringList &commands,
                         const QStringList &dialogs) {
        const QString reportPages = QStringLiteral("ValueReport.%1.htm Statistics.%1.htm").arg(QLatin1String(language));
        QTest::newRow(name) << edition << QString::fromLatin1(language) << commands
                            << dialogs + reportPages.split(QLatin1Char(' '));
    };
    row("Ostrana dk", OstranaEdition, "dk",
        { "index.dk.htm", "GettingStarted.dk.htm", "ErrorHandling.dk.htm", "OstranaLinksAndReferences.dk.htm" },
        { "InventoryDialog.dk.htm", "printSetupDialog.dk.htm", "SetupOstranaTyperDialog.htm", "SetupLokalerDialog.htm",
            "SetupSupplierDialog.dk.htm", "CommonSetupDialog.dk.htm", "LabelSheetDialog.dk.htm" });
    row("Ostrana no", OstranaEdition, "no",
        { "index.no.htm", "GettingStarted.no.htm", "ErrorHandling.no.htm", "OstranaLinksAndReferences.no.htm" },
        { "InventoryDialog.no.htm", "printSetupDialog.no.htm", "SetupOstranaTyperDialog.no.htm",
            "SetupLokalerDialog.no.htm", "SetupSupplierDialog.no.htm", "CommonSetupDialog.no.htm",
            "LabelSheetDialog.no.htm" });
    row("Ostrana en", OstranaEdition, "en",
        { "index.en.htm", "GettingStarted.en.htm", "ErrorHandling.en.htm", "OstranaLinksAndReferences.en.htm" },
        { "InventoryDialog.en.htm", "printSetupDialog.en.htm", "SetupOstranaTyperDialog.en.htm",
            "SetupLokalerDialog.en.htm", "SetupSupplierDialog.en.htm", "CommonSetupDialog.en.htm",
            "LabelSheetDialog.en.htm" });
    row("Vistrel dk", VistrelEdition, "dk",
        { "Help.htm", "GettingStarted.Vistrel.dk.htm", "ErrorHandling.dk.htm", "Vistrellinks.dk.htm" },
        { "VistrelDialog.dk.htm", "printSetupDialog.dk.htm", "SetupOstranaTyperDialog.htm", "SetupLokalerDialog.htm",
            "SetupSupplierDialog.dk.htm", "CommonSetupDialog.dk.htm", "LabelSheetDialog.dk.htm" });
    row("Vistrel no", VistrelEdition, "no",
        { "HelpVistrel.no.htm", "GettingStarted.Vistrel.no.htm", "ErrorHandling.no.htm", "Vistrellinks.no.htm" },
        { "VistrelDialog.no.htm", "printSetupDialog.no.htm", "SetupOstranaTyperDialog.no.htm",
            "SetupLokalerDialog.no.htm", "SetupSupplierDialog.no.htm", "CommonSetupDialog.no.htm",
            "LabelSheetDialog.no.htm" });
    row("Vistrel en", VistrelEdition, "en",
        { "HelpVistrel.en.htm", "GettingStarted.Vistrel.en.htm", "ErrorHandling.en.htm", "Vistrellinks.en.htm" },
        { "VistrelDialog.en.htm", "printSetupDialog.en.htm", "SetupOstranaTyperDialog.en.htm",
            "SetupLokalerDialog.en.htm", "SetupSupplierDialog.en.htm", "CommonSetupDialog.en.htm",
            "LabelSheetDialog.en.htm" });
    row("Numivax dk", NumivaxEdition, "dk",
        { "HelpNumivax.dk.htm", "GettingStarted.Numivax.dk.htm", "ErrorHandling.dk.htm", "Numivaxlinks.dk.htm" },
        { "NumivaxDialog.dk.htm", "printSetupNumivax.dk.htm", "SetupOstranaTyperDialog.htm", "SetupLokalerDialog.htm",
            "SetupSupplierDialog.dk.htm", "CommonSetupDialog.Numivax.dk.htm", "LabelSheetDialog.dk.htm" });
    row("Numivax no", NumivaxEdition, "no",
        { "HelpNumivax.no.htm", "GettingStarted.Numivax.no.htm", "ErrorHandling.no.htm", "Numivaxlinks.no.htm" },
        { "NumivaxDialog.no.htm", "printSetupNumivax.no.htm", "SetupOstranaTyperDialog.no.htm",
            "SetupLokalerDialog.no.htm", "SetupSupplierDialog.no.htm", "CommonSetupDialog.Numivax.no.htm",
            "LabelSheetDialog.no.htm" });
    row("Numivax en", NumivaxEdition, "en",
        { "HelpNumivax.en.htm", "GettingStarted.Numivax.en.htm", "ErrorHandling.en.htm", "Numivaxlinks.en.htm" },
        { "NumivaxDialog.en.htm", "printSetupNumivax.en.htm", "SetupOstranaTyperDialog.en.htm",
            "SetupLokalerDialog.en.htm", "SetupSupplierDialog.en.htm", "CommonSetupDialog.Numivax.en.htm",
            "LabelSheetDialog.en.htm" });
    row("Quorvel dk", QuorvelEdition, "dk",
        { "index.dk.htm", "GettingStarted.Quorvel.dk.htm", "ErrorHandling.dk.htm", "OstranaLinksAndReferences.dk.htm" },
        { "InventoryDialog.dk.htm", "printSetupDialog.dk.htm", "SetupOstranaTyperDialog.htm", "SetupLokalerDialog.htm",
            "SetupSupplierDialog.dk.htm", "CommonSetupDialog.dk.htm", "LabelSheetDialog.dk.htm",
            "LabelPrinterDialog.dk.htm" });
    row("Quorvel no", QuorvelEdition, "no",
        { "index.no.htm", "GettingStarted.Quorvel.no.htm", "ErrorHandling.no.htm", "OstranaLinksAndReferences.no.htm" },
        { "InventoryDialog.no.htm", "printSetupDialog.no.htm", "SetupOstranaTyperDialog.no.htm",
            "SetupLokalerDialog.no.htm", "SetupSupplierDialog.no.htm", "CommonSetupDialog.no.htm",
            "LabelSheetDialog.no.htm", "LabelPrinterDialog.no.htm" });
    row("Quorvel en", QuorvelEdition, "en",
        { "index.en.htm", "GettingStarted.Quorvel.en.htm", "ErrorHandling.en.htm", "OstranaLinksAndReferences.en.htm" },
        { "InventoryDialog.en.htm", "printSetupDialog.en.htm", "SetupOstranaTyperDialog.en.htm",
            "SetupLokalerDialog.en.htm", "SetupSupplierDialog.en.htm", "CommonSetupDialog.en.htm",
            "LabelSheetDialog.en.htm", "LabelPrinterDialog.en.htm" });
}

// One of each dialog with a help button, built as the program builds them.
struct Dialogs
{
    QTemporaryDir folder;
    std::unique_ptr<DBItemCollection> collection;
    std::unique_ptr<ItemDialog> item;
    std::unique_ptr<printSelectDataDialog> print;
    std::unique_ptr<setupdialog> lists[3];
    std::unique_ptr<CommonSetup> common;
    // Only the inventory edition has a label printer.
    std::unique_ptr<LabelPrinterDialog> labelPrinter;
    std::unique_ptr<ValueReportDialog> report;
    std::unique_ptr<StatisticsDialog> statistics;
    std::unique_ptr<LabelSheetDialog> labels;

    Dialogs()
    {
        Settings().setValue(QStringLiteral("LastDBDir"), folder.path());
        collection = std::make_unique<DBItemCollection>(nullptr);
        for (userItemCollection *list : { &collection->groups(), &collection->locations(), &collection->suppliers() })
            list->add(QStringLiteral("A"));
        auto owned = std::make_unique<Item>();
        owned->setName(QStringLiteral("Sofa"));
        Item *sofa = owned.get();
        collection->add(std::move(owned));
        item = std::make_unique<ItemDialog>(collection.get(), sofa);
        print = std::make_unique<printSelectDataDialog>(collection.get());
        for (int kind = 1; kind <= 3; ++kind)
            lists[kind - 1] = std::make_unique<setupdialog>(collection.get(), kind);
        common = std::make_unique<CommonSetup>();
        labels = std::make_unique<LabelSheetDialog>(*collection, -1, QList<const Item *>(), QList<const Item *>());
        if (isQuorvel())
            labelPrinter = std::make_unique<LabelPrinterDialog>(LabelPrinterDialog::Sample());
        report = std::make_unique<ValueReportDialog>(*collection, -1, QList<const Item *>(), QList<const Item *>());
        statistics = std::make_unique<StatisticsDialog>(*collection, QList<const Item *>(), QList<const Item *>());
    }
    static QPushButton *helpButton(const QWidget *dialog)
    {
        return dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Help);
    }

    // The help buttons, in the order of the dialog pages of addPageRows.
    QList<QPushButton *> helpButtons() const
    {
        QList<QPushButton *> buttons { item->helpPushButton, print->buttonHelp, lists[0]->buttonHelp,
            lists[1]->buttonHelp, lists[2]->buttonHelp, common->buttonHelp, helpButton(labels.get()) };
        if (labelPrinter)
            buttons.append(helpButton(labelPrinter.get()));
        buttons << helpButton(report.get()) << helpButton(statistics.get());
        return buttons;
    }
    QList<QWidget *> windows() const
    {
        QList<QWidget *> windows { item.get(), print.get(), lists[0].get(), lists[1].get(), lists[2].get(),
            common.get(), labels.get() };
        if (labelPrinter)
            windows.append(labelPrinter.get());
        windows << report.get() << statistics.get();
        return windows;
    }
};

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

    // Every help command of every edition and language opens its installed page.
    void commandsOpenInstalledPages_data() { addPageRows(); }
    void commandsOpenInstalledPages()
    {
        QFETCH(int, edition);
        QFETCH(QString, language);
        QFETCH(QStringList, commandPages);
        TestSupport::IsolatedSettings settings(edition);
        setLanguage(language);
        const QList<HelpTopics::Topic> topics { HelpTopics::Contents, HelpTopics::Tutorial, HelpTopics::ErrorHandling,
            HelpTopics::Links };
        QCOMPARE(topics.size(), commandPages.size());
        for (qsizetype i = 0; i < topics.size(); ++i) {
            const QString &page = commandPages.at(i);
            QCOMPARE(HelpTopics::pageName(topics.at(i), edition, language), page);
            TestSupport::RecordedMessageBoxes boxes;
            Launcher::Recording launched;
            QVERIFY2(HelpTopics::open(topics.at(i)), qPrintable(page));
            QCOMPARE(boxes.count(), 0);
            QCOMPARE(launched.count(), 1);
            QCOMPARE(launched.last().kind, Launcher::Request::OpenUrl);
            const QString opened = launched.last().url.toLocalFile();
            QCOMPARE(QFileInfo(opened).absoluteFilePath(), QDir(helpFolder()).absoluteFilePath(page));
            QVERIFY2(QFileInfo(opened).isFile(), qPrintable(opened));
        }
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

    // Every dialog's help button can be pressed in every edition and
    // language, and opens the installed page of that edition and language.
    void dialogHelpButtons_data() { addPageRows(); }
    void dialogHelpButtons()
    {
        QFETCH(int, edition);
        QFETCH(QString, language);
        QFETCH(QStringList, dialogPages);
        TestSupport::IsolatedSettings settings(edition);
        setLanguage(language);
        const QStringList &pages = dialogPages;
        Dialogs dialogs;
        const QList<QPushButton *> buttons = dialogs.helpButtons();
        const QList<QWidget *> windows = dialogs.windows();
        QCOMPARE(buttons.size(), pages.size());
        for (int i = 0; i < buttons.size(); ++i) {
            const QString what = windows[i]->metaObject()->className() + QStringLiteral(": ") + pages[i];
            QVERIFY2(buttons[i]->isVisibleTo(windows[i]), qPrintable(what));
            QVERIFY2(buttons[i]->isEnabled(), qPrintable(what));
            TestSupport::RecordedMessageBoxes boxes;
            Launcher::Recording launched;
            QTest::mouseClick(buttons[i], Qt::LeftButton);
            QVERIFY2(boxes.count() == 0, qPrintable(what + QStringLiteral(" not installed")));
            QCOMPARE(launched.count(), 1);
            QCOMPARE(launched.last().url.toLocalFile(), QDir(helpFolder()).absoluteFilePath(pages[i]));
        }
    }

    // What an installation must hold: every page any command or button opens,
    // and nothing the program never opens.
    void pagesUsedAreInstalled_data() { addPageRows(); }
    void pagesUsedAreInstalled()
    {
        QFETCH(int, edition);
        QFETCH(QString, language);
        QFETCH(QStringList, commandPages);
        QFETCH(QStringList, dialogPages);
        TestSupport::IsolatedSettings settings(edition);
        // The release notes' names have a table of their own (releaseNotes).
        QStringList expected = commandPages + dialogPages;
        expected << HelpTopics::releaseNotes(edition, language).name;
        expected.sort();
        expected.removeDuplicates();
        QStringList pages = HelpTopics::pagesUsed(edition, language);
        pages.sort();
        QCOMPARE(pages, expected);
        QStringList missing;
        for (const QString &page : pages) {
            if (!QFileInfo(QDir(helpFolder()).filePath(page)).isFile())
                missing << page;
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char(' '))));
    }

    // Undo, versions, recovery and changes on disk are found from every
    // edition's contents page and from the troubleshooting page, each in a
    // section of its own on the page in the same language.
    void safetyNetPageIsLinked_data() { addPageRows(); }
    void safetyNetPageIsLinked()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, commandPages);
        const auto read = [](const QString &name) {
            QFile file(QDir(helpFolder()).filePath(name));
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        };
        const QString page = QStringLiteral("SafetyNet.%1.htm").arg(language);
        const QString safetyNet = read(page);
        QVERIFY2(!safetyNet.isEmpty(), qPrintable(page));
        const QString htmlLanguage = language == QLatin1String("dk") ? QStringLiteral("da")
            : language == QLatin1String("no")                        ? QStringLiteral("nb")
                                                                     : QStringLiteral("en");
        QVERIFY(safetyNet.contains(QStringLiteral("<html lang=\"%1\">").arg(htmlLanguage)));
        const QString contents = read(commandPages.at(0));
        QVERIFY2(contents.contains(QStringLiteral("href=\"%1\"").arg(page)), qPrintable(commandPages.at(0)));
        const QString troubleshooting = read(commandPages.at(2));
        for (const char *section : { "undo", "versions", "recovery", "disk-changes" }) {
            QVERIFY2(safetyNet.contains(QStringLiteral("id=\"%1\"").arg(QLatin1String(section))), section);
            if (qstrcmp(section, "undo") != 0) {
                QVERIFY2(troubleshooting.contains(QStringLiteral("href=\"%1#%2\"").arg(page, QLatin1String(section))),
                    section);
            }
        }
    }

    // A browser that cannot be started leaves nobody guessing: the help
    // commands and every dialog's help button tell so with the page's box.
    void browserFailureIsReported_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<int>("button"); // -1: Help, Contents; else a dialog's help button
        QTest::addColumn<QString>("page");
        QTest::newRow("Help menu, Ostrana") << int(OstranaEdition) << -1 << "index.en.htm";
        QTest::newRow("Help menu, Vistrel") << int(VistrelEdition) << -1 << "HelpVistrel.en.htm";
        QTest::newRow("item dialog, Quorvel") << int(QuorvelEdition) << 0 << "InventoryDialog.en.htm";
        QTest::newRow("print setup, Quorvel") << int(QuorvelEdition) << 1 << "printSetupDialog.en.htm";
        QTest::newRow("groups, Quorvel") << int(QuorvelEdition) << 2 << "SetupOstranaTyperDialog.en.htm";
        QTest::newRow("locations, Quorvel") << int(QuorvelEdition) << 3 << "SetupLokalerDialog.en.htm";
        QTest::newRow("suppliers, Quorvel") << int(QuorvelEdition) << 4 << "SetupSupplierDialog.en.htm";
        QTest::newRow("default folders, Quorvel") << int(QuorvelEdition) << 5 << "CommonSetupDialog.en.htm";
    }
    void browserFailureIsReported()
    {
        QFETCH(int, edition);
        QFETCH(int, button);
        QFETCH(QString, page);
        const QString language = QStringLiteral("en");
        TestSupport::IsolatedSettings settings(edition);
        setLanguage(language);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral("larkspan_") + language, TestSupport::runDir()));
        QCoreApplication::installTranslator(&translator);
        const auto untranslate = qScopeGuard([&translator] { QCoreApplication::removeTranslator(&translator); });

        Dialogs dialogs;
        TestSupport::RecordedMessageBoxes boxes;
        Launcher::Recording launched;
        Launcher::queueResult(false);
        if (button < 0)
            QVERIFY(!HelpTopics::open(HelpTopics::Contents));
        else
            QTest::mouseClick(dialogs.helpButtons().at(button), Qt::LeftButton);

        QCOMPARE(launched.count(), 1);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().kind, MessageBox::Critical);
        QCOMPARE(boxes.last().title, QStringLiteral("HTML error"));
        const QString path = QDir::currentPath() + QStringLiteral("/help/") + page;
        QCOMPARE(boxes.last().text,
            QStringLiteral("Could not display help (%1), error: There is no application associated with the given "
                           "file name extension. This error will also be returned if you attempt to print a file "
                           "that is not printable.")
                .arg(path));
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
