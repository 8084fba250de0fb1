#include "mainwindow/funiQListViewItem.h"

#include "database/Item.h"
#include "mainwindow/ItemListView.h"

#include <QDate>

namespace {

// The day number of a date text, read the way an item reads its date; 0
// when that is no valid date.
qint64 dayNumber(const QString &text)
{
    const QDate date = Item::dateFromText(text);
    return date.isValid() ? date.toJulianDay() : 0;
}

} // namespace

funiQListViewItem::funiQListViewItem(QTreeWidget *view)
    : QTreeWidgetItem(view, RowType)
{ }

funiQListViewItem::funiQListViewItem(QTreeWidgetItem *parent)
    : QTreeWidgetItem(parent, RowType)
{ }

bool funiQListViewItem::isExpandable() const
{
    return childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator;
}

void funiQListViewItem::setExpandable(bool expandable)
{
    setChildIndicatorPolicy(
        expandable ? QTreeWidgetItem::ShowIndicator : QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

bool funiQListViewItem::operator<(const QTreeWidgetItem &other) const
{
    const QTreeWidget *view = treeWidget();
    const int column = view ? view->sortColumn() : 0;
    if (column != DateColumn || other.type() != RowType)
        return QTreeWidgetItem::operator<(other);
    const auto &otherRow = static_cast<const funiQListViewItem &>(other);
    if (isGroupRow() || otherRow.isGroupRow())
        return QTreeWidgetItem::operator<(other);
    return compareDates(text(DateColumn), other.text(DateColumn)) < 0;
}

int funiQListViewItem::compareDates(const QString &a, const QString &b)
{
    const qint64 dayA = dayNumber(a);
    const qint64 dayB = dayNumber(b);
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

QVariant funiQListViewItem::data(int column, int role) const
{
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(int(columnAlignment(column)));
    if (m_item && !isGroupRow() && (role == Qt::DisplayRole || role == Qt::EditRole || role == Qt::DecorationRole)) {
        if (const auto *list = qobject_cast<const ItemListView *>(treeWidget()))
            return list->cellData(m_item, column, role);
    }
    return QTreeWidgetItem::data(column, role);
}
