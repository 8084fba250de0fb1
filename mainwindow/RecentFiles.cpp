#include "mainwindow/RecentFiles.h"

#include "core/Settings.h"
#include "mainwindow/larkspanwindow.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

namespace {

QString recentFileKey(int index)
{
    return QStringLiteral("RecentFiles/RecentFile%1/").arg(index);
}

} // namespace

RecentFiles::RecentFiles(MainWindow *window)
    : m_window(window)
{
    for (int i = 0; i < MainWindow::MaxRecentFiles; ++i)
        m_actions.append(nullptr);
}

void RecentFiles::read()
{
    Settings settings;
    m_files.clear();
    const int count = settings.value(QStringLiteral("RecentFiles/NumberOfItems"), 0).toInt();
    for (int i = 0; i < count; ++i) {
        const QString key = recentFileKey(i);
        if (settings.contains(key))
            m_files.append(settings.value(key).toString());
    }
}

void RecentFiles::write() const
{
    Settings settings;
    settings.setValue(QStringLiteral("RecentFiles/NumberOfItems"), int(m_files.size()));
    for (int i = 0; i < m_files.size(); ++i)
        settings.setValue(recentFileKey(i), m_files.at(i));
}

void RecentFiles::add(const QString &file)
{
    m_files.removeAll(file);
    m_files.prepend(file);
    updateMenu();
}

void RecentFiles::showIn(QMenu *menu, QAction *before)
{
    m_menu = menu;
    m_before = before;
    updateMenu();
}

void RecentFiles::updateMenu()
{
    while (m_files.size() > MainWindow::MaxRecentFiles)
        m_files.removeLast();
    if (!m_menu || !m_before)
        return;

    for (int i = 0; i < m_files.size(); ++i) {
        QString name = QFileInfo(m_files.at(i)).fileName();
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        const QString text = tr("&%1 %2").arg(QString::number(i + 1), name);
        if (!m_actions.at(i)) {
            if (i == 0)
                m_menu->insertSeparator(m_before);
            auto *action = new QAction(text, m_window);
            action->setObjectName(QStringLiteral("RecentFile%1").arg(i));
            action->setData(i);
            MainWindow *window = m_window;
            QObject::connect(action, &QAction::triggered, window, [window, i] { window->OpenRecentFile(i); });
            m_menu->insertAction(m_before, action);
            m_actions[i] = action;
        } else {
            m_actions.at(i)->setText(text);
        }
    }
}
