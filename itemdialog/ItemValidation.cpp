#include "itemdialog/ItemValidation.h"

#include "ui_ItemDialogBase.h"

#include "itemdialog/StoredTextValidator.h"

#include <QComboBox>
#include <QDoubleValidator>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

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

namespace {

// The item keeps its numbers in C notation and reads the fields with
// QString::toDouble/toInt, so the fields take that notation whatever the
// user's locale: "." as decimal point, no group separators.
QLocale fieldLocale()
{
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return c;
}

} // namespace

ItemValidation::ItemValidation(QObject *owner)
    : m_text(new StoredTextValidator(owner))
    , m_price(priceValidator(owner))
    , m_count(new CountValidator(MinCount, MaxCount, owner))
{
    m_count->setLocale(fieldLocale());
}

QDoubleValidator *ItemValidation::priceValidator(QObject *owner)
{
    auto *price = new QDoubleValidator(0.0, MaxPrice, 2, owner);
    // In scientific notation "9e999" is a number still being typed, and
    // saved it is infinity, which no reader takes back: prices are typed
    // as plain decimals only.
    price->setNotation(QDoubleValidator::StandardNotation);
    price->setLocale(fieldLocale());
    return price;
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
    const auto problem = [&](ItemRules::Problem which) -> Result {
        return { which, ItemRules::message(which, locationTitle) };
    };
    const bool priceTyped = !form.priceLineEdit->text().isEmpty();
    const bool estimateTyped = !form.priceTodayLineEdit->text().isEmpty();

    // Every edition checks both prices (the validators hold the range and
    // the notation); an empty estimate takes the price where the edition
    // says so, and elsewhere an empty price is stored as 0.
    if ((priceTyped || ItemRules::requiresPrice()) && !form.priceLineEdit->hasAcceptableInput())
        return problem(ItemRules::PriceOutOfRange);
    if (!form.priceTodayLineEdit->hasAcceptableInput()) {
        if (estimateTyped)
            return problem(ItemRules::EstimatedPriceOutOfRange);
        if (ItemRules::estimateTakesPrice())
            form.priceTodayLineEdit->setText(form.priceLineEdit->text());
    }

    if (const ItemRules::Result count = ItemRules::checkCount(form.numberOfItemsLineEdit->text(), nullptr); !count.ok())
        return { count.problem, count.message };

    if (const ItemRules::Result name = ItemRules::checkName(form.nameLineEdit->text()); !name.ok())
        return { name.problem, name.message };

    if (ItemRules::requiresLocation() && form.locationComboBox->currentText().isEmpty())
        return problem(ItemRules::LocationMissing);

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
        // Typed or chosen control characters never got this far.
        const ItemRules::Result result = ItemRules::checkText(text, fieldName(form, field));
        if (!result.ok())
            return { result.problem, result.message };
    }

    return {};
}

QString ItemValidation::takeRefusedText() const
{
    return m_text->takeRefused();
}
