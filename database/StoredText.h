#pragma once

#include <QString>
#include <QStringView>

// What the database file can hold. Fields are separated by ";", items by line
// ends, texts are Latin-1 and at most maxBytes bytes long; there is no quoting
// or escaping. Every place that puts a text into an item (the item dialog, the
// file choosers, pre-created items, list names) and the writer itself check
// texts here, so that what is written reads back as the same item.
class StoredText
{
public:
    static constexpr int maxBytes = 199;

    enum Problem {
        None,
        Separator, // holds ";"
        LineBreak, // holds a line feed or carriage return
        ZeroCharacter, // holds a zero character, where the reader ends a text
        NotLatin1, // holds a character the file's encoding cannot hold
        TooLong, // longer than maxBytes bytes in the file
    };

    // The first problem of the text, in the order above.
    static Problem check(QStringView text);
    static bool isStorable(QStringView text) { return check(text) == None; }

    // The characters of the text that the file's encoding cannot hold, each
    // once, in the order they first appear (surrogate pairs kept together).
    static QString unencodableCharacters(QStringView text);

    // A number the writer can write and the reader reads back: finite.
    static bool isStorableNumber(double value);
};
