#pragma once

#include <QString>

// The process-wide edition of the running program, and the small services
// that the rest of the program asks about the edition, the language and the
// database folder. The edition is decided once at start-up from the program's
// own path and never changes afterwards.

enum EditionNumber {
    NoEdition = 0,
    OstranaEdition = 1,
    VistrelEdition = 2,
    NumivaxEdition = 3,
    QuorvelEdition = 5,
};

void setEdition(int edition);
int edition();

bool isOstrana();
bool isVistrel();
bool isNumivax();
bool isQuorvel();

// "Ostrana", or with framed true "/Ostrana/".
QString editionName(bool framed = false);

// The edition that a program path selects: the first of "ostrana", "Quorvel",
// "Vistrel", "Numivax" and "Larkspan" that occurs anywhere in the path,
// ignoring case; NoEdition when none does.
int editionFromProgramPath(const QString &programPath);

// The demo database folder of an edition ("db/DemoDBStd/" for Ostrana).
QString demoFolder(int edition);

// "dk", "no" or "en", read from the settings on every call; unknown values are "dk".
QString currentLanguage();

// The folder of the last opened database, read from the settings on every
// call; the edition's demo folder when nothing is stored.
QString lastDbDir();

// Level of the last database header read (100, 240, 241, 253, 254, 255); 0 at start.
int databaseFormatLevel();
void setDatabaseFormatLevel(int level);
