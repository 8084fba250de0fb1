#pragma once

#include "ui_LabelSheetDialogBase.h"

#include <QDialog>
#include <QList>
#include <QString>

#include <memory>

#include "labels/LabelSheet.h"
#include "labels/LabelSheetLayout.h"

class DBItemCollection;
class Item;
class LabelSheetPreview;

// The label sheets of items or of locations: which items (all, a group, the
// rows the list's filter shows, the selected rows), the kind, the sheet's layout (a named one or the user's
// own), the label to start at, one label an item or a piece, the contents
// and the code, and where they go (a printer through the print dialog, or a
// PDF file through the file dialog). The preview beside shows the first
// sheet and follows every change. A custom layout whose labels do not fit
// its page is refused: its reason shows under it and OK is off. The choices
// are remembered under "Labels/...". Labels whose code had to fall back or
// be left out are told in one box before they are printed.
class LabelSheetDialog : public QDialog, private Ui::LabelSheetDialogBase
{
    Q_OBJECT
public:
    // group: the group of the list's current row (-1: none); selection: the
    // items of the selected rows, chosen from the start when there are any;
    // shown: while the list is filtered, the items of the rows it shows
    // (empty otherwise), offered when there are any and chosen from the
    // start instead when no more than one row is selected. The collection
    // is not owned and must outlive the dialog; its items must not change
    // while it is open.
    LabelSheetDialog(const DBItemCollection &collection, int group, const QList<const Item *> &selection,
        const QList<const Item *> &shown, QWidget *parent = nullptr);
    ~LabelSheetDialog() override;

    LabelSheetLayout layout() const;
    LabelSheet::Options options() const;
    // The items chosen, in the collection's order.
    QList<const Item *> items() const;
    // The whole job as chosen now.
    std::unique_ptr<LabelSheet> makeSheet() const;
    LabelSheetPreview *preview() const { return m_preview; }
    QString writtenFile() const { return m_writtenFile; }

    void accept() override;

private:
    void layoutChosen();
    void updatePreview();
    void showLayout(const LabelSheetLayout &layout);
    void remember() const;
    bool confirmProblems(const LabelSheet &sheet);
    bool output(const LabelSheet &sheet);

    const DBItemCollection &m_collection;
    QList<const Item *> m_selection;
    QList<const Item *> m_shown;
    LabelSheetPreview *m_preview = nullptr;
    QString m_writtenFile;
    bool m_showingLayout = false;
};
