#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "desktop/MessageBox.h"

// Helpers shared by the test programs.
namespace TestSupport {

// Gives the test a fresh, empty settings store in a temporary folder, the
// settings identity of the given edition ("Taldrum" and the edition's name)
// and sets that edition; the user's data folder (XDG_DATA_HOME, where the
// state folder is) lies in the temporary folder too. The folder and the
// settings go with the object.
class IsolatedSettings
{
public:
    explicit IsolatedSettings(int edition = 1);
    ~IsolatedSettings();
    IsolatedSettings(const IsolatedSettings &) = delete;
    IsolatedSettings &operator=(const IsolatedSettings &) = delete;

    QString folder() const { return m_dir.path(); }
    // Switches to another edition with its own settings tree.
    void setEdition(int edition);

private:
    QTemporaryDir m_dir;
    QByteArray m_dataHome;
    bool m_hadDataHome = false;
};

// Records every message box instead of showing it, for the object's lifetime.
using RecordedMessageBoxes = MessageBox::Recording;

// The build's run folder (the program, its catalogues and installation data).
QString runDir();
// A file under tests/data.
QString testDataPath(const QString &relative);
// The program binary, as built.
QString programPath();

bool writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);
// Copies the folder with everything below it to target (created as needed).
bool copyFolder(const QString &folder, const QString &target);

// Makes the process's current folder a temporary copy of parts of the run
// folder (for instance "db/DemoQuorvel") and goes back on destruction, so a
// test that opens the installed demo databases works on copies: a lock file
// or a save can never touch the run folder.
class RunFolderCopy
{
public:
    explicit RunFolderCopy(const QStringList &parts);
    ~RunFolderCopy();
    RunFolderCopy(const RunFolderCopy &) = delete;
    RunFolderCopy &operator=(const RunFolderCopy &) = delete;

    bool isValid() const { return m_valid; }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
    bool m_valid = false;
};

} // namespace TestSupport
