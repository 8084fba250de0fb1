#include <QtTest>

#include "TestSupport.h"
#include "barcodes/handlebarcodes.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "desktop/ProcessRunner.h"

#include <memory>

using namespace TestSupport;

namespace {

enum Job { OneItem, Group, Location };

Item *addItem(DBItemCollection &collection, int group, const QString &serial, const QString &name)
{
    auto item = std::make_unique<Item>();
    item->setGroup(group);
    item->setSerialno(serial);
    item->setName(name);
    return collection.add(std::move(item));
}

void setDevice(const QByteArray &text)
{
    QVERIFY(writeFile(HandlerBarcodesC::printerDeviceFile(), text));
}

} // namespace

class tst_BarcodeLabels : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<IsolatedSettings> m_settings;
    std::unique_ptr<RunFolderCopy> m_run;
    std::unique_ptr<DBItemCollection> m_collection;

private slots:
    void init()
    {
        m_settings = std::make_unique<IsolatedSettings>(QuorvelEdition);
        // The installed label templates, in a folder of the test's own.
        m_run = std::make_unique<RunFolderCopy>(QStringList { QStringLiteral("Setup"), QStringLiteral("Work") });
        QVERIFY(m_run->isValid());
        m_collection = std::make_unique<DBItemCollection>(nullptr);
        m_collection->groups().clear();
        for (const char *name : { "Lager", "Butik", "Hylde tre", "Kælder" })
            m_collection->groups().add(QString::fromUtf8(name));
    }

    void cleanup()
    {
        m_collection->deleteItems();
        m_collection.reset();
        m_run.reset();
        m_settings.reset();
    }

    void installedData()
    {
        // The standard item label: five ZPL lines, each ended by CR LF.
        const QByteArray itemTemplate = readFile(HandlerBarcodesC::itemTemplateFile());
        QCOMPARE(itemTemplate.count("\r\n"), 5);
        QVERIFY(itemTemplate.startsWith("^XA"));
        QVERIFY(itemTemplate.endsWith("^PQ1^XZ\r\n"));
        QVERIFY(!readFile(HandlerBarcodesC::locationTemplateFile()).isEmpty());
        QVERIFY(!readFile(HandlerBarcodesC::printerDeviceFile()).trimmed().isEmpty());
        QVERIFY(QFileInfo(QStringLiteral("Work")).isDir());
    }

    void labels_data()
    {
        QTest::addColumn<bool>("namedTemplates");
        QTest::addColumn<int>("job");
        QTest::addColumn<bool>("namesOn");
        QTest::addColumn<int>("nameLength");
        QTest::addColumn<QString>("itemName");
        QTest::addColumn<QString>("expected");

        const QString item14 = QStringLiteral("Skruetrækker12");
        QTest::newRow("one item, serial 7") << false << int(OneItem) << false << 10 << item14 << "item_000007.txt";
        QTest::newRow("one item, names on, standard template")
            << false << int(OneItem) << true << 10 << item14 << "item_000007.txt";
        QTest::newRow("group of three") << false << int(Group) << false << 10 << item14 << "group_three.txt";
        QTest::newRow("location 2") << false << int(Location) << false << 10 << QString() << "location_000002.txt";
        QTest::newRow("location 2, name cut to 5")
            << false << int(Location) << true << 5 << QString() << "location_named.txt";
        QTest::newRow("name cut to 10") << true << int(OneItem) << true << 10 << item14 << "named_item.txt";
        QTest::newRow("names off keeps %3") << true << int(OneItem) << false << 10 << item14 << "named_item_off.txt";
        QTest::newRow("placeholder in a name stays")
            << true << int(OneItem) << true << 10 << QStringLiteral("50%1 rabat") << "named_item_placeholder.txt";
        QTest::newRow("empty name is an empty text")
            << true << int(OneItem) << true << 10 << QString() << "named_item_empty.txt";
    }

    void labels()
    {
        QFETCH(bool, namedTemplates);
        QFETCH(int, job);
        QFETCH(bool, namesOn);
        QFETCH(int, nameLength);
        QFETCH(QString, itemName);
        QFETCH(QString, expected);

        if (namedTemplates) {
            for (const QString &file :
                { HandlerBarcodesC::itemTemplateFile(), HandlerBarcodesC::locationTemplateFile() }) {
                QFile::remove(file);
                QVERIFY(QFile::copy(
                    testDataPath(QStringLiteral("barcodes/NamedSetup/") + QFileInfo(file).fileName()), file));
            }
        }
        {
            Settings settings;
            settings.setValue(QStringLiteral("EnableNameOnLabels"), namesOn);
            settings.setValue(QStringLiteral("BarcodeItemNameLabelLength"), nameLength);
            settings.setValue(QStringLiteral("EnableLocationNameOnLabels"), namesOn);
            settings.setValue(QStringLiteral("BarcodeLocationNameLabeLength"), nameLength);
        }
        setDevice("zebra\n");
        // A job starts with an empty work file.
        QVERIFY(writeFile(HandlerBarcodesC::workFile(), "left over from the last job\r\n"));

        Item *seven = addItem(*m_collection, 2, QStringLiteral("7"), itemName);
        addItem(*m_collection, 1, QStringLiteral("8"), QStringLiteral("Other group"));
        addItem(*m_collection, 2, QStringLiteral("42"), itemName);
        addItem(*m_collection, 2, QStringLiteral("1234567"), itemName);

        ProcessRunner::Recording runs;
        HandlerBarcodesC labels;
        bool sent = false;
        if (job == OneItem)
            sent = labels.printItemLabel(*seven, nullptr, nullptr);
        else if (job == Group)
            sent = labels.printGroupLabels(*m_collection, QStringLiteral("Hylde tre"), nullptr, nullptr);
        else
            sent = labels.printLocationLabel(2, QStringLiteral("Hylde tre"), nullptr);

        QVERIFY(sent);
        QCOMPARE(readFile(HandlerBarcodesC::workFile()),
            readFile(testDataPath(QStringLiteral("barcodes/expected/") + expected)));
        // One copy per job, whatever the number of labels.
        QCOMPARE(runs.count(), 1);
        QCOMPARE(runs.requests().first().program, QStringLiteral("lp"));
        QCOMPARE(runs.requests().first().arguments,
            (QStringList { QStringLiteral("-d"), QStringLiteral("zebra"), QStringLiteral("-o"), QStringLiteral("raw"),
                HandlerBarcodesC::workFile() }));
    }

    void nothingToSend_data()
    {
        QTest::addColumn<QString>("groupName");
        QTest::newRow("name not in the group list") << QStringLiteral("Loft");
        QTest::newRow("group without items") << QStringLiteral("Kælder");
    }

    void nothingToSend()
    {
        QFETCH(QString, groupName);
        addItem(*m_collection, 2, QStringLiteral("7"), QStringLiteral("Hammer"));
        ProcessRunner::Recording runs;
        RecordedMessageBoxes boxes;
        QVERIFY(!HandlerBarcodesC().printGroupLabels(*m_collection, groupName, nullptr, nullptr));
        QCOMPARE(runs.count(), 0);
        QCOMPARE(boxes.count(), 0);
    }

    void printer_data()
    {
        QTest::addColumn<QByteArray>("device");
        QTest::addColumn<bool>("deviceIsFile"); // device names a file below the run folder
        QTest::addColumn<int>("lpExit"); // -2: lp not started; -1: not run
        QTest::addColumn<bool>("sent");
        QTest::addColumn<QString>("messagePart");

        QTest::newRow("queue") << QByteArray("labels\r\n") << false << 0 << true << QString();
        QTest::newRow("queue refused") << QByteArray("labels") << false << 1 << false
                                       << QStringLiteral("lp: The printer or class does not exist.");
        QTest::newRow("lp missing") << QByteArray("labels") << false << -2 << false << QStringLiteral("lp");
        QTest::newRow("device file") << QByteArray("device") << true << -1 << true << QString();
        QTest::newRow("device that cannot be opened") << QByteArray("/nonexistent-folder/lp0") << false << -1 << false
                                                      << QStringLiteral("/nonexistent-folder/lp0");
        QTest::newRow("no device named") << QByteArray("  \r\n") << false << -1 << false
                                         << QStringLiteral("PrinterDevice.txt");
    }

    void printer()
    {
        QFETCH(QByteArray, device);
        QFETCH(bool, deviceIsFile);
        QFETCH(int, lpExit);
        QFETCH(bool, sent);
        QFETCH(QString, messagePart);

        const QString devicePath = QDir::current().absoluteFilePath(QStringLiteral("lp0"));
        setDevice(deviceIsFile ? devicePath.toLocal8Bit() + "\n" : device);
        const QByteArray label = "^XA^FDID:000007^FS^XZ\r\n";
        QVERIFY(writeFile(HandlerBarcodesC::workFile(), label));

        ProcessRunner::Recording runs;
        if (lpExit >= 0) {
            ProcessRunner::Result result;
            result.started = true;
            result.finished = true;
            result.exitCode = lpExit;
            if (lpExit != 0)
                result.errorOutput = messagePart;
            ProcessRunner::queueResult(result);
        } else if (lpExit == -2) {
            ProcessRunner::queueResult(ProcessRunner::Result());
        }
        RecordedMessageBoxes boxes;
        QCOMPARE(HandlerBarcodesC().PrintBarcode(HandlerBarcodesC::workFile(), nullptr), sent);

        QCOMPARE(runs.count(), lpExit == -1 ? 0 : 1);
        if (lpExit != -1)
            QCOMPARE(runs.requests().first().arguments.at(1), QStringLiteral("labels"));
        if (deviceIsFile)
            QCOMPARE(readFile(devicePath), label);
        QCOMPARE(boxes.count(), sent ? 0 : 1);
        if (!sent) {
            QCOMPARE(boxes.last().kind, MessageBox::Critical);
            QVERIFY2(boxes.last().text.contains(messagePart), qPrintable(boxes.last().text));
        }
    }
};

QTEST_MAIN(tst_BarcodeLabels)
#include "tst_barcodelabels.moc"
