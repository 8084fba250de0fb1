// The main window's spreadsheet export: the register, the group of the
// current row or the selected rows, as a CSV file.

#include "mainwindow/larkspanwindow.h"

#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/funiQListViewItem.h"
#include "spreadsheet/CsvExportDialog.h"

void MainWindow::ExportCsv()
{
    if (!m_collection)
        return;
    int group = -1;
    if (const funiQListViewItem *current = m_listView->currentItem())
        group = current->isGroupRow() ? current->groupNumber() : current->item()->group();
    const QList<Item *> selected = m_listView->selectedListItems();
    const QList<const Item *> selection(selected.cbegin(), selected.cend());
    CsvExportDialog dialog(*m_collection, m_currentFileName, group, selection, this);
    dialog.setObjectName(QStringLiteral("csvExportDialog"));
    dialog.exec();
}
