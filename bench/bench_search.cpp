// Searching, sorting and filtering a large register through the main window:
// a search with every search field set that finds nothing (so every item is
// looked at for every field), sorting the item list by clicking headings,
// driven the way the header drives it, and typing a filter of one word and
// one of three words into the filter field, a key at a time.
//
// Usage: bench_search [items], 100000 items unless given.
// Last line: items=100000 find_miss_ms=... sort_name_ms=... sort_date_ms=...
// filter_ms=<one word>/<three words>, each the slowest key of the word's
// typing (the user's time from the key press to the list repainted), the
// median of three rounds.

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "BenchSetup.h"
#include "DemoGenerator.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "desktop/FileDialog.h"
#include "desktop/MessageBox.h"
#include "mainwindow/ItemFilterField.h"
#include "mainwindow/ItemListModel.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/larkspanwindow.h"

namespace {

constexpr int DefaultItemCount = 100000;
constexpr int Rounds = 3;

// The median milliseconds of sorting by the column, alternating the order so
// that every sort moves rows; the sort itself and with the repaint after it.
double sortMs(ItemListView *list, int column, const char *name)
{
    std::vector<double> sortOnly;
    std::vector<double> withPaint;
    for (int round = 0; round < 2 * Rounds; ++round) {
        const Qt::SortOrder order = round % 2 ? Qt::DescendingOrder : Qt::AscendingOrder;
        QElapsedTimer stopwatch;
        stopwatch.start();
        list->sortByColumn(column, order);
        sortOnly.push_back(stopwatch.nsecsElapsed() / 1e6);
        QCoreApplication::processEvents();
        withPaint.push_back(stopwatch.nsecsElapsed() / 1e6);
    }
    const double sorted = BenchSetup::median(sortOnly);
    std::printf("%s: %.1f ms, %.1f ms with the repaint\n", name, sorted, BenchSetup::median(withPaint));
    std::fflush(stdout);
    return sorted;
}

// The median milliseconds of a search with every field set that finds nothing.
double findMissMs(DBItemCollection *collection)
{
    QStringList criteria(DBItemCollection::CriterionCount, QString());
    criteria[DBItemCollection::CritName] = QStringLiteral("Ingen s\u00e5dan ting");
    criteria[DBItemCollection::CritProduct] = QStringLiteral("xq");
    criteria[DBItemCollection::CritCount] = QStringLiteral("987654");
    criteria[DBItemCollection::CritPrice] = QStringLiteral("123456789");
    criteria[DBItemCollection::CritPriceToday] = QStringLiteral("987654321");
    criteria[DBItemCollection::CritDate] = QStringLiteral("31.12.1899");
    criteria[DBItemCollection::CritSupplier] = QStringLiteral("Ingen butik");
    criteria[DBItemCollection::CritSerialno] = QStringLiteral("SN-0000");
    criteria[DBItemCollection::CritDescription] = QStringLiteral("zzz");
    criteria[DBItemCollection::CritAddress] = QStringLiteral("Ingen vej");
    criteria[DBItemCollection::CritPicture] = QStringLiteral("foto.png");
    criteria[DBItemCollection::CritReceipt] = QStringLiteral("kvit.png");
    criteria[DBItemCollection::CritWww] = QStringLiteral("https://");
    criteria[DBItemCollection::CritLocation] = QStringLiteral("99999");
    criteria[DBItemCollection::CritDocument] = QStringLiteral("manual.odt");
    std::vector<double> times;
    for (int round = 0; round < 2 * Rounds + 1; ++round) {
        QElapsedTimer stopwatch;
        stopwatch.start();
        const Item *found = collection->search(criteria, false);
        times.push_back(stopwatch.nsecsElapsed() / 1e6);
        if (found)
            std::printf("the search found an item: the measurement is void\n");
    }
    const double ms = BenchSetup::median(times);
    std::printf("search with every field set, nothing found: %.1f ms\n", ms);
    std::fflush(stdout);
    return ms;
}

// The milliseconds from pressing the key in the widget to the window
// repainted after it.
double keyMs(QWidget *widget, int key, const QString &text)
{
    QElapsedTimer stopwatch;
    stopwatch.start();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
    QCoreApplication::processEvents();
    return stopwatch.nsecsElapsed() / 1e6;
}

// Types the filter into the field a key at a time, then takes it back with
// Backspace, and types it once more to clear it with Escape. Returns the
// median over the rounds of the slowest key of the typing.
double filterMs(MainWindow &window, const QString &filter)
{
    ItemFilterField *field = window.filterField();
    const ItemListModel *model = window.listView()->listModel();
    std::vector<double> slowestTyped;
    std::vector<double> slowestErased;
    std::vector<double> cleared;
    int shown = 0;
    for (int round = 0; round < Rounds; ++round) {
        double typed = 0.0;
        for (const QChar c : filter)
            typed = std::max(typed, keyMs(field, c.toUpper().unicode(), QString(c)));
        shown = model->shownItemCount();
        slowestTyped.push_back(typed);
        double erased = 0.0;
        for (qsizetype i = 0; i < filter.size(); ++i)
            erased = std::max(erased, keyMs(field, Qt::Key_Backspace, QString()));
        slowestErased.push_back(erased);
        field->setText(filter);
        QCoreApplication::processEvents();
        cleared.push_back(keyMs(field, Qt::Key_Escape, QString()));
    }
    const double ms = BenchSetup::median(slowestTyped);
    std::printf("filter \"%s\" (%d items shown): slowest key %.1f ms typing, %.1f ms erasing, Escape %.1f ms\n",
        qPrintable(filter), shown, ms, BenchSetup::median(slowestErased), BenchSetup::median(cleared));
    std::fflush(stdout);
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("DEBUGTALDRUM", "");
    QApplication app(argc, argv);
    const int itemCount = argc > 1 ? std::max(1, std::atoi(argv[1])) : DefaultItemCount;

    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QString database = DemoGenerator::prepareWindowRun(dir.path(), itemCount);
    if (database.isEmpty()) {
        std::fprintf(stderr, "could not write the database\n");
        return 1;
    }

    MainWindow window;
    window.resize(1000, 700);
    window.show();
    QCoreApplication::processEvents();
    FileDialog::queueAnswer(database);
    window.Load();
    ItemListView *list = window.listView();
    // Every group open, as with "show all": the sort must move visible rows.
    list->ViewAll(true);
    QCoreApplication::processEvents();
    const int items = window.collection() ? window.collection()->count() : 0;

    const double miss = window.collection() ? findMissMs(window.collection()) : 0.0;
    const double name = sortMs(list, ItemListView::NameColumn, "name");
    const double date = sortMs(list, ItemListView::DateColumn, "date");
    sortMs(list, ItemListView::PriceColumn, "price");
    sortMs(list, ItemListView::LocationColumn, "location");
    // The filter on the list as the sorts left it, sorted by location.
    const double oneWord = filterMs(window, QStringLiteral("4711"));
    const double threeWords = filterMs(window, QStringLiteral("fabrikat 4711 rum"));
    std::printf("items=%d find_miss_ms=%.1f sort_name_ms=%.1f sort_date_ms=%.1f filter_ms=%.1f/%.1f\n", items, miss,
        name, date, oneWord, threeWords);
    return items == itemCount ? 0 : 1;
}
