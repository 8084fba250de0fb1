#include "setup/CommonSetupBase.h"

#include <QDebug>

CommonSetupBase::CommonSetupBase(QWidget *parent, const QString &name, bool modal, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    setupUi(this);
    setObjectName(name);
    setModal(modal);
    // The slots are virtual: the buttons reach the versions of the subclass.
    connect(DefinePicturePathButton, &QPushButton::clicked, this, &CommonSetupBase::BrowsePicturePath);
    connect(DefineReceiptPathButton, &QPushButton::clicked, this, &CommonSetupBase::BrowseReceiptPath);
    connect(DefineDocumentPathButton, &QPushButton::clicked, this, &CommonSetupBase::BrowseDocumentPath);
    connect(buttonApply, &QPushButton::clicked, this, &CommonSetupBase::Apply);
    connect(buttonHelp, &QPushButton::clicked, this, &CommonSetupBase::HelpSlot);
    connect(buttonOk, &QPushButton::clicked, this, &CommonSetupBase::accept);
    connect(buttonCancel, &QPushButton::clicked, this, &CommonSetupBase::reject);
}

void CommonSetupBase::BrowsePicturePath()
{
    qWarning("CommonSetupBase::BrowsePicturePath(): Not implemented yet");
}

void CommonSetupBase::BrowseReceiptPath()
{
    qWarning("CommonSetupBase::BrowseReceiptPath(): Not implemented yet");
}

void CommonSetupBase::Apply()
{
    qWarning("CommonSetupBase::Apply(): Not implemented yet");
}

void CommonSetupBase::HelpSlot()
{
    qWarning("CommonSetupBase::HelpSlot(): Not implemented yet");
}

void CommonSetupBase::BrowseDocumentPath()
{
    qWarning("CommonSetupBase::BrowseDocumentPath(): Not implemented yet");
}

void CommonSetupBase::languageChange()
{
    retranslateUi(this);
}
