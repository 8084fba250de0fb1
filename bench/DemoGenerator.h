#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QString>

#include "BenchSetup.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "desktop/FileDialog.h"
#include "desktop/MessageBox.h"

// Writes large home-contents databases for the benchmarks: the header of the
// Ostrana edition, then `count` items spread over a few dozen groups and
// locations, with a mix of empty and filled links, plus the group and
// location lists the main window reads from the database's folder.
namespace DemoGenerator {

constexpr int GroupCount = 24;
constexpr int LocationCount = 12;

inline bool writeList(const QString &path, const QString &prefix, int count)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += prefix.toLatin1() + ' ' + QByteArray::number(i) + "\r\n";
    return file.write(bytes) == bytes.size();
}

// Writes folder/fileName with count items and the lists of language "dk";
// returns the database path, or "" when something could not be written.
inline QString writeDatabase(const QString &folder, const QString &fileName, int count)
{
    const QDir dir(folder);
    if (!writeList(dir.filePath(QStringLiteral("groups/groups.dk.txt")), QStringLiteral("Gruppe"), GroupCount)
        || !writeList(dir.filePath(QStringLiteral("location/location.dk.txt")), QStringLiteral("Rum"), LocationCount))
        return QString();

    const QString path = dir.filePath(fileName);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();

    QByteArray bytes;
    bytes.reserve(count * 200);
    bytes += "#2.5.5 (INB)- Format: group;name;product;price;priceToday;date;supplier;serialno;description;"
             "address;photolink;number_of_items;location;www;receipt;document;producttype;;\r\n";
    for (int i = 0; i < count; ++i) {
        const QByteArray n = QByteArray::number(i);
        bytes += QByteArray::number(i % GroupCount) + ';'; // group
        bytes += "Ting nummer " + n + ';'; // name
        bytes += "Fabrikat " + QByteArray::number(i % 97) + ';'; // product
        bytes += QByteArray::number(10.0 + (i % 1000) * 1.25, 'f', 6) + ';'; // price
        bytes += QByteArray::number(5.0 + (i % 700) * 0.75, 'f', 6) + ';'; // value today
        bytes += QByteArray::number(10 + i % 18) + '.' + QByteArray::number(10 + i % 2) + '.'
            + QByteArray::number(1990 + i % 30) + ';'; // date
        bytes += "Leverand\xf8r " + QByteArray::number(i % 13) + ';'; // supplier, Latin-1
        bytes += "SN" + n + ';'; // serial number
        bytes += "En beskrivelse af ting nummer " + n + ';'; // description
        bytes += "Hylde " + QByteArray::number(i % 40) + ';'; // address
        bytes += (i % 3 == 0 ? "billeder/ting" + n + ".jpg" : QByteArray()) + ';'; // picture
        bytes += QByteArray::number(1 + i % 4) + ';'; // count
        bytes += QByteArray::number(i % LocationCount) + ';'; // location
        bytes += (i % 5 == 0 ? "www.example.com/" + n : QByteArray()) + ';'; // web address
        bytes += (i % 7 == 0 ? "kvitteringer/" + n + ".pdf" : QByteArray()) + ';'; // receipt
        bytes += (i % 11 == 0 ? "dok/" + n + ".pdf" : QByteArray()) + ';'; // document
        bytes += "Model " + QByteArray::number(i % 31) + ";\r\n"; // product model
    }
    if (file.write(bytes) != bytes.size())
        return QString();
    return path;
}

// What a benchmark through the main window needs: a settings store of its
// own in folder (the user's settings stay untouched), the home-contents
// edition, no boxes or dialogs that wait, and a database of count items in
// folder's "db" that Open starts in. Returns the database path, "" when it
// could not be written.
inline QString prepareWindowRun(const QString &folder, int count)
{
    BenchSetup::useOwnSettings(folder);

    const QString databaseFolder = QDir(folder).filePath(QStringLiteral("db"));
    const QString database = writeDatabase(databaseFolder, QStringLiteral("large.db"), count);
    if (database.isEmpty())
        return QString();
    Settings settings;
    settings.setValue(QStringLiteral("LastSavedDBFile"), QString());
    settings.setValue(QStringLiteral("LastDBDir"), databaseFolder);
    MessageBox::setRecording(true);
    FileDialog::setRecording(true);
    return database;
}

} // namespace DemoGenerator
