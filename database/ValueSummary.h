#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class DBItemCollection;
class Item;

// What a set of items is worth, counted as the group report counts it: the
// purchase total is count × price (the price is for one piece), except in
// the picture edition, whose count field is a register number and whose
// price is the work's own; the value today is the entry's value as the item
// dialog takes it, for all its pieces together ("in all"), so it is added
// once per item, never multiplied by the count.
struct ValueTotals
{
    qint64 items = 0;
    // The pieces the items stand for (the items themselves in the picture
    // edition).
    qint64 pieces = 0;
    double purchase = 0.0;
    double valueToday = 0.0;

    void add(const Item &item, bool byPieces);
};

// The totals of some items, and the same by group, location, supplier and
// year of purchase: for a value report, statistics or a view's group rows.
// The items are not owned and are only read while the summary is made.
class ValueSummary
{
public:
    enum Grouping { ByGroup, ByLocation, BySupplier, ByYear };

    struct Row
    {
        // The name shown: the list entry, the supplier, the year; "" for
        // none (a number beyond its list, no supplier, no readable date).
        QString name;
        // The group or location number, or the year; -1 for none.
        int number = -1;
        ValueTotals totals;
    };

    // Whether the purchase total counts the pieces (every edition but the
    // picture edition).
    static bool countsPieces();

    ValueSummary(const QList<const Item *> &items, const QStringList &groups, const QStringList &locations);
    // Every item of the collection.
    static ValueSummary of(const DBItemCollection &collection);

    const ValueTotals &total() const { return m_total; }
    // One row per group or location number that has items, in the order of
    // the numbers; per supplier in the order of the names (ignoring case);
    // per year, oldest first. A row of none comes last.
    const QList<Row> &rows(Grouping grouping) const { return m_rows[grouping]; }

private:
    ValueTotals m_total;
    QList<Row> m_rows[4];
};
