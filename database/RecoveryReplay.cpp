#include "database/RecoveryReplay.h"

#include "database/CollectionStep.h"
#include "database/DBItemCollection.h"
#include "database/DatabaseFile.h"
#include "database/DatabaseReader.h"
#include "database/Item.h"

#include <charconv>
#include <limits>
#include <new>
#include <utility>

namespace {

// Reads the journal's lines: a letter, numbers and texts, each after one
// blank, a text with its length first.
class Cursor
{
public:
    explicit Cursor(const QByteArray &text)
        : m_at(text.constData())
        , m_end(text.constData() + text.size())
    { }

    bool atEnd() const { return m_at == m_end; }
    char kind() { return m_at < m_end ? *m_at++ : '\0'; }
    bool number(qint64 &value)
    {
        if (!blank())
            return false;
        const auto [next, error] = std::from_chars(m_at, m_end, value);
        if (error != std::errc() || next == m_at)
            return false;
        m_at = next;
        return true;
    }
    bool number(int &value)
    {
        qint64 wide = 0;
        if (!number(wide) || wide < std::numeric_limits<int>::min() || wide > std::numeric_limits<int>::max())
            return false;
        value = int(wide);
        return true;
    }
    bool text(QByteArray &bytes)
    {
        qint64 length = 0;
        if (!number(length) || length < 0 || m_at == m_end || *m_at != ':' || length > m_end - m_at - 1)
            return false;
        ++m_at;
        bytes = QByteArray(m_at, qsizetype(length));
        m_at += length;
        return true;
    }
    bool lineEnd()
    {
        if (m_at == m_end || *m_at != '\n')
            return false;
        ++m_at;
        return true;
    }

private:
    bool blank()
    {
        if (m_at == m_end || *m_at != ' ')
            return false;
        ++m_at;
        return true;
    }
    const char *m_at;
    const char *m_end;
};

} // namespace

RecoveryReplay::RecoveryReplay() = default;
RecoveryReplay::~RecoveryReplay() = default;

bool RecoveryReplay::read(const QByteArray &text, QString *error)
{
    m_changes.clear();
    m_items.clear();
    m_steps = 0;
    // The item lines, read afterwards in one pass as a database file.
    QByteArray lines = DatabaseFile::headerLine() + '\n';
    int itemLines = 0;
    const auto fail = [&](qsizetype change) {
        if (error)
            *error = tr("ændring nr. %1 kan ikke læses").arg(change + 1);
        m_changes.clear();
        return false;
    };

    Cursor cursor(text);
    while (!cursor.atEnd()) {
        Change change;
        change.kind = cursor.kind();
        bool read = false;
        QByteArray bytes;
        switch (change.kind) {
        case 'I':
        case 'C':
            read = cursor.number(change.first) && cursor.text(bytes) && !bytes.contains('\n') && cursor.lineEnd();
            if (read) {
                lines += bytes + '\n';
                change.item = itemLines++;
            }
            break;
        case 'R':
        case 'S':
            read = cursor.number(change.first) && cursor.lineEnd();
            break;
        case 'E':
            read = cursor.number(change.first) && cursor.number(change.second) && cursor.lineEnd();
            break;
        case 'N':
            read
                = cursor.number(change.first) && cursor.number(change.second) && cursor.text(bytes) && cursor.lineEnd();
            change.text = QString::fromUtf8(bytes);
            break;
        case 'L': {
            int count = 0;
            read = cursor.number(change.first) && cursor.number(count) && count >= 0 && cursor.lineEnd();
            for (int i = 0; read && i < count; ++i) {
                read = cursor.text(bytes) && cursor.lineEnd();
                change.entries.append(QString::fromUtf8(bytes));
            }
            break;
        }
        case 'T':
            read = cursor.text(bytes) && cursor.lineEnd();
            change.text = QString::fromUtf8(bytes);
            ++m_steps;
            break;
        default:
            break;
        }
        if (!read)
            return fail(qsizetype(m_changes.size()));
        m_changes.push_back(std::move(change));
    }

    try {
        DatabaseReader reader(lines);
        reader.readHeader();
        m_items.reserve(std::size_t(itemLines));
        while (int(m_items.size()) < itemLines) {
            std::unique_ptr<Item> item = reader.readItem();
            if (!item)
                break;
            m_items.push_back(std::move(item));
        }
    } catch (const std::bad_alloc &) {
        m_items.clear();
    }
    if (int(m_items.size()) != itemLines) {
        if (error)
            *error = tr("en vare kan ikke læses");
        m_changes.clear();
        m_items.clear();
        return false;
    }
    return true;
}

bool RecoveryReplay::fits(const DBItemCollection &collection, QString *error) const
{
    // The count of items and of each list's entries, as the changes leave them.
    qint64 count = collection.count();
    qint64 entries[] = { collection.namedList(DBItemCollection::GroupList).size(),
        collection.namedList(DBItemCollection::LocationList).size(),
        collection.namedList(DBItemCollection::SupplierList).size() };
    const auto validList
        = [](int list) { return list >= DBItemCollection::GroupList && list <= DBItemCollection::SupplierList; };
    for (std::size_t i = 0; i < m_changes.size(); ++i) {
        const Change &change = m_changes[i];
        bool fit = true;
        switch (change.kind) {
        case 'I':
            fit = change.first >= 0 && change.first <= count;
            ++count;
            break;
        case 'R':
            fit = change.first >= 0 && change.first < count;
            --count;
            break;
        case 'C':
            fit = change.first >= 0 && change.first < count;
            break;
        case 'L':
            fit = validList(change.first);
            if (fit)
                entries[change.first - 1] = change.entries.size();
            break;
        case 'E':
            fit = validList(change.first) && change.second >= 0 && change.second < entries[change.first - 1];
            if (fit)
                --entries[change.first - 1];
            break;
        case 'N':
            fit = validList(change.first) && change.second >= 0 && change.second <= entries[change.first - 1];
            if (fit)
                ++entries[change.first - 1];
            break;
        default:
            break;
        }
        if (!fit) {
            if (error)
                *error = tr("ændring nr. %1 passer ikke til databasen").arg(i + 1);
            return false;
        }
    }
    return true;
}

bool RecoveryReplay::apply(DBItemCollection &collection, const QString &stepText, QString *error)
{
    if (!fits(collection, error))
        return false;
    CollectionStep step(collection, stepText);
    for (std::size_t i = 0; i < m_changes.size(); ++i) {
        Change &change = m_changes[i];
        bool applied = true;
        switch (change.kind) {
        case 'I':
            collection.insert(change.first, std::move(m_items[std::size_t(change.item)]));
            break;
        case 'R':
            collection.deleteItem(collection.at(change.first));
            break;
        case 'C': {
            Item *item = collection.at(change.first);
            collection.aboutToChange(item);
            *item = *m_items[std::size_t(change.item)];
            collection.itemWasChanged(item);
            break;
        }
        case 'S':
            collection.sort(change.first);
            break;
        case 'L':
            collection.setListEntries(DBItemCollection::NamedList(change.first), change.entries);
            break;
        case 'E':
            applied = collection.removeListEntry(DBItemCollection::NamedList(change.first), change.second);
            break;
        case 'N':
            applied = collection.insertListEntry(DBItemCollection::NamedList(change.first), change.second, change.text);
            break;
        default:
            break;
        }
        if (!applied) {
            // The changes before it are made; the caller decides what then.
            if (error)
                *error = tr("ændring nr. %1 passer ikke til databasen").arg(i + 1);
            m_changes.clear();
            m_items.clear();
            return false;
        }
    }
    m_changes.clear();
    m_items.clear();
    return true;
}
