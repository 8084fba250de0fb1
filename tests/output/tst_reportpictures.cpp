#include <QtTest>

#include "core/Parallel.h"
#include "output/ReportPictures.h"

#include <QImage>
#include <QImageWriter>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <atomic>

namespace {

// A picture of the size, saved in the format; its colour tells it apart.
QString makePicture(const QTemporaryDir &dir, const QString &name, QSize size, const char *format,
    QImageIOHandler::Transformations turn = QImageIOHandler::TransformationNone)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(qHash(name) % 360, 200, 200));
    const QString path = dir.filePath(name);
    QImageWriter writer(path, format);
    writer.setTransformation(turn);
    return writer.write(image) ? path : QString();
}

} // namespace

class tst_ReportPictures : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        Parallel::setNoThreads(false);
        Parallel::setMinimumWork(-1);
    }

    // Scaled to fit the square, never enlarged, turned as the file says;
    // what cannot be read is no picture.
    void read_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QSize>("stored");
        QTest::addColumn<int>("turn");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<QSize>("read");
        QTest::newRow("photo, an eighth and on") << "jpeg" << QSize(4000, 3000) << 0 << 283 << QSize(283, 212);
        QTest::newRow("photo, a quarter and on") << "jpeg" << QSize(1600, 1200) << 0 << 283 << QSize(283, 212);
        QTest::newRow("photo just larger") << "jpeg" << QSize(300, 200) << 0 << 283 << QSize(283, 188);
        QTest::newRow("uneven photo") << "jpeg" << QSize(4001, 2999) << 0 << 117 << QSize(117, 87);
        QTest::newRow("photo taken upright")
            << "jpeg" << QSize(1600, 1200) << int(QImageIOHandler::TransformationRotate90) << 283 << QSize(212, 283);
        QTest::newRow("tall scan") << "png" << QSize(500, 1000) << 0 << 283 << QSize(141, 283);
        QTest::newRow("small stays small") << "png" << QSize(100, 80) << 0 << 283 << QSize(100, 80);
        QTest::newRow("exactly the size") << "jpeg" << QSize(283, 283) << 0 << 283 << QSize(283, 283);
    }
    void read()
    {
        QFETCH(QString, format);
        QFETCH(QSize, stored);
        QFETCH(int, turn);
        QFETCH(int, pixels);
        QFETCH(QSize, read);
        QTemporaryDir dir;
        const QString path = makePicture(dir, QStringLiteral("picture.") + format, stored,
            format.toLatin1().constData(), QImageIOHandler::Transformations(turn));
        QVERIFY(!path.isEmpty());
        QCOMPARE(ReportPictures::read(path, pixels).size(), read);
    }

    void unreadable()
    {
        QTemporaryDir dir;
        QFile text(dir.filePath(QStringLiteral("notes.jpg")));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not a picture at all");
        text.close();
        QVERIFY(ReportPictures::read(text.fileName(), 283).isNull());
        QVERIFY(ReportPictures::read(dir.filePath(QStringLiteral("gone.jpg")), 283).isNull());
        QVERIFY(ReportPictures::read(QString(), 283).isNull());
        const QString path = makePicture(dir, QStringLiteral("ok.png"), QSize(50, 50), "png");
        QVERIFY(ReportPictures::read(path, 0).isNull());
    }

    // Each picture is taken in the order asked for, whether a second
    // thread reads ahead or the taker reads each itself; a missing one is
    // a null picture in its place.
    void takenInOrder_data()
    {
        QTest::addColumn<bool>("threads");
        QTest::newRow("read ahead") << true;
        QTest::newRow("no second thread") << false;
    }
    void takenInOrder()
    {
        QFETCH(bool, threads);
        Parallel::setNoThreads(!threads);
        QTemporaryDir dir;
        QList<ReportPictures::Request> requests;
        QList<QSize> expected;
        for (int i = 0; i < 24; ++i) {
            if (i % 7 == 3) {
                requests.append({ dir.filePath(QStringLiteral("missing%1.jpg").arg(i)), 100 });
                expected.append(QSize());
                continue;
            }
            // Widths that tell the pictures apart once scaled.
            const QSize size(100 + 8 * i, 100);
            requests.append({ makePicture(dir, QStringLiteral("p%1.jpg").arg(i), size, i % 2 ? "jpeg" : "png"), 300 });
            expected.append(size);
        }
        ReportPictures pictures(requests);
        QList<QSize> taken;
        Parallel::run(
            Parallel::minimumWork(),
            [&] {
                const auto finished = qScopeGuard([&] { pictures.finish(); });
                for (qsizetype i = 0; i < pictures.count(); ++i) {
                    const QImage image = pictures.take();
                    taken.append(image.isNull() ? QSize() : image.size());
                }
            },
            [&] { pictures.readAhead(); });
        QCOMPARE(taken, expected);
        QVERIFY(pictures.take().isNull());
    }

    // A report stopped early stops the reading ahead with it.
    void finishedEarly()
    {
        QTemporaryDir dir;
        const QString path = makePicture(dir, QStringLiteral("p.jpg"), QSize(800, 600), "jpeg");
        ReportPictures pictures(QList<ReportPictures::Request>(40, { path, 200 }));
        std::atomic<bool> ended = false;
        Parallel::run(
            Parallel::minimumWork(),
            [&] {
                const auto finished = qScopeGuard([&] { pictures.finish(); });
                QCOMPARE(pictures.take().size(), QSize(200, 150));
                QCOMPARE(pictures.take().size(), QSize(200, 150));
            },
            [&] {
                pictures.readAhead();
                ended = true;
            });
        QVERIFY(ended);
    }
};

QTEST_MAIN(tst_ReportPictures)
#include "tst_reportpictures.moc"
