#include "database/DatabaseVersions.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QString timeFormat = QStringLiteral("yyyy-MM-dd HH.mm.ss");

} // namespace

DatabaseVersions::DatabaseVersions(const QString &databasePath)
    : m_databasePath(databasePath)
{ }

QString DatabaseVersions::folder() const
{
    return QFileInfo(m_databasePath).absoluteDir().filePath(QStringLiteral("versions"));
}

QString DatabaseVersions::newVersionPath(const QDateTime &when) const
{
    const QFileInfo database(m_databasePath);
    const QString suffix = database.suffix().isEmpty() ? QString() : QLatin1Char('.') + database.suffix();
    const QString stem = database.completeBaseName() + QLatin1Char(' ') + when.toString(timeFormat);
    const QDir versions(folder());
    QString name = stem + suffix;
    for (int n = 2; QFileInfo::exists(versions.filePath(name)); ++n)
        name = stem + QStringLiteral(" (%1)").arg(n) + suffix;
    return versions.filePath(name);
}

bool DatabaseVersions::isVersionName(const QString &fileName, QDateTime *when) const
{
    const QFileInfo database(m_databasePath);
    const QString suffix = database.suffix().isEmpty() ? QString() : QLatin1Char('.') + database.suffix();
    static const QString stamp = QStringLiteral("(\\d{4}-\\d{2}-\\d{2} \\d{2}\\.\\d{2}\\.\\d{2})(?: \\(\\d+\\))?");
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
    return true;
}
