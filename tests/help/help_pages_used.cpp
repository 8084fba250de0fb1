// Prints every help file that some command or help button of the program can
// open, one line per edition and language: "EDITION LANGUAGE FILE". The
// help_links check reads it to find pages that the help folder lacks.

#include <cstdio>

#include "core/Edition.h"
#include "help/HelpTopics.h"

int main()
{
    for (int edition : { OstranaEdition, VistrelEdition, NumivaxEdition, QuorvelEdition }) {
        for (const char *language : { "dk", "no", "en" }) {
            for (const QString &page : HelpTopics::pagesUsed(edition, QString::fromLatin1(language)))
                std::printf("%d %s %s\n", edition, language, page.toUtf8().constData());
        }
    }
    return 0;
}
