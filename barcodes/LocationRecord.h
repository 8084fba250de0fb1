#pragma once

#include <QString>

// One line of a scanner's location update file, its fields as written.
struct LocationRecord
{
    enum Form {
        Ignored, // any other line, and comments ("#" in the inventory ID)
        Count, // I;location;inventoryId;count
        Move, // F;location1;location2;inventoryId;count
        Place, // S;location;inventoryId
        PlaceCopy, // S;location;inventoryId;count
    };

    Form form = Ignored;
    QString location1;
    QString location2;
    QString inventoryId;
    QString count;

    // The record of one line; form Ignored for a line of no known form.
    static LocationRecord fromLine(const QString &line);
};
