// Time and memory of the value report of a large register.
//
//   bench_report [items] [pictures]     (default 1000 items, 1000 pictures)
//
// The first `pictures` items each link a distinct JPEG photo of 4000 × 3000
// pixels (made before the time is taken, on two threads); the others link
// none. Last line: items=N pictures=P pdf_s=... peak_mb=... pdf_mb=...
// (peak_mb counts from after the pictures were made).
// Runs with its own temporary settings and files.

#include "BenchSetup.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "output/ValueReport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

// A photo-like picture: noise over a gradient, different for each number,
// so that no two files are alike and each compresses like a photo.
bool writePhoto(const QString &path, int number)
{
    QImage image(4000, 3000, QImage::Format_RGB32);
    QRandomGenerator random(quint32(number) + 1);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int noise = int(random.bounded(48));
            line[x] = qRgb((x / 16 + number) % 200 + noise, (y / 12) % 200 + noise, (number * 37) % 200 + noise);
        }
    }
    QPainter painter(&image);
    painter.setFont(QFont(QStringLiteral("Sans"), 160));
    painter.drawText(image.rect(), Qt::AlignCenter, QString::number(number));
    painter.end();
    return image.save(path, "JPEG", 85);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int itemCount = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    const int pictureCount = std::clamp(argc > 2 ? std::atoi(argv[2]) : 1000, 0, itemCount);

    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    BenchSetup::prepareRun(dir.path());

    QElapsedTimer generation;
    generation.start();
    bool written = true;
    const auto makePhotos = [&](int first) {
        for (int i = first; i < pictureCount; i += 2)
            if (!writePhoto(dir.filePath(QStringLiteral("photo%1.jpg").arg(i)), i))
                written = false;
    };
    std::thread second(makePhotos, 1);
    makePhotos(0);
    second.join();
    if (!written) {
        std::fprintf(stderr, "could not write the pictures\n");
        return 1;
    }
    qint64 pictureBytes = 0;
    for (int i = 0; i < pictureCount; ++i)
        pictureBytes += QFileInfo(dir.filePath(QStringLiteral("photo%1.jpg").arg(i))).size();
    std::printf("made %d pictures of %.1f MB on average in %.1f s\n", pictureCount,
        pictureCount ? double(pictureBytes) / pictureCount / 1e6 : 0.0, generation.elapsed() / 1000.0);

    DBItemCollection collection(nullptr);
    collection.setListEntries(DBItemCollection::GroupList, { "Stue", "Køkken", "Kontor", "Soveværelse" });
    collection.setListEntries(DBItemCollection::LocationList, { "Hus", "Kælder", "Garage" });
    QList<const Item *> items;
    for (int i = 0; i < itemCount; ++i) {
        auto item = std::make_unique<Item>();
        item->setGroup(i % 4);
        item->setLocation(i % 3);
        item->setName(QStringLiteral("Ting nummer %1").arg(i));
        item->setProduct(QStringLiteral("Fabrikat %1").arg(i % 97));
        item->setSerialno(QStringLiteral("SN%1").arg(i));
        item->setNumberOfItems(1 + i % 3);
        item->setPrice(100.0 + i % 1000);
        item->setPriceToday(50.0 + i % 700);
        item->setDate(QStringLiteral("%1.03.%2").arg(10 + i % 18).arg(1990 + i % 30));
        item->setSupplier(QStringLiteral("Leverandør %1").arg(i % 13));
        item->setDescription(QStringLiteral("En beskrivelse af ting nummer %1").arg(i));
        if (i < pictureCount)
            item->setPhotolink(dir.filePath(QStringLiteral("photo%1.jpg").arg(i)));
        items.append(item.get());
        collection.add(std::move(item));
    }

    BenchSetup::resetPeakResident();
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    ValueReport report(collection, items, ValueReport::Options());
    QElapsedTimer timer;
    timer.start();
    if (!report.write(pdf)) {
        std::fprintf(stderr, "the report failed: %s\n", qPrintable(report.errorString()));
        return 1;
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    std::printf("items=%d pictures=%d pdf_s=%.2f peak_mb=%.0f pdf_mb=%.1f\n", itemCount, pictureCount, seconds,
        BenchSetup::peakResidentMb(), double(QFileInfo(pdf).size()) / 1e6);
    return 0;
}
