// The item dialog's links: the picture, receipt, document and web link
// fields, the buttons and pages that follow them, the file choosers that
// fill them and the programs that open them.

#include "itemdialog/ItemDialog.h"

#include "core/Edition.h"
#include "core/Settings.h"
#include "database/StorageCheck.h"
#include "desktop/ExternalViewers.h"
#include "desktop/FileDialog.h"
#include "desktop/MessageBox.h"
#include "itemdialog/ItemPicturePreviews.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// The folder itself when it exists, else its nearest existing parent, else
// empty (the current folder). A chooser given a folder that does not exist
// would open elsewhere and offer the folder's name as the file name.
QString existingFolder(const QString &folder)
{
    QString path = QDir::cleanPath(QDir::fromNativeSeparators(folder));
    while (!path.isEmpty() && !QFileInfo(path).isDir()) {
        const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
        if (slash < 0)
            return QString();
        path = slash == 0 ? QStringLiteral("/") : path.left(slash);
    }
    return QDir::toNativeSeparators(path);
}

} // namespace

QString ItemDialog::defaultPicturePath()
{
    const QString programFiles = qEnvironmentVariable("ProgramFiles");
    if (!programFiles.isEmpty())
        return QDir::toNativeSeparators(programFiles + QLatin1String("/Taldrum"));
    return QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
}

QString ItemDialog::defaultDocumentPath()
{
    const QString programFiles = qEnvironmentVariable("ProgramFiles");
    if (!programFiles.isEmpty())
        return QDir::toNativeSeparators(programFiles + QLatin1String("/Taldrum"));
    return QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

void ItemDialog::clearPicturePreview()
{
    m_previews->clearPicture();
    showPhotoPushButton->setEnabled(false);
    setTabEnabled(picturePage, false);
}

void ItemDialog::photoFieldChangedSlot()
{
    const QString link = photolinkLineEdit->text();
    if (!link.isEmpty() && isPictureFile(link)) {
        showPhotoPushButton->setEnabled(true);
        setTabEnabled(picturePage, true);
    } else {
        clearPicturePreview();
    }
    m_previews->showIcon(link);
}

void ItemDialog::receiptFieldChangedSlot()
{
    const QString link = receiptLineEdit->text();
    showReceiptPushButton->setEnabled(!link.isEmpty());
    setTabEnabled(receiptPage, !link.isEmpty() && isPictureFile(link));
}

void ItemDialog::wwwFieldChanged_slot()
{
    showWwwPushButton->setEnabled(!wwwLineEdit->text().isEmpty());
}

void ItemDialog::documentChangedSlot()
{
    showDocumentPushButton->setEnabled(!documentLineEdit->text().isEmpty());
}

void ItemDialog::currentPageChangedSlot(QWidget *page)
{
    m_currentPage = page;
    if (page == picturePage) {
        const QString link = photolinkLineEdit->text();
        if (isPictureFile(link))
            m_previews->showPicture(link);
    } else if (page == receiptPage) {
        const QString link = receiptLineEdit->text();
        if (isPictureFile(link))
            m_previews->showReceipt(link);
    }
}

QString ItemDialog::chooseFile(
    Chooser chooser, const QString &settingsKey, const QString &defaultFolder, const QString &filter)
{
    FileDialog::Request request;
    request.mode = chooser == Chooser::ExistingFile ? FileDialog::ExistingFile : FileDialog::AnyFile;
    request.folder = existingFolder(Settings().value(settingsKey, defaultFolder).toString());
    request.filters = filter.split(QStringLiteral(";;"), Qt::SkipEmptyParts);
    return FileDialog::ask(this, request).path;
}

// A chosen path goes into its field past the field's validator, so it is
// checked here; a path the file cannot hold leaves the field as it was.
bool ItemDialog::isStorableLink(const QString &link)
{
    const QString problem = StorageCheck::textProblem(link);
    if (problem.isEmpty())
        return true;
    MessageBox::critical(this, tr("Felt grænseværdi fejl"),
        tr("Stien til den valgte fil kan ikke gemmes i databasen:\n%1").arg(link) + QLatin1String("\n\n") + problem,
        QMessageBox::Ok);
    return false;
}

void ItemDialog::browsePhoto_slot()
{
    // Pictures and receipts are files that exist: an open dialog.
    const QString path = chooseFile(Chooser::ExistingFile, QStringLiteral("PicturePath"), defaultPicturePath(),
        tr("Billed fil (*.png *.jpg *.jpeg *.pdf *.bmp *.gif *.mng *.pnm *.xbm *.xpm);;Alle (*.*)"));
    if (path.isEmpty())
        return;
    const QString link = QDir::toNativeSeparators(path);
    if (!isStorableLink(link))
        return;
    photolinkLineEdit->setText(link);
    if (isPictureFile(link))
        setTabEnabled(picturePage, true);
    m_previews->showPictureAsIs(path);
}

void ItemDialog::browseReceipt_slot()
{
    const QString path = chooseFile(Chooser::ExistingFile, QStringLiteral("ReceiptPath"), defaultDocumentPath(),
        tr("Kvittering (*.png *.jpg *.jpeg *.pdf *.bmp *.gif *.tif *.txt *.htm);;Alle (*.*)"));
    const QString link = QDir::toNativeSeparators(path);
    if (!path.isEmpty() && isStorableLink(link))
        receiptLineEdit->setText(link);
}

void ItemDialog::InsertDocumentSlot()
{
    // A document may be named before it is written.
    const QString path = chooseFile(Chooser::AnyFile, QStringLiteral("DocumentPath"), defaultDocumentPath(),
        tr("Kvittering (*.doc *.pdf  *.txt *.htm *.bmp *.jpg *.jpeg *.gif *.tif);;Alle (*.*)"));
    const QString link = QDir::toNativeSeparators(path);
    if (!path.isEmpty() && isStorableLink(link))
        documentLineEdit->setText(link);
}

void ItemDialog::showPhoto_slot()
{
    const QString link = photolinkLineEdit->text();
    if (link.isEmpty())
        return;
    if (!m_pictureViewerProgram.isEmpty())
        openWithProgram(m_pictureViewerProgram, link, this);
    else
        shellOpen(link);
}

void ItemDialog::showReceipt_slot()
{
    const QString link = receiptLineEdit->text();
    if (link.isEmpty())
        return;
    // In the picture and coin editions the receipt is a second picture.
    if ((isVistrel() || isNumivax()) && !m_pictureViewerProgram.isEmpty())
        openWithProgram(m_pictureViewerProgram, link, this);
    else
        shellOpen(link);
}

void ItemDialog::ShowDocumentSlot()
{
    shellOpen(documentLineEdit->text());
}

void ItemDialog::showWww_slot()
{
    const QString link = wwwLineEdit->text();
    if (link.isEmpty())
        return;
    if (!m_wwwProgram.isEmpty())
        openWithProgram(m_wwwProgram, link, this);
    else
        shellOpen(link);
}
