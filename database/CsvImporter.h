#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>

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
    // The file's column names (its first row), which the row errors name
    // the cells by and whose count a longer row exceeds; without them the
    // cells are named by the register's titles.
    void setHeader(const QStringList &header);
    // Checks one row and adds its item, or its error, to the plan. A row of
    // only empty cells is passed over.
    void addRow(const CsvRow &row, CsvImportPlan &plan);
    // After the last row: gives the inventory edition's rows that got no
    // number of their own the next free ones, above every number of the
    // collection and of the file (check() calls it).
    void finish(CsvImportPlan &plan);
    // The dry run of the whole file: every row after the header row (when
    // the format has one), with progress shown for work over half a second.
    CsvImportPlan check(QIODevice &device, const CsvFormat &format);

    // Makes the plan's changes as one step named "import": the new names at
    // the ends of their lists, then the items after the collection's last.
    // Undo takes it all back. Nothing happens for a plan that cannot be
    // applied or a collection that is read-only (false).
    static bool apply(DBItemCollection &collection, CsvImportPlan &plan);

private:
    struct Lookup;
    // The cell of the field in the row; empty when the field has no column
    // or the row is shorter.
    QStringView cell(const CsvRow &row, int field) const;
    // The cell's column for the user: the file's name for it, or the
    // register's title.
    QString columnName(int field) const;
    // The number of the list entry the row names by number or by name; a
    // name the list lacks is *newName and numbered after the list and the
    // newCount names found before it. -1 and *reason when the row names no
    // entry it can.
    int listEntry(const CsvRow &row, int nameField, int numberField, const QStringList &entries, qsizetype newCount,
        QString *newName, QString *reason) const;

    const DBItemCollection &m_collection;
    CsvColumnMapping m_mapping;
    Options m_options;
    QStringList m_header;
    // The lists and serial numbers as they are, looked up by name.
    std::shared_ptr<Lookup> m_lookup;
    // Inventory edition: the plan's items still to be numbered, and the
    // highest number seen in the collection and the file.
    QList<qsizetype> m_unnumbered;
    qint64 m_highestSerial = 0;
    QByteArray m_latin1;
};
