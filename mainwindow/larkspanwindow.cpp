#include "mainwindow/larkspanwindow.h"

#include "core/Edition.h"
#include "core/LogXML.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "desktop/StatusBarProgress.h"
#include "desktop/ExternalViewers.h"
#include "desktop/MessageBox.h"
#include "help/HelpTopics.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/MainWindowMenus.h"
#include "mainwindow/RecentFiles.h"
#include "mainwindow/UndoHistory.h"
#include "output/ListPrinter.h"
#include "output/ReportDialog.h"
#include "output/printSelectDataDialog.h"
#include "recovery/CrashRecovery.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QMenu>
#include <QStatusBar>
#include <QThread>

namespace {

// The source module the event log names for the window's operations.
const QString LogFileName = QStringLiteral("larkspanwindow");

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

// The window whose title shows the flag of unsaved changes.
MainWindow *&windowShowingModified()
{
    static MainWindow *window = nullptr;
    return window;
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
    // "[*]" is where the title shows that the database has unsaved changes
    // (setWindowModified); one in the file's name is doubled to stay as it is.
    QString name = fileName;
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    return caption + QStringLiteral(" - ") + name + QStringLiteral("[*]");
}

MainWindow::MainWindow(QWidget *parent)
    : MainWindow(QString(), parent)
{ }

MainWindow::MainWindow(const QString &startDatabase, QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("main window"));
    registerProgramResources();
    m_recentFiles = std::make_unique<RecentFiles>(this);
    m_recovery = std::make_unique<CrashRecovery>(this);

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
    // Loading, saving and exporting a large register show their progress here.
    (new StatusBarProgress(bar))->install();

    m_undoHistory = new UndoHistory(this);

    m_listView = new ItemListView(this);
    connect(m_listView, &ItemListView::rowSelected, this, &MainWindow::ItemSelected);
    connect(m_listView, &ItemListView::message, this, qOverload<const QString &, int>(&MainWindow::message));

    setUpDiskChanges();
    FileNew();
    // The title marks unsaved changes for as long as the window lives.
    windowShowingModified() = this;
    setDatabaseModifiedListener([](bool modified) {
        if (MainWindow *window = windowShowingModified())
            window->setWindowModified(modified);
    });
    setWindowModified(databaseModified());
    setCentralWidget(makeListArea());

    m_menus = std::make_unique<MainWindowMenus>(this, m_listView);
    m_recentFiles->showIn(m_menus->fileMenu(), m_menus->quitSeparator());

    openStartDatabase(startDatabase);
}

MainWindow::~MainWindow()
{
    if (windowShowingModified() == this)
        windowShowingModified() = nullptr;
    discardDatabase();
    m_undoHistory->attach(nullptr);
    m_collection.reset();
    m_log.reset();
}

// ---------------------------------------------------------------------------
// Settings and language

void MainWindow::ReadSettings()
{
    m_recentFiles->read();
}

void MainWindow::SaveSettings()
{
    {
        Settings settings;
        settings.setValue(QStringLiteral("geometri/mainWinWidth"), width());
        settings.setValue(QStringLiteral("geometri/mainWinHeight"), height());
        settings.setValue(QStringLiteral("geometri/mainWinPosX"), pos().x());
        settings.setValue(QStringLiteral("geometri/mainWinPosY"), pos().y());
        settings.setValue(QStringLiteral("Items/showAllItems"), m_menus && m_menus->showAllChecked());
    }
    m_recentFiles->write();
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
    m_undoHistory->attach(nullptr);
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

void MainWindow::ItemSelected(funiQListViewItem *row)
{
    if (m_menus)
        m_menus->enableForRow(row);
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

void MainWindow::NewItem()
{
    if (m_sessionClosed || !m_collection || m_collection->isReadOnly())
        return;
    m_listView->NewItem();
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
    m_listView->ViewAll(m_menus && m_menus->showAllChecked());
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

void MainWindow::Print()
{
    ListPrinter printer(m_collection.get());
    connect(&printer, &ListPrinter::message, this, qOverload<const QString &, int>(&MainWindow::message));
    printer.Print(this);
}

void MainWindow::MakeReport()
{
    auto *dialog = new ReportDialog(m_collection.get());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Without a parent the report does not go when the window does; the
    // collection it was made from does.
    connect(this, &QObject::destroyed, dialog, &QObject::deleteLater);
    dialog->show();
}

void MainWindow::SetupWhatToPrint()
{
    auto *dialog = new printSelectDataDialog(m_collection.get(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void MainWindow::Help()
{
    HelpTopics::open(HelpTopics::Contents);
}

void MainWindow::HelpTutorial()
{
    HelpTopics::open(HelpTopics::Tutorial);
}

void MainWindow::HelpLinks()
{
    HelpTopics::open(HelpTopics::Links);
}

void MainWindow::HelpErrorHandling()
{
    HelpTopics::open(HelpTopics::ErrorHandling);
}

void MainWindow::HelpReleases()
{
    HelpTopics::openReleaseNotes(this);
}

QStringList MainWindow::recentFiles() const
{
    return m_recentFiles->files();
}

QMenu *MainWindow::fileMenu() const
{
    return m_menus ? m_menus->fileMenu() : nullptr;
}
