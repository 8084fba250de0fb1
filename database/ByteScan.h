#pragma once

#include <bit>
#include <cstring>

#include <QtGlobal>

// The scan of the file's bytes for a few bytes that matter (the separator,
// line breaks, the zero byte): the reader looks for the end of each text and
// the storage check for bytes a text cannot hold, both over every byte of a
// large register. Eight bytes are looked at in one step.
namespace ByteScan {

// The first byte in [p, limit) that is one of Bytes, or null.
template <char... Bytes> inline const char *findFirst(const char *p, const char *const limit)
{
    if constexpr (std::endian::native == std::endian::little) {
        constexpr quint64 ones = 0x0101010101010101ULL;
        constexpr quint64 highs = 0x8080808080808080ULL;
        // Flags the zero bytes of v. The lowest byte flagged is always a zero
        // byte; bytes above it may be flagged wrongly.
        const auto zeroBytes = [](quint64 v) { return (v - ones) & ~v & highs; };
        for (; limit - p >= 8; p += 8) {
            quint64 word;
            std::memcpy(&word, p, sizeof word);
            if (const quint64 found = (zeroBytes(word ^ (ones * static_cast<unsigned char>(Bytes))) | ...))
                return p + std::countr_zero(found) / 8;
        }
    }
    for (; p < limit; ++p) {
        if (((*p == Bytes) || ...))
            return p;
    }
    return nullptr;
}

} // namespace ByteScan
