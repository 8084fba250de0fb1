#pragma once

#include <QAbstractItemModel>
#include <QHash>
#include <QStringList>

#include <vector>

#include "database/ItemTotals.h"

class Item;
class ItemListView;

// The rows of the item list: one top-level row per group of the group list
// and, beneath it, the group's items. An item row is no object of its own but
// a position in its group's vector of items, so a list of a million items
// costs a pointer per item. An index's internalId is 0 for a group row and the
// group number plus one for an item row.
//
// The items are not owned. What a cell shows comes from the list
// (ItemListView::cellData).
//
// A group row shows its caption (the name and how many rows it holds) and,
// in the count and amount columns, the totals of its item rows
// (ItemTotals). The totals of a group are known once the group has been
// summed: filling the list sums every group on its pass, an added row is
// added to them, and any other change to a group's rows (a row removed,
// changed, moved away or in) has them summed again when next shown, since
// the item's old amounts are gone by the time the list hears of the change.
// A group is summed at most once between two changes to it, so a step that
// changes many of its items costs one pass.
//
// Sorting follows the header: group rows sort among themselves by name (only
// the group column sorts them), item rows within their group; the order is
// stable. Rows added or changed while sorted go to their sorted place.
class ItemListModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    explicit ItemListModel(ItemListView *list);

    // One group row per name, in this order, and no item rows.
    void setGroups(const QStringList &names);
    // No rows at all.
    void clear();
    // Replaces every group's item rows (items[g] for group g, in that order),
    // sorted when a sort is in force. Groups beyond items get none. With one
    // totals per group (those of items[g]), the groups need no summing.
    void setItems(std::vector<std::vector<Item *>> items, std::vector<ItemTotals> totals = {});
    // Adds a row for the item under group row g (which must exist); returns its index.
    QModelIndex addItem(Item *item, int group);
    // Removes the item's row; false when no row holds it.
    bool removeItem(const Item *item);
    // Moves the item's row under group row g (which must exist), where
    // addItem would put it, as a move of the row: the indexes held of it
    // (current row, selection) go with it. Returns its index; an invalid one
    // when no row holds the item.
    QModelIndex moveItem(const Item *item, int group);
    // Removes every item row; the group rows stay.
    void clearItems();
    // Repaints the item's row and, when sorted, moves it to its sorted place.
    void itemChanged(const Item *item);
    void setGroupName(int group, const QString &name);
    void setHeaderTitle(int column, const QString &title);

    int groupCount() const { return int(m_groups.size()); }
    // The group's name, as the group list names it: what the group rows sort
    // by and what every user of a group row's name gets.
    QString groupName(int group) const;
    // What the group row shows in the group column: "Name (N)", N the item
    // rows listed under it.
    QString groupCaption(int group) const;
    // The totals of the item rows listed under the group, summed now when
    // a change left them unknown.
    const ItemTotals &groupTotals(int group) const;
    // The group shown at top-level row `row`, and back; -1 when out of range.
    int groupAtRow(int row) const;
    int rowOfGroup(int group) const;
    const std::vector<Item *> &itemsOf(int group) const { return m_groups.at(group).items; }
    // The group whose row list holds the item; -1 when none does.
    int groupOfItem(const Item *item) const;

    QModelIndex groupIndex(int group, int column = 0) const;
    QModelIndex itemIndex(const Item *item, int column = 0) const;
    // The item of an item row; null for a group row or no row.
    Item *itemAt(const QModelIndex &index) const;
    // The group of a group row; -1 for an item row or no row.
    int groupAt(const QModelIndex &index) const;

    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }
    // Three-way comparison of two items by what the column shows, the way
    // the list sorts: plain character-code order of the texts, the count
    // and price columns by the number shown, the date column by calendar
    // date with unreadable dates first.
    int compareItems(const Item *a, const Item *b, int column) const;

    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    bool hasChildren(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    struct Group
    {
        QString name;
        std::vector<Item *> items;
        mutable ItemTotals totals;
        mutable bool totalsKnown = false;
    };

    // The group's rows changed in a way its totals cannot follow: they are
    // summed again when next asked for, and the group row is repainted.
    void groupRowsChanged(int group);
    // Repaints the caption and totals of the group row.
    void groupRowShowsOther(int group);

    // Sorts every group's items by the sort in force, without telling the
    // views. Given the groups to track, keeps a tracked group's old
    // positions, in sorted order, in oldPositions.
    void sortItemsOfEveryGroup(
        const std::vector<char> *tracked = nullptr, std::vector<std::vector<quint32>> *oldPositions = nullptr);
    void sortGroupRows();
    bool sortsItems() const;
    // Where a row belongs among the others when sorted: past its equals for
    // a new row, before them for a changed one.
    int insertionPosition(const std::vector<Item *> &items, const Item *item, bool afterEquals) const;
    int positionOf(int group, const Item *item) const;
    const QHash<const Item *, int> &groupIndexOfItems() const;

    ItemListView *m_list;
    std::vector<Group> m_groups;
    std::vector<int> m_groupOfRow;
    std::vector<int> m_rowOfGroup;
    QStringList m_titles;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    // Which group lists an item: made when first asked for, so that filling
    // a large list costs no hashing, and kept up to date from then on.
    mutable QHash<const Item *, int> m_groupOfItem;
    mutable bool m_groupOfItemValid = false;
};
