#include "help/HelpTopics.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "core/Edition.h"
#include "desktop/ExternalViewers.h"
#include "desktop/Launcher.h"
#include "desktop/MessageBox.h"

namespace HelpTopics {

namespace {

const QString danish = QStringLiteral("dk");
const QString norwegian = QStringLiteral("no");

QString page(const char *pattern, const QString &language)
{
    return QString::fromLatin1(pattern).arg(language);
}

// The one box for a help file that is not there, worded as for pages.
void reportMissing(const QString &path)
{
    // Code 2 of the page opener: the file was not found.
    MessageBox::critical(nullptr, QCoreApplication::translate("ExternalViewers", "HTML fejl"),
        QStringLiteral("Could not display help (%1), error: %2").arg(path, htmlPageErrorText(2)), QMessageBox::Ok);
}

} // namespace

QString pageName(Topic topic, int edition, const QString &language)
{
    switch (topic) {
    case Contents:
        switch (edition) {
        case VistrelEdition:
            // The Danish contents came first and kept its name without a language.
            return language == danish ? QStringLiteral("Help.htm") : page("HelpVistrel.%1.htm", language);
        case NumivaxEdition:
            return page("HelpNumivax.%1.htm", language);
        default:
            return page("index.%1.htm", language);
        }
    case Tutorial:
        switch (edition) {
        case VistrelEdition:
            return page("GettingStarted.Vistrel.%1.htm", language);
        case NumivaxEdition:
            return page("GettingStarted.Numivax.%1.htm", language);
        case QuorvelEdition:
            return page("GettingStarted.Quorvel.%1.htm", language);
        default:
            return page("GettingStarted.%1.htm", language);
        }
    case ErrorHandling:
        return page("ErrorHandling.%1.htm", language);
    case Links:
        switch (edition) {
        case VistrelEdition:
            return page("Vistrellinks.%1.htm", language);
        case NumivaxEdition:
            return page("Numivaxlinks.%1.htm", language);
        default:
            return page("OstranaLinksAndReferences.%1.htm", language);
        }
    }
    return QString();
}

ReleaseNotes releaseNotes(int edition, const QString &language)
{
    switch (edition) {
    case OstranaEdition:
        if (language == danish || language == norwegian)
            return { true, page("releasenotes.Ostrana.%1.htm", language) };
        return { false, page("releasenotes.%1.txt", language) };
    case VistrelEdition:
        return { false, page("releasenotes.Vistrel.%1.txt", language) };
    case NumivaxEdition:
        if (language == danish)
            return { true, page("releasenotes.Numivax.%1.htm", language) };
        return { false, page("releasenotes.Numivax.%1.txt", language) };
    case QuorvelEdition:
        if (language == danish)
            return { true, page("releasenotes.Quorvel.%1.htm", language) };
        return { false, page("releasenotes.Quorvel.%1.txt", language) };
    default:
        return {};
    }
}

QString itemDialogPage(int edition, const QString &language)
{
    if (edition == OstranaEdition || edition == QuorvelEdition)
        return page("InventoryDialog.%1.htm", language);
    if (edition == VistrelEdition)
        return page("VistrelDialog.%1.htm", language);
    if (edition == NumivaxEdition)
        return page("NumivaxDialog.%1.htm", language);
    return QString();
}

QString printSetupPage(int edition, const QString &language)
{
    if (edition == NumivaxEdition)
        return page("printSetupNumivax.%1.htm", language);
    return page("printSetupDialog.%1.htm", language);
}

QString listSetupPage(int edition, const QString &language, int listKind)
{
    // One page per list for every edition: the lists work alike everywhere.
    // The first Danish pages kept their names without a language.
    Q_UNUSED(edition);
    const bool dk = language == danish;
    switch (listKind) {
    case 1:
        return dk ? QStringLiteral("SetupOstranaTyperDialog.htm") : page("SetupOstranaTyperDialog.%1.htm", language);
    case 2:
        return dk ? QStringLiteral("SetupLokalerDialog.htm") : page("SetupLokalerDialog.%1.htm", language);
    case 3:
        return page("SetupSupplierDialog.%1.htm", language);
    default:
        return QString();
    }
}

QString commonSetupPage(int edition, const QString &language)
{
    if (edition == NumivaxEdition)
        return page("CommonSetupDialog.Numivax.%1.htm", language);
    return page("CommonSetupDialog.%1.htm", language);
}

QString labelPrinterPage(int edition, const QString &language)
{
    if (edition != QuorvelEdition)
        return QString();
    return page("LabelPrinterDialog.%1.htm", language);
}

QString valueReportPage(int edition, const QString &language)
{
    // The report and the statistics count alike in every edition; the
    // pages name each edition's fields.
    Q_UNUSED(edition);
    return page("ValueReport.%1.htm", language);
}

QString statisticsPage(int edition, const QString &language)
{
    Q_UNUSED(edition);
    return page("Statistics.%1.htm", language);
}

QString labelSheetPage(int edition, const QString &language)
{
    // The label sheets work alike in every edition.
    Q_UNUSED(edition);
    return page("LabelSheetDialog.%1.htm", language);
}

QStringList pagesUsed(int edition, const QString &language)
{
    QStringList pages;
    for (Topic topic : { Contents, Tutorial, ErrorHandling, Links })
        pages.append(pageName(topic, edition, language));
    pages.append(releaseNotes(edition, language).name);
    pages.append(itemDialogPage(edition, language));
    pages.append(printSetupPage(edition, language));
    for (int kind = 1; kind <= 3; ++kind)
        pages.append(listSetupPage(edition, language, kind));
    pages.append(commonSetupPage(edition, language));
    pages.append(labelSheetPage(edition, language));
    if (edition == QuorvelEdition)
        pages.append(labelPrinterPage(edition, language));
    pages.append(valueReportPage(edition, language));
    pages.append(statisticsPage(edition, language));
    pages.removeDuplicates();
    return pages;
}

QString helpFilePath(const QString &name)
{
    return QDir::currentPath() + QStringLiteral("/help/") + name;
}

bool open(Topic topic)
{
    return openHtmlPage(pageName(topic, edition(), currentLanguage()), QString(), false);
}

bool openReleaseNotes(QWidget *parent)
{
    const ReleaseNotes notes = releaseNotes(edition(), currentLanguage());
    if (notes.html)
        return openHtmlPage(notes.name, QString(), false);

    // One separator throughout: a "\" inside a path is part of a file name here.
    const QString path = helpFilePath(notes.name);
    if (!QFileInfo(path).isFile()) {
        reportMissing(path);
        return false;
    }
    if (Launcher::openUrl(QUrl::fromLocalFile(path)))
        return true;
    MessageBox::showCustom(MessageBox::Critical, parent, QCoreApplication::translate("HelpTopics", "Fejl"),
        QCoreApplication::translate("HelpTopics", "NOTEPAD_NOT_FOUND"),
        QStringList { QCoreApplication::translate("HelpTopics", "Ok") });
    return false;
}

} // namespace HelpTopics
