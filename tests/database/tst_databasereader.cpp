#include <QRandomGenerator>
#include <QTest>

#include "core/Edition.h"
#include "core/Parallel.h"
#include "database/DatabaseReader.h"
#include "database/Item.h"

#include <cstring>

// The reader takes plain lines straight from the bytes and leaves every other
// line to the field list. Both ways must give the same items, the same
// failures and leave the reading at the same place: the tests read the same
// bytes both ways and compare.
class tst_DatabaseReader : public QObject
{
    Q_OBJECT

    // Everything a reading gives, one entry per line read.
    static QStringList readAll(const QByteArray &bytes, bool quickLines)
    {
        DatabaseReader reader(bytes, quickLines);
        QStringList read;
        while (!reader.atEnd()) {
            if (reader.atHeader()) {
                const DatabaseReader::Header header = reader.readHeader();
                read << QStringLiteral("header %1 %2 level %3")
                            .arg(header.text)
                            .arg(header.accepted)
                            .arg(reader.formatLevel());
                continue;
            }
            const std::unique_ptr<Item> item = reader.readItem();
            if (!item) {
                read << (reader.failed() ? QStringLiteral("failed: ") + reader.failureMessage()
                                         : QStringLiteral("end"));
                break;
            }
            QString line = QStringLiteral("%1|%2|%3|%4|%5")
                               .arg(item->group())
                               .arg(item->price(), 0, 'g', 17)
                               .arg(item->priceToday(), 0, 'g', 17)
                               .arg(item->numberOfItems())
                               .arg(item->location());
            for (int i = 0; i < Item::TextCount; ++i)
                line += QLatin1Char('|') + QString::fromLatin1(item->textBytes(Item::Text(i)).toByteArray().toHex());
            read << line;
        }
        return read;
    }

    // The quick reading, in two halves on one thread and on two, against
    // the fields alone.
    static void compareBothWays(const QByteArray &bytes)
    {
        const QStringList fields = readAll(bytes, false);
        Parallel::setMinimumWork(qsizetype(1) << 40);
        const QStringList quick = readAll(bytes, true);
        Parallel::setMinimumWork(0);
        const QStringList halves = readAll(bytes, true);
        Parallel::setMinimumWork(-1);
        if (quick != fields || halves != fields) {
            qWarning().noquote() << "bytes:" << bytes.toHex();
            QCOMPARE(quick, fields);
            QCOMPARE(halves, fields);
        }
    }

    const QByteArray plainLine
        = "3;Sofa;Eg;1500.000000;  800.50;01.02.2003;Ilva;SN-1;Stor;Stue;a.jpg;2;4;www;b.jpg;c.pdf;pm;\n";

private slots:
    void initTestCase() { setEdition(OstranaEdition); }

    // Lines a plain reading could get wrong, each at every format level.
    void oddLines_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<QByteArray>("line");
        const QByteArray headers[]
            = { "", "#2.4.0\n", "#2.4.1\n", "#2.5.2 (INB)\n", "#2.5.3 (INB)\n", "#2.5.5 (INB)\n", "#2.5.5 (COI)\n" };
        const QByteArray lines[] = {
            plainLine,
            "  \n\n 3;a;b;1;2;;;;;;;1;0;;;;;\r\n",
            "3;a;b;1;2;;;;;;;1;0;;;;;\r",
            "+3;a;b;+1;-2;;;;;;;+1; 7 ;;;;;\n",
            "-0;a;b;-.5;5.;;;;;;;x;0x1;;;;;\n",
            "1234567890;a;b;1;2;;;;;;;1;0;;;;;\n",
            "1234567890;5;6;7;8;;;;;;;1;0;;;;;\n",
            "9999999999;5;6;7;8;;;;;;;1;0;;;;;\n",
            "4294967297;5;6;7;8;;;;;;;1;0;;;;;\n",
            "123456789;a;b;1e3;2E-2;;;;;;;1;0;;;;;\n",
            "1;a;b;1.2.3;.;;;;;;;1;0;;;;;\n",
            "1;a;b;1e999;-1e999;;;;;;;1;0;;;;;\n",
            "1;a;b;12345678901234567890123;0.000000000000000000001;;;;;;;1;0;;;;;\n",
            "1 ;a;b;1 ;2\t;;;;;;;1;0;;;;;\n",
            "1;a b ;  ;1;2;;;;;;;1;0;;;;;\n",
            QByteArray("1;a\0b;c;1;2;;;;;;;1;0;;;;;\n", 27),
            QByteArray("1;abcdefghijk\0lmnopqrs;c;1;2;;;;;;;1;0;;;;;\n", 45),
            "1;" + QByteArray(150, 'n') + '\0' + QByteArray(40, 'm') + ";b;1;2;;;;;;;1;0;;;;;\n",
            "1;" + QByteArray(150, 'n') + '\0' + QByteArray(60, 'm') + ";b;1;2;;;;;;;1;0;;;;;\n",
            "1;abcdefgh;abcdefghijklmno;1;2;abcdefg;abcdefghi;;;;;1;0;;;;;\n",
            "1;" + QByteArray(198, 'n') + ";b;1;2;;;;;;;1;0;;;;;\n",
            "1;" + QByteArray(199, 'n') + ";b;1;2;;;;;;;1;0;;;;;\n",
            "1;" + QByteArray(200, 'n') + ";b;1;2;;;;;;;1;0;;;;;\n",
            "1;a\nb;c;1;2;;;;;;;1;0;;;;;\n",
            "1;a;b;1;2;;;;;;;1;0;;;;;" + QByteArray(400, 'r') + "\n",
            "1;a;b;1;2;;;;;;;1;0\n",
            "1;a;b;1;2\n",
            "1;a;b;1;2;;;;;;;1;0;;;;;",
            "1;\xe6\xf8\xe5\xff;b;1;2;;;;;;;1;0;;;;;\n",
            "x;a;b;1;2;;;;;;;1;0;;;;;\n",
        };
        for (const QByteArray &header : headers) {
            for (std::size_t i = 0; i < std::size(lines); ++i)
                QTest::addRow("%s line %zu", header.trimmed().constData(), i) << header << lines[i];
        }
    }
    void oddLines()
    {
        QFETCH(QByteArray, header);
        QFETCH(QByteArray, line);
        // The odd line between plain ones, and as the file's last line;
        // among many, in either half; before a header line.
        compareBothWays(header + plainLine + line + plainLine);
        compareBothWays(header + plainLine + line);
        compareBothWays(header + plainLine.repeated(5) + line + plainLine.repeated(2));
        compareBothWays(header + plainLine.repeated(2) + line + plainLine.repeated(5));
        compareBothWays(header + plainLine.repeated(3) + line + "#2.4.1\n" + plainLine.repeated(4));
    }

    // Where a field's reading changes, as the file means it: the quick way
    // and the fields' way must both give exactly this.
    void boundaries_data()
    {
        QTest::addColumn<QByteArray>("line");
        // group|name size|product|price|value today, or "failed: parameter"
        QTest::addColumn<QString>("read");
        const QByteArray rest = ";5;6;7;8;;;;;;;1;0;;;;;\n";
        QTest::newRow("nine digits") << ("999999999" + rest) << "999999999|1|6|7|8";
        QTest::newRow("ten digits") << ("1234567890" + rest) << "1234567890|1|6|7|8";
        QTest::newRow("ten digits, leading zeros") << ("0000000042" + rest) << "42|1|6|7|8";
        QTest::newRow("largest int") << ("2147483647" + rest) << "2147483647|1|6|7|8";
        QTest::newRow("smallest int") << ("-2147483648" + rest) << "-2147483648|1|6|7|8";
        QTest::newRow("one past the largest int") << ("2147483648" + rest) << "failed: Type";
        QTest::newRow("one past the smallest int") << ("-2147483649" + rest) << "failed: Type";
        QTest::newRow("ten digits past 2^32") << ("4294967297" + rest) << "failed: Type";
        QTest::newRow("ten nines") << ("9999999999" + rest) << "failed: Type";

        const QByteArray tail = ";b;1;2;;;;;;;1;0;;;;;\n";
        QTest::newRow("text one byte short of the limit") << ("1;" + QByteArray(198, 'n') + tail) << "1|198|b|1|2";
        QTest::newRow("text of the limit") << ("1;" + QByteArray(199, 'n') + tail) << "1|199|b|1|2";
        // The field takes its limit; the byte past it goes to the separator
        // and the fields after it are one off, up to the price.
        QTest::newRow("text one byte past the limit") << ("1;" + QByteArray(200, 'n') + tail) << "failed: Price";
    }
    void boundaries()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, read);
        const QByteArray file = "#2.5.5 (INB)\n" + line + plainLine;
        for (const bool quickLines : { true, false }) {
            DatabaseReader reader(file, quickLines);
            QVERIFY(reader.atHeader());
            QVERIFY(reader.readHeader().accepted);
            const std::unique_ptr<Item> item = reader.readItem();
            const QString got = item
                ? QStringLiteral("%1|%2|%3|%4|%5")
                      .arg(item->group())
                      .arg(item->name().size())
                      .arg(item->product())
                      .arg(item->price())
                      .arg(item->priceToday())
                : QStringLiteral("failed: ") + reader.failureMessage().section('(', 1).section(')', 0, 0);
            QCOMPARE(got, read);
            if (item) {
                // The next line is read from its start.
                const std::unique_ptr<Item> next = reader.readItem();
                QVERIFY(next);
                QCOMPARE(next->name(), QStringLiteral("Sofa"));
            }
        }
    }

    // Plain lines with a few bytes changed at random places.
    void mutatedLines()
    {
        QRandomGenerator random(20261208);
        const char inserts[] = { ' ', '\t', ';', '\n', '\r', '\0', '-', '+', '.', 'e', 'E', '9', 'x', '#' };
        for (int round = 0; round < 3000; ++round) {
            QByteArray file = round % 2 ? QByteArray("#2.5.5 (INB)\n") : QByteArray("#2.4.1\n");
            for (int lineNumber = 0; lineNumber < 6; ++lineNumber) {
                QByteArray line = plainLine;
                const int changes = random.bounded(1, 4);
                for (int change = 0; change < changes; ++change) {
                    const qsizetype at = random.bounded(line.size());
                    switch (random.bounded(4)) {
                    case 0:
                        line.insert(at, inserts[random.bounded(int(sizeof inserts))]);
                        break;
                    case 1:
                        line.remove(at, 1);
                        break;
                    case 2:
                        line[at] = inserts[random.bounded(int(sizeof inserts))];
                        break;
                    default:
                        line.insert(at, QByteArray(random.bounded(190, 210), 'w'));
                        break;
                    }
                }
                file += line;
            }
            compareBothWays(file);
            if (QTest::currentTestFailed())
                return;
        }
    }
};

QTEST_GUILESS_MAIN(tst_DatabaseReader)
#include "tst_databasereader.moc"
