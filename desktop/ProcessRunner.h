#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "desktop/Recorder.h"

// Outside programs whose outcome the register must know, such as the print
// spooler that takes the label file: the program is started directly, never
// through a shell, and waited for, so that a failure can be told to the user.
// Programs that only show something go through Launcher instead.
//
// Tests switch it to recording: nothing is run, each request is recorded and
// answered with the next queued result (a clean exit when nothing is queued).
class ProcessRunner
{
public:
    struct Request
    {
        QString program;
        QStringList arguments;
    };

    struct Result
    {
        bool started = false;
        bool finished = false; // false: it did not end in time and was stopped
        int exitCode = -1;
        QString errorOutput; // what the program wrote to its error output

        bool succeeded() const { return started && finished && exitCode == 0; }
    };

    // Runs program with the arguments and waits for it at most timeoutMs.
    static Result run(const QString &program, const QStringList &arguments, int timeoutMs = 30000);

    // Test seam.
    static void setRecording(bool on);
    static bool isRecording();
    static const QList<Request> &requests();
    static void clearRequests();
    static void queueResult(const Result &result);
    // In strict mode a run while not recording ends the process at once
    // (qFatal); the test programs run strict.
    static void setStrict(bool on);
    static bool isStrict();

    // Answers are the results of the runs.
    using Seam = Recorder<Request, Result>;

    // Records every run for the object's lifetime (for tests).
    class Recording : public Seam::Recording
    {
    public:
        Recording()
            : Seam::Recording(seam())
        { }
    };

private:
    static Seam &seam();
};
