#include "database/DatabaseReader.h"

#include "core/Edition.h"
#include "core/MemoryShortage.h"
#include "core/Parallel.h"
#include "database/ByteScan.h"
#include "database/ECharField.h"
#include "database/EFloatField.h"
#include "database/EIntField.h"
#include "database/ELine.h"
#include "database/ELineException.h"
#include "database/EStringField.h"
#include "database/Item.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstring>
#include <functional>
#include <istream>
#include <optional>
#include <streambuf>
#include <string_view>
#include <vector>

namespace {

// A line (header or the rest of a data line) is read into a buffer of this
// size: at most one byte less.
constexpr int lineBufferSize = 350;

// Format levels.
constexpr int levelLocation = 241;
constexpr int levelWwwAndReceipt = 252;
constexpr int levelDocument = 253;
constexpr int levelEditionTag = 254;
constexpr int levelProductModel = 255;

// A text field read as a whole decimal integer (blanks around it allowed);
// fallback when it is anything else.
int toInt(std::string_view text, int fallback)
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

bool onlyBlanks(const char *bytes, std::size_t size)
{
    return std::all_of(bytes, bytes + size, [](char c) { return EField::isSpace(static_cast<unsigned char>(c)); });
}

} // namespace

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
    const char *current() const { return gptr(); }
    const char *limit() const { return egptr(); }
    void moveTo(const char *next) { setg(eback(), const_cast<char *>(next), egptr()); }
};

// The values of one data line, before they become an item.
struct LineValues
{
    int group = 0;
    double price = 0.0;
    double priceToday = 0.0;
    std::string_view count;
    std::string_view location;
    std::array<QByteArrayView, Item::TextCount> texts;
};

// One field of the data line as the quick reading of plain lines sees it.
struct Step
{
    enum Kind { Group, Separator, Text, Price, PriceToday, Count, Location };
    Kind kind;
    Item::Text text = Item::NameText;
};

static const char *parsePlainLine(const char *p, const char *end, const std::vector<Step> &plan, LineValues &values);

// The field list of loading: twelve base fields, each followed by the one
// separator field; a header line appends the optional ones.
struct ReadFields
{
    EIntField type { "Type" };
    ECharField separator { "Separator" };
    EStringField name { "Name", ';' };
    EStringField model { "Model", ';' };
    EFloatField price { "Price", 9, 2 };
    EFloatField priceToday { "PriceToday", 9, 2 };
    EStringField date { "Date", ';' };
    EStringField supplier { "Supplier", ';' };
    EStringField serialno { "Serialno", ';' };
    EStringField description { "Description", ';' };
    EStringField address { "Address", ';' };
    EStringField photolink { "Photolink", ';' };
    EStringField items { "Items", ';' };
    EStringField location { "Location", ';' };
    EStringField www { "www", ';' };
    EStringField receipt { "receipt", ';' };
    EStringField document { "document", ';' };
    EStringField productModel { "productModel", ';' };
    ELine line;
    // The fields of the line in order, for the quick reading.
    std::vector<Step> plan;

    ReadFields()
    {
        for (EField *field : std::initializer_list<EField *> { &type, &name, &model, &price, &priceToday, &date,
                 &supplier, &serialno, &description, &address, &photolink, &items }) {
            line.add(field);
            line.add(&separator);
        }
        makePlan();
    }

    // The text fields and the item's texts they hold.
    std::array<std::pair<const EStringField *, Item::Text>, Item::TextCount> textFields() const
    {
        return { { { &name, Item::NameText }, { &model, Item::ProductText }, { &date, Item::DateText },
            { &supplier, Item::SupplierText }, { &serialno, Item::SerialnoText },
            { &description, Item::DescriptionText }, { &address, Item::AddressText },
            { &photolink, Item::PhotolinkText }, { &www, Item::WwwText }, { &receipt, Item::ReceiptText },
            { &document, Item::DocumentText }, { &productModel, Item::ProductModelText } } };
    }

    void makePlan()
    {
        plan.clear();
        for (int i = 0; i < line.fieldCount(); ++i) {
            const EField *field = line.field(i);
            Step step { Step::Separator };
            if (field == &type)
                step.kind = Step::Group;
            else if (field == &price)
                step.kind = Step::Price;
            else if (field == &priceToday)
                step.kind = Step::PriceToday;
            else if (field == &items)
                step.kind = Step::Count;
            else if (field == &location)
                step.kind = Step::Location;
            for (const auto &[textField, text] : textFields()) {
                if (field == textField)
                    step = { Step::Text, text };
            }
            plan.push_back(step);
        }
    }

    // Applies a header line to the field list and the format level. False
    // when the header belongs to another edition.
    bool applyHeader(const std::string &header, int &level)
    {
        const auto at = [&header](std::size_t i) { return i < header.size() ? header[i] : '\0'; };
        const char major = at(1);
        const char minor = at(3);
        const char revision = at(5);

        if (major < '2' || minor < '4')
            return true;
        if (revision == '0') {
            line.add(&separator);
            level = 240;
        } else if (revision >= '1') {
            line.add(&location);
            line.add(&separator);
            level = levelLocation;
        }
        if (major < '2' || minor < '5' || revision < '2') {
            // Three empty fields that no reader keeps.
            for (int i = 0; i < 3; ++i)
                line.add(&separator);
            return true;
        }
        line.add(&www);
        line.add(&separator);
        line.add(&receipt);
        line.add(&separator);
        if (revision >= '3') {
            line.add(&document);
            line.add(&separator);
            level = levelDocument;
        }
        if (revision >= '4')
            level = levelEditionTag;
        if (revision >= '5') {
            line.add(&productModel);
            line.add(&separator);
            level = levelProductModel;
        }
        if (revision == '4' || revision == '5') {
            const char *tag = isQuorvel() ? "INV" : isNumivax() ? "COI" : isVistrel() ? "IMA" : "INB";
            if (header.find(tag) == std::string::npos)
                return false;
        }
        return true;
    }

    // The end of the file came inside the last line. A line that misses only
    // its final separator (a file cut after the last field, or edited by
    // hand) still holds a whole item: read it again with the separator in
    // place. Returns the failure when even that line is not whole.
    std::optional<ELineException> readLastLine(const char *tail, std::size_t size)
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
};

DatabaseReader::DatabaseReader(const QByteArray &bytes, bool quickLines)
    : m_bytes(bytes)
    , m_fields(std::make_unique<ReadFields>())
    , m_quickLines(quickLines)
{
    // A byte-order mark, left by editors that save as UTF-8, is no part of
    // the first line.
    const QByteArray byteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");
    m_skipped = bytes.startsWith(byteOrderMark) ? std::size_t(byteOrderMark.size()) : 0;
    m_buffer = std::make_unique<MemoryBuffer>(bytes.constData() + m_skipped, std::size_t(bytes.size()) - m_skipped);
    m_in = std::make_unique<std::istream>(m_buffer.get());
}

DatabaseReader::~DatabaseReader() = default;

qsizetype DatabaseReader::lineCountEstimate() const
{
    if (m_lineCountEstimate >= 0)
        return m_lineCountEstimate;
    qsizetype &lines = m_lineCountEstimate;
    lines = 1;
    for (const char *p = m_bytes.constData(), *end = p + m_bytes.size();
         (p = static_cast<const char *>(std::memchr(p, '\n', std::size_t(end - p)))); ++p)
        ++lines;
    return lines;
}

qsizetype DatabaseReader::position() const
{
    return qsizetype(m_skipped + m_buffer->position());
}

bool DatabaseReader::atEnd() const
{
    return m_readyNext >= m_ready.size() && m_in->eof();
}

bool DatabaseReader::atHeader() const
{
    return m_readyNext >= m_ready.size() && m_in->peek() == '#';
}

void DatabaseReader::readPlainItems(const std::function<void(std::unique_ptr<Item>)> &take)
{
    // The plain lines up to the first header or other line: a large file's
    // in two halves on two threads. The first half's items go to take while
    // the second half is read; the second half starts at a line start as
    // far as line feeds tell, and its items are used only if the first
    // half's reading comes to that very place.
    m_readAheadTried = true;
    const char *begin = m_buffer->current();
    const char *end = m_buffer->limit();
    if (!m_quickLines || !m_in->good())
        return;
    const char *middle = end;
    if (const void *lineFeed
        = std::memchr(begin + (end - begin) / 2, '\n', std::size_t(end - begin - (end - begin) / 2)))
        middle = static_cast<const char *>(lineFeed) + 1;
    std::vector<std::unique_ptr<Item>> secondItems;
    const char *secondStop = middle;
    const std::vector<Step> &plan = m_fields->plan;
    Parallel::run(
        lineCountEstimate(),
        [&] {
            MemoryShortage::pass(MemoryShortage::FileLines);
            for (const char *p = begin; p < middle && *p != '#';) {
                LineValues values;
                const char *next = parsePlainLine(p, end, plan, values);
                if (!next)
                    break;
                m_buffer->moveTo(next);
                m_fields->line.countLine();
                take(makeItem(values, m_level));
                p = next;
            }
        },
        [&] {
            secondItems.reserve(std::size_t(lineCountEstimate() / 2 + 1));
            secondStop = parsePlainLines(middle, end, end, plan, m_level, secondItems);
        });
    if (m_buffer->current() != middle || middle == end)
        return;
    m_buffer->moveTo(secondStop);
    m_fields->line.countLines(int(secondItems.size()));
    for (std::unique_ptr<Item> &item : secondItems)
        take(std::move(item));
}

DatabaseReader::Header DatabaseReader::readHeader()
{
    // The words after the level are for people: a header longer than the
    // line buffer is applied by its beginning, the rest dropped.
    const std::string header = readLine(*m_in);
    Header result;
    result.text = QString::fromLatin1(header.data(), qsizetype(header.size())).trimmed();
    result.accepted = m_fields->applyHeader(header, m_level);
    m_fields->makePlan();
    return result;
}

std::unique_ptr<Item> DatabaseReader::readItem()
{
    m_failure.clear();
    if (!m_readAheadTried)
        readPlainItems([this](std::unique_ptr<Item> item) { m_ready.push_back(std::move(item)); });
    if (m_readyNext < m_ready.size())
        return std::move(m_ready[m_readyNext++]);
    m_ready = std::vector<std::unique_ptr<Item>>();
    m_readyNext = 0;

    LineValues values;
    if (m_quickLines && readPlainLine(values))
        return makeItem(values, m_level);

    const std::size_t lineStart = m_buffer->position();
    try {
        m_fields->line.read(*m_in);
        // A reader that does not know the line's last fields skips them with
        // the rest of the line, however long it is.
        readLine(*m_in);
    } catch (const ELineException &e) {
        const char *tail = m_bytes.constData() + m_skipped + lineStart;
        const std::size_t tailSize = std::size_t(m_bytes.size()) - m_skipped - lineStart;
        if (e.isEndOfInput() && onlyBlanks(tail, tailSize))
            return nullptr; // the empty remainder after the last line end
        const std::optional<ELineException> failure
            = e.isEndOfInput() ? m_fields->readLastLine(tail, tailSize) : std::optional<ELineException>(e);
        if (failure) {
            m_failure = QString::fromLatin1(failure->message());
            return nullptr;
        }
        // The last line lacked only its final separator: it is an item.
        m_in->setstate(std::ios::eofbit);
    }
    return makeItem(valuesOfFields(), m_level);
}

bool DatabaseReader::readPlainLine(LineValues &values)
{
    if (!m_in->good())
        return false;
    const char *next = parsePlainLine(m_buffer->current(), m_buffer->limit(), m_fields->plan, values);
    if (!next)
        return false;
    m_buffer->moveTo(next);
    m_fields->line.countLine();
    return true;
}

// The first separator or zero byte in [p, limit), or null.
static const char *findSeparatorOrZero(const char *p, const char *const limit)
{
    return ByteScan::findFirst<';', '\0'>(p, limit);
}

// Nearly every line of a file is plain: numbers in their usual form, texts
// shorter than a text field holds, a line end after the last field. Such a
// line is read here straight from the bytes, the same as the fields would
// read it, and the start of the next line is returned; for any other line
// (and at the end of the bytes) null, and the fields, which know every rule
// for odd input, read it.
static const char *parsePlainLine(
    const char *p, const char *const end, const std::vector<Step> &plan, LineValues &values)
{
    const auto skipSpace = [&p, end] {
        while (p < end && EField::isSpace(static_cast<unsigned char>(*p)))
            ++p;
        return p < end;
    };
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };

    for (const Step &step : plan) {
        switch (step.kind) {
        case Step::Separator:
            if (!skipSpace())
                return nullptr;
            ++p;
            break;
        case Step::Group: {
            if (!skipSpace())
                return nullptr;
            const bool negative = *p == '-';
            if (*p == '-' || *p == '+')
                ++p;
            const char *digits = p;
            int value = 0;
            // Nine digits always fit an int; a longer number takes the fields' way.
            while (p < end && isDigit(*p) && p - digits < 9)
                value = value * 10 + (*p++ - '0');
            if (p == digits || p == end || isDigit(*p))
                return nullptr;
            values.group = negative ? -value : value;
            break;
        }
        case Step::Price:
        case Step::PriceToday: {
            if (!skipSpace())
                return nullptr;
            const char *first = p;
            if (*p == '-')
                ++p;
            while (p < end && isDigit(*p))
                ++p;
            if (p < end && *p == '.') {
                ++p;
                while (p < end && isDigit(*p))
                    ++p;
            }
            if (p == end || *p == 'e' || *p == 'E')
                return nullptr;
            double value = 0.0;
            const auto result = std::from_chars(first, p, value, std::chars_format::general);
            if (result.ec != std::errc() || result.ptr != p)
                return nullptr;
            (step.kind == Step::Price ? values.price : values.priceToday) = value;
            break;
        }
        case Step::Text:
        case Step::Count:
        case Step::Location: {
            if (p == end)
                return nullptr;
            std::string_view text;
            if (*p != ';') {
                // A text as long as a text field holds, or one the file ends
                // in, takes the fields' way.
                const char *const limit = p + std::min(std::size_t(end - p), std::size_t(EStringField::MaxLength));
                const char *separator = findSeparatorOrZero(p, limit);
                if (!separator)
                    return nullptr;
                text = std::string_view(p, std::size_t(separator - p));
                // A text ends at a zero byte, as a C string would.
                if (*separator == 0) {
                    separator = static_cast<const char *>(std::memchr(separator, ';', std::size_t(limit - separator)));
                    if (!separator)
                        return nullptr;
                }
                p = separator;
            }
            if (step.kind == Step::Text)
                values.texts[std::size_t(step.text)] = QByteArrayView(text.data(), qsizetype(text.size()));
            else
                (step.kind == Step::Count ? values.count : values.location) = text;
            break;
        }
        }
    }
    // The rest of the line, whatever it holds, up to and with its end.
    while (p < end && *p != '\n' && *p != '\r')
        ++p;
    if (p == end)
        return nullptr;
    if (*p++ == '\r' && p < end && *p == '\n')
        ++p;
    return p;
}

// Reads the plain lines from p on, up to a header line, a line that is not
// plain, the end, or the first line that starts at or after limit; returns
// where it stopped. The items go to items.
const char *DatabaseReader::parsePlainLines(const char *p, const char *limit, const char *end,
    const std::vector<Step> &plan, int level, std::vector<std::unique_ptr<Item>> &items)
{
    MemoryShortage::pass(MemoryShortage::FileLines);
    while (p < limit && *p != '#') {
        LineValues values;
        const char *next = parsePlainLine(p, end, plan, values);
        if (!next)
            break;
        items.push_back(makeItem(values, level));
        p = next;
    }
    return p;
}

LineValues DatabaseReader::valuesOfFields() const
{
    const ReadFields &fields = *m_fields;
    const auto bytes = [](const EStringField &field) { return QByteArrayView(field.value()); };
    LineValues values;
    values.group = fields.type.value();
    values.price = fields.price.value();
    values.priceToday = fields.priceToday.value();
    values.count = fields.items.value();
    values.location = fields.location.value();
    for (const auto &[field, text] : fields.textFields())
        values.texts[std::size_t(text)] = bytes(*field);
    return values;
}

std::unique_ptr<Item> DatabaseReader::makeItem(const LineValues &values, int level)
{
    auto item = std::make_unique<Item>();
    item->setGroup(values.group);
    item->setPrice(values.price);
    item->setPriceToday(values.priceToday);
    item->setNumberOfItems(toInt(values.count, 1));
    if (level >= levelLocation)
        item->setLocation(toInt(values.location, 0));
    // Fields of a level above the file's are not the item's.
    std::array<QByteArrayView, Item::TextCount> texts = values.texts;
    if (level < levelWwwAndReceipt) {
        texts[Item::WwwText] = {};
        texts[Item::ReceiptText] = {};
    }
    if (level < levelDocument)
        texts[Item::DocumentText] = {};
    if (level < levelProductModel)
        texts[Item::ProductModelText] = {};
    item->setLatin1Texts(texts);
    return item;
}
