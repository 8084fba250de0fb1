#include "database/DBItemCollection.h"

#include <QDate>

#include "core/Edition.h"
#include "core/LogXML.h"
#include "core/Notices.h"
#include "core/Settings.h"
#include "database/CollectionJournal.h"
#include "database/DatabaseFile.h"
#include "database/ItemColumnText.h"
#include "database/ItemExport.h"
#include "database/Item.h"

#include <algorithm>
#include <future>
#include <iterator>
#include <system_error>
#include <utility>
#include <vector>

namespace {

bool g_databaseModified = false;

std::function<void(bool)> &modifiedListener()
{
    static std::function<void(bool)> listener;
    return listener;
}

bool inGroup(const Item *item, int group)
{
    return group == DBItemCollection::AllGroups || item->group() == group;
}

} // namespace

bool databaseModified()
{
    return g_databaseModified;
}

void setDatabaseModified(bool modified)
{
    if (modified == g_databaseModified)
        return;
    g_databaseModified = modified;
    if (modifiedListener())
        modifiedListener()(modified);
}

void setDatabaseModifiedListener(std::function<void(bool modified)> listener)
{
    modifiedListener() = std::move(listener);
}

DBItemCollection::DBItemCollection(LogXML *log, QObject *parent)
    : QObject(parent)
    , m_log(log)
{
    setDatabaseModified(false);
    MakeDynamicLists();
}

DBItemCollection::DBItemCollection(const QString &path, LogXML *log, QObject *parent)
    : DBItemCollection(log, parent)
{
    LoadFromAsciiFile(path);
}

DBItemCollection::~DBItemCollection()
{
    releaseLock();
    // A view that still shows the items lets go of them first.
    if (!m_items.empty())
        emit aboutToClear();
    m_items.clear();
}

// ---------------------------------------------------------------------------
// Dynamic lists

bool DBItemCollection::MakeDynamicLists()
{
    m_lists.load(m_log);
    emit listsChanged();
    return true;
}

bool DBItemCollection::SaveDynamicLists()
{
    return !isReadOnly() && m_lists.save();
}

int DBItemCollection::itemsUsingEntry(NamedList list, int position) const
{
    if (list == SupplierList || position < 0)
        return 0;
    int users = 0;
    for (const Item *item : *this) {
        if (DynamicLists::entryNumber(*item, list) == position)
            ++users;
    }
    return users;
}

bool DBItemCollection::removeListEntry(NamedList list, int position)
{
    userItemCollection &names = namedList(list);
    const int size = names.size();
    if (isReadOnly() || position < 0 || position >= size || itemsUsingEntry(list, position) > 0)
        return false;

    emit listEntryAboutToBeRemoved(list, position);
    names.removeAt(position);
    // Only numbers that named a later entry move: a number past the end of
    // the list named nothing, and must not come to name the last entry.
    QList<Item *> renumbered;
    if (list != SupplierList) {
        for (Item *item : *this) {
            const int number = DynamicLists::entryNumber(*item, list);
            if (number <= position || number >= size)
                continue;
            if (list == GroupList)
                item->setGroup(number - 1);
            else
                item->setLocation(number - 1);
            renumbered.append(item);
        }
    }
    if (!renumbered.isEmpty()) {
        setDatabaseModified(true);
        m_lists.markDue(list);
        for (Item *item : std::as_const(renumbered))
            emit itemChanged(item);
        // Only then a change of the database: a list whose entry went
        // without renumbering an item is written by itself, at once.
        tellJournals([&](CollectionJournal *journal) { journal->listEntryRemoved(list, position); });
        changeMade();
    }
    emit listEntryRemoved(list, position);
    emit listsChanged();
    return true;
}

bool DBItemCollection::insertListEntry(NamedList list, int position, const QString &name)
{
    userItemCollection &names = namedList(list);
    const int size = names.size();
    if (isReadOnly() || position < 0 || position > size)
        return false;
    emit listEntryAboutToBeInserted(list, position);
    QStringList entries;
    for (int i = 0; i < size; ++i)
        entries << names.entry(i);
    entries.insert(position, name);
    names.clear();
    for (const QString &entry : std::as_const(entries))
        names.add(entry);
    // The numbers removeListEntry moved down, from position to the old end,
    // move up again; a number past the old end named nothing and stays.
    QList<Item *> renumbered;
    if (list != SupplierList) {
        for (Item *item : *this) {
            const int number = DynamicLists::entryNumber(*item, list);
            if (number < position || number >= size)
                continue;
            if (list == GroupList)
                item->setGroup(number + 1);
            else
                item->setLocation(number + 1);
            renumbered.append(item);
        }
    }
    setDatabaseModified(true);
    m_lists.markDue(list);
    for (Item *item : std::as_const(renumbered))
        emit itemChanged(item);
    tellJournals([&](CollectionJournal *journal) { journal->listEntryInserted(list, position, name); });
    changeMade();
    emit listEntryInserted(list, position);
    emit listsChanged();
    return true;
}

bool DBItemCollection::appendListEntries(NamedList list, const QStringList &names)
{
    if (isReadOnly())
        return false;
    if (names.isEmpty())
        return true;
    userItemCollection &entries = namedList(list);
    const int size = entries.size();
    emit listEntryAboutToBeInserted(list, size);
    for (const QString &name : names)
        entries.add(name);
    setDatabaseModified(true);
    m_lists.markDue(list);
    tellJournals([&](CollectionJournal *journal) {
        for (int i = 0; i < names.size(); ++i)
            journal->listEntryInserted(list, size + i, names.at(i));
    });
    changeMade();
    emit listEntryInserted(list, size);
    emit listsChanged();
    return true;
}

void DBItemCollection::setListEntries(NamedList list, const QStringList &entries)
{
    userItemCollection &names = namedList(list);
    // A list that waits for the database save is part of the database's
    // changes; any other is written by itself.
    if (m_lists.isDue(list) && !m_journals.isEmpty()) {
        QStringList old;
        for (int i = 0; i < names.size(); ++i)
            old << names.entry(i);
        tellJournals([&](CollectionJournal *journal) { journal->listAboutToBeReplaced(list, old); });
    }
    names.clear();
    for (const QString &entry : entries)
        names.add(entry);
    if (m_lists.isDue(list)) {
        tellJournals([&](CollectionJournal *journal) { journal->listReplaced(list, entries); });
        changeMade();
    }
    emit listsChanged();
}

bool DBItemCollection::saveList(NamedList list)
{
    return !isReadOnly() && m_lists.saveList(list);
}

bool DBItemCollection::saveDueLists()
{
    if (isReadOnly())
        return !m_lists.anyDue();
    return m_lists.saveDue();
}

// ---------------------------------------------------------------------------
// Database file

bool DBItemCollection::LoadFromAsciiFile(const QString &path)
{
    return DatabaseFile::load(*this, path);
}

bool DBItemCollection::SaveToFileAsAscii(const QString &path, bool keepReplaced, int keepAtLeast)
{
    return DatabaseFile::save(*this, path, keepReplaced, keepAtLeast);
}

void DBItemCollection::adoptLoaded(std::vector<std::unique_ptr<Item>> items, int formatLevel)
{
    m_formatLevel = formatLevel;
    if (m_items.empty()) {
        m_items = std::move(items);
        return;
    }
    m_items.reserve(m_items.size() + items.size());
    std::move(items.begin(), items.end(), std::back_inserter(m_items));
}

// ---------------------------------------------------------------------------
// Items

void DBItemCollection::clear()
{
    // Only a lock this collection took is removed; another program's lock
    // made the database it guards read-only, not whatever comes next.
    m_lock.reset();
    emit aboutToClear();
    // The collection is empty while its items are deleted.
    const std::vector<std::unique_ptr<Item>> doomed = std::exchange(m_items, {});
    m_searchPosition = 0;
}

Item *DBItemCollection::add(std::unique_ptr<Item> item)
{
    return insert(count(), std::move(item));
}

Item *DBItemCollection::insert(int index, std::unique_ptr<Item> item)
{
    if (!item)
        return nullptr;
    index = std::clamp(index, 0, count());
    Item *added = item.get();
    m_items.insert(m_items.begin() + index, std::move(item));
    if (m_searchPosition > index)
        ++m_searchPosition;
    setDatabaseModified(true);
    emit itemAdded(added);
    tellJournals([&](CollectionJournal *journal) { journal->itemInserted(index, *added); });
    changeMade();
    return added;
}

void DBItemCollection::aboutToChange(Item *item)
{
    // Without a journal nobody asks, and the search for the item is saved.
    if (m_journals.isEmpty())
        return;
    const int index = indexOf(item);
    if (index < 0)
        return;
    tellJournals([&](CollectionJournal *journal) { journal->itemAboutToChange(index, *item); });
}

void DBItemCollection::itemWasChanged(Item *item)
{
    const int index = indexOf(item);
    if (index < 0)
        return;
    setDatabaseModified(true);
    emit itemChanged(item);
    tellJournals([&](CollectionJournal *journal) { journal->itemChanged(index, *item); });
    changeMade();
}

void DBItemCollection::deleteItem(Item *item)
{
    // Deleted only after itemRemoved, which listeners may answer by
    // looking at the item, and after the journals had their chance to keep
    // it; the removal and that chance are one step.
    beginStep(QString());
    std::unique_ptr<Item> removed = take(item);
    if (removed) {
        setDatabaseModified(true);
        tellJournals([&](CollectionJournal *journal) { journal->itemDeleted(removed); });
    }
    endStep();
}

std::unique_ptr<Item> DBItemCollection::take(Item *item)
{
    const int index = indexOf(item);
    if (index < 0)
        return nullptr;
    std::unique_ptr<Item> taken = std::move(m_items[std::size_t(index)]);
    m_items.erase(m_items.begin() + index);
    // Keep a continued search on the item that followed the removed one.
    if (m_searchPosition > index)
        --m_searchPosition;
    emit itemRemoved(taken.get());
    tellJournals([&](CollectionJournal *journal) { journal->itemRemoved(index); });
    changeMade();
    return taken;
}

Item *DBItemCollection::previous(Item *item, bool &atStart) const
{
    const int index = indexOf(item);
    atStart = index <= 0;
    return atStart ? item : at(index - 1);
}

Item *DBItemCollection::next(Item *item, bool &atEnd) const
{
    const int index = indexOf(item);
    atEnd = index < 0 || index >= count() - 1;
    return atEnd ? item : at(index + 1);
}

Item *DBItemCollection::findByGroupAndSerial(int group, const QString &serial) const
{
    if (group < 0 || serial.isEmpty())
        return nullptr;
    for (Item *item : *this) {
        if (item->group() == group && item->textEquals(Item::SerialnoText, serial))
            return item;
    }
    return nullptr;
}

// ---------------------------------------------------------------------------
// Queries

qint64 DBItemCollection::countItems(int group, bool byPieces) const
{
    if (group > AllGroups)
        return 0;
    qint64 total = 0;
    for (const Item *item : *this) {
        if (inGroup(item, group))
            total += byPieces ? item->numberOfItems() : 1;
    }
    return total;
}

double DBItemCollection::sumValues(int group, bool valueToday, bool price) const
{
    double sum = 0.0;
    for (const Item *item : *this) {
        if (!inGroup(item, group))
            continue;
        if (valueToday)
            sum += item->priceToday();
        else if (price)
            sum += item->price();
        else
            sum += item->totalValue();
    }
    return sum;
}

int DBItemCollection::maxGroup() const
{
    int highest = 0;
    for (const Item *item : *this)
        highest = std::max(highest, item->group());
    return highest;
}

int DBItemCollection::maxLocation() const
{
    int highest = 0;
    for (const Item *item : *this)
        highest = std::max(highest, item->location());
    return highest;
}

int DBItemCollection::highestSerialNumber() const
{
    if (m_items.empty()) {
        Settings settings;
        return settings.value(QStringLiteral("Setup/StartSerialNumber"), 0).toInt();
    }
    int highest = 0;
    for (const Item *item : *this)
        highest = std::max(highest, item->serialNumberValue());
    return highest;
}

void DBItemCollection::sort(int method)
{
    if (method == ByDate) {
        // A date is parsed from its text: once per item here, instead of
        // twice per comparison (half a second for a hundred thousand items).
        // The list's date sort reads dates the same way (ItemColumnText).
        std::vector<std::pair<qint64, std::unique_ptr<Item>>> keyed;
        keyed.reserve(m_items.size());
        for (std::unique_ptr<Item> &item : m_items) {
            const qint64 day = ItemColumnText::dayNumber(item->date());
            keyed.emplace_back(day, std::move(item));
        }
        std::stable_sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
        for (std::size_t i = 0; i < m_items.size(); ++i)
            m_items[i] = std::move(keyed[i].second);
        tellJournals([&](CollectionJournal *journal) { journal->sorted(method); });
        return;
    }

    bool (*less)(const Item *, const Item *) = nullptr;
    switch (method) {
    case ByGroup:
        less = &Item::lessByGroup;
        break;
    case ByName:
        less = &Item::lessByName;
        break;
    case ByProduct:
        less = &Item::lessByProduct;
        break;
    case ByTotalValue:
        less = &Item::lessByTotalValue;
        break;
    case ByLocation:
        less = &Item::lessByLocation;
        break;
    default:
        return;
    }
    // Most registers are in group order already (saving sorts them), and a
    // look costs less than a sort.
    const auto lessOwned
        = [less](const std::unique_ptr<Item> &a, const std::unique_ptr<Item> &b) { return less(a.get(), b.get()); };
    if (std::is_sorted(m_items.cbegin(), m_items.cend(), lessOwned))
        return;
    // Stable: items that compare equal keep their order, so saving (which
    // sorts by group) writes the same file twice over.
    std::stable_sort(m_items.begin(), m_items.end(), lessOwned);
    tellJournals([&](CollectionJournal *journal) { journal->sorted(method); });
}

// ---------------------------------------------------------------------------
// Journals and steps

void DBItemCollection::addJournal(CollectionJournal *journal)
{
    if (journal && !m_journals.contains(journal))
        m_journals.append(journal);
}

void DBItemCollection::removeJournal(CollectionJournal *journal)
{
    m_journals.removeAll(journal);
}

void DBItemCollection::beginStep(const QString &text)
{
    if (m_stepDepth++ == 0) {
        m_stepText = text;
        m_stepChanged = false;
    }
}

void DBItemCollection::endStep()
{
    if (m_stepDepth == 0 || --m_stepDepth > 0)
        return;
    if (m_stepChanged) {
        m_stepChanged = false;
        tellJournals([&](CollectionJournal *journal) { journal->stepEnded(m_stepText); });
    }
    m_stepText.clear();
}

void DBItemCollection::changeMade()
{
    if (m_stepDepth > 0)
        m_stepChanged = true;
    else
        tellJournals([](CollectionJournal *journal) { journal->stepEnded(QString()); });
}

// ---------------------------------------------------------------------------
// Export

bool DBItemCollection::SaveAsXmlFile(const QString &fileName, QString *error)
{
    ItemExport writer(*this);
    const bool written = writer.writeXml(fileName);
    if (error)
        *error = writer.errorString();
    return written;
}

bool DBItemCollection::SaveAsHtmlFile(
    const QString &fileName, bool withHeading, Item *singleItem, bool specialCases, bool asTable, QString *error)
{
    ItemExport writer(*this);
    const bool written = writer.writeHtml(fileName, withHeading, singleItem, specialCases, asTable);
    if (error)
        *error = writer.errorString();
    return written;
}
