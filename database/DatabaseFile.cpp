#include "database/DatabaseFile.h"

#include "database/DBItemCollection.h"

bool DatabaseFile::load(DBItemCollection &collection, const QString &path)
{
    Q_UNUSED(collection);
    Q_UNUSED(path);
    return false;
}

bool DatabaseFile::save(DBItemCollection &collection, const QString &path)
{
    Q_UNUSED(collection);
    Q_UNUSED(path);
    return false;
}
