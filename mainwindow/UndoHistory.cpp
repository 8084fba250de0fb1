#include "mainwindow/UndoHistory.h"

#include "database/CollectionUndoRecorder.h"
#include "database/CollectionUndoStep.h"
#include "database/DBItemCollection.h"
#include "mainwindow/CollectionUndoCommand.h"

#include <QAction>
#include <QKeySequence>
#include <QScopedValueRollback>
#include <QUndoStack>
#include <QWidget>

UndoHistory::UndoHistory(QWidget *window)
    : QObject(window)
    , m_stack(new QUndoStack(this))
{
    m_undoAction = new QAction(window);
    m_undoAction->setObjectName(QStringLiteral("EditUndo"));
    m_undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redoAction = new QAction(window);
    m_redoAction->setObjectName(QStringLiteral("EditRedo"));
    m_redoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    window->addAction(m_undoAction);
    window->addAction(m_redoAction);
    connect(m_undoAction, &QAction::triggered, this, &UndoHistory::undo);
    connect(m_redoAction, &QAction::triggered, this, &UndoHistory::redo);
    connect(m_stack, &QUndoStack::indexChanged, this, &UndoHistory::refreshActions);
    connect(m_stack, &QUndoStack::cleanChanged, this, &UndoHistory::cleanChanged);
    refreshActions();
}

UndoHistory::~UndoHistory()
{
    // The commands hold the recorder: they go first.
    clear();
}

void UndoHistory::attach(DBItemCollection *collection)
{
    clear();
    m_recorder.reset();
    m_collection = collection;
    if (m_collection)
        m_recorder = std::make_unique<CollectionUndoRecorder>(
            *m_collection, [this](std::unique_ptr<CollectionUndoStep> step) { stepRecorded(std::move(step)); });
    refreshActions();
}

void UndoHistory::clear()
{
    const QScopedValueRollback clearing(m_clearing, true);
    m_stack->clear();
    refreshActions();
}

void UndoHistory::markSaved()
{
    const QScopedValueRollback clearing(m_clearing, true);
    m_stack->setClean();
}

void UndoHistory::setWritable(bool writable)
{
    m_writable = writable;
    refreshActions();
}

QString UndoHistory::stepName(const CollectionUndoStep &step)
{
    return step.text().isEmpty() ? tr("ændring") : step.text();
}

void UndoHistory::undo()
{
    if (m_undoAction->isEnabled())
        m_stack->undo();
}

void UndoHistory::redo()
{
    if (m_redoAction->isEnabled())
        m_stack->redo();
}

void UndoHistory::stepRecorded(std::unique_ptr<CollectionUndoStep> step)
{
    if (!step) {
        // A change the history could not follow: the steps before it no
        // longer fit the collection, and there is no saved state to get back
        // to by undoing.
        clear();
        const QScopedValueRollback clearing(m_clearing, true);
        m_stack->resetClean();
        return;
    }
    const QString text = stepName(*step);
    m_stack->push(new CollectionUndoCommand(*m_recorder, std::move(step), text));
}

void UndoHistory::refreshActions()
{
    const bool writable = m_writable && !(m_collection && m_collection->isReadOnly());
    const QString undoText = m_stack->undoText();
    const QString redoText = m_stack->redoText();
    m_undoAction->setText(m_stack->canUndo() ? tr("Fortryd %1").arg(undoText) : tr("Fortryd"));
    m_redoAction->setText(m_stack->canRedo() ? tr("Gentag %1").arg(redoText) : tr("Gentag"));
    m_undoAction->setEnabled(writable && m_stack->canUndo());
    m_redoAction->setEnabled(writable && m_stack->canRedo());
}

void UndoHistory::cleanChanged(bool clean)
{
    // A new step after a save says so itself (the collection marks the
    // database modified); here the undo and redo that reach the saved state
    // or leave it.
    if (m_clearing)
        return;
    setDatabaseModified(!clean);
    emit modifiedChanged(!clean);
}
