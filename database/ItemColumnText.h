#pragma once

#include <QAnyStringView>
#include <QString>

class Item;
class userItemCollection;

// What an item shows in a column of the item list, which is also what the
// list sorts it by. Read from the item and the location names alone, so a
// sort may take it on any thread while nothing changes the register.
class ItemColumnText
{
public:
    // The column's text (ListColumns::Column); empty for the group column
    // and the picture columns. Without location names every location reads
    // "Error", as a location beyond the list does.
    static QString of(const Item &item, int column, const userItemCollection *locations);

    // Whether the column shows a number (the count, the price, the value
    // today), which the list sorts by its value rather than its text.
    static bool isNumeric(int column);
    // The number a numeric column shows: the count, or the price or value
    // today rounded to the two decimals shown, so that items showing the
    // same text are equal in a sort. 0 for the other columns.
    static double shownNumber(const Item &item, int column);
    // A value in whole cents as its two-decimal text shows it; a value
    // that is not finite, or too large for whole cents to matter, times 100.
    static double shownCents(double value);

    // The day number of a date text read the way an item reads its date; 0
    // when that is no valid date.
    static qint64 dayNumber(QAnyStringView text);
};
