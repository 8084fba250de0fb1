#include "output/ReportDialog.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

#include "core/ColumnTitles.h"
#include "core/Edition.h"
#include "database/DBItemCollection.h"
#include "desktop/PrintDialog.h"
#include "desktop/PrintJob.h"
#include "output/PageHeading.h"
#include "output/PrintFieldTitles.h"
#include "output/PrintLayout.h"

namespace {

const QString dashLine = QStringLiteral("---------------------------------------------------------\n");

// Room left at the foot of a page, as in the printed list.
constexpr int bottomMargin = 50;

QString amount(double value)
{
    return QString::number(value, 'f', 1);
}

} // namespace

ReportDialog::ReportDialog(
    DBItemCollection *collection, QWidget *parent, const char *name, bool modal, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    setupUi(this);
    if (name)
        setObjectName(QString::fromLatin1(name));
    setModal(modal);
    QFont font(QStringLiteral("courier"), 10, QFont::Normal);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    setFont(font);
    reportMultiLineEdit->setFont(font);

    connect(reportPushButton, &QPushButton::clicked, this, &ReportDialog::report_slot);
    connect(buttonOk, &QPushButton::clicked, this, &ReportDialog::accept);

    m_collection = collection;
    if (collection)
        build(*collection);
}

ReportDialog::Widths ReportDialog::widths()
{
    // A title longer than its column widens the column, on every line alike.
    const auto width = [](int least, PrintFields::Field field) {
        return std::max(least, int(PrintFieldTitles::title(field).size()));
    };
    Widths widths;
    widths.name = width(25, PrintFields::Group);
    widths.count = width(4, PrintFields::Count);
    widths.value = width(9, PrintFields::Price);
    widths.estimate = width(9, PrintFields::PriceToday);
    return widths;
}

QString ReportDialog::lineText(
    const QString &name, const QString &count, const QString &value, const QString &estimate, QChar fill)
{
    const Widths w = widths();
    const QString nameCell = name.leftJustified(w.name, fill);
    const QString valueCell = value.rightJustified(w.value, fill);
    const QString estimateCell = estimate.rightJustified(w.estimate, fill);
    if (isVistrel())
        return tr("VISTREL_GROUP_LINE_TEXT").arg(nameCell, valueCell, estimateCell);
    return tr("FUNI_GROUP_LINE_TEXT").arg(nameCell, count.rightJustified(w.count, fill), valueCell, estimateCell);
}

QString ReportDialog::columnHeadingLine()
{
    const QString group = PrintFieldTitles::title(PrintFields::Group);
    const QString count = PrintFieldTitles::title(PrintFields::Count);
    const QString price = PrintFieldTitles::title(PrintFields::Price);
    const QString estimate = PrintFieldTitles::title(PrintFields::PriceToday);
    // The titles in the cells of a line, dashes around them: the same line
    // text and widths as the group lines, so each title stands over its column.
    // The blanks of the line text between the cells become dashes too; the
    // same line with the titles marked tells them from blanks in a title.
    QString heading = lineText(group, count, price, estimate, QLatin1Char('-'));
    const QChar marker(0x1);
    const auto mark = [marker](const QString &title) { return QString(title.size(), marker); };
    const QString titles = lineText(mark(group), mark(count), mark(price), mark(estimate), QLatin1Char(' '));
    for (qsizetype i = 0; i < heading.size() && i < titles.size(); ++i) {
        if (titles.at(i) != marker && heading.at(i) == QLatin1Char(' '))
            heading[i] = QLatin1Char('-');
    }
    return heading;
}

QString ReportDialog::groupLine(const DBItemCollection &collection, int group, const QString &name)
{
    const QString estimate = amount(collection.sumValues(group, true, false));
    if (isVistrel())
        return lineText(name, QString(), amount(collection.sumValues(group, false, true)), estimate);
    return lineText(name, QString::number(collection.countItems(group, true)),
        amount(collection.sumValues(group, false, false)), estimate);
}

QString ReportDialog::headerText()
{
    return isVistrel() ? tr("VISTREL_REPORT_HEADER_TEXT") : tr("OSTRANA_REPORT_HEADER_TEXT");
}

void ReportDialog::build(const DBItemCollection &collection)
{
    const QStringList &groups = collection.groups().entries();
    for (int group = 0; group < groups.size(); ++group) {
        if (groups.at(group).isEmpty())
            continue;
        m_line = groupLine(collection, group, groups.at(group));
        m_reportLines.append(m_line);
    }
    std::sort(m_reportLines.begin(), m_reportLines.end());

    QString text = columnHeadingLine() + QLatin1Char('\n');
    for (const QString &line : std::as_const(m_reportLines))
        text += line + QLatin1Char('\n');
    text += dashLine;
    m_reportLines.append(dashLine);

    m_line = groupLine(collection, DBItemCollection::AllGroups, tr("FUNI_TOTAL_TEXT"));
    m_reportLines.append(m_line);
    m_countLine = tr("FUNI_COUNT_TEXT").arg(collection.count());
    text += m_line + QLatin1Char('\n') + m_countLine;
    reportMultiLineEdit->setPlainText(text);
}

void ReportDialog::PrintHeader()
{
    printLine(headerText());
    printLine(columnHeadingLine());
}

void ReportDialog::printLine(const QString &text)
{
    const QFontMetrics metrics = m_painter->fontMetrics();
    m_y += metrics.ascent();
    // A line holds one line of text; the dash line's own line break is not drawn.
    QString shown = text;
    if (shown.endsWith(QLatin1Char('\n')))
        shown.chop(1);
    m_painter->drawText(m_x, m_y, shown);
    m_y += metrics.descent();
}

void ReportDialog::report_slot()
{
    QPrinter printer;
    QFont font(QStringLiteral("Courier New"), 12, QFont::Bold);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (!PrintDialog::exec(printer, this))
        return;

    PrintJob job(printer);
    QPainter painter;
    if (!job.begin(painter)) {
        job.tellFailure(this);
        return;
    }
    painter.setFont(font);
    m_painter = &painter;
    m_x = 200;
    m_y = 0;

    const QFontMetrics metrics = painter.fontMetrics();
    const int step = metrics.ascent() + metrics.descent();
    const int pageHeight = job.device().height();
    const int chars = std::max(1, int((job.device().width() - m_x - bottomMargin) / PrintLayout::charWidth(painter)));
    const PageHeading pageHeading(m_collection);
    // The page heading, a blank line, the report's heading and its column heading.
    const int headingHeight = (int(pageHeading.lines(1, 1, chars).size()) + 3) * step;

    // A report longer than a page goes on over the next ones, each with the
    // headings; the pages are counted before the first is drawn.
    QStringList body;
    for (const QString &line : std::as_const(m_reportLines)) {
        if (!line.isEmpty())
            body.append(line);
    }
    body.append(m_countLine);
    QList<QStringList> pages { QStringList() };
    int y = headingHeight;
    for (const QString &line : std::as_const(body)) {
        if (y + step > pageHeight - bottomMargin && !pages.last().isEmpty()) {
            pages.append(QStringList());
            y = headingHeight;
        }
        pages.last().append(line);
        y += step;
    }

    for (qsizetype page = 0; page < pages.size(); ++page) {
        if (page > 0)
            job.device().newPage();
        m_y = 0;
        for (const QString &line : pageHeading.lines(int(page) + 1, int(pages.size()), chars))
            printLine(line);
        m_y += step;
        PrintHeader();
        for (const QString &line : std::as_const(pages.at(page)))
            printLine(line);
    }
    m_painter = nullptr;
    if (!job.end(painter))
        job.tellFailure(this);
}
