#include "database/ItemMatcher.h"

#include "database/DBItemCollection.h"
#include "database/Item.h"

#include <QSysInfo>
#include <QtAlgorithms>

#include <charconv>
#include <cmath>
#include <cstring>

namespace {

// Each Latin-1 character case-folded as QString folds it for a comparison
// that ignores case (the micro sign, for one, folds to a Greek letter).
struct Latin1Folding
{
    std::array<char16_t, 256> folded {};
    Latin1Folding()
    {
        for (int c = 0; c < 256; ++c)
            folded[std::size_t(c)] = char16_t(QChar::toCaseFolded(char32_t(c)));
    }
};

const Latin1Folding &latin1Folding()
{
    static const Latin1Folding folding;
    return folding;
}

bool containsIgnoringCase(const QString &text, const QString &criterion)
{
    return text.contains(criterion, Qt::CaseInsensitive);
}

bool equalsAsInteger(int value, const QString &criterion)
{
    bool ok = false;
    const int wanted = criterion.trimmed().toInt(&ok);
    return ok && value == wanted;
}

Item::Text textOfField(int field)
{
    switch (field) {
    case DBItemCollection::FieldName:
        return Item::NameText;
    case DBItemCollection::FieldProduct:
        return Item::ProductText;
    case DBItemCollection::FieldDate:
        return Item::DateText;
    case DBItemCollection::FieldSupplier:
        return Item::SupplierText;
    case DBItemCollection::FieldSerialno:
        return Item::SerialnoText;
    case DBItemCollection::FieldDescription:
        return Item::DescriptionText;
    case DBItemCollection::FieldWww:
        return Item::WwwText;
    case DBItemCollection::FieldAddress:
        return Item::AddressText;
    case DBItemCollection::FieldPhotolink:
        return Item::PhotolinkText;
    case DBItemCollection::FieldReceipt:
        return Item::ReceiptText;
    case DBItemCollection::FieldDocument:
        return Item::DocumentText;
    default:
        return Item::TextCount;
    }
}

// A whole number as QString::number(value, 'f', 0) writes one: an optional
// minus and digits.
bool isWholeNumberText(const QString &text)
{
    qsizetype i = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (i == text.size())
        return false;
    for (; i < text.size(); ++i) {
        if (text.at(i) < QLatin1Char('0') || text.at(i) > QLatin1Char('9'))
            return false;
    }
    return true;
}

// The byte that every Latin-1 byte folding to c gives once 0x20 is or-ed
// in, in each of eight places; zero when no byte folds to c or they give
// different bytes.
quint64 bytePattern(char16_t c)
{
    const std::array<char16_t, 256> &folded = latin1Folding().folded;
    int common = -1;
    for (std::size_t b = 0; b < folded.size(); ++b) {
        if (folded[b] != c)
            continue;
        const int key = int(b | 0x20);
        if (common >= 0 && common != key)
            return 0;
        common = key;
    }
    return common < 0 ? 0 : quint64(common) * 0x0101010101010101ULL;
}

} // namespace

bool ItemMatcher::matchesPlainly(const Item &item, int field, const QString &criterion)
{
    switch (field) {
    case DBItemCollection::FieldGroup:
        return equalsAsInteger(item.group(), criterion);
    case DBItemCollection::FieldCount:
        return equalsAsInteger(item.numberOfItems(), criterion);
    case DBItemCollection::FieldName:
        return containsIgnoringCase(item.name(), criterion);
    case DBItemCollection::FieldProduct:
        return containsIgnoringCase(item.product(), criterion);
    case DBItemCollection::FieldPrice:
        return item.priceText(0) == criterion;
    case DBItemCollection::FieldPriceToday:
        return item.priceTodayText(0) == criterion;
    case DBItemCollection::FieldDate:
        return item.date() == criterion;
    case DBItemCollection::FieldLocation:
        return containsIgnoringCase(item.locationText(), criterion);
    case DBItemCollection::FieldSupplier:
        return containsIgnoringCase(item.supplier(), criterion);
    case DBItemCollection::FieldSerialno:
        return item.serialno() == criterion;
    case DBItemCollection::FieldDescription:
        return containsIgnoringCase(item.description(), criterion);
    case DBItemCollection::FieldWww:
        return containsIgnoringCase(item.www(), criterion);
    case DBItemCollection::FieldAddress:
        return containsIgnoringCase(item.address(), criterion);
    case DBItemCollection::FieldPhotolink:
        return containsIgnoringCase(item.photolink(), criterion);
    case DBItemCollection::FieldReceipt:
        return containsIgnoringCase(item.receipt(), criterion);
    case DBItemCollection::FieldDocument:
        return containsIgnoringCase(item.document(), criterion);
    default:
        return false;
    }
}

ItemMatcher::ItemMatcher(int field, const QString &criterion)
    : m_field(field)
    , m_text(textOfField(field))
    , m_criterion(criterion)
{
    const auto prepareFolded = [this] {
        for (const QChar c : m_criterion) {
            // A character outside the basic plane folds with its pair:
            // left to the plain comparison.
            if (c.isSurrogate())
                return false;
            m_folded.push_back(char16_t(QChar::toCaseFolded(char32_t(c.unicode()))));
        }
        if (m_folded.empty())
            return false;
        const std::array<char16_t, 256> &folded = latin1Folding().folded;
        for (std::size_t b = 0; b < folded.size(); ++b)
            m_startsMatch[b] = folded[b] == m_folded.front();
        // Without one common byte the starts are looked for one byte at a time.
        m_startPattern = bytePattern(m_folded.front());
        // The same for the second character, looked for beside the first.
        if (m_startPattern != 0 && m_folded.size() >= 2)
            m_secondPattern = bytePattern(m_folded[1]);
        return true;
    };

    switch (field) {
    case DBItemCollection::FieldGroup:
    case DBItemCollection::FieldCount: {
        bool ok = false;
        m_number = criterion.trimmed().toInt(&ok);
        m_kind = ok ? Integer : Never;
        break;
    }
    case DBItemCollection::FieldPrice:
    case DBItemCollection::FieldPriceToday:
        // Anything but a whole number is compared as the text it is.
        if (isWholeNumberText(criterion)) {
            m_kind = Price;
            m_price = criterion.toDouble();
        }
        break;
    case DBItemCollection::FieldLocation:
        if (prepareFolded())
            m_kind = Location;
        break;
    case DBItemCollection::FieldDate:
    case DBItemCollection::FieldSerialno:
        m_kind = Equals;
        m_latin1 = criterion.toLatin1();
        // A criterion beyond Latin-1 equals no Latin-1 text.
        m_criterionLatin1 = QString::fromLatin1(m_latin1) == criterion;
        break;
    default:
        if (m_text == Item::TextCount)
            m_kind = Never;
        else if (prepareFolded())
            m_kind = Contains;
        break;
    }
}

bool ItemMatcher::matches(const Item &item) const
{
    switch (m_kind) {
    case Never:
        return false;
    case Integer:
        return (m_field == DBItemCollection::FieldGroup ? item.group() : item.numberOfItems()) == m_number;
    case Price:
        return priceMatches(m_field == DBItemCollection::FieldPrice ? item.price() : item.priceToday());
    case Location: {
        char digits[16];
        const auto result = std::to_chars(digits, digits + sizeof digits, item.location());
        return containsFolded(digits, qsizetype(result.ptr - digits));
    }
    case Contains:
    case Equals:
        if (item.textsAreLatin1()) {
            const QByteArrayView text = item.textBytes(m_text);
            if (m_kind == Contains)
                return containsFolded(text.data(), text.size());
            return m_criterionLatin1 && text == m_latin1;
        }
        break;
    case Plain:
        break;
    }
    return matchesPlainly(item, m_field, m_criterion);
}

bool ItemMatcher::containsFolded(const char *text, qsizetype size) const
{
    return findFolded(text, size, 0) >= 0;
}

qsizetype ItemMatcher::indexInLatin1(QByteArrayView text, qsizetype from) const
{
    if (from < 0)
        from = 0;
    if (m_kind == Contains || m_kind == Location)
        return findFolded(text.data(), text.size(), from);
    return QString::fromLatin1(text).indexOf(m_criterion, from, Qt::CaseInsensitive);
}

qsizetype ItemMatcher::findFolded(const char *text, qsizetype size, qsizetype from) const
{
    const qsizetype length = qsizetype(m_folded.size());
    const std::array<char16_t, 256> &folded = latin1Folding().folded;
    const auto *bytes = reinterpret_cast<const unsigned char *>(text);
    constexpr quint64 ones = 0x0101010101010101ULL;
    constexpr quint64 highBits = 0x8080808080808080ULL;
    constexpr quint64 caseBits = 0x2020202020202020ULL;
    qsizetype start = from;
    while (start + length <= size) {
        if (m_startPattern != 0 && start + 8 <= size) {
            // A zero byte in `other` is a byte that may start the criterion.
            quint64 word;
            std::memcpy(&word, bytes + start, sizeof word);
            const quint64 other = (word | caseBits) ^ m_startPattern;
            quint64 zeros = (other - ones) & ~other & highBits;
            // And where the next byte may be its second character: a start
            // is flagged in both (a flag of one beyond its own zero byte
            // stays beyond the first start).
            if (zeros != 0 && m_secondPattern != 0 && start + 9 <= size) {
                std::memcpy(&word, bytes + start + 1, sizeof word);
                const quint64 second = (word | caseBits) ^ m_secondPattern;
                zeros &= (second - ones) & ~second & highBits;
            }
            if (zeros == 0) {
                start += 8;
                continue;
            }
            // On to the first byte that may start it. A borrow may flag a
            // byte beyond a zero byte but never one before it, so no start
            // is passed by; a flag that is no start is passed by below.
            const int skipped = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? qCountTrailingZeroBits(zeros) / 8
                                                                              : qCountLeadingZeroBits(zeros) / 8;
            start += skipped;
        }
        if (m_startsMatch[bytes[start]]) {
            qsizetype k = 1;
            while (k < length && folded[bytes[start + k]] == m_folded[std::size_t(k)])
                ++k;
            if (k == length)
                return start;
        }
        ++start;
    }
    return -1;
}

bool ItemMatcher::priceMatches(double price) const
{
    // Only a price within one of the number can be written as it; the
    // writing itself decides.
    if (!(std::fabs(price - m_price) <= 1.0 + std::fabs(m_price) * 1e-12))
        return false;
    return QString::number(price, 'f', 0) == m_criterion;
}
