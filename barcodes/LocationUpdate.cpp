#include "barcodes/LocationUpdate.h"

#include "barcodes/SerialIndex.h"

#include "database/CollectionStep.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "database/StorageCheck.h"
#include "desktop/MessageBox.h"

#include <QDate>
#include <QFile>
#include <QStringDecoder>
#include <QTextStream>

#include <memory>

namespace {

LocationUpdate::Clock g_clock = nullptr;

QDateTime now()
{
    return g_clock ? g_clock() : QDateTime::currentDateTime();
}

QString today()
{
    return QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
}

// The inventory number as the serial numbers are written: the digits of a
// decimal number without leading zeros. Null when the text is not a number.
QString inventoryNumber(const QString &text)
{
    bool ok = false;
    const qlonglong number = text.toLongLong(&ok, 10);
    return ok ? QString::number(number) : QString();
}

// The record's kind as the scanner writes it.
QString recordKind(const LocationRecord &record)
{
    switch (record.form) {
    case LocationRecord::Count:
        return QStringLiteral("I");
    case LocationRecord::Move:
        return QStringLiteral("F");
    case LocationRecord::Place:
    case LocationRecord::PlaceCopy:
        return QStringLiteral("S");
    case LocationRecord::Ignored:
        break;
    }
    return QString();
}

} // namespace

LocationUpdate::LocationUpdate(QWidget *parent)
    : m_parent(parent)
{ }

void LocationUpdate::setClock(Clock clock)
{
    g_clock = clock;
}

QString LocationUpdate::backupName(const QString &fileName, const QDateTime &time)
{
    return fileName + QLatin1Char('.') + time.toString(QStringLiteral("dd.MM.yyyy.hh.mm"));
}

void LocationUpdate::warn(const QString &text)
{
    MessageBox::warning(m_parent, QStringLiteral("Quorvel"), text);
}

bool LocationUpdate::ReadFile(const QString &fileName)
{
    m_records.clear();
    if (fileName.isEmpty() || !QFile::exists(fileName)) {
        warn(QCoreApplication::translate("UpdateLocations", "File: does not exist"));
        return false;
    }
    // QFile::copy never replaces an existing file, so the backup of an
    // earlier import in the same minute stays as it was.
    const QString backup = backupName(fileName, now());
    if (!QFile::copy(fileName, backup)) {
        warn(QCoreApplication::translate("UpdateLocations/ParseLocationFile", "Copy of file: %1 to %2 failed")
                 .arg(fileName, backup));
        return false;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        warn(QCoreApplication::translate("UpdateLocations/ParseLocationFile", "Cannot open file %1 for reading")
                 .arg(fileName));
        return false;
    }
    QTextStream stream(&file);
    stream.setEncoding(QStringConverter::Latin1);
    QString line;
    while (stream.readLineInto(&line)) {
        const LocationRecord record = LocationRecord::fromLine(line);
        if (record.form != LocationRecord::Ignored)
            m_records.append(record);
    }
    return true;
}

StorageCheck::CountReading LocationUpdate::readCountField(const LocationRecord &record, const QString &id, int *count)
{
    const StorageCheck::CountReading reading = StorageCheck::readCount(record.count, count);
    if (reading == StorageCheck::CountBeyondRange) {
        warn(tr("Post %1 for vare %2 mislykkedes: antallet %3 ligger uden for det, en vare kan have (%4 til %5)")
                 .arg(recordKind(record), id.isNull() ? record.inventoryId : id, record.count)
                 .arg(StorageCheck::minCount)
                 .arg(StorageCheck::maxCount));
    }
    return reading;
}

int LocationUpdate::checkedLocation(const DBItemCollection &collection, const QString &text, bool second)
{
    const int groups = collection.groups().size();
    bool ok = false;
    const int location = text.toInt(&ok, 10);
    if (ok && location >= 0 && location < groups)
        return location;
    const QString message = second ? tr("Move failed, location2: %1 not found, max groups: %2")
                                   : tr("Move failed, location1: %1 not found, max groups: %2");
    warn(message.arg(text).arg(groups));
    return -1;
}

void LocationUpdate::Apply(DBItemCollection &collection)
{
    // The serial numbers are looked up in an index made once, not in a pass
    // over the register per record; it is told of every item added or
    // deleted on the way.
    SerialIndex serials(collection);
    // The whole import is one step of the undo history.
    const CollectionStep step(collection, tr("import"));
    for (const LocationRecord &record : std::as_const(m_records)) {
        const QString id = inventoryNumber(record.inventoryId);
        bool applied = false;
        switch (record.form) {
        case LocationRecord::Count:
            applied = !id.isNull() && applyCount(collection, serials, record, id);
            break;
        case LocationRecord::Move:
            applyMove(collection, serials, record, id);
            // A move tells its own failures.
            continue;
        case LocationRecord::Place:
            applied = !id.isNull() && applyPlace(collection, serials, record, id);
            break;
        case LocationRecord::PlaceCopy:
            applied = !id.isNull() && applyPlaceCopy(collection, serials, record, id);
            break;
        case LocationRecord::Ignored:
            continue;
        }
        if (!applied) {
            warn(tr("Update failed for location: %1, inventory_id: %2, items: %3")
                     .arg(record.location1, record.inventoryId, record.count));
        }
    }
    setDatabaseModified(true);
}

bool LocationUpdate::applyCount(
    DBItemCollection &collection, SerialIndex &serials, const LocationRecord &record, const QString &id)
{
    const int location = checkedLocation(collection, record.location1, false);
    if (location < 0)
        return false;
    int change = 0;
    if (readCountField(record, id, &change) != StorageCheck::CountRead)
        return false;
    Item *item = serials.find(location, id);
    if (!item)
        return false;
    const int count = item->numberOfItems();
    if (qint64(count) + change < 0) {
        warn(tr("Update (I) failed, to few items: %1 in record: %2 - can not subtract (%3)")
                 .arg(count)
                 .arg(id)
                 .arg(change));
        return false;
    }
    if (!StorageCheck::countChangeFits(count, change)) {
        warn(tr("Optælling (I) mislykkedes for vare %1: %2 + %3 stykker er flere, end en vare kan have (%4)")
                 .arg(id)
                 .arg(count)
                 .arg(change)
                 .arg(StorageCheck::maxCount));
        return false;
    }
    collection.aboutToChange(item);
    item->setNumberOfItems(count + change);
    item->setDate(today());
    collection.itemWasChanged(item);
    return true;
}

bool LocationUpdate::applyMove(
    DBItemCollection &collection, SerialIndex &serials, const LocationRecord &record, const QString &id)
{
    const int from = checkedLocation(collection, record.location1, false);
    if (from < 0)
        return false;
    const int to = checkedLocation(collection, record.location2, true);
    if (to < 0)
        return false;
    int moved = 0;
    const StorageCheck::CountReading reading = readCountField(record, id, &moved);
    if (reading == StorageCheck::CountBeyondRange)
        return false;
    Item *source = id.isNull() ? nullptr : serials.find(from, id);
    if (!source || reading != StorageCheck::CountRead) {
        warn(tr("Move failed, ItemId: %1 - not found at location: %2")
                 .arg(id.isNull() ? record.inventoryId : id, record.location1));
        return false;
    }
    const int count = source->numberOfItems();
    if (qint64(count) - moved < 0) {
        warn(tr("Move failed, to few items: %1 in record: %2 - can not subtract (%3)").arg(count).arg(id).arg(moved));
        return false;
    }
    // Checked before anything changes: a move of no items, or of a negative
    // number, would leave the source changed and no copy at the target, or
    // take items from the target.
    if (moved < 1) {
        warn(tr("Move failed, ItemId: %1 - the number of items to move must be at least 1: %2").arg(id, record.count));
        return false;
    }

    Item *target = from == to ? source : serials.find(to, id);
    if (target == source)
        return true;
    if (target && !StorageCheck::countChangeFits(target->numberOfItems(), moved)) {
        warn(tr("Flytning mislykkedes for vare %1: %2 + %3 stykker på lokation %4 er flere, end en vare kan have (%5)")
                 .arg(id)
                 .arg(target->numberOfItems())
                 .arg(moved)
                 .arg(to)
                 .arg(StorageCheck::maxCount));
        return false;
    }
    // The source is changed (or deleted) last, so that the undo history
    // keeps it as it was before the move.
    if (target) {
        collection.aboutToChange(target);
        target->setNumberOfItems(target->numberOfItems() + moved);
        target->setDate(today());
        collection.itemWasChanged(target);
    } else {
        auto copy = std::make_unique<Item>(*source);
        copy->setGroup(to);
        copy->setNumberOfItems(moved);
        copy->setDate(today());
        serials.added(collection.add(std::move(copy)));
    }
    if (count - moved == 0) {
        serials.removing(source);
        collection.deleteItem(source);
    } else {
        collection.aboutToChange(source);
        source->setNumberOfItems(count - moved);
        source->setDate(today());
        collection.itemWasChanged(source);
    }
    return true;
}

bool LocationUpdate::applyPlace(
    DBItemCollection &collection, SerialIndex &serials, const LocationRecord &record, const QString &id)
{
    const int location = checkedLocation(collection, record.location1, false);
    if (location < 0)
        return false;
    Item *item = serials.find(id);
    if (!item)
        return false;
    collection.aboutToChange(item);
    item->setGroup(location);
    collection.itemWasChanged(item);
    return true;
}

bool LocationUpdate::applyPlaceCopy(
    DBItemCollection &collection, SerialIndex &serials, const LocationRecord &record, const QString &id)
{
    // Checked like every other form, so that no item gets a group that has
    // no name in the group list.
    const int location = checkedLocation(collection, record.location1, false);
    if (location < 0)
        return false;
    int count = 0;
    if (readCountField(record, id, &count) != StorageCheck::CountRead)
        return false;
    const Item *item = serials.find(id);
    if (!item || count < 1)
        return false;
    const int highest = serials.highestSerialNumber();
    if (highest >= Item::maxSerialNumber) {
        warn(tr("Placering (S) mislykkedes for vare %1: der er intet varenummer efter %2 til den nye vare")
                 .arg(id)
                 .arg(highest));
        return false;
    }
    auto copy = std::make_unique<Item>(*item);
    copy->setGroup(location);
    copy->setNumberOfItems(count);
    copy->setDate(today());
    copy->setSerialno(QString::number(highest + 1));
    serials.added(collection.add(std::move(copy)));
    return true;
}

bool LocationUpdate::importFile(const QString &fileName, DBItemCollection &collection, QWidget *parent)
{
    LocationUpdate update(parent);
    if (!update.ReadFile(fileName))
        return false;
    update.Apply(collection);
    // A file left behind would be applied a second time by the next import.
    QFile file(fileName);
    if (!file.exists()) {
        MessageBox::warning(parent, QStringLiteral("Quorvel"),
            QCoreApplication::translate("UpdateLocations/DeleteLocationFile", "File: does not exist"));
    } else if (!file.remove()) {
        MessageBox::warning(parent, QStringLiteral("Quorvel"),
            tr("Filen %1 kunne ikke slettes, og dens flytninger vil blive udført igen ved næste indlæsning:\n%2")
                .arg(fileName, file.errorString()));
    }
    return true;
}
