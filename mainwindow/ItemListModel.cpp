#include "mainwindow/ItemListModel.h"

#include "core/ColumnTitles.h"
#include "core/Parallel.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "database/ItemColumnText.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/ItemSorter.h"
#include "mainwindow/funiQListViewItem.h"

#include <algorithm>
#include <numeric>

using namespace ListColumns;

namespace {

// From how many rows the filter tests every item in the order they lie in
// memory: below it the items are few enough to stay in the caches.
constexpr qsizetype defaultMarkedPassMinimum = 20000;
qsizetype markedPassMinimum = defaultMarkedPassMinimum;

template <typename Less> int compareBy(const Item *a, const Item *b, Less less)
{
    if (less(a, b))
        return -1;
    return less(b, a) ? 1 : 0;
}

} // namespace

void ItemListModel::setMarkedPassMinimum(qsizetype rows)
{
    markedPassMinimum = rows < 0 ? defaultMarkedPassMinimum : rows;
}

ItemListModel::ItemListModel(ItemListView *list)
    : QAbstractItemModel(list)
    , m_list(list)
{
    for (int column = 0; column < ListColumnCount; ++column)
        m_titles.append(columnTitle(column));
}

void ItemListModel::setGroups(const QStringList &names)
{
    beginResetModel();
    m_groups.clear();
    m_keptRows = false;
    forgetSteps();
    m_groups.resize(names.size());
    for (qsizetype group = 0; group < names.size(); ++group)
        m_groups[group].name = names.at(group);
    m_groupOfRow.resize(m_groups.size());
    m_rowOfGroup.resize(m_groups.size());
    for (size_t group = 0; group < m_groups.size(); ++group)
        m_groupOfRow[group] = m_rowOfGroup[group] = int(group);
    m_groupOfItem.clear();
    m_groupOfItemValid = false;
    if (m_sortColumn == GroupColumn)
        sortGroupRows();
    endResetModel();
}

void ItemListModel::clear()
{
    setGroups({});
}

void ItemListModel::setItems(std::vector<std::vector<Item *>> items, std::vector<ItemTotals> totals)
{
    beginResetModel();
    const bool summed = totals.size() == m_groups.size();
    for (size_t group = 0; group < m_groups.size(); ++group) {
        Group &row = m_groups[group];
        row.all.clear();
        row.items = group < items.size() ? std::move(items[group]) : std::vector<Item *>();
        row.totalsKnown = summed || row.items.empty();
        row.totals = summed ? totals[group] : ItemTotals();
    }
    m_groupOfItem.clear();
    m_groupOfItemValid = false;
    m_keptRows = false;
    forgetSteps();
    if (sortsItems())
        sortItemsOfEveryGroup();
    if (isFiltered()) {
        std::vector<const std::vector<Item *> *> sources;
        for (const Group &row : m_groups)
            sources.push_back(&row.items);
        std::vector<std::vector<Item *>> shown = filteredRows(m_filter, sources);
        for (size_t group = 0; group < m_groups.size(); ++group) {
            m_groups[group].all = std::move(m_groups[group].items);
            m_groups[group].items = std::move(shown[group]);
        }
    }
    endResetModel();
    if (isFiltered())
        emit countsChanged();
}

QModelIndex ItemListModel::addItem(Item *item, int group, bool shownAnyway)
{
    Group &row = m_groups.at(group);
    forgetSteps();
    if (m_groupOfItemValid)
        m_groupOfItem.insert(item, group);
    if (isFiltered()) {
        const int at = sortsItems() ? insertionPosition(row.all, item, true) : int(row.all.size());
        row.all.insert(row.all.begin() + at, item);
        const bool matches = m_filter.matches(*item);
        if (!matches && !shownAnyway) {
            countsChangedIn(group);
            return QModelIndex();
        }
        m_keptRows = m_keptRows || !matches;
    }
    std::vector<Item *> &items = row.items;
    const int position = sortsItems() ? insertionPosition(items, item, true) : int(items.size());
    beginInsertRows(groupIndex(group), position, position);
    items.insert(items.begin() + position, item);
    endInsertRows();
    countsChangedIn(group);
    return createIndex(position, 0, quintptr(group + 1));
}

bool ItemListModel::removeItem(const Item *item)
{
    const int group = groupOfItem(item);
    if (group < 0)
        return false;
    forgetSteps();
    if (isFiltered()) {
        std::vector<Item *> &all = m_groups[group].all;
        if (const auto found = std::find(all.begin(), all.end(), item); found != all.end())
            all.erase(found);
    }
    const int position = positionOf(group, item);
    if (position >= 0) {
        beginRemoveRows(groupIndex(group), position, position);
        std::vector<Item *> &items = m_groups[group].items;
        items.erase(items.begin() + position);
        m_groupOfItem.remove(item);
        endRemoveRows();
    } else {
        m_groupOfItem.remove(item);
    }
    countsChangedIn(group);
    return true;
}

QModelIndex ItemListModel::moveItem(const Item *item, int group)
{
    const int from = groupOfItem(item);
    if (from < 0)
        return QModelIndex();
    if (from == group) {
        itemChanged(item);
        return itemIndex(item);
    }
    forgetSteps();
    const int position = positionOf(from, item);
    if (isFiltered()) {
        std::vector<Item *> &source = m_groups[from].all;
        std::vector<Item *> &target = m_groups.at(group).all;
        if (const auto found = std::find(source.begin(), source.end(), item); found != source.end()) {
            Item *moved = *found;
            source.erase(found);
            const int at = sortsItems() ? insertionPosition(target, item, true) : int(target.size());
            target.insert(target.begin() + at, moved);
        }
    }
    if (m_groupOfItemValid)
        m_groupOfItem.insert(item, group);
    if (position < 0) {
        // A hidden item that comes to match in its new group gets its row there.
        countsChangedIn(from);
        if (!m_filter.matches(*item)) {
            countsChangedIn(group);
            return QModelIndex();
        }
        const QModelIndex shown = showHiddenItem(group, item);
        return shown;
    }
    m_keptRows = m_keptRows || !m_filter.matches(*item);
    std::vector<Item *> &source = m_groups[from].items;
    std::vector<Item *> &target = m_groups.at(group).items;
    Item *row = source[position];
    const int destination = sortsItems() ? insertionPosition(target, item, true) : int(target.size());
    beginMoveRows(groupIndex(from), position, position, groupIndex(group), destination);
    source.erase(source.begin() + position);
    target.insert(target.begin() + destination, row);
    endMoveRows();
    emit dataChanged(createIndex(destination, 0, quintptr(group + 1)),
        createIndex(destination, ListColumnCount - 1, quintptr(group + 1)));
    countsChangedIn(from);
    countsChangedIn(group);
    return createIndex(destination, 0, quintptr(group + 1));
}

void ItemListModel::clearItems()
{
    for (int group = 0; group < groupCount(); ++group) {
        std::vector<Item *> &items = m_groups[group].items;
        m_groups[group].all.clear();
        m_groups[group].all.shrink_to_fit();
        if (items.empty())
            continue;
        beginRemoveRows(groupIndex(group), 0, int(items.size()) - 1);
        items.clear();
        items.shrink_to_fit();
        endRemoveRows();
        m_groups[group].totals = ItemTotals();
        m_groups[group].totalsKnown = true;
        groupRowShowsOther(group);
    }
    m_groupOfItem.clear();
    m_groupOfItemValid = true;
    forgetSteps();
    if (isFiltered()) {
        if (groupCount() > 0)
            emit dataChanged(index(0, 0), index(groupCount() - 1, 0));
        emit countsChanged();
    }
}

void ItemListModel::itemChanged(const Item *item)
{
    const int group = groupOfItem(item);
    if (group < 0)
        return;
    forgetSteps();
    if (isFiltered() && sortsItems()) {
        // Its place among every item of the group, for when the filter goes.
        std::vector<Item *> &all = m_groups[group].all;
        if (const auto found = std::find(all.begin(), all.end(), item); found != all.end()) {
            Item *changed = *found;
            all.erase(found);
            all.insert(all.begin() + insertionPosition(all, item, false), changed);
        }
    }
    int position = positionOf(group, item);
    if (position < 0) {
        if (m_filter.matches(*item))
            showHiddenItem(group, item);
        return;
    }
    m_keptRows = m_keptRows || !m_filter.matches(*item);
    if (sortsItems()) {
        // The row's place among the others, found as the list always found
        // it: before its equals, but an equal row above keeps it where it is.
        std::vector<Item *> &items = m_groups[group].items;
        Item *row = items[position];
        items.erase(items.begin() + position);
        int target = insertionPosition(items, item, false);
        if (target < position && compareItems(item, items[position - 1], m_sortColumn) == 0)
            target = position;
        items.insert(items.begin() + position, row);
        if (target != position) {
            const QModelIndex parent = groupIndex(group);
            beginMoveRows(parent, position, position, parent, target > position ? target + 1 : target);
            items.erase(items.begin() + position);
            items.insert(items.begin() + target, row);
            endMoveRows();
            position = target;
        }
    }
    emit dataChanged(
        createIndex(position, 0, quintptr(group + 1)), createIndex(position, ListColumnCount - 1, quintptr(group + 1)));
    groupRowsChanged(group);
}

void ItemListModel::setFilter(const QString &text)
{
    m_filterText = text;
    const DBItemCollection *collection = m_list->collection();
    ItemFilter next(text, collection ? &collection->locations() : nullptr);
    if (next.sameWords(m_filter))
        return;
    const bool wasFiltered = isFiltered();
    if (!wasFiltered) {
        for (Group &group : m_groups)
            group.all = group.items;
    }
    std::vector<std::vector<Item *>> rows;
    if (next.isEmpty()) {
        for (Group &group : m_groups)
            rows.push_back(std::move(group.all));
    } else {
        rows = rowsOf(next);
        rememberStep(next, rows);
    }
    m_filter = std::move(next);
    m_keptRows = false;
    const bool rowsChanged = showRows(std::move(rows));
    if (!isFiltered()) {
        forgetSteps();
        for (Group &group : m_groups) {
            group.all.clear();
            group.all.shrink_to_fit();
        }
    }
    // The captions read "(2 af 5)" while filtered; with the same rows their
    // counts and totals stay as they were.
    if (!rowsChanged && wasFiltered != isFiltered()) {
        for (int group = 0; group < groupCount(); ++group)
            groupRowShowsOther(group);
    }
    emit countsChanged();
}

void ItemListModel::refreshFilter()
{
    if (!isFiltered())
        return;
    const DBItemCollection *collection = m_list->collection();
    m_filter = ItemFilter(m_filterText, collection ? &collection->locations() : nullptr);
    m_keptRows = false;
    forgetSteps();
    std::vector<const std::vector<Item *> *> sources;
    for (const Group &group : m_groups)
        sources.push_back(&group.all);
    showRows(filteredRows(m_filter, sources));
    emit countsChanged();
}

QModelIndex ItemListModel::revealItem(const Item *item)
{
    const int group = groupOfItem(item);
    if (group < 0)
        return QModelIndex();
    if (positionOf(group, item) >= 0)
        return itemIndex(item);
    forgetSteps();
    m_keptRows = true;
    return showHiddenItem(group, item);
}

std::vector<std::vector<Item *>> ItemListModel::rowsOf(const ItemFilter &filter) const
{
    for (const FilterStep &step : m_steps) {
        if (step.filter.sameWords(filter))
            return rowsOf(step);
    }
    // Every item the filter matches is among the rows shown when it narrows
    // the filter in force (which they may hold more than, when rows were
    // kept), and among a step's rows when it narrows that step's filter:
    // the fewest of those are tested, for the words that may be missing.
    std::vector<const std::vector<Item *> *> sources;
    size_t fewest = size_t(listedItemCount());
    const FilterStep *start = nullptr;
    bool fromShown = false;
    if (filter.narrows(m_filter) && size_t(shownItemCount()) < fewest) {
        fewest = size_t(shownItemCount());
        fromShown = true;
    }
    for (const FilterStep &step : m_steps) {
        if (step.count < fewest && filter.narrows(step.filter)) {
            fewest = step.count;
            start = &step;
            fromShown = false;
        }
    }
    std::vector<std::vector<Item *>> stepRows;
    if (start)
        stepRows = rowsOf(*start);
    for (size_t group = 0; group < m_groups.size(); ++group) {
        if (start)
            sources.push_back(&stepRows[group]);
        else
            sources.push_back(fromShown ? &m_groups[group].items : &m_groups[group].all);
    }
    if (start)
        return filteredRows(filter.beyond(start->filter), sources);
    if (fromShown)
        return filteredRows(m_keptRows ? filter : filter.beyond(m_filter), sources);
    return filteredRows(filter, sources);
}

std::vector<std::vector<Item *>> ItemListModel::rowsOf(const FilterStep &step) const
{
    std::vector<std::vector<Item *>> rows(m_groups.size());
    for (size_t group = 0; group < m_groups.size() && group < step.shown.size(); ++group) {
        const std::vector<Item *> &all = m_groups[group].all;
        const std::vector<bool> &shown = step.shown[group];
        for (size_t i = 0; i < all.size() && i < shown.size(); ++i) {
            if (shown[i])
                rows[group].push_back(all[i]);
        }
    }
    return rows;
}

void ItemListModel::rememberStep(const ItemFilter &filter, const std::vector<std::vector<Item *>> &rows)
{
    // A filter of a few steps back is what Backspace comes to; older ones go.
    constexpr size_t keptSteps = 32;
    if (m_steps.size() == keptSteps)
        m_steps.erase(m_steps.begin());
    FilterStep step { filter, std::vector<std::vector<bool>>(m_groups.size()), 0 };
    for (size_t group = 0; group < m_groups.size(); ++group) {
        // The rows are in the order of every item of the group.
        const std::vector<Item *> &all = m_groups[group].all;
        std::vector<bool> &shown = step.shown[group];
        shown.assign(all.size(), false);
        size_t row = 0;
        for (size_t i = 0; i < all.size() && row < rows[group].size(); ++i) {
            if (all[i] == rows[group][row]) {
                shown[i] = true;
                ++row;
            }
        }
        // Rows out of that order (none are): no step to go back to.
        if (row != rows[group].size())
            return;
        step.count += row;
    }
    m_steps.push_back(std::move(step));
}

std::vector<std::vector<Item *>> ItemListModel::filteredRows(
    const ItemFilter &test, const std::vector<const std::vector<Item *> *> &sources) const
{
    // Which rows to keep, tested in two halves of about as many rows each,
    // a large list's on two threads at once; each half writes its own flags.
    std::vector<std::vector<char>> keep(sources.size());
    qsizetype total = 0;
    for (size_t group = 0; group < sources.size(); ++group) {
        keep[group].resize(sources[group]->size());
        total += qsizetype(sources[group]->size());
    }
    // Rows in an order of their own (sorted) lie all over memory, and each
    // test would wait for its item. When they are most of the register,
    // every item is tested in the order the items lie, which the processor
    // reads ahead by itself, and the rows then only read the marks the
    // tests left: each mark holds this pass's number and the answer.
    const DBItemCollection *collection = m_list->collection();
    const ItemSpan stored = collection ? collection->items() : ItemSpan();
    const bool inStoredOrder = total >= markedPassMinimum && total >= stored.size() / 2;
    quint16 pass = 0;
    if (inStoredOrder) {
        static quint16 lastPass = 0;
        // The number in the upper 15 bits, never 0 (an item never marked).
        lastPass = quint16(lastPass + 2) == 0 ? 2 : quint16(lastPass + 2);
        pass = lastPass;
        const auto markItems = [&](qsizetype first, qsizetype last) {
            for (qsizetype i = first; i < last; ++i) {
                Item::prefetchAhead(stored, i);
                const Item *item = stored.at(i);
                item->setPassMark(quint16(pass | (test.matches(*item) ? 1 : 0)));
            }
        };
        const qsizetype half = stored.size() / 2;
        Parallel::run(
            stored.size(), [&] { markItems(0, half); }, [&] { markItems(half, stored.size()); });
    }
    const auto testRows = [&](qsizetype first, qsizetype last) {
        qsizetype start = 0;
        for (size_t group = 0; group < sources.size() && start < last; ++group) {
            const std::vector<Item *> &items = *sources[group];
            const qsizetype size = qsizetype(items.size());
            const qsizetype from = std::max<qsizetype>(first - start, 0);
            const qsizetype to = std::min<qsizetype>(last - start, size);
            for (qsizetype row = from; row < to; ++row) {
                const Item &item = *items[size_t(row)];
                if (inStoredOrder) {
                    Item::prefetchItemAhead(items.data(), to, row);
                    // An item the pass did not reach (none is) is tested here.
                    const quint16 mark = item.passMark();
                    if ((mark & ~quint16(1)) == pass) {
                        keep[group][size_t(row)] = char(mark & 1);
                        continue;
                    }
                } else {
                    Item::prefetchAhead(items.data(), to, row);
                }
                keep[group][size_t(row)] = test.matches(item) ? 1 : 0;
            }
            start += size;
        }
    };
    const qsizetype middle = total / 2;
    Parallel::run(
        total, [&] { testRows(0, middle); }, [&] { testRows(middle, total); });

    std::vector<std::vector<Item *>> rows(sources.size());
    for (size_t group = 0; group < sources.size(); ++group) {
        const std::vector<Item *> &items = *sources[group];
        const std::vector<char> &kept = keep[group];
        rows[group].reserve(size_t(std::count(kept.begin(), kept.end(), char(1))));
        for (size_t row = 0; row < items.size(); ++row) {
            if (kept[row])
                rows[group].push_back(items[row]);
        }
    }
    return rows;
}

bool ItemListModel::showRows(std::vector<std::vector<Item *>> rows)
{
    std::vector<char> changed(m_groups.size(), 0);
    bool anyChanged = false;
    for (size_t group = 0; group < m_groups.size(); ++group) {
        changed[group] = rows[group] != m_groups[group].items ? 1 : 0;
        anyChanged = anyChanged || changed[group];
    }
    if (!anyChanged)
        return false;

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // The rows the views hold on to (current row, selection, open groups),
    // by their items, to be found again among the new rows; those of items
    // no longer shown go.
    const QModelIndexList before = persistentIndexList();
    std::vector<const Item *> items(size_t(before.size()), nullptr);
    std::vector<std::vector<const Item *>> wanted(m_groups.size());
    for (qsizetype i = 0; i < before.size(); ++i) {
        const QModelIndex &index = before.at(i);
        if (index.internalId() == 0)
            continue;
        const size_t group = size_t(index.internalId() - 1);
        if (!changed[group])
            continue;
        items[size_t(i)] = m_groups[group].items.at(size_t(index.row()));
        wanted[group].push_back(items[size_t(i)]);
    }
    for (size_t group = 0; group < m_groups.size(); ++group) {
        if (changed[group]) {
            m_groups[group].items = std::move(rows[group]);
            // The totals are of the rows shown; the layout change repaints them.
            m_groups[group].totalsKnown = m_groups[group].items.empty();
            if (m_groups[group].totalsKnown)
                m_groups[group].totals = ItemTotals();
        }
    }

    // Each group's new places of its wanted items: a look at each for a few,
    // one pass over the rows for many.
    std::vector<QHash<const Item *, int>> places(m_groups.size());
    for (size_t group = 0; group < m_groups.size(); ++group) {
        std::vector<const Item *> &sought = wanted[group];
        if (sought.empty())
            continue;
        std::sort(sought.begin(), sought.end());
        sought.erase(std::unique(sought.begin(), sought.end()), sought.end());
        const std::vector<Item *> &shown = m_groups[group].items;
        QHash<const Item *, int> &place = places[group];
        if (sought.size() <= 16) {
            for (const Item *item : sought) {
                const auto found = std::find(shown.begin(), shown.end(), item);
                place.insert(item, found == shown.end() ? -1 : int(found - shown.begin()));
            }
        } else {
            for (const Item *item : sought)
                place.insert(item, -1);
            for (size_t row = 0; row < shown.size(); ++row) {
                const auto found = place.find(shown[row]);
                if (found != place.end())
                    *found = int(row);
            }
        }
    }
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i) {
        const QModelIndex &index = before.at(i);
        const Item *item = items[size_t(i)];
        if (!item) {
            after.append(index);
            continue;
        }
        const int group = int(index.internalId() - 1);
        const int row = places[size_t(group)].value(item, -1);
        after.append(row < 0 ? QModelIndex() : createIndex(row, index.column(), quintptr(group + 1)));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    return true;
}

int ItemListModel::shownPosition(int group, const Item *item) const
{
    const std::vector<Item *> &items = m_groups.at(group).items;
    if (sortsItems())
        return insertionPosition(items, item, true);
    // Unsorted, the rows shown are in the order of every item of the group:
    // the row goes after the shown rows of the items before it.
    int position = 0;
    for (const Item *listedItem : m_groups.at(group).all) {
        if (listedItem == item)
            break;
        if (position < int(items.size()) && items[size_t(position)] == listedItem)
            ++position;
    }
    return position;
}

QModelIndex ItemListModel::showHiddenItem(int group, const Item *item)
{
    const std::vector<Item *> &all = m_groups.at(group).all;
    const auto found = std::find(all.begin(), all.end(), item);
    if (found == all.end())
        return QModelIndex();
    const int position = shownPosition(group, item);
    std::vector<Item *> &items = m_groups[group].items;
    beginInsertRows(groupIndex(group), position, position);
    items.insert(items.begin() + position, *found);
    endInsertRows();
    countsChangedIn(group);
    return createIndex(position, 0, quintptr(group + 1));
}

void ItemListModel::setGroupName(int group, const QString &name)
{
    if (group < 0 || group >= groupCount())
        return;
    m_groups[group].name = name;
    const QModelIndex index = groupIndex(group);
    emit dataChanged(index, index);
    if (m_sortColumn == GroupColumn)
        sort(m_sortColumn, m_sortOrder);
}

void ItemListModel::setHeaderTitle(int column, const QString &title)
{
    if (column < 0 || column >= ListColumnCount)
        return;
    m_titles[column] = title;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

QString ItemListModel::groupName(int group) const
{
    return group >= 0 && group < groupCount() ? m_groups[group].name : QString();
}

int ItemListModel::shownItemCount() const
{
    size_t count = 0;
    for (const Group &group : m_groups)
        count += group.items.size();
    return int(count);
}

int ItemListModel::listedItemCount() const
{
    size_t count = 0;
    for (int group = 0; group < groupCount(); ++group)
        count += listed(group).size();
    return int(count);
}

std::vector<Item *> &ItemListModel::listed(int group)
{
    return isFiltered() ? m_groups.at(group).all : m_groups.at(group).items;
}

const std::vector<Item *> &ItemListModel::listed(int group) const
{
    return isFiltered() ? m_groups.at(group).all : m_groups.at(group).items;
}

QString ItemListModel::groupCaption(int group) const
{
    if (group < 0 || group >= groupCount())
        return QString();
    const QString name = groupName(group);
    if (!isFiltered())
        return QStringLiteral("%1 (%2)").arg(name).arg(m_groups[group].items.size());
    return tr("%1 (%2 af %3)")
        .arg(name, QString::number(m_groups[group].items.size()), QString::number(m_groups[group].all.size()));
}

void ItemListModel::countsChangedIn(int group)
{
    groupRowsChanged(group);
    if (isFiltered())
        emit countsChanged();
}

const ItemTotals &ItemListModel::groupTotals(int group) const
{
    const Group &row = m_groups.at(group);
    if (!row.totalsKnown) {
        row.totals = ItemTotals::of(row.items.data(), qsizetype(row.items.size()));
        row.totalsKnown = true;
    }
    return row.totals;
}

void ItemListModel::groupRowsChanged(int group)
{
    m_groups.at(group).totalsKnown = false;
    groupRowShowsOther(group);
}

void ItemListModel::groupRowShowsOther(int group)
{
    // The caption and the totals; the columns after them show nothing.
    emit dataChanged(groupIndex(group, GroupColumn), groupIndex(group, PriceTodayColumn));
}

int ItemListModel::groupAtRow(int row) const
{
    return row >= 0 && row < int(m_groupOfRow.size()) ? m_groupOfRow[row] : -1;
}

int ItemListModel::rowOfGroup(int group) const
{
    return group >= 0 && group < int(m_rowOfGroup.size()) ? m_rowOfGroup[group] : -1;
}

const QHash<const Item *, int> &ItemListModel::groupIndexOfItems() const
{
    if (!m_groupOfItemValid) {
        m_groupOfItem.clear();
        m_groupOfItem.reserve(listedItemCount());
        for (int group = 0; group < groupCount(); ++group) {
            for (const Item *item : listed(group))
                m_groupOfItem.insert(item, group);
        }
        m_groupOfItemValid = true;
    }
    return m_groupOfItem;
}

int ItemListModel::groupOfItem(const Item *item) const
{
    if (!item)
        return -1;
    return groupIndexOfItems().value(item, -1);
}

int ItemListModel::positionOf(int group, const Item *item) const
{
    const std::vector<Item *> &items = m_groups.at(group).items;
    const auto found = std::find(items.begin(), items.end(), item);
    return found == items.end() ? -1 : int(found - items.begin());
}

QModelIndex ItemListModel::groupIndex(int group, int column) const
{
    const int row = rowOfGroup(group);
    return row < 0 ? QModelIndex() : createIndex(row, column, quintptr(0));
}

QModelIndex ItemListModel::itemIndex(const Item *item, int column) const
{
    const int group = groupOfItem(item);
    const int position = group < 0 ? -1 : positionOf(group, item);
    return position < 0 ? QModelIndex() : createIndex(position, column, quintptr(group + 1));
}

Item *ItemListModel::itemAt(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != this || index.internalId() == 0)
        return nullptr;
    const std::vector<Item *> &items = m_groups.at(index.internalId() - 1).items;
    return index.row() < int(items.size()) ? items[index.row()] : nullptr;
}

int ItemListModel::groupAt(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != this || index.internalId() != 0)
        return -1;
    return groupAtRow(index.row());
}

int ItemListModel::compareItems(const Item *a, const Item *b, int column) const
{
    switch (column) {
    case NameColumn:
        return compareBy(a, b, &Item::lessByName);
    case ProductColumn:
        return compareBy(a, b, &Item::lessByProduct);
    case DateColumn:
        return funiQListViewItem::compareDates(a->date(), b->date());
    case CountColumn:
    case PriceColumn:
    case PriceTodayColumn: {
        const quint64 keyA = ItemSorter::numberKey(ItemColumnText::shownNumber(*a, column));
        const quint64 keyB = ItemSorter::numberKey(ItemColumnText::shownNumber(*b, column));
        return keyA < keyB ? -1 : (keyA > keyB ? 1 : 0);
    }
    case GroupColumn:
    case PictureColumn:
    case ReceiptColumn:
    case DocumentColumn:
        // No text in an item row's cell: every row is the other's equal.
        return 0;
    default: {
        const DBItemCollection *collection = m_list->collection();
        const userItemCollection *locations = collection ? &collection->locations() : nullptr;
        return ItemColumnText::of(*a, column, locations).compare(ItemColumnText::of(*b, column, locations));
    }
    }
}

bool ItemListModel::sortsItems() const
{
    switch (m_sortColumn) {
    case GroupColumn:
    case PictureColumn:
    case ReceiptColumn:
    case DocumentColumn:
        return false;
    default:
        return m_sortColumn >= 0 && m_sortColumn < ListColumnCount;
    }
}

int ItemListModel::insertionPosition(const std::vector<Item *> &items, const Item *item, bool afterEquals) const
{
    const bool descending = m_sortOrder == Qt::DescendingOrder;
    const auto before = [&](const Item *a, const Item *b) {
        const int order = compareItems(a, b, m_sortColumn);
        return descending ? order > 0 : order < 0;
    };
    const auto found = afterEquals ? std::upper_bound(items.begin(), items.end(), item,
                           [&](const Item *value, const Item *row) { return before(value, row); })
                                   : std::lower_bound(items.begin(), items.end(), item,
                                       [&](const Item *row, const Item *value) { return before(row, value); });
    return int(found - items.begin());
}

void ItemListModel::sortGroupRows()
{
    const bool descending = m_sortOrder == Qt::DescendingOrder;
    std::stable_sort(m_groupOfRow.begin(), m_groupOfRow.end(), [&](int a, int b) {
        return descending ? m_groups[b].name < m_groups[a].name : m_groups[a].name < m_groups[b].name;
    });
    for (size_t row = 0; row < m_groupOfRow.size(); ++row)
        m_rowOfGroup[m_groupOfRow[row]] = int(row);
}

void ItemListModel::sortItemsOfEveryGroup(const std::vector<char> *tracked,
    std::vector<std::vector<quint32>> *oldPositions, std::vector<Item *> Group::*which)
{
    // Everything the sort reads beside the items is taken here: the sort
    // itself reads no list and no model.
    const DBItemCollection *collection = m_list->collection();
    const ItemSorter sorter(
        m_sortColumn, m_sortOrder == Qt::DescendingOrder, collection ? &collection->locations() : nullptr);
    struct Job
    {
        std::vector<Item *> *items;
        std::vector<quint32> *oldPositions;
    };
    std::vector<Job> jobs;
    jobs.reserve(m_groups.size());
    for (size_t group = 0; group < m_groups.size(); ++group) {
        const bool keep = tracked && oldPositions && (*tracked)[group];
        jobs.push_back({ &(m_groups[group].*which), keep ? &(*oldPositions)[group] : nullptr });
    }
    // Two shares of about as many items each, the largest groups first;
    // a large list's shares are sorted on two threads at once.
    std::vector<size_t> bySize(jobs.size());
    std::iota(bySize.begin(), bySize.end(), size_t(0));
    std::stable_sort(bySize.begin(), bySize.end(),
        [&jobs](size_t a, size_t b) { return jobs[a].items->size() > jobs[b].items->size(); });
    std::vector<Job> shares[2];
    size_t shareItems[2] = { 0, 0 };
    for (const size_t job : bySize) {
        const int lighter = shareItems[0] <= shareItems[1] ? 0 : 1;
        shares[lighter].push_back(jobs[job]);
        shareItems[lighter] += jobs[job].items->size();
    }
    const auto sortShare = [&sorter](const std::vector<Job> &share) {
        for (const Job &job : share)
            sorter.sort(*job.items, job.oldPositions);
    };
    const qsizetype work = shares[1].empty() ? 0 : qsizetype(shareItems[0] + shareItems[1]);
    Parallel::run(
        work, [&] { sortShare(shares[0]); }, [&] { sortShare(shares[1]); });
}

void ItemListModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ListColumnCount)
        return;
    m_sortColumn = column;
    m_sortOrder = order;
    forgetSteps();

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // The rows the views hold on to (current row, selection, open groups):
    // by group and old position, to be found again after the sort.
    const QModelIndexList before = persistentIndexList();
    std::vector<std::pair<int, int>> places;
    places.reserve(before.size());
    std::vector<char> tracked(m_groups.size(), 0);
    for (const QModelIndex &index : before) {
        if (index.internalId() == 0) {
            places.emplace_back(groupAtRow(index.row()), -1);
        } else {
            const int group = int(index.internalId() - 1);
            places.emplace_back(group, index.row());
            tracked[group] = 1;
        }
    }

    if (column == GroupColumn)
        sortGroupRows();
    std::vector<std::vector<quint32>> newPositions(m_groups.size());
    if (sortsItems() && isFiltered())
        sortItemsOfEveryGroup(nullptr, nullptr, &Group::all);
    if (sortsItems()) {
        std::vector<std::vector<quint32>> oldPositions(m_groups.size());
        sortItemsOfEveryGroup(&tracked, &oldPositions);
        for (size_t group = 0; group < m_groups.size(); ++group) {
            std::vector<quint32> &moved = newPositions[group];
            moved.resize(oldPositions[group].size());
            for (size_t i = 0; i < oldPositions[group].size(); ++i)
                moved[oldPositions[group][i]] = quint32(i);
        }
    }

    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i) {
        const auto [group, position] = places[size_t(i)];
        const int indexColumn = before.at(i).column();
        if (position < 0) {
            after.append(groupIndex(group, indexColumn));
        } else {
            const std::vector<quint32> &moved = newPositions[group];
            const int row = moved.empty() ? position : int(moved[position]);
            after.append(createIndex(row, indexColumn, quintptr(group + 1)));
        }
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

QModelIndex ItemListModel::index(int row, int column, const QModelIndex &parent) const
{
    if (row < 0 || column < 0 || column >= ListColumnCount)
        return QModelIndex();
    if (!parent.isValid())
        return row < groupCount() ? createIndex(row, column, quintptr(0)) : QModelIndex();
    const int group = groupAt(parent);
    if (group < 0 || row >= int(m_groups[group].items.size()))
        return QModelIndex();
    return createIndex(row, column, quintptr(group + 1));
}

QModelIndex ItemListModel::parent(const QModelIndex &child) const
{
    if (!child.isValid() || child.internalId() == 0)
        return QModelIndex();
    return groupIndex(int(child.internalId() - 1));
}

int ItemListModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return groupCount();
    if (parent.column() != 0)
        return 0;
    const int group = groupAt(parent);
    return group < 0 ? 0 : int(m_groups[group].items.size());
}

int ItemListModel::columnCount(const QModelIndex &) const
{
    return ListColumnCount;
}

bool ItemListModel::hasChildren(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return groupCount() > 0;
    // A group row always shows its expand marker, even when empty.
    return parent.internalId() == 0 && parent.column() == 0;
}

QVariant ItemListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(int(funiQListViewItem::columnAlignment(index.column())));
    if (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::DecorationRole)
        return QVariant();
    if (index.internalId() == 0) {
        const int group = groupAtRow(index.row());
        if (group < 0 || role == Qt::DecorationRole)
            return QVariant();
        // Edited, the row would be renamed: its name, not the caption.
        if (index.column() == GroupColumn)
            return role == Qt::EditRole ? groupName(group) : groupCaption(group);
        if (!ItemTotals::hasTotal(index.column()))
            return QVariant();
        return groupTotals(group).text(index.column());
    }
    const Item *item = itemAt(index);
    return item ? m_list->cellData(item, index.column(), role) : QVariant();
}

QVariant ItemListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ListColumnCount)
        return QVariant();
    if (role == Qt::DisplayRole)
        return m_titles.at(section);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(int(funiQListViewItem::columnAlignment(section)));
    return QVariant();
}

Qt::ItemFlags ItemListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // Item rows never have children: the view then keeps no state per item
    // row when it opens every group.
    if (index.internalId() != 0)
        return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}
