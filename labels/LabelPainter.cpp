#include "labels/LabelPainter.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

// Texts are laid out in a font of this pixel size and scaled to millimetres.
constexpr int FontPixels = 100;
// The tallest line on a label, and the least padding around its content.
constexpr double MaxLineMm = 4.2;
constexpr double PaddingMm = 1.5;

bool isLinear(BarcodeSymbol::Symbology symbology)
{
    return symbology == BarcodeSymbol::Code128 || symbology == BarcodeSymbol::Ean13;
}

QRectF inner(const QRectF &rect)
{
    const double padding = qMin(PaddingMm, rect.height() * 0.06);
    return rect.adjusted(padding, padding, -padding, -padding);
}

} // namespace

LabelPainter::LabelPainter(const LabelSheet &sheet)
    : m_sheet(sheet)
    , m_font(QStringLiteral("Helvetica"))
{
    m_font.setStyleHint(QFont::SansSerif);
    m_font.setPixelSize(FontPixels);
    m_boldFont = m_font;
    m_boldFont.setBold(true);
}

QRectF LabelPainter::codeRect(const QRectF &rect, const LabelSheet::Label &label) const
{
    if (label.symbol < 0)
        return {};
    const BarcodeSymbol &symbol = m_sheet.symbol(label.symbol);
    const QRectF content = inner(rect);
    if (isLinear(symbol.symbology())) {
        const bool texts = !label.title.isEmpty() || !label.lines.isEmpty();
        return QRectF(content.topLeft(), QSizeF(content.width(), content.height() * (texts ? 0.45 : 0.8)));
    }
    const double side = qMin(content.height(), content.width() / 2);
    return QRectF(content.topLeft(), QSizeF(side, side));
}

void LabelPainter::drawLine(QPainter *painter, const QRectF &box, const QString &text, bool bold) const
{
    if (text.isEmpty() || box.width() <= 0)
        return;
    const QFont &font = bold ? m_boldFont : m_font;
    const QFontMetricsF metrics(font, painter->device());
    const double scale = box.height() / metrics.height();
    const QString shown = metrics.elidedText(text, Qt::ElideRight, box.width() / scale);
    painter->save();
    painter->setFont(font);
    painter->translate(box.left(), box.top() + metrics.ascent() * scale);
    painter->scale(scale, scale);
    painter->drawText(QPointF(0, 0), shown);
    painter->restore();
}

void LabelPainter::paint(QPainter *painter, const QRectF &rect, const LabelSheet::Label &label) const
{
    const QRectF content = inner(rect);
    QRectF textBox = content;
    QString numberLine;
    const QRectF code = codeRect(rect, label);
    if (label.symbol >= 0) {
        const BarcodeSymbol &symbol = m_sheet.symbol(label.symbol);
        if (isLinear(symbol.symbology())) {
            symbol.paint(painter, code);
            // The number under the bars, then the other lines.
            const double numberHeight = qMin(MaxLineMm * 0.8, content.height() * 0.12);
            QRectF numberBox(code.left(), code.bottom(), code.width(), numberHeight);
            const QFontMetricsF metrics(m_font, painter->device());
            const double width = metrics.horizontalAdvance(label.number) * numberHeight / metrics.height();
            numberBox.setLeft(code.center().x() - qMin(width, code.width()) / 2);
            drawLine(painter, numberBox, label.number, false);
            textBox.setTop(numberBox.bottom() + content.height() * 0.02);
        } else {
            symbol.paint(painter, code);
            textBox.setLeft(code.right() + PaddingMm);
            if (m_sheet.options().kind == LabelSheet::ItemLabels)
                numberLine = label.number;
        }
    } else if (m_sheet.options().barcode && m_sheet.options().kind == LabelSheet::ItemLabels) {
        numberLine = label.number;
    }

    QStringList lines = label.lines;
    if (!numberLine.isEmpty())
        lines.prepend(numberLine);
    const int count = int(lines.size()) + (label.title.isEmpty() ? 0 : 1);
    if (count == 0 || textBox.height() <= 0)
        return;
    const double lineHeight = qMin(MaxLineMm, textBox.height() / count);
    // Letters take most of a line; the rest keeps the lines apart.
    const double letters = lineHeight * 0.85;
    double y = textBox.top();
    if (!label.title.isEmpty()) {
        drawLine(painter, QRectF(textBox.left(), y, textBox.width(), letters), label.title, true);
        y += lineHeight;
    }
    for (const QString &line : std::as_const(lines)) {
        drawLine(painter, QRectF(textBox.left(), y, textBox.width(), letters), line, false);
        y += lineHeight;
    }
}

void LabelPainter::paintSheet(QPainter *painter, int sheet, bool outlines) const
{
    const LabelSheetLayout &layout = m_sheet.layout();
    const int perSheet = qMax(1, layout.labelsPerSheet());
    painter->save();
    painter->setPen(Qt::black);
    if (outlines) {
        painter->save();
        painter->setPen(QPen(QColor(170, 170, 170), 0));
        painter->setBrush(Qt::NoBrush);
        for (int i = 0; i < perSheet; ++i)
            painter->drawRect(layout.labelRect(i));
        painter->restore();
    }
    const QList<LabelSheet::Label> &labels = m_sheet.labels();
    const int first = qMax(0, sheet * perSheet - m_sheet.position(0));
    for (int i = first; i < labels.size(); ++i) {
        const int position = m_sheet.position(i);
        if (position / perSheet != sheet)
            break;
        paint(painter, layout.labelRect(position), labels.at(i));
    }
    painter->restore();
}
