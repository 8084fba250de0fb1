#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include <memory>

#include "DatabaseFixture.h"
#include "ListModelCheck.h"
#include "TestSupport.h"
#include "TestWorld.h"
#include "core/Edition.h"
#include "desktop/FileDialog.h"
#include "desktop/Launcher.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/larkspanwindow.h"

namespace {

struct Env : TestSupport::TestWorld
{
    explicit Env(int edition, const QString &language = QStringLiteral("dk"))
        : TestWorld(edition)
    {
        Settings s;
        s.setValue(QStringLiteral("Language"), language);
        // No start database: the window opens empty.
        s.setValue(QStringLiteral("LastSavedDBFile"), QString());
        s.setValue(QStringLiteral("LastDBDir"), dir.path());
    }

    // A database of the edition, with lists (and field names) in its folder.
    QString database(const QStringList &fields = QStringList())
    {
        DatabaseFixture::writeLists(dir.path(), DatabaseFixture::twoGroups(), currentLanguage(), fields);
        return DatabaseFixture::writeDatabase(
            dir.path(), QStringLiteral("home.db"), edition(), DatabaseFixture::threeItems());
    }
};

QMenu *menu(const MainWindow &w, int index)
{
    return w.menuBar()->actions().at(index)->menu();
}

// Each entry by its object name, else its text; "-" for a separator.
QStringList entries(const QWidget *container)
{
    QStringList names;
    for (const QAction *a : container->actions()) {
        if (a->isSeparator())
            names.append(QStringLiteral("-"));
        else
            names.append(a->objectName().isEmpty() ? a->text() : a->objectName());
    }
    return names;
}

QAction *entry(const QMenu *menu, const QString &text)
{
    for (QAction *a : menu->actions()) {
        if (a->text() == text)
            return a;
    }
    return nullptr;
}

QList<int> allEditions()
{
    return { OstranaEdition, VistrelEdition, NumivaxEdition, QuorvelEdition };
}

} // namespace

class TestMenus : public QObject
{
    Q_OBJECT

private slots:
    void menuBar();
    void fileMenu_data();
    void fileMenu();
    void actionDetails_data();
    void actionDetails();
    void editionOnlyEntries_data();
    void editionOnlyEntries();
    void shortcutsAreUnique_data();
    void shortcutsAreUnique();
    void setupAndLanguageMenus_data();
    void setupAndLanguageMenus();
    void helpMenu_data();
    void helpMenu();
    void toolBars_data();
    void toolBars();
    void contextMenu_data();
    void contextMenu();
    void printDisabledUntilLoad();
    void setupEntriesFollowColumnTitles();
    void about_data();
    void about();
    void icons_data();
    void icons();
};

void TestMenus::menuBar()
{
    for (int edition : allEditions()) {
        Env env(edition);
        MainWindow w;
        checkListModel(*w.listView());
        QStringList titles;
        for (QAction *a : w.menuBar()->actions())
            titles.append(a->text());
        QCOMPARE(titles,
            (QStringList { QStringLiteral("&Fil"), QStringLiteral("&Rediger"), QStringLiteral("&Vis"),
                QStringLiteral("&Opsætning"), QStringLiteral("LANGUAGE_MENU"), QStringLiteral("&Hjælp") }));
    }
}

void TestMenus::fileMenu_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<QStringList>("expected");
    const QStringList common { "FileNew", "FileOpen", "FileImport", "-", "FileSave", "FileSaveAs", "FileBackup",
        "FileRestoreVersion", "-", "FileSaveAsHTML", "FileSaveAsXML", "FileExport", "FileSaveSettings", "-",
        "FilePrintLabels", "FileValueReport", "Print", "-", "QUIT" };
    QTest::newRow("Ostrana") << int(OstranaEdition) << common;
    QTest::newRow("Vistrel") << int(VistrelEdition) << common;
    QTest::newRow("Numivax") << int(NumivaxEdition) << common;
    QTest::newRow("Quorvel") << int(QuorvelEdition)
                             << QStringList { "FileNew", "FileOpen", "UpdateLocations", "FileImport", "-", "FileSave",
                                    "FileSaveAs", "FileBackup", "FileRestoreVersion", "-", "FileSaveAsHTML",
                                    "FileSaveAsXML", "FileExport", "FileSaveSettings", "-", "PrintBarcode",
                                    "FilePrintLabels", "FileValueReport", "Print", "-", "QUIT" };
}

void TestMenus::fileMenu()
{
    QFETCH(int, edition);
    QFETCH(QStringList, expected);
    Env env(edition);
    MainWindow w;
    checkListModel(*w.listView());
    QCOMPARE(entries(menu(w, 0)), expected);
    QCOMPARE(entry(menu(w, 0), QStringLiteral("QUIT"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));

    // File > Export holds the spreadsheet export, in every edition.
    const QMenu *exportMenu = w.findChild<QAction *>(QStringLiteral("FileExport"))->menu();
    QVERIFY(exportMenu);
    QCOMPARE(exportMenu->title(), QStringLiteral("Eksportér"));
    QCOMPARE(entries(exportMenu), QStringList { QStringLiteral("FileExportCsv") });
    QCOMPARE(exportMenu->actions().constFirst()->text(), QStringLiteral("Regneark (CSV)..."));
}

void TestMenus::actionDetails_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<QString>("whatsThis");
    QTest::addColumn<QString>("toolTip"); // "" when the entry has none of its own

    const int o = OstranaEdition, v = VistrelEdition, n = NumivaxEdition, q = QuorvelEdition;
    QTest::newRow("new") << o << "FileNew"
                         << "FILE_NEW"
                         << "Ctrl+N"
                         << "HELP_TEXT_FILE_NEW"
                         << "";
    QTest::newRow("open") << v << "FileOpen"
                          << "FILE_OPEN"
                          << "Ctrl+O"
                          << "HELP_TEXT_FILE_OPEN"
                          << "";
    QTest::newRow("save") << n << "FileSave"
                          << "FILE_SAVE"
                          << "Ctrl+S"
                          << "HELP_TEXT_FILE_SAVE"
                          << "";
    QTest::newRow("save as") << o << "FileSaveAs"
                             << "FILE_SAVE_AS"
                             << ""
                             << "HELP_TEXT_FILE_SAVE_AS"
                             << "";
    QTest::newRow("backup") << o << "FileBackup"
                            << "BACKUP..."
                            << ""
                            << "HELP_TEXT_FILE_BACKUP"
                            << "";
    QTest::newRow("settings") << o << "FileSaveSettings"
                              << "SAVE_SETTINGS"
                              << ""
                              << "HELP_TEXT_FILE_SAVESETTINGS"
                              << "";
    QTest::newRow("print") << q << "Print"
                           << "Udskriv..."
                           << "Ctrl+P"
                           << "HELP_TEXT_FILE_PRINT"
                           << "";
    QTest::newRow("barcode") << q << "PrintBarcode"
                             << "PRINT_BARCODE..."
                             << "Ctrl+B"
                             << "HELP_TEXT_FILE_PRINT_BARCODE"
                             << "";
    QTest::newRow("update locations") << q << "UpdateLocations"
                                      << "UPDATE_LOCATIONS..."
                                      << ""
                                      << "HELP_TEXT_FILE_UPDATE_LOCATIONS"
                                      << "";
    const QString newItemHelp = QString::fromUtf8("Åbner redigeringsvinduet på en ny post i gruppen for den valgte "
                                                  "række (den første gruppe, når ingen række er valgt).");
    QTest::newRow("new item 1") << o << "EditNewItem"
                                << "&Nyt inventar..."
                                << "Ins" << newItemHelp << "";
    QTest::newRow("new item 2") << v << "EditNewItem"
                                << "&Nyt billede..."
                                << "Ins" << newItemHelp << "";
    QTest::newRow("new item 3") << n << "EditNewItem" << QString::fromUtf8("&Ny mønt...") << "Ins" << newItemHelp << "";
    QTest::newRow("new item 5") << q << "EditNewItem"
                                << "&Ny vare..."
                                << "Ins" << newItemHelp << "";
    QTest::newRow("edit 1") << o << "EditRecord"
                            << "TOOLTIP_EDIT_FURNITURE"
                            << "Ctrl+I"
                            << "HELP_TEXT_EDIT_ELEMENT"
                            << "TOOLTIP_EDIT_FURNITURE";
    QTest::newRow("edit 2") << v << "EditRecord"
                            << "VistrelEdit"
                            << "Ctrl+I"
                            << "HELP_TEXT_EDIT_ELEMENT"
                            << "VistrelEdit";
    QTest::newRow("edit 3") << n << "EditRecord"
                            << "NumivaxEdit"
                            << "Ctrl+I"
                            << "HELP_TEXT_EDIT_ELEMENT"
                            << "NumivaxEdit";
    QTest::newRow("edit 5") << q << "EditRecord"
                            << "QuorvelEdit"
                            << "Ctrl+I"
                            << "HELP_TEXT_EDIT_ELEMENT"
                            << "TOOLTIP_EDIT_FURNITURE";
    QTest::newRow("delete 1") << o << "EditDelete"
                              << "&Slet Ostrana"
                              << "Del"
                              << ""
                              << "";
    QTest::newRow("delete 3") << n << "EditDelete"
                              << "NumivaxEditDelete"
                              << "Del"
                              << ""
                              << "";
    QTest::newRow("search 1") << o << "EditSearch"
                              << "Sø&g Ostrana..."
                              << "Ctrl+F"
                              << "TOOLTIP_SEARCH_BTN"
                              << "TOOLTIP_SEARCH_BTN";
    QTest::newRow("search 2") << v << "EditSearch"
                              << "VistrelEditSearc"
                              << "Ctrl+F"
                              << "TOOLTIP_SEARCH_BTN"
                              << "TOOLTIP_SEARCH_BTN";
    QTest::newRow("search 5") << q << "EditSearch"
                              << "QuorvelEditSearch"
                              << "Ctrl+F"
                              << "TOOLTIP_SEARCH_BTN"
                              << "TOOLTIP_SEARCH_BTN";
    QTest::newRow("view all") << o << "EditRegister"
                              << "Vis &alle"
                              << "Ctrl+A"
                              << ""
                              << "";
    QTest::newRow("html table") << o << "EditShowAllAsHTMLTable"
                                << "VIEW_ALL_HTML_TABLE"
                                << "Ctrl+H"
                                << ""
                                << "";
    QTest::newRow("html") << o << "EditShowAllAsHTML"
                          << "VIEW_ALL_AS_HTML"
                          << "Ctrl+Shift+H"
                          << ""
                          << "";
    QTest::newRow("special cases") << n << "EditShowAllSpecialCasesAsHTML"
                                   << "VIEW_ALL_SPECIAL_NUMIVAX_CASES_AS_HTML"
                                   << "Ctrl+Alt+H"
                                   << "WHATS_THIS_VIEW_ALL_SPECIAL_NUMIVAX_CASES_AS_HTML"
                                   << "";
    QTest::newRow("xml") << o << "EditShowAllAsXML"
                         << "VIEW_ALL_AS_XML"
                         << "Ctrl+X"
                         << ""
                         << "";
    QTest::newRow("current html") << o << "ViewCurInHTML"
                                  << "VIEW_CURRENT_AS_HTML"
                                  << "Shift+H"
                                  << "WHATS_THIS_VIEW_CURRENT_AS_HTML"
                                  << "";
    QTest::newRow("picture 1") << o << "ViewPicture"
                               << "VIS_BILLEDE"
                               << "Shift+I"
                               << "TOOLTIP_SHOW_IMAGE_BTN"
                               << "";
    QTest::newRow("picture 2") << v << "ViewPicture"
                               << "VISTREL_SHOW_PICTURE"
                               << "Shift+I"
                               << "TOOLTIP_SHOW_IMAGE_BTN"
                               << "";
    QTest::newRow("picture 3") << n << "ViewPicture"
                               << "TOOLTIP_SHOW_FRONTSIDE_PICTURE_NUMIVAX"
                               << "Shift+I"
                               << "TOOLTIP_SHOW_IMAGE_BTN"
                               << "";
    QTest::newRow("picture 5") << q << "ViewPicture"
                               << "VIS_BILLEDE"
                               << "Shift+I"
                               << "TOOLTIP_SHOW_IMAGE_BTN"
                               << "";
    QTest::newRow("receipt 1") << o << "ViewPicture2"
                               << "VIS_KVITTERING"
                               << "Shift+J"
                               << "HELP_TEXT_VIEW_RECEIPT"
                               << "";
    QTest::newRow("receipt 2") << v << "ViewPicture2"
                               << "VISTREL_SHOW_PICTURE2"
                               << "Shift+J"
                               << "HELP_TEXT_VIEW_RECEIPT"
                               << "";
    QTest::newRow("receipt 3") << n << "ViewPicture2"
                               << "TOOLTIP_SHOW_BACKSIDE_PICTURE_NUMIVAX"
                               << "Shift+J"
                               << "HELP_TEXT_VIEW_BACKSIDE_PICTURE_NUMIVAX"
                               << "";
    QTest::newRow("url") << o << "ViewUrl"
                         << "VIS_WWW"
                         << "Shift+W"
                         << "HELP_TEXT_VIEW_URL"
                         << "";
    QTest::newRow("document") << o << "ViewDoc"
                              << "VIS_DOCUMENT"
                              << "Shift+D"
                              << "HELP_TEXT_VIEW_DOCUMENTATION"
                              << "";
    QTest::newRow("report") << o << "ViewReport"
                            << "&Rapport..."
                            << "Ctrl+R"
                            << "HELP_TEXT_EDIT_REPORT"
                            << "";
    QTest::newRow("statistics") << o << "ViewStatistics"
                                << "&Statistik..."
                                << ""
                                << "Viser summerne fordelt på gruppe, sted, leverandør og købsår, med diagrammer."
                                << "";
}

void TestMenus::actionDetails()
{
    QFETCH(int, edition);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, shortcut);
    QFETCH(QString, whatsThis);
    QFETCH(QString, toolTip);
    Env env(edition);
    MainWindow w;
    checkListModel(*w.listView());
    const QList<QAction *> found = w.findChildren<QAction *>(name);
    QCOMPARE(found.size(), 1);
    QAction *a = found.first();
    QCOMPARE(a->text(), text);
    QCOMPARE(a->shortcut().toString(QKeySequence::PortableText), shortcut);
    QCOMPARE(a->whatsThis(), whatsThis);
    if (!toolTip.isEmpty())
        QCOMPARE(a->toolTip(), toolTip);
    QCOMPARE(a->isCheckable(), name == QLatin1String("EditRegister"));
}

void TestMenus::editionOnlyEntries_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<bool>("specialCases");
    QTest::addColumn<bool>("inventory");
    QTest::newRow("Ostrana") << int(OstranaEdition) << false << false;
    QTest::newRow("Vistrel") << int(VistrelEdition) << false << false;
    QTest::newRow("Numivax") << int(NumivaxEdition) << true << false;
    QTest::newRow("Quorvel") << int(QuorvelEdition) << false << true;
}

void TestMenus::editionOnlyEntries()
{
    QFETCH(int, edition);
    QFETCH(bool, specialCases);
    QFETCH(bool, inventory);
    Env env(edition);
    MainWindow w;
    checkListModel(*w.listView());

    QStringList view { "EditRegister", "EditShowAllAsHTMLTable", "EditShowAllAsHTML" };
    if (specialCases)
        view << "EditShowAllSpecialCasesAsHTML";
    view << "EditShowAllAsXML"
         << "-"
         << "ViewCurInHTML"
         << "ViewPicture"
         << "ViewPicture2"
         << "ViewUrl"
         << "ViewDoc"
         << "-"
         << "ViewReport"
         << "ViewStatistics";
    QCOMPARE(entries(menu(w, 2)), view);

    QStringList edit { "EditUndo", "EditRedo", "-", "EditNewItem", "EditRecord", "EditChangeSelected", "EditDelete",
        "EditSearch" };
    if (inventory)
        edit << "Precreate items in Quorvel";
    edit << "-"
         << "EditSelectAll"
         << "EditSelectGroup";
    QCOMPARE(entries(menu(w, 1)), edit);

    QCOMPARE(bool(w.findChild<QAction *>(QStringLiteral("UpdateLocations"))), inventory);
    QCOMPARE(bool(w.findChild<QAction *>(QStringLiteral("PrintBarcode"))), inventory);
}

void TestMenus::shortcutsAreUnique_data()
{
    QTest::addColumn<int>("edition");
    for (int edition : allEditions())
        QTest::newRow(qPrintable(QString::number(edition))) << edition;
}

void TestMenus::shortcutsAreUnique()
{
    QFETCH(int, edition);
    Env env(edition);
    MainWindow w;
    checkListModel(*w.listView());
    QHash<QString, QString> owners;
    for (QAction *top : w.menuBar()->actions()) {
        for (QAction *a : top->menu()->actions()) {
            if (a->shortcut().isEmpty())
                continue;
            const QString key = a->shortcut().toString(QKeySequence::PortableText);
            QVERIFY2(!owners.contains(key),
                qPrintable(QStringLiteral("%1 on %2 and %3").arg(key, owners.value(key), a->text())));
            owners.insert(key, a->text());
        }
    }
}

void TestMenus::setupAndLanguageMenus_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<bool>("norwegian");
    QTest::addColumn<bool>("labelPrinter");
    QTest::newRow("Ostrana") << int(OstranaEdition) << true << false;
    QTest::newRow("Numivax") << int(NumivaxEdition) << true << false;
    QTest::newRow("Quorvel") << int(QuorvelEdition) << false << true;
}

void TestMenus::setupAndLanguageMenus()
{
    QFETCH(int, edition);
    QFETCH(bool, norwegian);
    QFETCH(bool, labelPrinter);
    Env env(edition);
    MainWindow w;
    checkListModel(*w.listView());
    QStringList setup { "&Udskrivning...", "&Lokaler/rum...", "&Inventar typer (grupper)...", "LEVERANDØRER" };
    if (labelPrinter)
        setup << "SetupLabelPrinter";
    setup << "-"
          << "&Billedvisnings program..."
          << "Internet program (&www)..."
          << "SetupDefaultDirectories";
    QCOMPARE(entries(menu(w, 3)), setup);
    QCOMPARE(entry(menu(w, 3), QStringLiteral("&Udskrivning..."))->shortcut(), QKeySequence(QStringLiteral("Shift+U")));

    QStringList languages { "DANISH_LANG..." };
    if (norwegian)
        languages << "NORWAY_LANG...";
    languages << "ENGLISH_LANG...";
    QCOMPARE(entries(menu(w, 4)), languages);
}

void TestMenus::helpMenu_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<QString>("language");
    for (int edition : { int(OstranaEdition), int(VistrelEdition), int(NumivaxEdition), int(QuorvelEdition) }) {
        for (const char *language : { "dk", "no", "en" })
            QTest::addRow("%d %s", edition, language) << edition << QString::fromLatin1(language);
    }
}

void TestMenus::helpMenu()
{
    QFETCH(int, edition);
    QFETCH(QString, language);
    Env env(edition, language);
    MainWindow w;
    checkListModel(*w.listView());

    // Every edition offers every help command in every language.
    const QStringList expected { "&Hjælp...", "&Tutorial...", "&Links...", "&ErrorHandling...", "&Release noter...",
        "&Hvad er det ?", "-", "&Om ostrana register..." };
    QCOMPARE(entries(menu(w, 5)), expected);
    QCOMPARE(entry(menu(w, 5), QStringLiteral("&Hjælp..."))->shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(entry(menu(w, 5), QStringLiteral("&Hvad er det ?"))->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F1));
    QCOMPARE(
        entry(menu(w, 5), QStringLiteral("&Om ostrana register..."))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F1));

    // Each help command hands one installed page of the help folder to the desktop.
    const QStringList commands { "&Hjælp...", "&Tutorial...", "&Links...", "&ErrorHandling...", "&Release noter..." };
    for (const QString &command : commands) {
        const int before = env.launches.count();
        entry(menu(w, 5), command)->trigger();
        QCOMPARE(env.launches.count(), before + 1);
        QCOMPARE(env.launches.last().kind, Launcher::Request::OpenUrl);
        const QFileInfo page(env.launches.last().url.toLocalFile());
        QVERIFY2(page.isFile(), qPrintable(command + QStringLiteral(": ") + page.filePath()));
        QCOMPARE(page.dir().dirName(), QStringLiteral("help"));
    }
    QCOMPARE(env.boxes.count(), 0);
}

void TestMenus::toolBars_data()
{
    QTest::addColumn<int>("edition");
    QTest::newRow("Ostrana") << int(OstranaEdition);
    QTest::newRow("Quorvel") << int(QuorvelEdition);
}

void TestMenus::toolBars()
{
    QFETCH(int, edition);
    Env env(edition);
    MainWindow w;
    checkListModel(*w.listView());
    const QList<QToolBar *> bars = w.findChildren<QToolBar *>();
    QCOMPARE(bars.size(), 2);

    auto *fil = w.findChild<QToolBar *>(QStringLiteral("Fil"));
    QVERIFY(fil);
    QCOMPARE(fil->windowTitle(), QStringLiteral("Fil"));
    QCOMPARE(w.toolBarArea(fil), Qt::TopToolBarArea);
    QStringList filEntries = entries(fil);
    QCOMPARE(filEntries.size(), 5);
    QCOMPARE(filEntries.mid(0, 4), (QStringList { "FileNew", "FileOpen", "FileSave", "Print" }));

    auto *tools = w.findChild<QToolBar *>(QStringLiteral("Tools"));
    QVERIFY(tools);
    QCOMPARE(tools->windowTitle(), QStringLiteral("Tools"));
    QCOMPARE(w.toolBarArea(tools), Qt::TopToolBarArea);
    QCOMPARE(entries(tools),
        (QStringList {
            "EditNewItem", "EditRecord", "EditSearch", "ViewPicture", "ViewPicture2", "ViewUrl", "ViewDoc" }));
}

void TestMenus::contextMenu_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<QStringList>("expected");
    const QStringList common { "Print", "EditRecord", "EditDelete", "EditSearch", "-", "ViewCurInHTML", "ViewPicture",
        "ViewPicture2", "ViewUrl", "ViewDoc", "-", "EditChangeSelected", "EditSelectGroup" };
    QTest::newRow("Ostrana") << int(OstranaEdition) << common;
    QTest::newRow("Numivax") << int(NumivaxEdition) << common;
    QTest::newRow("Quorvel") << int(QuorvelEdition) << QStringList { "UpdateLocations", "PrintBarcode" } + common;
}

void TestMenus::contextMenu()
{
    QFETCH(int, edition);
    QFETCH(QStringList, expected);
    Env env(edition);
    MainWindow w;
    checkListModel(*w.listView());
    QCOMPARE(entries(w.listView()->contextMenu()), expected);
}

void TestMenus::printDisabledUntilLoad()
{
    Env env(OstranaEdition);
    const QString file = env.database();
    MainWindow w;
    checkListModel(*w.listView());
    auto *print = w.findChild<QAction *>(QStringLiteral("Print"));
    auto *fil = w.findChild<QToolBar *>(QStringLiteral("Fil"));
    QVERIFY(!print->isEnabled());
    QVERIFY(menu(w, 0)->actions().contains(print));
    QVERIFY(!fil->widgetForAction(print)->isEnabled());
    QVERIFY(w.listView()->contextMenu()->actions().contains(print));

    FileDialog::queueAnswer(file);
    w.Load();
    QCOMPARE(w.collection()->count(), 3);
    QVERIFY(print->isEnabled());
    QVERIFY(fil->widgetForAction(print)->isEnabled());
}

void TestMenus::setupEntriesFollowColumnTitles()
{
    Env env(QuorvelEdition);
    // Field-names entries 0, 8 and 10 name the group, location and supplier columns.
    QStringList fields;
    for (int i = 0; i < 15; ++i)
        fields << QString();
    fields[0] = QStringLiteral("&Type");
    fields[8] = QStringLiteral("Lager");
    fields[10] = QStringLiteral("Forhandler");
    const QString file = env.database(fields);
    MainWindow w;
    checkListModel(*w.listView());
    FileDialog::queueAnswer(file);
    w.Load();

    const QStringList setup = entries(menu(w, 3));
    QCOMPARE(setup.mid(1, 3), (QStringList { "Lager...", "Type...", "Forhandler..." }));
}

void TestMenus::about_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("entryAfterLoad");
    QTest::newRow("Ostrana") << int(OstranaEdition) << "About Ostrana"
                             << "AboutOstranaDetails"
                             << "&Om ostrana register...";
    QTest::newRow("Vistrel") << int(VistrelEdition) << "About Vistrel"
                             << "AboutVistrelDetails"
                             << "VistrelHelpAbout";
    QTest::newRow("Numivax") << int(NumivaxEdition) << "About Numivax"
                             << "AboutNumivaxDetails"
                             << "NumivaxHelpAbout";
    QTest::newRow("Quorvel") << int(QuorvelEdition) << "About Quorvel"
                             << "AboutQuorvelDetails"
                             << "QuorvelHelpAbout";
}

void TestMenus::about()
{
    QFETCH(int, edition);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(QString, entryAfterLoad);
    Env env(edition);
    const QString file = env.database();
    MainWindow w;
    checkListModel(*w.listView());
    QAction *aboutEntry = menu(w, 5)->actions().last();
    QCOMPARE(aboutEntry->text(), QStringLiteral("&Om ostrana register..."));

    aboutEntry->trigger();
    QCOMPARE(env.boxes.count(), 1);
    QCOMPARE(env.boxes.last().title, title);
    QCOMPARE(env.boxes.last().text, text);

    FileDialog::queueAnswer(file);
    w.Load();
    QCOMPARE(aboutEntry->text(), entryAfterLoad);
}

void TestMenus::icons_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<QString>("editionIcon");
    QTest::addColumn<QString>("receiptIcon");
    QTest::newRow("Ostrana") << int(OstranaEdition) << "ostrana"
                             << "receipt";
    QTest::newRow("Vistrel") << int(VistrelEdition) << "vistrel"
                             << "picture";
    QTest::newRow("Numivax") << int(NumivaxEdition) << "numivax"
                             << "picture";
    QTest::newRow("Quorvel") << int(QuorvelEdition) << "quorvel"
                             << "picture";
}

// Each entry carries the picture of its purpose; the receipt entry shows a
// receipt only where the second picture is a receipt.
void TestMenus::icons()
{
    QFETCH(int, edition);
    QFETCH(QString, editionIcon);
    QFETCH(QString, receiptIcon);
    Env env(edition);
    MainWindow w;
    checkListModel(*w.listView());
    const auto image = [](const QIcon &icon) { return icon.pixmap(16, 16).toImage(); };
    const auto resource = [&](const QString &name) { return image(QIcon(QStringLiteral(":/icons/%1.png").arg(name))); };
    const QList<std::pair<const char *, QString>> expected {
        { "FileNew", "new" },
        { "FileOpen", "open" },
        { "FileSave", "save" },
        { "Print", "print" },
        { "EditSearch", "search" },
        { "EditRecord", editionIcon },
        { "ViewPicture", "picture" },
        { "ViewPicture2", receiptIcon },
        { "ViewUrl", "www" },
        { "ViewDoc", "document" },
        { "ViewReport", "report" },
    };
    for (const auto &[name, icon] : expected) {
        QAction *a = w.findChild<QAction *>(QLatin1String(name));
        QVERIFY2(!a->icon().isNull(), name);
        QVERIFY2(image(a->icon()) == resource(icon), name);
    }
    QVERIFY(w.findChild<QAction *>(QStringLiteral("FileSaveAs"))->icon().isNull());
    // A new one: the edition's picture with a mark of its own.
    const QIcon newItem = w.findChild<QAction *>(QStringLiteral("EditNewItem"))->icon();
    QVERIFY(!newItem.isNull());
    QVERIFY(image(newItem) != resource(editionIcon));
}

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
