#pragma once

#include <QString>
#include <QStringList>

class QTranslator;
class QWidget;

// Starts the program: decides the edition from the program's own path, gives
// the process its settings identity, installs the translators, builds the main
// window, restores its geometry and runs the event loop. Returns the process's
// exit status: 0 when the event loop ends, 1 when the path names no edition.
int runLarkspan(int argc, char **argv);

// The steps of start-up that stand on their own.
namespace Startup {

// Loads the program's catalogue "larkspan_<language>" from folder with the
// toolkit's standard look-up and installs the translator whether or not it
// loaded (a missing catalogue is not reported). Returns true when it loaded.
bool installProgramTranslator(
    QTranslator *translator, const QString &language, const QString &folder = QStringLiteral("."));

// Unless the language is "en": loads the toolkit's catalogue "qt_<language>"
// from folder; when it cannot be loaded the "Error loding" box (parent
// window) names it; the translator is installed either way. For "en" nothing
// is looked for or installed. Returns false only when the box was shown.
bool installToolkitTranslator(
    QTranslator *translator, const QString &language, QWidget *window, const QString &folder = QStringLiteral("."));

// The database file named on the command line (the application's
// arguments, the program first), or "" when none is: the first argument that
// is not an option (an option starts with "-"; after "--" every argument is a
// file name). A relative name is taken from startFolder, the folder the
// program was started in; the result is an absolute path.
QString databaseArgument(const QStringList &arguments, const QString &startFolder);

// The folder that relative file names on the command line are taken from:
// the one the launcher was started in (it changes to the user's working
// folder, and names the folder it came from in LARKSPAN_START_FOLDER), or the
// current folder.
QString startFolder();

// Resizes and moves the window to the stored geometry ("geometri/..."),
// 800 by 600 at (0, 0) when nothing is stored.
void restoreWindowGeometry(QWidget *window);

} // namespace Startup
