#include "core/ColumnTitles.h"

#include <QCoreApplication>

namespace {

QStringList initialTitles()
{
    return {
        QCoreApplication::translate("ItemListView", "Gruppe"),
        QCoreApplication::translate("ItemListView", "Navn"),
        QCoreApplication::translate("ItemListView", "Fabrikat"),
        QCoreApplication::translate("ItemListView", "Produkt model"),
        QCoreApplication::translate("ItemListView", "Antal"),
        QCoreApplication::translate("ItemListView", "Pris"),
        QCoreApplication::translate("ItemListView", "Vurd."),
        QCoreApplication::translate("ItemListView", "Billede"),
        QCoreApplication::translate("ItemListView", "Kvitt."),
        QCoreApplication::translate("ItemListView", "Dato"),
        QCoreApplication::translate("ItemListView", "Rum"),
        QCoreApplication::translate("ItemListView", "Beskrivelse"),
        QCoreApplication::translate("ItemListView", "Leverandør"),
        QCoreApplication::translate("ItemListView", "Adresse"),
        QCoreApplication::translate("ItemListView", "Serie no."),
        QCoreApplication::translate("ItemListView", "Www"),
        QCoreApplication::translate("ItemListView", "Dok."),
    };
}

// Built on first use, so that the translations come from the catalogue that
// start-up installed before anything asks for the titles. A database's
// field-names list replaces them; the catalogue's titles show where the list
// names no title, so an English or Norwegian user never sees Danish headings.
QStringList &titles()
{
    static QStringList list = initialTitles();
    return list;
}

} // namespace

QStringList &columnTitles()
{
    QStringList &list = titles();
    // Callers hold a modifiable reference; keep the seventeen entries whatever they did.
    while (list.size() < ListColumnCount)
        list.append(QString());
    return list;
}

QString columnTitle(int column)
{
    if (column < 0 || column >= ListColumnCount)
        return QString();
    return columnTitles().at(column);
}

void setColumnTitle(int column, const QString &title)
{
    if (column < 0 || column >= ListColumnCount)
        return;
    columnTitles()[column] = title;
}

QString initialColumnTitle(int column)
{
    if (column < 0 || column >= ListColumnCount)
        return QString();
    return initialTitles().at(column);
}

void resetColumnTitles()
{
    titles() = initialTitles();
}
