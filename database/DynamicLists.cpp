#include "database/DynamicLists.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "core/Edition.h"
#include "core/LogXML.h"
#include "core/Notices.h"
#include "core/Settings.h"
#include "database/Item.h"

#include <utility>

namespace {

const QString moduleName = QStringLiteral("DBItemCollection");

bool writeListFile(userItemCollection &names, const QString &path)
{
    // A folder that cannot be made shows as a file that cannot be written,
    // which the list tells the user.
    QDir().mkpath(QFileInfo(path).absolutePath());
    return names.save(path);
}

} // namespace

DynamicLists::DynamicLists()
{
    m_groups.setLimit(9999);
    m_locations.setLimit(9999);
    m_suppliers.setLimit(9999);
    m_fields.setLimit(30);
}

void DynamicLists::load(LogXML *log)
{
    const QString folder = lastDbDir();
    if (log)
        log->logItem(folder, moduleName, QStringLiteral("MakeDynamicLists()"));
    m_groups.clear();
    m_locations.clear();
    m_suppliers.clear();
    m_fields.clear();
    // The lists are read again from their files: nothing waits to be written.
    m_due.clear();
    if (folder.isEmpty())
        return;

    const QString language = currentLanguage();
    // Loads from the database folder, then from the alternative file.
    auto loadWithFallBack = [log](userItemCollection &list, const QString &path, const QString &alternative) {
        if (log)
            log->element(QStringLiteral("Loading"), path);
        if (list.load(path))
            return true;
        if (log)
            log->element(QStringLiteral("WARNING"), QStringLiteral("Not found"));
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
}

bool DynamicLists::save()
{
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
        if (!saved) {
            reason = QCoreApplication::translate("DBItemCollection", "Kan ikke oprette mappen %1")
                         .arg(QDir::toNativeSeparators(subfolder));
        }
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

userItemCollection &DynamicLists::namedList(NamedList list)
{
    return const_cast<userItemCollection &>(std::as_const(*this).namedList(list));
}

const userItemCollection &DynamicLists::namedList(NamedList list) const
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

QString DynamicLists::listFilePath(NamedList list)
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

int DynamicLists::entryNumber(const Item &item, NamedList list)
{
    switch (list) {
    case GroupList:
        return item.group();
    case LocationList:
        return item.location();
    default:
        return -1;
    }
}

bool DynamicLists::saveList(NamedList list)
{
    if (isDue(list))
        return true;
    return writeListFile(namedList(list), listFilePath(list));
}

void DynamicLists::markDue(NamedList list)
{
    if (!m_due.contains(list))
        m_due.append(list);
}

bool DynamicLists::saveDue()
{
    bool allSaved = true;
    const QList<int> due = m_due;
    for (int list : due) {
        const auto named = NamedList(list);
        if (writeListFile(namedList(named), listFilePath(named)))
            m_due.removeAll(list);
        else
            allSaved = false;
    }
    return allSaved;
}
