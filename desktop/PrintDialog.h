#pragma once

#include <QString>
#include <QStringList>

#include "desktop/Recorder.h"

class QPrinter;
class QWidget;

// Every print dialog of the program goes through this class. In normal runs
// it shows the platform's modal QPrintDialog for the printer, so the user
// picks a real printer (CUPS, the Windows spooler) or printing to a PDF file.
//
// Tests switch it to recording: nothing is shown, each request is recorded
// (its title) and answered with the next queued answer: accepted with the
// printer writing a PDF file of the test's choice, or cancelled. With nothing
// queued the dialog counts as cancelled, so nothing is ever printed by
// accident.
class PrintDialog
{
public:
    // Shows the dialog for printer; true when the user accepted it (the
    // printer is then set up as chosen).
    static bool exec(QPrinter &printer, QWidget *parent, const QString &title = QString());

    // Test seam.
    static void setRecording(bool on);
    static bool isRecording();
    // The titles of the dialogs asked for while recording, oldest first.
    static const QList<QString> &asked();
    // Queues an accepted dialog whose printer writes a PDF file at pdfPath.
    static void queuePdf(const QString &pdfPath);
    // Queues a cancelled dialog.
    static void queueCancel();
    static int queuedAnswers();
    // In strict mode a dialog that would be shown while not recording ends
    // the process at once (qFatal) instead of waiting for a user; the test
    // programs run strict.
    static void setStrict(bool on);
    static bool isStrict();

    // Requests are the dialogs' titles; answers the PDF file to print into,
    // an empty one for a cancel.
    using Seam = Recorder<QString, QString>;

    // Records every print dialog for the object's lifetime (for tests).
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
