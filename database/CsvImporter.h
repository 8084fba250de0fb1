#pragma once

#include <QCoreApplication>
#include <QString>

#include "database/CsvColumnMapping.h"
#include "database/CsvFormat.h"
#include "database/CsvImportPlan.h"

class CsvReader;
class DBItemCollection;
class QIODevice;
struct CsvRow;

// Turns the rows of a spreadsheet file into items of the register by the
// rules every item obeys (the item dialog's ranges and required fields, what
// the database file can hold: StoredText, StorageCheck), without changing
// anything until apply(). Nothing that cannot be stored is changed silently:
// a cell the file cannot hold refuses its row, naming the cell, unless the
// user asked for the substitutes (a ";" becomes "," and a line break " ").
class CsvImporter
{
    Q_DECLARE_TR_FUNCTIONS(CsvImporter)

public:
    struct Options
    {
        bool substitute = false;
    };

    // The collection is read (its lists, and in the inventory edition its
    // serial numbers), never changed; not owned.
    CsvImporter(const DBItemCollection &collection, const CsvColumnMapping &mapping, Options options);

    // Why a cell cannot be stored in the field, in one translated sentence;
    // empty when it can (after the substitutes, when asked for).
    QString cellProblem(int field, const QString &cell) const;
    // Checks one row and adds its item, or its error, to the plan.
    void addRow(const CsvRow &row, CsvImportPlan &plan);
    // The dry run of the whole file: every row after the header row (when
    // the format has one), with progress shown for work over half a second.
    CsvImportPlan check(QIODevice &device, const CsvFormat &format);

    // Makes the plan's changes as one step named "import": the new names at
    // the ends of their lists, then the items after the collection's last.
    // Undo takes it all back. Nothing happens for a plan that cannot be
    // applied or a collection that is read-only (false).
    static bool apply(DBItemCollection &collection, CsvImportPlan &plan);

private:
    const DBItemCollection &m_collection;
    CsvColumnMapping m_mapping;
    Options m_options;
};
