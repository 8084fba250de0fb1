#pragma once

#include "ui_ValueReportDialogBase.h"

#include <QDialog>
#include <QList>
#include <QString>

#include "output/ValueReport.h"

class DBItemCollection;
class Item;

// The choices of a value report (which items, the owner's name and address
// and the policy number, pictures and receipts, the order), then the file:
// OK asks for its name through the file dialog, proposing "<database name>
// - <report>.pdf" beside the database, and writes it while a progress
// window offers to stop. The owner, address, policy and the check boxes
// are remembered under "ValueReport/...". A report that failed is told in a
// box and the dialog stays open; a stopped one leaves no file.
class ValueReportDialog : public QDialog, private Ui::ValueReportDialogBase
{
    Q_OBJECT
public:
    // group: the group of the list's current row (-1: none); selection: the
    // items of the selected rows; shown: while the list is filtered, the
    // items of the rows it shows (empty otherwise), offered when there are
    // any and chosen from the start when no more than one row is selected.
    // The collection is not owned and must outlive the dialog; its items
    // must not change while it is open.
    ValueReportDialog(const DBItemCollection &collection, int group, const QList<const Item *> &selection,
        const QList<const Item *> &shown, QWidget *parent = nullptr);

    ValueReport::Options options() const;
    // The items chosen, in the collection's order.
    QList<const Item *> items() const;
    QString writtenFile() const { return m_writtenFile; }

    void accept() override;

private:
    void remember() const;

    const DBItemCollection &m_collection;
    QList<const Item *> m_selection;
    QList<const Item *> m_shown;
    QString m_writtenFile;
};
