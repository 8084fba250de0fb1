#include "output/printSelectDataDialog.h"

#include <QIntValidator>

#include "core/Edition.h"
#include "database/DBItemCollection.h"
#include "desktop/ExternalViewers.h"
#include "desktop/MessageBox.h"
#include "help/HelpTopics.h"
#include "output/PrintFieldTitles.h"

namespace {

bool isAcceptable(const QLineEdit *edit)
{
    QString text = edit->text();
    int position = 0;
    return edit->validator() && edit->validator()->validate(text, position) == QValidator::Acceptable;
}

} // namespace

printSelectDataDialog::printSelectDataDialog(DBItemCollection *collection, QWidget *parent)
    : QDialog(parent)
    , m_collection(collection)
{
    setupUi(this);
    setModal(true);
    setObjectName(QStringLiteral("Print setup"));

    connect(AddButton, &QPushButton::clicked, this, &printSelectDataDialog::add_slot);
    connect(RemoveButton, &QPushButton::clicked, this, &printSelectDataDialog::remove_slot);
    connect(buttonHelp, &QPushButton::clicked, this, &printSelectDataDialog::help_slot);
    connect(buttonOk, &QPushButton::clicked, this, &printSelectDataDialog::accept);
    connect(buttonCancel, &QPushButton::clicked, this, &printSelectDataDialog::reject);

    PrintSettings &settings = PrintSettings::current();
    settings.Load();

    for (int i = 0; i < PrintFields::FieldCount; ++i) {
        const auto field = PrintFields::Field(i);
        QLineEdit *edit = lengthEdit(field);
        if (!edit || !PrintFields::hasLength(field))
            continue;
        edit->setValidator(new QIntValidator(1, PrintFields::maxLength(field), edit));
    }

    const int separator = int(PrintSettingsSnapshot::separatorChoices().indexOf(settings.separator));
    if (separator >= 0 && separator < separatorComboBox->count())
        separatorComboBox->setCurrentIndex(separator);

    for (const PrintFields::Field field : listedFields()) {
        const QString title = PrintFieldTitles::title(field);
        (settings.prints(field) ? wantedListBox : availableListBox)->addItem(title);
        if (QLabel *label = lengthLabel(field))
            label->setText(title);
        // The date always prints 10 characters; its input keeps the form's text.
        if (QLineEdit *edit = lengthEdit(field); edit && PrintFields::hasLength(field))
            edit->setText(QString::number(settings.length(field)));
    }

    switch (settings.sortMethod) {
    case DBItemCollection::ByGroup:
        sortTypeRadioButton->setChecked(true);
        break;
    case DBItemCollection::ByName:
        sortNameRadioButton->setChecked(true);
        break;
    case DBItemCollection::ByProduct:
        sortModelRadioButton->setChecked(true);
        break;
    case DBItemCollection::ByTotalValue:
        sortPriceRadioButton->setChecked(true);
        break;
    case DBItemCollection::ByDate:
        sortDateradioButton->setChecked(true);
        break;
    case DBItemCollection::ByLocation:
        sortLocationButton->setChecked(true);
        break;
    default:
        break;
    }

    // The choices that name a field name it by the database's column title.
    PrintGroupCheckBox->setText(PrintFieldTitles::onlyText(PrintFields::Group));
    PrintLocationCheckBox->setText(PrintFieldTitles::onlyText(PrintFields::Location));
    sortTypeRadioButton->setText(PrintFieldTitles::title(PrintFields::Group));
    sortNameRadioButton->setText(PrintFieldTitles::title(PrintFields::Name));
    sortModelRadioButton->setText(PrintFieldTitles::title(PrintFields::Model));
    sortPriceRadioButton->setText(PrintFieldTitles::sortText(DBItemCollection::ByTotalValue));
    sortDateradioButton->setText(PrintFieldTitles::title(PrintFields::Date));
    sortLocationButton->setText(PrintFieldTitles::title(PrintFields::Location));

    PrintGroupCheckBox->setChecked(settings.printGroupOnly);
    PrintLocationCheckBox->setChecked(settings.printLocationOnly);
    if (m_collection) {
        PrintGroupComboBox->addItems(m_collection->groups().entries());
        PrintLocationComboBox->addItems(m_collection->locations().entries());
    }
    PrintGroupComboBox->setCurrentIndex(settings.groupToPrint);
    PrintLocationComboBox->setCurrentIndex(settings.locationToPrint);
}

QList<PrintFields::Field> printSelectDataDialog::listedFields()
{
    QList<PrintFields::Field> fields;
    for (int i = 0; i < PrintFields::FieldCount; ++i) {
        if (i != PrintFields::ProductType)
            fields.append(PrintFields::Field(i));
    }
    fields.append(PrintFields::ProductType);
    return fields;
}

QLineEdit *printSelectDataDialog::lengthEdit(PrintFields::Field field) const
{
    switch (field) {
    case PrintFields::Group:
        return groupLengthLineEdit;
    case PrintFields::Name:
        return nameLengthLineEdit;
    case PrintFields::Model:
        return modelLengthLineEdit;
    case PrintFields::ProductType:
        return productTypeLengthLineEdit;
    case PrintFields::Count:
        return countLengthLineEdit;
    case PrintFields::Price:
        return priceLengthLineEdit;
    case PrintFields::PriceToday:
        return priceTodayLengthLineEdit;
    case PrintFields::Picture:
        return pictureLengthLineEdit;
    case PrintFields::Date:
        return dateLengthLineEdit;
    case PrintFields::Location:
        return locationLengthLineEdit;
    case PrintFields::Describe:
        return describeLengthLineEdit;
    case PrintFields::Supplier:
        return supplierLengthLineEdit;
    case PrintFields::Address:
        return addressLengthLineEdit;
    case PrintFields::SerialNumber:
        return serialNumberLengthLineEdit;
    case PrintFields::Www:
        return wwwLengthLineEdit;
    case PrintFields::Receipt:
        return receiptLengthLineEdit;
    case PrintFields::Document:
        return documentLengthLineEdit;
    case PrintFields::ItemCount:
    case PrintFields::FieldCount:
        break;
    }
    return nullptr;
}

QLabel *printSelectDataDialog::lengthLabel(PrintFields::Field field) const
{
    const QLineEdit *edit = lengthEdit(field);
    if (!edit)
        return nullptr;
    for (QLabel *label : lengthGroupBox->findChildren<QLabel *>()) {
        if (label->buddy() == edit)
            return label;
    }
    return nullptr;
}

QString printSelectDataDialog::helpPage()
{
    return HelpTopics::printSetupPage(edition(), currentLanguage());
}

void printSelectDataDialog::add_slot()
{
    const int row = availableListBox->currentRow();
    if (row < 0 || !availableListBox->currentItem() || !availableListBox->currentItem()->isSelected())
        return;
    wantedListBox->addItem(availableListBox->takeItem(row));
}

void printSelectDataDialog::remove_slot()
{
    const int row = wantedListBox->currentRow();
    if (row < 0 || !wantedListBox->currentItem() || !wantedListBox->currentItem()->isSelected())
        return;
    availableListBox->addItem(wantedListBox->takeItem(row));
}

void printSelectDataDialog::help_slot()
{
    openHtmlPage(helpPage(), QString(), false);
}

QString printSelectDataDialog::lengthError() const
{
    if (!isAcceptable(addressLengthLineEdit))
        return tr("'Adresse felt længde' skal være: 1 -> %2").arg(PrintFields::maxLength(PrintFields::Address));
    if (!isAcceptable(describeLengthLineEdit))
        return tr("'Beskrivelse felt længde' skal være: 1 -> %2").arg(PrintFields::maxLength(PrintFields::Describe));
    return QString();
}

void printSelectDataDialog::accept()
{
    const QString error = lengthError();
    if (!error.isEmpty()) {
        MessageBox::critical(
            this, tr("Felt grænseværdi fejl"), error + QLatin1String("\n\n") + tr("Ret det !"), QMessageBox::Ok);
        return;
    }
    store();
    QDialog::accept();
}

void printSelectDataDialog::store()
{
    PrintSettings &settings = PrintSettings::current();
    for (int i = 0; i < PrintFields::FieldCount; ++i) {
        const auto field = PrintFields::Field(i);
        const QString title = PrintFieldTitles::title(field);
        bool wanted = false;
        for (int row = 0; row < wantedListBox->count() && !wanted; ++row)
            wanted = wantedListBox->item(row)->text() == title;
        settings.flags[i] = wanted;
        // Only a length the input's limits take is stored; an empty or
        // other input keeps the length it had, as a length outside them
        // would not be read back.
        if (PrintFields::hasLength(field) && isAcceptable(lengthEdit(field)))
            settings.lengths[i] = lengthEdit(field)->text().toInt();
    }
    settings.separator = separatorComboBox->currentText();

    if (sortTypeRadioButton->isChecked())
        settings.sortMethod = DBItemCollection::ByGroup;
    else if (sortNameRadioButton->isChecked())
        settings.sortMethod = DBItemCollection::ByName;
    else if (sortModelRadioButton->isChecked())
        settings.sortMethod = DBItemCollection::ByProduct;
    else if (sortPriceRadioButton->isChecked())
        settings.sortMethod = DBItemCollection::ByTotalValue;
    else if (sortDateradioButton->isChecked())
        settings.sortMethod = DBItemCollection::ByDate;
    else if (sortLocationButton->isChecked())
        settings.sortMethod = DBItemCollection::ByLocation;

    // A group or location the open register's list does not reach shows no
    // entry; its number stays.
    settings.printGroupOnly = PrintGroupCheckBox->isChecked();
    if (PrintGroupComboBox->currentIndex() >= 0)
        settings.groupToPrint = PrintGroupComboBox->currentIndex();
    settings.printLocationOnly = PrintLocationCheckBox->isChecked();
    if (PrintLocationComboBox->currentIndex() >= 0)
        settings.locationToPrint = PrintLocationComboBox->currentIndex();
    settings.store();
}
