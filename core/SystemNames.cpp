#include "core/SystemNames.h"

#include <QSysInfo>

#if defined(Q_OS_WIN)
#include <qt_windows.h>
#include <lmcons.h>
#else
#include <pwd.h>
#include <unistd.h>
#endif

namespace SystemNames {

namespace {

QString notFound()
{
    return QStringLiteral("UserName not found");
}

} // namespace

QString computerName()
{
    const QString name = QSysInfo::machineHostName();
    return name.isEmpty() ? notFound() : name;
}

QString userName()
{
#if defined(Q_OS_WIN)
    wchar_t buffer[UNLEN + 1];
    DWORD size = UNLEN + 1;
    if (GetUserNameW(buffer, &size) && size > 1)
        return QString::fromWCharArray(buffer, int(size) - 1);
    const QString fromEnvironment = qEnvironmentVariable("USERNAME");
#else
    // The password database knows the account even where the environment
    // has been emptied (services, cron); the environment covers the rest.
    if (const passwd *entry = getpwuid(geteuid()); entry && entry->pw_name && *entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    QString fromEnvironment = qEnvironmentVariable("USER");
    if (fromEnvironment.isEmpty())
        fromEnvironment = qEnvironmentVariable("LOGNAME");
#endif
    return fromEnvironment.isEmpty() ? notFound() : fromEnvironment;
}

} // namespace SystemNames
