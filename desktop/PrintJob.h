#pragma once

#include <QString>

#include <memory>

class QIODevice;
class QPagedPaintDevice;
class QPainter;
class QPdfWriter;
class QPrinter;
class QWidget;
class SaveTarget;

// One print run on a printer that PrintDialog set up. A printer that prints
// into a PDF file paints into a new file beside it instead, which takes the
// file's place only once the whole document is written: a print that fails
// on the way (a full disk, a folder that takes no files, a folder where the
// file should be) leaves an older file of that name as it was, and the job
// knows why. Everything else goes to the printer as it is.
class PrintJob
{
public:
    // printer: set up by the print dialog; it must outlive the job.
    explicit PrintJob(QPrinter &printer);
    ~PrintJob();
    PrintJob(const PrintJob &) = delete;
    PrintJob &operator=(const PrintJob &) = delete;

    // Starts painting; false when the printer or the file cannot be opened.
    bool begin(QPainter &painter);
    // What is painted on, once begun: the printer or the PDF in its place,
    // with the printer's pages, resolution and size.
    QPagedPaintDevice &device();
    // Ends painting; false when the document was not printed whole.
    bool end(QPainter &painter);

    // The PDF file printed into; empty when printing on a printer.
    QString fileName() const { return m_fileName; }
    // Why a print into a file failed.
    QString errorString() const { return m_errorString; }
    // Tells the user why a print into a file failed: a box naming the file
    // and the reason. (A printer that does not start is the platform's to
    // report.)
    void tellFailure(QWidget *parent) const;

private:
    QPrinter &m_printer;
    QString m_fileName;
    QString m_errorString;
    std::unique_ptr<SaveTarget> m_target;
    // Between the PDF and the file: it notes a write that did not go through.
    std::unique_ptr<QIODevice> m_checked;
    std::unique_ptr<QPdfWriter> m_pdf;
};
