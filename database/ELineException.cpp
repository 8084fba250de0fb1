#include "database/ELineException.h"

std::string ELineException::message() const
{
    // Built to its full length: a long field name must not be cut.
    std::string text = "An error occured while reading line ";
    text += std::to_string(m_lineNumber);
    text += ", parameter (";
    text += m_cause.text();
    text += ")!";
    return text;
}
