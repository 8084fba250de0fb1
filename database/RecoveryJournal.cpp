#include "database/RecoveryJournal.h"

#include "database/DatabaseWriter.h"
#include "database/Item.h"
#include "database/ItemSpan.h"

#include <QBuffer>
#include <QDateTime>

#include <memory>

namespace {

void putNumber(QByteArray &to, qint64 number)
{
    to += ' ';
    to += QByteArray::number(number);
}

// A text that may hold anything, a line break too: its length first.
void putText(QByteArray &to, const QByteArray &bytes)
{
    to += ' ';
    to += QByteArray::number(bytes.size());
    to += ':';
    to += bytes;
}

// An item line is the writer's, whatever the item holds; the writer never
// fails on memory.
QByteArray lineOf(const Item &item)
{
    // The writer takes a run of the collection's items; this is a run of one.
    const std::unique_ptr<Item> copy = std::make_unique<Item>(item);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    DatabaseWriter(buffer).write(QByteArray(), ItemSpan(&copy, 1));
    // The writer puts the header's line end first and the item's at the end.
    if (bytes.startsWith('\n'))
        bytes.remove(0, 1);
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    return bytes;
}

} // namespace

QByteArray RecoveryJournal::itemLine(const Item &item)
{
    return lineOf(item);
}

void RecoveryJournal::restart()
{
    m_blocks.clear();
    m_open.clear();
    m_steps = 0;
    m_lastChange = 0;
}

void RecoveryJournal::itemInserted(int index, const Item &item)
{
    m_open += 'I';
    putNumber(m_open, index);
    putText(m_open, lineOf(item));
    m_open += '\n';
}

void RecoveryJournal::itemRemoved(int index)
{
    m_open += 'R';
    putNumber(m_open, index);
    m_open += '\n';
}

void RecoveryJournal::itemChanged(int index, const Item &item)
{
    m_open += 'C';
    putNumber(m_open, index);
    putText(m_open, lineOf(item));
    m_open += '\n';
}

void RecoveryJournal::sorted(int method)
{
    QByteArray line("S");
    putNumber(line, method);
    line += '\n';
    // A sort between steps (a save's, an export's) is no step, but the
    // steps after it find the items in its order.
    if (m_open.isEmpty())
        m_blocks.append(line);
    else
        m_open += line;
}

void RecoveryJournal::listReplaced(int list, const QStringList &entries)
{
    m_open += 'L';
    putNumber(m_open, list);
    putNumber(m_open, entries.size());
    m_open += '\n';
    for (const QString &entry : entries) {
        putText(m_open, entry.toUtf8());
        m_open += '\n';
    }
}

void RecoveryJournal::listEntryRemoved(int list, int position)
{
    m_open += 'E';
    putNumber(m_open, list);
    putNumber(m_open, position);
    m_open += '\n';
}

void RecoveryJournal::listEntryInserted(int list, int position, const QString &name)
{
    m_open += 'N';
    putNumber(m_open, list);
    putNumber(m_open, position);
    putText(m_open, name.toUtf8());
    m_open += '\n';
}

void RecoveryJournal::stepEnded(const QString &text)
{
    m_open += 'T';
    putText(m_open, text.toUtf8());
    m_open += '\n';
    m_blocks.append(std::exchange(m_open, QByteArray()));
    ++m_steps;
    m_lastChange = QDateTime::currentMSecsSinceEpoch();
    if (m_listener)
        m_listener();
}
