#include "database/ItemExport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "core/ColumnTitles.h"
#include "core/Edition.h"
#include "core/PrintSettings.h"
#include "core/ProgressScope.h"
#include "database/AsyncBlockWriter.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "database/SaveTarget.h"
#include "database/StoredText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>

namespace {

// Texts are converted in pieces of this many UTF-16 units, so that one piece
// always fits the buffer whatever it holds.
constexpr qsizetype textPiece = 4096;
// The most bytes one UTF-16 unit can become ("&quot;").
constexpr qsizetype maxBytesPerUnit = 6;

// The Latin-1 bytes a text is written with other bytes for: a line end (as
// CR LF), the characters of markup (as entities) and the control characters
// that XML does not allow.
struct MarkupBytes
{
    std::array<bool, 256> special {};
    constexpr MarkupBytes()
    {
        for (const char c : { '\n', '&', '<', '>', '"', '\'' })
            special[static_cast<unsigned char>(c)] = true;
        for (char32_t c = 0; c < 0x20; ++c)
            special[c] = special[c] || StoredText::isXmlForbidden(c);
    }
};
constexpr MarkupBytes markupBytes;

// A control character XML does not allow cannot be written even as a
// character reference, and a file holding one is unreadable for every XML
// reader: it is written as "?", as a character Latin-1 cannot hold is, so
// that the page still shows that something stood there.
constexpr char unwritable = '?';

// The longest number text: a double in fixed notation (up to 309 digits).
constexpr qsizetype maxNumberBytes = 400;

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

// ---------------------------------------------------------------------------
// The file and its buffer

bool ItemExport::open(const QString &fileName)
{
    m_errorString.clear();
    m_failed = false;
    m_used = 0;
    // Written beside the older file of that name, which it replaces only
    // once it is whole: an export that fails on the way (a full disk) leaves
    // the older export as it was, and no half page.
    m_file = std::make_unique<SaveTarget>(fileName);
    if (!m_file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        m_errorString = m_file->errorString();
        m_file.reset();
        return false;
    }
    if (!m_buffer) {
        m_buffer = std::make_unique<char[]>(std::size_t(bufferSize));
        m_spare = std::make_unique<char[]>(std::size_t(bufferSize));
    }
    m_writer = std::make_unique<AsyncBlockWriter>(m_file->device());
    m_titles = visibleTitles();
    m_currentFolder = QDir::currentPath();
    return true;
}

bool ItemExport::finish()
{
    flush();
    if (!m_writer->wait())
        m_failed = true;
    m_writer.reset();
    if (m_failed) {
        m_errorString
            = m_file->writeFailure(QCoreApplication::translate("DBItemCollection", "Filen kunne ikke skrives."));
        m_file->cancel();
    } else if (!m_file->commit()) {
        m_failed = true;
        m_errorString = m_file->errorString();
    }
    m_file.reset();
    return !m_failed;
}

void ItemExport::flush()
{
    // The full buffer goes to the file on a thread of its own while the
    // other one is filled.
    if (m_used > 0 && !m_failed) {
        if (m_writer->write(m_buffer.get(), m_used))
            std::swap(m_buffer, m_spare);
        else
            m_failed = true;
    }
    m_used = 0;
}

void ItemExport::put(std::string_view ascii)
{
    reserve(qsizetype(ascii.size()) * 2);
    char *out = m_buffer.get() + m_used;
    while (!ascii.empty()) {
        const auto lineEnd = ascii.find('\n');
        const std::size_t length = lineEnd == std::string_view::npos ? ascii.size() : lineEnd;
        std::memcpy(out, ascii.data(), length);
        out += length;
        if (lineEnd == std::string_view::npos)
            break;
        *out++ = '\r';
        *out++ = '\n';
        ascii.remove_prefix(length + 1);
    }
    m_used = out - m_buffer.get();
}

void ItemExport::putText(QStringView text)
{
    while (!text.isEmpty()) {
        qsizetype take = std::min(text.size(), textPiece);
        // A surrogate pair stays in one piece: it is one character, one "?".
        if (take < text.size() && text.at(take - 1).isHighSurrogate())
            --take;
        reserve(take * maxBytesPerUnit);
        char *out = m_buffer.get() + m_used;
        const char16_t *in = text.utf16();
        const char16_t *end = in + take;
        for (; in < end; ++in) {
            const char16_t c = *in;
            if (c >= 0x100) {
                if (QChar::isHighSurrogate(c) && in + 1 < end && QChar::isLowSurrogate(in[1]))
                    ++in;
                *out++ = unwritable;
                continue;
            }
            switch (c) {
            case u'\n':
                *out++ = '\r';
                *out++ = '\n';
                continue;
            case u'&':
                std::memcpy(out, "&amp;", 5);
                out += 5;
                continue;
            case u'<':
                std::memcpy(out, "&lt;", 4);
                out += 4;
                continue;
            case u'>':
                std::memcpy(out, "&gt;", 4);
                out += 4;
                continue;
            case u'"':
                std::memcpy(out, "&quot;", 6);
                out += 6;
                continue;
            case u'\'':
                std::memcpy(out, "&apos;", 6);
                out += 6;
                continue;
            default:
                break;
            }
            *out++ = StoredText::isXmlForbidden(c) ? unwritable : char(c);
        }
        m_used = out - m_buffer.get();
        text = text.mid(take);
    }
}

void ItemExport::putText(const Item &item, Item::Text which)
{
    const QByteArrayView bytes = item.textBytes(which);
    if (!item.textsAreLatin1() || bytes.size() > textPiece) {
        putText(item.text(which));
        return;
    }
    // The texts are Latin-1 already: runs of plain bytes are copied whole,
    // and only a line end, a character that markup would take or a control
    // character XML does not allow is changed.
    reserve(bytes.size() * maxBytesPerUnit);
    char *out = m_buffer.get() + m_used;
    const char *in = bytes.data();
    const char *end = in + bytes.size();
    const auto &special = markupBytes.special;
    while (in < end) {
        const char *run = in;
        while (in < end && !special[static_cast<unsigned char>(*in)])
            ++in;
        if (in > run) {
            std::memcpy(out, run, std::size_t(in - run));
            out += in - run;
        }
        if (in == end)
            break;
        std::string_view replacement = std::string_view(&unwritable, 1);
        switch (*in++) {
        case '\n':
            replacement = "\r\n";
            break;
        case '&':
            replacement = "&amp;";
            break;
        case '<':
            replacement = "&lt;";
            break;
        case '>':
            replacement = "&gt;";
            break;
        case '"':
            replacement = "&quot;";
            break;
        case '\'':
            replacement = "&apos;";
            break;
        default:
            break;
        }
        std::memcpy(out, replacement.data(), replacement.size());
        out += replacement.size();
    }
    m_used = out - m_buffer.get();
}

void ItemExport::putNumber(double value)
{
    reserve(maxNumberBytes);
    char *out = m_buffer.get() + m_used;
    const auto result = std::to_chars(out, out + maxNumberBytes, value, std::chars_format::fixed, 1);
    m_used = result.ptr - m_buffer.get();
}

void ItemExport::putInteger(int value)
{
    reserve(16);
    char *out = m_buffer.get() + m_used;
    const auto result = std::to_chars(out, out + 16, value);
    m_used = result.ptr - m_buffer.get();
}

void ItemExport::putListName(const QStringList &list, int index)
{
    // A number the list does not reach is written as itself.
    if (index >= 0 && index < list.size())
        putText(list.at(index));
    else
        putInteger(index);
}

void ItemExport::putAbsolutePath(const QString &link)
{
    if (QDir::isAbsolutePath(link))
        putText(link);
    else
        putText(QDir(m_currentFolder).absoluteFilePath(link));
}

// ---------------------------------------------------------------------------
// The item block of the XML file and the HTML lists

void ItemExport::putPicture(const QString &link, std::string_view pictureText)
{
    put("<img src=\"");
    putAbsolutePath(link);
    put("\" ALT=\"");
    put(pictureText);
    put("\"><BR>");
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
            putRaw(markup);
            putElementValue(item, id);
        }
        putRaw(m_plainEnd);
        return;
    }

    putRaw("<Item>\r\n");
    for (int id = 0; id < ElementCount; ++id) {
        const Element &element = elements[id];
        if (special && element.special)
            continue;
        if (id == PictureElement && !item.textBytes(Item::PhotolinkText).isEmpty())
            putPicture(item.photolink(), "1. Image");
        else if (id == ReceiptElement && !item.textBytes(Item::ReceiptText).isEmpty())
            putPicture(item.receipt(), "2. Image");
        put("<b>");
        putText(m_titles.at(element.column));
        put("</b>: ");
        putRaw(element.open);
        putElementValue(item, id);
        if (separators)
            putRaw("; ");
        if (lineBreaks)
            putRaw("<BR>");
        putRaw(element.close);
    }
    putRaw("</Item>\r\n");
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
        putText(item, Item::NameText);
        break;
    case ProductElement:
        putText(item, Item::ProductText);
        break;
    case ModelElement:
        putText(item, Item::ProductModelText);
        break;
    case PriceElement:
        putNumber(item.price());
        break;
    case PriceTodayElement:
        putNumber(item.priceToday());
        break;
    // A date is text like any other: one holding markup stays text.
    case DateElement:
        putText(item, Item::DateText);
        break;
    case SupplierElement:
        putText(item, Item::SupplierText);
        break;
    case SerialNumberElement:
        putText(item, Item::SerialnoText);
        break;
    case DescriptionElement:
        putText(item, Item::DescriptionText);
        break;
    case FreeInfoElement:
        putText(item, Item::AddressText);
        break;
    case NumberOfItemsElement:
        putInteger(item.numberOfItems());
        break;
    case LocationElement:
        putListName(locations, item.location());
        break;
    case WwwElement:
        putText(item, Item::WwwText);
        break;
    case DocumentElement:
        putText(item, Item::DocumentText);
        break;
    case PictureElement:
        putText(item, Item::PhotolinkText);
        break;
    case ReceiptElement:
        putText(item, Item::ReceiptText);
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------------------
// The HTML table

void ItemExport::putTableHead(const PrintSettingsSnapshot &settings)
{
    put("<table frame=\"border\" >\n<thead>\n<tr>\n");
    for (int field = 0; field < PrintFields::FieldCount; ++field) {
        if (!settings.prints(PrintFields::Field(field)))
            continue;
        put("<th>");
        if (field == PrintFields::ItemCount)
            put("No");
        else
            putText(m_titles.at(printColumns[field]));
        putRaw("</th>\r\n");
    }
    put("</tr>\n</thead>\n");
}

void ItemExport::putPictureCell(const QString &link, const QString &title)
{
    put("\t<td>\n");
    if (!link.isEmpty()) {
        put("\t\t<img width=\"64\" height=\"64\" src=\"");
        putAbsolutePath(link);
        put("\" ALT=\"");
        putText(title);
        put("\">\n");
    }
    put("\t</td>\n");
}

void ItemExport::putTableRow(const Item &item, int position, const PrintSettingsSnapshot &settings)
{
    // With both filters an item of the group or of the location is shown.
    if (settings.printGroupOnly) {
        if (item.group() != settings.groupToPrint
            && !(settings.printLocationOnly && item.location() == settings.locationToPrint))
            return;
    } else if (settings.printLocationOnly && item.location() != settings.locationToPrint) {
        return;
    }

    const QStringList &groups = m_collection.groups().entries();
    const QStringList &locations = m_collection.locations().entries();
    put("<tr>\n");
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
        putRaw(number ? rightCellOpen : cellOpen);
        switch (field) {
        case PrintFields::ItemCount:
            putInteger(position);
            break;
        case PrintFields::Group:
            putListName(groups, item.group());
            break;
        case PrintFields::Name:
            putText(item, Item::NameText);
            break;
        case PrintFields::Model:
            putText(item, Item::ProductText);
            break;
        case PrintFields::ProductType:
            putText(item, Item::ProductModelText);
            break;
        case PrintFields::Count:
            putInteger(item.numberOfItems());
            break;
        case PrintFields::Price:
            putNumber(item.price());
            break;
        case PrintFields::PriceToday:
            putNumber(item.priceToday());
            break;
        case PrintFields::Date:
            putText(item, Item::DateText);
            break;
        case PrintFields::Location:
            putListName(locations, item.location());
            break;
        case PrintFields::Describe:
            putText(item, Item::DescriptionText);
            break;
        case PrintFields::Supplier:
            putText(item, Item::SupplierText);
            break;
        case PrintFields::Address:
            putText(item, Item::AddressText);
            break;
        case PrintFields::SerialNumber:
            putText(item, Item::SerialnoText);
            break;
        case PrintFields::Www:
            putText(item, Item::WwwText);
            break;
        case PrintFields::Document:
            putText(item, Item::DocumentText);
            break;
        default:
            break;
        }
        putRaw(cellClose);
    }
    putRaw("</tr>\r\n");
}

// ---------------------------------------------------------------------------
// The two files

bool ItemExport::writeXml(const QString &fileName)
{
    if (!open(fileName))
        return false;
    put("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<Items>\n");
    sort(DBItemCollection::ByGroup);
    const ItemSpan items = m_collection.items();
    ProgressScope progress(exportingText(), items.size());
    for (qsizetype i = 0; i < items.size(); ++i) {
        Item::prefetchAhead(items, i);
        putItemBlock(*items.at(i), 0);
        progress.advance(i);
    }
    putRaw("</Items>\r\n");
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
    put("<html xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\">\n<head>"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\" /><title>");
    putText(editionName());
    put("</title></head>\n<body>\n");
    if (withHeading && !specialCases) {
        put("<h2>");
        putText(fileName);
        put("</h2>\n<h3>");
        putText(QCoreApplication::translate("DBItemCollection", "ITEM_COUNT"));
        for (const Element &element : elements) {
            putText(m_titles.at(element.column));
            put(";");
        }
        put("</h3>\n");
    }

    // The table's columns, filters and sort are the print settings of this moment.
    std::unique_ptr<PrintSettingsSnapshot> settings;
    if (asTable) {
        settings = std::make_unique<PrintSettingsSnapshot>();
        putTableHead(*settings);
    } else {
        put("<Items>\n");
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
            put("<p>\n");
            putInteger(++number);
            put("; ");
            putItemBlock(*item, options);
            putRaw("</p>\r\n");
            progress.advance(i);
        }
    }

    putRaw(asTable ? "</table>\r\n" : "</Items>\r\n");
    put("</body>\n</html>\n");
    return finish();
}
