#pragma once

#include <QFont>
#include <QRectF>

#include "labels/LabelSheet.h"

class QPainter;

// Draws labels of a sheet: the barcode, the name in bold and the other lines,
// each line cut with "…" where it is longer than the label is wide. The
// painter's units are millimetres of the sheet (the caller scales it), so
// the same drawing goes to a PDF file, a printer and the preview.
class LabelPainter
{
public:
    explicit LabelPainter(const LabelSheet &sheet);

    // Draws label at rect (millimetres).
    void paint(QPainter *painter, const QRectF &rect, const LabelSheet::Label &label) const;
    // Draws one sheet's labels (sheet 0 is the first; its labels before the
    // start position stay blank). With outlines, each label's edge is drawn
    // too, as the preview shows them.
    void paintSheet(QPainter *painter, int sheet, bool outlines = false) const;

    // The part of a label that holds its code, and that of its lines
    // (millimetres), for tests and the preview.
    QRectF codeRect(const QRectF &rect, const LabelSheet::Label &label) const;

private:
    // Draws text in box, cut to its width, with its baseline at the box's
    // bottom less the font's descent; height is the letters' height in mm.
    void drawLine(QPainter *painter, const QRectF &box, const QString &text, bool bold) const;

    const LabelSheet &m_sheet;
    QFont m_font;
    QFont m_boldFont;
};
