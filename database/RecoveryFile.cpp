#include "database/RecoveryFile.h"

#include "core/Edition.h"
#include "database/SaveTarget.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

#include <utility>

namespace {

const QByteArray magic = QByteArrayLiteral("LARKSPAN RECOVERY 1");
// A header line is short; a file whose header runs past this is not one.
constexpr qsizetype headerLimit = 64 * 1024;

QString absoluteDatabase(const QString &database)
{
    return database.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(database).absoluteFilePath());
}

QByteArray checksumOf(const QList<QByteArray> &body)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QByteArray &block : body)
        hash.addData(block);
    return hash.result().toHex();
}

bool writeAll(QIODevice &device, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const qint64 written = device.write(data, left);
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

// Reads "key value" from the header's line; false when the key is not there.
bool valueOf(const QList<QByteArray> &lines, int index, const QByteArray &key, QByteArray &value)
{
    if (index >= lines.size() || (!lines[index].startsWith(key + ' ') && lines[index] != key))
        return false;
    value = lines[index].mid(key.size() + 1);
    return true;
}

bool numberOf(const QList<QByteArray> &lines, int index, const QByteArray &key, qint64 &number)
{
    QByteArray value;
    bool ok = false;
    if (valueOf(lines, index, key, value))
        number = value.toLongLong(&ok);
    return ok;
}

} // namespace

QString RecoveryFile::besidePath(const QString &database)
{
    if (database.isEmpty())
        return QString();
    return absoluteDatabase(database) + QStringLiteral(".recovery");
}

QString RecoveryFile::statePath(const QString &database)
{
    const QString folder
        = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/recovery/");
    if (database.isEmpty())
        return folder + QStringLiteral("new database.recovery");
    // The name tells the user which database it is for; the hash of the
    // whole path keeps two databases of one name apart.
    const QString absolute = absoluteDatabase(database);
    const QByteArray hash = QCryptographicHash::hash(absolute.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    return folder + QFileInfo(absolute).fileName() + QLatin1Char('-') + QString::fromLatin1(hash)
        + QStringLiteral(".recovery");
}

QByteArray RecoveryFile::headerBytes(const Header &header, qsizetype bodySize, const QByteArray &checksum)
{
    QByteArray bytes = magic + '\n';
    bytes += "edition " + header.edition.toUtf8() + '\n';
    bytes += "database " + QUrl::toPercentEncoding(header.database) + '\n';
    bytes += "size " + QByteArray::number(header.identity.size) + '\n';
    bytes += "modified " + QByteArray::number(header.identity.modified) + '\n';
    bytes += "steps " + QByteArray::number(header.steps) + '\n';
    bytes += "last-change " + QByteArray::number(header.lastChange) + '\n';
    bytes += "body " + QByteArray::number(bodySize) + ' ' + checksum + '\n';
    bytes += '\n';
    return bytes;
}

bool RecoveryFile::write(
    const QString &path, const Header &header, const QList<QByteArray> &body, QString *error, bool *notCreated)
{
    if (notCreated)
        *notCreated = false;
    qsizetype bodySize = 0;
    for (const QByteArray &block : body)
        bodySize += block.size();
    const QByteArray head = headerBytes(header, bodySize, checksumOf(body));

    QDir().mkpath(QFileInfo(path).absolutePath());
    SaveTarget target(path);
    if (!target.open(QIODevice::WriteOnly)) {
        if (notCreated)
            *notCreated = true;
        if (error)
            *error = target.errorString();
        return false;
    }
    bool written = writeAll(target.device(), head);
    for (qsizetype i = 0; written && i < body.size(); ++i)
        written = writeAll(target.device(), body[i]);
    if (!written) {
        if (error)
            *error = target.writeFailure(tr("Filen kunne ikke skrives."));
        target.cancel();
        return false;
    }
    if (!target.commit()) {
        if (error)
            *error = target.errorString();
        return false;
    }
    return true;
}

RecoveryFile::Contents RecoveryFile::read(
    const QString &path, const QString &database, const DatabaseIdentity &identity)
{
    Contents contents;
    QFile file(path);
    if (!file.exists())
        return contents;
    contents.status = Refused;
    if (!file.open(QIODevice::ReadOnly)) {
        contents.reason = tr("den kan ikke læses (%1)").arg(file.errorString());
        return contents;
    }
    const QByteArray bytes = file.readAll();
    const qsizetype headerEnd = bytes.left(headerLimit).indexOf("\n\n");
    const QList<QByteArray> lines = headerEnd < 0 ? QList<QByteArray>() : bytes.left(headerEnd).split('\n');
    const QString damaged = tr("den er beskadiget");
    if (lines.isEmpty() || lines[0] != magic) {
        contents.reason = damaged;
        return contents;
    }
    Header &header = contents.header;
    QByteArray edition;
    QByteArray databasePath;
    QByteArray body;
    qint64 steps = 0;
    if (!valueOf(lines, 1, "edition", edition) || !valueOf(lines, 2, "database", databasePath)
        || !numberOf(lines, 3, "size", header.identity.size)
        || !numberOf(lines, 4, "modified", header.identity.modified) || !numberOf(lines, 5, "steps", steps)
        || !numberOf(lines, 6, "last-change", header.lastChange) || !valueOf(lines, 7, "body", body)
        || lines.size() != 8) {
        contents.reason = damaged;
        return contents;
    }
    header.edition = QString::fromUtf8(edition);
    header.database = QUrl::fromPercentEncoding(databasePath);
    header.steps = int(steps);
    const QList<QByteArray> bodyFields = body.split(' ');
    bool sized = false;
    const qint64 bodySize = bodyFields.value(0).toLongLong(&sized);
    contents.body = bytes.mid(headerEnd + 2);
    if (!sized || bodyFields.size() != 2 || bodySize != contents.body.size()
        || checksumOf({ contents.body }) != bodyFields[1]) {
        contents.body.clear();
        contents.reason = tr("den er beskadiget (kontrolsummen passer ikke)");
        return contents;
    }

    if (header.edition != editionName(false)) {
        contents.reason = tr("den hører til programmet %1").arg(header.edition);
        return contents;
    }
    if (header.database != absoluteDatabase(database)) {
        contents.reason = header.database.isEmpty()
            ? tr("den hører til en ny database")
            : tr("den hører til en anden database (%1)").arg(QDir::toNativeSeparators(header.database));
        return contents;
    }
    if (!(header.identity == identity)) {
        contents.reason = tr("databasefilen er ændret, siden ændringerne blev gjort");
        return contents;
    }
    contents.status = Usable;
    return contents;
}

QString RecoveryFile::moveAside(const QString &path)
{
    for (int number = 1; number < 100; ++number) {
        const QString aside
            = path + (number == 1 ? QStringLiteral(".refused") : QStringLiteral(".refused-%1").arg(number));
        if (QFileInfo::exists(aside))
            continue;
        return QFile::rename(path, aside) ? aside : QString();
    }
    return QString();
}
