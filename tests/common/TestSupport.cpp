#include "TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "core/Edition.h"
#include "desktop/FileDialog.h"
#include "desktop/Launcher.h"
#include "desktop/MessageBox.h"
#include "desktop/MessageBoxNotices.h"
#include "desktop/PrintDialog.h"
#include "desktop/ProcessRunner.h"
#include "core/Settings.h"

namespace {

// Every test program starts with strict seams: a message box, file dialog,
// print dialog or outside program that a test did not expect ends the test
// program at once, naming it, instead of a modal window waiting for the
// test's timeout.
[[maybe_unused]] const bool strictSeams = [] {
    MessageBox::setStrict(true);
    FileDialog::setStrict(true);
    Launcher::setStrict(true);
    PrintDialog::setStrict(true);
    ProcessRunner::setStrict(true);
    MessageBoxNotices::install();
    return true;
}();

} // namespace

namespace TestSupport {

IsolatedSettings::IsolatedSettings(int edition)
{
    Q_ASSERT(m_dir.isValid());
    const QString user = m_dir.filePath(QStringLiteral("user"));
    const QString system = m_dir.filePath(QStringLiteral("system"));
    QDir().mkpath(user);
    QDir().mkpath(system);
    for (QSettings::Format format : { QSettings::NativeFormat, QSettings::IniFormat }) {
        QSettings::setPath(format, QSettings::UserScope, user);
        QSettings::setPath(format, QSettings::SystemScope, system);
    }
    setEdition(edition);
    // The user's state folder (the recovery files of new databases) too, so
    // that no test finds what another one left there.
    m_dataHome = qgetenv("XDG_DATA_HOME");
    m_hadDataHome = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("data"))));
}

IsolatedSettings::~IsolatedSettings()
{
    if (m_hadDataHome)
        qputenv("XDG_DATA_HOME", m_dataHome);
    else
        qunsetenv("XDG_DATA_HOME");
    // Leave nothing pointing at the folder that is about to go.
    const QString gone = QDir::temp().filePath(QStringLiteral("larkspan-settings-gone"));
    for (QSettings::Format format : { QSettings::NativeFormat, QSettings::IniFormat }) {
        QSettings::setPath(format, QSettings::UserScope, gone);
        QSettings::setPath(format, QSettings::SystemScope, gone);
    }
}

void IsolatedSettings::setEdition(int edition)
{
    ::setEdition(edition);
    Settings::applyIdentity();
}

QString runDir()
{
    return QStringLiteral(LARKSPAN_RUN_DIR);
}

QString testDataPath(const QString &relative)
{
    return QDir(QStringLiteral(LARKSPAN_TEST_DATA_DIR)).filePath(relative);
}

QString programPath()
{
    const QByteArray fromEnv = qgetenv("LARKSPAN_TEST_PROGRAM");
    if (!fromEnv.isEmpty())
        return QString::fromLocal8Bit(fromEnv);
    return QDir(runDir()).filePath(QStringLiteral("larkspan"));
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

bool copyFolder(const QString &folder, const QString &target)
{
    const QDir from(folder);
    if (!from.exists() || !QDir().mkpath(target))
        return false;
    const QDir to(target);
    for (const QFileInfo &entry : from.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
        const QString copy = to.filePath(entry.fileName());
        const bool copied = entry.isDir() ? copyFolder(entry.filePath(), copy) : QFile::copy(entry.filePath(), copy);
        if (!copied)
            return false;
    }
    return true;
}

RunFolderCopy::RunFolderCopy(const QStringList &parts)
    : m_previous(QDir::currentPath())
{
    if (!m_dir.isValid())
        return;
    const QDir run(runDir());
    for (const QString &part : parts) {
        const QFileInfo source(run.filePath(part));
        const QString target = QDir(m_dir.path()).filePath(part);
        const bool copied = source.isDir()
            ? copyFolder(source.filePath(), target)
            : QDir().mkpath(QFileInfo(target).absolutePath()) && QFile::copy(source.filePath(), target);
        if (!copied)
            return;
    }
    m_valid = QDir::setCurrent(m_dir.path());
}

RunFolderCopy::~RunFolderCopy()
{
    QDir::setCurrent(m_previous);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

} // namespace TestSupport
