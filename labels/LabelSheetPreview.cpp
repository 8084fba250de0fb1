#include "labels/LabelSheetPreview.h"

#include "labels/LabelPainter.h"
#include "labels/LabelSheet.h"

#include <QPainter>

LabelSheetPreview::LabelSheetPreview(QWidget *parent)
    : QWidget(parent)
{
    setMinimumSize(200, 280);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

LabelSheetPreview::~LabelSheetPreview() = default;

void LabelSheetPreview::setSheet(std::unique_ptr<LabelSheet> sheet)
{
    m_sheet = std::move(sheet);
    update();
}

QRectF LabelSheetPreview::pageRect() const
{
    const QSizeF page = m_sheet ? m_sheet->layout().pageSize : QSizeF(210, 297);
    if (page.isEmpty())
        return {};
    const QRectF area = QRectF(rect()).adjusted(4, 4, -6, -6);
    const double scale = qMin(area.width() / page.width(), area.height() / page.height());
    const QSizeF size = page * scale;
    return QRectF(area.center() - QPointF(size.width() / 2, size.height() / 2), size);
}

void LabelSheetPreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QRectF page = pageRect();
    if (page.isEmpty())
        return;
    painter.fillRect(page.translated(3, 3), QColor(0, 0, 0, 60));
    painter.fillRect(page, Qt::white);
    if (!m_sheet)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setClipRect(page);
    painter.translate(page.topLeft());
    const double scale = page.width() / m_sheet->layout().pageSize.width();
    painter.scale(scale, scale);
    LabelPainter(*m_sheet).paintSheet(&painter, 0, true);
}
