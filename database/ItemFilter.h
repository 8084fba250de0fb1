#pragma once

#include <QString>
#include <QStringList>

#include <vector>

#include "database/ItemMatcher.h"

class Item;
class userItemCollection;

// The filter of the item list: whether an item shows every word of a text
// in the list's columns. The words are the text split at blanks; an item has
// a word when one of the texts its row shows (ItemColumnText: name, make,
// model, count, price, value today, date, location name, description,
// supplier, address, serial number, web address) contains it, ignoring case
// the way the search compares texts (ItemMatcher). The group column, empty
// in an item row, and the picture, receipt and document columns, which show
// an icon, are not read.
//
// Each word is prepared once, as a search criterion is, so that testing an
// item reads its bytes without making a text of them; a large list is
// tested on two threads at once, so testing only reads: the item, and the
// location names the filter took when it was made.
class ItemFilter
{
public:
    // The empty filter: every item matches.
    ItemFilter() = default;
    // locations gives the location names (may be null: every location then
    // reads "Error", as in the list without them).
    ItemFilter(const QString &text, const userItemCollection *locations);

    bool isEmpty() const { return m_words.empty(); }
    // The words, as typed.
    QStringList words() const;
    // Whether both have the same words, in any order and case (blanks do
    // not count): they match the same items.
    bool sameWords(const ItemFilter &other) const;

    bool matches(const Item &item) const;

    // Whether every item this filter matches, wider matches too: each word
    // of wider lies within one of this filter's words (ignoring case), as
    // when a word is typed on or one is added.
    bool narrows(const ItemFilter &wider) const;
    // The words of this filter that an item matching wider may still lack,
    // as a filter: those that lie within none of wider's words.
    ItemFilter beyond(const ItemFilter &wider) const;

    // The text split into words at blanks, the way the filter splits it.
    static QStringList wordsOf(const QString &text);
    // The same test made plainly from the texts ItemColumnText gives, for
    // any item: the definition the prepared test keeps to.
    static bool matchesPlainly(const Item &item, const QStringList &words, const userItemCollection *locations);

private:
    struct Word
    {
        explicit Word(const QString &typed);

        QString text;
        QString folded;
        ItemMatcher matcher;
        // Whether the word may be found in a Latin-1 text at all.
        bool inLatin1 = false;
        // Only digits, points and minus signs: it may be in a number column.
        bool numeric = false;
        // Whether each location's name holds the word, and "Error" (the
        // text of a location beyond the list).
        std::vector<char> inLocation;
        bool inError = false;
    };

    bool hasWord(const Item &item, const Word &word) const;
    bool hasWordInTexts(const Item &item, const Word &word) const;
    bool hasWordInNumbers(const Item &item, const Word &word) const;
    bool hasWordPlainly(const Item &item, const Word &word) const;

    std::vector<Word> m_words;
    QStringList m_locationNames;
};
