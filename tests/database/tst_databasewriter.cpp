#include <QBuffer>
#include <QRandomGenerator>
#include <QTest>

#include "../common/FailingDevice.h"
#include "database/AsyncBlockWriter.h"
#include "database/DatabaseWriter.h"
#include "database/Item.h"
#include "database/ItemSpan.h"

#include <charconv>
#include <cfloat>
#include <cstdio>
#include <memory>

// The writer puts prices into the file as "%0.6lf" does, by a short way for
// sums in whole cents and the full conversion for every other number. Both
// ways must give the same bytes.
class tst_DatabaseWriter : public QObject
{
    Q_OBJECT

    static QByteArray fixedSix(double value)
    {
        char text[400];
        const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 6);
        return QByteArray(text, result.ptr - text);
    }

    // The price fields of the lines written for items with these prices.
    static QList<QByteArray> writtenPrices(const QList<double> &prices)
    {
        std::vector<std::unique_ptr<Item>> items;
        QList<Item *> list;
        for (qsizetype i = 0; i + 1 < prices.size(); i += 2) {
            items.push_back(std::make_unique<Item>());
            items.back()->setPrice(prices.at(i));
            items.back()->setPriceToday(prices.at(i + 1));
            list << items.back().get();
        }
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        if (!DatabaseWriter(buffer).write("#header", ItemSpan(items.data(), qsizetype(items.size()))))
            return {};
        QList<QByteArray> fields;
        const QList<QByteArray> lines = buffer.data().split('\n');
        for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
            const QList<QByteArray> line = lines.at(i).split(';');
            fields << line.value(3) << line.value(4);
        }
        return fields;
    }

private slots:
    void pricesAsPrintfWritesThem_data()
    {
        QTest::addColumn<QList<double>>("prices");
        QTest::newRow("zeros and signs") << QList<double> { 0.0, -0.0, 1e-7, -1e-7, 4e-7, -6e-7 };
        QTest::newRow("halfway millionths") << QList<double> { 5e-7, 1.5e-6, 2.5e-6, -5e-7, 0.0000125, 1.0000005 };
        QTest::newRow("cents") << QList<double> { 1500.5, -1500.5, 0.01, 0.1 + 0.2, 19.99, 123456789.01 };
        QTest::newRow("large") << QList<double> { 999999999.999999, 1e9, 1e15, -1e15, 1e20, 123456789012345.67 };
        QTest::newRow("extremes") << QList<double> { DBL_MAX, -DBL_MAX, DBL_MIN, -DBL_MIN, DBL_EPSILON, 1e300 };
        QList<double> random;
        QRandomGenerator generator(20261208);
        for (int i = 0; i < 2000; ++i) {
            random << double(generator.bounded(10000000)) / 100.0;
            random << (generator.generateDouble() - 0.5) * std::pow(10.0, generator.bounded(-8, 16));
        }
        QTest::newRow("random cents and numbers") << random;
    }
    void pricesAsPrintfWritesThem()
    {
        QFETCH(QList<double>, prices);
        const QList<QByteArray> written = writtenPrices(prices);
        QCOMPARE(written.size(), prices.size());
        for (qsizetype i = 0; i < prices.size(); ++i) {
            if (written.at(i) != fixedSix(prices.at(i)))
                QFAIL(qPrintable(
                    QStringLiteral("%1 written as %2, not %3")
                        .arg(prices.at(i), 0, 'g', 17)
                        .arg(QString::fromLatin1(written.at(i)), QString::fromLatin1(fixedSix(prices.at(i))))));
        }
    }

    // A large register's lines are made by two threads at once, in turns
    // of a few thousand items: the file is still every line in order, as a
    // plain printf makes them, and every item is announced once, in order,
    // however the count falls on the turns.
    void largeRegisterInOrder_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("just past one thread") << 50001;
        QTest::newRow("whole turns, even") << 4096 * 14;
        QTest::newRow("whole turns, odd") << 4096 * 15;
        QTest::newRow("one item past whole turns") << 4096 * 15 + 1;
        QTest::newRow("many turns") << 120001;
    }
    void largeRegisterInOrder()
    {
        QFETCH(int, count);
        std::vector<std::unique_ptr<Item>> items;
        QList<Item *> list;
        QByteArray expected = "#header\n";
        QRandomGenerator random(4711);
        for (int i = 0; i < count; ++i) {
            auto item = std::make_unique<Item>();
            item->setGroup(i / 1000);
            item->setName(QStringLiteral("Ting %1").arg(i));
            item->setDescription(i % 3 ? QString(random.bounded(200), QLatin1Char('d')) : QString());
            item->setPrice(double(random.bounded(1000000)) / 100.0);
            item->setPriceToday(double(i) / 7.0);
            item->setNumberOfItems(i % 5);
            item->setLocation(i % 11);
            item->setProductModel(i % 2 ? QStringLiteral("Model \u00e6") : QString());
            char numbers[200];
            std::snprintf(numbers, sizeof numbers, "%.6f;%.6f;", item->price(), item->priceToday());
            expected += QByteArray::number(item->group()) + ';' + item->name().toLatin1() + ";;" + numbers + ";;;"
                + item->description().toLatin1() + ";;;" + QByteArray::number(item->numberOfItems()) + ';'
                + QByteArray::number(item->location()) + ";;;;" + item->productModel().toLatin1() + ";\n";
            list << item.get();
            items.push_back(std::move(item));
        }
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QList<const Item *> announced;
        QVERIFY(DatabaseWriter(buffer).write(
            "#header", ItemSpan(items.data(), qsizetype(items.size())), [&](const Item &item) { announced << &item; }));
        QCOMPARE(buffer.data().size(), expected.size());
        QVERIFY(buffer.data() == expected);
        QCOMPARE(announced.size(), list.size());
        QVERIFY(std::equal(announced.cbegin(), announced.cend(), list.cbegin()));
    }

    // A device that takes nothing, without saying why, ends the writing
    // with a failure at once rather than being offered the block for ever.
    // (After many offers it fails outright, so that a writer that would go
    // on fails this test instead of hanging it.)
    void blockWriterGivesUpOnADeviceThatTakesNothing_data()
    {
        QTest::addColumn<qint64>("takes");
        QTest::newRow("nothing at all") << qint64(0);
        QTest::newRow("part of the first block") << qint64(100);
        QTest::newRow("the first block") << qint64(4096);
    }
    void blockWriterGivesUpOnADeviceThatTakesNothing()
    {
        QFETCH(qint64, takes);
        class TakesNothing : public QIODevice
        {
        public:
            explicit TakesNothing(qint64 takes)
                : m_left(takes)
            {
                open(QIODevice::WriteOnly | QIODevice::Unbuffered);
            }
            int offers = 0;

        protected:
            qint64 readData(char *, qint64) override { return -1; }
            qint64 writeData(const char *, qint64 size) override
            {
                const qint64 taken = std::min(size, m_left);
                m_left -= taken;
                if (taken == 0 && ++offers > 1000)
                    return -1;
                return taken;
            }

        private:
            qint64 m_left;
        };
        TakesNothing device(takes);
        const QByteArray block(4096, 'x');
        qint64 started = -1;
        bool written = false;
        {
            AsyncBlockWriter writer(device, [&started](qint64 start, qint64) { started = start; });
            bool going = true;
            for (int i = 0; i < 3 && going; ++i)
                going = writer.write(block.constData(), block.size());
            written = going && writer.wait();
        }
        QVERIFY(!written);
        QCOMPARE(device.offers, 1);
        // Only a block written whole is reported as written.
        QCOMPARE(started, takes == block.size() ? 0 : -1);
    }

    // A full disk anywhere in a large register ends the writing with a
    // failure, whichever thread made the lines.
    void largeRegisterOnAFullDisk_data()
    {
        QTest::addColumn<double>("share");
        QTest::newRow("first half") << 0.2;
        QTest::newRow("second half") << 0.8;
        QTest::newRow("last bytes") << 0.999;
    }
    void largeRegisterOnAFullDisk()
    {
        QFETCH(double, share);
        std::vector<std::unique_ptr<Item>> items;
        QList<Item *> list;
        for (int i = 0; i < 60000; ++i) {
            items.push_back(std::make_unique<Item>());
            items.back()->setName(QStringLiteral("Ting %1").arg(i));
            list << items.back().get();
        }
        QBuffer whole;
        whole.open(QIODevice::WriteOnly);
        qsizetype allTold = 0;
        QVERIFY(DatabaseWriter(whole).write(
            "#header", ItemSpan(items.data(), qsizetype(items.size())), [&](const Item &) { ++allTold; }));
        QCOMPARE(allTold, list.size());
        TestSupport::FailingDevice full(qint64(double(whole.size()) * share));
        // Only items whose lines the device took whole are told written, in order.
        qsizetype told = 0;
        bool inOrder = true;
        const auto written = [&](const Item &item) { inOrder = inOrder && &item == list.at(told++); };
        QVERIFY(!DatabaseWriter(full).write("#header", ItemSpan(items.data(), qsizetype(items.size())), written));
        QCOMPARE(full.errorString(), TestSupport::FailingDevice::reason());
        QVERIFY(inOrder);
        const qsizetype wholeLines = whole.data().left(full.taken()).count('\n') - 1;
        QVERIFY2(told <= wholeLines, qPrintable(QStringLiteral("%1 told, %2 written").arg(told).arg(wholeLines)));
    }
};

QTEST_GUILESS_MAIN(tst_DatabaseWriter)
#include "tst_databasewriter.moc"
