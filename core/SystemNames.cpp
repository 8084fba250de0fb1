#include "core/SystemNames.h"

#include <QSysInfo>

#if defined(Q_OS_WIN)
#include <qt_windows.h>
#include <lmcons.h>
#else
#include <cerrno>
#include <pwd.h>
#include <unistd.h>
#include <vector>
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
    // getpwuid_r: collections on different threads may take their locks at
    // once, and getpwuid's answer lives in one buffer shared by all callers.
    long bufferSize = sysconf(_SC_GETPW_R_SIZE_MAX);
    if (bufferSize <= 0)
        bufferSize = 16384;
    std::vector<char> buffer(std::size_t(bufferSize), '\0');
    passwd record {};
    passwd *entry = nullptr;
    int error = 0;
    while ((error = getpwuid_r(geteuid(), &record, buffer.data(), buffer.size(), &entry)) == ERANGE
        && buffer.size() < (std::size_t(1) << 20))
        buffer.resize(buffer.size() * 2);
    if (error == 0 && entry && entry->pw_name && *entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    QString fromEnvironment = qEnvironmentVariable("USER");
    if (fromEnvironment.isEmpty())
        fromEnvironment = qEnvironmentVariable("LOGNAME");
#endif
    return fromEnvironment.isEmpty() ? notFound() : fromEnvironment;
}

} // namespace SystemNames
