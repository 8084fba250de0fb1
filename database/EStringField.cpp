#include "database/EStringField.h"

#include <cstring>
#include <istream>
#include <ostream>

std::istream &EStringField::read(std::istream &in)
{
    try {
        constexpr int eof = std::char_traits<char>::eof();
        // Unformatted: a stream that is not good takes nothing and fails.
        if (!in.good()) {
            in.setstate(std::ios::failbit);
            m_value.clear();
            return in;
        }
        std::streambuf *buffer = in.rdbuf();
        char text[MaxLength + 1];
        int taken = 0;
        int c = buffer->sgetc();
        if (m_mode == Delimited) {
            const int delimiter = std::char_traits<char>::to_int_type(m_delimiter);
            if (c == delimiter) {
                m_value.clear();
                return in;
            }
            if (c == eof) {
                in.setstate(std::ios::eofbit | std::ios::failbit);
            } else if (buffer->in_avail() > 0) {
                // A buffered stream: getline searches the buffer in blocks.
                // It takes the delimiter too, which goes straight back: the
                // byte was just read from the buffer, which can return it.
                in.getline(text, MaxLength + 1, m_delimiter);
                taken = int(in.gcount());
                const std::ios::iostate state = in.rdstate();
                if (state & std::ios::eofbit) {
                    // The input ended inside the text: keep what was read.
                    // After MaxLength bytes getline has looked one byte
                    // further than a text field does: that end is not yet met.
                    if (taken == MaxLength)
                        in.clear(state & ~std::ios::eofbit);
                } else if (state & std::ios::failbit) {
                    // MaxLength bytes without a delimiter: the rest stays.
                    in.clear(state & ~std::ios::failbit);
                } else {
                    --taken;
                    if (std::char_traits<char>::eq_int_type(buffer->sputbackc(m_delimiter), eof))
                        in.setstate(std::ios::badbit);
                }
            } else {
                while (taken < MaxLength && c != eof && c != delimiter) {
                    text[taken++] = char(c);
                    c = buffer->snextc();
                }
                if (c == eof && taken < MaxLength)
                    in.setstate(std::ios::eofbit);
            }
        } else {
            taken = int(buffer->sgetn(text, m_length));
            if (taken < m_length)
                in.setstate(std::ios::eofbit | std::ios::failbit);
        }
        // The value ends at its first zero byte, as a C string would.
        const void *zero = std::memchr(text, 0, std::size_t(taken));
        const std::size_t size = zero ? std::size_t(static_cast<const char *>(zero) - text) : std::size_t(taken);
        m_value.assign(text, size);
    } catch (...) {
        markBad(in);
    }
    return in;
}

std::ostream &EStringField::write(std::ostream &out) const
{
    insert(out, m_value.data(), m_value.size());
    return out;
}
