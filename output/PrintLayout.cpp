#include "output/PrintLayout.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace {

bool breaksAfter(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char('-');
}

// The longest piece of text that wrapText keeps on one line.
int longestWord(const QString &text)
{
    int longest = 0;
    int run = 0;
    for (const QChar c : text) {
        if (c == QLatin1Char(' ')) {
            run = 0;
            continue;
        }
        longest = std::max(longest, ++run);
        if (breaksAfter(c))
            run = 0;
    }
    return longest;
}

// The cell's content without the blanks that pad it to its width.
QString content(const QString &cell, bool alignRight)
{
    qsizetype from = 0;
    qsizetype to = cell.size();
    if (alignRight) {
        while (from < to && cell.at(from) == QLatin1Char(' '))
            ++from;
    } else {
        while (to > from && cell.at(to - 1) == QLatin1Char(' '))
            --to;
    }
    return cell.mid(from, to - from);
}

} // namespace

PrintLayout::PrintLayout(const QList<Column> &columns, const QString &separator)
    : m_separator(separator)
{
    for (const Column &column : columns) {
        Placed placed;
        placed.column = column;
        const int title = column.wraps ? longestWord(column.title) : std::max(longestWord(column.title), 1);
        placed.width = std::max({ column.width, title, 1 });
        m_columns.append(placed);
    }
}

void PrintLayout::addRow(const QStringList &cells)
{
    m_rows.append(cells);
    // A cell wider than its setting (an amount) widens its column on every line.
    for (qsizetype i = 0; i < m_columns.size() && i < cells.size(); ++i)
        m_columns[i].width = std::max(m_columns[i].width, int(cells.at(i).size()));
}

int PrintLayout::cellWidth(const Placed &placed) const
{
    const int around = placed.column.bare ? 0 : 2;
    return placed.width + around + int(m_separator.size());
}

int PrintLayout::lineWidth() const
{
    int width = 0;
    for (const Placed &placed : m_columns) {
        if (placed.shown)
            width += cellWidth(placed);
    }
    return width;
}

bool PrintLayout::narrowWidest(bool belowWords)
{
    Placed *widest = nullptr;
    for (Placed &placed : m_columns) {
        if (!placed.shown || !placed.column.wraps)
            continue;
        const int least = belowWords ? std::min(placed.width, m_leastWidth) : placed.wordWidth;
        if (placed.width <= least)
            continue;
        if (!widest || placed.width > widest->width)
            widest = &placed;
    }
    if (!widest)
        return false;
    --widest->width;
    return true;
}

void PrintLayout::fitTo(int chars)
{
    for (Placed &placed : m_columns)
        placed.wordWidth = std::min(placed.width, std::max(m_leastWidth, longestWord(placed.column.title)));
    // First the titles keep their words whole, then they may break inside one.
    while (lineWidth() > chars && narrowWidest(false)) { }
    while (lineWidth() > chars && narrowWidest(true)) { }
    for (qsizetype i = m_columns.size() - 1; i > 0 && lineWidth() > chars; --i)
        m_columns[i].shown = false;
}

QStringList PrintLayout::wrappedTitles() const
{
    QStringList titles;
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
        const Placed &placed = m_columns.at(i);
        if (!placed.shown)
            continue;
        bool wrapped = cellLines(placed, placed.column.title, true).size() > 1;
        for (qsizetype row = 0; !wrapped && row < m_rows.size(); ++row)
            wrapped = cellLines(placed, m_rows.at(row).value(i), false).size() > 1;
        if (wrapped)
            titles.append(placed.column.title);
    }
    return titles;
}

QStringList PrintLayout::leftOffTitles() const
{
    QStringList titles;
    for (const Placed &placed : m_columns) {
        if (!placed.shown)
            titles.append(placed.column.title);
    }
    return titles;
}

QStringList PrintLayout::wrapText(const QString &text, int width)
{
    QStringList lines;
    QString rest = text;
    width = std::max(width, 1);
    while (rest.size() > width) {
        qsizetype cut = width;
        qsizetype next = width;
        for (qsizetype i = width; i > 0; --i) {
            if (rest.at(i) == QLatin1Char(' ')) {
                cut = i;
                next = i + 1;
                break;
            }
            if (breaksAfter(rest.at(i - 1))) {
                cut = next = i;
                break;
            }
        }
        QString line = rest.left(cut);
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        lines.append(line);
        rest = rest.mid(next);
        while (rest.startsWith(QLatin1Char(' ')))
            rest.remove(0, 1);
    }
    if (!rest.isEmpty() || lines.isEmpty())
        lines.append(rest);
    return lines;
}

QStringList PrintLayout::cellLines(const Placed &placed, const QString &cell, bool title) const
{
    // Titles stand to the left, as in the heading of one line, except the
    // running number's.
    const bool right = title ? placed.column.bare : placed.column.alignRight;
    QStringList lines;
    if (cell.size() <= placed.width) {
        lines.append(cell);
    } else {
        const QString text = content(cell, right);
        lines = text.size() <= placed.width || !(placed.column.wraps || title) ? QStringList { text }
                                                                               : wrapText(text, placed.width);
    }
    for (QString &line : lines)
        line = right ? line.rightJustified(placed.width) : line.leftJustified(placed.width);
    return lines;
}

QStringList PrintLayout::joined(const QList<QStringList> &cells) const
{
    qsizetype height = 1;
    for (const QStringList &lines : cells)
        height = std::max(height, lines.size());
    QStringList result;
    for (qsizetype line = 0; line < height; ++line) {
        QString text;
        qsizetype shown = 0;
        for (const Placed &placed : m_columns) {
            if (!placed.shown)
                continue;
            const QString part = cells.at(shown++).value(line, QString(placed.width, QLatin1Char(' ')));
            if (placed.column.bare)
                text += part + m_separator;
            else
                text += QLatin1Char(' ') + part + QLatin1Char(' ') + m_separator;
        }
        result.append(text);
    }
    return result;
}

QStringList PrintLayout::headingLines() const
{
    QList<QStringList> cells;
    for (const Placed &placed : m_columns) {
        if (placed.shown)
            cells.append(cellLines(placed, placed.column.title, true));
    }
    return joined(cells);
}

QStringList PrintLayout::rowLines(int row) const
{
    QList<QStringList> cells;
    const QStringList &values = m_rows.at(row);
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
        if (m_columns.at(i).shown)
            cells.append(cellLines(m_columns.at(i), values.value(i), false));
    }
    return joined(cells);
}

qreal PrintLayout::charWidth(const QPainter &painter)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    const qreal width = metrics.horizontalAdvance(QString(100, QLatin1Char('M'))) / 100.0;
    return width > 0 ? width : 1;
}
