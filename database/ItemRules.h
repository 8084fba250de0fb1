#pragma once

#include <QString>
#include <QStringView>

// The rules every item of the register obeys, whatever puts it there (the
// item dialog, a spreadsheet import): the ranges of its numbers and the
// fields each edition demands. What the database file can hold is
// StorageCheck's and StoredText's; these are the register's own limits on
// top of that. The messages are translated and name the field as the item
// dialog does.
class ItemRules
{
public:
    static constexpr double MaxPrice = 9999999.0;
    static constexpr int MinCount = 1;
    static constexpr int MaxCount = 100000;

    enum Problem {
        NoProblem,
        PriceOutOfRange,
        EstimatedPriceOutOfRange,
        CountOutOfRange,
        NameMissing,
        LocationMissing,
        TextNotStorable,
    };

    struct Result
    {
        Problem problem = NoProblem;
        QString message;

        bool ok() const { return problem == NoProblem; }
    };

    // What the running edition demands. The home-contents edition demands a
    // price, and an empty estimate takes the price; elsewhere an empty price
    // is 0. The home-contents and inventory editions demand a count of
    // MinCount..MaxCount; the others take an empty count as 0 and any count
    // the file holds. The inventory edition demands a location.
    static bool requiresPrice();
    static bool estimateTakesPrice();
    static bool limitsCount();
    static bool requiresLocation();

    // A price or estimate the register takes: finite, 0..MaxPrice.
    static bool priceInRange(double value) { return value >= 0.0 && value <= MaxPrice; }
    // The count written as text (blanks around it allowed) by the running
    // edition's rule; *count (when given) is set when it is taken.
    static Result checkCount(QStringView text, int *count);
    static Result checkName(QStringView name);
    // A text of a field by the file's rule (StorageCheck::textProblem);
    // title names the field in the message.
    static Result checkText(QStringView text, const QString &title);

    // The message of a problem; locationTitle names the location field for
    // LocationMissing.
    static QString message(Problem problem, const QString &locationTitle = QString());
};
