// The collection's changes of many items at once: one pass over the items
// for the whole batch, where an item at a time would move the rest of the
// register once per item. The rest of the collection is in
// DBItemCollection.cpp.

#include "database/DBItemCollection.h"

#include "database/CollectionJournal.h"
#include "database/Item.h"

#include <QSet>

#include <algorithm>
#include <utility>

namespace {

bool ascendingWithin(const std::vector<int> &positions, int end)
{
    for (std::size_t i = 0; i < positions.size(); ++i) {
        if (positions[i] < 0 || positions[i] >= end || (i > 0 && positions[i] <= positions[i - 1]))
            return false;
    }
    return true;
}

} // namespace

std::vector<std::unique_ptr<Item>> DBItemCollection::takeAt(const std::vector<int> &positions)
{
    std::vector<std::unique_ptr<Item>> taken;
    if (positions.empty() || !ascendingWithin(positions, count()))
        return taken;
    taken.reserve(positions.size());
    // One pass: every item that stays moves down once, by the number of
    // taken items before it.
    std::size_t next = 0;
    std::size_t kept = std::size_t(positions.front());
    for (std::size_t index = kept; index < m_items.size(); ++index) {
        if (next < positions.size() && index == std::size_t(positions[next])) {
            taken.push_back(std::move(m_items[index]));
            ++next;
        } else {
            m_items[kept++] = std::move(m_items[index]);
        }
    }
    m_items.resize(kept);
    int searchShift = 0;
    for (int position : positions) {
        if (position < m_searchPosition)
            ++searchShift;
    }
    m_searchPosition -= searchShift;

    beginStep(QString());
    emit batchAboutToBeAnnounced();
    for (std::size_t i = 0; i < taken.size(); ++i) {
        // Lowest first: once the ones before it are gone, the item was at
        // its position less the number of those.
        const int index = positions[i] - int(i);
        emit itemRemoved(taken[i].get());
        tellJournals([&](CollectionJournal *journal) { journal->itemRemoved(index); });
        changeMade();
    }
    emit batchAnnounced();
    endStep();
    return taken;
}

void DBItemCollection::deleteItems(const QList<Item *> &items)
{
    QSet<const Item *> doomed;
    doomed.reserve(items.size());
    for (const Item *item : items)
        doomed.insert(item);
    std::vector<int> positions;
    positions.reserve(std::size_t(doomed.size()));
    for (int index = 0; index < count() && positions.size() < std::size_t(doomed.size()); ++index) {
        if (doomed.contains(m_items[std::size_t(index)].get()))
            positions.push_back(index);
    }
    if (positions.empty())
        return;
    beginStep(QString());
    std::vector<std::unique_ptr<Item>> removed = takeAt(positions);
    setDatabaseModified(true);
    for (std::unique_ptr<Item> &item : removed)
        tellJournals([&](CollectionJournal *journal) { journal->itemDeleted(item); });
    endStep();
    // Deleted here, after every listener has let go of them.
}

int DBItemCollection::changeItems(const QList<Item *> &items, const std::function<void(Item &)> &change)
{
    QSet<const Item *> chosen;
    chosen.reserve(items.size());
    for (const Item *item : items)
        chosen.insert(item);
    std::vector<int> positions;
    positions.reserve(std::size_t(chosen.size()));
    for (int index = 0; index < count() && positions.size() < std::size_t(chosen.size()); ++index) {
        if (chosen.contains(m_items[std::size_t(index)].get()))
            positions.push_back(index);
    }
    if (positions.empty())
        return 0;
    beginStep(QString());
    emit batchAboutToBeAnnounced();
    for (int index : positions) {
        Item *item = m_items[std::size_t(index)].get();
        tellJournals([&](CollectionJournal *journal) { journal->itemAboutToChange(index, *item); });
        change(*item);
        setDatabaseModified(true);
        emit itemChanged(item);
        tellJournals([&](CollectionJournal *journal) { journal->itemChanged(index, *item); });
        changeMade();
    }
    emit batchAnnounced();
    endStep();
    return int(positions.size());
}

void DBItemCollection::insertAt(const std::vector<int> &positions, std::vector<std::unique_ptr<Item>> items)
{
    if (positions.empty() || positions.size() != items.size()
        || std::any_of(items.cbegin(), items.cend(), [](const auto &item) { return !item; }))
        return;
    const int total = count() + int(items.size());
    std::vector<int> places = positions;
    // Clamped from the end: the last can be at most total - 1, the one
    // before it one less, and so on.
    for (std::size_t i = places.size(); i-- > 0;) {
        const int highest = total - int(places.size() - i);
        places[i] = std::min(places[i], highest);
        if (i + 1 < places.size())
            places[i] = std::min(places[i], places[i + 1] - 1);
    }
    if (!ascendingWithin(places, total))
        return;

    // One pass from the end: each old item moves up by the number of new
    // ones before it.
    const std::size_t oldCount = m_items.size();
    m_items.resize(std::size_t(total));
    std::size_t from = oldCount;
    std::size_t next = items.size();
    for (std::size_t to = std::size_t(total); to-- > 0;) {
        if (next > 0 && to == std::size_t(places[next - 1])) {
            --next;
            m_items[to] = std::move(items[next]);
        } else {
            m_items[to] = std::move(m_items[--from]);
        }
        if (next == 0 && from == to)
            break;
    }
    int searchShift = 0;
    for (int place : places) {
        if (place < m_searchPosition + searchShift)
            ++searchShift;
    }
    m_searchPosition += searchShift;

    setDatabaseModified(true);
    beginStep(QString());
    emit batchAboutToBeAnnounced();
    for (int place : places) {
        Item *added = m_items[std::size_t(place)].get();
        emit itemAdded(added);
        tellJournals([&](CollectionJournal *journal) { journal->itemInserted(place, *added); });
        changeMade();
    }
    emit batchAnnounced();
    endStep();
}

void DBItemCollection::moveItem(int from, int to)
{
    if (from < 0 || from >= count() || to < 0 || to >= count() || from == to)
        return;
    const auto first = m_items.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else
        std::rotate(first + to, first + from, first + from + 1);
    setDatabaseModified(true);
    const Item &moved = *at(to);
    beginStep(QString());
    tellJournals([&](CollectionJournal *journal) { journal->itemRemoved(from); });
    tellJournals([&](CollectionJournal *journal) { journal->itemInserted(to, moved); });
    changeMade();
    endStep();
}
