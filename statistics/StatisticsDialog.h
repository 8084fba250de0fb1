#pragma once

#include "ui_StatisticsDialogBase.h"

#include <QDialog>
#include <QList>

class BarChart;
class DBItemCollection;
class Item;
class QTableWidget;

// The register's totals on screen: the same sums as the value report
// (ValueSummary) by group, location, supplier and year of purchase, each in
// a table with its totals row, and charts of the value today by group and by
// location and of the purchases by year. The items are all of the register,
// the rows the list's filter shows or the selected rows.
//
// The collection and the items are not owned; they must not change while
// the dialog is open.
class StatisticsDialog : public QDialog, private Ui::StatisticsDialogBase
{
    Q_OBJECT
public:
    enum Table { GroupTable, LocationTable, SupplierTable, YearTable };

    // selection: the items of the selected rows; shown: while the list is
    // filtered, the items of the rows it shows (empty otherwise). The rows
    // shown are offered when there are any, and counted from the start when
    // no more than one row is selected.
    StatisticsDialog(const DBItemCollection &collection, const QList<const Item *> &selection,
        const QList<const Item *> &shown, QWidget *parent = nullptr);

    // The items counted now, in the collection's order.
    QList<const Item *> items() const;
    QTableWidget *table(Table table) const { return m_tables[table]; }
    // The chart beside the table; null for the supplier table.
    BarChart *chart(Table table) const { return m_charts[table]; }

private:
    void addPage(Table table, const QString &title, bool chart);
    void fill();

    const DBItemCollection &m_collection;
    QList<const Item *> m_selection;
    QList<const Item *> m_shown;
    QTableWidget *m_tables[4] = {};
    BarChart *m_charts[4] = {};
};
