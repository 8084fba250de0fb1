#pragma once

#include <QString>
#include <QStringList>

// The seventeen process-wide column titles of the item list, one per column
// (see ItemListView::Column). They start as the initial titles and are
// replaced by ItemListView::ViewAll from the open database's field-names
// list. The list printout prints them as headings and the main window names
// its Setup entries after the group, location and supplier titles.
//
// The titles are stored as plain texts (no "&"); the list shows the texts of
// columns 0 and 1 translated, and so should every other user of those two.

constexpr int ListColumnCount = 17;

// The item list's columns, by which the list, the exports, the printouts and
// the dialogs name an item's fields.
namespace ListColumns {
enum Column {
    GroupColumn = 0,
    NameColumn = 1,
    ProductColumn = 2,
    ModelColumn = 3,
    CountColumn = 4,
    PriceColumn = 5,
    PriceTodayColumn = 6,
    PictureColumn = 7,
    ReceiptColumn = 8,
    DateColumn = 9,
    LocationColumn = 10,
    DescriptionColumn = 11,
    SupplierColumn = 12,
    AddressColumn = 13,
    SerialnoColumn = 14,
    WwwColumn = 15,
    DocumentColumn = 16,
};
} // namespace ListColumns

// All seventeen titles (a modifiable reference to the process-wide list).
QStringList &columnTitles();
// The title of one column; empty for a column outside 0..16.
QString columnTitle(int column);
void setColumnTitle(int column, const QString &title);
// The initial title of one column, translated, whatever the list holds
// now; empty for a column outside 0..16.
QString initialColumnTitle(int column);
// Back to the initial titles ("Gruppe", "Navn" translated, "Fabrikat", ...).
void resetColumnTitles();
