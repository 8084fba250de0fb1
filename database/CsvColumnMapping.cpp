#include "database/CsvColumnMapping.h"

#include "core/ColumnTitles.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/userItemCollection.h"

#include <QCryptographicHash>
#include <QStringView>

#include <array>
#include <initializer_list>

namespace {

using namespace ListColumns;

// The field-names list titles the list's columns in this order.
constexpr std::array<int, ListColumnCount> entryColumns = { GroupColumn, NameColumn, ProductColumn, CountColumn,
    PriceColumn, PriceTodayColumn, PictureColumn, DateColumn, LocationColumn, DescriptionColumn, SupplierColumn,
    AddressColumn, SerialnoColumn, WwwColumn, ReceiptColumn, DocumentColumn, ModelColumn };

// Titles of the columns in Danish, Norwegian and English, in the order of
// the field-names list (entryColumns), separated by "|".
struct EditionTitles
{
    int edition; // NoEdition: the list's initial titles, for every edition
    std::array<const char *, ListColumnCount> titles;
};

// The list's initial titles, and the titles each edition's own databases
// give the fields, in the three languages the program speaks.
const EditionTitles editionTitles[] = {
    { NoEdition,
        { "Gruppe|Group", "Navn|Name", "Fabrikat|Make", "Antal|Antall|Count", "Pris|Price", "Vurd.|Takst|Value",
            "Billede|Bilde|Picture", "Dato|Date", "Rum|Rom|Room", "Beskrivelse|Description", "Leverandør|Supplier",
            "Adresse|Address", "Serie no.|Serienr.|Serial no.", "Www", "Kvitt.|Receipt", "Dok.|Doc.",
            "Produkt model|Produktmodel|Produktmodell|Modell|Model" } },
    { VistrelEdition,
        { "Kategori|Category", "Titel|Tittel|Title", "Kunstner|Artist", "Reg.nr.|Reg. no.", "Vurdering|Takst|Valuation",
            "Salgspris|Sale price", "Billede|Bilde|Picture", "Erhvervet|Anskaffet|Acquired",
            "Placering|Plassering|Location", "Beskrivelse|Description", "Galleri|Gallery", "Signatur|Signature",
            "Værknr.|Verknr.|Work no.", "Www", "Billede 2|Bilde 2|Picture 2", "Dokument|Document",
            "Teknik|Teknikk|Technique" } },
    { NumivaxEdition,
        { "Pålydende|Denomination", "Årstal|Årstall|Year", "Metal|Metall", "Antal|Antall|Count", "Pris|Price",
            "Værdi|Verdi|Value", "Forside|Obverse", "Købt|Kjøpt|Bought", "Land/krone|Land/konge|Country/monarch",
            "Beskrivelse|Description", "Katalog|Catalogue", "Kvalitet|Grade", "Kat.nr.|Cat. no.", "Www",
            "Bagside|Bakside|Reverse", "Dokument|Document", "Variant|Variety" } },
    { QuorvelEdition,
        { "Lagerplads|Lagerplass|Storage place", "Varenavn|Item", "Mærke|Merke|Brand", "Antal|Antall|Quantity",
            "Kostpris|Innkjøpspris|Cost price", "Salgspris|Utsalgspris|Retail price", "Billede|Bilde|Picture",
            "Optalt|Opptalt|Counted", "Varegruppe|Category", "Beskrivelse|Description", "Leverandør|Supplier",
            "EAN-nr.|EAN", "Varenr.|Item no.", "Www", "Faktura|Invoice", "Datablad|Data sheet", "Model|Modell" } },
};

// Names spreadsheets commonly give the fields, after the register's own.
struct CommonName
{
    int field;
    const char *names;
};
const CommonName commonNames[] = {
    { GroupColumn, "Group|Category|Kategori|Gruppe" },
    { NameColumn, "Name|Item|Item name|Title|Navn|Genstand|Gjenstand|Ting" },
    { ProductColumn, "Make|Brand|Manufacturer|Producer|Mærke|Merke|Producent|Produsent" },
    { ModelColumn, "Model|Model number|Product model|Modelnr.|Modellnr." },
    { CountColumn, "Count|Quantity|Qty|Pieces|Amount|Antal|Antall|Stk.|Mængde|Mengde" },
    { PriceColumn, "Price|Purchase price|Cost|Cost price|Paid|Købspris|Pris|Innkjøpspris|Kjøpspris|Kostpris" },
    { PriceTodayColumn,
        "Value|Current value|Estimated value|Estimate|Value today|Replacement value|Vurderet pris|Værdi|"
        "Nypris|Verdi|Takst|Dagens verdi" },
    { PictureColumn, "Picture|Photo|Image|Photo link|Foto|Billede|Bilde" },
    { ReceiptColumn, "Receipt|Invoice|Kvittering|Bon|Faktura" },
    { DateColumn, "Date|Purchase date|Date purchased|Bought|Acquired|Købsdato|Kjøpsdato|Dato|Købt|Kjøpt" },
    { LocationColumn, "Location|Room|Place|Placering|Plassering|Sted|Rum|Rom|Lokation" },
    { DescriptionColumn, "Description|Notes|Note|Comment|Comments|Remarks|Beskrivelse|Note|Noter|Notat|Kommentar" },
    { SupplierColumn, "Supplier|Vendor|Store|Shop|Seller|Dealer|Retailer|Leverandør|Butik|Butikk|Forhandler" },
    { AddressColumn, "Address|Supplier address|Adresse" },
    { SerialnoColumn, "Serial number|Serial no.|Serial no|Serial|S/N|SN|Serienummer|Serienr.|Serienr" },
    { WwwColumn, "Www|Web|Website|Web site|URL|Link|Homepage|Hjemmeside|Nettside" },
    { DocumentColumn, "Document|Documents|Manual|Attachment|Dokument|Dokumenter|Vejledning|Bruksanvisning" },
    { CsvColumns::GroupNumberColumn, "Group number|Group no.|Group no|Gruppenummer|Gruppenr." },
    { CsvColumns::LocationNumberColumn, "Location number|Location no.|Location no|Room number|Rumnummer|Romnummer" },
    { CsvColumns::IsoDateColumn, "ISO date|Date (ISO)|Date ISO|ISO 8601|Date (ISO 8601)" },
};

// Where the names of a home-contents field (the list's initial titles, and
// the common spreadsheet names) lead in each edition: to the field that
// means the same there, or nowhere (-1) where the edition uses the field for
// something else, so that a coin list's "Name" never lands in the coins'
// year. Indexed by the field (CsvColumns order); the home-contents edition
// takes every name as it stands.
using Meanings = std::array<int, CsvColumns::ColumnCount>;
constexpr int none = -1;
constexpr Meanings picturesMeanings = { GroupColumn, NameColumn, none, none, none, none, PriceColumn, PictureColumn,
    none, DateColumn, LocationColumn, DescriptionColumn, SupplierColumn, none, none, WwwColumn, DocumentColumn,
    CsvColumns::GroupNumberColumn, CsvColumns::LocationNumberColumn, CsvColumns::IsoDateColumn };
constexpr Meanings coinsMeanings
    = { none, none, none, none, CountColumn, PriceColumn, PriceTodayColumn, PictureColumn, none, DateColumn, none,
          DescriptionColumn, none, none, none, WwwColumn, DocumentColumn, none, none, CsvColumns::IsoDateColumn };
// The inventory keeps its storage places in the group field and its
// categories in the location field.
constexpr Meanings inventoryMeanings = { LocationColumn, NameColumn, ProductColumn, ModelColumn, CountColumn,
    PriceColumn, none, PictureColumn, ReceiptColumn, none, GroupColumn, DescriptionColumn, SupplierColumn, none, none,
    WwwColumn, DocumentColumn, CsvColumns::LocationNumberColumn, CsvColumns::GroupNumberColumn, none };

int fieldMeaning(int field)
{
    if (field < 0 || field >= CsvColumns::ColumnCount)
        return none;
    switch (edition()) {
    case VistrelEdition:
        return picturesMeanings[std::size_t(field)];
    case NumivaxEdition:
        return coinsMeanings[std::size_t(field)];
    case QuorvelEdition:
        return inventoryMeanings[std::size_t(field)];
    default:
        return field;
    }
}

// A name as compared: no "&", blanks between words made one, no blanks
// around it, lower case.
QString normalized(QStringView name)
{
    QString text = name.toString();
    text.remove(QLatin1Char('&'));
    return text.simplified().toCaseFolded();
}

// One way a field is named, in the order they are looked at.
struct Naming
{
    QString name;
    int field;
};

void addNames(QList<Naming> &namings, int field, QStringView names)
{
    for (const QStringView name : names.tokenize(u'|')) {
        const QString key = normalized(name);
        if (!key.isEmpty())
            namings.append({ key, field });
    }
}

// The number columns of a list field and the ISO column of the date: its
// title followed by one of these endings (the export's "%1 nr." and
// "%1 (ISO 8601)", and the other languages' words for them).
const std::initializer_list<const char *> numberEndings = { " nr.", " nr", " no.", " no", " number", " #" };
const std::initializer_list<const char *> isoEndings = { " (iso 8601)", " (iso)", " iso 8601", " iso" };

int extraFieldOf(const QString &name, const QList<Naming> &namings)
{
    const auto base = [&](const std::initializer_list<const char *> &endings) -> int {
        for (const char *ending : endings) {
            const QLatin1StringView end(ending);
            if (!name.endsWith(end) || name.size() == end.size())
                continue;
            const QString stem = name.left(name.size() - end.size()).trimmed();
            for (const Naming &naming : namings) {
                if (naming.name == stem)
                    return naming.field;
            }
        }
        return -1;
    };
    const int numbered = base(numberEndings);
    if (numbered == GroupColumn)
        return CsvColumns::GroupNumberColumn;
    if (numbered == LocationColumn)
        return CsvColumns::LocationNumberColumn;
    if (base(isoEndings) == DateColumn)
        return CsvColumns::IsoDateColumn;
    return -1;
}

// The edition's own names of the fields first (the list's titles now, the
// edition's titles, the database's field names), then the home-contents
// names where they mean the same field in this edition.
QList<Naming> namingsFor(const userItemCollection &fieldNames)
{
    QList<Naming> namings;
    const QStringList now = CsvColumns::titles();
    for (int field = 0; field < now.size() && field < CsvColumns::ColumnCount; ++field)
        addNames(namings, field, now.at(field));
    const auto addEditionTitles = [&](int which, bool generic) {
        for (const EditionTitles &titles : editionTitles) {
            if (titles.edition != which)
                continue;
            for (int entry = 0; entry < ListColumnCount; ++entry) {
                const int field = entryColumns[std::size_t(entry)];
                const int target = generic ? fieldMeaning(field) : field;
                if (target >= 0)
                    addNames(namings, target, QString::fromUtf8(titles.titles[std::size_t(entry)]));
            }
        }
    };
    if (edition() != NoEdition)
        addEditionTitles(edition(), false);
    for (int entry = 0; entry < ListColumnCount && entry < fieldNames.size(); ++entry)
        addNames(namings, entryColumns[std::size_t(entry)], fieldNames.entry(entry));
    for (int field = 0; field < ListColumnCount; ++field)
        if (const int target = fieldMeaning(field); target >= 0)
            addNames(namings, target, initialColumnTitle(field));
    addEditionTitles(NoEdition, true);
    for (const CommonName &common : commonNames)
        if (const int target = fieldMeaning(common.field); target >= 0)
            addNames(namings, target, QString::fromUtf8(common.names));
    return namings;
}

QString settingsKey(const QStringList &header)
{
    const QByteArray bytes = header.join(QChar(0x1f)).toUtf8();
    return QStringLiteral("Csv/Mappings/")
        + QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex());
}

} // namespace

CsvColumnMapping::CsvColumnMapping()
    : m_columns(CsvColumns::ColumnCount, NotPresent)
{ }

CsvColumnMapping CsvColumnMapping::guess(const QStringList &header, const userItemCollection &fieldNames)
{
    const QList<Naming> namings = namingsFor(fieldNames);
    CsvColumnMapping mapping;
    for (int column = 0; column < header.size(); ++column) {
        const QString name = normalized(header.at(column));
        if (name.isEmpty())
            continue;
        // The first naming of a field that has no column yet; a title with a
        // number or ISO ending names an extra column before anything else,
        // so that "Rum nr." never passes for the room itself.
        const int extra = extraFieldOf(name, namings);
        if (extra >= 0 && mapping.column(extra) == NotPresent) {
            mapping.setColumn(extra, column);
            continue;
        }
        for (const Naming &naming : namings) {
            if (naming.name == name && mapping.column(naming.field) == NotPresent) {
                mapping.setColumn(naming.field, column);
                break;
            }
        }
    }
    return mapping;
}

CsvColumnMapping CsvColumnMapping::inExportOrder(int columnCount)
{
    CsvColumnMapping mapping;
    for (int field = 0; field < CsvColumns::ColumnCount && field < columnCount; ++field)
        mapping.setColumn(field, field);
    return mapping;
}

int CsvColumnMapping::column(int field) const
{
    if (field < 0 || field >= m_columns.size())
        return NotPresent;
    return m_columns.at(field);
}

void CsvColumnMapping::setColumn(int field, int column)
{
    if (field < 0 || field >= m_columns.size())
        return;
    m_columns[field] = column < 0 ? NotPresent : column;
}

bool CsvColumnMapping::isEmpty() const
{
    for (const int column : m_columns) {
        if (column != NotPresent)
            return false;
    }
    return true;
}

CsvColumnMapping CsvColumnMapping::remembered(const QStringList &header, const userItemCollection &fieldNames)
{
    const Settings settings;
    const QStringList kept = settings.value(settingsKey(header)).toString().split(QLatin1Char(','));
    if (kept.size() != CsvColumns::ColumnCount)
        return guess(header, fieldNames);
    CsvColumnMapping mapping;
    for (int field = 0; field < CsvColumns::ColumnCount; ++field) {
        bool ok = false;
        const int column = kept.at(field).toInt(&ok);
        // A kept mapping that does not fit the header was not made for it.
        if (!ok || column < NotPresent || column >= header.size())
            return guess(header, fieldNames);
        mapping.setColumn(field, column);
    }
    return mapping;
}

void CsvColumnMapping::remember(const QStringList &header) const
{
    QStringList kept;
    for (const int column : m_columns)
        kept << QString::number(column);
    Settings settings;
    settings.setValue(settingsKey(header), kept.join(QLatin1Char(',')));
}
