#pragma once

#include "ui_AutomakeItems.h"

#include <QDialog>
#include <QString>

class DBItemCollection;

// Pre-creates a batch of numbered items of one name: each with the next
// serial number, today's date, the first group and a count of 1. The items
// join the collection, which announces them to the item list.
class AutomakeItems : public QDialog
{
    Q_OBJECT
public:
    explicit AutomakeItems(QWidget *parent = nullptr);

    // The collection the items join (not owned).
    void setCollection(DBItemCollection *collection) { m_collection = collection; }
    // How many items the next press makes; 0 when the field holds no valid count.
    int count() const { return m_count; }

    static constexpr int MaxCount = 1000;

private slots:
    void on_lineEdit_textChanged(const QString &text);
    void on_pushButtonMakeItems_clicked();

private:
    Ui::AutomakeItemsClass ui;
    DBItemCollection *m_collection = nullptr;
    int m_count = 0;
};
