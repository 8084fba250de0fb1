// The main window's label sheets: labels of the register, a group, the rows
// the filter shows, the selected rows or the locations, on any printer or as
// a PDF.

#include "mainwindow/larkspanwindow.h"

#include "database/DBItemCollection.h"
#include "labels/LabelSheetDialog.h"
#include "mainwindow/ItemListView.h"

void MainWindow::PrintLabelSheets()
{
    if (!m_collection)
        return;
    LabelSheetDialog dialog(*m_collection, m_listView->currentGroup(), m_listView->selectedItemsToRead(),
        m_listView->shownItemsToRead(), this);
    dialog.setObjectName(QStringLiteral("labelSheetDialog"));
    dialog.exec();
}
