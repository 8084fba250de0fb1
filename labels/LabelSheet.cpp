#include "labels/LabelSheet.h"

#include "core/Edition.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"

#include <QLocale>

namespace {

// The narrowest module of a 2D code that a phone reads off a label.
constexpr double MinimumModuleMm = 0.33;

QString joined(const QString &first, const QString &second)
{
    if (first.isEmpty())
        return second;
    if (second.isEmpty())
        return first;
    return first + QStringLiteral(", ") + second;
}

QString itemCaption(const Item &item)
{
    const QString name = item.name().trimmed();
    const QString number = LabelSheet::itemNumber(item);
    if (name.isEmpty())
        return number;
    return number.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, number);
}

} // namespace

LabelSheet::LabelSheet(const LabelSheetLayout &layout, const Options &options)
    : m_layout(layout)
    , m_options(options)
{ }

QString LabelSheet::itemNumber(const Item &item)
{
    if (isVistrel())
        return item.numberOfItems() > 0 ? QString::number(item.numberOfItems()) : QString();
    const QString serial = item.serialno().trimmed();
    // The label printer's labels and the scanner import know a stock item
    // by its number made six digits long.
    if (isQuorvel() && !serial.isEmpty())
        return serial.rightJustified(6, QLatin1Char('0'));
    return serial;
}

QString LabelSheet::placeName(const DBItemCollection &collection, const Item &item)
{
    const QString group = collection.groups().entries().value(item.group());
    if (isQuorvel())
        return group;
    return joined(group, collection.locations().entries().value(item.location()));
}

QStringList LabelSheet::locationNames(const DBItemCollection &collection)
{
    return isQuorvel() ? collection.groups().entries() : collection.locations().entries();
}

int LabelSheet::sheetCount() const
{
    if (m_labels.isEmpty())
        return 0;
    return position(int(m_labels.size()) - 1) / qMax(1, m_layout.labelsPerSheet()) + 1;
}

int LabelSheet::maxQrModules() const
{
    const double side = qMin(m_layout.labelSize.width() / 2, m_layout.labelSize.height()) * 0.9;
    return qMax(21, int(side / MinimumModuleMm));
}

int LabelSheet::encoded(const QString &text, BarcodeSymbol::Symbology symbology, QString *error)
{
    const QString key = QString::number(int(symbology)) + QLatin1Char(':') + text;
    const auto found = m_symbolIndex.constFind(key);
    if (found != m_symbolIndex.constEnd())
        return found.value();
    BarcodeSymbol symbol;
    symbol.setShowText(false);
    symbol.setQuietZones(true);
    int index = -1;
    if (symbol.encode(symbology, text)) {
        index = int(m_symbols.size());
        m_symbols.append(symbol);
    } else if (error) {
        *error = symbol.errorText();
    }
    m_symbolIndex.insert(key, index);
    return index;
}

int LabelSheet::symbolFor(const QString &text, BarcodeSymbol::Symbology symbology, const QString &owner)
{
    QString error;
    const int index = encoded(text, symbology, &error);
    if (index >= 0 || error.isEmpty())
        return index;
    if (symbology != BarcodeSymbol::Code128) {
        QString fallbackError;
        const int fallback = encoded(text, BarcodeSymbol::Code128, &fallbackError);
        if (fallback >= 0) {
            m_problems.append(tr("%1: %2 Etiketten får en Code 128-stregkode i stedet.").arg(owner, error));
            return fallback;
        }
    }
    m_problems.append(tr("%1: %2 Etiketten får ingen stregkode.").arg(owner, error));
    return -1;
}

void LabelSheet::addItems(const DBItemCollection &collection, const QList<const Item *> &items)
{
    const bool counts = m_options.perPiece && !isVistrel();
    for (const Item *item : items) {
        Label label;
        label.number = itemNumber(*item);
        if (m_options.barcode) {
            if (label.number.isEmpty())
                m_problems.append(tr("%1: Uden nummer får etiketten ingen stregkode.").arg(itemCaption(*item)));
            else
                label.symbol = symbolFor(label.number, m_options.symbology, itemCaption(*item));
        }
        if (m_options.name)
            label.title = item->name().simplified();
        if (m_options.makeModel) {
            const QString makeModel
                = (item->product().simplified() + QLatin1Char(' ') + item->productModel().simplified()).trimmed();
            if (!makeModel.isEmpty())
                label.lines.append(makeModel);
        }
        if (m_options.place) {
            const QString place = placeName(collection, *item).simplified();
            if (!place.isEmpty())
                label.lines.append(place);
        }
        if (m_options.price)
            label.lines.append(QLocale().toString(item->price(), 'f', 2));
        const int copies = counts ? qMax(1, item->numberOfItems()) : 1;
        for (int i = 0; i < copies; ++i)
            m_labels.append(label);
    }
}

QString LabelSheet::locationCodeText(const QString &location, const QStringList &items, int maxModules)
{
    const auto text = [&](qsizetype shown) {
        QStringList lines { location };
        lines.append(items.mid(0, shown));
        if (shown < items.size())
            lines.append(tr("…og %1 mere").arg(items.size() - shown));
        return lines.join(QLatin1Char('\n'));
    };
    const auto fits = [&](qsizetype shown) {
        BarcodeSymbol symbol;
        return symbol.encode(BarcodeSymbol::QrCode, text(shown)) && symbol.size().width() <= maxModules;
    };
    if (fits(items.size()))
        return text(items.size());
    // The most names that fit: fits(low) holds, fits(high) does not.
    qsizetype low = 0;
    qsizetype high = items.size();
    while (high - low > 1) {
        const qsizetype middle = (low + high) / 2;
        if (fits(middle))
            low = middle;
        else
            high = middle;
    }
    return text(low);
}

void LabelSheet::addLocations(const DBItemCollection &collection)
{
    const QStringList names = locationNames(collection);
    QList<QStringList> stored(names.size());
    for (const Item *item : collection) {
        const int place = isQuorvel() ? item->group() : item->location();
        if (place >= 0 && place < names.size())
            stored[place].append(item->name().simplified());
    }
    for (qsizetype i = 0; i < names.size(); ++i) {
        Label label;
        label.number = names.at(i);
        if (m_options.barcode) {
            const QString text = locationCodeText(names.at(i), stored.at(i), maxQrModules());
            label.symbol = symbolFor(text, BarcodeSymbol::QrCode, names.at(i));
        }
        label.title = names.at(i);
        label.lines.append(tr("Indhold: %1").arg(stored.at(i).size()));
        m_labels.append(label);
    }
}
