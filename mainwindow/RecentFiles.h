#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class MainWindow;
class QAction;
class QMenu;

// The databases opened last, newest first, at most MainWindow::MaxRecentFiles:
// kept under "RecentFiles/..." in the settings store and shown as numbered
// entries of the File menu that open them again (MainWindow::OpenRecentFile).
class RecentFiles
{
    Q_DECLARE_TR_FUNCTIONS(RecentFiles)
public:
    explicit RecentFiles(MainWindow *window);

    QStringList files() const { return m_files; }

    // Replaces the list by the stored one; the menu is left as it is.
    void read();
    // Stores the count and every file.
    void write() const;
    // Puts the file first (once) and shows the list in the menu.
    void add(const QString &file);
    // The entries go into menu before the given action, below a separator of
    // their own; the stored list is shown at once.
    void showIn(QMenu *menu, QAction *before);

private:
    void updateMenu();

    MainWindow *m_window;
    QStringList m_files;
    // One per position; null until the list first reached that length.
    QList<QAction *> m_actions;
    QMenu *m_menu = nullptr;
    QAction *m_before = nullptr;
};
