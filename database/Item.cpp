#include "database/Item.h"

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

bool Item::lessByDate(const Item *a, const Item *b)
{
    return a->dateValue() < b->dateValue();
}

int Item::serialNumberValue() const
{
    bool ok = false;
    const int value = m_serialno.toInt(&ok, 10);
    return ok ? value : 0;
}

QString Item::escaped(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&':
            out += QLatin1String("&amp;");
            break;
        case '<':
            out += QLatin1String("&lt;");
            break;
        case '>':
            out += QLatin1String("&gt;");
            break;
        case '"':
            out += QLatin1String("&quot;");
            break;
        case '\'':
            out += QLatin1String("&apos;");
            break;
        default:
            out += c;
            break;
        }
    }
    return out;
}

QString Item::dump() const
{
    return QString::asprintf("\nType: %d", m_group) + QLatin1String("\nName: ") + m_name + QLatin1String("\nProduct: ")
        + m_product + QLatin1String("\nModel: ") + m_productModel + QString::asprintf("\nPrice: %f", m_price)
        + QString::asprintf("\nPriceToday: %f", m_priceToday) + QLatin1String("\nDate: ") + m_date
        + QLatin1String("\nSupplier: ") + m_supplier + QLatin1String("\nSerial_number: ") + m_serialno
        + QLatin1String("\nDesc: ") + m_description + QLatin1String("\nAddress: ") + m_address
        + QLatin1String("\nPhoto: ") + m_photolink + QString::asprintf("\nCount: %d", m_numberOfItems)
        + QString::asprintf("\nRoom: %d", m_location) + QLatin1String("\nWww: ") + m_www + QLatin1String("\nReceipt: ")
        + m_receipt;
}
