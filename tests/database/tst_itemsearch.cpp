#include <QRandomGenerator>
#include <QTest>

#include "../common/ItemFixtures.h"
#include "../common/TestSupport.h"
#include "core/Edition.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "database/ItemMatcher.h"

// A search prepares each criterion once and then looks at the items' bytes
// only; it must find exactly what the plain comparisons of the texts find.
class tst_ItemSearch : public QObject
{
    Q_OBJECT

    // Texts where case folding, Latin-1 and the numbers' writing matter.
    static QStringList awkwardTexts()
    {
        return { QString(), QStringLiteral("Sofa"), QStringLiteral("SOFABORD i eg"),
            QStringLiteral("\u00c6bler \u00f8l \u00c5"), QStringLiteral("\u00e6BLER \u00d8L \u00e5"),
            QStringLiteral("10 \u00b5m"), QStringLiteral("stra\u00dfe"), QStringLiteral("\u00ff \u00de\u00fe"),
            QStringLiteral("k-kelvin"), QStringLiteral("a;b"), QStringLiteral("24.12.2011"),
            QStringLiteral("Pris \u20ac 5"), QStringLiteral("aaab"), QStringLiteral("?"), QStringLiteral("a?b") };
    }
    static QStringList awkwardCriteria()
    {
        return { QStringLiteral("sofa"), QStringLiteral("SoFa"), QStringLiteral("\u00e6bler"),
            QStringLiteral("\u00d8l \u00c5"), QStringLiteral("\u00b5"), QStringLiteral("\u03bc"),
            QStringLiteral("\u039c"), QStringLiteral("\u00df"), QStringLiteral("\u1e9e"), QStringLiteral("SS"),
            QStringLiteral("\u0178"), QStringLiteral("\u00ff"), QStringLiteral("\u212a"), QStringLiteral("K"),
            QStringLiteral("\u20ac"), QStringLiteral("\U0001F600"), QStringLiteral("24.12.2011"), QStringLiteral("aab"),
            QStringLiteral(" "), QStringLiteral("-"), QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("-0"),
            QStringLiteral("12"), QStringLiteral(" 3 "), QStringLiteral("x"), QStringLiteral("1500"),
            QStringLiteral("1e3"), QStringLiteral("inf"), QStringLiteral("007"), QStringLiteral("2"),
            QStringLiteral("-2") };
    }

private slots:
    // Every field against every criterion, on items with Latin-1 texts and
    // on items holding a character beyond Latin-1.
    void preparedTestEqualsThePlainOne()
    {
        const QStringList texts = awkwardTexts();
        const QList<double> prices { 0.0, -0.0, 0.5, -0.4, 1.5, 2.5, 1499.5, 1500.49, 12.0, 1e20, -2.0, 1e-9 };
        std::vector<std::unique_ptr<Item>> items;
        for (qsizetype t = 0; t < 2 * texts.size(); ++t) {
            auto item = std::make_unique<Item>();
            // Every other item keeps to Latin-1, as the items of a file do.
            for (int i = 0; i < Item::TextCount; ++i) {
                const QString text = texts.at((t + i) % texts.size());
                item->setText(Item::Text(i), t % 2 ? text : QString::fromLatin1(text.toLatin1()));
            }
            item->setGroup(int(t) - 2);
            item->setNumberOfItems(int(t % 4) - 1);
            item->setPrice(prices.at(t % prices.size()));
            item->setPriceToday(prices.at((t + 5) % prices.size()));
            item->setLocation(int(t * 7) - 20);
            items.push_back(std::move(item));
        }
        QVERIFY(items.front()->textsAreLatin1());
        QVERIFY(!items.at(1)->textsAreLatin1());
        for (const QString &criterion : awkwardCriteria()) {
            for (int field = DBItemCollection::FieldGroup; field <= DBItemCollection::FieldDocument; ++field) {
                const ItemMatcher matcher(field, criterion);
                for (const auto &item : items) {
                    const bool plain = ItemMatcher::matchesPlainly(*item, field, criterion);
                    if (matcher.matches(*item) != plain)
                        QFAIL(qPrintable(QStringLiteral("field %1, criterion \"%2\", item %3: plain test says %4")
                                             .arg(field)
                                             .arg(criterion, item->dump())
                                             .arg(plain)));
                }
            }
        }
    }

    // A criterion beyond Latin-1 finds no "?", the character such a text
    // becomes in Latin-1, in any text field: neither an exact one (date,
    // serial number) nor a contained one; a "?" finds one.
    void criterionBeyondLatin1FindsNoQuestionMark_data()
    {
        QTest::addColumn<QString>("criterion");
        QTest::addColumn<bool>("found");
        QTest::newRow("euro") << QStringLiteral("\u20ac") << false;
        QTest::newRow("Greek capital omega") << QStringLiteral("\u03a9") << false;
        QTest::newRow("outside the basic plane") << QStringLiteral("\U0001F600") << false;
        QTest::newRow("Polish L before a question mark") << QStringLiteral("\u0141?") << false;
        QTest::newRow("question mark") << QStringLiteral("?") << true;
    }
    void criterionBeyondLatin1FindsNoQuestionMark()
    {
        QFETCH(QString, criterion);
        QFETCH(bool, found);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        DBItemCollection collection(nullptr);
        Item *item = collection.add(ItemFixtures::plainItem(QStringLiteral("?")));
        for (int text = 0; text < Item::TextCount; ++text)
            item->setText(Item::Text(text), QStringLiteral("?"));
        QVERIFY(item->textsAreLatin1());
        for (const int field : { DBItemCollection::FieldName, DBItemCollection::FieldProduct,
                 DBItemCollection::FieldDate, DBItemCollection::FieldSupplier, DBItemCollection::FieldSerialno,
                 DBItemCollection::FieldDescription, DBItemCollection::FieldWww, DBItemCollection::FieldAddress,
                 DBItemCollection::FieldPhotolink, DBItemCollection::FieldReceipt, DBItemCollection::FieldDocument }) {
            bool wasFound = !found;
            collection.findNext(field, criterion, wasFound, false);
            QVERIFY2(wasFound == found, qPrintable(QStringLiteral("field %1").arg(field)));
            QCOMPARE(ItemMatcher(field, criterion).matches(*item), found);
        }
    }

    // A search of several fields gives what findNext gives, field by field,
    // from the same search position. A large register is searched in two
    // halves at once: there, the few items that can decide lie in either
    // half, and in both.
    void searchEqualsFieldByField_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<int>("rounds");
        QTest::newRow("small") << 40
                               << QStringList { QString(), QStringLiteral("sofa"), QStringLiteral("bord"),
                                      QStringLiteral("3"), QStringLiteral("6"), QStringLiteral("bolia"),
                                      QStringLiteral("01.01.1900"), QStringLiteral("01.02.2003"),
                                      QStringLiteral("nothing") }
                               << 400;
        QTest::newRow("large, rare values")
            << 60001
            << QStringList { QString(), QStringLiteral("reol"), QStringLiteral("lysestage"), QStringLiteral("hay"),
                   QStringLiteral("77"), QStringLiteral("nothing") }
            << 150;
    }
    void searchEqualsFieldByField()
    {
        QFETCH(int, count);
        QFETCH(QStringList, values);
        QFETCH(int, rounds);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        DBItemCollection fused(nullptr);
        DBItemCollection stepwise(nullptr);
        const QStringList names { QStringLiteral("Sofa"), QStringLiteral("Stol"), QStringLiteral("Bord"),
            QStringLiteral("Lampe"), QStringLiteral("Sofabord") };
        // Rare values, by place: in the first half, the second, or both.
        const QHash<int, QString> rareNames { { 20000, QStringLiteral("Reol") }, { 45000, QStringLiteral("Reol") },
            { 58000, QStringLiteral("Lysestage") } };
        const QHash<int, QString> rareSuppliers { { 1000, QStringLiteral("Hay") }, { 31000, QStringLiteral("Hay") },
            { 45000, QStringLiteral("Hay") }, { 52000, QStringLiteral("Hay") } };
        for (int i = 0; i < count; ++i) {
            Item *item = fused.add(ItemFixtures::plainItem(
                i % 3, rareNames.value(i, names.at(i % names.size())), i % 5, double(i % 7), QString::number(i % 6)));
            item->setSupplier(rareSuppliers.value(i, i % 4 ? QStringLiteral("Ilva") : QStringLiteral("Bolia")));
            item->setDate(i % 2 ? QStringLiteral("01.02.2003") : QStringLiteral("01.01.1900"));
            if (i == 29999 || i == 30001 || i == 59990)
                item->setSerialno(QStringLiteral("SN-77"));
            // The same items in both, each its own.
            stepwise.add(std::make_unique<Item>(*item));
        }
        const QList<DBItemCollection::Criterion> fields { DBItemCollection::CritName, DBItemCollection::CritProduct,
            DBItemCollection::CritCount, DBItemCollection::CritPrice, DBItemCollection::CritDate,
            DBItemCollection::CritSupplier, DBItemCollection::CritSerialno };
        // An early find of a later field in the first half must not beat
        // an earlier field's find in the second.
        const auto criteriaOf = [](const QList<std::pair<DBItemCollection::Criterion, QString>> &set) {
            QStringList criteria(DBItemCollection::CriterionCount, QString());
            for (const auto &[field, value] : set)
                criteria[field] = value;
            return criteria;
        };
        for (const QStringList &criteria : { criteriaOf({ { DBItemCollection::CritName, QStringLiteral("lysestage") },
                                                 { DBItemCollection::CritSupplier, QStringLiteral("hay") } }),
                 criteriaOf({ { DBItemCollection::CritSupplier, QStringLiteral("hay") },
                     { DBItemCollection::CritSerialno, QStringLiteral("77") } }) }) {
            QCOMPARE(fused.indexOf(fused.search(criteria, false)),
                stepwise.indexOf(searchFieldByField(stepwise, criteria, false)));
        }
        QRandomGenerator random(20261208);
        for (int round = 0; round < rounds; ++round) {
            QStringList criteria(DBItemCollection::CriterionCount, QString());
            for (const DBItemCollection::Criterion field : fields) {
                if (random.bounded(3) == 0)
                    criteria[field] = values.at(random.bounded(values.size()));
            }
            const bool continueSearch = random.bounded(4) != 0;
            Item *found = fused.search(criteria, continueSearch);
            Item *expected = searchFieldByField(stepwise, criteria, continueSearch);
            QCOMPARE(fused.indexOf(found), stepwise.indexOf(expected));
        }
    }

private:
    // The search as its definition has it: each field in turn with findNext.
    static Item *searchFieldByField(DBItemCollection &collection, const QStringList &criteria, bool continueSearch)
    {
        static const std::pair<int, DBItemCollection::Criterion> order[] = {
            { DBItemCollection::FieldName, DBItemCollection::CritName },
            { DBItemCollection::FieldProduct, DBItemCollection::CritProduct },
            { DBItemCollection::FieldCount, DBItemCollection::CritCount },
            { DBItemCollection::FieldPrice, DBItemCollection::CritPrice },
            { DBItemCollection::FieldPriceToday, DBItemCollection::CritPriceToday },
            { DBItemCollection::FieldDate, DBItemCollection::CritDate },
            { DBItemCollection::FieldSupplier, DBItemCollection::CritSupplier },
            { DBItemCollection::FieldSerialno, DBItemCollection::CritSerialno },
            { DBItemCollection::FieldDescription, DBItemCollection::CritDescription },
            { DBItemCollection::FieldAddress, DBItemCollection::CritAddress },
            { DBItemCollection::FieldPhotolink, DBItemCollection::CritPicture },
            { DBItemCollection::FieldReceipt, DBItemCollection::CritReceipt },
            { DBItemCollection::FieldWww, DBItemCollection::CritWww },
            { DBItemCollection::FieldLocation, DBItemCollection::CritLocation },
            { DBItemCollection::FieldDocument, DBItemCollection::CritDocument },
        };
        for (const auto &[field, criterion] : order) {
            const QString text = criteria.value(criterion);
            if (field == DBItemCollection::FieldDate && text == QLatin1String("01.01.1900"))
                continue;
            bool found = false;
            const int index = collection.findNext(field, text, found, continueSearch);
            if (found)
                return collection.at(index);
        }
        return nullptr;
    }
};

QTEST_MAIN(tst_ItemSearch)
#include "tst_itemsearch.moc"
