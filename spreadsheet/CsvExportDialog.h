#pragma once

#include "ui_CsvExportDialogBase.h"

#include <QDialog>
#include <QList>
#include <QString>

#include "database/CsvFormat.h"

class DBItemCollection;
class Item;

// The options of a spreadsheet export (encoding, separator, which items),
// then the file: OK asks for its name through the file dialog, proposing
// "<database name>.csv" in the database's folder, and writes it. A file
// that could not be written is told in a box, and the dialog stays open
// for another try; a cancelled file dialog leaves it open too.
class CsvExportDialog : public QDialog, private Ui::CsvExportDialogBase
{
    Q_OBJECT
public:
    enum Scope { WholeRegister, SelectedGroup, SelectedRows };

    // group: the group of the list's current row (-1: none); selection: the
    // items of the selected rows. The collection is not owned and must
    // outlive the dialog; its items must not change while it is open.
    CsvExportDialog(const DBItemCollection &collection, const QString &databaseFile, int group,
        const QList<const Item *> &selection, QWidget *parent = nullptr);

    CsvFormat format() const;
    Scope scope() const;
    // The items of the scope chosen, in the collection's order.
    QList<const Item *> items() const;
    // The file written when the dialog was accepted.
    QString writtenFile() const { return m_writtenFile; }

    void accept() override;

private:
    void enableBom();
    // The encoding, mark and separator of the last export written, under
    // "Csv/Export/..."; a value that is not one of the boxes' is left out.
    void restoreChoices();
    void rememberChoices() const;

    const DBItemCollection &m_collection;
    QString m_databaseFile;
    int m_group;
    QList<const Item *> m_selection;
    QString m_writtenFile;
};
