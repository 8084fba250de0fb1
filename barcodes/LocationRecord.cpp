#include "barcodes/LocationRecord.h"

#include <QStringList>

LocationRecord LocationRecord::fromLine(const QString &line)
{
    const QStringList fields = line.split(QLatin1Char(';'), Qt::KeepEmptyParts);
    LocationRecord record;
    const QString &kind = fields.first();
    if (kind == QLatin1String("I") && fields.size() == 4) {
        record.form = Count;
        record.location1 = fields.at(1);
        record.inventoryId = fields.at(2);
        record.count = fields.at(3);
    } else if (kind == QLatin1String("F") && fields.size() == 5) {
        record.form = Move;
        record.location1 = fields.at(1);
        record.location2 = fields.at(2);
        record.inventoryId = fields.at(3);
        record.count = fields.at(4);
    } else if (kind == QLatin1String("S") && (fields.size() == 3 || fields.size() == 4) && !fields.at(1).isEmpty()
        && !fields.at(2).isEmpty()) {
        record.form = fields.size() == 3 ? Place : PlaceCopy;
        record.location1 = fields.at(1);
        record.inventoryId = fields.at(2);
        if (fields.size() == 4)
            record.count = fields.at(3);
    }
    if (record.inventoryId.contains(QLatin1Char('#')))
        return LocationRecord();
    return record;
}
