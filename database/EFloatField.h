#pragma once

#include "database/EField.h"

// A double. Reading takes an optional sign, digits with "." as decimal point
// and an optional exponent, after leading white space; width and precision
// play no part in reading. Writing gives the text of toString(), which is the
// value formatted like "%*.*lf" with the field's width and precision, always
// with "." whatever the process locale.
class EFloatField : public EField
{
public:
    EFloatField(int width, int precision)
        : m_precision(precision)
        , m_width(width)
    { }
    EFloatField(std::string name, int width, int precision)
        : EField(std::move(name))
        , m_precision(precision)
        , m_width(width)
    { }

    double value() const { return m_value; }
    void setValue(double value) { m_value = value; }
    int width() const { return m_width; }
    int precision() const { return m_precision; }

    std::string toString() const override;
    std::istream &read(std::istream &in) override;
    std::ostream &write(std::ostream &out) const override;

private:
    // Formats into text (capacity bytes); returns the length, or 0 when it
    // does not fit.
    std::size_t format(char *text, std::size_t capacity) const;

    int m_precision = 6;
    int m_width = 0;
    double m_value = 0.0;
};
