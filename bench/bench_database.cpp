// Load and save times of a large database file, next to the time of merely
// reading its bytes, and the memory the loaded collection takes.
//
//   bench_database [items] [copy]   (default 100000 items)
//
// With copy, the generated database file is also copied there (for
// bench/compare_sqlite.sh, which reads the same rows into sqlite3).
//
// Each save keeps the file it replaces as a version, two of them at most
// (BENCH_VERSIONS_KEEP=n keeps n; 0 none, as a save without versions).
//
// Last line: items=N load_s=... save_s=... floor_s=... collection_mb=...
// (medians over the rounds). Runs with its own temporary settings and files.

#include "BenchSetup.h"
#include "core/Edition.h"
#include "desktop/MessageBox.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/DatabaseVersions.h"
#include "database/Item.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <ctime>
#include <memory>
#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

constexpr int rounds = 5;

// Bytes the heap hands out right now (glibc); 0 elsewhere.
double heapBytes()
{
#ifdef __GLIBC__
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks) + double(info.hblkhd);
#else
    return 0;
#endif
}

// Resident and peak resident memory in bytes (Linux).
double statusValue(const char *key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string prefix = std::string(key) + ":";
    while (std::getline(status, line)) {
        if (line.rfind(prefix, 0) == 0)
            return std::atof(line.c_str() + prefix.size()) * 1024.0;
    }
    return 0;
}

// CPU time of this process in seconds: on a busy machine it tells work from waiting.
double cpuSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

const QStringList things = {
    QStringLiteral("Spisebordsstol"),
    QStringLiteral("Sofabord"),
    QStringLiteral("Køleskab"),
    QStringLiteral("Opvaskemaskine"),
    QStringLiteral("Bordlampe"),
    QStringLiteral("Skrivebord"),
    QStringLiteral("Bogreol"),
    QStringLiteral("Vinterjakke"),
    QStringLiteral("Gummistøvler"),
    QStringLiteral("Boremaskine"),
    QStringLiteral("Rundsav"),
    QStringLiteral("Græsslåmaskine"),
    QStringLiteral("Fjernsyn"),
    QStringLiteral("Højttaler"),
    QStringLiteral("Kaffemaskine"),
    QStringLiteral("Sølvske"),
    QStringLiteral("Maleri"),
    QStringLiteral("Tæppe"),
};
const QStringList makers = {
    QStringLiteral("Fritz Hansen"),
    QStringLiteral("Bang & Olufsen"),
    QStringLiteral("Louis Poulsen"),
    QStringLiteral("Georg Jensen"),
    QStringLiteral("Gram"),
    QStringLiteral("Bosch"),
    QStringLiteral("Kähler"),
    QStringLiteral("Søstrene Grene"),
    QStringLiteral("Ærø Møbler"),
};
const QStringList shops = {
    QStringLiteral("Illums Bolighus"),
    QStringLiteral("Magasin"),
    QStringLiteral("Silvan"),
    QStringLiteral("Bauhaus"),
    QStringLiteral("Elgiganten"),
    QStringLiteral("Føtex"),
    QStringLiteral("Bilka"),
};
const QStringList words = {
    QStringLiteral("grå"),
    QStringLiteral("blå"),
    QStringLiteral("egetræ"),
    QStringLiteral("med"),
    QStringLiteral("låg"),
    QStringLiteral("næsten"),
    QStringLiteral("ny"),
    QStringLiteral("ridse"),
    QStringLiteral("på"),
    QStringLiteral("siden"),
    QStringLiteral("købt"),
    QStringLiteral("udsalg"),
    QStringLiteral("garanti"),
    QStringLiteral("år"),
    QStringLiteral("kæde"),
    QStringLiteral("hæk"),
};
const QStringList streets = {
    QStringLiteral("Østerbrogade"),
    QStringLiteral("Åboulevard"),
    QStringLiteral("Nørregade"),
    QStringLiteral("Strøget"),
    QStringLiteral("Vesterbrogade"),
};

std::unique_ptr<Item> makeItem(QRandomGenerator &random, int i)
{
    const auto pick = [&random](const QStringList &list) { return list.at(int(random.bounded(list.size()))); };
    auto item = std::make_unique<Item>();
    item->setGroup(int(random.bounded(30)));
    item->setName(pick(things) + QStringLiteral(" nr. %1").arg(i));
    item->setProduct(pick(makers));
    item->setPrice(double(random.bounded(100000)) / 4.0);
    item->setPriceToday(double(random.bounded(100000)) / 8.0);
    item->setDate(QStringLiteral("%1.%2.%3")
                      .arg(1 + random.bounded(28), 2, 10, QLatin1Char('0'))
                      .arg(1 + random.bounded(12), 2, 10, QLatin1Char('0'))
                      .arg(1990 + random.bounded(35)));
    item->setSupplier(pick(shops));
    item->setSerialno(QString::number(100000 + i));
    QString description;
    const int count = 2 + int(random.bounded(5));
    for (int w = 0; w < count; ++w)
        description += (w ? QStringLiteral(" ") : QString()) + pick(words);
    item->setDescription(description);
    item->setAddress(pick(streets) + QStringLiteral(" %1").arg(1 + random.bounded(200)));
    item->setPhotolink(QStringLiteral("C:\\Billeder\\foto%1.jpg").arg(i));
    item->setNumberOfItems(1 + int(random.bounded(20)));
    item->setLocation(int(random.bounded(20)));
    item->setWww(QStringLiteral("www.butik.dk/vare/%1").arg(i));
    item->setReceipt(QStringLiteral("C:\\Kvitteringer\\k%1.pdf").arg(i));
    item->setDocument(QStringLiteral("C:\\Dokumenter\\d%1.pdf").arg(i));
    item->setProductModel(QStringLiteral("Type %1-Æ").arg(random.bounded(1000)));
    return item;
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
    const char *keep = std::getenv("BENCH_VERSIONS_KEEP");
    Settings().setValue(DatabaseVersions::keepKey(), keep ? std::atoi(keep) : 2);

    const QString path = dir.filePath(QStringLiteral("bench.inb"));
    const QString savePath = dir.filePath(QStringLiteral("saved.inb"));
    {
        DBItemCollection source(nullptr);
        QRandomGenerator random(4711);
        for (int i = 0; i < itemCount; ++i)
            source.add(makeItem(random, i));
        if (!source.SaveToFileAsAscii(path)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(path));
            return 1;
        }
    }
    std::printf("file: %d items, %.1f MB\n", itemCount, double(QFileInfo(path).size()) / 1e6);
    if (argc > 2) {
        const QString copy = QString::fromLocal8Bit(argv[2]);
        QFile::remove(copy);
        if (!QFile::copy(path, copy)) {
            std::fprintf(stderr, "could not copy the database to %s\n", argv[2]);
            return 1;
        }
    }

    std::vector<double> loads, saves, floors, heaps, rssDeltas, loadCpu, saveCpu;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly) || file.readAll().size() != file.size())
                return 1;
        }
        floors.push_back(double(timer.nsecsElapsed()) / 1e9);

        DBItemCollection collection(nullptr);
        const double heapBefore = heapBytes();
        const double rssBefore = statusValue("VmRSS");
        double cpu = cpuSeconds();
        timer.restart();
        if (!collection.LoadFromAsciiFile(path) || collection.count() != itemCount) {
            std::fprintf(stderr, "load failed\n");
            return 1;
        }
        loads.push_back(double(timer.nsecsElapsed()) / 1e9);
        loadCpu.push_back(cpuSeconds() - cpu);
        heaps.push_back(heapBytes() - heapBefore);
        rssDeltas.push_back(statusValue("VmRSS") - rssBefore);

        cpu = cpuSeconds();
        timer.restart();
        // Saved as the user's save does: from the second round on the file
        // replaced stays as a version, and from the fourth the oldest goes.
        if (!collection.SaveToFileAsAscii(savePath, true)) {
            std::fprintf(stderr, "save failed\n");
            return 1;
        }
        saves.push_back(double(timer.nsecsElapsed()) / 1e9);
        saveCpu.push_back(cpuSeconds() - cpu);
        std::printf("round %d: load %.3f s (cpu %.3f), save %.3f s (cpu %.3f), read bytes %.3f s, "
                    "collection %.1f MB heap, RSS +%.1f MB\n",
            round + 1, loads.back(), loadCpu.back(), saves.back(), saveCpu.back(), floors.back(),
            heaps.back() / 1048576.0, rssDeltas.back() / 1048576.0);
    }
    std::printf("versions kept: %d\n", int(DatabaseVersions(savePath).versions().size()));
    if (QFile(path).size() != QFile(savePath).size())
        std::printf("warning: the saved file differs in size from the loaded one\n");
    std::printf("peak RSS %.0f MB\n", statusValue("VmHWM") / 1048576.0);
    std::printf("items=%d load_s=%.3f save_s=%.3f floor_s=%.3f collection_mb=%.0f\n", itemCount,
        BenchSetup::median(loads), BenchSetup::median(saves), BenchSetup::median(floors),
        BenchSetup::median(heaps) / 1048576.0);
    return 0;
}
