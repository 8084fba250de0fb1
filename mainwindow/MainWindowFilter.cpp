// The main window's filter field above the item list, its keys (Ctrl+L, and
// "/" and Escape in the list) and the count the status bar shows while the
// list is filtered.

#include "mainwindow/larkspanwindow.h"

#include "core/Edition.h"
#include "mainwindow/ItemFilterField.h"
#include "mainwindow/ItemListModel.h"
#include "mainwindow/ItemListView.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QStatusBar>
#include <QVBoxLayout>

QString filterCountText(int shown, int listed)
{
    // The count of all items decides the noun: "1 af 1 mønt", "2 af 5 mønter".
    const bool one = listed == 1;
    const char *text = nullptr;
    switch (edition()) {
    case VistrelEdition:
        text = one ? QT_TRANSLATE_NOOP("MainWindow", "%1 af %2 billede")
                   : QT_TRANSLATE_NOOP("MainWindow", "%1 af %2 billeder");
        break;
    case NumivaxEdition:
        text = one ? QT_TRANSLATE_NOOP("MainWindow", "%1 af %2 mønt")
                   : QT_TRANSLATE_NOOP("MainWindow", "%1 af %2 mønter");
        break;
    case QuorvelEdition:
        text = one ? QT_TRANSLATE_NOOP("MainWindow", "%1 af %2 vare")
                   : QT_TRANSLATE_NOOP("MainWindow", "%1 af %2 varer");
        break;
    default:
        text = one ? QT_TRANSLATE_NOOP("MainWindow", "%1 af %2 genstand")
                   : QT_TRANSLATE_NOOP("MainWindow", "%1 af %2 genstande");
        break;
    }
    return QCoreApplication::translate("MainWindow", text).arg(QString::number(shown), QString::number(listed));
}

QWidget *MainWindow::makeListArea()
{
    auto *area = new QWidget(this);
    area->setObjectName(QStringLiteral("listArea"));
    auto *layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_filterField = new ItemFilterField(area);
    layout->addWidget(m_filterField);
    layout->addWidget(m_listView);

    connect(m_filterField, &QLineEdit::textChanged, m_listView, &ItemListView::setFilterText);
    connect(m_filterField, &ItemFilterField::listRequested, this, [this] {
        m_listView->setFocus();
        // The keyboard starts on the first row shown when there is no current one.
        if (!m_listView->currentIndex().isValid() && m_listView->listModel()->rowCount() > 0)
            m_listView->setCurrentIndex(m_listView->listModel()->index(0, 0));
    });
    connect(m_listView, &ItemListView::filterFieldRequested, this, &MainWindow::focusFilterField);
    connect(m_listView, &ItemListView::filterClearRequested, m_filterField, &QLineEdit::clear);
    connect(m_listView, &ItemListView::filterCountsChanged, this, &MainWindow::showFilterCount);

    auto *focusFilter = new QAction(this);
    focusFilter->setObjectName(QStringLiteral("FocusFilter"));
    focusFilter->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    focusFilter->setShortcutContext(Qt::WindowShortcut);
    addAction(focusFilter);
    connect(focusFilter, &QAction::triggered, this, &MainWindow::focusFilterField);

    m_filterCount = new QLabel(statusBar());
    m_filterCount->setObjectName(QStringLiteral("filterCount"));
    statusBar()->addPermanentWidget(m_filterCount);
    m_filterCount->hide();
    return area;
}

void MainWindow::focusFilterField()
{
    m_filterField->setFocus(Qt::ShortcutFocusReason);
    m_filterField->selectAll();
}

void MainWindow::showFilterCount()
{
    const ItemListModel *model = m_listView->listModel();
    if (!model->isFiltered()) {
        m_filterCount->hide();
        m_filterCount->clear();
        return;
    }
    m_filterCount->setText(filterCountText(model->shownItemCount(), model->listedItemCount()));
    m_filterCount->show();
}
