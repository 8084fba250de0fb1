#pragma once

#include <QIcon>
#include <QList>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTreeView>

#include <memory>
#include <unordered_map>
#include <vector>

#include "core/ColumnTitles.h"
#include "mainwindow/funiQListViewItem.h"

class DBItemCollection;
class Item;
class ItemDialog;
class ItemListModel;
class QAction;
class QMenu;

// The central widget of the main window: every group of the open collection
// as a top-level row with its items beneath, in seventeen columns.
//
// The collection is not owned. Neither are the items; DeleteItem has the
// collection delete the item of the current row. The list follows the
// collection: an added item gets its row (selected), a changed item's row is
// rewritten or moved to its group, a removed item's row goes, and a clear
// drops every item row, so it never keeps a row for an item that is gone.
// A group or location taken out of its list (which renumbers the items after
// it) builds the list again. Loading a file announces nothing: FillList makes
// those rows in one go.
//
// The rows are those of an ItemListModel, which holds a pointer per item row
// and nothing more. Callers work with rows through funiQListViewItem handles,
// which the list makes when asked (rowForItem, topLevelItem, currentItem ...)
// and deletes when the row goes.
//
// The list takes an extended selection (Shift and Ctrl with the mouse and the
// keys): the current row is the one the item commands work on, the selected
// item rows those that the commands for many items work on (delete, change
// selected, export). The selection follows its rows through sorting and
// through a change of many items (a batch of the collection).
//
// The main window connects rowSelected() to its own ItemSelected slot, which
// enables the show commands through HasPictureLink, HasReceipt, HasUrl and
// HasDocument.
//
// A filter (setFilterText, from the main window's filter field) leaves only
// the rows of the items whose texts hold every word typed (ItemFilter). The
// list goes on holding the items it hides: they keep their handles, follow
// the collection's changes and come back when the filter changes. A hidden
// row is never the current row, so no command works on an item the user
// cannot see; an item a dialog moves to (a search hit, Previous, Next) is
// shown until the filter changes.
class ItemListView : public QTreeView
{
    Q_OBJECT
public:
    using Column = ListColumns::Column;
    using enum ListColumns::Column;

    explicit ItemListView(QWidget *mainWindow = nullptr);
    ~ItemListView() override;

    // Remembers the collection and makes one group row per entry of its group list.
    void SetCollection(DBItemCollection *collection);
    DBItemCollection *collection() const;
    // Removes every row; no current row afterwards.
    void ClearList();
    // Remembers the collection and gives its items their rows, in the
    // collection's order (sorted when a sort is in force); rows of items no
    // longer in it go.
    void FillList(DBItemCollection *collection);
    // Adds a row for the item under its group row; with select the new row
    // becomes the selected, current row. Returns the row, or null when the
    // item's group has no row (after the "MAX_LIMIT_ERROR" box).
    funiQListViewItem *AddItem(Item *item, bool select = false);
    // Rewrites the row from the item, or moves it to its group's row when the
    // item changed group. Returns the row that now shows the item (null when
    // none could be made, or for a group row / missing arguments).
    funiQListViewItem *RefreshRow(funiQListViewItem *row, Item *item);
    // ClearList, SetCollection, FillList and ViewAll(true) again.
    void RebuildList();
    // Appends the action to the context menu; a separator when action is null.
    void addToContextMenu(QAction *action);
    QMenu *contextMenu() const { return m_contextMenu; }
    // Stores the column widths under "ListView/...".
    void SaveColumnWidths();

    // Opens a non-blocking item dialog on the list's collection (item, page,
    // search mode, parent and object name as the dialog takes them); every
    // item dialog of the program is made here. The list follows what the
    // dialog shows and asks for; the dialog deletes itself when closed.
    ItemDialog *openItemDialog(Item *item, const QString &page, bool search, QWidget *parent, const QString &name);
    // Makes the list follow a dialog: the row of the item it shows becomes
    // current, and its show-as-HTML request shows the current row's page.
    void followItemDialog(ItemDialog *dialog);

    // The row that holds the item, without touching the current row.
    funiQListViewItem *rowForItem(const Item *item) const;
    // The item of the current row; null for none or a group row.
    Item *currentRowItem() const;
    funiQListViewItem *groupRow(int group) const { return m_groupRows.value(group); }
    const ItemListModel *listModel() const { return m_model; }
    ItemListModel *listModel() { return m_model; }
    // What an item row shows in a column: the text (DisplayRole) or the icon
    // (DecorationRole) made from the item's fields. The texts are also made
    // by the sort's second thread while this one sorts too, so making one
    // must only read: the item, the collection's lists and the edition.
    QVariant cellData(const Item *item, int column, int role) const;
    const QList<funiQListViewItem *> &groupRows() const { return m_groupRows; }

    // The rows as the list shows them: group rows at top level in their
    // shown order, the current and selected rows, the row at a point.
    int topLevelItemCount() const;
    funiQListViewItem *topLevelItem(int index) const;
    funiQListViewItem *currentItem() const;
    // Makes the row the view's current (and selected) row; null for none.
    void setCurrentItem(funiQListViewItem *row);
    QList<funiQListViewItem *> selectedItems() const;
    funiQListViewItem *itemAt(const QPoint &pos) const;
    funiQListViewItem *rowAt(const QModelIndex &index) const;
    // The row's rectangle across every visible column, in viewport coordinates.
    QRect visualItemRect(const funiQListViewItem *row) const;
    void setSelected(funiQListViewItem *row, bool selected);
    // The column the list is sorted by; -1 while unsorted.
    int sortColumn() const;
    void sortItems(int column, Qt::SortOrder order) { sortByColumn(column, order); }
    // Deletes these items of the collection as one step, in one pass.
    void DeleteItems(const QList<Item *> &items);
    // The items of the selected item rows, in the list's order; a selected
    // group row stands for none of its items.
    QList<Item *> selectedListItems() const;
    // The same, for those that only read them (reports, exports, labels).
    QList<const Item *> selectedItemsToRead() const;
    // While the list is filtered, the items of the rows it shows (those it
    // shows anyway as well), group by group; empty while it is not.
    QList<const Item *> shownItemsToRead() const;
    // The group of the current row (a group row's own, an item row's
    // item's); -1 without a current row.
    int currentGroup() const;

    // Shows only the items whose texts hold every word of text; an empty
    // text shows them all. The current row goes when it is hidden.
    void setFilterText(const QString &text);
    QString filterText() const;
    bool isFiltered() const;

public slots:
    // Makes the row holding the item current and returns it; null (current
    // row unchanged) when no row holds the item.
    funiQListViewItem *FindListViewItem(Item *item);
    bool HasPictureLink(const funiQListViewItem *row) const;
    bool HasReceipt(const funiQListViewItem *row) const;
    bool HasUrl(const funiQListViewItem *row) const;
    bool HasDocument(const funiQListViewItem *row) const;
    int GetNumberOfGroups() const;
    void UpdateGroupItemName(int item, const QString &name);
    // Deletes the item of the current row; with more than one item row
    // selected, asks once and deletes the selected items as one step.
    void DeleteItem();
    // Selects every item row, opening every group.
    void SelectAllItems();
    // Adds the items of the current row's group to the selection, opening
    // the group.
    void SelectGroupItems();
    void SeachItem();
    void ShowPicture1();
    void ShowImage2();
    void ShowUrl();
    void ShowDocument();
    void ItemSelected(funiQListViewItem *row);
    void selectionChangedSlot(funiQListViewItem *row);
    funiQListViewItem *isItemSelected() const { return m_currentRow; }
    void returnPressedSlot(funiQListViewItem *row);
    void doubleClickOnItemSlot(funiQListViewItem *row);
    void MousePressed(funiQListViewItem *row, const QPoint &pos, int column);
    void EditItem();
    // Opens the item dialog on a new item in the group of the current row:
    // the group row itself or an item row's group; the list's first group
    // when there is no current row.
    ItemDialog *NewItem();
    void ViewAll(bool showall);
    void ViewCurrentAsHTML();
    void ShowContextMenu(funiQListViewItem *row);

signals:
    // The row the user selected or made current (null when there is none any
    // more); emitted after the list has taken it as its current row.
    void rowSelected(funiQListViewItem *row);
    // A status-bar text for the given milliseconds (a page that was not written).
    void message(const QString &text, int milliseconds);
    // The filter changed, or the number of items it shows or hides.
    void filterCountsChanged();
    // "/" typed in the list: the user wants the filter field.
    void filterFieldRequested();
    // Escape in the list while it is filtered.
    void filterClearRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    // The view made the row current (a click, a key): it is the list's
    // current row now, and the view's own selection stands, so that Shift
    // and Ctrl extend it.
    void rowMadeCurrent(funiQListViewItem *row);
    // Remembers the collection and follows its removals and clears.
    void watchCollection(DBItemCollection *collection);
    void itemAddedToCollection(Item *item);
    void itemChangedInCollection(Item *item);
    void itemRemovedFromCollection(Item *item);
    void collectionAboutToClear();
    void removeRow(funiQListViewItem *row);
    // Gives every item its row again, keeping the open groups, the current
    // row and the selected items.
    void refillKeepingSelection();
    // Takes the item's row out of the list; its handle stays when keepHandle.
    void takeRow(funiQListViewItem *row, bool keepHandle);
    funiQListViewItem *handleFor(Item *item) const;
    // Whether the row is shown (not hidden by the filter).
    static bool isShown(const funiQListViewItem *row);
    // The current row is no longer shown: the list has none.
    void dropHiddenCurrentRow();
    void dropItemHandles();
    void showLimitError(int group);
    // Widens the group column, and with totals the count and amount
    // columns, where they still show their default widths, to show the
    // group rows' captions (and totals) of groups first..last whole; never
    // narrows a column.
    void fitGroupRows(int first, int last, bool totals);
    // The width a cell needs to show a whole date ("dd.mm.yyyy") in the
    // list's font and style.
    int wholeDateWidth() const;
    // The one-item page of the item at path; false (and the status message
    // saying so) when it was not written.
    bool writeItemPage(const QString &path, Item *item);

    QPointer<DBItemCollection> m_collection;
    ItemListModel *m_model = nullptr;
    // Handles of the group rows, by group number (owned).
    QList<funiQListViewItem *> m_groupRows;
    // Handles of item rows made so far, by item.
    mutable std::unordered_map<const Item *, std::unique_ptr<funiQListViewItem>> m_itemRows;
    QWidget *m_mainWindow = nullptr;
    funiQListViewItem *m_currentRow = nullptr;
    QMenu *m_contextMenu = nullptr;
    // Set while the list itself moves the current row (deleting, moving
    // rows), so that the view's own current-row changes do not count as the
    // user's choice.
    bool m_ignoreSelection = false;
    // Set while the collection takes an entry out of its group or location
    // list: the changed items wait for the rebuild that follows.
    bool m_waitingForList = false;
    // A batch of the collection is being announced (see batchAnnounced),
    // and the last item it added.
    bool m_inBatch = false;
    Item *m_lastBatchItem = nullptr;
    // Items of the batch changed so far; past ManyChanges the rows are made
    // once at its end (refillKeepingSelection), as a row at a time would
    // search its group for each.
    static constexpr int ManyChanges = 64;
    int m_batchChanges = 0;
    bool m_refillAtBatchEnd = false;
    // Per column: still at its default width, neither stored nor resized
    // by the user, so it widens to fit a new title.
    std::vector<bool> m_fitsTitle;
    bool m_fittingTitles = false;
    QIcon m_pictureIcon;
    QIcon m_receiptIcon;
    QIcon m_documentIcon;
};
