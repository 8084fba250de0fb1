// The main window's earlier versions of the open database: File > Restore an
// earlier version opens one of them in place of the database. The versions
// themselves are made by the save (database/ReplacedVersion). The rest of the
// window is in larkspanwindow.cpp.

#include "mainwindow/larkspanwindow.h"

#include "database/DBItemCollection.h"
#include "database/DatabaseVersions.h"
#include "desktop/MessageBox.h"
#include "mainwindow/ItemListView.h"
#include "versions/RestoreVersionDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

bool MainWindow::canRestoreVersion() const
{
    return m_collection && !m_currentFileName.isEmpty() && !m_sessionClosed && !m_collection->isReadOnly();
}

void MainWindow::RestoreVersion()
{
    if (!canRestoreVersion())
        return;
    auto *dialog = new RestoreVersionDialog(m_currentFileName, this);
    dialog->setObjectName(QStringLiteral("RestoreVersionDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &RestoreVersionDialog::restoreChosen, this, &MainWindow::restoreVersion);
    dialog->open();
}

void MainWindow::restoreVersion(const QString &versionPath)
{
    if (!canRestoreVersion())
        return;
    // Saving the changes first makes a version too, which could take the
    // oldest away: the one chosen stays until it has been read.
    DatabaseVersions::hold(versionPath);
    const bool proceed = askToSaveChanges();
    DatabaseVersions::release(versionPath);
    if (!proceed)
        return;
    if (!QFileInfo(versionPath).isFile()) {
        MessageBox::showCustom(MessageBox::Critical, this, tr("FileError"),
            tr("Versionen %1 findes ikke længere.").arg(QDir::toNativeSeparators(versionPath)), { tr("Ok") });
        return;
    }
    const QDateTime saved = QFileInfo(versionPath).lastModified();

    discardDatabase();
    m_collection->MakeDynamicLists();
    m_listView->SetCollection(m_collection.get());
    // The version's items under the database's own name: the next save puts
    // them in the database file, and keeps what it replaces as a version.
    if (!LoadItemFile(versionPath)) {
        // What the database file holds is still there: it opens again.
        m_collection->MakeDynamicLists();
        m_listView->SetCollection(m_collection.get());
        LoadItemFile();
        return;
    }
    setDatabaseModified(true);
    emit message(tr("Versionen fra %1 er gendannet, men endnu ikke gemt i %2.")
                     .arg(QLocale().toString(saved, QLocale::ShortFormat), QDir::toNativeSeparators(m_currentFileName)),
        0);
}
