#include "database/DatabaseIdentity.h"

#include <QDateTime>
#include <QFileInfo>

DatabaseIdentity DatabaseIdentity::of(const QString &path)
{
    DatabaseIdentity identity;
    if (path.isEmpty())
        return identity;
    QFileInfo info(path);
    info.setCaching(false);
    if (!info.isFile())
        return identity;
    identity.size = info.size();
    identity.modified = info.lastModified().toMSecsSinceEpoch();
    return identity;
}
