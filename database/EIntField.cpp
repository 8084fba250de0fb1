#include "database/EIntField.h"

#include <charconv>
#include <climits>
#include <istream>
#include <ostream>

std::string EIntField::toString() const
{
    char text[16];
    const auto result = std::to_chars(text, text + sizeof text, m_value);
    return std::string(text, result.ptr);
}

std::istream &EIntField::read(std::istream &in)
{
    try {
        if (!beginExtraction(in))
            return in;
        constexpr int eof = std::char_traits<char>::eof();
        std::streambuf *buffer = in.rdbuf();
        int c = buffer->sgetc();
        bool negative = false;
        if (c == '-' || c == '+') {
            negative = c == '-';
            c = buffer->snextc();
        }
        // All digits are taken, as operator>> takes them; a value beyond the
        // range saturates and fails.
        long long magnitude = 0;
        bool anyDigit = false;
        bool overflow = false;
        while (c >= '0' && c <= '9') {
            anyDigit = true;
            if (!overflow) {
                magnitude = magnitude * 10 + (c - '0');
                overflow = magnitude > -static_cast<long long>(INT_MIN);
            }
            c = buffer->snextc();
        }
        std::ios::iostate state = std::ios::goodbit;
        if (c == eof)
            state |= std::ios::eofbit;
        if (!anyDigit) {
            m_value = 0;
            state |= std::ios::failbit;
        } else if (negative) {
            if (overflow) {
                m_value = INT_MIN;
                state |= std::ios::failbit;
            } else {
                m_value = static_cast<int>(-magnitude);
            }
        } else if (overflow || magnitude > INT_MAX) {
            m_value = INT_MAX;
            state |= std::ios::failbit;
        } else {
            m_value = static_cast<int>(magnitude);
        }
        if (state != std::ios::goodbit)
            in.setstate(state);
    } catch (...) {
        markBad(in);
    }
    return in;
}

std::ostream &EIntField::write(std::ostream &out) const
{
    char text[16];
    const auto result = std::to_chars(text, text + sizeof text, m_value);
    insert(out, text, std::size_t(result.ptr - text));
    return out;
}
