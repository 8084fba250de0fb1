#include <QtTest>

#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontMetricsF>
#include <QImageReader>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include "../mainwindow/DatabaseFixture.h"
#include "../mainwindow/FilteredWindow.h"
#include "ItemFixtures.h"
#include "TestSupport.h"
#include "TestWorld.h"
#include "core/ColumnTitles.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "desktop/FileDialog.h"
#include "desktop/MessageBox.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/larkspanwindow.h"
#include "statistics/BarChart.h"
#include "statistics/StatisticsDialog.h"

#include <functional>
#include <map>
#include <memory>

// The statistics view on a small fixed register: the sums of each table
// against sums made here, the chart's bars as drawn, and the copy and the
// save of a chart.

using namespace TestSupport;

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

// Two groups and two locations, one thing in a group and a location beyond
// the lists, a thing without supplier and one without a date.
const Thing things[] = {
    { 0, 0, 2, 100.5, 150, "01.02.2019", "Bilka" },
    { 1, 1, 1, 250, 100, "15.06.2019", "Ikea" },
    { 1, 0, 4, 12.25, 40, "31.12.2021", "" },
    { 0, 1, 1, 5000, 4500, "29.02.2020", "Arne" },
    { 5, 7, 3, 10, 25, "", "Bilka" },
};
const QStringList groups { QStringLiteral("Stue"), QStringLiteral("Køkken") };
const QStringList locations { QStringLiteral("Hus"), QStringLiteral("Kælder") };

struct Sums
{
    qint64 items = 0;
    double purchase = 0.0;
    double value = 0.0;
};

// A table's expected rows: the key orders the rows, the name is shown.
using Key = std::function<std::pair<QString, QString>(const Thing &)>;

QString listName(const QStringList &list, int number)
{
    return number < list.size() ? list.at(number) : QStringLiteral("(uden navn)");
}

// The last rows of each table are those of "none": keys starting with "~".
const Key keys[] = {
    [](const Thing &t) {
        return std::pair { QStringLiteral("%1").arg(t.group, 3, 10, QLatin1Char('0')), listName(groups, t.group) };
    },
    [](const Thing &t) {
        return std::pair { QStringLiteral("%1").arg(t.location, 3, 10, QLatin1Char('0')),
            listName(locations, t.location) };
    },
    [](const Thing &t) {
        const QString name = QString::fromUtf8(t.supplier);
        return name.isEmpty() ? std::pair { QStringLiteral("~"), QStringLiteral("(ingen)") }
                              : std::pair { name.toLower(), name };
    },
    [](const Thing &t) {
        const QString year = QString::fromLatin1(t.date).section(QLatin1Char('.'), 2);
        return year.isEmpty() ? std::pair { QStringLiteral("~"), QStringLiteral("(uden dato)") }
                              : std::pair { year, year };
    },
};

QList<BarChart::Bar> bars(const QList<double> &values)
{
    QList<BarChart::Bar> result;
    for (int i = 0; i < values.size(); ++i)
        result.append({ QStringLiteral("B%1").arg(i), values.at(i) });
    return result;
}

} // namespace

class tst_Statistics : public QObject
{
    Q_OBJECT

    std::unique_ptr<IsolatedSettings> m_settings;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<DBItemCollection> m_collection;

    void fill(int editionNumber)
    {
        m_settings = std::make_unique<IsolatedSettings>(editionNumber);
        m_collection = std::make_unique<DBItemCollection>(nullptr);
        m_collection->setListEntries(DBItemCollection::GroupList, groups);
        m_collection->setListEntries(DBItemCollection::LocationList, locations);
        int n = 0;
        for (const Thing &thing : things) {
            auto item = ItemFixtures::plainItem(
                thing.group, QStringLiteral("Ting %1").arg(++n), thing.count, thing.price, QString(), thing.location);
            item->setPriceToday(thing.valueToday);
            item->setDate(QString::fromLatin1(thing.date));
            item->setSupplier(QString::fromUtf8(thing.supplier));
            m_collection->add(std::move(item));
        }
    }

    // The dialog shown on the chart's tab, laid out.
    static BarChart *shownChart(StatisticsDialog &dialog, StatisticsDialog::Table table)
    {
        dialog.resize(800, 600);
        dialog.show();
        dialog.findChild<QTabWidget *>(QStringLiteral("tabWidget"))->setCurrentIndex(int(table));
        if (!QTest::qWaitForWindowExposed(&dialog))
            return nullptr;
        QCoreApplication::sendPostedEvents();
        return dialog.chart(table);
    }

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }
    void cleanup()
    {
        m_collection.reset();
        m_dir.reset();
        m_settings.reset();
    }

    // Each table's rows and totals row against sums made here, over all
    // things and over the selected ones; in the picture edition the count
    // is a register number and the price is not multiplied by it.
    void tableSums_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<int>("table");
        QTest::addColumn<QList<int>>("selected");
        const char *const tables[] = { "group", "location", "supplier", "year" };
        for (int table = StatisticsDialog::GroupTable; table <= StatisticsDialog::YearTable; ++table) {
            QTest::addRow("Ostrana, %s, all", tables[table]) << int(OstranaEdition) << table << QList<int>();
            QTest::addRow("Vistrel, %s, all", tables[table]) << int(VistrelEdition) << table << QList<int>();
            QTest::addRow("Ostrana, %s, selected", tables[table])
                << int(OstranaEdition) << table << QList<int> { 4, 0, 2 };
        }
    }
    void tableSums()
    {
        QFETCH(int, edition);
        QFETCH(int, table);
        QFETCH(QList<int>, selected);
        fill(edition);
        QList<const Item *> selection;
        for (int index : selected)
            selection.append(m_collection->at(index));
        StatisticsDialog dialog(*m_collection, selection, {});
        dialog.show();
        auto *itemsBox = dialog.findChild<QComboBox *>(QStringLiteral("itemsBox"));
        QCOMPARE(itemsBox->count(), selection.isEmpty() ? 1 : 2);
        if (!selection.isEmpty())
            itemsBox->setCurrentIndex(1);

        std::map<QString, std::pair<QString, Sums>> expected;
        Sums total;
        for (int i = 0; i < int(std::size(things)); ++i) {
            if (!selected.isEmpty() && !selected.contains(i))
                continue;
            const Thing &thing = things[i];
            const auto [key, name] = keys[table](thing);
            const double purchase = edition == VistrelEdition ? thing.price : thing.price * thing.count;
            for (Sums *sums : { &expected[key].second, &total }) {
                sums->items += 1;
                sums->purchase += purchase;
                sums->value += thing.valueToday;
            }
            expected[key].first = name;
        }

        const QTableWidget *shown = dialog.table(StatisticsDialog::Table(table));
        QCOMPARE(shown->rowCount(), int(expected.size()) + 1);
        const auto check = [shown](int row, const QString &name, const Sums &sums) {
            QCOMPARE(shown->item(row, 0)->text(), name);
            QCOMPARE(shown->item(row, 1)->data(Qt::UserRole).toLongLong(), sums.items);
            QCOMPARE(shown->item(row, 2)->data(Qt::UserRole).toDouble(), sums.purchase);
            QCOMPARE(shown->item(row, 3)->data(Qt::UserRole).toDouble(), sums.value);
            QCOMPARE(shown->item(row, 2)->text(), QLocale().toString(sums.purchase, 'f', 2));
            QCOMPARE(shown->item(row, 3)->text(), QLocale().toString(sums.value, 'f', 2));
        };
        int row = 0;
        for (const auto &[key, line] : expected) {
            check(row, line.first, line.second);
            ++row;
        }
        check(row, QStringLiteral("I alt"), total);
        QVERIFY(shown->item(row, 0)->font().bold());

        // The chart beside the table draws one bar per row, of the value
        // today (the purchases by year).
        if (BarChart *chart = dialog.chart(StatisticsDialog::Table(table))) {
            QMap<QString, double> drawn;
            for (const BarChart::Bar &bar : chart->shownBars())
                drawn.insert(bar.label, bar.value);
            QCOMPARE(drawn.size(), int(expected.size()));
            for (const auto &[key, line] : expected)
                QCOMPARE(drawn.value(line.first),
                    table == StatisticsDialog::YearTable ? line.second.purchase : line.second.value);
        }
    }

    // The bars as drawn: order, lengths in proportion to the amounts from
    // the zero line, the rest added up past the maximum, negative amounts
    // on the other side of zero.
    void barsDrawn_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<int>("order");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QList<double>>("shownValues");
        const int h = BarChart::Horizontal;
        const int v = BarChart::Vertical;
        const int byValue = BarChart::ByValue;
        const int inOrder = BarChart::InOrder;
        const QString other = BarChart::tr("Øvrige (%1)");
        QTest::newRow("largest first") << h << byValue << 12 << QList<double> { 10, 40, 20 }
                                       << QStringList { "B1", "B2", "B0" } << QList<double> { 40, 20, 10 };
        QTest::newRow("years keep their order") << v << inOrder << 12 << QList<double> { 10, 40, 20 }
                                                << QStringList { "B0", "B1", "B2" } << QList<double> { 10, 40, 20 };
        QTest::newRow("a single bar") << h << byValue << 12 << QList<double> { 7.5 } << QStringList { "B0" }
                                      << QList<double> { 7.5 };
        QTest::newRow("the smallest added up")
            << h << byValue << 3 << QList<double> { 1, 50, 2, 40, 3 } << QStringList { "B1", "B3", other.arg(3) }
            << QList<double> { 50, 40, 6 };
        QTest::newRow("the first years added up")
            << v << inOrder << 3 << QList<double> { 1, 2, 3, 40, 50 } << QStringList { other.arg(3), "B3", "B4" }
            << QList<double> { 6, 40, 50 };
        QTest::newRow("negative and zero, across") << h << byValue << 12 << QList<double> { -50, 0, 100 }
                                                   << QStringList { "B2", "B1", "B0" } << QList<double> { 100, 0, -50 };
        QTest::newRow("negative and zero, upright")
            << v << inOrder << 12 << QList<double> { -50, 0, 100 } << QStringList { "B0", "B1", "B2" }
            << QList<double> { -50, 0, 100 };
        QTest::newRow("all zero") << v << inOrder << 12 << QList<double> { 0, 0 } << QStringList { "B0", "B1" }
                                  << QList<double> { 0, 0 };
    }
    void barsDrawn()
    {
        QFETCH(int, orientation);
        QFETCH(int, order);
        QFETCH(int, maximum);
        QFETCH(QList<double>, values);
        QFETCH(QStringList, labels);
        QFETCH(QList<double>, shownValues);
        BarChart chart;
        chart.setOrientation(BarChart::Orientation(orientation));
        chart.setMaximumBars(maximum);
        chart.setTitle(QStringLiteral("Titel"));
        chart.setBars(bars(values), BarChart::Order(order));
        const QSize size(600, 400);
        const QList<BarChart::DrawnBar> drawn = chart.drawnBars(size);
        QStringList drawnLabels;
        QList<double> drawnValues;
        for (const BarChart::DrawnBar &bar : drawn) {
            drawnLabels << bar.label;
            drawnValues << bar.value;
        }
        QCOMPARE(drawnLabels, labels);
        QCOMPARE(drawnValues, shownValues);

        const bool across = orientation == BarChart::Horizontal;
        const auto length = [across](const QRectF &rect) { return across ? rect.width() : rect.height(); };
        // Where each bar starts: the zero line, one side or the other.
        const auto zeroEdge = [across](const BarChart::DrawnBar &bar) {
            if (across)
                return bar.value < 0 ? bar.rect.right() : bar.rect.left();
            return bar.value < 0 ? bar.rect.top() : bar.rect.bottom();
        };
        const QRectF chartArea(QPointF(0, 0), QSizeF(size));
        double unit = 0.0;
        for (const BarChart::DrawnBar &bar : drawn) {
            QVERIFY(chartArea.contains(bar.rect.topLeft()) && chartArea.contains(bar.rect.bottomRight()));
            QCOMPARE(zeroEdge(bar), zeroEdge(drawn.constFirst()));
            if (bar.value == 0.0)
                QCOMPARE(length(bar.rect), 0.0);
            else if (unit == 0.0)
                unit = length(bar.rect) / std::abs(bar.value);
            else
                QVERIFY(qAbs(length(bar.rect) - unit * std::abs(bar.value)) < 0.5);
            QCOMPARE(bar.other, bar.label.startsWith(BarChart::tr("Øvrige (%1)").section(QLatin1Char(' '), 0, 0)));
        }
        // Bars side by side, never over one another, in the order shown.
        for (qsizetype i = 1; i < drawn.size(); ++i) {
            if (across)
                QVERIFY(drawn.at(i).labelRect.top() >= drawn.at(i - 1).labelRect.bottom() - 0.01);
            else
                QVERIFY(drawn.at(i).labelRect.left() >= drawn.at(i - 1).labelRect.right() - 0.01);
        }
        if (!drawn.isEmpty() && std::any_of(values.cbegin(), values.cend(), [](double x) { return x != 0.0; }))
            QVERIFY(unit > 0.0);
    }

    // No bars: nothing drawn but a note, and the chart can still be taken
    // as an image.
    void emptyChart()
    {
        BarChart chart;
        chart.setBars({}, BarChart::ByValue);
        chart.resize(300, 200);
        QVERIFY(chart.drawnBars().isEmpty());
        const QImage image = chart.image();
        QCOMPARE(image.size(), QSize(300, 200));
    }

    // A long name is cut to the room of the labels, with an ellipsis; the
    // bar keeps the full name (its tool tip).
    void longNamesElided_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::newRow("across") << int(BarChart::Horizontal);
        QTest::newRow("upright") << int(BarChart::Vertical);
    }
    void longNamesElided()
    {
        QFETCH(int, orientation);
        const QString longName = QStringLiteral("Meget lang gruppe ").repeated(12);
        BarChart chart;
        chart.setOrientation(BarChart::Orientation(orientation));
        chart.setBars(
            { { longName, 100 }, { QStringLiteral("Kort"), 50 }, { QStringLiteral("Ni"), 25 } }, BarChart::ByValue);
        const QList<BarChart::DrawnBar> drawn = chart.drawnBars(QSize(500, 300));
        QCOMPARE(drawn.size(), 3);
        const QFontMetricsF metrics(chart.font());
        QCOMPARE(drawn.at(0).label, longName);
        QVERIFY(drawn.at(0).shownLabel != longName);
        QVERIFY(drawn.at(0).shownLabel.endsWith(QChar(0x2026)));
        QVERIFY(metrics.horizontalAdvance(drawn.at(0).shownLabel) <= drawn.at(0).labelRect.width() + 0.5);
        QVERIFY(drawn.at(0).labelRect.width() <= 500 * 0.35 + 0.5);
        QCOMPARE(drawn.at(1).shownLabel, QStringLiteral("Kort"));
        // The long name leaves the bars room across the chart.
        if (orientation == BarChart::Horizontal)
            QVERIFY(drawn.at(0).rect.width() > 150);
    }

    // Copy puts the chart on the clipboard at the chart's size, through
    // the dialog's button and the chart's own action.
    void copyChart_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<QString>("button");
        QTest::newRow("group, button") << int(StatisticsDialog::GroupTable) << QStringLiteral("groupCopyButton");
        QTest::newRow("year, action") << int(StatisticsDialog::YearTable) << QString();
    }
    void copyChart()
    {
        QFETCH(int, table);
        QFETCH(QString, button);
        fill(OstranaEdition);
        StatisticsDialog dialog(*m_collection, {}, {});
        BarChart *chart = shownChart(dialog, StatisticsDialog::Table(table));
        QVERIFY(chart);
        QVERIFY(chart->width() > 100 && chart->height() > 100);
        QApplication::clipboard()->clear();
        if (button.isEmpty())
            chart->copyAction()->trigger();
        else
            QTest::mouseClick(dialog.findChild<QPushButton *>(button), Qt::LeftButton);
        const QImage copied = QApplication::clipboard()->image();
        QCOMPARE(copied.size(), chart->size());
        // Not a blank picture: the bars are in it.
        const QColor bar = chart->palette().color(QPalette::Highlight);
        const QRectF first = chart->drawnBars().constFirst().rect;
        QCOMPARE(copied.pixelColor(first.center().toPoint()).rgb(), bar.rgb());
    }

    // Save writes a PNG that reads back at the chart's size; the name gets
    // its ".png". A file that cannot be written is told, and none is left.
    void saveChart_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("written");
        QTest::addColumn<bool>("fails");
        QTest::newRow("written") << QStringLiteral("diagram") << QStringLiteral("diagram.png") << false;
        QTest::newRow("a folder that is not there")
            << QStringLiteral("mangler/diagram.png") << QStringLiteral("mangler/diagram.png") << true;
        QTest::newRow("cancelled") << QString() << QStringLiteral("diagram.png") << false;
    }
    void saveChart()
    {
        QFETCH(QString, name);
        QFETCH(QString, written);
        QFETCH(bool, fails);
        fill(OstranaEdition);
        StatisticsDialog dialog(*m_collection, {}, {});
        BarChart *chart = shownChart(dialog, StatisticsDialog::LocationTable);
        QVERIFY(chart);
        QVERIFY(chart->width() > 100 && chart->height() > 100);
        FileDialog::Recording files;
        MessageBox::Recording boxes;
        if (name.isEmpty())
            FileDialog::queueCancel();
        else
            FileDialog::queueAnswer(m_dir->filePath(name));
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("locationSaveButton")), Qt::LeftButton);
        QCOMPARE(files.asked().size(), 1);
        QCOMPARE(files.asked().constFirst().defaultSuffix, QStringLiteral("png"));
        QVERIFY(files.asked().constFirst().confirmOverwrite);
        QVERIFY(QFileInfo(files.asked().constFirst().folder).fileName().endsWith(QStringLiteral(".png")));

        const QString path = m_dir->filePath(written);
        if (fails) {
            QCOMPARE(boxes.shown().size(), 1);
            QCOMPARE(boxes.shown().constFirst().kind, MessageBox::Critical);
            QVERIFY(boxes.shown().constFirst().text.contains(QDir::toNativeSeparators(path)));
            QVERIFY(!QFileInfo::exists(path));
            return;
        }
        QVERIFY(boxes.shown().isEmpty());
        if (name.isEmpty()) {
            QVERIFY(QDir(m_dir->path()).isEmpty());
            return;
        }
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("png"));
        const QImage image = reader.read();
        QCOMPARE(image.size(), chart->size());
    }

    // Every edition has the command; it counts the register the window
    // shows, or the rows selected in its list, and names the tables after
    // the edition's fields.
    void fromTheWindow_data()
    {
        QTest::addColumn<int>("edition");
        QTest::newRow("Ostrana") << int(OstranaEdition);
        QTest::newRow("Vistrel") << int(VistrelEdition);
        QTest::newRow("Numivax") << int(NumivaxEdition);
        QTest::newRow("Quorvel") << int(QuorvelEdition);
    }
    void fromTheWindow()
    {
        QFETCH(int, edition);
        TestWorld world(edition);
        Settings().setValue(QStringLiteral("Language"), QStringLiteral("dk"));
        DatabaseFixture::writeLists(world.dir.path(), DatabaseFixture::twoGroups(), currentLanguage());
        const QString database = DatabaseFixture::writeDatabase(
            world.dir.path(), QStringLiteral("home.db"), edition, DatabaseFixture::threeItems());
        world.startWith(database);
        MainWindow w;
        QVERIFY(w.startSucceeded());
        ItemListView *list = w.listView();
        list->clearSelection();
        list->setSelected(list->FindListViewItem(list->collection()->at(2)), true);
        QCOMPARE(list->selectedListItems().size(), 1);

        QStringList seen;
        QTimer::singleShot(0, &w, [&w, &seen] {
            auto *dialog = w.findChild<StatisticsDialog *>();
            if (!dialog)
                return;
            auto *itemsBox = dialog->findChild<QComboBox *>(QStringLiteral("itemsBox"));
            for (int i = 0; i < itemsBox->count(); ++i) {
                itemsBox->setCurrentIndex(i);
                const QTableWidget *groups = dialog->table(StatisticsDialog::GroupTable);
                seen << groups->item(groups->rowCount() - 1, 1)->text();
            }
            for (int table = StatisticsDialog::GroupTable; table <= StatisticsDialog::SupplierTable; ++table)
                seen << dialog->table(StatisticsDialog::Table(table))->horizontalHeaderItem(0)->text();
            dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))
                ->button(QDialogButtonBox::Close)
                ->click();
        });
        w.findChild<QAction *>(QStringLiteral("ViewStatistics"))->trigger();
        QCOMPARE(seen,
            QStringList({ QStringLiteral("3"), QStringLiteral("1"), columnTitle(ListColumns::GroupColumn),
                columnTitle(ListColumns::LocationColumn), columnTitle(ListColumns::SupplierColumn) }));
        QVERIFY(!w.findChild<StatisticsDialog *>());
        QCOMPARE(world.boxes.shown().size(), 0);
    }

    // While the list is filtered the rows it shows are offered, and counted
    // from the start unless several rows are selected; the totals row then
    // sums those items (each costs 100.00 and is worth 80.00 today).
    void shownRows_data() { FilteredWindow::addCases(); }
    void shownRows()
    {
        QFETCH(QString, filter);
        QFETCH(QString, renamed);
        QFETCH(QStringList, selected);
        QFETCH(QStringList, shown);
        QFETCH(bool, shownChosen);
        TestWorld world(OstranaEdition);
        FilteredWindow::startWorld(world, OstranaEdition);
        MainWindow w;
        QVERIFY(w.startSucceeded());
        FilteredWindow::prepare(w, filter, renamed, selected);
        if (QTest::currentTestFailed())
            return;

        const QString shownEntry = QStringLiteral("De viste rækker (%1)").arg(shown.size());
        QStringList entries;
        QString current;
        QStringList counted;
        QStringList countedShown;
        QList<QVariant> totals;
        QTimer::singleShot(0, &w, [&] {
            auto *dialog = w.findChild<StatisticsDialog *>();
            if (!dialog)
                return;
            auto *itemsBox = dialog->findChild<QComboBox *>(QStringLiteral("itemsBox"));
            for (int i = 0; i < itemsBox->count(); ++i)
                entries << itemsBox->itemText(i);
            current = itemsBox->currentText();
            counted = FilteredWindow::names(dialog->items());
            const int index = itemsBox->findText(shownEntry);
            if (index >= 0) {
                itemsBox->setCurrentIndex(index);
                countedShown = FilteredWindow::names(dialog->items());
                for (int table = StatisticsDialog::GroupTable; table <= StatisticsDialog::YearTable; ++table) {
                    const QTableWidget *sums = dialog->table(StatisticsDialog::Table(table));
                    const int last = sums->rowCount() - 1;
                    QStringList line { sums->item(last, 0)->text() };
                    for (int column = 1; column < 4; ++column)
                        line << QString::number(sums->item(last, column)->data(Qt::UserRole).toDouble(), 'f', 2);
                    totals << line;
                }
            }
            dialog->reject();
        });
        w.findChild<QAction *>(QStringLiteral("ViewStatistics"))->trigger();

        QStringList expectedEntries { QStringLiteral("Alle poster (5)") };
        if (!shown.isEmpty())
            expectedEntries << shownEntry;
        if (!selected.isEmpty())
            expectedEntries << QStringLiteral("De valgte rækker (%1)").arg(selected.size());
        QCOMPARE(entries, expectedEntries);
        QCOMPARE(current, shownChosen ? shownEntry : QStringLiteral("Alle poster (5)"));
        QCOMPARE(counted, shownChosen ? shown : FilteredWindow::allNames());
        QCOMPARE(countedShown, shown);
        const qsizetype n = shown.size();
        QList<QVariant> expectedTotals;
        for (int table = StatisticsDialog::GroupTable; table <= StatisticsDialog::YearTable && n > 0; ++table)
            expectedTotals << QStringList { QStringLiteral("I alt"), QString::number(n) + QStringLiteral(".00"),
                QString::number(n * 100) + QStringLiteral(".00"), QString::number(n * 80) + QStringLiteral(".00") };
        QCOMPARE(totals, expectedTotals);
        QCOMPARE(world.boxes.shown().size(), 0);
    }
};

QTEST_MAIN(tst_Statistics)
#include "tst_statistics.moc"
