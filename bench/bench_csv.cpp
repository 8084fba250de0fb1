// Time of the spreadsheet export of a large register and of reading every
// row of the file back.
//
//   bench_csv [items] [keep.csv]     (default 100000)
//
// With a second argument the exported file is copied there (to time other
// programs reading the same file).
// Last line: items=N export_s=... read_s=... (medians over the rounds).
// Runs with its own temporary settings and files.

#include "DemoGenerator.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/CsvExport.h"
#include "database/CsvReader.h"
#include "database/DBItemCollection.h"
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
#include <vector>

namespace {

constexpr int rounds = 5;

double cpuSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
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
    for (QSettings::Format format : { QSettings::NativeFormat, QSettings::IniFormat }) {
        QSettings::setPath(format, QSettings::UserScope, dir.filePath(QStringLiteral("settings")));
        QSettings::setPath(format, QSettings::SystemScope, dir.filePath(QStringLiteral("settings")));
    }
    setEdition(OstranaEdition);
    Settings::applyIdentity();
    Settings().setValue(QStringLiteral("LastDBDir"), dir.path());
    MessageBox::setRecording(true);

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
    std::vector<double> exportCpu;
    std::vector<double> readCpu;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        double cpu = cpuSeconds();
        timer.start();
        if (!exporter.writeAll(csv, format)) {
            std::fprintf(stderr, "export failed: %s\n", qPrintable(exporter.errorString()));
            return 1;
        }
        exportTimes.push_back(double(timer.nsecsElapsed()) / 1e9);
        exportCpu.push_back(cpuSeconds() - cpu);
        cpu = cpuSeconds();
        timer.restart();
        const qint64 rows = readRows(csv);
        readTimes.push_back(double(timer.nsecsElapsed()) / 1e9);
        readCpu.push_back(cpuSeconds() - cpu);
        if (rows != itemCount) {
            std::fprintf(stderr, "read %lld rows of %d\n", static_cast<long long>(rows), itemCount);
            return 1;
        }
        std::printf("round %d: export %.3f s (cpu %.3f) read %.3f s (cpu %.3f) (%.1f MB)\n", round + 1,
            exportTimes.back(), exportCpu.back(), readTimes.back(), readCpu.back(),
            double(QFileInfo(csv).size()) / 1e6);
    }
    if (argc > 2) {
        QFile::remove(QString::fromLocal8Bit(argv[2]));
        if (!QFile::copy(csv, QString::fromLocal8Bit(argv[2])))
            std::fprintf(stderr, "could not keep the file\n");
    }
    std::printf("items=%d export_s=%.3f read_s=%.3f\n", itemCount, median(exportTimes), median(readTimes));
    return 0;
}
