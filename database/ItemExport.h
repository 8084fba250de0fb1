#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "database/Item.h"

class AsyncBlockWriter;
class DBItemCollection;
class SaveTarget;
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
    QString errorString() const { return m_errorString; }

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

    static constexpr qsizetype bufferSize = qsizetype(1) << 20;
    // Inline: the item blocks make millions of these calls for a register.
    void reserve(qsizetype bytes)
    {
        if (m_used + bytes > bufferSize)
            flush();
    }
    void flush();
    // ASCII text; every "\n" becomes CR LF.
    void put(std::string_view ascii);
    // Bytes as they are.
    void putRaw(std::string_view bytes)
    {
        reserve(qsizetype(bytes.size()));
        std::memcpy(m_buffer.get() + m_used, bytes.data(), bytes.size());
        m_used += qsizetype(bytes.size());
    }
    // A text with &, <, >, " and ' as entities and the control characters
    // XML does not allow as "?".
    void putText(QStringView text);
    void putText(const Item &item, Item::Text which);
    void putNumber(double value);
    void putInteger(int value);
    void putListName(const QStringList &list, int index);
    void putAbsolutePath(const QString &link);
    void putItemBlock(const Item &item, int options);
    void putElementValue(const Item &item, int element);
    void putPicture(const QString &link, std::string_view pictureText);
    void putTableHead(const PrintSettingsSnapshot &settings);
    void putTableRow(const Item &item, int position, const PrintSettingsSnapshot &settings);
    void putPictureCell(const QString &link, const QString &title);
    void writeItems(const Item *singleItem, bool specialCases, bool asTable);

    DBItemCollection &m_collection;
    std::unique_ptr<SaveTarget> m_file;
    std::unique_ptr<char[]> m_buffer;
    // The buffer being written while m_buffer fills.
    std::unique_ptr<char[]> m_spare;
    // Made for each file; declared after the file and the buffers it
    // writes from, so that it goes (waiting for its block) before them.
    std::unique_ptr<AsyncBlockWriter> m_writer;
    qsizetype m_used = 0;
    bool m_failed = false;
    QString m_errorString;
    // The list's seventeen column titles as the user sees them.
    QStringList m_titles;
    // The markup before each value of a block without labels, and after the
    // last, for the options they were made for (-1: none yet).
    int m_plainOptions = -1;
    std::vector<std::pair<int, std::string>> m_plainSteps;
    std::string m_plainEnd;
    QString m_currentFolder;
};
