#pragma once

class QDialog;
class userItemCollection;

namespace Ui {
class ItemDialogBase;
}

// How the item dialog looks in the running edition and with the open
// database's field names.
//
// apply() sets what stays for the dialog's whole life: the window title, the
// fields the edition does not show, its tooltips and What's This texts, which
// help it offers, and the fields it keeps disabled. The dialog calls it once,
// right after building its form.
//
// applyFieldTitles() names the fields after the database's field-names list.
// That list belongs to the collection and may change while the dialog is
// open, so the dialog applies it again whenever it starts afresh (a new item,
// a search hit).
class ItemDialogEditionLook
{
public:
    static void apply(QDialog &dialog, Ui::ItemDialogBase &form);
    static void applyFieldTitles(Ui::ItemDialogBase &form, const userItemCollection &fields);
};
