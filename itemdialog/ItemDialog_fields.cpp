// The item dialog's fields: filling them from an item, from the
// collection's lists and afresh, and writing them back into the item.

#include "itemdialog/ItemDialog.h"

#include "core/Edition.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "database/StorageCheck.h"
#include "database/StoredText.h"
#include "desktop/MessageBox.h"
#include "itemdialog/ItemDialogEditionLook.h"

#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QSignalBlocker>

#include <algorithm>

#include <utility>

namespace {

// Sets a field's text without its textChanged reaction, for a caller that
// runs the reaction itself.
void setTextQuietly(QLineEdit *edit, const QString &text)
{
    const QSignalBlocker blocker(edit);
    edit->setText(text);
}

// The number a price field holds; an empty field is 0 (the editions that
// allow it store it so). Anything that is no finite number leaves the
// item's own value: the save check has refused it before this is reached.
double priceFromField(const QString &text, double current)
{
    if (text.isEmpty())
        return 0.0;
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && StoredText::isStorableNumber(value) ? value : current;
}

} // namespace

QDate ItemDialog::noDate()
{
    return QDate(1900, 1, 1);
}

QString ItemDialog::dateText(const QDate &date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

void ItemDialog::fillListCombos()
{
    for (QComboBox *combo : { groupComboBox, locationComboBox, supplierComboBox })
        combo->clear();
    if (m_collection) {
        groupComboBox->addItems(m_collection->groups().entries());
        locationComboBox->addItems(m_collection->locations().entries());
        supplierComboBox->addItems(m_collection->suppliers().entries());
    }
}

void ItemDialog::refillFromCollection()
{
    fillListCombos();
    if (m_collection)
        ItemDialogEditionLook::applyFieldTitles(*this, m_collection->fields());
    for (QComboBox *combo : { groupComboBox, locationComboBox, supplierComboBox })
        combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
}

void ItemDialog::listsChangedInCollection()
{
    // Positions name the same entries as before, so the numbers the dialog
    // holds (the combos' and those of m_shown) stay as they are.
    const int group = groupComboBox->currentIndex();
    const int location = locationComboBox->currentIndex();
    const QString supplier = supplierComboBox->currentText();
    fillListCombos();
    groupComboBox->setCurrentIndex(group < groupComboBox->count() ? group : -1);
    locationComboBox->setCurrentIndex(location < locationComboBox->count() ? location : -1);
    setComboText(supplierComboBox, supplier);
    if (m_collection)
        ItemDialogEditionLook::applyFieldTitles(*this, m_collection->fields());
}

void ItemDialog::listEntryAboutToBeRemoved(int list, int position)
{
    // Items keep their supplier as text: listsChanged is enough for it.
    if (!m_collection || (list != DBItemCollection::GroupList && list != DBItemCollection::LocationList))
        return;
    m_removingListEntry = true;
    const bool groups = list == DBItemCollection::GroupList;
    QComboBox *combo = groups ? groupComboBox : locationComboBox;
    const EditField field = groups ? GroupField : LocationField;
    const int size = m_collection->namedList(DBItemCollection::NamedList(list)).size();
    // As the collection renumbers: a number past the end named nothing and
    // stays; the deleted entry's own number names nothing any more.
    const auto moved = [position, size](int number) {
        if (number < position || number >= size)
            return number;
        return number == position ? -1 : number - 1;
    };

    const int chosen = combo->currentIndex();
    if (chosen == position && chosen >= 0)
        (groups ? m_lostGroup : m_lostLocation) = combo->itemText(chosen);
    {
        const QSignalBlocker blocker(combo);
        if (position < combo->count())
            combo->removeItem(position);
        combo->setCurrentIndex(moved(chosen));
    }
    if (m_shown) {
        const int shown = (*m_shown)[std::size_t(field)].toInt();
        // A shown entry that goes can only be one the register does not use
        // (a copy's); no number stands for it, so any choice now differs.
        (*m_shown)[std::size_t(field)] = shown == position ? QString() : QString::number(moved(shown));
    }
    // The collection renumbers only its own items.
    if (m_unsavedItem) {
        if (groups)
            m_unsavedItem->setGroup(std::max(moved(m_unsavedItem->group()), 0));
        else
            m_unsavedItem->setLocation(std::max(moved(m_unsavedItem->location()), 0));
    }
}

bool ItemDialog::chosenEntriesStillListed()
{
    const struct
    {
        QComboBox *combo;
        QLabel *label;
        const QString &lost;
    } fields[]
        = { { groupComboBox, TypeTextLabel, m_lostGroup }, { locationComboBox, LocationTextLabel, m_lostLocation } };
    for (const auto &f : fields) {
        if (f.lost.isEmpty() || f.combo->currentIndex() >= 0)
            continue;
        QString title = f.label->text().remove(QLatin1Char('&')).trimmed();
        if (title.endsWith(QLatin1Char(':')))
            title.chop(1);
        MessageBox::critical(this, tr("Fejl"),
            tr("Du valgte \"%1\" i feltet \"%2\", men navnet er slettet fra listen siden. Vælg et andet navn, før "
               "du gemmer.")
                .arg(f.lost, title),
            QMessageBox::Ok);
        f.combo->setFocus();
        return false;
    }
    return true;
}

void ItemDialog::setComboText(QComboBox *combo, const QString &text)
{
    const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0) {
        combo->setCurrentIndex(index);
        if (combo->isEditable())
            combo->setEditText(text);
    } else if (combo->isEditable()) {
        combo->setEditText(text);
    } else if (combo->currentIndex() >= 0) {
        // Only the combo's copy of the entry changes; the collection's list
        // keeps its name, and the next refill from the collection brings it
        // back.
        combo->setItemText(combo->currentIndex(), text);
    }
}

void ItemDialog::resetAllFields(bool SeachMode)
{
    const bool wasFilling = std::exchange(m_filling, true);
    if (SeachMode) {
        // No entry is current, so no entry's text has to be blanked.
        groupComboBox->setCurrentIndex(-1);
        locationComboBox->setCurrentIndex(-1);
        if (!isQuorvel()) {
            groupComboBox->setEnabled(false);
            locationComboBox->setEnabled(false);
        }
        if (isNumivax())
            supplierComboBox->setEnabled(false);
        buyQDateEdit->setDate(noDate());
    } else {
        groupComboBox->setEnabled(true);
        locationComboBox->setEnabled(true);
        // A search in the coin edition disabled the supplier; a new item
        // needs it again.
        supplierComboBox->setEnabled(true);
        buyQDateEdit->setDate(QDate::currentDate());
    }

    nameLineEdit->clear();
    productLineEdit->clear();
    numberOfItemsLineEdit->clear();
    priceLineEdit->clear();
    if (isOstrana() || isQuorvel())
        priceTotalLineEdit->clear();
    if (isQuorvel())
        serialnoLineEdit->setEnabled(false);
    infoLineEdit->clear();
    serialnoLineEdit->clear();
    priceTodayLineEdit->clear();
    setComboText(supplierComboBox, QString());
    addressLineEdit->clear();
    // A field that was empty already sends no textChanged, so the show
    // buttons and pages would keep the form's or the last item's states:
    // each link's reaction runs once here.
    setTextQuietly(photolinkLineEdit, QString());
    photoFieldChangedSlot();
    setTextQuietly(receiptLineEdit, QString());
    receiptFieldChangedSlot();
    setTextQuietly(wwwLineEdit, QString());
    wwwFieldChanged_slot();
    setTextQuietly(documentLineEdit, QString());
    documentChangedSlot();
    // Otherwise a new item would inherit the model of the item shown before.
    productBrandLineEdit->clear();
    offerProductModel(false);
    m_filling = wasFilling;
}

void ItemDialog::showItem(Item *item)
{
    if (!item)
        return;
    // Filling the count and price fields must not write the half-filled
    // fields back into the item (see countChanged_slot).
    const bool wasFilling = std::exchange(m_filling, true);

    groupComboBox->setCurrentIndex(item->group() < groupComboBox->count() ? item->group() : -1);
    nameLineEdit->setText(item->name());
    productLineEdit->setText(item->product());
    numberOfItemsLineEdit->setText(QString::number(item->numberOfItems()));
    priceLineEdit->setText(item->priceText(2));
    priceTotalLineEdit->setText(item->totalValueText());
    infoLineEdit->setText(item->description());
    const QDate date = item->dateValue();
    buyQDateEdit->setDate(date.isValid() ? date : noDate());
    locationComboBox->setCurrentIndex(item->location() < locationComboBox->count() ? item->location() : -1);
    setComboText(supplierComboBox, item->supplier());
    serialnoLineEdit->setText(item->serialno());
    priceTodayLineEdit->setText(item->priceTodayText(2));
    addressLineEdit->setText(item->address());
    // Each link's field-changed slot runs exactly once, also when the text is
    // the one shown before; the picture's loads the icon file.
    setTextQuietly(photolinkLineEdit, item->photolink());
    photoFieldChangedSlot();
    setTextQuietly(receiptLineEdit, item->receipt());
    receiptFieldChangedSlot();
    setTextQuietly(wwwLineEdit, item->www());
    wwwFieldChanged_slot();
    setTextQuietly(documentLineEdit, item->document());
    documentChangedSlot();
    productBrandLineEdit->setText(item->productModel());
    offerProductModel(!item->productModel().isEmpty());

    // A link that names no picture can still be opened in a viewer.
    if (!item->photolink().isEmpty())
        showPhotoPushButton->setEnabled(true);
    else
        clearPicturePreview();

    locationComboBox->setEnabled(true);
    supplierComboBox->setEnabled(true);
    groupComboBox->setEnabled(true);

    m_filling = wasFilling;
    m_shown = fieldTexts();

    if (m_currentPage && m_currentPage != basicPage)
        currentPageChangedSlot(m_currentPage);
}

void ItemDialog::updateCurrentItem()
{
    Item *item = m_currentItem;
    if (!item)
        return;
    // A field the user left alone keeps the item's own value: someone else
    // may have changed it since it was shown, and a field may show it only
    // in part (a price rounded to cents, a placeholder for a date text that
    // is no date).
    const FieldTexts now = fieldTexts();
    const auto changed = [&](EditField field) { return isEdited(field, now); };
    // A combo without a current entry (the item's number has no name in the
    // list) leaves the item's number alone.
    if (changed(GroupField) && groupComboBox->currentIndex() >= 0)
        item->setGroup(groupComboBox->currentIndex());
    if (changed(NameField))
        item->setName(nameLineEdit->text());
    if (changed(ProductField))
        item->setProduct(productLineEdit->text());
    if (changed(PriceField))
        item->setPrice(priceFromField(priceLineEdit->text(), item->price()));
    if (changed(DescriptionField))
        item->setDescription(infoLineEdit->text());
    if (changed(DateField))
        item->setDate(dateText(buyQDateEdit->date()));
    if (changed(LocationField) && locationComboBox->currentIndex() >= 0)
        item->setLocation(locationComboBox->currentIndex());
    if (changed(SupplierField))
        item->setSupplier(supplierComboBox->currentText());
    if (changed(SerialnoField))
        item->setSerialno(serialnoLineEdit->text());
    if (changed(PriceTodayField))
        item->setPriceToday(priceFromField(priceTodayLineEdit->text(), item->priceToday()));
    if (changed(AddressField))
        item->setAddress(addressLineEdit->text());
    if (changed(PhotolinkField))
        item->setPhotolink(photolinkLineEdit->text());
    if (changed(CountField)) {
        // An empty field, where an edition allows one, is stored as 0; a
        // count the file cannot hold the save check has refused.
        int count = 0;
        StorageCheck::readCount(numberOfItemsLineEdit->text(), &count);
        item->setNumberOfItems(count);
    }
    if (changed(WwwField))
        item->setWww(wwwLineEdit->text());
    if (changed(ReceiptField))
        item->setReceipt(receiptLineEdit->text());
    if (changed(DocumentField))
        item->setDocument(documentLineEdit->text());
    if (changed(ProductModelField) && !productBrandLineEdit->isHidden())
        item->setProductModel(productBrandLineEdit->text());
    if (!isVistrel())
        priceTotalLineEdit->setText(item->totalValueText());
}

QLineEdit *ItemDialog::lineEditOf(EditField field) const
{
    switch (field) {
    case NameField:
        return nameLineEdit;
    case ProductField:
        return productLineEdit;
    case ProductModelField:
        return productBrandLineEdit;
    case CountField:
        return numberOfItemsLineEdit;
    case PriceField:
        return priceLineEdit;
    case PriceTodayField:
        return priceTodayLineEdit;
    case AddressField:
        return addressLineEdit;
    case WwwField:
        return wwwLineEdit;
    case SerialnoField:
        return serialnoLineEdit;
    case DescriptionField:
        return infoLineEdit;
    case PhotolinkField:
        return photolinkLineEdit;
    case ReceiptField:
        return receiptLineEdit;
    case DocumentField:
        return documentLineEdit;
    case GroupField:
    case DateField:
    case LocationField:
    case SupplierField:
    case EditFieldCount:
        break;
    }
    return nullptr;
}

ItemDialog::FieldTexts ItemDialog::fieldTexts() const
{
    FieldTexts texts;
    for (int i = 0; i < EditFieldCount; ++i) {
        if (const QLineEdit *edit = lineEditOf(EditField(i)))
            texts[std::size_t(i)] = edit->text();
    }
    texts[GroupField] = QString::number(groupComboBox->currentIndex());
    texts[DateField] = buyQDateEdit->date().toString(Qt::ISODate);
    texts[LocationField] = QString::number(locationComboBox->currentIndex());
    texts[SupplierField] = supplierComboBox->currentText();
    return texts;
}

void ItemDialog::setFieldText(EditField field, const QString &text)
{
    if (QLineEdit *edit = lineEditOf(field)) {
        edit->setText(text);
        return;
    }
    switch (field) {
    case GroupField:
        groupComboBox->setCurrentIndex(text.toInt());
        break;
    case DateField:
        buyQDateEdit->setDate(QDate::fromString(text, Qt::ISODate));
        break;
    case LocationField:
        locationComboBox->setCurrentIndex(text.toInt());
        break;
    case SupplierField:
        setComboText(supplierComboBox, text);
        break;
    default:
        break;
    }
}

bool ItemDialog::isEdited(EditField field, const FieldTexts &now) const
{
    return !m_shown || now[std::size_t(field)] != (*m_shown)[std::size_t(field)];
}

bool ItemDialog::hasUserEdits() const
{
    return m_shown && fieldTexts() != *m_shown;
}

void ItemDialog::countChanged_slot()
{
    if (m_filling || !m_currentItem)
        return;
    // The count and price go into the item as they are typed (and stay
    // there when the dialog is cancelled); the save tells the collection
    // what the item was before.
    if (!m_beforeTyping && showsCollectionItem())
        m_beforeTyping = std::make_unique<Item>(*m_currentItem);
    const int count = numberOfItemsLineEdit->text().toInt(nullptr, 10);
    if (count != 0)
        m_currentItem->setNumberOfItems(count);
    if (isVistrel())
        return;
    // A price half typed, or out of range, is no price yet: the item keeps
    // its own until the field holds one the file can hold.
    if (priceLineEdit->hasAcceptableInput())
        m_currentItem->setPrice(priceLineEdit->text().toDouble());
    priceTotalLineEdit->setText(m_currentItem->totalValueText());
}

void ItemDialog::textInputRefused(const QLineEdit *edit)
{
    // The field also reports a text put in by the program (setText) past
    // its validator; that text stays, and the save check names it. A user's
    // change is reported while it is still in the field's undo history, that
    // is while the field counts as modified, just before it is undone.
    const QString refused = m_validation.takeRefusedText();
    if (!edit->isModified())
        return;
    // A ";" or a text at its length limit is simply not taken, as the user
    // sees; characters the file cannot hold, line breaks and the invisible
    // control characters (which only a paste brings) are named.
    const QString characters = StorageCheck::unstorableCharacters(refused);
    QString text;
    if (!characters.isEmpty())
        text = tr("Databasen kan ikke gemme tegnene %1, så de er ikke sat ind.").arg(characters);
    else if (refused.contains(QLatin1Char('\n')) || refused.contains(QLatin1Char('\r')))
        text = tr("Databasen kan ikke gemme linjeskift i et felt, så teksten er ikke sat ind.");
    else if (StoredText::check(refused, StoredText::FieldRule) == StoredText::ControlCharacter)
        text = tr("Teksten indeholder usynlige styretegn (som ESC eller lodret tabulator), så den er ikke sat ind.");
    if (!text.isEmpty())
        MessageBox::critical(this, tr("Felt grænseværdi fejl"), text, QMessageBox::Ok);
}

// A product model typed here in an edition whose file does not keep it would
// be written as a field that the edition's own header tells every reader to
// skip, and so be lost at the next save. An item that came with one (from a
// file of the home-contents format) shows it, so that it can be emptied
// before the database is saved.
void ItemDialog::offerProductModel(bool itemHasOne)
{
    const bool offered = StorageCheck::editionKeepsProductModel() || itemHasOne;
    ManufacturerTextLabel->setVisible(offered);
    productBrandLineEdit->setVisible(offered);
}
