#include "database/CsvImporter.h"

#include "core/ColumnTitles.h"
#include "core/Edition.h"
#include "core/ProgressScope.h"
#include "database/CollectionStep.h"
#include "database/CsvColumns.h"
#include "database/CsvReader.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "database/ItemRules.h"
#include "database/StorageCheck.h"
#include "database/StoredText.h"

#include <QDate>
#include <QHash>
#include <QIODevice>
#include <QSet>

#include <algorithm>
#include <array>
#include <charconv>

namespace {

using namespace ListColumns;

// The register's text fields and the item text each fills.
struct TextField
{
    int field;
    Item::Text text;
};
constexpr std::array<TextField, 11> textFields { {
    { NameColumn, Item::NameText },
    { ProductColumn, Item::ProductText },
    { ModelColumn, Item::ProductModelText },
    { PictureColumn, Item::PhotolinkText },
    { ReceiptColumn, Item::ReceiptText },
    { DescriptionColumn, Item::DescriptionText },
    { SupplierColumn, Item::SupplierText },
    { AddressColumn, Item::AddressText },
    { SerialnoColumn, Item::SerialnoText },
    { WwwColumn, Item::WwwText },
    { DocumentColumn, Item::DocumentText },
} };

bool isTextField(int field)
{
    return std::any_of(textFields.begin(), textFields.end(), [field](const TextField &t) { return t.field == field; })
        || field == GroupColumn || field == LocationColumn;
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// A date as the register keeps it, dd.mm.yyyy, that is a day of the
// calendar.
QDate registerDate(QStringView text)
{
    if (text.size() != 10 || text[2] != u'.' || text[5] != u'.')
        return QDate();
    for (const qsizetype i : { 0, 1, 3, 4, 6, 7, 8, 9 }) {
        if (!isDigit(text[i]))
            return QDate();
    }
    return QDate(text.sliced(6, 4).toInt(), text.sliced(3, 2).toInt(), text.sliced(0, 2).toInt());
}

// An ISO 8601 calendar date, yyyy-mm-dd.
QDate isoDate(QStringView text)
{
    if (text.size() != 10 || text[4] != u'-' || text[7] != u'-')
        return QDate();
    for (const qsizetype i : { 0, 1, 2, 3, 5, 6, 8, 9 }) {
        if (!isDigit(text[i]))
            return QDate();
    }
    return QDate(text.sliced(0, 4).toInt(), text.sliced(5, 2).toInt(), text.sliced(8, 2).toInt());
}

enum class PriceReading { Empty, Read, NotANumber, Ambiguous, OutOfRange };

// Whether a number with one decimal mark at mark could as well be a whole
// number with that mark as its thousands separator: one to three digits
// before it, the first not 0, and exactly three after it ("1,250" and
// "1.250" are 1250 to some readers and 1.25 to others).
bool couldBeThousands(QStringView text, qsizetype mark)
{
    QStringView whole = text.first(mark);
    if (!whole.isEmpty() && (whole.front() == u'-' || whole.front() == u'+'))
        whole = whole.sliced(1);
    const QStringView after = text.sliced(mark + 1);
    return after.size() == 3 && std::all_of(after.begin(), after.end(), isDigit) && !whole.isEmpty()
        && whole.size() <= 3 && whole.front() != u'0' && std::all_of(whole.begin(), whole.end(), isDigit);
}

// A price as a spreadsheet writes it: a plain decimal number with "." or,
// as Danish and Norwegian spreadsheets do, with "," as the decimal mark. A
// number that could be a whole number with a thousands separator is refused
// rather than guessed (the export writes such a price with a fourth
// decimal, "1.2500").
PriceReading readPrice(QStringView text, double *value)
{
    text = text.trimmed();
    if (text.isEmpty())
        return PriceReading::Empty;
    const qsizetype comma = text.indexOf(u',');
    if (comma >= 0 && (text.indexOf(u',', comma + 1) >= 0 || text.contains(u'.')))
        return PriceReading::NotANumber;
    const qsizetype mark = comma >= 0 ? comma : text.indexOf(u'.');
    if (mark >= 0 && text.indexOf(u'.', mark + 1) < 0 && couldBeThousands(text, mark))
        return PriceReading::Ambiguous;
    // Plain decimal notation only, read to the nearest double as the
    // database reader reads its own prices: digits, one decimal mark and a
    // sign in front.
    std::array<char, 64> bytes;
    if (text.size() >= qsizetype(bytes.size()))
        return PriceReading::NotANumber;
    qsizetype length = 0;
    bool digits = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isDigit(c))
            digits = true;
        else if (!(c == u'.' || c == u',' || ((c == u'-' || c == u'+') && i == 0)))
            return PriceReading::NotANumber;
        if (c == u'+')
            continue;
        bytes[std::size_t(length++)] = c == u',' ? '.' : char(c.unicode());
    }
    if (!digits)
        return PriceReading::NotANumber;
    double number = 0.0;
    const auto [end, error] = std::from_chars(bytes.data(), bytes.data() + length, number, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range)
        return PriceReading::OutOfRange;
    if (error != std::errc() || end != bytes.data() + length)
        return PriceReading::NotANumber;
    if (!StoredText::isStorableNumber(number) || !ItemRules::priceInRange(number))
        return PriceReading::OutOfRange;
    *value = number;
    return PriceReading::Read;
}

// A serial number given as a positive whole decimal number.
qint64 givenSerial(QStringView text)
{
    if (text.isEmpty() || text.size() > 10 || !std::all_of(text.begin(), text.end(), isDigit))
        return 0;
    const qint64 number = text.toLongLong();
    return number <= Item::maxSerialNumber ? number : 0;
}

// A cell's problem for the user: the cell's column, then why.
QString named(const QString &column, const QString &problem)
{
    return column + QStringLiteral(": ") + problem;
}

QString substituted(QStringView text)
{
    QString result = text.toString();
    result.replace(QLatin1String("\r\n"), QLatin1String(" "));
    result.replace(QLatin1Char('\r'), QLatin1Char(' '));
    result.replace(QLatin1Char('\n'), QLatin1Char(' '));
    result.replace(QLatin1Char(';'), QLatin1Char(','));
    return result;
}

bool needsSubstitute(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c == u';' || c == u'\n' || c == u'\r'; });
}

} // namespace

struct CsvImporter::Lookup
{
    QHash<QString, int> groups;
    QHash<QString, int> locations;
    QSet<QString> suppliers;
    // Inventory edition: the serial numbers in use, each with its group
    // (a storage place holds a number once; the same stock item in two
    // places has the same number).
    QSet<qint64> serials;

    static qint64 serialKey(int group, qint64 serial) { return (qint64(group) << 32) | serial; }
};

CsvImporter::CsvImporter(const DBItemCollection &collection, const CsvColumnMapping &mapping, Options options)
    : m_collection(collection)
    , m_mapping(mapping)
    , m_options(options)
    , m_lookup(std::make_shared<Lookup>())
{
    // The first entry of a name is the one a name finds, as in the lists'
    // choosers.
    const auto index = [](const userItemCollection &list, QHash<QString, int> &into) {
        for (int i = list.size() - 1; i >= 0; --i)
            into.insert(list.entry(i), i);
    };
    index(collection.groups(), m_lookup->groups);
    index(collection.locations(), m_lookup->locations);
    for (const QString &supplier : collection.suppliers())
        m_lookup->suppliers.insert(supplier);
    if (isQuorvel()) {
        for (const Item *item : collection) {
            if (const int number = item->serialNumberValue(); number > 0)
                m_lookup->serials.insert(Lookup::serialKey(item->group(), number));
        }
        m_highestSerial = collection.highestSerialNumber();
    }
}

void CsvImporter::setHeader(const QStringList &header)
{
    m_header = header;
}

QStringView CsvImporter::cell(const CsvRow &row, int field) const
{
    const int column = m_mapping.column(field);
    if (column < 0 || column >= row.cells.size())
        return {};
    return row.cells.at(column);
}

QString CsvImporter::columnName(int field) const
{
    const int column = m_mapping.column(field);
    if (column >= 0 && column < m_header.size() && !m_header.at(column).trimmed().isEmpty())
        return m_header.at(column).trimmed();
    return CsvColumns::title(field);
}

QString CsvImporter::cellProblem(int field, const QString &cell) const
{
    if (isTextField(field)) {
        if (cell.contains(QChar(QChar::ReplacementCharacter))) {
            return tr("Cellen har tegn, som ikke kunne læses i den valgte tegnkodning; vælg en anden tegnkodning.");
        }
        const QString text = m_options.substitute && needsSubstitute(cell) ? substituted(cell) : cell;
        if (field == ModelColumn && !text.isEmpty() && !StorageCheck::editionKeepsProductModel())
            return tr("Denne udgave gemmer ikke feltet i databasefilen, så det ville gå tabt. Tøm feltet.");
        return StorageCheck::textProblem(text, StoredText::FileRule);
    }
    const QString maxPrice = QString::number(qint64(ItemRules::MaxPrice));
    switch (field) {
    case PriceColumn:
    case PriceTodayColumn: {
        double value = 0.0;
        switch (readPrice(cell, &value)) {
        case PriceReading::Empty:
            if (field == PriceColumn && ItemRules::requiresPrice())
                return tr("Der skal være en pris fra 0 til %1.").arg(maxPrice);
            return QString();
        case PriceReading::Read:
            return QString();
        case PriceReading::NotANumber:
            return tr("\"%1\" er ikke et tal; skriv fx 1499.50.").arg(cell);
        case PriceReading::Ambiguous:
            return tr("\"%1\" kan læses på to måder; skriv fx 1499.50 eller 1499500.").arg(cell);
        case PriceReading::OutOfRange:
            return tr("Prisen skal være fra 0 til %1.").arg(maxPrice);
        }
        return QString();
    }
    case CountColumn:
        if (!ItemRules::checkCount(cell, nullptr).ok()) {
            if (ItemRules::limitsCount())
                return tr("Antallet skal være et helt tal fra %1 til %2.")
                    .arg(ItemRules::MinCount)
                    .arg(ItemRules::MaxCount);
            return tr("Antallet skal være et helt tal fra %1 til %2.")
                .arg(StorageCheck::minCount)
                .arg(StorageCheck::maxCount);
        }
        return QString();
    case DateColumn:
        if (cell.isEmpty() || registerDate(cell).isValid() || isoDate(cell).isValid())
            return QString();
        return tr("\"%1\" er ingen dato; skriv den som dd.mm.åååå.").arg(cell);
    case CsvColumns::IsoDateColumn:
        if (cell.isEmpty() || isoDate(cell).isValid())
            return QString();
        return tr("\"%1\" er ingen dato; skriv den som åååå-mm-dd.").arg(cell);
    case CsvColumns::GroupNumberColumn:
    case CsvColumns::LocationNumberColumn: {
        const userItemCollection &list
            = field == CsvColumns::GroupNumberColumn ? m_collection.groups() : m_collection.locations();
        int number = 0;
        if (cell.isEmpty()
            || (StorageCheck::readCount(cell, &number) == StorageCheck::CountRead && number >= 0
                && number < list.size()))
            return QString();
        return tr("Listen har intet nummer %1.").arg(cell);
    }
    default:
        return QString();
    }
}

int CsvImporter::listEntry(const CsvRow &row, int nameField, int numberField, const QStringList &entries,
    qsizetype newCount, QString *newName, QString *reason) const
{
    const QStringView name = cell(row, nameField);
    const QStringView numberText = cell(row, numberField);
    if (!numberText.isEmpty()) {
        int number = -1;
        // A number names the entry when the name, if the file gives one,
        // is that entry's: a file of another database with other lists
        // goes by its names.
        if (StorageCheck::readCount(numberText, &number) == StorageCheck::CountRead && number >= 0
            && number < entries.size() && (name.isEmpty() || entries.at(number) == name))
            return number;
        if (name.isEmpty()) {
            *reason = named(columnName(numberField), tr("Listen har intet nummer %1.").arg(numberText));
            return -1;
        }
    }
    if (name.isEmpty())
        return 0;
    const QHash<QString, int> &known = nameField == GroupColumn ? m_lookup->groups : m_lookup->locations;
    // The row's own cell, so that the look-up copies nothing.
    const QString &key = row.cells.at(m_mapping.column(nameField));
    if (const auto found = known.constFind(key); found != known.cend())
        return found.value();
    *newName = key;
    return int(entries.size() + newCount);
}

void CsvImporter::addRow(const CsvRow &row, CsvImportPlan &plan)
{
    ++plan.rows;
    if (std::all_of(row.cells.begin(), row.cells.end(), [](const QString &c) { return c.isEmpty(); }))
        return;
    const auto refuse = [&](int field, const QString &reason) { plan.errors.append({ row.line, field, reason }); };
    if (!m_header.isEmpty() && row.cells.size() > m_header.size()) {
        const bool extraFilled = std::any_of(
            row.cells.begin() + m_header.size(), row.cells.end(), [](const QString &c) { return !c.isEmpty(); });
        if (extraFilled) {
            refuse(-1,
                tr("Rækken har %1 celler, men filen har kun %2 kolonner.").arg(row.cells.size()).arg(m_header.size()));
            return;
        }
    }

    // The texts, each checked as the file holds it, then one block for the
    // item, as a reader gives it.
    std::array<QString, Item::TextCount> substitutes;
    std::array<QStringView, Item::TextCount> texts;
    int substitutions = 0;
    for (const TextField &text : textFields) {
        QStringView value = cell(row, text.field);
        if (m_options.substitute && needsSubstitute(value)) {
            substitutes[text.text] = substituted(value);
            value = substitutes[text.text];
            ++substitutions;
        }
        texts[text.text] = value;
    }
    // The date as the register keeps it, from the ISO column when the file
    // gives none of its own.
    QString date;
    const QStringView dateCell = cell(row, DateColumn);
    if (!dateCell.isEmpty()) {
        if (registerDate(dateCell).isValid()) {
            texts[Item::DateText] = dateCell;
        } else if (const QDate iso = isoDate(dateCell); iso.isValid()) {
            date = iso.toString(QStringLiteral("dd.MM.yyyy"));
            texts[Item::DateText] = date;
        } else {
            refuse(DateColumn, named(columnName(DateColumn), cellProblem(DateColumn, dateCell.toString())));
            return;
        }
    } else if (const QStringView isoCell = cell(row, CsvColumns::IsoDateColumn); !isoCell.isEmpty()) {
        const QDate iso = isoDate(isoCell);
        if (!iso.isValid()) {
            refuse(CsvColumns::IsoDateColumn,
                named(
                    columnName(CsvColumns::IsoDateColumn), cellProblem(CsvColumns::IsoDateColumn, isoCell.toString())));
            return;
        }
        date = iso.toString(QStringLiteral("dd.MM.yyyy"));
        texts[Item::DateText] = date;
    }

    for (const TextField &text : textFields) {
        const QStringView value = texts[text.text];
        if (value.isEmpty())
            continue;
        QString problem;
        if (value.contains(QChar(QChar::ReplacementCharacter)))
            problem = cellProblem(text.field, value.toString());
        else if (StoredText::check(value, StoredText::FileRule) != StoredText::None)
            problem = StorageCheck::textProblem(value, StoredText::FileRule);
        else if (text.field == ModelColumn && !StorageCheck::editionKeepsProductModel())
            problem = cellProblem(text.field, value.toString());
        if (!problem.isEmpty()) {
            refuse(text.field, named(columnName(text.field), problem));
            return;
        }
    }
    if (const ItemRules::Result name = ItemRules::checkName(texts[Item::NameText]); !name.ok()) {
        refuse(NameColumn, named(columnName(NameColumn), name.message));
        return;
    }

    // The numbers.
    double price = 0.0;
    double estimate = 0.0;
    for (const int field : { int(PriceColumn), int(PriceTodayColumn) }) {
        const QStringView value = cell(row, field);
        double *into = field == PriceColumn ? &price : &estimate;
        if (readPrice(value, into) == PriceReading::Read)
            continue;
        const QString problem = cellProblem(field, value.toString());
        if (!problem.isEmpty()) {
            refuse(field, named(columnName(field), problem));
            return;
        }
        if (field == PriceTodayColumn && ItemRules::estimateTakesPrice())
            estimate = price;
    }
    // A file without counts holds one of each where the edition demands a
    // count; an empty cell of a count column is refused like a bad one.
    int count = ItemRules::limitsCount() ? ItemRules::MinCount : 0;
    if (m_mapping.column(CountColumn) != CsvColumnMapping::NotPresent
        && !ItemRules::checkCount(cell(row, CountColumn), &count).ok()) {
        refuse(
            CountColumn, named(columnName(CountColumn), cellProblem(CountColumn, cell(row, CountColumn).toString())));
        return;
    }

    // The group and the location, and names the lists lack.
    for (const int field : { int(GroupColumn), int(LocationColumn) }) {
        const QStringView name = cell(row, field);
        if (!name.isEmpty() && StoredText::check(name, StoredText::FileRule) != StoredText::None) {
            refuse(field, named(columnName(field), cellProblem(field, name.toString())));
            return;
        }
    }
    QString reason;
    QString newGroup;
    const int group = listEntry(row, GroupColumn, CsvColumns::GroupNumberColumn, m_collection.groups().entries(),
        plan.newGroups.size(), &newGroup, &reason);
    if (group < 0) {
        refuse(CsvColumns::GroupNumberColumn, reason);
        return;
    }
    QString newLocation;
    const bool noLocation
        = cell(row, LocationColumn).isEmpty() && cell(row, CsvColumns::LocationNumberColumn).isEmpty();
    if (noLocation && ItemRules::requiresLocation()) {
        refuse(LocationColumn,
            named(columnName(LocationColumn),
                ItemRules::message(ItemRules::LocationMissing, columnTitle(LocationColumn))));
        return;
    }
    const int location = listEntry(row, LocationColumn, CsvColumns::LocationNumberColumn,
        m_collection.locations().entries(), plan.newLocations.size(), &newLocation, &reason);
    if (location < 0) {
        refuse(CsvColumns::LocationNumberColumn, reason);
        return;
    }

    // Inventory edition: a number of its own when the file gives one that
    // no item has, else the next free one at the end.
    bool numberLater = false;
    qint64 serial = 0;
    if (isQuorvel()) {
        serial = givenSerial(texts[Item::SerialnoText].trimmed());
        numberLater = serial <= 0 || m_lookup->serials.contains(Lookup::serialKey(group, serial));
        if (numberLater)
            texts[Item::SerialnoText] = QStringView();
    }

    // Every text was found Latin-1 above: one byte per character.
    qsizetype total = 0;
    for (const QStringView text : texts)
        total += text.size();
    m_latin1.resize(total);
    std::array<QByteArrayView, Item::TextCount> bytes;
    char *out = m_latin1.data();
    for (int i = 0; i < Item::TextCount; ++i) {
        const QStringView text = texts[std::size_t(i)];
        char *begin = out;
        for (const QChar c : text)
            *out++ = char(c.unicode());
        bytes[std::size_t(i)] = QByteArrayView(begin, text.size());
    }
    auto item = std::make_unique<Item>();
    item->setLatin1Texts(bytes);
    item->setGroup(group);
    item->setLocation(location);
    item->setPrice(price);
    item->setPriceToday(estimate);
    item->setNumberOfItems(count);
    // What the writer would refuse is refused here, before anything changes.
    if (const StorageCheck::ItemProblem problem = StorageCheck::itemProblem(*item); !problem.isNull()) {
        refuse(-1, problem.reason);
        return;
    }

    const QStringView supplier = texts[Item::SupplierText];
    if (!supplier.isEmpty()) {
        const int column = m_mapping.column(SupplierColumn);
        const QString name = substitutes[Item::SupplierText].isEmpty() ? row.cells.at(column) : supplier.toString();
        if (!m_lookup->suppliers.contains(name)) {
            m_lookup->suppliers.insert(name);
            plan.newSuppliers.append(name);
        }
    }
    // Names the lists lack are known from here on by the numbers they get.
    if (!newGroup.isEmpty()) {
        m_lookup->groups.insert(newGroup, group);
        plan.newGroups.append(newGroup);
    }
    if (!newLocation.isEmpty()) {
        m_lookup->locations.insert(newLocation, location);
        plan.newLocations.append(newLocation);
    }
    plan.substitutedCells += substitutions;
    if (isQuorvel()) {
        if (numberLater) {
            m_unnumbered.append(qsizetype(plan.items.size()));
        } else {
            m_lookup->serials.insert(Lookup::serialKey(group, serial));
            m_highestSerial = std::max(m_highestSerial, serial);
        }
    }
    plan.items.push_back(std::move(item));
    plan.itemLines.append(row.line);
}

void CsvImporter::finish(CsvImportPlan &plan)
{
    plan.groupCount = m_collection.groups().size();
    plan.locationCount = m_collection.locations().size();
    plan.supplierCount = m_collection.suppliers().size();
    const QList<qsizetype> unnumbered = std::exchange(m_unnumbered, {});
    std::vector<bool> refused(plan.items.size(), false);
    bool anyRefused = false;
    for (const qsizetype index : unnumbered) {
        if (m_highestSerial >= Item::maxSerialNumber) {
            refused[std::size_t(index)] = true;
            anyRefused = true;
            plan.errors.append({ plan.itemLines.at(index), SerialnoColumn,
                named(columnName(SerialnoColumn),
                    tr("Der er intet varenummer efter %1 til varen.").arg(m_highestSerial)) });
            continue;
        }
        ++m_highestSerial;
        plan.items[std::size_t(index)]->setSerialno(QString::number(m_highestSerial));
        plan.numberedLines.append(plan.itemLines.at(index));
        plan.givenNumbers.append(int(m_highestSerial));
    }
    if (!anyRefused)
        return;
    std::vector<std::unique_ptr<Item>> kept;
    QList<qint64> keptLines;
    for (std::size_t i = 0; i < plan.items.size(); ++i) {
        if (refused[i])
            continue;
        kept.push_back(std::move(plan.items[i]));
        keptLines.append(plan.itemLines.at(qsizetype(i)));
    }
    plan.items = std::move(kept);
    plan.itemLines = keptLines;
    std::sort(plan.errors.begin(), plan.errors.end(),
        [](const CsvRowError &a, const CsvRowError &b) { return a.line < b.line; });
}

CsvImportPlan CsvImporter::check(QIODevice &device, const CsvFormat &format)
{
    CsvImportPlan plan;
    CsvReader reader(device, format.encoding, format.separator);
    ProgressScope progress(tr("Kontrollerer regnearket"), device.size());
    CsvRow row;
    CsvReader::Status status = reader.readRow(row);
    if (status == CsvReader::AtEnd) {
        plan.failure = tr("Filen er tom.");
        return plan;
    }
    if (status == CsvReader::RowRead && format.firstRowHoldsNames) {
        setHeader(row.cells);
        status = reader.readRow(row);
    }
    while (status == CsvReader::RowRead) {
        addRow(row, plan);
        progress.advance(reader.bytesRead());
        status = reader.readRow(row);
    }
    if (status == CsvReader::Failed) {
        plan.failure = reader.errorString();
        return plan;
    }
    finish(plan);
    return plan;
}

bool CsvImporter::apply(DBItemCollection &collection, CsvImportPlan &plan)
{
    if (!plan.canApply() || collection.isReadOnly())
        return false;
    if (collection.groups().size() != plan.groupCount || collection.locations().size() != plan.locationCount
        || collection.suppliers().size() != plan.supplierCount)
        return false;
    const CollectionStep step(collection, tr("import"));
    collection.appendListEntries(DBItemCollection::GroupList, plan.newGroups);
    collection.appendListEntries(DBItemCollection::LocationList, plan.newLocations);
    collection.appendListEntries(DBItemCollection::SupplierList, plan.newSuppliers);
    std::vector<int> positions(plan.items.size());
    for (std::size_t i = 0; i < positions.size(); ++i)
        positions[i] = collection.count() + int(i);
    collection.insertAt(positions, std::move(plan.items));
    plan.items.clear();
    return true;
}
