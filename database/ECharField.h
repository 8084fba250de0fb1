#pragma once

#include "database/EField.h"

// One byte. Separators and the line end of a line description are char fields.
// Reading skips white space and takes the next byte, whatever it is.
class ECharField : public EField
{
public:
    ECharField() = default;
    explicit ECharField(std::string name)
        : EField(std::move(name))
    { }

    char value() const { return m_value; }
    void setValue(char value) { m_value = value; }

    std::string toString() const override { return std::string(1, m_value); }
    std::istream &read(std::istream &in) override;
    std::ostream &write(std::ostream &out) const override;

private:
    char m_value = 0;
};
