#pragma once

#include <QDate>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>

#include "database/DBItemCollection.h"
#include "core/ColumnTitles.h"
#include "core/Edition.h"
#include "database/Item.h"

// A register made in memory for the print tests, and the text of a printed
// PDF read back with pdftotext (poppler-utils).
namespace PrintFixture {

struct ItemRow
{
    int group = 0;
    QString name;
    double price = 0;
    int count = 1;
    double priceToday = 0;
    int location = 0;
    QString date = QStringLiteral("01.02.2003");
};

// A collection with the given group and location lists and items; the lists
// the collection loaded for itself are replaced.
inline std::unique_ptr<DBItemCollection> makeCollection(
    const QStringList &groups, const QStringList &locations, const QList<ItemRow> &rows)
{
    auto collection = std::make_unique<DBItemCollection>(nullptr);
    collection->groups().clear();
    for (const QString &group : groups)
        collection->groups().add(group);
    collection->locations().clear();
    for (const QString &location : locations)
        collection->locations().add(location);
    for (const ItemRow &row : rows) {
        auto item = std::make_unique<Item>();
        item->setGroup(row.group);
        item->setName(row.name);
        item->setPrice(row.price);
        item->setNumberOfItems(row.count);
        item->setPriceToday(row.priceToday);
        item->setLocation(row.location);
        item->setDate(row.date);
        collection->add(std::move(item));
    }
    return collection;
}

// The pages of a PDF as text, in layout mode; empty when pdftotext failed.
inline QStringList pdfPages(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), { QStringLiteral("-layout"), path, QStringLiteral("-") });
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'));
    // pdftotext ends the last page with a form feed too.
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// The non-empty lines of a page with runs of blanks made one blank, as the
// width of a blank in the PDF's text is pdftotext's guess.
inline QStringList simplifiedLines(const QString &page)
{
    QStringList lines;
    for (const QString &line : page.split(QLatin1Char('\n'))) {
        const QString simple = line.simplified();
        if (!simple.isEmpty())
            lines.append(simple);
    }
    return lines;
}

// The first line of a printed page's heading: the database's name, the
// print date and "side N af M" (in the Danish source texts).
inline QString pageHeadingLine(const QString &database, int page, int pages)
{
    return QStringLiteral("%1 %2 side %3 af %4")
        .arg(database, QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")))
        .arg(page)
        .arg(pages);
}

// The fonts a page of the PDF uses (pdffonts' name column).
inline QStringList pdfFonts(const QString &path, int page)
{
    QProcess process;
    process.start(QStringLiteral("pdffonts"),
        { QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page), path });
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    QStringList names;
    // Two heading lines, then one font per line, its name first.
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'));
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QString name = lines.at(i).section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}

// The size of the PDF's first page as pdfinfo gives it ("841.89 x 595.276
// pts (A4)"); empty when pdfinfo failed.
inline QString pdfPageSize(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), { path });
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    for (const QString &line : QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("Page size:")))
            return line.mid(10).trimmed();
    }
    return {};
}

// The editions and the folders of their demo databases.
struct EditionDemo
{
    int edition;
    const char *tag;
    const char *folder;
};
inline const QList<EditionDemo> &editionDemos()
{
    static const QList<EditionDemo> demos {
        { OstranaEdition, "ostrana", "DemoDBStd" },
        { VistrelEdition, "vistrel", "DemoDBCinvaro" },
        { NumivaxEdition, "numivax", "DemoDBNumivax" },
        { QuorvelEdition, "quorvel", "DemoQuorvel" },
    };
    return demos;
}
inline const QStringList &languages()
{
    static const QStringList codes { QStringLiteral("dk"), QStringLiteral("no"), QStringLiteral("en") };
    return codes;
}

// The field names of an edition's demo database in a language (its
// field-names list, Latin-1, a name a line); empty when the file is missing.
inline QStringList demoFieldNames(const char *folder, const QString &language)
{
    QFile file(
        QStringLiteral(LARKSPAN_SOURCE_DIR "/data/db/%1/fields/fields.%2.txt").arg(QLatin1String(folder), language));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList names;
    for (const QByteArray &line : file.readAll().split('\n'))
        names.append(QString::fromLatin1(line.trimmed()));
    while (!names.isEmpty() && names.last().isEmpty())
        names.removeLast();
    return names;
}

// Gives the column titles the field names, as the item list does when it
// shows a database with that field-names list; false for too short a list.
inline bool useFieldNames(const QStringList &names)
{
    // The column of each entry of the list.
    const int columns[] = { 0, 1, 2, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15, 8, 16, 3 };
    if (names.size() < int(std::size(columns)))
        return false;
    resetColumnTitles();
    for (int entry = 0; entry < int(std::size(columns)); ++entry)
        setColumnTitle(columns[entry], names.at(entry));
    return true;
}

} // namespace PrintFixture
