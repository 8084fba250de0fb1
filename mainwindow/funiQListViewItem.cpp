#include "mainwindow/funiQListViewItem.h"

#include "database/Item.h"
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

qint64 funiQListViewItem::dayNumber(QAnyStringView text)
{
    // The usual "dd.mm.yyyy" read directly, to the date Item::dateFromText
    // reads from it: sorting by date reads every item's date, in whatever
    // form the item keeps it.
    if (text.size() == 10) {
        const qint64 day = text.visit([](auto view) -> qint64 {
            if constexpr (std::is_same_v<decltype(view), QUtf8StringView>)
                return -1; // not a form the register keeps dates in
            const auto digit = [&view](int i) {
                const char16_t unit = QChar(view[i]).unicode();
                return unit >= u'0' && unit <= u'9' ? int(unit - u'0') : -1;
            };
            const int digits[8] = { digit(0), digit(1), digit(3), digit(4), digit(6), digit(7), digit(8), digit(9) };
            if (!std::all_of(std::begin(digits), std::end(digits), [](int d) { return d >= 0; }))
                return -1;
            const QDate date(digits[4] * 1000 + digits[5] * 100 + digits[6] * 10 + digits[7],
                digits[2] * 10 + digits[3], digits[0] * 10 + digits[1]);
            return date.isValid() ? date.toJulianDay() : 0;
        });
        if (day >= 0)
            return day;
    }
    const QDate date = Item::dateFromText(text.toString());
    return date.isValid() ? date.toJulianDay() : 0;
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
