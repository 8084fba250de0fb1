#include "mainwindow/CollectionUndoCommand.h"

#include "database/CollectionUndoRecorder.h"
#include "database/CollectionUndoStep.h"

CollectionUndoCommand::CollectionUndoCommand(
    CollectionUndoRecorder &recorder, std::unique_ptr<CollectionUndoStep> step, const QString &text)
    : QUndoCommand(text)
    , m_recorder(recorder)
    , m_step(std::move(step))
{ }

CollectionUndoCommand::~CollectionUndoCommand() = default;

void CollectionUndoCommand::undo()
{
    m_recorder.undo(*m_step);
}

void CollectionUndoCommand::redo()
{
    if (!m_pushed) {
        m_pushed = true;
        return;
    }
    m_recorder.redo(*m_step);
}
