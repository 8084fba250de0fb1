#pragma once

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include "TestSupport.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "desktop/FileDialog.h"
#include "desktop/Launcher.h"

namespace TestSupport {

// One test's world for the windows and dialogs: its own settings store of the
// edition and its own folder, no unsaved changes, and every message box, file
// dialog and outside program recorded. The tests' own fixtures build on it.
struct TestWorld
{
    explicit TestWorld(int edition)
        : settings(edition)
    {
        setDatabaseModified(false);
    }

    QString path(const QString &relative) const { return QDir(dir.path()).filePath(relative); }

    // The database the next window opens at start, read from its own folder.
    void startWith(const QString &file)
    {
        Settings s;
        s.setValue(QStringLiteral("LastSavedDBFile"), file);
        s.setValue(QStringLiteral("LastDBDir"), QFileInfo(file).absolutePath());
    }

    IsolatedSettings settings;
    RecordedMessageBoxes boxes;
    FileDialog::Recording dialogs;
    Launcher::Recording launches;
    QTemporaryDir dir;
};

} // namespace TestSupport
