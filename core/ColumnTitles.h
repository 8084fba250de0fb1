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
