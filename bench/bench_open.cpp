// Opening a large database through the main window: the time from the Open
// command to a filled, painted list, and the peak memory of the process.
//
// Usage: bench_open [items], 100000 items unless given.
// Last line: items=100000 open_s=0.812 peak_mb=310

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "BenchSetup.h"
#include "DemoGenerator.h"
#include "core/Edition.h"
#include "desktop/FileDialog.h"
#include "desktop/MessageBox.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/larkspanwindow.h"

namespace {

constexpr int DefaultItemCount = 100000;
constexpr int Rounds = 5;

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
    QElapsedTimer generation;
    generation.start();
    const QString database = DemoGenerator::prepareWindowRun(dir.path(), itemCount);
    if (database.isEmpty()) {
        std::fprintf(stderr, "could not write the database\n");
        return 1;
    }
    std::printf("generated %d items in %.2f s\n", itemCount, generation.elapsed() / 1000.0);

    MainWindow window;
    window.resize(1000, 700);
    window.show();
    QCoreApplication::processEvents();

    std::vector<double> seconds;
    int items = 0;
    for (int round = 0; round < Rounds; ++round) {
        FileDialog::queueAnswer(database);
        QElapsedTimer stopwatch;
        stopwatch.start();
        window.Load();
        // Until the filled list has been laid out and painted.
        QCoreApplication::processEvents();
        seconds.push_back(stopwatch.nsecsElapsed() / 1e9);
        items = window.collection() ? window.collection()->count() : 0;
        std::printf("round %d: %d items, %d groups, %.3f s\n", round + 1, items, window.listView()->topLevelItemCount(),
            seconds.back());
        std::fflush(stdout);
    }
    if (!MessageBox::shown().isEmpty())
        std::printf("unexpected box: %s\n", qPrintable(MessageBox::shown().first().text));

    std::sort(seconds.begin(), seconds.end());
    const double median = seconds[seconds.size() / 2];
    std::printf("items=%d open_s=%.3f peak_mb=%.0f\n", items, median, BenchSetup::peakResidentMb());
    return items == itemCount ? 0 : 1;
}
