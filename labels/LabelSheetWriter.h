#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

class LabelSheet;
class QPagedPaintDevice;
class QPrinter;

// Writes the sheets of labels to a PDF file or a printer, one page a sheet,
// in vector drawing (each barcode as its rectangles), page by page, so that
// no sheet's picture is kept in memory.
class LabelSheetWriter
{
    Q_DECLARE_TR_FUNCTIONS(LabelSheetWriter)
public:
    // Told after each sheet; false stops the job.
    using Progress = std::function<bool(int sheet, int sheets)>;

    explicit LabelSheetWriter(const LabelSheet &sheet);

    // Writes the PDF file path. False when it was stopped or could not be
    // written (errorString() says why; empty when stopped): no file is
    // left then, and a file there before stays as it was.
    bool writePdf(const QString &path, const Progress &progress = {});
    // Prints on printer (set up by the print dialog), at the sheet's page
    // size without margins.
    bool print(QPrinter &printer, const Progress &progress = {});
    QString errorString() const { return m_errorString; }

private:
    bool paint(QPagedPaintDevice &device, const Progress &progress);

    const LabelSheet &m_sheet;
    QString m_errorString;
};
