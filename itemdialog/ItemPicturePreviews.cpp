#include "itemdialog/ItemPicturePreviews.h"

#include "desktop/ExternalViewers.h"

#include <QEvent>
#include <QLabel>

#include <algorithm>

ItemPicturePreviews::ItemPicturePreviews(QLabel *icon, QLabel *picture, QLabel *receipt, QObject *parent)
    : QObject(parent)
    , m_iconLabel(icon)
    , m_pictureLabel(picture)
    , m_receiptLabel(receipt)
{
    for (QLabel *label : { m_iconLabel, m_pictureLabel, m_receiptLabel })
        label->installEventFilter(this);
}

void ItemPicturePreviews::showScaled(QLabel *label, const QPixmap &picture)
{
    if (picture.isNull()) {
        label->clear();
        return;
    }
    const int W = label->width();
    const int H = label->height();
    const int w = picture.width();
    const int h = picture.height();
    double factor = 1.0;
    if ((w >= W || h >= H) && W > 0 && H > 0)
        factor = std::min(double(W) / w, double(H) / h);
    const QPixmap scaled = factor == 1.0 ? picture
                                         : picture.scaled(std::max(1, int(w * factor)), std::max(1, int(h * factor)),
                                             Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    label->setPixmap(scaled);
}

void ItemPicturePreviews::showIcon(const QString &link)
{
    if (isPictureFile(link) && m_icon.load(link)) {
        showScaled(m_iconLabel, m_icon);
        return;
    }
    forgetIcon();
}

void ItemPicturePreviews::forgetIcon()
{
    m_icon = QPixmap();
    m_iconLabel->setText(QStringLiteral(" "));
}

void ItemPicturePreviews::showPicture(const QString &file)
{
    m_picture = QPixmap();
    m_picture.load(file);
    showScaled(m_pictureLabel, m_picture);
}

void ItemPicturePreviews::showPictureAsIs(const QString &file)
{
    m_picture = QPixmap();
    m_picture.load(file);
    m_pictureLabel->setPixmap(m_picture);
}

void ItemPicturePreviews::clearPicture()
{
    m_pictureLabel->setText(QString());
    m_iconLabel->setText(QString());
    m_icon = QPixmap();
    m_picture = QPixmap();
}

void ItemPicturePreviews::showReceipt(const QString &file)
{
    m_receipt = QPixmap();
    if (m_receipt.load(file))
        showScaled(m_receiptLabel, m_receipt);
}

void ItemPicturePreviews::clearReceipt()
{
    m_receiptLabel->setText(QString());
    m_receipt = QPixmap();
}

bool ItemPicturePreviews::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize) {
        // Only a label that shows a picture is refitted; one that shows text
        // (or nothing) stays as it is.
        auto refit = [](QLabel *label, const QPixmap &picture) {
            if (!picture.isNull() && !label->pixmap().isNull())
                showScaled(label, picture);
        };
        if (watched == m_iconLabel)
            refit(m_iconLabel, m_icon);
        else if (watched == m_pictureLabel)
            refit(m_pictureLabel, m_picture);
        else if (watched == m_receiptLabel)
            refit(m_receiptLabel, m_receipt);
    }
    return QObject::eventFilter(watched, event);
}
