#include "output/ListPrinter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "desktop/MessageBox.h"
#include "desktop/PrintDialog.h"
#include "desktop/PrintJob.h"
#include "desktop/WaitCursor.h"
#include "output/PageHeading.h"
#include "output/PrintFieldTitles.h"
#include "output/PrintLayout.h"

namespace {

constexpr int margin = 50;
// The list's font size, and the least it is made to fit the paper.
constexpr qreal normalPoints = 10;
constexpr qreal leastPoints = 7;
constexpr int countWidth = 3;
constexpr int dateWidth = 10;

QString leftCell(const QString &text, int width)
{
    return text.left(width).leftJustified(width);
}

QString rightCell(const QString &text, int width)
{
    return text.right(width).rightJustified(width);
}

// Whole units, rounded half away from zero; never "-0".
QString wholeAmount(double amount)
{
    const double rounded = std::round(amount);
    return QString::number(rounded == 0.0 ? 0.0 : rounded, 'f', 0);
}

} // namespace

ListPrinter::ListPrinter(DBItemCollection *collection, QObject *parent)
    : QObject(parent)
    , m_collection(collection)
{ }

QString ListPrinter::MakeHeadingLine() const
{
    const QString &separator = m_settings.separator;
    QString heading;
    for (int i = 0; i < PrintFields::FieldCount; ++i) {
        const auto field = PrintFields::Field(i);
        if (!m_settings.prints(field))
            continue;
        const QString title = PrintFieldTitles::title(field);
        if (field == PrintFields::ItemCount)
            heading += title.rightJustified(countWidth) + separator;
        else if (field == PrintFields::Date)
            heading += QLatin1Char(' ') + title.leftJustified(dateWidth) + QLatin1Char(' ') + separator;
        else
            heading += QLatin1Char(' ') + leftCell(title, m_settings.length(field)) + QLatin1Char(' ') + separator;
    }
    return heading;
}

QString ListPrinter::listName(int index, bool location) const
{
    return PrintFieldTitles::listEntry(m_collection, index, location);
}

QString ListPrinter::MakeItemLine(int n, const Item &item)
{
    m_line.clear();
    const QStringList cells = itemCells(n, item);
    const QList<PrintLayout::Column> columns = this->columns();
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (columns.at(i).bare)
            m_line += cells.at(i) + m_settings.separator;
        else
            m_line += QLatin1Char(' ') + cells.at(i) + QLatin1Char(' ') + m_settings.separator;
    }
    return m_line;
}

QStringList ListPrinter::itemCells(int n, const Item &item) const
{
    QStringList cells;
    if (!m_settings.shows(item.group(), item.location()))
        return cells;

    for (int i = 0; i < PrintFields::FieldCount; ++i) {
        const auto field = PrintFields::Field(i);
        if (!m_settings.prints(field))
            continue;
        const int width = m_settings.length(field);
        QString content;
        switch (field) {
        case PrintFields::ItemCount:
            content = QString::number(n).rightJustified(countWidth);
            break;
        case PrintFields::Group:
            content = leftCell(listName(item.group(), false), width);
            break;
        case PrintFields::Name:
            content = leftCell(item.name(), width);
            break;
        case PrintFields::Model:
            content = leftCell(item.product(), width);
            break;
        case PrintFields::ProductType:
            content = leftCell(item.productModel(), width);
            break;
        case PrintFields::Count:
            content = rightCell(QString::number(item.numberOfItems()), width);
            break;
        case PrintFields::Price:
            content = wholeAmount(item.price()).rightJustified(width);
            break;
        case PrintFields::PriceToday:
            content = wholeAmount(item.priceToday()).rightJustified(width);
            break;
        case PrintFields::Picture:
            content = rightCell(item.photolink(), width);
            break;
        case PrintFields::Date:
            content = item.date().rightJustified(dateWidth);
            break;
        case PrintFields::Location:
            content = leftCell(listName(item.location(), true), width);
            break;
        case PrintFields::Describe:
            content = leftCell(item.description(), width);
            break;
        case PrintFields::Supplier:
            content = leftCell(item.supplier(), width);
            break;
        case PrintFields::Address:
            content = leftCell(item.address(), width);
            break;
        case PrintFields::SerialNumber:
            content = leftCell(item.serialno(), width);
            break;
        case PrintFields::Www:
            content = rightCell(item.www(), width);
            break;
        case PrintFields::Receipt:
            content = rightCell(item.receipt(), width);
            break;
        case PrintFields::Document:
            content = rightCell(item.document(), width);
            break;
        case PrintFields::FieldCount:
            break;
        }
        cells.append(content);
    }
    return cells;
}

QList<PrintLayout::Column> ListPrinter::columns() const
{
    using namespace PrintFields;
    QList<PrintLayout::Column> result;
    for (int i = 0; i < FieldCount; ++i) {
        const auto field = Field(i);
        if (!m_settings.prints(field))
            continue;
        PrintLayout::Column column;
        column.title = PrintFieldTitles::title(field);
        column.width = field == ItemCount ? countWidth : field == Date ? dateWidth : m_settings.length(field);
        column.bare = field == ItemCount;
        // Amounts, counts and dates are never wrapped; every text may be.
        column.wraps
            = !(field == ItemCount || field == Count || field == Price || field == PriceToday || field == Date);
        column.alignRight = field == ItemCount || field == Count || field == Price || field == PriceToday
            || field == Date || field == Picture || field == Www || field == Receipt || field == Document;
        result.append(column);
    }
    return result;
}

QFont ListPrinter::listFont(qreal points)
{
    QFont font(QStringLiteral("Courier New"));
    font.setPointSizeF(points);
    font.setWeight(QFont::Bold);
    // Wherever Courier New is missing, another fixed-pitch font keeps the columns.
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

int ListPrinter::roomFor(QPrinter &printer, QPageLayout::Orientation orientation, qreal points)
{
    QPageLayout page = printer.pageLayout();
    page.setOrientation(orientation);
    const int width = page.paintRectPixels(printer.resolution()).width() - 2 * margin;
    const QFontMetricsF metrics(listFont(points), &printer);
    // Measured over many characters, as the line is drawn.
    const qreal advance = metrics.horizontalAdvance(QString(100, QLatin1Char('M'))) / 100.0;
    return advance > 0 ? int(width / advance) : 0;
}

qreal ListPrinter::fitToPaper(QPrinter &printer, PrintLayout &layout)
{
    // The page as the user chose it, turned where a line is too wide for
    // it; then a smaller font, down to the least that reads well; then the
    // widest texts go on over several lines.
    QList<QPageLayout::Orientation> orientations { QPageLayout::Landscape };
    if (printer.pageLayout().orientation() == QPageLayout::Portrait)
        orientations.prepend(QPageLayout::Portrait);
    const int width = layout.lineWidth();
    for (const QPageLayout::Orientation orientation : orientations) {
        const bool smaller = orientation == QPageLayout::Landscape;
        for (qreal points = normalPoints; points >= leastPoints; points -= smaller ? 0.5 : normalPoints) {
            if (width <= roomFor(printer, orientation, points)) {
                printer.setPageOrientation(orientation);
                return points;
            }
        }
    }
    printer.setPageOrientation(QPageLayout::Landscape);
    layout.fitTo(roomFor(printer, QPageLayout::Landscape, leastPoints));
    return leastPoints;
}

bool ListPrinter::acceptCompromise(const PrintLayout &layout, QWidget *parent)
{
    const QStringList wrapped = layout.wrappedTitles();
    const QStringList leftOff = layout.leftOffTitles();
    if (wrapped.isEmpty() && leftOff.isEmpty())
        return true;
    // A title that ends with its abbreviation's dot ("Dok.") also ends
    // the sentence: no second full stop after it.
    const auto names = [](const QStringList &titles) {
        QString joined = titles.join(QStringLiteral(", "));
        if (joined.endsWith(QLatin1Char('.')))
            joined.chop(1);
        return joined;
    };
    QString text = tr(
        "De valgte kolonner er bredere end papiret, også på tværs af siden og med den mindste skrift (%1 punkter).")
                       .arg(leastPoints);
    if (!wrapped.isEmpty())
        text += QStringLiteral("\n\n")
            + tr("Teksten i disse kolonner fortsætter derfor på flere linjer: %1.").arg(names(wrapped));
    if (!leftOff.isEmpty())
        text += QStringLiteral("\n\n")
            + tr("Der er ikke plads til disse kolonner, så de udelades: %1.").arg(names(leftOff));
    text += QStringLiteral("\n\n")
        + tr("Vælg færre felter eller kortere feltlængder under Opsætning, Udskrivning for at få hver post på én "
             "linje.");
    const int chosen = MessageBox::showCustom(MessageBox::Warning, parent, tr("Listen er for bred til papiret"), text,
        { tr("&Udskriv"), tr("&Annuller") }, 0, 1);
    return chosen == 0;
}

void ListPrinter::Print(QWidget *parent)
{
    reloadSettings();
    if (m_collection)
        m_collection->sort(m_settings.sortMethod);

    WaitCursor creating;
    QPrinter printer;
    creating.restore();
    if (!PrintDialog::exec(printer, parent)) {
        emit message(tr("Print afbrudt"), 2000);
        return;
    }

    // The whole list is laid out before the first page is drawn, so that it
    // fits the paper and every page can say how many there are.
    PrintLayout layout(columns(), m_settings.separator);
    int n = 0;
    const ItemSpan items = m_collection ? m_collection->items() : ItemSpan();
    for (const Item *item : items) {
        ++n;
        const QStringList cells = itemCells(n, *item);
        if (!cells.isEmpty())
            layout.addRow(cells);
    }
    if (!items.isEmpty())
        MakeItemLine(n, *items.at(items.size() - 1));
    const qreal points = fitToPaper(printer, layout);
    if (!acceptCompromise(layout, parent)) {
        emit message(tr("Print afbrudt"), 2000);
        return;
    }

    WaitCursor printing;
    emit message(tr("Printing..."), 0);
    PrintJob job(printer);
    QPainter painter;
    if (!job.begin(painter)) {
        failed(job, printing, parent);
        return;
    }

    QFont font = listFont(points);
    painter.setFont(font);
    const QFontMetrics metrics = painter.fontMetrics();
    const int ascent = metrics.ascent();
    const int step = ascent + metrics.descent();
    const int pageHeight = job.device().height();
    const int bottom = pageHeight - margin;
    const int chars = std::max(1, int((job.device().width() - 2 * margin) / PrintLayout::charWidth(painter)));

    const PageHeading pageHeading(m_collection, PageHeading::listDetail(m_settings, m_collection));
    const QStringList heading = layout.headingLines();
    const int headingLines = int(pageHeading.lines(1, 1, chars).size());
    const int rowsTop
        = margin + headingLines * step + step / 2 + int(heading.size()) * step + (metrics.lineSpacing() - step);

    // The rows of each page, a row kept on one page unless it is taller than a page.
    QList<QStringList> pages { QStringList() };
    int y = rowsTop;
    for (int row = 0; row < layout.rowCount(); ++row) {
        const QStringList lines = layout.rowLines(row);
        if (y + int(lines.size()) * step > bottom && !pages.last().isEmpty()) {
            pages.append(QStringList());
            y = rowsTop;
        }
        for (const QString &line : lines) {
            if (y + step > bottom && !pages.last().isEmpty()) {
                pages.append(QStringList());
                y = rowsTop;
            }
            pages.last().append(line);
            y += step;
        }
    }

    for (qsizetype page = 0; page < pages.size(); ++page) {
        if (page > 0) {
            emit message(tr("Printing (page %1)...").arg(page + 1), 0);
            job.device().newPage();
        }
        int top = margin;
        font.setWeight(QFont::Normal);
        font.setUnderline(false);
        painter.setFont(font);
        for (const QString &line : pageHeading.lines(int(page) + 1, int(pages.size()), chars)) {
            painter.drawText(margin, top + ascent, line);
            top += step;
        }
        top += step / 2;
        // Only the first page's heading is bold.
        font.setWeight(page == 0 ? QFont::Bold : QFont::Normal);
        font.setUnderline(true);
        painter.setFont(font);
        for (const QString &line : heading) {
            painter.drawText(margin, top + ascent, line);
            top += step;
        }
        font.setWeight(QFont::Normal);
        font.setUnderline(false);
        painter.setFont(font);
        top = rowsTop;
        for (const QString &line : std::as_const(pages.at(page))) {
            painter.drawText(margin, top + ascent, line);
            top += step;
        }
    }

    if (!job.end(painter)) {
        failed(job, printing, parent);
        return;
    }
    emit message(tr("Print færdig"), 2000);
}

void ListPrinter::failed(const PrintJob &job, WaitCursor &printing, QWidget *parent)
{
    // Nothing claims that a print which did not reach its file is done.
    if (job.fileName().isEmpty())
        return;
    printing.restore();
    emit message(tr("Print mislykkedes"), 2000);
    job.tellFailure(parent);
}
