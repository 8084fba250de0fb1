#include "database/DatabaseWriter.h"

#include "database/AsyncBlockWriter.h"
#include "database/Item.h"
#include "database/ItemSpan.h"

#include <QFileDevice>
#include <QIODevice>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <optional>
#include <system_error>
#include <thread>
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
    for (qsizetype i = first; i < last; ++i) {
        Item::prefetchAhead(items, i);
        const Item &item = *items.at(i);
        const Latin1Texts texts(item);
        lines.setEnd(putLine(lines.reserve(lineBytes(texts)), item, texts));
    }
}

// Makes every other run of lines (runs 1, 3, 5, ...) on a thread of its own,
// a few runs ahead of the thread that writes them in order.
class OddRunMaker
{
public:
    OddRunMaker(const ItemSpan &items, qsizetype runCount)
        : m_items(items)
        , m_count(runCount / 2)
    { }
    ~OddRunMaker()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_changed.notify_all();
        if (m_thread.joinable())
            m_thread.join();
    }
    OddRunMaker(const OddRunMaker &) = delete;
    OddRunMaker &operator=(const OddRunMaker &) = delete;

    // False when no thread is to be had.
    bool start()
    {
        try {
            m_thread = std::thread([this] { work(); });
        } catch (const std::system_error &) {
            return false;
        }
        return true;
    }

    // The lines of odd run 2k+1, once made; null when there was no memory
    // for them. Taken in order, each after the one before was released.
    const Lines *take(qsizetype k)
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return m_made > k || m_failed; });
        return m_made > k ? &m_slots[std::size_t(k % slotCount)] : nullptr;
    }
    // Odd run 2k+1 is written: its buffer may take another run.
    void release(qsizetype k)
    {
        {
            const std::lock_guard lock(m_mutex);
            m_released = k + 1;
        }
        m_changed.notify_all();
    }

private:
    void work()
    {
        for (qsizetype k = 0; k < m_count; ++k) {
            {
                std::unique_lock lock(m_mutex);
                m_changed.wait(lock, [&] { return m_stop || k < m_released + slotCount; });
                if (m_stop)
                    return;
            }
            Lines &lines = m_slots[std::size_t(k % slotCount)];
            const qsizetype first = (2 * k + 1) * runItems;
            bool made = true;
            try {
                lines.clear();
                makeLines(m_items, first, std::min(first + runItems, m_items.size()), lines);
            } catch (const std::bad_alloc &) {
                made = false;
            }
            {
                const std::lock_guard lock(m_mutex);
                if (made)
                    m_made = k + 1;
                else
                    m_failed = true;
            }
            m_changed.notify_all();
            if (!made)
                return;
        }
    }

    static constexpr qsizetype slotCount = 3;

    const ItemSpan m_items;
    const qsizetype m_count;
    std::array<Lines, slotCount> m_slots;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    qsizetype m_made = 0;
    qsizetype m_released = 0;
    bool m_failed = false;
    bool m_stop = false;
    std::thread m_thread;
};

} // namespace

bool DatabaseWriter::write(const QByteArray &header, const ItemSpan &items, const ItemWritten &written)
{
    // The lines go out in runs, in order. A large register's odd runs are
    // made on another thread while this one makes the even runs and hands
    // every run, in order, to the thread that writes them.
    constexpr qsizetype oneThreadMost = 50000;
    const qsizetype runCount = std::max<qsizetype>(1, (items.size() + runItems - 1) / runItems);
    std::optional<OddRunMaker> oddRuns;
    if (items.size() > oneThreadMost) {
        oddRuns.emplace(items, runCount);
        if (!oddRuns->start())
            oddRuns.reset(); // no thread to be had: every run is made here
    }
    std::array<Lines, 2> own;
    // Declared after the buffers: it goes first, waiting for the one it
    // writes from.
    AsyncBlockWriter writer(m_device, [this](qint64 start, qint64 size) { startWriteback(m_device, start, size); });

    qsizetype ownRuns = 0;
    for (qsizetype run = 0; run < runCount; ++run) {
        const qsizetype first = run * runItems;
        const qsizetype last = std::min(first + runItems, items.size());
        const bool odd = oddRuns && run % 2 == 1;
        const Lines *lines = nullptr;
        if (odd) {
            lines = oddRuns->take(run / 2);
            if (!lines)
                return false; // no memory for those lines
        } else {
            Lines &mine = own[std::size_t(ownRuns++ % 2)];
            mine.clear();
            if (run == 0) {
                char *out = mine.reserve(std::size_t(header.size()) + 1);
                std::memcpy(out, header.constData(), std::size_t(header.size()));
                out += header.size();
                *out++ = '\n';
                mine.setEnd(out);
            }
            makeLines(items, first, last, mine);
            lines = &mine;
        }
        // Returns once the run before this one is written: when that was an
        // odd run, its buffer may take another.
        if (!writer.write(lines->data(), lines->size()))
            return false;
        if (oddRuns && !odd && run > 0)
            oddRuns->release((run - 1) / 2);
        for (qsizetype i = first; written && i < last; ++i)
            written(*items.at(i));
    }
    return writer.wait();
}
