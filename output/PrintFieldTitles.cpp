#include "output/PrintFieldTitles.h"

#include <QCoreApplication>

#include "core/ColumnTitles.h"
#include "database/DBItemCollection.h"

namespace {

// The item list's columns (ItemListView::Column) of the print fields, in print order.
constexpr int columns[PrintFields::FieldCount] = {
    -1, // running number
    0, // group
    1, // name
    2, // product
    3, // product model
    4, // count
    5, // price
    6, // estimated price
    7, // picture
    9, // date
    10, // location
    11, // description
    12, // supplier
    13, // address
    14, // serial number
    15, // www
    8, // receipt
    16, // document
};

} // namespace

int PrintFieldTitles::listColumn(PrintFields::Field field)
{
    return field >= 0 && field < PrintFields::FieldCount ? columns[field] : -1;
}

QString PrintFieldTitles::title(PrintFields::Field field)
{
    if (field == PrintFields::ItemCount)
        return QCoreApplication::translate("PrintFieldTitles", "ITEM_COUNT");
    const int column = listColumn(field);
    const QString text = columnTitle(column);
    // The list shows its first two titles through the catalogue; so does every printout.
    if (column <= 1)
        return QCoreApplication::translate("ItemListView", text.toUtf8().constData());
    return text;
}

QString PrintFieldTitles::onlyText(PrintFields::Field field)
{
    return QCoreApplication::translate("PrintFieldTitles", "Kun %1").arg(title(field));
}

QString PrintFieldTitles::sortText(int sortMethod)
{
    switch (sortMethod) {
    case DBItemCollection::ByGroup:
        return title(PrintFields::Group);
    case DBItemCollection::ByName:
        return title(PrintFields::Name);
    case DBItemCollection::ByProduct:
        return title(PrintFields::Model);
    case DBItemCollection::ByTotalValue:
        return QCoreApplication::translate("PrintFieldTitles", "%1 (i alt)").arg(title(PrintFields::Price));
    case DBItemCollection::ByDate:
        return title(PrintFields::Date);
    case DBItemCollection::ByLocation:
        return title(PrintFields::Location);
    default:
        return QString();
    }
}

QString PrintFieldTitles::listEntry(const DBItemCollection *collection, int index, bool location)
{
    if (!collection)
        return QString::number(index);
    const userItemCollection &list = location ? collection->locations() : collection->groups();
    if (index < 0 || index >= list.size())
        return QString::number(index);
    return list.entry(index);
}
