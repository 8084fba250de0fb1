#include <QtTest>

#include <QGuiApplication>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTemporaryDir>

#include <memory>

#include "ItemFixtures.h"
#include "TestSupport.h"
#include "core/Edition.h"
#include "core/LogXML.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/DatabaseFile.h"
#include "database/Item.h"
#include "database/StorageCheck.h"

using ItemFixtures::Collection;
using ItemFixtures::fieldsOf;
using ItemFixtures::makeItem;
using ItemFixtures::ostranaHeader;

class tst_DatabaseFile : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void roundTripPerEdition_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<bool>("keepsProductModel");
        QTest::newRow("Ostrana") << int(OstranaEdition) << ostranaHeader << true;
        QTest::newRow("Vistrel") << int(VistrelEdition)
                                 << QByteArray("#2.5.4 (IMA)- Format: type;name;model;price;priceToday;date;supplier;"
                                               "serialno;description;address;photolink;number_of_items;location;www;"
                                               "receipt;document;;")
                                 << false;
        QTest::newRow("Numivax") << int(NumivaxEdition)
                                 << QByteArray("#2.5.4 (COI)- Format: type;year;mat;price;priceToday;date;catalog;"
                                               "catalogNo;description;quality;picture1;count;crown;www;picture2;"
                                               "document;;")
                                 << false;
        QTest::newRow("Quorvel") << int(QuorvelEdition)
                                 << QByteArray("#2.5.4 (INV)- Format: type;name;model;price;priceToday;date;supplier;"
                                               "serialno;description;address;photolink;number_of_items;location;www;"
                                               "receipt;document;;")
                                 << false;
    }
    void roundTripPerEdition()
    {
        QFETCH(int, edition);
        QFETCH(QByteArray, header);
        QFETCH(bool, keepsProductModel);
        TestSupport::IsolatedSettings settings(edition);
        Settings().setValue(QStringLiteral("LastDBDir"), m_dir.path());
        TestSupport::RecordedMessageBoxes boxes;
        const QString path = m_dir.filePath(QStringLiteral("round.inb"));
        QFile::remove(path);

        QList<QStringList> expected;
        {
            Collection source;
            source.db.add(makeItem(3, QStringLiteral("Sofa"), 1));
            source.db.add(makeItem(1, QStringLiteral("Kåbe"), 2));
            source.db.add(makeItem(2, QStringLiteral("Øl-glas"), 3));
            source.db.add(std::make_unique<Item>())->setGroup(2);
            if (!keepsProductModel) {
                // The header of these editions makes every reader skip the
                // product model: the save refuses rather than lose it, names
                // the field and writes nothing.
                QVERIFY(!source.db.SaveToFileAsAscii(path));
                QCOMPARE(boxes.count(), 1);
                QCOMPARE(boxes.last().kind, MessageBox::Critical);
                QVERIFY2(boxes.last().text.contains(QLatin1String("Felt: ")
                             + StorageCheck::fieldTitle(source.db.fields(), StorageCheck::ProductModelField)),
                    qPrintable(boxes.last().text));
                QVERIFY(!QFile::exists(path));
                boxes.clear();
                for (Item *item : source.db)
                    item->setProductModel(QString());
            }
            QVERIFY(source.db.SaveToFileAsAscii(path));
            // Saved in group order, and the collection is left in that order.
            for (const Item *item : source.db)
                expected << fieldsOf(item);
            QCOMPARE(source.db.at(0)->group(), 1);
            QCOMPARE(source.db.at(3)->group(), 3);
        }
        const QByteArray bytes = TestSupport::readFile(path);
        QVERIFY(bytes.startsWith(header + '\n'));
        QCOMPARE(DatabaseFile::headerLine(), header);
        QCOMPARE(bytes.count('\n'), 5);
        QVERIFY(bytes.contains("1;K\xe5"
                               "be;Fabrikat 2;1501.500000;0.500000;24.12.2011;Butik p\xe5 Str\xf8get;1002;"
                               "Bl\xe5 \xe6ske med l\xe5g, s\xf8m & skruer <2>;\xc6r\xf8gade 2;C:\\Billeder\\foto2.jpg;"
                               "3;2;http://example.dk/2;kvittering2.pdf;manual2.doc;"
            + QByteArray(keepsProductModel ? "Model 2;\n" : ";\n")));
        QVERIFY(bytes.contains("\n2;;;0.000000;0.000000;;;;;;;0;0;;;;;\n"));

        Collection loaded;
        QVERIFY(loaded.db.LoadFromAsciiFile(path));
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(loaded.db.count(), expected.size());
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(fieldsOf(loaded.db.at(i)), expected.at(i));
        QCOMPARE(loaded.db.formatLevel(), keepsProductModel ? 255 : 254);
        QCOMPARE(databaseFormatLevel(), loaded.db.formatLevel());
        QVERIFY(!databaseModified());
    }

    void headerLevels_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("level");
        // location, www, receipt, document, product model as loaded
        QTest::addColumn<QStringList>("optional");
        const QByteArray base = "4;Lampe;LP;10.5;12;01.02.2003;Lys;77;PH;Stue;pic.jpg;2;";
        QTest::newRow("no header") << (base + "5;w;r;d;pm;\n") << 100 << QStringList { "0", "", "", "", "" };
        QTest::newRow("2.4.0") << ("#2.4.0\n" + base + ";;;;\n") << 240 << QStringList { "0", "", "", "", "" };
        QTest::newRow("2.4.1") << ("#2.4.1\n" + base + "5;;;;\n") << 241 << QStringList { "5", "", "", "", "" };
        QTest::newRow("2.5.2 reads but drops www and receipt")
            << ("#2.5.2\n" + base + "5;w;r;\n") << 241 << QStringList { "5", "", "", "", "" };
        QTest::newRow("2.5.3") << ("#2.5.3 (XYZ)\n" + base + "5;w;r;d;\n") << 253
                               << QStringList { "5", "w", "r", "d", "" };
        QTest::newRow("2.5.4") << ("#2.5.4 (INB)\n" + base + "5;w;r;d;pm;\n") << 254
                               << QStringList { "5", "w", "r", "d", "" };
        QTest::newRow("2.5.5") << ("#2.5.5 (INB)\n" + base + "5;w;r;d;pm;\n") << 255
                               << QStringList { "5", "w", "r", "d", "pm" };
        QTest::newRow("old major") << ("#1.9.9\n" + base + "5;\n") << 100 << QStringList { "0", "", "", "", "" };
        QTest::newRow("not a number in location")
            << ("#2.4.1\n" + base + "x;;;;\n") << 241 << QStringList { "0", "", "", "", "" };
    }
    void headerLevels()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, level);
        QFETCH(QStringList, optional);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        TestSupport::RecordedMessageBoxes boxes;
        const QString path = m_dir.filePath(QStringLiteral("levels.inb"));
        QVERIFY(TestSupport::writeFile(path, content));
        Collection c;
        QVERIFY(c.db.LoadFromAsciiFile(path));
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(c.db.formatLevel(), level);
        QCOMPARE(c.db.count(), 1);
        const Item *item = c.db.at(0);
        QCOMPARE(fieldsOf(item).mid(0, 12),
            (QStringList {
                "4", "Lampe", "LP", "10.5", "12", "01.02.2003", "Lys", "77", "PH", "Stue", "pic.jpg", "2" }));
        QCOMPARE(QStringList({ QString::number(item->location()), item->www(), item->receipt(), item->document(),
                     item->productModel() }),
            optional);
    }

    // The optional fields a header announces are read as fields (texts up to
    // their separators), also where the level keeps none of them: an empty
    // field is still one field, and the next line is read from its start.
    void optionalFieldsAreRead_data()
    {
        QTest::addColumn<QByteArray>("content");
        // Per item: name, location, www, receipt, document.
        QTest::addColumn<QStringList>("items");
        const QByteArray base = "4;Lampe;LP;10.5;12;01.02.2003;Lys;77;PH;Stue;pic.jpg;2;";
        const QByteArray next = "5;Stol;;1;1;;;;;;;1;";
        QTest::newRow("2.5.2, empty www and receipt")
            << ("#2.5.2\n" + base + "3;;;\n" + next + "6;;;\n") << QStringList { "Lampe/3///", "Stol/6///" };
        QTest::newRow("2.5.2, www and receipt read but not kept")
            << ("#2.5.2\n" + base + "3;w;r;\n" + next + "6;" + QByteArray(199, 'w') + ";r;\n")
            << QStringList { "Lampe/3///", "Stol/6///" };
        QTest::newRow("2.5.3, www, receipt and document kept")
            << ("#2.5.3\n" + base + "3;;;;\n" + next + "6;w;r;d;\n") << QStringList { "Lampe/3///", "Stol/6/w/r/d" };
        QTest::newRow("2.4.1, three empty fields")
            << ("#2.4.1\n" + base + "3;;;;\n" + next + "6;;;;\n") << QStringList { "Lampe/3///", "Stol/6///" };
    }
    void optionalFieldsAreRead()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, items);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        TestSupport::RecordedMessageBoxes boxes;
        const QString path = m_dir.filePath(QStringLiteral("optional.inb"));
        QVERIFY(TestSupport::writeFile(path, content));
        Collection c;
        QVERIFY(c.db.LoadFromAsciiFile(path));
        QCOMPARE(boxes.count(), 0);
        QStringList loaded;
        for (const Item *item : c.db) {
            loaded << QStringList { item->name(), QString::number(item->location()), item->www(), item->receipt(),
                item->document() }
                          .join(QLatin1Char('/'));
        }
        QCOMPARE(loaded, items);
    }

    void editionTag_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("Ostrana file in Quorvel")
            << int(QuorvelEdition) << QByteArray("#2.5.5 (INB)- Format: x") << false;
        QTest::newRow("tag case matters") << int(QuorvelEdition) << QByteArray("#2.5.4 (inv)- Format: x") << false;
        QTest::newRow("Quorvel file in Ostrana") << int(OstranaEdition) << QByteArray("#2.5.4 (INV)") << false;
        QTest::newRow("Numivax own") << int(NumivaxEdition) << QByteArray("#2.5.4 (COI)") << true;
        QTest::newRow("Vistrel own") << int(VistrelEdition) << QByteArray("#2.5.5 (IMA)") << true;
        QTest::newRow("no tag before 2.5.4") << int(QuorvelEdition) << QByteArray("#2.5.3 (INB)") << true;
        QTest::newRow("not checked past 5") << int(NumivaxEdition) << QByteArray("#2.5.6 (INB)") << true;
    }
    void editionTag()
    {
        QFETCH(int, edition);
        QFETCH(QByteArray, header);
        QFETCH(bool, accepted);
        TestSupport::IsolatedSettings settings(edition);
        Settings().setValue(QStringLiteral("LastDBDir"), m_dir.path());
        TestSupport::RecordedMessageBoxes boxes;
        const QString path = m_dir.filePath(QStringLiteral("tag.inb"));
        QVERIFY(TestSupport::writeFile(path, header + "\n1;a;b;1;1;;;;;;;1;0;;;;;\n"));
        Collection c;
        QCOMPARE(c.db.LoadFromAsciiFile(path), accepted);
        QCOMPARE(c.db.count(), accepted ? 1 : 0);
        QCOMPARE(boxes.count(), 0);
        // A refused file leaves no lock behind.
        if (!accepted)
            QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("LockFile"))));
    }

    void databaseError_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("itemsKept");
        const QByteArray good = "1;a;b;1;1;;;;;;;1;0;;;;;\n";
        QTest::newRow("letters in the price of the first line")
            << (ostranaHeader + "\n1;a;b;abc;1;;;;;;;1;0;;;;;\n" + good)
            << "An error occured while reading line 0, parameter (Price)!" << 0;
        QTest::newRow("header lines are not counted")
            << (ostranaHeader + "\n" + good + good + "x;a;b;1;1;;;;;;;1;0;;;;;\n")
            << "An error occured while reading line 2, parameter (Type)!" << 2;
        QTest::newRow("value today") << (good + "1;a;b;1;;;;;;;;1;\n")
                                     << "An error occured while reading line 1, parameter (PriceToday)!" << 1;
        QTest::newRow("short line runs into the next")
            << QByteArray("1;a;b;\n2;c;d;2;2;;;;;;;1;\n")
            << "An error occured while reading line 0, parameter (PriceToday)!" << 0;
        QTest::newRow("zero byte in a number") << (good + "1;a;b;1" + '\0' + ";1;;;;;;;1;0;;;;;\n")
                                               // the separator takes the zero byte, so the next number meets ";"
                                               << "An error occured while reading line 1, parameter (PriceToday)!" << 1;
    }
    void databaseError()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QFETCH(int, itemsKept);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        TestSupport::RecordedMessageBoxes boxes;
        const QString path = m_dir.filePath(QStringLiteral("bad.inb"));
        QVERIFY(TestSupport::writeFile(path, content));
        Collection c;
        QVERIFY(!c.db.LoadFromAsciiFile(path));
        QCOMPARE(c.db.count(), itemsKept);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().kind, MessageBox::Critical);
        QCOMPARE(boxes.last().title, QStringLiteral("Database error"));
        QCOMPARE(boxes.last().text, message);
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void endOfInput_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("items");
        const QByteArray line = "1;a;b;1;1;;;;;;;1;0;;;;;";
        QTest::newRow("trailing line end") << (ostranaHeader + "\n" + line + "\n" + line + "\n") << 2;
        QTest::newRow("no trailing line end") << (ostranaHeader + "\n" + line + "\n" + line) << 2;
        QTest::newRow("trailing empty lines") << (ostranaHeader + "\n" + line + "\n\n\r\n\n") << 1;
        QTest::newRow("empty line between") << (line + "\n\n" + line + "\n") << 2;
        QTest::newRow("header only") << (ostranaHeader + "\n") << 0;
        QTest::newRow("header without line end") << ostranaHeader << 0;
        QTest::newRow("empty file") << QByteArray() << 0;
    }
    void endOfInput()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, items);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        TestSupport::RecordedMessageBoxes boxes;
        const QString path = m_dir.filePath(QStringLiteral("end.inb"));
        QVERIFY(TestSupport::writeFile(path, content));
        Collection c;
        QVERIFY(c.db.LoadFromAsciiFile(path));
        QCOMPARE(c.db.count(), items);
        QCOMPARE(boxes.count(), 0);
    }

    void crlfAndLatin1Fixture()
    {
        TestSupport::IsolatedSettings settings(OstranaEdition);
        TestSupport::RecordedMessageBoxes boxes;
        const QString fixture = TestSupport::testDataPath(QStringLiteral("database/ostrana_crlf.inb"));
        Collection c;
        QVERIFY(c.db.LoadFromAsciiFile(fixture));
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(c.db.count(), 3);
        QCOMPARE(fieldsOf(c.db.at(0)),
            (QStringList { "0", "Sofa", "Bolia", "4999", "2500", "24.12.2011", "Bolia København", "1001",
                "Grå stofsofa", "Hjemme", "C:\\Billeder\\sofa.jpg", "1", "2", "http://bolia.dk",
                "C:\\Kvitteringer\\sofa.pdf", "C:\\Dokumenter\\sofa.doc", "Scandinavia" }));
        QCOMPARE(c.db.at(1)->description(), QStringLiteral("Slagbor med æske"));
        QCOMPARE(c.db.at(1)->productModel(), QStringLiteral("PSB 500"));
        QCOMPARE(c.db.at(2)->productModel(), QString());

        // Written back with this platform's line end, the same Latin-1 bytes.
        const QString copy = m_dir.filePath(QStringLiteral("copy.inb"));
        QVERIFY(c.db.SaveToFileAsAscii(copy));
        QByteArray original = TestSupport::readFile(fixture);
        QByteArray written = TestSupport::readFile(copy);
#ifndef Q_OS_WIN
        original.replace("\r\n", "\n");
#endif
        QCOMPARE(written, original.replace(";2500.000000;", ";2500.000000;"));
    }

    void otherFixtures()
    {
        TestSupport::IsolatedSettings settings(QuorvelEdition);
        Settings().setValue(QStringLiteral("LastDBDir"), m_dir.path());
        TestSupport::RecordedMessageBoxes boxes;
        {
            Collection c;
            QVERIFY(c.db.LoadFromAsciiFile(TestSupport::testDataPath(QStringLiteral("database/quorvel_254.inb"))));
            QCOMPARE(c.db.count(), 2);
            QCOMPARE(c.db.at(0)->numberOfItems(), 500);
            QCOMPARE(c.db.at(0)->price(), 0.75);
            QCOMPARE(c.db.at(1)->description(), QStringLiteral("Trælim"));
            QCOMPARE(c.db.at(1)->document(), QStringLiteral("datablad.pdf"));
        }
        settings.setEdition(NumivaxEdition);
        Collection old;
        QVERIFY(old.db.LoadFromAsciiFile(TestSupport::testDataPath(QStringLiteral("database/old_noheader.inb"))));
        QCOMPARE(old.db.count(), 2);
        QCOMPARE(old.db.formatLevel(), 100);
        QCOMPARE(old.db.at(0)->supplier(), QStringLiteral("Lys & Lamper"));
        QCOMPARE(old.db.at(1)->price(), 1500.5);
        QCOMPARE(old.db.at(1)->numberOfItems(), 1); // "x" is no number
        QCOMPARE(boxes.count(), 0);
    }

    // A large file is read from the disk in two halves at once: every line
    // comes out once, in order, whether a line or a line end straddles the
    // middle of the file.
    void largeFileReadWhole_data()
    {
        QTest::addColumn<int>("middleShift");
        for (int shift : { 0, 1, 2, 17, 120 })
            QTest::addRow("middle moved by %d bytes", shift) << shift;
    }
    void largeFileReadWhole()
    {
        QFETCH(int, middleShift);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        Settings().setValue(QStringLiteral("LastDBDir"), m_dir.path());
        TestSupport::RecordedMessageBoxes boxes;
        QByteArray file = ostranaHeader + "\r\n" + QByteArray(middleShift, '\n');
        const int lines = 50000;
        for (int i = 0; i < lines; ++i) {
            file += QByteArray::number(i % 30) + ";Ting " + QByteArray::number(i) + ";;1.5;2;;;;" + QByteArray(150, 'd')
                + ";;;1;0;;;;;\r\n";
        }
        QVERIFY(file.size() > (qint64(8) << 20));
        const QString path = m_dir.filePath(QStringLiteral("large.inb"));
        QVERIFY(TestSupport::writeFile(path, file));
        Collection c;
        QVERIFY(c.db.LoadFromAsciiFile(path));
        QCOMPARE(c.db.count(), lines);
        for (int i = 0; i < lines; ++i) {
            if (c.db.at(i)->name() != QStringLiteral("Ting %1").arg(i) || c.db.at(i)->description().size() != 150)
                QFAIL(qPrintable(QStringLiteral("line %1 read as %2").arg(i).arg(c.db.at(i)->name())));
        }
        QCOMPARE(boxes.count(), 0);
    }

    // Another program saves over a large file while it is being read (the
    // pause holds the second half back until it has): the register is one
    // version of the file whole, never part of each.
    void fileSavedOverDuringALoad_data()
    {
        QTest::addColumn<bool>("inPlace");
        QTest::addColumn<int>("newLines");
        QTest::newRow("new file put in its place, same size") << false << 50000;
        QTest::newRow("new file put in its place, larger") << false << 60000;
        QTest::newRow("written over in place, same size") << true << 50000;
        QTest::newRow("written over in place, smaller") << true << 45000;
    }
    void fileSavedOverDuringALoad()
    {
        QFETCH(bool, inPlace);
        QFETCH(int, newLines);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        Settings().setValue(QStringLiteral("LastDBDir"), m_dir.path());
        TestSupport::RecordedMessageBoxes boxes;
        const auto version = [](const QByteArray &name, int lines) {
            QByteArray file = ostranaHeader + "\n";
            for (int i = 0; i < lines; ++i) {
                file += QByteArray::number(i % 30) + ';' + name + ' ' + QByteArray::number(i) + ";;1.5;2;;;;"
                    + QByteArray(150, 'd') + ";;;1;0;;;;;\n";
            }
            return file;
        };
        const int oldLines = 50000;
        const QByteArray oldFile = version("Gammel", oldLines);
        const QByteArray newFile = version("Ny-ny-", newLines);
        QVERIFY(oldFile.size() > (qint64(8) << 20));
        const QString path = m_dir.filePath(QStringLiteral("shared.inb"));
        QVERIFY(TestSupport::writeFile(path, oldFile));
        {
            // Saved a while ago, as a file being opened usually is.
            QFile old(path);
            QVERIFY(old.open(QIODevice::ReadWrite));
            QVERIFY(old.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        }

        int pauses = 0;
        bool savedOver = false;
        DatabaseFile::setBetweenHalvesPause([&] {
            if (pauses++ > 0)
                return;
            if (inPlace) {
                QFile file(path);
                savedOver
                    = file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(newFile) == newFile.size();
            } else {
                QSaveFile file(path);
                savedOver = file.open(QIODevice::WriteOnly) && file.write(newFile) == newFile.size() && file.commit();
            }
        });
        Collection c;
        const bool loaded = c.db.LoadFromAsciiFile(path);
        DatabaseFile::setBetweenHalvesPause({});
        QVERIFY(savedOver);
        QVERIFY(loaded);
        QCOMPARE(boxes.count(), 0);

        const bool isNew = c.db.count() > 0 && c.db.at(0)->name().startsWith(QStringLiteral("Ny-ny-"));
        QCOMPARE(c.db.count(), isNew ? newLines : oldLines);
        const QString name = isNew ? QStringLiteral("Ny-ny- %1") : QStringLiteral("Gammel %1");
        for (int i = 0; i < c.db.count(); ++i) {
            if (c.db.at(i)->name() != name.arg(i))
                QFAIL(qPrintable(QStringLiteral("item %1 read as %2").arg(i).arg(c.db.at(i)->name())));
        }
        // Written over in place, the old version is gone: it is read again.
        if (inPlace)
            QVERIFY(isNew);
    }

    // Reading never drops or garbles good data: each file is read to its
    // last item, whatever ends its lines, and a damaged last line is reported
    // instead of being dropped.
    void readingCases_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("loads");
        // Name and product model of every item loaded, as "name/model".
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("message");
        const QByteArray first = "1;a;b;1;1;;;;;;;1;0;;;;pa;";
        const QByteArray last = "2;z;y;2;2;;;;;;;1;0;;;;pz";
        const QByteArray header = ostranaHeader + "\n";
        const QStringList both { "a/pa", "z/pz" };
        QTest::newRow("last line without its final separator")
            << (header + first + "\n" + last) << true << both << QString();
        QTest::newRow("... but with its line end")
            << (header + first + "\n" + last + "\n") << true << both << QString();
        QTest::newRow("... with CR LF") << (header + first + "\r\n" + last + "\r\n") << true << both << QString();
        QTest::newRow("... with an empty last field")
            << (header + first + "\n" + "2;z;y;2;2;;;;;;;1;0;;;;") << true << QStringList { "a/pa", "z/" } << QString();
        QTest::newRow("... without a header, ending in the count")
            << QByteArray("1;a;b;1;1;;;;;;;1;\n2;z;y;2;2;;;;;;;7") << true << QStringList { "a/", "z/" } << QString();
        QTest::newRow("blank tail after the last line")
            << (header + first + "\n \t\r\n\n") << true << QStringList { "a/pa" } << QString();
        QTest::newRow("last line cut inside the item")
            << (header + first + "\n2;half") << false << QStringList { "a/pa" }
            << "An error occured while reading line 1, parameter (Model)!";
        QTest::newRow("last line cut inside a number")
            << (header + first + "\n2;z;y;2") << false << QStringList { "a/pa" }
            << "An error occured while reading line 1, parameter (PriceToday)!";

        // What follows the last field a reader knows is skipped with the
        // rest of the line, however long; the next line is read as it is.
        for (const int rest : { 349, 350, 5000 }) {
            QTest::addRow("unread rest of %d bytes", rest)
                << ("#2.5.4 (INB)\n" + first + QByteArray(rest, 'r') + "\n" + last + ";\n") << true
                << QStringList { "a/", "z/" } << QString();
        }

        const QByteArray bom = "\xEF\xBB\xBF";
        QTest::newRow("UTF-8 byte-order mark before the header")
            << (bom + header + first + "\n") << true << QStringList { "a/pa" } << QString();
        QTest::newRow("UTF-8 byte-order mark before a data line")
            << (bom + "1;a;b;1;1;;;;;;;1;\n") << true << QStringList { "a/" } << QString();

        QTest::newRow("CR line ends") << (ostranaHeader + "\r" + first + "\r" + last + ";\r") << true << both
                                      << QString();
        QTest::newRow("CR line ends, last line without its separator")
            << (ostranaHeader + "\r" + first + "\r" + last + "\r") << true << both << QString();
        QTest::newRow("CR line ends without a header") << QByteArray("1;a;b;1;1;;;;;;;1;\r2;z;y;2;2;;;;;;;1;\r") << true
                                                       << QStringList { "a/", "z/" } << QString();
        QTest::newRow("CR line ends with a long rest")
            << ("#2.5.4 (INB)\r" + first + QByteArray(600, 'r') + "\r" + last + ";\r") << true
            << QStringList { "a/", "z/" } << QString();
    }
    void readingCases()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, loads);
        QFETCH(QStringList, items);
        QFETCH(QString, message);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        TestSupport::RecordedMessageBoxes boxes;
        const QString path = m_dir.filePath(QStringLiteral("reading.inb"));
        QVERIFY(TestSupport::writeFile(path, content));
        Collection c;
        QCOMPARE(c.db.LoadFromAsciiFile(path), loads);
        QStringList loaded;
        for (const Item *item : c.db)
            loaded << item->name() + QLatin1Char('/') + item->productModel();
        QCOMPARE(loaded, items);
        if (loads) {
            QCOMPARE(boxes.count(), 0);
        } else {
            QCOMPARE(boxes.count(), 1);
            QCOMPARE(boxes.last().title, QStringLiteral("Database error"));
            QCOMPARE(boxes.last().text, message);
        }
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    // Faulty files end in the error box or a refusal: never a crash, never a hang.
    void malformedFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("loads");
        QTest::addColumn<int>("items");
        const QByteArray line = "1;a;b;1;1;;;;;;;1;0;;;;;\n";
        QTest::newRow("long header is applied by its beginning")
            << ("#2.5.5 (INB)- Format: " + QByteArray(2000, 'x') + "\n" + line + line) << true << 2;
        QTest::newRow("long rest of a data line")
            << (line + "1;a;b;1;1;;;;;;;1;" + QByteArray(400, 'r') + "\n" + line) << true << 3;
        QTest::newRow("text longer than a field")
            << ("1;" + QByteArray(250, 'n') + ";b;1;1;;;;;;;1;0;;;;;\n") << false << 0;
        QTest::newRow("zero byte in a text")
            << (QByteArray("1;a") + '\0' + "z;b;1;1;;;;;;;1;0;;;;;\n" + line) << true << 2;
        QTest::newRow("only a hash") << QByteArray("#") << true << 0;
        QTest::newRow("hash and zero bytes") << QByteArray("#\0\0\0\0\0\n", 7) << true << 0;
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << false << 0;
    }
    void malformedFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, loads);
        QFETCH(int, items);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        TestSupport::RecordedMessageBoxes boxes;
        const QString path = m_dir.filePath(QStringLiteral("malformed.inb"));
        QVERIFY(TestSupport::writeFile(path, content));
        Collection c;
        QCOMPARE(c.db.LoadFromAsciiFile(path), loads);
        QCOMPARE(c.db.count(), items);
        QCOMPARE(boxes.count(), loads ? 0 : 1);
        if (!loads)
            QCOMPARE(boxes.last().title, QStringLiteral("Database error"));
        if (c.db.count() > 0)
            QCOMPARE(c.db.at(0)->name(), QStringLiteral("a"));
    }

    void randomBytes()
    {
        TestSupport::IsolatedSettings settings(OstranaEdition);
        TestSupport::RecordedMessageBoxes boxes;
        const QString path = m_dir.filePath(QStringLiteral("random.inb"));
        QRandomGenerator random(20240601);
        for (int round = 0; round < 60; ++round) {
            QByteArray content(1 + random.bounded(20000), Qt::Uninitialized);
            for (char &c : content)
                c = char(random.bounded(256));
            // Some rounds look like a file of ours at the start.
            if (round % 3 == 1)
                content.prepend(ostranaHeader + "\n");
            else if (round % 3 == 2)
                content.prepend("#2.4.1\n7;");
            QVERIFY(TestSupport::writeFile(path, content));
            boxes.clear();
            Collection c;
            const bool loaded = c.db.LoadFromAsciiFile(path);
            if (loaded) {
                QCOMPARE(boxes.count(), 0);
            } else {
                QCOMPARE(boxes.count(), 1);
                QCOMPARE(boxes.last().title, QStringLiteral("Database error"));
            }
        }
    }

    void lockedDatabaseIsReadOnly()
    {
        TestSupport::IsolatedSettings settings(QuorvelEdition);
        Settings().setValue(QStringLiteral("LastDBDir"), m_dir.path());
        TestSupport::RecordedMessageBoxes boxes;
        const QString lock = m_dir.filePath(QStringLiteral("LockFile"));
        QVERIFY(TestSupport::writeFile(lock, "X:\\stock.db Locked by PC: STORE1, User: anna"));
        const QString path = TestSupport::testDataPath(QStringLiteral("database/quorvel_254.inb"));
        const QString copy = m_dir.filePath(QStringLiteral("stock.inb"));
        QVERIFY(QFile::copy(path, copy));
        const QByteArray before = TestSupport::readFile(copy);

        Collection c;
        QVERIFY(c.db.LoadFromAsciiFile(copy));
        QCOMPARE(c.db.count(), 2);
        QVERIFY(c.db.isReadOnly());
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().kind, MessageBox::Critical);
        QCOMPARE(boxes.last().title, QStringLiteral("FILE_ALLREADY_OPEN_WARNING"));
        // Who holds the lock, and where the file is for a user who knows
        // that holder is gone.
        QVERIFY2(boxes.last().text.startsWith(
                     QStringLiteral("DB_OPEN_BY_ANOTHER_USERX:\\stock.db Locked by PC: STORE1, User: anna\n")),
            qPrintable(boxes.last().text));
        QVERIFY2(boxes.last().text.contains(QDir::toNativeSeparators(QFileInfo(lock).absoluteFilePath())),
            qPrintable(boxes.last().text));

        QVERIFY(!c.db.SaveToFileAsAscii(copy));
        QCOMPARE(boxes.count(), 2);
        QCOMPARE(boxes.last().kind, MessageBox::Warning);
        QCOMPARE(boxes.last().title, QStringLiteral("READ ONLY"));
        QCOMPARE(boxes.last().text, QStringLiteral("READ ONLY MODE - No Save"));
        QCOMPARE(TestSupport::readFile(copy), before);
        QVERIFY(QFile::exists(lock)); // someone else's lock stays
    }

    void ownLockIsTakenAndReleased()
    {
        TestSupport::IsolatedSettings settings(QuorvelEdition);
        Settings().setValue(QStringLiteral("LastDBDir"), m_dir.path());
        TestSupport::RecordedMessageBoxes boxes;
        const QString lock = m_dir.filePath(QStringLiteral("LockFile"));
        QFile::remove(lock);
        {
            Collection c;
            QVERIFY(c.db.LoadFromAsciiFile(TestSupport::testDataPath(QStringLiteral("database/quorvel_254.inb"))));
            QVERIFY(QFile::exists(lock));
            QVERIFY(!c.db.isReadOnly());
            QVERIFY(c.db.SaveToFileAsAscii(m_dir.filePath(QStringLiteral("mine.inb"))));
        }
        QVERIFY(!QFile::exists(lock));
        QCOMPARE(boxes.count(), 0);
    }

    void eventLogGetsOneItemPerLine()
    {
        TestSupport::IsolatedSettings settings(OstranaEdition);
        TestSupport::RecordedMessageBoxes boxes;
        const QString logPath = m_dir.filePath(QStringLiteral("log.xml"));
        qputenv("DEBUGTALDRUM", "1");
        {
            LogXML log(logPath, QStringLiteral("/Ostrana/"));
            qunsetenv("DEBUGTALDRUM");
            QVERIFY(log.isEnabled());
            DBItemCollection c(&log);
            QVERIFY(c.LoadFromAsciiFile(TestSupport::testDataPath(QStringLiteral("database/ostrana_crlf.inb"))));
            QCOMPARE(log.depth(), 1);
            QVERIFY(c.SaveToFileAsAscii(m_dir.filePath(QStringLiteral("logged.inb"))));
            QCOMPARE(log.depth(), 1);
        }
        qunsetenv("DEBUGTALDRUM");
        const QByteArray xml = TestSupport::readFile(logPath);
        QCOMPARE(xml.count("<Item>"), 6);
        QVERIFY(xml.contains("LoadFromAsciiFile() - loaded"));
        QVERIFY(xml.contains("SaveToFileAsAscii()"));
        QVERIFY(xml.contains("#2.5.5 (INB)- Format:"));
        QVERIFY(xml.contains("Name: Bor"));
    }

    void missingFileIsFalseWithoutBox()
    {
        TestSupport::IsolatedSettings settings(OstranaEdition);
        TestSupport::RecordedMessageBoxes boxes;
        Collection c;
        QVERIFY(!c.db.LoadFromAsciiFile(m_dir.filePath(QStringLiteral("nothing.inb"))));
        QCOMPARE(boxes.count(), 0);
        QVERIFY(!QGuiApplication::overrideCursor());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(tst_DatabaseFile)
#include "tst_databasefile.moc"
