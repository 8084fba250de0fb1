#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

#include "database/userItemCollection.h"

class Item;
class LogXML;

// The process-wide flag of unsaved changes.
bool databaseModified();
void setDatabaseModified(bool modified);

// The in-memory database: the items, the four dynamic lists, the database
// file's load and save, the lock of the inventory edition, queries and search.
//
// Ownership: the collection holds its items by pointer and does NOT delete
// them by itself. clear(), remove() and the destructor only drop pointers. An
// item handed over with add() is deleted by deleteItem() (the user deletes
// it) or deleteItems() (the main window replaces the whole database).
// Listeners follow the register through itemAdded(), itemChanged(),
// itemRemoved(), aboutToClear() and the list entry signals, so that every
// view shows what is there and none keeps a pointer to an item that is gone.
class DBItemCollection : public QObject
{
    Q_OBJECT
public:
    // Group number that stands for all groups in the queries.
    static constexpr int AllGroups = 10000;

    // Sort methods.
    enum SortMethod { ByGroup = 0, ByName = 1, ByProduct = 2, ByTotalValue = 5, ByDate = 9, ByLocation = 10 };

    // Field selectors of findNext().
    enum Field {
        FieldGroup = 0,
        FieldCount = 1,
        FieldName = 2,
        FieldProduct = 3,
        FieldPrice = 4,
        FieldPriceToday = 5,
        FieldDate = 6,
        FieldLocation = 7,
        FieldSupplier = 8,
        FieldSerialno = 9,
        FieldDescription = 10,
        FieldWww = 11,
        FieldAddress = 12,
        FieldPhotolink = 13,
        FieldReceipt = 14,
        FieldDocument = 15,
    };

    // Criteria of search(), one text per field, in this order.
    enum Criterion {
        CritName,
        CritProduct,
        CritCount,
        CritPrice,
        CritPriceToday,
        CritDate,
        CritSupplier,
        CritSerialno,
        CritDescription,
        CritAddress,
        CritPicture,
        CritReceipt,
        CritWww,
        CritLocation,
        CritDocument,
        CriterionCount
    };

    // Empty collection bound to the event log (not owned, may be null);
    // clears databaseModified and loads the dynamic lists.
    explicit DBItemCollection(LogXML *log, QObject *parent = nullptr);
    // The same, then loads the database file at path.
    DBItemCollection(const QString &path, LogXML *log, QObject *parent = nullptr);
    // Releases the lock (inventory edition) and drops the item pointers.
    ~DBItemCollection() override;

    // Dynamic lists.
    userItemCollection &groups() { return m_groups; }
    userItemCollection &locations() { return m_locations; }
    userItemCollection &suppliers() { return m_suppliers; }
    userItemCollection &fields() { return m_fields; }
    const userItemCollection &groups() const { return m_groups; }
    const userItemCollection &locations() const { return m_locations; }
    const userItemCollection &suppliers() const { return m_suppliers; }
    const userItemCollection &fields() const { return m_fields; }
    // Loads the four lists from the lastDbDir folder, with their fall-backs.
    bool MakeDynamicLists();
    // Writes the four lists into the lastDbDir folder; false when one failed.
    // Nothing is written while the collection is read-only: the lists belong
    // to the program that holds the lock.
    bool SaveDynamicLists();

    // The lists the list setup edits, numbered as its kinds are. Items refer
    // to an entry of the group and location lists by its position, and keep
    // their supplier as text.
    enum NamedList { GroupList = 1, LocationList = 2, SupplierList = 3 };
    userItemCollection &namedList(NamedList list);
    const userItemCollection &namedList(NamedList list) const;
    // The list's file in the lastDbDir folder (the current folder when that
    // is empty).
    static QString listFilePath(NamedList list);
    // How many items refer to the entry at position: by group for the group
    // list, by location for the location list; 0 for the suppliers.
    int itemsUsingEntry(NamedList list, int position) const;
    // Takes the entry at position out of the list, so that every item keeps
    // its group and location name: the items numbered after it move up one
    // number. Refused (false, nothing changed) while read-only, for a
    // position outside the list and for an entry that items use. When items
    // were renumbered, the database is marked modified, each of them is
    // announced with itemChanged(), and the list's file is due: it is written
    // with the database file (saveDueLists), never before, so that the list
    // file and the database file on disk always agree.
    bool removeListEntry(NamedList list, int position);
    // Replaces the list's entries with these, in this order, and announces
    // it with listsChanged(). The items keep their numbers, so an entry
    // renamed or added at the end leaves every item on its entry; an entry
    // is taken out with removeListEntry, which renumbers the items.
    void setListEntries(NamedList list, const QStringList &entries);
    // Writes the list's file. Refused (false, nothing written) while
    // read-only. A due list is not written here but with the database.
    bool saveList(NamedList list);
    // Whether the list's file waits for the next save of the database file.
    bool isListDue(NamedList list) const;
    // Writes the due lists; the owner of the database calls it right after
    // the database file itself (not a copy of it) was written. False when one
    // could not be written; it then stays due and the user was told.
    bool saveDueLists();

    // The database file the collection shows, as the main window's caption
    // names it; empty for a new database. Printouts name the database by it.
    const QString &fileName() const { return m_fileName; }
    void setFileName(const QString &fileName) { m_fileName = fileName; }

    // The database file.
    bool LoadFromAsciiFile(const QString &path);
    bool SaveToFileAsAscii(const QString &path);
    int formatLevel() const { return m_formatLevel; }

    // The XML file and the HTML pages of the register (see ItemExport). Both
    // sort the items first. False, with the reason in *error when asked, when
    // the file was not written; an older file of that name is then unchanged.
    bool SaveAsXmlFile(const QString &fileName, QString *error = nullptr);
    bool SaveAsHtmlFile(const QString &fileName, bool withHeading, Item *singleItem, bool specialCases, bool asTable,
        QString *error = nullptr);

    // The lock of the inventory edition: the file "LockFile" in the lastDbDir
    // folder, created exclusively, so of two programs taking it at the same
    // moment exactly one succeeds. LockDB is true when this collection now
    // holds the lock; otherwise the collection turns read-only: when another
    // program holds it, lockText() names the holder; when the lock could not
    // be created at all, lockFailure() says why. releaseLock removes only a
    // lock file that this collection created. Nothing happens outside the
    // inventory edition.
    bool LockDB(const QString &databasePath);
    void releaseLock();
    // The path of the lock file for the current database folder.
    static QString lockFilePath();
    bool isReadOnly() const { return m_readOnly; }
    QString lockText() const { return m_lockText; }
    QString lockFailure() const { return m_lockFailure; }

    // Items.
    // Releases this collection's own lock, ends the read-only state that
    // another program's lock gave the old database, and drops the pointers.
    void clear();
    // Deletes every item and empties the collection (replacing the database).
    void deleteItems();
    int count() const { return int(m_items.size()); }
    // Appends the item, marks the database modified and announces it.
    void add(Item *item);
    // The same for an item made elsewhere and handed over now.
    Item *add(std::unique_ptr<Item> item);
    // Marks the database modified and announces that the item's fields were
    // changed (by the item dialog).
    void itemWasChanged(Item *item);
    // Takes the item out, deletes it and marks the database modified.
    void deleteItem(Item *item);
    // Takes the item out without deleting it.
    void remove(Item *item);
    Item *at(int index) const { return m_items.at(index); }
    int indexOf(const Item *item) const;
    bool contains(const Item *item) const { return indexOf(item) >= 0; }
    QList<Item *>::const_iterator begin() const { return m_items.cbegin(); }
    QList<Item *>::const_iterator end() const { return m_items.cend(); }
    const QList<Item *> &items() const { return m_items; }
    Item *previous(Item *item, bool &atStart) const;
    Item *next(Item *item, bool &atEnd) const;
    Item *findByGroupAndSerial(int group, const QString &serial) const;

    // Queries.
    // A sum of pieces can pass what one item holds, so it is counted in 64 bits.
    qint64 countItems(int group, bool byPieces) const;
    double sumValues(int group, bool valueToday, bool price) const;
    int maxGroup() const;
    int maxLocation() const;
    int highestSerialNumber() const;
    void sort(int method);

    // Search. findNext returns the position of the item found, or count()
    // (the end) when none is found. The position a continued search goes on
    // from is kept per collection; clear() and deleteItems() reset it.
    int findNext(int field, const QString &criterion, bool &found, bool continueSearch);
    Item *search(const QStringList &criteria, bool continueSearch);

    LogXML *log() const { return m_log; }

signals:
    // Emitted after add() appended an item.
    void itemAdded(Item *item);
    // Emitted by itemWasChanged().
    void itemChanged(Item *item);
    // Emitted after an item left the collection through remove().
    void itemRemoved(Item *item);
    // Emitted before clear() or deleteItems() drops all items.
    void aboutToClear();
    // Emitted around removeListEntry(): the entry goes and the items after
    // it are renumbered (each announced with itemChanged) in between, so a
    // view may stand still until the list and the items agree again.
    void listEntryAboutToBeRemoved(int list, int position);
    void listEntryRemoved(int list, int position);
    // Emitted after the names of a list changed: MakeDynamicLists read the
    // lists again, setListEntries replaced one, or removeListEntry took an
    // entry out (after listEntryRemoved). A view that shows the names takes
    // them afresh; apart from a removal, a position names the same entry as
    // before (renamed, perhaps), or none when it is past the end.
    void listsChanged();

private:
    friend class DatabaseFile;

    userItemCollection m_groups;
    userItemCollection m_locations;
    userItemCollection m_suppliers;
    userItemCollection m_fields;
    QList<Item *> m_items;
    int m_formatLevel = 100;
    LogXML *m_log = nullptr;
    bool m_readOnly = false;
    QString m_lockText;
    // Why the last LockDB could neither take the lock nor find its holder.
    QString m_lockFailure;
    // The lock file this collection created and has not removed yet.
    QString m_heldLockPath;
    QString m_fileName;
    int m_searchPosition = 0;
    // The named lists whose files wait for the database file.
    QList<int> m_dueLists;
};
