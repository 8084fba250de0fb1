#include "mainwindow/MainWindowMenus.h"

#include "core/ColumnTitles.h"
#include "core/Edition.h"
#include "database/DBItemCollection.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/UndoHistory.h"
#include "mainwindow/funiQListViewItem.h"
#include "mainwindow/larkspanwindow.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QToolBar>
#include <QWhatsThis>

namespace {

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

QIcon resourceIcon(const char *name)
{
    return QIcon(QStringLiteral(":/icons/%1.png").arg(QLatin1String(name)));
}

// The edition's icon with a plus in its lower right corner: a new one of
// what the edition registers.
QIcon newItemIcon(const QIcon &edition)
{
    constexpr int size = 32;
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    edition.paint(&painter, QRect(0, 0, size - 6, size - 6));
    const QRectF badge(size - 16, size - 16, 15, 15);
    painter.setPen(QPen(QColor(0x4e, 0x9a, 0x06), 1));
    painter.setBrush(QColor(0x73, 0xd2, 0x16));
    painter.drawEllipse(badge);
    painter.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::FlatCap));
    const QPointF centre = badge.center();
    painter.drawLine(QPointF(centre.x() - 4.5, centre.y()), QPointF(centre.x() + 4.5, centre.y()));
    painter.drawLine(QPointF(centre.x(), centre.y() - 4.5), QPointF(centre.x(), centre.y() + 4.5));
    painter.end();
    return QIcon(pixmap);
}

} // namespace

MainWindowMenus::MainWindowMenus(MainWindow *window, ItemListView *listView)
    : m_window(window)
    , m_listView(listView)
{
    createFileMenu();
    createEditMenu();
    createViewMenu();
    createSetupMenu();
    createLanguageMenu();
    createHelpMenu();
    createToolBars();
    createContextMenu();
}

bool MainWindowMenus::showAllChecked() const
{
    return m_viewAllAction->isChecked();
}

void MainWindowMenus::databaseRead(bool showAll)
{
    m_printAction->setEnabled(true);
    m_viewAllAction->setChecked(showAll);
}

void MainWindowMenus::setWritable(bool writable)
{
    m_fileSaveAction->setEnabled(writable);
    // Even an empty register that is read-only could never save a new item.
    const DBItemCollection *collection = m_window->collection();
    m_newItemAction->setEnabled(writable && !(collection && collection->isReadOnly()));
    m_window->undoHistory()->setWritable(writable);
    m_writable = writable;
    enableForSelection();
    if (m_updateLocationsAction)
        m_updateLocationsAction->setEnabled(writable);
    enableRestore();
}

void MainWindowMenus::enableRestore()
{
    m_restoreVersionAction->setEnabled(m_window->canRestoreVersion());
}

void MainWindowMenus::retitle()
{
    // A database whose field-names list renames these columns renames the entries too.
    const auto retitleEntry = [](QAction *action, int column) {
        const QByteArray title = columnTitle(column).toUtf8();
        action->setText(QCoreApplication::translate("MainWindow", title.constData()) + QStringLiteral("..."));
    };
    retitleEntry(m_setupLocationAction, ItemListView::LocationColumn);
    retitleEntry(m_setupGroupsAction, ItemListView::GroupColumn);
    retitleEntry(m_setupSupplierAction, ItemListView::SupplierColumn);

    if (isQuorvel())
        m_aboutAction->setText(tr("QuorvelHelpAbout"));
    else if (isVistrel())
        m_aboutAction->setText(tr("VistrelHelpAbout"));
    else if (isNumivax())
        m_aboutAction->setText(tr("NumivaxHelpAbout"));
}

void MainWindowMenus::enableForRow(funiQListViewItem *row)
{
    const bool itemRow = row && !row->isGroupRow();
    m_viewCurrentAsHtmlAction->setEnabled(itemRow);
    m_viewPictureAction->setEnabled(itemRow && m_listView->HasPictureLink(row));
    m_viewPicture2Action->setEnabled(itemRow && m_listView->HasReceipt(row));
    m_viewUrlAction->setEnabled(itemRow && m_listView->HasUrl(row));
    m_viewDocAction->setEnabled(itemRow && m_listView->HasDocument(row));
}

void MainWindowMenus::enableForSelection()
{
    const DBItemCollection *collection = m_window->collection();
    const QItemSelectionModel *selection = m_listView->selectionModel();
    m_changeSelectedAction->setEnabled(
        m_writable && collection && !collection->isReadOnly() && selection && selection->hasSelection());
}

QAction *MainWindowMenus::makeAction(const QString &text, const QString &objectName, const QKeySequence &shortcut,
    const QIcon &icon, void (MainWindow::*slot)(), const QString &whatsThis, const QString &toolTip)
{
    auto *action = new QAction(icon, text, m_window);
    if (!objectName.isEmpty())
        action->setObjectName(objectName);
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    if (!whatsThis.isEmpty())
        action->setWhatsThis(whatsThis);
    if (!toolTip.isEmpty())
        action->setToolTip(toolTip);
    QObject::connect(action, &QAction::triggered, m_window, slot);
    return action;
}

void MainWindowMenus::createFileMenu()
{
    m_fileMenu = m_window->menuBar()->addMenu(tr("&Fil"));
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
    m_importMenu = m_fileMenu->addMenu(tr("Importér"));
    m_importMenu->setObjectName(QStringLiteral("importMenu"));
    m_importMenu->menuAction()->setObjectName(QStringLiteral("FileImport"));
    m_importCsvAction = makeAction(tr("Regneark (CSV)..."), QStringLiteral("FileImportCsv"), QKeySequence(), QIcon(),
        &MainWindow::ImportCsv, tr("Læser poster fra et regneark (en CSV-fil) ind i databasen."));
    m_importMenu->addAction(m_importCsvAction);
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
    m_restoreVersionAction = makeAction(tr("Gendan en tidligere version..."), QStringLiteral("FileRestoreVersion"),
        QKeySequence(), QIcon(), &MainWindow::RestoreVersion,
        tr("Åbner en af de versioner af databasefilen, som de seneste gemninger har erstattet."));
    m_fileMenu->addAction(m_restoreVersionAction);
    // The entry follows the database's name, which the caption shows, and
    // whether it may be written.
    QObject::connect(m_window, &QWidget::windowTitleChanged, m_restoreVersionAction, [this] { enableRestore(); });
    QObject::connect(m_fileMenu, &QMenu::aboutToShow, m_restoreVersionAction, [this] { enableRestore(); });
    enableRestore();
    m_fileMenu->addSeparator();

    m_fileSaveAsHtmlAction = makeAction(
        tr("SAVE_AS_HTML"), QStringLiteral("FileSaveAsHTML"), QKeySequence(), QIcon(), &MainWindow::SaveAsHTML);
    m_fileMenu->addAction(m_fileSaveAsHtmlAction);
    m_fileSaveAsXmlAction = makeAction(
        tr("SAVE_AS_XML"), QStringLiteral("FileSaveAsXML"), QKeySequence(), QIcon(), &MainWindow::SaveAsXML);
    m_fileMenu->addAction(m_fileSaveAsXmlAction);
    m_exportMenu = m_fileMenu->addMenu(tr("Eksportér"));
    m_exportMenu->setObjectName(QStringLiteral("exportMenu"));
    m_exportMenu->menuAction()->setObjectName(QStringLiteral("FileExport"));
    m_exportCsvAction = makeAction(tr("Regneark (CSV)..."), QStringLiteral("FileExportCsv"), QKeySequence(), QIcon(),
        &MainWindow::ExportCsv,
        tr("Gemmer registret, en gruppe eller de valgte rækker som en fil, et regneark kan åbne."));
    m_exportMenu->addAction(m_exportCsvAction);
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
    // Label sheets for any printer, beside the label printer's labels.
    m_fileMenu->addAction(makeAction(tr("Udskriv &etiketter..."), QStringLiteral("FilePrintLabels"), QKeySequence(),
        QIcon(), &MainWindow::PrintLabelSheets,
        tr("Udskriver etiketter med stregkode eller QR-kode på etiketark, på en printer eller i en PDF-fil.")));
    // The value report writes a PDF of its own: beside the printouts.
    m_fileMenu->addAction(makeAction(tr("&Værdiopgørelse (PDF)..."), QStringLiteral("FileValueReport"), QKeySequence(),
        QIcon(), &MainWindow::MakeValueReport,
        tr("Skriver en opgørelse med billeder, kvitteringer og summer til forsikringen eller en vurdering.")));
    m_printAction = makeAction(tr("Udskriv..."), QStringLiteral("Print"), QKeySequence(Qt::CTRL | Qt::Key_P),
        resourceIcon("print"), &MainWindow::Print, tr("HELP_TEXT_FILE_PRINT"));
    // Nothing to print until a database has been read.
    m_printAction->setEnabled(false);
    m_fileMenu->addAction(m_printAction);

    // The recent files go between the Print entry and this separator.
    m_quitSeparator = m_fileMenu->addSeparator();
    m_quitAction = makeAction(tr("QUIT"), QString(), QKeySequence(Qt::CTRL | Qt::Key_Q), QIcon(), &MainWindow::Quit);
    m_fileMenu->addAction(m_quitAction);
}

void MainWindowMenus::createEditMenu()
{
    m_editMenu = m_window->menuBar()->addMenu(tr("&Rediger"));
    m_editMenu->setObjectName(QStringLiteral("editMenu"));
    m_editMenu->addAction(m_window->undoHistory()->undoAction());
    m_editMenu->addAction(m_window->undoHistory()->redoAction());
    m_editMenu->addSeparator();

    m_newItemAction = makeAction(
        byEdition(tr("&Nyt inventar..."), tr("&Nyt billede..."), tr("&Ny mønt..."), tr("&Ny vare...")),
        QStringLiteral("EditNewItem"), QKeySequence(Qt::Key_Insert), newItemIcon(m_window->editionIcon()),
        &MainWindow::NewItem,
        tr("Åbner redigeringsvinduet på en ny post i gruppen for den valgte række (den første gruppe, når ingen række "
           "er valgt)."));
    m_editMenu->addAction(m_newItemAction);

    m_editRecordAction = makeAction(
        byEdition(tr("TOOLTIP_EDIT_FURNITURE"), tr("VistrelEdit"), tr("NumivaxEdit"), tr("QuorvelEdit")),
        QStringLiteral("EditRecord"), QKeySequence(Qt::CTRL | Qt::Key_I), m_window->editionIcon(),
        &MainWindow::EditItem, tr("HELP_TEXT_EDIT_ELEMENT"),
        byEdition(tr("TOOLTIP_EDIT_FURNITURE"), tr("VistrelEdit"), tr("NumivaxEdit"), tr("TOOLTIP_EDIT_FURNITURE")));
    m_editMenu->addAction(m_editRecordAction);

    // Ctrl+I edits the current item; with Shift, the selected ones.
    m_changeSelectedAction = makeAction(tr("&Ret valgte..."), QStringLiteral("EditChangeSelected"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I), QIcon(), &MainWindow::ChangeSelected,
        tr("Ændrer gruppe, sted, leverandør, dato eller vurderet pris for alle de valgte rækker på én gang."));
    m_editMenu->addAction(m_changeSelectedAction);
    QObject::connect(m_listView->selectionModel(), &QItemSelectionModel::selectionChanged, m_changeSelectedAction,
        [this] { enableForSelection(); });

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

    // Ctrl+A shows all (View menu); selecting all takes Shift as well.
    m_editMenu->addSeparator();
    m_selectAllAction
        = makeAction(tr("&Vælg alle"), QStringLiteral("EditSelectAll"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A),
            QIcon(), &MainWindow::SelectAllItems, tr("Vælger alle rækker i listen, i alle grupper."));
    m_editMenu->addAction(m_selectAllAction);
    m_selectGroupAction = makeAction(tr("Vælg &gruppens rækker"), QStringLiteral("EditSelectGroup"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G), QIcon(), &MainWindow::SelectGroupItems,
        tr("Føjer alle rækker i den valgte rækkes gruppe til de valgte."));
    m_editMenu->addAction(m_selectGroupAction);
    enableForSelection();
}

void MainWindowMenus::createViewMenu()
{
    m_viewMenu = m_window->menuBar()->addMenu(tr("&Vis"));
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
        m_window->pictureIcon(), &MainWindow::ShowPictureOne, tr("TOOLTIP_SHOW_IMAGE_BTN"));
    m_viewMenu->addAction(m_viewPictureAction);

    const QString picture2Text = isVistrel() ? tr("VISTREL_SHOW_PICTURE2")
        : isNumivax()                        ? tr("TOOLTIP_SHOW_BACKSIDE_PICTURE_NUMIVAX")
                                             : tr("VIS_KVITTERING");
    m_viewPicture2Action = makeAction(picture2Text, QStringLiteral("ViewPicture2"), QKeySequence(Qt::SHIFT | Qt::Key_J),
        isOstrana() ? m_window->receiptIcon() : m_window->pictureIcon(), &MainWindow::ShowReceipt,
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
    m_viewMenu->addAction(makeAction(tr("&Statistik..."), QStringLiteral("ViewStatistics"), QKeySequence(), QIcon(),
        &MainWindow::ShowStatistics,
        tr("Viser summerne fordelt på gruppe, sted, leverandør og købsår, med diagrammer.")));
}

void MainWindowMenus::createSetupMenu()
{
    m_setupMenu = m_window->menuBar()->addMenu(tr("&Opsætning"));
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
    if (isQuorvel()) {
        QAction *labelPrinter = makeAction(tr("&Etiketprinter..."), QStringLiteral("SetupLabelPrinter"), QKeySequence(),
            QIcon(), &MainWindow::SetupLabelPrinter);
        m_setupMenu->addAction(labelPrinter);
    }
    m_setupMenu->addSeparator();
    m_setupMenu->addAction(makeAction(
        tr("&Billedvisnings program..."), QString(), QKeySequence(), QIcon(), &MainWindow::browsePictureViewer_slot));
    m_setupMenu->addAction(makeAction(
        tr("Internet program (&www)..."), QString(), QKeySequence(), QIcon(), &MainWindow::browseWWWViewer_slot));
    m_setupMenu->addAction(
        makeAction(tr("SetupDefaultDirectories"), QString(), QKeySequence(), QIcon(), &MainWindow::SetupCommon));
}

void MainWindowMenus::createLanguageMenu()
{
    m_languageMenu = m_window->menuBar()->addMenu(tr("LANGUAGE_MENU"));
    m_languageMenu->setObjectName(QStringLiteral("languageMenu"));
    m_languageMenu->addAction(
        makeAction(tr("DANISH_LANG..."), QString(), QKeySequence(), QIcon(), &MainWindow::DkLanguage));
    if (!isQuorvel())
        m_languageMenu->addAction(
            makeAction(tr("NORWAY_LANG..."), QString(), QKeySequence(), QIcon(), &MainWindow::NoLanguage));
    m_languageMenu->addAction(
        makeAction(tr("ENGLISH_LANG..."), QString(), QKeySequence(), QIcon(), &MainWindow::EnLanguage));
}

void MainWindowMenus::createHelpMenu()
{
    m_helpMenu = m_window->menuBar()->addMenu(tr("&Hjælp"));
    m_helpMenu->setObjectName(QStringLiteral("helpMenu"));

    // Every edition has every help page in every language.
    m_helpMenu->addAction(makeAction(tr("&Hjælp..."), QString(), QKeySequence(Qt::Key_F1), QIcon(), &MainWindow::Help));
    m_helpMenu->addAction(
        makeAction(tr("&Tutorial..."), QString(), QKeySequence(), QIcon(), &MainWindow::HelpTutorial));
    m_helpMenu->addAction(makeAction(tr("&Links..."), QString(), QKeySequence(), QIcon(), &MainWindow::HelpLinks));
    m_helpMenu->addAction(
        makeAction(tr("&ErrorHandling..."), QString(), QKeySequence(), QIcon(), &MainWindow::HelpErrorHandling));
    m_helpMenu->addAction(
        makeAction(tr("&Release noter..."), QString(), QKeySequence(), QIcon(), &MainWindow::HelpReleases));

    auto *whatsThis = new QAction(tr("&Hvad er det ?"), m_window);
    whatsThis->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1));
    QObject::connect(whatsThis, &QAction::triggered, m_window, [] { QWhatsThis::enterWhatsThisMode(); });
    m_helpMenu->addAction(whatsThis);

    m_helpMenu->addSeparator();
    m_aboutAction = makeAction(
        tr("&Om ostrana register..."), QString(), QKeySequence(Qt::CTRL | Qt::Key_F1), QIcon(), &MainWindow::About);
    m_helpMenu->addAction(m_aboutAction);
}

void MainWindowMenus::createToolBars()
{
    m_fileToolBar = m_window->addToolBar(tr("Fil"));
    m_fileToolBar->setObjectName(QStringLiteral("Fil"));
    m_fileToolBar->addAction(m_fileNewAction);
    m_fileToolBar->addAction(m_fileOpenAction);
    m_fileToolBar->addAction(m_fileSaveAction);
    m_fileToolBar->addAction(m_printAction);
    m_fileToolBar->addAction(QWhatsThis::createAction(m_fileToolBar));

    m_toolsToolBar = m_window->addToolBar(tr("Tools"));
    m_toolsToolBar->setObjectName(QStringLiteral("Tools"));
    m_toolsToolBar->addAction(m_newItemAction);
    m_toolsToolBar->addAction(m_editRecordAction);
    m_toolsToolBar->addAction(m_editSearchAction);
    m_toolsToolBar->addAction(m_viewPictureAction);
    m_toolsToolBar->addAction(m_viewPicture2Action);
    m_toolsToolBar->addAction(m_viewUrlAction);
    m_toolsToolBar->addAction(m_viewDocAction);
}

void MainWindowMenus::createContextMenu()
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
    m_listView->addToContextMenu(nullptr);
    m_listView->addToContextMenu(m_changeSelectedAction);
    m_listView->addToContextMenu(m_selectGroupAction);
}
