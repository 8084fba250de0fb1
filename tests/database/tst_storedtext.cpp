#include <QTest>

#include "database/StoredText.h"

// What the database file can hold, checked before anything is written.
class tst_StoredText : public QObject
{
    Q_OBJECT

private slots:
    void check_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("problem");

        QTest::newRow("empty") << QString() << int(StoredText::None);
        QTest::newRow("plain Danish") << QStringLiteral("Sofabord i eg, ærø") << int(StoredText::None);
        QTest::newRow("199 bytes") << QString(199, u'x') << int(StoredText::None);
        QTest::newRow("199 Latin-1 letters") << QString(199, u'ø') << int(StoredText::None);
        QTest::newRow("200 bytes") << QString(200, u'x') << int(StoredText::TooLong);
        QTest::newRow("separator") << QStringLiteral("a;b") << int(StoredText::Separator);
        QTest::newRow("line feed") << QStringLiteral("a\nb") << int(StoredText::LineBreak);
        QTest::newRow("carriage return") << QStringLiteral("a\rb") << int(StoredText::LineBreak);
        QTest::newRow("euro") << QStringLiteral("Pris 100 \u20ac") << int(StoredText::NotLatin1);
        QTest::newRow("Polish") << QStringLiteral("\u0141\u00f3d\u017a") << int(StoredText::NotLatin1);
        QTest::newRow("separator before line break") << QStringLiteral("a\n;") << int(StoredText::Separator);
        QTest::newRow("230-byte path with separator") << (QString(220, u'p') + QStringLiteral("/a;b.jpg"))
                                                      << int(StoredText::Separator);
    }
    void check()
    {
        QFETCH(QString, text);
        QFETCH(int, problem);
        QCOMPARE(int(StoredText::check(text)), problem);
    }

    void unencodableCharacters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");

        QTest::newRow("Latin-1 only") << QStringLiteral("æøå ÆØÅ ü") << QString();
        QTest::newRow("euro twice") << QStringLiteral("\u20ac 5 \u20ac") << QStringLiteral("\u20ac");
        QTest::newRow("in order of appearance") << QStringLiteral("\u4e2d\u6587 \u0141")
                                                << QStringLiteral("\u4e2d\u6587\u0141");
        QTest::newRow("camera emoji stays whole") << QStringLiteral("foto \U0001F4F7 \U0001F4F7")
                                                  << QStringLiteral("\U0001F4F7");
    }
    void unencodableCharacters()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(StoredText::unencodableCharacters(text), expected);
    }

    void numbers()
    {
        QVERIFY(StoredText::isStorableNumber(0.0));
        QVERIFY(StoredText::isStorableNumber(9999999.0));
        QVERIFY(StoredText::isStorableNumber(-1.5));
        QVERIFY(!StoredText::isStorableNumber(qInf()));
        QVERIFY(!StoredText::isStorableNumber(-qInf()));
        QVERIFY(!StoredText::isStorableNumber(qQNaN()));
    }
};

QTEST_GUILESS_MAIN(tst_StoredText)
#include "tst_storedtext.moc"
