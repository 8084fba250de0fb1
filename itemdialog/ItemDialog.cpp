#include "itemdialog/ItemDialog.h"

#include "core/ColumnTitles.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/CollectionStep.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "desktop/ExternalViewers.h"
#include "desktop/MessageBox.h"
#include "desktop/WaitCursor.h"
#include "help/HelpTopics.h"
#include "itemdialog/ItemDialogEditionLook.h"
#include "itemdialog/ItemPicturePreviews.h"
#include "output/ItemPrintout.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QScopedValueRollback>

#include <algorithm>
#include <utility>

namespace {

const QString pageData = QStringLiteral("DATA");
const QString pagePicture = QStringLiteral("PICTURE");
const QString pageReceipt = QStringLiteral("RECEIPT");

} // namespace

ItemDialog::ItemDialog(DBItemCollection *collection, Item *item, const QString &pageName, bool searchMode,
    QWidget *parent, const QString &name, bool modal, Qt::WindowFlags flags)
    : QDialog(parent, flags)
    , m_collection(collection)
    , m_validation(this)
{
    setupUi(this);
    if (!name.isEmpty())
        setObjectName(name);
    setModal(modal);
    buyQDateEdit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    buyQDateEdit->setMinimumDate(QDate(100, 1, 1));
    m_currentPage = primaryTabWidget->currentWidget();
    m_previews = new ItemPicturePreviews(ImageIconTextLabel, pixmapPictureLabel, pixmapReceipt, this);
    connectWidgets();

    ItemDialogEditionLook::apply(*this, *this);
    refillFromCollection();
    disableWritingWhenReadOnly();

    m_pictureViewerProgram = pictureViewerProgram(QString());
    m_wwwProgram = webProgram();
    m_validation.attach(*this);
    nameLineEdit->setFocus();

    if (m_collection && m_collection->count() > 0) {
        if (item) {
            setCurrentItem(item);
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

    restoreStoredGeometry();
}

ItemDialog::~ItemDialog() = default;

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
    // A choice the user makes replaces one that a deletion took away.
    connect(groupComboBox, &QComboBox::activated, this, [this] { m_lostGroup.clear(); });
    connect(locationComboBox, &QComboBox::activated, this, [this] { m_lostLocation.clear(); });
    connect(primaryTabWidget, &QTabWidget::currentChanged, this,
        [this](int index) { currentPageChangedSlot(primaryTabWidget->widget(index)); });
    for (QLineEdit *edit :
        { nameLineEdit, productLineEdit, productBrandLineEdit, supplierComboBox->lineEdit(), addressLineEdit,
            serialnoLineEdit, infoLineEdit, wwwLineEdit, photolinkLineEdit, receiptLineEdit, documentLineEdit })
        connect(edit, &QLineEdit::inputRejected, this, [this, edit] { textInputRefused(edit); });

    if (m_collection) {
        connect(m_collection, &DBItemCollection::itemChanged, this, &ItemDialog::itemChangedInCollection);
        connect(m_collection, &DBItemCollection::itemRemoved, this, &ItemDialog::itemRemovedFromCollection);
        connect(m_collection, &DBItemCollection::aboutToClear, this, &ItemDialog::collectionAboutToClear);
        connect(
            m_collection, &DBItemCollection::listEntryAboutToBeRemoved, this, &ItemDialog::listEntryAboutToBeRemoved);
        connect(m_collection, &DBItemCollection::listEntryRemoved, this, [this] { m_removingListEntry = false; });
        connect(m_collection, &DBItemCollection::listsChanged, this, &ItemDialog::listsChangedInCollection);
    }
}

void ItemDialog::disableWritingWhenReadOnly()
{
    // The picture and coin editions leave these to the save itself, which
    // does nothing on a read-only collection.
    if (!(isOstrana() || isQuorvel()) || !collectionIsReadOnly())
        return;
    for (QPushButton *button : { savePushButton, buttonOk, newPushButton, CopyPushButton })
        button->setEnabled(false);
}

void ItemDialog::newItem_slot()
{
    for (QPushButton *button : { newPushButton, CopyPushButton, resetPushButton, seachPushButton, SearchAgainButton,
             PrevPushButton, NextPushButton, printButton })
        button->setEnabled(false);

    const int group = std::max(groupComboBox->currentIndex(), 0);
    refillFromCollection();
    resetAllFields(false);

    auto item = std::make_unique<Item>();
    item->setGroup(group);
    setCurrentItem(std::move(item));
    // Every field of a new item is written.
    m_shown.reset();

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
        serialnoLineEdit->setText(nextSerialNumber());
        // No location chosen yet: the location check asks for one. Every
        // entry keeps its name, so the first location can be picked too.
        locationComboBox->setCurrentIndex(-1);
    }

    if (group < groupComboBox->count())
        groupComboBox->setCurrentIndex(group);
    clearPicturePreview();
    m_previews->clearReceipt();
}

void ItemDialog::copy_slot()
{
    if (!m_currentItem)
        return;
    const QString copiedFrom = m_currentItem->name();
    setCurrentItem(std::make_unique<Item>(*m_currentItem));
    m_copiedFrom = copiedFrom;
    setDatabaseModified(true);
    if (isQuorvel())
        serialnoLineEdit->setText(nextSerialNumber());
    for (QPushButton *button : { CopyPushButton, seachPushButton, PrevPushButton, NextPushButton })
        button->setEnabled(false);
}

void ItemDialog::ResetSlot()
{
    setCurrentItem(nullptr);
    resetAllFields(true);
    clearPicturePreview();
    m_previews->clearReceipt();
    for (QPushButton *button : { buttonOk, savePushButton, SearchAgainButton, NextPushButton, PrevPushButton })
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
               << priceLineEdit->text() << priceTodayLineEdit->text() << dateText(buyQDateEdit->date())
               << (isNumivax() ? supplierComboBox->currentText() : QString()) << serialnoLineEdit->text()
               << infoLineEdit->text() << addressLineEdit->text() << photolinkLineEdit->text()
               << receiptLineEdit->text() << wwwLineEdit->text() << QStringLiteral("-1") << documentLineEdit->text();

    setCurrentItem(nullptr);
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
    setCurrentItem(found);
    const bool hit = found != nullptr;
    if (hit) {
        refillFromCollection();
        disableWritingWhenReadOnly();
        resetAllFields(false);
        showItem(found);
        emit itemShown(found);
    } else {
        MessageBox::critical(nullptr, tr("Fejl søgning"), tr("Search_Error"), QMessageBox::Ok);
    }
    for (QPushButton *button : { buttonOk, savePushButton, NextPushButton, PrevPushButton })
        button->setEnabled(hit);
}

bool ItemDialog::validateInput()
{
    if (!chosenEntriesStillListed())
        return false;
    const ItemValidation::Result result = m_validation.check(*this, columnTitle(ListColumns::LocationColumn));
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
    MessageBox::critical(
        this, tr("Felt grænseværdi fejl"), Error + QLatin1String("\n\n") + tr("Ret det !"), QMessageBox::Ok);
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
    // The undo history keeps the fields as they were.
    const bool adding = m_unsavedItem != nullptr;
    // A change is named after the item as the user knew it.
    const QString oldName = m_currentItem->name();
    if (m_collection && !adding) {
        // What the collection last knew of the item, without the count and
        // price typed into it since.
        if (m_beforeTyping)
            std::swap(*m_currentItem, *m_beforeTyping);
        m_collection->aboutToChange(m_currentItem);
        if (m_beforeTyping)
            std::swap(*m_currentItem, *m_beforeTyping);
    }
    m_beforeTyping.reset();
    updateCurrentItem();

    // Without a collection there is nowhere to keep an item: an unsaved one
    // stays the dialog's. Both operations mark the database modified, and
    // the views follow the collection's announcement.
    if (!m_collection)
        return true;
    {
        QString text;
        if (!adding)
            text = tr("ændring af '%1'").arg(oldName);
        else if (!m_copiedFrom.isNull())
            text = tr("kopi af '%1'").arg(m_copiedFrom);
        else
            text = tr("tilføjelse af '%1'").arg(m_currentItem->name());
        const CollectionStep step(*m_collection, text);
        const QScopedValueRollback announcing(m_announcing, true);
        if (m_unsavedItem)
            m_currentItem = m_collection->add(std::move(m_unsavedItem));
        else
            m_collection->itemWasChanged(m_currentItem);
    }
    // From now on the fields are measured against what was saved.
    m_shown = fieldTexts();

    for (QPushButton *button : { CopyPushButton, seachPushButton, resetPushButton, newPushButton, PrevPushButton,
             NextPushButton, printButton })
        button->setEnabled(true);
    setTabEnabled(picturePage, !photolinkLineEdit->text().isEmpty());
    return true;
}

void ItemDialog::on_savePushButton_clicked()
{
    save_slot();
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

void ItemDialog::PreviousSlot()
{
    if (!showsCollectionItem())
        return;
    bool atStart = false;
    Item *item = m_collection->previous(m_currentItem, atStart);
    setCurrentItem(item);
    showItem(item);
    emit itemShown(item);
    PrevPushButton->setEnabled(!atStart);
    NextPushButton->setEnabled(true);
}

void ItemDialog::NextSlot()
{
    if (!showsCollectionItem())
        return;
    bool atEnd = false;
    Item *item = m_collection->next(m_currentItem, atEnd);
    setCurrentItem(item);
    showItem(item);
    emit itemShown(item);
    NextPushButton->setEnabled(!atEnd);
    PrevPushButton->setEnabled(true);
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
    openHtmlPage(HelpTopics::itemDialogPage(edition(), currentLanguage()), QString(), false);
}

void ItemDialog::print_Slot()
{
    ItemPrintout::print(m_currentItem, m_collection, this);
}

void ItemDialog::ShowAsHTMLSlot()
{
    // The view shows its current row, which need not be the dialog's item
    // (a new item has no row yet).
    emit viewAsHtmlRequested(m_currentItem);
}

void ItemDialog::delete_slot()
{
    // Nothing in the form reaches this. An item the dialog made is simply not
    // saved. The collection announces the removal, so that the views drop
    // the item's row and this dialog moves to search mode.
    if (showsCollectionItem()) {
        const CollectionStep step(*m_collection, tr("sletning af '%1'").arg(m_currentItem->name()));
        const QScopedValueRollback announcing(m_announcing, true);
        m_collection->deleteItem(m_currentItem);
    }
}

void ItemDialog::setCurrentItem(Item *item)
{
    m_currentItem = item;
    m_unsavedItem.reset();
    m_beforeTyping.reset();
    m_copiedFrom = QString();
    m_lostGroup.clear();
    m_lostLocation.clear();
    // showItem measures the fields afresh.
    m_shown.reset();
}

void ItemDialog::setCurrentItem(std::unique_ptr<Item> unsaved)
{
    m_currentItem = unsaved.get();
    m_unsavedItem = std::move(unsaved);
    m_beforeTyping.reset();
    m_copiedFrom = QString();
    m_lostGroup.clear();
    m_lostLocation.clear();
}

QString ItemDialog::nextSerialNumber() const
{
    const int highest = m_collection ? m_collection->highestSerialNumber() : 0;
    // Past the highest number that numbering reads there is none to give.
    return highest < Item::maxSerialNumber ? QString::number(highest + 1) : QString();
}

bool ItemDialog::showsCollectionItem() const
{
    return m_currentItem && !m_unsavedItem && m_collection && m_collection->contains(m_currentItem);
}

// Also with no items yet: the database cannot be saved once it holds one, so
// an item entered now could never reach the file.
bool ItemDialog::collectionIsReadOnly() const
{
    return m_collection && m_collection->isReadOnly();
}

void ItemDialog::itemChangedInCollection(Item *item)
{
    // A renumbering for a deleted list entry changes no name the dialog
    // shows, and it has moved its own numbers along (see
    // listEntryAboutToBeRemoved).
    // Announced as it is now, typed count and price included.
    if (item == m_currentItem && !m_announcing)
        m_beforeTyping.reset();
    if (m_announcing || m_removingListEntry || !item || item != m_currentItem || m_unsavedItem)
        return;
    // A closed dialog's edits were given up with it.
    if (!isVisible() || !hasUserEdits()) {
        showItem(item);
        return;
    }
    const FieldTexts typed = fieldTexts();
    const FieldTexts before = *m_shown;
    const int keep = MessageBox::showCustom(MessageBox::Question, this, tr("Varen er ændret"),
        tr("Varen \"%1\" er blevet ændret et andet sted, mens du redigerede den her, for eksempel af en "
           "indlæsning fra stregkodescanneren.\n\nBehold mine ændringer: de felter, du har ændret, beholder din "
           "tekst, og de andre viser varens nye værdier.\nVis de nye værdier: dine ændringer forkastes.")
            .arg(item->name()),
        { tr("Behold mine ændringer"), tr("Vis de nye værdier") }, 0, 0);
    // Nothing runs while the question is open that could take the item away;
    // should something, the dialog has let go of it already.
    if (item != m_currentItem)
        return;
    showItem(item);
    if (keep != 0)
        return;
    // The user's own texts go back into the fields they changed; they stay
    // changed against the values just shown, and so are written on saving.
    // A count put back is not written into the item before that.
    const bool wasFilling = std::exchange(m_filling, true);
    for (int i = 0; i < EditFieldCount; ++i) {
        if (typed[std::size_t(i)] != before[std::size_t(i)])
            setFieldText(EditField(i), typed[std::size_t(i)]);
    }
    m_filling = wasFilling;
}

void ItemDialog::itemRemovedFromCollection(Item *item)
{
    if (!item || item != m_currentItem || m_unsavedItem)
        return;
    const bool lostEdits = !m_announcing && isVisible() && hasUserEdits();
    const QString name = m_shown ? (*m_shown)[NameField] : QString();
    leaveCurrentItem();
    if (lostEdits) {
        MessageBox::information(this, tr("Varen er fjernet"),
            tr("Varen \"%1\" er fjernet fra registret, mens du redigerede den her, for eksempel af en flytning "
               "fra stregkodescanneren. Dine ændringer kan ikke gemmes.")
                .arg(name));
    }
}

void ItemDialog::collectionAboutToClear()
{
    // An unsaved item of the dialog's own is not in the collection and stays.
    if (m_currentItem && !m_unsavedItem)
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
