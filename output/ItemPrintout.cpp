#include "output/ItemPrintout.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

#include "core/ColumnTitles.h"
#include "core/Edition.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "desktop/PrintDialog.h"
#include "desktop/PrintJob.h"
#include "output/PageHeading.h"
#include "output/PrintFieldTitles.h"
#include "output/PrintLayout.h"

namespace {

// Where the labels and the values start, in printer units.
constexpr int labelX = 60;
constexpr int valueX = 260;

QString title(PrintFields::Field field)
{
    return PrintFieldTitles::title(field);
}

} // namespace

QList<ItemPrintout::Line> ItemPrintout::lines(const Item &item, const DBItemCollection *collection)
{
    using namespace PrintFields;
    QList<Line> result {
        { title(Group), PrintFieldTitles::listEntry(collection, item.group(), false) },
        { title(Name), item.name() },
        { title(Model), item.product() },
        { title(ProductType), item.productModel() },
        { title(Count), QString::number(item.numberOfItems()) },
        { title(Price), item.priceText(2) },
    };
    if (!isVistrel())
        result.append({ QCoreApplication::translate("ItemPrintout", "TotalPrice"), item.totalValueText() });
    result.append({
        { title(PriceToday), item.priceTodayText(2) },
        { title(Date), item.date() },
        { title(Location), PrintFieldTitles::listEntry(collection, item.location(), true) },
        { title(Supplier), item.supplier() },
        { title(Address), item.address() },
        { title(SerialNumber), item.serialno() },
        { title(Describe), item.description() },
        { title(Picture), item.photolink() },
        { title(Www), item.www() },
        { title(Receipt), item.receipt() },
        { title(Document), item.document() },
    });
    return result;
}

void ItemPrintout::print(const Item *item, const DBItemCollection *collection, QWidget *parent)
{
    QPrinter printer(QPrinter::ScreenResolution);
    QFont font(QStringLiteral("Courier"), 10, QFont::Normal);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (!PrintDialog::exec(printer, parent))
        return;

    PrintJob job(printer);
    QPainter painter;
    if (!job.begin(painter)) {
        job.tellFailure(parent);
        return;
    }
    painter.setFont(font);
    if (item) {
        const QFontMetrics metrics = painter.fontMetrics();
        const int step = metrics.ascent() + metrics.descent();
        const qreal advance = PrintLayout::charWidth(painter);
        const int width = job.device().width();
        // A value takes the room from its column to the page's right margin
        // and goes on over as many lines as it needs; a label takes its column.
        const int valueChars = std::max(1, int((width - valueX - labelX) / advance));
        const int labelChars = std::max(1, int((valueX - labelX) / advance) - 1);
        const int pageChars = std::max(1, int((width - 2 * labelX) / advance));

        // The lines of each page, known before the first is drawn.
        struct Printed
        {
            QString label;
            QString value;
        };
        QList<QList<Printed>> pages { {} };
        const int top = metrics.ascent() + 2 * step;
        const int bottom = job.device().height() - step;
        int y = top;
        for (const Line &line : lines(*item, collection)) {
            const QStringList labels = PrintLayout::wrapText(line.first, labelChars);
            const QStringList values = PrintLayout::wrapText(line.second, valueChars);
            const qsizetype height = std::max(labels.size(), values.size());
            if (y + height * step > bottom && !pages.last().isEmpty()) {
                pages.append(QList<Printed>());
                y = top;
            }
            for (qsizetype i = 0; i < height; ++i) {
                pages.last().append({ labels.value(i), values.value(i) });
                y += step;
            }
        }

        const PageHeading heading(collection);
        for (qsizetype page = 0; page < pages.size(); ++page) {
            if (page > 0)
                job.device().newPage();
            int baseline = metrics.ascent() + step;
            for (const QString &text : heading.lines(int(page) + 1, int(pages.size()), pageChars)) {
                painter.drawText(labelX, baseline, text);
                baseline += step;
            }
            baseline = top;
            for (const Printed &printed : std::as_const(pages.at(page))) {
                painter.drawText(labelX, baseline, printed.label);
                painter.drawText(valueX, baseline, printed.value);
                baseline += step;
            }
        }
    }
    if (!job.end(painter))
        job.tellFailure(parent);
}
