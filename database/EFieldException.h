#pragma once

#include <ios>
#include <string>

// A field that could not be read or written: the stream state as a bit set
// and the field's name.
class EFieldException
{
public:
    enum Code {
        EndOfInput = 1, // the input ended
        Failed = 2, // the operation failed, or the stream is bad
        Bad = 4, // the stream is bad
    };

    EFieldException(int code, std::string text)
        : m_code(code)
        , m_text(std::move(text))
    { }
    EFieldException(const EFieldException &) = default;
    EFieldException &operator=(const EFieldException &) = default;
    virtual ~EFieldException() = default;

    int code() const { return m_code; }
    // The name of the field that failed.
    const std::string &text() const { return m_text; }

    // The code of a stream state: 4 when bad, plus 2 when failed or bad, plus
    // 1 at the end of the input when withEndOfInput is true.
    static int codeOf(std::ios::iostate state, bool withEndOfInput = true);

private:
    int m_code = 0;
    std::string m_text;
};
