#pragma once

#include <QList>
#include <QString>

#include <functional>

#include "database/CsvFormat.h"

class DBItemCollection;
class Item;

// Writes items as a spreadsheet file (RFC 4180): a header row of
// CsvColumns::titles(), then one row per item in the order given, CR LF
// line ends, a cell quoted only where it holds the separator, a quote, a
// line break or leading or trailing blanks, quotes inside doubled. Group
// and location as their names, and their numbers in their own columns;
// prices as plain decimal numbers with "." and as few decimals as read
// back to the same number; the date as the register keeps it and in
// ISO 8601 (empty when it is no date); pictures, receipts and documents as
// the stored paths.
//
// Only UTF-8 (with or without a byte-order mark) and Latin-1 are written;
// the file is written beside the older one of its name and replaces it only
// when whole.
class CsvExport
{
public:
    explicit CsvExport(const DBItemCollection &collection);

    // False (see errorString) when the file was not written whole.
    bool write(const QString &fileName, const QList<const Item *> &items, const CsvFormat &format);
    // Every item of the collection in its order.
    bool writeAll(const QString &fileName, const CsvFormat &format);
    // The file and the reason of the last failure.
    QString errorString() const { return m_errorString; }

private:
    bool writeRows(const QString &fileName, qsizetype count, const CsvFormat &format,
        const std::function<const Item *(qsizetype)> &at);

    const DBItemCollection &m_collection;
    QString m_errorString;
};
