#include <QtTest>

#include "TestSupport.h"
#include "core/Edition.h"
#include "core/Settings.h"

class tst_Edition : public QObject
{
    Q_OBJECT

private slots:
    void editionFromPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("expected");
        QTest::newRow("ostrana") << "/opt/taldrum/ostrana" << 1;
        QTest::newRow("capitals") << "C:/Programmer/OSTRANA.EXE" << 1;
        QTest::newRow("quorvel any case") << "/usr/bin/qUoRvEl" << 5;
        QTest::newRow("vistrel") << "/x/Vistrel" << 2;
        QTest::newRow("numivax") << "/x/numivax" << 3;
        QTest::newRow("larkspan alone") << "/x/LARKSPAN" << 1;
        QTest::newRow("folder counts too") << "/home/numivax/bin/register" << 3;
        QTest::newRow("fixed order beats position") << "/numivax/ostrana" << 1;
        QTest::newRow("quorvel before vistrel") << "/vistrel/quorvel" << 5;
        QTest::newRow("larkspan last") << "/larkspan/vistrel" << 2;
        QTest::newRow("none") << "/opt/register/register.exe" << 0;
        QTest::newRow("empty") << "" << 0;
    }
    void editionFromPath()
    {
        QFETCH(QString, path);
        QFETCH(int, expected);
        QCOMPARE(editionFromProgramPath(path), expected);
    }

    void predicatesAndNames()
    {
        TestSupport::IsolatedSettings settings(VistrelEdition);
        QVERIFY(isVistrel());
        QVERIFY(!isOstrana() && !isNumivax() && !isQuorvel());
        QCOMPARE(editionName(false), QStringLiteral("Vistrel"));
        QCOMPARE(editionName(true), QStringLiteral("/Vistrel/"));
        QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Taldrum"));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Vistrel"));
        settings.setEdition(QuorvelEdition);
        QVERIFY(isQuorvel());
        QCOMPARE(editionName(true), QStringLiteral("/Quorvel/"));
    }

    void languageFallsBackToDanish_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nothing stored") << QVariant() << "dk";
        QTest::newRow("dk") << QVariant("dk") << "dk";
        QTest::newRow("no") << QVariant("no") << "no";
        QTest::newRow("en") << QVariant("en") << "en";
        QTest::newRow("da is unknown") << QVariant("da") << "dk";
        QTest::newRow("EN is unknown") << QVariant("EN") << "dk";
        QTest::newRow("empty") << QVariant("") << "dk";
    }
    void languageFallsBackToDanish()
    {
        QFETCH(QVariant, stored);
        QFETCH(QString, expected);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        if (stored.isValid())
            Settings().setValue(QStringLiteral("Language"), stored);
        QCOMPARE(currentLanguage(), expected);
    }

    void languageIsReadAfreshEachCall()
    {
        TestSupport::IsolatedSettings settings(OstranaEdition);
        QCOMPARE(currentLanguage(), QStringLiteral("dk"));
        Settings().setValue(QStringLiteral("Language"), QStringLiteral("en"));
        QCOMPARE(currentLanguage(), QStringLiteral("en"));
    }

    void demoFolders_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("folder");
        QTest::newRow("Ostrana") << 1 << "db/DemoDBStd/";
        QTest::newRow("Vistrel uses the film folder") << 2 << "db/DemoDBCinvaro/";
        QTest::newRow("Numivax") << 3 << "db/DemoDBNumivax/";
        QTest::newRow("Quorvel") << 5 << "db/DemoQuorvel/";
    }
    void demoFolders()
    {
        QFETCH(int, edition);
        QFETCH(QString, folder);
        TestSupport::IsolatedSettings settings(edition);
        QCOMPARE(lastDbDir(), folder);
        Settings().setValue(QStringLiteral("LastDBDir"), QStringLiteral("/data/home"));
        QCOMPARE(lastDbDir(), QStringLiteral("/data/home"));
    }

    void settingsTreesAreKeptPerEdition()
    {
        TestSupport::IsolatedSettings settings(OstranaEdition);
        Settings().setValue(QStringLiteral("Language"), QStringLiteral("en"));
        settings.setEdition(NumivaxEdition);
        QCOMPARE(currentLanguage(), QStringLiteral("dk"));
        QVERIFY(!Settings().fallbacksEnabled());
    }

    void formatLevelStartsAtZero()
    {
        QCOMPARE(databaseFormatLevel(), 0);
        setDatabaseFormatLevel(255);
        QCOMPARE(databaseFormatLevel(), 255);
        setDatabaseFormatLevel(0);
    }
};

QTEST_GUILESS_MAIN(tst_Edition)
#include "tst_edition.moc"
