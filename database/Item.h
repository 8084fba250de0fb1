#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringView>

#include <array>
#include <cstring>
#include <limits>

class ItemSpan;

// One entry of the register: one thing a household owns, one coin, one
// picture or one stock item. A plain value class; the collection owns its
// items (see DBItemCollection).
//
// Texts must not hold ";" or line breaks and are at most 199 bytes in Latin-1,
// because the database file cannot hold more; the item dialog enforces that,
// and the writer refuses to save an item that breaks it (StorageCheck).
class Item
{
public:
    // The item's texts, in the order they are kept.
    enum Text {
        NameText,
        ProductText,
        DateText,
        SupplierText,
        SerialnoText,
        DescriptionText,
        AddressText,
        PhotolinkText,
        WwwText,
        ReceiptText,
        DocumentText,
        ProductModelText,
        TextCount
    };

    Item() = default;

    int group() const { return m_group; }
    void setGroup(int group) { m_group = group; }

    // With escape true the text getters return the text with &, <, >, " and '
    // replaced by their XML entities, for HTML and XML output.
    QString name(bool escape = false) const { return text(NameText, escape); }
    void setName(const QString &name) { setText(NameText, name); }

    QString product(bool escape = false) const { return text(ProductText, escape); }
    void setProduct(const QString &product) { setText(ProductText, product); }

    double price() const { return m_price; }
    void setPrice(double price) { m_price = price; }

    double priceToday() const { return m_priceToday; }
    void setPriceToday(double priceToday) { m_priceToday = priceToday; }

    // The purchase date as text, normally dd.mm.yyyy.
    QString date() const { return text(DateText); }
    void setDate(const QString &date) { setText(DateText, date); }

    QString supplier(bool escape = false) const { return text(SupplierText, escape); }
    void setSupplier(const QString &supplier) { setText(SupplierText, supplier); }

    QString serialno(bool escape = false) const { return text(SerialnoText, escape); }
    void setSerialno(const QString &serialno) { setText(SerialnoText, serialno); }

    QString description(bool escape = false) const { return text(DescriptionText, escape); }
    void setDescription(const QString &description) { setText(DescriptionText, description); }

    QString address(bool escape = false) const { return text(AddressText, escape); }
    void setAddress(const QString &address) { setText(AddressText, address); }

    QString photolink(bool escape = false) const { return text(PhotolinkText, escape); }
    void setPhotolink(const QString &photolink) { setText(PhotolinkText, photolink); }

    QString www(bool escape = false) const { return text(WwwText, escape); }
    void setWww(const QString &www) { setText(WwwText, www); }

    QString receipt(bool escape = false) const { return text(ReceiptText, escape); }
    void setReceipt(const QString &receipt) { setText(ReceiptText, receipt); }

    int numberOfItems() const { return m_numberOfItems; }
    void setNumberOfItems(int count) { m_numberOfItems = count; }

    int location() const { return m_location; }
    void setLocation(int location) { m_location = location; }

    QString document(bool escape = false) const { return text(DocumentText, escape); }
    void setDocument(const QString &document) { setText(DocumentText, document); }

    QString productModel(bool escape = false) const { return text(ProductModelText, escape); }
    void setProductModel(const QString &productModel) { setText(ProductModelText, productModel); }

    // Any text by its place; the setters above all come here.
    QString text(Text which, bool escape = false) const;
    void setText(Text which, QStringView value);

    // The texts as the database file holds them. Every text of an item that
    // came from a file, or that the item dialog let through, is Latin-1: the
    // bytes are then the texts themselves, one byte per character, and
    // reading them costs nothing. Only an item given a character beyond
    // Latin-1 keeps its texts otherwise (and can be shown, but not saved).
    bool textsAreLatin1() const { return !(flags() & Utf16Texts); }
    // The bytes of a text; Latin-1 when textsAreLatin1(), otherwise the
    // text's UTF-16 code units as they are (in the machine's byte order).
    // Inline: searches and writers ask for millions of them.
    QByteArrayView textBytes(Text which) const
    {
        if (m_texts.isEmpty())
            return {};
        const char *ends = m_texts.constData() + 1;
        if (flags() & WideEnds) {
            const char *texts = ends + TextCount * sizeof(quint32);
            const quint32 begin = which == 0 ? 0 : readEnd<quint32>(ends, which - 1);
            return QByteArrayView(texts + begin, qsizetype(readEnd<quint32>(ends, which) - begin));
        }
        const char *texts = ends + TextCount * sizeof(quint16);
        const quint16 begin = which == 0 ? 0 : readEnd<quint16>(ends, which - 1);
        return QByteArrayView(texts + begin, qsizetype(readEnd<quint16>(ends, which) - begin));
    }
    // The bytes of every text, in the order of Text.
    std::array<QByteArrayView, TextCount> allTextBytes() const;
    // The bytes of all texts one after the other, without anything between.
    QByteArrayView joinedTextBytes() const;
    // Which text holds a place in joinedTextBytes(), and where that text
    // begins and ends there; text -1 beyond them all.
    struct TextPlace
    {
        int text = -1;
        qsizetype begin = 0;
        qsizetype end = 0;
    };
    TextPlace textHolding(qsizetype place) const;
    // Whether the text is exactly value, without making a copy of it: the
    // look-ups that run over the whole register use it.
    bool textEquals(Text which, QStringView value) const;
    // Sets every text at once from Latin-1 bytes, as a reader does.
    void setLatin1Texts(const std::array<QByteArrayView, TextCount> &texts);

    // The price and value today in fixed notation with the given decimals.
    QString priceText(int decimals) const;
    QString priceTodayText(int decimals) const;
    QString countText() const;
    QString locationText() const;

    // Count times purchase price, and the same with two decimals.
    double totalValue() const { return m_numberOfItems * m_price; }
    QString totalValueText() const;

    // The date read as day (first two characters), month (characters 3 and 4)
    // and year (last four); invalid when the text is not in that form.
    QDate dateValue() const;
    // A date text read the same way: dd.mm.yyyy by position.
    static QDate dateFromText(const QString &text);
    // The serial number as a decimal integer; 0 when it is not one.
    int serialNumberValue() const;
    // The highest serial number serialNumberValue reads: numbering new
    // items stops there, as a number above it would read as 0.
    static constexpr int maxSerialNumber = std::numeric_limits<int>::max();

    // A multi-line description for the debug output and the event log.
    QString dump() const;

    // Orderings of the collection's sorts. Texts compare by plain character
    // code (case-sensitive, no locale).
    static bool lessByGroup(const Item *a, const Item *b) { return a->m_group < b->m_group; }
    static bool lessByName(const Item *a, const Item *b) { return compareTexts(*a, *b, NameText) < 0; }
    static bool lessByProduct(const Item *a, const Item *b) { return compareTexts(*a, *b, ProductText) < 0; }
    static bool lessByTotalValue(const Item *a, const Item *b) { return a->totalValue() < b->totalValue(); }
    static bool lessByLocation(const Item *a, const Item *b) { return a->m_location < b->m_location; }
    // The order of one text of two items by character code: negative, zero
    // or positive.
    static int compareTexts(const Item &a, const Item &b, Text which);

    // Asks the processor for the memory of the items some steps after index:
    // the passes over every item of a register (saving, exporting, the save's
    // check) would otherwise wait on each item and each block of texts.
    static void prefetchAhead(const ItemSpan &items, qsizetype index);
    // The same over a list of items in an order of its own (the rows of a
    // group in the item list).
    static void prefetchAhead(const Item *const *items, qsizetype count, qsizetype index);
    // The same for the items only, not their texts.
    static void prefetchItemAhead(const Item *const *items, qsizetype count, qsizetype index);

    // A mark that a pass over many items leaves on each for a second pass
    // that visits them in another order: the list's filter tests every item
    // in the order they lie in memory, then reads the marks in the order of
    // the rows. It is no part of the item: never saved, compared or
    // changed by a change of the item, and it does not make the item any
    // larger (it fills the space after the counts). Each pass writes only
    // the marks of its own items, so two threads may mark different items.
    quint16 passMark() const { return m_passMark; }
    void setPassMark(quint16 mark) const { m_passMark = mark; }

private:
    // The texts are kept in one block, a register of a million items being
    // mostly short texts: a flags byte, the end of each text (16 bits, or 32
    // bits when the texts are long) and then the texts' bytes. An item
    // without texts has no block.
    enum Flag : unsigned char { Utf16Texts = 1, WideEnds = 2 };
    // The end of a text after the flags byte, read whatever its alignment.
    template <typename End> static End readEnd(const char *ends, int index)
    {
        End end;
        std::memcpy(&end, ends + qsizetype(index) * qsizetype(sizeof(End)), sizeof(End));
        return end;
    }
    static void prefetch(const Item *item, bool texts);
    unsigned char flags() const { return m_texts.isEmpty() ? 0 : static_cast<unsigned char>(m_texts.at(0)); }
    void setTextsFrom(const std::array<QByteArrayView, TextCount> &texts, unsigned char flags);

    QByteArray m_texts;
    double m_price = 0.0;
    double m_priceToday = 0.0;
    int m_group = 0;
    int m_numberOfItems = 0;
    int m_location = 0;
    mutable quint16 m_passMark = 0;
};
