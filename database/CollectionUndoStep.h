#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

#include "database/Item.h"

class DBItemCollection;

// One step of the undo history: the elementary changes of one user-visible
// change of a collection, in order, each with what it takes to reverse it
// (CollectionUndoRecorder records them). A step of one item holds at most
// one item: a removed item itself, taken out of the collection, or one copy
// of a changed item's other fields, swapped with the item's own on each
// undo and redo so that the item in the collection stays the same object.
//
// undo() and redo() work through the collection's own changes, so that its
// announcements keep the views right and its journals see them as changes.
// Positions are exact as long as the collection was not sorted since the
// step was last recorded or applied; after a sort (a save sorts by group),
// an item goes back before the item that followed it, when that one is of
// its group, otherwise after the last item of its group: within a group the
// order is what it was, and a save, which sorts by group, writes the file it
// would have written.
class CollectionUndoStep
{
public:
    enum Kind { Inserted, Removed, Changed, ListReplaced, ListEntryRemoved, ListEntryInserted };

    struct Change
    {
        Kind kind = Inserted;
        // The item's position in the collection, or the entry's in its list.
        int index = 0;
        int list = 0;
        // The item concerned; the same object for as long as the step lives.
        Item *item = nullptr;
        // The item that followed it while it was in the collection (for the
        // way back after a sort); compared, never read, unless it is in the
        // collection.
        const Item *follower = nullptr;
        // The item while it is out of the collection, or the other fields of
        // a changed item.
        std::unique_ptr<Item> kept;
        // The list's entries the other way (ListReplaced).
        QStringList entries;
        // The entry's name (ListEntryRemoved, ListEntryInserted).
        QString name;
    };

    explicit CollectionUndoStep(const QString &text)
        : m_text(text)
    { }

    const QString &text() const { return m_text; }
    // The recorder's count of sorts when the step was recorded or last
    // applied.
    int sorts() const { return m_sorts; }
    void setSorts(int sorts) { m_sorts = sorts; }
    void setText(const QString &text) { m_text = text; }
    bool isEmpty() const { return m_changes.empty(); }
    std::size_t changeCount() const { return m_changes.size(); }
    const Change &change(std::size_t index) const { return m_changes[index]; }
    Change &append(Kind kind);
    Change &last() { return m_changes.back(); }
    std::vector<Change> &changes() { return m_changes; }

    // How many items the step put in, took out and changed (a moved item
    // counts as taken out and put in).
    int insertedCount() const { return countOf(Inserted); }
    int removedCount() const { return countOf(Removed); }
    int changedCount() const { return countOf(Changed); }

    // Applies the step backwards (undo) or forwards again (redo); sorted is
    // whether the collection was sorted since the step was last recorded or
    // applied. Recorder-free: the caller keeps its journal from recording.
    void undo(DBItemCollection &collection, bool sorted);
    void redo(DBItemCollection &collection, bool sorted);

private:
    int countOf(Kind kind) const;
    // The changes of one run put in (or taken out) as one batch.
    void putIn(DBItemCollection &collection, std::vector<Change *> changes, bool sorted);
    void takeOut(DBItemCollection &collection, const std::vector<Change *> &changes);
    void swapFields(DBItemCollection &collection, Change &change, bool sorted);
    // The changes of one run of changed items, in one pass where it can.
    void swapFieldsOfRun(DBItemCollection &collection, const std::vector<Change *> &changes, bool sorted);
    void applyList(DBItemCollection &collection, Change &change, bool forward);

    QString m_text;
    int m_sorts = 0;
    std::vector<Change> m_changes;
};
