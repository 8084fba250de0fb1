#include "database/ECharField.h"

#include <istream>
#include <ostream>

std::istream &ECharField::read(std::istream &in)
{
    try {
        if (beginExtraction(in))
            m_value = std::char_traits<char>::to_char_type(in.rdbuf()->sbumpc());
    } catch (...) {
        markBad(in);
    }
    return in;
}

std::ostream &ECharField::write(std::ostream &out) const
{
    insert(out, &m_value, 1);
    return out;
}
