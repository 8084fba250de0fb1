#pragma once

#include <QtGlobal>

#include <functional>
#include <future>

class QIODevice;

// Hands blocks of bytes to a device on a thread of its own while the caller
// makes the next block, so that the time the system takes to copy the bytes
// into a file overlaps the time spent making them. One block is written at
// a time, in order; the device is used by one thread at a time.
//
// The device is not owned and must outlive the writer.
class AsyncBlockWriter
{
public:
    // afterBlock, when given, runs on the writing thread after each block,
    // with where the block starts among all bytes written and its size.
    using AfterBlock = std::function<void(qint64 start, qint64 size)>;
    explicit AsyncBlockWriter(QIODevice &device, AfterBlock afterBlock = {});
    // Waits for the block being written.
    ~AsyncBlockWriter();
    AsyncBlockWriter(const AsyncBlockWriter &) = delete;
    AsyncBlockWriter &operator=(const AsyncBlockWriter &) = delete;

    // Waits for the block before, then starts writing this one. The bytes
    // must stay as they are until the next write() or wait(). False (and
    // nothing started) once a block was not written whole.
    bool write(const char *data, qsizetype size);
    // Waits until every block is written; false when one was not written whole.
    bool wait();

private:
    bool writeWhole(const char *data, qsizetype size);

    QIODevice &m_device;
    AfterBlock m_afterBlock;
    // Bytes written so far; only the writing thread of the moment uses it.
    qint64 m_written = 0;
    std::future<bool> m_pending;
    bool m_failed = false;
};
