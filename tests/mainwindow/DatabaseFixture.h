#pragma once

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QString>
#include <QStringList>

#include "TestSupport.h"
#include "core/Edition.h"

// Small database files, with their list files, written into a test's
// temporary folder for the main window to open.
namespace DatabaseFixture {

struct Row
{
    int group = 0;
    QString name;
    QString picture;
    QString receipt;
    QString www;
    QString document;
    int location = 0;
};

inline QByteArray headerLine(int edition)
{
    switch (edition) {
    case VistrelEdition:
        return "#2.5.4 (IMA)- Format: type;name;model;price;priceToday;date;supplier;serialno;description;address;"
               "photolink;number_of_items;location;www;receipt;document;;";
    case NumivaxEdition:
        return "#2.5.4 (COI)- Format: type;year;mat;price;priceToday;date;catalog;catalogNo;description;quality;"
               "picture1;count;crown;www;picture2;document;;";
    case QuorvelEdition:
        return "#2.5.4 (INV)- Format: type;name;model;price;priceToday;date;supplier;serialno;description;address;"
               "photolink;number_of_items;location;www;receipt;document;;";
    default:
        return "#2.5.5 (INB)- Format: group;name;product;price;priceToday;date;supplier;serialno;description;address;"
               "photolink;number_of_items;location;www;receipt;document;producttype;;";
    }
}

inline QByteArray dataLine(const Row &row)
{
    const QStringList fields {
        QString::number(row.group),
        row.name,
        QStringLiteral("Make"),
        QStringLiteral("100.000000"),
        QStringLiteral("80.000000"),
        QStringLiteral("01.02.2003"),
        QStringLiteral("Shop"),
        QStringLiteral("S1"),
        QStringLiteral("Description"),
        QStringLiteral("Address"),
        row.picture,
        QStringLiteral("1"),
        QString::number(row.location),
        row.www,
        row.receipt,
        row.document,
        QStringLiteral("Model"),
    };
    return (fields.join(QLatin1Char(';')) + QLatin1Char(';')).toLatin1() + "\r\n";
}

inline QByteArray listFile(const QStringList &entries)
{
    QByteArray bytes;
    for (const QString &entry : entries)
        bytes += entry.toLatin1() + "\r\n";
    return bytes;
}

// Writes the group and location lists (and, when given, the field-names
// list) of the folder for the language.
inline void writeLists(const QString &folder, const QStringList &groups, const QString &language = QStringLiteral("dk"),
    const QStringList &fields = QStringList())
{
    const QDir dir(folder);
    TestSupport::writeFile(dir.filePath(QStringLiteral("groups/groups.%1.txt").arg(language)), listFile(groups));
    TestSupport::writeFile(dir.filePath(QStringLiteral("location/location.%1.txt").arg(language)),
        listFile({ QStringLiteral("Loft"), QStringLiteral("Kælder") }));
    if (!fields.isEmpty())
        TestSupport::writeFile(dir.filePath(QStringLiteral("fields/fields.%1.txt").arg(language)), listFile(fields));
}

// Writes a database file of the edition into folder; returns its path.
inline QString writeDatabase(const QString &folder, const QString &fileName, int edition, const QList<Row> &rows)
{
    QByteArray bytes = headerLine(edition) + "\r\n";
    for (const Row &row : rows)
        bytes += dataLine(row);
    const QString path = QDir(folder).filePath(fileName);
    TestSupport::writeFile(path, bytes);
    return path;
}

inline QList<Row> threeItems()
{
    return {
        Row { 0, QStringLiteral("Sofa"), QStringLiteral("sofa.jpg"), QString(), QString(), QString(), 0 },
        Row { 1, QStringLiteral("Komfur"), QString(), QStringLiteral("bon.pdf"), QStringLiteral("www.example.com"),
            QStringLiteral("manual.pdf"), 1 },
        Row { 1, QStringLiteral("Gryde"), QString(), QString(), QString(), QString(), 0 },
    };
}

inline QStringList twoGroups()
{
    return { QStringLiteral("Stue"), QStringLiteral("Køkken") };
}

} // namespace DatabaseFixture
