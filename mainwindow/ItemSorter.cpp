#include "mainwindow/ItemSorter.h"

#include "core/ColumnTitles.h"
#include "database/Item.h"
#include "database/ItemColumnText.h"

#include <QAnyStringView>
#include <QByteArrayView>
#include <QString>

#include <algorithm>
#include <bit>
#include <cmath>

using namespace ListColumns;

namespace {

// One item's place in a sort: its column text (or date) reduced to two
// integers that order the same way, so that most comparisons touch neither
// the item nor its texts. Equal keys fall back to the whole texts, and equal
// texts to the position before the sort, which keeps the sort stable.
struct SortKey
{
    quint64 primary = 0;
    quint64 secondary = 0;
    quint32 position = 0;
};

constexpr qsizetype PackedUnits = 8;

// The order of two keys by their packed texts or dates, in the sort's
// direction; 0 when those are equal.
int compareKeys(const SortKey &a, const SortKey &b, bool descending)
{
    const SortKey &x = descending ? b : a;
    const SortKey &y = descending ? a : b;
    if (x.primary != y.primary)
        return x.primary < y.primary ? -1 : 1;
    if (x.secondary != y.secondary)
        return x.secondary < y.secondary ? -1 : 1;
    return 0;
}

// One item's column text as the sort reads it: the item's own Latin-1 bytes
// where it keeps its texts so (no copy is made of them), the text itself
// otherwise. Either way it reads as UTF-16 code units.
class SortText
{
public:
    SortText() = default;
    explicit SortText(QByteArrayView latin1)
        : m_latin1(latin1)
    { }
    explicit SortText(QString text)
        : m_text(std::move(text))
        , m_wide(true)
    { }

    // The text of the item: its bytes when the item keeps Latin-1 texts.
    static SortText of(const Item *item, Item::Text which)
    {
        return item->textsAreLatin1() ? SortText(item->textBytes(which)) : SortText(item->text(which));
    }

    qsizetype size() const { return m_wide ? m_text.size() : m_latin1.size(); }
    char16_t unit(qsizetype i) const
    {
        return m_wide ? m_text.at(i).unicode() : char16_t(static_cast<unsigned char>(m_latin1[i]));
    }
    const void *data() const { return m_wide ? static_cast<const void *>(m_text.constData()) : m_latin1.data(); }
    QAnyStringView view() const
    {
        return m_wide ? QAnyStringView(m_text) : QAnyStringView(QLatin1StringView(m_latin1));
    }

    // Plain character-code order, as QString::compare has it.
    int compare(const SortText &other) const
    {
        const qsizetype common = std::min(size(), other.size());
        for (qsizetype i = 0; i < common; ++i) {
            if (unit(i) != other.unit(i))
                return unit(i) < other.unit(i) ? -1 : 1;
        }
        return size() < other.size() ? -1 : (size() > other.size() ? 1 : 0);
    }

private:
    QByteArrayView m_latin1;
    QString m_text;
    bool m_wide = false;
};

// Eight UTF-16 code units from offset on, big-end first, padded with zeros:
// two texts that agree before offset and whose packs differ compare as
// their packs do.
void packText(const SortText &text, qsizetype offset, quint64 *primary, quint64 *secondary)
{
    quint64 packs[2] = { 0, 0 };
    const qsizetype length = std::clamp<qsizetype>(text.size() - offset, 0, PackedUnits);
    for (qsizetype i = 0; i < length; ++i)
        packs[i / 4] |= quint64(text.unit(offset + i)) << (48 - 16 * (i % 4));
    *primary = packs[0];
    *secondary = packs[1];
}

// A date's day number as an unsigned key; unreadable dates (day 0) first.
quint64 dayKey(qint64 day)
{
    return day == 0 ? 0 : quint64(day) ^ (quint64(1) << 63);
}

// How far ahead the key loops ask for memory: the items of a sorted list lie
// all over the heap, and reading them one by one waits on each.
constexpr size_t Lookahead = 16;

inline void prefetch(const void *address)
{
#if defined(__GNUC__)
    __builtin_prefetch(address);
    __builtin_prefetch(static_cast<const char *>(address) + 64);
#else
    Q_UNUSED(address);
#endif
}

// The column's text of every item, taken once.
template <typename Read> std::vector<SortText> readTexts(const std::vector<Item *> &items, const Read &read)
{
    const size_t count = items.size();
    std::vector<SortText> texts(count);
    for (size_t i = 0; i < count; ++i) {
        if (i + Lookahead < count)
            prefetch(items[i + Lookahead]);
        texts[i] = read(items[i]);
    }
    return texts;
}

// Sorts keys[first, last), whose texts agree on their first `offset` code
// units, by plain character-code order of the texts and then by position:
// eight code units at a time, each round only over the texts still equal,
// so common beginnings ("Ting nummer 1", "Ting nummer 2") cost a round
// rather than a long comparison per pair.
void sortTextRange(std::vector<SortKey> &keys, size_t first, size_t last, const std::vector<SortText> &texts,
    qsizetype offset, bool descending)
{
    if (last - first < 2)
        return;
    const auto begin = keys.begin() + qsizetype(first);
    const auto end = keys.begin() + qsizetype(last);
    bool anyLonger = false;
    for (auto key = begin; key != end; ++key) {
        if (end - key > qsizetype(Lookahead))
            prefetch(texts[key[Lookahead].position].data());
        const SortText &text = texts[key->position];
        packText(text, offset, &key->primary, &key->secondary);
        anyLonger = anyLonger || text.size() > offset + PackedUnits;
    }
    std::sort(begin, end, [descending](const SortKey &a, const SortKey &b) {
        if (const int order = compareKeys(a, b, descending))
            return order < 0;
        return a.position < b.position;
    });
    for (size_t run = first; run < last;) {
        size_t next = run + 1;
        while (next < last && keys[next].primary == keys[run].primary && keys[next].secondary == keys[run].secondary)
            ++next;
        if (next - run > 1) {
            if (anyLonger) {
                sortTextRange(keys, run, next, texts, offset + PackedUnits, descending);
            } else {
                // Equal up to the end of the shorter: the shorter text first.
                std::sort(keys.begin() + qsizetype(run), keys.begin() + qsizetype(next),
                    [&texts, descending](const SortKey &a, const SortKey &b) {
                        const qsizetype sizeA = texts[a.position].size();
                        const qsizetype sizeB = texts[b.position].size();
                        if (sizeA != sizeB)
                            return descending ? sizeB < sizeA : sizeA < sizeB;
                        return a.position < b.position;
                    });
            }
        }
        run = next;
    }
}

template <typename Tie> void sortKeys(std::vector<SortKey> &keys, bool descending, const Tie &tie)
{
    // A total order (the old position breaks every tie), so the faster
    // unstable sort gives the stable sort's result.
    std::sort(keys.begin(), keys.end(), [&](const SortKey &a, const SortKey &b) {
        if (const int order = compareKeys(a, b, descending))
            return order < 0;
        if (const int order = descending ? tie(b.position, a.position) : tie(a.position, b.position))
            return order < 0;
        return a.position < b.position;
    });
}

} // namespace

quint64 ItemSorter::numberKey(double value)
{
    constexpr quint64 signBit = quint64(1) << 63;
    if (std::isnan(value))
        return ~quint64(0);
    if (value == 0.0)
        value = 0.0;
    const quint64 bits = std::bit_cast<quint64>(value);
    return (bits & signBit) ? ~bits : bits | signBit;
}

void ItemSorter::sort(std::vector<Item *> &items, std::vector<quint32> *oldPositions) const
{
    const size_t count = items.size();
    std::vector<SortKey> keys(count);
    for (size_t i = 0; i < count; ++i)
        keys[i].position = quint32(i);
    const bool descending = m_descending;

    if (ItemColumnText::isNumeric(m_column)) {
        for (size_t i = 0; i < count; ++i) {
            if (i + Lookahead < count)
                prefetch(items[i + Lookahead]);
            keys[i].primary = numberKey(ItemColumnText::shownNumber(*items[i], m_column));
        }
        sortKeys(keys, descending, [](quint32, quint32) { return 0; });
    } else if (m_column == DateColumn) {
        std::vector<SortText> texts
            = readTexts(items, [](const Item *item) { return SortText::of(item, Item::DateText); });
        for (size_t i = 0; i < count; ++i) {
            if (i + Lookahead < count)
                prefetch(texts[i + Lookahead].data());
            const qint64 day = ItemColumnText::dayNumber(texts[i].view());
            keys[i].primary = dayKey(day);
            if (day == 0) {
                quint64 unused = 0;
                packText(texts[i], 0, &keys[i].secondary, &unused);
            } else {
                // Only unreadable dates compare by their texts.
                texts[i] = SortText();
            }
        }
        sortKeys(keys, descending, [&](quint32 a, quint32 b) { return texts[a].compare(texts[b]); });
    } else {
        // Each text is taken from its item once; the sort then reads only these.
        std::vector<SortText> texts;
        if (m_column == NameColumn)
            texts = readTexts(items, [](const Item *item) { return SortText::of(item, Item::NameText); });
        else if (m_column == ProductColumn)
            texts = readTexts(items, [](const Item *item) { return SortText::of(item, Item::ProductText); });
        else
            texts = readTexts(
                items, [this](const Item *item) { return SortText(ItemColumnText::of(*item, m_column, m_locations)); });
        sortTextRange(keys, 0, count, texts, 0, descending);
    }

    std::vector<Item *> sorted(count);
    for (size_t i = 0; i < count; ++i)
        sorted[i] = items[keys[i].position];
    items.swap(sorted);
    if (oldPositions) {
        oldPositions->resize(count);
        for (size_t i = 0; i < count; ++i)
            (*oldPositions)[i] = keys[i].position;
    }
}
