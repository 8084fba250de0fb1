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

    // The day number of a date text read the way an item reads its date; 0
    // when that is no valid date.
    static qint64 dayNumber(QAnyStringView text);
};
