#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

#include "database/DBItemCollection.h"
#include "database/Item.h"

// Items and collections for tests of the register and of what shows it.
// No widgets here, so that every test program can use them.
namespace ItemFixtures {

// The header line of the home-contents edition's database file.
inline const QByteArray ostranaHeader
    = "#2.5.5 (INB)- Format: group;name;product;price;priceToday;date;supplier;serialno;description;address;"
      "photolink;number_of_items;location;www;receipt;document;producttype;;";

// Every stored member of an item, for comparing two items field by field.
inline QStringList fieldsOf(const Item *item)
{
    return { QString::number(item->group()), item->name(), item->product(), QString::number(item->price(), 'g', 17),
        QString::number(item->priceToday(), 'g', 17), item->date(), item->supplier(), item->serialno(),
        item->description(), item->address(), item->photolink(), QString::number(item->numberOfItems()),
        QString::number(item->location()), item->www(), item->receipt(), item->document(), item->productModel() };
}

// An item with every field filled, Danish letters and the file's awkward
// characters among them; seed makes the items of one test differ.
inline std::unique_ptr<Item> makeItem(int group, const QString &name, int seed)
{
    auto item = std::make_unique<Item>();
    item->setGroup(group);
    item->setName(name);
    item->setProduct(QStringLiteral("Fabrikat %1").arg(seed));
    item->setPrice(1499.5 + seed);
    item->setPriceToday(0.25 * seed);
    item->setDate(QStringLiteral("24.12.2011"));
    item->setSupplier(QStringLiteral("Butik på Strøget"));
    item->setSerialno(QString::number(1000 + seed));
    item->setDescription(QStringLiteral("Blå æske med låg, søm & skruer <%1>").arg(seed));
    item->setAddress(QStringLiteral("Ærøgade %1").arg(seed));
    item->setPhotolink(QStringLiteral("C:\\Billeder\\foto%1.jpg").arg(seed));
    item->setNumberOfItems(seed + 1);
    item->setLocation(seed % 4);
    item->setWww(QStringLiteral("http://example.dk/%1").arg(seed));
    item->setReceipt(QStringLiteral("kvittering%1.pdf").arg(seed));
    item->setDocument(QStringLiteral("manual%1.doc").arg(seed));
    item->setProductModel(QStringLiteral("Model %1").arg(seed));
    return item;
}

// A plain item with the fields most tests look at; the rest are empty.
inline std::unique_ptr<Item> plainItem(int group, const QString &name, int count = 0, double price = 0.0,
    const QString &serial = QString(), int location = 0)
{
    auto item = std::make_unique<Item>();
    item->setGroup(group);
    item->setName(name);
    item->setNumberOfItems(count);
    item->setPrice(price);
    item->setSerialno(serial);
    item->setLocation(location);
    return item;
}
inline std::unique_ptr<Item> plainItem(const QString &name)
{
    return plainItem(0, name);
}

// The names of the collection's items, in its order.
inline QStringList names(const DBItemCollection &collection)
{
    QStringList result;
    for (const Item *item : collection)
        result << item->name();
    return result;
}

// A collection without an event log.
struct Collection
{
    DBItemCollection db { nullptr };
};

} // namespace ItemFixtures
