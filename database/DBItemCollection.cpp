#include "database/DBItemCollection.h"

#include <QCoreApplication>
#include <QDate>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/Edition.h"
#include "core/LogXML.h"
#include "core/Notices.h"
#include "core/Parallel.h"
#include "core/Settings.h"
#include "core/SystemNames.h"
#include "database/DatabaseFile.h"
#include "database/ItemExport.h"
#include "database/ItemMatcher.h"
#include "database/Item.h"

#include <algorithm>
#include <atomic>
#include <utility>
#include <vector>

namespace {

bool g_databaseModified = false;

const QString moduleName = QStringLiteral("DBItemCollection");

// The event log is optional: a collection may be built without one.
void logItem(LogXML *log, const QString &entry, const QString &function)
{
    if (log)
        log->logItem(entry, moduleName, function);
}

void logElement(LogXML *log, const QString &name, const QString &text)
{
    if (log)
        log->element(name, text);
}

// Texts of the lock file and of the list files are 8-bit; the lock line is
// read up to this many bytes.
constexpr qint64 maxLockLineBytes = 349;

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
    g_databaseModified = modified;
}

DBItemCollection::DBItemCollection(LogXML *log, QObject *parent)
    : QObject(parent)
    , m_log(log)
{
    setDatabaseModified(false);
    m_groups.setLimit(9999);
    m_locations.setLimit(9999);
    m_suppliers.setLimit(9999);
    m_fields.setLimit(30);
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
    m_items.clear();
}

// ---------------------------------------------------------------------------
// Dynamic lists

bool DBItemCollection::MakeDynamicLists()
{
    const QString folder = lastDbDir();
    logItem(m_log, folder, QStringLiteral("MakeDynamicLists()"));
    m_groups.clear();
    m_locations.clear();
    m_suppliers.clear();
    m_fields.clear();
    // The lists are read again from their files: nothing waits to be written.
    m_dueLists.clear();
    if (folder.isEmpty()) {
        emit listsChanged();
        return true;
    }

    const QString language = currentLanguage();
    // Loads from the database folder, then from the alternative file.
    auto loadWithFallBack = [this](userItemCollection &list, const QString &path, const QString &alternative) {
        logElement(m_log, QStringLiteral("Loading"), path);
        if (list.load(path))
            return true;
        logElement(m_log, QStringLiteral("WARNING"), QStringLiteral("Not found"));
        return list.load(alternative);
    };

    const bool groupsLoaded
        = loadWithFallBack(m_groups, folder + QStringLiteral("/groups/groups.") + language + QStringLiteral(".txt"),
            folder + QStringLiteral("/groups/groups.da.txt"));
    bool locationsLoaded = false;
    if (groupsLoaded) {
        locationsLoaded = loadWithFallBack(m_locations,
            folder + QStringLiteral("/location/location.") + language + QStringLiteral(".txt"),
            folder + QStringLiteral("/location/location.da.txt"));
    }
    if (!locationsLoaded) {
        // The program's own lists, relative to the working folder. They never
        // replace a list that the database folder supplied.
        if (!groupsLoaded)
            m_groups.load(QStringLiteral("group/group.") + language + QStringLiteral(".txt"));
        m_locations.load(QStringLiteral("location/location.") + language + QStringLiteral(".txt"));
    }

    // Suppliers and field titles fall back on the home-contents demo
    // database, whatever the edition.
    const QString demo = demoFolder(OstranaEdition);
    loadWithFallBack(m_suppliers, folder + QStringLiteral("/supplier/supplier.") + language + QStringLiteral(".txt"),
        demo + QStringLiteral("/supplier/supplier.") + language + QStringLiteral(".txt"));
    loadWithFallBack(m_fields, folder + QStringLiteral("/fields/fields.") + language + QStringLiteral(".txt"),
        demo + QStringLiteral("/fields/fields.") + language + QStringLiteral(".txt"));
    emit listsChanged();
    return true;
}

bool DBItemCollection::SaveDynamicLists()
{
    if (m_readOnly)
        return false;
    QString folder = lastDbDir();
    if (folder.isEmpty())
        folder = QDir::currentPath();
    const QString language = currentLanguage();

    struct ListFile
    {
        userItemCollection *list;
        const char *subfolder;
        const char *key;
    };
    const ListFile files[] = {
        { &m_groups, "groups", QT_TRANSLATE_NOOP("DBItemCollection", "Kan ikke gemme gruppe fil:") },
        { &m_locations, "location", QT_TRANSLATE_NOOP("DBItemCollection", "Kan ikke gemme lokale fil:") },
        { &m_suppliers, "supplier", QT_TRANSLATE_NOOP("DBItemCollection", "KAN_IKKE_GEMME_LEVERAND_FIL:") },
        { &m_fields, "fields", QT_TRANSLATE_NOOP("DBItemCollection", "KAN_IKKE_GEMME_FIELDS_FIL:") },
    };

    bool allSaved = true;
    for (const ListFile &file : files) {
        const QString name = QLatin1String(file.subfolder);
        const QString subfolder = folder + QLatin1Char('/') + name;
        const QString path = subfolder + QLatin1Char('/') + name + QLatin1Char('.') + language + QStringLiteral(".txt");
        QString reason;
        bool saved = QDir().mkpath(subfolder);
        if (!saved)
            reason = tr("Kan ikke oprette mappen %1").arg(QDir::toNativeSeparators(subfolder));
        if (saved) {
            saved = file.list->save(path, false);
            if (!saved)
                reason = file.list->errorString();
        }
        if (!saved) {
            allSaved = false;
            Notices::critical(QStringLiteral("Fil fejl"),
                QCoreApplication::translate("DBItemCollection", file.key) + QDir::toNativeSeparators(path)
                    + QLatin1Char('\n') + reason);
        }
    }
    return allSaved;
}

userItemCollection &DBItemCollection::namedList(NamedList list)
{
    return const_cast<userItemCollection &>(std::as_const(*this).namedList(list));
}

const userItemCollection &DBItemCollection::namedList(NamedList list) const
{
    switch (list) {
    case LocationList:
        return m_locations;
    case SupplierList:
        return m_suppliers;
    default:
        return m_groups;
    }
}

QString DBItemCollection::listFilePath(NamedList list)
{
    QString folder = lastDbDir();
    if (folder.isEmpty())
        folder = QDir::currentPath();
    QString name = QStringLiteral("groups");
    if (list == LocationList)
        name = QStringLiteral("location");
    else if (list == SupplierList)
        name = QStringLiteral("supplier");
    return folder + QLatin1Char('/') + name + QLatin1Char('/') + name + QLatin1Char('.') + currentLanguage()
        + QStringLiteral(".txt");
}

namespace {

// The number by which an item refers to an entry of the list; -1 for the
// suppliers, which items keep as text.
int entryNumber(const Item &item, DBItemCollection::NamedList list)
{
    switch (list) {
    case DBItemCollection::GroupList:
        return item.group();
    case DBItemCollection::LocationList:
        return item.location();
    default:
        return -1;
    }
}

bool writeListFile(userItemCollection &names, const QString &path)
{
    // A folder that cannot be made shows as a file that cannot be written,
    // which the list tells the user.
    QDir().mkpath(QFileInfo(path).absolutePath());
    return names.save(path);
}

} // namespace

int DBItemCollection::itemsUsingEntry(NamedList list, int position) const
{
    if (list == SupplierList || position < 0)
        return 0;
    int users = 0;
    for (const Item *item : m_items) {
        if (entryNumber(*item, list) == position)
            ++users;
    }
    return users;
}

bool DBItemCollection::removeListEntry(NamedList list, int position)
{
    userItemCollection &names = namedList(list);
    const int size = names.size();
    if (m_readOnly || position < 0 || position >= size || itemsUsingEntry(list, position) > 0)
        return false;

    emit listEntryAboutToBeRemoved(list, position);
    names.removeAt(position);
    // Only numbers that named a later entry move: a number past the end of
    // the list named nothing, and must not come to name the last entry.
    QList<Item *> renumbered;
    if (list != SupplierList) {
        for (Item *item : std::as_const(m_items)) {
            const int number = entryNumber(*item, list);
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
        if (!m_dueLists.contains(list))
            m_dueLists.append(list);
        for (Item *item : std::as_const(renumbered))
            emit itemChanged(item);
    }
    emit listEntryRemoved(list, position);
    emit listsChanged();
    return true;
}

void DBItemCollection::setListEntries(NamedList list, const QStringList &entries)
{
    userItemCollection &names = namedList(list);
    names.clear();
    for (const QString &entry : entries)
        names.add(entry);
    emit listsChanged();
}

bool DBItemCollection::saveList(NamedList list)
{
    if (m_readOnly)
        return false;
    if (isListDue(list))
        return true;
    return writeListFile(namedList(list), listFilePath(list));
}

bool DBItemCollection::isListDue(NamedList list) const
{
    return m_dueLists.contains(list);
}

bool DBItemCollection::saveDueLists()
{
    if (m_readOnly)
        return m_dueLists.isEmpty();
    bool allSaved = true;
    const QList<int> due = m_dueLists;
    for (int list : due) {
        const auto named = NamedList(list);
        if (writeListFile(namedList(named), listFilePath(named)))
            m_dueLists.removeAll(list);
        else
            allSaved = false;
    }
    return allSaved;
}

// ---------------------------------------------------------------------------
// Database file

bool DBItemCollection::LoadFromAsciiFile(const QString &path)
{
    return DatabaseFile::load(*this, path);
}

bool DBItemCollection::SaveToFileAsAscii(const QString &path)
{
    return DatabaseFile::save(*this, path);
}

// ---------------------------------------------------------------------------
// Lock

QString DBItemCollection::lockFilePath()
{
    QString folder = lastDbDir();
    // An empty folder would put the lock at the file system's root.
    if (folder.isEmpty())
        folder = QDir::currentPath();
    return folder + QStringLiteral("/LockFile");
}

bool DBItemCollection::LockDB(const QString &databasePath)
{
    if (!isQuorvel())
        return false;

    const QString path = lockFilePath();
    qDebug().noquote() << path;
    // A lock still held in another folder is this collection's own: it goes
    // when the collection moves on, rather than being left behind for good.
    if (!m_heldLockPath.isEmpty() && m_heldLockPath != path)
        releaseLock();
    m_lockText.clear();
    m_lockFailure.clear();

    // A holder that quits between a failed creation here and the reading of
    // its lock leaves the place free: the lock is tried again. Whatever else
    // keeps it from being taken makes the database read-only, so that no
    // program writes a database it has not locked.
    constexpr int attempts = 50;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        // Created exclusively: the test for an existing lock and its
        // creation are one step, so two programs cannot both take it.
        QFile lock(path);
        if (lock.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            const QString content = databasePath + QStringLiteral(" Locked by PC: ") + SystemNames::computerName()
                + QStringLiteral(", User: ") + SystemNames::userName();
            const QByteArray bytes = content.toLatin1();
            if (lock.write(bytes) != bytes.size()) {
                m_lockFailure = lock.errorString();
                lock.close();
                lock.remove();
                break;
            }
            lock.close();
            logItem(m_log, path + QStringLiteral(" Created"), QStringLiteral("LockDB()"));
            m_heldLockPath = path;
            m_readOnly = false;
            return true;
        }
        m_lockFailure = lock.errorString();

        QFile existing(path);
        if (existing.open(QIODevice::ReadOnly)) {
            QByteArray line = existing.readLine(maxLockLineBytes + 1);
            while (line.endsWith('\n') || line.endsWith('\r'))
                line.chop(1);
            m_lockText = QString::fromLatin1(line);
            m_lockFailure.clear();
            m_readOnly = true;
            return false;
        }
        // There, but not to be read: held all the same.
        if (QFileInfo::exists(path)) {
            m_lockFailure.clear();
            m_readOnly = true;
            return false;
        }
    }

    logItem(m_log, path + QStringLiteral(" ErrorCreate"), QStringLiteral("LockDB()"));
    if (m_lockFailure.isEmpty())
        m_lockFailure = QCoreApplication::translate("DBItemCollection", "Filen kunne ikke skrives.");
    m_readOnly = true;
    return false;
}

void DBItemCollection::releaseLock()
{
    if (!isQuorvel() || m_heldLockPath.isEmpty())
        return;
    const QString path = m_heldLockPath;
    m_heldLockPath.clear();
    if (QFile::exists(path) && !QFile::remove(path)) {
        Notices::critical(QStringLiteral("ERROR"),
            QCoreApplication::translate("DBItemCollection", "CAN_NOT_DELETE_LOCK_FILE:") + path);
    }
}

// ---------------------------------------------------------------------------
// Items

void DBItemCollection::clear()
{
    // Only a lock this collection took is removed; another program's lock
    // made the database it guards read-only, not whatever comes next.
    releaseLock();
    m_readOnly = false;
    m_lockText.clear();
    m_lockFailure.clear();
    emit aboutToClear();
    m_items.clear();
    m_searchPosition = 0;
}

void DBItemCollection::deleteItems()
{
    const QList<Item *> items = m_items;
    clear();
    qDeleteAll(items);
}

void DBItemCollection::add(Item *item)
{
    if (!item)
        return;
    m_items.append(item);
    setDatabaseModified(true);
    emit itemAdded(item);
}

Item *DBItemCollection::add(std::unique_ptr<Item> item)
{
    Item *added = item.release();
    add(added);
    return added;
}

void DBItemCollection::itemWasChanged(Item *item)
{
    if (!contains(item))
        return;
    setDatabaseModified(true);
    emit itemChanged(item);
}

void DBItemCollection::deleteItem(Item *item)
{
    if (!contains(item))
        return;
    remove(item);
    delete item;
    setDatabaseModified(true);
}

void DBItemCollection::remove(Item *item)
{
    const qsizetype index = m_items.indexOf(item);
    if (index < 0)
        return;
    m_items.removeAt(index);
    // Keep a continued search on the item that followed the removed one.
    if (m_searchPosition > index)
        --m_searchPosition;
    emit itemRemoved(item);
}

int DBItemCollection::indexOf(const Item *item) const
{
    return int(m_items.indexOf(const_cast<Item *>(item)));
}

Item *DBItemCollection::previous(Item *item, bool &atStart) const
{
    const int index = indexOf(item);
    atStart = index <= 0;
    return atStart ? item : m_items.at(index - 1);
}

Item *DBItemCollection::next(Item *item, bool &atEnd) const
{
    const int index = indexOf(item);
    atEnd = index < 0 || index >= count() - 1;
    return atEnd ? item : m_items.at(index + 1);
}

Item *DBItemCollection::findByGroupAndSerial(int group, const QString &serial) const
{
    if (group < 0 || serial.isEmpty())
        return nullptr;
    for (Item *item : m_items) {
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
    for (const Item *item : m_items) {
        if (inGroup(item, group))
            total += byPieces ? item->numberOfItems() : 1;
    }
    return total;
}

double DBItemCollection::sumValues(int group, bool valueToday, bool price) const
{
    double sum = 0.0;
    for (const Item *item : m_items) {
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
    for (const Item *item : m_items)
        highest = std::max(highest, item->group());
    return highest;
}

int DBItemCollection::maxLocation() const
{
    int highest = 0;
    for (const Item *item : m_items)
        highest = std::max(highest, item->location());
    return highest;
}

int DBItemCollection::highestSerialNumber() const
{
    if (m_items.isEmpty()) {
        Settings settings;
        return settings.value(QStringLiteral("Setup/StartSerialNumber"), 0).toInt();
    }
    int highest = 0;
    for (const Item *item : m_items)
        highest = std::max(highest, item->serialNumberValue());
    return highest;
}

void DBItemCollection::sort(int method)
{
    if (method == ByDate) {
        // A date is parsed from its text: once per item here, instead of
        // twice per comparison (half a second for a hundred thousand items).
        std::vector<std::pair<QDate, Item *>> keyed;
        keyed.reserve(std::size_t(m_items.size()));
        for (Item *item : std::as_const(m_items))
            keyed.emplace_back(item->dateValue(), item);
        std::stable_sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
        for (qsizetype i = 0; i < m_items.size(); ++i)
            m_items[i] = keyed[std::size_t(i)].second;
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
    if (std::is_sorted(m_items.cbegin(), m_items.cend(), less))
        return;
    // Stable: items that compare equal keep their order, so saving (which
    // sorts by group) writes the same file twice over.
    std::stable_sort(m_items.begin(), m_items.end(), less);
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

// ---------------------------------------------------------------------------
// Search

int DBItemCollection::findNext(int field, const QString &criterion, bool &found, bool continueSearch)
{
    found = false;
    if (m_items.isEmpty() || criterion.isEmpty())
        return count();
    if (!continueSearch || m_searchPosition < 0 || m_searchPosition > count())
        m_searchPosition = 0;
    const ItemMatcher matcher(field, criterion);
    for (int index = m_searchPosition; index < count(); ++index) {
        if (matcher.matches(*m_items.at(index))) {
            found = true;
            m_searchPosition = index + 1;
            return index;
        }
    }
    m_searchPosition = 0;
    return count();
}

namespace {

// The field (its place among the matchers) that decides a search and the
// item it finds there; the field is the matchers' count when none finds one.
struct SearchFind
{
    std::size_t field;
    int index;
};

// The search over items[first, last): only fields before `best` can still
// change the answer, the first field only from firstStart on. Where another
// range before this one has found an item, that range's field (rival) wins
// ties, so only fields before it are looked for here.
SearchFind searchRange(const QList<Item *> &items, int first, int last, const std::vector<ItemMatcher> &matchers,
    int firstStart, std::atomic<std::size_t> *published, const std::atomic<std::size_t> *rival)
{
    SearchFind best { matchers.size(), last };
    for (int index = first; index < last; ++index) {
        const std::size_t limit = rival ? std::min(best.field, rival->load(std::memory_order_relaxed)) : best.field;
        if (limit == 0)
            break;
        Item::prefetchAhead(items, index);
        const Item &item = *items.at(index);
        for (std::size_t field = index < firstStart ? 1 : 0; field < limit; ++field) {
            if (matchers[field].matches(item)) {
                best = { field, index };
                if (published)
                    published->store(field, std::memory_order_relaxed);
                break;
            }
        }
    }
    return best;
}

// The search of every item: the first field that finds an item decides, at
// the first item it finds. A large register is searched in two halves at
// once; the first half's find wins a tie.
SearchFind searchFind(const QList<Item *> &items, const std::vector<ItemMatcher> &matchers, int firstStart)
{
    const int count = int(items.size());
    const int middle = count / 2;
    std::atomic<std::size_t> firstHalfField { matchers.size() };
    SearchFind first { matchers.size(), middle };
    SearchFind second { matchers.size(), count };
    Parallel::run(
        count, [&] { first = searchRange(items, 0, middle, matchers, firstStart, &firstHalfField, nullptr); },
        [&] { second = searchRange(items, middle, count, matchers, firstStart, nullptr, &firstHalfField); });
    return second.field < first.field ? second : first;
}

} // namespace

Item *DBItemCollection::search(const QStringList &criteria, bool continueSearch)
{
    if (m_items.isEmpty())
        return nullptr;

    static const struct
    {
        int field;
        Criterion criterion;
    } order[] = {
        { FieldName, CritName },
        { FieldProduct, CritProduct },
        { FieldCount, CritCount },
        { FieldPrice, CritPrice },
        { FieldPriceToday, CritPriceToday },
        { FieldDate, CritDate },
        { FieldSupplier, CritSupplier },
        { FieldSerialno, CritSerialno },
        { FieldDescription, CritDescription },
        { FieldAddress, CritAddress },
        { FieldPhotolink, CritPicture },
        { FieldReceipt, CritReceipt },
        { FieldWww, CritWww },
        { FieldLocation, CritLocation },
        { FieldDocument, CritDocument },
    };
    // The fields are searched in this order, each with findNext: the first
    // field that finds an item decides, at the first item it finds. The
    // first field searched goes on from the search position; a field that
    // finds nothing sets the position back to the start, so every later one
    // searches the whole register. One pass over the items gives the same
    // answer, each item looked at once for all fields instead of once per
    // field.
    std::vector<ItemMatcher> matchers;
    for (const auto &step : order) {
        const QString criterion = criteria.value(step.criterion);
        // Empty criteria are no search; the date field's text for "no date"
        // is not a criterion.
        if (criterion.isEmpty() || (step.field == FieldDate && criterion == QLatin1String("01.01.1900")))
            continue;
        matchers.emplace_back(step.field, criterion);
    }
    if (matchers.empty())
        return nullptr;

    if (!continueSearch || m_searchPosition < 0 || m_searchPosition > count())
        m_searchPosition = 0;
    const SearchFind found = searchFind(m_items, matchers, m_searchPosition);
    if (found.field == matchers.size()) {
        m_searchPosition = 0;
        return nullptr;
    }
    m_searchPosition = found.index + 1;
    return m_items.at(found.index);
}
