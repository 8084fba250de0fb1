#pragma once

#include <QLineEdit>

class QKeyEvent;

// The filter field above the item list: what is typed here filters the list
// (ItemListView::setFilterText, connected by the main window). Escape clears
// it; Down, Return and Enter hand the keyboard to the list, as Escape does
// on an empty field.
class ItemFilterField : public QLineEdit
{
    Q_OBJECT
public:
    explicit ItemFilterField(QWidget *parent = nullptr);

signals:
    // The user goes on into the list.
    void listRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
