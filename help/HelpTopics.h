#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The help pages and release notes of each edition and language, and the help
// commands that open them. Pages live in the folder "help" below the working
// directory and are opened by the desktop's browser through openHtmlPage;
// text release notes go to the desktop's text viewer through Launcher.
//
// The page tables take the edition and language as arguments, so that every
// combination can be asked about without changing the running edition; the
// commands use the running edition and the current language.
namespace HelpTopics {

enum Topic {
    Contents, // Help()
    Tutorial, // HelpTutorial()
    ErrorHandling, // HelpErrorHandling()
    Links, // HelpLinks()
};

// The page a help command opens, e.g. "index.dk.htm" for Contents in Ostrana.
// The Help menu offers every command in every edition and language.
QString pageName(Topic topic, int edition, const QString &language);

struct ReleaseNotes
{
    bool html = false; // an HTML page shown in the browser; else a text file
    QString name; // file name in the help folder
};
ReleaseNotes releaseNotes(int edition, const QString &language);

// The help pages of the dialogs' help buttons, which every edition offers in
// every language. listKind is 1 (groups), 2 (locations) or 3 (suppliers); ""
// for any other kind.
QString itemDialogPage(int edition, const QString &language);
QString printSetupPage(int edition, const QString &language);
QString listSetupPage(int edition, const QString &language, int listKind);
QString commonSetupPage(int edition, const QString &language);
QString labelSheetPage(int edition, const QString &language);
// The label printer's setup, which only the inventory edition has: "" for
// the others.
QString labelPrinterPage(int edition, const QString &language);
QString valueReportPage(int edition, const QString &language);
QString statisticsPage(int edition, const QString &language);

// Every file name in the help folder that some command or help button of that
// edition opens in that language: what an installation must hold.
QStringList pagesUsed(int edition, const QString &language);

// The help commands, for the running edition and the current language.
// Each returns true when the page was handed to the desktop; failures are
// reported to the user with a box.
bool open(Topic topic);
// HTML release notes go to the browser, text release notes to the text
// viewer; a viewer that cannot be started gives the "NOTEPAD_NOT_FOUND" box
// (parent: the window asking).
bool openReleaseNotes(QWidget *parent);

// The full path of a file in the help folder below the working directory.
QString helpFilePath(const QString &name);

} // namespace HelpTopics
