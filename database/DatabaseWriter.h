#pragma once

#include <QByteArray>

#include <functional>

class ContentHash;
class Item;
class ItemSpan;
class QIODevice;

// Writes the lines of a database file to a device: the header line, then
// one line per item, 17 fields each followed by ";", Latin-1. Only items
// that StorageCheck passed may be written. The device is the save file in
// normal runs; the writer neither opens, commits nor names it.
class DatabaseWriter
{
public:
    explicit DatabaseWriter(QIODevice &device)
        : m_device(device)
    { }

    // Called for each item, in order, once the device has taken its line
    // whole; never for an item whose line it did not take.
    using ItemWritten = std::function<void(const Item &item)>;

    // False when the device took less than it was offered; its own error
    // then says why. No memory for the lines throws std::bad_alloc, once
    // every thread of the writing has ended.
    bool write(const QByteArray &header, const ItemSpan &items, const ItemWritten &written = {});

    // The bytes the device takes are added to hash, each step of lines once
    // the device has taken it whole (not owned; none when null).
    void setContentHash(ContentHash *hash) { m_hash = hash; }

private:
    QIODevice &m_device;
    ContentHash *m_hash = nullptr;
};
