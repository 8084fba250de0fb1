// The main window's statistics: the totals of the register, of the rows the
// filter shows or of the selected rows on screen, with charts.

#include "mainwindow/larkspanwindow.h"

#include "database/DBItemCollection.h"
#include "mainwindow/ItemListView.h"
#include "statistics/StatisticsDialog.h"

void MainWindow::ShowStatistics()
{
    if (!m_collection)
        return;
    StatisticsDialog dialog(*m_collection, m_listView->selectedItemsToRead(), m_listView->shownItemsToRead(), this);
    dialog.setObjectName(QStringLiteral("statisticsDialog"));
    dialog.exec();
}
