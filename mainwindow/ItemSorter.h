#pragma once

#include <QtGlobal>

#include <vector>

class Item;
class userItemCollection;

// Sorts the items of a group by what a column of the item list shows, the
// way the list sorts: plain character-code order of the texts, the count and
// the two price columns by the number shown, the date column by calendar
// date with unreadable dates first; stable in both directions. A sorter
// holds nothing of the list or its model: it reads only the items and the
// location names (ItemColumnText), so that groups can be sorted on two
// threads at once while nothing changes the register.
class ItemSorter
{
public:
    ItemSorter(int column, bool descending, const userItemCollection *locations)
        : m_column(column)
        , m_descending(descending)
        , m_locations(locations)
    { }

    // Sorts items; oldPositions, when given, gets each sorted item's place
    // before the sort.
    void sort(std::vector<Item *> &items, std::vector<quint32> *oldPositions = nullptr) const;

    // A number as a key whose unsigned order is the numbers' order: -0 and
    // 0 alike, not-a-number after every number.
    static quint64 numberKey(double value);

private:
    int m_column;
    bool m_descending;
    const userItemCollection *m_locations;
};
