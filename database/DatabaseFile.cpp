#include "database/DatabaseFile.h"

#include "core/Edition.h"
#include "core/LogXML.h"
#include "core/Notices.h"
#include "database/DBItemCollection.h"
#include "database/ECharField.h"
#include "database/EFloatField.h"
#include "database/EIntField.h"
#include "database/ELine.h"
#include "database/ELineException.h"
#include "database/EStringField.h"
#include "database/Item.h"
#include "database/StorageCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSaveFile>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <istream>
#include <optional>
#include <ostream>
#include <streambuf>
#include <string_view>

// The per-line trace of loading. Off unless switched on with
// QT_LOGGING_RULES="larkspan.database.file.debug=true": building it for every
// line would cost more than the load itself.
Q_LOGGING_CATEGORY(lcDatabaseFile, "larkspan.database.file", QtInfoMsg)

namespace {

const QString sourceName = QStringLiteral("DBItemCollection");
const QString loadFunction = QStringLiteral("LoadFromAsciiFile()");
const QString loadedFunction = QStringLiteral("LoadFromAsciiFile() - loaded");
const QString saveFunction = QStringLiteral("SaveToFileAsAscii()");
const QString errorTitle = QStringLiteral("Database error");

// A line (header or the rest of a data line) is read into a buffer of this
// size: at most one byte less.
constexpr int lineBufferSize = 350;

// Format levels.
constexpr int levelNoHeader = 100;
constexpr int levelLocation = 241;
constexpr int levelWwwAndReceipt = 252;
constexpr int levelDocument = 253;
constexpr int levelEditionTag = 254;
constexpr int levelProductModel = 255;

// Reads straight from the bytes of a file held in memory.
class MemoryBuffer : public std::streambuf
{
public:
    MemoryBuffer(const char *data, std::size_t size)
    {
        // The get area is only read from; streambuf just wants non-const pointers.
        char *begin = const_cast<char *>(data);
        setg(begin, begin, begin + size);
    }
    // How far reading has come, from the start of the bytes.
    std::size_t position() const { return std::size_t(gptr() - eback()); }
};

// Collects the output in large blocks and hands each to the device in one
// write. A device that takes less than offered makes the stream bad.
class DeviceBuffer : public std::streambuf
{
public:
    explicit DeviceBuffer(QIODevice &device) : m_device(device), m_block(blockSize)
    {
        setp(m_block.data(), m_block.data() + m_block.size());
    }

protected:
    int_type overflow(int_type c) override
    {
        if (!flushBlock())
            return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override { return flushBlock() ? 0 : -1; }

private:
    static constexpr std::size_t blockSize = 1 << 20;

    bool flushBlock()
    {
        if (m_failed)
            return false;
        // A device may take part of a block (a disk filling up); offering it
        // the rest makes it report why it takes no more.
        const char *data = pbase();
        qint64 left = pptr() - pbase();
        while (left > 0) {
            const qint64 written = m_device.write(data, left);
            if (written <= 0) {
                m_failed = true;
                return false;
            }
            data += written;
            left -= written;
        }
        setp(m_block.data(), m_block.data() + m_block.size());
        return true;
    }

    QIODevice &m_device;
    std::vector<char> m_block;
    bool m_failed = false;
};

// The field list of loading: twelve base fields, each followed by the one
// separator field; a header line appends the optional ones.
struct ReadFields
{
    EIntField type{"Type"};
    ECharField separator{"Separator"};
    EStringField name{"Name", ';'};
    EStringField model{"Model", ';'};
    EFloatField price{"Price", 9, 2};
    EFloatField priceToday{"PriceToday", 9, 2};
    EStringField date{"Date", ';'};
    EStringField supplier{"Supplier", ';'};
    EStringField serialno{"Serialno", ';'};
    EStringField description{"Description", ';'};
    EStringField address{"Address", ';'};
    EStringField photolink{"Photolink", ';'};
    EStringField items{"Items", ';'};
    EStringField location{"Location", ';'};
    EStringField www{"www", ';'};
    EStringField receipt{"receipt", ';'};
    EStringField document{"document", ';'};
    EStringField productModel{"productModel", ';'};
    ELine line;

    ReadFields()
    {
        for (EField *field : std::initializer_list<EField *>{&type, &name, &model, &price, &priceToday, &date,
                                                            &supplier, &serialno, &description, &address,
                                                            &photolink, &items}) {
            line.add(field);
            line.add(&separator);
        }
    }
};

// The field list of saving: the 17 fields in file order, each followed by
// ";", then the line end.
struct WriteFields
{
    EIntField type;
    EFloatField price{0, 6};
    EFloatField priceToday{0, 6};
    EStringField name, product, date, supplier, serialno, description, address, photolink, items, location, www,
        receipt, document, productModel;
    ECharField separator;
    ECharField lineEnd;
    ELine line;

    WriteFields()
    {
        separator.setValue(';');
        lineEnd.setValue('\n');
        for (EField *field : std::initializer_list<EField *>{&type, &name, &product, &price, &priceToday, &date,
                                                            &supplier, &serialno, &description, &address,
                                                            &photolink, &items, &location, &www, &receipt,
                                                            &document, &productModel}) {
            line.add(field);
            line.add(&separator);
        }
        line.add(&lineEnd);
    }
};

QString fromLatin1(const std::string &bytes)
{
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

// Latin-1 bytes of a text into a text field, reusing the field's buffer.
// Only texts that StorageCheck passed get here, so every character fits.
void setLatin1(EStringField &field, const QString &text, std::string &scratch)
{
    scratch.resize(std::size_t(text.size()));
    const QChar *from = text.constData();
    for (qsizetype i = 0; i < text.size(); ++i)
        scratch[std::size_t(i)] = char(from[i].unicode());
    field.assign(scratch);
}

void setNumber(EStringField &field, int value)
{
    char text[16];
    const auto result = std::to_chars(text, text + sizeof text, value);
    field.assign(std::string_view(text, std::size_t(result.ptr - text)));
}

// A text field read as a whole decimal integer (blanks around it allowed);
// fallback when it is anything else.
int toInt(const std::string &text, int fallback)
{
    const char *first = text.data();
    const char *last = first + text.size();
    while (first < last && EField::isSpace(static_cast<unsigned char>(*first)))
        ++first;
    while (last > first && EField::isSpace(static_cast<unsigned char>(last[-1])))
        --last;
    if (first < last && *first == '+' && last - first > 1 && first[1] != '-')
        ++first;
    int value = 0;
    const auto result = std::from_chars(first, last, value);
    if (first == last || result.ec != std::errc() || result.ptr != last)
        return fallback;
    return value;
}

// Reads the rest of a physical line, its end (LF, CR LF or a lone CR)
// included: at most lineBufferSize - 1 bytes are kept, the rest of a longer
// line is dropped.
std::string readLine(std::istream &in)
{
    std::string kept;
    if (!in.good()) {
        in.setstate(std::ios::failbit);
        return kept;
    }
    constexpr int eof = std::char_traits<char>::eof();
    std::streambuf *buffer = in.rdbuf();
    std::size_t extracted = 0;
    for (;;) {
        const int c = buffer->sgetc();
        if (c == eof) {
            in.setstate(extracted == 0 ? std::ios::eofbit | std::ios::failbit : std::ios::eofbit);
            break;
        }
        if (c == '\n') {
            buffer->sbumpc();
            break;
        }
        if (c == '\r') {
            // A file from a system that ends lines with CR alone is read
            // line by line all the same.
            if (buffer->snextc() == '\n')
                buffer->sbumpc();
            break;
        }
        if (kept.size() < lineBufferSize - 1)
            kept.push_back(char(c));
        buffer->sbumpc();
        ++extracted;
    }
    // What the buffer holds is read as a C string.
    const std::size_t zero = kept.find('\0');
    if (zero != std::string::npos)
        kept.resize(zero);
    return kept;
}

// Applies a header line to the field list and the format level. False when
// the header belongs to another edition.
bool applyHeader(const std::string &header, ReadFields &fields, int &level)
{
    const auto at = [&header](std::size_t i) { return i < header.size() ? header[i] : '\0'; };
    const char major = at(1);
    const char minor = at(3);
    const char revision = at(5);
    ELine &line = fields.line;

    if (major < '2' || minor < '4')
        return true;
    if (revision == '0') {
        line.add(&fields.separator);
        level = 240;
    } else if (revision >= '1') {
        line.add(&fields.location);
        line.add(&fields.separator);
        level = levelLocation;
    }
    if (major < '2' || minor < '5' || revision < '2') {
        // Three empty fields that no reader keeps.
        for (int i = 0; i < 3; ++i)
            line.add(&fields.separator);
        return true;
    }
    line.add(&fields.www);
    line.add(&fields.separator);
    line.add(&fields.receipt);
    line.add(&fields.separator);
    if (revision >= '3') {
        line.add(&fields.document);
        line.add(&fields.separator);
        level = levelDocument;
    }
    if (revision >= '4')
        level = levelEditionTag;
    if (revision >= '5') {
        line.add(&fields.productModel);
        line.add(&fields.separator);
        level = levelProductModel;
    }
    if (revision == '4' || revision == '5') {
        const char *tag = isQuorvel() ? "INV" : isNumivax() ? "COI" : isVistrel() ? "IMA" : "INB";
        if (header.find(tag) == std::string::npos)
            return false;
    }
    return true;
}

Item *itemFrom(const ReadFields &fields, int level)
{
    auto *item = new Item;
    item->setGroup(fields.type.value());
    item->setName(fromLatin1(fields.name.value()));
    item->setProduct(fromLatin1(fields.model.value()));
    item->setPrice(fields.price.value());
    item->setPriceToday(fields.priceToday.value());
    item->setDate(fromLatin1(fields.date.value()));
    item->setSupplier(fromLatin1(fields.supplier.value()));
    item->setSerialno(fromLatin1(fields.serialno.value()));
    item->setDescription(fromLatin1(fields.description.value()));
    item->setAddress(fromLatin1(fields.address.value()));
    item->setPhotolink(fromLatin1(fields.photolink.value()));
    item->setNumberOfItems(toInt(fields.items.value(), 1));
    if (level >= levelLocation)
        item->setLocation(toInt(fields.location.value(), 0));
    if (level >= levelWwwAndReceipt) {
        item->setWww(fromLatin1(fields.www.value()));
        item->setReceipt(fromLatin1(fields.receipt.value()));
    }
    if (level >= levelDocument)
        item->setDocument(fromLatin1(fields.document.value()));
    if (level >= levelProductModel)
        item->setProductModel(fromLatin1(fields.productModel.value()));
    return item;
}

bool onlyBlanks(const char *bytes, std::size_t size)
{
    return std::all_of(bytes, bytes + size, [](char c) { return EField::isSpace(static_cast<unsigned char>(c)); });
}

// The end of the file came inside the last line. A line that misses only its
// final separator (a file cut after the last field, or edited by hand) still
// holds a whole item: read it again with the separator in place. Returns the
// failure when even that line is not whole.
std::optional<ELineException> readLastLine(ELine &line, const char *tail, std::size_t size)
{
    std::string text(tail, size);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    text.push_back(';');
    MemoryBuffer buffer(text.data(), text.size());
    std::istream in(&buffer);
    try {
        line.read(in);
    } catch (const ELineException &e) {
        return e;
    }
    return std::nullopt;
}

bool logging(const LogXML *log)
{
    return log && log->isEnabled();
}

QString saveFailedTitle()
{
    return QCoreApplication::translate("DBItemCollection", "Databasen blev ikke gemt");
}

void tellSaveFailed(const QString &path, const QString &reason)
{
    Notices::critical(saveFailedTitle(),
                         QCoreApplication::translate("DBItemCollection", "Databasen kunne ikke gemmes i %1:\n%2")
                             .arg(QDir::toNativeSeparators(path), reason));
}

// Names the first item that the file cannot hold as it is, and why, so that
// the user can find it in the list (its group, then its place in the group)
// and correct the field. False when every item can be stored.
bool tellUnstorableItem(const DBItemCollection &collection)
{
    const QList<Item *> &items = collection.items();
    for (qsizetype i = 0; i < items.size(); ++i) {
        const Item *item = items.at(i);
        const StorageCheck::ItemProblem problem = StorageCheck::itemProblem(*item);
        if (problem.isNull())
            continue;
        // Saving keeps the order within a group, so this is its place there.
        const auto sameGroup = [item](const Item *other) { return other->group() == item->group(); };
        const qsizetype place = std::count_if(items.cbegin(), items.cbegin() + i, sameGroup) + 1;
        QString group = QString::number(item->group());
        const QString groupName = collection.groups().entry(item->group());
        if (!groupName.isEmpty())
            group = groupName + QStringLiteral(" (") + group + QLatin1Char(')');
        const QString name = item->name().isEmpty()
                                 ? QCoreApplication::translate("DBItemCollection", "(uden navn)")
                                 : item->name();
        Notices::critical(
            saveFailedTitle(),
            QCoreApplication::translate("DBItemCollection",
                                        "En vare kan ikke gemmes i databasefilen, som den er. Intet er gemt, "
                                        "og filen er uændret.\n\nVare: %1\nGruppe: %2, nr. %3 i gruppen\n"
                                        "Felt: %4\n%5")
                .arg(name, group, QString::number(place),
                     StorageCheck::fieldTitle(collection.fields(), problem.field), problem.reason));
        return true;
    }
    return false;
}

} // namespace

QByteArray DatabaseFile::headerLine()
{
    if (isQuorvel())
        return QByteArrayLiteral("#2.5.4 (INV)- Format: "
                                 "type;name;model;price;priceToday;date;supplier;serialno;description;address;"
                                 "photolink;number_of_items;location;www;receipt;document;;");
    if (isNumivax())
        return QByteArrayLiteral("#2.5.4 (COI)- Format: "
                                 "type;year;mat;price;priceToday;date;catalog;catalogNo;description;quality;"
                                 "picture1;count;crown;www;picture2;document;;");
    if (isVistrel())
        return QByteArrayLiteral("#2.5.4 (IMA)- Format: "
                                 "type;name;model;price;priceToday;date;supplier;serialno;description;address;"
                                 "photolink;number_of_items;location;www;receipt;document;;");
    return QByteArrayLiteral("#2.5.5 (INB)- Format: "
                             "group;name;product;price;priceToday;date;supplier;serialno;description;address;"
                             "photolink;number_of_items;location;www;receipt;document;producttype;;");
}

bool DatabaseFile::load(DBItemCollection &collection, const QString &path)
{
    ReadFields fields;
    collection.m_formatLevel = levelNoHeader;
    LogXML *log = collection.m_log;
    if (log)
        log->logItem(path, sourceName, loadFunction);

    if (isQuorvel() && !collection.LockDB(path)) {
        // A program that was killed leaves its lock behind: the user needs
        // the file's place to remove it, and its text to know whose it is.
        const QString lockPath
            = QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(DBItemCollection::lockFilePath()).absoluteFilePath()));
        Notices::critical(
            QCoreApplication::translate("DBItemCollection", "FILE_ALLREADY_OPEN_WARNING"),
            QCoreApplication::translate("DBItemCollection", "DB_OPEN_BY_ANOTHER_USER") + collection.m_lockText
                + QStringLiteral("\n\n")
                + QCoreApplication::translate("DBItemCollection",
                                              "Låsefil: %1\nKører programmet, der har låst databasen, ikke "
                                              "længere (fx efter et nedbrud), kan låsefilen slettes.")
                      .arg(lockPath));
    }

    // The whole file is read at once and parsed from memory.
    QByteArray bytes;
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return false;
    }
    // A byte-order mark, left by editors that save as UTF-8, is no part of
    // the first line.
    const QByteArray byteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");
    const std::size_t skipped = bytes.startsWith(byteOrderMark) ? std::size_t(byteOrderMark.size()) : 0;
    MemoryBuffer buffer(bytes.constData() + skipped, std::size_t(bytes.size()) - skipped);
    std::istream in(&buffer);

    qsizetype lines = 1;
    for (const char *p = bytes.constData(), *end = p + bytes.size();
         (p = static_cast<const char *>(std::memchr(p, '\n', std::size_t(end - p)))); ++p)
        ++lines;
    collection.m_items.reserve(collection.m_items.size() + lines);
    int openLogItems = 0;
    const auto closeLogItems = [&] {
        if (!log)
            return;
        for (; openLogItems > 0; --openLogItems)
            log->endItem();
    };
    const auto finishLoaded = [&] {
        closeLogItems();
        if (log)
            log->logItem(path, sourceName, loadedFunction);
        return true;
    };

    int lineCount = 0;
    for (;;) {
        if (in.eof())
            return finishLoaded();

        if (in.peek() == '#') {
            // The words after the level are for people: a header longer than
            // the line buffer is applied by its beginning, the rest dropped.
            const std::string header = readLine(in);
            const QString headerText = QString::fromLatin1(header.data(), qsizetype(header.size())).trimmed();
            if (log && log->beginItem(headerText, sourceName, loadFunction))
                ++openLogItems;
            qCDebug(lcDatabaseFile).noquote() << headerText;
            int level = collection.m_formatLevel;
            const bool accepted = applyHeader(header, fields, level);
            if (level != collection.m_formatLevel) {
                collection.m_formatLevel = level;
                setDatabaseFormatLevel(level);
            }
            if (!accepted) {
                closeLogItems();
                collection.releaseLock();
                return false;
            }
            continue;
        }

        qCDebug(lcDatabaseFile, "\r\nlinecount:%d", lineCount);
        const std::size_t lineStart = buffer.position();
        try {
            fields.line.read(in);
            // A reader that does not know the line's last fields skips them
            // with the rest of the line, however long it is.
            readLine(in);
        } catch (const ELineException &e) {
            const char *tail = bytes.constData() + skipped + lineStart;
            const std::size_t tailSize = std::size_t(bytes.size()) - skipped - lineStart;
            if (e.isEndOfInput() && onlyBlanks(tail, tailSize))
                return finishLoaded(); // the empty remainder after the last line end
            const std::optional<ELineException> failure
                = e.isEndOfInput() ? readLastLine(fields.line, tail, tailSize) : std::optional<ELineException>(e);
            if (failure) {
                closeLogItems();
                Notices::critical(errorTitle, QString::fromLatin1(failure->message()));
                return false;
            }
            // The last line lacked only its final separator: it is an item.
            in.setstate(std::ios::eofbit);
        }

        Item *item = itemFrom(fields, collection.m_formatLevel);
        collection.m_items.append(item);
        if (logging(log) || lcDatabaseFile().isDebugEnabled()) {
            const QString dump = item->dump();
            if (log)
                log->element(QStringLiteral("Item"), dump);
            qCDebug(lcDatabaseFile).noquote() << lineCount << ", " << dump;
        }
        ++lineCount;
    }
}

bool DatabaseFile::save(DBItemCollection &collection, const QString &path)
{
    if (collection.count() > 0 && collection.m_readOnly) {
        Notices::warning(QCoreApplication::translate("DBItemCollection", "READ ONLY"),
                            QCoreApplication::translate("DBItemCollection", "READ ONLY MODE - No Save"));
        return false;
    }

    // What would not read back as the same item is never written.
    if (tellUnstorableItem(collection))
        return false;

    // The new contents go to a temporary file beside the old one, which is
    // replaced only once everything is written: a failed save never costs
    // the user the file they had.
    WriteFields fields;
    QSaveFile file(path);
    const bool opened = file.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Unbuffered);

    LogXML *log = collection.m_log;
    const bool logOpen = log && log->logItem(path, sourceName, saveFunction) && log->beginItem();
    const auto closeLog = [&] {
        if (logOpen)
            log->endItem();
    };

    if (!opened) {
        closeLog();
        tellSaveFailed(path, file.errorString());
        return false;
    }
    DeviceBuffer buffer(file);
    std::ostream out(&buffer);
    const QByteArray header = headerLine();
    out.write(header.constData(), header.size());
    out.put('\n');

    collection.sort(DBItemCollection::ByGroup);

    std::string scratch;
    bool written = out.good();
    try {
        for (const Item *item : std::as_const(collection.m_items)) {
            if (!written)
                break;
            fields.type.setValue(item->group());
            setLatin1(fields.name, item->name(), scratch);
            setLatin1(fields.product, item->product(), scratch);
            fields.price.setValue(item->price());
            fields.priceToday.setValue(item->priceToday());
            setLatin1(fields.date, item->date(), scratch);
            setLatin1(fields.supplier, item->supplier(), scratch);
            setLatin1(fields.serialno, item->serialno(), scratch);
            setLatin1(fields.description, item->description(), scratch);
            setLatin1(fields.address, item->address(), scratch);
            setLatin1(fields.photolink, item->photolink(), scratch);
            setNumber(fields.items, item->numberOfItems());
            setNumber(fields.location, item->location());
            setLatin1(fields.www, item->www(), scratch);
            setLatin1(fields.receipt, item->receipt(), scratch);
            setLatin1(fields.document, item->document(), scratch);
            setLatin1(fields.productModel, item->productModel(), scratch);
            fields.line.write(out);
            if (logging(log))
                log->element(QStringLiteral("Item"), item->dump());
        }
        written = written && out.flush().good();
    } catch (const ELineException &) {
        // The device refused bytes; its own error says why.
        written = false;
    }

    closeLog();
    if (!written) {
        // Taken before cancelling, which puts its own text in its place.
        QString reason = file.errorString();
        if (file.error() == QFileDevice::NoError || reason.isEmpty())
            reason = QCoreApplication::translate("DBItemCollection", "Filen kunne ikke skrives.");
        file.cancelWriting();
        tellSaveFailed(path, reason);
        return false;
    }
    if (!file.commit()) {
        tellSaveFailed(path, file.errorString());
        return false;
    }
    return true;
}
