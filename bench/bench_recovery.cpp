// The cost of keeping a large register's unsaved changes in its recovery
// file: the user's time of one change with its journal line and the handing
// over of the journal's text, and the writing of the recovery file, which
// runs on a thread of its own while the user goes on.
//
//   bench_recovery [items]   (default 100000 items)
//
// Last line: items=N change_ms=... write_ms=... (medians over the rounds; the
// write after each change holds every change so far). Runs with its own
// temporary settings and files.

#include "BenchSetup.h"
#include "DemoGenerator.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/CollectionStep.h"
#include "database/DBItemCollection.h"
#include "database/DatabaseIdentity.h"
#include "database/Item.h"
#include "database/RecoveryFile.h"
#include "database/RecoveryJournal.h"
#include "desktop/MessageBox.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int rounds = 21;

double milliseconds(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
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

    const QString database = DemoGenerator::writeDatabase(dir.path(), QStringLiteral("Hjem.inb"), itemCount);
    if (database.isEmpty()) {
        std::fprintf(stderr, "could not write the database\n");
        return 1;
    }
    DBItemCollection collection(nullptr);
    if (!collection.LoadFromAsciiFile(database) || collection.count() != itemCount) {
        std::fprintf(stderr, "load failed\n");
        return 1;
    }
    std::printf("loaded %d items\n", itemCount);

    RecoveryJournal journal;
    collection.addJournal(&journal);
    RecoveryFile::Header header;
    header.edition = editionName(false);
    header.database = database;
    header.identity = DatabaseIdentity::of(database);
    const QString recovery = RecoveryFile::besidePath(database);

    std::vector<double> changes;
    std::vector<double> writes;
    for (int round = 0; round < rounds; ++round) {
        // An item in the middle of the register, as the item dialog changes
        // it, and the journal's text handed over as the window hands it to
        // its writer.
        Item *item = collection.at(itemCount / 2 + round % std::max(1, itemCount / 2));
        QElapsedTimer timer;
        timer.start();
        QList<QByteArray> body;
        {
            CollectionStep step(collection, QStringLiteral("change"));
            collection.aboutToChange(item);
            item->setDescription(QStringLiteral("ændret i runde %1").arg(round));
            collection.itemWasChanged(item);
        }
        body = journal.blocks();
        changes.push_back(milliseconds(timer));

        header.steps = journal.steps();
        header.lastChange = journal.lastChange();
        timer.restart();
        QString error;
        if (!RecoveryFile::write(recovery, header, body, &error)) {
            std::fprintf(stderr, "recovery not written: %s\n", qPrintable(error));
            return 1;
        }
        writes.push_back(milliseconds(timer));
    }
    std::printf("steps=%d recovery_bytes=%lld\n", journal.steps(), qlonglong(QFileInfo(recovery).size()));
    std::printf(
        "items=%d change_ms=%.3f write_ms=%.3f\n", itemCount, BenchSetup::median(changes), BenchSetup::median(writes));
    return 0;
}
