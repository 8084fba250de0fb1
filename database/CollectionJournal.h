#pragma once

#include <QString>
#include <QtGlobal>
#include <QStringList>

#include <memory>

class Item;

// What listens to every change of a collection's contents, one elementary
// change at a time, in the order they happen: the undo history records them
// and the recovery file writes them down. The collection calls these after
// each change, with the positions as they are then; an item handed over is
// the one now in the collection.
//
// A change the user made is one step: the collection calls stepEnded() once
// after the last elementary change of it (see CollectionStep). Loading a file
// and clear() are no changes. sorted() is called for every sort that moved
// items, a save's own sort by group too, as the order is what a later save
// writes within a group.
class CollectionJournal
{
public:
    virtual ~CollectionJournal() = default;

    // The item now at index came in; those from index on moved one down.
    virtual void itemInserted(int index, const Item &item) = 0;
    // The item that was at index went; those after it moved one up.
    virtual void itemRemoved(int index) = 0;
    // deleteItem() or deleteItems() is done with the item whose removal
    // itemRemoved() reported (in the same order, before the step ends): a
    // journal that may put it back later takes it over here by moving it out
    // of item; whatever is left in item is deleted next. Default: leave it.
    virtual void itemDeleted(std::unique_ptr<Item> &item) { Q_UNUSED(item); }
    // The item at index is about to be changed in place; it still has its
    // old fields (DBItemCollection::aboutToChange).
    virtual void itemAboutToChange(int index, const Item &item)
    {
        Q_UNUSED(index);
        Q_UNUSED(item);
    }
    // The item at index now has these fields.
    virtual void itemChanged(int index, const Item &item) = 0;
    // The items were sorted with DBItemCollection::sort(method).
    virtual void sorted(int method) = 0;
    // The named list is about to be given other entries through
    // listReplaced(); these are the ones it holds now. Default: nothing.
    virtual void listAboutToBeReplaced(int list, const QStringList &entries)
    {
        Q_UNUSED(list);
        Q_UNUSED(entries);
    }
    // The named list (DBItemCollection::NamedList) now holds these entries;
    // no item was renumbered.
    virtual void listReplaced(int list, const QStringList &entries) = 0;
    // The entry at position was taken out of the list, and the items that
    // referred to a later entry were renumbered one down.
    virtual void listEntryRemoved(int list, int position) = 0;
    // An entry named name was put in at position, and the items that
    // referred to it or a later one were renumbered one up (the exact
    // reverse of listEntryRemoved).
    virtual void listEntryInserted(int list, int position, const QString &name) = 0;
    // The step named text is complete; text is empty for a change made
    // outside any named step.
    virtual void stepEnded(const QString &text) = 0;
};
