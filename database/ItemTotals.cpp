#include "database/ItemTotals.h"

#include "core/ColumnTitles.h"
#include "core/Edition.h"
#include "core/Parallel.h"
#include "database/Item.h"
#include "database/ItemColumnText.h"

#include <cmath>

using namespace ListColumns;

ItemTotals::ItemTotals()
    : m_byCount(!isVistrel())
{ }

bool ItemTotals::hasTotal(int column)
{
    switch (column) {
    case CountColumn:
        return !isVistrel();
    case PriceColumn:
    case PriceTodayColumn:
        return true;
    default:
        return false;
    }
}

ItemTotals ItemTotals::of(Item *const *first, qsizetype count)
{
    ItemTotals totals[2];
    const qsizetype half = count / 2;
    const auto sum = [first](ItemTotals &into, qsizetype from, qsizetype to) {
        for (qsizetype i = from; i < to; ++i)
            into.add(*first[i]);
    };
    Parallel::run(
        count, [&] { sum(totals[0], 0, half); }, [&] { sum(totals[1], half, count); });
    totals[0] += totals[1];
    return totals[0];
}

void ItemTotals::add(const Item &item)
{
    if (m_byCount) {
        const int count = item.numberOfItems();
        m_pieces += count;
        m_priceCents += ItemColumnText::shownCents(count * item.price());
    } else {
        m_priceCents += ItemColumnText::shownCents(item.price());
    }
    // The value today is the entry's, for all its pieces together.
    m_valueTodayCents += ItemColumnText::shownCents(item.priceToday());
}

ItemTotals &ItemTotals::operator+=(const ItemTotals &other)
{
    m_pieces += other.m_pieces;
    m_priceCents += other.m_priceCents;
    m_valueTodayCents += other.m_valueTodayCents;
    return *this;
}

long double ItemTotals::cents(int column) const
{
    switch (column) {
    case PriceColumn:
        return m_priceCents;
    case PriceTodayColumn:
        return m_valueTodayCents;
    default:
        return 0;
    }
}

QString ItemTotals::text(int column) const
{
    if (!hasTotal(column))
        return QString();
    if (column == CountColumn)
        return QString::number(m_pieces);
    return centsText(cents(column));
}

QString ItemTotals::centsText(long double cents)
{
    // Whole cents are written from the whole number itself: dividing by 100
    // first would leave the text to the rounding of a binary fraction.
    constexpr long double largest = 1e18L;
    if (!std::isfinite(cents) || std::fabs(cents) >= largest)
        return QString::number(double(cents / 100.0L), 'f', 2);
    const qint64 whole = qint64(std::llround(cents));
    const quint64 size = whole < 0 ? quint64(0) - quint64(whole) : quint64(whole);
    QString text = QString::number(size / 100);
    text += QLatin1Char('.');
    const int rest = int(size % 100);
    text += QLatin1Char(char('0' + rest / 10));
    text += QLatin1Char(char('0' + rest % 10));
    if (whole < 0)
        text.prepend(QLatin1Char('-'));
    return text;
}
