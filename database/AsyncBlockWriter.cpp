#include "database/AsyncBlockWriter.h"

#include <QIODevice>

#include <system_error>

AsyncBlockWriter::AsyncBlockWriter(QIODevice &device, AfterBlock afterBlock)
    : m_device(device)
    , m_afterBlock(std::move(afterBlock))
{ }

AsyncBlockWriter::~AsyncBlockWriter()
{
    if (m_pending.valid())
        m_pending.wait();
}

bool AsyncBlockWriter::write(const char *data, qsizetype size)
{
    if (!wait())
        return false;
    try {
        m_pending = std::async(std::launch::async, [this, data, size] { return writeWhole(data, size); });
    } catch (const std::system_error &) {
        // No thread to be had: the block is written here and now.
        m_failed = !writeWhole(data, size);
    }
    return !m_failed;
}

bool AsyncBlockWriter::wait()
{
    if (m_pending.valid() && !m_pending.get())
        m_failed = true;
    return !m_failed;
}

bool AsyncBlockWriter::writeWhole(const char *data, qsizetype size)
{
    // A device may take part of a block (a disk filling up); offering it the
    // rest makes it report why it takes no more.
    const qint64 start = m_written;
    const qint64 blockSize = size;
    while (size > 0) {
        const qint64 written = m_device.write(data, size);
        if (written <= 0)
            return false;
        data += written;
        size -= written;
        m_written += written;
    }
    if (m_afterBlock && blockSize > 0)
        m_afterBlock(start, blockSize);
    return true;
}
