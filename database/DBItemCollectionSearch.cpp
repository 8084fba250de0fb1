// The collection's searches: findNext() over one field, and search() over
// every field at once, in two halves in parallel for a large register. The
// rest of the collection is in DBItemCollection.cpp.

#include "database/DBItemCollection.h"

#include "core/Parallel.h"
#include "database/Item.h"
#include "database/ItemMatcher.h"

#include <algorithm>
#include <atomic>
#include <vector>

int DBItemCollection::findNext(int field, const QString &criterion, bool &found, bool continueSearch)
{
    found = false;
    if (m_items.empty() || criterion.isEmpty())
        return count();
    if (!continueSearch || m_searchPosition < 0 || m_searchPosition > count())
        m_searchPosition = 0;
    const ItemMatcher matcher(field, criterion);
    for (int index = m_searchPosition; index < count(); ++index) {
        if (matcher.matches(*at(index))) {
            found = true;
            m_searchPosition = index + 1;
            return index;
        }
    }
    m_searchPosition = 0;
    return count();
}

namespace {

// The field (its place among the matchers) that decides a search and the
// item it finds there; the field is the matchers' count when none finds one.
struct SearchFind
{
    std::size_t field;
    int index;
};

// The search over items[first, last): only fields before `best` can still
// change the answer, the first field only from firstStart on. Where another
// range before this one has found an item, that range's field (rival) wins
// ties, so only fields before it are looked for here.
SearchFind searchRange(const ItemSpan &items, int first, int last, const std::vector<ItemMatcher> &matchers,
    int firstStart, std::atomic<std::size_t> *published, const std::atomic<std::size_t> *rival)
{
    SearchFind best { matchers.size(), last };
    for (int index = first; index < last; ++index) {
        const std::size_t limit = rival ? std::min(best.field, rival->load(std::memory_order_relaxed)) : best.field;
        if (limit == 0)
            break;
        Item::prefetchAhead(items, index);
        const Item &item = *items.at(index);
        for (std::size_t field = index < firstStart ? 1 : 0; field < limit; ++field) {
            if (matchers[field].matches(item)) {
                best = { field, index };
                if (published)
                    published->store(field, std::memory_order_relaxed);
                break;
            }
        }
    }
    return best;
}

// The search of every item: the first field that finds an item decides, at
// the first item it finds. A large register is searched in two halves at
// once; the first half's find wins a tie.
SearchFind searchFind(const ItemSpan &items, const std::vector<ItemMatcher> &matchers, int firstStart)
{
    const int count = int(items.size());
    const int middle = count / 2;
    std::atomic<std::size_t> firstHalfField { matchers.size() };
    SearchFind first { matchers.size(), middle };
    SearchFind second { matchers.size(), count };
    Parallel::run(
        count, [&] { first = searchRange(items, 0, middle, matchers, firstStart, &firstHalfField, nullptr); },
        [&] { second = searchRange(items, middle, count, matchers, firstStart, nullptr, &firstHalfField); });
    return second.field < first.field ? second : first;
}

} // namespace

Item *DBItemCollection::search(const QStringList &criteria, bool continueSearch)
{
    if (m_items.empty())
        return nullptr;

    static const struct
    {
        int field;
        Criterion criterion;
    } order[] = {
        { FieldName, CritName },
        { FieldProduct, CritProduct },
        { FieldCount, CritCount },
        { FieldPrice, CritPrice },
        { FieldPriceToday, CritPriceToday },
        { FieldDate, CritDate },
        { FieldSupplier, CritSupplier },
        { FieldSerialno, CritSerialno },
        { FieldDescription, CritDescription },
        { FieldAddress, CritAddress },
        { FieldPhotolink, CritPicture },
        { FieldReceipt, CritReceipt },
        { FieldWww, CritWww },
        { FieldLocation, CritLocation },
        { FieldDocument, CritDocument },
    };
    // The fields are searched in this order, each with findNext: the first
    // field that finds an item decides, at the first item it finds. The
    // first field searched goes on from the search position; a field that
    // finds nothing sets the position back to the start, so every later one
    // searches the whole register. One pass over the items gives the same
    // answer, each item looked at once for all fields instead of once per
    // field.
    std::vector<ItemMatcher> matchers;
    for (const auto &step : order) {
        const QString criterion = criteria.value(step.criterion);
        // Empty criteria are no search; the date field's text for "no date"
        // is not a criterion.
        if (criterion.isEmpty() || (step.field == FieldDate && criterion == QLatin1String("01.01.1900")))
            continue;
        matchers.emplace_back(step.field, criterion);
    }
    if (matchers.empty())
        return nullptr;

    if (!continueSearch || m_searchPosition < 0 || m_searchPosition > count())
        m_searchPosition = 0;
    const SearchFind found = searchFind(items(), matchers, m_searchPosition);
    if (found.field == matchers.size()) {
        m_searchPosition = 0;
        return nullptr;
    }
    m_searchPosition = found.index + 1;
    return at(found.index);
}
