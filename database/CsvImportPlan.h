#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

#include "database/Item.h"

// A row of the file that will not be imported, and why.
struct CsvRowError
{
    // The line of the file on which the row starts (from 1).
    qint64 line = 0;
    // The field (CsvColumns) whose cell is the reason, or -1 for the row.
    int field = -1;
    // One translated sentence that names the cell's column title.
    QString reason;
};

// What an import would do, found by the dry run before anything changes:
// the items ready to go in, the rows refused, and the names that the lists
// lack yet. Applying it (CsvImporter::apply) takes its items.
struct CsvImportPlan
{
    // The items in the file's order, with their group and location numbers
    // as they will be once the new names are added to the lists.
    std::vector<std::unique_ptr<Item>> items;
    // The line on which each item's row starts.
    QList<qint64> itemLines;
    QList<CsvRowError> errors;
    // Names the lists lack, in the order the file first uses them; they are
    // added at the ends of the lists.
    QStringList newGroups;
    QStringList newLocations;
    QStringList newSuppliers;
    // Inventory edition: the lines of the rows whose serial number was
    // missing or taken and that get the next free number, and those numbers.
    QList<qint64> numberedLines;
    QList<int> givenNumbers;
    // Rows read after the header.
    qint64 rows = 0;
    // Why the file could not be read to its end (the reader's error); the
    // plan is then not to be applied.
    QString failure;
    // A text cell held ";" or a line break and was given the substitute.
    int substitutedCells = 0;

    // The lengths of the group, location and supplier lists the plan was
    // made for: the new names are numbered after them, so a plan is not
    // applied to lists that have changed since.
    int groupCount = 0;
    int locationCount = 0;
    int supplierCount = 0;

    bool canApply() const { return failure.isEmpty() && !items.empty(); }
};
