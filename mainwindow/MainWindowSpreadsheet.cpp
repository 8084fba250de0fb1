// The main window's spreadsheet export: the register, the group of the
// current row or the selected rows, as a CSV file.

#include "mainwindow/larkspanwindow.h"

#include "database/DBItemCollection.h"
#include "mainwindow/ItemListView.h"
#include "spreadsheet/CsvExportDialog.h"

void MainWindow::ExportCsv()
{
    if (!m_collection)
        return;
    CsvExportDialog dialog(
        *m_collection, m_currentFileName, m_listView->currentGroup(), m_listView->selectedItemsToRead(), this);
    dialog.setObjectName(QStringLiteral("csvExportDialog"));
    dialog.exec();
}
