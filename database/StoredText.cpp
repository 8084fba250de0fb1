#include "database/StoredText.h"

#include <cmath>

namespace {

bool isLatin1(char32_t c)
{
    return c <= 0xFF;
}

} // namespace

StoredText::Problem StoredText::check(QStringView text, Rule rule)
{
    bool separator = false;
    bool lineBreak = false;
    bool zero = false;
    bool control = false;
    bool notLatin1 = false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        // Most characters are none of these: one comparison lets them pass.
        if (u > u';' && u <= 0xFF)
            continue;
        if (u == u';')
            separator = true;
        else if (u == u'\n' || u == u'\r')
            lineBreak = true;
        else if (u == 0)
            zero = true;
        else if (isXmlForbidden(u))
            control = true;
        else if (u > 0xFF)
            notLatin1 = true;
    }
    if (separator)
        return Separator;
    if (lineBreak)
        return LineBreak;
    if (zero)
        return ZeroCharacter;
    if (control && rule == FieldRule)
        return ControlCharacter;
    if (notLatin1)
        return NotLatin1;
    // Latin-1 holds one character in one byte.
    if (text.size() > maxBytes)
        return TooLong;
    return None;
}

QString StoredText::unencodableCharacters(QStringView text)
{
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t code = text[i].unicode();
        qsizetype length = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(text[i], text[i + 1]);
            length = 2;
        }
        if (!isLatin1(code)) {
            const QStringView character = text.mid(i, length);
            if (!result.contains(character))
                result.append(character);
        }
        i += length - 1;
    }
    return result;
}

bool StoredText::isStorableNumber(double value)
{
    return std::isfinite(value);
}
