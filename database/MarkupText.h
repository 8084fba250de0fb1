#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <string_view>

// How the register's texts are written into its XML files and HTML pages, so
// that no text reaches a page as markup: &, <, >, " and ' as entities. The
// XML file, the HTML pages and an item's escaped texts all escape here.
class MarkupText
{
public:
    // The entity a character is written as ("&amp;" for '&'); empty for the
    // characters markup does not take.
    static constexpr std::string_view entity(char32_t c)
    {
        switch (c) {
        case u'&':
            return "&amp;";
        case u'<':
            return "&lt;";
        case u'>':
            return "&gt;";
        case u'"':
            return "&quot;";
        case u'\'':
            return "&apos;";
        default:
            return {};
        }
    }

    // The text with the five characters as entities and everything else as it is.
    static QString escaped(QStringView text);

    // The most bytes one UTF-16 unit (or one Latin-1 byte) is written as ("&quot;").
    static constexpr qsizetype maxBytesPerUnit = 6;

    // Writes the text as the Latin-1 bytes of a file, starting at out, which
    // has room for text.size() * maxBytesPerUnit bytes: the five characters
    // as entities, a line feed as CR LF, and "?" for a control character
    // that XML does not allow (a file holding one is unreadable for every
    // XML reader, even as a character reference) and for a character
    // Latin-1 cannot hold (a surrogate pair is one character, one "?").
    // Returns the end of what was written.
    static char *writeLatin1(QStringView text, char *out);
    // The same for a text held as Latin-1 bytes: runs of plain bytes are
    // copied whole.
    static char *writeLatin1(QByteArrayView latin1, char *out);

    // What a character that cannot be written stands as.
    static constexpr char unwritable = '?';
};
