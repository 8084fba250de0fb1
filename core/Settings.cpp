#include "core/Settings.h"

#include <QCoreApplication>

#include "core/Edition.h"

Settings::Settings(QObject *parent)
    : QSettings(parent)
{
    setFallbacksEnabled(false);
}

void Settings::applyIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Taldrum"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("taldrum.dk"));
    QCoreApplication::setApplicationName(editionName(false));
}
