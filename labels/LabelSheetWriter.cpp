#include "labels/LabelSheetWriter.h"

#include "core/Edition.h"
#include "labels/LabelPainter.h"
#include "labels/LabelSheet.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

namespace {

// Fine enough for the narrowest bar of a code; the drawing is vector anyway.
constexpr int PdfResolution = 1200;

QPageSize pageSize(const LabelSheetLayout &layout)
{
    return QPageSize(layout.pageSize, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
}

} // namespace

LabelSheetWriter::LabelSheetWriter(const LabelSheet &sheet)
    : m_sheet(sheet)
{ }

bool LabelSheetWriter::paint(QPagedPaintDevice &device, const Progress &progress)
{
    const int sheets = qMax(1, m_sheet.sheetCount());
    QPainter painter;
    if (!painter.begin(&device)) {
        m_errorString = tr("Etiketterne kunne ikke skrives.");
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    // The labels are placed in millimetres from the paper's top left corner:
    // the pages have no margins.
    const double unitsPerMm = device.logicalDpiX() / 25.4;
    const LabelPainter labelPainter(m_sheet);
    for (int sheet = 0; sheet < sheets; ++sheet) {
        if (sheet > 0 && !device.newPage()) {
            m_errorString = tr("Etiketterne kunne ikke skrives.");
            painter.end();
            return false;
        }
        painter.save();
        painter.scale(unitsPerMm, device.logicalDpiY() / 25.4);
        labelPainter.paintSheet(&painter, sheet);
        painter.restore();
        if (progress && !progress(sheet + 1, sheets)) {
            painter.end();
            m_errorString.clear();
            return false;
        }
    }
    if (!painter.end()) {
        m_errorString = tr("Etiketterne kunne ikke skrives.");
        return false;
    }
    return true;
}

bool LabelSheetWriter::writePdf(const QString &path, const Progress &progress)
{
    m_errorString.clear();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        m_errorString = file.errorString();
        return false;
    }
    QPdfWriter writer(&file);
    writer.setResolution(PdfResolution);
    writer.setPageLayout(QPageLayout(pageSize(m_sheet.layout()), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setTitle(tr("Etiketter"));
    writer.setCreator(editionName());
    if (!paint(writer, progress)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        m_errorString = file.errorString();
        return false;
    }
    return true;
}

bool LabelSheetWriter::print(QPrinter &printer, const Progress &progress)
{
    m_errorString.clear();
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(pageSize(m_sheet.layout()), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    return paint(printer, progress);
}
