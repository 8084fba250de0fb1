#pragma once

#include <QObject>
#include <QPixmap>

class QLabel;

// The item dialog's three picture previews: the small icon beside the
// picture link, the picture page and the receipt page. A preview larger than
// its label is scaled down to fit, both axes by the same factor, and is
// fitted again whenever its label is resized; one that fits is shown as it
// is.
//
// The labels belong to the dialog's form; the previews only keep the
// pictures they show.
class ItemPicturePreviews : public QObject
{
    Q_OBJECT
public:
    ItemPicturePreviews(QLabel *icon, QLabel *picture, QLabel *receipt, QObject *parent);

    // The icon of the picture link, or a blank icon when the link names no
    // picture that can be read.
    void showIcon(const QString &link);
    void forgetIcon();

    // The picture page: scaled to fit, or as it is, for a picture just
    // chosen (it is fitted at the next resize).
    void showPicture(const QString &file);
    void showPictureAsIs(const QString &file);
    // Forgets the pictures of the picture page and the icon, so that a
    // resize no longer refits them.
    void clearPicture();

    // The receipt page keeps what it showed when the file cannot be read.
    void showReceipt(const QString &file);
    void clearReceipt();

    // Shows picture in label, scaled down to fit where it is larger.
    static void showScaled(QLabel *label, const QPixmap &picture);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_iconLabel;
    QLabel *m_pictureLabel;
    QLabel *m_receiptLabel;
    QPixmap m_icon;
    QPixmap m_picture;
    QPixmap m_receipt;
};
