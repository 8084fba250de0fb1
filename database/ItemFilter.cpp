#include "database/ItemFilter.h"

#include "core/ColumnTitles.h"
#include "core/Edition.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "database/ItemColumnText.h"
#include "database/userItemCollection.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

using namespace ListColumns;

namespace {

// The columns whose texts the filter reads, in the order it reads them.
constexpr std::array<int, 13> filteredColumns { NameColumn, ProductColumn, ModelColumn, DescriptionColumn,
    SupplierColumn, AddressColumn, SerialnoColumn, WwwColumn, DateColumn, LocationColumn, CountColumn, PriceColumn,
    PriceTodayColumn };

// The texts of those columns that an item keeps as texts of its own.
bool isColumnText(int text)
{
    switch (text) {
    case Item::NameText:
    case Item::ProductText:
    case Item::DateText:
    case Item::SupplierText:
    case Item::SerialnoText:
    case Item::DescriptionText:
    case Item::AddressText:
    case Item::WwwText:
    case Item::ProductModelText:
        return true;
    default:
        return false;
    }
}

bool isNumberCharacter(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.') || c == QLatin1Char('-');
}

// Whether a character folds to what some Latin-1 character folds to: a
// word holding any other can only be found in a text beyond Latin-1.
bool foldsLikeLatin1(QChar c)
{
    if (c.isSurrogate())
        return false;
    const char32_t folded = QChar::toCaseFolded(char32_t(c.unicode()));
    if (folded < 0x100)
        return true;
    // The micro sign folds to the Greek small mu.
    return folded == QChar::toCaseFolded(char32_t(0xb5));
}

// The text of a number column of an item as the list shows it, written
// into buffer; false where the plain text must be asked for (a negative
// amount, whose sign the text may show at zero, or one too large to be
// written here exactly, or one close to half a cent).
bool writeNumberText(const Item &item, int column, char *buffer, qsizetype &size)
{
    if (column == CountColumn) {
        const auto written = std::to_chars(buffer, buffer + 16, item.numberOfItems());
        size = qsizetype(written.ptr - buffer);
        return true;
    }
    // The amount in whole cents, as the text rounds it; close to half a
    // cent the text itself decides which way.
    const double amount = column == PriceColumn ? (isVistrel() ? item.price() : item.totalValue()) : item.priceToday();
    if (!(amount >= 0.0) || std::signbit(amount) || amount >= 1e13)
        return false;
    const double scaled = amount * 100.0;
    if (std::fabs(scaled - std::trunc(scaled) - 0.5) <= 1e-3 + scaled * 1e-15)
        return false;
    const long long cents = std::llround(scaled);
    const auto written = std::to_chars(buffer, buffer + 24, cents / 100);
    char *end = written.ptr;
    *end++ = '.';
    *end++ = char('0' + (cents % 100) / 10);
    *end++ = char('0' + cents % 10);
    size = qsizetype(end - buffer);
    return true;
}

} // namespace

QStringList ItemFilter::wordsOf(const QString &text)
{
    QStringList words;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool blank = i == text.size() || text.at(i).isSpace();
        if (blank && start >= 0) {
            words.append(text.mid(start, i - start));
            start = -1;
        } else if (!blank && start < 0) {
            start = i;
        }
    }
    return words;
}

ItemFilter::Word::Word(const QString &typed)
    : text(typed)
    , folded(typed.toCaseFolded())
    , matcher(DBItemCollection::FieldName, typed)
{ }

ItemFilter::ItemFilter(const QString &text, const userItemCollection *locations)
{
    if (locations) {
        for (int location = 0; location < locations->size(); ++location)
            m_locationNames.append(locations->entry(location));
    }
    const QString error = QStringLiteral("Error");
    for (const QString &typed : wordsOf(text)) {
        Word word(typed);
        word.inLatin1 = std::all_of(typed.begin(), typed.end(), foldsLikeLatin1);
        word.numeric = std::all_of(typed.begin(), typed.end(), isNumberCharacter);
        word.inLocation.reserve(size_t(m_locationNames.size()));
        for (const QString &name : std::as_const(m_locationNames))
            word.inLocation.push_back(name.contains(typed, Qt::CaseInsensitive) ? 1 : 0);
        word.inError = error.contains(typed, Qt::CaseInsensitive);
        m_words.push_back(std::move(word));
    }
}

QStringList ItemFilter::words() const
{
    QStringList words;
    for (const Word &word : m_words)
        words.append(word.text);
    return words;
}

bool ItemFilter::sameWords(const ItemFilter &other) const
{
    const auto foldedWords = [](const ItemFilter &filter) {
        QStringList folded;
        for (const Word &word : filter.m_words)
            folded.append(word.folded);
        folded.sort();
        return folded;
    };
    return foldedWords(*this) == foldedWords(other);
}

bool ItemFilter::narrows(const ItemFilter &wider) const
{
    return std::all_of(wider.m_words.begin(), wider.m_words.end(), [this](const Word &wide) {
        return std::any_of(
            m_words.begin(), m_words.end(), [&wide](const Word &word) { return word.folded.contains(wide.folded); });
    });
}

ItemFilter ItemFilter::beyond(const ItemFilter &wider) const
{
    ItemFilter rest;
    rest.m_locationNames = m_locationNames;
    for (const Word &word : m_words) {
        const bool implied = std::any_of(wider.m_words.begin(), wider.m_words.end(),
            [&word](const Word &wide) { return wide.folded.contains(word.folded); });
        if (!implied)
            rest.m_words.push_back(word);
    }
    return rest;
}

bool ItemFilter::matches(const Item &item) const
{
    return std::all_of(m_words.begin(), m_words.end(), [&](const Word &word) { return hasWord(item, word); });
}

bool ItemFilter::hasWord(const Item &item, const Word &word) const
{
    const int location = item.location();
    const bool listed = location >= 0 && location < int(word.inLocation.size());
    if (listed ? word.inLocation[size_t(location)] != 0 : word.inError)
        return true;
    if (!item.textsAreLatin1())
        return hasWordPlainly(item, word);
    // Only digits, points and minus signs are in an amount's text, unless
    // the amount is no number at all ("inf").
    const bool inNumbers = word.numeric || !std::isfinite(item.price()) || !std::isfinite(item.priceToday());
    return hasWordInTexts(item, word) || (inNumbers && hasWordInNumbers(item, word));
}

bool ItemFilter::hasWordInTexts(const Item &item, const Word &word) const
{
    if (!word.inLatin1)
        return false;
    // One pass over the item's texts, which lie one after the other; a find
    // in a text no column shows, or across the end of a text, is passed by.
    // Where each text begins is read only once something is found.
    const QByteArrayView all = item.joinedTextBytes();
    const qsizetype length = word.text.size();
    qsizetype found = word.matcher.indexInLatin1(all, 0);
    if (found < 0)
        return false;
    while (found >= 0) {
        const Item::TextPlace place = item.textHolding(found);
        if (place.text >= 0 && found + length <= place.end && isColumnText(place.text))
            return true;
        found = word.matcher.indexInLatin1(all, found + 1);
    }
    return false;
}

bool ItemFilter::hasWordInNumbers(const Item &item, const Word &word) const
{
    // The texts written one after the other with a blank between them,
    // which no word holds, and looked through at once.
    char buffer[3 * 32];
    qsizetype size = 0;
    for (const int column : { CountColumn, PriceColumn, PriceTodayColumn }) {
        qsizetype written = 0;
        if (writeNumberText(item, column, buffer + size, written)) {
            size += written;
            buffer[size++] = ' ';
        } else if (ItemColumnText::of(item, column, nullptr).contains(word.text, Qt::CaseInsensitive)) {
            return true;
        }
    }
    return word.matcher.indexInLatin1(QByteArrayView(buffer, size)) >= 0;
}

bool ItemFilter::hasWordPlainly(const Item &item, const Word &word) const
{
    // The location was looked at already.
    for (const int column : filteredColumns) {
        if (column != LocationColumn
            && ItemColumnText::of(item, column, nullptr).contains(word.text, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

bool ItemFilter::matchesPlainly(const Item &item, const QStringList &words, const userItemCollection *locations)
{
    return std::all_of(words.begin(), words.end(), [&](const QString &word) {
        return std::any_of(filteredColumns.begin(), filteredColumns.end(), [&](int column) {
            return ItemColumnText::of(item, column, locations).contains(word, Qt::CaseInsensitive);
        });
    });
}
