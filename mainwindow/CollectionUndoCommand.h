#pragma once

#include <QUndoCommand>

#include <memory>

class CollectionUndoRecorder;
class CollectionUndoStep;

// One step of the collection on the window's undo stack. The step has
// happened when it is pushed, so the first redo() (QUndoStack::push calls
// it) does nothing; every later undo and redo applies the step through the
// recorder.
class CollectionUndoCommand : public QUndoCommand
{
public:
    CollectionUndoCommand(
        CollectionUndoRecorder &recorder, std::unique_ptr<CollectionUndoStep> step, const QString &text);
    ~CollectionUndoCommand() override;

    void undo() override;
    void redo() override;
    const CollectionUndoStep &step() const { return *m_step; }

private:
    CollectionUndoRecorder &m_recorder;
    std::unique_ptr<CollectionUndoStep> m_step;
    bool m_pushed = false;
};
