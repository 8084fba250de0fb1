#include "output/ItemPrintout.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include "core/ColumnTitles.h"
#include "core/Edition.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "desktop/PrintDialog.h"
#include "desktop/PrintJob.h"
#include "output/PrintFieldTitles.h"

namespace {

QString listName(const DBItemCollection *collection, int index, bool location)
{
    if (!collection)
        return QString::number(index);
    const userItemCollection &list = location ? collection->locations() : collection->groups();
    if (index < 0 || index >= list.size())
        return QString::number(index);
    return list.entry(index);
}

QString title(PrintFields::Field field)
{
    return PrintFieldTitles::title(field);
}

} // namespace

QList<ItemPrintout::Line> ItemPrintout::lines(const Item &item, const DBItemCollection *collection)
{
    using namespace PrintFields;
    QList<Line> result {
        { title(Group), listName(collection, item.group(), false) },
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
        { title(Location), listName(collection, item.location(), true) },
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
        int y = metrics.ascent();
        for (const Line &line : lines(*item, collection)) {
            y += metrics.descent();
            y += metrics.ascent();
            painter.drawText(60, y, line.first);
            painter.drawText(260, y, line.second);
        }
    }
    if (!job.end(painter))
        job.tellFailure(parent);
}
