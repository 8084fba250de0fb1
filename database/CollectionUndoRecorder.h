#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

#include "database/CollectionJournal.h"
#include "database/CollectionUndoStep.h"

class DBItemCollection;

// The journal of the undo history: it records every elementary change of the
// collection with what it takes to reverse it, and hands each finished step
// to its owner. A step the recorder could not follow in full (an item taken
// out and not handed back through itemDeleted) is handed over as null: the
// history before it no longer matches the collection.
//
// undo() and redo() apply a step through the collection's own changes, as
// one step of the collection named after it, and record nothing meanwhile,
// so that the other journals (the recovery file) see the undo as the change
// it is.
class CollectionUndoRecorder : public CollectionJournal
{
public:
    using StepHandler = std::function<void(std::unique_ptr<CollectionUndoStep>)>;

    CollectionUndoRecorder(DBItemCollection &collection, StepHandler handler);
    ~CollectionUndoRecorder() override;
    CollectionUndoRecorder(const CollectionUndoRecorder &) = delete;
    CollectionUndoRecorder &operator=(const CollectionUndoRecorder &) = delete;

    DBItemCollection &collection() const { return m_collection; }
    void undo(CollectionUndoStep &step);
    void redo(CollectionUndoStep &step);
    bool isApplying() const { return m_applying; }

    void itemInserted(int index, const Item &item) override;
    void itemRemoved(int index) override;
    void itemDeleted(std::unique_ptr<Item> &item) override;
    void itemAboutToChange(int index, const Item &item) override;
    void itemChanged(int index, const Item &item) override;
    void sorted(int method) override;
    void listAboutToBeReplaced(int list, const QStringList &entries) override;
    void listReplaced(int list, const QStringList &entries) override;
    void listEntryRemoved(int list, int position) override;
    void listEntryInserted(int list, int position, const QString &name) override;
    void stepEnded(const QString &text) override;

private:
    void apply(CollectionUndoStep &step, bool forward);
    bool recording() const { return !m_applying; }
    CollectionUndoStep &step();

    DBItemCollection &m_collection;
    StepHandler m_handler;
    std::unique_ptr<CollectionUndoStep> m_step;
    bool m_applying = false;
    // Sorts seen; a step remembers how many there were when it was recorded
    // or last applied.
    int m_sorts = 0;
    // Removals waiting for their item (itemDeleted), oldest first.
    std::vector<std::size_t> m_waitingForItem;
    // A changed item's fields as they were, until itemChanged.
    std::unique_ptr<Item> m_before;
    int m_beforeIndex = -1;
    // The name of the list entry about to go (the collection's signal).
    QString m_removedEntry;
    QObject m_context;
};
