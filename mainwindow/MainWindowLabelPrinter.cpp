// The main window's label printer setup (Quorvel's Setup menu): the picture
// of the next label, the printer and the names on the labels.

#include "mainwindow/larkspanwindow.h"

#include "barcodes/LabelPrinterDialog.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/funiQListViewItem.h"

#include <algorithm>

namespace {

bool hasInventoryNumber(const Item *item)
{
    return item && !item->serialno().trimmed().isEmpty();
}

// The first item of the group (or of the register, for -1) that gets a label.
const Item *firstLabelled(const DBItemCollection &collection, int group)
{
    for (const Item *item : collection) {
        if ((group < 0 || item->group() == group) && hasInventoryNumber(item))
            return item;
    }
    return nullptr;
}

} // namespace

void MainWindow::SetupLabelPrinter()
{
    // The labels shown are those of the current row: its item, or the first
    // of its group that gets a label, and its group's location.
    int group = m_listView->currentGroup();
    const funiQListViewItem *current = m_listView->currentItem();
    const Item *item = current && !current->isGroupRow() ? current->item() : nullptr;
    if (m_collection && !hasInventoryNumber(item))
        item = firstLabelled(*m_collection, group);
    if (group < 0 && item)
        group = item->group();

    LabelPrinterDialog::Sample sample;
    if (item) {
        sample.serialno = item->serialno();
        sample.itemName = item->name();
    } else {
        // An empty register still shows what its first label will look like.
        sample.serialno = QStringLiteral("1");
        sample.itemName = tr("Eksempel");
    }
    sample.location = std::max(0, group);
    sample.locationName = m_collection ? m_collection->groups().entry(sample.location) : QString();
    if (sample.locationName.isEmpty())
        sample.locationName = tr("Eksempel");
    LabelPrinterDialog dialog(sample, this);
    dialog.setObjectName(QStringLiteral("labelPrinterDialog"));
    dialog.exec();
}
