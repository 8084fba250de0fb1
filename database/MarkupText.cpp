#include "database/MarkupText.h"

#include "database/StoredText.h"

#include <array>
#include <cstring>

namespace {

// The Latin-1 bytes a text is written with other bytes for: a line end (as
// CR LF), the characters of markup (as entities) and the control characters
// that XML does not allow.
struct SpecialBytes
{
    std::array<bool, 256> special {};
    constexpr SpecialBytes()
    {
        for (const char c : { '\n', '&', '<', '>', '"', '\'' })
            special[static_cast<unsigned char>(c)] = true;
        for (char32_t c = 0; c < 0x20; ++c)
            special[c] = special[c] || StoredText::isXmlForbidden(c);
    }
};
constexpr SpecialBytes specialBytes;

// The bytes a special byte or unit is written as.
std::string_view replacementOf(char32_t c)
{
    if (c == u'\n')
        return "\r\n";
    const std::string_view markup = MarkupText::entity(c);
    return markup.empty() ? std::string_view(&MarkupText::unwritable, 1) : markup;
}

char *append(char *out, std::string_view bytes)
{
    std::memcpy(out, bytes.data(), bytes.size());
    return out + bytes.size();
}

} // namespace

QString MarkupText::escaped(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const std::string_view markup = entity(c.unicode());
        if (markup.empty())
            out += c;
        else
            out += QLatin1StringView(markup.data(), qsizetype(markup.size()));
    }
    return out;
}

char *MarkupText::writeLatin1(QStringView text, char *out)
{
    const char16_t *in = text.utf16();
    const char16_t *end = in + text.size();
    for (; in < end; ++in) {
        const char16_t c = *in;
        if (c >= 0x100) {
            if (QChar::isHighSurrogate(c) && in + 1 < end && QChar::isLowSurrogate(in[1]))
                ++in;
            *out++ = unwritable;
        } else if (specialBytes.special[c]) {
            out = append(out, replacementOf(c));
        } else {
            *out++ = char(c);
        }
    }
    return out;
}

char *MarkupText::writeLatin1(QByteArrayView latin1, char *out)
{
    const char *in = latin1.data();
    const char *end = in + latin1.size();
    const auto &special = specialBytes.special;
    while (in < end) {
        const char *run = in;
        while (in < end && !special[static_cast<unsigned char>(*in)])
            ++in;
        if (in > run)
            out = append(out, std::string_view(run, std::size_t(in - run)));
        if (in == end)
            break;
        out = append(out, replacementOf(static_cast<unsigned char>(*in++)));
    }
    return out;
}
