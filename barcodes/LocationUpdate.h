#pragma once

#include "barcodes/LocationRecord.h"
#include "database/StorageCheck.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>

class DBItemCollection;
class Item;
class SerialIndex;
class QWidget;

// The stock movements a hand scanner recorded: counts at a location (I),
// moves between locations (F) and placements (S). In the inventory edition an
// item's group is its storage location, so location numbers are positions in
// the group list, and the inventory number is the item's serial number.
//
// The file is read whole before anything changes; the records are then
// applied in file order, each failure told in a warning box and the next
// record applied all the same. A record never leaves an item half changed.
class LocationUpdate
{
    Q_DECLARE_TR_FUNCTIONS(LocationUpdate)

public:
    explicit LocationUpdate(QWidget *parent = nullptr);

    // Copies the file to its backup name and reads its records; false, after
    // the warning, when it does not exist, cannot be copied (a backup of the
    // same minute is never overwritten) or cannot be read.
    bool ReadFile(const QString &fileName);
    // Applies the records read, then marks the database modified. The
    // collection announces every change; the caller refills its list.
    void Apply(DBItemCollection &collection);

    const QList<LocationRecord> &records() const { return m_records; }

    // ReadFile, Apply and the deletion of the file: the import of the main
    // window's command, between its file dialog and its save. True when the
    // records were applied.
    static bool importFile(const QString &fileName, DBItemCollection &collection, QWidget *parent = nullptr);

    // fileName + "." + the time as "dd.MM.yyyy.hh.mm".
    static QString backupName(const QString &fileName, const QDateTime &time);

    // Where the backup name takes the current time from; null for the
    // system clock (tests fix the minute).
    using Clock = QDateTime (*)();
    static void setClock(Clock clock);

private:
    bool applyCount(
        DBItemCollection &collection, SerialIndex &serials, const LocationRecord &record, const QString &id);
    bool applyMove(DBItemCollection &collection, SerialIndex &serials, const LocationRecord &record, const QString &id);
    bool applyPlace(
        DBItemCollection &collection, SerialIndex &serials, const LocationRecord &record, const QString &id);
    bool applyPlaceCopy(
        DBItemCollection &collection, SerialIndex &serials, const LocationRecord &record, const QString &id);
    // The record's count field read as a count an item can have; a number
    // out of that range is told in a warning naming the record.
    StorageCheck::CountReading readCountField(const LocationRecord &record, const QString &id, int *count);
    // The location as a group number, or -1 after the warning naming it.
    int checkedLocation(const DBItemCollection &collection, const QString &text, bool second);
    void warn(const QString &text);

    QWidget *m_parent = nullptr;
    QList<LocationRecord> m_records;
};
