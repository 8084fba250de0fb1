#include "desktop/PrintJob.h"

#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include "database/SaveTarget.h"
#include "desktop/MessageBox.h"

namespace {

// Passes every write on to the file whole and remembers the first that
// failed: the PDF writer itself does not look at what its writes return.
class CheckedWrites : public QIODevice
{
public:
    explicit CheckedWrites(QIODevice &target)
        : m_target(target)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    bool failed() const { return m_failed; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        if (m_failed)
            return -1;
        for (qint64 left = size; left > 0;) {
            // A device that takes part of a write (a disk filling up) says
            // why it takes no more when offered the rest.
            const qint64 written = m_target.write(data, left);
            if (written <= 0) {
                m_failed = true;
                setErrorString(m_target.errorString());
                return -1;
            }
            data += written;
            left -= written;
        }
        return size;
    }

private:
    QIODevice &m_target;
    bool m_failed = false;
};

QString notWrittenText()
{
    return QCoreApplication::translate("PrintJob", "Filen kunne ikke skrives helt");
}

} // namespace

PrintJob::PrintJob(QPrinter &printer)
    : m_printer(printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        m_fileName = printer.outputFileName();
}

PrintJob::~PrintJob()
{
    // A job left unended writes nothing over the file.
    m_pdf.reset();
    if (m_target)
        m_target->cancel();
}

bool PrintJob::begin(QPainter &painter)
{
    m_errorString.clear();
    if (m_fileName.isEmpty())
        return painter.begin(&m_printer);

    m_target = std::make_unique<SaveTarget>(m_fileName);
    if (!m_target->open(QIODevice::WriteOnly)) {
        m_errorString = m_target->errorString();
        m_target.reset();
        return false;
    }
    m_checked = std::make_unique<CheckedWrites>(m_target->device());
    m_pdf = std::make_unique<QPdfWriter>(m_checked.get());
    // The page as the print dialog set it up, in the printer's units.
    m_pdf->setResolution(m_printer.resolution());
    m_pdf->setPageLayout(m_printer.pageLayout());
    m_pdf->setPdfVersion(m_printer.pdfVersion());
    m_pdf->setTitle(m_printer.docName());
    m_pdf->setCreator(m_printer.creator());
    if (!painter.begin(m_pdf.get())) {
        m_errorString = notWrittenText();
        m_pdf.reset();
        m_target->cancel();
        m_target.reset();
        return false;
    }
    return true;
}

QPagedPaintDevice &PrintJob::device()
{
    if (m_pdf)
        return *m_pdf;
    return m_printer;
}

bool PrintJob::end(QPainter &painter)
{
    const bool ended = painter.end();
    if (!m_target)
        return ended;

    // The writer writes the end of the document as painting ends.
    m_pdf.reset();
    const auto *checked = static_cast<const CheckedWrites *>(m_checked.get());
    bool printed = false;
    if (!ended || checked->failed()) {
        m_errorString = checked->failed() ? checked->errorString() : notWrittenText();
        m_target->cancel();
    } else if (!m_target->commit()) {
        m_errorString = m_target->errorString();
    } else {
        printed = true;
    }
    m_target.reset();
    m_checked.reset();
    return printed;
}

void PrintJob::tellFailure(QWidget *parent) const
{
    if (m_fileName.isEmpty())
        return;
    MessageBox::critical(parent, QCoreApplication::translate("PrintJob", "Udskriften mislykkedes"),
        QCoreApplication::translate(
            "PrintJob", "Udskriften kunne ikke gemmes i %1:\n%2\n\nEn tidligere fil af det navn er uændret.")
            .arg(QDir::toNativeSeparators(m_fileName), m_errorString));
}
