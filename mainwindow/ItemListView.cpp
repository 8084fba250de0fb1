#include "mainwindow/ItemListView.h"

#include "core/Edition.h"
#include "core/Parallel.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "database/ItemColumnText.h"
#include "database/ItemTotals.h"
#include "desktop/ExternalViewers.h"
#include "desktop/MessageBox.h"
#include "mainwindow/ItemListModel.h"
#include "mainwindow/ListColumnWidths.h"

#include <QAction>
#include <QDebug>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QSet>
#include <QStyle>
#include <QStyleOptionViewItem>

#include <algorithm>
#include <array>
#include <utility>

namespace {

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
    : QTreeView(mainWindow)
    , m_mainWindow(mainWindow)
{
    // The program's shared pictures; the list may be built before start-up
    // registered them (in tests, for one).
    Q_INIT_RESOURCE(larkspan);
    m_pictureIcon = QIcon(QStringLiteral(":/icons/picture.png"));
    m_receiptIcon = QIcon(QStringLiteral(":/icons/receipt.png"));
    m_documentIcon = QIcon(QStringLiteral(":/icons/document.png"));

    setGeometry(0, 0, 900, 700);

    resetColumnTitles();
    m_model = new ItemListModel(this);
    setModel(m_model);
    connect(m_model, &ItemListModel::countsChanged, this, &ItemListView::filterCountsChanged);
    m_fitsTitle = ListColumnWidths::restore(*this, wholeDateWidth());
    const auto fitTitles = [this](int first, int last) {
        m_fittingTitles = true;
        for (int column = std::max(first, 0); column <= last && column < int(m_fitsTitle.size()); ++column) {
            if (m_fitsTitle[column])
                ListColumnWidths::fitTitle(*this, column);
        }
        m_fittingTitles = false;
    };
    fitTitles(0, ListColumnCount - 1);
    connect(m_model, &QAbstractItemModel::headerDataChanged, this,
        [fitTitles](Qt::Orientation orientation, int first, int last) {
            if (orientation == Qt::Horizontal)
                fitTitles(first, last);
        });
    // A group row's caption grows with its count (and while filtered); its
    // totals are fitted when the list is filled, since a caption is cheap to
    // measure and a group's totals may first have to be summed.
    connect(m_model, &QAbstractItemModel::dataChanged, this,
        [this](const QModelIndex &topLeft, const QModelIndex &bottomRight) {
            if (topLeft.isValid() && !topLeft.parent().isValid() && topLeft.column() == GroupColumn)
                fitGroupRows(m_model->groupAtRow(topLeft.row()), m_model->groupAtRow(bottomRight.row()), false);
        });
    connect(m_model, &QAbstractItemModel::layoutChanged, this,
        [this] { fitGroupRows(0, m_model->groupCount() - 1, false); });
    connect(header(), &QHeaderView::sectionResized, this, [this](int column, int, int) {
        if (!m_fittingTitles && column >= 0 && column < int(m_fitsTitle.size()))
            m_fitsTitle[column] = false;
    });

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

    connect(
        this, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) { rowMadeCurrent(rowAt(index)); });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &current) {
        if (!m_ignoreSelection)
            rowMadeCurrent(rowAt(current));
    });
    connect(this, &QAbstractItemView::doubleClicked, this,
        [this](const QModelIndex &index) { doubleClickOnItemSlot(rowAt(index)); });
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(
        this, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) { ShowContextMenu(itemAt(pos)); });
}

ItemListView::~ItemListView()
{
    delete m_contextMenu;
    qDeleteAll(m_groupRows);
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

    QStringList names;
    names.reserve(groups.size());
    for (const QString &name : groups) {
        m_groupRows.append(new funiQListViewItem(this, int(names.size())));
        names.append(name);
    }
    m_model->setGroups(names);
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
        // A list entry taken out renumbers the items after it: the rows are
        // built again once, rather than moved one by one to group rows that
        // are about to change.
        connect(collection, &DBItemCollection::listEntryAboutToBeRemoved, this, [this] { m_waitingForList = true; });
        connect(collection, &DBItemCollection::listEntryRemoved, this, [this] {
            m_waitingForList = false;
            RebuildList();
        });
        // Rows of a batch go in without selecting each; the last one is
        // selected at the end, as a single new item's row is.
        connect(collection, &DBItemCollection::batchAboutToBeAnnounced, this, [this] {
            m_inBatch = true;
            m_batchChanges = 0;
        });
        connect(collection, &DBItemCollection::batchAnnounced, this, [this] {
            m_inBatch = false;
            if (std::exchange(m_refillAtBatchEnd, false))
                refillKeepingSelection();
            if (Item *last = std::exchange(m_lastBatchItem, nullptr); last && m_collection->contains(last))
                AddItem(last, true);
        });
        // The same for an entry put back (an undo of its removal).
        connect(collection, &DBItemCollection::listEntryAboutToBeInserted, this, [this] { m_waitingForList = true; });
        connect(collection, &DBItemCollection::listEntryInserted, this, [this] {
            m_waitingForList = false;
            RebuildList();
        });
        // The filter reads the location names.
        connect(collection, &DBItemCollection::listsChanged, this, [this] {
            if (!m_model->isFiltered())
                return;
            m_ignoreSelection = true;
            m_model->refreshFilter();
            m_ignoreSelection = false;
            dropHiddenCurrentRow();
        });
    }
}

DBItemCollection *ItemListView::collection() const
{
    return m_collection;
}

void ItemListView::ClearList()
{
    const bool hadCurrent = m_currentRow != nullptr;
    m_currentRow = nullptr;
    m_ignoreSelection = true;
    m_model->clear();
    m_ignoreSelection = false;
    dropItemHandles();
    qDeleteAll(m_groupRows);
    m_groupRows.clear();
    if (hadCurrent)
        emit rowSelected(nullptr);
}

void ItemListView::FillList(DBItemCollection *collection)
{
    watchCollection(collection);
    if (!collection)
        return;

    // One pass puts each item in its group's row list and adds it to its
    // group's totals, and the model takes them all at once: nothing is made
    // or laid out per row. A large register's pass is made in two halves at
    // once, whose row lists are joined in the collection's order.
    const ItemSpan items = collection->items();
    const size_t groups = size_t(m_groupRows.size());
    struct Share
    {
        std::vector<std::vector<Item *>> rows;
        std::vector<ItemTotals> totals;
        // The group numbers without a row, in the order first met.
        std::vector<int> unlisted;
    };
    Share shares[2];
    for (Share &share : shares) {
        share.rows.resize(groups);
        share.totals.resize(groups);
    }
    const auto distribute = [&items, groups](Share &share, qsizetype from, qsizetype to) {
        QSet<int> met;
        for (qsizetype i = from; i < to; ++i) {
            Item *item = items[i];
            if (!item)
                continue;
            const int group = item->group();
            if (group < 0 || size_t(group) >= groups) {
                if (!met.contains(group)) {
                    met.insert(group);
                    share.unlisted.push_back(group);
                }
                continue;
            }
            share.rows[size_t(group)].push_back(item);
            share.totals[size_t(group)].add(*item);
        }
    };
    const qsizetype half = items.size() / 2;
    Parallel::run(
        items.size(), [&] { distribute(shares[0], 0, half); }, [&] { distribute(shares[1], half, items.size()); });
    std::vector<std::vector<Item *>> &rows = shares[0].rows;
    for (size_t group = 0; group < groups; ++group) {
        std::vector<Item *> &later = shares[1].rows[group];
        if (rows[group].empty())
            rows[group].swap(later);
        else
            rows[group].insert(rows[group].end(), later.begin(), later.end());
        std::vector<Item *>().swap(later);
        shares[0].totals[group] += shares[1].totals[group];
    }
    // A group without a row is told of once per fill, not once per item: a
    // register whose group list went missing would otherwise bring up a box
    // for each of its items.
    QSet<int> groupsTold;
    for (const Share &share : shares) {
        for (const int group : share.unlisted) {
            if (!groupsTold.contains(group)) {
                groupsTold.insert(group);
                showLimitError(group);
            }
        }
    }

    // Replacing the rows closes every group and forgets the current row in
    // the view; the list keeps both.
    QList<int> openGroups;
    for (int group = 0; group < m_groupRows.size(); ++group) {
        if (isExpanded(m_model->groupIndex(group)))
            openGroups.append(group);
    }
    m_ignoreSelection = true;
    m_model->setItems(std::move(rows), std::move(shares[0].totals));
    for (int group : std::as_const(openGroups))
        setExpanded(m_model->groupIndex(group), true);
    bool lostCurrent = false;
    for (auto row = m_itemRows.begin(); row != m_itemRows.end();) {
        if (m_model->groupOfItem(row->first) < 0) {
            if (row->second.get() == m_currentRow) {
                m_currentRow = nullptr;
                lostCurrent = true;
            }
            row = m_itemRows.erase(row);
        } else {
            ++row;
        }
    }
    if (m_currentRow)
        setCurrentItem(m_currentRow);
    m_ignoreSelection = false;
    fitGroupRows(0, m_model->groupCount() - 1, true);
    if (lostCurrent)
        emit rowSelected(nullptr);
}

void ItemListView::fitGroupRows(int first, int last, bool totals)
{
    first = std::max(first, 0);
    last = std::min(last, m_model->groupCount() - 1);
    if (first > last)
        return;
    m_fittingTitles = true;
    for (const int column : { GroupColumn, CountColumn, PriceColumn, PriceTodayColumn }) {
        if (column >= int(m_fitsTitle.size()) || !m_fitsTitle[column] || (column != GroupColumn && !totals))
            continue;
        int needed = 0;
        for (int group = first; group <= last; ++group)
            needed = std::max(needed, sizeHintForIndex(m_model->groupIndex(group, column)).width());
        // The group rows' branch marks stand before their captions.
        if (column == GroupColumn && rootIsDecorated())
            needed += indentation();
        if (needed > columnWidth(column))
            setColumnWidth(column, needed);
    }
    m_fittingTitles = false;
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
        // A row the user is to work on is shown whatever the filter.
        m_model->addItem(item, group, select);
        row = handleFor(item);
    }
    if (select && row && isShown(row)) {
        clearSelection();
        setSelected(row, true);
        // The new row is the one the list works on from now, so that a later
        // refresh of "the current row" rewrites this row and not another.
        setCurrentItem(row);
        ItemSelected(row);
    }
    return row;
}

funiQListViewItem *ItemListView::RefreshRow(funiQListViewItem *row, Item *item)
{
    // A row shows one item for as long as it exists: the row of another item
    // is not this item's to rewrite.
    if (!row || !item || row->isGroupRow() || row->item() != item)
        return nullptr;
    const int listedGroup = m_model->groupOfItem(item);
    if (listedGroup < 0)
        return nullptr;

    // Rows follow the group number, as AddItem places them: two groups may
    // share a name, and a group row's text may differ from the list's name.
    if (listedGroup == item->group()) {
        row->refresh();
        return row;
    }

    // The item was moved to another group. The row goes with it, as a move,
    // so that whoever holds the row (or the view's index of it) still holds
    // the item's row; it becomes the selected, current row, as a new one does.
    const int group = item->group();
    if (group < 0 || group > int(m_groupRows.size()) - 1) {
        takeRow(row, true);
        return AddItem(item, true);
    }
    m_ignoreSelection = true;
    m_model->moveItem(item, group);
    m_ignoreSelection = false;
    if (!isShown(row)) {
        dropHiddenCurrentRow();
        return row;
    }
    clearSelection();
    setSelected(row, true);
    setCurrentItem(row);
    ItemSelected(row);
    return row;
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

    return ItemColumnText::of(*item, column, m_collection ? &m_collection->locations() : nullptr);
}

void ItemListView::removeRow(funiQListViewItem *row)
{
    takeRow(row, false);
}

void ItemListView::takeRow(funiQListViewItem *row, bool keepHandle)
{
    if (!row || row->isGroupRow())
        return;
    Item *item = row->item();
    const bool wasCurrent = row == m_currentRow;
    if (wasCurrent)
        m_currentRow = nullptr;
    // Removing the view's current row makes the view pick a neighbour as
    // current; that is not the user's choice.
    m_ignoreSelection = true;
    const QModelIndex index = row->index();
    if (index.isValid() && index == currentIndex().siblingAtColumn(0))
        setCurrentItem(nullptr);
    m_model->removeItem(item);
    if (!keepHandle)
        m_itemRows.erase(item);
    m_ignoreSelection = false;
    if (wasCurrent)
        emit rowSelected(nullptr);
}

bool ItemListView::isShown(const funiQListViewItem *row)
{
    return row && row->index().isValid();
}

void ItemListView::dropHiddenCurrentRow()
{
    if (!m_currentRow || isShown(m_currentRow))
        return;
    m_currentRow = nullptr;
    emit rowSelected(nullptr);
}

void ItemListView::setFilterText(const QString &text)
{
    m_ignoreSelection = true;
    m_model->setFilter(text);
    m_ignoreSelection = false;
    dropHiddenCurrentRow();
}

QString ItemListView::filterText() const
{
    return m_model->filterText();
}

bool ItemListView::isFiltered() const
{
    return m_model->isFiltered();
}

funiQListViewItem *ItemListView::handleFor(Item *item) const
{
    std::unique_ptr<funiQListViewItem> &row = m_itemRows[item];
    if (!row)
        row = std::make_unique<funiQListViewItem>(const_cast<ItemListView *>(this), item);
    return row.get();
}

void ItemListView::dropItemHandles()
{
    if (m_currentRow && !m_currentRow->isGroupRow())
        m_currentRow = nullptr;
    m_itemRows.clear();
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
    ListColumnWidths::save(*this);
}

funiQListViewItem *ItemListView::rowForItem(const Item *item) const
{
    if (!item || m_model->groupOfItem(item) < 0)
        return nullptr;
    // The item is listed, so the list holds it as a modifiable item.
    return handleFor(const_cast<Item *>(item));
}

int ItemListView::topLevelItemCount() const
{
    return m_model->rowCount();
}

funiQListViewItem *ItemListView::topLevelItem(int index) const
{
    return groupRow(m_model->groupAtRow(index));
}

funiQListViewItem *ItemListView::rowAt(const QModelIndex &index) const
{
    if (!index.isValid())
        return nullptr;
    if (Item *item = m_model->itemAt(index))
        return handleFor(item);
    return groupRow(m_model->groupAt(index));
}

funiQListViewItem *ItemListView::currentItem() const
{
    return rowAt(currentIndex());
}

void ItemListView::setCurrentItem(funiQListViewItem *row)
{
    setCurrentIndex(row ? row->index() : QModelIndex());
}

QList<const Item *> ItemListView::selectedItemsToRead() const
{
    const QList<Item *> items = selectedListItems();
    return QList<const Item *>(items.cbegin(), items.cend());
}

QList<const Item *> ItemListView::shownItemsToRead() const
{
    QList<const Item *> items;
    if (!m_model->isFiltered())
        return items;
    items.reserve(m_model->shownItemCount());
    for (int row = 0; row < m_model->rowCount(); ++row) {
        for (const Item *item : m_model->itemsOf(m_model->groupAtRow(row)))
            items.append(item);
    }
    return items;
}

int ItemListView::currentGroup() const
{
    const funiQListViewItem *current = currentItem();
    if (!current)
        return -1;
    return current->isGroupRow() ? current->groupNumber() : current->item()->group();
}

QList<Item *> ItemListView::selectedListItems() const
{
    QModelIndexList rows = selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex &a, const QModelIndex &b) {
        const int groupA = a.parent().row();
        const int groupB = b.parent().row();
        return groupA != groupB ? groupA < groupB : a.row() < b.row();
    });
    QList<Item *> items;
    items.reserve(rows.size());
    for (const QModelIndex &index : std::as_const(rows)) {
        if (Item *item = m_model->itemAt(index))
            items.append(item);
    }
    return items;
}

QList<funiQListViewItem *> ItemListView::selectedItems() const
{
    QList<funiQListViewItem *> rows;
    const QModelIndexList selected = selectionModel()->selectedRows();
    for (const QModelIndex &index : selected)
        rows.append(rowAt(index));
    return rows;
}

funiQListViewItem *ItemListView::itemAt(const QPoint &pos) const
{
    return rowAt(indexAt(pos));
}

QRect ItemListView::visualItemRect(const funiQListViewItem *row) const
{
    const QModelIndex index = row ? row->index() : QModelIndex();
    if (!index.isValid())
        return QRect();
    const QHeaderView *columns = header();
    const int first = columns->logicalIndexAt(-columns->offset());
    const int last = columns->logicalIndexAt(columns->length() - columns->offset() - 1);
    return visualRect(index.siblingAtColumn(first)) | visualRect(index.siblingAtColumn(last));
}

void ItemListView::setSelected(funiQListViewItem *row, bool selected)
{
    const QModelIndex index = row ? row->index() : QModelIndex();
    if (index.isValid())
        selectionModel()->select(index,
            (selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) | QItemSelectionModel::Rows);
}

int ItemListView::sortColumn() const
{
    return m_model->sortColumn();
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
        m_model->setGroupName(item, name);
}

void ItemListView::ViewAll(bool showall)
{
    if (topLevelItemCount() == 0)
        return;

    if (m_collection) {
        userItemCollection &fields = m_collection->fields();
        for (const auto &[entry, column] : fieldTitleColumns) {
            if (fields.entry(entry).isEmpty())
                continue;
            const QString title = fields.plainEntry(entry);
            setColumnTitle(column, title);
            m_model->setHeaderTitle(column, column <= NameColumn ? tr(title.toUtf8().constData()) : title);
        }
        // Newer databases name the document and model columns too; an
        // empty entry blanks the title.
        const int level = databaseFormatLevel();
        const QString documentTitle = fields.entry(15);
        if (level > 252 && !documentTitle.contains(QLatin1String("COLUMN"), Qt::CaseInsensitive)) {
            setColumnTitle(DocumentColumn, documentTitle);
            m_model->setHeaderTitle(DocumentColumn, documentTitle);
        }
        const QString modelTitle = fields.entry(16);
        if (level > 254 && !modelTitle.contains(QLatin1String("FIELD"), Qt::CaseInsensitive)) {
            setColumnTitle(ModelColumn, modelTitle);
            m_model->setHeaderTitle(ModelColumn, modelTitle);
        }
    }

    if (showall)
        expandAll();
    else
        collapseAll();
}

void ItemListView::itemAddedToCollection(Item *item)
{
    if (m_inBatch) {
        m_lastBatchItem = item;
        AddItem(item, false);
        return;
    }
    AddItem(item, true);
}

void ItemListView::itemChangedInCollection(Item *item)
{
    if (m_waitingForList)
        return;
    // The rows of a batch's changes are made once at its end; one at a time
    // each would move every index the view and the selection hold.
    if (m_inBatch) {
        ++m_batchChanges;
        m_refillAtBatchEnd = true;
        return;
    }
    if (funiQListViewItem *row = rowForItem(item))
        RefreshRow(row, item);
    else
        AddItem(item, true);
}

void ItemListView::itemRemovedFromCollection(Item *item)
{
    if (m_model->groupOfItem(item) >= 0)
        removeRow(handleFor(item));
}

void ItemListView::refillKeepingSelection()
{
    if (!m_collection)
        return;
    const QList<Item *> selected = selectedListItems();
    const QSet<const Item *> chosen(selected.cbegin(), selected.cend());
    FillList(m_collection);
    // The selection again, as one range per run of selected rows.
    QItemSelection selection;
    for (int group = 0; group < m_model->groupCount(); ++group) {
        const std::vector<Item *> &items = m_model->itemsOf(group);
        const QModelIndex parent = m_model->groupIndex(group);
        int first = -1;
        for (int row = 0; row <= int(items.size()); ++row) {
            const bool in = row < int(items.size()) && chosen.contains(items[std::size_t(row)]);
            if (in && first < 0)
                first = row;
            if (!in && first >= 0) {
                selection.select(m_model->index(first, 0, parent), m_model->index(row - 1, 0, parent));
                first = -1;
            }
        }
    }
    m_ignoreSelection = true;
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_ignoreSelection = false;
}

void ItemListView::collectionAboutToClear()
{
    // The items are about to go; keep the group rows, drop every item row.
    const bool hadCurrent = m_currentRow && !m_currentRow->isGroupRow();
    if (hadCurrent)
        m_currentRow = nullptr;
    m_ignoreSelection = true;
    m_model->clearItems();
    dropItemHandles();
    m_ignoreSelection = false;
    if (hadCurrent)
        emit rowSelected(nullptr);
}
