#pragma once

#include <QString>
#include <QStringList>

// The columns of the register's spreadsheet file, in their order: the item
// list's seventeen columns (ListColumns::Column, same numbers), then the
// group's and the location's numbers and the purchase date in ISO 8601, so
// that a file read back gives every item exactly as it was.
namespace CsvColumns {
enum Extra {
    GroupNumberColumn = 17,
    LocationNumberColumn = 18,
    IsoDateColumn = 19,
    ColumnCount = 20,
};

// The header cell of a column as the list names it now (columnTitles(), so
// that a renamed column is exported under its name; the group and name
// columns translated as the list shows them), and for the extra columns
// "%1 nr." of the group and location titles and "%1 (ISO 8601)" of the
// date title. Empty for a column outside 0..ColumnCount-1.
QString title(int column);
// All ColumnCount titles in order.
QStringList titles();
} // namespace CsvColumns
