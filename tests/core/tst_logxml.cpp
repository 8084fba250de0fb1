#include <QtTest>

#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <memory>

#include "TestSupport.h"
#include "core/LogXML.h"

namespace {

// Sets DEBUGTALDRUM for the scope (unset when value is null) and restores it.
class SwitchScope
{
public:
    explicit SwitchScope(const QByteArray &value)
        : m_had(qEnvironmentVariableIsSet("DEBUGTALDRUM"))
        , m_old(qgetenv("DEBUGTALDRUM"))
    {
        if (value.isNull())
            qunsetenv("DEBUGTALDRUM");
        else
            qputenv("DEBUGTALDRUM", value);
    }
    ~SwitchScope()
    {
        if (m_had)
            qputenv("DEBUGTALDRUM", m_old);
        else
            qunsetenv("DEBUGTALDRUM");
    }

private:
    bool m_had;
    QByteArray m_old;
};

// Replaces the values that depend on the clock by fixed markers.
QByteArray masked(QByteArray log)
{
    QString text = QString::fromLatin1(log);
    text.replace(QRegularExpression(QStringLiteral("<Timestamp>\\d+\\.\\d{3}</Timestamp>")),
        QStringLiteral("<Timestamp>T</Timestamp>"));
    text.replace(
        QRegularExpression(QStringLiteral("<Date>\\d{4}-\\d{2}-\\d{2}</Date>")), QStringLiteral("<Date>D</Date>"));
    text.replace(QRegularExpression(QStringLiteral("<Time>\\d{2}:\\d{2}:\\d{2}\\.\\d{3}</Time>")),
        QStringLiteral("<Time>H</Time>"));
    return text.toLatin1();
}

QByteArray header(const char *appName)
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                      "\n"
                      "<LogFile>\n"
                      "  <AppName>")
        + appName
        + "</AppName>\n"
          "  <Timestamp>T</Timestamp>\n"
          "  <Date>D</Date>\n"
          "  <Time>H</Time>";
}

const QByteArray closing = "\n"
                           "  <LogItem>\n"
                           "    <Date>D</Date>\n"
                           "    <Time>H</Time>\n"
                           "    <Filename>Error</Filename>\n"
                           "    <Entry>Log File closed</Entry>\n"
                           "  </LogItem>\n"
                           "</LogFile>";

} // namespace

class tst_LogXML : public QObject
{
    Q_OBJECT

private slots:
    void layoutOfACompleteLog()
    {
        SwitchScope on("1");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("log.xml"));
        {
            LogXML log(path, QStringLiteral("/Ostrana/"));
            QVERIFY(log.isEnabled());
            QCOMPARE(log.depth(), 1);
            QVERIFY(log.logItem(QStringLiteral("dk"), QStringLiteral("larkspanwindow"), QStringLiteral("Language")));
            QVERIFY(log.beginItem(
                QStringLiteral("db/x.db"), QStringLiteral("DBItemCollection"), QStringLiteral("LoadFromAsciiFile()")));
            QCOMPARE(log.depth(), 2);
            QVERIFY(log.element(QStringLiteral("Item"), QStringLiteral("Sofa & <bord>")));
            QVERIFY(log.endItem());
            QCOMPARE(log.depth(), 1);
            QVERIFY(log.logItem(QStringLiteral("only the entry")));
        }
        const QByteArray expected = header("/Ostrana/")
            + "\n"
              "  <LogItem>\n"
              "    <Date>D</Date>\n"
              "    <Time>H</Time>\n"
              "    <Filename>larkspanwindow</Filename>\n"
              "    <Function>Language</Function>\n"
              "    <Entry>dk</Entry>\n"
              "  </LogItem>\n"
              "  <LogItem>\n"
              "    <Date>D</Date>\n"
              "    <Time>H</Time>\n"
              "    <Filename>DBItemCollection</Filename>\n"
              "    <Function>LoadFromAsciiFile()</Function>\n"
              "    <Entry>db/x.db</Entry>\n"
              "    <Item>Sofa & <bord></Item>\n"
              "  </LogItem>\n"
              "  <LogItem>\n"
              "    <Date>D</Date>\n"
              "    <Time>H</Time>\n"
              "    <Entry>only the entry</Entry>\n"
              "  </LogItem>"
            + closing;
        const QByteArray written = TestSupport::readFile(path);
        QCOMPARE(masked(written), expected);
        QVERIFY(!written.endsWith('\n'));
    }

    void clockValuesAreWellFormed()
    {
        SwitchScope on("1");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("log.xml"));
        const qint64 before = QDateTime::currentMSecsSinceEpoch();
        {
            LogXML log(path, QStringLiteral("/Vistrel/"));
        }
        const qint64 after = QDateTime::currentMSecsSinceEpoch();
        const QString text = QString::fromLatin1(TestSupport::readFile(path));

        const auto stamp = QRegularExpression(QStringLiteral("<Timestamp>(\\d+)\\.(\\d{3})</Timestamp>")).match(text);
        QVERIFY(stamp.hasMatch());
        const qint64 msecs = stamp.captured(1).toLongLong() * 1000 + stamp.captured(2).toLongLong();
        QVERIFY(msecs >= before && msecs <= after);

        const auto date = QRegularExpression(QStringLiteral("<Date>([^<]*)</Date>")).match(text);
        const QDate written = QDate::fromString(date.captured(1), QStringLiteral("yyyy-MM-dd"));
        QVERIFY(written.isValid());
        QVERIFY(qAbs(written.daysTo(QDate::currentDate())) <= 1);
        QVERIFY(
            QRegularExpression(QStringLiteral("<Time>\\d{2}:\\d{2}:\\d{2}\\.\\d{3}</Time>")).match(text).hasMatch());
    }

    // Milliseconds below 100 keep their leading zeros in both the time stamp
    // and the time lines: 5 ms is ".005", never ".5" (which reads as 500 ms).
    void millisecondsAreZeroPadded_data()
    {
        QTest::addColumn<int>("milliseconds");
        QTest::addColumn<QString>("fraction");
        QTest::newRow("0 ms") << 0 << "000";
        QTest::newRow("5 ms") << 5 << "005";
        QTest::newRow("50 ms") << 50 << "050";
        QTest::newRow("999 ms") << 999 << "999";
    }
    void millisecondsAreZeroPadded()
    {
        QFETCH(int, milliseconds);
        QFETCH(QString, fraction);
        SwitchScope on("1");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("log.xml"));
        static QDateTime fixed;
        fixed = QDateTime(QDate(2024, 3, 1), QTime(7, 8, 9, milliseconds));
        LogXML::setClock([] { return fixed; });
        {
            LogXML log(path, QStringLiteral("/Ostrana/"));
            log.logItem(QStringLiteral("entry"));
        }
        LogXML::setClock(nullptr);
        const QString text = QString::fromLatin1(TestSupport::readFile(path));
        const QString seconds = QString::number(fixed.toMSecsSinceEpoch() / 1000);
        QVERIFY2(
            text.contains(QStringLiteral("<Timestamp>%1.%2</Timestamp>").arg(seconds, fraction)), qPrintable(text));
        // The header and each item (the logged one and the closing one).
        QCOMPARE(text.count(QStringLiteral("<Time>07:08:09.%1</Time>").arg(fraction)), 3);
        QCOMPARE(text.count(QStringLiteral("<Date>2024-03-01</Date>")), 3);
    }

    void nestingAndTheDestructorClosesOpenItems()
    {
        SwitchScope on("1");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("log.xml"));
        {
            LogXML log(path, QStringLiteral("/Quorvel/"));
            QVERIFY(log.beginItem());
            QVERIFY(log.beginItem(QStringLiteral("inner")));
            QCOMPARE(log.depth(), 3);
            QVERIFY(log.logItem(QStringLiteral("deep"), QString(), QStringLiteral("F")));
            QCOMPARE(log.depth(), 3);
            QVERIFY(log.element(QStringLiteral("Loading"), QStringLiteral("groups.txt")));
            // Left open on purpose: the destructor closes both.
        }
        const QByteArray expected = header("/Quorvel/")
            + "\n"
              "  <LogItem>\n"
              "    <Date>D</Date>\n"
              "    <Time>H</Time>\n"
              "    <LogItem>\n"
              "      <Date>D</Date>\n"
              "      <Time>H</Time>\n"
              "      <Entry>inner</Entry>\n"
              "      <LogItem>\n"
              "        <Date>D</Date>\n"
              "        <Time>H</Time>\n"
              "        <Function>F</Function>\n"
              "        <Entry>deep</Entry>\n"
              "      </LogItem>\n"
              "      <Loading>groups.txt</Loading>\n"
              "    </LogItem>\n"
              "  </LogItem>"
            + closing;
        QCOMPARE(masked(TestSupport::readFile(path)), expected);
    }

    void endItemAtDepthOneDoesNothing()
    {
        SwitchScope on("1");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("log.xml"));
        {
            LogXML log(path, QStringLiteral("/Numivax/"));
            QVERIFY(!log.endItem());
            QCOMPARE(log.depth(), 1);
            QVERIFY(log.beginItem(QStringLiteral("a")));
            QVERIFY(log.endItem());
            QVERIFY(!log.endItem());
            QCOMPARE(log.depth(), 1);
        }
        const QByteArray expected = header("/Numivax/")
            + "\n"
              "  <LogItem>\n"
              "    <Date>D</Date>\n"
              "    <Time>H</Time>\n"
              "    <Entry>a</Entry>\n"
              "  </LogItem>"
            + closing;
        QCOMPARE(masked(TestSupport::readFile(path)), expected);
    }

    void textsAreWrittenAsLatin1()
    {
        SwitchScope on("1");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("log.xml"));
        {
            LogXML log(path, QStringLiteral("/Ostrana/"));
            log.logItem(QStringLiteral("Æblegrød på hylde"));
        }
        const QByteArray written = TestSupport::readFile(path);
        QVERIFY(written.contains("<Entry>\xC6\x62legr\xF8\x64 p\xE5 hylde</Entry>"));
    }

    void laterRunReplacesTheLog()
    {
        SwitchScope on("1");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("log.xml"));
        QVERIFY(TestSupport::writeFile(
            path, "an earlier run, much longer than the new log will be ... " + QByteArray(5000, 'x')));
        {
            LogXML log(path, QStringLiteral("/Ostrana/"));
        }
        QCOMPARE(masked(TestSupport::readFile(path)), header("/Ostrana/") + closing);
    }

    void switchDecidesWhetherTheFileIsTouched_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("unset") << QByteArray() << false;
        QTest::newRow("empty") << QByteArray("") << false;
        QTest::newRow("0") << QByteArray("0") << false;
        QTest::newRow("yes") << QByteArray("yes") << false;
        QTest::newRow("1") << QByteArray("1") << true;
        QTest::newRow("01") << QByteArray("01") << true;
        QTest::newRow("x1y") << QByteArray("x1y") << true;
    }
    void switchDecidesWhetherTheFileIsTouched()
    {
        QFETCH(QByteArray, value);
        QFETCH(bool, enabled);
        SwitchScope scope(value);
        QTemporaryDir dir;

        const QString fresh = dir.filePath(QStringLiteral("log.xml"));
        const QString kept = dir.filePath(QStringLiteral("old/log.xml"));
        QVERIFY(TestSupport::writeFile(kept, "earlier log"));
        {
            LogXML log(fresh, QStringLiteral("/Ostrana/"));
            QCOMPARE(log.isEnabled(), enabled);
            QCOMPARE(log.logItem(QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")), enabled);
            QCOMPARE(log.beginItem(QStringLiteral("x")), enabled);
            QCOMPARE(log.element(QStringLiteral("Item"), QStringLiteral("x")), enabled);
            QCOMPARE(log.endItem(), enabled);
        }
        QCOMPARE(QFile::exists(fresh), enabled);
        if (!enabled) {
            {
                LogXML log(kept, QStringLiteral("/Ostrana/"));
            }
            QCOMPARE(TestSupport::readFile(kept), QByteArray("earlier log"));
        }
    }

    void switchIsReadOnlyAtOpen()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("log.xml"));
        std::unique_ptr<LogXML> log;
        {
            SwitchScope off(QByteArray {});
            log = std::make_unique<LogXML>(path, QStringLiteral("/Ostrana/"));
        }
        SwitchScope on("1");
        QVERIFY(!log->logItem(QStringLiteral("x")));
        log.reset();
        QVERIFY(!QFile::exists(path));
    }

    void logThatCannotBeCreatedStaysOff_data()
    {
        QTest::addColumn<QString>("relativePath");
        QTest::newRow("missing folder") << "no/such/folder/log.xml";
        QTest::newRow("path is a folder") << "folder";
        QTest::newRow("empty path") << "";
    }
    void logThatCannotBeCreatedStaysOff()
    {
        QFETCH(QString, relativePath);
        SwitchScope on("1");
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        const QString path = relativePath.isEmpty() ? QString() : dir.filePath(relativePath);
        {
            LogXML log(path, QStringLiteral("/Ostrana/"));
            QVERIFY(!log.isEnabled());
            QVERIFY(!log.logItem(QStringLiteral("x")));
            QVERIFY(!log.beginItem(QStringLiteral("x")));
            QVERIFY(!log.element(QStringLiteral("a"), QStringLiteral("b")));
            QVERIFY(!log.endItem());
        }
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("no"))));
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("folder"))).isDir());
    }

    void readOnlyFolderLeavesTheLogOff()
    {
        SwitchScope on("1");
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("ro"));
        QVERIFY(QDir().mkpath(folder));
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const QString path = QDir(folder).filePath(QStringLiteral("log.xml"));
        QFile probe(QDir(folder).filePath(QStringLiteral("probe")));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.close();
            probe.remove();
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            QSKIP("permissions are not enforced for this user");
        }
        {
            LogXML log(path, QStringLiteral("/Ostrana/"));
            QVERIFY(!log.isEnabled());
            QVERIFY(!log.logItem(QStringLiteral("x")));
        }
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_GUILESS_MAIN(tst_LogXML)
#include "tst_logxml.moc"
