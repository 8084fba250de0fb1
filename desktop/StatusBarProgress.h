#pragma once

#include <QObject>
#include <QPointer>

#include "core/ProgressScope.h"

#include <QLabel>
#include <QProgressBar>
class QStatusBar;

// Shows the progress of long work of the core in a status bar: a label
// saying what is being done and a progress bar, both hidden again when the
// work ends. While the work runs the window is repainted at each step; input
// waits until the work is done, so nothing can change the register under it.
//
// install() makes it the process's progress sink until it is destroyed.
class StatusBarProgress : public QObject, public ProgressScope::Sink
{
    Q_OBJECT
public:
    // The label and bar go into the status bar, which owns them.
    explicit StatusBarProgress(QStatusBar *statusBar);
    ~StatusBarProgress() override;

    void install();

    void started(const QString &what, qint64 total) override;
    void advanced(qint64 done) override;
    void finished() override;

    QProgressBar *bar() const { return m_bar; }

private:
    void showNow();

    QPointer<QStatusBar> m_statusBar;
    QPointer<QLabel> m_label;
    QPointer<QProgressBar> m_bar;
    // A bar counts in int: large totals are shown in steps of this many.
    qint64 m_unit = 1;
};
