#pragma once

#include "ui_BulkEditDialogBase.h"

#include <QDialog>
#include <QList>
#include <QPointer>

#include "database/BulkChange.h"

class DBItemCollection;
class Item;

// Edit > Change selected: the group, location, supplier, purchase date and
// value today (an amount, or a percentage of each item's own value) of many
// items at once. Only the ticked fields change; each starts on the first
// item's value. OK makes the change as one step when every item passes the
// item dialog's checks; otherwise a box names the items that fail, nothing
// is changed and the dialog stays open.
//
// Neither the collection nor the items are owned. The dialog follows the
// collection: an item taken out of it is no longer changed, and the dialog
// closes when none is left or the collection is cleared.
class BulkEditDialog : public QDialog, private Ui::BulkEditDialogBase
{
    Q_OBJECT
public:
    BulkEditDialog(DBItemCollection *collection, const QList<Item *> &items, QWidget *parent = nullptr);

    // The change the ticked fields make.
    BulkChange change() const;
    const QList<Item *> &items() const { return m_items; }

    void accept() override;

signals:
    // After OK changed that many items.
    void itemsChanged(int count);

private:
    void fillFields();
    void enableFields();
    void itemRemoved(Item *item);

    QPointer<DBItemCollection> m_collection;
    QList<Item *> m_items;
};
