// The main window's value report: the register, a group, a location, the
// rows the filter shows or the selected rows as a PDF for an insurer or an
// appraiser.

#include "mainwindow/larkspanwindow.h"

#include "database/DBItemCollection.h"
#include "mainwindow/ItemListView.h"
#include "output/ValueReportDialog.h"

void MainWindow::MakeValueReport()
{
    if (!m_collection)
        return;
    ValueReportDialog dialog(*m_collection, m_listView->currentGroup(), m_listView->selectedItemsToRead(),
        m_listView->shownItemsToRead(), this);
    dialog.setObjectName(QStringLiteral("valueReportDialog"));
    dialog.exec();
}
