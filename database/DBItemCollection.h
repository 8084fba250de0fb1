#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

#include "database/DatabaseLock.h"
#include "database/DynamicLists.h"
#include "database/FileFingerprint.h"
#include "database/ItemSpan.h"
#include "database/userItemCollection.h"

class CollectionJournal;
class Item;
class LogXML;

// The process-wide flag of unsaved changes.
bool databaseModified();
void setDatabaseModified(bool modified);
// Who learns of each change of the flag: one listener, the window that shows
// it, told the new value on the thread that changed it. An empty function
// ends that.
void setDatabaseModifiedListener(std::function<void(bool modified)> listener);

// The in-memory database: the items, the four dynamic lists (DynamicLists),
// the database file's load and save, the lock of the inventory edition
// (DatabaseLock), queries and search.
//
// Ownership: the collection owns its items. add() takes an item over;
// clear() and the destructor delete every item; deleteItem() takes one out
// and deletes it (the user deletes it); take() takes one out and hands it
// back to the caller, alive. Listeners follow the register through
// itemAdded(), itemChanged(), itemRemoved(), aboutToClear() and the list
// entry signals, so that every view shows what is there and none keeps a
// pointer to an item that is gone: itemRemoved() comes while the removed
// item still exists, and aboutToClear() before the items are deleted.
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
    // Releases the lock (inventory edition), announces aboutToClear() when
    // items are left and deletes them.
    ~DBItemCollection() override;

    // Dynamic lists.
    userItemCollection &groups() { return m_lists.groups(); }
    userItemCollection &locations() { return m_lists.locations(); }
    userItemCollection &suppliers() { return m_lists.suppliers(); }
    userItemCollection &fields() { return m_lists.fields(); }
    const userItemCollection &groups() const { return m_lists.groups(); }
    const userItemCollection &locations() const { return m_lists.locations(); }
    const userItemCollection &suppliers() const { return m_lists.suppliers(); }
    const userItemCollection &fields() const { return m_lists.fields(); }
    // Loads the four lists from the lastDbDir folder, with their fall-backs.
    bool MakeDynamicLists();
    // Writes the four lists into the lastDbDir folder; false when one failed.
    // Nothing is written while the collection is read-only: the lists belong
    // to the program that holds the lock.
    bool SaveDynamicLists();

    // The lists the list setup edits, numbered as its kinds are. Items refer
    // to an entry of the group and location lists by its position, and keep
    // their supplier as text.
    using NamedList = DynamicLists::NamedList;
    static constexpr NamedList GroupList = DynamicLists::GroupList;
    static constexpr NamedList LocationList = DynamicLists::LocationList;
    static constexpr NamedList SupplierList = DynamicLists::SupplierList;
    userItemCollection &namedList(NamedList list) { return m_lists.namedList(list); }
    const userItemCollection &namedList(NamedList list) const { return m_lists.namedList(list); }
    // The list's file in the lastDbDir folder (the current folder when that
    // is empty).
    static QString listFilePath(NamedList list) { return DynamicLists::listFilePath(list); }
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
    // The exact reverse of removeListEntry: puts an entry named name back at
    // position and moves the items that refer to it or a later entry one
    // number up. Refused (false) while read-only and for a position past the
    // end of the list.
    bool insertListEntry(NamedList list, int position, const QString &name);
    // Adds the names at the end of the list as one change, each told to the
    // journals as an entry put in at its position; no item is renumbered
    // (a number past the old end stays and names the new entry there).
    // Announced with one listEntryAboutToBeInserted/listEntryInserted pair at
    // the old end. Refused (false) while read-only; no names changes nothing.
    bool appendListEntries(NamedList list, const QStringList &names);
    // Writes the list's file. Refused (false, nothing written) while
    // read-only. A due list is not written here but with the database.
    bool saveList(NamedList list);
    // Whether the list's file waits for the next save of the database file.
    bool isListDue(NamedList list) const { return m_lists.isDue(list); }
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
    // With keepReplaced, the file replaced stays as a version of the database;
    // keepAtLeast raises the number of versions kept for this save (so that
    // the save after an import keeps one even where none are kept).
    bool SaveToFileAsAscii(const QString &path, bool keepReplaced = false, int keepAtLeast = 0);
    int formatLevel() const { return m_formatLevel; }
    // The file the collection was last read from or written to, as it was
    // then (null before the first); a failed save leaves it as it was.
    const FileFingerprint &fileFingerprint() const { return m_fileFingerprint; }
    void setFileFingerprint(const FileFingerprint &fingerprint) { m_fileFingerprint = fingerprint; }
    // The reader's way in: appends the items read from a database file, in
    // their order, and takes the file's format level. Loading is no change
    // to the database: the items go in unannounced, and the database is not
    // marked modified.
    void adoptLoaded(std::vector<std::unique_ptr<Item>> items, int formatLevel);

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
    bool LockDB(const QString &databasePath) { return m_lock.take(databasePath, m_log); }
    void releaseLock() { m_lock.release(); }
    // The path of the lock file for the current database folder.
    static QString lockFilePath() { return DatabaseLock::filePath(); }
    bool isReadOnly() const { return m_lock.isReadOnly(); }
    QString lockText() const { return m_lock.lockText(); }
    QString lockFailure() const { return m_lock.lockFailure(); }

    // Items.
    // Releases this collection's own lock, ends the read-only state that
    // another program's lock gave the old database, announces aboutToClear()
    // and then deletes every item (replacing the database).
    void clear();
    int count() const { return int(m_items.size()); }
    // Takes the item over, appends it, marks the database modified and
    // announces it. Returns the item, which the collection owns now; null
    // (and nothing happens) for no item.
    Item *add(std::unique_ptr<Item> item);
    // Takes the item over and puts it in at index (0 to count(), clamped),
    // like add() otherwise.
    Item *insert(int index, std::unique_ptr<Item> item);
    // To be called before an item of the collection is changed in place, so
    // that the journals can keep what it was; nothing happens for an item
    // that is not in the collection.
    void aboutToChange(Item *item);
    // Marks the database modified and announces that the item's fields were
    // changed (by the item dialog). aboutToChange() came before.
    void itemWasChanged(Item *item);
    // Takes the item out, deletes it and marks the database modified;
    // nothing happens for an item that is not in the collection.
    void deleteItem(Item *item);
    // Takes the item out and hands it to the caller (for an undo step, or
    // another collection); null for an item that is not in the collection.
    // The database is not marked modified: that is the caller's to decide.
    std::unique_ptr<Item> take(Item *item);
    // The batches: many items in one pass over the collection instead of
    // one pass per item (DBItemCollectionBatches.cpp). Each item is announced
    // and reported to the journals one at a time, lowest position first, at
    // its position as it is right after that item's own change.
    //
    // Takes the items at these positions (ascending, each once, all inside
    // the collection; otherwise nothing happens) out and hands them back in
    // that order. Like take(), the database is not marked modified.
    std::vector<std::unique_ptr<Item>> takeAt(const std::vector<int> &positions);
    // Deletes these items like deleteItem() each, as one step; items that
    // are not in the collection (or named twice) are left alone.
    void deleteItems(const QList<Item *> &items);
    // Changes these items in place as one step: each is announced as
    // aboutToChange() and itemWasChanged() announce one, with change called
    // on it in between, lowest position first. Items that are not in the
    // collection are left alone, and one named twice changes once. Returns
    // how many were changed.
    int changeItems(const QList<Item *> &items, const std::function<void(Item &)> &change);
    // Puts the items in so that each ends at its position (ascending, each
    // once, positions counted with all of them in; a position past the end
    // is clamped), marks the database modified and announces each like
    // insert(). The exact reverse of takeAt().
    void insertAt(const std::vector<int> &positions, std::vector<std::unique_ptr<Item>> items);
    // Moves the item at from to position to (as it is after the move),
    // keeping the item itself: the set of items stays, so views that sort
    // on their own are not told; the journals see a removal and an insert.
    void moveItem(int from, int to);
    Item *at(int index) const { return m_items[std::size_t(index)].get(); }
    int indexOf(const Item *item) const { return int(items().indexOf(item)); }
    bool contains(const Item *item) const { return indexOf(item) >= 0; }
    // The items, in order, as plain pointers; valid until the collection
    // next changes its items.
    ItemSpan items() const { return ItemSpan(m_items.data(), qsizetype(m_items.size())); }
    ItemSpan::const_iterator begin() const { return items().begin(); }
    ItemSpan::const_iterator end() const { return items().end(); }
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
    // from is kept per collection; clear() resets it.
    int findNext(int field, const QString &criterion, bool &found, bool continueSearch);
    Item *search(const QStringList &criteria, bool continueSearch);

    LogXML *log() const { return m_log; }

    // The journals that follow every change of the items and the lists (see
    // CollectionJournal). Not owned: a journal takes itself out before it
    // goes.
    void addJournal(CollectionJournal *journal);
    void removeJournal(CollectionJournal *journal);
    // Changes between beginStep and the matching endStep are one step, named
    // text (see CollectionStep, which pairs them). A change made outside any
    // step is a step of its own with an empty name.
    void beginStep(const QString &text);
    void endStep();

signals:
    // Emitted after add() appended an item.
    void itemAdded(Item *item);
    // Emitted by itemWasChanged().
    void itemChanged(Item *item);
    // Emitted after an item left the collection through take() or
    // deleteItem(), while the item still exists: a listener may look at it
    // to forget it, but must not keep it (deleteItem() deletes it next).
    void itemRemoved(Item *item);
    // Emitted before clear() or the destructor deletes all items; they are
    // still there to be looked at.
    void aboutToClear();
    // Emitted around removeListEntry(): the entry goes and the items after
    // it are renumbered (each announced with itemChanged) in between, so a
    // view may stand still until the list and the items agree again.
    void listEntryAboutToBeRemoved(int list, int position);
    void listEntryRemoved(int list, int position);
    // The same around insertListEntry(): the entry comes and the items from
    // it on are renumbered (each announced with itemChanged) in between.
    void listEntryAboutToBeInserted(int list, int position);
    void listEntryInserted(int list, int position);
    // Emitted around the announcements of a batch (takeAt, insertAt,
    // changeItems): a view may leave what it does once for a change (select
    // the new row) to the end of the batch.
    void batchAboutToBeAnnounced();
    void batchAnnounced();
    // Emitted after the names of a list changed: MakeDynamicLists read the
    // lists again, setListEntries replaced one, or removeListEntry took an
    // entry out (after listEntryRemoved). A view that shows the names takes
    // them afresh; apart from a removal, a position names the same entry as
    // before (renamed, perhaps), or none when it is past the end.
    void listsChanged();

private:
    DynamicLists m_lists;
    std::vector<std::unique_ptr<Item>> m_items;
    int m_formatLevel = 100;
    LogXML *m_log = nullptr;
    DatabaseLock m_lock;
    QString m_fileName;
    FileFingerprint m_fileFingerprint;
    int m_searchPosition = 0;

    template <typename Call> void tellJournals(Call call);
    // Called after each elementary change: ends the change's own step when
    // no step is open.
    void changeMade();
    QList<CollectionJournal *> m_journals;
    int m_stepDepth = 0;
    QString m_stepText;
    bool m_stepChanged = false;
};

template <typename Call> void DBItemCollection::tellJournals(Call call)
{
    // A journal may take itself out while it is told.
    const QList<CollectionJournal *> journals = m_journals;
    for (CollectionJournal *journal : journals) {
        if (m_journals.contains(journal))
            call(journal);
    }
}
