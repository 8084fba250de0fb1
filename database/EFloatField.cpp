#include "database/EFloatField.h"

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <istream>
#include <limits>
#include <ostream>

namespace {

// The characters of one number as they are taken from the stream. Held on the
// stack; only an absurdly long number spills into the heap.
class NumberText
{
public:
    void push(char c)
    {
        if (m_size < sizeof m_local)
            m_local[m_size] = c;
        else {
            if (m_heap.empty())
                m_heap.assign(m_local, m_size);
            m_heap.push_back(c);
        }
        ++m_size;
    }
    const char *data() const { return m_size <= sizeof m_local ? m_local : m_heap.data(); }
    std::size_t size() const { return m_size; }

private:
    char m_local[96];
    std::size_t m_size = 0;
    std::string m_heap;
};

} // namespace

std::size_t EFloatField::format(char *text, std::size_t capacity) const
{
    // "%*.*lf": a negative precision means the default 6, a negative width
    // means left-justified.
    const int precision = m_precision < 0 ? 6 : m_precision;
    const std::size_t width = m_width < 0 ? std::size_t(-static_cast<long long>(m_width)) : std::size_t(m_width);
    const bool leftJustified = m_width < 0;
    const auto result = std::to_chars(text, text + capacity, m_value, std::chars_format::fixed, precision);
    if (result.ec != std::errc())
        return 0;
    std::size_t length = std::size_t(result.ptr - text);
    if (length < width) {
        if (width > capacity)
            return 0;
        const std::size_t padding = width - length;
        if (leftJustified) {
            std::memset(text + length, ' ', padding);
        } else {
            std::memmove(text + padding, text, length);
            std::memset(text, ' ', padding);
        }
        length = width;
    }
    return length;
}

std::string EFloatField::toString() const
{
    char local[128];
    if (const std::size_t length = format(local, sizeof local))
        return std::string(local, length);
    std::string text(std::size_t(400) + std::size_t(std::abs(m_precision)) + std::size_t(std::abs(m_width)), '\0');
    text.resize(format(text.data(), text.size()));
    return text;
}

std::istream &EFloatField::read(std::istream &in)
{
    try {
        if (!beginExtraction(in))
            return in;
        constexpr int eof = std::char_traits<char>::eof();
        std::streambuf *buffer = in.rdbuf();
        NumberText text;
        int c = buffer->sgetc();
        // The same grammar operator>> accepts in the classic locale.
        if (c == '+' || c == '-') {
            if (c == '-')
                text.push('-');
            c = buffer->snextc();
        }
        bool mantissa = false;
        bool decimalPoint = false;
        bool exponent = false;
        bool exponentDigits = false;
        while (c != eof) {
            if (c >= '0' && c <= '9') {
                text.push(char(c));
                if (exponent)
                    exponentDigits = true;
                else
                    mantissa = true;
            } else if (c == '.' && !decimalPoint && !exponent) {
                text.push('.');
                decimalPoint = true;
            } else if ((c == 'e' || c == 'E') && !exponent && mantissa) {
                text.push('e');
                exponent = true;
                c = buffer->snextc();
                if (c == '+' || c == '-')
                    text.push(char(c));
                else
                    continue;
            } else {
                break;
            }
            c = buffer->snextc();
        }

        std::ios::iostate state = c == eof ? std::ios::eofbit : std::ios::goodbit;
        double value = 0.0;
        const char *first = text.data();
        const char *last = first + text.size();
        const auto result = std::from_chars(first, last, value, std::chars_format::general);
        if (text.size() == 0 || result.ptr != last) {
            // Nothing usable, or a dangling point or exponent: operator>> gives 0.
            m_value = 0.0;
            state |= std::ios::failbit;
        } else if (result.ec == std::errc::result_out_of_range) {
            // Too large saturates and fails; too small is simply zero.
            const bool negative = first[0] == '-';
            const char *e = static_cast<const char *>(std::memchr(first, 'e', text.size()));
            bool tooLarge;
            if (e && exponentDigits)
                tooLarge = e[1] != '-';
            else
                tooLarge = first[negative ? 1 : 0] != '0' && first[negative ? 1 : 0] != '.';
            if (tooLarge) {
                m_value = negative ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
                state |= std::ios::failbit;
            } else {
                m_value = negative ? -0.0 : 0.0;
            }
        } else {
            m_value = value;
        }
        if (state != std::ios::goodbit)
            in.setstate(state);
    } catch (...) {
        markBad(in);
    }
    return in;
}

std::ostream &EFloatField::write(std::ostream &out) const
{
    char local[128];
    if (const std::size_t length = format(local, sizeof local)) {
        insert(out, local, length);
    } else {
        const std::string text = toString();
        insert(out, text.data(), text.size());
    }
    return out;
}
