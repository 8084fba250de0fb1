#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <iosfwd>
#include <memory>
#include <vector>

class Item;
class MemoryBuffer;
struct LineValues;
struct ReadFields;
struct Step;

// Reads the lines of a database file held in memory, one at a time: a header
// line ("#" first) sets the format level and the fields that follow in every
// data line; a data line becomes an item. The reader knows nothing of the
// collection, the lock or the user: the caller decides what each line means
// for them.
class DatabaseReader
{
public:
    // The format level of a file without a header line.
    static constexpr int levelNoHeader = 100;

    struct Header
    {
        // The header line without blanks around it, for the event log.
        QString text;
        // False when the header belongs to another edition.
        bool accepted = true;
    };

    // The bytes must outlive the reader. Plain lines are read straight from
    // the bytes unless quickLines is false; the items are the same either
    // way (the tests compare the two).
    explicit DatabaseReader(const QByteArray &bytes, bool quickLines = true);
    ~DatabaseReader();
    DatabaseReader(const DatabaseReader &) = delete;
    DatabaseReader &operator=(const DatabaseReader &) = delete;

    // How many lines the bytes hold at most, to reserve room for the items.
    qsizetype lineCountEstimate() const;

    bool atEnd() const;
    bool atHeader() const;
    Header readHeader();
    // The item of the next data line. Null at the end of the items (only
    // blanks remain) and when the line cannot be read; failed() tells which.
    std::unique_ptr<Item> readItem();
    // Reads the plain data lines from here on, up to a header line, a line
    // that is not plain or the end, and hands their items to take, in
    // order, on this thread; readItem() reads on from there. A large file's
    // second half is read on another thread meanwhile. The first readItem()
    // does this (keeping the items) unless it was done before.
    void readPlainItems(const std::function<void(std::unique_ptr<Item>)> &take);
    bool failed() const { return !m_failure.isEmpty(); }
    // Why the last line could not be read, as the field list words it.
    QString failureMessage() const { return m_failure; }

    int formatLevel() const { return m_level; }
    // How many of the bytes have been read.
    qsizetype position() const;

private:
    bool readPlainLine(LineValues &values);
    LineValues valuesOfFields() const;
    static std::unique_ptr<Item> makeItem(const LineValues &values, int level);
    static const char *parsePlainLines(const char *p, const char *limit, const char *end, const std::vector<Step> &plan,
        int level, std::vector<std::unique_ptr<Item>> &items);

    const QByteArray &m_bytes;
    std::size_t m_skipped = 0;
    std::unique_ptr<ReadFields> m_fields;
    std::unique_ptr<MemoryBuffer> m_buffer;
    std::unique_ptr<std::istream> m_in;
    int m_level = levelNoHeader;
    bool m_quickLines = true;
    mutable qsizetype m_lineCountEstimate = -1;
    // The plain lines read ahead: a large file's are read in two halves at
    // once. Their items wait here.
    bool m_readAheadTried = false;
    std::vector<std::unique_ptr<Item>> m_ready;
    std::size_t m_readyNext = 0;
    QString m_failure;
};
