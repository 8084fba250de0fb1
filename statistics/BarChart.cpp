#include "statistics/BarChart.h"

#include "desktop/FileDialog.h"
#include "desktop/MessageBox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QImageWriter>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QSaveFile>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal margin = 8.0;
constexpr qreal gap = 6.0;
// The share of its slot a bar fills, and the thickest bar drawn.
constexpr qreal barShare = 0.7;
constexpr qreal thickestBar = 28.0;
constexpr qreal widestColumn = 48.0;

QString amount(double value)
{
    return QLocale().toString(value, 'f', 2);
}

// A step of 1, 2 or 5 times a power of ten near raw.
double roundedStep(double raw)
{
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double fraction = raw / magnitude;
    const double nice = fraction <= 1.0 ? 1.0 : fraction <= 2.0 ? 2.0 : fraction <= 5.0 ? 5.0 : 10.0;
    return nice * magnitude;
}

} // namespace

struct BarChart::Scale
{
    double low = 0.0;
    double high = 1.0;
    double step = 1.0;
    bool negative = false;

    double share(double value) const { return (value - low) / (high - low); }
    QString tick(double value) const { return QLocale().toString(value, 'f', step < 1.0 ? 2 : 0); }
};

BarChart::BarChart(QWidget *parent)
    : QWidget(parent)
    , m_copyAction(new QAction(tr("&Kopiér diagrammet"), this))
    , m_saveAction(new QAction(tr("&Gem som PNG..."), this))
{
    m_copyAction->setObjectName(QStringLiteral("copyChartAction"));
    m_saveAction->setObjectName(QStringLiteral("saveChartAction"));
    connect(m_copyAction, &QAction::triggered, this, &BarChart::copyToClipboard);
    connect(m_saveAction, &QAction::triggered, this, &BarChart::saveAsPng);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void BarChart::setTitle(const QString &title)
{
    m_title = title;
    update();
}

void BarChart::setOrientation(Orientation orientation)
{
    m_orientation = orientation;
    update();
}

void BarChart::setBars(const QList<Bar> &bars, Order order)
{
    m_bars = bars;
    m_order = order;
    update();
}

void BarChart::setMaximumBars(int count)
{
    m_maximumBars = std::max(2, count);
    update();
}

QList<BarChart::Bar> BarChart::shownBars() const
{
    QList<Bar> bars = m_bars;
    if (m_order == ByValue)
        std::stable_sort(bars.begin(), bars.end(), [](const Bar &a, const Bar &b) { return a.value > b.value; });
    if (bars.size() <= m_maximumBars)
        return bars;
    // One bar less than the maximum, and the one that adds up the rest.
    const qsizetype rest = bars.size() - m_maximumBars + 1;
    const qsizetype first = m_order == ByValue ? bars.size() - rest : 0;
    double sum = 0.0;
    for (qsizetype i = first; i < first + rest; ++i)
        sum += bars.at(i).value;
    bars.remove(first, rest);
    const Bar other { tr("Øvrige (%1)").arg(rest), sum };
    if (m_order == ByValue)
        bars.append(other);
    else
        bars.prepend(other);
    return bars;
}

BarChart::Scale BarChart::scale(const QList<Bar> &bars) const
{
    Scale scale;
    double low = 0.0;
    double high = 0.0;
    for (const Bar &bar : bars) {
        low = std::min(low, bar.value);
        high = std::max(high, bar.value);
    }
    scale.negative = low < 0.0;
    if (!(high > low))
        high = 1.0;
    scale.step = roundedStep((high - low) / 5.0);
    scale.low = std::floor(low / scale.step) * scale.step;
    scale.high = std::ceil(high / scale.step) * scale.step;
    if (!(scale.high > scale.low))
        scale.high = scale.low + scale.step;
    return scale;
}

QRectF BarChart::plotArea(const QSize &size, const QList<Bar> &bars, qreal *labelWidth) const
{
    const QFontMetricsF metrics(font());
    const Scale values = scale(bars);
    const qreal titleHeight = m_title.isEmpty() ? 0.0 : metrics.height() + gap;
    qreal widestAmount = 0.0;
    qreal widestLabel = 0.0;
    for (const Bar &bar : bars) {
        widestAmount = std::max(widestAmount, metrics.horizontalAdvance(amount(bar.value)));
        widestLabel = std::max(widestLabel, metrics.horizontalAdvance(bar.label));
    }
    if (m_orientation == Horizontal) {
        const qreal labels = std::min(widestLabel, size.width() * 0.35);
        if (labelWidth)
            *labelWidth = labels;
        const qreal amountWidth = widestAmount + gap;
        const qreal left = margin + labels + gap + (values.negative ? amountWidth : 0.0);
        const qreal top = margin + titleHeight;
        return QRectF(QPointF(left, top),
            QPointF(size.width() - margin - amountWidth, size.height() - margin - metrics.height() - gap));
    }
    const qreal axisWidth = std::max(metrics.horizontalAdvance(values.tick(values.low)),
                                metrics.horizontalAdvance(values.tick(values.high)))
        + gap;
    const qreal top = margin + titleHeight + metrics.height();
    const qreal bottom = size.height() - margin - metrics.height() - gap - (values.negative ? metrics.height() : 0.0);
    return QRectF(QPointF(margin + axisWidth, top), QPointF(size.width() - margin, bottom));
}

QList<BarChart::DrawnBar> BarChart::drawnBars(const QSize &size) const
{
    const QList<Bar> bars = shownBars();
    QList<DrawnBar> drawn;
    if (bars.isEmpty())
        return drawn;
    const QFontMetricsF metrics(font());
    const Scale values = scale(bars);
    qreal labelWidth = 0.0;
    const QRectF plot = plotArea(size, bars, &labelWidth);
    const qreal count = qreal(bars.size());
    for (qsizetype i = 0; i < bars.size(); ++i) {
        const Bar &bar = bars.at(i);
        DrawnBar shown;
        shown.label = bar.label;
        shown.value = bar.value;
        shown.other = (m_order == ByValue ? i == m_maximumBars - 1 : i == 0) && m_bars.size() > m_maximumBars;
        if (m_orientation == Horizontal) {
            const qreal slot = plot.height() / count;
            const qreal thickness = std::min(slot * barShare, thickestBar);
            const qreal top = plot.top() + i * slot;
            const qreal zero = plot.left() + values.share(0.0) * plot.width();
            const qreal end = plot.left() + values.share(bar.value) * plot.width();
            shown.rect = QRectF(
                QPointF(std::min(zero, end), top + (slot - thickness) / 2.0), QSizeF(std::abs(end - zero), thickness));
            shown.labelRect = QRectF(margin, top, labelWidth, slot);
        } else {
            const qreal slot = plot.width() / count;
            const qreal thickness = std::min(slot * barShare, widestColumn);
            const qreal left = plot.left() + i * slot;
            const qreal zero = plot.bottom() - values.share(0.0) * plot.height();
            const qreal end = plot.bottom() - values.share(bar.value) * plot.height();
            shown.rect = QRectF(
                QPointF(left + (slot - thickness) / 2.0, std::min(zero, end)), QSizeF(thickness, std::abs(end - zero)));
            shown.labelRect = QRectF(left, size.height() - margin - metrics.height(), slot, metrics.height());
        }
        shown.shownLabel = metrics.elidedText(bar.label, Qt::ElideRight, shown.labelRect.width());
        drawn.append(shown);
    }
    return drawn;
}

void BarChart::paint(QPainter &painter, const QSize &size) const
{
    painter.fillRect(QRect(QPoint(0, 0), size), palette().color(QPalette::Base));
    painter.setFont(font());
    const QColor text = palette().color(QPalette::Text);
    const QFontMetricsF metrics(font());
    if (!m_title.isEmpty()) {
        QFont bold = font();
        bold.setBold(true);
        painter.setFont(bold);
        painter.setPen(text);
        painter.drawText(QRectF(margin, margin, size.width() - 2 * margin, metrics.height()), Qt::AlignCenter,
            QFontMetricsF(bold).elidedText(m_title, Qt::ElideRight, size.width() - 2 * margin));
        painter.setFont(font());
    }
    const QList<Bar> bars = shownBars();
    if (bars.isEmpty()) {
        painter.setPen(text);
        painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, tr("Ingen poster"));
        return;
    }
    const Scale values = scale(bars);
    const QRectF plot = plotArea(size, bars);

    // The value axis: a line at each step, its amount beside it.
    const QColor grid = palette().color(QPalette::Mid);
    const int steps = int(std::lround((values.high - values.low) / values.step));
    for (int step = 0; step <= steps; ++step) {
        // Counted from the low end, so that no rounding shows as "-0".
        double tick = values.low + step * values.step;
        if (std::abs(tick) < values.step / 1000.0)
            tick = 0.0;
        painter.setPen(QPen(grid, 0, Qt::DotLine));
        const QString label = values.tick(tick);
        if (m_orientation == Horizontal) {
            const qreal x = plot.left() + values.share(tick) * plot.width();
            painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
            painter.setPen(text);
            const qreal width = metrics.horizontalAdvance(label);
            painter.drawText(
                QRectF(x - width / 2.0, plot.bottom() + gap, width, metrics.height()), Qt::AlignCenter, label);
        } else {
            const qreal y = plot.bottom() - values.share(tick) * plot.height();
            painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
            painter.setPen(text);
            painter.drawText(QRectF(margin, y - metrics.height() / 2.0, plot.left() - margin - gap, metrics.height()),
                Qt::AlignRight | Qt::AlignVCenter, label);
        }
    }

    const QColor positive = palette().color(QPalette::Highlight);
    const QColor negative(0xc0, 0x39, 0x2b);
    const QColor other(0x99, 0x99, 0x99);
    const QList<DrawnBar> drawn = drawnBars(size);
    // Columns write their amounts only when every amount fits its column,
    // so that no column seems to lack one.
    bool amountsFit = true;
    for (const DrawnBar &bar : drawn)
        amountsFit = amountsFit && metrics.horizontalAdvance(amount(bar.value)) <= bar.labelRect.width();
    for (const DrawnBar &bar : drawn) {
        painter.fillRect(bar.rect, bar.other ? other : bar.value < 0.0 ? negative : positive);
        painter.setPen(text);
        const QString value = amount(bar.value);
        const qreal width = metrics.horizontalAdvance(value);
        if (m_orientation == Horizontal) {
            painter.drawText(bar.labelRect, Qt::AlignRight | Qt::AlignVCenter, bar.shownLabel);
            const QRectF place = bar.value < 0.0
                ? QRectF(bar.rect.left() - gap - width, bar.rect.top(), width, bar.rect.height())
                : QRectF(bar.rect.right() + gap, bar.rect.top(), width, bar.rect.height());
            painter.drawText(place, Qt::AlignVCenter | Qt::AlignLeft, value);
        } else {
            painter.drawText(bar.labelRect, Qt::AlignCenter, bar.shownLabel);
            if (amountsFit) {
                const QRectF place = bar.value < 0.0
                    ? QRectF(bar.labelRect.left(), bar.rect.bottom(), bar.labelRect.width(), metrics.height())
                    : QRectF(bar.labelRect.left(), bar.rect.top() - metrics.height(), bar.labelRect.width(),
                        metrics.height());
                painter.drawText(place, Qt::AlignCenter, value);
            }
        }
    }
    // The zero line over the bars' ends.
    painter.setPen(QPen(text, 1));
    if (m_orientation == Horizontal) {
        const qreal x = plot.left() + values.share(0.0) * plot.width();
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    } else {
        const qreal y = plot.bottom() - values.share(0.0) * plot.height();
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
}

QImage BarChart::image() const
{
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter, size());
    return image;
}

QSize BarChart::sizeHint() const
{
    return QSize(520, 300);
}

QSize BarChart::minimumSizeHint() const
{
    return QSize(240, 160);
}

void BarChart::copyToClipboard()
{
    QApplication::clipboard()->setImage(image());
}

bool BarChart::saveAsPng()
{
    QString name = m_title.isEmpty() ? tr("Diagram") : m_title;
    name.replace(QLatin1Char('/'), QLatin1Char('-')).replace(QLatin1Char('\\'), QLatin1Char('-'));
    FileDialog::Request request;
    request.mode = FileDialog::AnyFile;
    request.title = tr("Gem diagrammet");
    request.folder = QDir(m_saveFolder).filePath(name + QStringLiteral(".png"));
    request.filters = { tr("PNG-billeder (*.png)"), FileDialog::allFilesFilter() };
    request.confirmOverwrite = true;
    request.defaultSuffix = QStringLiteral("png");
    request.objectName = QStringLiteral("chartFileDialog");
    const FileDialog::Answer answer = FileDialog::ask(this, request);
    if (!answer.accepted())
        return false;

    QSaveFile file(answer.path);
    QString error;
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
    } else {
        QImageWriter writer(&file, "png");
        if (!writer.write(image())) {
            error = writer.errorString();
            file.cancelWriting();
        } else if (!file.commit()) {
            error = file.errorString();
        }
    }
    if (error.isEmpty())
        return true;
    MessageBox::critical(this, tr("Diagrammet blev ikke gemt"),
        tr("%1 blev ikke gemt:\n%2").arg(QDir::toNativeSeparators(answer.path), error));
    return false;
}

void BarChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter, size());
}

void BarChart::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    menu.addAction(m_copyAction);
    menu.addAction(m_saveAction);
    menu.exec(event->globalPos());
}

bool BarChart::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const QPoint at = static_cast<QHelpEvent *>(event)->pos();
        for (const DrawnBar &bar : drawnBars()) {
            if (bar.rect.united(bar.labelRect).contains(at)) {
                QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(),
                    QStringLiteral("%1: %2").arg(bar.label, amount(bar.value)), this);
                return true;
            }
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return QWidget::event(event);
}
