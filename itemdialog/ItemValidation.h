#pragma once

#include <QString>
#include <QStringView>

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
// The save check enforces the number ranges and each edition's required
// fields, then checks every text again (a field can be filled past its
// validator: by a chooser, a copy or a shown item), and stops at the first
// problem.
class ItemValidation
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
        // The translated message; a field-limit message still lacks the
        // "Ret det !" line that ItemDialog::ShowValidateError adds.
        QString message;

        bool ok() const { return problem == NoProblem; }
        // Field-limit problems go through ShowValidateError, the others
        // through a plain "Fejl" box.
        bool isFieldLimit() const
        {
            return problem == PriceOutOfRange || problem == EstimatedPriceOutOfRange || problem == CountOutOfRange
                || problem == TextNotStorable;
        }
    };

    // The validators are children of owner: one of each kind, shared by the
    // fields they serve.
    explicit ItemValidation(QObject *owner);

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
