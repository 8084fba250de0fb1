#include "itemdialog/ItemDialog.h"

#include "core/Edition.h"
#include "desktop/ExternalViewers.h"
#include "desktop/FileDialog.h"
#include "desktop/MessageBox.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "database/StorageCheck.h"
#include "database/StoredText.h"
#include "core/ColumnTitles.h"
#include "mainwindow/ItemListView.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QSignalBlocker>
#include <QStandardPaths>

#include <algorithm>
#include <utility>

namespace {

const QString pageData = QStringLiteral("DATA");
const QString pagePicture = QStringLiteral("PICTURE");
const QString pageReceipt = QStringLiteral("RECEIPT");

const QString dateFormat = QStringLiteral("dd.MM.yyyy");

// The date editor's "no date": search mode presets it, and the collection's
// search ignores it as a criterion.
QDate noDate()
{
    return QDate(1900, 1, 1);
}

// Entries of the database's field-names list come from the database folder,
// so their translations can only be looked up at run time.
QString translatedEntry(const QString &entry)
{
    return QCoreApplication::translate("ItemDialog", entry.toUtf8().constData());
}

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

void removeHelp(QWidget *widget)
{
    widget->setToolTip(QString());
    widget->setWhatsThis(QString());
}

class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace

ItemDialog::ItemDialog(DBItemCollection *collection, ItemListView *listView, Item *item, const QString &pageName,
                       bool searchMode, QWidget *parent, const QString &name, bool modal, Qt::WindowFlags flags)
    : QDialog(parent, flags)
    , m_collection(collection)
    , m_listView(listView)
    , m_validation(this)
{
    setupUi(this);
    if (!name.isEmpty())
        setObjectName(name);
    setModal(modal);
    buyQDateEdit->setDisplayFormat(dateFormat);
    buyQDateEdit->setMinimumDate(QDate(100, 1, 1));
    m_currentPage = primaryTabWidget->currentWidget();
    connectWidgets();
    for (QLabel *label : {ImageIconTextLabel, pixmapPictureLabel, pixmapReceipt})
        label->installEventFilter(this);

    editionSetup();

    m_pictureViewerProgram = pictureViewerProgram(QString());
    m_wwwProgram = webProgram();
    m_validation.attach(*this);
    nameLineEdit->setFocus();

    if (m_collection && m_collection->count() > 0) {
        if (item) {
            setCurrentItem(item, false);
            showItem(item);
            ShowPage(pageName);
        } else if (searchMode) {
            ResetSlot();
        } else {
            newItem_slot();
            groupComboBox->setCurrentIndex(0);
            if (!name.isEmpty()) {
                const int group = groupComboBox->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
                if (group >= 0)
                    groupComboBox->setCurrentIndex(group);
            }
        }
    } else {
        newItem_slot();
    }

    if (currentLanguage() == QLatin1String("en"))
        helpPushButton->setEnabled(false);

    restoreStoredGeometry();
}

ItemDialog::~ItemDialog()
{
    if (m_unsavedNewItem)
        delete m_currentItem;
}

void ItemDialog::connectWidgets()
{
    connect(CopyPushButton, &QPushButton::clicked, this, &ItemDialog::copy_slot);
    connect(newPushButton, &QPushButton::clicked, this, &ItemDialog::newItem_slot);
    connect(resetPushButton, &QPushButton::clicked, this, &ItemDialog::ResetSlot);
    connect(seachPushButton, &QPushButton::clicked, this, &ItemDialog::seach_slot);
    connect(SearchAgainButton, &QPushButton::clicked, this, &ItemDialog::SearchAgainSlot);
    connect(PrevPushButton, &QPushButton::clicked, this, &ItemDialog::PreviousSlot);
    connect(NextPushButton, &QPushButton::clicked, this, &ItemDialog::NextSlot);
    connect(printButton, &QPushButton::clicked, this, &ItemDialog::print_Slot);
    connect(helpPushButton, &QPushButton::clicked, this, &ItemDialog::help_slot);
    connect(browsePhotoPushButton, &QPushButton::clicked, this, &ItemDialog::browsePhoto_slot);
    connect(showPhotoPushButton, &QPushButton::clicked, this, &ItemDialog::showPhoto_slot);
    connect(browseReceiptPushButton, &QPushButton::clicked, this, &ItemDialog::browseReceipt_slot);
    connect(showReceiptPushButton, &QPushButton::clicked, this, &ItemDialog::showReceipt_slot);
    connect(insertDocumentPushButton, &QPushButton::clicked, this, &ItemDialog::InsertDocumentSlot);
    connect(showDocumentPushButton, &QPushButton::clicked, this, &ItemDialog::ShowDocumentSlot);
    connect(showWwwPushButton, &QPushButton::clicked, this, &ItemDialog::showWww_slot);
    connect(ViewCurrentAsHtmlPushButton, &QPushButton::clicked, this, &ItemDialog::ShowAsHTMLSlot);

    connect(photolinkLineEdit, &QLineEdit::textChanged, this, &ItemDialog::photoFieldChangedSlot);
    connect(receiptLineEdit, &QLineEdit::textChanged, this, &ItemDialog::receiptFieldChangedSlot);
    connect(wwwLineEdit, &QLineEdit::textChanged, this, &ItemDialog::wwwFieldChanged_slot);
    connect(documentLineEdit, &QLineEdit::textChanged, this, &ItemDialog::documentChangedSlot);
    connect(priceLineEdit, &QLineEdit::textChanged, this, &ItemDialog::countChanged_slot);
    connect(numberOfItemsLineEdit, &QLineEdit::textChanged, this, &ItemDialog::countChanged_slot);
    connect(primaryTabWidget, &QTabWidget::currentChanged, this,
            [this](int index) { currentPageChangedSlot(primaryTabWidget->widget(index)); });
    for (QLineEdit *edit : {nameLineEdit, productLineEdit, productBrandLineEdit, supplierComboBox->lineEdit(),
                            addressLineEdit, serialnoLineEdit, infoLineEdit, wwwLineEdit, photolinkLineEdit,
                            receiptLineEdit, documentLineEdit})
        connect(edit, &QLineEdit::inputRejected, this, [this, edit] { textInputRefused(edit); });

    if (m_collection) {
        connect(m_collection, &DBItemCollection::itemRemoved, this, &ItemDialog::itemRemovedFromCollection);
        connect(m_collection, &DBItemCollection::aboutToClear, this, &ItemDialog::collectionAboutToClear);
    }
}

// Runs at construction, for every new item and when a search finds an item:
// the combo boxes get the collection's lists afresh (which also undoes any
// text that setComboText put in place of an entry), the fields get the
// database's own titles and the edition hides what it does not use.
void ItemDialog::editionSetup()
{
    forgetIconPreview();

    for (QComboBox *combo : {groupComboBox, locationComboBox, supplierComboBox})
        combo->clear();
    if (m_collection) {
        groupComboBox->addItems(m_collection->groups().entries());
        locationComboBox->addItems(m_collection->locations().entries());
        supplierComboBox->addItems(m_collection->suppliers().entries());
    }
    for (QComboBox *combo : {groupComboBox, locationComboBox, supplierComboBox})
        combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);

    if (m_collection && m_collection->fields().size() > 0) {
        const userItemCollection &fields = m_collection->fields();
        // An entry the list does not have (or leaves empty) keeps the form's title.
        auto relabel = [&fields](int index, auto apply) {
            const QString entry = fields.entry(index);
            if (!entry.isEmpty())
                apply(entry);
        };
        relabel(0, [this](const QString &e) { TypeTextLabel->setText(translatedEntry(e)); });
        relabel(1, [this](const QString &e) { NameTextLabel->setText(translatedEntry(e)); });
        relabel(2, [this](const QString &e) { ProductTextLabel->setText(translatedEntry(e)); });
        relabel(3, [this](const QString &e) { NumberTextLabel->setText(translatedEntry(e)); });
        relabel(4, [this](const QString &e) { PriceTextLabel->setText(translatedEntry(e)); });
        relabel(5, [this](const QString &e) { PriceTodayTextLabel->setText(translatedEntry(e)); });
        relabel(6, [this](const QString &e) {
            PictureTextLabel->setText(translatedEntry(e));
            primaryTabWidget->setTabText(primaryTabWidget->indexOf(picturePage), e);
            showPhotoPushButton->setText(tr("SHOWPHOTO") + translatedEntry(e));
            browsePhotoPushButton->setText(tr("BROWSEPHOTO") + translatedEntry(e));
        });
        relabel(7, [this](const QString &e) { DateTextLabel->setText(translatedEntry(e)); });
        relabel(8, [this](const QString &e) { LocationTextLabel->setText(translatedEntry(e)); });
        relabel(9, [this](const QString &e) { DescriptionTextLabel->setText(translatedEntry(e)); });
        relabel(10, [this](const QString &e) { SupplierTextLabel->setText(translatedEntry(e)); });
        relabel(11, [this](const QString &e) { SupplierExtraTextLabel->setText(translatedEntry(e)); });
        relabel(12, [this](const QString &e) { SerialNoTextLabel->setText(translatedEntry(e)); });
        relabel(13, [this](const QString &e) {
            WwwTextLabel->setText(translatedEntry(e));
            showWwwPushButton->setText(tr("SHOWWWW") + translatedEntry(e));
        });
        relabel(14, [this](const QString &e) {
            ReceiptTextLabel->setText(translatedEntry(e));
            primaryTabWidget->setTabText(primaryTabWidget->indexOf(receiptPage), e);
            browseReceiptPushButton->setText(tr("BROWSERECIEPT") + translatedEntry(e));
            showReceiptPushButton->setText(tr("SHOWRECIEPT") + translatedEntry(e));
        });
        // Older field lists hold a placeholder with "#" for the document.
        relabel(15, [this](const QString &e) {
            if (e.contains(QLatin1Char('#')))
                return;
            documentTextLabel->setText(translatedEntry(e));
            insertDocumentPushButton->setText(tr("BROWSEDOC") + translatedEntry(e));
            showDocumentPushButton->setText(tr("SHOWDOC") + translatedEntry(e));
        });
        relabel(16, [this](const QString &e) { ManufacturerTextLabel->setText(translatedEntry(e)); });
    }

    const QString language = currentLanguage();
    if (isOstrana() || isQuorvel()) {
        if (isQuorvel())
            serialnoLineEdit->setEnabled(false);
        if (language == QLatin1String("en"))
            helpPushButton->setEnabled(false);
        if (collectionIsReadOnly()) {
            for (QPushButton *button : {savePushButton, buttonOk, newPushButton, CopyPushButton})
                button->setEnabled(false);
        }
    } else if (isVistrel() || isNumivax()) {
        if (language == QLatin1String("en") || language == QLatin1String("no"))
            helpPushButton->setEnabled(false);
    }

    offerProductModel(false);

    if (isQuorvel()) {
        if (!Settings().value(QStringLiteral("EnableNumberOfItemsLineEdit"), true).toBool())
            numberOfItemsLineEdit->setEnabled(false);
        for (QWidget *widget : std::initializer_list<QWidget *>{locationComboBox, addressLineEdit, serialnoLineEdit,
                                                                browseReceiptPushButton})
            removeHelp(widget);
    }

    if (isVistrel() || isNumivax()) {
        for (QWidget *widget : std::initializer_list<QWidget *>{
                 numberOfItemsLineEdit, productLineEdit, priceLineEdit, priceTodayLineEdit, locationComboBox,
                 supplierComboBox, serialnoLineEdit, documentLineEdit, addressLineEdit, receiptLineEdit,
                 browseReceiptPushButton, showReceiptPushButton})
            removeHelp(widget);
    }
    if (isVistrel()) {
        setWindowTitle(tr("PICTURE_GALLERY"));
        for (QWidget *widget :
             std::initializer_list<QWidget *>{TotalPriceTextLabel, priceTotalLineEdit, StkTextLabel, KrTextLabel})
            widget->hide();
        numberOfItemsLineEdit->setWhatsThis(tr("WHATSHIS_VISTREL_REG_NUMBER"));
        numberOfItemsLineEdit->setToolTip(tr("TOOLTIP_VISTREL_REG_NUMBER"));
        priceLineEdit->setToolTip(tr("TOOLTIP_VISTREL_ESTIMATED_PRICE"));
        priceLineEdit->setWhatsThis(tr("WHATSHIS_VISTREL_ESTIMATED_PRICE"));
        priceTodayLineEdit->setToolTip(tr("TOOLTIP_VISTREL_SALESPRICE"));
        priceTodayLineEdit->setWhatsThis(tr("WHATSHIS_VISTREL_SALESPRICE"));
        documentLineEdit->setToolTip(tr("TOOLTIP_VISTREL_DOCUMENT"));
        documentLineEdit->setWhatsThis(tr("WHATSHIS_VISTREL_DOCUMENT"));
    } else if (isNumivax()) {
        setWindowTitle(tr("NUMIVAX_DIALOG_TITLE"));
        removeHelp(nameLineEdit);
        numberOfItemsLineEdit->setToolTip(tr("TOOLTIP_DB_NUMBEROF"));
        documentLineEdit->setToolTip(tr("TOOLTIP_NUMIVAX_DOCUMENT"));
        addressLineEdit->setToolTip(tr("TOOLTIP_NUMIVAX_QUALITY"));
        addressLineEdit->setWhatsThis(tr("WHATSHIS_NUMIVAX_QUALITY"));
        receiptLineEdit->setToolTip(tr("TOOLTIP_NUMIVAX_BACKSIDE_PICTURE"));
        browseReceiptPushButton->setToolTip(tr("TOOLTIP_BROWSE_BACKSIDE_PICTURE_NUMIVAX"));
        showReceiptPushButton->setToolTip(tr("TOOLTIP_SHOW_BACKSIDE_PICTURE_NUMIVAX"));
    }
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
        // keeps its name, and the next edition set-up brings it back.
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
    m_dateUnreadable = false;

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

void ItemDialog::newItem_slot()
{
    for (QPushButton *button : {newPushButton, CopyPushButton, resetPushButton, seachPushButton, SearchAgainButton,
                                PrevPushButton, NextPushButton, printButton})
        button->setEnabled(false);

    const int group = std::max(groupComboBox->currentIndex(), 0);
    editionSetup();
    resetAllFields(false);

    setCurrentItem(new Item, true);
    m_currentItem->setGroup(group);

    // Coming from search mode OK and Save are off; a new item must be savable.
    const bool writable = !collectionIsReadOnly();
    buttonOk->setEnabled(writable);
    savePushButton->setEnabled(writable);

    if (isVistrel()) {
        numberOfItemsLineEdit->setText(QStringLiteral("0"));
    } else if (isOstrana() || isNumivax()) {
        numberOfItemsLineEdit->setText(QStringLiteral("1"));
    } else if (isQuorvel()) {
        numberOfItemsLineEdit->setText(QStringLiteral("1"));
        const int highest = m_collection ? m_collection->highestSerialNumber() : 0;
        serialnoLineEdit->setText(QString::number(highest + 1));
        // No location chosen yet: the location check asks for one. Every
        // entry keeps its name, so the first location can be picked too.
        locationComboBox->setCurrentIndex(-1);
    }

    if (group < groupComboBox->count())
        groupComboBox->setCurrentIndex(group);
    clearPicturePreview();
    clearReceiptPreview();
}

void ItemDialog::copy_slot()
{
    if (!m_currentItem)
        return;
    setCurrentItem(new Item(*m_currentItem), true);
    setDatabaseModified(true);
    if (isQuorvel()) {
        const int highest = m_collection ? m_collection->highestSerialNumber() : 0;
        serialnoLineEdit->setText(QString::number(highest + 1));
    }
    for (QPushButton *button : {CopyPushButton, seachPushButton, PrevPushButton, NextPushButton})
        button->setEnabled(false);
}

void ItemDialog::ResetSlot()
{
    setCurrentItem(nullptr, false);
    resetAllFields(true);
    clearPicturePreview();
    clearReceiptPreview();
    for (QPushButton *button : {buttonOk, savePushButton, SearchAgainButton, NextPushButton, PrevPushButton})
        button->setEnabled(false);
    // Search mode is for searching: after a copy the Search button was off.
    seachPushButton->setEnabled(true);
    if (isQuorvel())
        serialnoLineEdit->setEnabled(true);
}

void ItemDialog::seach_slot()
{
    m_criteria.clear();
    m_criteria.reserve(DBItemCollection::CriterionCount);
    m_criteria << nameLineEdit->text() << productLineEdit->text() << numberOfItemsLineEdit->text()
               << priceLineEdit->text() << priceTodayLineEdit->text() << buyQDateEdit->date().toString(dateFormat)
               << (isNumivax() ? supplierComboBox->currentText() : QString()) << serialnoLineEdit->text()
               << infoLineEdit->text() << addressLineEdit->text() << photolinkLineEdit->text()
               << receiptLineEdit->text() << wwwLineEdit->text() << QStringLiteral("-1") << documentLineEdit->text();

    setCurrentItem(nullptr, false);
    Item *found = m_collection ? m_collection->search(m_criteria, false) : nullptr;
    if (found)
        SearchAgainButton->setEnabled(true);
    showSearchResult(found);
}

void ItemDialog::SearchAgainSlot()
{
    if (m_criteria.size() != DBItemCollection::CriterionCount)
        return;
    Item *found = m_collection ? m_collection->search(m_criteria, true) : nullptr;
    showSearchResult(found);
}

void ItemDialog::showSearchResult(Item *found)
{
    setCurrentItem(found, false);
    const bool hit = found != nullptr;
    if (hit) {
        editionSetup();
        resetAllFields(false);
        showItem(found);
        selectInListView(found);
    } else {
        MessageBox::critical(nullptr, tr("Fejl søgning"), tr("Search_Error"), QMessageBox::Ok);
    }
    for (QPushButton *button : {buttonOk, savePushButton, NextPushButton, PrevPushButton})
        button->setEnabled(hit);
}

void ItemDialog::selectInListView(Item *item)
{
    if (!m_listView || !item)
        return;
    if (funiQListViewItem *row = m_listView->FindListViewItem(item))
        m_listView->ItemSelected(row);
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
    m_dateUnreadable = !date.isValid();
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

    if (m_currentPage && m_currentPage != basicPage)
        currentPageChangedSlot(m_currentPage);
}

void ItemDialog::updateCurrentItem()
{
    Item *item = m_currentItem;
    if (!item)
        return;
    // A combo without a current entry (the item's number has no name in the
    // list) leaves the item's number alone.
    if (groupComboBox->currentIndex() >= 0)
        item->setGroup(groupComboBox->currentIndex());
    item->setName(nameLineEdit->text());
    item->setProduct(productLineEdit->text());
    item->setPrice(priceFromField(priceLineEdit->text(), item->price()));
    item->setDescription(infoLineEdit->text());
    if (!(m_dateUnreadable && buyQDateEdit->date() == noDate()))
        item->setDate(buyQDateEdit->date().toString(dateFormat));
    if (locationComboBox->currentIndex() >= 0)
        item->setLocation(locationComboBox->currentIndex());
    item->setSupplier(supplierComboBox->currentText());
    item->setSerialno(serialnoLineEdit->text());
    item->setPriceToday(priceFromField(priceTodayLineEdit->text(), item->priceToday()));
    item->setAddress(addressLineEdit->text());
    item->setPhotolink(photolinkLineEdit->text());
    item->setNumberOfItems(numberOfItemsLineEdit->text().toInt(nullptr, 10));
    item->setWww(wwwLineEdit->text());
    item->setReceipt(receiptLineEdit->text());
    item->setDocument(documentLineEdit->text());
    if (!productBrandLineEdit->isHidden())
        item->setProductModel(productBrandLineEdit->text());
    if (!isVistrel())
        priceTotalLineEdit->setText(item->totalValueText());
}

bool ItemDialog::validateInput()
{
    const ItemValidation::Result result =
        m_validation.check(*this, columnTitle(ItemListView::LocationColumn));
    if (result.ok())
        return true;
    if (result.isFieldLimit())
        ShowValidateError(result.message);
    else
        MessageBox::critical(this, tr("Fejl"), result.message, QMessageBox::Ok);
    return false;
}

void ItemDialog::ShowValidateError(const QString &Error)
{
    if (Error.isEmpty())
        return;
    MessageBox::critical(this, tr("Felt grænseværdi fejl"), Error + QLatin1String("\n\n") + tr("Ret det !"),
                         QMessageBox::Ok);
}

bool ItemDialog::save_slot()
{
    if (!validateInput())
        return false;
    if (!m_currentItem)
        return true;
    if (collectionIsReadOnly())
        return true;

    WaitCursor wait;
    updateCurrentItem();

    Item *item = m_currentItem;
    if (m_unsavedNewItem) {
        // Without a collection there is nowhere to keep the item: it stays
        // the dialog's.
        if (!m_collection)
            return true;
        m_collection->add(item);
        m_unsavedNewItem = false;
        if (m_listView)
            m_listView->AddItem(item, true);
    } else if (m_listView) {
        // The row that holds this item, not whichever row the list has as
        // current: the user may have selected another row meanwhile.
        if (funiQListViewItem *row = m_listView->rowForItem(item))
            m_listView->RefreshRow(row, item);
        else
            m_listView->AddItem(item, true);
    }
    setDatabaseModified(true);

    for (QPushButton *button : {CopyPushButton, seachPushButton, resetPushButton, newPushButton, PrevPushButton,
                                NextPushButton, printButton})
        button->setEnabled(true);
    setTabEnabled(picturePage, !photolinkLineEdit->text().isEmpty());
    return true;
}

void ItemDialog::on_savePushButton_clicked()
{
    save_slot();
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
    // sees; characters the file cannot hold, and line breaks (which only a
    // paste brings), are named.
    const QString characters = StorageCheck::unstorableCharacters(refused);
    QString text;
    if (!characters.isEmpty())
        text = tr("Databasen kan ikke gemme tegnene %1, så de er ikke sat ind.").arg(characters);
    else if (refused.contains(QLatin1Char('\n')) || refused.contains(QLatin1Char('\r')))
        text = tr("Databasen kan ikke gemme linjeskift i et felt, så teksten er ikke sat ind.");
    if (!text.isEmpty())
        MessageBox::critical(this, tr("Felt grænseværdi fejl"), text, QMessageBox::Ok);
}

void ItemDialog::accept()
{
    if (!save_slot())
        return;
    storeGeometry();
    QDialog::accept();
}

void ItemDialog::closeEvent(QCloseEvent *e)
{
    storeGeometry();
    QDialog::closeEvent(e);
}

bool ItemDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize) {
        // Only a label that shows a picture is refitted; one that shows text
        // (or nothing) stays as it is.
        auto refit = [this](QLabel *label, const QPixmap &picture) {
            if (!picture.isNull() && !label->pixmap().isNull())
                showScaled(label, picture);
        };
        if (watched == ImageIconTextLabel)
            refit(ImageIconTextLabel, m_iconPicture);
        else if (watched == pixmapPictureLabel)
            refit(pixmapPictureLabel, m_picture);
        else if (watched == pixmapReceipt)
            refit(pixmapReceipt, m_receiptPicture);
    }
    return QDialog::eventFilter(watched, event);
}

void ItemDialog::PreviousSlot()
{
    if (!m_currentItem || m_unsavedNewItem || !m_collection || !m_collection->contains(m_currentItem))
        return;
    bool atStart = false;
    Item *item = m_collection->previous(m_currentItem, atStart);
    setCurrentItem(item, false);
    showItem(item);
    selectInListView(item);
    PrevPushButton->setEnabled(!atStart);
    NextPushButton->setEnabled(true);
}

void ItemDialog::NextSlot()
{
    if (!m_currentItem || m_unsavedNewItem || !m_collection || !m_collection->contains(m_currentItem))
        return;
    bool atEnd = false;
    Item *item = m_collection->next(m_currentItem, atEnd);
    setCurrentItem(item, false);
    showItem(item);
    selectInListView(item);
    NextPushButton->setEnabled(!atEnd);
    PrevPushButton->setEnabled(true);
}

void ItemDialog::countChanged_slot()
{
    if (m_filling || !m_currentItem)
        return;
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

bool ItemDialog::ShowPage(const QString &PageName)
{
    QWidget *page = nullptr;
    if (PageName == pageData)
        page = basicPage;
    else if (PageName == pagePicture)
        page = picturePage;
    else if (PageName == pageReceipt)
        page = receiptPage;
    if (!page)
        return false;
    primaryTabWidget->setCurrentWidget(page);
    return true;
}

void ItemDialog::help_slot()
{
    const QString language = currentLanguage();
    const QString page = (isOstrana() || isQuorvel())
        ? QStringLiteral("InventoryDialog.%1.htm").arg(language)
        : QStringLiteral("%1Dialog.%2.htm").arg(editionName(), language);
    openHtmlPage(page, QString(), false);
}

void ItemDialog::print_Slot()
{
    // The one-page printout of the current item is not part of the dialog
    // yet; until it is, the Print button does nothing.
}

void ItemDialog::ShowAsHTMLSlot()
{
    // The list's current row, which need not be the dialog's item (a new
    // item has no row yet).
    if (m_listView)
        m_listView->ViewCurrentAsHTML();
}

void ItemDialog::delete_slot()
{
    // Nothing in the form reaches this. An item the dialog made is simply not
    // saved; an item of the collection goes the way the list deletes it, so
    // that its row goes too. The collection's itemRemoved signal then moves
    // the dialog to search mode.
    Item *item = m_currentItem;
    if (!item || m_unsavedNewItem || !m_collection || !m_collection->contains(item))
        return;
    if (m_listView) {
        if (funiQListViewItem *row = m_listView->FindListViewItem(item)) {
            m_listView->ItemSelected(row);
            m_listView->DeleteItem();
            return;
        }
    }
    m_collection->remove(item);
    delete item;
    setDatabaseModified(true);
}

void ItemDialog::setCurrentItem(Item *item, bool ownedByDialog)
{
    if (m_unsavedNewItem && m_currentItem != item)
        delete m_currentItem;
    m_currentItem = item;
    m_unsavedNewItem = item && ownedByDialog;
}

// Also with no items yet: the database cannot be saved once it holds one, so
// an item entered now could never reach the file.
bool ItemDialog::collectionIsReadOnly() const
{
    return m_collection && m_collection->isReadOnly();
}

void ItemDialog::itemRemovedFromCollection(Item *item)
{
    if (item && item == m_currentItem && !m_unsavedNewItem)
        leaveCurrentItem();
}

void ItemDialog::collectionAboutToClear()
{
    // An unsaved item of the dialog's own is not in the collection and stays.
    if (m_currentItem && !m_unsavedNewItem)
        leaveCurrentItem();
}

void ItemDialog::leaveCurrentItem()
{
    m_currentItem = nullptr;
    ResetSlot();
}

void ItemDialog::storeGeometry() const
{
    Settings settings;
    settings.beginGroup(QStringLiteral("ItemDialog"));
    settings.setValue(QStringLiteral("ItemDialogWidth"), geometry().width());
    settings.setValue(QStringLiteral("ItemDialogHeight"), geometry().height());
    settings.setValue(QStringLiteral("ItemDialogX"), x());
    settings.setValue(QStringLiteral("ItemDialogY"), y());
    settings.endGroup();
}

void ItemDialog::restoreStoredGeometry()
{
    Settings settings;
    settings.beginGroup(QStringLiteral("ItemDialog"));
    resize(settings.value(QStringLiteral("ItemDialogWidth"), 627).toInt(),
           settings.value(QStringLiteral("ItemDialogHeight"), 539).toInt());
    move(settings.value(QStringLiteral("ItemDialogX"), 100).toInt(),
         settings.value(QStringLiteral("ItemDialogY"), 100).toInt());
    settings.endGroup();
}

void ItemDialog::setTabEnabled(QWidget *page, bool enabled)
{
    primaryTabWidget->setTabEnabled(primaryTabWidget->indexOf(page), enabled);
}

// --- Links, previews and file choosers -------------------------------------

QString ItemDialog::defaultPicturePath()
{
    const QString programFiles = qEnvironmentVariable("ProgramFiles");
    if (!programFiles.isEmpty())
        return QDir::toNativeSeparators(programFiles + QLatin1String("/Taldrum"));
    return QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
}

QString ItemDialog::defaultDocumentPath()
{
    const QString programFiles = qEnvironmentVariable("ProgramFiles");
    if (!programFiles.isEmpty())
        return QDir::toNativeSeparators(programFiles + QLatin1String("/Taldrum"));
    return QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

void ItemDialog::showScaled(QLabel *label, const QPixmap &picture)
{
    if (picture.isNull()) {
        label->clear();
        return;
    }
    const int W = label->width();
    const int H = label->height();
    const int w = picture.width();
    const int h = picture.height();
    double factor = 1.0;
    if ((w >= W || h >= H) && W > 0 && H > 0)
        factor = std::min(double(W) / w, double(H) / h);
    const QPixmap scaled = factor == 1.0
        ? picture
        : picture.scaled(std::max(1, int(w * factor)), std::max(1, int(h * factor)), Qt::IgnoreAspectRatio,
                         Qt::SmoothTransformation);
    label->setPixmap(scaled);
}

void ItemDialog::showIconPreview()
{
    const QString link = photolinkLineEdit->text();
    if (isPictureFile(link) && m_iconPicture.load(link)) {
        showScaled(ImageIconTextLabel, m_iconPicture);
        return;
    }
    forgetIconPreview();
}

void ItemDialog::forgetIconPreview()
{
    m_iconPicture = QPixmap();
    ImageIconTextLabel->setText(QStringLiteral(" "));
}

void ItemDialog::clearPicturePreview()
{
    pixmapPictureLabel->setText(QString());
    ImageIconTextLabel->setText(QString());
    m_iconPicture = QPixmap();
    m_picture = QPixmap();
    showPhotoPushButton->setEnabled(false);
    setTabEnabled(picturePage, false);
}

void ItemDialog::clearReceiptPreview()
{
    pixmapReceipt->setText(QString());
    m_receiptPicture = QPixmap();
}

void ItemDialog::photoFieldChangedSlot()
{
    const QString link = photolinkLineEdit->text();
    if (!link.isEmpty() && isPictureFile(link)) {
        showPhotoPushButton->setEnabled(true);
        setTabEnabled(picturePage, true);
    } else {
        clearPicturePreview();
    }
    showIconPreview();
}

void ItemDialog::receiptFieldChangedSlot()
{
    const QString link = receiptLineEdit->text();
    showReceiptPushButton->setEnabled(!link.isEmpty());
    setTabEnabled(receiptPage, !link.isEmpty() && isPictureFile(link));
}

void ItemDialog::wwwFieldChanged_slot()
{
    showWwwPushButton->setEnabled(!wwwLineEdit->text().isEmpty());
}

void ItemDialog::documentChangedSlot()
{
    showDocumentPushButton->setEnabled(!documentLineEdit->text().isEmpty());
}

void ItemDialog::currentPageChangedSlot(QWidget *page)
{
    m_currentPage = page;
    if (page == picturePage) {
        const QString link = photolinkLineEdit->text();
        if (isPictureFile(link)) {
            m_picture = QPixmap();
            m_picture.load(link);
            showScaled(pixmapPictureLabel, m_picture);
        }
    } else if (page == receiptPage) {
        const QString link = receiptLineEdit->text();
        if (isPictureFile(link)) {
            m_receiptPicture = QPixmap();
            if (m_receiptPicture.load(link))
                showScaled(pixmapReceipt, m_receiptPicture);
        }
    }
}

QString ItemDialog::chooseFile(const QString &settingsKey, const QString &defaultFolder, const QString &filter)
{
    FileDialog::Request request;
    // A file that does not exist yet may be named too.
    request.mode = FileDialog::AnyFile;
    request.folder = Settings().value(settingsKey, defaultFolder).toString();
    request.filters = filter.split(QStringLiteral(";;"), Qt::SkipEmptyParts);
    return FileDialog::ask(this, request).path;
}

// A chosen path goes into its field past the field's validator, so it is
// checked here; a path the file cannot hold leaves the field as it was.
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

bool ItemDialog::isStorableLink(const QString &link)
{
    const QString problem = StorageCheck::textProblem(link);
    if (problem.isEmpty())
        return true;
    MessageBox::critical(this, tr("Felt grænseværdi fejl"),
                         tr("Stien til den valgte fil kan ikke gemmes i databasen:\n%1").arg(link) + QLatin1String("\n\n")
                             + problem,
                         QMessageBox::Ok);
    return false;
}

void ItemDialog::browsePhoto_slot()
{
    const QString path =
        chooseFile(QStringLiteral("PicturePath"), defaultPicturePath(),
                   tr("Billed fil (*.bmp *.jpg *.jpeg *.gif *.png *.mng *.pnm *.xbm *.xpm);;Alle (*.*)"));
    if (path.isEmpty())
        return;
    const QString link = QDir::toNativeSeparators(path);
    if (!isStorableLink(link))
        return;
    photolinkLineEdit->setText(link);
    if (isPictureFile(link))
        setTabEnabled(picturePage, true);
    m_picture = QPixmap();
    m_picture.load(path);
    pixmapPictureLabel->setPixmap(m_picture);
}

void ItemDialog::browseReceipt_slot()
{
    const QString path = chooseFile(QStringLiteral("ReceiptPath"), defaultDocumentPath(),
                                    tr("Kvittering (*.bmp *.jpg *.jpeg *.gif *.tif *.txt *.htm);;Alle (*.*)"));
    const QString link = QDir::toNativeSeparators(path);
    if (!path.isEmpty() && isStorableLink(link))
        receiptLineEdit->setText(link);
}

void ItemDialog::InsertDocumentSlot()
{
    const QString path =
        chooseFile(QStringLiteral("DocumentPath"), defaultDocumentPath(),
                   tr("Kvittering (*.doc *.pdf  *.txt *.htm *.bmp *.jpg *.jpeg *.gif *.tif);;Alle (*.*)"));
    const QString link = QDir::toNativeSeparators(path);
    if (!path.isEmpty() && isStorableLink(link))
        documentLineEdit->setText(link);
}

void ItemDialog::showPhoto_slot()
{
    const QString link = photolinkLineEdit->text();
    if (link.isEmpty())
        return;
    if (!m_pictureViewerProgram.isEmpty())
        openWithProgram(m_pictureViewerProgram, link, this);
    else
        shellOpen(link);
}

void ItemDialog::showReceipt_slot()
{
    const QString link = receiptLineEdit->text();
    if (link.isEmpty())
        return;
    // In the picture and coin editions the receipt is a second picture.
    if ((isVistrel() || isNumivax()) && !m_pictureViewerProgram.isEmpty())
        openWithProgram(m_pictureViewerProgram, link, this);
    else
        shellOpen(link);
}

void ItemDialog::ShowDocumentSlot()
{
    shellOpen(documentLineEdit->text());
}

void ItemDialog::showWww_slot()
{
    const QString link = wwwLineEdit->text();
    if (link.isEmpty())
        return;
    if (!m_wwwProgram.isEmpty())
        openWithProgram(m_wwwProgram, link, this);
    else
        shellOpen(link);
}
