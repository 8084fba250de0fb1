#pragma once

#include <QObject>
#include <QPageLayout>
#include <QString>

#include "core/PrintSettings.h"
#include "output/PrintLayout.h"

class DBItemCollection;
class Item;
class PrintJob;
class QFont;
class QPrinter;
class QWidget;
class WaitCursor;

// The printed list of the register: one heading line per page and one line
// per item in a fixed-pitch font, with the columns, widths, separator,
// filter and sort of the print settings. The settings are read from the store
// when the object is made and again when a print starts, so a change in the
// print setup takes effect with the next print.
//
// Every cell is " " + content + " " + separator, except the running number,
// which is content + separator. Plain texts keep their beginnings and links
// their ends (the file names) when cut to their widths; amounts are never cut.
class ListPrinter : public QObject
{
    Q_OBJECT
public:
    // collection: the open register (not owned).
    explicit ListPrinter(DBItemCollection *collection, QObject *parent = nullptr);

    // The heading line for the selected fields.
    QString MakeHeadingLine() const;
    // The line of one item with running number n; empty when the group or
    // location filter drops the item.
    QString MakeItemLine(int n, const Item &item);
    // The last line built.
    const QString &line() const { return m_line; }

    // The whole print run: sorts the collection by "Print/sortMethod" (the
    // order stays), asks for a printer (the dialog's parent is parent) and
    // prints the item lines page by page, each page under the page heading
    // (database, date, filter and sort, "side N af M") and the column
    // heading, reporting through message(). The list is made to fit the
    // paper: the page turned, a smaller font, the widest texts wrapped; when
    // it takes wrapping or leaving off columns, a box says so first and lets
    // the user cancel. A print into a file that fails says so, in a box and
    // in message(), and leaves an older file of that name as it was.
    void Print(QWidget *parent);

    const PrintSettingsSnapshot &settings() const { return m_settings; }
    // Reads the settings from the store again.
    void reloadSettings() { m_settings = PrintSettingsSnapshot(); }

    // The printed columns and one item's cells, as cut by the settings;
    // no cells for an item the filter drops.
    QList<PrintLayout::Column> columns() const;
    QStringList itemCells(int n, const Item &item) const;

signals:
    // A status-bar text and how long to show it (0: until replaced).
    void message(const QString &text, int milliseconds);

private:
    static QFont listFont(qreal points);
    // The characters a line of the list may take on the printer's paper.
    static int roomFor(QPrinter &printer, QPageLayout::Orientation orientation, qreal points);
    // Turns the page and picks the font size that the layout fits; lays it
    // out narrower when nothing does. Returns the size.
    static qreal fitToPaper(QPrinter &printer, PrintLayout &layout);
    // Tells what the layout had to wrap or leave off; false when the user cancels.
    bool acceptCompromise(const PrintLayout &layout, QWidget *parent);
    QString listName(int index, bool location) const;
    void failed(const PrintJob &job, WaitCursor &printing, QWidget *parent);

    DBItemCollection *m_collection;
    PrintSettingsSnapshot m_settings;
    QString m_line;
};
