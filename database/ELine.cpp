#include "database/ELine.h"

#include <istream>
#include <ostream>

#include "database/EField.h"
#include "database/EFieldException.h"
#include "database/ELineException.h"

std::istream &ELine::read(std::istream &in)
{
    const std::size_t count = m_fields.size();
    for (std::size_t i = 0; i < count; ++i) {
        m_fields[i]->read(in);
        if (!in.good()) {
            const EFieldException cause(EFieldException::codeOf(in.rdstate()), m_fields[i]->name());
            throw ELineException(cause, int(i), m_lineCount);
        }
    }
    ++m_lineCount;
    return in;
}

std::ostream &ELine::write(std::ostream &out)
{
    const std::size_t count = m_fields.size();
    for (std::size_t i = 0; i < count; ++i) {
        m_fields[i]->write(out);
        if (out.rdstate() & (std::ios::failbit | std::ios::badbit)) {
            const EFieldException cause(EFieldException::codeOf(out.rdstate(), false), m_fields[i]->name());
            throw ELineException(cause, int(i), m_lineCount);
        }
    }
    ++m_lineCount;
    return out;
}
