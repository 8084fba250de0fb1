// Time and memory of a PDF of label sheets for a large register.
//
//   bench_labels [items]     (default 10000)
//
// One label an item on A4 sheets of 3 × 8, with a Code 128 code of its
// serial number, its name, make and model and its place. The time counts
// the labels' making (each code encoded once) and the PDF's writing. Last
// line: labels=N pdf_s=... peak_mb=... pdf_mb=... (peak_mb counts from
// after the register was built). Runs with its own temporary settings and
// files.

#include "BenchSetup.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "labels/LabelSheet.h"
#include "labels/LabelSheetLayout.h"
#include "labels/LabelSheetWriter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int itemCount = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;

    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    BenchSetup::prepareRun(dir.path());

    DBItemCollection collection(nullptr);
    collection.setListEntries(DBItemCollection::GroupList, { "Stue", "Køkken", "Kontor", "Soveværelse" });
    collection.setListEntries(DBItemCollection::LocationList, { "Hus", "Kælder", "Garage" });
    QList<const Item *> items;
    for (int i = 0; i < itemCount; ++i) {
        auto item = std::make_unique<Item>();
        item->setGroup(i % 4);
        item->setLocation(i % 3);
        item->setName(QStringLiteral("Ting nummer %1 med et ret langt navn").arg(i));
        item->setProduct(QStringLiteral("Fabrikat %1").arg(i % 97));
        item->setProductModel(QStringLiteral("Model %1").arg(i % 31));
        item->setSerialno(QStringLiteral("SN%1").arg(100000 + i));
        items.append(item.get());
        collection.add(std::move(item));
    }
    BenchSetup::resetPeakResident();

    const QString pdf = dir.filePath(QStringLiteral("labels.pdf"));
    QElapsedTimer timer;
    timer.start();
    LabelSheet sheet(LabelSheetLayout::byId(QStringLiteral("a4-3x8")), LabelSheet::Options());
    sheet.addItems(collection, items);
    const double makeSeconds = double(timer.nsecsElapsed()) / 1e9;
    LabelSheetWriter writer(sheet);
    if (!writer.writePdf(pdf)) {
        std::fprintf(stderr, "the labels failed: %s\n", qPrintable(writer.errorString()));
        return 1;
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    std::printf(
        "made %lld labels in %.2f s, %d sheets\n", qlonglong(sheet.labels().size()), makeSeconds, sheet.sheetCount());
    std::printf("labels=%lld pdf_s=%.2f peak_mb=%.0f pdf_mb=%.1f\n", qlonglong(sheet.labels().size()), seconds,
        BenchSetup::peakResidentMb(), double(QFileInfo(pdf).size()) / 1e6);
    return 0;
}
