#include <QBuffer>
#include <QRandomGenerator>
#include <QTest>

#include "database/DatabaseWriter.h"
#include "database/Item.h"

#include <charconv>
#include <cfloat>
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
        if (!DatabaseWriter(buffer).write("#header", list))
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
};

QTEST_GUILESS_MAIN(tst_DatabaseWriter)
#include "tst_databasewriter.moc"
