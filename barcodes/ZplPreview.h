#pragma once

#include "barcodes/ZplLabel.h"

#include <QCoreApplication>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QStringList>

#include <memory>
#include <vector>

class BarcodeSymbol;
class QPainter;

// The picture of a ZPL label as the printer prints it, one unit a printer
// dot: Code 128 barcodes drawn by BarcodeSymbol at the label's module width,
// texts in a condensed sans serif in place of the printer's scalable font, at
// the font's character height and width.
//
// The label is ^PW dots wide and ^LL long; a label without them is as large
// as its fields with the margins above and to the left of them repeated
// below and to the right, which is how a measured label around the fields
// looks.
class ZplPreview
{
    Q_DECLARE_TR_FUNCTIONS(ZplPreview)

public:
    explicit ZplPreview(const ZplLabel &label);
    ~ZplPreview();
    ZplPreview(const ZplPreview &) = delete;
    ZplPreview &operator=(const ZplPreview &) = delete;

    QSize size() const { return m_size; }
    // Paints the label's fields with the painter in dots from (0, 0); the
    // label's own white is the caller's.
    void paint(QPainter *painter) const;
    // The label on white, one pixel a dot.
    QImage image() const;
    // Where each drawn field lies on the label, in the label's field order.
    QList<QRect> fieldRects() const;
    // A sentence for each barcode that could not be coded and is not drawn.
    const QStringList &errors() const { return m_errors; }

private:
    struct Drawn;
    void paintField(QPainter *painter, const Drawn &drawn) const;

    std::vector<std::unique_ptr<Drawn>> m_drawn;
    QSize m_size;
    QStringList m_errors;
};
