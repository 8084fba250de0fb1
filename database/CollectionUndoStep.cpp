#include "database/CollectionUndoStep.h"

#include "database/DBItemCollection.h"
#include "database/Item.h"

#include <QHash>
#include <QList>

#include <algorithm>
#include <numeric>
#include <utility>

namespace {

using Change = CollectionUndoStep::Change;

// A run of changes of one kind that can go in one batch: removals reported
// lowest first (each position counted with the ones before it gone, so they
// never decrease) or insertions at rising positions.
struct Run
{
    std::size_t first = 0;
    std::size_t last = 0;
    CollectionUndoStep::Kind kind = CollectionUndoStep::Inserted;
};

bool extendsRun(const Change &previous, const Change &next)
{
    if (previous.kind != next.kind)
        return false;
    if (next.kind == CollectionUndoStep::Removed)
        return next.index >= previous.index;
    if (next.kind == CollectionUndoStep::Inserted)
        return next.index > previous.index;
    // Changes of different items, reported lowest first, as a change of
    // many items at once reports them.
    if (next.kind == CollectionUndoStep::Changed)
        return next.index > previous.index;
    return false;
}

std::vector<Run> runsOf(std::vector<Change> &changes)
{
    std::vector<Run> runs;
    for (std::size_t i = 0; i < changes.size(); ++i) {
        if (!runs.empty() && runs.back().last == i && extendsRun(changes[i - 1], changes[i]))
            runs.back().last = i + 1;
        else
            runs.push_back({ i, i + 1, changes[i].kind });
    }
    return runs;
}

// Where an item goes back to after the collection was sorted: before the
// item that followed it when that one is of its group, otherwise after the
// last item of its group, or, with none, before the first item of a later
// group. positions maps the collection's items to their positions.
int placeAfterSort(const DBItemCollection &collection, const QHash<const Item *, int> &positions,
    const QHash<int, int> &lastOfGroup, const Change &change)
{
    const int group = change.item->group();
    const auto follower = positions.constFind(change.follower);
    if (follower != positions.cend() && collection.at(*follower)->group() == group)
        return *follower;
    const auto last = lastOfGroup.constFind(group);
    if (last != lastOfGroup.cend())
        return *last + 1;
    for (int index = 0; index < collection.count(); ++index) {
        if (collection.at(index)->group() > group)
            return index;
    }
    return collection.count();
}

QHash<const Item *, int> positionsOf(const DBItemCollection &collection)
{
    QHash<const Item *, int> positions;
    positions.reserve(collection.count());
    for (int index = 0; index < collection.count(); ++index)
        positions.insert(collection.at(index), index);
    return positions;
}

} // namespace

CollectionUndoStep::Change &CollectionUndoStep::append(Kind kind)
{
    Change &change = m_changes.emplace_back();
    change.kind = kind;
    return change;
}

int CollectionUndoStep::countOf(Kind kind) const
{
    return int(std::count_if(
        m_changes.cbegin(), m_changes.cend(), [kind](const Change &change) { return change.kind == kind; }));
}

void CollectionUndoStep::undo(DBItemCollection &collection, bool sorted)
{
    const std::vector<Run> runs = runsOf(m_changes);
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
        std::vector<Change *> changes;
        for (std::size_t i = run->first; i < run->last; ++i)
            changes.push_back(&m_changes[i]);
        switch (run->kind) {
        case Inserted:
            takeOut(collection, changes);
            break;
        case Removed:
            putIn(collection, changes, sorted);
            break;
        case Changed:
            swapFieldsOfRun(collection, changes, sorted);
            break;
        default:
            applyList(collection, *changes.front(), false);
            break;
        }
    }
}

void CollectionUndoStep::redo(DBItemCollection &collection, bool sorted)
{
    const std::vector<Run> runs = runsOf(m_changes);
    for (const Run &run : runs) {
        std::vector<Change *> changes;
        for (std::size_t i = run.first; i < run.last; ++i)
            changes.push_back(&m_changes[i]);
        switch (run.kind) {
        case Inserted:
            putIn(collection, changes, sorted);
            break;
        case Removed:
            takeOut(collection, changes);
            break;
        case Changed:
            swapFieldsOfRun(collection, changes, sorted);
            break;
        default:
            applyList(collection, *changes.front(), true);
            break;
        }
    }
}

void CollectionUndoStep::putIn(DBItemCollection &collection, std::vector<Change *> changes, bool sorted)
{
    // The positions each item has once all are in: an insertion's own, a
    // removal's counted with the earlier removals of the run back in.
    const bool removals = changes.front()->kind == Removed;
    std::vector<int> places;
    places.reserve(changes.size());
    for (std::size_t i = 0; i < changes.size(); ++i)
        places.push_back(changes[i]->index + (removals ? int(i) : 0));

    if (sorted) {
        // Placed among the items as they are now; several in one gap keep
        // the order they had.
        const QHash<const Item *, int> positions = positionsOf(collection);
        QHash<int, int> lastOfGroup;
        for (int index = 0; index < collection.count(); ++index)
            lastOfGroup.insert(collection.at(index)->group(), index);
        // A follower that is one of these items stands for its own place.
        QHash<const Item *, const Change *> ofItem;
        for (const Change *change : changes)
            ofItem.insert(change->item, change);
        std::vector<int> gaps;
        for (const Change *change : changes) {
            const Change *placed = change;
            for (std::size_t hops = 0; hops < changes.size() && ofItem.contains(placed->follower); ++hops)
                placed = ofItem.value(placed->follower);
            Change lookup;
            lookup.item = change->item;
            lookup.follower = placed->follower;
            gaps.push_back(placeAfterSort(collection, positions, lastOfGroup, lookup));
        }
        std::vector<std::size_t> order(changes.size());
        std::iota(order.begin(), order.end(), std::size_t(0));
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return gaps[a] < gaps[b]; });
        std::vector<Change *> sortedChanges;
        for (std::size_t i = 0; i < order.size(); ++i) {
            sortedChanges.push_back(changes[order[i]]);
            places[i] = gaps[order[i]] + int(i);
        }
        changes = std::move(sortedChanges);
    }

    std::vector<std::unique_ptr<Item>> items;
    items.reserve(changes.size());
    for (Change *change : changes)
        items.push_back(std::move(change->kept));
    if (changes.size() == 1)
        collection.insert(places.front(), std::move(items.front()));
    else
        collection.insertAt(places, std::move(items));
    // From now on the positions are those of this collection.
    for (std::size_t i = 0; i < changes.size(); ++i)
        changes[i]->index = places[i] - (removals ? int(i) : 0);
}

void CollectionUndoStep::takeOut(DBItemCollection &collection, const std::vector<Change *> &changes)
{
    const bool removals = changes.front()->kind == Removed;
    std::vector<std::pair<int, Change *>> found;
    found.reserve(changes.size());
    bool inPlace = true;
    for (std::size_t i = 0; i < changes.size() && inPlace; ++i) {
        const int index = changes[i]->index + (removals ? int(i) : 0);
        inPlace = index < collection.count() && collection.at(index) == changes[i]->item;
        found.emplace_back(index, changes[i]);
    }
    if (!inPlace) {
        // Sorted since: found where they are now, each once.
        found.clear();
        if (changes.size() == 1) {
            found.emplace_back(collection.indexOf(changes.front()->item), changes.front());
        } else {
            const QHash<const Item *, int> positions = positionsOf(collection);
            for (Change *change : changes)
                found.emplace_back(positions.value(change->item, -1), change);
        }
        std::sort(found.begin(), found.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    }
    std::vector<int> positions;
    for (const auto &[index, change] : found) {
        Q_UNUSED(change);
        positions.push_back(index);
    }
    std::vector<std::unique_ptr<Item>> taken;
    if (found.size() == 1) {
        if (found.front().first >= 0)
            taken.push_back(collection.take(found.front().second->item));
    } else {
        taken = collection.takeAt(positions);
    }
    if (taken.size() != found.size())
        return;
    for (std::size_t i = 0; i < found.size(); ++i) {
        Change *change = found[i].second;
        // What follows it now is where it goes back to after a sort.
        const int next = found[i].first - int(i);
        change->follower = next < collection.count() ? collection.at(next) : nullptr;
        change->kept = std::move(taken[i]);
        change->index = removals ? found[i].first - int(i) : found[i].first;
    }
}

void CollectionUndoStep::swapFields(DBItemCollection &collection, Change &change, bool sorted)
{
    Item *item = change.item;
    if (change.index >= collection.count() || collection.at(change.index) != item)
        change.index = collection.indexOf(item);
    if (change.index < 0 || !change.kept)
        return;
    const int oldGroup = item->group();
    collection.aboutToChange(item);
    std::swap(*item, *change.kept);
    collection.itemWasChanged(item);
    if (!sorted || item->group() == oldGroup)
        return;
    // Back in a group it left, after a sort that put it among another
    // group's items: it goes back to its place in its own group.
    const QHash<const Item *, int> positions = positionsOf(collection);
    QHash<int, int> lastOfGroup;
    for (int index = 0; index < collection.count(); ++index) {
        if (index != change.index)
            lastOfGroup.insert(collection.at(index)->group(), index);
    }
    int place = placeAfterSort(collection, positions, lastOfGroup, change);
    if (place > change.index)
        --place;
    collection.moveItem(change.index, place);
    change.index = place;
}

void CollectionUndoStep::swapFieldsOfRun(
    DBItemCollection &collection, const std::vector<Change *> &changes, bool sorted)
{
    // An item that goes back to another group after a sort is put back in
    // its place one at a time; the rest change in one pass.
    const bool regroups = sorted && std::any_of(changes.cbegin(), changes.cend(), [](const Change *change) {
        return change->kept && change->kept->group() != change->item->group();
    });
    if (changes.size() == 1 || regroups) {
        for (Change *change : changes)
            swapFields(collection, *change, sorted);
        return;
    }
    QHash<const Item *, int> positions;
    bool positionsKnown = false;
    QHash<const Item *, Change *> ofItem;
    QList<Item *> items;
    for (Change *change : changes) {
        if (change->index < 0 || change->index >= collection.count() || collection.at(change->index) != change->item) {
            if (!positionsKnown) {
                positions = positionsOf(collection);
                positionsKnown = true;
            }
            change->index = positions.value(change->item, -1);
        }
        if (change->index < 0 || !change->kept)
            continue;
        ofItem.insert(change->item, change);
        items.append(change->item);
    }
    collection.changeItems(items, [&ofItem](Item &item) { std::swap(item, *ofItem.value(&item)->kept); });
}

void CollectionUndoStep::applyList(DBItemCollection &collection, Change &change, bool forward)
{
    const auto list = DBItemCollection::NamedList(change.list);
    switch (change.kind) {
    case ListReplaced: {
        const userItemCollection &names = collection.namedList(list);
        QStringList now;
        for (int i = 0; i < names.size(); ++i)
            now << names.entry(i);
        const bool due = collection.isListDue(list);
        collection.setListEntries(list, change.entries);
        change.entries = now;
        // A list that no longer waits for the database save (it was saved
        // since) is written by itself, as the list setup does.
        if (!due)
            collection.saveList(list);
        break;
    }
    case ListEntryRemoved:
        if (forward)
            collection.removeListEntry(list, change.index);
        else
            collection.insertListEntry(list, change.index, change.name);
        break;
    case ListEntryInserted:
        if (forward)
            collection.insertListEntry(list, change.index, change.name);
        else
            collection.removeListEntry(list, change.index);
        break;
    default:
        break;
    }
}
