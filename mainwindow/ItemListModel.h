#pragma once

#include <QAbstractItemModel>
#include <QHash>
#include <QStringList>

#include <vector>

#include "database/ItemTotals.h"
#include "database/ItemFilter.h"

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
//
// A filter (setFilter) leaves only the rows of the items it matches: each
// group then keeps every item it lists beside the rows it shows, and its row
// says how many of them it shows. A row stays while the filter does: an item
// added on its own (the one the user just made), a shown item changed or
// moved so that it no longer matches, and one that is asked for (revealItem)
// keep their rows until the filter next changes; a hidden item that comes to
// match gets its row. A longer filter tests only the rows shown, and only for
// its new words, so typing on costs less the fewer rows are left; a filter
// taken back (Backspace) finds what it left before, kept for the filters
// typed since the filter was last empty or the items changed.
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
    // Adds the item under group row g (which must exist); returns the index
    // of its row, invalid when the filter hides it. With shownAnyway the row
    // is shown whatever the filter.
    QModelIndex addItem(Item *item, int group, bool shownAnyway = false);
    // Removes the item from the list, its row with it; false when the list
    // does not hold it.
    bool removeItem(const Item *item);
    // Moves the item's row under group row g (which must exist), where
    // addItem would put it, as a move of the row: the indexes held of it
    // (current row, selection) go with it. Returns its index; an invalid one
    // when the list does not hold the item or the filter hides it.
    QModelIndex moveItem(const Item *item, int group);
    // Removes every item row; the group rows stay.
    void clearItems();
    // Repaints the item's row and, when sorted, moves it to its sorted place;
    // a hidden item that the filter now matches gets its row.
    void itemChanged(const Item *item);
    void setGroupName(int group, const QString &name);
    void setHeaderTitle(int column, const QString &title);

    int groupCount() const { return int(m_groups.size()); }
    // The group's name, as the group list names it: what the group rows sort
    // by and what every user of a group row's name gets.
    QString groupName(int group) const;
    // What the group row shows in the group column: "Name (N)", N the item
    // rows shown under it, and while filtered how many of its items it shows
    // ("Stue (3 af 12)").
    QString groupCaption(int group) const;
    // The totals of the item rows listed under the group, summed now when
    // a change left them unknown.
    const ItemTotals &groupTotals(int group) const;
    // The group shown at top-level row `row`, and back; -1 when out of range.
    int groupAtRow(int row) const;
    int rowOfGroup(int group) const;
    // The group's item rows, in the order shown.
    const std::vector<Item *> &itemsOf(int group) const { return m_groups.at(group).items; }
    // The group whose items include the item, shown or hidden by the filter;
    // -1 when none does.
    int groupOfItem(const Item *item) const;

    // Shows only the rows of the items the filter of the text matches
    // (ItemFilter), or of every item for a text without words. Rows that
    // stay keep their selection and current row.
    void setFilter(const QString &text);
    QString filterText() const { return m_filterText; }
    bool isFiltered() const { return !m_filter.isEmpty(); }
    // Tests every item again, as after the location names changed.
    void refreshFilter();
    // From how many rows to test the filter on every item of the register in
    // the order the items lie in memory, rather than row by row in the
    // list's order (which for a large sorted list waits on memory at every
    // row); negative: the default, tens of thousands. Tests take the way on
    // small lists with 0.
    static void setMarkedPassMinimum(qsizetype rows);
    // Gives a hidden item its row until the filter changes; returns its index.
    QModelIndex revealItem(const Item *item);
    // The item rows shown, and the items listed, shown or hidden.
    int shownItemCount() const;
    int listedItemCount() const;

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

signals:
    // While filtered: the number of items shown or listed may have changed.
    void countsChanged();

private:
    struct Group
    {
        QString name;
        // The rows shown.
        std::vector<Item *> items;
        mutable ItemTotals totals;
        mutable bool totalsKnown = false;
        // While filtered, every item of the group, shown or not, in the
        // order the rows would have unfiltered; empty otherwise.
        std::vector<Item *> all;
    };

    // The group's rows changed in a way its totals cannot follow: they are
    // summed again when next asked for, and the group row is repainted.
    void groupRowsChanged(int group);
    // Repaints the caption and totals of the group row.
    void groupRowShowsOther(int group);

    std::vector<Item *> &listed(int group);
    const std::vector<Item *> &listed(int group) const;
    // A filter typed since the list last changed, and which items it left:
    // a filter taken back, or one that narrows it, starts from those.
    struct FilterStep
    {
        ItemFilter filter;
        // Per group, per item of the group (in the order of `all`).
        std::vector<std::vector<bool>> shown;
        size_t count = 0;
    };
    // The rows of every group that the filter leaves, from the fewest rows
    // known to hold them all.
    std::vector<std::vector<Item *>> rowsOf(const ItemFilter &filter) const;
    std::vector<std::vector<Item *>> rowsOf(const FilterStep &step) const;
    void rememberStep(const ItemFilter &filter, const std::vector<std::vector<Item *>> &rows);
    // The items or their order changed: the steps no longer apply.
    void forgetSteps() { m_steps.clear(); }
    // The rows of each group that the test keeps, out of source[g].
    std::vector<std::vector<Item *>> filteredRows(
        const ItemFilter &test, const std::vector<const std::vector<Item *> *> &sources) const;
    // Replaces the shown rows by rows[g] where they differ, as one change of
    // the layout: the rows that stay keep their indexes. False when every
    // group shows those rows already (and nothing was told).
    bool showRows(std::vector<std::vector<Item *>> rows);
    // Where a hidden item's row goes among the shown ones.
    int shownPosition(int group, const Item *item) const;
    // Inserts the row of a hidden item of the group.
    QModelIndex showHiddenItem(int group, const Item *item);
    // The group row's caption and the counts changed, while filtered.
    void countsChangedIn(int group);

    // Sorts every group's items by the sort in force, without telling the
    // views. Given the groups to track, keeps a tracked group's old
    // positions, in sorted order, in oldPositions.
    void sortItemsOfEveryGroup(const std::vector<char> *tracked = nullptr,
        std::vector<std::vector<quint32>> *oldPositions = nullptr, std::vector<Item *> Group::*which = &Group::items);
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
    ItemFilter m_filter;
    QString m_filterText;
    // Some rows are shown that the filter does not match (kept or revealed).
    bool m_keptRows = false;
    std::vector<FilterStep> m_steps;
};
