#include "database/ValueSummary.h"

#include "core/Edition.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"

#include <QHash>
#include <QMap>

#include <algorithm>

void ValueTotals::add(const Item &item, bool byPieces)
{
    ++items;
    pieces += byPieces ? item.numberOfItems() : 1;
    purchase += byPieces ? item.totalValue() : item.price();
    valueToday += item.priceToday();
}

bool ValueSummary::countsPieces()
{
    return !isVistrel();
}

namespace {

// Rows by number: present numbers in order, then the row of none (a
// number that names nothing) last.
QList<ValueSummary::Row> numberedRows(const QMap<int, ValueTotals> &byNumber, const QStringList &names)
{
    QList<ValueSummary::Row> rows;
    ValueSummary::Row none;
    for (auto it = byNumber.cbegin(); it != byNumber.cend(); ++it) {
        if (it.key() >= 0 && it.key() < names.size()) {
            rows.append({ names.at(it.key()), it.key(), it.value() });
        } else {
            const ValueTotals &more = it.value();
            none.totals.items += more.items;
            none.totals.pieces += more.pieces;
            none.totals.purchase += more.purchase;
            none.totals.valueToday += more.valueToday;
        }
    }
    if (none.totals.items > 0)
        rows.append(none);
    return rows;
}

} // namespace

ValueSummary::ValueSummary(const QList<const Item *> &items, const QStringList &groups, const QStringList &locations)
{
    const bool byPieces = countsPieces();
    QMap<int, ValueTotals> byGroup;
    QMap<int, ValueTotals> byLocation;
    QMap<int, ValueTotals> byYear;
    // Suppliers by their name as written; one row per name ignoring case,
    // named as it was first met.
    QHash<QString, int> supplierRow;
    QList<Row> &suppliers = m_rows[BySupplier];
    Row noSupplier;
    for (const Item *item : items) {
        m_total.add(*item, byPieces);
        byGroup[item->group()].add(*item, byPieces);
        byLocation[item->location()].add(*item, byPieces);
        const QDate date = item->dateValue();
        byYear[date.isValid() ? date.year() : -1].add(*item, byPieces);
        const QString supplier = item->supplier().trimmed();
        if (supplier.isEmpty()) {
            noSupplier.totals.add(*item, byPieces);
            continue;
        }
        const QString key = supplier.toCaseFolded();
        auto found = supplierRow.constFind(key);
        if (found == supplierRow.cend()) {
            found = supplierRow.insert(key, int(suppliers.size()));
            suppliers.append({ supplier, -1, {} });
        }
        suppliers[found.value()].totals.add(*item, byPieces);
    }
    std::stable_sort(suppliers.begin(), suppliers.end(),
        [](const Row &a, const Row &b) { return QString::compare(a.name, b.name, Qt::CaseInsensitive) < 0; });
    if (noSupplier.totals.items > 0)
        suppliers.append(noSupplier);

    m_rows[ByGroup] = numberedRows(byGroup, groups);
    m_rows[ByLocation] = numberedRows(byLocation, locations);
    QList<Row> &years = m_rows[ByYear];
    for (auto it = byYear.cbegin(); it != byYear.cend(); ++it) {
        if (it.key() >= 0)
            years.append({ QString::number(it.key()), it.key(), it.value() });
    }
    if (byYear.contains(-1))
        years.append({ QString(), -1, byYear.value(-1) });
}

ValueSummary ValueSummary::of(const DBItemCollection &collection)
{
    QList<const Item *> items;
    items.reserve(collection.count());
    for (const Item *item : collection)
        items.append(item);
    return ValueSummary(items, collection.groups().entries(), collection.locations().entries());
}
