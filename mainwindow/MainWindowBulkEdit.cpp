// The main window's commands for many items at once: selecting them and
// changing their fields together.

#include "mainwindow/larkspanwindow.h"

#include "bulkedit/BulkEditDialog.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "mainwindow/ItemListView.h"

void MainWindow::ChangeSelected()
{
    if (m_sessionClosed || !m_collection || m_collection->isReadOnly())
        return;
    const QList<Item *> items = m_listView->selectedListItems();
    if (items.isEmpty()) {
        emit message(tr("Vælg først de rækker, der skal rettes."), 10000);
        return;
    }
    auto *dialog = new BulkEditDialog(m_collection.get(), items, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &BulkEditDialog::itemsChanged, this,
        [this](int count) { emit message(tr("%1 rækker er rettet.").arg(count), 10000); });
    // Modal to the window, without waiting: the selection stays as it was
    // while the dialog is open.
    dialog->open();
}

void MainWindow::SelectAllItems()
{
    m_listView->SelectAllItems();
}

void MainWindow::SelectGroupItems()
{
    m_listView->SelectGroupItems();
}
