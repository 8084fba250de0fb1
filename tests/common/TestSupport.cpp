#include "TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "app/Edition.h"
#include "app/Settings.h"

namespace TestSupport {

IsolatedSettings::IsolatedSettings(int edition)
{
    Q_ASSERT(m_dir.isValid());
    const QString user = m_dir.filePath(QStringLiteral("user"));
    const QString system = m_dir.filePath(QStringLiteral("system"));
    QDir().mkpath(user);
    QDir().mkpath(system);
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, user);
        QSettings::setPath(format, QSettings::SystemScope, system);
    }
    setEdition(edition);
}

IsolatedSettings::~IsolatedSettings()
{
    // Leave nothing pointing at the folder that is about to go.
    const QString gone = QDir::temp().filePath(QStringLiteral("larkspan-settings-gone"));
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
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

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

} // namespace TestSupport
