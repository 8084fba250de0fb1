// The main window's value report: the register, a group, a location or the
// selected rows as a PDF for an insurer or an appraiser.

#include "mainwindow/larkspanwindow.h"

#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/funiQListViewItem.h"
#include "output/ValueReportDialog.h"

void MainWindow::MakeValueReport()
{
    if (!m_collection)
        return;
    int group = -1;
    if (const funiQListViewItem *current = m_listView->currentItem())
        group = current->isGroupRow() ? current->groupNumber() : current->item()->group();
    const QList<Item *> selected = m_listView->selectedListItems();
    const QList<const Item *> selection(selected.cbegin(), selected.cend());
    ValueReportDialog dialog(*m_collection, group, selection, this);
    dialog.setObjectName(QStringLiteral("valueReportDialog"));
    dialog.exec();
}
