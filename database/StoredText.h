#pragma once

#include <QString>
#include <QStringView>

// What the database file can hold. Fields are separated by ";", items by line
// ends, texts are Latin-1 and at most maxBytes bytes long; there is no quoting
// or escaping. Every place that puts a text into an item (the item dialog, the
// file choosers, pre-created items, list names) and the writer itself check
// texts here, so that what is written reads back as the same item.
//
// A field takes a little less than the file holds: no control character
// (below U+0020, other than the tab), which an XML file cannot carry in any
// form. What a database brought with it is still saved as it is.
class StoredText
{
public:
    static constexpr int maxBytes = 199;

    enum Problem {
        None,
        Separator, // holds ";"
        LineBreak, // holds a line feed or carriage return
        ZeroCharacter, // holds a zero character, where the reader ends a text
        ControlCharacter, // holds another control character than the tab (refused by FieldRule only)
        NotLatin1, // holds a character the file's encoding cannot hold
        TooLong, // longer than maxBytes bytes in the file
    };

    enum Rule {
        FileRule, // what the database file holds and reads back
        FieldRule, // what a field takes from the user: the file's rule and no control character
    };

    // The first problem of the text, in the order above.
    static Problem check(QStringView text, Rule rule = FileRule);
    static bool isStorable(QStringView text) { return check(text, FileRule) == None; }
    static bool isEnterable(QStringView text) { return check(text, FieldRule) == None; }
    // A character that XML 1.0 does not allow: below U+0020 and not a tab,
    // line feed or carriage return.
    static constexpr bool isXmlForbidden(char32_t c) { return c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r'; }

    // The characters of the text that the file's encoding cannot hold, each
    // once, in the order they first appear (surrogate pairs kept together).
    static QString unencodableCharacters(QStringView text);

    // A number the writer can write and the reader reads back: finite.
    static bool isStorableNumber(double value);
};
