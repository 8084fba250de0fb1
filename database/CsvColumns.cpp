#include "database/CsvColumns.h"

#include <QCoreApplication>

#include "core/ColumnTitles.h"

namespace CsvColumns {

QString title(int column)
{
    if (column < 0 || column >= ColumnCount)
        return QString();
    switch (column) {
    case ListColumns::GroupColumn:
    case ListColumns::NameColumn:
        // The list shows these two translated.
        return QCoreApplication::translate("ItemListView", columnTitle(column).toUtf8().constData());
    case GroupNumberColumn:
        return QCoreApplication::translate("CsvColumns", "%1 nr.").arg(title(ListColumns::GroupColumn));
    case LocationNumberColumn:
        return QCoreApplication::translate("CsvColumns", "%1 nr.").arg(title(ListColumns::LocationColumn));
    case IsoDateColumn:
        return QCoreApplication::translate("CsvColumns", "%1 (ISO 8601)").arg(title(ListColumns::DateColumn));
    default:
        return columnTitle(column);
    }
}

QStringList titles()
{
    QStringList list;
    list.reserve(ColumnCount);
    for (int column = 0; column < ColumnCount; ++column)
        list.append(title(column));
    return list;
}

} // namespace CsvColumns
