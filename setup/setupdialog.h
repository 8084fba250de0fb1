#pragma once

#include "ui_setupdialogBase.h"

#include <QDialog>
#include <QString>

#include "database/DBItemCollection.h"

class QListWidgetItem;
class userItemCollection;

// Edits one of the collection's name lists: groups, locations or suppliers.
// Names are added, renamed and deleted in the list box; only a save (also
// by OK) rebuilds the collection's list from it and writes the list file.
// Save, Delete and Print act on the entry the user picked (selected) in the
// list box; the dialog opens with none picked.
//
// Items refer to groups and locations by position. An entry that items use
// cannot be deleted; deleting an unused one renumbers, at the save, the items
// of the entries after it (the collection does that), so that every item
// keeps its name. The collection then writes that list's file together with
// the database file.
//
// A read-only collection (another program holds the lock) can be looked at
// here but not changed: the editing buttons are off and nothing is saved.
//
// The dialog knows no item list: it tells a renamed group and a list that
// must be rebuilt through its signals, which the main window connects.
class setupdialog : public QDialog, public Ui::setupdialogBase
{
    Q_OBJECT
public:
    enum Kind { Groups = 1, Locations = 2, Suppliers = 3 };

    setupdialog(DBItemCollection *collection, int kind, QWidget *parent = nullptr, const QString &name = QString(),
        bool modal = false, Qt::WindowFlags flags = {});

    int kind() const { return m_kind; }
    // The list file of a kind in the current database folder.
    static QString listFilePath(int kind);
    // The list-box row the user picked; -1 for none.
    int chosenRow() const;

public slots:
    void AddSlot();
    void DeleteSlot();
    void HelpSlot();
    void OKSlot();
    void SaveSlot();
    void PrintSlot();
    void listLineEdit_highlighted(QListWidgetItem *item);

signals:
    // A save renamed the group at position (the list's group row title).
    void groupRenamed(int position, const QString &name);
    // A save wrote a list with entries added or deleted: the item list must
    // be built again.
    void listRebuilt();

private:
    DBItemCollection::NamedList namedList() const { return DBItemCollection::NamedList(m_kind); }
    // Whether items refer to this list's entries by position.
    bool entriesAreNumbered() const { return m_kind != Suppliers; }
    // Fills the list box from the list; every row remembers its position there.
    void fillListBox();
    // The list position a row stood at when the list was last saved; -1 for
    // a row added since.
    static int savedPosition(const QListWidgetItem *row);
    void enableEditing(bool writable);
    // False, after telling the user why, when the text cannot be the name of
    // a new entry or the new name of row `renamed` (-1 for none): empty, the
    // beginning of another entry in any case, or not storable.
    bool acceptName(const QString &text, int renamed);
    // False, after telling the user how many items use it, when the saved
    // entry at position cannot be deleted.
    bool acceptDeletion(int position);
    // In the inventory edition a group's position is its location label's
    // ID: true when the user agrees to delete row `row` although the labels
    // of the locations after it must then be printed again.
    bool confirmLabelShift(int row);
    // Takes the entries deleted in the list box out of the collection's list,
    // which renumbers the items; false (nothing taken out) when one is used.
    bool removeDeletedEntries();

    int m_kind = Groups;
    DBItemCollection *m_collection = nullptr;
    userItemCollection *m_list = nullptr;
    bool m_changed = false;
};
