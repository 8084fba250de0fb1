// The main window's label sheets: labels of the register, a group, the
// selected rows or the locations, on any printer or as a PDF.

#include "mainwindow/larkspanwindow.h"

#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "labels/LabelSheetDialog.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/funiQListViewItem.h"

void MainWindow::PrintLabelSheets()
{
    if (!m_collection)
        return;
    int group = -1;
    if (const funiQListViewItem *current = m_listView->currentItem())
        group = current->isGroupRow() ? current->groupNumber() : current->item()->group();
    const QList<Item *> selected = m_listView->selectedListItems();
    const QList<const Item *> selection(selected.cbegin(), selected.cend());
    LabelSheetDialog dialog(*m_collection, group, selection, this);
    dialog.setObjectName(QStringLiteral("labelSheetDialog"));
    dialog.exec();
}
