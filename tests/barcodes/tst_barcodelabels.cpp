#include <QtTest>

#include "ReadOnlyFolder.h"
#include "TestSupport.h"
#include "barcodes/LabelTemplate.h"
#include "barcodes/handlebarcodes.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "desktop/ProcessRunner.h"

#include <QRegularExpression>

#include <algorithm>
#include <memory>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

void setNames(bool on, int length)
{
    Settings settings;
    settings.setValue(QStringLiteral("EnableNameOnLabels"), on);
    settings.setValue(QStringLiteral("BarcodeItemNameLabelLength"), length);
    settings.setValue(QStringLiteral("EnableLocationNameOnLabels"), on);
    settings.setValue(QStringLiteral("BarcodeLocationNameLabeLength"), length);
}

// Modules of a Code 128 symbol of a text of digits as the printer's automatic
// mode codes it: start, data, check and stop symbols of 11 modules each, the
// stop 13. Subset C holds two digits a symbol; an odd digit is either coded
// after a switch to subset B or the whole text is coded in subset B, which is
// narrower for a single digit.
int code128Modules(int digits)
{
    const int frame = 11 + 11 + 13; // start, check, stop
    if (digits % 2 == 0)
        return frame + 11 * (digits / 2);
    const int allB = frame + 11 * digits;
    const int switched = frame + 11 * ((digits - 1) / 2 + 2);
    return std::min(allB, switched);
}

int number(const QRegularExpressionMatch &match, int group)
{
    return match.captured(group).toInt();
}

// Checks that every field of a filled ZPL label lies inside the print width:
// a Code 128 barcode with its quiet zone of ten modules either side, and a
// text of font 0 with no character wider than the font's width, which holds
// for that proportional font. Empty when it fits, else what does not.
QString overflow(const QString &label)
{
    const QRegularExpressionMatch width = QRegularExpression(QStringLiteral("\\^PW(\\d+)")).match(label);
    if (!width.hasMatch())
        return QStringLiteral("no ^PW");
    const int printWidth = number(width, 1);
    int module = 2; // the printer's default
    const QRegularExpression moduleCommand(QStringLiteral("\\^BY(\\d+)"));
    const QRegularExpression origin(QStringLiteral("\\^FO(\\d+),\\d+"));
    const QRegularExpression font(QStringLiteral("\\^A0[NRIB]?,(\\d+),(\\d+)"));
    const QRegularExpression data(QStringLiteral("\\^FD([^^~]*)"));
    for (const QString &field : label.split(QStringLiteral("^FS"))) {
        for (const QRegularExpressionMatch &m : moduleCommand.globalMatch(field))
            module = number(m, 1);
        const QRegularExpressionMatch at = origin.match(field);
        const QRegularExpressionMatch text = data.match(field);
        if (!at.hasMatch() || !text.hasMatch())
            continue;
        const int x = number(at, 1);
        const QString shown = text.captured(1);
        if (field.contains(QStringLiteral("^BC"))) {
            const int quiet = 10 * module;
            const int bars = code128Modules(int(shown.size())) * module;
            if (x < quiet || x + bars + quiet > printWidth)
                return QStringLiteral("barcode %1 at x %2: %3 dots and quiet zones of %4 in %5")
                    .arg(shown)
                    .arg(x)
                    .arg(bars)
                    .arg(quiet)
                    .arg(printWidth);
        } else if (const QRegularExpressionMatch f = font.match(field); f.hasMatch()) {
            if (x + shown.size() * number(f, 2) > printWidth)
                return QStringLiteral("text %1 at x %2 in %3").arg(shown).arg(x).arg(printWidth);
        }
    }
    return QString();
}

#ifdef Q_OS_UNIX
// A named pipe standing in for the printer's device. The test holds its
// reading end open, so a writer never waits; a label is far smaller than
// what the pipe holds.
class PipeDevice
{
public:
    PipeDevice(const QString &path, mode_t mode)
    {
        const QByteArray name = QFile::encodeName(path);
        if (::mkfifo(name.constData(), mode) == 0)
            m_fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK);
    }
    ~PipeDevice()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    PipeDevice(const PipeDevice &) = delete;
    PipeDevice &operator=(const PipeDevice &) = delete;

    bool isValid() const { return m_fd >= 0; }

    // What has been written to it so far.
    QByteArray received()
    {
        QByteArray bytes;
        char buffer[4096];
        for (ssize_t got; (got = ::read(m_fd, buffer, sizeof buffer)) > 0;)
            bytes.append(buffer, got);
        return bytes;
    }

private:
    int m_fd = -1;
};
#endif

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
        const QByteArray locationTemplate = readFile(HandlerBarcodesC::locationTemplateFile());
        QVERIFY(!locationTemplate.isEmpty());
        // Latin-1 bytes print as written only when the printer reads them as
        // Windows-1252, whatever it was left at.
        for (const QByteArray &labelTemplate : { itemTemplate, locationTemplate })
            QVERIFY(labelTemplate.left(labelTemplate.indexOf("\r\n")).contains("^CI27"));
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
        setNames(namesOn, nameLength);
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
        QTest::addColumn<QString>("device"); // "{run}" stands for the run folder
        QTest::addColumn<QString>("existing"); // what stands at {run}/lp0: "", "file", "folder", "pipe", "locked pipe"
        QTest::addColumn<int>("lpExit"); // -2: lp not started; -1: not run
        QTest::addColumn<bool>("sent");
        QTest::addColumn<QString>("messagePart");

        QTest::newRow("queue") << "labels\r\n"
                               << "" << 0 << true << QString();
        QTest::newRow("queue on a print server") << "labels@printhost"
                                                 << "" << 0 << true << QString();
        QTest::newRow("queue refused") << "labels"
                                       << "" << 1 << false
                                       << QStringLiteral("lp: The printer or class does not exist.");
        QTest::newRow("lp missing") << "labels"
                                    << "" << -2 << false << QStringLiteral("lp");
        QTest::newRow("device") << "{run}/lp0\n"
                                << "pipe" << -1 << true << QString();
        QTest::newRow("system device") << "/dev/null"
                                       << "" << -1 << true << QString();
        QTest::newRow("plain file") << "{run}/lp0"
                                    << "file" << -1 << false
                                    << QStringLiteral("Det er en almindelig fil, ikke en printerenhed.");
        QTest::newRow("folder") << "{run}/lp0"
                                << "folder" << -1 << false << QStringLiteral("Det er en mappe, ikke en printerenhed.");
        QTest::newRow("missing device") << "{run}/lp0"
                                        << "" << -1 << false << QStringLiteral("Enheden findes ikke.");
        QTest::newRow("missing folder") << "/nonexistent-folder/lp0"
                                        << "" << -1 << false << QStringLiteral("/nonexistent-folder/lp0");
        QTest::newRow("relative path") << "Work/lp0"
                                       << "" << -1 << false << QStringLiteral("Work/lp0");
        QTest::newRow("device not writable")
            << "{run}/lp0"
            << "locked pipe" << -1 << false << QStringLiteral("Der kan ikke skrives til enheden.");
        QTest::newRow("no device named") << "  \r\n"
                                         << "" << -1 << false << QStringLiteral("PrinterDevice.txt");
    }

    void printer()
    {
        QFETCH(QString, device);
        QFETCH(QString, existing);
        QFETCH(int, lpExit);
        QFETCH(bool, sent);
        QFETCH(QString, messagePart);

        const QString devicePath = QDir::current().absoluteFilePath(QStringLiteral("lp0"));
        device.replace(QStringLiteral("{run}"), QDir::currentPath());
        setDevice(device.toLocal8Bit());
        const QByteArray label = "^XA^FDID:000007^FS^XZ\r\n";
        QVERIFY(writeFile(HandlerBarcodesC::workFile(), label));
        if (existing == QLatin1String("file"))
            QVERIFY(writeFile(devicePath, "earlier"));
        else if (existing == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(devicePath));
#ifdef Q_OS_UNIX
        std::unique_ptr<PipeDevice> pipe;
        if (existing.endsWith(QLatin1String("pipe"))) {
            pipe = std::make_unique<PipeDevice>(devicePath, existing == QLatin1String("pipe") ? 0600 : 0400);
            QVERIFY(pipe->isValid());
            if (existing != QLatin1String("pipe") && QFileInfo(devicePath).isWritable())
                QSKIP("permissions are not enforced for this user");
        }
#else
        if (existing.endsWith(QLatin1String("pipe")))
            QSKIP("needs a named pipe for a device");
#endif

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
            QCOMPARE(runs.requests().first().arguments.at(1), device.trimmed());
#ifdef Q_OS_UNIX
        if (pipe)
            QCOMPARE(pipe->received(), sent ? label : QByteArray());
#endif
        // A device path is used as it is, never made.
        if (existing == QLatin1String("file"))
            QCOMPARE(readFile(devicePath), QByteArray("earlier"));
        else if (existing.isEmpty())
            QVERIFY(!QFileInfo::exists(devicePath) && !QFileInfo::exists(QStringLiteral("Work/lp0")));
        QCOMPARE(boxes.count(), sent ? 0 : 1);
        if (!sent) {
            QCOMPARE(boxes.last().kind, MessageBox::Critical);
            QVERIFY2(boxes.last().text.contains(messagePart), qPrintable(boxes.last().text));
            if (lpExit == -1 && !device.trimmed().isEmpty())
                QVERIFY2(boxes.last().text.contains(device.trimmed()), qPrintable(boxes.last().text));
        }
    }

    // A job that cannot replace the work file is refused: the labels of the
    // last job, still in it, must not reach the printer a second time.
    void workFileNotReplaced_data()
    {
        QTest::addColumn<QString>("work"); // "read-only", "plain file" or "missing"
        QTest::addColumn<int>("job");
        QTest::newRow("read-only Work, one item") << "read-only" << int(OneItem);
        QTest::newRow("read-only Work, group") << "read-only" << int(Group);
        QTest::newRow("read-only Work, location") << "read-only" << int(Location);
        QTest::newRow("Work is a plain file") << "plain file" << int(OneItem);
        QTest::newRow("Work is missing") << "missing" << int(Location);
    }

    void workFileNotReplaced()
    {
        QFETCH(QString, work);
        QFETCH(int, job);
        setDevice("zebra");
        const QByteArray lastJob = "^XA^FDID:000099^FS^XZ\r\n";
        QVERIFY(writeFile(HandlerBarcodesC::workFile(), lastJob));
        Item *seven = addItem(*m_collection, 2, QStringLiteral("7"), QStringLiteral("Hammer"));

        std::unique_ptr<ReadOnlyFolder> readOnly;
        if (work == QLatin1String("read-only")) {
            readOnly = std::make_unique<ReadOnlyFolder>(QStringLiteral("Work"));
            if (!readOnly->isReadOnly())
                QSKIP("the folder cannot be made read-only here");
        } else {
            QVERIFY(QDir(QStringLiteral("Work")).removeRecursively());
            if (work == QLatin1String("plain file"))
                QVERIFY(writeFile(QStringLiteral("Work"), lastJob));
        }

        ProcessRunner::Recording runs;
        RecordedMessageBoxes boxes;
        HandlerBarcodesC labels;
        bool sent = true;
        if (job == OneItem)
            sent = labels.printItemLabel(*seven, nullptr, nullptr);
        else if (job == Group)
            sent = labels.printGroupLabels(*m_collection, QStringLiteral("Hylde tre"), nullptr, nullptr);
        else
            sent = labels.printLocationLabel(2, QStringLiteral("Hylde tre"), nullptr);

        QVERIFY(!sent);
        QCOMPARE(runs.count(), 0);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().kind, MessageBox::Critical);
        QVERIFY2(boxes.last().text.contains(
                     QDir::toNativeSeparators(QDir::current().absoluteFilePath(HandlerBarcodesC::workFile()))),
            qPrintable(boxes.last().text));
        if (readOnly)
            QCOMPARE(readFile(HandlerBarcodesC::workFile()), lastJob);
    }

    void templateRefused_data()
    {
        QTest::addColumn<int>("job");
        QTest::addColumn<QByteArray>("labelTemplate"); // null: no template file
        QTest::addColumn<QString>("messagePart");
        const QString unreadable = QStringLiteral("kunne ikke læses");
        const QString empty = QStringLiteral("er tom");
        QTest::newRow("item template missing") << int(OneItem) << QByteArray() << unreadable;
        QTest::newRow("item template empty, group") << int(Group) << QByteArray("") << empty;
        QTest::newRow("item template of line ends") << int(OneItem) << QByteArray("\r\n\r\n") << empty;
        QTest::newRow("location template missing") << int(Location) << QByteArray() << unreadable;
        QTest::newRow("location template empty") << int(Location) << QByteArray("") << empty;
    }

    void templateRefused()
    {
        QFETCH(int, job);
        QFETCH(QByteArray, labelTemplate);
        QFETCH(QString, messagePart);
        setDevice("zebra");
        QVERIFY(writeFile(HandlerBarcodesC::workFile(), "^XA^FDID:000099^FS^XZ\r\n"));
        Item *seven = addItem(*m_collection, 2, QStringLiteral("7"), QStringLiteral("Hammer"));
        const QString file
            = job == Location ? HandlerBarcodesC::locationTemplateFile() : HandlerBarcodesC::itemTemplateFile();
        QVERIFY(QFile::remove(file));
        if (!labelTemplate.isNull())
            QVERIFY(writeFile(file, labelTemplate));

        ProcessRunner::Recording runs;
        RecordedMessageBoxes boxes;
        HandlerBarcodesC labels;
        bool sent = true;
        if (job == OneItem)
            sent = labels.printItemLabel(*seven, nullptr, nullptr);
        else if (job == Group)
            sent = labels.printGroupLabels(*m_collection, QStringLiteral("Hylde tre"), nullptr, nullptr);
        else
            sent = labels.printLocationLabel(2, QStringLiteral("Hylde tre"), nullptr);

        QVERIFY(!sent);
        QCOMPARE(runs.count(), 0);
        QCOMPARE(boxes.count(), 1);
        const QString text = boxes.last().text;
        QVERIFY2(text.contains(QDir::toNativeSeparators(QDir::current().absoluteFilePath(file))), qPrintable(text));
        QVERIFY2(text.contains(messagePart), qPrintable(text));
    }

    // Names and numbers cannot give the printer commands: "^" and "~" start
    // one wherever they stand.
    void safeTexts_data()
    {
        QTest::addColumn<int>("job"); // Location: the text is the name; OneItem: the serial number
        QTest::addColumn<QByteArray>("labelTemplate"); // empty: the shipped one
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("expected"); // a fixture under barcodes/expected/ when it ends in ".txt"

        QTest::newRow("Latin-1 letters, shipped template")
            << int(Location) << QByteArray() << QStringLiteral("Kælder Øst") << QByteArray("location_kaelder_oest.txt");
        QTest::newRow("commands in a name, shipped template")
            << int(Location) << QByteArray() << QStringLiteral("Hylde^XZ~JA_1") << QByteArray("location_commands.txt");
        QTest::newRow("commands in a serial number, shipped template")
            << int(OneItem) << QByteArray() << QStringLiteral("^XZ7") << QByteArray("item_commands.txt");
        QTest::newRow("a field without ^FH gets one")
            << int(Location) << QByteArray("^XA^FO0,0^FD%1 %2^FS^XZ") << QStringLiteral("a^b")
            << QByteArray("^XA^FO0,0^FH^FD000002 a_5Eb^FS^XZ");
        QTest::newRow("and its own _ keeps printing as _")
            << int(Location) << QByteArray("^XA^FO0,0^FD%1_%2^FS^FO0,30^FDA_B^FS^XZ") << QStringLiteral("a~b_c")
            << QByteArray("^XA^FO0,0^FH^FD000002_5Fa_7Eb_5Fc^FS^FO0,30^FDA_B^FS^XZ");
        QTest::newRow("a field without ^FH and a plain name stays")
            << int(Location) << QByteArray("^XA^FO0,0^FD%1_%2^FS^XZ") << QStringLiteral("Hylde_1")
            << QByteArray("^XA^FO0,0^FD000002_Hylde_1^FS^XZ");
        QTest::newRow("the field's own escape character")
            << int(Location) << QByteArray("^XA^FD%1^FS^FO0,0^FH\\^FD%2^FS^XZ") << QStringLiteral("a\\b^c_d")
            << QByteArray("^XA^FD000002^FS^FO0,0^FH\\^FDa\\5Cb\\5Ec_d^FS^XZ");
        QTest::newRow("^FH among the field's commands")
            << int(Location) << QByteArray("^XA^FD%1^FS^FO0,0^FH^A0N,20,20^FD%2^FS^XZ") << QStringLiteral("x_y")
            << QByteArray("^XA^FD000002^FS^FO0,0^FH^A0N,20,20^FDx_5Fy^FS^XZ");
        QTest::newRow("another field's ^FH is not this one's")
            << int(Location) << QByteArray("^XA^FO0,0^FH^FD%1^FS^FO0,30^FD%2^FS^XZ") << QStringLiteral("a^b")
            << QByteArray("^XA^FO0,0^FH^FD000002^FS^FO0,30^FH^FDa_5Eb^FS^XZ");
        QTest::newRow("lower-case commands")
            << int(Location) << QByteArray("^xa^fd%1^fs^fo0,0^fd%2^fs^xz") << QStringLiteral("x^y")
            << QByteArray("^xa^fd000002^fs^fo0,0^FH^fdx_5Ey^fs^xz");
        QTest::newRow("control characters")
            << int(Location) << QByteArray("^XA^FD%1^FS^FH^FD%2^FS^XZ") << QStringLiteral("a\tb") + QChar(0x85)
            << QByteArray("^XA^FD000002^FS^FH^FDa_09b_85^FS^XZ");
        QTest::newRow("outside a field") << int(Location) << QByteArray("^XA^FD%1^FS^PQ%2^XZ")
                                         << QStringLiteral("1^XZ~JA") << QByteArray("^XA^FD000002^FS^PQ1?XZ?JA^XZ");
        QTest::newRow("a template in another language")
            << int(Location) << QByteArray("%1|%2\r\n") << QStringLiteral("a^b~c_d")
            << QByteArray("000002|a?b?c_d\r\n");
    }

    void safeTexts()
    {
        QFETCH(int, job);
        QFETCH(QByteArray, labelTemplate);
        QFETCH(QString, text);
        QFETCH(QByteArray, expected);
        setNames(true, 40);
        setDevice("zebra");
        if (!labelTemplate.isEmpty()) {
            const QString file
                = job == Location ? HandlerBarcodesC::locationTemplateFile() : HandlerBarcodesC::itemTemplateFile();
            QVERIFY(writeFile(file, labelTemplate));
        }
        Item *item = addItem(*m_collection, 2, text, QStringLiteral("Hammer"));

        ProcessRunner::Recording runs;
        HandlerBarcodesC labels;
        QVERIFY(job == Location ? labels.printLocationLabel(2, text, nullptr)
                                : labels.printItemLabel(*item, nullptr, nullptr));
        QCOMPARE(runs.count(), 1);
        if (expected.endsWith(".txt"))
            expected = readFile(testDataPath(QStringLiteral("barcodes/expected/") + QString::fromLatin1(expected)));
        QCOMPARE(readFile(HandlerBarcodesC::workFile()), expected);
    }

    // The shipped templates on the 295 dots wide label: inventory numbers
    // and location numbers up to eight digits, the location's name at the
    // standard length.
    void labelsFitTheLabel_data()
    {
        QTest::addColumn<int>("job");
        QTest::addColumn<int>("digits");
        for (int digits = 1; digits <= 8; ++digits) {
            QTest::addRow("item, %d digits", digits) << int(OneItem) << digits;
            QTest::addRow("location, %d digits", digits) << int(Location) << digits;
        }
    }

    void labelsFitTheLabel()
    {
        QFETCH(int, job);
        QFETCH(int, digits);
        const QString file
            = job == Location ? HandlerBarcodesC::locationTemplateFile() : HandlerBarcodesC::itemTemplateFile();
        const QString labelTemplate = QString::fromLatin1(readFile(file));
        QVERIFY(labelTemplate.contains(QStringLiteral("^PW295")));
        QVERIFY(labelTemplate.contains(QStringLiteral("^BC")));
        const QString serial = QStringLiteral("98765432").left(digits);
        QStringList values;
        if (job == Location) {
            const QString id = HandlerBarcodesC::locationId(serial.toInt());
            values = QStringList { id, id };
            const QString fullName(10, QLatin1Char('W')); // the standard name length
            QCOMPARE(overflow(LabelTemplate::fill(labelTemplate, { id, fullName })), QString());
        } else {
            const QString id = HandlerBarcodesC::itemId(serial);
            values = QStringList { id, id };
        }
        QCOMPARE(values.first().size(), std::max(6, digits));
        QCOMPARE(overflow(LabelTemplate::fill(labelTemplate, values)), QString());
    }

    // The width check itself: the former template at ^BY3 held six digits
    // but not seven.
    void overflowIsFound_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("fits");
        const QString old = QStringLiteral("^XA^PW295^BY3^FO42,28^BCN,109,N,N,N,A^FH^FD%1^FS^XZ");
        QTest::newRow("6 digits at ^BY3") << old.arg(QStringLiteral("000007")) << true;
        QTest::newRow("7 digits at ^BY3") << old.arg(QStringLiteral("1234567")) << false;
        QTest::newRow("8 digits at ^BY3") << old.arg(QStringLiteral("12345678")) << false;
        QTest::newRow("no quiet zone in front") << QStringLiteral("^XA^PW295^BY2^FO19,0^BCN^FD12^FS^XZ") << false;
        QTest::newRow("wide text") << QStringLiteral("^XA^PW295^A0N,44,50^FO44,142^FH^FDID:00000007^FS^XZ") << false;
        QTest::newRow("narrow text") << QStringLiteral("^XA^PW295^A0N,44,25^FO10,142^FH^FDID:00000007^FS^XZ") << true;
    }

    void overflowIsFound()
    {
        QFETCH(QString, label);
        QFETCH(bool, fits);
        QCOMPARE(overflow(label).isEmpty(), fits);
    }

    // A label without an inventory number would carry 000000, which the
    // location update never finds: such an item gets none.
    void itemsWithoutNumber_data()
    {
        QTest::addColumn<int>("job");
        QTest::addColumn<QStringList>("serials"); // of the items of "Hylde tre", named A, B, ...
        QTest::addColumn<QString>("expectedText"); // the box; empty: none
        QTest::addColumn<QStringList>("labelled"); // the IDs on the work file's labels
        const QString one = QStringLiteral(
            "Varen A har intet varenummer, så der er ikke sendt nogen etiket til etiketprinteren: en etiket "
            "uden varenummer kan aldrig genkendes ved en lokationsopdatering.");
        const QString some = QStringLiteral(
            "Disse varer har intet varenummer og får ingen etiket, da en etiket uden varenummer aldrig kan "
            "genkendes ved en lokationsopdatering:\n%1");
        QTest::newRow("one item, empty") << int(OneItem) << QStringList { QString() } << one << QStringList();
        QTest::newRow("one item, blanks")
            << int(OneItem) << QStringList { QStringLiteral("  ") } << one << QStringList();
        QTest::newRow("one item, zero is a number")
            << int(OneItem) << QStringList { QStringLiteral("0") } << QString() << QStringList { "000000" };
        QTest::newRow("group, the others are printed")
            << int(Group) << QStringList { QStringLiteral("7"), QString(), QStringLiteral("42"), QString() }
            << some.arg(QStringLiteral("B\nD")) << QStringList { "000007", "000042" };
        QTest::newRow("group, none has a number")
            << int(Group) << QStringList { QString(), QString() } << some.arg(QStringLiteral("A\nB")) << QStringList();
    }

    void itemsWithoutNumber()
    {
        QFETCH(int, job);
        QFETCH(QStringList, serials);
        QFETCH(QString, expectedText);
        QFETCH(QStringList, labelled);
        setDevice("zebra");
        QVERIFY(writeFile(HandlerBarcodesC::workFile(), "^XA^FDID:000099^FS^XZ\r\n"));
        QList<Item *> items;
        for (int i = 0; i < serials.size(); ++i)
            items.append(addItem(*m_collection, 2, serials.at(i), QString(QLatin1Char('A' + i))));

        ProcessRunner::Recording runs;
        RecordedMessageBoxes boxes;
        HandlerBarcodesC labels;
        const bool sent = job == OneItem
            ? labels.printItemLabel(*items.first(), nullptr, nullptr)
            : labels.printGroupLabels(*m_collection, QStringLiteral("Hylde tre"), nullptr, nullptr);

        QCOMPARE(sent, !labelled.isEmpty());
        QCOMPARE(runs.count(), labelled.isEmpty() ? 0 : 1);
        if (expectedText.isEmpty()) {
            QCOMPARE(boxes.count(), 0);
        } else {
            QCOMPARE(boxes.count(), 1);
            QCOMPARE(boxes.last().kind, MessageBox::Warning);
            QCOMPARE(boxes.last().title, QStringLiteral("Etiketprinter"));
            QCOMPARE(boxes.last().text, expectedText);
        }
        // The last job's labels are never sent again.
        const QString work = QString::fromLatin1(readFile(HandlerBarcodesC::workFile()));
        QVERIFY(!work.contains(QStringLiteral("000099")));
        QStringList found;
        for (const QRegularExpressionMatch &m : QRegularExpression(QStringLiteral("\\^FDID:(\\w+)")).globalMatch(work))
            found.append(m.captured(1));
        QCOMPARE(found, labelled);
    }
};

QTEST_MAIN(tst_BarcodeLabels)
#include "tst_barcodelabels.moc"
