#pragma once

#include <QSettings>

// The program's settings store: organization "Taldrum", the edition's plain
// name as application, and no fallbacks, so a key is read only from the
// current user's tree of the running edition. Create one where a value is
// read or written; nothing is cached.
class Settings : public QSettings
{
    Q_OBJECT
public:
    explicit Settings(QObject *parent = nullptr);

    // Gives the process its settings identity for the given edition.
    static void applyIdentity();
};
