// What the item list does on the user's commands: selection, the link
// columns and the show commands, the item dialogs it opens, deletion, the
// one-item page and the context menu. The rows themselves are made in
// ItemListView.cpp.

#include "mainwindow/ItemListView.h"

#include "core/Edition.h"
#include "core/Settings.h"
#include "database/CollectionStep.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "database/ItemExport.h"
#include "desktop/ExternalViewers.h"
#include "desktop/MessageBox.h"
#include "desktop/WaitCursor.h"
#include "itemdialog/ItemDialog.h"
#include "mainwindow/ItemListModel.h"

#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QStyle>
#include <QToolTip>

funiQListViewItem *ItemListView::FindListViewItem(Item *item)
{
    // A missing item leaves the current row alone: handing back some other
    // row would make the caller work on the wrong item.
    funiQListViewItem *row = rowForItem(item);
    if (!row)
        return nullptr;
    // An item the filter hides is shown for as long as the filter stays.
    m_model->revealItem(item);
    setCurrentItem(row);
    m_currentRow = row;
    return row;
}

bool ItemListView::HasPictureLink(const funiQListViewItem *row) const
{
    const Item *item = m_currentRow ? funiQListViewItem::itemOfRow(row) : nullptr;
    return item && !item->photolink().isEmpty();
}

bool ItemListView::HasReceipt(const funiQListViewItem *row) const
{
    const Item *item = m_currentRow ? funiQListViewItem::itemOfRow(row) : nullptr;
    return item && !item->receipt().isEmpty();
}

bool ItemListView::HasUrl(const funiQListViewItem *row) const
{
    const Item *item = m_currentRow ? funiQListViewItem::itemOfRow(row) : nullptr;
    return item && !item->www().isEmpty();
}

bool ItemListView::HasDocument(const funiQListViewItem *row) const
{
    const Item *item = m_currentRow ? funiQListViewItem::itemOfRow(row) : nullptr;
    return item && !item->document().isEmpty();
}

namespace {

// The question before many items are deleted, in the edition's terms.
QString deleteQuestion(int count)
{
    switch (edition()) {
    case VistrelEdition:
        return ItemListView::tr("Slet %1 billeder?").arg(count);
    case NumivaxEdition:
        return ItemListView::tr("Slet %1 mønter?").arg(count);
    case QuorvelEdition:
        return ItemListView::tr("Slet %1 varer?").arg(count);
    default:
        return ItemListView::tr("Slet %1 inventar?").arg(count);
    }
}

} // namespace

void ItemListView::DeleteItem()
{
    const QList<Item *> selected = selectedListItems();
    if (selected.size() > 1) {
        if (!m_collection)
            return;
        if (m_collection->isReadOnly()) {
            emit message(tr("Databasen er skrivebeskyttet; intet er slettet."), 10000);
            return;
        }
        if (MessageBox::question(this, tr("Slet"), deleteQuestion(int(selected.size())),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
            != QMessageBox::Yes)
            return;
        DeleteItems(selected);
        return;
    }
    Item *item = funiQListViewItem::itemOfRow(m_currentRow);
    if (!item)
        return;
    // The row goes when the collection announces the removal. An item the
    // collection does not hold is not the list's to delete: only its row goes.
    if (m_collection && m_collection->contains(item)) {
        const CollectionStep step(*m_collection, tr("sletning af '%1'").arg(item->name()));
        m_collection->deleteItem(item);
    } else {
        removeRow(m_currentRow);
    }
}

void ItemListView::DeleteItems(const QList<Item *> &items)
{
    if (!m_collection || items.isEmpty())
        return;
    if (items.size() == 1) {
        if (m_collection->contains(items.front())) {
            const CollectionStep step(*m_collection, tr("sletning af '%1'").arg(items.front()->name()));
            m_collection->deleteItem(items.front());
        }
        return;
    }
    const CollectionStep step(*m_collection, tr("sletning af %1 varer").arg(items.size()));
    m_collection->deleteItems(items);
}

void ItemListView::SelectAllItems()
{
    QItemSelection all;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const QModelIndex group = m_model->index(row, 0);
        const int count = m_model->rowCount(group);
        if (count > 0)
            all.select(m_model->index(0, 0, group), m_model->index(count - 1, 0, group));
    }
    expandAll();
    selectionModel()->select(all, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ItemListView::SelectGroupItems()
{
    const funiQListViewItem *row = m_currentRow ? m_currentRow : currentItem();
    if (!row)
        return;
    const int group = row->isGroupRow() ? row->groupNumber() : m_model->groupOfItem(row->item());
    if (group < 0 || group >= m_model->groupCount())
        return;
    const QModelIndex parent = m_model->groupIndex(group);
    const int count = m_model->rowCount(parent);
    setExpanded(parent, true);
    if (count > 0)
        selectionModel()->select(QItemSelection(m_model->index(0, 0, parent), m_model->index(count - 1, 0, parent)),
            QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void ItemListView::SeachItem()
{
    openItemDialog(nullptr, QStringLiteral("DATA"), true, nullptr, QString());
}

void ItemListView::ShowPicture1()
{
    Item *item = funiQListViewItem::itemOfRow(m_currentRow);
    if (!item || item->photolink().isEmpty())
        return;
    const QString link = item->photolink();
    if (isPictureFile(link))
        openItemDialog(item, QStringLiteral("PICTURE"), false, nullptr, QString());
    else
        openWithProgram(pictureViewerProgram(defaultPictureViewer()), link, this);
}

void ItemListView::ShowImage2()
{
    Item *item = funiQListViewItem::itemOfRow(m_currentRow);
    if (!item || item->receipt().isEmpty())
        return;
    const QString link = item->receipt();
    if (isPictureFile(link))
        openItemDialog(item, QStringLiteral("RECEIPT"), false, nullptr, QString());
    else
        shellOpen(link);
}

void ItemListView::ShowUrl()
{
    Item *item = funiQListViewItem::itemOfRow(m_currentRow);
    if (!item)
        return;
    if (item->www().isEmpty()) {
        MessageBox::showCustom(
            MessageBox::Critical, nullptr, tr("NB!"), tr("Ingen URL tilknyttet valgte inventar"), { tr("Ok") });
        return;
    }
    openWithProgram(webProgram(), item->www(), this);
}

void ItemListView::ShowDocument()
{
    Item *item = funiQListViewItem::itemOfRow(m_currentRow);
    if (!item || item->document().isEmpty())
        return;
    shellOpen(item->document());
}

void ItemListView::ItemSelected(funiQListViewItem *row)
{
    if (row) {
        if (m_currentRow)
            clearSelection();
        m_currentRow = row;
        setSelected(row, true);
        viewport()->update();
    }
    emit rowSelected(row);
}

void ItemListView::rowMadeCurrent(funiQListViewItem *row)
{
    if (row) {
        m_currentRow = row;
        viewport()->update();
    }
    emit rowSelected(row);
}

void ItemListView::selectionChangedSlot(funiQListViewItem *row)
{
    ItemSelected(row);
}

void ItemListView::returnPressedSlot(funiQListViewItem *row)
{
    doubleClickOnItemSlot(row);
}

void ItemListView::doubleClickOnItemSlot(funiQListViewItem *row)
{
    funiQListViewItem *listRow = row;
    if (!listRow)
        return;
    setSelected(listRow, true);
    viewport()->update();
    if (!listRow->isGroupRow()) {
        Item *item = listRow->item();
        openItemDialog(item, QStringLiteral("DATA"), false, this, QString());
        RefreshRow(listRow, item);
    } else {
        // A new item in this group.
        openItemDialog(nullptr, QStringLiteral("DATA"), false, this, listRow->text(GroupColumn));
    }
}

void ItemListView::MousePressed(funiQListViewItem *row, const QPoint &pos, int column)
{
    Q_UNUSED(pos);
    if (!row)
        return;
    switch (column) {
    case PictureColumn:
        ShowPicture1();
        break;
    case ReceiptColumn:
        ShowImage2();
        break;
    case WwwColumn:
        ShowUrl();
        break;
    case DocumentColumn:
        ShowDocument();
        break;
    default:
        break;
    }
}

void ItemListView::EditItem()
{
    if (m_currentRow)
        doubleClickOnItemSlot(m_currentRow);
}

ItemDialog *ItemListView::NewItem()
{
    funiQListViewItem *row = m_currentRow ? m_currentRow : topLevelItem(0);
    int group = -1;
    if (row && row->isGroupRow())
        group = row->groupNumber();
    else if (row)
        group = m_model->groupOfItem(row->item());
    const QString groupName = group >= 0 ? m_model->groupName(group) : QString();
    ItemDialog *dialog = openItemDialog(nullptr, QStringLiteral("DATA"), false, this, groupName);
    // By number, not by name: two groups may share a name, and a register
    // without items yet starts its dialog on no group in particular.
    if (group >= 0 && group < dialog->groupComboBox->count())
        dialog->groupComboBox->setCurrentIndex(group);
    return dialog;
}

void ItemListView::ViewCurrentAsHTML()
{
    Item *item = funiQListViewItem::itemOfRow(m_currentRow);
    if (!item)
        return;
    const QString path = ItemExport::outputFilePath(QStringLiteral("CurrentItem"), QStringLiteral(".htm"));
    if (writeItemPage(path, item))
        openHtmlPage(path, QString(), true);
}

void ItemListView::ShowContextMenu(funiQListViewItem *row)
{
    if (!row)
        return;
    m_contextMenu->popup(QCursor::pos());
}

void ItemListView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        returnPressedSlot(currentItem());
        event->accept();
        return;
    }
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (plain && event->text() == QLatin1String("/")) {
        emit filterFieldRequested();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape && isFiltered()) {
        emit filterClearRequested();
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

void ItemListView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        // A right click on a selected row keeps the selection, so that the
        // context menu's commands for many rows work on all of them.
        const QModelIndex index = indexAt(event->position().toPoint());
        if (index.isValid() && selectionModel()->isRowSelected(index.row(), index.parent())) {
            selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
            event->accept();
            return;
        }
    }
    // The base class makes the row under the mouse current first.
    QTreeView::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    funiQListViewItem *row = itemAt(pos);
    if (row)
        MousePressed(row, event->globalPosition().toPoint(), columnAt(pos.x()));
}

bool ItemListView::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        // Show a cell's text as tooltip only when the cell cannot show it whole.
        auto *helpEvent = static_cast<QHelpEvent *>(event);
        const QModelIndex index = indexAt(helpEvent->pos());
        const QString text = index.data(Qt::DisplayRole).toString();
        if (!text.isEmpty()) {
            const QRect rect = visualRect(index);
            const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
            if (fontMetrics().horizontalAdvance(text) + margin > rect.width()) {
                QToolTip::showText(helpEvent->globalPos(), text, viewport(), rect);
                return true;
            }
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return QTreeView::viewportEvent(event);
}

ItemDialog *ItemListView::openItemDialog(
    Item *item, const QString &page, bool search, QWidget *parent, const QString &name)
{
    auto *dialog = new ItemDialog(m_collection, item, page, search, parent, name);
    // Nobody waits for the dialog, so it goes when it is closed (it may have no parent).
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    followItemDialog(dialog);
    dialog->show();
    return dialog;
}

void ItemListView::followItemDialog(ItemDialog *dialog)
{
    connect(dialog, &ItemDialog::itemShown, this, [this](Item *shown) {
        if (funiQListViewItem *row = FindListViewItem(shown))
            ItemSelected(row);
    });
    // The page shows the list's current row, which need not be the dialog's
    // item (a new item has no row yet).
    connect(dialog, &ItemDialog::viewAsHtmlRequested, this, [this](Item *) { ViewCurrentAsHTML(); });
}

bool ItemListView::writeItemPage(const QString &path, Item *item)
{
    if (!m_collection || !item)
        return false;
    WaitCursor waitCursor;
    QString reason;
    if (m_collection->SaveAsHtmlFile(path, false, item, false, false, &reason))
        return true;
    waitCursor.restore();
    const QString shown = QDir::toNativeSeparators(path);
    emit message(tr("%1 blev ikke gemt: %2").arg(shown, reason), 10000);
    MessageBox::critical(this, tr("Eksporten mislykkedes"), tr("%1 blev ikke gemt:\n%2").arg(shown, reason));
    return false;
}
