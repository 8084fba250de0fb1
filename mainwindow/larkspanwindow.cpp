#include "mainwindow/larkspanwindow.h"

#include "core/Edition.h"
#include "desktop/ExternalViewers.h"
#include "desktop/FileDialog.h"
#include "core/LogXML.h"
#include "desktop/MessageBox.h"
#include "desktop/WaitCursor.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "core/ColumnTitles.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/funiQListViewItem.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QThread>
#include <QToolBar>
#include <QWhatsThis>

namespace {

const QString LogFileName = QStringLiteral("larkspanwindow");
const QString DatabaseFilter = QStringLiteral("DB (*.inb *.txt *.db)");

QString recentFileKey(int index)
{
    return QStringLiteral("RecentFiles/RecentFile%1/").arg(index);
}

// The database folder of a chosen database file: the folder of its lists,
// its lock and its log. It is taken from the file itself, not from the folder
// the file dialog last showed, which a full path typed into the dialog leaves
// behind.
QString databaseFolderOf(const QString &file)
{
    return file.isEmpty() ? QString() : QFileInfo(file).absolutePath();
}

void storeDatabaseFolder(const QString &folder)
{
    if (!folder.isEmpty())
        Settings().setValue(QStringLiteral("LastDBDir"), QDir::toNativeSeparators(folder));
}

// The text of the running edition among the four given (Ostrana, Vistrel,
// Numivax, Quorvel).
QString byEdition(const QString &ostrana, const QString &vistrel, const QString &numivax, const QString &quorvel)
{
    if (isVistrel())
        return vistrel;
    if (isNumivax())
        return numivax;
    if (isQuorvel())
        return quorvel;
    return ostrana;
}

QString demoDatabaseFor(int edition, const QString &language)
{
    switch (edition) {
    case VistrelEdition:
        return QStringLiteral("db/DemoDBCinvaro/Cinvaro.%1.db").arg(language);
    case NumivaxEdition:
        return QStringLiteral("db/DemoDBNumivax/DemoDBNumivax.%1.txt").arg(language);
    case QuorvelEdition:
        return QStringLiteral("db/DemoQuorvel/DemoQuorvel.%1.db").arg(language);
    default:
        return QStringLiteral("db/DemoDBStd/OstranaStdDemoDatabase.%1.db").arg(language);
    }
}

QIcon editionIconFor(int edition)
{
    switch (edition) {
    case VistrelEdition:
        return QIcon(QStringLiteral(":/icons/vistrel.png"));
    case NumivaxEdition:
        return QIcon(QStringLiteral(":/icons/numivax.png"));
    case QuorvelEdition:
        return QIcon(QStringLiteral(":/icons/quorvel.png"));
    default:
        return QIcon(QStringLiteral(":/icons/ostrana.png"));
    }
}

QIcon resourceIcon(const char *name)
{
    return QIcon(QStringLiteral(":/icons/%1.png").arg(QLatin1String(name)));
}

} // namespace

// The program's icons are compiled into the core library, whose resources a
// static link does not register by itself.
static void registerProgramResources()
{
    Q_INIT_RESOURCE(larkspan);
}

QString windowCaption(const QString &fileName)
{
    QString caption;
    switch (edition()) {
    case VistrelEdition:
        caption = QCoreApplication::translate("captionstr", "VISTREL_CAPTION_TEXT");
        break;
    case NumivaxEdition:
        caption = QCoreApplication::translate("captionstr", "NUMIVAX_CAPTION_TEXT");
        break;
    case QuorvelEdition:
        caption = QCoreApplication::translate("captionstr", "QUORVEL_CAPTION_TEXT");
        break;
    default:
        caption = QCoreApplication::translate("captionstr", "OSTRANA_CAPTION_TEXT");
        break;
    }
    return caption + QStringLiteral(" - ") + fileName;
}

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("main window"));
    registerProgramResources();
    for (int i = 0; i < MaxRecentFiles; ++i)
        m_recentFileActions.append(nullptr);

    m_log = std::make_unique<LogXML>(QDir::cleanPath(lastDbDir() + QStringLiteral("/log.xml")), editionName(true));
    m_log->logItem(currentLanguage(), LogFileName, QStringLiteral("Language"));
    m_editionIcon = editionIconFor(edition());
    m_pictureIcon = resourceIcon("picture");
    m_receiptIcon = resourceIcon("receipt");
    setWindowIcon(m_editionIcon);

    ReadSettings();

    QStatusBar *bar = statusBar();
    connect(this, qOverload<const QString &, int>(&MainWindow::message), bar, &QStatusBar::showMessage);
    connect(this, qOverload<const QString &>(&MainWindow::message), bar,
        [bar](const QString &text) { bar->showMessage(text); });
    connect(qApp, &QGuiApplication::lastWindowClosed, this, &MainWindow::Quit);

    m_listView = new ItemListView(this);
    connect(m_listView, &ItemListView::rowSelected, this, &MainWindow::ItemSelected);

    FileNew();
    setCentralWidget(m_listView);

    createMenus();
    createToolBars();
    createContextMenu();

    openStartDatabase();
}

MainWindow::~MainWindow()
{
    discardDatabase();
    m_collection.reset();
    m_log.reset();
}

// ---------------------------------------------------------------------------
// Documents

void MainWindow::openStartDatabase()
{
    m_demoDatabasePath = demoDatabaseFor(edition(), currentLanguage());
    m_currentFileName = Settings().value(QStringLiteral("LastSavedDBFile"), m_demoDatabasePath).toString();
    if (!m_currentFileName.isEmpty() && !LoadItemFile())
        m_startSucceeded = false;
}

void MainWindow::ensureCollection()
{
    if (!m_collection)
        m_collection = std::make_unique<DBItemCollection>(m_log.get());
}

void MainWindow::discardDatabase()
{
    // Rows first, so that no row outlives its item.
    m_listView->ClearList();
    if (m_collection)
        m_collection->deleteItems();
    // A database another program holds makes only itself read-only: what
    // comes next (a new database, another file) may be saved again.
    showLockedState(false);
}

bool MainWindow::LoadItemFile()
{
    QElapsedTimer stopwatch;
    stopwatch.start();
    if (m_log)
        m_log->logItem(m_currentFileName, LogFileName, QStringLiteral("LoadItemFile()"));

    ensureCollection();
    bool loaded = false;
    {
        WaitCursor wait;
        loaded = m_collection->LoadFromAsciiFile(m_currentFileName);
    }
    if (!loaded) {
        MessageBox::showCustom(
            MessageBox::Critical, nullptr, tr("FileError"), tr("ERROR_DB_FILE_CAN_NOT_BE_OPENED"), { tr("Ok") });
        Settings settings;
        settings.setValue(QStringLiteral("LastSavedDBFile"), demoDatabaseFor(edition(), currentLanguage()));
        settings.setValue(QStringLiteral("LastDBDir"), demoFolder(edition()));
        discardDatabase();
        return false;
    }

    if (m_printAction)
        m_printAction->setEnabled(true);
    m_listView->FillList(m_collection.get());

    const bool showAll = Settings().value(QStringLiteral("Items/showAllItems"), false).toBool();
    if (m_viewAllAction)
        m_viewAllAction->setChecked(showAll);
    m_listView->ViewAll(showAll);

    refreshDocumentState();

    const double seconds = stopwatch.elapsed() / 1000.0;
    emit message(tr("NUMBERS_OF_ITEMS_READ_FORM_DB")
                     .arg(m_currentFileName, QString::number(m_collection->count()), QString::number(seconds, 'f', 2)),
        10000);

    Settings().setValue(QStringLiteral("LastSavedDBFile"), m_currentFileName);
    writeRecentFiles();
    return true;
}

void MainWindow::refreshDocumentState()
{
    if (!m_currentFileName.isEmpty()) {
        m_recentFiles.removeAll(m_currentFileName);
        m_recentFiles.prepend(m_currentFileName);
        updateRecentFileMenu();
    }

    setWindowTitle(windowCaption(m_currentFileName));

    // A database whose field-names list renames these columns renames the entries too.
    const auto retitle = [](QAction *action, int column) {
        if (action) {
            const QByteArray title = columnTitle(column).toUtf8();
            action->setText(QCoreApplication::translate("MainWindow", title.constData()) + QStringLiteral("..."));
        }
    };
    retitle(m_setupLocationAction, ItemListView::LocationColumn);
    retitle(m_setupGroupsAction, ItemListView::GroupColumn);
    retitle(m_setupSupplierAction, ItemListView::SupplierColumn);

    const bool locked = m_collection && m_collection->count() > 0 && m_collection->isReadOnly();
    showLockedState(locked);

    if (m_aboutAction) {
        if (isQuorvel())
            m_aboutAction->setText(tr("QuorvelHelpAbout"));
        else if (isVistrel())
            m_aboutAction->setText(tr("VistrelHelpAbout"));
        else if (isNumivax())
            m_aboutAction->setText(tr("NumivaxHelpAbout"));
    }
}

void MainWindow::showLockedState(bool locked)
{
    if (m_fileSaveAction)
        m_fileSaveAction->setEnabled(!locked);
    if (m_updateLocationsAction)
        m_updateLocationsAction->setEnabled(!locked);

    if (locked == m_showingLocked)
        return;
    if (locked) {
        m_normalPalette = palette();
        m_normalListPalette = m_listView->palette();
        QPalette listPalette = m_normalListPalette;
        listPalette.setColor(QPalette::Base, Qt::red);
        listPalette.setColor(QPalette::Window, Qt::red);
        m_listView->setPalette(listPalette);
        QPalette windowPalette = m_normalPalette;
        windowPalette.setColor(QPalette::Window, Qt::red);
        windowPalette.setColor(QPalette::WindowText, Qt::red);
        setPalette(windowPalette);
    } else {
        // A database that opens unlocked after a locked one is a normal
        // database again: its colours and its commands come back.
        setPalette(m_normalPalette);
        m_listView->setPalette(m_normalListPalette);
    }
    m_showingLocked = locked;
}

void MainWindow::updateRecentFileMenu()
{
    while (m_recentFiles.size() > MaxRecentFiles)
        m_recentFiles.removeLast();
    if (!m_fileMenu || !m_quitSeparator)
        return;

    for (int i = 0; i < m_recentFiles.size(); ++i) {
        QString name = QFileInfo(m_recentFiles.at(i)).fileName();
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        const QString text = tr("&%1 %2").arg(QString::number(i + 1), name);
        if (!m_recentFileActions.at(i)) {
            if (i == 0)
                m_recentSeparator = m_fileMenu->insertSeparator(m_quitSeparator);
            auto *action = new QAction(text, this);
            action->setObjectName(QStringLiteral("RecentFile%1").arg(i));
            action->setData(i);
            connect(action, &QAction::triggered, this, [this, i] { OpenRecentFile(i); });
            m_fileMenu->insertAction(m_quitSeparator, action);
            m_recentFileActions[i] = action;
        } else {
            m_recentFileActions.at(i)->setText(text);
        }
    }
}

void MainWindow::writeRecentFiles()
{
    Settings settings;
    settings.setValue(QStringLiteral("RecentFiles/NumberOfItems"), int(m_recentFiles.size()));
    for (int i = 0; i < m_recentFiles.size(); ++i)
        settings.setValue(recentFileKey(i), m_recentFiles.at(i));
}

bool MainWindow::askToSaveChanges()
{
    if (!databaseModified())
        return true;

    const int answer = MessageBox::showCustom(MessageBox::Information, this, editionName(true),
        tr("SAVE_CURRENT_DB_QUESTION"), { tr("&Gem"), tr("Gem &ikke"), tr("&Fortryd") }, 0, 2);
    switch (answer) {
    case 0:
        // Changes that could not be saved are not given up.
        if (!saveDatabase(true))
            return false;
        setDatabaseModified(false);
        return true;
    case 1:
        setDatabaseModified(false);
        return true;
    default:
        return false;
    }
}

void MainWindow::FileNew()
{
    if (m_collection) {
        if (!askToSaveChanges())
            return;
        discardDatabase();
    } else {
        ensureCollection();
    }
    m_currentFileName.clear();
    m_listView->SetCollection(m_collection.get());
    setWindowTitle(windowCaption(QString()));
}

void MainWindow::Load(bool ShowOpenDialog)
{
    if (m_sessionClosed)
        return;
    if (m_collection) {
        if (!askToSaveChanges())
            return;
        discardDatabase();
    } else {
        ensureCollection();
    }

    if (ShowOpenDialog) {
        FileDialog::Request request;
        request.mode = FileDialog::ExistingFile;
        request.objectName = tr("Åben ostrana register fil");
        request.folder = lastDbDir();
        request.filters = { FileDialog::allFilesFilter(), DatabaseFilter };
        request.selectedFilter = DatabaseFilter;
        const FileDialog::Answer answer = FileDialog::ask(this, request);
        if (answer.accepted()) {
            m_currentFileName = answer.path;
            const QString folder = databaseFolderOf(answer.path);
            qDebug().noquote() << QStringLiteral("DB directory ") + folder;
            storeDatabaseFolder(folder);
        }
    }

    m_collection->MakeDynamicLists();
    m_listView->SetCollection(m_collection.get());

    if (!m_currentFileName.isEmpty()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        LoadItemFile();
        QApplication::restoreOverrideCursor();
    }
}

void MainWindow::OpenRecentFile(int index)
{
    if (index < 0 || index >= m_recentFiles.size() || m_sessionClosed)
        return;
    if (!askToSaveChanges())
        return;
    m_currentFileName = m_recentFiles.at(index);
    Settings settings;
    settings.setValue(QStringLiteral("LastSavedDBFile"), m_currentFileName);
    settings.setValue(
        QStringLiteral("LastDBDir"), QDir::toNativeSeparators(QFileInfo(m_currentFileName).absolutePath()));
    Load(false);
}

bool MainWindow::saveDatabase(bool setCurrentFileName)
{
    if (!m_collection)
        return false;
    if (m_currentFileName.isEmpty())
        return saveDatabaseAs();

    QApplication::setOverrideCursor(Qt::WaitCursor);
    QElapsedTimer stopwatch;
    stopwatch.start();
    const bool saved = m_collection->SaveToFileAsAscii(m_currentFileName);
    if (m_log)
        m_log->logItem(m_currentFileName, LogFileName, QStringLiteral("SaveToFileAsAscii()"));

    // Only a written file counts as saved: a failed save keeps the changes
    // marked and says nothing about items saved.
    if (saved) {
        if (setCurrentFileName) {
            Settings().setValue(QStringLiteral("LastSavedDBFile"), m_currentFileName);
            setDatabaseModified(false);
            setWindowTitle(windowCaption(m_currentFileName));
        }
        const double seconds = stopwatch.elapsed() / 1000.0;
        emit message(
            tr("ITEMS_SAVED_DB_MESSAGE ")
                .arg(m_currentFileName, QString::number(m_collection->count()), QString::number(seconds, 'f', 2)),
            10000);
    }
    QApplication::restoreOverrideCursor();
    return saved;
}

bool MainWindow::saveDatabaseAs()
{
    if (!m_collection)
        return false;
    FileDialog::Request request;
    request.mode = FileDialog::AnyFile;
    request.title = tr("Åben ostrana register fil");
    request.folder = lastDbDir();
    request.filters = { DatabaseFilter };
    request.confirmOverwrite = true;
    const FileDialog::Answer answer = FileDialog::ask(this, request);
    // A cancelled dialog writes nothing, not even under the old name.
    if (!answer.accepted())
        return false;

    m_currentFileName = answer.path;
    const QString folder = databaseFolderOf(answer.path);
    storeDatabaseFolder(folder);
    if (m_log) {
        m_log->logItem(m_currentFileName, LogFileName, QStringLiteral("SaveAs(1)"));
        m_log->logItem(folder, LogFileName, QStringLiteral("SaveAs(2)"));
    }
    m_collection->SaveDynamicLists();
    return saveDatabase(true);
}

void MainWindow::Save(bool SetmCurrentFileName)
{
    saveDatabase(SetmCurrentFileName);
}

void MainWindow::SaveAs()
{
    saveDatabaseAs();
}

void MainWindow::Backup()
{
    if (!m_collection)
        return;
    FileDialog::Request request;
    request.mode = FileDialog::AnyFile;
    request.title = tr("BackupCurrentDB");
    request.folder = lastDbDir();
    request.filters = { QStringLiteral("DB (*.bak)") };
    request.detailView = true;
    request.confirmOverwrite = true;
    const FileDialog::Answer answer = FileDialog::ask(this, request);
    if (!answer.accepted()) {
        MessageBox::showCustom(
            MessageBox::Critical, nullptr, tr("FileError"), tr("NO_BACKUP_ERROR_NO_FILE_SAVED"), { tr("Ok") });
        return;
    }

    // The backup is written like a save under another name, but the open
    // database, its folder and its modified state stay as they were.
    const QString openFileName = m_currentFileName;
    const QVariant openFolder = Settings().value(QStringLiteral("LastDBDir"));

    m_currentFileName = answer.path;
    storeDatabaseFolder(databaseFolderOf(answer.path));
    saveDatabase(false);
    m_collection->SaveDynamicLists();

    Settings settings;
    if (openFolder.isValid())
        settings.setValue(QStringLiteral("LastDBDir"), openFolder);
    else
        settings.remove(QStringLiteral("LastDBDir"));
    m_currentFileName = openFileName;
}

// ---------------------------------------------------------------------------
// Settings and language

void MainWindow::ReadSettings()
{
    Settings settings;
    m_recentFiles.clear();
    const int count = settings.value(QStringLiteral("RecentFiles/NumberOfItems"), 0).toInt();
    for (int i = 0; i < count; ++i) {
        const QString key = recentFileKey(i);
        if (settings.contains(key))
            m_recentFiles.append(settings.value(key).toString());
    }
}

void MainWindow::SaveSettings()
{
    {
        Settings settings;
        settings.setValue(QStringLiteral("geometri/mainWinWidth"), width());
        settings.setValue(QStringLiteral("geometri/mainWinHeight"), height());
        settings.setValue(QStringLiteral("geometri/mainWinPosX"), pos().x());
        settings.setValue(QStringLiteral("geometri/mainWinPosY"), pos().y());
        settings.setValue(QStringLiteral("Items/showAllItems"), m_viewAllAction && m_viewAllAction->isChecked());
    }
    writeRecentFiles();
    m_listView->SaveColumnWidths();
}

void MainWindow::setLanguage(const QString &code)
{
    {
        Settings settings;
        settings.setValue(QStringLiteral("Language"), code);
        // The next start opens the demo database of the new language.
        settings.remove(QStringLiteral("LastSavedDBFile"));
        settings.remove(QStringLiteral("LastDBDir"));
    }
    MessageBox::showCustom(
        MessageBox::Information, nullptr, tr("Info"), tr("RESTART_BEFORE_LANGUAGE_CHANGED"), { tr("Ok") });
}

void MainWindow::DkLanguage()
{
    setLanguage(QStringLiteral("dk"));
}

void MainWindow::NoLanguage()
{
    setLanguage(QStringLiteral("no"));
}

void MainWindow::EnLanguage()
{
    setLanguage(QStringLiteral("en"));
}

// ---------------------------------------------------------------------------
// Quitting

bool MainWindow::finishSession()
{
    if (m_sessionClosed)
        return true;
    if (!askToSaveChanges())
        return false;
    m_sessionClosed = true;
    discardDatabase();
    m_collection.reset();
    m_log.reset();
    return true;
}

void MainWindow::Quit()
{
    if (finishSession())
        endEventLoop();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!finishSession()) {
        event->ignore();
        return;
    }
    event->accept();
    // The program ends with its main window, even while a dialog without
    // parent (a search) is still open.
    endEventLoop();
}

void MainWindow::endEventLoop()
{
    // Without a running event loop (a window driven by a test) there is
    // nothing to end. Queued, so that a close in progress completes first.
    if (QThread::currentThread()->loopLevel() > 0)
        QMetaObject::invokeMethod(
            qApp, [] { QCoreApplication::quit(); }, Qt::QueuedConnection);
}

// ---------------------------------------------------------------------------
// Selection and item commands

void MainWindow::ItemSelected(QTreeWidgetItem *row)
{
    const bool itemRow
        = row && row->type() == funiQListViewItem::RowType && !static_cast<funiQListViewItem *>(row)->isGroupRow();
    const auto enable = [](QAction *action, bool on) {
        if (action)
            action->setEnabled(on);
    };
    enable(m_viewCurrentAsHtmlAction, itemRow);
    enable(m_viewPictureAction, itemRow && m_listView->HasPictureLink(row));
    enable(m_viewPicture2Action, itemRow && m_listView->HasReceipt(row));
    enable(m_viewUrlAction, itemRow && m_listView->HasUrl(row));
    enable(m_viewDocAction, itemRow && m_listView->HasDocument(row));
}

void MainWindow::EditItem()
{
    if (m_sessionClosed)
        return;
    if (m_listView->isItemSelected()) {
        m_listView->EditItem();
        return;
    }
    // No row to edit: the dialog starts on no item, ready for a new one.
    m_listView->openItemDialog(nullptr, QStringLiteral("DATA"), false, this, QString());
}

void MainWindow::DeleteItem()
{
    m_listView->DeleteItem();
}

void MainWindow::SearchRecord()
{
    if (m_sessionClosed)
        return;
    m_listView->SeachItem();
}

void MainWindow::ViewAllItems()
{
    m_listView->ViewAll(m_viewAllAction && m_viewAllAction->isChecked());
}

void MainWindow::ViewCurrentAsHTML()
{
    m_listView->ViewCurrentAsHTML();
}

void MainWindow::ShowPictureOne()
{
    const Item *item = m_listView->currentRowItem();
    if (item && !item->photolink().isEmpty())
        m_listView->ShowPicture1();
}

void MainWindow::ShowReceipt()
{
    if (m_listView->isItemSelected())
        m_listView->ShowImage2();
}

void MainWindow::ShowUrl()
{
    if (m_listView->isItemSelected())
        m_listView->ShowUrl();
}

void MainWindow::ShowDocument()
{
    if (m_listView->isItemSelected())
        m_listView->ShowDocument();
}

void MainWindow::browsePictureViewer_slot()
{
    choosePictureViewer(this);
}

void MainWindow::browseWWWViewer_slot()
{
    chooseWebProgram(this);
}

void MainWindow::About()
{
    QString title;
    QString text;
    switch (edition()) {
    case QuorvelEdition:
        title = tr("About Quorvel");
        text = tr("AboutQuorvelDetails");
        break;
    case VistrelEdition:
        title = tr("About Vistrel");
        text = tr("AboutVistrelDetails");
        break;
    case NumivaxEdition:
        title = tr("About Numivax");
        text = tr("AboutNumivaxDetails");
        break;
    default:
        title = tr("About Ostrana");
        text = tr("AboutOstranaDetails");
        break;
    }
    MessageBox::show(MessageBox::Information, this, title, text, QMessageBox::Ok);
}

// Commands whose dialogs and outputs live in their own parts of the program;
// until those are in place the commands do nothing.
void MainWindow::SaveAsHTML()
{ }
void MainWindow::SaveAsXML()
{ }
void MainWindow::UpdateLocations()
{ }
void MainWindow::PrintBarcode()
{ }
void MainWindow::Print()
{ }
void MainWindow::AutoMakeItems()
{ }
void MainWindow::ShowAllAsHTMLTable()
{ }
void MainWindow::ShowAllAsHTML()
{ }
void MainWindow::ShowAllSpecialCasesAsHTML()
{ }
void MainWindow::ShowAllAsXML()
{ }
void MainWindow::MakeReport()
{ }
void MainWindow::SetupWhatToPrint()
{ }
void MainWindow::SetupGroups()
{ }
void MainWindow::SetupLocation()
{ }
void MainWindow::SetupSupplier()
{ }
void MainWindow::SetupCommon()
{ }
void MainWindow::Help()
{ }
void MainWindow::HelpTutorial()
{ }
void MainWindow::HelpLinks()
{ }
void MainWindow::HelpErrorHandling()
{ }
void MainWindow::HelpReleases()
{ }

// ---------------------------------------------------------------------------
// Menus, toolbars and the context menu

QAction *MainWindow::makeAction(const QString &text, const QString &objectName, const QKeySequence &shortcut,
    const QIcon &icon, void (MainWindow::*slot)(), const QString &whatsThis, const QString &toolTip)
{
    auto *action = new QAction(icon, text, this);
    if (!objectName.isEmpty())
        action->setObjectName(objectName);
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    if (!whatsThis.isEmpty())
        action->setWhatsThis(whatsThis);
    if (!toolTip.isEmpty())
        action->setToolTip(toolTip);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

void MainWindow::createMenus()
{
    createFileMenu();
    createEditMenu();
    createViewMenu();
    createSetupMenu();
    createLanguageMenu();
    createHelpMenu();
}

void MainWindow::createFileMenu()
{
    m_fileMenu = menuBar()->addMenu(tr("&Fil"));
    m_fileMenu->setObjectName(QStringLiteral("fileMenu"));

    m_fileNewAction = makeAction(tr("FILE_NEW"), QStringLiteral("FileNew"), QKeySequence(Qt::CTRL | Qt::Key_N),
        resourceIcon("new"), &MainWindow::FileNew, tr("HELP_TEXT_FILE_NEW"));
    m_fileMenu->addAction(m_fileNewAction);
    m_fileOpenAction = makeAction(tr("FILE_OPEN"), QStringLiteral("FileOpen"), QKeySequence(Qt::CTRL | Qt::Key_O),
        resourceIcon("open"), qOverload<>(&MainWindow::Load), tr("HELP_TEXT_FILE_OPEN"));
    m_fileMenu->addAction(m_fileOpenAction);
    if (isQuorvel()) {
        m_updateLocationsAction = makeAction(tr("UPDATE_LOCATIONS..."), QStringLiteral("UpdateLocations"),
            QKeySequence(), QIcon(), &MainWindow::UpdateLocations, tr("HELP_TEXT_FILE_UPDATE_LOCATIONS"));
        m_fileMenu->addAction(m_updateLocationsAction);
    }
    m_fileMenu->addSeparator();

    m_fileSaveAction = makeAction(tr("FILE_SAVE"), QStringLiteral("FileSave"), QKeySequence(Qt::CTRL | Qt::Key_S),
        resourceIcon("save"), qOverload<>(&MainWindow::Save), tr("HELP_TEXT_FILE_SAVE"));
    m_fileMenu->addAction(m_fileSaveAction);
    m_fileSaveAsAction = makeAction(tr("FILE_SAVE_AS"), QStringLiteral("FileSaveAs"), QKeySequence(), QIcon(),
        &MainWindow::SaveAs, tr("HELP_TEXT_FILE_SAVE_AS"));
    m_fileMenu->addAction(m_fileSaveAsAction);
    m_fileBackupAction = makeAction(tr("BACKUP..."), QStringLiteral("FileBackup"), QKeySequence(), QIcon(),
        &MainWindow::Backup, tr("HELP_TEXT_FILE_BACKUP"));
    m_fileMenu->addAction(m_fileBackupAction);
    m_fileMenu->addSeparator();

    m_fileSaveAsHtmlAction = makeAction(
        tr("SAVE_AS_HTML"), QStringLiteral("FileSaveAsHTML"), QKeySequence(), QIcon(), &MainWindow::SaveAsHTML);
    m_fileMenu->addAction(m_fileSaveAsHtmlAction);
    m_fileSaveAsXmlAction = makeAction(
        tr("SAVE_AS_XML"), QStringLiteral("FileSaveAsXML"), QKeySequence(), QIcon(), &MainWindow::SaveAsXML);
    m_fileMenu->addAction(m_fileSaveAsXmlAction);
    m_fileSaveSettingsAction = makeAction(tr("SAVE_SETTINGS"), QStringLiteral("FileSaveSettings"), QKeySequence(),
        QIcon(), &MainWindow::SaveSettings, tr("HELP_TEXT_FILE_SAVESETTINGS"));
    m_fileMenu->addAction(m_fileSaveSettingsAction);
    m_fileMenu->addSeparator();

    if (isQuorvel()) {
        m_printBarcodeAction
            = makeAction(tr("PRINT_BARCODE..."), QStringLiteral("PrintBarcode"), QKeySequence(Qt::CTRL | Qt::Key_B),
                resourceIcon("print"), &MainWindow::PrintBarcode, tr("HELP_TEXT_FILE_PRINT_BARCODE"));
        m_fileMenu->addAction(m_printBarcodeAction);
    }
    m_printAction = makeAction(tr("Udskriv..."), QStringLiteral("Print"), QKeySequence(Qt::CTRL | Qt::Key_P),
        resourceIcon("print"), &MainWindow::Print, tr("HELP_TEXT_FILE_PRINT"));
    // Nothing to print until a database has been read.
    m_printAction->setEnabled(false);
    m_fileMenu->addAction(m_printAction);

    // The recent files go between the Print entry and this separator.
    m_quitSeparator = m_fileMenu->addSeparator();
    m_quitAction = makeAction(tr("QUIT"), QString(), QKeySequence(Qt::CTRL | Qt::Key_Q), QIcon(), &MainWindow::Quit);
    m_fileMenu->addAction(m_quitAction);

    updateRecentFileMenu();
}

void MainWindow::createEditMenu()
{
    m_editMenu = menuBar()->addMenu(tr("&Rediger"));
    m_editMenu->setObjectName(QStringLiteral("editMenu"));

    m_editRecordAction = makeAction(
        byEdition(tr("TOOLTIP_EDIT_FURNITURE"), tr("VistrelEdit"), tr("NumivaxEdit"), tr("QuorvelEdit")),
        QStringLiteral("EditRecord"), QKeySequence(Qt::CTRL | Qt::Key_I), m_editionIcon, &MainWindow::EditItem,
        tr("HELP_TEXT_EDIT_ELEMENT"),
        byEdition(tr("TOOLTIP_EDIT_FURNITURE"), tr("VistrelEdit"), tr("NumivaxEdit"), tr("TOOLTIP_EDIT_FURNITURE")));
    m_editMenu->addAction(m_editRecordAction);

    m_editDeleteAction = makeAction(
        byEdition(tr("&Slet Ostrana"), tr("VistrelEditDelete"), tr("NumivaxEditDelete"), tr("QuorvelEditDelete")),
        QStringLiteral("EditDelete"), QKeySequence(Qt::Key_Delete), QIcon(), &MainWindow::DeleteItem);
    m_editMenu->addAction(m_editDeleteAction);

    m_editSearchAction = makeAction(
        byEdition(tr("Sø&g Ostrana..."), tr("VistrelEditSearc"), tr("NumivaxEditSearc"), tr("QuorvelEditSearch")),
        QStringLiteral("EditSearch"), QKeySequence(Qt::CTRL | Qt::Key_F), resourceIcon("search"),
        &MainWindow::SearchRecord, tr("TOOLTIP_SEARCH_BTN"), tr("TOOLTIP_SEARCH_BTN"));
    m_editMenu->addAction(m_editSearchAction);

    if (isQuorvel()) {
        m_autoMakeItemsAction = makeAction(
            tr("Precreate items in Quorvel"), QString(), QKeySequence(), QIcon(), &MainWindow::AutoMakeItems);
        m_editMenu->addAction(m_autoMakeItemsAction);
    }
}

void MainWindow::createViewMenu()
{
    m_viewMenu = menuBar()->addMenu(tr("&Vis"));
    m_viewMenu->setObjectName(QStringLiteral("viewMenu"));

    m_viewAllAction = makeAction(tr("Vis &alle"), QStringLiteral("EditRegister"), QKeySequence(Qt::CTRL | Qt::Key_A),
        QIcon(), &MainWindow::ViewAllItems);
    m_viewAllAction->setCheckable(true);
    m_viewAllAction->setChecked(false);
    m_viewMenu->addAction(m_viewAllAction);

    // Ctrl+H belongs to the HTML table; the other two HTML views get their own keys.
    m_showAllAsHtmlTableAction = makeAction(tr("VIEW_ALL_HTML_TABLE"), QStringLiteral("EditShowAllAsHTMLTable"),
        QKeySequence(Qt::CTRL | Qt::Key_H), QIcon(), &MainWindow::ShowAllAsHTMLTable);
    m_viewMenu->addAction(m_showAllAsHtmlTableAction);
    m_showAllAsHtmlAction = makeAction(tr("VIEW_ALL_AS_HTML"), QStringLiteral("EditShowAllAsHTML"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H), QIcon(), &MainWindow::ShowAllAsHTML);
    m_viewMenu->addAction(m_showAllAsHtmlAction);
    if (isNumivax()) {
        m_showAllSpecialCasesAction = makeAction(tr("VIEW_ALL_SPECIAL_NUMIVAX_CASES_AS_HTML"),
            QStringLiteral("EditShowAllSpecialCasesAsHTML"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_H), QIcon(),
            &MainWindow::ShowAllSpecialCasesAsHTML, tr("WHATS_THIS_VIEW_ALL_SPECIAL_NUMIVAX_CASES_AS_HTML"));
        m_viewMenu->addAction(m_showAllSpecialCasesAction);
    }
    m_showAllAsXmlAction = makeAction(tr("VIEW_ALL_AS_XML"), QStringLiteral("EditShowAllAsXML"),
        QKeySequence(Qt::CTRL | Qt::Key_X), QIcon(), &MainWindow::ShowAllAsXML);
    m_viewMenu->addAction(m_showAllAsXmlAction);
    m_viewMenu->addSeparator();

    m_viewCurrentAsHtmlAction
        = makeAction(tr("VIEW_CURRENT_AS_HTML"), QStringLiteral("ViewCurInHTML"), QKeySequence(Qt::SHIFT | Qt::Key_H),
            QIcon(), &MainWindow::ViewCurrentAsHTML, tr("WHATS_THIS_VIEW_CURRENT_AS_HTML"));
    m_viewMenu->addAction(m_viewCurrentAsHtmlAction);

    const QString pictureText = isVistrel() ? tr("VISTREL_SHOW_PICTURE")
        : isNumivax()                       ? tr("TOOLTIP_SHOW_FRONTSIDE_PICTURE_NUMIVAX")
                                            : tr("VIS_BILLEDE");
    m_viewPictureAction = makeAction(pictureText, QStringLiteral("ViewPicture"), QKeySequence(Qt::SHIFT | Qt::Key_I),
        m_pictureIcon, &MainWindow::ShowPictureOne, tr("TOOLTIP_SHOW_IMAGE_BTN"));
    m_viewMenu->addAction(m_viewPictureAction);

    const QString picture2Text = isVistrel() ? tr("VISTREL_SHOW_PICTURE2")
        : isNumivax()                        ? tr("TOOLTIP_SHOW_BACKSIDE_PICTURE_NUMIVAX")
                                             : tr("VIS_KVITTERING");
    m_viewPicture2Action = makeAction(picture2Text, QStringLiteral("ViewPicture2"), QKeySequence(Qt::SHIFT | Qt::Key_J),
        isOstrana() ? m_receiptIcon : m_pictureIcon, &MainWindow::ShowReceipt,
        isNumivax() ? tr("HELP_TEXT_VIEW_BACKSIDE_PICTURE_NUMIVAX") : tr("HELP_TEXT_VIEW_RECEIPT"));
    m_viewMenu->addAction(m_viewPicture2Action);

    m_viewUrlAction = makeAction(tr("VIS_WWW"), QStringLiteral("ViewUrl"), QKeySequence(Qt::SHIFT | Qt::Key_W),
        resourceIcon("www"), &MainWindow::ShowUrl, tr("HELP_TEXT_VIEW_URL"));
    m_viewMenu->addAction(m_viewUrlAction);
    m_viewDocAction = makeAction(tr("VIS_DOCUMENT"), QStringLiteral("ViewDoc"), QKeySequence(Qt::SHIFT | Qt::Key_D),
        resourceIcon("document"), &MainWindow::ShowDocument, tr("HELP_TEXT_VIEW_DOCUMENTATION"));
    m_viewMenu->addAction(m_viewDocAction);

    // Enabled by ItemSelected for a row that has something to show.
    for (QAction *action :
        { m_viewCurrentAsHtmlAction, m_viewPictureAction, m_viewPicture2Action, m_viewUrlAction, m_viewDocAction })
        action->setEnabled(false);

    m_viewMenu->addSeparator();
    m_viewReportAction = makeAction(tr("&Rapport..."), QStringLiteral("ViewReport"), QKeySequence(Qt::CTRL | Qt::Key_R),
        resourceIcon("report"), &MainWindow::MakeReport, tr("HELP_TEXT_EDIT_REPORT"));
    m_viewMenu->addAction(m_viewReportAction);
}

void MainWindow::createSetupMenu()
{
    m_setupMenu = menuBar()->addMenu(tr("&Opsætning"));
    m_setupMenu->setObjectName(QStringLiteral("setupMenu"));

    m_setupPrintAction = makeAction(
        tr("&Udskrivning..."), QString(), QKeySequence(Qt::SHIFT | Qt::Key_U), QIcon(), &MainWindow::SetupWhatToPrint);
    m_setupMenu->addAction(m_setupPrintAction);
    m_setupLocationAction
        = makeAction(tr("&Lokaler/rum..."), QString(), QKeySequence(), QIcon(), &MainWindow::SetupLocation);
    m_setupMenu->addAction(m_setupLocationAction);
    m_setupGroupsAction
        = makeAction(tr("&Inventar typer (grupper)..."), QString(), QKeySequence(), QIcon(), &MainWindow::SetupGroups);
    m_setupMenu->addAction(m_setupGroupsAction);
    m_setupSupplierAction
        = makeAction(tr("LEVERANDØRER"), QString(), QKeySequence(), QIcon(), &MainWindow::SetupSupplier);
    m_setupMenu->addAction(m_setupSupplierAction);
    m_setupMenu->addSeparator();
    m_setupMenu->addAction(makeAction(
        tr("&Billedvisnings program..."), QString(), QKeySequence(), QIcon(), &MainWindow::browsePictureViewer_slot));
    m_setupMenu->addAction(makeAction(
        tr("Internet program (&www)..."), QString(), QKeySequence(), QIcon(), &MainWindow::browseWWWViewer_slot));
    m_setupMenu->addAction(
        makeAction(tr("SetupDefaultDirectories"), QString(), QKeySequence(), QIcon(), &MainWindow::SetupCommon));
}

void MainWindow::createLanguageMenu()
{
    m_languageMenu = menuBar()->addMenu(tr("LANGUAGE_MENU"));
    m_languageMenu->setObjectName(QStringLiteral("languageMenu"));
    m_languageMenu->addAction(
        makeAction(tr("DANISH_LANG..."), QString(), QKeySequence(), QIcon(), &MainWindow::DkLanguage));
    if (!isQuorvel())
        m_languageMenu->addAction(
            makeAction(tr("NORWAY_LANG..."), QString(), QKeySequence(), QIcon(), &MainWindow::NoLanguage));
    m_languageMenu->addAction(
        makeAction(tr("ENGLISH_LANG..."), QString(), QKeySequence(), QIcon(), &MainWindow::EnLanguage));
}

void MainWindow::createHelpMenu()
{
    m_helpMenu = menuBar()->addMenu(tr("&Hjælp"));
    m_helpMenu->setObjectName(QStringLiteral("helpMenu"));

    const QString language = currentLanguage();
    const bool danish = language == QLatin1String("dk");
    const bool norwegian = language == QLatin1String("no");

    // The help pages exist only in these editions and languages.
    const bool helpPages = (isOstrana() && (danish || norwegian)) || ((isVistrel() || isNumivax()) && danish);
    if (helpPages)
        m_helpMenu->addAction(
            makeAction(tr("&Hjælp..."), QString(), QKeySequence(Qt::Key_F1), QIcon(), &MainWindow::Help));
    if (!isQuorvel() || danish)
        m_helpMenu->addAction(
            makeAction(tr("&Tutorial..."), QString(), QKeySequence(), QIcon(), &MainWindow::HelpTutorial));
    m_helpMenu->addAction(makeAction(tr("&Links..."), QString(), QKeySequence(), QIcon(), &MainWindow::HelpLinks));
    m_helpMenu->addAction(
        makeAction(tr("&ErrorHandling..."), QString(), QKeySequence(), QIcon(), &MainWindow::HelpErrorHandling));
    m_helpMenu->addAction(
        makeAction(tr("&Release noter..."), QString(), QKeySequence(), QIcon(), &MainWindow::HelpReleases));

    auto *whatsThis = new QAction(tr("&Hvad er det ?"), this);
    whatsThis->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1));
    connect(whatsThis, &QAction::triggered, this, [] { QWhatsThis::enterWhatsThisMode(); });
    m_helpMenu->addAction(whatsThis);

    m_helpMenu->addSeparator();
    m_aboutAction = makeAction(
        tr("&Om ostrana register..."), QString(), QKeySequence(Qt::CTRL | Qt::Key_F1), QIcon(), &MainWindow::About);
    m_helpMenu->addAction(m_aboutAction);
}

void MainWindow::createToolBars()
{
    m_fileToolBar = addToolBar(tr("Fil"));
    m_fileToolBar->setObjectName(QStringLiteral("Fil"));
    m_fileToolBar->addAction(m_fileNewAction);
    m_fileToolBar->addAction(m_fileOpenAction);
    m_fileToolBar->addAction(m_fileSaveAction);
    m_fileToolBar->addAction(m_printAction);
    m_fileToolBar->addAction(QWhatsThis::createAction(m_fileToolBar));

    m_toolsToolBar = addToolBar(tr("Tools"));
    m_toolsToolBar->setObjectName(QStringLiteral("Tools"));
    m_toolsToolBar->addAction(m_editRecordAction);
    m_toolsToolBar->addAction(m_editSearchAction);
    m_toolsToolBar->addAction(m_viewPictureAction);
    m_toolsToolBar->addAction(m_viewPicture2Action);
    m_toolsToolBar->addAction(m_viewUrlAction);
    m_toolsToolBar->addAction(m_viewDocAction);
}

void MainWindow::createContextMenu()
{
    if (isQuorvel()) {
        m_listView->addToContextMenu(m_updateLocationsAction);
        m_listView->addToContextMenu(m_printBarcodeAction);
    }
    m_listView->addToContextMenu(m_printAction);
    m_listView->addToContextMenu(m_editRecordAction);
    m_listView->addToContextMenu(m_editDeleteAction);
    m_listView->addToContextMenu(m_editSearchAction);
    m_listView->addToContextMenu(nullptr);
    m_listView->addToContextMenu(m_viewCurrentAsHtmlAction);
    m_listView->addToContextMenu(m_viewPictureAction);
    m_listView->addToContextMenu(m_viewPicture2Action);
    m_listView->addToContextMenu(m_viewUrlAction);
    m_listView->addToContextMenu(m_viewDocAction);
}
