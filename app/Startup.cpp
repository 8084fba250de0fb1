#include "app/Startup.h"

#include <QApplication>
#include <QDebug>
#include <QTranslator>

#include <memory>

#include "app/Edition.h"
#include "app/MessageBox.h"
#include "app/Settings.h"
#include "mainwindow/larkspanwindow.h"

int runLarkspan(int argc, char **argv)
{
    QApplication app(argc, argv);

    const QString programPath = argc > 0 ? QString::fromLocal8Bit(argv[0]) : QString();

    Q_INIT_RESOURCE(larkspan);
    const int chosen = editionFromProgramPath(programPath);
    if (chosen == NoEdition)
        return 1;
    setEdition(chosen);

    Settings::applyIdentity();
    auto settings = std::make_unique<Settings>();

    const QString language = currentLanguage();
    qDebug().noquote() << QStringLiteral("Language is: qt_") + language;

    auto programTranslator = std::make_unique<QTranslator>();
    (void)programTranslator->load(QStringLiteral("larkspan_") + language, QStringLiteral("."));
    QCoreApplication::installTranslator(programTranslator.get());

    auto *mainWindow = new MainWindow;
    mainWindow->setAttribute(Qt::WA_DeleteOnClose);

    auto toolkitTranslator = std::make_unique<QTranslator>();
    if (language != QLatin1String("en")) {
        if (!toolkitTranslator->load(QStringLiteral("qt_") + language, QStringLiteral("."))) {
            MessageBox::critical(mainWindow, QStringLiteral("Error loding"),
                                 QStringLiteral("qt_") + language, QMessageBox::Ok);
        }
        QCoreApplication::installTranslator(toolkitTranslator.get());
    }

    const int width = settings->value(QStringLiteral("geometri/mainWinWidth"), 800).toInt();
    const int height = settings->value(QStringLiteral("geometri/mainWinHeight"), 600).toInt();
    const int x = settings->value(QStringLiteral("geometri/mainWinPosX"), 0).toInt();
    const int y = settings->value(QStringLiteral("geometri/mainWinPosY"), 0).toInt();
    mainWindow->resize(width, height);
    mainWindow->move(x, y);
    mainWindow->show();

    (void)app.exec();
    return 0;
}
