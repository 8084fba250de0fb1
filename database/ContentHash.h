#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

#include <vector>

// A fast hash of a file's bytes, to tell whether two versions of a file have
// the same contents. The bytes count in blocks of a fixed size from the start
// of the file, each hashed on its own, so that the hash is the same whether
// the bytes come in one piece (a file read whole) or in pieces of any size
// (a file as it is written), and the blocks of a large file in memory can be
// hashed in two halves at once. The blocks are small, so that little of what
// comes in pieces is copied to make whole blocks.
//
// The hash is the process's own (it may differ from machine to machine): it
// is compared only with hashes made in the same run, never stored.
class ContentHash
{
public:
    static constexpr qsizetype blockSize = qsizetype(1) << 16;

    // Takes the next bytes of the file.
    void add(const char *data, qsizetype size);
    void add(QByteArrayView bytes) { add(bytes.data(), bytes.size()); }
    // The hash of all bytes taken so far.
    quint64 result() const;
    qint64 size() const { return m_size; }

    // The hash of bytes as one whole file.
    static quint64 of(QByteArrayView bytes);

    // For a reader that hashes the blocks itself as they come in: the hash
    // of the block at index (the last one may be short), and the file's hash
    // from the hashes of all its blocks, in order.
    static quint64 ofBlock(const char *data, qsizetype size, qsizetype index);
    static quint64 combine(const std::vector<quint64> &blocks, qint64 size);

    // For a writer that hashes its pieces on other threads than the one
    // that adds them: the hashes of the blocks that lie whole in one piece
    // of the file, the piece that starts offset bytes into it. Made on any
    // thread, for several pieces at once; add(data, size, whole) then takes
    // the piece in its place in the file.
    struct WholeBlocks
    {
        qint64 offset = 0;
        qsizetype size = 0;
        std::vector<quint64> hashes;
    };
    static WholeBlocks wholeBlocks(const char *data, qsizetype size, qint64 offset);
    // As add(data, size), taking the hashes of the piece's whole blocks from
    // whole (made of these bytes at offset size()) instead of making them.
    void add(const char *data, qsizetype size, const WholeBlocks &whole);

private:
    std::vector<quint64> m_blocks;
    // The start of a block not yet whole.
    QByteArray m_partial;
    qint64 m_size = 0;
};
