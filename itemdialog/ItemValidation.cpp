#include "itemdialog/ItemValidation.h"

#include "ui_ItemDialogBase.h"

#include "app/Edition.h"

#include <QCoreApplication>
#include <QDoubleValidator>
#include <QIntValidator>
#include <QLocale>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace {

// Qt lets a count with as many digits as the top be typed even when it is
// above the top (100001); here such a count is refused while typing.
class CountValidator : public QIntValidator
{
public:
    CountValidator(int bottom, int top, QObject *parent)
        : QIntValidator(bottom, top, parent)
    {
    }

    State validate(QString &input, int &pos) const override
    {
        const State state = QIntValidator::validate(input, pos);
        if (state != Intermediate)
            return state;
        bool ok = false;
        const qlonglong value = input.toLongLong(&ok, 10);
        return ok && value > top() ? Invalid : state;
    }
};

QString nameMissingText()
{
    switch (edition()) {
    case QuorvelEdition: return QCoreApplication::translate("ItemDialog", "QuorvelNameMissing");
    case VistrelEdition: return QCoreApplication::translate("ItemDialog", "VistrelNameMissing");
    case NumivaxEdition: return QCoreApplication::translate("ItemDialog", "NumivaxNameMissing");
    default: return QCoreApplication::translate("ItemDialog", "OstranaNameMissing");
    }
}

} // namespace

ItemValidation::ItemValidation(QObject *owner)
    : m_text(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^;]{0,199}")), owner))
    , m_price(new QDoubleValidator(0.0, MaxPrice, 2, owner))
    , m_count(new CountValidator(MinCount, MaxCount, owner))
{
    // The item keeps its numbers in C notation and reads the fields with
    // QString::toDouble/toInt, so the fields take that notation whatever the
    // user's locale: "." as decimal point, no group separators.
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    m_price->setLocale(c);
    m_count->setLocale(c);
}

void ItemValidation::attach(Ui::ItemDialogBase &form) const
{
    for (QLineEdit *edit : {form.nameLineEdit, form.productLineEdit, form.addressLineEdit, form.serialnoLineEdit,
                            form.infoLineEdit, form.photolinkLineEdit, form.wwwLineEdit, form.receiptLineEdit,
                            form.documentLineEdit, form.productBrandLineEdit})
        edit->setValidator(m_text);
    form.supplierComboBox->setValidator(m_text);
    form.priceLineEdit->setValidator(m_price);
    form.priceTodayLineEdit->setValidator(m_price);
    form.numberOfItemsLineEdit->setValidator(m_count);
}

ItemValidation::Result ItemValidation::check(Ui::ItemDialogBase &form, const QString &locationTitle) const
{
    const QString maxPrice = QString::number(qint64(MaxPrice));

    if (isOstrana()) {
        if (!form.priceLineEdit->hasAcceptableInput())
            return {PriceOutOfRange, QCoreApplication::translate("ItemDialog", "'Købspris' skal være: 0.0 -> %1").arg(maxPrice)};
        if (!form.priceTodayLineEdit->hasAcceptableInput()) {
            if (!form.priceTodayLineEdit->text().isEmpty())
                return {EstimatedPriceOutOfRange, QCoreApplication::translate("ItemDialog", "'Vurderet pris' skal være: 0.0 -> %1").arg(maxPrice)};
            form.priceTodayLineEdit->setText(form.priceLineEdit->text());
        }
    }

    if ((isOstrana() || isQuorvel()) && !form.numberOfItemsLineEdit->hasAcceptableInput())
        return {CountOutOfRange, QCoreApplication::translate("ItemDialog", "'Antal' skal være i intervalet: 0 -> %1").arg(MaxCount)};

    if (form.nameLineEdit->text().isEmpty())
        return {NameMissing, nameMissingText()};

    if (isQuorvel() && form.locationComboBox->currentText().isEmpty())
        return {LocationMissing, QCoreApplication::translate("ItemDialog", "QuorvelItemTypeHasNotBeenSelected") + locationTitle};

    return {};
}
