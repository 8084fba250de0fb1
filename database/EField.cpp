#include "database/EField.h"

#include <istream>
#include <ostream>

bool EField::beginExtraction(std::istream &in)
{
    if (!in.good()) {
        in.setstate(std::ios::failbit);
        return false;
    }
    if (std::ostream *tied = in.tie())
        tied->flush();
    std::streambuf *buffer = in.rdbuf();
    int c = buffer->sgetc();
    if (in.flags() & std::ios::skipws) {
        while (c != std::char_traits<char>::eof() && isSpace(c))
            c = buffer->snextc();
    }
    if (c == std::char_traits<char>::eof()) {
        in.setstate(std::ios::eofbit | std::ios::failbit);
        return false;
    }
    return true;
}

void EField::insert(std::ostream &out, const char *bytes, std::size_t size)
{
    if (!out.good()) {
        out.setstate(std::ios::failbit);
        return;
    }
    if (std::ostream *tied = out.tie())
        tied->flush();
    bool ok = true;
    try {
        std::streambuf *buffer = out.rdbuf();
        const std::streamsize width = out.width();
        const std::streamsize padding = width > std::streamsize(size) ? width - std::streamsize(size) : 0;
        const bool padLeft = (out.flags() & std::ios::adjustfield) != std::ios::left;
        const auto pad = [&] {
            for (std::streamsize i = 0; ok && i < padding; ++i)
                ok = buffer->sputc(out.fill()) != std::char_traits<char>::eof();
        };
        if (padLeft)
            pad();
        if (ok) {
            if (size == 1)
                ok = buffer->sputc(bytes[0]) != std::char_traits<char>::eof();
            else if (size > 0)
                ok = buffer->sputn(bytes, std::streamsize(size)) == std::streamsize(size);
        }
        if (!padLeft)
            pad();
    } catch (...) {
        out.width(0);
        markBad(out);
        return;
    }
    out.width(0);
    if (!ok)
        out.setstate(std::ios::badbit);
    else if (out.flags() & std::ios::unitbuf)
        out.flush();
}

void EField::markBad(std::ios &stream)
{
    if (stream.exceptions() & std::ios::badbit) {
        try {
            stream.setstate(std::ios::badbit);
        } catch (...) { }
        throw;
    }
    stream.setstate(std::ios::badbit);
}
