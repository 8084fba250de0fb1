#include "database/CollectionUndoRecorder.h"

#include "database/CollectionStep.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"

#include <utility>

CollectionUndoRecorder::CollectionUndoRecorder(DBItemCollection &collection, StepHandler handler)
    : m_collection(collection)
    , m_handler(std::move(handler))
{
    m_collection.addJournal(this);
    // The entry's name, which the journal call after the removal no longer
    // has.
    QObject::connect(
        &m_collection, &DBItemCollection::listEntryAboutToBeRemoved, &m_context, [this](int list, int position) {
            m_removedEntry = m_collection.namedList(DBItemCollection::NamedList(list)).entry(position);
        });
}

CollectionUndoRecorder::~CollectionUndoRecorder()
{
    m_collection.removeJournal(this);
}

void CollectionUndoRecorder::undo(CollectionUndoStep &step)
{
    apply(step, false);
}

void CollectionUndoRecorder::redo(CollectionUndoStep &step)
{
    apply(step, true);
}

void CollectionUndoRecorder::apply(CollectionUndoStep &step, bool forward)
{
    m_applying = true;
    {
        // One step for the other journals, named as the user knows it.
        const CollectionStep collectionStep(m_collection, step.text());
        const bool sorted = step.sorts() != m_sorts;
        if (forward)
            step.redo(m_collection, sorted);
        else
            step.undo(m_collection, sorted);
    }
    step.setSorts(m_sorts);
    m_applying = false;
}

CollectionUndoStep &CollectionUndoRecorder::step()
{
    if (!m_step)
        m_step = std::make_unique<CollectionUndoStep>(QString());
    return *m_step;
}

void CollectionUndoRecorder::itemInserted(int index, const Item &item)
{
    if (!recording())
        return;
    CollectionUndoStep::Change &change = step().append(CollectionUndoStep::Inserted);
    change.index = index;
    // The collection's own item, handed over as const.
    change.item = const_cast<Item *>(&item);
    change.follower = index + 1 < m_collection.count() ? m_collection.at(index + 1) : nullptr;
}

void CollectionUndoRecorder::itemRemoved(int index)
{
    if (!recording())
        return;
    CollectionUndoStep::Change &change = step().append(CollectionUndoStep::Removed);
    change.index = index;
    change.follower = index < m_collection.count() ? m_collection.at(index) : nullptr;
    m_waitingForItem.push_back(step().changeCount() - 1);
}

void CollectionUndoRecorder::itemDeleted(std::unique_ptr<Item> &item)
{
    if (!recording() || m_waitingForItem.empty() || !m_step || !item)
        return;
    CollectionUndoStep::Change &change = m_step->changes()[m_waitingForItem.front()];
    m_waitingForItem.erase(m_waitingForItem.begin());
    change.item = item.get();
    change.kept = std::move(item);
}

void CollectionUndoRecorder::itemAboutToChange(int index, const Item &item)
{
    if (!recording())
        return;
    m_before = std::make_unique<Item>(item);
    m_beforeIndex = index;
}

void CollectionUndoRecorder::itemChanged(int index, const Item &item)
{
    if (!recording())
        return;
    CollectionUndoStep::Change &change = step().append(CollectionUndoStep::Changed);
    change.index = index;
    change.item = const_cast<Item *>(&item);
    change.follower = index + 1 < m_collection.count() ? m_collection.at(index + 1) : nullptr;
    // Without aboutToChange the old fields are unknown; the step is then
    // handed over as one that cannot be undone.
    if (m_before && m_beforeIndex == index)
        change.kept = std::move(m_before);
    m_before.reset();
    m_beforeIndex = -1;
}

void CollectionUndoRecorder::sorted(int method)
{
    Q_UNUSED(method);
    ++m_sorts;
}

void CollectionUndoRecorder::listAboutToBeReplaced(int list, const QStringList &entries)
{
    if (!recording())
        return;
    CollectionUndoStep::Change &change = step().append(CollectionUndoStep::ListReplaced);
    change.list = list;
    change.entries = entries;
}

void CollectionUndoRecorder::listReplaced(int list, const QStringList &entries)
{
    Q_UNUSED(entries);
    if (!recording())
        return;
    // listAboutToBeReplaced made the change; without it there is nothing to
    // go back to.
    if (!m_step || m_step->isEmpty() || m_step->last().kind != CollectionUndoStep::ListReplaced
        || m_step->last().list != list) {
        CollectionUndoStep::Change &change = step().append(CollectionUndoStep::ListReplaced);
        change.list = -1;
    }
}

void CollectionUndoRecorder::listEntryRemoved(int list, int position)
{
    if (!recording())
        return;
    CollectionUndoStep::Change &change = step().append(CollectionUndoStep::ListEntryRemoved);
    change.list = list;
    change.index = position;
    change.name = m_removedEntry;
}

void CollectionUndoRecorder::listEntryInserted(int list, int position, const QString &name)
{
    if (!recording())
        return;
    CollectionUndoStep::Change &change = step().append(CollectionUndoStep::ListEntryInserted);
    change.list = list;
    change.index = position;
    change.name = name;
}

void CollectionUndoRecorder::stepEnded(const QString &text)
{
    if (!recording())
        return;
    std::unique_ptr<CollectionUndoStep> finished = std::move(m_step);
    const bool complete = m_waitingForItem.empty();
    m_waitingForItem.clear();
    m_before.reset();
    m_beforeIndex = -1;
    if (!finished)
        return;
    bool undoable = complete;
    for (std::size_t i = 0; i < finished->changeCount() && undoable; ++i) {
        const CollectionUndoStep::Change &change = finished->change(i);
        if ((change.kind == CollectionUndoStep::Changed && !change.kept)
            || (change.kind == CollectionUndoStep::ListReplaced && change.list < 0))
            undoable = false;
    }
    if (!undoable) {
        m_handler(nullptr);
        return;
    }
    finished->setText(text);
    finished->setSorts(m_sorts);
    m_handler(std::move(finished));
}
