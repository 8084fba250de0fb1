#include "database/ReplacedVersion.h"

#include "core/Notices.h"
#include "database/DatabaseVersions.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cerrno>

#if defined(Q_OS_WIN)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#elif defined(Q_OS_UNIX)
#include <cstdio>
#include <unistd.h>
#endif

namespace {

ReplacedVersion::Operation &linkSeam()
{
    static ReplacedVersion::Operation link;
    return link;
}

ReplacedVersion::Operation &renameSeam()
{
    static ReplacedVersion::Operation rename;
    return rename;
}

std::function<void()> &afterKeepHook()
{
    static std::function<void()> hook;
    return hook;
}

// The databases whose user has been told this run that no version is made.
QSet<QString> &toldDatabases()
{
    static QSet<QString> told;
    return told;
}

QString noVersionReason()
{
    return QCoreApplication::translate("ReplacedVersion", "Filen kunne ikke få et navn i mappen med versioner.");
}

#if defined(Q_OS_WIN)
std::wstring nativeName(const QString &path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

QString systemReason()
{
    return qt_error_string(int(::GetLastError()));
}
#elif defined(Q_OS_UNIX)
QString systemReason()
{
    return qt_error_string(errno);
}
#endif

// Gives the file from the second name to, without copying it.
bool makeLink(const QString &from, const QString &to, QString &reason)
{
    if (linkSeam()) {
        if (linkSeam()(from, to))
            return true;
        reason = noVersionReason();
        return false;
    }
#if defined(Q_OS_WIN)
    if (::CreateHardLinkW(nativeName(to).c_str(), nativeName(from).c_str(), nullptr))
        return true;
    reason = systemReason();
    return false;
#elif defined(Q_OS_UNIX)
    if (::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    reason = systemReason();
    return false;
#else
    Q_UNUSED(from);
    Q_UNUSED(to);
    reason = noVersionReason();
    return false;
#endif
}

// Moves the file within its file system, never by a copy.
bool moveFile(const QString &from, const QString &to, QString &reason)
{
    if (renameSeam()) {
        if (renameSeam()(from, to))
            return true;
        reason = noVersionReason();
        return false;
    }
#if defined(Q_OS_WIN)
    if (::MoveFileExW(nativeName(from).c_str(), nativeName(to).c_str(), MOVEFILE_WRITE_THROUGH))
        return true;
#elif defined(Q_OS_UNIX)
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
#else
    Q_UNUSED(from);
    Q_UNUSED(to);
#endif
    reason = systemReason();
    return false;
}

// Whether anything, even a dangling link, has the name.
bool nameTaken(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

} // namespace

ReplacedVersion::ReplacedVersion(const QString &databasePath, int keep)
    : m_databasePath(databasePath)
    , m_keep(keep)
{ }

void ReplacedVersion::keep()
{
    if (m_keep <= 0)
        return;
    const QFileInfo database(m_databasePath);
    // A save under a new name replaces nothing.
    if (!database.isFile())
        return;
    m_filePath = database.canonicalFilePath();
    const DatabaseVersions versions(m_databasePath);
    const QString version = versions.preparedVersionPath(QDateTime::currentDateTime());
    if (version.isEmpty()) {
        m_failure = tr("Mappen kunne ikke oprettes.");
        return;
    }
    QString reason;
    if (makeLink(m_filePath, version, reason)) {
        m_method = Linked;
    } else {
        // Whatever a failed link left there is no version of the file.
        if (nameTaken(version))
            QFile::remove(version);
        QString moveReason;
        if (!moveFile(m_filePath, version, moveReason)) {
            m_failure = reason;
            return;
        }
        m_method = Moved;
    }
    m_versionPath = version;
    if (afterKeepHook())
        afterKeepHook()();
}

void ReplacedVersion::committed()
{
    if (!m_failure.isEmpty())
        tellOnce(m_failure);
    if (m_keep >= 0)
        DatabaseVersions(m_databasePath).removeBeyond(m_keep);
}

void ReplacedVersion::commitFailed()
{
    if (m_method == Linked) {
        QFile::remove(m_versionPath);
    } else if (m_method == Moved) {
        QString reason;
        if (!moveFile(m_versionPath, m_filePath, reason)) {
            // The old file is whole, under the version's name: the user needs
            // to know where it is.
            Notices::critical(tr("Databasefilen er flyttet"),
                tr("Den hidtidige databasefil kunne ikke flyttes tilbage til %1:\n%2\n\nDen ligger nu i %3.")
                    .arg(QDir::toNativeSeparators(m_filePath), reason, QDir::toNativeSeparators(m_versionPath)));
            return;
        }
    }
    m_versionPath.clear();
    m_method = None;
}

void ReplacedVersion::tellOnce(const QString &reason) const
{
    const QString key = QFileInfo(m_databasePath).absoluteFilePath();
    if (toldDatabases().contains(key))
        return;
    toldDatabases().insert(key);
    Notices::warning(tr("Ingen tidligere version gemt"),
        tr("Databasen er gemt, men den fil, den erstattede, kunne ikke gemmes som tidligere version i %1:\n%2\n\n"
           "Databasen gemmes fortsat som hidtil, men uden tidligere versioner. Det nævnes kun denne ene gang, "
           "til programmet startes igen.")
            .arg(QDir::toNativeSeparators(DatabaseVersions(m_databasePath).folder()), reason));
}

void ReplacedVersion::setLinkOperation(Operation link)
{
    linkSeam() = std::move(link);
}

void ReplacedVersion::setRenameOperation(Operation rename)
{
    renameSeam() = std::move(rename);
}

void ReplacedVersion::setAfterKeep(std::function<void()> hook)
{
    afterKeepHook() = std::move(hook);
}
