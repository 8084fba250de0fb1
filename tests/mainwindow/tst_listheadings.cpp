#include <QFile>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTranslator>
#include <QtTest>

#include <memory>

#include "TestSupport.h"
#include "TestWorld.h"
#include "core/ColumnTitles.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "itemdialog/ItemDialog.h"
#include "mainwindow/ItemListModel.h"
#include "mainwindow/ItemListView.h"

namespace {

// The program's catalogue of the language, installed for the object's lifetime.
struct Catalogue
{
    explicit Catalogue(const QString &language)
    {
        Settings().setValue(QStringLiteral("Language"), language);
        loaded = translator.load(QStringLiteral("larkspan_") + language, TestSupport::runDir());
        if (loaded)
            QCoreApplication::installTranslator(&translator);
    }
    ~Catalogue() { QCoreApplication::removeTranslator(&translator); }
    QTranslator translator;
    bool loaded = false;
};

// The field-names list of the edition's demo database in the language.
QStringList demoFieldNames(int edition, const QString &language)
{
    QFile file(TestSupport::runDir() + QLatin1Char('/') + demoFolder(edition)
        + QStringLiteral("fields/fields.%1.txt").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList names;
    for (const QByteArray &line : file.readAll().split('\n'))
        names.append(QString::fromLatin1(line.trimmed()));
    return names;
}

// Every heading's text fits its column with the style's margins on both
// sides; the last column takes the rest of the width.
void verifyTitlesFit(const ItemListView &view)
{
    const QHeaderView *header = view.header();
    const QFontMetrics metrics(header->font());
    const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int column = 0; column < ListColumnCount - 1; ++column) {
        const QString title = view.model()->headerData(column, Qt::Horizontal).toString();
        QVERIFY2(metrics.horizontalAdvance(title) + margins <= view.columnWidth(column),
            qPrintable(QStringLiteral("\"%1\": %2 + %3 > %4")
                           .arg(title)
                           .arg(metrics.horizontalAdvance(title))
                           .arg(margins)
                           .arg(view.columnWidth(column))));
    }
}

} // namespace

class tst_ListHeadings : public QObject
{
    Q_OBJECT

private slots:
    void titlesFitTheirDefaultWidths_data();
    void titlesFitTheirDefaultWidths();
    void chosenWidthsStay();
    void groupRowsFit_data();
    void groupRowsFit();
    void priceFieldsCurrency_data();
    void priceFieldsCurrency();
};

void tst_ListHeadings::titlesFitTheirDefaultWidths_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("demoTitles"); // the demo database's titles, else the list's own
    const QList<std::pair<int, const char *>> editions { { OstranaEdition, "home" }, { VistrelEdition, "pictures" },
        { NumivaxEdition, "coins" }, { QuorvelEdition, "stock" } };
    for (const char *language : { "dk", "no", "en" }) {
        QTest::addRow("own titles, %s", language) << int(OstranaEdition) << QString::fromLatin1(language) << false;
        for (const auto &[edition, name] : editions)
            QTest::addRow("%s, %s", name, language) << edition << QString::fromLatin1(language) << true;
    }
}

void tst_ListHeadings::titlesFitTheirDefaultWidths()
{
    QFETCH(int, edition);
    QFETCH(QString, language);
    QFETCH(bool, demoTitles);
    TestSupport::TestWorld world(edition);
    Catalogue catalogue(language);
    QVERIFY(catalogue.loaded);

    DBItemCollection collection(nullptr);
    collection.groups().clear();
    collection.groups().add(QStringLiteral("Stue"));
    collection.fields().clear();
    if (demoTitles) {
        const QStringList names = demoFieldNames(edition, language);
        QVERIFY(names.size() >= 15);
        for (const QString &name : names)
            collection.fields().add(name);
    }
    collection.add(std::make_unique<Item>());

    ItemListView view;
    view.SetCollection(&collection);
    view.FillList(&collection);
    view.ViewAll(true);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    verifyTitlesFit(view);
    // With the sort indicator beside the title too.
    view.sortByColumn(ListColumns::PriceTodayColumn, Qt::DescendingOrder);
    verifyTitlesFit(view);
}

// A width the user chose, stored or made by dragging, is not changed by a
// wider title.
void tst_ListHeadings::chosenWidthsStay()
{
    TestSupport::TestWorld world(QuorvelEdition);
    Catalogue catalogue(QStringLiteral("en"));
    // Both narrower than their titles, wider than the header's smallest section.
    Settings().setValue(QStringLiteral("ListView/COUNTCOLUMNwidth"), 32);
    // The default stored by an earlier close counts as no choice.
    Settings().setValue(QStringLiteral("ListView/PRICETODAYCOLUMNwidth"), 70);
    DBItemCollection collection(nullptr);
    collection.groups().clear();
    collection.groups().add(QStringLiteral("Stue"));
    collection.fields().clear();
    for (const QString &name : demoFieldNames(QuorvelEdition, QStringLiteral("en")))
        collection.fields().add(name);

    ItemListView view;
    view.SetCollection(&collection);
    view.header()->resizeSection(ListColumns::PriceColumn, 34);
    view.FillList(&collection);
    view.ViewAll(true);
    QCOMPARE(view.model()->headerData(ListColumns::CountColumn, Qt::Horizontal).toString(), QStringLiteral("Quantity"));
    QCOMPARE(view.columnWidth(ListColumns::CountColumn), 32);
    QCOMPARE(view.columnWidth(ListColumns::PriceColumn), 34);
    // The others still fit their titles.
    const QFontMetrics metrics(view.header()->font());
    const QString retail = view.model()->headerData(ListColumns::PriceTodayColumn, Qt::Horizontal).toString();
    QCOMPARE(retail, QStringLiteral("Retail price"));
    QVERIFY(metrics.horizontalAdvance(retail) < view.columnWidth(ListColumns::PriceTodayColumn));
}

void tst_ListHeadings::groupRowsFit_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<bool>("chosenWidths"); // the user set the widths
    QTest::newRow("home contents") << int(OstranaEdition) << false;
    QTest::newRow("pictures") << int(VistrelEdition) << false;
    QTest::newRow("stock") << int(QuorvelEdition) << false;
    QTest::newRow("widths the user chose") << int(OstranaEdition) << true;
}

// The group rows' captions and totals are not cut off at the default
// widths, when filled, while filtered and after a change; a width the user
// chose stays.
void tst_ListHeadings::groupRowsFit()
{
    QFETCH(int, edition);
    QFETCH(bool, chosenWidths);
    TestSupport::TestWorld world(edition);
    Catalogue catalogue(QStringLiteral("dk"));
    if (chosenWidths) {
        Settings().setValue(QStringLiteral("ListView/GROUPCOLUMNwidth"), 40);
        Settings().setValue(QStringLiteral("ListView/PRICECOLUMNwidth"), 41);
    }
    DBItemCollection collection(nullptr);
    collection.groups().clear();
    for (const char *name : { "Butik - hylde A, øverst", "Køkkenudstyr og service", "Bad" })
        collection.groups().add(QString::fromUtf8(name));
    for (int i = 0; i < 24; ++i) {
        auto item = std::make_unique<Item>();
        item->setGroup(i % 2);
        item->setName(QStringLiteral("Ting %1").arg(i));
        item->setNumberOfItems(99999);
        item->setPrice(9999999.99);
        item->setPriceToday(9999999.99);
        collection.add(std::move(item));
    }
    ItemListView view;
    view.SetCollection(&collection);
    view.FillList(&collection);
    view.ViewAll(true);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    const QFontMetrics metrics(view.font());
    const auto fits = [&](int column) {
        for (int group = 0; group < view.listModel()->groupCount(); ++group) {
            const QString text = view.listModel()->groupIndex(group, column).data().toString();
            const int needed
                = metrics.horizontalAdvance(text) + (column == ListColumns::GroupColumn ? view.indentation() : 0);
            if (needed > view.columnWidth(column))
                return false;
        }
        return true;
    };
    if (chosenWidths) {
        QCOMPARE(view.columnWidth(ListColumns::GroupColumn), 40);
        QCOMPARE(view.columnWidth(ListColumns::PriceColumn), 41);
        return;
    }
    for (int column :
        { ListColumns::GroupColumn, ListColumns::CountColumn, ListColumns::PriceColumn, ListColumns::PriceTodayColumn })
        QVERIFY2(fits(column), qPrintable(QString::number(column)));
    view.setFilterText(QStringLiteral("ting 1"));
    QVERIFY(view.listModel()->groupIndex(0).data().toString().contains(QStringLiteral(" af ")));
    QVERIFY(fits(ListColumns::GroupColumn));
    // More rows in a group: a longer count.
    view.setFilterText(QString());
    for (int i = 0; i < 100; ++i) {
        auto item = std::make_unique<Item>();
        item->setGroup(2);
        item->setName(QStringLiteral("Mere %1").arg(i));
        collection.add(std::move(item));
    }
    QVERIFY(fits(ListColumns::GroupColumn));
}

void tst_ListHeadings::priceFieldsCurrency_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("unit"); // beside the value today
    QTest::addColumn<QString>("total"); // before the total price
    QTest::newRow("Danish") << "dk"
                            << "kr"
                            << "kr   I alt";
    QTest::newRow("Norwegian") << "no"
                               << "kr"
                               << "kr   Totalt";
    QTest::newRow("English: no currency") << "en"
                                          << ""
                                          << "Total";
}

void tst_ListHeadings::priceFieldsCurrency()
{
    QFETCH(QString, language);
    QFETCH(QString, unit);
    QFETCH(QString, total);
    TestSupport::TestWorld world(OstranaEdition);
    Catalogue catalogue(language);
    QVERIFY(catalogue.loaded);
    ItemDialog dialog(nullptr, nullptr);
    QCOMPARE(dialog.KrTextLabel->text(), unit);
    QCOMPARE(dialog.TotalPriceTextLabel->text(), total);
}

QTEST_MAIN(tst_ListHeadings)
#include "tst_listheadings.moc"
