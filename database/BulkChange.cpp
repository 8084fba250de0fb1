#include "database/BulkChange.h"

#include "core/ColumnTitles.h"
#include "database/CollectionStep.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "database/ItemRules.h"
#include "database/StorageCheck.h"
#include "database/StoredText.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

// A price as the item dialog's field would hold it: whole cents. The
// percentage is taken in cents, so that a value in whole cents changed by a
// whole percentage rounds from the exact product.
double toCents(double value)
{
    return std::round(value * 100.0) / 100.0;
}

double scaledToCents(double value, double percent)
{
    return std::round(value * (100.0 + percent)) / 100.0;
}

QString shownName(const Item &item)
{
    const QString name = item.name();
    return name.isEmpty() ? BulkChange::tr("(uden navn)") : name;
}

} // namespace

bool BulkChange::isEmpty() const
{
    return !group && !location && !supplier && !date && valueChange == KeepValue;
}

double BulkChange::valueTodayFrom(double old) const
{
    switch (valueChange) {
    case SetValue:
        return toCents(value);
    case ScaleValue:
        return scaledToCents(old, value);
    case KeepValue:
        break;
    }
    return old;
}

void BulkChange::applyTo(Item &item) const
{
    if (group)
        item.setGroup(*group);
    if (location)
        item.setLocation(*location);
    if (supplier)
        item.setSupplier(*supplier);
    if (date)
        item.setDate(date->toString(QStringLiteral("dd.MM.yyyy")));
    if (valueChange != KeepValue)
        item.setPriceToday(valueTodayFrom(item.priceToday()));
}

QString BulkChange::problem(const DBItemCollection &collection) const
{
    if (collection.isReadOnly())
        return tr("Databasen er skrivebeskyttet; intet er ændret.");
    if (group && (*group < 0 || *group >= collection.groups().size()))
        return tr("Den valgte gruppe findes ikke længere i listen.");
    if (location && (*location < 0 || *location >= collection.locations().size()))
        return tr("Det valgte sted findes ikke længere i listen.");
    if (date && !date->isValid())
        return tr("Datoen er ikke en gyldig dato.");
    if (supplier) {
        const ItemRules::Result text = ItemRules::checkText(*supplier, columnTitle(ListColumns::SupplierColumn));
        if (!text.ok())
            return text.message;
    }
    return QString();
}

QString BulkChange::itemProblem(const DBItemCollection &collection, const Item &changed) const
{
    // In the order the item dialog checks a saved item.
    if (!ItemRules::priceInRange(changed.price()) || !StoredText::isStorableNumber(changed.price()))
        return ItemRules::message(ItemRules::PriceOutOfRange);
    if (!ItemRules::priceInRange(changed.priceToday()) || !StoredText::isStorableNumber(changed.priceToday()))
        return ItemRules::message(ItemRules::EstimatedPriceOutOfRange);
    if (const ItemRules::Result count = ItemRules::checkCount(changed.countText(), nullptr); !count.ok())
        return count.message;
    if (const ItemRules::Result name = ItemRules::checkName(changed.name()); !name.ok())
        return name.message;
    if (ItemRules::requiresLocation()) {
        const int location = changed.location();
        if (location < 0 || location >= collection.locations().size()
            || collection.locations().entry(location).isEmpty())
            return ItemRules::message(ItemRules::LocationMissing, columnTitle(ListColumns::LocationColumn));
    }
    if (const StorageCheck::ItemProblem stored = StorageCheck::itemProblem(changed); !stored.isNull())
        return StorageCheck::fieldTitle(collection.fields(), stored.field) + QStringLiteral(": ") + stored.reason;
    return QString();
}

QList<BulkChange::Refusal> BulkChange::check(const DBItemCollection &collection, const QList<Item *> &items) const
{
    QList<Refusal> refusals;
    for (const Item *item : items) {
        if (!item)
            continue;
        Item changed = *item;
        applyTo(changed);
        const QString reason = itemProblem(collection, changed);
        if (!reason.isEmpty())
            refusals.append({ item, reason });
    }
    return refusals;
}

BulkChange::Outcome BulkChange::apply(
    DBItemCollection &collection, const QList<Item *> &items, const QString &text) const
{
    Outcome outcome;
    if (isEmpty() || items.isEmpty())
        return outcome;
    outcome.problem = problem(collection);
    if (!outcome.problem.isEmpty())
        return outcome;
    outcome.refusals = check(collection, items);
    if (!outcome.refusals.isEmpty())
        return outcome;
    const CollectionStep step(collection, text);
    outcome.changed = collection.changeItems(items, [this](Item &item) { applyTo(item); });
    return outcome;
}

QString BulkChange::stepText(int count)
{
    return tr("ændring af %1 varer").arg(count);
}

QString BulkChange::refusalText(const QList<Refusal> &refusals, int maxNamed)
{
    QStringList lines;
    lines << tr("Intet er ændret. Disse kan ikke gemmes med ændringen:");
    const int named = std::min<int>(int(refusals.size()), maxNamed);
    for (int i = 0; i < named; ++i) {
        const Refusal &refusal = refusals.at(i);
        QString reason = refusal.reason;
        reason.replace(QLatin1Char('\n'), QLatin1Char(' '));
        lines << QStringLiteral("%1: %2").arg(refusal.item ? shownName(*refusal.item) : QString(), reason);
    }
    if (refusals.size() > named)
        lines << tr("... og %1 flere.").arg(refusals.size() - named);
    return lines.join(QLatin1Char('\n'));
}
