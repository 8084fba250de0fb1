#include "database/ItemExport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "core/ColumnTitles.h"
#include "core/Edition.h"
#include "core/PrintSettings.h"
#include "core/ProgressScope.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"

#include <algorithm>
#include <memory>

namespace {

// The texts written for every item carry their CR LF already (putRaw).

// A cell of the table: its value stands on a line of its own.
constexpr std::string_view cellOpen = "\t<td>\r\n\t\t";
constexpr std::string_view rightCellOpen = "\t<td align=\"right\">\r\n\t\t";
constexpr std::string_view cellClose = "\r\n\t</td>\r\n";

// The list's columns, as the item block and the table name them.
using ListColumns::Column;
using enum ListColumns::Column;

// The elements of the item block, in the order they are written.
enum ElementId {
    GroupElement,
    NameElement,
    ProductElement,
    ModelElement,
    PriceElement,
    PriceTodayElement,
    DateElement,
    SupplierElement,
    SerialNumberElement,
    DescriptionElement,
    FreeInfoElement,
    NumberOfItemsElement,
    LocationElement,
    WwwElement,
    DocumentElement,
    PictureElement,
    ReceiptElement,
    ElementCount
};

struct Element
{
    std::string_view open;
    std::string_view close;
    Column column;
    bool special; // left out on the special-cases page
};

constexpr Element elements[ElementCount] = {
    { "<Group>", "</Group>\r\n", GroupColumn, false },
    { "<Name>", "</Name>\r\n", NameColumn, false },
    { "<Product>", "</Product>\r\n", ProductColumn, false },
    { "<Model>", "</Model>\r\n", ModelColumn, false },
    { "<Price>", "</Price>\r\n", PriceColumn, true },
    { "<PriceToday >", "</PriceToday>\r\n", PriceTodayColumn, true },
    { "<Date>", "</Date>\r\n", DateColumn, true },
    { "<Supplier>", "</Supplier>\r\n", SupplierColumn, false },
    { "<SerialNumber>", "</SerialNumber>\r\n", SerialnoColumn, false },
    { "<Description>", "</Description>\r\n", DescriptionColumn, true },
    { "<FreeInfo>", "</FreeInfo>\r\n", AddressColumn, true },
    { "<NumberOfItems>", "</NumberOfItems>\r\n", CountColumn, true },
    { "<Location>", "</Location>\r\n", LocationColumn, false },
    { "<WwwLink>", "</WwwLink>\r\n", WwwColumn, true },
    { "<DocumentLink>", "</DocumentLink>\r\n", DocumentColumn, true },
    { "<PictureLink>", "</PictureLink>\r\n", PictureColumn, true },
    { "<ReceiptLink>", "</ReceiptLink>\r\n", ReceiptColumn, true },
};

// The list column of each print field (the running number has none).
constexpr int printColumns[PrintFields::FieldCount] = {
    -1,
    GroupColumn,
    NameColumn,
    ProductColumn,
    ModelColumn,
    CountColumn,
    PriceColumn,
    PriceTodayColumn,
    PictureColumn,
    DateColumn,
    LocationColumn,
    DescriptionColumn,
    SupplierColumn,
    AddressColumn,
    SerialnoColumn,
    WwwColumn,
    ReceiptColumn,
    DocumentColumn,
};

QStringList visibleTitles()
{
    QStringList titles = columnTitles();
    // The list shows its first two titles translated.
    for (int column : { GroupColumn, NameColumn })
        titles[column] = QCoreApplication::translate("ItemListView", titles.at(column).toUtf8().constData());
    return titles;
}

QString exportingText()
{
    return QCoreApplication::translate("DBItemCollection", "Eksporterer");
}

} // namespace

ItemExport::ItemExport(DBItemCollection &collection)
    : m_collection(collection)
{ }

ItemExport::~ItemExport() = default;

QString ItemExport::outputFolder()
{
    const QString appData = qEnvironmentVariable("AppData");
    return appData.isEmpty() ? lastDbDir() : appData;
}

QString ItemExport::outputFilePath(const QString &baseName, const QString &suffix)
{
    const QString path = QDir::cleanPath(outputFolder() + QLatin1Char('/') + baseName + suffix);
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

void ItemExport::sort(int method)
{
    // The collection sorts only a register that is not in that order yet.
    m_collection.sort(method);
}

bool ItemExport::open(const QString &fileName)
{
    if (!m_out.open(fileName))
        return false;
    m_titles = visibleTitles();
    m_currentFolder = QDir::currentPath();
    return true;
}

bool ItemExport::finish()
{
    return m_out.finish();
}

// ---------------------------------------------------------------------------
// The texts of a block

void ItemExport::putListName(const QStringList &list, int index)
{
    // A number the list does not reach is written as itself.
    if (index >= 0 && index < list.size())
        m_out.putText(list.at(index));
    else
        m_out.putInteger(index);
}

void ItemExport::putAbsolutePath(const QString &link)
{
    if (QDir::isAbsolutePath(link))
        m_out.putText(link);
    else
        m_out.putText(QDir(m_currentFolder).absoluteFilePath(link));
}

// ---------------------------------------------------------------------------
// The item block of the XML file and the HTML lists

void ItemExport::putPicture(const QString &link, std::string_view pictureText)
{
    m_out.put("<img src=\"");
    putAbsolutePath(link);
    m_out.put("\" ALT=\"");
    m_out.put(pictureText);
    m_out.put("\"><BR>");
}

void ItemExport::putItemBlock(const Item &item, int options)
{
    const bool labels = options & Labels;
    const bool separators = options & Separators;
    const bool lineBreaks = options & LineBreaks;
    const bool special = options & SpecialSubset;

    if (!labels) {
        // The block of every item of a list: the markup between two values
        // is the same for every item, made once and written in one piece.
        if (m_plainOptions != options) {
            m_plainOptions = options;
            m_plainSteps.clear();
            std::string before = "<Item>\r\n";
            for (int id = 0; id < ElementCount; ++id) {
                const Element &element = elements[id];
                if (special && element.special)
                    continue;
                before += element.open;
                m_plainSteps.emplace_back(id, before);
                before.clear();
                if (separators)
                    before += "; ";
                if (lineBreaks)
                    before += "<BR>";
                before += element.close;
            }
            m_plainEnd = before + "</Item>\r\n";
        }
        for (const auto &[id, markup] : m_plainSteps) {
            m_out.putRaw(markup);
            putElementValue(item, id);
        }
        m_out.putRaw(m_plainEnd);
        return;
    }

    m_out.putRaw("<Item>\r\n");
    for (int id = 0; id < ElementCount; ++id) {
        const Element &element = elements[id];
        if (special && element.special)
            continue;
        if (id == PictureElement && !item.textBytes(Item::PhotolinkText).isEmpty())
            putPicture(item.photolink(), "1. Image");
        else if (id == ReceiptElement && !item.textBytes(Item::ReceiptText).isEmpty())
            putPicture(item.receipt(), "2. Image");
        m_out.put("<b>");
        m_out.putText(m_titles.at(element.column));
        m_out.put("</b>: ");
        m_out.putRaw(element.open);
        putElementValue(item, id);
        if (separators)
            m_out.putRaw("; ");
        if (lineBreaks)
            m_out.putRaw("<BR>");
        m_out.putRaw(element.close);
    }
    m_out.putRaw("</Item>\r\n");
}

void ItemExport::putElementValue(const Item &item, int id)
{
    const QStringList &groups = m_collection.groups().entries();
    const QStringList &locations = m_collection.locations().entries();
    switch (id) {
    case GroupElement:
        putListName(groups, item.group());
        break;
    case NameElement:
        m_out.putText(item, Item::NameText);
        break;
    case ProductElement:
        m_out.putText(item, Item::ProductText);
        break;
    case ModelElement:
        m_out.putText(item, Item::ProductModelText);
        break;
    case PriceElement:
        m_out.putNumber(item.price());
        break;
    case PriceTodayElement:
        m_out.putNumber(item.priceToday());
        break;
    // A date is text like any other: one holding markup stays text.
    case DateElement:
        m_out.putText(item, Item::DateText);
        break;
    case SupplierElement:
        m_out.putText(item, Item::SupplierText);
        break;
    case SerialNumberElement:
        m_out.putText(item, Item::SerialnoText);
        break;
    case DescriptionElement:
        m_out.putText(item, Item::DescriptionText);
        break;
    case FreeInfoElement:
        m_out.putText(item, Item::AddressText);
        break;
    case NumberOfItemsElement:
        m_out.putInteger(item.numberOfItems());
        break;
    case LocationElement:
        putListName(locations, item.location());
        break;
    case WwwElement:
        m_out.putText(item, Item::WwwText);
        break;
    case DocumentElement:
        m_out.putText(item, Item::DocumentText);
        break;
    case PictureElement:
        m_out.putText(item, Item::PhotolinkText);
        break;
    case ReceiptElement:
        m_out.putText(item, Item::ReceiptText);
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------------------
// The HTML table

void ItemExport::putTableHead(const PrintSettingsSnapshot &settings)
{
    m_out.put("<table frame=\"border\" >\n<thead>\n<tr>\n");
    for (int field = 0; field < PrintFields::FieldCount; ++field) {
        if (!settings.prints(PrintFields::Field(field)))
            continue;
        m_out.put("<th>");
        if (field == PrintFields::ItemCount)
            m_out.put("No");
        else
            m_out.putText(m_titles.at(printColumns[field]));
        m_out.putRaw("</th>\r\n");
    }
    m_out.put("</tr>\n</thead>\n");
}

void ItemExport::putPictureCell(const QString &link, const QString &title)
{
    m_out.put("\t<td>\n");
    if (!link.isEmpty()) {
        m_out.put("\t\t<img width=\"64\" height=\"64\" src=\"");
        putAbsolutePath(link);
        m_out.put("\" ALT=\"");
        m_out.putText(title);
        m_out.put("\">\n");
    }
    m_out.put("\t</td>\n");
}

void ItemExport::putTableRow(const Item &item, int position, const PrintSettingsSnapshot &settings)
{
    if (!settings.shows(item.group(), item.location()))
        return;

    const QStringList &groups = m_collection.groups().entries();
    const QStringList &locations = m_collection.locations().entries();
    m_out.put("<tr>\n");
    for (int field = 0; field < PrintFields::FieldCount; ++field) {
        if (!settings.prints(PrintFields::Field(field)))
            continue;
        if (field == PrintFields::Picture || field == PrintFields::Receipt) {
            const bool picture = field == PrintFields::Picture;
            putPictureCell(
                picture ? item.photolink() : item.receipt(), m_titles.at(picture ? PictureColumn : ReceiptColumn));
            continue;
        }
        const bool number
            = field == PrintFields::Count || field == PrintFields::Price || field == PrintFields::PriceToday;
        m_out.putRaw(number ? rightCellOpen : cellOpen);
        switch (field) {
        case PrintFields::ItemCount:
            m_out.putInteger(position);
            break;
        case PrintFields::Group:
            putListName(groups, item.group());
            break;
        case PrintFields::Name:
            m_out.putText(item, Item::NameText);
            break;
        case PrintFields::Model:
            m_out.putText(item, Item::ProductText);
            break;
        case PrintFields::ProductType:
            m_out.putText(item, Item::ProductModelText);
            break;
        case PrintFields::Count:
            m_out.putInteger(item.numberOfItems());
            break;
        case PrintFields::Price:
            m_out.putNumber(item.price());
            break;
        case PrintFields::PriceToday:
            m_out.putNumber(item.priceToday());
            break;
        case PrintFields::Date:
            m_out.putText(item, Item::DateText);
            break;
        case PrintFields::Location:
            putListName(locations, item.location());
            break;
        case PrintFields::Describe:
            m_out.putText(item, Item::DescriptionText);
            break;
        case PrintFields::Supplier:
            m_out.putText(item, Item::SupplierText);
            break;
        case PrintFields::Address:
            m_out.putText(item, Item::AddressText);
            break;
        case PrintFields::SerialNumber:
            m_out.putText(item, Item::SerialnoText);
            break;
        case PrintFields::Www:
            m_out.putText(item, Item::WwwText);
            break;
        case PrintFields::Document:
            m_out.putText(item, Item::DocumentText);
            break;
        default:
            break;
        }
        m_out.putRaw(cellClose);
    }
    m_out.putRaw("</tr>\r\n");
}

// ---------------------------------------------------------------------------
// The two files

bool ItemExport::writeXml(const QString &fileName)
{
    if (!open(fileName))
        return false;
    m_out.put("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<Items>\n");
    sort(DBItemCollection::ByGroup);
    const ItemSpan items = m_collection.items();
    ProgressScope progress(exportingText(), items.size());
    for (qsizetype i = 0; i < items.size(); ++i) {
        Item::prefetchAhead(items, i);
        putItemBlock(*items.at(i), 0);
        progress.advance(i);
    }
    m_out.putRaw("</Items>\r\n");
    return finish();
}

bool ItemExport::writeHtml(
    const QString &fileName, bool withHeading, const Item *singleItem, bool specialCases, bool asTable)
{
    if (!open(fileName))
        return false;
    // Every text on the page is escaped, the ones the program writes itself
    // too: the column titles come from the database's field-names list and
    // the file name is the user's.
    m_out.put("<html xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\">\n<head>"
              "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\" /><title>");
    m_out.putText(editionName());
    m_out.put("</title></head>\n<body>\n");
    if (withHeading && !specialCases) {
        m_out.put("<h2>");
        m_out.putText(fileName);
        m_out.put("</h2>\n<h3>");
        m_out.putText(QCoreApplication::translate("DBItemCollection", "ITEM_COUNT"));
        for (const Element &element : elements) {
            m_out.putText(m_titles.at(element.column));
            m_out.put(";");
        }
        m_out.put("</h3>\n");
    }

    // The table's columns, filters and sort are the print settings of this moment.
    std::unique_ptr<PrintSettingsSnapshot> settings;
    if (asTable) {
        settings = std::make_unique<PrintSettingsSnapshot>();
        putTableHead(*settings);
    } else {
        m_out.put("<Items>\n");
    }

    sort(DBItemCollection::ByGroup);
    ProgressScope progress(exportingText(), m_collection.count());
    if (singleItem) {
        putItemBlock(*singleItem, Labels | LineBreaks);
    } else if (asTable) {
        if (settings->sortMethod != DBItemCollection::ByGroup)
            sort(settings->sortMethod);
        const ItemSpan items = m_collection.items();
        for (qsizetype i = 0; i < items.size(); ++i) {
            Item::prefetchAhead(items, i);
            putTableRow(*items.at(i), int(i), *settings);
            progress.advance(i);
        }
    } else {
        const int options = specialCases ? Separators | SpecialSubset : Separators;
        const ItemSpan items = m_collection.items();
        int number = 0;
        for (qsizetype i = 0; i < items.size(); ++i) {
            Item::prefetchAhead(items, i);
            const Item *item = items.at(i);
            if (specialCases && item->priceToday() != 0.0)
                continue;
            m_out.put("<p>\n");
            m_out.putInteger(++number);
            m_out.put("; ");
            putItemBlock(*item, options);
            m_out.putRaw("</p>\r\n");
            progress.advance(i);
        }
    }

    m_out.putRaw(asTable ? "</table>\r\n" : "</Items>\r\n");
    m_out.put("</body>\n</html>\n");
    return finish();
}
