#include "desktop/ExternalViewers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "desktop/FileDialog.h"
#include "desktop/Launcher.h"
#include "desktop/MessageBox.h"
#include "core/Settings.h"

namespace {

// Shell result codes as the help page opener names them.
enum ShellCode {
    FileNotFound = 2,
    NoAssociation = 31,
};

// A relative name that starts with "-" would reach the program as an option;
// "./-name" is the same file and cannot be mistaken for one.
QString asArgument(const QString &target)
{
    if (target.startsWith(QLatin1Char('-')))
        return QStringLiteral("./") + target;
    return target;
}

bool chooseProgram(QWidget *parent, const QString &caption, const QString &filter, const QString &key)
{
    FileDialog::Request request;
    request.mode = FileDialog::AnyFile; // a name may be typed
    request.title = caption;
    request.filters = QStringList { filter };
#ifndef Q_OS_WIN
    // Programs carry no ".exe" here; offer every file and start there.
    request.filters.append(FileDialog::allFilesFilter());
    request.selectedFilter = FileDialog::allFilesFilter();
#endif
    const FileDialog::Answer answer = FileDialog::ask(parent, request);
    if (!answer.accepted())
        return false;
    Settings settings;
    settings.setValue(key, QDir::toNativeSeparators(answer.path));
    return true;
}

} // namespace

bool shellOpen(const QString &target)
{
    if (target.isEmpty())
        return false;

    const QUrl url = Launcher::urlForTarget(target);
    // The desktop's opener is started without waiting, so it cannot report a
    // file that is not there: such a file counts as one that could not be opened.
    bool opened = false;
    if (!url.isLocalFile() || QFileInfo::exists(url.toLocalFile()))
        opened = Launcher::openUrl(url);
    if (!opened) {
        MessageBox::show(MessageBox::NoIcon, nullptr, QStringLiteral("Taldrum program error"),
            QStringLiteral("Ingen program associeret med filer af denne type %1").arg(target), QMessageBox::Yes,
            QMessageBox::Yes);
    }
    return opened;
}

bool openWithProgram(const QString &program, const QString &target, QWidget *owner)
{
    Q_UNUSED(owner);
    // With no program chosen the target goes straight to its associated
    // program: a link is never started as a command itself.
    if (!program.isEmpty()) {
        const QStringList arguments = target.isEmpty() ? QStringList() : QStringList { asArgument(target) };
        if (Launcher::startDetached(program, arguments))
            return true;
        MessageBox::showCustom(MessageBox::Critical, nullptr, QStringLiteral("Fejl"),
            QStringLiteral("Program (%1) ikke fundet.\n"
                           "Hint: Vælg ønsket program til at vise aktuelle fil type,\n"
                           "via Opsætning menu.\n"
                           "Kalder istedet program associeret med filen %2")
                .arg(program, target),
            QStringList { QStringLiteral("&Ok") });
    }
    return shellOpen(target);
}

bool openHtmlPage(const QString &first, const QString &second, bool complete)
{
    const QString path = complete ? first + second : QDir::currentPath() + QStringLiteral("/help/") + first + second;

    // No fixed-size buffer stands between the path and the desktop, so a long
    // path is neither cut nor refused.
    const QFileInfo page(path);
    int code = 0;
    if (!page.isFile())
        code = FileNotFound;
    else if (!Launcher::openUrl(QUrl::fromLocalFile(page.absoluteFilePath())))
        code = NoAssociation;
    if (code == 0)
        return true;

    MessageBox::critical(nullptr, QCoreApplication::translate("ExternalViewers", "HTML fejl"),
        QStringLiteral("Could not display help (%1), error: %2").arg(path, htmlPageErrorText(code)), QMessageBox::Ok);
    return false;
}

bool isPictureFile(const QString &name)
{
    static const char *const kinds[] = { "PNG", "BMP", "XBM", "XPM", "PNM", "JPEG", "JPG", "MNG", "GIF" };
    for (const char *kind : kinds) {
        if (name.contains(QLatin1String(kind), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

QString htmlPageErrorText(int code)
{
    switch (code) {
    case 0:
        return QStringLiteral("The operating system is out of memory or resources.");
    case 2:
        return QStringLiteral("The specified file was not found (please, check write permissions).");
    case 3:
        return QStringLiteral("The specified path was not found.");
    case 26:
        return QStringLiteral("A sharing violation occurred.");
    case 27:
        return QStringLiteral("The file name association is incomplete or invalid.");
    case 31:
        return QStringLiteral("There is no application associated with the given file name extension. This error "
                              "will also be returned if you attempt to print a file that is not printable.");
    case 32:
        return QStringLiteral("The specified DLL was not found.");
    default:
        return QString();
    }
}

QString defaultPictureViewer()
{
#ifdef Q_OS_WIN
    return QStringLiteral("mspaint.exe");
#else
    return QString();
#endif
}

QString pictureViewerProgram(const QString &fallback)
{
    Settings settings;
    return settings.value(QStringLiteral("PictureViewerProgram"), fallback).toString();
}

QString webProgram()
{
    Settings settings;
    return settings.value(QStringLiteral("wwwProgram"), QString()).toString();
}

bool choosePictureViewer(QWidget *parent)
{
    return chooseProgram(parent, QCoreApplication::translate("MainWindow", "Vælg eget billedvisnings program"),
        QCoreApplication::translate("MainWindow", "Billede visnings program (*.exe)"),
        QStringLiteral("PictureViewerProgram"));
}

bool chooseWebProgram(QWidget *parent)
{
    return chooseProgram(parent, QCoreApplication::translate("MainWindow", "Vælg internet (www) program"),
        QCoreApplication::translate("MainWindow", "Internet (www) program (*.exe)"), QStringLiteral("wwwProgram"));
}
