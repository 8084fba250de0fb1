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

template <typename Less> int compareBy(const Item *a, const Item *b, Less less)
{
    if (less(a, b))
        return -1;
    return less(b, a) ? 1 : 0;
}

} // namespace

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
        row.items = group < items.size() ? std::move(items[group]) : std::vector<Item *>();
        row.totalsKnown = summed || row.items.empty();
        row.totals = summed ? totals[group] : ItemTotals();
    }
    m_groupOfItem.clear();
    m_groupOfItemValid = false;
    if (sortsItems())
        sortItemsOfEveryGroup();
    endResetModel();
}

QModelIndex ItemListModel::addItem(Item *item, int group)
{
    std::vector<Item *> &items = m_groups.at(group).items;
    const int position = sortsItems() ? insertionPosition(items, item, true) : int(items.size());
    beginInsertRows(groupIndex(group), position, position);
    items.insert(items.begin() + position, item);
    if (m_groupOfItemValid)
        m_groupOfItem.insert(item, group);
    endInsertRows();
    if (m_groups[group].totalsKnown)
        m_groups[group].totals.add(*item);
    groupRowShowsOther(group);
    return createIndex(position, 0, quintptr(group + 1));
}

bool ItemListModel::removeItem(const Item *item)
{
    const int group = groupOfItem(item);
    const int position = group < 0 ? -1 : positionOf(group, item);
    if (position < 0)
        return false;
    beginRemoveRows(groupIndex(group), position, position);
    std::vector<Item *> &items = m_groups[group].items;
    items.erase(items.begin() + position);
    m_groupOfItem.remove(item);
    endRemoveRows();
    groupRowsChanged(group);
    return true;
}

QModelIndex ItemListModel::moveItem(const Item *item, int group)
{
    const int from = groupOfItem(item);
    const int position = from < 0 ? -1 : positionOf(from, item);
    if (position < 0)
        return QModelIndex();
    if (from == group) {
        itemChanged(item);
        return itemIndex(item);
    }
    std::vector<Item *> &source = m_groups[from].items;
    std::vector<Item *> &target = m_groups.at(group).items;
    Item *row = source[position];
    const int destination = sortsItems() ? insertionPosition(target, item, true) : int(target.size());
    beginMoveRows(groupIndex(from), position, position, groupIndex(group), destination);
    source.erase(source.begin() + position);
    target.insert(target.begin() + destination, row);
    if (m_groupOfItemValid)
        m_groupOfItem.insert(item, group);
    endMoveRows();
    emit dataChanged(createIndex(destination, 0, quintptr(group + 1)),
        createIndex(destination, ListColumnCount - 1, quintptr(group + 1)));
    groupRowsChanged(from);
    groupRowsChanged(group);
    return createIndex(destination, 0, quintptr(group + 1));
}

void ItemListModel::clearItems()
{
    for (int group = 0; group < groupCount(); ++group) {
        std::vector<Item *> &items = m_groups[group].items;
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
}

void ItemListModel::itemChanged(const Item *item)
{
    const int group = groupOfItem(item);
    int position = group < 0 ? -1 : positionOf(group, item);
    if (position < 0)
        return;
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

QString ItemListModel::groupCaption(int group) const
{
    if (group < 0 || group >= groupCount())
        return QString();
    return QStringLiteral("%1 (%2)").arg(m_groups[group].name).arg(m_groups[group].items.size());
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
        size_t total = 0;
        for (const Group &group : m_groups)
            total += group.items.size();
        m_groupOfItem.clear();
        m_groupOfItem.reserve(qsizetype(total));
        for (size_t group = 0; group < m_groups.size(); ++group) {
            for (const Item *item : m_groups[group].items)
                m_groupOfItem.insert(item, int(group));
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

void ItemListModel::sortItemsOfEveryGroup(
    const std::vector<char> *tracked, std::vector<std::vector<quint32>> *oldPositions)
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
        jobs.push_back({ &m_groups[group].items, keep ? &(*oldPositions)[group] : nullptr });
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
