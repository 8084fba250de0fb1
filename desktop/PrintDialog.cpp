#include "desktop/PrintDialog.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

namespace {

struct Recorder
{
    bool recording = false;
    bool strict = false;
    QStringList asked;
    // An empty path stands for a cancelled dialog.
    QStringList answers;
};

Recorder &recorder()
{
    static Recorder r;
    return r;
}

} // namespace

bool PrintDialog::exec(QPrinter &printer, QWidget *parent, const QString &title)
{
    Recorder &r = recorder();
    if (r.recording) {
        r.asked.append(title);
        const QString pdf = r.answers.isEmpty() ? QString() : r.answers.takeFirst();
        if (pdf.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    }
    if (r.strict)
        qFatal("Unexpected print dialog: \"%s\"", qUtf8Printable(title));

    QPrintDialog dialog(&printer, parent);
    if (!title.isEmpty())
        dialog.setWindowTitle(title);
    return dialog.exec() == QDialog::Accepted;
}

void PrintDialog::setRecording(bool on)
{
    Recorder &r = recorder();
    r.recording = on;
    r.asked.clear();
    r.answers.clear();
}

bool PrintDialog::isRecording()
{
    return recorder().recording;
}

const QStringList &PrintDialog::asked()
{
    return recorder().asked;
}

void PrintDialog::queuePdf(const QString &pdfPath)
{
    // An empty path would read as a cancel; a PDF needs a file to go to.
    Q_ASSERT(!pdfPath.isEmpty());
    recorder().answers.append(pdfPath);
}

void PrintDialog::queueCancel()
{
    recorder().answers.append(QString());
}

int PrintDialog::queuedAnswers()
{
    return int(recorder().answers.size());
}

void PrintDialog::setStrict(bool on)
{
    recorder().strict = on;
}

bool PrintDialog::isStrict()
{
    return recorder().strict;
}
