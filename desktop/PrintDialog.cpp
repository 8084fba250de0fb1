#include "desktop/PrintDialog.h"

#include <QPrintDialog>
#include <QPrinter>

PrintDialog::Seam &PrintDialog::seam()
{
    static Seam recorder;
    return recorder;
}

bool PrintDialog::exec(QPrinter &printer, QWidget *parent, const QString &title)
{
    seam().refuseUnlessRecording([&title] { return QStringLiteral("print dialog: \"%1\"").arg(title); });
    if (seam().isRecording()) {
        seam().record(title);
        const QString pdf = seam().takeAnswerOr(QString());
        if (pdf.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    }

    QPrintDialog dialog(&printer, parent);
    if (!title.isEmpty())
        dialog.setWindowTitle(title);
    return dialog.exec() == QDialog::Accepted;
}

void PrintDialog::setRecording(bool on)
{
    seam().setRecording(on);
}

bool PrintDialog::isRecording()
{
    return seam().isRecording();
}

const QList<QString> &PrintDialog::asked()
{
    return seam().requests();
}

void PrintDialog::queuePdf(const QString &pdfPath)
{
    // An empty path would read as a cancel; a PDF needs a file to go to.
    Q_ASSERT(!pdfPath.isEmpty());
    seam().queue(pdfPath);
}

void PrintDialog::queueCancel()
{
    seam().queue(QString());
}

int PrintDialog::queuedAnswers()
{
    return seam().queued();
}

void PrintDialog::setStrict(bool on)
{
    seam().setStrict(on);
}

bool PrintDialog::isStrict()
{
    return seam().isStrict();
}
