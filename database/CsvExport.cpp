#include "database/CsvExport.h"

#include <QCoreApplication>
#include <QDate>

#include "core/ColumnTitles.h"
#include "core/ProgressScope.h"
#include "database/CsvColumns.h"
#include "database/DBItemCollection.h"
#include "database/ExportFile.h"
#include "database/Item.h"

#include <charconv>
#include <string>

namespace {

using namespace ListColumns;

// The text of each list column that is an item's text (-1: not a text).
constexpr int columnTexts[ListColumnCount] = {
    -1,
    Item::NameText,
    Item::ProductText,
    Item::ProductModelText,
    -1,
    -1,
    -1,
    Item::PhotolinkText,
    Item::ReceiptText,
    Item::DateText,
    -1,
    Item::DescriptionText,
    Item::SupplierText,
    Item::AddressText,
    Item::SerialnoText,
    Item::WwwText,
    Item::DocumentText,
};

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t';
}

// Makes one row at a time in a string kept from row to row, so that a
// register of a million items is written without a text made per item.
class RowWriter
{
public:
    RowWriter(const DBItemCollection &collection, const CsvFormat &format)
        : m_groups(collection.groups().entries())
        , m_locations(collection.locations().entries())
        , m_separator(char(format.separator))
        , m_utf8(format.encoding != CsvFormat::Latin1)
    { }

    const std::string &header()
    {
        m_row.clear();
        const QStringList titles = CsvColumns::titles();
        for (qsizetype column = 0; column < titles.size(); ++column) {
            if (column > 0)
                m_row += m_separator;
            putText(titles.at(column));
        }
        m_row += "\r\n";
        return m_row;
    }

    const std::string &row(const Item &item)
    {
        m_row.clear();
        for (int column = 0; column < ListColumnCount; ++column) {
            if (column > 0)
                m_row += m_separator;
            const int text = columnTexts[column];
            if (text >= 0) {
                putText(item, Item::Text(text));
                continue;
            }
            switch (column) {
            case GroupColumn:
                putListName(m_groups, item.group());
                break;
            case CountColumn:
                putInteger(item.numberOfItems());
                break;
            case PriceColumn:
                putNumber(item.price());
                break;
            case PriceTodayColumn:
                putNumber(item.priceToday());
                break;
            case LocationColumn:
                putListName(m_locations, item.location());
                break;
            default:
                break;
            }
        }
        m_row += m_separator;
        putInteger(item.group());
        m_row += m_separator;
        putInteger(item.location());
        m_row += m_separator;
        putIsoDate(item);
        m_row += "\r\n";
        return m_row;
    }

private:
    bool needsQuotes(QStringView text) const
    {
        if (text.isEmpty())
            return false;
        if (isBlank(text.front().unicode()) || isBlank(text.back().unicode()))
            return true;
        for (const QChar c : text) {
            const char16_t code = c.unicode();
            if (code == m_separator || code == u'"' || code == u'\r' || code == u'\n')
                return true;
        }
        return false;
    }
    bool needsQuotes(QByteArrayView latin1) const
    {
        if (latin1.isEmpty())
            return false;
        if (isBlank(char16_t(latin1.front())) || isBlank(char16_t(latin1.back())))
            return true;
        for (const char c : latin1)
            if (c == m_separator || c == '"' || c == '\r' || c == '\n')
                return true;
        return false;
    }

    void putText(const Item &item, Item::Text which)
    {
        if (!item.textsAreLatin1()) {
            putText(item.text(which));
            return;
        }
        const QByteArrayView bytes = item.textBytes(which);
        const bool quoted = needsQuotes(bytes);
        if (quoted)
            m_row += '"';
        if (!m_utf8 && !quoted) {
            m_row.append(bytes.data(), std::size_t(bytes.size()));
        } else {
            // Each byte takes two at most: a doubled quote, or a character
            // above 0x7F in UTF-8.
            const std::size_t start = m_row.size();
            m_row.resize(start + 2 * std::size_t(bytes.size()));
            char *out = m_row.data() + start;
            for (const char byte : bytes) {
                const auto code = static_cast<unsigned char>(byte);
                if (code < 0x80 || !m_utf8) {
                    if (byte == '"' && quoted)
                        *out++ = '"';
                    *out++ = byte;
                } else {
                    *out++ = char(0xC0 | (code >> 6));
                    *out++ = char(0x80 | (code & 0x3F));
                }
            }
            m_row.resize(std::size_t(out - m_row.data()));
        }
        if (quoted)
            m_row += '"';
    }

    void putText(QStringView text)
    {
        const bool quoted = needsQuotes(text);
        if (quoted)
            m_row += '"';
        for (qsizetype i = 0; i < text.size(); ++i) {
            char32_t code = text.at(i).unicode();
            if (QChar::isHighSurrogate(code) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
                code = QChar::surrogateToUcs4(char16_t(code), text.at(++i).unicode());
            if (code == u'"' && quoted)
                m_row += '"';
            if (!m_utf8)
                // What Latin-1 cannot hold is "?", as in the other exports.
                m_row += code < 0x100 ? char(code) : '?';
            else
                putUtf8(code);
        }
        if (quoted)
            m_row += '"';
    }

    void putUtf8(char32_t code)
    {
        // A lone surrogate has no UTF-8 form.
        if (code >= 0xD800 && code < 0xE000)
            code = 0xFFFD;
        if (code < 0x80) {
            m_row += char(code);
        } else if (code < 0x800) {
            m_row += char(0xC0 | (code >> 6));
            m_row += char(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            m_row += char(0xE0 | (code >> 12));
            m_row += char(0x80 | ((code >> 6) & 0x3F));
            m_row += char(0x80 | (code & 0x3F));
        } else {
            m_row += char(0xF0 | (code >> 18));
            m_row += char(0x80 | ((code >> 12) & 0x3F));
            m_row += char(0x80 | ((code >> 6) & 0x3F));
            m_row += char(0x80 | (code & 0x3F));
        }
    }

    void putListName(const QStringList &list, int index)
    {
        // A number beyond the list has no name; its number column keeps it.
        if (index >= 0 && index < list.size())
            putText(list.at(index));
    }

    void putInteger(int value)
    {
        char digits[16];
        const auto result = std::to_chars(digits, digits + sizeof digits, value);
        m_row.append(digits, result.ptr);
    }

    // The shortest fixed-notation text that reads back as the same double,
    // with "." whatever the language: the shortest digits that do, then
    // zeros up to the decimal point ("17680000000000000000" rather than the
    // double's exact value). A number that would look like one with a
    // thousands separator gets a fourth decimal.
    void putNumber(double value)
    {
        char scientific[32];
        const auto result
            = std::to_chars(scientific, scientific + sizeof scientific, value, std::chars_format::scientific);
        const std::string_view text(scientific, std::size_t(result.ptr - scientific));
        const std::size_t e = text.find('e');
        if (e == std::string_view::npos) { // inf, nan
            m_row.append(text);
            return;
        }
        std::string_view mantissa = text.substr(0, e);
        if (mantissa.front() == '-') {
            m_row += '-';
            mantissa.remove_prefix(1);
        }
        int exponent = 0;
        std::from_chars(text.data() + e + 1 + (text[e + 1] == '+'), text.data() + text.size(), exponent);
        // The digits of d.ddd without the point.
        char digitBuffer[32];
        std::size_t count = 0;
        for (const char c : mantissa)
            if (c != '.')
                digitBuffer[count++] = c;
        const std::string_view digits(digitBuffer, count);
        const std::size_t integerDigits = std::size_t(exponent) + 1;
        if (exponent < 0) {
            m_row += "0.";
            m_row.append(std::size_t(-exponent - 1), '0');
            m_row += digits;
        } else if (integerDigits >= digits.size()) {
            m_row += digits;
            m_row.append(integerDigits - digits.size(), '0');
        } else {
            m_row += digits.substr(0, integerDigits);
            m_row += '.';
            m_row += digits.substr(integerDigits);
            // "1.250" could be read as 1250; "1.2500" is the same number
            // and cannot.
            if (integerDigits <= 3 && digits.size() - integerDigits == 3)
                m_row += '0';
        }
    }

    void putIsoDate(const Item &item)
    {
        // The register's own form, dd.mm.yyyy, read without making a text.
        const QByteArrayView bytes = item.textBytes(Item::DateText);
        if (item.textsAreLatin1() && bytes.size() == 10 && bytes.at(2) == '.' && bytes.at(5) == '.') {
            int values[3] = { 0, 0, 0 };
            const int starts[3] = { 0, 3, 6 };
            const int lengths[3] = { 2, 2, 4 };
            bool digits = true;
            for (int part = 0; part < 3 && digits; ++part)
                for (int i = starts[part]; i < starts[part] + lengths[part]; ++i) {
                    const char c = bytes.at(i);
                    digits = digits && c >= '0' && c <= '9';
                    values[part] = values[part] * 10 + (c - '0');
                }
            if (digits) {
                if (QDate::isValid(values[2], values[1], values[0])) {
                    const char iso[10] = { bytes.at(6), bytes.at(7), bytes.at(8), bytes.at(9), '-', bytes.at(3),
                        bytes.at(4), '-', bytes.at(0), bytes.at(1) };
                    m_row.append(iso, sizeof iso);
                }
                return;
            }
        }
        const QDate date = item.dateValue();
        if (date.isValid())
            putText(date.toString(Qt::ISODate));
    }

    const QStringList &m_groups;
    const QStringList &m_locations;
    const char m_separator;
    const bool m_utf8;
    std::string m_row;
};

// The export's buffer takes a piece of at most this size at once; a row of
// texts longer than the database file holds may be longer.
constexpr std::size_t piece = std::size_t(64) << 10;

void put(ExportFile &out, std::string_view bytes)
{
    while (bytes.size() > piece) {
        out.putRaw(bytes.substr(0, piece));
        bytes.remove_prefix(piece);
    }
    out.putRaw(bytes);
}

} // namespace

CsvExport::CsvExport(const DBItemCollection &collection)
    : m_collection(collection)
{ }

bool CsvExport::write(const QString &fileName, const QList<const Item *> &items, const CsvFormat &format)
{
    return writeRows(fileName, qsizetype(items.size()), format, [&items](qsizetype i) { return items.at(i); });
}

bool CsvExport::writeAll(const QString &fileName, const CsvFormat &format)
{
    const ItemSpan items = m_collection.items();
    return writeRows(fileName, items.size(), format, [&items](qsizetype i) {
        Item::prefetchAhead(items, i);
        return items.at(i);
    });
}

bool CsvExport::writeRows(
    const QString &fileName, qsizetype count, const CsvFormat &format, const std::function<const Item *(qsizetype)> &at)
{
    m_errorString.clear();
    if (format.encoding != CsvFormat::Utf8 && format.encoding != CsvFormat::Utf8WithBom
        && format.encoding != CsvFormat::Latin1) {
        m_errorString = QCoreApplication::translate("CsvExport", "%1 kan ikke skrives i %2.")
                            .arg(fileName, CsvFormat::encodingName(format.encoding));
        return false;
    }
    if (format.separator != u',' && format.separator != u';' && format.separator != u'\t') {
        m_errorString
            = QCoreApplication::translate("CsvExport", "Skilletegnet skal være komma, semikolon eller tabulator.");
        return false;
    }

    ExportFile out;
    if (!out.open(fileName)) {
        m_errorString = out.errorString();
        return false;
    }
    if (format.encoding == CsvFormat::Utf8WithBom)
        out.putRaw("\xEF\xBB\xBF");
    RowWriter rows(m_collection, format);
    if (format.firstRowHoldsNames)
        put(out, rows.header());
    ProgressScope progress(QCoreApplication::translate("DBItemCollection", "Eksporterer"), count);
    for (qsizetype i = 0; i < count; ++i) {
        put(out, rows.row(*at(i)));
        progress.advance(i);
    }
    if (!out.finish()) {
        m_errorString = out.errorString();
        return false;
    }
    return true;
}
