#pragma once

#include <QIcon>
#include <QMainWindow>
#include <QPalette>
#include <QString>
#include <QStringList>

#include <memory>

class CrashRecovery;
class DBItemCollection;
class DiskChangeGuard;
class ItemFilterField;
class ItemListView;
class LogXML;
class MainWindowMenus;
class RecentFiles;
class UndoHistory;
class QAction;
class QCloseEvent;
class QLabel;
class QMenu;
class funiQListViewItem;

// The window title for a database file name: the edition's caption from the
// catalogue (context "captionstr"), " - ", the name and the place of the mark
// of unsaved changes ("[*]").
QString windowCaption(const QString &fileName);

// The status bar's count while the list is filtered: "3 af 12 genstande",
// in the edition's terms.
QString filterCountText(int shown, int listed);

// The program's one top-level window. It owns the item collection of the run,
// the event log and the list view in its centre, and decides which database
// file is open: the start database, New, Open, the recent files, Save, Save
// As, Backup and the restore of an earlier version, with the save question
// before a database with unsaved changes is closed or replaced.
//
// The menus and toolbars are built by MainWindowMenus and the recent files kept
// by RecentFiles; the document commands are in MainWindowDocuments.cpp.
//
// The collection does not own its items; the window deletes them whenever it
// clears or replaces the database, and when it quits.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr int MaxRecentFiles = 10;

    explicit MainWindow(QWidget *parent = nullptr);
    // Opens startDatabase (when it is not empty) in place of the last saved
    // database. When it cannot be read, a box says so, the file and the
    // stored start settings stay as they were, and the usual start database
    // opens.
    explicit MainWindow(const QString &startDatabase, QWidget *parent = nullptr);
    ~MainWindow() override;

    // False when the start database could not be read: start-up then ends the
    // process with status 0 instead of showing the window.
    bool startSucceeded() const { return m_startSucceeded; }

    DBItemCollection *collection() const { return m_collection.get(); }
    ItemListView *listView() const { return m_listView; }
    // The filter field above the list.
    ItemFilterField *filterField() const { return m_filterField; }
    LogXML *eventLog() const { return m_log.get(); }
    // Keeps the unsaved changes in the database's recovery file.
    CrashRecovery *crashRecovery() const { return m_recovery.get(); }
    QString currentFileName() const { return m_currentFileName; }
    QStringList recentFiles() const;
    QString demoDatabasePath() const { return m_demoDatabasePath; }
    QIcon editionIcon() const { return m_editionIcon; }
    QIcon pictureIcon() const { return m_pictureIcon; }
    QIcon receiptIcon() const { return m_receiptIcon; }
    QMenu *fileMenu() const;
    // The open database's undo history (Edit > Undo, Redo).
    UndoHistory *undoHistory() const { return m_undoHistory; }

    // Reads currentFileName into the collection and shows it; false (after
    // the error box, with the start settings reset) when it cannot be read.
    // With readFrom, the items are read from that file (an earlier version)
    // and the database keeps its name.
    bool LoadItemFile(const QString &readFrom = QString());
    // Asks whether to save unsaved changes; false when the user cancelled or
    // the changes could not be saved, so the caller must keep the database.
    bool askToSaveChanges();
    // Saves the open database like Save(setCurrentFileName); true when the
    // file was written.
    bool saveDatabase(bool setCurrentFileName = true);
    // Asks for a new name and saves under it like SaveAs; false when the
    // dialog was cancelled or the file was not written.
    bool saveDatabaseAs();
    // Whether File > Restore an earlier version applies: a database with a
    // file name that the program may write (MainWindowVersions.cpp).
    bool canRestoreVersion() const;

    // A generated file's path: the name with ".xml" or ".htm" in the folder
    // of generated pages (the "AppData" environment variable, otherwise the
    // database folder).
    QString GetXmlOutputFile(QString xmlFileName);
    QString GetHtmlOutputFile(QString htmlFileName);

signals:
    // A status-bar text shown for the given milliseconds, or until replaced.
    void message(const QString &text, int milliseconds);
    void message(const QString &text);

public slots:
    void ItemSelected(funiQListViewItem *row);

    // File menu.
    void FileNew();
    void Load(bool ShowOpenDialog);
    void Load() { Load(true); }
    void OpenRecentFile(int index);
    void Save(bool SetmCurrentFileName);
    void Save() { Save(true); }
    void SaveAs();
    void Backup();
    void RestoreVersion();
    // Exports (MainWindowExport.cpp). An empty name is the database file's
    // name with ".htm" or ".xml" appended.
    void SaveAsHTML();
    void SaveAsHTML(bool showSpecialCase, bool saveAsHtmlTable = false, QString htmlOutputFile = QString());
    void SaveAsXML();
    void SaveAsXML(QString xmlOutputFile);
    // File > Export > Spreadsheet (MainWindowSpreadsheet.cpp).
    void ExportCsv();
    // File > Value report (MainWindowValueReport.cpp): the register, a
    // group, a location or the selected rows as a PDF.
    void MakeValueReport();
    // View > Statistics (MainWindowStatistics.cpp): the same totals on
    // screen, with charts.
    void ShowStatistics();
    // File > Print labels (MainWindowLabels.cpp): label sheets of the
    // register, a group, the selected rows or the locations.
    void PrintLabelSheets();
    // File > Import > Spreadsheet (CSV) (MainWindowImport.cpp).
    void ImportCsv();
    void SaveSettings();
    void ReadSettings();
    void UpdateLocations();
    void PrintBarcode();
    void Print();
    void Quit();

    // Edit menu.
    void EditItem();
    // The item dialog on a new item in the group of the current row.
    void NewItem();
    void DeleteItem();
    // Edit > Change selected: the selected items' fields at once
    // (MainWindowBulkEdit.cpp).
    void ChangeSelected();
    void SelectAllItems();
    void SelectGroupItems();
    void SearchRecord();
    void AutoMakeItems();

    // View menu.
    void ViewAllItems();
    void ShowAllAsHTMLTable();
    void ShowAllAsHTML();
    void ShowAllSpecialCasesAsHTML();
    void ShowAllAsXML();
    void ViewCurrentAsHTML();
    void ShowPictureOne();
    void ShowReceipt();
    void ShowUrl();
    void ShowDocument();
    void MakeReport();

    // Setup menu.
    void SetupWhatToPrint();
    void SetupGroups();
    void SetupLocation();
    void SetupSupplier();
    void browsePictureViewer_slot();
    void browseWWWViewer_slot();
    void SetupCommon();
    // Setup > Label printer, Quorvel only (MainWindowLabelPrinter.cpp).
    void SetupLabelPrinter();

    // Language menu.
    void DkLanguage();
    void NoLanguage();
    void EnLanguage();

    // Help menu.
    void Help();
    void HelpTutorial();
    void HelpLinks();
    void HelpErrorHandling();
    void HelpReleases();
    void About();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void openStartDatabase(const QString &requested);
    // The database named at start in place of the last one; false (after the
    // box, with nothing changed) when it cannot be read.
    bool openRequestedDatabase(const QString &file);
    // Opens the version in place of the database, after the save question.
    void restoreVersion(const QString &versionPath);
    void refreshDocumentState();
    void setLanguage(const QString &code);
    // Drops the open database: the list's rows, then the items, then the lock.
    void discardDatabase();
    void ensureCollection();
    // The watch over the open database's file (DiskChangeGuard).
    void setUpDiskChanges();
    // The filter field above the list, the list beneath it, and the count of
    // the status bar (MainWindowFilter.cpp).
    QWidget *makeListArea();
    void focusFilterField();
    void showFilterCount();
    // Asks the save question and, unless cancelled, closes the log and the
    // collection; true when the window may go.
    bool finishSession();
    void endEventLoop();
    void showLockedState(bool locked);
    // The exports behind the slots: the file written, or "" when nothing was
    // (the status bar then says why, or the Save As dialog came instead).
    QString exportXml(QString xmlOutputFile);
    QString exportHtml(bool showSpecialCase, bool saveAsHtmlTable, QString htmlOutputFile);
    void reportExportFailure(const QString &file, const QString &reason);
    void csvImported(int items, const QString &file, bool intoNewDatabase);

    QString m_demoDatabasePath;
    std::unique_ptr<LogXML> m_log;
    QString m_currentFileName;
    ItemListView *m_listView = nullptr;
    ItemFilterField *m_filterField = nullptr;
    QLabel *m_filterCount = nullptr;
    std::unique_ptr<DBItemCollection> m_collection;
    std::unique_ptr<CrashRecovery> m_recovery;
    QIcon m_editionIcon;
    QIcon m_pictureIcon;
    QIcon m_receiptIcon;
    bool m_startSucceeded = true;
    // Set while the start database is read: a failure then ends the program.
    bool m_openingStartDatabase = false;
    // Set while a database named at start is read: a failure is told, and
    // the usual start database follows.
    bool m_openingRequestedDatabase = false;
    bool m_sessionClosed = false;
    // An import changed the open database since its file was last written:
    // the next save keeps the replaced file as a version.
    bool m_importBackupDue = false;

    // Colours to restore when an unlocked database follows a locked one.
    QPalette m_normalPalette;
    QPalette m_normalListPalette;
    bool m_showingLocked = false;

    // Asks before a save replaces a file another program changed; a child.
    DiskChangeGuard *m_diskChanges = nullptr;
    std::unique_ptr<RecentFiles> m_recentFiles;
    // A child of the window; follows m_collection.
    UndoHistory *m_undoHistory = nullptr;
    // Built once the list view exists; null before.
    std::unique_ptr<MainWindowMenus> m_menus;
};
