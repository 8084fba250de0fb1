#pragma once

#include "ui_RestoreVersionDialog.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <atomic>
#include <thread>

// The earlier versions of the open database (DatabaseVersions), newest first,
// with the time each was saved, its number of items and its size. Restore
// closes the dialog and hands the chosen version to the window, which opens
// it under the database's own name.
//
// The items are counted from the files' bytes on a thread of the dialog's
// own: the list shows at once, and each count follows as it is ready.
class RestoreVersionDialog : public QDialog, private Ui::RestoreVersionDialog
{
    Q_OBJECT
public:
    explicit RestoreVersionDialog(const QString &databasePath, QWidget *parent = nullptr);
    ~RestoreVersionDialog() override;

    // The versions listed, newest first.
    const QStringList &versionPaths() const { return m_paths; }
    // The selected version; empty when none is.
    QString selectedVersion() const;

signals:
    void restoreChosen(const QString &versionPath);

private:
    void fill();
    void startCounting();
    void showCount(int row, qint64 count);
    void restoreSelected();
    void enableRestore();

    QStringList m_paths;
    std::atomic<bool> m_stopCounting { false };
    std::thread m_counter;
};
