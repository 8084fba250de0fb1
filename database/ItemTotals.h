#pragma once

#include <QString>
#include <QtGlobal>

class Item;

// The sums a group row of the item list shows for the items listed under
// it: the pieces in the count column and the amounts in the price and
// value-today columns.
//
// Each item's amount is counted in whole cents, as its own two-decimal text
// would show it: a total is what adding up the shown amounts gives, and the
// same items give the same total in whatever order, or in however many
// parts, they were added. Sums of whole cents stay exact as long as they
// stay below 2^53 cents (some 90 000 000 000 000.00).
//
// What is summed follows the edition. The picture edition's count column
// holds a registration number and its price column the price of the one
// work, so there the price is summed as it is and the count column has no
// total; the other editions sum the count and count times price. The value
// today is the value of the whole entry, all its pieces together (as the
// item dialog takes it and the group report sums it), so every edition sums
// it as it is.
class ItemTotals
{
public:
    // Totals of no items, by the rule of the running edition.
    ItemTotals();

    // Whether the column (ListColumns::Column) shows a total in the running edition.
    static bool hasTotal(int column);
    // The totals of count items from first on; a large number of items is
    // summed in two halves on two threads (Parallel).
    static ItemTotals of(Item *const *first, qsizetype count);

    void add(const Item &item);
    // Adds totals made by the same edition's rule.
    ItemTotals &operator+=(const ItemTotals &other);

    qint64 pieces() const { return m_pieces; }
    // The total of the price or value-today column in cents.
    long double cents(int column) const;
    // The column's total as the list shows it: the pieces as a whole number,
    // an amount with two decimals; empty for a column without a total.
    QString text(int column) const;

    // An amount of whole cents written with two decimals, as the list writes
    // a price ("-0.50", "1234.00"); one that is not finite, as the list
    // writes such a price.
    static QString centsText(long double cents);

private:
    bool m_byCount = true;
    qint64 m_pieces = 0;
    long double m_priceCents = 0;
    long double m_valueTodayCents = 0;
};
