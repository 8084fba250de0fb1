#include "barcodes/SerialIndex.h"

#include "database/DBItemCollection.h"
#include "database/Item.h"

#include <algorithm>

const QList<Item *> *SerialIndex::itemsWith(const QString &serial) const
{
    if (!m_made) {
        m_made = true;
        m_bySerial.reserve(m_collection.count());
        for (Item *item : m_collection)
            m_bySerial[item->serialno()].append(item);
    }
    const auto found = m_bySerial.constFind(serial);
    return found == m_bySerial.cend() ? nullptr : &found.value();
}

Item *SerialIndex::find(const QString &serial) const
{
    const QList<Item *> *items = itemsWith(serial);
    return items && !items->isEmpty() ? items->first() : nullptr;
}

Item *SerialIndex::find(int group, const QString &serial) const
{
    if (group < 0 || serial.isEmpty())
        return nullptr;
    if (const QList<Item *> *items = itemsWith(serial)) {
        for (Item *item : *items) {
            if (item->group() == group)
                return item;
        }
    }
    return nullptr;
}

int SerialIndex::highestSerialNumber() const
{
    if (!m_highest)
        m_highest = m_collection.highestSerialNumber();
    return *m_highest;
}

void SerialIndex::added(Item *item)
{
    if (m_made)
        m_bySerial[item->serialno()].append(item);
    // The register's highest number, once it has items, is that of its items.
    if (m_highest && m_collection.count() > 1)
        m_highest = std::max(*m_highest, item->serialNumberValue());
    else
        m_highest.reset();
}

void SerialIndex::removing(const Item *item)
{
    if (m_made) {
        const auto found = m_bySerial.find(item->serialno());
        if (found != m_bySerial.end())
            found.value().removeOne(const_cast<Item *>(item));
    }
    if (m_highest && (m_collection.count() <= 1 || item->serialNumberValue() >= *m_highest))
        m_highest.reset();
}
