#include "mainwindow/ItemListModel.h"

#include "core/ColumnTitles.h"
#include "database/Item.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/funiQListViewItem.h"

#include <algorithm>
#include <future>
#include <numeric>
#include <system_error>

using namespace ListColumns;

namespace {

// One item's place in a sort: its column text (or date) reduced to two
// integers that order the same way, so that most comparisons touch neither
// the item nor its texts. Equal keys fall back to the whole texts, and equal
// texts to the position before the sort, which keeps the sort stable.
struct SortKey
{
    quint64 primary = 0;
    quint64 secondary = 0;
    quint32 position = 0;
};

constexpr qsizetype PackedUnits = 8;

// The order of two keys by their packed texts or dates, in the sort's
// direction; 0 when those are equal.
int compareKeys(const SortKey &a, const SortKey &b, bool descending)
{
    const SortKey &x = descending ? b : a;
    const SortKey &y = descending ? a : b;
    if (x.primary != y.primary)
        return x.primary < y.primary ? -1 : 1;
    if (x.secondary != y.secondary)
        return x.secondary < y.secondary ? -1 : 1;
    return 0;
}

// One item's column text as the sort reads it: the item's own Latin-1 bytes
// where it keeps its texts so (no copy is made of them), the text itself
// otherwise. Either way it reads as UTF-16 code units.
class SortText
{
public:
    SortText() = default;
    explicit SortText(QByteArrayView latin1)
        : m_latin1(latin1)
    { }
    explicit SortText(QString text)
        : m_text(std::move(text))
        , m_wide(true)
    { }

    // The text of the item: its bytes when the item keeps Latin-1 texts.
    static SortText of(const Item *item, Item::Text which)
    {
        return item->textsAreLatin1() ? SortText(item->textBytes(which)) : SortText(item->text(which));
    }

    qsizetype size() const { return m_wide ? m_text.size() : m_latin1.size(); }
    char16_t unit(qsizetype i) const
    {
        return m_wide ? m_text.at(i).unicode() : char16_t(static_cast<unsigned char>(m_latin1[i]));
    }
    const void *data() const { return m_wide ? static_cast<const void *>(m_text.constData()) : m_latin1.data(); }
    QAnyStringView view() const
    {
        return m_wide ? QAnyStringView(m_text) : QAnyStringView(QLatin1StringView(m_latin1));
    }

    // Plain character-code order, as QString::compare has it.
    int compare(const SortText &other) const
    {
        const qsizetype common = std::min(size(), other.size());
        for (qsizetype i = 0; i < common; ++i) {
            if (unit(i) != other.unit(i))
                return unit(i) < other.unit(i) ? -1 : 1;
        }
        return size() < other.size() ? -1 : (size() > other.size() ? 1 : 0);
    }

private:
    QByteArrayView m_latin1;
    QString m_text;
    bool m_wide = false;
};

// Eight UTF-16 code units from offset on, big-end first, padded with zeros:
// two texts that agree before offset and whose packs differ compare as
// their packs do.
void packText(const SortText &text, qsizetype offset, quint64 *primary, quint64 *secondary)
{
    quint64 packs[2] = { 0, 0 };
    const qsizetype length = std::clamp<qsizetype>(text.size() - offset, 0, PackedUnits);
    for (qsizetype i = 0; i < length; ++i)
        packs[i / 4] |= quint64(text.unit(offset + i)) << (48 - 16 * (i % 4));
    *primary = packs[0];
    *secondary = packs[1];
}

// A date's day number as an unsigned key; unreadable dates (day 0) first.
quint64 dayKey(qint64 day)
{
    return day == 0 ? 0 : quint64(day) ^ (quint64(1) << 63);
}

// How far ahead the key loops ask for memory: the items of a sorted list lie
// all over the heap, and reading them one by one waits on each.
constexpr size_t Lookahead = 16;

inline void prefetch(const void *address)
{
#if defined(__GNUC__)
    __builtin_prefetch(address);
    __builtin_prefetch(static_cast<const char *>(address) + 64);
#else
    Q_UNUSED(address);
#endif
}

// The column's text of every item, taken once.
template <typename Read> std::vector<SortText> readTexts(const std::vector<Item *> &items, const Read &read)
{
    const size_t count = items.size();
    std::vector<SortText> texts(count);
    for (size_t i = 0; i < count; ++i) {
        if (i + Lookahead < count)
            prefetch(items[i + Lookahead]);
        texts[i] = read(items[i]);
    }
    return texts;
}

// Sorts keys[first, last), whose texts agree on their first `offset` code
// units, by plain character-code order of the texts and then by position:
// eight code units at a time, each round only over the texts still equal,
// so common beginnings ("Ting nummer 1", "Ting nummer 2") cost a round
// rather than a long comparison per pair.
void sortTextRange(std::vector<SortKey> &keys, size_t first, size_t last, const std::vector<SortText> &texts,
    qsizetype offset, bool descending)
{
    if (last - first < 2)
        return;
    const auto begin = keys.begin() + qsizetype(first);
    const auto end = keys.begin() + qsizetype(last);
    bool anyLonger = false;
    for (auto key = begin; key != end; ++key) {
        if (end - key > qsizetype(Lookahead))
            prefetch(texts[key[Lookahead].position].data());
        const SortText &text = texts[key->position];
        packText(text, offset, &key->primary, &key->secondary);
        anyLonger = anyLonger || text.size() > offset + PackedUnits;
    }
    std::sort(begin, end, [descending](const SortKey &a, const SortKey &b) {
        if (const int order = compareKeys(a, b, descending))
            return order < 0;
        return a.position < b.position;
    });
    for (size_t run = first; run < last;) {
        size_t next = run + 1;
        while (next < last && keys[next].primary == keys[run].primary && keys[next].secondary == keys[run].secondary)
            ++next;
        if (next - run > 1) {
            if (anyLonger) {
                sortTextRange(keys, run, next, texts, offset + PackedUnits, descending);
            } else {
                // Equal up to the end of the shorter: the shorter text first.
                std::sort(keys.begin() + qsizetype(run), keys.begin() + qsizetype(next),
                    [&texts, descending](const SortKey &a, const SortKey &b) {
                        const qsizetype sizeA = texts[a.position].size();
                        const qsizetype sizeB = texts[b.position].size();
                        if (sizeA != sizeB)
                            return descending ? sizeB < sizeA : sizeA < sizeB;
                        return a.position < b.position;
                    });
            }
        }
        run = next;
    }
}

template <typename Tie> void sortKeys(std::vector<SortKey> &keys, bool descending, const Tie &tie)
{
    // A total order (the old position breaks every tie), so the faster
    // unstable sort gives the stable sort's result.
    std::sort(keys.begin(), keys.end(), [&](const SortKey &a, const SortKey &b) {
        if (const int order = compareKeys(a, b, descending))
            return order < 0;
        if (const int order = descending ? tie(b.position, a.position) : tie(a.position, b.position))
            return order < 0;
        return a.position < b.position;
    });
}

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

void ItemListModel::setItems(std::vector<std::vector<Item *>> items)
{
    beginResetModel();
    for (size_t group = 0; group < m_groups.size(); ++group)
        m_groups[group].items = group < items.size() ? std::move(items[group]) : std::vector<Item *>();
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
    case GroupColumn:
    case PictureColumn:
    case ReceiptColumn:
    case DocumentColumn:
        // No text in an item row's cell: every row is the other's equal.
        return 0;
    default:
        return m_list->cellData(a, column, Qt::DisplayRole)
            .toString()
            .compare(m_list->cellData(b, column, Qt::DisplayRole).toString());
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

void ItemListModel::sortItemsOf(int group, std::vector<quint32> *oldPositions)
{
    std::vector<Item *> &items = m_groups[group].items;
    const size_t count = items.size();
    std::vector<SortKey> keys(count);
    for (size_t i = 0; i < count; ++i)
        keys[i].position = quint32(i);
    const bool descending = m_sortOrder == Qt::DescendingOrder;

    if (m_sortColumn == DateColumn) {
        std::vector<SortText> texts
            = readTexts(items, [](const Item *item) { return SortText::of(item, Item::DateText); });
        for (size_t i = 0; i < count; ++i) {
            if (i + Lookahead < count)
                prefetch(texts[i + Lookahead].data());
            const qint64 day = funiQListViewItem::dayNumber(texts[i].view());
            keys[i].primary = dayKey(day);
            if (day == 0) {
                quint64 unused = 0;
                packText(texts[i], 0, &keys[i].secondary, &unused);
            } else {
                // Only unreadable dates compare by their texts.
                texts[i] = SortText();
            }
        }
        sortKeys(keys, descending, [&](quint32 a, quint32 b) { return texts[a].compare(texts[b]); });
    } else {
        // Each text is taken from its item once; the sort then reads only these.
        std::vector<SortText> texts;
        if (m_sortColumn == NameColumn)
            texts = readTexts(items, [](const Item *item) { return SortText::of(item, Item::NameText); });
        else if (m_sortColumn == ProductColumn)
            texts = readTexts(items, [](const Item *item) { return SortText::of(item, Item::ProductText); });
        else
            texts = readTexts(items, [this](const Item *item) {
                return SortText(m_list->cellData(item, m_sortColumn, Qt::DisplayRole).toString());
            });
        sortTextRange(keys, 0, count, texts, 0, descending);
    }

    std::vector<Item *> sorted(count);
    for (size_t i = 0; i < count; ++i)
        sorted[i] = items[keys[i].position];
    items.swap(sorted);
    if (oldPositions) {
        oldPositions->resize(count);
        for (size_t i = 0; i < count; ++i)
            (*oldPositions)[i] = keys[i].position;
    }
}

void ItemListModel::sortItemsOfEveryGroup(
    const std::vector<char> *tracked, std::vector<std::vector<quint32>> *oldPositions)
{
    const auto sortGroup = [&](int group) {
        const bool keep = tracked && oldPositions && (*tracked)[size_t(group)];
        sortItemsOf(group, keep ? &(*oldPositions)[size_t(group)] : nullptr);
    };
    // A sort only reads the items and the list's column texts of them, so a
    // large list's groups are sorted on two threads at once, in two shares
    // of about as many items each.
    constexpr size_t oneThreadMost = 50000;
    size_t itemCount = 0;
    for (const Group &group : m_groups)
        itemCount += group.items.size();
    if (itemCount > oneThreadMost && m_groups.size() > 1) {
        std::vector<int> bySize(m_groups.size());
        std::iota(bySize.begin(), bySize.end(), 0);
        std::sort(bySize.begin(), bySize.end(),
            [this](int a, int b) { return m_groups[size_t(a)].items.size() > m_groups[size_t(b)].items.size(); });
        std::vector<int> shares[2];
        size_t shareItems[2] = { 0, 0 };
        for (const int group : bySize) {
            const int lighter = shareItems[0] <= shareItems[1] ? 0 : 1;
            shares[lighter].push_back(group);
            shareItems[lighter] += m_groups[size_t(group)].items.size();
        }
        std::future<void> other;
        try {
            other = std::async(std::launch::async, [&] {
                for (const int group : shares[1])
                    sortGroup(group);
            });
        } catch (const std::system_error &) {
            // No thread to be had: every group is sorted here.
        }
        if (other.valid()) {
            for (const int group : shares[0])
                sortGroup(group);
            other.get();
            return;
        }
    }
    for (int group = 0; group < groupCount(); ++group)
        sortGroup(group);
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
        if (index.column() != GroupColumn || role == Qt::DecorationRole)
            return QVariant();
        return groupName(groupAtRow(index.row()));
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
