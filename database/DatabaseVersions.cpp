#include "database/DatabaseVersions.h"

#include "core/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cstring>
#include <vector>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#endif

namespace {

const QString timeFormat = QStringLiteral("yyyy-MM-dd HH.mm.ss");

QSet<QString> &heldVersions()
{
    static QSet<QString> held;
    return held;
}

QString heldKey(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}

// Removes a version. Its blocks are freed when the last name of the file
// goes, which takes tens of milliseconds for a register of a million items:
// held open over the removal, the file is freed when it is closed, on a
// thread of its own, as a save does with the file it replaces.
void removeVersionFile(const QString &path)
{
#ifdef Q_OS_UNIX
    const int file = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    QFile::remove(path);
    if (file >= 0) {
        try {
            std::thread([file] { ::close(file); }).detach();
        } catch (const std::system_error &) {
            ::close(file);
        }
    }
#else
    QFile::remove(path);
#endif
}

} // namespace

int DatabaseVersions::keepSetting()
{
    bool ok = false;
    const int keep = Settings().value(keepKey(), defaultKeep).toInt(&ok);
    return ok ? std::clamp(keep, 0, maximumKeep) : defaultKeep;
}

DatabaseVersions::DatabaseVersions(const QString &databasePath)
    : m_databasePath(databasePath)
{ }

QString DatabaseVersions::folder() const
{
    return QFileInfo(m_databasePath).absoluteDir().filePath(QStringLiteral("versions"));
}

QString DatabaseVersions::preparedVersionPath(const QDateTime &when) const
{
    return QDir().mkpath(folder()) ? newVersionPath(when) : QString();
}

QString DatabaseVersions::newVersionPath(const QDateTime &when) const
{
    const QFileInfo database(m_databasePath);
    const QString suffix = database.suffix().isEmpty() ? QString() : QLatin1Char('.') + database.suffix();
    const QString stem = database.completeBaseName() + QLatin1Char(' ') + when.toString(timeFormat);
    const QDir versions(folder());
    // Versions of the same second count on from the highest number there,
    // never filling a gap that a removed one left: a higher number is a
    // newer version.
    int highest = QFileInfo::exists(versions.filePath(stem + suffix)) ? 1 : 0;
    const QStringList names = versions.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        int number = 0;
        if (name.startsWith(stem) && isVersionName(name, nullptr, &number))
            highest = std::max(highest, number);
    }
    for (int n = highest + 1;; ++n) {
        const QString name = n == 1 ? stem + suffix : stem + QStringLiteral(" (%1)").arg(n) + suffix;
        if (!QFileInfo::exists(versions.filePath(name)))
            return versions.filePath(name);
    }
}

bool DatabaseVersions::isVersionName(const QString &fileName, QDateTime *when, int *number) const
{
    const QFileInfo database(m_databasePath);
    const QString suffix = database.suffix().isEmpty() ? QString() : QLatin1Char('.') + database.suffix();
    static const QString stamp = QStringLiteral("(\\d{4}-\\d{2}-\\d{2} \\d{2}\\.\\d{2}\\.\\d{2})(?: \\((\\d+)\\))?");
    const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QRegularExpression::escape(database.completeBaseName()) + QLatin1Char(' ')
            + stamp + QRegularExpression::escape(suffix)));
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch())
        return false;
    const QDateTime made = QDateTime::fromString(match.captured(1), timeFormat);
    if (!made.isValid())
        return false;
    if (when)
        *when = made;
    if (number)
        *number = match.hasCaptured(2) ? match.captured(2).toInt() : 1;
    return true;
}

QList<DatabaseVersions::Version> DatabaseVersions::versions() const
{
    QList<Version> found;
    const QDir dir(folder());
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        Version version;
        if (isVersionName(name, &version.made, &version.number)) {
            version.path = dir.filePath(name);
            found.append(version);
        }
    }
    std::sort(found.begin(), found.end(), [](const Version &a, const Version &b) {
        if (a.made != b.made)
            return a.made > b.made;
        return a.number > b.number;
    });
    return found;
}

void DatabaseVersions::removeBeyond(int keep) const
{
    const QList<Version> all = versions();
    for (qsizetype i = std::max(keep, 0); i < all.size(); ++i) {
        if (!heldVersions().contains(heldKey(all.at(i).path)))
            removeVersionFile(all.at(i).path);
    }
}

void DatabaseVersions::hold(const QString &versionPath)
{
    heldVersions().insert(heldKey(versionPath));
}

void DatabaseVersions::release(const QString &versionPath)
{
    heldVersions().remove(heldKey(versionPath));
}

qint64 DatabaseVersions::countDataLines(const QString &path, const std::atomic<bool> *stop)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return -1;
    constexpr qint64 chunk = qint64(1) << 22;
    std::vector<char> buffer(std::size_t(chunk), '\0');
    qint64 lines = 0;
    // Whether the next byte read starts a line.
    bool lineStart = true;
    for (;;) {
        if (stop && stop->load(std::memory_order_relaxed))
            return -1;
        const qint64 got = file.read(buffer.data(), chunk);
        if (got < 0)
            return -1;
        if (got == 0)
            return lines;
        const char *p = buffer.data();
        const char *const end = p + got;
        while (p < end) {
            if (lineStart) {
                lineStart = false;
                if (*p != '#' && *p != '\r' && *p != '\n')
                    ++lines;
            }
            const void *lineEnd = std::memchr(p, '\n', std::size_t(end - p));
            if (!lineEnd)
                break;
            p = static_cast<const char *>(lineEnd) + 1;
            lineStart = true;
        }
    }
}
