#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QPainter;

// The columns of a printed list laid out in characters of a fixed-pitch
// font, so that a line fits the width the paper has room for.
//
// Every cell is " " + content + " " + separator, except a bare column (the
// running number), which is content + separator. The cells come cut to the
// widths of the print settings; a column is as wide as its widest cell, and
// at least as wide as the longest word of its title, so the title is never
// cut. When a line is wider than the room, fitTo() narrows the text columns,
// the widest first: their contents and titles continue on following lines
// within their own columns, so a row takes several lines. Amounts, dates and
// numbers are never wrapped. Only when the text columns cannot be narrowed
// further are columns left off, from the end of the line.
class PrintLayout
{
public:
    struct Column
    {
        QString title;
        // The characters the print settings give the content.
        int width = 0;
        // A text whose content may continue on following lines.
        bool wraps = false;
        // The content stands to the right of its column (numbers, links).
        bool alignRight = false;
        // Content + separator, no blanks around it (the running number).
        bool bare = false;
    };

    PrintLayout(const QList<Column> &columns, const QString &separator);

    // Adds one row: a cell per column, as cut by the print settings.
    void addRow(const QStringList &cells);
    int rowCount() const { return int(m_rows.size()); }

    // The characters a line takes as the columns now stand.
    int lineWidth() const;
    // Narrows and, where it must, leaves off columns until a line takes at
    // most chars characters (or one column is left).
    void fitTo(int chars);

    // The titles of the columns whose contents or titles now take more
    // than one line somewhere, and of the columns left off, in line order.
    QStringList wrappedTitles() const;
    QStringList leftOffTitles() const;

    // The heading's lines: the titles over their columns.
    QStringList headingLines() const;
    // The lines of one row.
    QStringList rowLines(int row) const;

    // Text broken into lines of at most width characters: after a blank, a
    // slash, a backslash or a hyphen where there is one, elsewhere inside a
    // word. Blanks at the breaks are dropped.
    static QStringList wrapText(const QString &text, int width);
    // The width of one character of the painter's fixed-pitch font on its
    // device, measured over many as a line is drawn (never 0).
    static qreal charWidth(const QPainter &painter);

private:
    struct Placed
    {
        Column column;
        int width = 0;
        // Narrowed down to here before a title breaks inside a word.
        int wordWidth = 0;
        bool shown = true;
    };

    QStringList cellLines(const Placed &placed, const QString &cell, bool title) const;
    QStringList joined(const QList<QStringList> &cells) const;
    int cellWidth(const Placed &placed) const;
    bool narrowWidest(bool belowWords);

    QList<Placed> m_columns;
    QString m_separator;
    QList<QStringList> m_rows;
    int m_leastWidth = 4;
};
