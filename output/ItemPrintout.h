#pragma once

#include <QList>
#include <QPair>
#include <QString>

class DBItemCollection;
class Item;
class QWidget;

// One item on one page: a label and a value per line, in a fixed-pitch font.
// The labels are the item list's column titles; pictures (Vistrel) have no
// total price line.
namespace ItemPrintout {

using Line = QPair<QString, QString>;

// The label and value lines of the item; the group and location names come
// from the collection's lists (a number past a list prints as itself).
QList<Line> lines(const Item &item, const DBItemCollection *collection);

// Asks for a printer (the dialog's parent is parent) and prints the item's
// lines under the page heading (database, date, "side N af M"); a long value
// goes on over the following lines within the page's width instead of
// running off it. With no item the page is empty. A cancelled dialog or a
// printer that cannot be opened prints nothing and says nothing; a print into
// a file that fails says why and leaves an older file of that name as it was.
void print(const Item *item, const DBItemCollection *collection, QWidget *parent);

} // namespace ItemPrintout
