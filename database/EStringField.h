#pragma once

#include <string_view>

#include "database/EField.h"

// A text of at most 199 bytes, either delimited (it ends before its delimiter,
// which stays in the stream for the following separator field) or of a fixed
// length. Line breaks are ordinary bytes; the value ends at its first zero
// byte. Reading does not skip white space.
class EStringField : public EField
{
public:
    enum Mode { Delimited = 0, FixedLength = 1 };
    // The most bytes one text field can hold.
    static constexpr int MaxLength = 199;

    // For writing only.
    EStringField() = default;
    EStringField(std::string name, char delimiter)
        : EField(std::move(name))
        , m_mode(Delimited)
        , m_delimiter(delimiter)
    { }
    // A fixed length; lengths above MaxLength are cut to it.
    EStringField(std::string name, int length)
        : EField(std::move(name))
        , m_mode(FixedLength)
        , m_length(length < 0 ? 0 : (length > MaxLength ? MaxLength : length))
    { }

    Mode mode() const { return m_mode; }
    char delimiter() const { return m_delimiter; }
    int length() const { return m_length; }

    const std::string &value() const { return m_value; }
    void setValue(std::string value) { m_value = std::move(value); }
    // Replaces the value in place, keeping the buffer it already has.
    void assign(std::string_view value) { m_value.assign(value.data(), value.size()); }

    std::string toString() const override { return m_value; }
    std::istream &read(std::istream &in) override;
    std::ostream &write(std::ostream &out) const override;

private:
    Mode m_mode = Delimited;
    std::string m_value;
    char m_delimiter = ';';
    int m_length = 0;
};
