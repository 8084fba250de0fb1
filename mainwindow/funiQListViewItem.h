#pragma once

#include <QTreeWidgetItem>

class Item;

// A row of the item list. Group rows are top-level and expandable and hold no
// item; item rows sit under their group row and hold a non-owning pointer to
// their item. The comparison sorts column 9 (the date) of item rows by
// calendar date instead of by text.
//
// An item row stores no texts of its own: it shows its item's fields as the
// list formats them (ItemListView::cellData). A list of 100 000 rows so costs
// little more than the rows themselves, and a row always shows its item as
// it is.
class funiQListViewItem : public QTreeWidgetItem
{
public:
    // Distinguishes our rows from plain QTreeWidgetItems.
    static constexpr int RowType = QTreeWidgetItem::UserType + 1;
    static constexpr int DateColumn = 9;

    // A top-level (group) row of the given list.
    explicit funiQListViewItem(QTreeWidget *view);
    // A row under the given parent row; not yet part of a list when parent is null.
    explicit funiQListViewItem(QTreeWidgetItem *parent = nullptr);

    // The row as one of ours; null for none or a foreign row.
    static funiQListViewItem *fromRow(QTreeWidgetItem *row)
    {
        return row && row->type() == RowType ? static_cast<funiQListViewItem *>(row) : nullptr;
    }
    // The item of an item row; null for a group row, a foreign row or none.
    static Item *itemOfRow(QTreeWidgetItem *row)
    {
        const funiQListViewItem *listRow = fromRow(row);
        return listRow && !listRow->isGroupRow() ? listRow->item() : nullptr;
    }

    Item *item() const { return m_item; }
    void setItem(Item *item) { m_item = item; }

    // Group rows are the expandable ones.
    bool isExpandable() const;
    void setExpandable(bool expandable);
    bool isGroupRow() const { return isExpandable(); }

    // Tells the list that the item's fields changed.
    void refresh() { emitDataChanged(); }

    bool operator<(const QTreeWidgetItem &other) const override;
    // Supplies the column's alignment, and an item row's texts and icons.
    QVariant data(int column, int role) const override;
    static Qt::Alignment columnAlignment(int column);

    // Order of two date texts (dd.mm.yyyy): negative, zero or positive as a is
    // before, on or after b. Texts that are no valid date come before all
    // valid dates and compare among themselves by text, so the order is total.
    static int compareDates(const QString &a, const QString &b);

private:
    Item *m_item = nullptr;
};
