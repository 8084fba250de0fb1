#include "database/ItemColumnText.h"

#include "core/ColumnTitles.h"
#include "core/Edition.h"
#include "database/Item.h"
#include "database/userItemCollection.h"

#include <QDate>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <type_traits>

using namespace ListColumns;

QString ItemColumnText::of(const Item &item, int column, const userItemCollection *locations)
{
    switch (column) {
    case NameColumn:
        return item.name();
    case ProductColumn:
        return item.product();
    case ModelColumn:
        return item.productModel();
    case CountColumn:
        return QString::number(item.numberOfItems());
    case PriceColumn:
        // The picture edition shows the unit price, the others count times price.
        return isVistrel() ? item.priceText(2) : item.totalValueText();
    case PriceTodayColumn:
        return item.priceTodayText(2);
    case DateColumn:
        return item.date();
    case LocationColumn: {
        const int location = item.location();
        if (locations && location >= 0 && location < locations->size())
            return locations->entry(location);
        return QStringLiteral("Error");
    }
    case DescriptionColumn:
        return item.description();
    case SupplierColumn:
        return item.supplier();
    case AddressColumn:
        return item.address();
    case SerialnoColumn:
        return item.serialno();
    case WwwColumn:
        return item.www();
    default:
        // The group column and the icon columns hold no text.
        return QString();
    }
}

namespace {

// Below this many cents a double holds every whole number of cents.
constexpr double wholeCentsLimit = 4503599627370496.0; // 2^52

// The value as the list's "%.2f" text shows it.
double roundedToCents(double value)
{
    if (!std::isfinite(value) || std::fabs(value * 100.0) >= wholeCentsLimit)
        return value;
    return ItemColumnText::shownCents(value) / 100.0;
}

} // namespace

double ItemColumnText::shownCents(double value)
{
    // Scaling by 100 and rounding gives the cents shown except close to half
    // a cent, where the scaled value's own rounding may tip it either way;
    // there the list's own text is read back (it rounds an exact half up,
    // where printf would round it to even).
    const double cents = value * 100.0;
    if (!std::isfinite(cents) || std::fabs(cents) >= wholeCentsLimit)
        return cents;
    const double fraction = std::fabs(cents - std::trunc(cents));
    if (std::fabs(fraction - 0.5) > 1e-3 + std::fabs(cents) * 1e-15)
        return std::round(cents);
    return std::round(QString::number(value, 'f', 2).toDouble() * 100.0);
}

bool ItemColumnText::isNumeric(int column)
{
    return column == CountColumn || column == PriceColumn || column == PriceTodayColumn;
}

double ItemColumnText::shownNumber(const Item &item, int column)
{
    switch (column) {
    case CountColumn:
        return item.numberOfItems();
    case PriceColumn:
        return roundedToCents(isVistrel() ? item.price() : item.totalValue());
    case PriceTodayColumn:
        return roundedToCents(item.priceToday());
    default:
        return 0.0;
    }
}

qint64 ItemColumnText::dayNumber(QAnyStringView text)
{
    // The usual "dd.mm.yyyy" read directly, to the date Item::dateFromText
    // reads from it: sorting by date reads every item's date, in whatever
    // form the item keeps it.
    if (text.size() == 10) {
        const qint64 day = text.visit([](auto view) -> qint64 {
            if constexpr (std::is_same_v<decltype(view), QUtf8StringView>) {
                return -1; // not a form the register keeps dates in
            } else {
                const auto digit = [&view](int i) {
                    const char16_t unit = QChar(view[i]).unicode();
                    return unit >= u'0' && unit <= u'9' ? int(unit - u'0') : -1;
                };
                const int digits[8]
                    = { digit(0), digit(1), digit(3), digit(4), digit(6), digit(7), digit(8), digit(9) };
                if (!std::all_of(std::begin(digits), std::end(digits), [](int d) { return d >= 0; }))
                    return -1;
                const QDate date(digits[4] * 1000 + digits[5] * 100 + digits[6] * 10 + digits[7],
                    digits[2] * 10 + digits[3], digits[0] * 10 + digits[1]);
                return date.isValid() ? date.toJulianDay() : 0;
            }
        });
        if (day >= 0)
            return day;
    }
    const QDate date = Item::dateFromText(text.toString());
    return date.isValid() ? date.toJulianDay() : 0;
}
