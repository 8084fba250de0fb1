// Time of the three exports of a large register: the XML file, the HTML list
// and the HTML table (the print settings' default columns).
//
//   bench_export [items]      (default 100000)
//
// Last line: items=N xml_s=... html_s=... table_s=... (medians over the
// rounds). Runs with its own temporary settings and files.

#include "BenchSetup.h"
#include "DemoGenerator.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "desktop/MessageBox.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <vector>

namespace {

constexpr int rounds = 7;

double cpuSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

struct Measure
{
    const char *name;
    QString path;
    std::function<bool(const QString &)> run;
    std::vector<double> wall;
    std::vector<double> cpu;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int itemCount = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;

    // Never the user's settings: a private store, and no boxes that wait.
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }
    BenchSetup::prepareRun(dir.path());

    const QString path = DemoGenerator::writeDatabase(dir.path(), QStringLiteral("bench.inb"), itemCount);
    if (path.isEmpty()) {
        std::fprintf(stderr, "could not write the database\n");
        return 1;
    }
    DBItemCollection collection(nullptr);
    if (!collection.LoadFromAsciiFile(path) || collection.count() != itemCount) {
        std::fprintf(stderr, "load failed\n");
        return 1;
    }

    std::vector<Measure> measures;
    measures.push_back({ "xml", dir.filePath(QStringLiteral("all.xml")),
        [&collection](const QString &file) { return collection.SaveAsXmlFile(file); }, {}, {} });
    measures.push_back({ "html", dir.filePath(QStringLiteral("all.htm")),
        [&collection](const QString &file) { return collection.SaveAsHtmlFile(file, true, nullptr, false, false); }, {},
        {} });
    measures.push_back({ "table", dir.filePath(QStringLiteral("table.htm")),
        [&collection](const QString &file) { return collection.SaveAsHtmlFile(file, false, nullptr, false, true); }, {},
        {} });

    for (int round = 0; round < rounds; ++round) {
        std::printf("round %d:", round + 1);
        for (Measure &measure : measures) {
            QElapsedTimer timer;
            const double cpu = cpuSeconds();
            timer.start();
            if (!measure.run(measure.path)) {
                std::fprintf(stderr, "%s export failed\n", measure.name);
                return 1;
            }
            measure.wall.push_back(double(timer.nsecsElapsed()) / 1e9);
            measure.cpu.push_back(cpuSeconds() - cpu);
            std::printf(" %s %.3f s (cpu %.3f, %.1f MB)", measure.name, measure.wall.back(), measure.cpu.back(),
                double(QFileInfo(measure.path).size()) / 1e6);
        }
        std::printf("\n");
    }
    std::printf("items=%d xml_s=%.3f html_s=%.3f table_s=%.3f\n", itemCount, BenchSetup::median(measures[0].wall),
        BenchSetup::median(measures[1].wall), BenchSetup::median(measures[2].wall));
    return 0;
}
