#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "database/CsvColumns.h"

class userItemCollection;

// Which column of a spreadsheet file gives each of the register's fields
// (CsvColumns: the seventeen list columns and the three extra ones).
class CsvColumnMapping
{
public:
    static constexpr int NotPresent = -1;

    // Every field not present.
    CsvColumnMapping();

    // The column for each field chosen by the header's names, compared
    // without regard to case or blanks around them: the list's titles now
    // (CsvColumns::titles()), the initial titles of the running edition in
    // Danish, Norwegian and English, the database's field-names list, and
    // common spreadsheet names ("Price", "Serial number", "Purchase date",
    // ...). A column is given to one field at most, the first that names
    // it; a field that no column names is not present.
    static CsvColumnMapping guess(const QStringList &header, const userItemCollection &fieldNames);
    // The same for a file without names: the columns in the export's order.
    static CsvColumnMapping inExportOrder(int columnCount);

    // The column (from 0) that gives the field, or NotPresent.
    int column(int field) const;
    void setColumn(int field, int column);
    // Whether any field has a column.
    bool isEmpty() const;

    // The mapping last used for a file with exactly this header, kept in the
    // settings ("Csv/Mappings"); guess() when none was kept.
    static CsvColumnMapping remembered(const QStringList &header, const userItemCollection &fieldNames);
    void remember(const QStringList &header) const;

    bool operator==(const CsvColumnMapping &other) const { return m_columns == other.m_columns; }

private:
    QList<int> m_columns;
};
