#pragma once

#include "database/EField.h"

// A signed 32-bit decimal integer: optional sign, digits; leading white space
// is skipped. No digits, or a value out of range, is a failure.
class EIntField : public EField
{
public:
    EIntField() = default;
    explicit EIntField(std::string name)
        : EField(std::move(name))
    { }

    int value() const { return m_value; }
    void setValue(int value) { m_value = value; }

    std::string toString() const override;
    std::istream &read(std::istream &in) override;
    std::ostream &write(std::ostream &out) const override;

private:
    int m_value = 0;
};
