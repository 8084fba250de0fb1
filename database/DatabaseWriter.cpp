#include "database/DatabaseWriter.h"

#include "database/Item.h"

#include <QIODevice>

#include <charconv>
#include <cstring>
#include <vector>

namespace {

// Collects the lines in one large block and hands it to the device in one
// write whenever it is full: a line is built with plain copies, and the
// device sees a few dozen writes for a hundred thousand items.
class LineBlock
{
public:
    explicit LineBlock(QIODevice &device)
        : m_device(device)
        , m_block(blockSize)
    { }

    // Room for at least bytes more; false once the device refused bytes.
    bool reserve(std::size_t bytes)
    {
        if (m_used + bytes <= m_block.size())
            return true;
        if (!flush())
            return false;
        if (bytes > m_block.size())
            m_block.resize(bytes);
        return true;
    }
    char *end() { return m_block.data() + m_used; }
    void setEnd(char *end) { m_used = std::size_t(end - m_block.data()); }

    bool flush()
    {
        if (m_failed)
            return false;
        // A device may take part of a block (a disk filling up); offering it
        // the rest makes it report why it takes no more.
        const char *data = m_block.data();
        qint64 left = qint64(m_used);
        while (left > 0) {
            const qint64 written = m_device.write(data, left);
            if (written <= 0) {
                m_failed = true;
                return false;
            }
            data += written;
            left -= written;
        }
        m_used = 0;
        return true;
    }

private:
    static constexpr std::size_t blockSize = std::size_t(4) << 20;

    QIODevice &m_device;
    std::vector<char> m_block;
    std::size_t m_used = 0;
    bool m_failed = false;
};

// The most a number takes: a double in fixed notation with six decimals
// (what the file's "%0.6lf" gives), or an int.
constexpr std::size_t maxNumberBytes = 320;

char *putInteger(char *out, int value)
{
    out = std::to_chars(out, out + 16, value).ptr;
    *out++ = ';';
    return out;
}

char *putPrice(char *out, double value)
{
    // Only finite numbers get here (StorageCheck): they always fit.
    out = std::to_chars(out, out + maxNumberBytes, value, std::chars_format::fixed, 6).ptr;
    *out++ = ';';
    return out;
}

char *putText(char *out, QByteArrayView bytes)
{
    if (!bytes.isEmpty()) {
        std::memcpy(out, bytes.data(), std::size_t(bytes.size()));
        out += bytes.size();
    }
    *out++ = ';';
    return out;
}

// The texts of an item in Latin-1. Those of an item from a file or the item
// dialog are already; any other only reaches the writer when each of its
// characters fits (StorageCheck).
class Latin1Texts
{
public:
    explicit Latin1Texts(const Item &item)
        : m_item(item)
    {
        if (!item.textsAreLatin1()) {
            for (int i = 0; i < Item::TextCount; ++i)
                m_converted[std::size_t(i)] = item.text(Item::Text(i)).toLatin1();
        }
    }
    QByteArrayView operator[](Item::Text which) const
    {
        return m_item.textsAreLatin1() ? m_item.textBytes(which) : QByteArrayView(m_converted[std::size_t(which)]);
    }

private:
    const Item &m_item;
    std::array<QByteArray, Item::TextCount> m_converted;
};

} // namespace

bool DatabaseWriter::write(const QByteArray &header, const QList<Item *> &items, const ItemWritten &written)
{
    LineBlock block(m_device);
    if (!block.reserve(std::size_t(header.size()) + 1))
        return false;
    char *out = block.end();
    std::memcpy(out, header.constData(), std::size_t(header.size()));
    out += header.size();
    *out++ = '\n';
    block.setEnd(out);

    for (const Item *item : items) {
        const Latin1Texts texts(*item);
        std::size_t textBytes = 0;
        for (int i = 0; i < Item::TextCount; ++i)
            textBytes += std::size_t(texts[Item::Text(i)].size());
        // Seventeen fields, each with its ";", and the line end.
        if (!block.reserve(textBytes + 2 * maxNumberBytes + 3 * 16 + 18))
            return false;
        out = block.end();
        out = putInteger(out, item->group());
        out = putText(out, texts[Item::NameText]);
        out = putText(out, texts[Item::ProductText]);
        out = putPrice(out, item->price());
        out = putPrice(out, item->priceToday());
        out = putText(out, texts[Item::DateText]);
        out = putText(out, texts[Item::SupplierText]);
        out = putText(out, texts[Item::SerialnoText]);
        out = putText(out, texts[Item::DescriptionText]);
        out = putText(out, texts[Item::AddressText]);
        out = putText(out, texts[Item::PhotolinkText]);
        out = putInteger(out, item->numberOfItems());
        out = putInteger(out, item->location());
        out = putText(out, texts[Item::WwwText]);
        out = putText(out, texts[Item::ReceiptText]);
        out = putText(out, texts[Item::DocumentText]);
        out = putText(out, texts[Item::ProductModelText]);
        *out++ = '\n';
        block.setEnd(out);
        if (written)
            written(*item);
    }
    return block.flush();
}
