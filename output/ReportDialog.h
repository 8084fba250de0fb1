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
// "VISTREL_GROUP_LINE_TEXT" for pictures, which have no count); the numbers
// are padded before they are put in, so the columns line up in a fixed-pitch
// font whatever the language.
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
    // The heading of the report on screen (column titles between dashes).
    static QString columnHeadingLine();
    // The heading of the printed report.
    static QString headerText();

public slots:
    // Prints the report, a page at a time, with the heading on every page.
    void report_slot();
    // Draws the printed heading at the current position.
    void PrintHeader();

private:
    void build(const DBItemCollection &collection);
    // Moves down by one line and draws text there.
    void printLine(const QString &text);

    QStringList m_reportLines;
    QString m_countLine;
    QString m_line;
    // While printing.
    QPainter *m_painter = nullptr;
    int m_x = 0;
    int m_y = 0;
};
