#include "database/DatabaseWriter.h"

#include "database/ECharField.h"
#include "database/EFloatField.h"
#include "database/EIntField.h"
#include "database/ELine.h"
#include "database/ELineException.h"
#include "database/EStringField.h"
#include "database/Item.h"

#include <QIODevice>

#include <charconv>
#include <ostream>
#include <streambuf>
#include <string_view>
#include <vector>

namespace {

// Collects the output in large blocks and hands each to the device in one
// write. A device that takes less than offered makes the stream bad.
class DeviceBuffer : public std::streambuf
{
public:
    explicit DeviceBuffer(QIODevice &device)
        : m_device(device)
        , m_block(blockSize)
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

// The field list of saving: the 17 fields in file order, each followed by
// ";", then the line end.
struct WriteFields
{
    EIntField type;
    EFloatField price { 0, 6 };
    EFloatField priceToday { 0, 6 };
    EStringField name, product, date, supplier, serialno, description, address, photolink, items, location, www,
        receipt, document, productModel;
    ECharField separator;
    ECharField lineEnd;
    ELine line;

    WriteFields()
    {
        separator.setValue(';');
        lineEnd.setValue('\n');
        for (EField *field :
            std::initializer_list<EField *> { &type, &name, &product, &price, &priceToday, &date, &supplier, &serialno,
                &description, &address, &photolink, &items, &location, &www, &receipt, &document, &productModel }) {
            line.add(field);
            line.add(&separator);
        }
        line.add(&lineEnd);
    }

    void set(const Item &item);

private:
    // Reused for every text, so that a line costs no allocation.
    std::string m_scratch;

    // Latin-1 bytes of a text into a text field. Only texts that
    // StorageCheck passed get here, so every character fits.
    void setLatin1(EStringField &field, const QString &text)
    {
        m_scratch.resize(std::size_t(text.size()));
        const QChar *from = text.constData();
        for (qsizetype i = 0; i < text.size(); ++i)
            m_scratch[std::size_t(i)] = char(from[i].unicode());
        field.assign(m_scratch);
    }

    static void setNumber(EStringField &field, int value)
    {
        char text[16];
        const auto result = std::to_chars(text, text + sizeof text, value);
        field.assign(std::string_view(text, std::size_t(result.ptr - text)));
    }
};

void WriteFields::set(const Item &item)
{
    type.setValue(item.group());
    setLatin1(name, item.name());
    setLatin1(product, item.product());
    price.setValue(item.price());
    priceToday.setValue(item.priceToday());
    setLatin1(date, item.date());
    setLatin1(supplier, item.supplier());
    setLatin1(serialno, item.serialno());
    setLatin1(description, item.description());
    setLatin1(address, item.address());
    setLatin1(photolink, item.photolink());
    setNumber(items, item.numberOfItems());
    setNumber(location, item.location());
    setLatin1(www, item.www());
    setLatin1(receipt, item.receipt());
    setLatin1(document, item.document());
    setLatin1(productModel, item.productModel());
}

} // namespace

bool DatabaseWriter::write(const QByteArray &header, const QList<Item *> &items, const ItemWritten &written)
{
    WriteFields fields;
    DeviceBuffer buffer(m_device);
    std::ostream out(&buffer);
    out.write(header.constData(), header.size());
    out.put('\n');

    bool good = out.good();
    try {
        for (const Item *item : items) {
            if (!good)
                break;
            fields.set(*item);
            fields.line.write(out);
            if (written)
                written(*item);
        }
        good = good && out.flush().good();
    } catch (const ELineException &) {
        // The device refused bytes; its own error says why.
        good = false;
    }
    return good;
}
