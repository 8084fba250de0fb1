#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "desktop/Recorder.h"

class QWidget;

// Every file dialog of the program goes through this class. In normal runs it
// shows a modal QFileDialog. Tests switch it to recording: nothing is shown,
// each request is recorded (mode, title, start folder, filters, ...) and
// answered with the next queued answer (a path, or a cancel); with nothing
// queued the dialog counts as cancelled.
//
// A recorded answer behaves like the real dialog: the folder the dialog shows
// when it closes is the folder it started in, whatever full path was typed,
// unless the test says otherwise. A default suffix is added to a chosen name
// without an extension. A request that confirms overwriting asks about an
// existing file (the name with its suffix); refused, the dialog stays open
// for the next answer.
//
// Typical use:
//
//     FileDialog::Request request;
//     request.mode = FileDialog::AnyFile;
//     request.title = tr("BackupCurrentDB");
//     request.folder = lastDbDir();
//     request.filters = {QStringLiteral("DB (*.bak)")};
//     request.detailView = true;
//     const FileDialog::Answer answer = FileDialog::ask(this, request);
//     if (answer.accepted()) { ... answer.path ... answer.folder ... }
//
// or, for the simple cases, the getOpenFileName / getSaveFileName /
// getExistingDirectory shorthands below.
class FileDialog
{
public:
    enum Mode {
        ExistingFile, // choose one file that exists
        AnyFile, // choose or type any file name (save dialogs, program choosers)
        Directory, // choose a folder
    };

    struct Request
    {
        Mode mode = ExistingFile;
        QString title; // empty: the toolkit's default title
        QString folder; // start folder, or a proposed file path; empty: current folder
        QStringList filters; // e.g. "DB (*.inb *.txt *.db)"; empty: all files
        QString selectedFilter; // one of filters made current; empty: the first
        bool detailView = false; // show the files in detail (list) view
        QString objectName; // the dialog's object name, if any
        // AnyFile only: ask before an existing file is chosen (save
        // dialogs); program choosers pick existing files and do not ask.
        bool confirmOverwrite = false;
        // AnyFile only: the extension (without the dot, e.g. "db") added to
        // a chosen name that has none, before the overwrite question, so the
        // question and the answer are about the file that will be written.
        QString defaultSuffix;
    };

    struct Answer
    {
        QString path; // the chosen file or folder; "" when cancelled
        QString folder; // absolute folder the dialog showed when it closed
        QString selectedFilter; // the filter that was current when it closed

        bool accepted() const { return !path.isEmpty(); }
    };

    // Shows the dialog (modal) and returns the user's answer.
    static Answer ask(QWidget *parent, const Request &request);

    // Shorthands: the chosen path, "" when cancelled. When dialogFolder is
    // given it receives the dialog's absolute folder on acceptance.
    static QString getOpenFileName(QWidget *parent, const QString &title, const QString &folder = QString(),
        const QStringList &filters = QStringList(), QString *dialogFolder = nullptr);
    static QString getSaveFileName(QWidget *parent, const QString &title, const QString &folder = QString(),
        const QStringList &filters = QStringList(), QString *dialogFolder = nullptr);
    static QString getExistingDirectory(QWidget *parent, const QString &title, const QString &folder = QString());

    // The toolkit's own (translated) entry for all files, "All Files (*)".
    static QString allFilesFilter();

    // Test seam.
    static void setRecording(bool on);
    static bool isRecording();
    // Every request made while recording, oldest first.
    static const QList<Request> &asked();
    // The name a dialog of the request returns for the chosen path: with the
    // request's default suffix when the name has no extension of its own.
    static QString withDefaultSuffix(const Request &request, const QString &path);

    // Queues the answer to the next dialog: the chosen path; folder is the
    // folder the dialog shows when it closes, by default the one it started
    // in. Should the overwrite question come up, the answer is yes.
    static void queueAnswer(const QString &path, const QString &folder = QString());
    // Queues a choice of path to which the overwrite question is answered no:
    // the dialog stays open and takes the next queued answer (with none left,
    // it is cancelled).
    static void queueOverwriteRefused(const QString &path);
    // Queues a cancelled dialog.
    static void queueCancel();
    // Answers not yet used.
    static int queuedAnswers();
    // The files the overwrite question was asked about, oldest first.
    static const QStringList &overwriteQuestions();

    // In strict mode a dialog that would be shown while not recording ends
    // the process at once (qFatal) instead of waiting for a user; the test
    // programs run strict.
    static void setStrict(bool on);
    static bool isStrict();

    // A queued answer: the path chosen (none: cancelled), the folder the
    // dialog shows when it closes ("" = the one it started in), and the
    // answer to the overwrite question should it come up.
    struct QueuedAnswer
    {
        bool cancelled = true;
        QString path;
        QString folder;
        bool replaceExisting = true;
    };
    // Beside the requests, the files the overwrite question was asked about.
    using Seam = Recorder<Request, QueuedAnswer, QStringList>;

    // Records every file dialog for the object's lifetime (for tests).
    class Recording : public Seam::Recording
    {
    public:
        Recording()
            : Seam::Recording(seam())
        { }
        const QList<Request> &asked() const { return requests(); }
    };

private:
    static Seam &seam();
};
