#include "mainwindow/funiQListViewItem.h"

#include "database/Item.h"
#include "database/ItemColumnText.h"
#include "mainwindow/ItemListModel.h"
#include "mainwindow/ItemListView.h"

#include <QDate>

#include <algorithm>
#include <type_traits>
#include <iterator>

funiQListViewItem::funiQListViewItem(ItemListView *list, int group)
    : m_list(list)
    , m_group(group)
{ }

funiQListViewItem::funiQListViewItem(ItemListView *list, Item *item)
    : m_list(list)
    , m_item(item)
{ }

QModelIndex funiQListViewItem::index(int column) const
{
    const ItemListModel *model = m_list->listModel();
    return isGroupRow() ? model->groupIndex(m_group, column) : model->itemIndex(m_item, column);
}

QString funiQListViewItem::text(int column) const
{
    if (isGroupRow())
        return column == 0 ? m_list->listModel()->groupName(m_group) : QString();
    return m_list->cellData(m_item, column, Qt::DisplayRole).toString();
}

QIcon funiQListViewItem::icon(int column) const
{
    if (isGroupRow())
        return QIcon();
    return m_list->cellData(m_item, column, Qt::DecorationRole).value<QIcon>();
}

int funiQListViewItem::childCount() const
{
    return isGroupRow() ? int(m_list->listModel()->itemsOf(m_group).size()) : 0;
}

funiQListViewItem *funiQListViewItem::child(int index) const
{
    if (!isGroupRow() || index < 0 || index >= childCount())
        return nullptr;
    return m_list->rowForItem(m_list->listModel()->itemsOf(m_group)[size_t(index)]);
}

funiQListViewItem *funiQListViewItem::parent() const
{
    return isGroupRow() ? nullptr : m_list->groupRow(m_list->listModel()->groupOfItem(m_item));
}

bool funiQListViewItem::isExpanded() const
{
    return isGroupRow() && m_list->isExpanded(index());
}

bool funiQListViewItem::isSelected() const
{
    const QModelIndex row = index();
    return row.isValid() && m_list->selectionModel()->isRowSelected(row.row(), row.parent());
}

void funiQListViewItem::refresh()
{
    if (!isGroupRow())
        m_list->listModel()->itemChanged(m_item);
}

int funiQListViewItem::compareDates(const QString &a, const QString &b)
{
    const qint64 dayA = ItemColumnText::dayNumber(a);
    const qint64 dayB = ItemColumnText::dayNumber(b);
    if (dayA == 0 || dayB == 0) {
        // An unreadable date never compares equal to every date: that would
        // leave the sort without a consistent order.
        if (dayA != dayB)
            return dayA == 0 ? -1 : 1;
        return a.compare(b);
    }
    return dayA < dayB ? -1 : (dayA > dayB ? 1 : 0);
}

Qt::Alignment funiQListViewItem::columnAlignment(int column)
{
    switch (column) {
    case 4:
    case 5:
    case 6:
        return Qt::AlignRight | Qt::AlignVCenter;
    case 7:
    case 8:
    case 16:
        return Qt::AlignCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}
