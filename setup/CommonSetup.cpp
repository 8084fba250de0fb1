#include "setup/CommonSetup.h"

#include "core/Edition.h"
#include "core/Settings.h"
#include "database/DatabaseVersions.h"
#include "desktop/ExternalViewers.h"
#include "desktop/FileDialog.h"
#include "help/HelpTopics.h"
#include "itemdialog/ItemDialog.h"

#include <QDir>

CommonSetup::CommonSetup(QWidget *parent, const QString &name, bool modal, Qt::WindowFlags flags)
    : CommonSetupBase(parent, name, modal, flags)
{
    // The same defaults the item dialog's file choosers start from.
    const QString pictures = ItemDialog::defaultPicturePath();
    const QString documents = ItemDialog::defaultDocumentPath();
    {
        Settings settings;
        m_picturePath = settings.value(QStringLiteral("PicturePath"), pictures).toString();
        m_receiptPath = settings.value(QStringLiteral("ReceiptPath"), documents).toString();
        m_documentPath = settings.value(QStringLiteral("DocumentPath"), documents).toString();
    }
    PicturePathLineEdit->setText(m_picturePath);
    ReceiptPathLineEdit->setText(m_receiptPath);
    DocumentPathLineEdit->setText(m_documentPath);
    VersionsKeepSpinBox->setRange(0, DatabaseVersions::maximumKeep);
    VersionsKeepSpinBox->setValue(DatabaseVersions::keepSetting());

    if (isNumivax()) {
        PicturePathLabel->setText(tr("NUMIVAX_FRONT_PICTURE_PATH"));
        ReceipthPathLabel->setText(tr("NUMIVAX_BACK_PICTURE_PATH"));
    } else if (isVistrel()) {
        PicturePathLabel->setText(tr("BILLED_PATH"));
        ReceipthPathLabel->setText(tr("KVITTERINGS_PATH"));
    }
}

void CommonSetup::browse(QString &folder, QLineEdit *lineEdit, const QString &title)
{
    FileDialog::Request request;
    request.mode = FileDialog::Directory;
    request.title = title;
    request.folder = folder;
    request.objectName = tr("GetExistingDirectory");
    const FileDialog::Answer answer = FileDialog::ask(this, request);
    // A cancelled chooser leaves the folder and its field as they were.
    if (!answer.accepted())
        return;
    folder = QDir::toNativeSeparators(answer.path);
    lineEdit->setText(folder);
}

void CommonSetup::BrowsePicturePath()
{
    browse(m_picturePath, PicturePathLineEdit, tr("ChoseAPictureDirectory"));
}

void CommonSetup::BrowseReceiptPath()
{
    browse(m_receiptPath, ReceiptPathLineEdit, tr("ChoseAReceiptDirectory"));
}

void CommonSetup::BrowseDocumentPath()
{
    browse(m_documentPath, DocumentPathLineEdit, tr("ChoseADocumentDirectory"));
}

void CommonSetup::Apply()
{
    m_picturePath = PicturePathLineEdit->text();
    m_receiptPath = ReceiptPathLineEdit->text();
    m_documentPath = DocumentPathLineEdit->text();
    Settings settings;
    if (!m_picturePath.isEmpty())
        settings.setValue(QStringLiteral("PicturePath"), m_picturePath);
    if (!m_receiptPath.isEmpty())
        settings.setValue(QStringLiteral("ReceiptPath"), m_receiptPath);
    if (!m_documentPath.isEmpty())
        settings.setValue(QStringLiteral("DocumentPath"), m_documentPath);
    settings.setValue(DatabaseVersions::keepKey(), VersionsKeepSpinBox->value());
}

void CommonSetup::accept()
{
    Apply();
    QDialog::accept();
}

void CommonSetup::HelpSlot()
{
    openHtmlPage(HelpTopics::commonSetupPage(edition(), currentLanguage()), QString(), false);
}
