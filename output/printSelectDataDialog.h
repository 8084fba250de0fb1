#pragma once

#include <QDialog>

#include "ui_printSelectDataDialogBase.h"

#include "core/PrintSettings.h"

class DBItemCollection;
class QLabel;
class QLineEdit;

// The print setup: which fields a printed list and the HTML table show, the
// printed width of each, the separator, the sort and the group or location
// filter. It opens on the current print settings (loaded again from the
// store) and writes them back on OK; Cancel stores nothing.
//
// A field counts as chosen when "Valgte felter" holds an entry with exactly
// its title; the order of the entries has no effect, as fields always print
// in their fixed order.
class printSelectDataDialog : public QDialog, public Ui::printSelectDataDialogBase
{
    Q_OBJECT
public:
    // collection: the open register, for its group and location names (not owned).
    explicit printSelectDataDialog(DBItemCollection *collection, QWidget *parent = nullptr);

    // The length input and its label of a field; null for the running number.
    QLineEdit *lengthEdit(PrintFields::Field field) const;
    QLabel *lengthLabel(PrintFields::Field field) const;

    // The help page of the edition and language ("printSetupDialog.dk.htm").
    static QString helpPage();

public slots:
    void add_slot();
    void remove_slot();
    void help_slot();
    void accept() override;

private:
    // The field order of the two lists: print order with the product type last.
    static QList<PrintFields::Field> listedFields();
    // The first length input whose text the validator does not accept, as a
    // message; empty when both checked inputs are acceptable.
    QString lengthError() const;
    void store();

    DBItemCollection *m_collection;
};
