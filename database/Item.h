#pragma once

#include <QDate>
#include <QString>

// One entry of the register: one thing a household owns, one coin, one
// picture or one stock item. A plain value class; the collection holds items
// by pointer (see DBItemCollection for who owns them).
//
// Texts must not hold ";" or line breaks and are at most 199 bytes in Latin-1,
// because the database file cannot hold more; the item dialog enforces that,
// and the writer refuses to save an item that breaks it (StorageCheck).
class Item
{
public:
    Item() = default;

    int group() const { return m_group; }
    void setGroup(int group) { m_group = group; }

    // With escape true the text getters return the text with &, <, >, " and '
    // replaced by their XML entities, for HTML and XML output.
    QString name(bool escape = false) const { return text(m_name, escape); }
    void setName(QString name) { m_name = std::move(name); }

    QString product(bool escape = false) const { return text(m_product, escape); }
    void setProduct(QString product) { m_product = std::move(product); }

    double price() const { return m_price; }
    void setPrice(double price) { m_price = price; }

    double priceToday() const { return m_priceToday; }
    void setPriceToday(double priceToday) { m_priceToday = priceToday; }

    // The purchase date as text, normally dd.mm.yyyy.
    QString date() const { return m_date; }
    void setDate(QString date) { m_date = std::move(date); }

    QString supplier(bool escape = false) const { return text(m_supplier, escape); }
    void setSupplier(QString supplier) { m_supplier = std::move(supplier); }

    QString serialno(bool escape = false) const { return text(m_serialno, escape); }
    void setSerialno(QString serialno) { m_serialno = std::move(serialno); }

    QString description(bool escape = false) const { return text(m_description, escape); }
    void setDescription(QString description) { m_description = std::move(description); }

    QString address(bool escape = false) const { return text(m_address, escape); }
    void setAddress(QString address) { m_address = std::move(address); }

    QString photolink(bool escape = false) const { return text(m_photolink, escape); }
    void setPhotolink(QString photolink) { m_photolink = std::move(photolink); }

    QString www(bool escape = false) const { return text(m_www, escape); }
    void setWww(QString www) { m_www = std::move(www); }

    QString receipt(bool escape = false) const { return text(m_receipt, escape); }
    void setReceipt(QString receipt) { m_receipt = std::move(receipt); }

    int numberOfItems() const { return m_numberOfItems; }
    void setNumberOfItems(int count) { m_numberOfItems = count; }

    int location() const { return m_location; }
    void setLocation(int location) { m_location = location; }

    QString document(bool escape = false) const { return text(m_document, escape); }
    void setDocument(QString document) { m_document = std::move(document); }

    QString productModel(bool escape = false) const { return text(m_productModel, escape); }
    void setProductModel(QString productModel) { m_productModel = std::move(productModel); }

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
    QDate dateValue() const { return dateFromText(m_date); }
    // A date text read the same way: dd.mm.yyyy by position.
    static QDate dateFromText(const QString &text);
    // The serial number as a decimal integer; 0 when it is not one.
    int serialNumberValue() const;

    // A multi-line description for the debug output and the event log.
    QString dump() const;

    // Orderings of the collection's sorts. Texts compare by plain character
    // code (case-sensitive, no locale).
    static bool lessByGroup(const Item *a, const Item *b) { return a->m_group < b->m_group; }
    static bool lessByName(const Item *a, const Item *b) { return a->m_name < b->m_name; }
    static bool lessByProduct(const Item *a, const Item *b) { return a->m_product < b->m_product; }
    static bool lessByTotalValue(const Item *a, const Item *b) { return a->totalValue() < b->totalValue(); }
    static bool lessByDate(const Item *a, const Item *b);
    static bool lessByLocation(const Item *a, const Item *b) { return a->m_location < b->m_location; }

    // The text with &, <, >, " and ' replaced by XML entities.
    static QString escaped(const QString &text);

private:
    // The exports read the texts in place: they write every item of the
    // register while the user waits, and a copy of each text costs them.
    friend class ItemExport;

    static QString text(const QString &value, bool escape) { return escape ? escaped(value) : value; }

    int m_group = 0;
    QString m_name;
    QString m_product;
    double m_price = 0.0;
    double m_priceToday = 0.0;
    QString m_date;
    QString m_supplier;
    QString m_serialno;
    QString m_description;
    QString m_address;
    QString m_photolink;
    QString m_www;
    QString m_receipt;
    int m_numberOfItems = 0;
    int m_location = 0;
    QString m_document;
    QString m_productModel;
};
