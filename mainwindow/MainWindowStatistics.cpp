// The main window's statistics: the totals of the register or of the
// selected rows on screen, with charts.

#include "mainwindow/larkspanwindow.h"

#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "mainwindow/ItemListView.h"
#include "statistics/StatisticsDialog.h"

void MainWindow::ShowStatistics()
{
    if (!m_collection)
        return;
    const QList<Item *> selected = m_listView->selectedListItems();
    const QList<const Item *> selection(selected.cbegin(), selected.cend());
    StatisticsDialog dialog(*m_collection, selection, this);
    dialog.setObjectName(QStringLiteral("statisticsDialog"));
    dialog.exec();
}
