#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <optional>

#include "ui_ItemDialogBase.h"

#include "itemdialog/ItemValidation.h"

class DBItemCollection;
class Item;
class ItemPicturePreviews;
class QCloseEvent;
class QComboBox;
class QDate;
class QLineEdit;

// The window in which one item of the open collection is viewed, edited,
// created, copied, searched for and stepped through. It is shown without
// blocking and works directly on the collection; nothing is handed back to
// the caller. It knows no view of the collection: the views follow the
// collection's own announcements (itemAdded, itemChanged, itemRemoved), and
// the dialog announces the item it moves to (itemShown) and the request for
// the HTML view (viewAsHtmlRequested), which the list view answers.
//
// The mode follows from the operation that ran last:
//   edit   - the current item belongs to the collection;
//   new    - a fresh item, not yet in the collection, owned by the dialog;
//   copy   - a copy of the shown item, likewise owned by the dialog;
//   search - no current item.
//
// The item shown can change while the dialog is open (a scanner import, the
// list, another dialog): the dialog follows the collection's itemChanged. An
// untouched dialog shows the new values; one with edits asks whether to keep
// them. Saving writes only the fields the user changed since the item was
// shown, so a value read before someone else's change is never written back.
//
// The group, location and supplier combo boxes follow the collection's lists
// while the dialog is open (the list setup can add, rename and delete
// entries): each keeps its choice on the same entry, the user's pending one
// too. Where a deletion takes out the entry chosen here (unused by the
// register, so chosen but not saved yet), the combo is left without a choice
// and the save asks for another.
//
// Ownership: an item of the collection is never deleted here. An item the
// dialog made and has not saved yet (new or copy) is held in m_unsavedItem
// until save_slot hands it to the collection; it goes when it is replaced or
// when the dialog is destroyed. The dialog follows the collection's
// itemRemoved and aboutToClear signals: when the item it shows leaves the
// collection it drops it and falls back to search mode, so it never keeps a
// pointer to an item that someone else deleted.
class ItemDialog : public QDialog, public Ui::ItemDialogBase
{
    Q_OBJECT
public:
    // collection: the open collection (not owned, may be null).
    // item: the item to show, or null.
    // pageName: "DATA", "PICTURE" or "RECEIPT"; used only with an item.
    // searchMode: true opens the dialog in search mode.
    // name: the dialog's object name, and the group that a new item starts
    //   in (the list view passes the name of a double-clicked group row).
    ItemDialog(DBItemCollection *collection, Item *item, const QString &pageName = QStringLiteral("DATA"),
        bool searchMode = false, QWidget *parent = nullptr, const QString &name = QString(), bool modal = false,
        Qt::WindowFlags flags = Qt::WindowFlags());
    ~ItemDialog() override;

    // The item shown: one of the collection, one owned by the dialog, or null.
    Item *currentItem() const { return m_currentItem; }
    // True while the current item was made here and not yet saved.
    bool ownsCurrentItem() const { return m_unsavedItem != nullptr; }
    // The page last reported by the tab widget.
    QWidget *currentPage() const { return m_currentPage; }

    // The input check that runs before every save; true when the item may be
    // saved. Shows the first problem it finds.
    bool validateInput();

    // Sets a combo box's text without changing the collection's lists: an
    // entry with exactly that text becomes current; otherwise an editable
    // combo shows the text in its edit field and a non-editable one shows it
    // in place of its current entry.
    static void setComboText(QComboBox *combo, const QString &text);

    // Default start folder of the file choosers when no folder is stored:
    // the program files folder's "Taldrum", or the user's pictures or
    // documents folder where the system has no program files folder.
    static QString defaultPicturePath();
    static QString defaultDocumentPath();

signals:
    // The dialog moved to an item of the collection (Previous, Next, a search
    // hit): a view makes that item's row its current row.
    void itemShown(Item *item);
    // The HTML view button: a view shows its current row as HTML. item is the
    // dialog's current item, which may be unsaved or null.
    void viewAsHtmlRequested(Item *item);

public slots:
    void ShowValidateError(const QString &Error);
    bool ShowPage(const QString &PageName);
    void updateCurrentItem();
    void showItem(Item *item);
    void delete_slot();
    void resetAllFields(bool SeachMode);
    void resetAllFields() { resetAllFields(false); }
    void accept() override;
    void browsePhoto_slot();
    void browseReceipt_slot();
    void InsertDocumentSlot();
    void showPhoto_slot();
    void showReceipt_slot();
    void ShowDocumentSlot();
    void showWww_slot();
    void copy_slot();
    void newItem_slot();
    bool save_slot();
    void seach_slot();
    void SearchAgainSlot();
    void ResetSlot();
    void PreviousSlot();
    void NextSlot();
    void help_slot();
    void print_Slot();
    void ShowAsHTMLSlot();
    void countChanged_slot();
    void wwwFieldChanged_slot();
    void photoFieldChangedSlot();
    void receiptFieldChangedSlot();
    void documentChangedSlot();
    void currentPageChangedSlot(QWidget *page);

protected:
    void closeEvent(QCloseEvent *e) override;

private slots:
    void on_savePushButton_clicked();

private:
    void connectWidgets();
    // The collection's lists and field names, afresh: at construction, for
    // every new item and when a search finds an item. Refilling the combo
    // boxes also undoes any text that setComboText put in place of an entry.
    void refillFromCollection();
    // The combo boxes take the collection's lists afresh, in list order.
    void fillListCombos();
    // The collection's lists changed: each combo keeps the entry at its
    // position (renamed, perhaps), the supplier its text.
    void listsChangedInCollection();
    // An entry is about to leave the group or location list: the combo
    // drops it, and every number the dialog holds moves with the entries
    // after it, as the collection renumbers its items.
    void listEntryAboutToBeRemoved(int list, int position);
    // False, after telling the user, when a combo's choice was deleted from
    // its list and no other has been chosen since.
    bool chosenEntriesStillListed();
    // Writing is off while the collection is read-only.
    void disableWritingWhenReadOnly();
    // An item of the collection, or none.
    void setCurrentItem(Item *item);
    // An item the dialog made; it owns it until save_slot hands it over.
    void setCurrentItem(std::unique_ptr<Item> unsaved);
    void showSearchResult(Item *found);

    // The fields that hold an item's values, each read as one text.
    enum EditField {
        GroupField,
        NameField,
        ProductField,
        ProductModelField,
        CountField,
        PriceField,
        PriceTodayField,
        DateField,
        LocationField,
        SupplierField,
        AddressField,
        WwwField,
        SerialnoField,
        DescriptionField,
        PhotolinkField,
        ReceiptField,
        DocumentField,
        EditFieldCount
    };
    using FieldTexts = std::array<QString, EditFieldCount>;
    FieldTexts fieldTexts() const;
    void setFieldText(EditField field, const QString &text);
    QLineEdit *lineEditOf(EditField field) const;
    // Whether a field differs from what showItem put there.
    bool isEdited(EditField field, const FieldTexts &now) const;
    bool hasUserEdits() const;
    void itemChangedInCollection(Item *item);
    void storeGeometry() const;
    void restoreStoredGeometry();
    bool collectionIsReadOnly() const;
    bool showsCollectionItem() const;
    // The serial number after the highest in the collection; empty when the
    // highest is the last that numbering reads.
    QString nextSerialNumber() const;
    void itemRemovedFromCollection(Item *item);
    void collectionAboutToClear();
    void leaveCurrentItem();
    void setTabEnabled(QWidget *page, bool enabled);

    // The date editor's "no date": search mode presets it, and the
    // collection's search ignores it as a criterion.
    static QDate noDate();
    static QString dateText(const QDate &date);

    // Link handling.
    void clearPicturePreview();
    // An existing file only (an open dialog) or also a name still to be made.
    enum class Chooser { ExistingFile, AnyFile };
    QString chooseFile(
        Chooser chooser, const QString &settingsKey, const QString &defaultFolder, const QString &filter);
    void offerProductModel(bool itemHasOne);
    bool isStorableLink(const QString &link);
    // A text field reported a change its validator refused.
    void textInputRefused(const QLineEdit *edit);

    QPointer<DBItemCollection> m_collection;
    Item *m_currentItem = nullptr;
    // The current item while it is one the dialog made and has not saved.
    std::unique_ptr<Item> m_unsavedItem;
    // The name of the item the unsaved one is a copy of (the Copy button);
    // null for any other.
    QString m_copiedFrom;
    // The item as the collection last announced it, once the count or price
    // typed into it (see countChanged_slot) made it differ; null otherwise.
    std::unique_ptr<Item> m_beforeTyping;
    QWidget *m_currentPage = nullptr;

    // While showItem or resetAllFields fill the fields, edits of the count
    // and price must not be written back into the item being shown.
    bool m_filling = false;
    // The fields as showItem (or the last save) left them; none for an item
    // that was never shown (a new one), all of whose fields are written.
    std::optional<FieldTexts> m_shown;
    // The dialog is announcing its own change to the collection's listeners.
    bool m_announcing = false;
    // The collection is renumbering its items for a list entry it takes
    // out; the dialog has moved its numbers already.
    bool m_removingListEntry = false;
    // The name of the entry chosen in the group or location combo that a
    // deletion took out; empty while the combo's choice is listed.
    QString m_lostGroup;
    QString m_lostLocation;

    ItemValidation m_validation;
    ItemPicturePreviews *m_previews = nullptr;

    QString m_pictureViewerProgram;
    QString m_wwwProgram;

    // Search criteria kept for SearchAgainSlot, in the collection's order.
    QStringList m_criteria;
};
