#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

class DBItemCollection;
class Item;

// The items of a register by serial number, for work that looks up many
// (the scanner import): made once when first asked, instead of a pass over
// every item per lookup. It gives the answers the collection's own lookups
// give, as long as it is told of every item added to or deleted from the
// collection meanwhile, and no serial number changes.
class SerialIndex
{
public:
    explicit SerialIndex(const DBItemCollection &collection)
        : m_collection(collection)
    { }

    // The first item (in the collection's order) with this serial number.
    Item *find(const QString &serial) const;
    // DBItemCollection::findByGroupAndSerial.
    Item *find(int group, const QString &serial) const;
    // DBItemCollection::highestSerialNumber.
    int highestSerialNumber() const;

    // The item was added at the end of the collection.
    void added(Item *item);
    // The item is about to be deleted from the collection.
    void removing(const Item *item);

private:
    const QList<Item *> *itemsWith(const QString &serial) const;

    const DBItemCollection &m_collection;
    mutable QHash<QString, QList<Item *>> m_bySerial;
    mutable bool m_made = false;
    mutable std::optional<int> m_highest;
};
