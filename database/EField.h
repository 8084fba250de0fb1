#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>

// One typed field of a delimited text line. A line description (ELine) is an
// ordered list of fields; separators and the line end are fields too.
//
// Reading and writing work on the stream's buffer directly (rdbuf()) instead of
// going through the stream's formatted operators, because every field of every
// line of a database passes through here. The observable behaviour is that of
// the formatted operators: leading white space is skipped, the stream state
// ends up as operator>> and operator<< would leave it.
//
// Fields are plain members or locals of the code that builds a line: the
// destructor is protected and not virtual, so a field is never deleted through
// this base.
class EField
{
public:
    const std::string &name() const { return m_name; }
    void setName(std::string name) { m_name = std::move(name); }

    // The field's current value as bytes.
    virtual std::string toString() const = 0;
    // Extracts the value from the stream; the stream's state tells the outcome.
    virtual std::istream &read(std::istream &in) = 0;
    // Inserts the value into the stream.
    virtual std::ostream &write(std::ostream &out) const = 0;

    // White space as the classic locale knows it: blank, tab, line feed,
    // vertical tab, form feed, carriage return.
    static bool isSpace(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

protected:
    EField() = default;
    explicit EField(std::string name)
        : m_name(std::move(name))
    { }
    EField(const EField &) = default;
    EField &operator=(const EField &) = default;
    ~EField() = default;

    // What the sentry of a formatted extraction does: fails on a stream that is
    // not good, skips leading white space (when skipws is set) and sets eofbit
    // and failbit when the input ends first. True when a byte is waiting.
    static bool beginExtraction(std::istream &in);
    // What a formatted insertion does: pads to the stream's width with its fill
    // character (on the left unless left-adjusted), resets the width, and sets
    // badbit when the buffer takes fewer bytes than given.
    static void insert(std::ostream &out, const char *bytes, std::size_t size);
    // Called inside a catch block when the stream's buffer threw: the stream
    // turns bad, and the exception goes on only when the stream asks for
    // exceptions on badbit, as with the standard operators.
    static void markBad(std::ios &stream);

private:
    std::string m_name;
};
