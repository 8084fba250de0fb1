#include "core/Edition.h"

#include "core/Settings.h"

namespace {
int g_edition = NoEdition;
int g_databaseFormatLevel = 0;
}

void setEdition(int edition)
{
    g_edition = edition;
}

int edition()
{
    return g_edition;
}

bool isOstrana()
{
    return g_edition == OstranaEdition;
}

bool isVistrel()
{
    return g_edition == VistrelEdition;
}

bool isNumivax()
{
    return g_edition == NumivaxEdition;
}

bool isQuorvel()
{
    return g_edition == QuorvelEdition;
}

QString editionName(bool framed)
{
    QString name;
    switch (g_edition) {
    case OstranaEdition:
        name = QStringLiteral("Ostrana");
        break;
    case VistrelEdition:
        name = QStringLiteral("Vistrel");
        break;
    case NumivaxEdition:
        name = QStringLiteral("Numivax");
        break;
    case QuorvelEdition:
        name = QStringLiteral("Quorvel");
        break;
    default:
        break;
    }
    return framed ? QLatin1Char('/') + name + QLatin1Char('/') : name;
}

int editionFromProgramPath(const QString &programPath)
{
    static const struct
    {
        const char *name;
        int edition;
    } order[] = {
        { "ostrana", OstranaEdition },
        { "Quorvel", QuorvelEdition },
        { "Vistrel", VistrelEdition },
        { "Numivax", NumivaxEdition },
        { "Larkspan", OstranaEdition },
    };
    for (const auto &candidate : order) {
        if (programPath.contains(QLatin1String(candidate.name), Qt::CaseInsensitive))
            return candidate.edition;
    }
    return NoEdition;
}

QString demoFolder(int edition)
{
    switch (edition) {
    case OstranaEdition:
        return QStringLiteral("db/DemoDBStd/");
    case VistrelEdition:
        return QStringLiteral("db/DemoDBCinvaro/");
    case NumivaxEdition:
        return QStringLiteral("db/DemoDBNumivax/");
    case QuorvelEdition:
        return QStringLiteral("db/DemoQuorvel/");
    default:
        return QString();
    }
}

QString currentLanguage()
{
    Settings settings;
    const QString language = settings.value(QStringLiteral("Language"), QStringLiteral("dk")).toString();
    if (language == QLatin1String("no") || language == QLatin1String("en"))
        return language;
    return QStringLiteral("dk");
}

QString lastDbDir()
{
    Settings settings;
    return settings.value(QStringLiteral("LastDBDir"), demoFolder(g_edition)).toString();
}

int databaseFormatLevel()
{
    return g_databaseFormatLevel;
}

void setDatabaseFormatLevel(int level)
{
    g_databaseFormatLevel = level;
}
