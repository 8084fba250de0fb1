#pragma once

#include <QList>
#include <QString>

#include "database/userItemCollection.h"

class Item;
class LogXML;

// The four dynamic lists of a database (groups, locations, suppliers and
// field titles) and their files in the lastDbDir folder, in the language
// the program runs in. Items refer to an entry of the group and location
// lists by its position. The collection holds one of these and decides when
// the lists may be written (not while it is read-only); the lists know
// nothing of the items.
class DynamicLists
{
public:
    // The lists the list setup edits, numbered as its kinds are. Items keep
    // their supplier as text.
    enum NamedList { GroupList = 1, LocationList = 2, SupplierList = 3 };

    DynamicLists();

    userItemCollection &groups() { return m_groups; }
    userItemCollection &locations() { return m_locations; }
    userItemCollection &suppliers() { return m_suppliers; }
    userItemCollection &fields() { return m_fields; }
    const userItemCollection &groups() const { return m_groups; }
    const userItemCollection &locations() const { return m_locations; }
    const userItemCollection &suppliers() const { return m_suppliers; }
    const userItemCollection &fields() const { return m_fields; }

    // Loads the four lists from the lastDbDir folder, with their fall-backs
    // (the program's own lists, the home-contents demo database). Nothing is
    // due afterwards. The event log is optional.
    void load(LogXML *log);
    // Writes the four lists into the lastDbDir folder (the current folder
    // when that is empty); false when one failed, and the user was told.
    bool save();

    userItemCollection &namedList(NamedList list);
    const userItemCollection &namedList(NamedList list) const;
    // The list's file in the lastDbDir folder (the current folder when that
    // is empty).
    static QString listFilePath(NamedList list);
    // The number by which an item refers to an entry of the list; -1 for the
    // suppliers, which items keep as text.
    static int entryNumber(const Item &item, NamedList list);

    // Writes the list's file, unless it is due: a due list waits for the
    // database file (true then).
    bool saveList(NamedList list);
    // Whether the list's file waits for the next save of the database file.
    bool isDue(NamedList list) const { return m_due.contains(list); }
    void markDue(NamedList list);
    // Writes the due lists; false when one could not be written (it then
    // stays due).
    bool saveDue();
    bool anyDue() const { return !m_due.isEmpty(); }

private:
    userItemCollection m_groups;
    userItemCollection m_locations;
    userItemCollection m_suppliers;
    userItemCollection m_fields;
    // The named lists whose files wait for the database file.
    QList<int> m_due;
};
