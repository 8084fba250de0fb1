#pragma once

#include "setup/CommonSetupBase.h"

#include <QString>

class QLineEdit;

// The start folders of the item dialog's file choosers for pictures,
// receipts and documents, kept as "PicturePath", "ReceiptPath" and
// "DocumentPath", and how many earlier versions of the database a save keeps
// ("Versions/Keep", see DatabaseVersions). Typed folders and the number reach
// the settings only on Apply or OK; an emptied field keeps the stored folder.
class CommonSetup : public CommonSetupBase
{
    Q_OBJECT
public:
    explicit CommonSetup(
        QWidget *parent = nullptr, const QString &name = QString(), bool modal = false, Qt::WindowFlags flags = {});

    QString picturePath() const { return m_picturePath; }
    QString receiptPath() const { return m_receiptPath; }
    QString documentPath() const { return m_documentPath; }

public slots:
    void BrowsePicturePath() override;
    void BrowseReceiptPath() override;
    void BrowseDocumentPath() override;
    void Apply() override;
    void accept() override;
    void HelpSlot() override;

private:
    void browse(QString &folder, QLineEdit *lineEdit, const QString &title);

    QString m_picturePath;
    QString m_receiptPath;
    QString m_documentPath;
};
