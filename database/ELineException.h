#pragma once

#include <string>

#include "database/EFieldException.h"

// A line that could not be read or written: which field of the line failed
// (0-based, separators counted), at which line (the number of lines handled
// before it with the same line description), and why.
class ELineException
{
public:
    ELineException(const EFieldException &cause, int fieldIndex, int lineNumber)
        : m_cause(cause)
        , m_fieldIndex(fieldIndex)
        , m_lineNumber(lineNumber)
    { }
    ELineException(const ELineException &) = default;
    ELineException &operator=(const ELineException &) = default;
    virtual ~ELineException() = default;

    // "An error occured while reading line N, parameter (NAME)!"
    std::string message() const;
    // True when the line failed because the input ended.
    bool isEndOfInput() const { return (m_cause.code() & EFieldException::EndOfInput) != 0; }
    int fieldIndex() const { return m_fieldIndex; }
    int lineNumber() const { return m_lineNumber; }
    const EFieldException &fieldException() const { return m_cause; }

private:
    EFieldException m_cause;
    int m_fieldIndex = 0;
    int m_lineNumber = 0;
};
