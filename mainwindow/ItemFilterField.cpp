#include "mainwindow/ItemFilterField.h"

#include <QKeyEvent>

ItemFilterField::ItemFilterField(QWidget *parent)
    : QLineEdit(parent)
{
    setObjectName(QStringLiteral("filterField"));
    setClearButtonEnabled(true);
    setPlaceholderText(tr("Filtrér listen (Ctrl+L eller /)"));
    setToolTip(tr("Viser kun de rækker, hvis tekster indeholder hvert af de ord, der skrives her, "
                  "uanset store og små bogstaver. Esc rydder feltet."));
}

void ItemFilterField::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        if (text().isEmpty())
            emit listRequested();
        else
            clear();
        event->accept();
        return;
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit listRequested();
        event->accept();
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}
