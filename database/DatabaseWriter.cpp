#include "database/DatabaseWriter.h"

#include "database/AsyncBlockWriter.h"
#include "database/Item.h"

#include <QFileDevice>
#include <QIODevice>

#include <charconv>
#include <cmath>
#include <memory>
#include <new>
#include <cstring>
#include <functional>
#include <future>
#include <system_error>
#include <utility>
#include <vector>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#endif

namespace {

// Collects the lines in large blocks; a full block goes to the device on a
// thread of its own while the next one is made.
class LineBlock
{
public:
    explicit LineBlock(QIODevice &device)
        : m_device(device)
        , m_block(blockSize)
        , m_spare(blockSize)
        , m_writer(device, [this](qint64 start, qint64 size) { startWriteback(start, size); })
    { }

    // Room for at least bytes more; false once the device refused bytes.
    bool reserve(std::size_t bytes)
    {
        if (m_used + bytes <= m_block.size())
            return true;
        if (!handOver())
            return false;
        if (bytes > m_block.size())
            m_block.resize(bytes);
        return true;
    }
    char *end() { return m_block.data() + m_used; }
    void setEnd(char *end) { m_used = std::size_t(end - m_block.data()); }

    // Writes what the block holds, then bytes made elsewhere, which must
    // stay as they are until the next block or finish().
    bool writeAfter(const char *bytes, std::size_t size)
    {
        if (m_used > 0 && !handOver())
            return false;
        return m_writer.write(bytes, qsizetype(size));
    }

    // Writes what is left and waits until every block is with the device.
    bool finish() { return m_writer.write(m_block.data(), qsizetype(std::exchange(m_used, 0))) && m_writer.wait(); }

private:
    // Starts writing the block; the next lines go to the other one.
    bool handOver()
    {
        if (!m_writer.write(m_block.data(), qsizetype(m_used)))
            return false;
        std::swap(m_block, m_spare);
        m_used = 0;
        return true;
    }

    // A save ends by waiting until the file is on the disk. Telling the
    // system to write each block as it comes lets the disk work while the
    // next blocks are made, instead of all of it at the end.
    void startWriteback(qint64 start, qint64 size)
    {
#ifdef Q_OS_LINUX
        // The blocks are the whole file in order: their places are the file's.
        if (const auto *file = qobject_cast<const QFileDevice *>(&m_device); file && file->handle() >= 0)
            sync_file_range(file->handle(), start, size, SYNC_FILE_RANGE_WRITE);
#else
        Q_UNUSED(start);
        Q_UNUSED(size);
#endif
    }

    static constexpr std::size_t blockSize = std::size_t(1) << 20;

    QIODevice &m_device;
    std::vector<char> m_block;
    std::vector<char> m_spare;
    std::size_t m_used = 0;
    // Declared after the blocks: it goes first, waiting for the block it
    // writes from.
    AsyncBlockWriter m_writer;
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
    // A price is nearly always a sum in whole cents: its millionths are
    // then a whole number, found by one multiplication, far from where
    // rounding could go either way. Any other number (and a negative zero)
    // takes the full conversion. Only finite numbers get here (StorageCheck).
    const double millionths = value * 1e6;
    const double whole = std::nearbyint(millionths);
    if (std::fabs(millionths) < 1e15 && std::fabs(millionths - whole) < 0.25 && (whole != 0 || !std::signbit(value))) {
        long long units = static_cast<long long>(whole);
        if (units < 0) {
            *out++ = '-';
            units = -units;
        }
        char digits[24];
        char *end = std::to_chars(digits, digits + sizeof digits, units).ptr;
        // At least one digit before the point.
        std::size_t length = std::size_t(end - digits);
        if (length < 7) {
            std::memmove(digits + (7 - length), digits, length);
            std::memset(digits, '0', 7 - length);
            length = 7;
        }
        std::memcpy(out, digits, length - 6);
        out += length - 6;
        *out++ = '.';
        std::memcpy(out, digits + length - 6, 6);
        out += 6;
    } else {
        out = std::to_chars(out, out + maxNumberBytes, value, std::chars_format::fixed, 6).ptr;
    }
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
    {
        if (item.textsAreLatin1()) {
            m_texts = item.allTextBytes();
            return;
        }
        m_converted = std::make_unique<std::array<QByteArray, Item::TextCount>>();
        for (int i = 0; i < Item::TextCount; ++i) {
            QByteArray &converted = (*m_converted)[std::size_t(i)];
            converted = item.text(Item::Text(i)).toLatin1();
            m_texts[std::size_t(i)] = converted;
        }
    }
    QByteArrayView operator[](Item::Text which) const { return m_texts[std::size_t(which)]; }
    std::size_t totalSize() const
    {
        std::size_t total = 0;
        for (const QByteArrayView &text : m_texts)
            total += std::size_t(text.size());
        return total;
    }

private:
    std::array<QByteArrayView, Item::TextCount> m_texts;
    std::unique_ptr<std::array<QByteArray, Item::TextCount>> m_converted;
};

// Makes the line of one item at out, which has room for it (lineBytes()).
char *putLine(char *out, const Item &item, const Latin1Texts &texts)
{
    out = putInteger(out, item.group());
    out = putText(out, texts[Item::NameText]);
    out = putText(out, texts[Item::ProductText]);
    out = putPrice(out, item.price());
    out = putPrice(out, item.priceToday());
    out = putText(out, texts[Item::DateText]);
    out = putText(out, texts[Item::SupplierText]);
    out = putText(out, texts[Item::SerialnoText]);
    out = putText(out, texts[Item::DescriptionText]);
    out = putText(out, texts[Item::AddressText]);
    out = putText(out, texts[Item::PhotolinkText]);
    out = putInteger(out, item.numberOfItems());
    out = putInteger(out, item.location());
    out = putText(out, texts[Item::WwwText]);
    out = putText(out, texts[Item::ReceiptText]);
    out = putText(out, texts[Item::DocumentText]);
    out = putText(out, texts[Item::ProductModelText]);
    *out++ = '\n';
    return out;
}

// The most a line takes: seventeen fields, each with its ";", and the line end.
std::size_t lineBytes(const Latin1Texts &texts)
{
    return texts.totalSize() + 2 * maxNumberBytes + 3 * 16 + 18;
}

// The lines of items[first, last) in blocks of their own, made on another
// thread while the lines before them are made and written.
std::vector<std::vector<char>> makeLines(const QList<Item *> &items, qsizetype first, qsizetype last)
{
    constexpr std::size_t blockSize = std::size_t(1) << 20;
    std::vector<std::vector<char>> blocks;
    std::size_t used = 0;
    for (qsizetype i = first; i < last; ++i) {
        Item::prefetchAhead(items, i);
        const Latin1Texts texts(*items.at(i));
        const std::size_t room = lineBytes(texts);
        if (blocks.empty() || used + room > blocks.back().size()) {
            if (!blocks.empty())
                blocks.back().resize(used);
            blocks.emplace_back(std::max(blockSize, room));
            used = 0;
        }
        used = std::size_t(putLine(blocks.back().data() + used, *items.at(i), texts) - blocks.back().data());
    }
    if (!blocks.empty())
        blocks.back().resize(used);
    return blocks;
}

} // namespace

bool DatabaseWriter::write(const QByteArray &header, const QList<Item *> &items, const ItemWritten &written)
{
    // A large register's second half is made on another thread; its lines
    // are written after the first half's, so the file is the same.
    constexpr qsizetype oneThreadMost = 50000;
    qsizetype firstHalf = items.size();
    std::future<std::vector<std::vector<char>>> secondHalf;
    if (items.size() > oneThreadMost) {
        try {
            secondHalf = std::async(std::launch::async, makeLines, std::cref(items), items.size() / 2, items.size());
            firstHalf = items.size() / 2;
        } catch (const std::system_error &) {
            // No thread to be had: every line is made here.
        }
    }
    // Declared after the second half: it goes first, waiting for the block
    // it writes from.
    std::vector<std::vector<char>> secondBlocks;
    LineBlock block(m_device);
    if (!block.reserve(std::size_t(header.size()) + 1))
        return false;
    char *out = block.end();
    std::memcpy(out, header.constData(), std::size_t(header.size()));
    out += header.size();
    *out++ = '\n';
    block.setEnd(out);

    for (qsizetype i = 0; i < firstHalf; ++i) {
        Item::prefetchAhead(items, i);
        const Item *item = items.at(i);
        const Latin1Texts texts(*item);
        if (!block.reserve(lineBytes(texts)))
            return false;
        block.setEnd(putLine(block.end(), *item, texts));
        if (written)
            written(*item);
    }
    if (secondHalf.valid()) {
        try {
            secondBlocks = secondHalf.get();
        } catch (const std::bad_alloc &) {
            return false; // no memory for the second half's lines: nothing is written
        }
        for (const std::vector<char> &bytes : secondBlocks) {
            if (!block.writeAfter(bytes.data(), bytes.size()))
                return false;
        }
        for (qsizetype i = firstHalf; written && i < items.size(); ++i)
            written(*items.at(i));
    }
    return block.finish();
}
