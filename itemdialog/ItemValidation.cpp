#include "itemdialog/ItemValidation.h"

#include "ui_ItemDialogBase.h"

#include "core/Edition.h"
#include "database/StorageCheck.h"
#include "itemdialog/StoredTextValidator.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleValidator>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QStringList>

namespace {

// Qt lets a count with as many digits as the top be typed even when it is
// above the top (100001); here such a count is refused while typing.
class CountValidator : public QIntValidator
{
public:
    CountValidator(int bottom, int top, QObject *parent)
        : QIntValidator(bottom, top, parent)
    { }

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
    case QuorvelEdition:
        return QCoreApplication::translate("ItemDialog", "QuorvelNameMissing");
    case VistrelEdition:
        return QCoreApplication::translate("ItemDialog", "VistrelNameMissing");
    case NumivaxEdition:
        return QCoreApplication::translate("ItemDialog", "NumivaxNameMissing");
    default:
        return QCoreApplication::translate("ItemDialog", "OstranaNameMissing");
    }
}

// The field's name as its label shows it, so that a relabelled field is
// named by its database's own title.
QString fieldName(Ui::ItemDialogBase &form, const QWidget *field)
{
    const QList<QLabel *> labels = form.basicPage->findChildren<QLabel *>();
    for (const QLabel *label : labels) {
        if (label->buddy() != field)
            continue;
        QString name = label->text();
        name.remove(QLatin1Char('&'));
        name = name.trimmed();
        if (name.endsWith(QLatin1Char(':')))
            name.chop(1);
        return name.trimmed();
    }
    return field->objectName();
}

} // namespace

ItemValidation::ItemValidation(QObject *owner)
    : m_text(new StoredTextValidator(owner))
    , m_price(new QDoubleValidator(0.0, MaxPrice, 2, owner))
    , m_count(new CountValidator(MinCount, MaxCount, owner))
{
    // In scientific notation "9e999" is a number still being typed, and
    // saved it is infinity, which no reader takes back: prices are typed
    // as plain decimals only.
    m_price->setNotation(QDoubleValidator::StandardNotation);
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
    for (QLineEdit *edit : { form.nameLineEdit, form.productLineEdit, form.addressLineEdit, form.serialnoLineEdit,
             form.infoLineEdit, form.photolinkLineEdit, form.wwwLineEdit, form.receiptLineEdit, form.documentLineEdit,
             form.productBrandLineEdit })
        edit->setValidator(m_text);
    form.supplierComboBox->setValidator(m_text);
    form.priceLineEdit->setValidator(m_price);
    form.priceTodayLineEdit->setValidator(m_price);
    form.numberOfItemsLineEdit->setValidator(m_count);
}

ItemValidation::Result ItemValidation::check(Ui::ItemDialogBase &form, const QString &locationTitle) const
{
    const QString maxPrice = QString::number(qint64(MaxPrice));
    const Result priceProblem = { PriceOutOfRange,
        QCoreApplication::translate("ItemDialog", "'Købspris' skal være: 0.0 -> %1").arg(maxPrice) };
    const Result estimateProblem = { EstimatedPriceOutOfRange,
        QCoreApplication::translate("ItemDialog", "'Vurderet pris' skal være: 0.0 -> %1").arg(maxPrice) };

    // Every edition checks both prices; only the home-contents edition
    // demands a price, and fills an empty estimate with it. Elsewhere an
    // empty price is stored as 0.
    if (isOstrana()) {
        if (!form.priceLineEdit->hasAcceptableInput())
            return priceProblem;
        if (!form.priceTodayLineEdit->hasAcceptableInput()) {
            if (!form.priceTodayLineEdit->text().isEmpty())
                return estimateProblem;
            form.priceTodayLineEdit->setText(form.priceLineEdit->text());
        }
    } else {
        if (!form.priceLineEdit->text().isEmpty() && !form.priceLineEdit->hasAcceptableInput())
            return priceProblem;
        if (!form.priceTodayLineEdit->text().isEmpty() && !form.priceTodayLineEdit->hasAcceptableInput())
            return estimateProblem;
    }

    const QString countRange = QCoreApplication::translate("ItemDialog", "'Antal' skal være i intervalet: 0 -> %1");
    if ((isOstrana() || isQuorvel()) && !form.numberOfItemsLineEdit->hasAcceptableInput())
        return { CountOutOfRange, countRange.arg(MaxCount) };
    // The other editions store an empty count as 0 and keep a count above
    // the typing limit that came from the file, but never one the file
    // cannot hold.
    const QString count = form.numberOfItemsLineEdit->text();
    if (!count.isEmpty() && StorageCheck::readCount(count, nullptr) != StorageCheck::CountRead)
        return { CountOutOfRange, countRange.arg(StorageCheck::maxCount) };

    if (form.nameLineEdit->text().isEmpty())
        return { NameMissing, nameMissingText() };

    if (isQuorvel() && form.locationComboBox->currentText().isEmpty())
        return { LocationMissing,
            QCoreApplication::translate("ItemDialog", "QuorvelItemTypeHasNotBeenSelected") + locationTitle };

    QList<QWidget *> texts = { form.nameLineEdit, form.productLineEdit };
    // The product model is offered where the file keeps it, and for an item
    // that came with one, so that it can be emptied.
    if (!form.productBrandLineEdit->isHidden())
        texts << form.productBrandLineEdit;
    texts << form.supplierComboBox << form.addressLineEdit << form.serialnoLineEdit << form.infoLineEdit
          << form.wwwLineEdit << form.photolinkLineEdit << form.receiptLineEdit << form.documentLineEdit;
    for (QWidget *field : std::as_const(texts)) {
        const auto *combo = qobject_cast<QComboBox *>(field);
        const QString text = combo ? combo->currentText() : static_cast<QLineEdit *>(field)->text();
        // By the file's rule: a control character that the item brought from
        // its database is kept (the exports replace it); typed or chosen ones
        // never got this far.
        const QString problem = StorageCheck::textProblem(text, StoredText::FileRule);
        if (problem.isEmpty())
            continue;
        return { TextNotStorable,
            QCoreApplication::translate("ItemDialog", "Feltet \"%1\" kan ikke gemmes i databasen.")
                    .arg(fieldName(form, field))
                + QLatin1Char('\n') + problem };
    }

    return {};
}

QString ItemValidation::takeRefusedText() const
{
    return m_text->takeRefused();
}
