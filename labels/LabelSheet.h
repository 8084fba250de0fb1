#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include "labels/BarcodeSymbol.h"
#include "labels/LabelSheetLayout.h"

class DBItemCollection;
class Item;

// The labels of one print job, in the order they go on the sheets: what each
// label says and which barcode it carries. Each distinct text is encoded
// once. A text that the chosen symbology cannot hold falls back to Code 128,
// or the label goes without a code; each such case is told in problems(),
// naming the item or location. The collection and the items are read while
// the labels are made and not kept.
class LabelSheet
{
    Q_DECLARE_TR_FUNCTIONS(LabelSheet)
public:
    enum Kind { ItemLabels, LocationLabels };

    struct Options
    {
        Kind kind = ItemLabels;
        // One label for each piece of an item's count rather than one an item.
        bool perPiece = false;
        // The first label of the first sheet that is printed on (1 is the top
        // left), to use a sheet of which some labels are gone.
        int startAt = 1;
        bool barcode = true;
        bool name = true;
        bool makeModel = true;
        bool place = true;
        bool price = false;
        BarcodeSymbol::Symbology symbology = BarcodeSymbol::Code128;
    };

    struct Label
    {
        int symbol = -1; // index into symbol(); -1 without a code
        QString number; // the text of the code, shown under a 1D symbol
        QString title; // the name (bold)
        QStringList lines; // make and model, place, price; a location's count
    };

    LabelSheet(const LabelSheetLayout &layout, const Options &options);

    // Adds the labels of items (in their order) or, for LocationLabels, one
    // label per location of the collection, whose QR code holds the
    // location's name and the names of the items stored there.
    void addItems(const DBItemCollection &collection, const QList<const Item *> &items);
    void addLocations(const DBItemCollection &collection);

    const LabelSheetLayout &layout() const { return m_layout; }
    const Options &options() const { return m_options; }
    const QList<Label> &labels() const { return m_labels; }
    const BarcodeSymbol &symbol(int index) const { return m_symbols.at(index); }
    QStringList problems() const { return m_problems; }
    // The sheets the labels take, from the start position on.
    int sheetCount() const;
    // The place of label index on its sheet, counted from the top left.
    int position(int index) const { return qMax(0, m_options.startAt - 1) + index; }

    // The number of item that the labels' barcodes carry: the register
    // number in the picture edition, the six-digit item number of the label
    // printer in the stock edition, the serial or catalogue number elsewhere.
    static QString itemNumber(const Item &item);
    // The name of the place an item is kept: its storage place (the group)
    // in the stock edition, otherwise its group and its location.
    static QString placeName(const DBItemCollection &collection, const Item &item);
    // The locations of the collection, one a label: the groups in the stock
    // edition (its storage places), the locations elsewhere.
    static QStringList locationNames(const DBItemCollection &collection);
    // The text of a location's QR code: its name and below it the names of
    // the items, as many as a code of at most maxModules across holds, then
    // "...and N more".
    static QString locationCodeText(const QString &location, const QStringList &items, int maxModules);

private:
    int symbolFor(const QString &text, BarcodeSymbol::Symbology symbology, const QString &owner);
    int encoded(const QString &text, BarcodeSymbol::Symbology symbology, QString *error);
    int maxQrModules() const;

    LabelSheetLayout m_layout;
    Options m_options;
    QList<Label> m_labels;
    QList<BarcodeSymbol> m_symbols;
    QHash<QString, int> m_symbolIndex; // symbology and text to index
    QStringList m_problems;
};
