#pragma once

// A small register in memory for the item dialog's tests: three groups, two
// locations, two suppliers and four items, shown in a real list view.

#include <QTest>

#include <memory>

#include "core/Edition.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "itemdialog/ItemDialog.h"
#include "mainwindow/ItemListView.h"

namespace ItemDialogTest {

inline std::unique_ptr<Item> makeItem(int group, const QString &name, const QString &product, int count, double price,
    const QString &serial, const QString &date, int location, const QString &supplier)
{
    auto item = std::make_unique<Item>();
    item->setGroup(group);
    item->setName(name);
    item->setProduct(product);
    item->setNumberOfItems(count);
    item->setPrice(price);
    item->setPriceToday(price / 2);
    item->setSerialno(serial);
    item->setDate(date);
    item->setLocation(location);
    item->setSupplier(supplier);
    return item;
}

struct Register
{
    DBItemCollection collection { nullptr };
    std::unique_ptr<ItemListView> list;
    Item *sofa = nullptr;
    Item *lamp = nullptr;
    Item *shade = nullptr;
    Item *chair = nullptr;

    explicit Register(bool withItems = true)
    {
        // Whatever the demo folder offers is replaced by lists of our own.
        collection.groups().clear();
        collection.locations().clear();
        collection.suppliers().clear();
        collection.fields().clear();
        for (const char *group : { "Stue", "Køkken", "Kontor" })
            collection.groups().add(QString::fromUtf8(group));
        collection.locations().add(QStringLiteral("Rum1"));
        collection.locations().add(QStringLiteral("Rum2"));
        collection.suppliers().add(QStringLiteral("IKEA"));
        collection.suppliers().add(QStringLiteral("Bauhaus"));

        if (withItems) {
            sofa = collection.add(makeItem(0, QStringLiteral("Sofa"), QString::fromUtf8("Børge"), 1, 5000,
                QStringLiteral("7"), QStringLiteral("24.12.2011"), 1, QStringLiteral("IKEA")));
            sofa->setDescription(QString::fromUtf8("Grøn"));
            sofa->setAddress(QStringLiteral("Arvet"));
            sofa->setWww(QStringLiteral("www.sofa.dk"));
            sofa->setProductModel(QStringLiteral("Mogensen"));
            lamp = collection.add(makeItem(1, QStringLiteral("Desk Lamp"), QStringLiteral("Louis"), 2, 750.5,
                QStringLiteral("12"), QStringLiteral("01.02.2010"), 0, QStringLiteral("Lampehuset")));
            lamp->setDocument(QStringLiteral("manual.pdf"));
            shade = collection.add(makeItem(2, QStringLiteral("Lamp shade"), QStringLiteral("Le Klint"), 3, 100,
                QStringLiteral("30"), QStringLiteral("05.11.2009"), 0, QStringLiteral("Bauhaus")));
            chair = collection.add(makeItem(0, QStringLiteral("Chair"), QStringLiteral("Wegner"), 4, 250,
                QStringLiteral("A12"), QStringLiteral("28.02.2008"), 1, QStringLiteral("IKEA")));
        }

        list = std::make_unique<ItemListView>();
        list->SetCollection(&collection);
        list->FillList(&collection);
        setDatabaseModified(false);
    }

    ~Register()
    {
        // Dialogs made by the list are its children and go with it.
        list.reset();
    }

    std::unique_ptr<ItemDialog> open(
        Item *item, const QString &page = QStringLiteral("DATA"), bool search = false, const QString &name = QString())
    {
        auto dialog = std::make_unique<ItemDialog>(&collection, item, page, search, nullptr, name);
        list->followItemDialog(dialog.get());
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog.get()))
            qWarning("the item dialog was not exposed");
        return dialog;
    }

    QString rowText(Item *item, int column) const
    {
        const funiQListViewItem *row = list->rowForItem(item);
        return row ? row->text(column) : QStringLiteral("<no row>");
    }

    Item *listCurrentItem() const { return list->currentRowItem(); }
};

// Replaces a line edit's text the way a user does: select all, type.
inline void retype(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

inline bool tabEnabled(ItemDialog *dialog, QWidget *page)
{
    return dialog->primaryTabWidget->isTabEnabled(dialog->primaryTabWidget->indexOf(page));
}

} // namespace ItemDialogTest
