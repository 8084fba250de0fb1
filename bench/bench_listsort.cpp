// Sorting the main window's item list by clicking headings: the time each
// sort takes, driven the way the header drives it.
//
// Usage: bench_listsort [items], 100000 items unless given.
// Last line: items=100000 sort_name_ms=... sort_date_ms=...

#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "DemoGenerator.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "desktop/FileDialog.h"
#include "desktop/MessageBox.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/larkspanwindow.h"

namespace {

constexpr int DefaultItemCount = 100000;
constexpr int Rounds = 3;

// The median milliseconds of sorting by the column, alternating the order so
// that every sort moves rows.
double sortMs(ItemListView *list, int column)
{
    std::vector<double> ms;
    for (int round = 0; round < 2 * Rounds; ++round) {
        const Qt::SortOrder order = round % 2 ? Qt::DescendingOrder : Qt::AscendingOrder;
        QElapsedTimer stopwatch;
        stopwatch.start();
        list->sortByColumn(column, order);
        QCoreApplication::processEvents();
        ms.push_back(stopwatch.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
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
    const QString settingsFolder = dir.filePath(QStringLiteral("settings"));
    for (QSettings::Format format : { QSettings::NativeFormat, QSettings::IniFormat }) {
        QSettings::setPath(format, QSettings::UserScope, settingsFolder);
        QSettings::setPath(format, QSettings::SystemScope, settingsFolder);
    }
    setEdition(OstranaEdition);
    Settings::applyIdentity();

    const QString folder = dir.filePath(QStringLiteral("db"));
    const QString database = DemoGenerator::writeDatabase(folder, QStringLiteral("large.db"), itemCount);
    if (database.isEmpty()) {
        std::fprintf(stderr, "could not write the database\n");
        return 1;
    }
    {
        Settings settings;
        settings.setValue(QStringLiteral("LastSavedDBFile"), QString());
        settings.setValue(QStringLiteral("LastDBDir"), folder);
    }
    MessageBox::setRecording(true);
    FileDialog::setRecording(true);

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

    const double name = sortMs(list, ItemListView::NameColumn);
    std::printf("name: %.1f ms\n", name);
    const double date = sortMs(list, ItemListView::DateColumn);
    std::printf("date: %.1f ms\n", date);
    const double price = sortMs(list, ItemListView::PriceColumn);
    std::printf("price: %.1f ms\n", price);
    const double location = sortMs(list, ItemListView::LocationColumn);
    std::printf("location: %.1f ms\n", location);
    std::fflush(stdout);
    std::printf("items=%d sort_name_ms=%.1f sort_date_ms=%.1f\n", items, name, date);
    return items == itemCount ? 0 : 1;
}
