// The document commands of the main window: the start database, New, Open,
// the recent files, Save, Save As, Backup and the save question before a
// database with unsaved changes is closed or replaced. The rest of the window
// is in larkspanwindow.cpp.

#include "mainwindow/larkspanwindow.h"

#include "core/Edition.h"
#include "core/LogXML.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/FileFingerprint.h"
#include "desktop/FileDialog.h"
#include "desktop/MessageBox.h"
#include "desktop/WaitCursor.h"
#include "diskchanges/DiskChangeGuard.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/MainWindowMenus.h"
#include "mainwindow/RecentFiles.h"
#include "mainwindow/UndoHistory.h"
#include "recovery/CrashRecovery.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// The source module the event log names for the window's operations.
const QString LogFileName = QStringLiteral("larkspanwindow");
const QString DatabaseFilter = QStringLiteral("DB (*.inb *.txt *.db)");

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

// The extension Save As gives a name typed without one: that of the edition's
// own demo database, one of those the Open dialog's filter shows.
QString databaseSuffixFor(int edition)
{
    return QFileInfo(demoDatabaseFor(edition, QStringLiteral("dk"))).suffix();
}

// Whether the folder is one of the demo folders under the program's working
// folder (a relative demo folder is taken from the current folder).
bool isDemoFolder(const QString &folder)
{
    if (folder.isEmpty())
        return false;
    const QString absolute = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    for (int edition : { OstranaEdition, VistrelEdition, NumivaxEdition, QuorvelEdition }) {
        if (absolute == QDir::cleanPath(QFileInfo(demoFolder(edition)).absoluteFilePath()))
            return true;
    }
    return false;
}

// The folder proposed for the user's own databases while none has been used:
// the documents folder, or the home folder should it be missing, never the
// working folder that holds the demo databases.
QString userDatabaseFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

} // namespace

void MainWindow::openStartDatabase(const QString &requested)
{
    m_demoDatabasePath = demoDatabaseFor(edition(), currentLanguage());
    if (!requested.isEmpty() && openRequestedDatabase(requested))
        return;
    m_currentFileName = Settings().value(QStringLiteral("LastSavedDBFile"), m_demoDatabasePath).toString();
    m_openingStartDatabase = true;
    if (!m_currentFileName.isEmpty() && !LoadItemFile())
        m_startSucceeded = false;
    else if (m_currentFileName.isEmpty())
        m_recovery->databaseOpened(m_collection.get(), QString());
    m_openingStartDatabase = false;
}

bool MainWindow::openRequestedDatabase(const QString &file)
{
    const QFileInfo info(file);
    if (!info.isFile() || !info.isReadable()) {
        // Nothing is tried, so no lock file is left beside it.
        MessageBox::showCustom(MessageBox::Critical, nullptr, tr("FileError"),
            tr("Databasefilen %1 findes ikke eller kan ikke læses. "
               "Programmet åbner i stedet den database, det plejer at starte med.")
                .arg(QDir::toNativeSeparators(file)),
            { tr("Ok") });
        return false;
    }

    // The lists are those beside the file, as when it is chosen with Open.
    // Should it not be read, the start settings are put back as they were.
    const QVariant lastFile = Settings().value(QStringLiteral("LastSavedDBFile"));
    const QVariant lastFolder = Settings().value(QStringLiteral("LastDBDir"));
    const auto restore = [](const QString &key, const QVariant &value) {
        Settings settings;
        if (value.isValid())
            settings.setValue(key, value);
        else
            settings.remove(key);
    };
    m_currentFileName = info.absoluteFilePath();
    storeDatabaseFolder(info.absolutePath());
    m_collection->MakeDynamicLists();
    m_listView->SetCollection(m_collection.get());

    m_openingRequestedDatabase = true;
    const bool opened = LoadItemFile();
    m_openingRequestedDatabase = false;
    if (opened)
        return true;

    restore(QStringLiteral("LastSavedDBFile"), lastFile);
    restore(QStringLiteral("LastDBDir"), lastFolder);
    m_collection->MakeDynamicLists();
    m_listView->SetCollection(m_collection.get());
    return false;
}

void MainWindow::ensureCollection()
{
    if (!m_collection) {
        m_collection = std::make_unique<DBItemCollection>(m_log.get());
        m_undoHistory->attach(m_collection.get());
    }
}

void MainWindow::setUpDiskChanges()
{
    DiskChangeGuard::Actions actions;
    actions.collection = [this] { return m_collection.get(); };
    actions.reload = [this] { Load(false); };
    actions.save = [this] { return saveDatabase(true); };
    actions.saveElsewhere = [this] { return saveDatabaseAs(); };
    m_diskChanges = new DiskChangeGuard(this, std::move(actions));
    connect(m_diskChanges, &DiskChangeGuard::message, this, qOverload<const QString &, int>(&MainWindow::message));
}

void MainWindow::discardDatabase()
{
    m_recovery->databaseClosed();
    if (m_diskChanges)
        m_diskChanges->stop();
    // Rows first, so that no row outlives its item.
    m_listView->ClearList();
    m_undoHistory->clear();
    m_importBackupDue = false;
    if (m_collection)
        m_collection->clear();
    // A database another program holds makes only itself read-only: what
    // comes next (a new database, another file) may be saved again.
    showLockedState(false);
}

bool MainWindow::LoadItemFile(const QString &readFrom)
{
    QElapsedTimer stopwatch;
    stopwatch.start();
    if (m_log)
        m_log->logItem(m_currentFileName, LogFileName, QStringLiteral("LoadItemFile()"));

    ensureCollection();
    bool loaded = false;
    const DiskChangeGuard::Hold hold(*m_diskChanges);
    {
        WaitCursor wait;
        loaded = m_collection->LoadFromAsciiFile(readFrom.isEmpty() ? m_currentFileName : readFrom);
    }
    if (!loaded) {
        // The next start opens the demo database. The file itself is left
        // as it is and the recent files are not touched, so that it can be
        // opened again once it can be read.
        const QString demoDatabase = demoDatabaseFor(edition(), currentLanguage());
        if (m_openingRequestedDatabase) {
            // The caller puts the start settings back and opens the usual
            // start database.
            MessageBox::showCustom(MessageBox::Critical, nullptr, tr("FileError"),
                tr("Filen %1 kan ikke åbnes som en %2-database. Filen er ikke ændret. "
                   "Programmet åbner i stedet den database, det plejer at starte med.")
                    .arg(QDir::toNativeSeparators(m_currentFileName), editionName()),
                { tr("Ok") });
            discardDatabase();
            return false;
        }
        QString text;
        if (!m_openingStartDatabase)
            text = tr("ERROR_DB_FILE_CAN_NOT_BE_OPENED");
        else if (QFileInfo(m_currentFileName).absoluteFilePath() == QFileInfo(demoDatabase).absoluteFilePath())
            text = tr("Demodatabasen %1 kan ikke åbnes eller læses, og programmet afsluttes.")
                       .arg(QDir::toNativeSeparators(m_currentFileName));
        else
            text = tr("Databasefilen %1 kan ikke åbnes eller læses, og programmet afsluttes. Filen er ikke ændret. "
                      "Næste gang programmet startes, åbner det demodatabasen %2.")
                       .arg(QDir::toNativeSeparators(m_currentFileName), QDir::toNativeSeparators(demoDatabase));
        MessageBox::showCustom(MessageBox::Critical, nullptr, tr("FileError"), text, { tr("Ok") });
        Settings settings;
        settings.setValue(QStringLiteral("LastSavedDBFile"), demoDatabase);
        settings.setValue(QStringLiteral("LastDBDir"), demoFolder(edition()));
        discardDatabase();
        return false;
    }

    m_listView->FillList(m_collection.get());
    // A version read in place of the database's file replaces that file at
    // the next save: the file as it is now is the one followed, so that a
    // change to it by another program still asks.
    if (!readFrom.isEmpty())
        m_collection->setFileFingerprint(FileFingerprint::ofFile(m_currentFileName));
    m_diskChanges->follow(m_currentFileName, m_collection->fileFingerprint());
    // Reading a file is no step: the history starts here.
    m_undoHistory->clear();

    const bool showAll = Settings().value(QStringLiteral("Items/showAllItems"), false).toBool();
    if (m_menus)
        m_menus->databaseRead(showAll);
    m_listView->ViewAll(showAll);

    refreshDocumentState();
    // The reading's time, not the time the user takes over the recovery
    // question.
    const double seconds = stopwatch.elapsed() / 1000.0;
    m_recovery->databaseOpened(m_collection.get(), m_currentFileName);

    emit message(tr("NUMBERS_OF_ITEMS_READ_FORM_DB")
                     .arg(m_currentFileName, QString::number(m_collection->count()), QString::number(seconds, 'f', 2)),
        10000);

    Settings().setValue(QStringLiteral("LastSavedDBFile"), m_currentFileName);
    m_recentFiles->write();
    return true;
}

void MainWindow::refreshDocumentState()
{
    if (!m_currentFileName.isEmpty())
        m_recentFiles->add(m_currentFileName);

    if (m_collection)
        m_collection->setFileName(m_currentFileName);
    setWindowTitle(windowCaption(m_currentFileName));
    if (m_menus)
        m_menus->retitle();

    const bool locked = m_collection && m_collection->count() > 0 && m_collection->isReadOnly();
    showLockedState(locked);
}

void MainWindow::showLockedState(bool locked)
{
    if (m_menus)
        m_menus->setWritable(!locked);

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
        m_recovery->databaseClosed();
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
    m_collection->setFileName(QString());
    setWindowTitle(windowCaption(QString()));
    // While the window is built, the start database decides what follows.
    if (m_menus)
        m_recovery->databaseOpened(m_collection.get(), QString());
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
        // Until the user has used a database of their own, the dialog starts
        // among the user's documents rather than beside the demo database.
        request.folder = isDemoFolder(lastDbDir()) ? userDatabaseFolder() : lastDbDir();
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
    } else {
        m_recovery->databaseOpened(m_collection.get(), QString());
    }
}

void MainWindow::OpenRecentFile(int index)
{
    const QStringList files = m_recentFiles->files();
    if (index < 0 || index >= files.size() || m_sessionClosed)
        return;
    if (!askToSaveChanges())
        return;
    m_currentFileName = files.at(index);
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
    // Never over a file that another program changed since it was read here,
    // unless the user says so.
    if (setCurrentFileName) {
        const DiskChangeGuard::Decision decision = m_diskChanges->beforeSave(m_currentFileName);
        if (decision == DiskChangeGuard::SaveElsewhere)
            return saveDatabaseAs();
        if (decision == DiskChangeGuard::DontSave)
            return false;
    }
    const DiskChangeGuard::Hold hold(*m_diskChanges);

    QApplication::setOverrideCursor(Qt::WaitCursor);
    QElapsedTimer stopwatch;
    stopwatch.start();
    // The database's own file keeps what it replaces as a version; a backup
    // (setCurrentFileName false) is a copy elsewhere and keeps none.
    // After an import, the file replaced stays as a version even where no
    // versions are kept otherwise: the register as it was before the import.
    const int keepAtLeast = setCurrentFileName && m_importBackupDue ? 1 : 0;
    const bool saved = m_collection->SaveToFileAsAscii(m_currentFileName, setCurrentFileName, keepAtLeast);
    if (m_log)
        m_log->logItem(m_currentFileName, LogFileName, QStringLiteral("SaveToFileAsAscii()"));

    // Only a written file counts as saved: a failed save keeps the changes
    // marked and says nothing about items saved.
    if (saved) {
        if (setCurrentFileName) {
            // Lists whose entries were taken out renumbered items: their files
            // go with the database file, never without it. A backup (not the
            // database's own file) has its lists written beside it.
            m_collection->saveDueLists();
            m_importBackupDue = false;
            Settings().setValue(QStringLiteral("LastSavedDBFile"), m_currentFileName);
            setDatabaseModified(false);
            m_recovery->databaseSaved(m_currentFileName);
            m_undoHistory->markSaved();
            m_collection->setFileName(m_currentFileName);
            setWindowTitle(windowCaption(m_currentFileName));
            m_diskChanges->follow(m_currentFileName, m_collection->fileFingerprint());
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
    // A new database and a copy of the demo database go among the user's
    // documents, not into the working folder beside the demo databases.
    const bool usersOwnFile
        = !m_currentFileName.isEmpty() && !isDemoFolder(QFileInfo(m_currentFileName).absolutePath());
    request.folder = usersOwnFile ? lastDbDir() : userDatabaseFolder();
    request.filters = { DatabaseFilter };
    request.confirmOverwrite = true;
    // A name typed without an extension gets the edition's, so that the
    // database shows in the Open dialog; the overwrite question is about
    // that name.
    request.defaultSuffix = databaseSuffixFor(edition());
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
