#pragma once

#include "ui_setupdialogBase.h"

#include <QDialog>
#include <QString>

class DBItemCollection;
class QListWidgetItem;
class userItemCollection;

// Edits one of the collection's name lists: groups, locations or suppliers.
// Names are added, renamed and deleted in the list box; only a save (also
// by OK) rebuilds the collection's list from it and writes the list file.
//
// Items refer to groups and locations by position, so a deletion that would
// leave an item's group or location past the end of the list is refused.
//
// The dialog knows no item list: it tells a renamed group and a list that
// must be rebuilt through its signals, which the main window connects.
class setupdialog : public QDialog, public Ui::setupdialogBase
{
    Q_OBJECT
public:
    enum Kind { Groups = 1, Locations = 2, Suppliers = 3 };

    setupdialog(DBItemCollection *collection, int kind, QWidget *parent = nullptr, const QString &name = QString(),
        bool modal = false, Qt::WindowFlags flags = {});

    int kind() const { return m_kind; }
    // The list file of a kind in the current database folder.
    static QString listFilePath(int kind);

public slots:
    void AddSlot();
    void DeleteSlot();
    void HelpSlot();
    void OKSlot();
    void SaveSlot();
    void PrintSlot();
    void listLineEdit_highlighted(QListWidgetItem *item);

signals:
    // A save renamed the group at position (the list's group row title).
    void groupRenamed(int position, const QString &name);
    // A save wrote a list with entries added or deleted: the item list must
    // be built again.
    void listRebuilt();

private:
    // True when the text can go into the list file; otherwise tells why.
    bool acceptName(const QString &text);

    int m_kind = Groups;
    DBItemCollection *m_collection = nullptr;
    userItemCollection *m_list = nullptr;
    bool m_changed = false;
};
