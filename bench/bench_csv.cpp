// Time of the spreadsheet export of a large register, of reading every row
// of the file back, and of its import into an empty register (the dry run
// of the whole file and the import as one step).
//
//   bench_csv [items] [keep.csv]     (default 100000)
//
// With a second argument the exported file is copied there (to time other
// programs reading the same file).
// Last line: items=N export_s=... read_s=... import_s=... import_cpu_s=...
// (medians over the rounds; import_cpu_s is the processor time of the
// import).
// Runs with its own temporary settings and files.

#include "BenchSetup.h"
#include "DemoGenerator.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/CsvColumnMapping.h"
#include "database/CsvExport.h"
#include "database/CsvImporter.h"
#include "database/CsvReader.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "desktop/MessageBox.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <vector>

namespace {

constexpr int rounds = 5;

// The process's processor time: on a machine that other work keeps busy it
// tells the import's own cost better than the clock on the wall.
double cpuSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// The rows of the file after its header, or -1 when it could not be read.
qint64 readRows(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    CsvReader reader(file, CsvFormat::Utf8, u';');
    CsvRow row;
    qint64 rows = 0;
    CsvReader::Status status;
    while ((status = reader.readRow(row)) == CsvReader::RowRead)
        ++rows;
    return status == CsvReader::AtEnd ? rows - 1 : -1;
}

// Imports the file into the empty register target: the items imported, or
// -1 when a row was refused or the file not read.
qint64 importRows(const QString &path, const CsvFormat &format, DBItemCollection &target)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    QStringList header;
    {
        CsvReader reader(file, format.encoding, format.separator);
        CsvRow row;
        if (reader.readRow(row) != CsvReader::RowRead)
            return -1;
        header = row.cells;
    }
    if (!file.seek(0))
        return -1;
    CsvImporter importer(target, CsvColumnMapping::guess(header, target.fields()), {});
    CsvImportPlan plan = importer.check(file, format);
    if (!plan.errors.isEmpty()) {
        std::fprintf(stderr, "line %lld: %s\n", static_cast<long long>(plan.errors.first().line),
            qPrintable(plan.errors.first().reason));
        return -1;
    }
    if (!CsvImporter::apply(target, plan))
        return -1;
    return target.count();
}

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
    collection.MakeDynamicLists();
    if (!collection.LoadFromAsciiFile(path) || collection.count() != itemCount) {
        std::fprintf(stderr, "load failed\n");
        return 1;
    }

    const QString csv = dir.filePath(QStringLiteral("bench.csv"));
    CsvFormat format;
    format.separator = u';';
    CsvExport exporter(collection);
    std::vector<double> exportTimes;
    std::vector<double> readTimes;
    std::vector<double> importTimes;
    std::vector<double> importCpu;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        if (!exporter.writeAll(csv, format)) {
            std::fprintf(stderr, "export failed: %s\n", qPrintable(exporter.errorString()));
            return 1;
        }
        exportTimes.push_back(double(timer.nsecsElapsed()) / 1e9);
        timer.restart();
        const qint64 rows = readRows(csv);
        readTimes.push_back(double(timer.nsecsElapsed()) / 1e9);
        if (rows != itemCount) {
            std::fprintf(stderr, "read %lld rows of %d\n", static_cast<long long>(rows), itemCount);
            return 1;
        }
        // The empty register with the lists, made and deleted outside the
        // time taken.
        auto target = std::make_unique<DBItemCollection>(nullptr);
        timer.restart();
        const double cpuBefore = cpuSeconds();
        const qint64 imported = importRows(csv, format, *target);
        importTimes.push_back(double(timer.nsecsElapsed()) / 1e9);
        importCpu.push_back(cpuSeconds() - cpuBefore);
        target.reset();
        if (imported != itemCount) {
            std::fprintf(stderr, "imported %lld items of %d\n", static_cast<long long>(imported), itemCount);
            return 1;
        }
        std::printf("round %d: export %.3f s read %.3f s import %.3f s (cpu %.3f s) (%.1f MB)\n", round + 1,
            exportTimes.back(), readTimes.back(), importTimes.back(), importCpu.back(),
            double(QFileInfo(csv).size()) / 1e6);
    }
    if (argc > 2) {
        QFile::remove(QString::fromLocal8Bit(argv[2]));
        if (!QFile::copy(csv, QString::fromLocal8Bit(argv[2])))
            std::fprintf(stderr, "could not keep the file\n");
    }
    std::printf("items=%d export_s=%.3f read_s=%.3f import_s=%.3f import_cpu_s=%.3f\n", itemCount,
        BenchSetup::median(exportTimes), BenchSetup::median(readTimes), BenchSetup::median(importTimes),
        BenchSetup::median(importCpu));
    return 0;
}
