// The main window's setup, label and stock commands: the list setup dialogs,
// the default folders, the pre-creation of stock items, barcode labels and
// the scanner's location updates. The rest of the window is in
// larkspanwindow.cpp.

#include "mainwindow/larkspanwindow.h"

#include "barcodes/LocationUpdate.h"
#include "barcodes/handlebarcodes.h"
#include "core/Edition.h"
#include "database/DBItemCollection.h"
#include "desktop/FileDialog.h"
#include "mainwindow/ItemListView.h"
#include "setup/AutomakeItems.h"
#include "setup/CommonSetup.h"
#include "setup/setupdialog.h"

namespace {

// The dialog knows no list view: a renamed group retitles its row, and a list
// with names added or deleted is built again.
void openListSetup(MainWindow *window, int kind, const QString &name)
{
    ItemListView *list = window->listView();
    auto *dialog = new setupdialog(window->collection(), kind, window, name, true);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &setupdialog::groupRenamed, list, [list](int position, const QString &text) {
        if (position < list->GetNumberOfGroups())
            list->UpdateGroupItemName(position, text);
    });
    QObject::connect(dialog, &setupdialog::listRebuilt, list, &ItemListView::RebuildList);
    dialog->show();
}

} // namespace

void MainWindow::SetupGroups()
{
    openListSetup(this, setupdialog::Groups, QStringLiteral("Setup Groups"));
}

void MainWindow::SetupLocation()
{
    openListSetup(this, setupdialog::Locations, QStringLiteral("Setup Location"));
}

void MainWindow::SetupSupplier()
{
    openListSetup(this, setupdialog::Suppliers, QStringLiteral("Setup Suppliers"));
}

void MainWindow::SetupCommon()
{
    auto *dialog = new CommonSetup(this, tr("CommonSetupDialogTitle"), false);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void MainWindow::AutoMakeItems()
{
    // The list shows the new items as the collection announces them.
    auto *dialog = new AutomakeItems(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setCollection(collection());
    dialog->show();
}

void MainWindow::PrintBarcode()
{
    HandlerBarcodesC labels;
    const funiQListViewItem *row = m_listView->isItemSelected();
    if (!row) {
        HandlerBarcodesC::startJob(
            eventLog(), QStringLiteral("larkspanwindow"), QStringLiteral("MainWindow::PrintBarcode - QFile::remove"));
        return;
    }
    if (const Item *item = m_listView->currentRowItem())
        labels.printItemLabel(*item, eventLog(), this);
    else
        labels.printGroupLabels(*collection(), row->text(ItemListView::GroupColumn), eventLog(), this);
}

void MainWindow::UpdateLocations()
{
    const QString proposed = (isQuorvel() ? lastDbDir() : QString()) + QStringLiteral("/Location.update.txt");
    const QString path
        = FileDialog::getOpenFileName(this, QCoreApplication::translate("UpdateLocations", "Open_Location_File"),
            proposed, { QCoreApplication::translate("UpdateLocations", "location file (*.txt *.loc)") });
    if (LocationUpdate::importFile(path, *collection(), this))
        m_listView->RebuildList();
    Save();
}
