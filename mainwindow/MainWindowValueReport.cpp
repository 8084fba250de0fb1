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
    QList<const Item *> selection;
    for (const funiQListViewItem *row : m_listView->selectedItems())
        if (const Item *item = funiQListViewItem::itemOfRow(row))
            selection.append(item);
    ValueReportDialog dialog(*m_collection, group, selection, this);
    dialog.setObjectName(QStringLiteral("valueReportDialog"));
    dialog.exec();
}
