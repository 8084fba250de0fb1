#include "database/StorageCheck.h"

#include "core/ColumnTitles.h"
#include "core/Edition.h"
#include "database/ByteScan.h"
#include "database/Item.h"
#include "database/StoredText.h"
#include "database/userItemCollection.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

struct TitleSource
{
    StorageCheck::FileField field;
    // Entry of the field-names list that titles the field.
    int entry;
    // The list's column whose initial title names the field when the
    // database names none.
    int column;
};

// The field-names list titles the fields in this order (the list view reads
// it the same way); entries 15 and 16 only count without their marker words.
constexpr std::array<TitleSource, 17> titleSources { {
    { StorageCheck::GroupField, 0, 0 },
    { StorageCheck::NameField, 1, 1 },
    { StorageCheck::ProductField, 2, 2 },
    { StorageCheck::CountField, 3, 4 },
    { StorageCheck::PriceField, 4, 5 },
    { StorageCheck::PriceTodayField, 5, 6 },
    { StorageCheck::PhotolinkField, 6, 7 },
    { StorageCheck::DateField, 7, 9 },
    { StorageCheck::LocationField, 8, 10 },
    { StorageCheck::DescriptionField, 9, 11 },
    { StorageCheck::SupplierField, 10, 12 },
    { StorageCheck::AddressField, 11, 13 },
    { StorageCheck::SerialnoField, 12, 14 },
    { StorageCheck::WwwField, 13, 15 },
    { StorageCheck::ReceiptField, 14, 8 },
    { StorageCheck::DocumentField, 15, 16 },
    { StorageCheck::ProductModelField, 16, 3 },
} };

} // namespace

QString StorageCheck::textProblem(QStringView text, StoredText::Rule rule)
{
    switch (StoredText::check(text, rule)) {
    case StoredText::Separator:
        return tr("Semikolon (;) kan ikke gemmes, fordi databasen bruger det mellem felterne.");
    case StoredText::LineBreak:
        return tr("Linjeskift kan ikke gemmes i et felt.");
    case StoredText::NotLatin1:
        return tr("Tegnene %1 kan ikke gemmes i databasen.").arg(unstorableCharacters(text));
    case StoredText::TooLong:
        return tr("Databasen kan højst gemme %1 tegn i et felt.").arg(StoredText::maxBytes);
    case StoredText::ZeroCharacter:
        return tr("Teksten indeholder et nul-tegn.");
    case StoredText::ControlCharacter:
        return tr("Teksten indeholder usynlige styretegn (som ESC eller lodret tabulator), "
                  "som et felt ikke kan have.");
    case StoredText::None:
        break;
    }
    return QString();
}

QString StorageCheck::unstorableCharacters(QStringView text)
{
    QStringList characters;
    const QList<uint> codes = StoredText::unencodableCharacters(text).toUcs4();
    for (const uint code : codes) {
        const char32_t character = code;
        characters << QString::fromUcs4(&character, 1);
    }
    return characters.join(QLatin1Char(' '));
}

QString StorageCheck::numberProblem(double value)
{
    if (StoredText::isStorableNumber(value))
        return QString();
    return tr("Tallet %1 kan ikke gemmes; kun endelige tal kan.").arg(value);
}

StorageCheck::CountReading StorageCheck::readCount(QStringView text, int *count)
{
    text = text.trimmed();
    QStringView digits = text;
    if (digits.startsWith(u'-') || digits.startsWith(u'+'))
        digits = digits.sliced(1);
    if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return NotACount;
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok, 10);
    // Digits beyond even a 64-bit number are beyond the range too.
    if (!ok || !countFits(value))
        return CountBeyondRange;
    if (count)
        *count = int(value);
    return CountRead;
}

bool StorageCheck::editionKeepsProductModel()
{
    return isOstrana();
}

namespace {

// Whether the Latin-1 bytes hold one the file cannot: the separator, a line
// break or the zero character where the reader ends a text. The texts of
// every item pass here at each save.
bool holdsUnstorableByte(QByteArrayView bytes)
{
    return ByteScan::findFirst<';', '\n', '\r', '\0'>(bytes.data(), bytes.data() + bytes.size()) != nullptr;
}

// Whether every text and number of an item held in Latin-1 can be stored:
// the test of every item at every save, so it looks at bytes only.
bool storableAsIs(const Item &item)
{
    if (!item.textsAreLatin1())
        return false;
    if (!StoredText::isStorableNumber(item.price()) || !StoredText::isStorableNumber(item.priceToday()))
        return false;
    for (const QByteArrayView &bytes : item.allTextBytes()) {
        if (bytes.size() > StoredText::maxBytes)
            return false;
    }
    return !holdsUnstorableByte(item.joinedTextBytes());
}

} // namespace

StorageCheck::ItemProblem StorageCheck::itemProblem(const Item &item)
{
    if (storableAsIs(item)) {
        if (item.textBytes(Item::ProductModelText).isEmpty() || editionKeepsProductModel())
            return {};
    }
    // Every item of a database passes through here at each save: the
    // checks stop at the first problem, and only a problem builds a text.
    struct Text
    {
        FileField field;
        QString value;
    };
    const Text texts[] = {
        { NameField, item.name() },
        { ProductField, item.product() },
        { DateField, item.date() },
        { SupplierField, item.supplier() },
        { SerialnoField, item.serialno() },
        { DescriptionField, item.description() },
        { AddressField, item.address() },
        { PhotolinkField, item.photolink() },
        { WwwField, item.www() },
        { ReceiptField, item.receipt() },
        { DocumentField, item.document() },
        { ProductModelField, item.productModel() },
    };
    const auto firstProblem = [&]() -> ItemProblem {
        for (const Text &text : texts) {
            // The fields in file order: the prices come after the product.
            if (text.field == DateField) {
                if (!StoredText::isStorableNumber(item.price()))
                    return { PriceField, numberProblem(item.price()) };
                if (!StoredText::isStorableNumber(item.priceToday()))
                    return { PriceTodayField, numberProblem(item.priceToday()) };
            }
            if (!StoredText::isStorable(text.value))
                return { text.field, textProblem(text.value, StoredText::FileRule) };
        }
        return {};
    };
    if (const ItemProblem problem = firstProblem(); !problem.isNull())
        return problem;
    if (!item.productModel().isEmpty() && !editionKeepsProductModel()) {
        return { ProductModelField,
            tr("Denne udgave gemmer ikke feltet i databasefilen, så det ville gå tabt. Tøm feltet.") };
    }
    return {};
}

QString StorageCheck::listProblem(const QStringList &entries)
{
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString reason = textProblem(entries.at(i), StoredText::FileRule);
        if (!reason.isEmpty())
            return tr("Navnet på linje %1 kan ikke gemmes: \"%2\"\n%3").arg(i + 1).arg(entries.at(i), reason);
    }
    return QString();
}

QString StorageCheck::fieldTitle(const userItemCollection &fieldNames, FileField field)
{
    for (const TitleSource &source : titleSources) {
        if (source.field != field)
            continue;
        QString title = fieldNames.entry(source.entry);
        title.remove(QLatin1Char('&'));
        const bool marked = (source.entry == 15 && title.contains(QLatin1String("COLUMN"), Qt::CaseInsensitive))
            || (source.entry == 16 && title.contains(QLatin1String("FIELD"), Qt::CaseInsensitive));
        if (title.trimmed().isEmpty() || marked)
            title = initialColumnTitle(source.column);
        return title;
    }
    return QString();
}
