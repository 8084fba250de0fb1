#pragma once

#include <QObject>

class QSocketNotifier;

// Turns the signals that ask a program to end (SIGTERM at a shutdown or a
// kill, SIGHUP at a logout or a closed terminal, SIGINT at Ctrl+C) into a Qt
// signal on the user-interface thread, so that the program can end the way
// Quit ends it: its lock file removed, its log closed, nothing saved that
// the user did not save.
//
// The handler only writes the signal's number into a socket pair (the
// self-pipe pattern: write() is async-signal-safe); a QSocketNotifier reads it
// in the event loop. Each handler is installed with SA_RESETHAND, so a second
// signal of the same kind ends a program that hangs at once; a signal that
// was ignored when the program started (nohup) stays ignored. One watcher per
// process. On systems without these signals the watcher does nothing.
class TerminationSignals : public QObject
{
    Q_OBJECT
public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

    // True when the handlers are in place.
    bool isWatching() const { return m_watching; }
    // True once one of the signals arrived (and was read in the event loop).
    bool wasReceived() const { return m_received; }

signals:
    void received(int signalNumber);

private:
    void readSignal();

    QSocketNotifier *m_notifier = nullptr;
    bool m_watching = false;
    bool m_received = false;
};
