#pragma once

#include <QElapsedTimer>
#include <QString>

// One piece of work of the core that can take a while on a large register
// (loading, saving, exporting), telling how far it has come while it lives.
// The core knows no windows: a scope reports to the one sink the program
// installed (the main window shows a progress bar in its status bar), and
// only once the work has run longer than the delay, so that quick work
// shows nothing. A scope made while another one lives stays silent: the
// outer work speaks for both.
class ProgressScope
{
public:
    class Sink
    {
    public:
        virtual ~Sink() = default;
        // The work has run for the delay; total is the amount of the whole.
        virtual void started(const QString &what, qint64 total) = 0;
        virtual void advanced(qint64 done) = 0;
        virtual void finished() = 0;
    };

    ProgressScope(const QString &what, qint64 total);
    ~ProgressScope();
    ProgressScope(const ProgressScope &) = delete;
    ProgressScope &operator=(const ProgressScope &) = delete;

    // Cheap enough to call for every item: the clock is looked at only
    // every so many calls.
    void advance(qint64 done)
    {
        if (++m_calls % callsPerLook == 0)
            look(done);
    }

    // Whether a piece of work is running: the sink may let events through
    // meanwhile, and what reacts to them must not take the register from
    // under the work.
    static bool isRunning();

    // The sink of the process (not owned; null for none).
    static void setSink(Sink *sink);
    static Sink *sink();
    // How long work runs before it shows, in milliseconds (500 unless set).
    static void setDelay(int milliseconds);

private:
    static constexpr unsigned callsPerLook = 1024;

    void look(qint64 done);

    QString m_what;
    qint64 m_total = 0;
    unsigned m_calls = 0;
    bool m_speaks = false;
    bool m_shown = false;
    QElapsedTimer m_clock;
    qint64 m_lastReport = 0;
};
