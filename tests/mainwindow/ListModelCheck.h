#pragma once

#include <QAbstractItemModelTester>

#include "mainwindow/ItemListModel.h"
#include "mainwindow/ItemListView.h"

// Qt's own model tester on the list's model, for as long as the model lives:
// every reset, insert, removal, move, sort and change the test makes is
// checked against the rules of QAbstractItemModel, and a breach ends the test
// program with the tester's message.
inline void checkListModel(ItemListModel *model)
{
    new QAbstractItemModelTester(model, QAbstractItemModelTester::FailureReportingMode::Fatal, model);
}

inline void checkListModel(ItemListView &list)
{
    checkListModel(list.listModel());
}
