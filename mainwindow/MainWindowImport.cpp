// The main window's import of a spreadsheet file: File > Import >
// Spreadsheet (CSV) opens the import dialog on the open database; the
// dialog's import is one step of the undo history. The rest of the window is
// in larkspanwindow.cpp.

#include "mainwindow/larkspanwindow.h"

#include "database/DBItemCollection.h"
#include "desktop/MessageBox.h"
#include "spreadsheet/CsvImportDialog.h"

#include <QDir>

void MainWindow::ImportCsv()
{
    if (!m_collection || m_sessionClosed)
        return;
    if (m_collection->isReadOnly()) {
        MessageBox::warning(this, tr("Importen er ikke mulig"),
            tr("Databasen er skrivebeskyttet (et andet program har låst den), så der kan ikke importeres i den."));
        return;
    }
    auto *dialog = new CsvImportDialog(*m_collection, this);
    dialog->setObjectName(QStringLiteral("CsvImportDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // File > New with its save question; the collection stays the same
    // object, emptied.
    dialog->setNewDatabase([this] {
        FileNew();
        return m_currentFileName.isEmpty() && m_collection && m_collection->count() == 0;
    });
    connect(dialog, &CsvImportDialog::imported, this, &MainWindow::csvImported);
    dialog->chooseFile();
    if (dialog->filePath().isEmpty()) {
        delete dialog;
        return;
    }
    dialog->open();
}

void MainWindow::csvImported(int items, const QString &file, bool intoNewDatabase)
{
    // The first save of the database's own file after an import keeps the
    // file it replaces as a version, whatever the number of versions kept.
    if (!intoNewDatabase && !m_currentFileName.isEmpty())
        m_importBackupDue = true;
    emit message(tr("%1 poster er importeret fra %2. Rediger > Fortryd import tager dem ud igen.")
                     .arg(items)
                     .arg(QDir::toNativeSeparators(file)),
        10000);
}
