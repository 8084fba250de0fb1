#include <QtTest>

#include "ItemFixtures.h"
#include "TestSupport.h"
#include "core/Edition.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "database/ValueSummary.h"

#include <memory>

using ItemFixtures::plainItem;

namespace {

struct Thing
{
    int group;
    int location;
    int count;
    double price;
    double valueToday;
    const char *date;
    const char *supplier;
};

// Three groups' worth of things, one in a group and a location beyond the
// lists, suppliers differing in case only, and dates without a year.
const Thing things[] = {
    { 0, 0, 2, 1000.5, 1500, "01.02.2019", "IKEA" },
    { 0, 1, 1, 250, 100, "15.06.2019", "ikea " },
    { 1, 1, 4, 12.25, 40, "31.12.2020", "Bilka" },
    { 1, 0, 0, 99, 0, "ukendt", "" },
    { 2, 1, 1, 5000, 4500, "29.02.2020", "Arne Jacobsen" },
    { 7, 9, 3, 10, 25, "", "Bilka" },
};

QString rowsText(const QList<ValueSummary::Row> &rows)
{
    QStringList lines;
    for (const ValueSummary::Row &row : rows)
        lines << QStringLiteral("%1#%2:%3/%4/%5/%6")
                     .arg(row.name)
                     .arg(row.number)
                     .arg(row.totals.items)
                     .arg(row.totals.pieces)
                     .arg(row.totals.purchase, 0, 'f', 2)
                     .arg(row.totals.valueToday, 0, 'f', 2);
    return lines.join(QLatin1Char('|'));
}

} // namespace

class tst_ValueSummary : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestSupport::IsolatedSettings> m_settings;
    std::unique_ptr<DBItemCollection> m_collection;

    void fill(int editionNumber)
    {
        m_settings = std::make_unique<TestSupport::IsolatedSettings>(editionNumber);
        m_collection = std::make_unique<DBItemCollection>(nullptr);
        m_collection->setListEntries(DBItemCollection::GroupList, { "Stue", "Køkken", "Kontor" });
        m_collection->setListEntries(DBItemCollection::LocationList, { "Hus", "Garage" });
        int n = 0;
        for (const Thing &thing : things) {
            auto item = plainItem(
                thing.group, QStringLiteral("Ting %1").arg(++n), thing.count, thing.price, QString(), thing.location);
            item->setPriceToday(thing.valueToday);
            item->setDate(QString::fromLatin1(thing.date));
            item->setSupplier(QString::fromUtf8(thing.supplier));
            m_collection->add(std::move(item));
        }
    }

private slots:
    void cleanup()
    {
        m_collection.reset();
        m_settings.reset();
    }

    void rows_data()
    {
        QTest::addColumn<int>("editionNumber");
        QTest::addColumn<int>("grouping");
        QTest::addColumn<QString>("expected");

        // Home contents: count × price; the value today once per item.
        QTest::newRow("by group") << int(OstranaEdition) << int(ValueSummary::ByGroup)
                                  << "Stue#0:2/3/2251.00/1600.00|Køkken#1:2/4/49.00/40.00|"
                                     "Kontor#2:1/1/5000.00/4500.00|#-1:1/3/30.00/25.00";
        QTest::newRow("by location") << int(OstranaEdition) << int(ValueSummary::ByLocation)
                                     << "Hus#0:2/2/2001.00/1500.00|Garage#1:3/6/5299.00/4640.00|#-1:1/3/30.00/25.00";
        QTest::newRow("by supplier, case and blanks aside")
            << int(OstranaEdition) << int(ValueSummary::BySupplier)
            << "Arne Jacobsen#-1:1/1/5000.00/4500.00|Bilka#-1:2/7/79.00/65.00|IKEA#-1:2/3/2251.00/1600.00|"
               "#-1:1/0/0.00/0.00";
        QTest::newRow("by year, leap day included")
            << int(OstranaEdition) << int(ValueSummary::ByYear)
            << "2019#2019:2/3/2251.00/1600.00|2020#2020:2/5/5049.00/4540.00|#-1:2/3/30.00/25.00";
        // Pictures: the count is a register number, so the price counts once.
        QTest::newRow("pictures by group") << int(VistrelEdition) << int(ValueSummary::ByGroup)
                                           << "Stue#0:2/2/1250.50/1600.00|Køkken#1:2/2/111.25/40.00|"
                                              "Kontor#2:1/1/5000.00/4500.00|#-1:1/1/10.00/25.00";
    }
    void rows()
    {
        QFETCH(int, editionNumber);
        QFETCH(int, grouping);
        QFETCH(QString, expected);
        fill(editionNumber);
        const ValueSummary summary = ValueSummary::of(*m_collection);
        QCOMPARE(rowsText(summary.rows(ValueSummary::Grouping(grouping))), expected);
    }

    // The totals agree with the group report's sums, and every grouping
    // adds up to them.
    void totalsAgreeWithTheGroupReport_data()
    {
        QTest::addColumn<int>("editionNumber");
        QTest::newRow("Ostrana") << int(OstranaEdition);
        QTest::newRow("Vistrel") << int(VistrelEdition);
        QTest::newRow("Numivax") << int(NumivaxEdition);
        QTest::newRow("Quorvel") << int(QuorvelEdition);
    }
    void totalsAgreeWithTheGroupReport()
    {
        QFETCH(int, editionNumber);
        fill(editionNumber);
        const ValueSummary summary = ValueSummary::of(*m_collection);
        const ValueTotals &total = summary.total();
        const int all = DBItemCollection::AllGroups;
        QCOMPARE(total.items, m_collection->countItems(all, false));
        QCOMPARE(total.valueToday, m_collection->sumValues(all, true, false));
        QCOMPARE(total.purchase, m_collection->sumValues(all, false, !ValueSummary::countsPieces()));
        if (ValueSummary::countsPieces())
            QCOMPARE(total.pieces, m_collection->countItems(all, true));
        for (int grouping = ValueSummary::ByGroup; grouping <= ValueSummary::ByYear; ++grouping) {
            ValueTotals sum;
            for (const ValueSummary::Row &row : summary.rows(ValueSummary::Grouping(grouping))) {
                sum.items += row.totals.items;
                sum.pieces += row.totals.pieces;
                sum.purchase += row.totals.purchase;
                sum.valueToday += row.totals.valueToday;
            }
            QCOMPARE(sum.items, total.items);
            QCOMPARE(sum.pieces, total.pieces);
            QVERIFY(qFuzzyCompare(sum.purchase, total.purchase));
            QVERIFY(qFuzzyCompare(sum.valueToday, total.valueToday));
        }
    }

    void nothingToSum()
    {
        m_settings = std::make_unique<TestSupport::IsolatedSettings>(OstranaEdition);
        const ValueSummary summary({}, { "Stue" }, {});
        QCOMPARE(summary.total().items, qint64(0));
        QCOMPARE(summary.total().purchase, 0.0);
        for (int grouping = ValueSummary::ByGroup; grouping <= ValueSummary::ByYear; ++grouping)
            QVERIFY(summary.rows(ValueSummary::Grouping(grouping)).isEmpty());
    }
};

QTEST_MAIN(tst_ValueSummary)
#include "tst_valuesummary.moc"
