#include "database/DatabaseWriter.h"

#include "core/MemoryShortage.h"
#include "core/Parallel.h"
#include "database/ContentHash.h"
#include "database/Item.h"
#include "database/ItemSpan.h"

#include <QFileDevice>
#include <QIODevice>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <memory>
#include <utility>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#endif

namespace {

// The lines of a run of items, in a buffer kept from run to run: made once,
// its memory is reused instead of asked from the system for every run.
class Lines
{
public:
    void clear() { m_used = 0; }
    // Where the next bytes go, with room for at least bytes more.
    char *reserve(std::size_t bytes)
    {
        if (m_capacity - m_used < bytes) {
            const std::size_t capacity = std::max({ 2 * m_capacity, m_used + bytes, std::size_t(1) << 20 });
            // Not zeroed: every byte is written before it is read.
            std::unique_ptr<char[]> grown(new char[capacity]);
            if (m_used > 0)
                std::memcpy(grown.get(), m_bytes.get(), m_used);
            m_bytes = std::move(grown);
            m_capacity = capacity;
        }
        return m_bytes.get() + m_used;
    }
    void setEnd(const char *end) { m_used = std::size_t(end - m_bytes.get()); }
    const char *data() const { return m_bytes.get(); }
    qsizetype size() const { return qsizetype(m_used); }

private:
    std::unique_ptr<char[]> m_bytes;
    std::size_t m_capacity = 0;
    std::size_t m_used = 0;
};

// Asks the system to start writing each block to the disk as it comes. A
// save ends by waiting until the file is on the disk; this lets the disk
// work while the next blocks are made, instead of all of it at the end.
void startWriteback(
    [[maybe_unused]] const QIODevice &device, [[maybe_unused]] qint64 start, [[maybe_unused]] qint64 size)
{
#ifdef Q_OS_LINUX
    // The blocks are the whole file in order: their places are the file's.
    if (const auto *file = qobject_cast<const QFileDevice *>(&device); file && file->handle() >= 0)
        sync_file_range(file->handle(), start, size, SYNC_FILE_RANGE_WRITE);
#endif
}

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

// Items per run of lines: about a megabyte of lines.
constexpr qsizetype runItems = 4096;

// Adds the lines of items[first, last) to lines.
void makeLines(const ItemSpan &items, qsizetype first, qsizetype last, Lines &lines)
{
    MemoryShortage::pass(MemoryShortage::SaveLines);
    for (qsizetype i = first; i < last; ++i) {
        Item::prefetchAhead(items, i);
        const Item &item = *items.at(i);
        const Latin1Texts texts(item);
        lines.setEnd(putLine(lines.reserve(lineBytes(texts)), item, texts));
    }
}

// Gives the lines to the device whole, counting the bytes written; false
// when the device took less. A device may take part of a block (a disk
// filling up); offering it the rest makes it report why it takes no more.
bool writeWhole(QIODevice &device, const Lines &lines, qint64 &offset)
{
    const char *data = lines.data();
    qint64 size = lines.size();
    const qint64 start = offset;
    while (size > 0) {
        const qint64 written = device.write(data, size);
        if (written <= 0)
            return false;
        data += written;
        size -= written;
        offset += written;
    }
    if (lines.size() > 0)
        startWriteback(device, start, lines.size());
    return true;
}

} // namespace

bool DatabaseWriter::write(const QByteArray &header, const ItemSpan &items, const ItemWritten &written)
{
    // The lines go out in steps of two runs, in order. While one step's
    // lines are written, the next step's are made, its two runs at once;
    // a small register's all on this thread (Parallel). The two threads
    // that make the lines also hash the step being written, a run each
    // once its next run is made (ContentHash::wholeBlocks): the thread that
    // writes only writes, and the hash is taken in order after the step.
    const qsizetype total = items.size();
    constexpr qsizetype stepItems = 2 * runItems;
    const qsizetype steps = std::max<qsizetype>(1, (total + stepItems - 1) / stepItems);
    using StepLines = std::array<Lines, 2>;
    using StepHashes = std::array<ContentHash::WholeBlocks, 2>;
    std::array<StepLines, 2> buffers;
    // Makes the lines of step into lines (none when step is -1) and hashes
    // the lines of a step already made, at offset in the file (none when null).
    const auto make
        = [&](qsizetype step, StepLines &lines, const StepLines *toHash, qint64 offset, StepHashes &hashes) {
              const qsizetype first = step * stepItems;
              const qsizetype middle = std::min(first + runItems, total);
              const qsizetype last = std::min(first + stepItems, total);
              if (step >= 0) {
                  lines[0].clear();
                  lines[1].clear();
              }
              const auto hash = [&](std::size_t run, qint64 at) {
                  if (toHash)
                      hashes[run] = ContentHash::wholeBlocks((*toHash)[run].data(), (*toHash)[run].size(), at);
              };
              Parallel::run(
                  total,
                  [&] {
                      if (step == 0) {
                          char *out = lines[0].reserve(std::size_t(header.size()) + 1);
                          std::memcpy(out, header.constData(), std::size_t(header.size()));
                          out += header.size();
                          *out++ = '\n';
                          lines[0].setEnd(out);
                      }
                      if (step >= 0)
                          makeLines(items, first, middle, lines[0]);
                      hash(0, offset);
                  },
                  [&] {
                      if (step >= 0)
                          makeLines(items, middle, last, lines[1]);
                      hash(1, toHash ? offset + (*toHash)[0].size() : 0);
                  });
          };

    qint64 offset = 0;
    StepHashes unused;
    make(0, buffers[0], nullptr, 0, unused);
    for (qsizetype step = 0; step < steps; ++step) {
        const bool more = step + 1 < steps;
        const StepLines &lines = buffers[std::size_t(step % 2)];
        const qint64 start = offset;
        StepHashes hashes;
        bool put = false;
        Parallel::run(
            more || m_hash ? total : 0,
            [&] {
                if (more || m_hash) {
                    make(more ? step + 1 : -1, buffers[std::size_t((step + 1) % 2)], m_hash ? &lines : nullptr, start,
                        hashes);
                }
            },
            [&] { put = writeWhole(m_device, lines[0], offset) && writeWhole(m_device, lines[1], offset); });
        if (!put)
            return false;
        if (m_hash) {
            m_hash->add(lines[0].data(), lines[0].size(), hashes[0]);
            m_hash->add(lines[1].data(), lines[1].size(), hashes[1]);
        }
        const qsizetype last = std::min((step + 1) * stepItems, total);
        for (qsizetype i = step * stepItems; written && i < last; ++i)
            written(*items.at(i));
    }
    return true;
}
