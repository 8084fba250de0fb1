#include "bulkedit/BulkEditDialog.h"

#include "core/ColumnTitles.h"
#include "core/Edition.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "database/ItemRules.h"
#include "desktop/MessageBox.h"
#include "itemdialog/ItemValidation.h"
#include "itemdialog/StoredTextValidator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The column's title as the list shows it: the database's own title, or the
// initial one in the user's language.
QString fieldTitle(int column)
{
    return QCoreApplication::translate("BulkEditDialog", columnTitle(column).toUtf8().constData());
}

} // namespace

BulkEditDialog::BulkEditDialog(DBItemCollection *collection, const QList<Item *> &items, QWidget *parent)
    : QDialog(parent)
    , m_collection(collection)
    , m_items(items)
{
    setupUi(this);
    setObjectName(QStringLiteral("bulkEditDialog"));

    QString summary;
    switch (edition()) {
    case VistrelEdition:
        summary = tr("Ændringen gælder %1 valgte billeder.");
        break;
    case NumivaxEdition:
        summary = tr("Ændringen gælder %1 valgte mønter.");
        break;
    case QuorvelEdition:
        summary = tr("Ændringen gælder %1 valgte varer.");
        break;
    default:
        summary = tr("Ændringen gælder %1 valgte inventar.");
        break;
    }
    summaryLabel->setText(summary.arg(m_items.size()));

    groupCheckBox->setText(fieldTitle(ListColumns::GroupColumn));
    locationCheckBox->setText(fieldTitle(ListColumns::LocationColumn));
    supplierCheckBox->setText(fieldTitle(ListColumns::SupplierColumn));
    dateCheckBox->setText(fieldTitle(ListColumns::DateColumn));
    valueCheckBox->setText(fieldTitle(ListColumns::PriceTodayColumn));

    // The same typing limits as the item dialog's fields.
    supplierComboBox->setValidator(new StoredTextValidator(this));
    valueLineEdit->setValidator(ItemValidation::priceValidator(this));
    dateEdit->setMinimumDate(QDate(100, 1, 1));
    fillFields();

    for (QCheckBox *box : { groupCheckBox, locationCheckBox, supplierCheckBox, dateCheckBox, valueCheckBox })
        connect(box, &QCheckBox::toggled, this, &BulkEditDialog::enableFields);
    connect(setValueButton, &QRadioButton::toggled, this, &BulkEditDialog::enableFields);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &BulkEditDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &BulkEditDialog::reject);
    if (m_collection) {
        connect(m_collection, &DBItemCollection::itemRemoved, this, &BulkEditDialog::itemRemoved);
        connect(m_collection, &DBItemCollection::aboutToClear, this, [this] {
            m_items.clear();
            reject();
        });
    }
    enableFields();
}

void BulkEditDialog::fillFields()
{
    const Item *first = m_items.isEmpty() ? nullptr : m_items.constFirst();
    if (m_collection) {
        for (const QString &name : m_collection->groups())
            groupComboBox->addItem(name);
        for (const QString &name : m_collection->locations())
            locationComboBox->addItem(name);
        for (const QString &name : m_collection->suppliers())
            supplierComboBox->addItem(name);
    }
    if (!first) {
        dateEdit->setDate(QDate::currentDate());
        return;
    }
    if (first->group() < groupComboBox->count())
        groupComboBox->setCurrentIndex(first->group());
    if (first->location() < locationComboBox->count())
        locationComboBox->setCurrentIndex(first->location());
    supplierComboBox->setCurrentText(first->supplier());
    const QDate date = first->dateValue();
    dateEdit->setDate(date.isValid() ? date : QDate::currentDate());
    valueLineEdit->setText(first->priceTodayText(2));
}

void BulkEditDialog::enableFields()
{
    groupComboBox->setEnabled(groupCheckBox->isChecked());
    locationComboBox->setEnabled(locationCheckBox->isChecked());
    supplierComboBox->setEnabled(supplierCheckBox->isChecked());
    dateEdit->setEnabled(dateCheckBox->isChecked());
    const bool value = valueCheckBox->isChecked();
    setValueButton->setEnabled(value);
    scaleValueButton->setEnabled(value);
    valueLineEdit->setEnabled(value && setValueButton->isChecked());
    percentSpinBox->setEnabled(value && scaleValueButton->isChecked());
    buttonBox->button(QDialogButtonBox::Ok)->setEnabled(!change().isEmpty() && !m_items.isEmpty());
}

BulkChange BulkEditDialog::change() const
{
    BulkChange change;
    if (groupCheckBox->isChecked())
        change.group = groupComboBox->currentIndex();
    if (locationCheckBox->isChecked())
        change.location = locationComboBox->currentIndex();
    if (supplierCheckBox->isChecked())
        change.supplier = supplierComboBox->currentText();
    if (dateCheckBox->isChecked())
        change.date = dateEdit->date();
    if (valueCheckBox->isChecked()) {
        if (setValueButton->isChecked()) {
            change.valueChange = BulkChange::SetValue;
            change.value = valueLineEdit->text().toDouble();
        } else {
            change.valueChange = BulkChange::ScaleValue;
            change.value = percentSpinBox->value();
        }
    }
    return change;
}

void BulkEditDialog::accept()
{
    if (!m_collection || m_items.isEmpty()) {
        reject();
        return;
    }
    const BulkChange change = this->change();
    if (change.isEmpty())
        return;
    if (change.valueChange == BulkChange::SetValue && !valueLineEdit->hasAcceptableInput()) {
        MessageBox::critical(this, tr("Felt grænseværdi fejl"),
            ItemRules::message(ItemRules::EstimatedPriceOutOfRange) + QLatin1String("\n\n") + tr("Ret det !"),
            QMessageBox::Ok);
        return;
    }
    const BulkChange::Outcome outcome = change.apply(*m_collection, m_items, BulkChange::stepText(m_items.size()));
    if (!outcome.problem.isEmpty()) {
        MessageBox::critical(this, tr("Fejl"), outcome.problem, QMessageBox::Ok);
        return;
    }
    if (!outcome.refusals.isEmpty()) {
        MessageBox::critical(this, tr("Fejl"), BulkChange::refusalText(outcome.refusals), QMessageBox::Ok);
        return;
    }
    emit itemsChanged(outcome.changed);
    QDialog::accept();
}

void BulkEditDialog::itemRemoved(Item *item)
{
    if (!m_items.removeAll(item))
        return;
    if (m_items.isEmpty())
        reject();
}
