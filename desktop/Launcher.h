#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include "desktop/Recorder.h"

// Every outside program the register starts and every file or address it
// hands to the desktop's associated program goes through this class.
//
// Programs are started detached (the register neither waits for them nor
// watches them) and directly, never through a shell: each argument reaches
// the program as one argument, exactly as given, so a file name can never be
// taken as a command. Opening goes through QDesktopServices::openUrl.
//
// Tests switch it to recording: nothing is started or opened, each request is
// recorded and answered with the next queued result (success when nothing is
// queued).
class Launcher
{
public:
    struct Request
    {
        enum Kind { StartProgram, OpenUrl };
        Kind kind = StartProgram;
        QString program; // StartProgram: the program (a path or a name on PATH)
        QStringList arguments; // StartProgram: its arguments, each passed as is
        QString workingDirectory; // StartProgram: "" = the register's own
        QUrl url; // OpenUrl: what was opened
    };

    // Starts program with the arguments; true when it could be started.
    static bool startDetached(const QString &program, const QStringList &arguments = QStringList(),
        const QString &workingDirectory = QString());
    // Opens url with the program the desktop associates with it; true when
    // the desktop accepted it.
    static bool openUrl(const QUrl &url);
    // Opens a file path or a web address (see urlForTarget).
    static bool openTarget(const QString &target);

    // The URL for a file path or a web address: an existing file, or anything
    // without a scheme of two or more letters, is a local file (made
    // absolute); "www." without a scheme is taken as http; anything else with
    // a scheme ("https:", "mailto:", "file:") is the address as written.
    // An empty target gives an empty URL.
    static QUrl urlForTarget(const QString &target);

    // Test seam.
    static void setRecording(bool on);
    static bool isRecording();
    // Every request made while recording, oldest first.
    static const QList<Request> &requests();
    static void clearRequests();
    // Queues the result of the next request (start or open).
    static void queueResult(bool succeeded);
    // In strict mode a start or open while not recording ends the process at
    // once (qFatal) instead of reaching the desktop; the test programs run
    // strict.
    static void setStrict(bool on);
    static bool isStrict();

    // Answers are the results of the requests.
    using Seam = Recorder<Request, bool>;

    // Records every start and open for the object's lifetime (for tests).
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
