#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>

#include <optional>

class DBItemCollection;
class Item;

// One change of the same fields of many items at once: the group, the
// location, the supplier, the purchase date and the value today, each
// changed only when it is given. The value today is set to an amount or
// changed by a percentage of each item's own value, to whole cents.
//
// Every item is checked as it would be after the change, by the rules the
// item dialog checks a saved item by (ItemRules, and StorageCheck for what
// the database file holds). The change is all or nothing: when one item
// fails, none is changed, and the refusals name each failing item. Made, it
// is one step of the collection (one undo step).
class BulkChange
{
    Q_DECLARE_TR_FUNCTIONS(BulkChange)

public:
    enum ValueChange { KeepValue, SetValue, ScaleValue };

    // Positions in the collection's group and location lists.
    std::optional<int> group;
    std::optional<int> location;
    std::optional<QString> supplier;
    std::optional<QDate> date;
    ValueChange valueChange = KeepValue;
    // SetValue: the new value today; ScaleValue: the percentage each value
    // changes by (10 raises it by a tenth, -100 makes it 0).
    double value = 0.0;

    struct Refusal
    {
        const Item *item = nullptr;
        QString reason;
    };

    struct Outcome
    {
        // How many items were changed; 0 when refused.
        int changed = 0;
        // Why nothing was changed, for the change as a whole (a read-only
        // register, a group that is not in the list); empty otherwise.
        QString problem;
        // The items that failed their check, in the order given.
        QList<Refusal> refusals;

        bool ok() const { return problem.isEmpty() && refusals.isEmpty(); }
    };

    // Whether the change changes any field at all.
    bool isEmpty() const;
    // The value today an item with this one has after the change.
    double valueTodayFrom(double old) const;
    // Makes the change on this item alone (no check, no announcement).
    void applyTo(Item &item) const;

    // Why the change cannot be made on any item of the collection; empty
    // when it can.
    QString problem(const DBItemCollection &collection) const;
    // The items that would fail their check after the change.
    QList<Refusal> check(const DBItemCollection &collection, const QList<Item *> &items) const;
    // Checks, then changes every item as one step named text, or none.
    Outcome apply(DBItemCollection &collection, const QList<Item *> &items, const QString &text) const;

    // The step's name for the user: the change of that many items.
    static QString stepText(int count);
    // The refusals for a message box: the first maxNamed items by name with
    // their reasons, and how many more there are.
    static QString refusalText(const QList<Refusal> &refusals, int maxNamed = 10);

private:
    // Why the item, as the change leaves it, cannot be saved; empty when it
    // can.
    QString itemProblem(const DBItemCollection &collection, const Item &changed) const;
};
