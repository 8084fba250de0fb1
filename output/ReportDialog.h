#pragma once

#include <QDialog>
#include <QStringList>

#include "ui_ReportDialogBase.h"

class DBItemCollection;
class QPainter;
class QPrinter;

// The group report: for every named group the number of items, the purchase
// value and the estimated value today, sorted by line text, then a dash
// line, the totals of all items and the number of records. Computed once,
// when the dialog is made; later edits do not change it.
//
// The line texts come from the catalogue ("FUNI_GROUP_LINE_TEXT", or
// "VISTREL_GROUP_LINE_TEXT" for pictures, which have no count); the names
// and numbers are padded to the column widths before they are put in, and
// the column heading is laid out by the same line text and widths, so the
// columns and their titles line up in a fixed-pitch font whatever the
// language and the database's column titles.
class ReportDialog : public QDialog, public Ui::ReportDialogBase
{
    Q_OBJECT
public:
    // collection: the register to sum up (not owned); only read here.
    ReportDialog(DBItemCollection *collection, QWidget *parent = nullptr, const char *name = nullptr,
        bool modal = false, Qt::WindowFlags flags = {});

    // The printed lines: the sorted group lines, the dash line and the totals line.
    const QStringList &ReportLines() const { return m_reportLines; }
    // The count line that ends the report.
    const QString &countLine() const { return m_countLine; }

    // The line of one group (or of all items, for DBItemCollection::AllGroups)
    // under the given name.
    static QString groupLine(const DBItemCollection &collection, int group, const QString &name);
    // The column heading (the column titles between dashes), on screen and
    // under the printed heading: the group title starts where the names
    // start, every other title ends where its numbers end.
    static QString columnHeadingLine();
    // The heading of the printed report.
    static QString headerText();

public slots:
    // Prints the report, a page at a time, with the page heading (database,
    // date, "side N af M") and the report's heading on every page.
    void report_slot();
    // Draws the printed heading at the current position.
    void PrintHeader();

private:
    // The widths of the columns: the names to 25, the count to 4, the
    // amounts to 9 characters, or wider where a column's title is longer.
    struct Widths
    {
        int name = 0;
        int count = 0;
        int value = 0;
        int estimate = 0;
    };
    static Widths widths();
    // A line of the edition's line text with the cells padded to the widths
    // with fill: the name to the left, the numbers to the right.
    static QString lineText(const QString &name, const QString &count, const QString &value, const QString &estimate,
        QChar fill = QLatin1Char(' '));

    void build(const DBItemCollection &collection);
    // Moves down by one line and draws text there.
    void printLine(const QString &text);

    // For the page heading's database name (not owned).
    const DBItemCollection *m_collection = nullptr;
    QStringList m_reportLines;
    QString m_countLine;
    QString m_line;
    // While printing.
    QPainter *m_painter = nullptr;
    int m_x = 0;
    int m_y = 0;
};
