#include "output/ValueReport.h"

#include "core/ColumnTitles.h"
#include "core/Edition.h"
#include "core/Parallel.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "database/ValueSummary.h"
#include "output/PageHeading.h"
#include "output/ReportPictures.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImageReader>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QScopeGuard>

#include <algorithm>
#include <utility>
#include <cmath>

namespace {

using namespace ListColumns;

// The page is laid out in points (the writer's resolution is 72 dots per
// inch); pictures are read at a print resolution, never whole.
constexpr int pointsPerInch = 72;
constexpr qreal margin = 42.0;
constexpr qreal headingHeight = 34.0;
constexpr qreal lineHeight = 14.0;
constexpr qreal entryHeight = 156.0;
constexpr qreal pictureSize = 136.0;
constexpr qreal pictureGap = 8.0;
constexpr qreal receiptSize = 56.0;
constexpr int pictureDpi = 150;

QString amount(double value)
{
    return QString::number(value, 'f', 2);
}

// The picture or receipt a link names: the path as stored, or beside the
// database when a relative one is not found from the working folder.
QString linkedFile(const QString &link, const QString &databaseFolder)
{
    if (link.isEmpty())
        return QString();
    const QFileInfo file(link);
    if (file.isRelative() && !file.exists() && !databaseFolder.isEmpty())
        return QDir(databaseFolder).filePath(link);
    return link;
}

bool readable(const QString &path)
{
    QImageReader reader(path);
    return !path.isEmpty() && reader.canRead() && reader.size().isValid();
}

// The pixels of a side of box (in points) at the print resolution.
int printPixels(qreal box)
{
    return int(std::lround(box / pointsPerInch * pictureDpi));
}

// One line of the summary tables.
struct TableLine
{
    enum Kind { Title, Header, Row, Total, Gap };
    Kind kind;
    QStringList cells;
};

} // namespace

ValueReport::ValueReport(const DBItemCollection &collection, const QList<const Item *> &items, const Options &options)
    : m_collection(collection)
    , m_items(items)
    , m_options(options)
{ }

QPageSize::PageSizeId ValueReport::localPageSize()
{
    const QLocale::Territory territory = QLocale().territory();
    const bool letter = territory == QLocale::UnitedStates || territory == QLocale::Canada
        || territory == QLocale::Mexico || territory == QLocale::Philippines || territory == QLocale::Chile;
    return letter ? QPageSize::Letter : QPageSize::A4;
}

bool ValueReport::write(const QString &path, const Progress &progress)
{
    m_errorString.clear();
    m_missingPictures = 0;
    const QString databaseFolder
        = m_collection.fileName().isEmpty() ? QString() : QFileInfo(m_collection.fileName()).absolutePath();
    // The picture and coin editions keep a second picture where the others
    // keep the receipt.
    const bool twoPictures = isVistrel() || isNumivax();

    QList<const Item *> items = m_items;
    const auto byName
        = [](const Item *a, const Item *b) { return QString::compare(a->name(), b->name(), Qt::CaseInsensitive) < 0; };
    switch (m_options.sort) {
    case ByGroup:
        std::stable_sort(items.begin(), items.end(), [&](const Item *a, const Item *b) {
            return a->group() != b->group() ? a->group() < b->group() : byName(a, b);
        });
        break;
    case ByLocation:
        std::stable_sort(items.begin(), items.end(), [&](const Item *a, const Item *b) {
            return a->location() != b->location() ? a->location() < b->location() : byName(a, b);
        });
        break;
    case ByValue:
        std::stable_sort(items.begin(), items.end(), [&](const Item *a, const Item *b) {
            return a->priceToday() != b->priceToday() ? a->priceToday() > b->priceToday() : byName(a, b);
        });
        break;
    }
    if (m_options.photos) {
        for (const Item *item : std::as_const(items)) {
            bool missing = !item->photolink().isEmpty() && !readable(linkedFile(item->photolink(), databaseFolder));
            if (twoPictures)
                missing
                    = missing || (!item->receipt().isEmpty() && !readable(linkedFile(item->receipt(), databaseFolder)));
            m_missingPictures += missing ? 1 : 0;
        }
    }

    // The summary tables, line by line.
    const ValueSummary summary(items, m_collection.groups().entries(), m_collection.locations().entries());
    QList<TableLine> table;
    const auto addTable = [&](ValueSummary::Grouping grouping, const QString &title, const QString &none) {
        table.append({ TableLine::Title, { tr("Fordelt på %1").arg(title) } });
        table.append(
            { TableLine::Header, { title, tr("Antal poster"), tr("Købspris i alt"), tr("Værdi i dag i alt") } });
        for (const ValueSummary::Row &row : summary.rows(grouping)) {
            const QString name = row.name.isEmpty() ? none : row.name;
            table.append({ TableLine::Row,
                { name, QString::number(row.totals.items), amount(row.totals.purchase),
                    amount(row.totals.valueToday) } });
        }
        table.append({ TableLine::Total,
            { tr("I alt"), QString::number(summary.total().items), amount(summary.total().purchase),
                amount(summary.total().valueToday) } });
        table.append(TableLine { TableLine::Gap, QStringList() });
    };
    addTable(ValueSummary::ByGroup, columnTitle(GroupColumn), tr("(uden navn)"));
    addTable(ValueSummary::ByLocation, columnTitle(LocationColumn), tr("(uden navn)"));
    addTable(ValueSummary::BySupplier, columnTitle(SupplierColumn), tr("(ingen)"));
    addTable(ValueSummary::ByYear, tr("Købsår"), tr("(uden dato)"));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        m_errorString = file.errorString();
        return false;
    }
    QPdfWriter writer(&file);
    writer.setResolution(pointsPerInch);
    writer.setPageSize(QPageSize(m_options.pageSize));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    writer.setTitle(tr("Værdiopgørelse"));
    writer.setCreator(editionName());
    const QSizeF page = writer.pageLayout().fullRect(QPageLayout::Point).size();
    const qreal bodyTop = margin + headingHeight;
    const qreal bodyHeight = page.height() - bodyTop - margin;
    const qreal width = page.width() - 2 * margin;
    const int linesPerPage = std::max(1, int(bodyHeight / lineHeight));
    const int entriesPerPage = std::max(1, int(bodyHeight / entryHeight));
    const int tablePages = int((table.size() + linesPerPage - 1) / linesPerPage);
    const int itemPages = int((items.size() + entriesPerPage - 1) / entriesPerPage);
    const int pages = 1 + tablePages + itemPages;

    QPainter painter;
    if (!painter.begin(&writer)) {
        m_errorString = tr("PDF-filen kunne ikke skrives.");
        file.cancelWriting();
        return false;
    }
    QFont normal = painter.font();
    normal.setPointSizeF(9.5);
    QFont bold = normal;
    bold.setBold(true);
    QFont title = normal;
    title.setPointSizeF(20);
    title.setBold(true);
    const QString databaseName = PageHeading::databaseName(&m_collection);
    const QString dateText = m_options.date.toString(QStringLiteral("dd.MM.yyyy"));
    int pageNumber = 0;

    const auto heading = [&]() {
        painter.setFont(normal);
        const QRectF line(margin, margin, width, lineHeight);
        painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, databaseName + QStringLiteral(" \u2013 ") + dateText);
        painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter, tr("side %1 af %2").arg(pageNumber).arg(pages));
        painter.drawLine(QPointF(margin, margin + lineHeight + 4), QPointF(margin + width, margin + lineHeight + 4));
    };
    // Starts the next page (the first one is open already); false when the
    // user stopped the report.
    const auto nextPage = [&]() {
        if (pageNumber > 0) {
            if (progress && !progress(pageNumber, pages))
                return false;
            writer.newPage();
        }
        ++pageNumber;
        heading();
        return true;
    };
    const auto text = [&](const QFont &font, const QRectF &box, const QString &words, int flags = Qt::AlignLeft) {
        painter.setFont(font);
        const QString shown = QFontMetricsF(font).elidedText(words, Qt::ElideRight, box.width());
        painter.drawText(box, flags | Qt::AlignVCenter, shown);
    };
    const auto stop = [&]() {
        painter.end();
        file.cancelWriting();
        return false;
    };

    // The cover.
    nextPage();
    qreal y = bodyTop + 60;
    text(title, QRectF(margin, y, width, 30), tr("Værdiopgørelse"));
    y += 48;
    QStringList cover;
    if (!m_options.owner.isEmpty())
        cover << tr("Ejer: %1").arg(m_options.owner);
    for (const QString &line : m_options.address.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        cover << line.trimmed();
    if (!m_options.policy.isEmpty())
        cover << tr("Policenummer: %1").arg(m_options.policy);
    cover << QString() << tr("Database: %1").arg(databaseName) << tr("Opgørelsens dato: %1").arg(dateText)
          << tr("Antal poster: %1").arg(summary.total().items)
          << tr("Købspris i alt: %1").arg(amount(summary.total().purchase))
          << tr("Værdi i dag i alt: %1").arg(amount(summary.total().valueToday));
    if (m_options.photos && m_missingPictures > 0)
        cover << tr("Poster, hvis billede ikke blev fundet: %1").arg(m_missingPictures);
    for (const QString &line : std::as_const(cover)) {
        text(normal, QRectF(margin, y, width, lineHeight + 4), line);
        y += lineHeight + 4;
    }

    // The tables: the name column takes what the three number columns leave.
    const qreal numberWidth = 110.0;
    const qreal nameWidth = width - 3 * numberWidth;
    for (qsizetype i = 0; i < table.size(); ++i) {
        if (i % linesPerPage == 0) {
            if (!nextPage())
                return stop();
            y = bodyTop;
        }
        const TableLine &line = table.at(i);
        const QFont &font = line.kind == TableLine::Row ? normal : bold;
        if (line.kind == TableLine::Title) {
            text(bold, QRectF(margin, y, width, lineHeight), line.cells.value(0));
        } else if (line.kind != TableLine::Gap) {
            text(font, QRectF(margin, y, nameWidth - 6, lineHeight), line.cells.value(0));
            for (int column = 1; column < 4; ++column)
                text(font, QRectF(margin + nameWidth + (column - 1) * numberWidth, y, numberWidth, lineHeight),
                    line.cells.value(column), Qt::AlignRight);
            if (line.kind == TableLine::Header || line.kind == TableLine::Total) {
                const qreal ruleY = line.kind == TableLine::Header ? y + lineHeight : y;
                painter.drawLine(QPointF(margin, ruleY), QPointF(margin + width, ruleY));
            }
        }
        y += lineHeight;
    }

    // One entry per item.
    // The pictures drawn, in the order they are drawn, are read ahead of
    // the drawing; whether a receipt is drawn is settled here once.
    QList<ReportPictures::Request> requests;
    std::vector<char> receiptDrawn(size_t(items.size()), 0);
    const int pictureCount = m_options.photos ? (twoPictures ? 2 : 1) : 0;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const Item &item = *items.at(i);
        for (int p = 0; p < pictureCount; ++p) {
            const QString link = p == 0 ? item.photolink() : item.receipt();
            if (!link.isEmpty())
                requests.append({ linkedFile(link, databaseFolder), printPixels(pictureSize) });
        }
        if (!twoPictures && m_options.receipts && !item.receipt().isEmpty()) {
            const QString path = linkedFile(item.receipt(), databaseFolder);
            receiptDrawn[size_t(i)] = readable(path) ? 1 : 0;
            if (receiptDrawn[size_t(i)])
                requests.append({ path, printPixels(receiptSize) });
        }
    }
    ReportPictures pictures(std::move(requests));
    const auto drawPicture = [&](const QString &link, const QRectF &box) {
        painter.setPen(Qt::gray);
        const QImage image = pictures.take();
        if (image.isNull()) {
            painter.drawRect(box);
            painter.setPen(Qt::black);
            painter.setFont(normal);
            painter.drawText(box.adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap,
                tr("billede ikke fundet: %1").arg(QFileInfo(link).fileName()));
            return;
        }
        const QSizeF shown = QSizeF(image.size()).scaled(box.size(), Qt::KeepAspectRatio);
        const QRectF target(box.x() + (box.width() - shown.width()) / 2, box.y() + (box.height() - shown.height()) / 2,
            shown.width(), shown.height());
        painter.drawImage(target, image);
        painter.setPen(Qt::black);
    };
    const auto listName = [&](const QStringList &names, int index) {
        return index >= 0 && index < names.size() ? names.at(index) : QString();
    };
    const QStringList groups = m_collection.groups().entries();
    const QStringList locations = m_collection.locations().entries();
    const auto field
        = [](int column, const QString &value) { return columnTitle(column) + QStringLiteral(": ") + value; };
    const auto drawEntry = [&](qsizetype i) {
        const Item &item = *items.at(i);
        qreal x = margin;
        for (int p = 0; p < pictureCount; ++p) {
            const QString link = p == 0 ? item.photolink() : item.receipt();
            const QRectF box(x, y, pictureSize, pictureSize);
            if (!link.isEmpty())
                drawPicture(link, box);
            x += pictureSize + pictureGap;
        }
        const qreal textWidth = margin + width - x;
        qreal lineY = y;
        const auto put = [&](const QFont &font, const QString &words) {
            text(font, QRectF(x, lineY, textWidth, lineHeight), words);
            lineY += lineHeight;
        };
        // Each line holds the fields that have a value; a line of none goes.
        const auto putFields = [&](const QList<std::pair<int, QString>> &fields) {
            QStringList parts;
            for (const auto &[column, value] : fields)
                if (!value.isEmpty())
                    parts << field(column, value);
            if (!parts.isEmpty())
                put(normal, parts.join(QStringLiteral("    ")));
        };
        put(bold, item.name());
        putFields({ { ProductColumn, item.product() }, { ModelColumn, item.productModel() } });
        putFields({ { SerialnoColumn, item.serialno() } });
        putFields({ { CountColumn, QString::number(item.numberOfItems()) }, { DateColumn, item.date() },
            { PriceColumn, amount(item.price()) } });
        putFields({ { PriceTodayColumn, amount(item.priceToday()) } });
        putFields({ { LocationColumn, listName(locations, item.location()) },
            { GroupColumn, listName(groups, item.group()) } });
        QString supplier = item.supplier();
        if (!item.address().isEmpty())
            supplier += supplier.isEmpty() ? item.address() : QStringLiteral(", ") + item.address();
        putFields({ { SupplierColumn, supplier } });
        if (!item.description().isEmpty()) {
            painter.setFont(normal);
            const QRectF box(x, lineY, textWidth - (twoPictures ? 0 : receiptSize + pictureGap), 2 * lineHeight);
            painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                QFontMetricsF(normal).elidedText(item.description(), Qt::ElideRight, box.width() * 2 - 20));
            lineY += 2 * lineHeight;
        }
        if (!twoPictures && m_options.receipts && !item.receipt().isEmpty()) {
            const QRectF box(
                margin + width - receiptSize, y + entryHeight - receiptSize - 16, receiptSize, receiptSize);
            if (receiptDrawn[size_t(i)]) {
                drawPicture(item.receipt(), box);
            } else {
                const QString path = linkedFile(item.receipt(), databaseFolder);
                const QString name = QFileInfo(item.receipt()).fileName();
                put(normal, field(ReceiptColumn, QFileInfo::exists(path) ? name : tr("%1 (ikke fundet)").arg(name)));
            }
        }
        painter.setPen(Qt::lightGray);
        painter.drawLine(QPointF(margin, y + entryHeight - 6), QPointF(margin + width, y + entryHeight - 6));
        painter.setPen(Qt::black);
        y += entryHeight;
    };
    // The entries are drawn here while a second thread reads the pictures
    // ahead; two pictures or more are work enough for it.
    bool stopped = false;
    const auto drawEntries = [&] {
        // The reading ahead ends with the drawing, however that ends.
        const auto finished = qScopeGuard([&] { pictures.finish(); });
        for (qsizetype i = 0; i < items.size(); ++i) {
            if (i % entriesPerPage == 0) {
                if (!nextPage()) {
                    stopped = true;
                    return;
                }
                y = bodyTop;
            }
            drawEntry(i);
        }
    };
    Parallel::run(pictures.count() > 1 ? Parallel::minimumWork() : 0, drawEntries, [&] { pictures.readAhead(); });
    if (stopped)
        return stop();
    if (progress && !progress(pageNumber, pages))
        return stop();
    if (!painter.end() || !file.commit()) {
        m_errorString = file.errorString();
        return false;
    }
    return true;
}
