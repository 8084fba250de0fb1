#include "database/StorageCheck.h"

#include "core/Edition.h"
#include "database/Item.h"
#include "database/StoredText.h"
#include "database/userItemCollection.h"

#include <array>

namespace {

struct TitleSource
{
    StorageCheck::FileField field;
    // Entry of the field-names list that titles the field.
    int entry;
    // The list's own heading when the database names none.
    const char *heading;
};

// The field-names list titles the fields in this order (the list view reads
// it the same way); entries 15 and 16 only count without their marker words.
constexpr std::array<TitleSource, 17> titleSources{{
    {StorageCheck::GroupField, 0, QT_TRANSLATE_NOOP("ItemListView", "Gruppe")},
    {StorageCheck::NameField, 1, QT_TRANSLATE_NOOP("ItemListView", "Navn")},
    {StorageCheck::ProductField, 2, QT_TRANSLATE_NOOP("ItemListView", "Fabrikat")},
    {StorageCheck::CountField, 3, QT_TRANSLATE_NOOP("ItemListView", "Antal")},
    {StorageCheck::PriceField, 4, QT_TRANSLATE_NOOP("ItemListView", "Pris")},
    {StorageCheck::PriceTodayField, 5, QT_TRANSLATE_NOOP("ItemListView", "Vurd.")},
    {StorageCheck::PhotolinkField, 6, QT_TRANSLATE_NOOP("ItemListView", "Billede")},
    {StorageCheck::DateField, 7, QT_TRANSLATE_NOOP("ItemListView", "Dato")},
    {StorageCheck::LocationField, 8, QT_TRANSLATE_NOOP("ItemListView", "Rum")},
    {StorageCheck::DescriptionField, 9, QT_TRANSLATE_NOOP("ItemListView", "Beskrivelse")},
    {StorageCheck::SupplierField, 10, QT_TRANSLATE_NOOP("ItemListView", "Leverandør")},
    {StorageCheck::AddressField, 11, QT_TRANSLATE_NOOP("ItemListView", "Adresse")},
    {StorageCheck::SerialnoField, 12, QT_TRANSLATE_NOOP("ItemListView", "Serie no.")},
    {StorageCheck::WwwField, 13, QT_TRANSLATE_NOOP("ItemListView", "Www")},
    {StorageCheck::ReceiptField, 14, QT_TRANSLATE_NOOP("ItemListView", "Kvitt.")},
    {StorageCheck::DocumentField, 15, QT_TRANSLATE_NOOP("ItemListView", "Dok.")},
    {StorageCheck::ProductModelField, 16, QT_TRANSLATE_NOOP("ItemListView", "Produkt model")},
}};

} // namespace

QString StorageCheck::textProblem(QStringView text)
{
    switch (StoredText::check(text)) {
    case StoredText::Separator:
        return tr("Semikolon (;) kan ikke gemmes, fordi databasen bruger det mellem felterne.");
    case StoredText::LineBreak:
        return tr("Linjeskift kan ikke gemmes i et felt.");
    case StoredText::NotLatin1:
        return tr("Tegnene %1 kan ikke gemmes i databasen.").arg(unstorableCharacters(text));
    case StoredText::TooLong:
        return tr("Databasen kan højst gemme %1 tegn i et felt.").arg(StoredText::maxBytes);
    case StoredText::None:
        break;
    }
    // The reader ends a text at its first zero byte.
    if (text.contains(QChar(0)))
        return tr("Teksten indeholder et nul-tegn.");
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

bool StorageCheck::editionKeepsProductModel()
{
    return isOstrana();
}

StorageCheck::ItemProblem StorageCheck::itemProblem(const Item &item)
{
    const auto text = [](FileField field, const QString &value) {
        return ItemProblem{field, textProblem(value)};
    };
    const auto number = [](FileField field, double value) {
        return ItemProblem{field, numberProblem(value)};
    };
    const ItemProblem checks[] = {
        text(NameField, item.name()),
        text(ProductField, item.product()),
        number(PriceField, item.price()),
        number(PriceTodayField, item.priceToday()),
        text(DateField, item.date()),
        text(SupplierField, item.supplier()),
        text(SerialnoField, item.serialno()),
        text(DescriptionField, item.description()),
        text(AddressField, item.address()),
        text(PhotolinkField, item.photolink()),
        text(WwwField, item.www()),
        text(ReceiptField, item.receipt()),
        text(DocumentField, item.document()),
        text(ProductModelField, item.productModel()),
    };
    for (const ItemProblem &check : checks) {
        if (!check.reason.isEmpty())
            return check;
    }
    if (!item.productModel().isEmpty() && !editionKeepsProductModel()) {
        return {ProductModelField,
                tr("Denne udgave gemmer ikke feltet i databasefilen, så det ville gå tabt. Tøm feltet.")};
    }
    return {};
}

QString StorageCheck::listProblem(const QStringList &entries)
{
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString reason = textProblem(entries.at(i));
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
            title = QCoreApplication::translate("ItemListView", source.heading);
        return title;
    }
    return QString();
}
