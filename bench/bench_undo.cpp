// Undo and redo through the main window: the time from the Undo (or Redo)
// command to a list that shows the result, for one change of one item and
// for a delete of 10 000 items (fewer when the register is smaller: half of
// it). The changes are made the way the item dialog and the list make them,
// as one named step of the collection each. A last line before the summary
// shows the undo of such a delete after a save in between.
//
// Usage: bench_undo [items], 100000 items unless given.
// Last line: items=100000 undo_ms=0.41 redo_ms=0.39 delete10k_undo_ms=95.1 delete10k_redo_ms=80.3

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "BenchSetup.h"
#include "DemoGenerator.h"
#include "database/CollectionStep.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "desktop/FileDialog.h"
#include "desktop/MessageBox.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/UndoHistory.h"
#include "mainwindow/larkspanwindow.h"

namespace {

constexpr int DefaultItemCount = 100000;
constexpr int ChangeRounds = 9;
constexpr int DeleteRounds = 3;
constexpr int DeleteCount = 10000;

// The milliseconds of one command, until the window has handled what it
// posted (the list's repaint among it).
double timed(const std::function<void()> &command)
{
    QElapsedTimer stopwatch;
    stopwatch.start();
    command();
    QCoreApplication::processEvents();
    return stopwatch.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("DEBUGTALDRUM", "");
    QApplication app(argc, argv);
    const int itemCount = argc > 1 ? std::max(2, std::atoi(argv[1])) : DefaultItemCount;

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
    QCoreApplication::processEvents();
    DBItemCollection *collection = window.collection();
    if (!collection || collection->count() != itemCount) {
        std::fprintf(stderr, "the database was not opened\n");
        return 1;
    }
    QAction *undo = window.findChild<QAction *>(QStringLiteral("EditUndo"));
    QAction *redo = window.findChild<QAction *>(QStringLiteral("EditRedo"));

    // One change of one item in the middle, as the item dialog saves it.
    std::vector<double> undoMs;
    std::vector<double> redoMs;
    Item *item = collection->at(itemCount / 2);
    for (int round = 0; round < ChangeRounds; ++round) {
        {
            const CollectionStep step(*collection, QStringLiteral("change"));
            collection->aboutToChange(item);
            item->setName(QStringLiteral("Ændret %1").arg(round));
            item->setPrice(item->price() + 1.0);
            collection->itemWasChanged(item);
        }
        QCoreApplication::processEvents();
        const QString changed = item->name();
        undoMs.push_back(timed([&] { undo->trigger(); }));
        if (item->name() == changed) {
            std::fprintf(stderr, "the change was not undone\n");
            return 1;
        }
        redoMs.push_back(timed([&] { redo->trigger(); }));
    }
    std::printf("one change: undo %.3f ms, redo %.3f ms (median of %d)\n", BenchSetup::median(undoMs),
        BenchSetup::median(redoMs), ChangeRounds);

    // A delete of many items spread over the register, in one step.
    const int deleted = std::min(DeleteCount, itemCount / 2);
    std::vector<double> deleteMs;
    std::vector<double> deleteUndoMs;
    std::vector<double> deleteRedoMs;
    for (int round = 0; round < DeleteRounds; ++round) {
        QList<Item *> doomed;
        const int stride = collection->count() / deleted;
        for (int i = 0; i < deleted; ++i)
            doomed.append(collection->at(i * stride));
        deleteMs.push_back(timed([&] { window.listView()->DeleteItems(doomed); }));
        deleteUndoMs.push_back(timed([&] { undo->trigger(); }));
        if (collection->count() != itemCount) {
            std::fprintf(stderr, "the delete was not undone\n");
            return 1;
        }
        deleteRedoMs.push_back(timed([&] { redo->trigger(); }));
        std::printf("round %d: delete of %d items %.1f ms, undo %.1f ms, redo %.1f ms\n", round + 1, deleted,
            deleteMs.back(), deleteUndoMs.back(), deleteRedoMs.back());
        std::fflush(stdout);
        // The next round deletes from the whole register again.
        undo->trigger();
        QCoreApplication::processEvents();
    }
    // The same after a save, which sorts the register by group: the items
    // go back by their neighbours instead of by their positions.
    {
        QList<Item *> doomed;
        const int stride = collection->count() / deleted;
        for (int i = 0; i < deleted; ++i)
            doomed.append(collection->at(i * stride));
        window.listView()->DeleteItems(doomed);
        window.saveDatabase();
        const double afterSave = timed([&] { undo->trigger(); });
        std::printf("delete of %d items, saved, undone: %.1f ms\n", deleted, afterSave);
    }
    if (!MessageBox::shown().isEmpty())
        std::printf("unexpected box: %s\n", qPrintable(MessageBox::shown().first().text));

    std::printf("items=%d undo_ms=%.3f redo_ms=%.3f delete10k_undo_ms=%.1f delete10k_redo_ms=%.1f\n", itemCount,
        BenchSetup::median(undoMs), BenchSetup::median(redoMs), BenchSetup::median(deleteUndoMs),
        BenchSetup::median(deleteRedoMs));
    return collection->count() == itemCount ? 0 : 1;
}
