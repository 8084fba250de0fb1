#include <QTest>

#include <functional>
#include <limits>
#include <memory>

#include "../common/ItemFixtures.h"
#include "../common/TestSupport.h"
#include "core/ColumnTitles.h"
#include "core/Edition.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "database/ItemColumnText.h"
#include "database/ItemFilter.h"
#include "database/ItemMatcher.h"
#include "database/userItemCollection.h"

// The list's filter reads an item's bytes the way the search does; what it
// finds must be exactly what the texts of the list's columns hold.
class tst_ItemFilter : public QObject
{
    Q_OBJECT

    using Setter = std::function<void(Item &)>;

    // Two locations, as the register's location list holds them.
    static void setLocations(DBItemCollection &collection)
    {
        collection.setListEntries(DBItemCollection::LocationList, { QStringLiteral("Loft"), QStringLiteral("Kælder") });
    }

private slots:
    void matchesTheColumnTexts_data()
    {
        QTest::addColumn<Setter>("set");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<bool>("matches");

        const auto name = [](const QString &text) { return Setter([text](Item &item) { item.setName(text); }); };
        QTest::newRow("name, other case") << name(QStringLiteral("Sofabord")) << "SOFA" << true;
        QTest::newRow("every word") << name(QStringLiteral("Sofabord i eg")) << "eg sofa" << true;
        QTest::newRow("a word missing") << name(QStringLiteral("Sofabord i eg")) << "eg sofa teak" << false;
        QTest::newRow("æ and Æ") << name(QStringLiteral("Æbleskiver")) << "æBLE" << true;
        QTest::newRow("é and É") << name(QStringLiteral("Crème brûlée")) << "CRÈME BRÛLÉE" << true;
        QTest::newRow("ß") << name(QStringLiteral("Straße")) << "STRAßE" << true;
        QTest::newRow("capital ẞ") << name(QStringLiteral("Straße")) << "STRAẞE" << true;
        QTest::newRow("ss is no ß") << name(QStringLiteral("Straße")) << "strasse" << false;
        QTest::newRow("micro sign and mu") << name(QStringLiteral("10 µm")) << "\u03bcM" << true;
        QTest::newRow("ÿ and Ÿ") << name(QStringLiteral("ÿ")) << "\u0178" << true;
        QTest::newRow("Kelvin sign") << name(QStringLiteral("kelvin")) << "\u212aELVIN" << true;
        QTest::newRow("beyond Latin-1, in the item") << name(QStringLiteral("Pris € 5")) << "€ pris" << true;
        QTest::newRow("beyond Latin-1, only in the word") << name(QStringLiteral("Pris 5")) << "€" << false;

        const auto text = [](Item::Text which, const QString &value) {
            return Setter([which, value](Item &item) { item.setText(which, value); });
        };
        QTest::newRow("make") << text(Item::ProductText, QStringLiteral("Bosch")) << "bos" << true;
        QTest::newRow("model") << text(Item::ProductModelText, QStringLiteral("KGN 39")) << "kgn" << true;
        QTest::newRow("date") << text(Item::DateText, QStringLiteral("24.12.2011")) << "12.2011" << true;
        QTest::newRow("supplier") << text(Item::SupplierText, QStringLiteral("Butik på Strøget")) << "STRØG" << true;
        QTest::newRow("serial number") << text(Item::SerialnoText, QStringLiteral("SN-4711")) << "4711" << true;
        QTest::newRow("description") << text(Item::DescriptionText, QStringLiteral("Blå æske")) << "ÆSKE" << true;
        QTest::newRow("address") << text(Item::AddressText, QStringLiteral("Ærøgade 5")) << "ærø" << true;
        QTest::newRow("web address") << text(Item::WwwText, QStringLiteral("http://x.dk")) << "x.dk" << true;
        // Those columns show an icon.
        QTest::newRow("picture link") << text(Item::PhotolinkText, QStringLiteral("foto.jpg")) << "foto" << false;
        QTest::newRow("receipt link") << text(Item::ReceiptText, QStringLiteral("bon.pdf")) << "bon" << false;
        QTest::newRow("document link") << text(Item::DocumentText, QStringLiteral("manual.doc")) << "manual" << false;
        QTest::newRow("not across two texts") << Setter([](Item &item) {
            item.setName(QStringLiteral("Sofa"));
            item.setProduct(QStringLiteral("Bord"));
        }) << "fabo" << false;
        QTest::newRow("after a find across two texts") << Setter([](Item &item) {
            item.setName(QStringLiteral("Sofa"));
            item.setProduct(QStringLiteral("fabrik"));
        }) << "fab" << true;
        QTest::newRow("not the group") << Setter([](Item &item) { item.setGroup(3); }) << "3" << false;

        QTest::newRow("count") << Setter([](Item &item) { item.setNumberOfItems(12); }) << "12" << true;
        QTest::newRow("price times count") << Setter([](Item &item) {
            item.setNumberOfItems(2);
            item.setPrice(1234.5);
        }) << "2469.00" << true;
        QTest::newRow("value today") << Setter([](Item &item) { item.setPriceToday(80.0); }) << "80.00" << true;
        QTest::newRow("a location's name") << Setter([](Item &item) { item.setLocation(1); }) << "KÆL" << true;
        QTest::newRow("another location's") << Setter([](Item &item) { item.setLocation(1); }) << "loft" << false;
        QTest::newRow("a location beyond the list") << Setter([](Item &item) { item.setLocation(7); }) << "err" << true;
    }

    void matchesTheColumnTexts()
    {
        QFETCH(Setter, set);
        QFETCH(QString, filter);
        QFETCH(bool, matches);

        TestSupport::IsolatedSettings settings(OstranaEdition);
        ItemFixtures::Collection fixture;
        setLocations(fixture.db);
        Item item;
        set(item);
        const ItemFilter prepared(filter, &fixture.db.locations());
        QCOMPARE(prepared.matches(item), matches);
        QCOMPARE(ItemFilter::matchesPlainly(item, ItemFilter::wordsOf(filter), &fixture.db.locations()), matches);
    }

    // The prepared test against the plain one, on texts and numbers where
    // folding, Latin-1 and the writing of amounts matter, in the editions
    // whose price column differs.
    void agreesWithThePlainTest_data()
    {
        QTest::addColumn<int>("edition");
        QTest::newRow("home contents (count times price)") << int(OstranaEdition);
        QTest::newRow("pictures (unit price)") << int(VistrelEdition);
    }

    void agreesWithThePlainTest()
    {
        QFETCH(int, edition);
        TestSupport::IsolatedSettings settings(edition);
        ItemFixtures::Collection fixture;
        setLocations(fixture.db);

        const QStringList texts { QString(), QStringLiteral("Sofa"), QStringLiteral("SOFABORD i eg"),
            QStringLiteral("Æbler øl Å"), QStringLiteral("10 µm"), QStringLiteral("straße"), QStringLiteral("ÿ Þþ"),
            QStringLiteral("k-kelvin"), QStringLiteral("aaab"), QStringLiteral("Pris € 5") };
        const double amounts[] = { 0.0, 0.005, 0.015, 0.125, 1.005, 2.675, 1234.5, 99999999.995, 1e13 + 0.25, -0.001,
            -1.5, 123456789012.345, std::numeric_limits<double>::infinity() };
        const QStringList words { QStringLiteral("sofa"), QStringLiteral("æbler"), QStringLiteral("\u03bc"),
            QStringLiteral("\u00df"), QStringLiteral("\u1e9e"), QStringLiteral("SS"), QStringLiteral("\u0178"),
            QStringLiteral("\u212a"), QStringLiteral("€"), QStringLiteral("aab"), QStringLiteral("0"),
            QStringLiteral("0.0"), QStringLiteral("0.01"), QStringLiteral("0.02"), QStringLiteral("0.12"),
            QStringLiteral("0.13"), QStringLiteral("1.00"), QStringLiteral("1.01"), QStringLiteral("2.67"),
            QStringLiteral("2.68"), QStringLiteral("-"), QStringLiteral("-0"), QStringLiteral(".00"),
            QStringLiteral("2469"), QStringLiteral("100000000.00"), QStringLiteral("99999999.99"),
            QStringLiteral("0.25"), QStringLiteral("012.35"), QStringLiteral("012.34"), QStringLiteral("loft"),
            QStringLiteral("error"), QStringLiteral("3"), QStringLiteral("e+"), QStringLiteral("sofa 0"),
            QStringLiteral("inf") };

        int compared = 0;
        for (qsizetype t = 0; t < texts.size(); ++t) {
            for (const double amount : amounts) {
                Item item;
                item.setName(texts.at(t));
                item.setProduct(texts.at(texts.size() - 1 - t));
                item.setPrice(amount);
                item.setPriceToday(amount / 3);
                item.setNumberOfItems(int(t) % 4);
                item.setLocation(int(t) % 3);
                for (const QString &word : words) {
                    const bool plain
                        = ItemFilter::matchesPlainly(item, ItemFilter::wordsOf(word), &fixture.db.locations());
                    const bool prepared = ItemFilter(word, &fixture.db.locations()).matches(item);
                    if (plain != prepared)
                        QFAIL(qPrintable(QStringLiteral("\"%1\" in \"%2\", amount %3: %4 plainly")
                                             .arg(word, texts.at(t), QString::number(amount, 'g', 17))
                                             .arg(plain ? QStringLiteral("found") : QStringLiteral("not found"))));
                    ++compared;
                }
            }
        }
        QVERIFY(compared > 1000);
    }

    void findsInLatin1Text_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("criterion");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("found");

        QTest::newRow("at the start") << "Sofa"
                                      << "sofa" << 0 << 0;
        QTest::newRow("at the end, past a block of eight") << "xxxxxxxxxxxSOFA"
                                                           << "sofa" << 0 << 11;
        QTest::newRow("on the seventh and eighth byte") << "xxxxxxab"
                                                        << "AB" << 0 << 6;
        QTest::newRow("across two blocks") << "xxxxxxxabxxxxxxx"
                                           << "ab" << 0 << 7;
        QTest::newRow("text shorter than the criterion") << "so"
                                                         << "sofa" << 0 << -1;
        QTest::newRow("from past a find") << "ab ab ab"
                                          << "ab" << 1 << 3;
        QTest::newRow("from past the last") << "ab ab ab"
                                            << "ab" << 7 << -1;
        QTest::newRow("a start that fails, then one that does") << "aaab"
                                                                << "aab" << 0 << 1;
        QTest::newRow("æ and Æ") << "xxxxxxxxxæble"
                                 << "ÆBLE" << 0 << 9;
        // Bytes that differ from a start only by 0x20 are no start.
        QTest::newRow("@ is no `") << "````````````"
                                   << "@" << 0 << -1;
        QTest::newRow("ß is no ÿ") << "ÿÿÿÿÿÿÿÿÿß"
                                   << "ß" << 0 << 9;
        QTest::newRow("ÿ is no ß") << "ßßßßßßßßßÿ"
                                   << "ÿ" << 0 << 9;
        QTest::newRow("× is no ÷") << "÷÷÷÷÷÷÷÷÷×"
                                   << "×" << 0 << 9;
        QTest::newRow("micro sign by mu") << "12345678 µm"
                                          << "\u039cM" << 0 << 9;
        // The second character is looked for beside the first.
        QTest::newRow("second byte differs by 0x20") << "a`a`a`a`a`a`aB"
                                                     << "ab" << 0 << 12;
        QTest::newRow("second byte in the next block") << "xxxxxxxabxxx"
                                                       << "AB" << 0 << 7;
        QTest::newRow("second byte the text's last") << "xxxxxxxxab"
                                                     << "AB" << 0 << 8;
        QTest::newRow("first byte alone at a block's end") << "xxxxxxxa"
                                                           << "ab" << 0 << -1;
        QTest::newRow("many firsts, one pair") << "4444444444444447"
                                               << "47" << 0 << 14;
        QTest::newRow("second character folds from two bytes") << "xxxxxxxxxxsæ"
                                                               << "SÆ" << 0 << 10;
        QTest::newRow("second character ß, not ÿ") << "sÿsÿsÿsÿsÿsß"
                                                   << "sß" << 0 << 10;
        QTest::newRow("nothing beyond Latin-1") << "xxxxxxxxxxxx"
                                                << "\u03b1" << 0 << -1;
    }

    void findsInLatin1Text()
    {
        QFETCH(QString, text);
        QFETCH(QString, criterion);
        QFETCH(int, from);
        QFETCH(int, found);
        const QByteArray bytes = text.toLatin1();
        const ItemMatcher matcher(DBItemCollection::FieldName, criterion);
        QCOMPARE(matcher.indexInLatin1(bytes, from), qsizetype(found));
        QCOMPARE(text.indexOf(criterion, from, Qt::CaseInsensitive), qsizetype(found));
    }

    void narrowsTheFilterBefore_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("narrows");
        QTest::addColumn<QStringList>("beyond");

        QTest::newRow("a word typed on") << "sof"
                                         << "sofa" << true << QStringList { "sofa" };
        QTest::newRow("a word added") << "sofa"
                                      << "sofa bord" << true << QStringList { "bord" };
        QTest::newRow("the same words") << "sofa bord"
                                        << " bord  sofa" << true << QStringList();
        QTest::newRow("another case") << "sofa"
                                      << "SOFA" << true << QStringList();
        QTest::newRow("two words joined") << "ab cd"
                                          << "abcd" << true << QStringList { "abcd" };
        QTest::newRow("from none") << ""
                                   << "x" << true << QStringList { "x" };
        QTest::newRow("a letter taken back") << "sofa"
                                             << "sof" << false << QStringList();
        QTest::newRow("a word taken out") << "sofa bord"
                                          << "bord" << false << QStringList();
        QTest::newRow("to none") << "x"
                                 << "" << false << QStringList();
        QTest::newRow("another word") << "sofa"
                                      << "bord" << false << QStringList { "bord" };
    }

    void narrowsTheFilterBefore()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(bool, narrows);
        QFETCH(QStringList, beyond);
        const ItemFilter wider(before, nullptr);
        const ItemFilter next(after, nullptr);
        QCOMPARE(next.narrows(wider), narrows);
        QCOMPARE(next.beyond(wider).words(), beyond);
        QCOMPARE(next.sameWords(wider), narrows && beyond.isEmpty() && wider.narrows(next));
    }
};

QTEST_GUILESS_MAIN(tst_ItemFilter)
#include "tst_itemfilter.moc"
