#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QString>

#include <memory>

class CollectionUndoRecorder;
class CollectionUndoStep;
class DBItemCollection;
class QAction;
class QUndoStack;

// The undo history of the open database: a QUndoStack of the collection's
// steps (CollectionUndoCommand), the Edit menu's Undo and Redo and the
// modified state that follows them. It lives as long as the database is
// open: opening or closing a database forgets it (clear()), a save only
// marks where the file now is (markSaved()), so that an undo back to the
// saved state leaves the database unmodified and a step away from it
// modified again.
class UndoHistory : public QObject
{
    Q_OBJECT
public:
    explicit UndoHistory(QWidget *window);
    ~UndoHistory() override;

    // Follows this collection's steps from now on, with no steps yet.
    void attach(DBItemCollection *collection);
    // Forgets every step: the database is closed or replaced.
    void clear();
    // The database file now holds the collection as it is.
    void markSaved();
    // Undo and Redo are only for a database the program may write.
    void setWritable(bool writable);

    QUndoStack *stack() const { return m_stack; }
    QAction *undoAction() const { return m_undoAction; }
    QAction *redoAction() const { return m_redoAction; }

    // The user's name of a step, from the name its change gave it.
    static QString stepName(const CollectionUndoStep &step);

public slots:
    void undo();
    void redo();

signals:
    // After an undo or redo changed whether the database has unsaved
    // changes.
    void modifiedChanged(bool modified);

private:
    void stepRecorded(std::unique_ptr<CollectionUndoStep> step);
    void refreshActions();
    void cleanChanged(bool clean);

    QUndoStack *m_stack = nullptr;
    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;
    DBItemCollection *m_collection = nullptr;
    std::unique_ptr<CollectionUndoRecorder> m_recorder;
    bool m_writable = true;
    bool m_clearing = false;
};
