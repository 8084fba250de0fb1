#pragma once

#include <iosfwd>
#include <vector>

class EField;

// The description of one delimited line: an ordered list of fields, read or
// written one after the other. The fields are not owned; they belong to the
// code that builds the line and must outlive it. One description is built
// once and then used for every line of a file; lineCount() counts the lines
// read or written completely.
class ELine
{
public:
    void add(EField *field) { m_fields.push_back(field); }
    int fieldCount() const { return int(m_fields.size()); }
    EField *field(int index) const { return m_fields.at(std::size_t(index)); }
    int lineCount() const { return m_lineCount; }
    // Counts a line that was read without going through the fields.
    void countLine() { ++m_lineCount; }
    void countLines(int lines) { m_lineCount += lines; }

    // Reads every field in turn. The first field after which the stream is at
    // its end, failed or bad stops the line with an ELineException (fields
    // after it keep their old values).
    std::istream &read(std::istream &in);
    // Writes every field in turn; a failed or bad stream throws an
    // ELineException.
    std::ostream &write(std::ostream &out);

private:
    std::vector<EField *> m_fields;
    int m_lineCount = 0;
};
