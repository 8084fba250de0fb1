#include "labels/BarcodeSymbol.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

#include <zint.h>

#include <memory>

namespace {

// zint's colour of a rectangle drawn in the background's colour (white).
constexpr int ZintWhite = 8;
// The texts are laid out in a font of this pixel size and scaled to zint's
// sizes, which are fractions of a module.
constexpr int TextPixelSize = 100;

struct SymbolDeleter
{
    void operator()(zint_symbol *symbol) const { ZBarcode_Delete(symbol); }
};

int zintSymbology(BarcodeSymbol::Symbology symbology)
{
    switch (symbology) {
    case BarcodeSymbol::Code128:
        return BARCODE_CODE128;
    case BarcodeSymbol::QrCode:
        return BARCODE_QRCODE;
    case BarcodeSymbol::Ean13:
        return BARCODE_EANX;
    case BarcodeSymbol::DataMatrix:
        return BARCODE_DATAMATRIX;
    }
    return BARCODE_CODE128;
}

bool isAscii(const QByteArray &bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

QString BarcodeSymbol::symbologyName(Symbology symbology)
{
    switch (symbology) {
    case Code128:
        return tr("Code 128");
    case QrCode:
        return tr("QR-kode");
    case Ean13:
        return tr("EAN-13");
    case DataMatrix:
        return tr("DataMatrix");
    }
    return {};
}

bool BarcodeSymbol::isEan13(const QString &text)
{
    if (text.size() != 13)
        return false;
    int sum = 0;
    for (int i = 0; i < 13; ++i) {
        const QChar c = text.at(i);
        if (c < u'0' || c > u'9')
            return false;
        if (i < 12)
            sum += (c.unicode() - u'0') * (i % 2 == 0 ? 1 : 3);
    }
    return (10 - sum % 10) % 10 == text.at(12).unicode() - u'0';
}

void BarcodeSymbol::clear()
{
    m_errorText.clear();
    m_size = {};
    m_rectangles.clear();
    m_backgroundRectangles.clear();
    m_hexagons.clear();
    m_circles.clear();
    m_texts.clear();
}

bool BarcodeSymbol::encode(Symbology symbology, const QString &text)
{
    clear();
    m_symbology = symbology;
    m_text = text;
    const QString name = symbologyName(symbology);
    if (text.isEmpty()) {
        m_errorText = tr("En tom tekst kan ikke blive til en stregkode af typen %1.").arg(name);
        return false;
    }
    // zint reads a text of 12 or 13 digits as EAN-13, but shorter ones as
    // EAN-8 or an add-on; only a whole EAN-13 number is one.
    if (symbology == Ean13 && !isEan13(text)) {
        m_errorText = tr("»%1« er ikke et EAN-13-nummer (13 cifre med det rette kontrolciffer).").arg(text);
        return false;
    }

    std::unique_ptr<zint_symbol, SymbolDeleter> symbol(ZBarcode_Create());
    if (!symbol) {
        m_errorText = tr("Der var ikke hukommelse nok til stregkoden for »%1«.").arg(text);
        return false;
    }
    symbol->symbology = zintSymbology(symbology);
    // zint draws two units a module at its own scale of 1.
    symbol->scale = 0.5f;
    symbol->show_hrt = m_showText ? 1 : 0;
    symbol->output_options = m_quietZones ? BARCODE_QUIET_ZONES : BARCODE_NO_QUIET_ZONES;
    // A square DataMatrix: a label keeps room for it beside the texts.
    if (symbology == DataMatrix)
        symbol->option_3 = DM_SQUARE;
    if (m_barHeight > 0)
        symbol->height = float(m_barHeight);
    const QByteArray bytes = text.toUtf8();
    // Code 128 holds Latin-1 letters only through its FNC4 shift, which
    // many scanners read as other letters: a wrong code is worse than none.
    if (symbology == Code128 && !isAscii(bytes)) {
        m_errorText = tr("»%1« indeholder tegn, som stregkodetypen %2 ikke kan rumme.").arg(text, name);
        return false;
    }
    // A 2D code of a text beyond ASCII says that it holds UTF-8 (ECI 26):
    // without the mark a reader guesses the bytes' code page, and some guess
    // Shift JIS.
    symbol->input_mode = UNICODE_MODE;
    if ((symbology == QrCode || symbology == DataMatrix) && !isAscii(bytes))
        symbol->eci = 26;

    const int result = ZBarcode_Encode_and_Buffer_Vector(
        symbol.get(), reinterpret_cast<const unsigned char *>(bytes.constData()), int(bytes.size()), 0);
    if (result >= ZINT_ERROR || !symbol->vector) {
        switch (result) {
        case ZINT_ERROR_TOO_LONG:
            m_errorText = tr("»%1« er for lang til stregkodetypen %2.").arg(text, name);
            break;
        case ZINT_ERROR_INVALID_DATA:
            m_errorText = tr("»%1« indeholder tegn, som stregkodetypen %2 ikke kan rumme.").arg(text, name);
            break;
        case ZINT_ERROR_INVALID_CHECK:
            m_errorText = tr("»%1« har et forkert kontrolciffer til stregkodetypen %2.").arg(text, name);
            break;
        case ZINT_ERROR_MEMORY:
            m_errorText = tr("Der var ikke hukommelse nok til stregkoden for »%1«.").arg(text);
            break;
        default:
            m_errorText
                = tr("Stregkodetypen %2 kan ikke rumme »%1« (fejl %3).").arg(text, name, QString::number(result));
            break;
        }
        return false;
    }

    const zint_vector *vector = symbol->vector;
    for (const zint_vector_rect *rect = vector->rectangles; rect; rect = rect->next) {
        const QRectF r(rect->x, rect->y, rect->width, rect->height);
        if (rect->colour == ZintWhite)
            m_backgroundRectangles.append(r);
        else
            m_rectangles.append(r);
    }
    for (const zint_vector_hexagon *hexagon = vector->hexagons; hexagon; hexagon = hexagon->next)
        m_hexagons.append({ QPointF(hexagon->x, hexagon->y), hexagon->diameter, hexagon->rotation });
    for (const zint_vector_circle *circle = vector->circles; circle; circle = circle->next)
        m_circles.append({ QPointF(circle->x, circle->y), circle->diameter, circle->width, circle->colour != 0 });
    for (const zint_vector_string *string = vector->strings; string; string = string->next) {
        m_texts.append({ QPointF(string->x, string->y), string->fsize, string->width, string->halign,
            QString::fromUtf8(reinterpret_cast<const char *>(string->text), string->length) });
    }
    m_size = QSizeF(vector->width, vector->height);
    return true;
}

void BarcodeSymbol::paint(QPainter *painter, const QRectF &target) const
{
    if (isNull() || target.isEmpty())
        return;
    painter->save();
    painter->translate(target.topLeft());
    painter->scale(target.width() / m_size.width(), target.height() / m_size.height());
    painter->setPen(Qt::NoPen);

    const QColor foreground(Qt::black);
    const QColor background(Qt::white);
    for (const QRectF &rect : m_rectangles)
        painter->fillRect(rect, foreground);
    for (const QRectF &rect : m_backgroundRectangles)
        painter->fillRect(rect, background);

    if (!m_hexagons.isEmpty()) {
        painter->setBrush(foreground);
        for (const Hexagon &hexagon : m_hexagons) {
            // zint's hexagon stands on a point; a rotation of 90 or 270
            // degrees lays it on a side.
            const double radius = hexagon.diameter / 2;
            const double start = (hexagon.rotation == 90 || hexagon.rotation == 270) ? 0 : 30;
            QPolygonF polygon;
            for (int i = 0; i < 6; ++i) {
                const double angle = qDegreesToRadians(start + 60 * i);
                polygon << hexagon.centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
            }
            painter->drawPolygon(polygon);
        }
    }

    for (const Circle &circle : m_circles) {
        const QColor colour = circle.background ? background : foreground;
        if (circle.lineWidth > 0) {
            // The diameter is the ring's middle line.
            painter->setBrush(Qt::NoBrush);
            painter->setPen(QPen(colour, circle.lineWidth));
        } else {
            painter->setPen(Qt::NoPen);
            painter->setBrush(colour);
        }
        painter->drawEllipse(circle.centre, circle.diameter / 2, circle.diameter / 2);
    }

    if (!m_texts.isEmpty()) {
        QFont font(QStringLiteral("Helvetica"));
        font.setStyleHint(QFont::SansSerif);
        font.setPixelSize(TextPixelSize);
        painter->setFont(font);
        painter->setPen(foreground);
        const QFontMetricsF metrics(font, painter->device());
        for (const Text &text : m_texts) {
            const double scale = text.size / TextPixelSize;
            double width = metrics.horizontalAdvance(text.text) * scale;
            double squeeze = 1;
            if (text.width > 0 && width > text.width) {
                squeeze = text.width / width;
                width = text.width;
            }
            double x = text.position.x();
            if (text.alignment == 0)
                x -= width / 2;
            else if (text.alignment == 2)
                x -= width;
            painter->save();
            painter->translate(x, text.position.y());
            painter->scale(scale * squeeze, scale);
            painter->drawText(QPointF(0, 0), text.text);
            painter->restore();
        }
    }
    painter->restore();
}
