#include "statistics/StatisticsDialog.h"

#include "core/ColumnTitles.h"
#include "core/Edition.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "database/ValueSummary.h"
#include "desktop/ExternalViewers.h"
#include "help/HelpTopics.h"
#include "statistics/BarChart.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QSet>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

using namespace ListColumns;

enum Choice { AllItems, ShownItems, SelectedItems };

QString amount(double value)
{
    return QLocale().toString(value, 'f', 2);
}

// A cell of the tables: its text, and the sum itself for whoever reads it.
QTableWidgetItem *cell(const QString &text, const QVariant &value, bool number, bool total)
{
    auto *item = new QTableWidgetItem(text);
    item->setData(Qt::UserRole, value);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (number)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (total) {
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
    }
    return item;
}

} // namespace

StatisticsDialog::StatisticsDialog(const DBItemCollection &collection, const QList<const Item *> &selection,
    const QList<const Item *> &shown, QWidget *parent)
    : QDialog(parent)
    , m_collection(collection)
    , m_selection(selection)
    , m_shown(shown)
{
    setupUi(this);
    itemsBox->addItem(tr("Alle poster (%1)").arg(collection.count()), int(AllItems));
    if (!shown.isEmpty())
        itemsBox->addItem(tr("De viste rækker (%1)").arg(shown.size()), int(ShownItems));
    if (!selection.isEmpty())
        itemsBox->addItem(tr("De valgte rækker (%1)").arg(selection.size()), int(SelectedItems));
    // What the filtered list shows is what is counted, unless rows were
    // picked out of it.
    if (!shown.isEmpty() && selection.size() <= 1)
        itemsBox->setCurrentIndex(itemsBox->findData(int(ShownItems)));
    itemsBox->setEnabled(itemsBox->count() > 1);

    addPage(GroupTable, columnTitle(GroupColumn), true);
    addPage(LocationTable, columnTitle(LocationColumn), true);
    addPage(SupplierTable, columnTitle(SupplierColumn), false);
    addPage(YearTable, tr("Købsår"), true);
    m_charts[GroupTable]->setTitle(tr("Værdi i dag fordelt på %1").arg(columnTitle(GroupColumn)));
    m_charts[LocationTable]->setTitle(tr("Værdi i dag fordelt på %1").arg(columnTitle(LocationColumn)));
    m_charts[YearTable]->setTitle(tr("Købspris i alt fordelt på købsår"));
    m_charts[YearTable]->setOrientation(BarChart::Vertical);
    m_charts[YearTable]->setMaximumBars(20);
    const QString database = collection.fileName();
    for (BarChart *chart : m_charts) {
        if (chart)
            chart->setSaveFolder(database.isEmpty() ? lastDbDir() : QFileInfo(database).absolutePath());
    }

    connect(itemsBox, &QComboBox::currentIndexChanged, this, &StatisticsDialog::fill);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &StatisticsDialog::reject);
    connect(buttonBox, &QDialogButtonBox::helpRequested, this,
        [] { openHtmlPage(HelpTopics::statisticsPage(edition(), currentLanguage()), QString(), false); });
    fill();
}

void StatisticsDialog::addPage(Table which, const QString &title, bool withChart)
{
    static const char *const names[] = { "group", "location", "supplier", "year" };
    const QString name = QString::fromLatin1(names[which]);
    auto *table = new QTableWidget(0, 4);
    table->setObjectName(name + QStringLiteral("Table"));
    table->setHorizontalHeaderLabels({ title, tr("Antal poster"), tr("Købspris i alt"), tr("Værdi i dag i alt") });
    table->verticalHeader()->hide();
    // Rows of one line, so that a table of a dozen rows fits above its chart.
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < 4; ++column)
        table->horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tables[which] = table;
    if (!withChart) {
        tabWidget->addTab(table, title);
        return;
    }

    auto *chart = new BarChart;
    chart->setObjectName(name + QStringLiteral("Chart"));
    m_charts[which] = chart;
    auto *copy = new QPushButton(tr("&Kopiér diagrammet"));
    copy->setObjectName(name + QStringLiteral("CopyButton"));
    auto *save = new QPushButton(tr("&Gem som PNG..."));
    save->setObjectName(name + QStringLiteral("SaveButton"));
    for (QPushButton *button : { copy, save })
        button->setAutoDefault(false);
    connect(copy, &QPushButton::clicked, chart, &BarChart::copyToClipboard);
    connect(save, &QPushButton::clicked, chart, &BarChart::saveAsPng);

    auto *chartPage = new QWidget;
    auto *chartLayout = new QVBoxLayout(chartPage);
    chartLayout->setContentsMargins(0, 0, 0, 0);
    chartLayout->addWidget(chart, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(copy);
    buttons->addWidget(save);
    chartLayout->addLayout(buttons);

    auto *splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(table);
    splitter->addWidget(chartPage);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 2);
    tabWidget->addTab(splitter, title);
}

QList<const Item *> StatisticsDialog::items() const
{
    QList<const Item *> result;
    const int choice = itemsBox->currentData().toInt();
    if (choice == SelectedItems || choice == ShownItems) {
        const QList<const Item *> &picked = choice == SelectedItems ? m_selection : m_shown;
        const QSet<const Item *> chosen(picked.cbegin(), picked.cend());
        for (const Item *item : m_collection)
            if (chosen.contains(item))
                result.append(item);
        return result;
    }
    for (const Item *item : m_collection)
        result.append(item);
    return result;
}

void StatisticsDialog::fill()
{
    const ValueSummary summary(items(), m_collection.groups().entries(), m_collection.locations().entries());
    const ValueTotals &total = summary.total();
    totalLabel->setText(tr("Poster: %1, købspris i alt %2, værdi i dag i alt %3")
                            .arg(total.items)
                            .arg(amount(total.purchase), amount(total.valueToday)));

    const QString none[] = { tr("(uden navn)"), tr("(uden navn)"), tr("(ingen)"), tr("(uden dato)") };
    const ValueSummary::Grouping groupings[]
        = { ValueSummary::ByGroup, ValueSummary::ByLocation, ValueSummary::BySupplier, ValueSummary::ByYear };
    for (int which = GroupTable; which <= YearTable; ++which) {
        const QList<ValueSummary::Row> &rows = summary.rows(groupings[which]);
        QTableWidget *table = m_tables[which];
        table->setRowCount(int(rows.size()) + 1);
        QList<BarChart::Bar> bars;
        const auto put = [table](int row, const QString &name, const ValueTotals &totals, bool isTotal) {
            table->setItem(row, 0, cell(name, name, false, isTotal));
            table->setItem(row, 1, cell(QLocale().toString(totals.items), totals.items, true, isTotal));
            table->setItem(row, 2, cell(amount(totals.purchase), totals.purchase, true, isTotal));
            table->setItem(row, 3, cell(amount(totals.valueToday), totals.valueToday, true, isTotal));
        };
        for (int row = 0; row < rows.size(); ++row) {
            const ValueSummary::Row &line = rows.at(row);
            const QString name = line.name.isEmpty() ? none[which] : line.name;
            put(row, name, line.totals, false);
            bars.append({ name, which == YearTable ? line.totals.purchase : line.totals.valueToday });
        }
        put(int(rows.size()), tr("I alt"), total, true);
        if (BarChart *chart = m_charts[which])
            chart->setBars(bars, which == YearTable ? BarChart::InOrder : BarChart::ByValue);
    }
}
