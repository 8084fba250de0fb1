#pragma once

#include <QCoreApplication>
#include <QIcon>
#include <QKeySequence>
#include <QString>

class ItemListView;
class MainWindow;
class QAction;
class QMenu;
class QToolBar;
class funiQListViewItem;

// The main window's menu bar, its two toolbars and the entries of the item
// list's context menu: every command of the program as an action of the
// window, connected to the window's slot of the same command.
//
// The actions and menus are children of the window (found there by their
// object names); this object only builds them and keeps the pointers that the
// window needs to enable, check and retitle entries as the open database and
// the selected row change.
class MainWindowMenus
{
    Q_DECLARE_TR_FUNCTIONS(MainWindowMenus)
public:
    // Builds the menus, toolbars and context menu entries of the window, in
    // the running edition and language.
    MainWindowMenus(MainWindow *window, ItemListView *listView);

    QMenu *fileMenu() const { return m_fileMenu; }
    // The separator above Quit: the recent files go just before it.
    QAction *quitSeparator() const { return m_quitSeparator; }
    QAction *printAction() const { return m_printAction; }
    QAction *viewAllAction() const { return m_viewAllAction; }
    bool showAllChecked() const;

    // Enables the Print entry once a database has been read, and sets the
    // show-all switch.
    void databaseRead(bool showAll);
    // Save, the location update and the restore of an earlier version are
    // for a database the program may write.
    void setWritable(bool writable);
    // Restore an earlier version is for a database with a file name.
    void enableRestore();
    // Renames the Setup entries of the location, group and supplier lists
    // after the open database's column titles, and gives the About entry the
    // edition's text.
    void retitle();
    // Enables the View entries that the row has something for.
    void enableForRow(funiQListViewItem *row);
    // Change selected is for a writable database with a selection.
    void enableForSelection();

private:
    QAction *makeAction(const QString &text, const QString &objectName, const QKeySequence &shortcut, const QIcon &icon,
        void (MainWindow::*slot)(), const QString &whatsThis = QString(), const QString &toolTip = QString());
    void createFileMenu();
    void createEditMenu();
    void createViewMenu();
    void createSetupMenu();
    void createLanguageMenu();
    void createHelpMenu();
    void createToolBars();
    void createContextMenu();

    MainWindow *m_window;
    ItemListView *m_listView;

    QMenu *m_fileMenu = nullptr;
    QMenu *m_editMenu = nullptr;
    QMenu *m_viewMenu = nullptr;
    QMenu *m_exportMenu = nullptr;
    QAction *m_exportCsvAction = nullptr;
    QMenu *m_setupMenu = nullptr;
    QMenu *m_languageMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    QAction *m_quitSeparator = nullptr;
    QToolBar *m_fileToolBar = nullptr;
    QToolBar *m_toolsToolBar = nullptr;

    QAction *m_fileNewAction = nullptr;
    QAction *m_fileOpenAction = nullptr;
    QAction *m_updateLocationsAction = nullptr;
    QMenu *m_importMenu = nullptr;
    QAction *m_importCsvAction = nullptr;
    QAction *m_fileSaveAction = nullptr;
    QAction *m_fileSaveAsAction = nullptr;
    QAction *m_fileBackupAction = nullptr;
    QAction *m_restoreVersionAction = nullptr;
    QAction *m_fileSaveAsHtmlAction = nullptr;
    QAction *m_fileSaveAsXmlAction = nullptr;
    QAction *m_fileSaveSettingsAction = nullptr;
    QAction *m_printBarcodeAction = nullptr;
    QAction *m_printAction = nullptr;
    QAction *m_quitAction = nullptr;

    QAction *m_newItemAction = nullptr;
    QAction *m_editRecordAction = nullptr;
    QAction *m_editDeleteAction = nullptr;
    QAction *m_changeSelectedAction = nullptr;
    QAction *m_selectAllAction = nullptr;
    QAction *m_selectGroupAction = nullptr;
    bool m_writable = true;
    QAction *m_editSearchAction = nullptr;
    QAction *m_autoMakeItemsAction = nullptr;

    QAction *m_viewAllAction = nullptr;
    QAction *m_showAllAsHtmlTableAction = nullptr;
    QAction *m_showAllAsHtmlAction = nullptr;
    QAction *m_showAllSpecialCasesAction = nullptr;
    QAction *m_showAllAsXmlAction = nullptr;
    QAction *m_viewCurrentAsHtmlAction = nullptr;
    QAction *m_viewPictureAction = nullptr;
    QAction *m_viewPicture2Action = nullptr;
    QAction *m_viewUrlAction = nullptr;
    QAction *m_viewDocAction = nullptr;
    QAction *m_viewReportAction = nullptr;

    QAction *m_setupPrintAction = nullptr;
    QAction *m_setupLocationAction = nullptr;
    QAction *m_setupGroupsAction = nullptr;
    QAction *m_setupSupplierAction = nullptr;
    QAction *m_aboutAction = nullptr;
};
