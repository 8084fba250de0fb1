#pragma once

#include "ui_CommonSetupBase.h"

#include <QDialog>

// The form of the default directories dialog with its buttons connected;
// CommonSetup gives the slots their work.
class CommonSetupBase : public QDialog, public Ui::CommonSetupBase
{
    Q_OBJECT
public:
    explicit CommonSetupBase(
        QWidget *parent = nullptr, const QString &name = QString(), bool modal = false, Qt::WindowFlags flags = {});

public slots:
    virtual void BrowsePicturePath();
    virtual void BrowseReceiptPath();
    virtual void Apply();
    virtual void HelpSlot();
    virtual void BrowseDocumentPath();

protected slots:
    virtual void languageChange();
};
