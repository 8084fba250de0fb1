#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <string>

#include "database/Item.h"

// Whether an item matches a search criterion in one field, the test a search
// makes for every item of the register. The criterion is prepared once (its
// case folded, its number read), so that the test itself looks at the
// item's bytes only: a search of a million items that finds nothing takes a
// fraction of a second.
//
// The matches are those of the plain comparisons: texts contain the
// criterion ignoring case (Unicode case folding, as QString does it), the
// group and count equal it as a whole number, the prices equal it written
// without decimals, the date and the serial number equal it exactly, and the
// location number written out contains it.
class ItemMatcher
{
public:
    // field is one of DBItemCollection::Field.
    ItemMatcher(int field, const QString &criterion);

    bool matches(const Item &item) const;

    // The same test on the texts of the item, for any item; the prepared
    // test gives the same answers faster.
    static bool matchesPlainly(const Item &item, int field, const QString &criterion);

    // Where the criterion first occurs in a Latin-1 text, at from or after
    // it, ignoring case as the text fields are matched; -1 when it does not.
    // For a matcher of a text field: the list's filter looks for its words
    // in the texts of an item this way.
    qsizetype indexInLatin1(QByteArrayView text, qsizetype from = 0) const;

private:
    enum Kind { Never, Integer, Contains, Equals, Price, Location, Plain };

    bool containsFolded(const char *text, qsizetype size) const;
    qsizetype findFolded(const char *text, qsizetype size, qsizetype from) const;
    bool priceMatches(double price) const;

    int m_field;
    // The text the field shows, for the text fields.
    Item::Text m_text;
    QString m_criterion;
    Kind m_kind = Plain;
    int m_number = 0;
    double m_price = 0.0;
    // The criterion case-folded, and the Latin-1 bytes that fold to its
    // first character.
    std::u16string m_folded;
    std::array<bool, 256> m_startsMatch {};
    // Every byte that folds to the first character gives the same byte
    // once 0x20 is or-ed in (a letter's two cases differ in that bit only):
    // that byte in each of eight places, so that eight bytes at a time can
    // be passed over where none of them may start the criterion. Zero when
    // no byte folds to it.
    quint64 m_startPattern = 0;
    // The same for the second character; zero for a criterion of one
    // character, or when no start pattern is kept.
    quint64 m_secondPattern = 0;
    // The criterion's own bytes, for exact comparisons.
    QByteArray m_latin1;
    bool m_criterionLatin1 = false;
};
