#include <QtTest>

#include "TestSupport.h"
#include "core/Edition.h"
#include "database/ItemRules.h"

// The register's rules by edition, as the item dialog and the spreadsheet
// import both apply them.
class tst_ItemRules : public QObject
{
    Q_OBJECT

private slots:
    void counts_data()
    {
        QTest::addColumn<int>("editionNumber");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<int>("count");

        for (const int limited : { int(OstranaEdition), int(QuorvelEdition) }) {
            const QByteArray tag = limited == OstranaEdition ? "home contents" : "inventory";
            QTest::addRow("%s: empty", tag.constData()) << limited << QString() << false << 0;
            QTest::addRow("%s: lowest", tag.constData()) << limited << QStringLiteral("1") << true << 1;
            QTest::addRow("%s: zero", tag.constData()) << limited << QStringLiteral("0") << false << 0;
            QTest::addRow("%s: highest, blanks around", tag.constData())
                << limited << QStringLiteral(" 100000 ") << true << 100000;
            QTest::addRow("%s: above the limit", tag.constData()) << limited << QStringLiteral("100001") << false << 0;
            QTest::addRow("%s: not a whole number", tag.constData()) << limited << QStringLiteral("2.5") << false << 0;
        }
        for (const int open : { int(VistrelEdition), int(NumivaxEdition) }) {
            const QByteArray tag = open == VistrelEdition ? "pictures" : "coins";
            QTest::addRow("%s: empty is none", tag.constData()) << open << QString() << true << 0;
            QTest::addRow("%s: above the typing limit", tag.constData())
                << open << QStringLiteral("250000") << true << 250000;
            QTest::addRow("%s: what the file holds", tag.constData())
                << open << QStringLiteral("-2147483648") << true << int(std::numeric_limits<int>::min());
            QTest::addRow("%s: beyond the file", tag.constData()) << open << QStringLiteral("2147483648") << false << 0;
            QTest::addRow("%s: not a number", tag.constData()) << open << QStringLiteral("fem") << false << 0;
        }
    }
    void counts()
    {
        QFETCH(int, editionNumber);
        QFETCH(QString, text);
        QFETCH(bool, taken);
        QFETCH(int, count);
        TestSupport::IsolatedSettings settings(editionNumber);
        int read = -7;
        const ItemRules::Result result = ItemRules::checkCount(text, &read);
        QCOMPARE(result.ok(), taken);
        if (taken)
            QCOMPARE(read, count);
        else
            QCOMPARE(result.problem, ItemRules::CountOutOfRange);
    }

    void editionDemands_data()
    {
        QTest::addColumn<int>("editionNumber");
        QTest::addColumn<bool>("price");
        QTest::addColumn<bool>("location");
        QTest::newRow("home contents") << int(OstranaEdition) << true << false;
        QTest::newRow("pictures") << int(VistrelEdition) << false << false;
        QTest::newRow("coins") << int(NumivaxEdition) << false << false;
        QTest::newRow("inventory") << int(QuorvelEdition) << false << true;
    }
    void editionDemands()
    {
        QFETCH(int, editionNumber);
        QFETCH(bool, price);
        QFETCH(bool, location);
        TestSupport::IsolatedSettings settings(editionNumber);
        QCOMPARE(ItemRules::requiresPrice(), price);
        QCOMPARE(ItemRules::estimateTakesPrice(), price);
        QCOMPARE(ItemRules::requiresLocation(), location);
        QVERIFY(!ItemRules::checkName(QString()).ok());
        QVERIFY(ItemRules::checkName(QStringLiteral(" ")).ok());
        QVERIFY(ItemRules::priceInRange(0.0) && ItemRules::priceInRange(ItemRules::MaxPrice));
        QVERIFY(!ItemRules::priceInRange(-0.01) && !ItemRules::priceInRange(ItemRules::MaxPrice + 0.01));
        QVERIFY(!ItemRules::priceInRange(std::numeric_limits<double>::quiet_NaN()));
        QVERIFY(!ItemRules::checkText(QStringLiteral("a;b"), QStringLiteral("Navn")).ok());
        QVERIFY(ItemRules::checkText(QStringLiteral("a\tb"), QStringLiteral("Navn")).ok());
    }
};

QTEST_MAIN(tst_ItemRules)

#include "tst_itemrules.moc"
