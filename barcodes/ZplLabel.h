#pragma once

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

// One label of a ZPL label printer, read from its commands for a preview:
// the fields it prints (texts in the scalable font and Code 128 barcodes),
// where, and the label's size. Only what the printer would print is kept;
// the commands that set how it prints (speed, darkness, media) are accepted
// when they leave the picture as it is.
//
// Nothing is guessed. A command this reader does not know, or a known one
// with a value it cannot draw as the printer would (a mirrored label, a
// bitmap font, a barcode mode other than automatic), is listed in
// notShown(), and the field it stands in (or the next one, when it stands
// between fields) is left out of the picture.
//
// The text holds the label's bytes as Latin-1 characters, as the label files
// are read. The first label (^XA to ^XZ) is read; what follows is not.
class ZplLabel
{
public:
    enum Orientation { Normal, Rotated, Inverted, Bottom }; // N, R (90° clockwise), I, B

    struct Field
    {
        enum Kind { Text, Code128 };
        Kind kind = Text;
        // Upper left corner of the field, with the label home added, in dots.
        QPoint origin;
        Orientation orientation = Normal;
        // The field's data, escapes decoded and read in the label's code page.
        QString data;
        // Text: the scalable font's character height and width in dots.
        int fontHeight = 0;
        int fontWidth = 0;
        // Code 128: dots per module, the bars' height in dots, and the line
        // of the data under (or above) the bars.
        int moduleWidth = 2;
        int barHeight = 10;
        bool interpretation = true;
        bool interpretationAbove = false;
    };

    static ZplLabel parse(const QString &text);

    const QList<Field> &fields() const { return m_fields; }
    // ^PW and ^LL in dots; 0 when the label does not set them (the printer
    // then uses its own setting or measures the label).
    int printWidth() const { return m_printWidth; }
    int labelLength() const { return m_labelLength; }
    // ^PQ: labels printed of this one.
    int quantity() const { return m_quantity; }
    // The commands left out of the picture, each once, as "^GB" (or, for a
    // known command with a value that is not drawn, as written: "^PMY").
    const QStringList &notShown() const { return m_notShown; }
    // ^XA and ^XZ were found: without ^XZ the printer waits for the rest.
    bool hasStart() const { return m_hasStart; }
    bool hasEnd() const { return m_hasEnd; }

private:
    QList<Field> m_fields;
    int m_printWidth = 0;
    int m_labelLength = 0;
    int m_quantity = 1;
    QStringList m_notShown;
    bool m_hasStart = false;
    bool m_hasEnd = false;
};
