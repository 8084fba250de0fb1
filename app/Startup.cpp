#include "app/Startup.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QPointer>
#include <QTranslator>
#include <QWidget>

#include <memory>

#include "core/Edition.h"
#include "core/PrintSettings.h"
#include "desktop/MessageBox.h"
#include "desktop/MessageBoxNotices.h"
#include "core/Settings.h"
#include "app/TerminationSignals.h"
#include "mainwindow/larkspanwindow.h"
#include "recovery/CrashRecovery.h"

namespace Startup {

bool installProgramTranslator(QTranslator *translator, const QString &language, const QString &folder)
{
    const bool loaded = translator->load(QStringLiteral("larkspan_") + language, folder);
    QCoreApplication::installTranslator(translator);
    return loaded;
}

bool installToolkitTranslator(QTranslator *translator, const QString &language, QWidget *window, const QString &folder)
{
    if (language == QLatin1String("en"))
        return true;
    const QString catalogue = QStringLiteral("qt_") + language;
    const bool loaded = translator->load(catalogue, folder);
    if (!loaded)
        MessageBox::critical(window, QStringLiteral("Error loding"), catalogue, QMessageBox::Ok);
    QCoreApplication::installTranslator(translator);
    return loaded;
}

QString databaseArgument(const QStringList &arguments, const QString &startFolder)
{
    bool options = true;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (options && argument == QLatin1String("--")) {
            options = false;
            continue;
        }
        if (argument.isEmpty() || (options && argument.startsWith(QLatin1Char('-'))))
            continue;
        return QDir::cleanPath(QDir(startFolder).absoluteFilePath(argument));
    }
    return QString();
}

QString startFolder()
{
    const QString launchedFrom = qEnvironmentVariable("LARKSPAN_START_FOLDER");
    return launchedFrom.isEmpty() ? QDir::currentPath() : launchedFrom;
}

void restoreWindowGeometry(QWidget *window)
{
    Settings settings;
    const int width = settings.value(QStringLiteral("geometri/mainWinWidth"), 800).toInt();
    const int height = settings.value(QStringLiteral("geometri/mainWinHeight"), 600).toInt();
    const int x = settings.value(QStringLiteral("geometri/mainWinPosX"), 0).toInt();
    const int y = settings.value(QStringLiteral("geometri/mainWinPosY"), 0).toInt();
    window->resize(width, height);
    window->move(x, y);
}

} // namespace Startup

int runLarkspan(int argc, char **argv)
{
    // The edition is decided before the application object exists, so that a
    // program under a foreign name ends with status 1 having shown and written
    // nothing, even where no display could be opened.
    const QString programPath = argc > 0 ? QString::fromLocal8Bit(argv[0]) : QString();
    const int chosen = editionFromProgramPath(programPath);
    if (chosen == NoEdition)
        return 1;

    QApplication app(argc, argv);
    Q_INIT_RESOURCE(larkspan);
    setEdition(chosen);
    MessageBoxNotices::install();

    // A shutdown, a logout or Ctrl+C ends the program as Quit would, minus
    // the save question that nobody is there to answer: every event loop
    // ends, and the window's destruction below releases the lock and closes
    // the log. Unsaved changes are not saved.
    TerminationSignals terminationSignals;
    QObject::connect(&terminationSignals, &TerminationSignals::received, &app, [](int signalNumber) {
        qDebug().noquote() << QStringLiteral("Ending on signal %1").arg(signalNumber);
        QCoreApplication::exit(0);
    });

    Settings::applyIdentity();
    auto settings = std::make_unique<Settings>();

    const QString language = currentLanguage();
    qDebug().noquote() << QStringLiteral("Language is: qt_") + language;

    // Installed before the main window is built, so that every text its
    // construction translates is already in the chosen language.
    auto programTranslator = std::make_unique<QTranslator>();
    Startup::installProgramTranslator(programTranslator.get(), language);

    // A database named on the command line (a file manager opens a register
    // so) is opened in place of the last one.
    const QString startDatabase = Startup::databaseArgument(QCoreApplication::arguments(), Startup::startFolder());
    QPointer<MainWindow> mainWindow = new MainWindow(startDatabase);
    if (!mainWindow->startSucceeded()) {
        // The start database could not be read (the user has been told and
        // the next start opens the demo database): end without a window.
        delete mainWindow.data();
        QCoreApplication::removeTranslator(programTranslator.get());
        return 0;
    }
    mainWindow->setAttribute(Qt::WA_DeleteOnClose);

    auto toolkitTranslator = std::make_unique<QTranslator>();
    Startup::installToolkitTranslator(toolkitTranslator.get(), language, mainWindow);

    PrintSettings::current().Load();

    Startup::restoreWindowGeometry(mainWindow);
    mainWindow->show();

    // A signal read while the window was being built (a box at start runs
    // its own event loop) has ended that loop only.
    if (!terminationSignals.wasReceived())
        (void)app.exec();

    // Ended by a signal, without the save question: the unsaved changes stay
    // in the recovery file for the next start.
    if (terminationSignals.wasReceived() && mainWindow)
        mainWindow->crashRecovery()->detach();
    // A window that was not closed (the loop was ended by a quit) still owns
    // the collection and the log: let it release them before the translators go.
    delete mainWindow.data();
    QCoreApplication::removeTranslator(toolkitTranslator.get());
    QCoreApplication::removeTranslator(programTranslator.get());
    return 0;
}
