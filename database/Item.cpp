#include "database/Item.h"

#include "database/ItemSpan.h"
#include "database/MarkupText.h"

#include <algorithm>
#include <cstring>

namespace {

// The flags byte, then one end per text.
constexpr qsizetype endsAt = 1;

template <typename End> void writeEnd(char *ends, int index, End end)
{
    std::memcpy(ends + qsizetype(index) * qsizetype(sizeof(End)), &end, sizeof(End));
}

bool fitsLatin1(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0xFF)
            return false;
    }
    return true;
}

int compareBytes(QByteArrayView a, QByteArrayView b)
{
    const qsizetype common = std::min(a.size(), b.size());
    if (common > 0) {
        if (const int order = std::memcmp(a.data(), b.data(), std::size_t(common)))
            return order;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

} // namespace

std::array<QByteArrayView, Item::TextCount> Item::allTextBytes() const
{
    std::array<QByteArrayView, TextCount> all;
    if (m_texts.isEmpty())
        return all;
    const char *block = m_texts.constData();
    const bool wide = static_cast<unsigned char>(block[0]) & WideEnds;
    const char *ends = block + endsAt;
    const char *texts = ends + TextCount * (wide ? sizeof(quint32) : sizeof(quint16));
    qsizetype begin = 0;
    for (int i = 0; i < TextCount; ++i) {
        const qsizetype end = wide ? qsizetype(readEnd<quint32>(ends, i)) : qsizetype(readEnd<quint16>(ends, i));
        all[std::size_t(i)] = QByteArrayView(texts + begin, end - begin);
        begin = end;
    }
    return all;
}

Item::TextPlace Item::textHolding(qsizetype place) const
{
    if (m_texts.isEmpty() || place < 0)
        return {};
    const char *ends = m_texts.constData() + endsAt;
    const bool wide = static_cast<unsigned char>(m_texts.at(0)) & WideEnds;
    qsizetype begin = 0;
    for (int i = 0; i < TextCount; ++i) {
        const qsizetype end = wide ? qsizetype(readEnd<quint32>(ends, i)) : qsizetype(readEnd<quint16>(ends, i));
        if (place < end)
            return { i, begin, end };
        begin = end;
    }
    return {};
}

QByteArrayView Item::joinedTextBytes() const
{
    if (m_texts.isEmpty())
        return {};
    const bool wide = static_cast<unsigned char>(m_texts.at(0)) & WideEnds;
    const qsizetype headerSize = endsAt + TextCount * qsizetype(wide ? sizeof(quint32) : sizeof(quint16));
    return QByteArrayView(m_texts).sliced(headerSize);
}

void Item::setTextsFrom(const std::array<QByteArrayView, TextCount> &texts, unsigned char flags)
{
    qsizetype total = 0;
    for (const QByteArrayView &text : texts)
        total += text.size();
    if (total == 0) {
        m_texts = QByteArray();
        return;
    }
    if (total > 0xFFFF)
        flags |= WideEnds;
    const qsizetype endSize = (flags & WideEnds) ? qsizetype(sizeof(quint32)) : qsizetype(sizeof(quint16));
    const qsizetype headerSize = endsAt + TextCount * endSize;
    QByteArray block(headerSize + total, Qt::Uninitialized);
    char *data = block.data();
    data[0] = char(flags);
    char *ends = data + endsAt;
    char *out = data + headerSize;
    qsizetype end = 0;
    for (int i = 0; i < TextCount; ++i) {
        const QByteArrayView text = texts[std::size_t(i)];
        if (!text.isEmpty())
            std::memcpy(out + end, text.data(), std::size_t(text.size()));
        end += text.size();
        if (flags & WideEnds)
            writeEnd<quint32>(ends, i, quint32(end));
        else
            writeEnd<quint16>(ends, i, quint16(end));
    }
    m_texts = std::move(block);
}

void Item::setLatin1Texts(const std::array<QByteArrayView, TextCount> &texts)
{
    setTextsFrom(texts, 0);
}

QString Item::text(Text which, bool escape) const
{
    const QByteArrayView bytes = textBytes(which);
    QString value;
    if (textsAreLatin1()) {
        value = QString::fromLatin1(bytes);
    } else {
        // Copied unit by unit: the block keeps no alignment for them.
        value = QString(bytes.size() / qsizetype(sizeof(char16_t)), Qt::Uninitialized);
        if (!bytes.isEmpty())
            std::memcpy(value.data(), bytes.data(), std::size_t(bytes.size()));
    }
    return escape ? MarkupText::escaped(value) : value;
}

void Item::setText(Text which, QStringView value)
{
    if (textsAreLatin1() && fitsLatin1(value)) {
        // The other texts are taken over as they are: the new block is made
        // before the old one goes.
        const QByteArray bytes = value.toLatin1();
        std::array<QByteArrayView, TextCount> all = allTextBytes();
        all[std::size_t(which)] = bytes;
        setTextsFrom(all, 0);
        return;
    }
    std::array<QString, TextCount> all;
    bool latin1 = true;
    for (int i = 0; i < TextCount; ++i) {
        QString &text = all[std::size_t(i)];
        text = i == which ? value.toString() : this->text(Text(i));
        latin1 = latin1 && fitsLatin1(text);
    }
    std::array<QByteArray, TextCount> encoded;
    std::array<QByteArrayView, TextCount> views;
    for (std::size_t i = 0; i < all.size(); ++i) {
        // Beyond Latin-1 the texts keep their UTF-16 code units, every one
        // of them, so that nothing is lost before the user sees the text.
        encoded[i] = latin1
            ? all[i].toLatin1()
            : QByteArray(reinterpret_cast<const char *>(all[i].utf16()), all[i].size() * qsizetype(sizeof(char16_t)));
        views[i] = encoded[i];
    }
    setTextsFrom(views, latin1 ? 0 : Utf16Texts);
}

bool Item::textEquals(Text which, QStringView value) const
{
    const QByteArrayView bytes = textBytes(which);
    if (!textsAreLatin1())
        return text(which) == value;
    if (bytes.size() != value.size())
        return false;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i].unicode() != static_cast<unsigned char>(bytes[i]))
            return false;
    }
    return true;
}

int Item::compareTexts(const Item &a, const Item &b, Text which)
{
    if (a.textsAreLatin1() && b.textsAreLatin1())
        return compareBytes(a.textBytes(which), b.textBytes(which));
    // Character codes of UTF-16 order a text beyond Latin-1 as it was given.
    return QString::compare(a.text(which), b.text(which), Qt::CaseSensitive);
}

void Item::prefetch(const Item *item, bool texts)
{
#if defined(__GNUC__)
    if (!texts) {
        const char *bytes = reinterpret_cast<const char *>(item);
        for (std::size_t offset = 0; offset < sizeof(Item); offset += 64)
            __builtin_prefetch(bytes + offset);
        return;
    }
    const QByteArray &block = item->m_texts;
    for (qsizetype offset = 0; offset < block.size(); offset += 64)
        __builtin_prefetch(block.constData() + offset);
#else
    Q_UNUSED(item);
    Q_UNUSED(texts);
#endif
}

// The item first, then (when it has come) its texts.
constexpr qsizetype prefetchItemDistance = 8;
constexpr qsizetype prefetchTextDistance = 4;

void Item::prefetchAhead(const ItemSpan &items, qsizetype index)
{
    if (index + prefetchItemDistance < items.size())
        prefetch(items.at(index + prefetchItemDistance), false);
    if (index + prefetchTextDistance < items.size())
        prefetch(items.at(index + prefetchTextDistance), true);
}

void Item::prefetchAhead(const Item *const *items, qsizetype count, qsizetype index)
{
    if (index + prefetchItemDistance < count)
        prefetch(items[index + prefetchItemDistance], false);
    if (index + prefetchTextDistance < count)
        prefetch(items[index + prefetchTextDistance], true);
}

void Item::prefetchItemAhead(const Item *const *items, qsizetype count, qsizetype index)
{
    if (index + prefetchItemDistance < count)
        prefetch(items[index + prefetchItemDistance], false);
}

QDate Item::dateValue() const
{
    return dateFromText(date());
}

QString Item::priceText(int decimals) const
{
    return QString::number(m_price, 'f', decimals);
}

QString Item::priceTodayText(int decimals) const
{
    return QString::number(m_priceToday, 'f', decimals);
}

QString Item::countText() const
{
    return QString::number(m_numberOfItems);
}

QString Item::locationText() const
{
    return QString::number(m_location);
}

QString Item::totalValueText() const
{
    return QString::number(totalValue(), 'f', 2);
}

QDate Item::dateFromText(const QString &text)
{
    if (text.size() < 5)
        return QDate();
    bool dayOk = false;
    bool monthOk = false;
    bool yearOk = false;
    const int day = QStringView(text).left(2).toInt(&dayOk);
    const int month = QStringView(text).mid(3, 2).toInt(&monthOk);
    const int year = QStringView(text).right(4).toInt(&yearOk);
    if (!dayOk || !monthOk || !yearOk)
        return QDate();
    return QDate(year, month, day);
}

int Item::serialNumberValue() const
{
    // The next serial number looks at every item of the register: plain
    // numbers (nearly all) are read from the bytes, anything else as text.
    if (textsAreLatin1()) {
        const QByteArrayView bytes = textBytes(SerialnoText);
        if (bytes.isEmpty())
            return 0;
        const bool sign = bytes.front() == '-' || bytes.front() == '+';
        const QByteArrayView digits = bytes.sliced(sign ? 1 : 0);
        if (!digits.isEmpty() && digits.size() <= 9
            && std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            int value = 0;
            for (const char c : digits)
                value = value * 10 + (c - '0');
            return bytes.front() == '-' ? -value : value;
        }
    }
    bool ok = false;
    const int value = serialno().toInt(&ok, 10);
    return ok ? value : 0;
}

QString Item::dump() const
{
    return QString::asprintf("\nType: %d", m_group) + QLatin1String("\nName: ") + name() + QLatin1String("\nProduct: ")
        + product() + QLatin1String("\nModel: ") + productModel() + QString::asprintf("\nPrice: %f", m_price)
        + QString::asprintf("\nPriceToday: %f", m_priceToday) + QLatin1String("\nDate: ") + date()
        + QLatin1String("\nSupplier: ") + supplier() + QLatin1String("\nSerial_number: ") + serialno()
        + QLatin1String("\nDesc: ") + description() + QLatin1String("\nAddress: ") + address()
        + QLatin1String("\nPhoto: ") + photolink() + QString::asprintf("\nCount: %d", m_numberOfItems)
        + QString::asprintf("\nRoom: %d", m_location) + QLatin1String("\nWww: ") + www() + QLatin1String("\nReceipt: ")
        + receipt();
}
