#include "mainwindow/ItemListView.h"

#include "core/Edition.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "desktop/ExternalViewers.h"
#include "desktop/MessageBox.h"

#include <QAction>
#include <QDebug>
#include <QHeaderView>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionViewItem>

#include <algorithm>
#include <array>

namespace {

struct ColumnSetting
{
    const char *key;
    int defaultWidth;
};

// Settings key (group "ListView") and default width of each column.
constexpr std::array<ColumnSetting, ListColumnCount> columnSettings { {
    { "GROUPCOLUMNwidth", 120 },
    { "NAMECOLUMNwidth", 120 },
    { "MODELCOLUMNwidth", 65 },
    { "PRODUCTTYPECOLUMNwidth", 120 },
    { "COUNTCOLUMNwidth", 36 },
    { "PRICECOLUMNwidth", 65 },
    { "PRICETODAYCOLUMNwidth", 70 },
    { "PICTURECOLUMNwidth", 50 },
    { "RECEIPTCOLUMNwidth", 50 },
    { "DATECOLUMNwidth", 66 },
    { "LOCATIONCOLUMNwidth", 120 },
    { "DESCRIPTIONCOLUMNwidth", 120 },
    { "SUPPLIERCOLUMNwidth", 120 },
    { "ADDRESSCOLUMNwidth", 120 },
    { "SERIALNOCOLUMNwidth", 120 },
    { "WWWCOLUMNwidth", 120 },
    { "DOCUMENTCOLUMNwidth", 50 },
} };

// The order in which SaveColumnWidths writes the widths.
constexpr std::array<int, ListColumnCount> widthSaveOrder { 0, 1, 2, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15, 8, 16, 3 };

// Field-names list entry -> column whose title it gives.
constexpr std::array<std::pair<int, int>, 15> fieldTitleColumns { {
    { 0, 0 },
    { 1, 1 },
    { 2, 2 },
    { 3, 4 },
    { 4, 5 },
    { 5, 6 },
    { 6, 7 },
    { 7, 9 },
    { 8, 10 },
    { 9, 11 },
    { 10, 12 },
    { 11, 13 },
    { 12, 14 },
    { 13, 15 },
    { 14, 8 },
} };

} // namespace

ItemListView::ItemListView(QWidget *mainWindow)
    : QTreeWidget(mainWindow)
    , m_mainWindow(mainWindow)
{
    // The program's shared pictures; the list may be built before start-up
    // registered them (in tests, for one).
    Q_INIT_RESOURCE(larkspan);
    m_pictureIcon = QIcon(QStringLiteral(":/icons/picture.png"));
    m_receiptIcon = QIcon(QStringLiteral(":/icons/receipt.png"));
    m_documentIcon = QIcon(QStringLiteral(":/icons/document.png"));

    setGeometry(0, 0, 900, 700);
    setColumnCount(ListColumnCount);

    resetColumnTitles();
    setHeaderLabels(columnTitles());
    QTreeWidgetItem *header = headerItem();
    Settings settings;
    for (int column = 0; column < ListColumnCount; ++column) {
        header->setTextAlignment(column, funiQListViewItem::columnAlignment(column));
        const ColumnSetting &setting = columnSettings[column];
        // The date's fixed default is too narrow for a whole date in most
        // fonts; the default always shows one.
        const int defaultWidth
            = column == DateColumn ? std::max(setting.defaultWidth, wholeDateWidth()) : setting.defaultWidth;
        setColumnWidth(
            column, settings.value(QStringLiteral("ListView/") + QLatin1String(setting.key), defaultWidth).toInt());
    }

    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setAllColumnsShowFocus(true);
    setUniformRowHeights(true);
    this->header()->setStretchLastSection(true);
    this->header()->setSortIndicatorShown(true);
    // No sort column until the user clicks a heading: the groups stay in the
    // order of the group list.
    this->header()->setSortIndicator(-1, Qt::AscendingOrder);
    setSortingEnabled(true);

    if (isVistrel())
        setWhatsThis(tr("LIST_HELP_VISTREL"));
    else if (isNumivax())
        setWhatsThis(tr("LIST_HELP_NUMIVAX"));
    else
        setWhatsThis(tr("LIST_HELP_1"));

    m_contextMenu = new QMenu;

    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *row, int) { ItemSelected(row); });
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *row, QTreeWidgetItem *) {
        if (!m_ignoreSelection)
            ItemSelected(row);
    });
    connect(
        this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *row, int) { doubleClickOnItemSlot(row); });
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(
        this, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) { ShowContextMenu(itemAt(pos)); });
}

ItemListView::~ItemListView()
{
    delete m_contextMenu;
}

void ItemListView::SetCollection(DBItemCollection *collection)
{
    watchCollection(collection);
    // Rows left from before would stand for groups (and items) no longer known.
    ClearList();
    if (!collection)
        return;
    const userItemCollection &groups = collection->groups();
    if (groups.size() == 0)
        qDebug() << "group.size = 0";

    QList<QTreeWidgetItem *> rows;
    rows.reserve(groups.size());
    for (const QString &name : groups) {
        auto *row = new funiQListViewItem(static_cast<QTreeWidgetItem *>(nullptr));
        row->setText(GroupColumn, name);
        row->setExpandable(true);
        rows.append(row);
        m_groupRows.append(row);
    }
    const bool sorting = isSortingEnabled();
    setSortingEnabled(false);
    addTopLevelItems(rows);
    setSortingEnabled(sorting);
}

void ItemListView::watchCollection(DBItemCollection *collection)
{
    if (m_collection == collection)
        return;
    if (m_collection)
        disconnect(m_collection, nullptr, this, nullptr);
    m_collection = collection;
    if (collection) {
        connect(collection, &DBItemCollection::itemAdded, this, &ItemListView::itemAddedToCollection);
        connect(collection, &DBItemCollection::itemChanged, this, &ItemListView::itemChangedInCollection);
        connect(collection, &DBItemCollection::itemRemoved, this, &ItemListView::itemRemovedFromCollection);
        connect(collection, &DBItemCollection::aboutToClear, this, &ItemListView::collectionAboutToClear);
    }
}

DBItemCollection *ItemListView::collection() const
{
    return m_collection;
}

void ItemListView::ClearList()
{
    m_groupRows.clear();
    const bool hadCurrent = m_currentRow != nullptr;
    m_currentRow = nullptr;
    m_ignoreSelection = true;
    clear();
    m_ignoreSelection = false;
    if (hadCurrent)
        emit rowSelected(nullptr);
}

void ItemListView::FillList(DBItemCollection *collection)
{
    watchCollection(collection);
    if (!collection)
        return;

    // The rows of each group are made apart from the list and handed over in
    // one go: the list neither sorts nor lays out anything per row.
    QList<QList<QTreeWidgetItem *>> newRows(m_groupRows.size());
    for (Item *item : *collection) {
        if (!item)
            continue;
        const int group = item->group();
        if (group < 0 || group > int(m_groupRows.size()) - 1) {
            showLimitError(group);
            continue;
        }
        auto *row = new funiQListViewItem(static_cast<QTreeWidgetItem *>(nullptr));
        row->setItem(item);
        newRows[group].append(row);
    }

    const bool sorting = isSortingEnabled();
    setSortingEnabled(false);
    for (qsizetype group = 0; group < newRows.size(); ++group) {
        if (!newRows.at(group).isEmpty())
            m_groupRows.at(group)->addChildren(newRows.at(group));
    }
    setSortingEnabled(sorting);
}

funiQListViewItem *ItemListView::AddItem(Item *item, bool select)
{
    if (!item)
        return nullptr;
    const int group = item->group();
    // An item already listed keeps its one row: the collection announces a
    // new item and its maker may add the row as well.
    funiQListViewItem *row = rowForItem(item);
    if (row) {
        row = RefreshRow(row, item);
    } else {
        if (group < 0 || group > int(m_groupRows.size()) - 1) {
            showLimitError(group);
            return nullptr;
        }
        row = RefreshRow(new funiQListViewItem(m_groupRows.at(group)), item);
    }
    if (select && row) {
        clearSelection();
        row->setSelected(true);
        // The new row is the one the list works on from now, so that a later
        // refresh of "the current row" rewrites this row and not another.
        setCurrentItem(row);
        ItemSelected(row);
    }
    return row;
}

funiQListViewItem *ItemListView::RefreshRow(QTreeWidgetItem *row, Item *item)
{
    funiQListViewItem *listRow = funiQListViewItem::fromRow(row);
    if (!listRow || !item || listRow->isGroupRow())
        return nullptr;

    // Rows follow the group number, as AddItem places them: two groups may
    // share a name, and a group row's text may differ from the list's name.
    QTreeWidgetItem *parentRow = listRow->parent();
    const bool inRightGroup = parentRow && parentRow == groupRow(item->group());

    if (inRightGroup) {
        writeRow(listRow, item);
        return listRow;
    }

    // The item was moved to another group.
    removeRow(listRow);
    return AddItem(item, true);
}

void ItemListView::writeRow(funiQListViewItem *row, Item *item)
{
    row->setItem(item);
    row->setExpandable(false);
    row->refresh();
}

QVariant ItemListView::cellData(const Item *item, int column, int role) const
{
    if (!item)
        return QVariant();
    if (role == Qt::DecorationRole) {
        switch (column) {
        case PictureColumn:
            return isPictureFile(item->photolink().trimmed()) ? QVariant(m_pictureIcon) : QVariant();
        case ReceiptColumn:
            if (!isPictureFile(item->receipt().trimmed()))
                return QVariant();
            return isOstrana() ? m_receiptIcon : m_pictureIcon;
        case DocumentColumn:
            return item->document().trimmed().isEmpty() ? QVariant() : QVariant(m_documentIcon);
        default:
            return QVariant();
        }
    }

    switch (column) {
    case NameColumn:
        return item->name();
    case ProductColumn:
        return item->product();
    case ModelColumn:
        return item->productModel();
    case CountColumn:
        return QString::number(item->numberOfItems());
    case PriceColumn:
        // The picture edition shows the unit price, the others count times price.
        return isVistrel() ? item->priceText(2) : item->totalValueText();
    case PriceTodayColumn:
        return item->priceTodayText(2);
    case DateColumn:
        return item->date();
    case LocationColumn: {
        const int location = item->location();
        if (m_collection && location >= 0 && location < m_collection->locations().size())
            return m_collection->locations().entry(location);
        return QStringLiteral("Error");
    }
    case DescriptionColumn:
        return item->description();
    case SupplierColumn:
        return item->supplier();
    case AddressColumn:
        return item->address();
    case SerialnoColumn:
        return item->serialno();
    case WwwColumn:
        return item->www();
    default:
        // The group column and the icon columns hold no text.
        return QString();
    }
}

void ItemListView::removeRow(QTreeWidgetItem *row)
{
    if (!row)
        return;
    const bool wasCurrent = row == m_currentRow;
    if (wasCurrent)
        m_currentRow = nullptr;
    // Deleting the view's current row makes the view pick a neighbour as
    // current; that is not the user's choice.
    m_ignoreSelection = true;
    if (row == QTreeWidget::currentItem())
        setCurrentItem(nullptr);
    delete row;
    m_ignoreSelection = false;
    if (wasCurrent)
        emit rowSelected(nullptr);
}

void ItemListView::showLimitError(int group)
{
    const int groupCount = m_collection ? m_collection->groups().size() : 0;
    MessageBox::critical(this, tr("Fejl - type"), tr("MAX_LIMIT_ERROR").arg(group).arg(groupCount));
}

int ItemListView::wholeDateWidth() const
{
    // The widest digit in every place: no date is wider.
    QChar widest = QLatin1Char('0');
    const QFontMetrics metrics(font());
    for (char digit = '1'; digit <= '9'; ++digit) {
        if (metrics.horizontalAdvance(QLatin1Char(digit)) > metrics.horizontalAdvance(widest))
            widest = QLatin1Char(digit);
    }
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.features |= QStyleOptionViewItem::HasDisplay;
    option.text = QString(2, widest) + QLatin1Char('.') + QString(2, widest) + QLatin1Char('.') + QString(4, widest);
    return style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).width();
}

void ItemListView::RebuildList()
{
    DBItemCollection *collection = m_collection;
    ClearList();
    if (!collection)
        return;
    SetCollection(collection);
    FillList(collection);
    ViewAll(true);
}

void ItemListView::addToContextMenu(QAction *action)
{
    if (action)
        m_contextMenu->addAction(action);
    else
        m_contextMenu->addSeparator();
}

void ItemListView::SaveColumnWidths()
{
    Settings settings;
    settings.beginGroup(QStringLiteral("ListView"));
    settings.setValue(QStringLiteral("Colums"), columnCount());
    settings.setValue(QStringLiteral("childCount"), topLevelItemCount());
    for (int column : widthSaveOrder)
        settings.setValue(QLatin1String(columnSettings[column].key), columnWidth(column));
    settings.endGroup();
}

funiQListViewItem *ItemListView::rowForItem(const Item *item) const
{
    if (!item)
        return nullptr;
    for (int top = 0; top < topLevelItemCount(); ++top) {
        QTreeWidgetItem *groupRow = topLevelItem(top);
        for (int child = 0; child < groupRow->childCount(); ++child) {
            funiQListViewItem *row = funiQListViewItem::fromRow(groupRow->child(child));
            if (row && row->item() == item)
                return row;
        }
    }
    return nullptr;
}

Item *ItemListView::currentRowItem() const
{
    return funiQListViewItem::itemOfRow(m_currentRow);
}

int ItemListView::GetNumberOfGroups() const
{
    return int(m_groupRows.size());
}

void ItemListView::UpdateGroupItemName(int item, const QString &name)
{
    if (item >= 0 && item < m_groupRows.size())
        m_groupRows.at(item)->setText(GroupColumn, name);
}

void ItemListView::ViewAll(bool showall)
{
    if (topLevelItemCount() == 0)
        return;

    if (m_collection) {
        userItemCollection &fields = m_collection->fields();
        QTreeWidgetItem *header = headerItem();
        for (const auto &[entry, column] : fieldTitleColumns) {
            if (fields.entry(entry).isEmpty())
                continue;
            const QString title = fields.plainEntry(entry);
            setColumnTitle(column, title);
            header->setText(column, column <= NameColumn ? tr(title.toUtf8().constData()) : title);
        }
        // Newer databases name the document and model columns too; an
        // empty entry blanks the title.
        const int level = databaseFormatLevel();
        const QString documentTitle = fields.entry(15);
        if (level > 252 && !documentTitle.contains(QLatin1String("COLUMN"), Qt::CaseInsensitive)) {
            setColumnTitle(DocumentColumn, documentTitle);
            header->setText(DocumentColumn, documentTitle);
        }
        const QString modelTitle = fields.entry(16);
        if (level > 254 && !modelTitle.contains(QLatin1String("FIELD"), Qt::CaseInsensitive)) {
            setColumnTitle(ModelColumn, modelTitle);
            header->setText(ModelColumn, modelTitle);
        }
    }

    if (showall)
        expandAll();
    else
        collapseAll();
}

void ItemListView::itemAddedToCollection(Item *item)
{
    AddItem(item, true);
}

void ItemListView::itemChangedInCollection(Item *item)
{
    if (funiQListViewItem *row = rowForItem(item))
        RefreshRow(row, item);
    else
        AddItem(item, true);
}

void ItemListView::itemRemovedFromCollection(Item *item)
{
    removeRow(rowForItem(item));
}

void ItemListView::collectionAboutToClear()
{
    // The items are about to go; keep the group rows, drop every item row.
    const bool hadCurrent = m_currentRow && !m_currentRow->isGroupRow();
    if (hadCurrent)
        m_currentRow = nullptr;
    m_ignoreSelection = true;
    for (funiQListViewItem *groupRow : std::as_const(m_groupRows))
        qDeleteAll(groupRow->takeChildren());
    m_ignoreSelection = false;
    if (hadCurrent)
        emit rowSelected(nullptr);
}
