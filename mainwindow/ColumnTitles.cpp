#include "mainwindow/ColumnTitles.h"

#include <QCoreApplication>

namespace {

QStringList initialTitles()
{
    return {
        QStringLiteral("Gruppe"),
        QCoreApplication::translate("ItemListView", "Navn"),
        QStringLiteral("Fabrikat"),
        QStringLiteral("Produkt model"),
        QStringLiteral("Antal"),
        QStringLiteral("Pris"),
        QStringLiteral("Vurd."),
        QStringLiteral("Billede"),
        QStringLiteral("Kvitt."),
        QStringLiteral("Dato"),
        QStringLiteral("Rum"),
        QStringLiteral("Beskrivelse"),
        QStringLiteral("Leverandør"),
        QStringLiteral("Adresse"),
        QStringLiteral("Serie no."),
        QStringLiteral("Www"),
        QStringLiteral("Dok."),
    };
}

// Built on first use, so that the translation of "Navn" comes from the
// catalogue that start-up installed before anything asks for the titles.
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

void resetColumnTitles()
{
    titles() = initialTitles();
}
