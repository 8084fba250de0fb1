#pragma once

#include <QCoreApplication>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

// One barcode symbol, encoded by zint and kept as its vector drawing
// (rectangles, hexagons, circles and texts in zint's units, one unit a
// module), so that it is drawn sharp on a PDF, a printer or the screen at any
// size. A symbol is a plain value: encode a text once and draw it as often as
// wanted.
class BarcodeSymbol
{
    Q_DECLARE_TR_FUNCTIONS(BarcodeSymbol)
public:
    enum Symbology { Code128, QrCode, Ean13, DataMatrix };

    // Encodes text. False when the symbology cannot hold the text;
    // errorText() then says why, naming the text, and the symbol is null.
    bool encode(Symbology symbology, const QString &text);
    QString errorText() const { return m_errorText; }
    bool isNull() const { return m_size.isEmpty(); }

    // The symbol's size in zint's units: modules for the 2D codes; for a 1D
    // code its width in modules by its bar height (and the text under it).
    QSizeF size() const { return m_size; }

    // Whether the human-readable text under a 1D symbol is drawn (default
    // true). Takes effect at the next encode().
    void setShowText(bool show) { m_showText = show; }
    bool showText() const { return m_showText; }
    // The bars' height of a 1D symbol in modules (0: zint's own height).
    // Takes effect at the next encode().
    void setBarHeight(double modules) { m_barHeight = modules; }
    // Whether the symbol carries its quiet zones (the blank margin a reader
    // needs around it) in its own size (default false). Takes effect at the
    // next encode().
    void setQuietZones(bool quietZones) { m_quietZones = quietZones; }

    // Draws the symbol stretched to fill target exactly; callers keep the
    // aspect ratio themselves where it matters. Draws nothing when null.
    void paint(QPainter *painter, const QRectF &target) const;

    Symbology symbology() const { return m_symbology; }
    QString text() const { return m_text; }

    // The symbology's name as shown to the user ("Code 128", "QR-kode").
    static QString symbologyName(Symbology symbology);
    // Whether text is an EAN-13 number: 13 digits whose last is the check
    // digit of the 12 before it.
    static bool isEan13(const QString &text);

private:
    struct Text
    {
        QPointF position; // of the baseline, at the alignment's point
        double size = 0;
        double width = 0; // the widest the text may be drawn; 0 without limit
        int alignment = 0; // zint's: 0 centre, 1 left, 2 right
        QString text;
    };
    struct Circle
    {
        QPointF centre;
        double diameter = 0;
        double lineWidth = 0; // 0 for a disc
        bool background = false;
    };
    struct Hexagon
    {
        QPointF centre;
        double diameter = 0;
        int rotation = 0;
    };

    void clear();

    Symbology m_symbology = Code128;
    QString m_text;
    QString m_errorText;
    bool m_showText = true;
    bool m_quietZones = false;
    double m_barHeight = 0;
    QSizeF m_size;
    QList<QRectF> m_rectangles;
    QList<QRectF> m_backgroundRectangles;
    QList<Hexagon> m_hexagons;
    QList<Circle> m_circles;
    QList<Text> m_texts;
};
