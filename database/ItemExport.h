#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "database/ExportFile.h"
#include "database/Item.h"

class DBItemCollection;
struct PrintSettingsSnapshot;

// Writes the register as an XML file or as an HTML page: the list of all
// items, the table of the print settings' columns, the special cases (items
// without an estimated value) or one item with labels.
//
// Files are Latin-1 with CR LF line ends; a character Latin-1 cannot hold is
// written as "?". Items are streamed one by one through a fixed buffer, with
// no text built per item, because a register of a hundred thousand items is
// written while the user waits.
//
// No text reaches a page as markup: every text of an item (including the
// link inside a picture's src attribute and every cell of the table), every
// column title (the database's field-names list gives them) and the file
// name in the heading are written with &, <, >, " and ' as entities. The
// control characters that XML does not allow (below U+0020 but the tab, line
// feed and carriage return), which a database may hold, are written as "?",
// so that every XML file is well-formed. The pages declare their character
// set. The file is written beside the older one of its name and replaces it
// only when whole: a file that could not be written whole leaves the older
// one as it was.
//
// Both writers sort the collection by group first (the table then by the
// print settings' sort); the order stays in the collection afterwards.
class ItemExport
{
public:
    explicit ItemExport(DBItemCollection &collection);
    ~ItemExport();
    ItemExport(const ItemExport &) = delete;
    ItemExport &operator=(const ItemExport &) = delete;

    bool writeXml(const QString &fileName);
    // withHeading: the file name and the column titles above the list (not
    // on the special-cases page). singleItem: only that item, with labels.
    bool writeHtml(const QString &fileName, bool withHeading, const Item *singleItem, bool specialCases, bool asTable);
    // Why the last write failed (the file and the reason).
    QString errorString() const { return m_out.errorString(); }

    // The folder of generated pages: the environment variable "AppData" when
    // it is set, otherwise the database folder (lastDbDir).
    static QString outputFolder();
    // baseName + suffix in outputFolder(), as an absolute path.
    static QString outputFilePath(const QString &baseName, const QString &suffix);

private:
    enum BlockOption { Labels = 1, Separators = 2, LineBreaks = 4, SpecialSubset = 8 };

    // The collection's sort, skipped when the items are in that order already.
    void sort(int method);
    bool open(const QString &fileName);
    bool finish();

    void putListName(const QStringList &list, int index);
    void putAbsolutePath(const QString &link);
    void putItemBlock(const Item &item, int options);
    void putElementValue(const Item &item, int element);
    void putPicture(const QString &link, std::string_view pictureText);
    void putTableHead(const PrintSettingsSnapshot &settings);
    void putTableRow(const Item &item, int position, const PrintSettingsSnapshot &settings);
    void putPictureCell(const QString &link, const QString &title);

    DBItemCollection &m_collection;
    ExportFile m_out;
    // The list's seventeen column titles as the user sees them.
    QStringList m_titles;
    // The markup before each value of a block without labels, and after the
    // last, for the options they were made for (-1: none yet).
    int m_plainOptions = -1;
    std::vector<std::pair<int, std::string>> m_plainSteps;
    std::string m_plainEnd;
    QString m_currentFolder;
};
