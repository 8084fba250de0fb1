#pragma once

#include <QIcon>
#include <QModelIndex>
#include <QString>

class Item;
class ItemListView;

// A row of the item list as its callers see it: a group row (top-level, the
// group's items beneath it, no item) or an item row (under its group row,
// with a non-owning pointer to its item).
//
// A handle is no part of the list's rows: the list makes one when a caller
// asks for a row, keeps it while the row exists and deletes it when the row
// goes, so a handle stays the same object for the same row, across sorts and
// moves to another group. Filling the list makes none.
class funiQListViewItem
{
public:
    static constexpr int DateColumn = 9;

    // The handle of group row `group` of the list.
    funiQListViewItem(ItemListView *list, int group);
    // The handle of the item's row of the list.
    funiQListViewItem(ItemListView *list, Item *item);

    // The item of an item row; null for a group row or none.
    static Item *itemOfRow(const funiQListViewItem *row) { return row && !row->isGroupRow() ? row->item() : nullptr; }

    Item *item() const { return m_item; }
    bool isGroupRow() const { return m_item == nullptr; }
    // The group number of a group row; -1 for an item row.
    int groupNumber() const { return m_group; }
    ItemListView *list() const { return m_list; }

    // What the row shows in the column, as the list shows it.
    QString text(int column) const;
    QIcon icon(int column) const;
    int textAlignment(int column) const { return int(columnAlignment(column)); }

    // A group row's item rows, in the order shown; an item row has none.
    int childCount() const;
    funiQListViewItem *child(int index) const;
    // The group row of an item row; null for a group row.
    funiQListViewItem *parent() const;
    bool isExpanded() const;
    bool isSelected() const;
    // The row's place in the list's model; invalid when it is no longer listed.
    QModelIndex index(int column = 0) const;

    // Tells the list that the item's fields changed.
    void refresh();

    static Qt::Alignment columnAlignment(int column);

    // Order of two date texts (dd.mm.yyyy): negative, zero or positive as a is
    // before, on or after b. Texts that are no valid date come before all
    // valid dates and compare among themselves by text, so the order is total.
    static int compareDates(const QString &a, const QString &b);

private:
    ItemListView *m_list;
    Item *m_item = nullptr;
    int m_group = -1;
};
