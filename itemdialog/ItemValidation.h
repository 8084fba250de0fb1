#pragma once

#include <QString>
#include <QStringView>

#include "database/ItemRules.h"
#include "database/StoredText.h"

class QDoubleValidator;
class QIntValidator;
class QObject;
class StoredTextValidator;

namespace Ui {
class ItemDialogBase;
}

// The typing limits of the item dialog's fields and the check that runs
// before an item is saved. The limits keep every text storable in the
// database file (see StoredText) and every price a finite number in range.
// The save check enforces the register's rules (ItemRules: the number ranges
// and each edition's required fields, shared with the spreadsheet import),
// then checks every text again (a field can be filled past its validator: by
// a chooser, a copy or a shown item), and stops at the first problem.
class ItemValidation
{
public:
    static constexpr double MaxPrice = ItemRules::MaxPrice;
    static constexpr int MinCount = ItemRules::MinCount;
    static constexpr int MaxCount = ItemRules::MaxCount;

    using Problem = ItemRules::Problem;

    struct Result
    {
        Problem problem = ItemRules::NoProblem;
        // The translated message; a field-limit message still lacks the
        // "Ret det !" line that ItemDialog::ShowValidateError adds.
        QString message;

        bool ok() const { return problem == ItemRules::NoProblem; }
        // Field-limit problems go through ShowValidateError, the others
        // through a plain "Fejl" box.
        bool isFieldLimit() const
        {
            return problem == ItemRules::PriceOutOfRange || problem == ItemRules::EstimatedPriceOutOfRange
                || problem == ItemRules::CountOutOfRange || problem == ItemRules::TextNotStorable;
        }
    };

    // The validators are children of owner: one of each kind, shared by the
    // fields they serve.
    explicit ItemValidation(QObject *owner);

    // The limit of a price field, a child of owner: a plain decimal of
    // 0..MaxPrice with at most two decimals, "." as the decimal point.
    static QDoubleValidator *priceValidator(QObject *owner);

    // Attaches the validators to the form's fields.
    void attach(Ui::ItemDialogBase &form) const;

    // The save check of the running edition. locationTitle is the list's
    // location column title, named when an inventory item has no location.
    // An empty estimated price in the home-contents edition is filled with
    // the purchase price instead of being reported.
    Result check(Ui::ItemDialogBase &form, const QString &locationTitle) const;

    // The text that a text field refused last (see StoredTextValidator).
    QString takeRefusedText() const;

private:
    StoredTextValidator *m_text = nullptr;
    QDoubleValidator *m_price = nullptr;
    QIntValidator *m_count = nullptr;
};
