#include "output/ListPrinter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include <cmath>

#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "desktop/PrintDialog.h"
#include "desktop/PrintJob.h"
#include "desktop/WaitCursor.h"
#include "output/PrintFieldTitles.h"

namespace {

constexpr int margin = 50;
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

bool ListPrinter::passesFilter(const PrintSettingsSnapshot &settings, const Item &item)
{
    if (settings.printGroupOnly) {
        if (item.group() == settings.groupToPrint)
            return true;
        return settings.printLocationOnly && item.location() == settings.locationToPrint;
    }
    if (settings.printLocationOnly)
        return item.location() == settings.locationToPrint;
    return true;
}

QString ListPrinter::listName(int index, bool location) const
{
    if (!m_collection)
        return QString::number(index);
    const userItemCollection &list = location ? m_collection->locations() : m_collection->groups();
    // A number the list does not reach prints as itself.
    if (index < 0 || index >= list.size())
        return QString::number(index);
    return list.entry(index);
}

QString ListPrinter::MakeItemLine(int n, const Item &item)
{
    m_line.clear();
    if (!passesFilter(m_settings, item))
        return m_line;

    for (int i = 0; i < PrintFields::FieldCount; ++i) {
        const auto field = PrintFields::Field(i);
        if (!m_settings.prints(field))
            continue;
        const int width = m_settings.length(field);
        QString content;
        switch (field) {
        case PrintFields::ItemCount:
            m_line += QString::number(n).rightJustified(countWidth) + m_settings.separator;
            continue;
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
        m_line += QLatin1Char(' ') + content + QLatin1Char(' ') + m_settings.separator;
    }
    return m_line;
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

    WaitCursor printing;
    emit message(tr("Printing..."), 0);
    PrintJob job(printer);
    QPainter painter;
    if (!job.begin(painter)) {
        failed(job, printing, parent);
        return;
    }

    QFont font(QStringLiteral("Courier New"), 10, QFont::Bold);
    // Wherever Courier New is missing, another fixed-pitch font keeps the columns.
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    const auto drawHeading = [&](int y) {
        font.setUnderline(true);
        painter.setFont(font);
        painter.drawText(margin, y + margin, MakeHeadingLine());
        font.setUnderline(false);
        font.setWeight(QFont::Normal);
        painter.setFont(font);
    };

    painter.setFont(font);
    const QFontMetrics metrics = painter.fontMetrics();
    const int ascent = metrics.ascent();
    const int descent = metrics.descent();
    const int lineSpacing = metrics.lineSpacing();
    const int pageHeight = job.device().height();

    int y = ascent;
    drawHeading(y);
    y += lineSpacing;

    int page = 1;
    int n = 0;
    const QList<Item *> items = m_collection ? m_collection->items() : QList<Item *>();
    for (const Item *item : items) {
        if (pageHeight - margin < y + margin) {
            ++page;
            emit message(tr("Printing (page %1)...").arg(page), 0);
            job.device().newPage();
            y = ascent;
            drawHeading(y);
            y += lineSpacing;
        }
        ++n;
        const QString text = MakeItemLine(n, *item);
        if (!text.isEmpty()) {
            y += ascent;
            painter.drawText(margin, y + margin, text);
            y += descent;
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
