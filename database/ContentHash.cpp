#include "database/ContentHash.h"

#include "core/Parallel.h"

#include <QHash>

#include <algorithm>

namespace {

// The seeds are never 0: with a seed, the hash takes the processor's AES
// instructions where it has them, several times as fast as without.
constexpr quint64 blockSeed = 0x9e3779b97f4a7c15ULL;
constexpr quint64 wholeSeed = 0xc2b2ae3d27d4eb4fULL;

// Work counts in lines of about this many bytes, as a file's reading does.
constexpr qsizetype bytesPerLine = 128;

} // namespace

quint64 ContentHash::ofBlock(const char *data, qsizetype size, qsizetype index)
{
    const size_t seed = size_t(blockSeed + quint64(index)) | 1;
    return quint64(qHashBits(data, size_t(size), seed));
}

quint64 ContentHash::combine(const std::vector<quint64> &blocks, qint64 size)
{
    std::vector<quint64> all(blocks);
    all.push_back(quint64(size));
    return quint64(qHashBits(all.data(), all.size() * sizeof(quint64), size_t(wholeSeed)));
}

void ContentHash::add(const char *data, qsizetype size)
{
    if (size <= 0)
        return;
    m_size += size;
    if (!m_partial.isEmpty()) {
        const qsizetype taken = std::min(size, blockSize - m_partial.size());
        m_partial.append(data, taken);
        data += taken;
        size -= taken;
        if (m_partial.size() < blockSize)
            return;
        m_blocks.push_back(ofBlock(m_partial.constData(), blockSize, qsizetype(m_blocks.size())));
        m_partial.resize(0);
    }
    for (; size >= blockSize; data += blockSize, size -= blockSize)
        m_blocks.push_back(ofBlock(data, blockSize, qsizetype(m_blocks.size())));
    if (size > 0)
        m_partial.append(data, size);
}

ContentHash::WholeBlocks ContentHash::wholeBlocks(const char *data, qsizetype size, qint64 offset)
{
    WholeBlocks whole;
    whole.offset = offset;
    whole.size = size;
    // The first block that begins in the piece, and how far in.
    const qint64 first = (offset + blockSize - 1) / blockSize;
    const qsizetype head = qsizetype(first * blockSize - offset);
    if (size - head < blockSize)
        return whole;
    const qsizetype count = (size - head) / blockSize;
    whole.hashes.resize(std::size_t(count));
    for (qsizetype i = 0; i < count; ++i)
        whole.hashes[std::size_t(i)] = ofBlock(data + head + i * blockSize, blockSize, qsizetype(first + i));
    return whole;
}

void ContentHash::add(const char *data, qsizetype size, const WholeBlocks &whole)
{
    // Hashes made of other bytes, or for another place in the file, would
    // give a hash of no file at all: such a piece is hashed here instead.
    if (whole.hashes.empty() || whole.offset != m_size || whole.size != size) {
        add(data, size);
        return;
    }
    // The bytes before the first whole block end the block begun before.
    const qsizetype head = qsizetype((m_size + blockSize - 1) / blockSize * blockSize - m_size);
    add(data, head);
    m_blocks.insert(m_blocks.end(), whole.hashes.begin(), whole.hashes.end());
    const qsizetype hashed = qsizetype(whole.hashes.size()) * blockSize;
    m_size += hashed;
    add(data + head + hashed, size - head - hashed);
}

quint64 ContentHash::result() const
{
    if (m_partial.isEmpty())
        return combine(m_blocks, m_size);
    std::vector<quint64> blocks(m_blocks);
    blocks.push_back(ofBlock(m_partial.constData(), m_partial.size(), qsizetype(blocks.size())));
    return combine(blocks, m_size);
}

quint64 ContentHash::of(QByteArrayView bytes)
{
    const qsizetype count = (bytes.size() + blockSize - 1) / blockSize;
    std::vector<quint64> blocks(std::size_t(count), 0);
    const auto hash = [&](qsizetype from, qsizetype to) {
        for (qsizetype i = from; i < to; ++i) {
            const qsizetype start = i * blockSize;
            blocks[std::size_t(i)] = ofBlock(bytes.data() + start, std::min(blockSize, bytes.size() - start), i);
        }
    };
    // A large file's blocks in two halves at once.
    Parallel::run(
        bytes.size() / bytesPerLine, [&] { hash(0, count / 2); }, [&] { hash(count / 2, count); });
    return combine(blocks, bytes.size());
}
