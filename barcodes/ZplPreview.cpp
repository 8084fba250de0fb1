#include "barcodes/ZplPreview.h"

#include "labels/BarcodeSymbol.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// A condensed bold sans serif is closest to the printer's scalable font.
QFont scalableFont(int height)
{
    QFont font(QStringLiteral("Liberation Sans Narrow"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    // The character height is the font's whole line: ascent and descent.
    font.setPixelSize(100);
    const qreal line = QFontMetricsF(font).height();
    font.setPixelSize(std::max(1, int(std::lround(height * 100 / std::max<qreal>(line, 1)))));
    return font;
}

// A line of the barcode's data under its bars: 8 modules high, 2 dots apart.
int interpretationHeight(const ZplLabel::Field &field)
{
    return 8 * field.moduleWidth;
}

const int interpretationGap = 2;

} // namespace

struct ZplPreview::Drawn
{
    ZplLabel::Field field;
    // The field upright, before it is turned to its orientation.
    QSizeF upright;
    QRect box;
    std::unique_ptr<BarcodeSymbol> symbol;
};

ZplPreview::ZplPreview(const ZplLabel &label)
{
    for (const ZplLabel::Field &field : label.fields()) {
        auto drawn = std::make_unique<Drawn>();
        drawn->field = field;
        if (field.kind == ZplLabel::Field::Code128) {
            drawn->symbol = std::make_unique<BarcodeSymbol>();
            drawn->symbol->setShowText(false);
            if (!drawn->symbol->encode(BarcodeSymbol::Code128, field.data)) {
                m_errors.append(drawn->symbol->errorText());
                continue;
            }
            qreal height = field.barHeight;
            if (field.interpretation)
                height += interpretationGap + interpretationHeight(field);
            drawn->upright = QSizeF(drawn->symbol->size().width() * field.moduleWidth, height);
        } else {
            const QFont font = scalableFont(field.fontHeight);
            const qreal stretch = qreal(field.fontWidth) / std::max(1, field.fontHeight);
            drawn->upright = QSizeF(QFontMetricsF(font).horizontalAdvance(field.data) * stretch, field.fontHeight);
        }
        const bool across = field.orientation == ZplLabel::Rotated || field.orientation == ZplLabel::Bottom;
        const QSizeF turned = across ? drawn->upright.transposed() : drawn->upright;
        drawn->box = QRect(field.origin, QSize(int(std::ceil(turned.width())), int(std::ceil(turned.height()))));
        m_drawn.push_back(std::move(drawn));
    }

    QRect extent;
    for (const auto &drawn : m_drawn)
        extent = extent.united(drawn->box);
    const int left = std::max(0, extent.left());
    const int top = std::max(0, extent.top());
    m_size = QSize(label.printWidth() > 0 ? label.printWidth() : std::max(1, extent.right() + 1 + left),
        label.labelLength() > 0 ? label.labelLength() : std::max(1, extent.bottom() + 1 + top));
}

ZplPreview::~ZplPreview() = default;

QList<QRect> ZplPreview::fieldRects() const
{
    QList<QRect> rects;
    for (const auto &drawn : m_drawn)
        rects.append(drawn->box);
    return rects;
}

void ZplPreview::paint(QPainter *painter) const
{
    for (const auto &drawn : m_drawn)
        paintField(painter, *drawn);
}

QImage ZplPreview::image() const
{
    QImage image(m_size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(&painter);
    painter.end();
    return image;
}

void ZplPreview::paintField(QPainter *painter, const Drawn &drawn) const
{
    const ZplLabel::Field &field = drawn.field;
    const QPointF origin = field.origin;
    const qreal width = drawn.upright.width();
    const qreal height = drawn.upright.height();
    painter->save();
    // The printer puts a turned field's box at the field origin.
    switch (field.orientation) {
    case ZplLabel::Normal:
        painter->translate(origin);
        break;
    case ZplLabel::Rotated:
        painter->translate(origin + QPointF(height, 0));
        painter->rotate(90);
        break;
    case ZplLabel::Inverted:
        painter->translate(origin + QPointF(width, height));
        painter->rotate(180);
        break;
    case ZplLabel::Bottom:
        painter->translate(origin + QPointF(0, width));
        painter->rotate(270);
        break;
    }
    painter->setPen(Qt::black);
    if (field.kind == ZplLabel::Field::Code128) {
        const qreal textHeight = field.interpretation ? interpretationGap + interpretationHeight(field) : 0;
        const qreal barsTop = field.interpretationAbove ? textHeight : 0;
        drawn.symbol->paint(painter, QRectF(0, barsTop, width, field.barHeight));
        if (field.interpretation) {
            painter->setFont(scalableFont(interpretationHeight(field)));
            const qreal textTop = field.interpretationAbove ? 0 : field.barHeight + interpretationGap;
            painter->drawText(QRectF(0, textTop, width, interpretationHeight(field)), Qt::AlignCenter, field.data);
        }
    } else {
        const QFont font = scalableFont(field.fontHeight);
        painter->setFont(font);
        painter->scale(qreal(field.fontWidth) / std::max(1, field.fontHeight), 1);
        painter->drawText(QPointF(0, QFontMetricsF(font).ascent()), field.data);
    }
    painter->restore();
}
